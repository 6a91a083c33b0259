// A form built by a realization from its declaration: a modal dialog, or the
// modeless main window with its menu bar. The logic finds controls by name.
#pragma once

#include "ui/Controls.h"
#include "ui/Declaration.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ardel::ui {

// The results of a modal dialog: what done() is given when the user saves or
// accepts, and what closing it any other way gives.
inline constexpr int kAccepted = 1;
inline constexpr int kCancelled = 0;

class Form {
public:
    Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form() = default;

    virtual const FormDecl& decl() const = 0;
    virtual void setCaption(const std::string& caption) = 0;
    virtual std::string caption() const = 0;

    // The control of that name; throws std::logic_error when the declaration has none.
    virtual Control& control(const std::string& name) = 0;
    Label& label(const std::string& name) { return as<Label>(name); }
    Button& button(const std::string& name) { return as<Button>(name); }
    CheckBox& checkBox(const std::string& name) { return as<CheckBox>(name); }
    TextBox& textBox(const std::string& name) { return as<TextBox>(name); }
    ComboBox& comboBox(const std::string& name) { return as<ComboBox>(name); }
    ListView& listView(const std::string& name) { return as<ListView>(name); }

    // Modal dialogs: runs until done() is called or the user closes the window (kCancelled).
    virtual int exec() = 0;
    virtual void done(int result) = 0;

    // Main window: shows it; the toolkit's event loop then runs until it closes. A dialog
    // shown this way is modeless: show() returns at once, and the dialog stays open
    // beside the main window until close() or its close box.
    virtual void show() = 0;
    // Asks the window to close, as the close box does (closeRequested may refuse).
    virtual void close() = 0;

    // Menu entries (menu bar and pop-ups), by id.
    virtual void setMenuEnabled(const std::string& id, bool enabled) = 0;
    virtual bool isMenuEnabled(const std::string& id) const = 0;
    // The text of a menu entry ("&" marks the mnemonic, "&&" stands for an "&").
    virtual void setMenuText(const std::string& id, const std::string& text) = 0;
    virtual std::string menuText(const std::string& id) const = 0;

    // Main window: the text shown in the status bar (a menu entry's hint replaces it
    // while the entry is highlighted). A dialog has no status bar and keeps nothing.
    virtual void setStatusText(const std::string& text) = 0;
    virtual std::string statusText() const = 0;
    std::function<void(const std::string& id)> menuTriggered;
    // Main window: replaces the entries of the menu bar's submenu `id` while the program
    // runs (plain entries, no submenus); triggering one calls menuTriggered with its id.
    virtual void setMenuEntries(const std::string& id, const std::vector<MenuEntryDecl>& entries) = 0;

    // Main window: a file dropped onto it (the first local file of the drop).
    std::function<void(const std::string& path)> fileDropped;

    // The close box; return false to keep the window open.
    std::function<bool()> closeRequested;

private:
    template <class Kind> Kind& as(const std::string& name) {
        if (auto* typed = dynamic_cast<Kind*>(&control(name))) {
            return *typed;
        }
        throw std::logic_error("control " + name + " of " + decl().name + " is of another kind");
    }
};

} // namespace ardel::ui
