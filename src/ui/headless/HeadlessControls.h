// Headless controls: they hold their values in memory and fire the events a user's
// actions would fire. HeadlessForm drives them.
#pragma once

#include "ui/Controls.h"
#include "ui/Mask.h"

#include <optional>
#include <vector>

namespace ardel::ui {

class HeadlessForm;

// The keys a test presses besides typed characters.
enum class Key { Backspace, Delete, Home, End, Left, Right, Up, Down, PageUp, PageDown, SelectAll };

template <class Interface> class HeadlessControl : public Interface {
public:
    HeadlessControl(HeadlessForm& form, const ControlDecl& decl) : form_(form), decl_(decl) {}
    const ControlDecl& decl() const override { return decl_; }
    void setFocus() override;
    bool hasFocus() const override;
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool isEnabled() const override { return enabled_; }

protected:
    HeadlessForm& form_;
    const ControlDecl& decl_;
    bool enabled_ = true;
};

class HeadlessLabel : public HeadlessControl<Label> {
public:
    HeadlessLabel(HeadlessForm& form, const ControlDecl& decl) : HeadlessControl(form, decl), text_(decl.label) {}
    std::string text() const override { return text_; }
    void setText(const std::string& text) override { text_ = text; }

private:
    std::string text_;
};

class HeadlessButton : public HeadlessControl<Button> {
public:
    HeadlessButton(HeadlessForm& form, const ControlDecl& decl) : HeadlessControl(form, decl), text_(decl.label) {}
    std::string text() const override { return text_; }
    void setText(const std::string& text) override { text_ = text; }

private:
    std::string text_;
};

class HeadlessCheckBox : public HeadlessControl<CheckBox> {
public:
    HeadlessCheckBox(HeadlessForm& form, const ControlDecl& decl) : HeadlessControl(form, decl), text_(decl.label) {}
    std::string text() const override { return text_; }
    void setText(const std::string& text) override { text_ = text; }
    bool isChecked() const override { return checked_; }
    void setChecked(bool checked) override { checked_ = checked; }

private:
    std::string text_;
    bool checked_ = false;
};

// Plain, multi-line and masked text boxes.
class HeadlessTextBox : public HeadlessControl<TextBox> {
public:
    HeadlessTextBox(HeadlessForm& form, const ControlDecl& decl);
    std::string text() const override { return text_; }
    void setText(const std::string& text) override;
    void setLimit(int limit) override { limit_ = limit; }
    void setReadOnly(bool readOnly) override { readOnly_ = readOnly; }
    void setTabStop(bool tabStop) override { tabStop_ = tabStop; }
    bool isModified() const override { return modified_; }
    void setModified(bool modified) override { modified_ = modified; }
    void selectAll() override { allSelected_ = true; }
    int lineCount() const override;
    std::string line(int index) const override;

    // A user's typing: one character at the caret, replacing the text when all is selected.
    // A limit stops typing beyond it, never deleting or replacing. A masked box types
    // at its end only.
    void typeChar(char c);
    // An editing key: Backspace, Delete, Home, End, Left, Right or SelectAll (Home and
    // End go to the start and the end of the whole text).
    void pressKey(Key key);
    void clearByUser();
    // The text as the box shows it (a masked box shows its literals).
    std::string displayText() const;
    bool isReadOnly() const { return readOnly_; }
    bool isTabStop() const { return tabStop_; }

private:
    std::vector<std::string> displayedLines() const;
    void changedByUser();
    void eraseBefore(std::size_t caret);

    std::string text_;
    std::size_t caret_ = 0;
    int limit_;
    bool readOnly_;
    bool tabStop_;
    bool modified_ = false;
    bool allSelected_ = false;
    std::optional<Mask> mask_;
};

class HeadlessComboBox : public HeadlessControl<ComboBox> {
public:
    HeadlessComboBox(HeadlessForm& form, const ControlDecl& decl);
    void addItem(const std::string& text) override { items_.push_back(text); }
    void clear() override;
    int count() const override { return static_cast<int>(items_.size()); }
    std::string itemText(int index) const override;
    int selectedIndex() const override { return selected_; }
    void setSelectedIndex(int index) override;
    std::string text() const override;
    void setText(const std::string& text) override;
    void setLimit(int limit) override { limit_ = limit; }
    void widenToLongestItem() override { widened_ = true; }

    void typeChar(char c);
    void clearByUser();
    bool isWidened() const { return widened_; }

private:
    std::vector<std::string> items_;
    int selected_ = -1;
    std::string editText_;
    int limit_;
    bool widened_ = false;
};

class HeadlessListView : public HeadlessControl<ListView>, private ListObserver {
public:
    using HeadlessControl::HeadlessControl;
    ~HeadlessListView() override;
    void setSource(ListSource* source) override;
    ListSource* source() const override { return source_; }
    int selectedIndex() const override { return selected_; }
    void setSelectedIndex(int index) override;

    // The keyboard, as in any list view: a key that moves the cursor row selects the
    // row it moves to; with no cursor row yet, every key goes to the first line. A page
    // is `visibleLines` rows less one (kDefaultPage without a height).
    void pressKey(Key key);
    // Tab has brought the focus: the cursor row (the first line when there is none) is selected.
    void tabbedInto();
    static constexpr int kDefaultPage = 8;

private:
    void beforeInsert(int index) override;
    void afterInsert() override {}
    void beforeRemove(int index) override;
    void afterRemove() override {}
    void changed(int) override {}
    void beforeReset() override { selected_ = current_ = -1; }
    void afterReset() override {}
    void sourceDestroyed() override;

    ListSource* source_ = nullptr;
    int selected_ = -1;
    int current_ = -1; // the keyboard cursor's row; it stays when the selection is cleared
};

} // namespace ardel::ui
