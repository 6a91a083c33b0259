// Qt forms: focus events only for what the user does, typed characters, modal
// results, the close box, Escape, menus with their hints and the lists' pop-up menus.
#include "QtTestSupport.h"

#include "model/TextStore.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

using namespace ardel;
using namespace ardel::testing;
using ui::ControlKind;

namespace {
ui::FormDecl stationDecl() {
    auto ok = control("cb_OK", ControlKind::Button, "&Save");
    ok.isDefault = true;
    auto cancel = control("cb_Cancel", ControlKind::Button, "Cancel");
    cancel.isCancel = true;
    auto hidden = control("textb_Hidden", ControlKind::TextBox);
    hidden.hidden = true;
    auto note = control("label_Note", ControlKind::Label, "Station:");
    auto id = control("textb_ID", ControlKind::TextBox, "ID:");
    id.beside = "label_Note";
    id.limit = 4;
    return dialogDecl("Form_Station",
                      {control("textb_SSN", ControlKind::TextBox, "&SSN:"),
                       control("textb_Name", ControlKind::TextBox, "&Name:"), hidden, note, id, ok, cancel});
}

ui::MenuEntryDecl entry(const std::string& id, const std::string& text, const std::string& hint = {}) {
    ui::MenuEntryDecl decl;
    decl.id = id;
    decl.text = text;
    decl.hint = hint;
    return decl;
}

ui::FormDecl mainDecl() {
    auto file = entry("file", "&File");
    auto open = entry("open", "&Open...", "Read a B-file");
    open.shortcut = "Ctrl+O";
    auto recent = entry("recent", "&Recent");
    recent.children = {entry("recent1", "&1 first.bfl")};
    file.children = {open, entry("sep", "-"), recent, entry("exit", "E&xit", "Leave the program")};
    auto edit = entry("edit", "&Add/Modify/Delete");
    auto modify = entry("modifyStation", "&Modify Selected Station Record", "Change the selected station");
    modify.grayed = true;
    edit.children = {modify};

    auto pane = control("group_Stations", ControlKind::GroupBox, "Stations");
    auto heading = control("textb_StationHeading", ControlKind::Heading, "SSN  Name");
    heading.group = "group_Stations";
    auto list = control("lb_Stations", ControlKind::TextList);
    list.group = "group_Stations";
    list.fixedPitch = true;
    auto removeEntry = entry("popupDeleteStation", "Delete Station", "Delete the selected station");
    removeEntry.grayed = true;
    list.popup = {entry("popupAddStation", "Add Station"), removeEntry};

    ui::FormDecl decl;
    decl.name = "Form1";
    decl.caption = "Ardel - Create B-File [][unmodified]";
    decl.mainWindow = true;
    decl.menuBar = {file, edit};
    decl.controls = {pane, heading, list};
    return decl;
}
} // namespace

class QtFormsTest : public QObject {
    Q_OBJECT

public:
    explicit QtFormsTest(ui::QtToolkit& toolkit) : toolkit_(toolkit) {}

private slots:
    void cleanup() { closeLeftOverWindows(); }

