// The instrument and antenna editors in the Qt toolkit: the first focus, the Tab
// order of their controls, Enter saving (the key tested though the focus never left
// it), Escape cancelling, the fixed-pitch code lists and a typed antenna code.
#include "QtTestSupport.h"

#include "editors/antenna/Form_Antenna.h"
#include "editors/equipment/FormEquipment.h"
#include "utilities/Defaults.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

using namespace ardel;
using namespace ardel::testing;

namespace {
const QString kInstrumentCaption = QStringLiteral("Equipment Record Entry (data for *70* records)");
const QString kAntennaCaption = QStringLiteral("Antenna Information for *72* records");

// The control that has the focus: the focused widget or the control it is part of.
QString focusedControl(QWidget& dialog) {
    for (QWidget* widget = dialog.focusWidget(); widget; widget = widget->parentWidget()) {
        if (widget->objectName().contains(QLatin1Char('_'))) {
            return widget->objectName();
        }
    }
    return QString();
}

// The controls that Tab reaches from the focused one, until the focus comes back.
QStringList tabWalk(QWidget& dialog) {
    QStringList walked{focusedControl(dialog)};
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        if (focusedControl(dialog) == walked.front()) {
            break;
        }
        walked << focusedControl(dialog);
    }
    return walked;
}

// Where screenshots go when ARDEL_SCREENSHOTS names a folder; empty otherwise.
QString screenshotDir() {
    return qEnvironmentVariable("ARDEL_SCREENSHOTS");
}

void saveScreenshot(QWidget& dialog, const QString& name, bool wholeScreen) {
    QTest::qWait(200);
    const QString path = QDir(screenshotDir()).filePath(name);
    if (wholeScreen) {
        dialog.screen()->grabWindow(0).save(path);
    } else {
        dialog.grab().save(path);
    }
}
} // namespace

class EquipmentEditorsTest : public QObject {
    Q_OBJECT

public:
    explicit EquipmentEditorsTest(ui::QtToolkit& toolkit) : toolkit_(toolkit) {}

private slots:
    void init() { loadBuiltInDefaults(defaults_); }
    void cleanup() { closeLeftOverWindows(); }

    void instrumentEditorWalksItsControlsAndSavesWithEnter() {
        FormEquipment editor(toolkit_);
        TextStore instruments(3);
        instruments.append("100" + std::string(67, ' '));
        editor.setInstrumentStore(instruments);
        std::string body;
        DialogAnswerer answerer;
        answerer.expectModal(kInstrumentCaption, [](QWidget& dialog) {
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QCOMPARE(focusedControl(dialog), QStringLiteral("textb_JSIN"));
            auto* jsin = dialog.findChild<QLineEdit*>("textb_JSIN");
            typeText(jsin, "200"); // a free JSIN: leaving it is no error
            QCOMPARE(tabWalk(dialog),
                     (QStringList{"textb_JSIN", "combo_EquipmentCode", "textb_Manufacturer", "textb_Type",
                                  "textb_Model", "textb_SerialNumber", "cb_OK", "cb_Cancel"}));
            auto* codes = dialog.findChild<QComboBox*>("combo_EquipmentCode");
            QCOMPARE(codes->font().pointSize(), 8);
            QCOMPARE(codes->currentIndex(), -1);
            codes->setCurrentIndex(11); // as the user's choice
            QCOMPARE(dialog.findChild<QLineEdit*>("textb_Model")->text(), QStringLiteral("TR5S, NR101, NR104"));
            jsin->setFocus();
            jsin->selectAll();
            typeText(jsin, "10");
            QTest::keyClick(jsin, Qt::Key_Return); // 10 begins 100: refused, the dialog stays
            QVERIFY(dialog.isVisible());
            QTRY_COMPARE(focusedControl(dialog), QStringLiteral("textb_JSIN"));
            jsin->selectAll();
            typeText(jsin, "101");
            QTest::keyClick(jsin, Qt::Key_Return);
        });
        answerer.expectMessage("JSIN Error", "Serial Number 10 cannot be used \r\nbecause it already exists.",
                               QMessageBox::Ok);
        QCOMPARE(editor.run(body, defaults_), 1);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(QString::fromLatin1(body.c_str()),
                 QStringLiteral("101061      SERCEL Inc. - USA                       TR5S, NR          "));
    }

    // The model that a chosen code fills in is longer than the box's limit; the user
    // still edits it, and what the box shows is saved.
    void instrumentModelOverItsLimitIsEditedWithBackspace() {
        FormEquipment editor(toolkit_);
        std::string body;
        DialogAnswerer answerer;
        answerer.expectModal(kInstrumentCaption, [](QWidget& dialog) {
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            typeText(dialog.findChild<QLineEdit*>("textb_JSIN"), "300");
            dialog.findChild<QComboBox*>("combo_EquipmentCode")->setCurrentIndex(11);
            auto* model = dialog.findChild<QLineEdit*>("textb_Model");
            model->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(model, Qt::Key_End);
            for (int i = 0; i < 11; ++i) {
                QTest::keyClick(model, Qt::Key_Backspace);
            }
            typeText(model, "77"); // up to the limit, not beyond it
            QCOMPARE(model->text(), QStringLiteral("TR5S, N7"));
            QTest::keyClick(model, Qt::Key_Return);
        });
        QCOMPARE(editor.run(body, defaults_), 1);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(QString::fromLatin1(body.substr(52, 8).c_str()), QStringLiteral("TR5S, N7"));
    }

