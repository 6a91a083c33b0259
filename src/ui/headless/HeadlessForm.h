// A headless form: the controls of its declaration held in memory, driven by a test
// through the calls below as a user would drive the real window.
#pragma once

#include "ui/Form.h"
#include "ui/headless/HeadlessControls.h"

#include <map>
#include <memory>
#include <set>

namespace ardel::ui {

class HeadlessToolkit;

class HeadlessForm : public Form {
public:
    HeadlessForm(HeadlessToolkit& toolkit, const FormDecl& decl);
    ~HeadlessForm() override;

    // --- Form ---
    const FormDecl& decl() const override { return decl_; }
    void setCaption(const std::string& caption) override { caption_ = caption; }
    std::string caption() const override { return caption_; }
    Control& control(const std::string& name) override;
    int exec() override;
    void done(int result) override;
    void show() override { visible_ = true; }
    void close() override;
    void setMenuEnabled(const std::string& id, bool enabled) override;
    bool isMenuEnabled(const std::string& id) const override;
    void setMenuEntries(const std::string& id, const std::vector<MenuEntryDecl>& entries) override;
    void setMenuText(const std::string& id, const std::string& text) override;
    std::string menuText(const std::string& id) const override;
    void setStatusText(const std::string& text) override;
    std::string statusText() const override { return status_; }

    // --- Driving, as a user. Each throws ScriptFailure when the user could not do it
    // (a disabled or read-only control, a hidden one, a closed dialog). ---
    // Moves the focus to the control, firing focusLost on the one that had it and focusGained.
    void focus(const std::string& name);
    // Focuses a text box or editable drop-down, selects all and types `text` character by character.
    void type(const std::string& name, const std::string& text);
    // Types at the end of the present text, without selecting it first.
    void typeMore(const std::string& name, const std::string& text);
    // Focuses the control and presses one key (for lists: their typed-character event).
    void press(const std::string& name, char key);
    // Focuses the control and presses an editing or cursor key (text boxes and lists).
    void pressKey(const std::string& name, Key key);
    // Tab in the focused control: the focus moves to the next control that is a tab
    // stop, in the order of the declaration, round to the first; a list it reaches
    // selects its cursor row.
    void pressTab();
    // Enter and Escape where the focus is: the focus stays (no focusLost). Enter breaks
    // the line in a multi-line box, clicks a focused button, else the default button;
    // Escape clicks the cancel button, else it is the close box.
    void pressEnter();
    void pressEscape();
    // Focuses a button or check box and clicks it (a check box toggles first).
    void click(const std::string& name);
    // Chooses an item of a drop-down list, or clicks a line of a list.
    void choose(const std::string& name, int index);
    void doubleClick(const std::string& name, int index);
    void triggerMenu(const std::string& id);
    // Drops a file onto the main window, as a file manager does.
    void dropFile(const std::string& path);
    // Presses a shortcut key ("F7"): the menu entry or the button declared with it.
    void pressShortcut(const std::string& key);
    // The window's close box.
    void closeBox();

    // The entries a submenu shows now: its declared ones until setMenuEntries replaced them.
    const std::vector<MenuEntryDecl>& menuEntries(const std::string& id) const;
    std::string focused() const { return focused_; }
    bool isOpen() const { return running_ || visible_; }
    bool isVisible() const { return visible_; }
    std::string displayText(const std::string& name);

    // For the controls: a silent focus move (setFocus from code). Made while the form
    // is closed, it chooses the control that gets the focus when the dialog opens.
    void moveFocusQuietly(const std::string& name);

private:
    void requireUsable(const std::string& name);
    void fire(const std::function<void()>& event) {
        if (event) {
            event();
        }
    }
    void focusFirstControl();
    void clickQuietly(const std::string& name);
    const ControlDecl* declaredButton(bool ControlDecl::*role) const;

    friend class HeadlessToolkit;
    HeadlessToolkit& toolkit_;
    FormDecl decl_;
    std::string caption_;
    std::map<std::string, std::unique_ptr<Control>> controls_;
    std::set<std::string> grayedMenus_;
    std::set<std::string> menuIds_;
    std::map<std::string, std::vector<MenuEntryDecl>> submenus_; // the entries of each submenu, by its id
    std::map<std::string, std::string> menuTexts_;
    std::string focused_;
    std::string pendingFocus_;
    bool running_ = false;
    bool visible_ = false;
    int result_ = 0;
    std::string status_;
};

} // namespace ardel::ui
