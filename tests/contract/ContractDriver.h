// The user at the keyboard, for the toolkit contract: what a contract case does to a
// form is said once, and each realization of the toolkit (headless, Qt) carries it
// out in its own way. Every case runs on both; a case that passes on one and fails
// on the other is a fault of that realization.
#pragma once

#include "ui/Toolkit.h"

#include <functional>
#include <string>
#include <vector>

namespace ardel::contract {

enum class Key { Backspace, Delete, Home, End, Left, Right, Up, Down, PageUp, PageDown, SelectAll, Tab, Enter, Escape };

class Driver {
public:
    virtual ~Driver() = default;
    virtual ui::Toolkit& toolkit() = 0;
    // Shows the form as a window of its own and waits until it is active.
    virtual void show(ui::Form& form) = 0;
    // The user brings the focus to the control (for a list: without choosing a line).
    virtual void focus(ui::Form& form, const std::string& name) = 0;
    // Printable characters typed, and keys pressed, where the focus is.
    virtual void type(ui::Form& form, const std::string& text) = 0;
    virtual void press(ui::Form& form, Key key) = 0;
    // The next message box, answered; the next modal dialog of the form named (its
    // caption is its name), run by `script`, which is expected to end it.
    virtual void expectMessage(const std::string& caption, const std::string& text, ui::Answer answer) = 0;
    virtual void expectDialog(const std::string& formName, std::function<void()> script) = 0;
    // What the expectations met otherwise than said, or never met; then forgets them.
    virtual std::vector<std::string> unmet() = 0;
};

// The realization's driver, made by its test program's main.
Driver& driver();

} // namespace ardel::contract
