// The toolkit contract through the headless realization, in the scenarios that the
// Qt suites (tests/qt) run through Qt: both realizations must agree on them.
#include "support/HeadlessTest.h"

#include "model/TextStore.h"
#include "ui/Wrap.h"

#include <filesystem>

namespace ardel {
namespace {

using ui::ControlKind;

ui::ControlDecl control(const std::string& name, ControlKind kind, const std::string& label = {}) {
    ui::ControlDecl decl;
    decl.name = name;
    decl.kind = kind;
    decl.label = label;
    return decl;
}

ui::FormDecl dialogDecl(const std::string& name, std::vector<ui::ControlDecl> controls) {
    ui::FormDecl decl;
    decl.name = name;
    decl.caption = name;
    decl.controls = std::move(controls);
    return decl;
}

ui::HeadlessForm& open(std::unique_ptr<ui::Form>& form) {
    auto& scripted = static_cast<ui::HeadlessForm&>(*form);
    scripted.show();
    return scripted;
}

class UiContract : public testing::HeadlessTest {};

struct MaskCase {
    const char* mask;
    bool digitsOnly;
    const char* keys;
    const char* value;
    const char* shown;
};

// The same rows as the Qt suite's masked-box table.
TEST_F(UiContract, MaskedValuesOmitTheLiteralsAndUnfilledEnd) {
    const MaskCase cases[] = {
        {"##/##/##", false, "0712", "0712", "07/12/  "},
        {"##/##/##", false, "07a1", "071", "07/1 /  "},
        {"##:##", false, "123", "123", "12:3 "},
        {"##:##", false, "12345", "1234", "12:34"},
        {"****/**/**", true, "2000x1", "20001", "2000/1 /  "},
        {"****/**", false, "AB12C", "AB12C", "AB12/C "},
        {"U?", false, "a1", "A1", "A1"},
        {"U?", false, "1a", "A", "A "},
        {"U?", false, "\xe9?", "\xc9?", "\xc9?"},
        {"##/##/##", false, "", "", "  /  /  "},
    };
    for (const MaskCase& c : cases) {
        auto box = control("mtextb_Value", ControlKind::MaskedText);
        box.mask = c.mask;
        box.digitsOnly = c.digitsOnly;
        auto form = toolkit.createForm(dialogDecl("Form_Mask", {box}));
        auto& scripted = open(form);
        scripted.typeMore("mtextb_Value", c.keys);
        auto& text = scripted.textBox("mtextb_Value");
        EXPECT_EQ(text.text(), c.value) << c.mask << " typed " << c.keys;
        EXPECT_EQ(scripted.displayText("mtextb_Value"), c.shown) << c.mask << " typed " << c.keys;
        text.setText(c.value);
        EXPECT_EQ(scripted.displayText("mtextb_Value"), c.shown) << c.mask << " set " << c.value;
        EXPECT_FALSE(text.isModified());
    }
}

TEST_F(UiContract, TextBoxAdmitsWhatItsDeclarationSays) {
    auto ssn = control("textb_SSN", ControlKind::TextBox, "&SSN:");
    ssn.limit = 4;
    ssn.digitsOnly = true;
    auto name = control("textb_Name", ControlKind::TextBox, "&Name:");
    name.upperCase = true;
    name.limit = 8;
    auto form = toolkit.createForm(dialogDecl("Form_Box", {ssn, name}));
    auto& scripted = open(form);
    auto& box = scripted.textBox("textb_SSN");
    int changes = 0;
    box.events.textChanged = [&] { ++changes; };

    scripted.typeMore("textb_SSN", "12a345");
    EXPECT_EQ(box.text(), "1234");
    EXPECT_TRUE(box.isModified());
    EXPECT_EQ(changes, 4);
    box.setText("98765"); // the program's own text is taken as it is
    EXPECT_EQ(box.text(), "98765");
    EXPECT_FALSE(box.isModified());
    EXPECT_EQ(changes, 5);

    scripted.typeMore("textb_Name", "ab\xe9z");
    EXPECT_EQ(scripted.textBox("textb_Name").text(), "AB\xc9Z");
    scripted.textBox("textb_Name").setText("lower");
    EXPECT_EQ(scripted.textBox("textb_Name").text(), "lower");

    box.setReadOnly(true);
    EXPECT_THROW(scripted.type("textb_SSN", "7"), ui::ScriptFailure);
}

TEST_F(UiContract, WrapKeepsOpeningBlanksWithTheFirstWord) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(ui::wrapLines("the quick brown fox jumps over the lazy dog", 10),
              (Lines{"the quick ", "brown fox ", "jumps over ", "the lazy ", "dog"}));
    EXPECT_EQ(ui::wrapLines("one averyveryverylongword", 10), (Lines{"one ", "averyveryv", "erylongwor", "d"}));
    EXPECT_EQ(ui::wrapLines("abcdefghij     klm", 10), (Lines{"abcdefghij     ", "klm"}));
    EXPECT_EQ(ui::wrapLines("   mukskpsqsul p", 10), (Lines{"   mukskps", "qsul p"}));
    EXPECT_EQ(ui::wrapLines("            pqrst tail end", 10), (Lines{"            ", "pqrst tail ", "end"}));
    EXPECT_EQ(ui::wrapLines("               ", 10), (Lines{"               "}));
    EXPECT_EQ(ui::wrapLines("trailing break\r\n", 10), (Lines{"trailing ", "break", ""}));
    EXPECT_EQ(ui::wrapLines("", 10), (Lines{""}));

