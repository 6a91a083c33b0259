// Builds projects through the real main window in the Qt toolkit, as a surveyor would:
// menu entries, the editor dialogs typed into, the save-file dialog. The written
// B-files are compared byte for byte; a file read back and saved again is unchanged.
#include "app/Form1.h"
#include "qt/QtTestSupport.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>

using ardel::testing::child;
using ardel::testing::DialogAnswerer;

namespace {

constexpr const char* kStationEditor = "Station Information for *80*, *86*, and *90* records";
constexpr const char* kInstrumentEditor = "Equipment Record Entry (data for *70* records)";
constexpr const char* kAntennaEditor = "Antenna Information for *72* records";
constexpr const char* kSessionEditor = "GPS Session  Information for *25*,*26*, and *27* records";
constexpr const char* kOccupationEditor = "GPS Occupation Measurement (*27* record) Data";
constexpr const char* kHeaderEditor = "Add/Modify Header and Project Information";

std::string fit(const std::string& text, std::size_t width) {
    std::string out = text.substr(0, std::min(text.size(), width));
    out.resize(width, ' ');
    return out;
}

std::string blanks(std::size_t count) {
    return std::string(count, ' ');
}

// One record of the file: number, code and body, with its CR LF.
std::string record(int number, const std::string& code, const std::string& body) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%06d*%-2.2s*", number, code.c_str());
    return prefix + fit(body, 70) + "\r\n";
}

std::string readAll(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Moves the focus into the control as the user's Tab would (the one left loses it) and types.
void typeInto(QWidget& dialog, const char* name, const char* text) {
    auto* box = child<QWidget>(dialog, name);
    if (!box) {
        return;
    }
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    ardel::testing::typeText(box, text);
}

void choose(QWidget& dialog, const char* name, int index) {
    if (auto* combo = child<QComboBox>(dialog, name)) {
        combo->setFocus(Qt::TabFocusReason);
        combo->setCurrentIndex(index);
    }
}

void pressEnter(QWidget& dialog) {
    QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_Return);
}

void click(QWidget& dialog, const char* name) {
    if (auto* button = child<QPushButton>(dialog, name)) {
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Space);
    }
}

} // namespace

class WholeProjectTest : public QObject {
    Q_OBJECT

public:
    explicit WholeProjectTest(ardel::ui::QtToolkit& toolkit) : toolkit_(toolkit) {}

private:
    QMainWindow* mainWindow(ardel::Form1& window) {
        return qobject_cast<QMainWindow*>(static_cast<ardel::ui::QtForm&>(window.form()).window());
    }

    // The menu entry reached through these texts from the menu bar, or nullptr.
    QAction* menuEntry(ardel::Form1& window, const QStringList& path) {
        QList<QAction*> actions = mainWindow(window)->menuBar()->actions();
        QAction* found = nullptr;
        for (const QString& text : path) {
            found = nullptr;
            for (QAction* action : actions) {
                if (action->text() == text) {
                    found = action;
                }
            }
            if (!found) {
                return nullptr;
            }
            actions = found->menu() ? found->menu()->actions() : QList<QAction*>{};
        }
        return found;
    }

    void trigger(ardel::Form1& window, const QStringList& path) {
        QAction* entry = menuEntry(window, path);
        QVERIFY2(entry, qPrintable(path.join(QStringLiteral(" > "))));
        QVERIFY2(entry->isEnabled(), qPrintable(path.join(QStringLiteral(" > ")) + QStringLiteral(" is gray")));
        entry->trigger();
    }

