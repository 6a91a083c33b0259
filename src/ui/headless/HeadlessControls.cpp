#include "ui/headless/HeadlessControls.h"

#include "ui/Text.h"
#include "ui/Wrap.h"
#include "ui/headless/HeadlessForm.h"

#include <algorithm>

namespace ardel::ui {

template <class Interface> void HeadlessControl<Interface>::setFocus() {
    form_.moveFocusQuietly(decl_.name);
}

template <class Interface> bool HeadlessControl<Interface>::hasFocus() const {
    return form_.focused() == decl_.name;
}

template class HeadlessControl<Label>;
template class HeadlessControl<Button>;
template class HeadlessControl<CheckBox>;
template class HeadlessControl<TextBox>;
template class HeadlessControl<ComboBox>;
template class HeadlessControl<ListView>;

namespace {
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// What a box admits from the user's typing, as the Qt boxes do: a printable Latin-1
// character, a digit only in a digits-only box; letters turned to capitals in an
// upper-case box.
std::optional<char> admitted(const ControlDecl& decl, char c) {
    const auto byte = static_cast<unsigned char>(c);
    const bool printable = byte >= 0x20 && byte != 0x7F && (byte < 0x80 || byte >= 0xA0);
    if (!printable || (decl.digitsOnly && !isDigit(c))) {
        return std::nullopt;
    }
    return decl.upperCase ? upperCase(c) : c;
}
} // namespace

// --- Text boxes ---

HeadlessTextBox::HeadlessTextBox(HeadlessForm& form, const ControlDecl& decl)
    : HeadlessControl(form, decl), limit_(decl.limit), readOnly_(decl.readOnly), tabStop_(decl.tabStop) {
    if (decl.kind == ControlKind::MaskedText) {
        mask_.emplace(decl.mask, decl.digitsOnly);
    }
}

void HeadlessTextBox::setText(const std::string& text) {
    text_ = mask_ ? mask_->normalize(text) : text;
    caret_ = text_.size();
    modified_ = false;
    allSelected_ = false;
    if (events.textChanged) {
        events.textChanged();
    }
}

void HeadlessTextBox::changedByUser() {
    modified_ = true;
    if (events.textChanged) {
        events.textChanged();
    }
}

void HeadlessTextBox::clearByUser() {
    allSelected_ = false;
    caret_ = 0;
    if (text_.empty()) {
        return;
    }
    text_.clear();
    changedByUser();
}

// A line break (CR LF) goes as one.
void HeadlessTextBox::eraseBefore(std::size_t caret) {
    const std::size_t width = caret >= 2 && text_.compare(caret - 2, 2, "\r\n") == 0 ? 2 : 1;
    text_.erase(caret - width, width);
    caret_ = caret - width;
    changedByUser();
}

void HeadlessTextBox::pressKey(Key key) {
    const bool erases = key == Key::Backspace || key == Key::Delete;
    if (allSelected_ && erases) {
        clearByUser();
        return;
    }
    allSelected_ = key == Key::SelectAll;
    if (mask_ && key != Key::SelectAll) {
        caret_ = text_.size();
        if (key == Key::Backspace && !text_.empty()) {
            eraseBefore(caret_);
        }
        return;
    }
    switch (key) {
    case Key::Backspace:
        if (caret_ > 0) {
            eraseBefore(caret_);
        }
        break;
    case Key::Delete:
        if (caret_ < text_.size()) {
            eraseBefore(caret_ + (text_.compare(caret_, 2, "\r\n") == 0 ? 2 : 1));
        }
        break;
    case Key::Home:
        caret_ = 0;
        break;
    case Key::End:
        caret_ = text_.size();
        break;
    case Key::Left:
        caret_ -= caret_ > 0 ? 1 : 0;
        break;
    case Key::Right:
        caret_ += caret_ < text_.size() ? 1 : 0;
        break;
    default:
        break;
    }
}

void HeadlessTextBox::typeChar(char c) {
    if (c == '\b') {
        pressKey(Key::Backspace);
        return;
    }
    const bool lineBreak = c == '\n' && decl_.kind == ControlKind::MultiLineText;
    if (mask_ && allSelected_) {
        clearByUser(); // a mask admits by the position typed at
    }
    if (mask_) {
        caret_ = text_.size();
    }
    const auto accepted = mask_ ? mask_->accept(static_cast<int>(text_.size()), c)
                                : (lineBreak ? std::optional<char>(c) : admitted(decl_, c));
    if (!accepted) {
        return;
    }
    if (allSelected_) {
        clearByUser();
    }
    // A line break takes two characters of the limit: it is kept as CR LF.
    const std::string typed =
        lineBreak ? std::string("\r\n") : std::string(1, decl_.upperCase ? upperCase(*accepted) : *accepted);
    if (!mask_ && limit_ > 0 && text_.size() + typed.size() > static_cast<std::size_t>(limit_)) {
        return;
    }
    text_ = text_.substr(0, caret_) + typed + text_.substr(caret_);
    caret_ += typed.size();
    changedByUser();
}

std::string HeadlessTextBox::displayText() const {
    return mask_ ? mask_->display(text_) : text_;
}

std::vector<std::string> HeadlessTextBox::displayedLines() const {
    return decl_.kind == ControlKind::MultiLineText ? wrapLines(text_, decl_.wrapColumns)
                                                    : std::vector<std::string>{text_};
}

int HeadlessTextBox::lineCount() const {
    return static_cast<int>(displayedLines().size());
}

std::string HeadlessTextBox::line(int index) const {
    const auto lines = displayedLines();
    return index >= 0 && index < static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(index)]
                                                                : std::string();
}

