// The station editor in the Qt toolkit: it opens on the SSN, Tab walks every control in
// the order of its declaration, Enter saves (testing a new SSN first), Escape and the
// cancel button's mnemonic close it without saving.
#include "QtTestSupport.h"

#include "editors/station/Form_Station.h"
#include "model/Lines.h"
#include "utilities/Defaults.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScreen>

using namespace ardel;
using namespace ardel::testing;

namespace {

const QString kCaption = QStringLiteral("Station Information for *80*, *86*, and *90* records");

// Every control that takes the focus, in the order of the declaration.
const QStringList kTabOrder = {
    "textb_SSN",
    "textb_4CharacterID",
    "checkbox_FixStation",
    "textb_StationName",
    "textb_Latitude",
    "combo_LatitudeCode",
    "textb_Longitude",
    "combo_LongitudeCode",
    "textb_Elevation",
    "combo_TOVIDBElevation",
    "combo_OrthometricHeightCode",
    "combo_OrthometricHeightDatum",
    "textb_OrthometricHeightOrderandClass",
    "textb_EllipsoidalHeight",
    "combo_EllipsoidalHeightCode",
    "combo_EllipsoidalHeightDatum",
    "combo_EllipsoidalHeightOrderandClass",
    "textb_StateOrCountry",
    "cb_1",
    "combo_StationOrder",
    "combo_StationType",
    "cb_OK",
    "cb_Cancel",
};

// The declared control that holds the focus (an editable drop-down's own line edit counts as it).
QString focusedControl(QWidget& dialog) {
    for (QWidget* widget = QApplication::focusWidget(); widget && widget != &dialog; widget = widget->parentWidget()) {
        if (kTabOrder.contains(widget->objectName())) {
            return widget->objectName();
        }
    }
    return {};
}

} // namespace

class StationEditorTest : public QObject {
    Q_OBJECT

public:
    explicit StationEditorTest(ui::QtToolkit& toolkit) : toolkit_(toolkit) {}

private slots:
    void init() {
        loadBuiltInDefaults(defaults_);
        stations_.clear();
        stations_.append(buildStationLine("0007" + std::string(66, ' '), "    "));
        editor_.setStationStore(stations_);
    }
    void cleanup() { closeLeftOverWindows(); }

    void tabWalksEveryControlAndEnterSaves() {
        StationBodies bodies;
        DialogAnswerer answerer;
        QStringList walked;
        answerer.expectModal(kCaption, [&](QWidget& dialog) {
            auto* ssn = dialog.findChild<QLineEdit*>("textb_SSN");
            QTRY_VERIFY(ssn->hasFocus());
            typeText(ssn, "0012");
            for (int i = 0; i <= kTabOrder.size(); ++i) {
                walked << focusedControl(dialog);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(editor_.run(bodies, "TOVA", serfil_, defaults_), 1);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(walked, kTabOrder + QStringList{"textb_SSN"});
        QVERIFY(!editor_.heightsChanged()); // laying out the empty height boxes is no change
        // The empty coordinates were laid out as they were left.
        QCOMPARE(QString::fromStdString(bodies.station),
                 QStringLiteral("0012%1N%2W%3").arg(QString(41, ' '), QString(12, ' '), QString(11, ' ')));
    }

    // Enter with the focus in a new SSN tests it first: one in use keeps the dialog open.
    void enterTestsANewSsnAndEscapeCancels() {
        StationBodies bodies;
        DialogAnswerer answerer;
        answerer.expectModal(kCaption, [&](QWidget& dialog) {
            auto* ssn = dialog.findChild<QLineEdit*>("textb_SSN");
            QTRY_VERIFY(ssn->hasFocus());
            typeText(ssn, "0007");
            QTest::keyClick(ssn, Qt::Key_Return);
            QVERIFY(dialog.isVisible());
            QTRY_VERIFY(ssn->hasFocus());
            QCOMPARE(ssn->selectedText(), QStringLiteral("0007"));
            QTest::keyClick(ssn, Qt::Key_Escape);
        });
        answerer.expectMessage("SSN Error",
                               "Serial Number 0007 cannot be used \r\nbecause it already exists. \n"
                               "Please click OK and correct this error before proceeding.",
                               QMessageBox::Ok);
        QCOMPARE(editor_.run(bodies, "TOVA", serfil_, defaults_), 0);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(bodies.station, std::string());
    }

    void cancelMnemonicLeavesAStationAsItWas() {
        const std::string body = "0007" + std::string(66, ' ');
        StationBodies bodies{body, "", "", "    "};
        DialogAnswerer answerer;
        answerer.expectModal(kCaption, [&](QWidget& dialog) {
            auto* ssn = dialog.findChild<QLineEdit*>("textb_SSN");
            QTRY_VERIFY(ssn->hasFocus());
            QCOMPARE(ssn->text(), QStringLiteral("0007"));
            QTest::keyClick(dialog.findChild<QLineEdit*>("textb_StationName"), Qt::Key_X);
            QTest::keyClick(dialog.windowHandle(), Qt::Key_C, Qt::AltModifier);
            QTRY_VERIFY(!dialog.isVisible()); // a mnemonic clicks its button a moment later
        });
        QCOMPARE(editor_.run(bodies, "TOVA", serfil_, defaults_), 0);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(bodies.station, body);
    }

    // With ARDEL_SCREENSHOT_DIR naming a folder (run on a real display, e.g. under Xvfb):
    // the whole screen with the dialog, and again with the station type list dropped down.
    void screenshot() {
        const QString folder = qEnvironmentVariable("ARDEL_SCREENSHOT_DIR");
        if (folder.isEmpty()) {
            QSKIP("ARDEL_SCREENSHOT_DIR names no folder");
        }
        StationBodies bodies{"0007" + std::string(30, ' ') + "394512123  N0771530500  W" + std::string(7, ' ') + "MD1A",
                             "0007    12345A21Y88" + std::string(16, ' ') + "  -3250B21A" + std::string(24, ' '), "",
                             "HRBR"};
        bodies.station.replace(4, 12, "HARBOR LIGHT");
        DialogAnswerer answerer;
        answerer.expectModal(kCaption, [&](QWidget& dialog) {
            auto shoot = [&](const char* name) {
                QTest::qWait(400);
                QVERIFY(QGuiApplication::primaryScreen()->grabWindow(0).save(folder + "/" + name));
            };
            dialog.move(20, 20);
            shoot("station-editor.png");
            auto* types = dialog.findChild<QComboBox*>("combo_StationType");
            types->showPopup();
            shoot("station-editor-list.png");
            types->hidePopup();
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(editor_.run(bodies, "TOVA", serfil_, defaults_), 0);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
    }

private:
    ui::QtToolkit& toolkit_;
    TextStore stations_{4};
    TextStore serfil_{4};
    TextStore defaults_;
    Form_Station editor_{toolkit_};
};

ARDEL_QT_TEST_MAIN(StationEditorTest)
#include "tst_stationeditor.moc"