    void clickLine(ardel::Form1& window, const char* list, int row) {
        auto* view = mainWindow(window)->findChild<QListView*>(QString::fromLatin1(list));
        QVERIFY(view);
        const QRect line = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, line.center());
    }

    void expectSaveAs(DialogAnswerer& answerer, const QString& path) {
        answerer.expectModal(QStringLiteral("Select Output B-File Name"), [path](QWidget& modal) {
            auto& dialog = static_cast<QFileDialog&>(modal);
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(path);
            static_cast<QDialog&>(dialog).accept();
        });
    }

    void addStationInstrumentAndAntenna(ardel::Form1& window, DialogAnswerer& answerer, const char* id) {
        answerer.expectModal(kStationEditor, [id](QWidget& dialog) {
            ardel::testing::typeText(dialog.focusWidget(), "0001"); // the SSN box has the focus
            typeInto(dialog, "textb_4CharacterID", id);
            typeInto(dialog, "textb_StationName", "HARBOUR LIGHT");
            typeInto(dialog, "textb_Latitude", "394512.123");
            typeInto(dialog, "textb_Longitude", "0771530.5");
            typeInto(dialog, "textb_StateOrCountry", "MD");
            pressEnter(dialog);
        });
        trigger(window, {"&Add/Modify/Delete", "S&tation Record", "&Add Station Record"});
        answerer.expectModal(kInstrumentEditor, [](QWidget& dialog) {
            ardel::testing::typeText(dialog.focusWidget(), "001");
            choose(dialog, "combo_EquipmentCode", 13);
            typeInto(dialog, "textb_SerialNumber", "SN1234");
            pressEnter(dialog);
        });
        trigger(window, {"&Add/Modify/Delete", "&Equipment", "&Add Equipment Record"});
        answerer.expectModal(kAntennaEditor, [](QWidget& dialog) {
            ardel::testing::typeText(dialog.focusWidget(), "001");
            choose(dialog, "combo_AntennaCode", 1);
            typeInto(dialog, "textb_SerialNumber", "A-77");
            pressEnter(dialog);
        });
        trigger(window, {"&Add/Modify/Delete", "&Antenna Record", "&Add Antenna Record"});
    }

    static std::string stationBody() {
        return "0001" + fit("HARBOUR LIGHT", 30) + "394512" + "123  " + "N" + "0771530" + "5    " + "W" + blanks(7) +
               "MD" + "  ";
    }
    static std::string instrumentBody() {
        return "001063" + blanks(6) + fit("Ashtech, Inc.", 18) + blanks(22) + "XII seri" + fit("SN1234", 10);
    }
    static std::string antennaBody() {
        return "001" + blanks(3) + fit("AERAT2775_42", 20) + blanks(8) + fit("A-77", 20) + blanks(16);
    }

    ardel::ui::QtToolkit& toolkit_;
    QTemporaryDir settings_;

