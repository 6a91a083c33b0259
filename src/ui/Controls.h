// The controls a form offers the logic. Each realization (Qt, headless) implements
// them; the logic sets the callbacks in `events` and reads and writes values.
// All texts are Latin-1: one byte is one character and one column.
#pragma once

#include "ui/Declaration.h"
#include "ui/ListSource.h"

#include <functional>
#include <string>

namespace ardel::ui {

// Events a control reports. Focus, click, double-click and typed-character events are
// fired only by what the user does: setFocus() from code moves the focus silently, and
// a focus that leaves with the whole window (a message box, another application)
// has not been lost. `textChanged` and `selectionChanged` fire for values set from code too.
struct ControlEvents {
    std::function<void()> focusGained;
    std::function<void()> focusLost;
    std::function<void()> textChanged;
    std::function<void()> selectionChanged;
    std::function<void()> clicked;
    std::function<void()> doubleClicked;
    // A printable character typed into the control, or Backspace as '\b' (Enter, Tab and
    // Escape are not reported); return true when the logic has handled it (the control
    // then ignores it).
    std::function<bool(char)> charTyped;
};

class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    virtual const ControlDecl& decl() const = 0;
    const std::string& name() const { return decl().name; }
    virtual void setFocus() = 0;
    virtual bool hasFocus() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;

    ControlEvents events;
};

// Labels, headings, check boxes and buttons: a text the logic may change.
class Label : public Control {
public:
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
};

class Button : public Label {};

class CheckBox : public Label {
public:
    virtual bool isChecked() const = 0;
    virtual void setChecked(bool checked) = 0;
};

// One-line, multi-line and masked text boxes. For a masked box the text is its value:
// the characters typed into the mask's positions, without the literals.
class TextBox : public Control {
public:
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
    virtual void setLimit(int limit) = 0;
    virtual void setReadOnly(bool readOnly) = 0;
    // A box that is no tab stop is skipped by Tab and by the first focus of an opening dialog.
    virtual void setTabStop(bool tabStop) = 0;
    virtual bool isModified() const = 0; // changed by the user since the last setText or setModified(false)
    virtual void setModified(bool modified) = 0;
    virtual void selectAll() = 0;
    // Multi-line boxes: the lines as displayed, a wrapped line ending where the box wrapped it.
    virtual int lineCount() const = 0;
    virtual std::string line(int index) const = 0;
};

// Drop-down list, with or without an editable text.
class ComboBox : public Control {
public:
    virtual void addItem(const std::string& text) = 0;
    virtual void clear() = 0;
    virtual int count() const = 0;
    virtual std::string itemText(int index) const = 0;
    virtual int selectedIndex() const = 0;        // -1 when nothing is selected
    virtual void setSelectedIndex(int index) = 0; // -1 clears the selection
    // The selected item's text; for an editable list, the edit text.
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0; // editable lists only
    virtual void setLimit(int limit) = 0;
    virtual void widenToLongestItem() = 0;
    // Selects the first item that begins with `prefix`, letter case ignored; returns its index or -1
    // (the selection is unchanged then).
    int selectPrefix(const std::string& prefix);
};

// A visible list: a view on a ListSource (the store holds the lines).
class ListView : public Control {
public:
    virtual void setSource(ListSource* source) = 0;
    virtual ListSource* source() const = 0;
    virtual int selectedIndex() const = 0;
    virtual void setSelectedIndex(int index) = 0; // -1 unselects
    // Selects the first line that begins with `prefix`, letter case ignored; returns its index or -1
    // (the selection is unchanged then).
    int selectPrefix(const std::string& prefix);
    // Menu entries of the list's pop-up menu are reached through the form's menu calls by id.
};

} // namespace ardel::ui
