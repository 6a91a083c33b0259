// The declaration of a form: its controls, menus and caption, given once.
// Both realizations of the toolkit layer (Qt and headless) build a form from it;
// the logic then finds each control by its name.
#pragma once

#include <string>
#include <vector>

namespace ardel::ui {

enum class ControlKind {
    Label,         // static text; its text may be changed by the logic
    Heading,       // read-only one-line box in the fixed-pitch font, above a list
    Button,        // push button; `isDefault` answers Enter, `isCancel` answers Escape
    TextBox,       // one-line text; `limit`, `digitsOnly`, `readOnly`, `hidden`
    MultiLineText, // multi-line text; `wrapColumns` > 0 wraps words at that many columns
    MaskedText,    // one-line text with `mask` (see Mask.h); its value omits the literals
    CheckBox,      // `label` is the box's own text
    DropDownList,  // drop-down list without typing
    DropDownEdit,  // drop-down list with an editable text
    TextList,      // list of lines shown from a ListSource (a sorted store keeps them sorted); `fixedPitch`, `popup`
    GroupBox,      // frame around the controls whose `group` names it
};

// A menu entry; an entry with children is a submenu. `id` is how the logic refers to it.
struct MenuEntryDecl {
    std::string id;
    std::string text; // "&" marks the mnemonic
    std::string hint; // shown in the status bar while the entry is highlighted
    bool grayed = false;
    std::string shortcut;          // e.g. "Ctrl+S"; empty for none
    std::string alternateShortcut; // a second key for the same entry, e.g. "Ctrl+Y"; empty for none
    std::vector<MenuEntryDecl> children;
};

struct ControlDecl {
    std::string name;
    ControlKind kind = ControlKind::Label;
    std::string label;              // caption beside the control (the text itself for buttons, check boxes, labels)
    int limit = 0;                  // longest text accepted; 0 for none
    std::string hint;               // tool tip
    std::string captionHint;        // tool tip of the caption beside the control
    std::vector<std::string> items; // drop-down items, in order
    std::string group;              // name of the group box that holds it; empty for the form itself
    std::string mask;               // MaskedText only
    bool digitsOnly = false;
    bool upperCase = false; // letters typed are turned to capitals
    bool readOnly = false;
    bool tabStop = true;
    bool hidden = false; // carries a value between opening and saving; never shown
    bool isDefault = false;
    bool isCancel = false;
    bool fixedPitch = false;          // Heading, TextList, MultiLineText, drop-downs: fixed-pitch font
    int pointSize = 0;                // font size in points when fixedPitch; 0 for the lists' 10 points
    int wrapColumns = 0;              // MultiLineText: word wrap at this many columns; 0 wraps at the box's width
    int visibleLines = 0;             // MultiLineText and TextList: preferred height in lines; 0 for the default
    std::vector<MenuEntryDecl> popup; // TextList: its pop-up menu
    std::string beside;               // stands on the row of the named control, after it
    std::string shortcut;             // Button: a key ("F7") that clicks it while its window is active
};

struct FormDecl {
    std::string name;    // class name: "Form1", "FormHeaderInfo", ...
    std::string caption; // window title
    std::vector<ControlDecl> controls;
    std::vector<MenuEntryDecl> menuBar; // main window only
    bool mainWindow = false;            // modeless top-level window with menu and status bar
    // Layout: controls outside any group stand first, one row each (or beside another);
    // then the groups, in this many columns. A group box without a label is a frameless pane.
    // Buttons outside any group and not beside another control form the button row at the bottom.
    int columns = 1;
};

// A check box whose label ends in ":" ("Check to fix station:") stands like a field:
// its label is a caption on the left of the box, not the box's text on its right.
bool isCaptionedCheckBox(const ControlDecl& decl);

// The declaration of the named control, or nullptr.
const ControlDecl* findControl(const FormDecl& form, const std::string& name);
// Every menu entry of the form (menu bar and pop-ups), depth first, submenus included.
std::vector<const MenuEntryDecl*> allMenuEntries(const FormDecl& form);

} // namespace ardel::ui