    // The user moves the focus with Tab and the mouse; the logic moves it silently; a
    // message box takes it away and gives it back without either box noticing.
    void focusEventsComeOnlyFromTheUser() {
        auto form = toolkit_.createForm(stationDecl());
        QStringList log;
        for (const char* name : {"textb_SSN", "textb_Name", "textb_ID"}) {
            auto& control = form->control(name);
            control.events.focusGained = [&log, name] { log << QStringLiteral("%1 gained").arg(name); };
            control.events.focusLost = [&log, name] { log << QStringLiteral("%1 lost").arg(name); };
        }
        QVERIFY(showActive(*form));
        auto* ssn = widgetOf<QLineEdit>(*form, "textb_SSN");
        auto* name = widgetOf<QLineEdit>(*form, "textb_Name");

        form->control("textb_SSN").setFocus();
        QTRY_VERIFY(ssn->hasFocus());
        QVERIFY(form->control("textb_SSN").hasFocus());
        QCOMPARE(log, QStringList());

        QTest::keyClick(ssn, Qt::Key_Tab); // declaration order: the hidden box is skipped
        QVERIFY(name->hasFocus());
        QCOMPARE(log, (QStringList{"textb_SSN lost", "textb_Name gained"}));

        log.clear();
        QTest::mouseClick(ssn, Qt::LeftButton);
        QCOMPARE(log, (QStringList{"textb_Name lost", "textb_SSN gained"}));

        log.clear();
        DialogAnswerer answerer;
        answerer.expectMessage("Error", "Bad SSN", QMessageBox::Ok);
        QCOMPARE(toolkit_.messageBox("Error", "Bad SSN", ui::Icon::Stop, ui::Buttons::OK), ui::Answer::OK);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QTRY_VERIFY(ssn->hasFocus());
        QCOMPARE(log, QStringList());
        QVERIFY(form->control("textb_SSN").hasFocus());

        // A check on leaving that complains and takes the focus back.
        form->control("textb_SSN").events.focusLost = [&] {
            log << "textb_SSN lost";
            toolkit_.messageBox("Error", "SSN must be 4 digits", ui::Icon::Stop, ui::Buttons::OK);
            form->control("textb_SSN").setFocus();
        };
        answerer.expectMessage("Error", "SSN must be 4 digits", QMessageBox::Ok);
        QTest::keyClick(ssn, Qt::Key_Tab);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QTRY_VERIFY(ssn->hasFocus());
        QCOMPARE(log, QStringList{"textb_SSN lost"});
        QVERIFY(form->control("textb_SSN").hasFocus());

        log.clear();
        form->control("textb_SSN").events.focusLost = [&] { log << "textb_SSN lost"; };
        form->control("textb_Name").setEnabled(false);
        QVERIFY(!form->control("textb_Name").isEnabled());
        QTest::keyClick(ssn, Qt::Key_Tab); // skips the disabled box
        QCOMPARE(log, (QStringList{"textb_SSN lost", "textb_ID gained"}));
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        form->close();
    }

    void typedCharactersReachTheLogicFirst() {
        auto form = toolkit_.createForm(stationDecl());
        QVERIFY(showActive(*form));
        auto& box = form->textBox("textb_Name");
        QString seen;
        box.events.charTyped = [&](char c) {
            seen += QChar::fromLatin1(c);
            return c == 'x'; // handled: the box never sees it
        };
        box.setFocus();
        auto* edit = widgetOf<QLineEdit>(*form, "textb_Name");
        typeText(edit, "axb\xe9");
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(seen, QString::fromLatin1("axb\xe9\b"));
        QCOMPARE(box.text(), std::string("ab"));
        form->close();
    }

    void modalDialogReturnsWhatEndedIt() {
        auto form = toolkit_.createForm(stationDecl());
        form->button("cb_OK").events.clicked = [&] { form->done(1); };
        form->button("cb_Cancel").events.clicked = [&] { form->done(0); };
        QStringList gained;
        form->control("textb_SSN").events.focusGained = [&] { gained << "textb_SSN"; };
        form->control("textb_Name").events.focusGained = [&] { gained << "textb_Name"; };

        DialogAnswerer answerer;
        answerer.expectModal("Form_Station", [](QWidget& dialog) {
            QVERIFY(dialog.findChild<QLineEdit*>("textb_SSN")->hasFocus());
            QVERIFY(!dialog.findChild<QLineEdit*>("textb_Hidden")->isVisible());
            QTest::mouseClick(dialog.findChild<QPushButton*>("cb_OK"), Qt::LeftButton);
        });
        QCOMPARE(form->exec(), 1);
        QCOMPARE(gained, QStringList{"textb_SSN"}); // opening the dialog focuses its first box

        form->control("textb_Name").setFocus(); // chosen before the dialog opens
        answerer.expectModal("Form_Station", [](QWidget& dialog) {
            QVERIFY(dialog.findChild<QLineEdit*>("textb_Name")->hasFocus());
            QTest::keyClick(&dialog, Qt::Key_Escape); // the cancel button
        });
        QCOMPARE(form->exec(), 0);
        QCOMPARE(gained, (QStringList{"textb_SSN", "textb_Name"}));

        answerer.expectModal("Form_Station", [](QWidget& dialog) { dialog.close(); });
        QCOMPARE(form->exec(), 0);

        int asked = 0;
        form->closeRequested = [&] { return ++asked > 1; };
        form->setCaption("Station [*] 0001");
        answerer.expectModal("Station [*] 0001", [&](QWidget& dialog) {
            dialog.close(); // refused
            QVERIFY(dialog.isVisible());
            QTest::keyClick(dialog.findChild<QLineEdit*>("textb_SSN"), Qt::Key_Return); // the default button
        });
        QCOMPARE(form->exec(), 1);
        QCOMPARE(asked, 1);
        QCOMPARE(form->caption(), std::string("Station [*] 0001"));
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
    }

