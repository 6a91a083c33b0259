// The toolkit contract, written once and run on both realizations (see ContractDriver.h).
#include "ContractDriver.h"

#include "model/TextStore.h"

#include <gtest/gtest.h>

#include <memory>

namespace ardel::contract {
namespace {

using Lines = std::vector<std::string>;
using ui::ControlKind;

ui::ControlDecl control(const std::string& name, ControlKind kind) {
    ui::ControlDecl decl;
    decl.name = name;
    decl.kind = kind;
    decl.label = name + ":";
    return decl;
}

ui::ControlDecl button(const std::string& name, bool isDefault, bool isCancel) {
    ui::ControlDecl decl = control(name, ControlKind::Button);
    decl.isDefault = isDefault;
    decl.isCancel = isCancel;
    return decl;
}

ui::FormDecl formDecl(const std::string& name, std::vector<ui::ControlDecl> controls) {
    return {.name = name, .caption = name, .controls = std::move(controls)};
}

Lines linesOf(const ui::TextBox& box) {
    Lines lines;
    for (int i = 0; i < box.lineCount(); ++i) {
        lines.push_back(box.line(i));
    }
    return lines;
}

class Contract : public ::testing::Test {
protected:
    std::unique_ptr<ui::Form> shown(const ui::FormDecl& decl) {
        auto form = user.toolkit().createForm(decl);
        user.show(*form);
        return form;
    }
    void TearDown() override { EXPECT_EQ(user.unmet(), Lines{}); }