// --- Drop-down lists ---

HeadlessComboBox::HeadlessComboBox(HeadlessForm& form, const ControlDecl& decl)
    : HeadlessControl(form, decl), items_(decl.items), limit_(decl.limit) {}

void HeadlessComboBox::clear() {
    items_.clear();
    editText_.clear();
    setSelectedIndex(-1);
}

std::string HeadlessComboBox::itemText(int index) const {
    return index >= 0 && index < count() ? items_[static_cast<std::size_t>(index)] : std::string();
}

void HeadlessComboBox::setSelectedIndex(int index) {
    if (index < -1 || index >= count()) {
        index = -1;
    }
    if (decl_.kind == ControlKind::DropDownEdit && index >= 0) {
        editText_ = itemText(index);
    }
    if (index == selected_) {
        return;
    }
    selected_ = index;
    if (events.selectionChanged) {
        events.selectionChanged();
    }
}

std::string HeadlessComboBox::text() const {
    return decl_.kind == ControlKind::DropDownEdit ? editText_ : itemText(selected_);
}

// A drop-down list without typing has no text of its own to set.
void HeadlessComboBox::setText(const std::string& text) {
    if (decl_.kind != ControlKind::DropDownEdit) {
        return;
    }
    editText_ = text;
    if (events.textChanged) {
        events.textChanged();
    }
}

void HeadlessComboBox::clearByUser() {
    if (!editText_.empty()) {
        setText(std::string());
    }
}

void HeadlessComboBox::typeChar(char c) {
    if (c == '\b') {
        if (!editText_.empty()) {
            setText(editText_.substr(0, editText_.size() - 1));
        }
        return;
    }
    const auto accepted = admitted(decl_, c);
    if (!accepted || (limit_ > 0 && static_cast<int>(editText_.size()) >= limit_)) {
        return;
    }
    setText(editText_ + *accepted);
}

// --- Lists ---

HeadlessListView::~HeadlessListView() {
    if (source_) {
        source_->removeObserver(this);
    }
}

void HeadlessListView::setSource(ListSource* source) {
    if (source_) {
        source_->removeObserver(this);
    }
    source_ = source;
    selected_ = current_ = -1;
    if (source_) {
        source_->addObserver(this);
    }
}

void HeadlessListView::setSelectedIndex(int index) {
    const int count = source_ ? source_->count() : 0;
    const int wanted = index >= 0 && index < count ? index : -1;
    if (wanted >= 0) {
        current_ = wanted;
    }
    if (wanted == selected_) {
        return;
    }
    selected_ = wanted;
    if (events.selectionChanged) {
        events.selectionChanged();
    }
}

void HeadlessListView::pressKey(Key key) {
    const int count = source_ ? source_->count() : 0;
    if (count == 0) {
        return;
    }
    const int page = std::max(1, (decl_.visibleLines > 0 ? decl_.visibleLines : kDefaultPage) - 1);
    int row = current_;
    switch (key) {
    case Key::Up:
        row = current_ - 1;
        break;
    case Key::Down:
        row = current_ + 1;
        break;
    case Key::Home:
        row = 0;
        break;
    case Key::End:
        row = count - 1;
        break;
    case Key::PageUp:
        row = current_ - page;
        break;
    case Key::PageDown:
        row = current_ + page;
        break;
    default:
        return;
    }
    setSelectedIndex(current_ < 0 ? 0 : std::clamp(row, 0, count - 1));
}

void HeadlessListView::tabbedInto() {
    const int count = source_ ? source_->count() : 0;
    if (current_ < 0 && count > 0) {
        current_ = 0;
    }
    if (selected_ < 0 && current_ >= 0) {
        setSelectedIndex(current_);
    }
}

void HeadlessListView::sourceDestroyed() {
    source_ = nullptr;
    selected_ = current_ = -1;
}

namespace {
void shiftForInsert(int& row, int index) {
    if (row >= index) {
        ++row;
    }
}

void shiftForRemove(int& row, int index) {
    if (row == index) {
        row = -1;
    } else if (row > index) {
        --row;
    }
}
} // namespace

void HeadlessListView::beforeInsert(int index) {
    shiftForInsert(selected_, index);
    shiftForInsert(current_, index);
}

void HeadlessListView::beforeRemove(int index) {
    shiftForRemove(selected_, index);
    shiftForRemove(current_, index);
}

} // namespace ardel::ui