    auto title = control("textb_Title", ControlKind::MultiLineText);
    title.wrapColumns = 10;
    auto form = toolkit.createForm(dialogDecl("Form_Wrap", {title}));
    auto& scripted = open(form);
    scripted.typeMore("textb_Title", "ab\ncd");
    auto& box = scripted.textBox("textb_Title");
    EXPECT_EQ(box.text(), "ab\r\ncd");
    EXPECT_EQ(box.lineCount(), 2);
    EXPECT_EQ(box.line(1), "cd");
}

// A line break counts two characters of the limit, as it is kept as CR LF.
TEST_F(UiContract, MultiLineBoxKeepsLineBreaksWithinItsLimit) {
    auto comment = control("textb_Comment", ControlKind::MultiLineText);
    comment.limit = 12;
    auto form = toolkit.createForm(dialogDecl("Form_Comment", {comment}));
    auto& scripted = open(form);
    auto& box = scripted.textBox("textb_Comment");
    scripted.typeMore("textb_Comment", "ab\ncdefghi\nj\tk");
    EXPECT_EQ(box.text(), "ab\r\ncdefghij");
    EXPECT_EQ(box.lineCount(), 2);
}

// The user moves the focus; the logic moves it silently; a message box takes nothing.
TEST_F(UiContract, FocusEventsComeOnlyFromTheUser) {
    auto form = toolkit.createForm(dialogDecl("Form_Station", {control("textb_SSN", ControlKind::TextBox),
                                                               control("textb_Name", ControlKind::TextBox),
                                                               control("cb_OK", ControlKind::Button, "&Save")}));
    std::vector<std::string> log;
    for (const char* name : {"textb_SSN", "textb_Name"}) {
        form->control(name).events.focusGained = [&log, name] { log.push_back(std::string(name) + " gained"); };
        form->control(name).events.focusLost = [&log, name] { log.push_back(std::string(name) + " lost"); };
    }
    form->control("textb_Name").setFocus(); // chosen before the dialog opens
    form->button("cb_OK").events.clicked = [&] { form->done(1); };
    toolkit.expectDialog("Form_Station", [&](ui::HeadlessForm& dialog) {
        EXPECT_EQ(log, std::vector<std::string>{"textb_Name gained"});
        log.clear();
        dialog.focus("textb_SSN");
        EXPECT_EQ(log, (std::vector<std::string>{"textb_Name lost", "textb_SSN gained"}));
        log.clear();
        dialog.control("textb_Name").setFocus();
        EXPECT_TRUE(dialog.control("textb_Name").hasFocus());
        EXPECT_TRUE(log.empty());

        toolkit.expectMessage("Error", "Bad SSN");
        toolkit.messageBox("Error", "Bad SSN", ui::Icon::Stop, ui::Buttons::OK);
        EXPECT_TRUE(log.empty());

        // A check on leaving that complains and takes the focus back.
        dialog.control("textb_Name").events.focusLost = [&] {
            log.push_back("textb_Name lost");
            toolkit.messageBox("Error", "Name is missing", ui::Icon::Stop, ui::Buttons::OK);
            dialog.control("textb_Name").setFocus();
        };
        toolkit.expectMessage("Error", "Name is missing");
        dialog.focus("textb_SSN");
        EXPECT_EQ(log, std::vector<std::string>{"textb_Name lost"});
        EXPECT_EQ(dialog.focused(), "textb_Name");
        dialog.control("textb_Name").events.focusLost = nullptr;
        dialog.click("cb_OK");
    });
    EXPECT_EQ(form->exec(), 1);
}

TEST_F(UiContract, ComboSelectsByPrefixAndKeepsItsEditText) {
    auto list = control("combo_Code", ControlKind::DropDownList);
    list.items = {"ASH700", "TRM22020"};
    auto edit = control("combo_Antenna", ControlKind::DropDownEdit);
    edit.items = {"ASH700", "TRM22020"};
    edit.limit = 6;
    auto form = toolkit.createForm(dialogDecl("Form_Combo", {list, edit}));
    auto& scripted = open(form);
    auto& code = scripted.comboBox("combo_Code");
    int selections = 0;
    code.events.selectionChanged = [&] { ++selections; };
    EXPECT_EQ(code.selectedIndex(), -1);
    EXPECT_EQ(code.selectPrefix("trm"), 1);
    EXPECT_EQ(code.text(), "TRM22020");
    EXPECT_EQ(code.selectPrefix("XYZ"), -1);
    EXPECT_EQ(code.selectedIndex(), 1);
    EXPECT_EQ(selections, 1);

    auto& antenna = scripted.comboBox("combo_Antenna");
    scripted.typeMore("combo_Antenna", "ash7001");
    EXPECT_EQ(antenna.text(), "ash700");
    EXPECT_EQ(antenna.selectedIndex(), -1);
    EXPECT_EQ(antenna.selectPrefix("TRM"), 1);
    EXPECT_EQ(antenna.text(), "TRM22020");
    antenna.setText("typed");
    antenna.addItem("NOV600");
    EXPECT_EQ(antenna.text(), "typed");
}

TEST_F(UiContract, DropDownEditAdmitsWhatItsDeclarationSays) {
    auto number = control("combo_Number", ControlKind::DropDownEdit);
    number.digitsOnly = true;
    auto code = control("combo_Code", ControlKind::DropDownEdit);
    code.upperCase = true;
    auto form = toolkit.createForm(dialogDecl("Form_Combo", {number, code}));
    auto& scripted = open(form);
    scripted.typeMore("combo_Number", "1a2\t3");
    EXPECT_EQ(scripted.comboBox("combo_Number").text(), "123");
    scripted.typeMore("combo_Code", "trm\xe9");
    EXPECT_EQ(scripted.comboBox("combo_Code").text(), "TRM\xc9");
}

TEST_F(UiContract, ModalDialogReturnsWhatEndedIt) {
    auto ok = control("cb_OK", ControlKind::Button, "&Save");
    auto form = toolkit.createForm(dialogDecl("Form_Station", {control("textb_SSN", ControlKind::TextBox), ok}));
    form->button("cb_OK").events.clicked = [&] { form->done(1); };
    toolkit.expectDialog("Form_Station", [](ui::HeadlessForm& dialog) { dialog.click("cb_OK"); });
    EXPECT_EQ(form->exec(), 1);
    toolkit.expectDialog("Form_Station", [](ui::HeadlessForm& dialog) { dialog.closeBox(); });
    EXPECT_EQ(form->exec(), 0);

    int asked = 0;
    form->closeRequested = [&] { return ++asked > 1; };
    toolkit.expectDialog("Form_Station", [](ui::HeadlessForm& dialog) {
        dialog.closeBox(); // refused
        EXPECT_TRUE(dialog.isOpen());
        dialog.click("cb_OK");
    });
    EXPECT_EQ(form->exec(), 1);
    EXPECT_EQ(asked, 1);
}

// An opening dialog focuses the first box that is a tab stop, unless the logic chose one.
TEST_F(UiContract, TextBoxThatIsNoTabStopIsNotFocusedFirst) {
    auto form = toolkit.createForm(dialogDecl(
        "Form_Station", {control("textb_SSN", ControlKind::TextBox), control("textb_Name", ControlKind::TextBox)}));
    auto& ssn = form->textBox("textb_SSN");
    ssn.setTabStop(false);
    toolkit.expectDialog("Form_Station", [](ui::HeadlessForm& dialog) { EXPECT_EQ(dialog.focused(), "textb_Name"); });
    form->exec();
    ssn.setFocus();
    toolkit.expectDialog("Form_Station", [](ui::HeadlessForm& dialog) { EXPECT_EQ(dialog.focused(), "textb_SSN"); });
    form->exec();
    ssn.setTabStop(true);
    form->textBox("textb_Name").setTabStop(false);
    toolkit.expectDialog("Form_Station", [](ui::HeadlessForm& dialog) { EXPECT_EQ(dialog.focused(), "textb_SSN"); });
    form->exec();
}

// Message boxes and file dialogs are answered from the script; the settings keep what is written.
TEST_F(UiContract, ToolkitAnswersFromTheScriptAndKeepsTheSettings) {
    toolkit.expectMessage("Exit Ardel", "Do you want to save the current data?", ui::Answer::Cancel);
    EXPECT_EQ(toolkit.messageBox("Exit Ardel", "Do you want to save the current data?", ui::Icon::Question,
                                 ui::Buttons::YesNoCancel),
              ui::Answer::Cancel);
    EXPECT_EQ(toolkit.lastIcon(), ui::Icon::Question);
    EXPECT_EQ(toolkit.lastButtons(), ui::Buttons::YesNoCancel);
    toolkit.expectMessage("Error", "Bad SSN", ui::Answer::Yes); // a box with OK only has no Yes
    EXPECT_THROW(toolkit.messageBox("Error", "Bad SSN", ui::Icon::Stop, ui::Buttons::OK), ui::ScriptFailure);

    toolkit.expectOpenFile("Select Input File", "/survey/job.bfl");
    toolkit.expectSaveFile("Select Output B-File Name", std::nullopt);
    EXPECT_EQ(toolkit.openFileDialog({"Select Input File", "/survey", {{"All Files (*.*)", "*.*"}}}),
              std::optional<std::string>("/survey/job.bfl"));
    EXPECT_EQ(toolkit.lastFileRequest().startPath, "/survey");
    EXPECT_EQ(toolkit.saveFileDialog({"Select Output B-File Name", "", {}}), std::nullopt);

    ui::Settings& settings = toolkit.settings();
    EXPECT_EQ(settings.value("InputFile"), std::nullopt);
    EXPECT_TRUE(settings.setValue("InputFile", "/survey/caf\xe9/job.bfl"));
    EXPECT_EQ(settings.value("InputFile"), std::optional<std::string>("/survey/caf\xe9/job.bfl"));
    toolkit.settingsStore.writable = false;
    EXPECT_FALSE(settings.setValue("SERFile", "/survey/pairs.ser"));
    EXPECT_EQ(settings.value("SERFile"), std::nullopt);
}

// Several files come back in the order chosen and none when cancelled; the user cancels
// a progress dialog while its task runs. The Qt suite does the same through Qt.
TEST_F(UiContract, SeveralFilesAreChosenAndALongTaskCanBeCancelled) {
    const ui::FileDialogRequest request{"Select Files", "/field", {{"All Files", "*"}}};
    toolkit.expectOpenFiles("Select Files", {"/field/a.26o", "/field/b.26o"});
    toolkit.expectOpenFiles("Select Files", {});
    EXPECT_EQ(toolkit.openFilesDialog(request), (std::vector<std::string>{"/field/a.26o", "/field/b.26o"}));
    EXPECT_TRUE(toolkit.openFilesDialog(request).empty());

    auto runTask = [this](int steps) {
        const auto progress = toolkit.createProgress("Task", "Working...", steps);
        int done = 0;
        while (done < steps && !progress->wasCancelled()) {
            progress->setDone(++done);
        }
        return progress->wasCancelled() ? -done : done;
    };
    toolkit.cancelProgressAt = 3;
    EXPECT_EQ(runTask(10), -3);
    EXPECT_EQ(runTask(10), 10);
}

// A timer fires once, when its time has passed, unless stopped or started again; the
// Qt suite runs the same on the event loop.
TEST_F(UiContract, TimersFireOnceInTheOrderTheirTimesCome) {
    std::vector<std::string> fired;
    const auto late = toolkit.createTimer([&fired] { fired.push_back("late"); });
    const auto early = toolkit.createTimer([&fired] { fired.push_back("early"); });
    const auto stopped = toolkit.createTimer([&fired] { fired.push_back("stopped"); });
    late->start(300);
    early->start(100);
    stopped->start(50);
    stopped->stop();
    toolkit.advanceClock(99);
    EXPECT_TRUE(fired.empty());
    late->start(200); // again: now due at 299
    toolkit.advanceClock(1000);
    EXPECT_EQ(fired, (std::vector<std::string>{"early", "late"}));
    EXPECT_FALSE(late->isActive());
    EXPECT_EQ(toolkit.clock(), 1099);
}

TEST_F(UiContract, DataFolderIsOneOfTheToolkitsOwnUntilATestNamesOne) {
    const std::string folder = toolkit.dataFolder();
    EXPECT_TRUE(std::filesystem::is_directory(ui::nativePath(folder)));
    EXPECT_EQ(toolkit.dataFolder(), folder);
    {
        ui::HeadlessToolkit other;
        EXPECT_NE(other.dataFolder(), folder);
        other.dataFolderPath = "/survey/data";
        EXPECT_EQ(other.dataFolder(), "/survey/data");
    }
}

TEST_F(UiContract, MenuEntryTextsChange) {
    ui::FormDecl decl = dialogDecl("Main", {});
    decl.mainWindow = true;
    decl.menuBar = {{.id = "menu_Edit",
                     .text = "&Edit",
                     .children = {{.id = "menu_Undo", .text = "&Undo", .grayed = true, .shortcut = "Ctrl+Z"}}}};
    auto form = toolkit.createForm(decl);
    EXPECT_EQ(form->menuText("menu_Undo"), "&Undo");
    form->setMenuText("menu_Undo", "&Undo Delete Station 0007");
    EXPECT_EQ(form->menuText("menu_Undo"), "&Undo Delete Station 0007");
    EXPECT_FALSE(form->isMenuEnabled("menu_Undo"));
    EXPECT_THROW(form->setMenuText("menu_None", "x"), std::logic_error);
}

TEST_F(UiContract, UnexpectedMessageBoxFailsQuotingIt) {
    try {
        toolkit.messageBox("Error", "No Station is Selected.", ui::Icon::Stop, ui::Buttons::OK);
        FAIL() << "an unexpected box was answered";
    } catch (const ui::ScriptFailure& failure) {
        EXPECT_NE(std::string(failure.what()).find("[Error] \"No Station is Selected.\""), std::string::npos)
            << failure.what();
    }
    toolkit.expectMessage("Error", "No Station is Selected.");
    try {
        toolkit.messageBox("Error", "No Session Record is Selected.", ui::Icon::Stop, ui::Buttons::OK);
        FAIL() << "a box with another text was answered";
    } catch (const ui::ScriptFailure& failure) {
        const std::string what = failure.what();
        EXPECT_NE(what.find("No Station is Selected."), std::string::npos) << what;
        EXPECT_NE(what.find("No Session Record is Selected."), std::string::npos) << what;
    }
}

TEST_F(UiContract, ListSelectionFollowsTheLines) {
    auto form = toolkit.createForm(dialogDecl("Form_List", {control("lb_Stations", ControlKind::TextList)}));
    auto& scripted = open(form);
    auto stations = std::make_unique<TextStore>(4);
    for (const char* line : {"0001 ALDER", "0002 BIRCH", "0003 MEADOW"}) {
        stations->append(line);
    }
    auto& list = scripted.listView("lb_Stations");
    list.setSource(stations.get());
    int changes = 0;
    list.events.selectionChanged = [&] { ++changes; };
    list.setSelectedIndex(stations->find("0002"));
    EXPECT_EQ(list.selectedIndex(), 1);
    EXPECT_EQ(list.selectPrefix("0003 me"), 2);
    EXPECT_EQ(list.selectPrefix("0009"), -1); // no such line: the selection stays
    EXPECT_EQ(list.selectedIndex(), 2);
    EXPECT_EQ(list.selectPrefix("0002"), 1);
    stations->insert(0, "0000 ASH");
    EXPECT_EQ(list.selectedIndex(), 2);
    stations->remove(2);
    EXPECT_EQ(list.selectedIndex(), -1);
    list.setSelectedIndex(1);
    stations->clear();
    EXPECT_EQ(list.selectedIndex(), -1);
    EXPECT_EQ(changes, 4); // the store's changes fire nothing

    stations->append("0005 ELM");
    list.setSelectedIndex(0);
    stations.reset(); // a store that goes away leaves an empty list
    EXPECT_EQ(list.source(), nullptr);
    EXPECT_EQ(list.selectedIndex(), -1);
}

// The same scenario as the Qt suite's run-time menu and drop: a submenu's entries are
// replaced while the window is shown, the old ids are gone, the new ones fire, and a
// file dropped onto the main window reaches the logic.
TEST_F(UiContract, SubmenuEntriesChangeAtRunTimeAndDropsReachTheMainWindow) {
    ui::FormDecl decl;
    decl.name = "Main";
    decl.mainWindow = true;
    decl.menuBar = {{.id = "menu_File",
                     .text = "&File",
                     .children = {{.id = "menu_Recent",
                                   .text = "&Recent",
                                   .children = {{.id = "menu_Clear", .text = "&Clear", .grayed = true}}}}}};
    auto form = toolkit.createForm(decl);
    std::vector<std::string> fired;
    form->menuTriggered = [&](const std::string& id) { fired.push_back(id); };
    std::vector<std::string> dropped;
    form->fileDropped = [&](const std::string& path) { dropped.push_back(path); };
    auto& window = static_cast<ui::HeadlessForm&>(*form);
    EXPECT_THROW(window.dropFile("/early.bfl"), ui::ScriptFailure);
    window.show();

    EXPECT_FALSE(window.isMenuEnabled("menu_Clear"));
    window.setMenuEntries("menu_Recent", {{.id = "menu_Recent_1", .text = "&1 /a.bfl"},
                                          {.id = "menu_Recent_2", .text = "&2 /b.bfl", .grayed = true},
                                          {.id = "menu_Clear", .text = "&Clear"}});
    ASSERT_EQ(window.menuEntries("menu_Recent").size(), 3u);
    EXPECT_EQ(window.menuEntries("menu_Recent")[0].text, "&1 /a.bfl");
    EXPECT_FALSE(window.isMenuEnabled("menu_Recent_2"));
    window.triggerMenu("menu_Recent_1");
    window.triggerMenu("menu_Clear");
    EXPECT_EQ(fired, (std::vector<std::string>{"menu_Recent_1", "menu_Clear"}));

    window.setMenuEntries("menu_Recent", {});
    EXPECT_TRUE(window.menuEntries("menu_Recent").empty());
    EXPECT_FALSE(window.isMenuEnabled("menu_Recent_1"));
    EXPECT_THROW(window.triggerMenu("menu_Clear"), ui::ScriptFailure);
    EXPECT_THROW(window.setMenuEntries("menu_Recent_1", {}), std::logic_error);

    window.dropFile("/survey/dropped.bfl");
    EXPECT_EQ(dropped, (std::vector<std::string>{"/survey/dropped.bfl"}));
}

// A dialog shown with show() is modeless: it stays open beside the main window, takes
// double-clicks on its list and presses its button on the button's shortcut key; the
// main window keeps a status bar text, a dialog none.
TEST_F(UiContract, ModelessDialogTakesDoubleClicksAndItsShortcut) {
    auto refresh = control("cb_Refresh", ControlKind::Button, "&Refresh (F7)");
    refresh.shortcut = "F7";
    auto form =
        toolkit.createForm(dialogDecl("Form_Problems", {control("lb_Problems", ControlKind::TextList), refresh}));
    TextStore lines;
    lines.append("first");
    lines.append("second");
    form->listView("lb_Problems").setSource(&lines);
    std::vector<std::string> log;
    form->listView("lb_Problems").events.doubleClicked = [&] {
        log.push_back("double " + std::to_string(form->listView("lb_Problems").selectedIndex()));
    };
    form->button("cb_Refresh").events.clicked = [&] { log.push_back("refresh"); };
    auto& dialog = open(form);
    EXPECT_TRUE(dialog.isVisible());
    dialog.doubleClick("lb_Problems", 1);
    dialog.pressShortcut("F7");
    EXPECT_EQ(log, (std::vector<std::string>{"double 1", "refresh"}));
    EXPECT_THROW(dialog.pressShortcut("F8"), ui::ScriptFailure);
    form->setStatusText("kept nowhere");
    EXPECT_EQ(form->statusText(), "");
    form->close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_THROW(dialog.pressShortcut("F7"), ui::ScriptFailure);

    ui::FormDecl mainDecl = dialogDecl("Form1", {});
    mainDecl.mainWindow = true;
    auto main = toolkit.createForm(mainDecl);
    main->setStatusText("Check Project: no problems found");
    EXPECT_EQ(main->statusText(), "Check Project: no problems found");
}

} // namespace
} // namespace ardel