    void instrumentEditorCancelsWithEscapeAndSavesWithItsMnemonic() {
        FormEquipment editor(toolkit_);
        std::string body = "012061      SERCEL" + std::string(52, ' ');
        const std::string stored = body;
        DialogAnswerer answerer;
        answerer.expectModal(kInstrumentCaption, [](QWidget& dialog) {
            QCOMPARE(dialog.findChild<QComboBox*>("combo_EquipmentCode")->currentIndex(), 11);
            QCOMPARE(dialog.findChild<QLineEdit*>("textb_Manufacturer")->text(), QStringLiteral("SERCEL"));
            if (!screenshotDir().isEmpty()) {
                saveScreenshot(dialog, QStringLiteral("instrument-editor.png"), false);
            }
            typeText(dialog.findChild<QLineEdit*>("textb_JSIN"), "9");
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(editor.run(body, defaults_), 0);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(body, stored);

        // The mnemonic of the save button saves the serial number typed.
        answerer.expectModal(kInstrumentCaption, [](QWidget& dialog) {
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            auto* serial = dialog.findChild<QLineEdit*>("textb_SerialNumber");
            serial->setFocus();
            typeText(serial, "S-1");
            QTest::keyClick(serial, Qt::Key_S, Qt::AltModifier);
            QTRY_VERIFY(!dialog.isVisible()); // a mnemonic clicks after the button shows it pressed
        });
        QCOMPARE(editor.run(body, defaults_), 1);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(body, stored.substr(0, 60) + "S-1       ");
    }

    void antennaEditorWalksItsControlsAndKeepsATypedCode() {
        Form_Antenna editor(toolkit_);
        TextStore antennas(3);
        editor.setAntennaStore(antennas);
        std::string body;
        DialogAnswerer answerer;
        answerer.expectModal(kAntennaCaption, [](QWidget& dialog) {
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QCOMPARE(focusedControl(dialog), QStringLiteral("textb_JSAN"));
            QCOMPARE(tabWalk(dialog), (QStringList{"textb_JSAN", "combo_AntennaCode", "textb_SerialNumber", "cb_OK",
                                                   "cb_Cancel", "cb_4"}));
            auto* codes = dialog.findChild<QComboBox*>("combo_AntennaCode");
            QCOMPARE(codes->font().pointSize(), 8);
            QCOMPARE(codes->count(), 115);
            auto* jsan = dialog.findChild<QLineEdit*>("textb_JSAN");
            typeText(jsan, "7x2");
            QCOMPARE(jsan->text(), QStringLiteral("72"));
            codes->lineEdit()->setFocus();
            typeText(codes->lineEdit(), "MYANT1234       ABCD");
            jsan->setFocus();
            QTest::keyClick(jsan, Qt::Key_Return);
        });
        QCOMPARE(editor.run(body, defaults_), 1);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        const std::string typed = "72    MYANT1234       ABCD" + std::string(44, ' ');
        QCOMPARE(body, typed);

        // Opened again: the typed code stands in the code's text; Escape keeps the body.
        antennas.append(body);
        answerer.expectModal(kAntennaCaption, [](QWidget& dialog) {
            auto* codes = dialog.findChild<QComboBox*>("combo_AntennaCode");
            QCOMPARE(codes->currentIndex(), -1);
            QCOMPARE(codes->lineEdit()->text(), QStringLiteral("MYANT1234       ABCD"));
            codes->setCurrentIndex(2);
            QCOMPARE(codes->lineEdit()->text().left(20), QStringLiteral("AERAT2775_43    SPKE"));
            QCOMPARE(codes->lineEdit()->cursorPosition(), 0); // the code in view, not the end of its text
            if (!screenshotDir().isEmpty()) {
                saveScreenshot(dialog, QStringLiteral("antenna-editor.png"), false);
                codes->showPopup();
                saveScreenshot(dialog, QStringLiteral("antenna-editor-open.png"), true);
                codes->hidePopup();
            }
            QTest::keyClick(dialog.findChild<QLineEdit*>("textb_SerialNumber"), Qt::Key_Escape);
        });
        QCOMPARE(editor.run(body, defaults_), 0);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(body, typed);
    }

private:
    ui::QtToolkit& toolkit_;
    TextStore defaults_;
};

ARDEL_QT_TEST_MAIN(EquipmentEditorsTest)
#include "tst_equipmenteditors.moc"
