// The RINEX import preview in the Qt realization: the keyboard (first focus, Tab
// order, a row edited and imported with Enter, Escape cancelling), and a screenshot.
#include "QtTestSupport.h"

#include "editors/rinexImport/Form_RinexImport.h"
#include "rinex/RinexFiles.h"

#include <QLineEdit>
#include <QTemporaryDir>

using namespace ardel;
using namespace ardel::testing;

namespace {
const QString kCaption = QStringLiteral("Import RINEX Observation Files");
} // namespace

class RinexDialogTest : public QObject {
    Q_OBJECT

public:
    explicit RinexDialogTest(ui::QtToolkit& toolkit) : toolkit_(toolkit) {}

private slots:
    // ALGO on 5 and 6 January 2024, CEDA with another receiver on the 5th.
    void init() {
        testing::ObservationContent content;
        content.version = 2.11;
        content.marker = "ALGO";
        content.x = 918129.375, content.y = -4346071.25, content.z = 4561977.875;
        testing::ObservationContent nextDay = content;
        nextDay.first.day = nextDay.epochs.front().day = nextDay.epochs.back().day = 6;
        testing::ObservationContent other = content;
        other.marker = "CEDA";
        other.receiverType = "LEICA GR50";
        other.receiverSerial = "1830221";
        files_ = {dir_.filePath("algo0050.24o").toStdString(), dir_.filePath("algo0060.24o").toStdString(),
                  dir_.filePath("ceda0050.24o").toStdString()};
        writeMaybeCompressed(files_[0], observationText(content));
        writeMaybeCompressed(files_[1], observationText(nextDay));
        writeMaybeCompressed(files_[2], observationText(other));
    }
    void cleanup() { closeLeftOverWindows(); }

    void opensOnTheFilesAndTabsInControlOrder() {
        Form_RinexImport dialog(toolkit_);
        rinex_import::Plan plan = rinex_import::planImport(project_, files_, {});
        QStringList walked;
        DialogAnswerer answerer;
        answerer.expectModal(kCaption, [&](QWidget& window) {
            QTRY_COMPARE(focusedName(), QStringLiteral("lb_Files"));
            walked << focusedName();
            for (int i = 0; i < 10; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                walked << focusedName();
            }
            QTest::keyClick(&window, Qt::Key_Escape);
        });
        QCOMPARE(dialog.run(project_, plan), 0);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        const QStringList expected = {"lb_Files",          "textb_SessionLetter",
                                      "textb_Initials",    "textb_CableLength",
                                      "textb_AllInitials", "textb_AllCableLength",
                                      "cb_SetAll",         "cb_Antex",
                                      "cb_Import",         "cb_Cancel",
                                      "lb_Files"};
        QCOMPARE(walked, expected);
    }

    // The second file chosen with the arrow key, its fields typed, Enter imports.
    void rowEditedFromTheKeyboardAndImportedWithEnter() {
        Form_RinexImport dialog(toolkit_);
        rinex_import::Plan plan = rinex_import::planImport(project_, files_, {});
        QCOMPARE(plan.rows.size(), std::size_t{3});
        DialogAnswerer answerer;
        answerer.expectModal(kCaption, [&](QWidget& window) {
            QTRY_COMPARE(focusedName(), QStringLiteral("lb_Files"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            typeText(QApplication::focusWidget(), "c");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            typeText(QApplication::focusWidget(), "abc");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            typeText(QApplication::focusWidget(), "7");
            QCOMPARE(child<QLineEdit>(window, "textb_SessionLetter")->text(), QStringLiteral("C"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(dialog.run(project_, plan), 1);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(plan.rows[1].sessionLetter, std::string("C"));
        QCOMPARE(plan.rows[1].initials, std::string("ABC"));
        QCOMPARE(plan.rows[1].cable, std::string("7"));
        QCOMPARE(plan.rows[0].initials, std::string());
    }

    // With ARDEL_SCREENSHOT set, saves the dialog showing the three files.
    void screenshot() {
        const QByteArray path = qgetenv("ARDEL_SCREENSHOT");
        if (path.isEmpty()) {
            QSKIP("ARDEL_SCREENSHOT names no file");
        }
        Form_RinexImport dialog(toolkit_);
        rinex_import::Plan plan = rinex_import::planImport(project_, files_, {"JSM", "05", ""});
        DialogAnswerer answerer;
        answerer.expectModal(kCaption, [&](QWidget& window) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QTest::qWait(300);
            QVERIFY(window.grab().save(QString::fromLocal8Bit(path)));
            QTest::keyClick(&window, Qt::Key_Escape);
        });
        QCOMPARE(dialog.run(project_, plan), 0);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
    }

private:
    ui::QtToolkit& toolkit_;
    QTemporaryDir dir_;
    Project project_;
    std::vector<std::string> files_;
};

ARDEL_QT_TEST_MAIN(RinexDialogTest)
#include "tst_rinexdialog.moc"
