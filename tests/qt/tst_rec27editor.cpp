// The occupation record editor in the Qt realization: the keyboard (first focus, Tab
// order, Enter saving what the focused field holds, Escape), and a screenshot.
#include "QtTestSupport.h"

#include "editors/rec27/Form_Rec27.h"
#include "utilities/Defaults.h"

#include <QComboBox>
#include <QLineEdit>

using namespace ardel;
using namespace ardel::testing;

namespace {

const QString kCaption = QStringLiteral("GPS Occupation Measurement (*27* record) Data");

// Types into the focused masked box from its first position, as after a click at its start.
void typeMasked(const QString& digits) {
    auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(box);
    box->setCursorPosition(0);
    typeText(box, digits);
}

} // namespace

class Rec27EditorTest : public QObject {
    Q_OBJECT

public:
    explicit Rec27EditorTest(ui::QtToolkit& toolkit) : toolkit_(toolkit) {}

private slots:
    void cleanup() { closeLeftOverWindows(); }

    void opensOnTheDateAndTabsInControlOrder() {
        Form_Rec27 editor(toolkit_);
        QStringList walked;
        DialogAnswerer answerer;
        answerer.expectModal(kCaption, [&](QWidget& dialog) {
            QTRY_COMPARE(focusedName(), QStringLiteral("mtextb_Date"));
            walked << focusedName();
            for (int i = 0; i < 17; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                walked << focusedName();
            }
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        std::string entry = "990105"
                            "1230" +
                            std::string(31, ' ');
        const std::string before = entry;
        QCOMPARE(editor.run(entry, defaults_), 0);
        QCOMPARE(entry, before);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        const QStringList expected = {"mtextb_Date",
                                      "mtextb_Time",
                                      "textb_AntennaHeight",
                                      "textb_DryBulbTemperature",
                                      "combo_DryBulbTemperatureCode",
                                      "textb_WetBulbTemperature",
                                      "combo_WetBulbTemperatureCode",
                                      "textb_RelativeHumidity",
                                      "cb_Compute",
                                      "textb_BarometricPressure",
                                      "combo_BarometricPressureCode",
                                      "combo_Problem",
                                      "combo_Visibility",
                                      "combo_Temperature",
                                      "combo_CloudCover",
                                      "combo_Wind",
                                      "cb_OK",
                                      "cb_Cancel"};
        QCOMPARE(walked, expected);
    }

    // A whole entry from the keyboard: digits in the masks, Tab between the fields (each
    // laid out as it is left), a code chosen with the arrow keys, and Enter in the
    // antenna height field saving it laid out.
    void entryTypedWithTheKeyboardAndSavedWithEnter() {
        Form_Rec27 editor(toolkit_);
        DialogAnswerer answerer;
        answerer.expectModal(kCaption, [&](QWidget& dialog) {
            QTRY_COMPARE(focusedName(), QStringLiteral("mtextb_Date"));
            typeMasked("990105");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            typeMasked("1230");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            typeText(QApplication::focusWidget(), "2");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(child<QLineEdit>(dialog, "textb_AntennaHeight")->text(), QStringLiteral(" 2.000"));
            typeText(QApplication::focusWidget(), "20");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(child<QLineEdit>(dialog, "textb_DryBulbTemperature")->text(), QStringLiteral(" 20."));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QCOMPARE(child<QComboBox>(dialog, "combo_DryBulbTemperatureCode")->currentText(), QStringLiteral("C"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(focusedName(), QStringLiteral("textb_AntennaHeight"));
            typeText(QApplication::focusWidget(), "1.5");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        std::string entry;
        QCOMPARE(editor.run(entry, defaults_), 1);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(entry, std::string("990105"
                                    "1230"
                                    " 1"
                                    "500"
                                    " 20 C") +
                            std::string(21, ' '));
    }

    // With ARDEL_SCREENSHOT set, saves the dialog showing a whole measurement.
    void screenshot() {
        const QByteArray path = qgetenv("ARDEL_SCREENSHOT");
        if (path.isEmpty()) {
            QSKIP("ARDEL_SCREENSHOT names no file");
        }
        Form_Rec27 editor(toolkit_);
        std::string entry = "991231"
                            "2359"
                            " 1"
                            "523"
                            " 205C 150C588101325MB00000";
        DialogAnswerer answerer;
        answerer.expectModal(kCaption, [&](QWidget& dialog) {
            QTest::qWait(200);
            QVERIFY(dialog.grab().save(QString::fromLocal8Bit(path)));
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(editor.run(entry, defaults_), 0);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
    }

private:
    ui::QtToolkit& toolkit_;
    TextStore defaults_;
};

ARDEL_QT_TEST_MAIN(Rec27EditorTest)
#include "tst_rec27editor.moc"