    Driver& user = driver();
};

// A word is never split at "-", "/", "," or "(": the box breaks at the last blank that
// fits and cuts only a word longer than a line. What it shows is what it gives back.
TEST_F(Contract, WrapBreaksAtBlanksOnly) {
    auto comment = control("textb_Comment", ControlKind::MultiLineText);
    comment.wrapColumns = 20;
    comment.limit = 200;
    auto form = shown(formDecl("Form_Wrap", {comment}));
    auto& box = form->textBox("textb_Comment");
    const std::string typed = "SURVEYED AT A WELL-KNOWN ROAD/PATH, (NEAR) OLD MILL-RACE "
                              "ANTIDISESTABLISHMENTARIANISMS END";
    const Lines wrapped{"SURVEYED AT A ", "WELL-KNOWN ",          "ROAD/PATH, (NEAR) ",
                        "OLD MILL-RACE ", "ANTIDISESTABLISHMENT", "ARIANISMS END"};

    user.focus(*form, "textb_Comment");
    user.type(*form, typed);
    EXPECT_EQ(box.text(), typed);
    EXPECT_EQ(linesOf(box), wrapped);

    user.press(*form, Key::Enter);
    user.type(*form, "X");
    user.press(*form, Key::Backspace);
    user.press(*form, Key::Backspace);
    EXPECT_EQ(box.text(), typed);
    EXPECT_EQ(linesOf(box), wrapped);

    box.setText("A WELL-KNOWN ROAD/PATH\r\nAT (THE) MILL");
    EXPECT_EQ(linesOf(box), (Lines{"A WELL-KNOWN ", "ROAD/PATH", "AT (THE) MILL"}));
}

// A text longer than its box's limit (the program may set one) can be edited: the
// limit stops typing beyond it, never deleting or replacing.
TEST_F(Contract, LimitStopsTypingBeyondItNeverDeleting) {
    auto model = control("textb_Model", ControlKind::TextBox);
    model.limit = 8;
    auto form = shown(formDecl("Form_Limit", {model}));
    auto& box = form->textBox("textb_Model");
    box.setText("TR5S, NR101, NR104");

    user.focus(*form, "textb_Model");
    user.press(*form, Key::End);
    user.press(*form, Key::Backspace);
    EXPECT_EQ(box.text(), "TR5S, NR101, NR10");
    user.press(*form, Key::Home);
    user.press(*form, Key::Delete);
    user.press(*form, Key::Right);
    user.press(*form, Key::Delete);
    EXPECT_EQ(box.text(), "RS, NR101, NR10");
    user.type(*form, "X");
    EXPECT_EQ(box.text(), "RS, NR101, NR10");
    EXPECT_TRUE(box.isModified());

    user.press(*form, Key::SelectAll);
    user.type(*form, "NR1");
    EXPECT_EQ(box.text(), "NR1");
    user.type(*form, "01, NR104");
    EXPECT_EQ(box.text(), "NR101, N");
}

// The same in a wrapped multi-line box (a comment read from a file may be longer than
// the box admits): Backspace, Delete, and keyboard selection replaced by typing.
TEST_F(Contract, WrappedBoxOverItsLimitCanBeEdited) {
    auto comment = control("textb_Comment", ControlKind::MultiLineText);
    comment.wrapColumns = 20;
    comment.limit = 10;
    auto form = shown(formDecl("Form_LongComment", {comment}));
    auto& box = form->textBox("textb_Comment");
    box.setText("ABCDEFGHIJKLMNO");

    user.focus(*form, "textb_Comment");
    user.press(*form, Key::End);
    user.press(*form, Key::Backspace);
    user.press(*form, Key::Home);
    user.press(*form, Key::Delete);
    user.type(*form, "X");
    EXPECT_EQ(box.text(), "BCDEFGHIJKLMN");
    user.press(*form, Key::SelectAll);
    user.type(*form, "Q");
    EXPECT_EQ(box.text(), "Q");
}

// The row under the keyboard cursor is the selected row: Tab into a list selects its
// cursor row (the first line when it has none), and every key that moves the cursor
// selects the row it reaches.
TEST_F(Contract, ListCursorKeysSelectTheRowTheyReach) {
    auto lines = control("lb_Lines", ControlKind::TextList);
    lines.visibleLines = 10;
    auto form = shown(formDecl(
        "Form_List", {control("textb_Before", ControlKind::TextBox), lines, control("lb_One", ControlKind::TextList)}));
    TextStore four;
    for (const char* line : {"0001 ALDER", "0002 BIRCH", "0003 CEDAR", "0004 DOGWOOD"}) {
        four.append(line);
    }
    TextStore one;
    one.append("0009 ELM");
    auto& list = form->listView("lb_Lines");
    list.setSource(&four);
    form->listView("lb_One").setSource(&one);
    Lines seen;
    list.events.selectionChanged = [&] { seen.push_back(std::to_string(list.selectedIndex())); };

    user.focus(*form, "textb_Before");
    user.press(*form, Key::Tab);
    for (Key key : {Key::Down, Key::Down, Key::Up, Key::End, Key::Down, Key::Home, Key::Home, Key::PageDown,
                    Key::PageUp, Key::Up}) {
        user.press(*form, key);
    }
    EXPECT_EQ(seen, (Lines{"0", "1", "2", "1", "3", "0", "3", "0"}));

    user.press(*form, Key::Tab);
    EXPECT_EQ(form->listView("lb_One").selectedIndex(), 0);
    EXPECT_EQ(list.selectedIndex(), 0);
}

// A half-filled mask gives the characters typed so far, without its literals.
TEST_F(Contract, HalfFilledMasksGiveWhatWasTyped) {
    const struct {
        const char* mask;
        const char* keys;
        const char* value;
    } cases[] = {{"##/##/##", "07", "07"}, {"##:##", "1", "1"}, {"****/**", "AB1", "AB1"}, {"U?", "a", "A"}};
    for (const auto& c : cases) {
        auto masked = control("mtextb_Value", ControlKind::MaskedText);
        masked.mask = c.mask;
        auto form = shown(formDecl("Form_Mask", {masked}));
        user.focus(*form, "mtextb_Value");
        user.type(*form, c.keys);
        EXPECT_EQ(form->textBox("mtextb_Value").text(), c.value) << c.mask;
    }
}

// Focus events come from the user only; text changes from the user and the program.
// Enter and Escape act where the focus is: the field being typed in is not left.
TEST_F(Contract, FocusChangeEnterAndEscapeInAModalDialog) {
    auto form = user.toolkit().createForm(
        formDecl("Form_Keys", {control("textb_A", ControlKind::TextBox), control("textb_B", ControlKind::TextBox),
                               button("cb_OK", true, false), button("cb_Cancel", false, true)}));
    Lines seen;
    for (const char* name : {"textb_A", "textb_B"}) {
        auto& box = form->textBox(name);
        const std::string n = std::string(name).substr(6);
        box.events.focusGained = [&seen, n] { seen.push_back(n + " gained"); };
        box.events.focusLost = [&seen, n] { seen.push_back(n + " lost"); };
        box.events.textChanged = [&seen, n] { seen.push_back(n + " changed"); };
    }
    form->button("cb_OK").events.clicked = [&] { form->done(ui::kAccepted); };
    form->button("cb_Cancel").events.clicked = [&] { form->done(ui::kCancelled); };

    user.expectDialog("Form_Keys", [&] {
        user.type(*form, "1");
        user.press(*form, Key::Tab);
        form->textBox("textb_A").setFocus();
        form->textBox("textb_B").setText("2");
        user.type(*form, "3");
        user.press(*form, Key::Enter);
    });
    EXPECT_EQ(form->exec(), ui::kAccepted);
    EXPECT_EQ(seen, (Lines{"A gained", "A changed", "A lost", "B gained", "B changed", "A changed"}));
    EXPECT_EQ(form->textBox("textb_A").text(), "13");

    seen.clear();
    user.expectDialog("Form_Keys", [&] {
        user.type(*form, "4");
        user.press(*form, Key::Escape);
    });
    EXPECT_EQ(form->exec(), ui::kCancelled);
    EXPECT_EQ(seen, (Lines{"A gained", "A changed"}));
}

// A message box blocks and returns the button the user pressed.
TEST_F(Contract, MessageBoxesReturnTheButtonPressed) {
    user.expectMessage("Save B-File", "harbour.bfl Exists. Do you wish to overwrite it?", ui::Answer::No);
    user.expectMessage("Error", "No Station is Selected.", ui::Answer::OK);
    auto& toolkit = user.toolkit();
    EXPECT_EQ(toolkit.messageBox("Save B-File", "harbour.bfl Exists. Do you wish to overwrite it?", ui::Icon::Question,
                                 ui::Buttons::YesNo),
              ui::Answer::No);
    EXPECT_EQ(toolkit.messageBox("Error", "No Station is Selected.", ui::Icon::Stop, ui::Buttons::OK), ui::Answer::OK);
}

} // namespace
} // namespace ardel::contract
