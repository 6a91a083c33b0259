#include "ui/headless/HeadlessControls.h"

#include "ui/Text.h"
#include "ui/Wrap.h"
#include "ui/headless/HeadlessForm.h"

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
    modified_ = false;
    allSelected_ = false;
    if (events.textChanged) {
        events.textChanged();
    }
}

void HeadlessTextBox::clearByUser() {
    if (text_.empty()) {
        return;
    }
    text_.clear();
    modified_ = true;
    if (events.textChanged) {
        events.textChanged();
    }
}

void HeadlessTextBox::typeChar(char c) {
    if (allSelected_) {
        allSelected_ = false;
        clearByUser();
    }
    if (c == '\b') {
        if (!text_.empty()) {
            text_.pop_back();
            modified_ = true;
            if (events.textChanged) {
                events.textChanged();
            }
        }
        return;
    }
    const bool lineBreak = c == '\n' && decl_.kind == ControlKind::MultiLineText;
    const auto accepted = mask_ ? mask_->accept(static_cast<int>(text_.size()), c)
                                : (lineBreak ? std::optional<char>(c) : admitted(decl_, c));
    // A line break takes two characters of the limit: it is kept as CR LF.
    const std::size_t width = lineBreak ? 2 : 1;
    if (!accepted || (!mask_ && limit_ > 0 && text_.size() + width > static_cast<std::size_t>(limit_))) {
        return;
    }
    if (lineBreak) {
        text_ += '\r';
    }
    text_ += decl_.upperCase ? upperCase(*accepted) : *accepted;
    modified_ = true;
    if (events.textChanged) {
        events.textChanged();
    }
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
    selected_ = -1;
    if (source_) {
        source_->addObserver(this);
    }
}

void HeadlessListView::setSelectedIndex(int index) {
    const int count = source_ ? source_->count() : 0;
    const int wanted = index >= 0 && index < count ? index : -1;
    if (wanted == selected_) {
        return;
    }
    selected_ = wanted;
    if (events.selectionChanged) {
        events.selectionChanged();
    }
}

void HeadlessListView::sourceDestroyed() {
    source_ = nullptr;
    selected_ = -1;
}

void HeadlessListView::beforeInsert(int index) {
    if (selected_ >= index) {
        ++selected_;
    }
}

void HeadlessListView::beforeRemove(int index) {
    if (selected_ == index) {
        selected_ = -1;
    } else if (selected_ > index) {
        --selected_;
    }
}

} // namespace ardel::ui