private slots:
    void initTestCase() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path()); }
    void cleanup() { ardel::testing::closeLeftOverWindows(); }

    void stationInstrumentAndAntennaAreSavedThroughTheMenus() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("three.bfl"));
        ardel::Form1 window(toolkit_);
        QVERIFY(ardel::testing::showActive(window.form()));
        DialogAnswerer answerer;
        addStationInstrumentAndAntenna(window, answerer, "");
        expectSaveAs(answerer, path);
        trigger(window, {"&File", "Save &As"});
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));

        const std::string expected = record(10, "  ", "HZTLOBS ") + record(20, "10", "") + record(30, "12", "") +
                                     record(40, "13", "") + record(50, "70", instrumentBody()) +
                                     record(60, "72", antennaBody()) + record(70, "80", stationBody()) +
                                     record(80, "  ", "");
        QCOMPARE(readAll(path), expected);
        QCOMPARE(window.form().caption(), "Ardel - Create B-File [" + path.toStdString() + "][unmodified]");
    }

    // Without the mouse: Tab into each list selects its line (the Modify entries
    // light up), Home and End keep it, and the session is added from the selections.
    void eachListIsWalkedWithTheKeyboardAndASessionAdded() {
        ardel::Form1 window(toolkit_);
        QVERIFY(ardel::testing::showActive(window.form()));
        DialogAnswerer answerer;
        addStationInstrumentAndAntenna(window, answerer, "HBR1");
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QMainWindow* main = mainWindow(window);
        main->activateWindow(); // back from the editors
        QVERIFY(QTest::qWaitForWindowActive(main));
        main->findChild<QListView*>(QStringLiteral("lb_Sessions"))->setFocus(Qt::TabFocusReason);
        const QStringList modify{"&Modify Selected Equipment Record", "&Modify Selected Station Record",
                                 "&Modify Selected Antenna Record"};
        const QStringList submenus{"&Equipment", "S&tation Record", "&Antenna Record"};
        const char* lists[] = {"lb_Instruments", "lb_Stations", "lb_Antennas"};
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(main->focusWidget(), Qt::Key_Tab);
            QCOMPARE(main->focusWidget()->objectName(), QString::fromLatin1(lists[i]));
            QTest::keyClick(main->focusWidget(), Qt::Key_Home);
            QTest::keyClick(main->focusWidget(), Qt::Key_End);
            QCOMPARE(window.form().listView(lists[i]).selectedIndex(), 0);
            QVERIFY(menuEntry(window, {"&Add/Modify/Delete", submenus[i], modify[i]})->isEnabled());
        }
        answerer.expectModal(kSessionEditor, [](QWidget& dialog) {
            choose(dialog, "combo_manufacturer", 14);
            typeInto(dialog, "textb_sessionID", "A");
            pressEnter(dialog);
        });
        trigger(window, {"&Add/Modify/Delete", "&Session",
                         "&Add a New Session, using the Selected Station, Instrument, and Antenna"});
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(window.project().lb_Sessions.count(), 1);
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QTest::keyClick(main->focusWidget(), Qt::Key_Tab); // round to the sessions
        QCOMPARE(main->focusWidget()->objectName(), QStringLiteral("lb_Sessions"));
        QCOMPARE(window.form().listView("lb_Sessions").selectedIndex(), 0);
        QVERIFY(menuEntry(window, {"&Add/Modify/Delete", "&Session", "&Modify Selected Session"})->isEnabled());
    }

    void aWholeProjectIsBuiltSavedReadBackAndSavedAgainUnchanged() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("whole.bfl"));
        ardel::Form1 window(toolkit_);
        QVERIFY(ardel::testing::showActive(window.form()));
        DialogAnswerer answerer;
        answerer.expectModal(kHeaderEditor, [](QWidget& dialog) {
            typeInto(dialog, "mtextb_JobCode", "GP");
            typeInto(dialog, "textb_ProjectTitle", "HARBOUR SURVEY");
            typeInto(dialog, "mtextb_ProjectStartDate", "202311");
            click(dialog, "cb_1");
        });
        trigger(window, {"&Add/Modify/Delete", "&Header Info"});
        addStationInstrumentAndAntenna(window, answerer, "HBR1");
        clickLine(window, "lb_Stations", 0);
        clickLine(window, "lb_Instruments", 0);
        clickLine(window, "lb_Antennas", 0);

        const auto occupation = [](const char* date, const char* time) {
            return [date, time](QWidget& dialog) {
                ardel::testing::typeText(dialog.focusWidget(), date); // the date box has the focus
                typeInto(dialog, "mtextb_Time", time);
                typeInto(dialog, "textb_AntennaHeight", "1.5");
                pressEnter(dialog);
            };
        };
        answerer.expectModal(kSessionEditor, [&](QWidget& dialog) {
            choose(dialog, "combo_manufacturer", 14);
            typeInto(dialog, "textb_sessionID", "A");
            typeInto(dialog, "textb_Initials", "JSM");
            typeInto(dialog, "textb_CableLength", "5");
            typeInto(dialog, "textb_Comments", "CLEAR SKY");
            QTest::keyClick(child<QWidget>(dialog, "textb_Comments"), Qt::Key_Return);
            ardel::testing::typeText(child<QWidget>(dialog, "textb_Comments"), "TRIPOD OVER MARK");
            answerer.expectModal(kOccupationEditor, occupation("231105", "1830"));
            click(dialog, "cb_Add");
            answerer.expectModal(kOccupationEditor, occupation("231105", "1200"));
            click(dialog, "cb_Add");
            QCOMPARE(child<QLineEdit>(dialog, "textb_MediaID")->text(), QStringLiteral("R3093AHBR1"));
            click(dialog, "cb_OK");
        });
        trigger(window, {"&Add/Modify/Delete", "&Session",
                         "&Add a New Session, using the Selected Station, Instrument, and Antenna"});
        expectSaveAs(answerer, path);
        trigger(window, {"&File", "Save &As"});
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));

        const auto measurement = [](const std::string& time) {
            return "0001231105" + time + " 1500" + blanks(4) + "F" + blanks(4) + "F" + blanks(9) + "IN00000";
        };
        const std::string written = readAll(path);
        const std::string expected = record(10, "GP", "HZTLOBS ") + record(20, "10", "HARBOUR SURVEY") +
                                     record(30, "12", "202311" + blanks(59) + "4") +
                                     record(40, "13", "NORTH AMERICAN DATUM-83 GRS-80          63781370002982572221") +
                                     record(50, "25", "0001R3093AHBR1JSM00105001") + record(60, "26", "CLEAR SKY") +
                                     record(70, "26", "TRIPOD OVER MARK") + record(80, "27", measurement("1200")) +
                                     record(90, "27", measurement("1830")) + record(100, "70", instrumentBody()) +
                                     record(110, "72", antennaBody()) + record(120, "80", stationBody()) +
                                     record(130, "GP", "");
        QCOMPARE(written, expected);

        // The prompt starts on the last file read; this one is chosen as it stands.
        QVERIFY(toolkit_.settings().setValue("InputFile", path.toStdString()));
        answerer.expectModal(QStringLiteral("Select Input File"), [path](QWidget& modal) {
            auto& dialog = static_cast<QFileDialog&>(modal);
            QCOMPARE(dialog.selectedFiles().value(0), path);
            static_cast<QDialog&>(dialog).accept();
        });
        trigger(window, {"&File", "&Open"});
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(window.project().lb_Sessions.count(), 1);
        QFile::remove(path);
        expectSaveAs(answerer, path);
        trigger(window, {"&File", "&Save"});
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(readAll(path), written);
    }
};

ARDEL_QT_TEST_MAIN(WholeProjectTest)
#include "tst_wholeproject.moc"