    // Tab passes over a box that is no tab stop, and an opening dialog does not focus it.
    void textBoxThatIsNoTabStopIsPassedOver() {
        auto form = toolkit_.createForm(stationDecl());
        auto& ssnBox = form->textBox("textb_SSN");
        ssnBox.setTabStop(false);
        DialogAnswerer answerer;
        answerer.expectModal("Form_Station", [](QWidget& dialog) {
            auto* ssn = dialog.findChild<QLineEdit*>("textb_SSN");
            auto* name = dialog.findChild<QLineEdit*>("textb_Name");
            QVERIFY(name->hasFocus());
            QTest::keyClick(name, Qt::Key_Tab, Qt::ShiftModifier);
            QVERIFY(!ssn->hasFocus());
            QTest::mouseClick(ssn, Qt::LeftButton); // a click still focuses it
            QVERIFY(ssn->hasFocus());
            dialog.close();
        });
        QCOMPARE(form->exec(), 0);

        ssnBox.setTabStop(true);
        answerer.expectModal("Form_Station", [](QWidget& dialog) {
            QVERIFY(dialog.findChild<QLineEdit*>("textb_SSN")->hasFocus());
            dialog.close();
        });
        QCOMPARE(form->exec(), 0);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
    }

    void menusFollowTheirDeclaration() {
        auto form = toolkit_.createForm(mainDecl());
        auto& qtForm = static_cast<ui::QtForm&>(*form);
        auto* window = qobject_cast<QMainWindow*>(qtForm.window());
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Ardel - Create B-File [][unmodified]"));
        QStringList triggered;
        form->menuTriggered = [&](const std::string& id) { triggered << ui::toQt(id); };
        QVERIFY(showActive(*form));

        QStringList titles;
        for (QAction* action : window->menuBar()->actions()) {
            titles << action->text();
        }
        QCOMPARE(titles, (QStringList{"&File", "&Add/Modify/Delete"}));
        QAction* open = qtForm.actions("open").front();
        QCOMPARE(open->text(), QStringLiteral("&Open..."));
        QCOMPARE(open->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(open->statusTip(), QStringLiteral("Read a B-file"));
        QVERIFY(open->menu() == nullptr);
        QCOMPARE(qobject_cast<QMenu*>(open->parent())->actions().at(1)->isSeparator(), true);
        QCOMPARE(qtForm.actions("recent").front()->menu()->actions().front()->text(), QStringLiteral("&1 first.bfl"));

        QVERIFY(!form->isMenuEnabled("modifyStation"));
        QVERIFY(!form->isMenuEnabled("popupDeleteStation"));
        QVERIFY(!form->isMenuEnabled("no such entry"));
        form->setMenuEnabled("modifyStation", true);
        QVERIFY(form->isMenuEnabled("modifyStation"));
        QVERIFY(qtForm.actions("modifyStation").front()->isEnabled());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, form->setMenuEnabled("no such entry", true));

        qtForm.actions("modifyStation").front()->trigger();
        QTest::keyClick(window, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(triggered, (QStringList{"modifyStation", "open"}));

        QMenu* fileMenu = window->menuBar()->actions().front()->menu();
        window->menuBar()->setActiveAction(window->menuBar()->actions().front());
        QVERIFY(QTest::qWaitForWindowExposed(fileMenu));
        fileMenu->setActiveAction(open);
        QTRY_COMPARE(window->statusBar()->currentMessage(), QStringLiteral("Read a B-file"));
        fileMenu->close();
        form->close();
    }

    void listPopupMenuRoutesItsEntries() {
        auto form = toolkit_.createForm(mainDecl());
        auto& qtForm = static_cast<ui::QtForm&>(*form);
        TextStore stations(4);
        stations.append("0001 MEADOW");
        form->listView("lb_Stations").setSource(&stations);
        QStringList triggered;
        form->menuTriggered = [&](const std::string& id) { triggered << ui::toQt(id); };
        QVERIFY(showActive(*form));
        form->setMenuEnabled("popupDeleteStation", true);

        QStringList shown;
        QTimer::singleShot(50, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) {
                return;
            }
            for (QAction* action : menu->actions()) {
                shown << action->text() + (action->isEnabled() ? "" : " (grayed)");
            }
            menu->setActiveAction(menu->actions().at(1));
            shown << static_cast<QMainWindow*>(menu->parentWidget())->statusBar()->currentMessage();
            menu->actions().at(1)->trigger();
            menu->close();
        });
        auto* view = widgetOf<QListView>(*form, "lb_Stations");
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), view->viewport()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(view->viewport(), &request);
        QCOMPARE(shown, (QStringList{"Add Station", "Delete Station", "Delete the selected station"}));
        QCOMPARE(triggered, QStringList{"popupDeleteStation"});
        QCOMPARE(qtForm.actions("popupDeleteStation").front()->statusTip(),
                 QStringLiteral("Delete the selected station"));

        int asked = 0;
        form->closeRequested = [&] { return ++asked > 1; };
        form->close();
        QVERIFY(qtForm.window()->isVisible());
        form->close();
        QVERIFY(!qtForm.window()->isVisible());
        QCOMPARE(asked, 2);
    }

    // Captions in a label column, `beside` on its lead's row, groups side by side,
    // the buttons in a row at the bottom, hidden controls nowhere.
    void layoutFollowsTheDeclaration() {
        ui::FormDecl decl = stationDecl();
        decl.columns = 2;
        auto left = control("group_Position", ControlKind::GroupBox, "Position");
        auto right = control("group_Pane", ControlKind::GroupBox);
        auto lat = control("textb_Lat", ControlKind::TextBox, "&Latitude:");
        lat.group = "group_Position";
        auto list = control("lb_Occupations", ControlKind::TextList);
        list.group = "group_Pane";
        decl.controls.insert(decl.controls.end(), {left, right, lat, list});
        auto form = toolkit_.createForm(decl);
        QVERIFY(showActive(*form));
        QWidget* window = static_cast<ui::QtForm&>(*form).window();
        auto top = [&](const char* name) { return widgetOf<QWidget>(*form, name)->mapTo(window, QPoint()).y(); };
        auto leftEdge = [&](const char* name) { return widgetOf<QWidget>(*form, name)->mapTo(window, QPoint()).x(); };

        QLabel* caption = nullptr;
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->text() == "&SSN:") {
                caption = label;
            }
        }
        QVERIFY(caption);
        QCOMPARE(caption->buddy(), widgetOf<QWidget>(*form, "textb_SSN"));
        QCOMPARE(leftEdge("textb_SSN"), leftEdge("textb_Name")); // one label column
        QCOMPARE(top("label_Note"), top("textb_ID"));            // beside its lead
        QVERIFY(leftEdge("textb_ID") > leftEdge("label_Note"));
        QCOMPARE(top("group_Position"), top("group_Pane")); // two columns of groups
        QVERIFY(leftEdge("group_Pane") > leftEdge("group_Position"));
        QVERIFY(qobject_cast<QGroupBox*>(widgetOf<QWidget>(*form, "group_Position")));
        QVERIFY(!qobject_cast<QGroupBox*>(widgetOf<QWidget>(*form, "group_Pane"))); // frameless
        QCOMPARE(top("cb_OK"), top("cb_Cancel"));
        QVERIFY(top("cb_OK") > top("group_Position"));
        QVERIFY(leftEdge("cb_Cancel") > leftEdge("cb_OK"));
        QVERIFY(!widgetOf<QWidget>(*form, "textb_Hidden")->isVisible());
        QCOMPARE(widgetOf<QLineEdit>(*form, "textb_ID")->width(),
                 widgetOf<QLineEdit>(*form, "textb_ID")->maximumWidth());
        form->close();
    }

    // A dialog opens over the main window, and either may be destroyed first.
    void dialogOpensOverTheMainWindow() {
        auto main = toolkit_.createForm(mainDecl());
        auto dialog = toolkit_.createForm(stationDecl());
        QVERIFY(showActive(*main));
        QWidget* owner = nullptr;
        DialogAnswerer answerer;
        answerer.expectModal("Form_Station", [&](QWidget& modal) {
            owner = modal.parentWidget();
            static_cast<QDialog&>(modal).done(1);
        });
        QCOMPARE(dialog->exec(), 1);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(owner, static_cast<ui::QtForm&>(*main).window());
        QTRY_COMPARE(QApplication::activeWindow(), owner);
        main.reset();
        dialog.reset();
    }

    // A dialog shown with show() is modeless: show() returns at once, the main window
    // stays usable, the dialog's button answers its shortcut and its list double-clicks.
    void modelessDialogAnswersItsShortcutAndDoubleClicks() {
        auto main = toolkit_.createForm(mainDecl());
        auto refresh = control("cb_Refresh", ControlKind::Button, "&Refresh (F7)");
        refresh.shortcut = "F7";
        auto dialog =
            toolkit_.createForm(dialogDecl("Form_Problems", {control("lb_Problems", ControlKind::TextList), refresh}));
        TextStore lines;
        lines.append("first");
        lines.append("second");
        dialog->listView("lb_Problems").setSource(&lines);
        QStringList log;
        dialog->listView("lb_Problems").events.doubleClicked = [&] {
            log << QStringLiteral("double %1").arg(dialog->listView("lb_Problems").selectedIndex());
        };
        dialog->button("cb_Refresh").events.clicked = [&] { log << "refresh"; };
        QVERIFY(showActive(*main));
        QVERIFY(showActive(*dialog));
        QWidget* window = static_cast<ui::QtForm&>(*dialog).window();
        QVERIFY(!window->isModal());
        QVERIFY(!QApplication::activeModalWidget());

        auto* view = widgetOf<QListView>(*dialog, "lb_Problems");
        const QRect second = view->visualRect(view->model()->index(1, 0));
        QVERIFY(second.isValid());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, second.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(log, (QStringList{"double 1"}));
        QTest::keyClick(window, Qt::Key_F7);
        QCOMPARE(log, (QStringList{"double 1", "refresh"}));
        // A text set later with another mnemonic keeps the shortcut.
        dialog->button("cb_Refresh").setText("&Again (F7)");
        QTest::keyClick(window, Qt::Key_F7);
        QCOMPARE(log.size(), 3);

        main->setStatusText("Check Project: no problems found");
        QCOMPARE(main->statusText(), std::string("Check Project: no problems found"));
        dialog->setStatusText("kept nowhere");
        QCOMPARE(dialog->statusText(), std::string());
        dialog->close();
        QVERIFY(!window->isVisible());
        main.reset();
        dialog.reset();
    }

private:
    ui::QtToolkit& toolkit_;
};

ARDEL_QT_TEST_MAIN(QtFormsTest)
#include "tst_qtforms.moc"
