#include "ui/headless/HeadlessForm.h"

#include "ui/headless/HeadlessToolkit.h"

#include <algorithm>
#include <utility>

namespace ardel::ui {

namespace {
std::unique_ptr<Control> makeControl(HeadlessForm& form, const ControlDecl& decl) {
    switch (decl.kind) {
    case ControlKind::Button:
        return std::make_unique<HeadlessButton>(form, decl);
    case ControlKind::CheckBox:
        return std::make_unique<HeadlessCheckBox>(form, decl);
    case ControlKind::TextBox:
    case ControlKind::MultiLineText:
    case ControlKind::MaskedText:
        return std::make_unique<HeadlessTextBox>(form, decl);
    case ControlKind::DropDownList:
    case ControlKind::DropDownEdit:
        return std::make_unique<HeadlessComboBox>(form, decl);
    case ControlKind::TextList:
        return std::make_unique<HeadlessListView>(form, decl);
    case ControlKind::Label:
    case ControlKind::Heading:
    case ControlKind::GroupBox:
        break;
    }
    return std::make_unique<HeadlessLabel>(form, decl);
}

bool isTabStop(Control& control) {
    const auto* box = dynamic_cast<const HeadlessTextBox*>(&control);
    return box ? box->isTabStop() : control.decl().tabStop;
}

// `byTab`: reached with the Tab key, not only when chosen by the logic.
bool takesFocus(Control& control, bool byTab) {
    const ControlDecl& decl = control.decl();
    switch (decl.kind) {
    case ControlKind::Label:
    case ControlKind::Heading:
    case ControlKind::GroupBox:
        return false;
    default:
        return (!byTab || isTabStop(control)) && !decl.hidden && control.isEnabled();
    }
}

void collectMenuIds(const std::vector<MenuEntryDecl>& entries, std::set<std::string>& ids,
                    std::set<std::string>& grayed, std::map<std::string, std::string>& texts) {
    for (const MenuEntryDecl& entry : entries) {
        ids.insert(entry.id);
        texts.emplace(entry.id, entry.text);
        if (entry.grayed) {
            grayed.insert(entry.id);
        }
        collectMenuIds(entry.children, ids, grayed, texts);
    }
}

void collectSubmenus(const std::vector<MenuEntryDecl>& entries,
                     std::map<std::string, std::vector<MenuEntryDecl>>& submenus) {
    for (const MenuEntryDecl& entry : entries) {
        if (!entry.children.empty()) {
            submenus[entry.id] = entry.children;
            collectSubmenus(entry.children, submenus);
        }
    }
}
} // namespace

HeadlessForm::HeadlessForm(HeadlessToolkit& toolkit, const FormDecl& decl)
    : toolkit_(toolkit), decl_(decl), caption_(decl.caption) {
    for (const ControlDecl& control : decl_.controls) {
        controls_[control.name] = makeControl(*this, control);
        collectMenuIds(control.popup, menuIds_, grayedMenus_, menuTexts_);
    }
    collectMenuIds(decl_.menuBar, menuIds_, grayedMenus_, menuTexts_);
    collectSubmenus(decl_.menuBar, submenus_);
}

HeadlessForm::~HeadlessForm() {
    toolkit_.forget(this);
}

Control& HeadlessForm::control(const std::string& name) {
    const auto found = controls_.find(name);
    if (found == controls_.end()) {
        throw std::logic_error("form " + decl_.name + " has no control " + name);
    }
    return *found->second;
}

int HeadlessForm::exec() {
    return toolkit_.runDialog(*this);
}

void HeadlessForm::done(int result) {
    result_ = result;
    running_ = false;
}

void HeadlessForm::close() {
    if (closeRequested && !closeRequested()) {
        return;
    }
    if (running_) {
        done(0);
    }
    if (visible_) {
        visible_ = false;
        if (decl_.mainWindow && !toolkit_.exitCode) {
            toolkit_.exitCode = 0;
        }
    }
}

void HeadlessForm::setMenuEnabled(const std::string& id, bool enabled) {
    if (!menuIds_.count(id)) {
        throw std::logic_error("form " + decl_.name + " has no menu entry " + id);
    }
    if (enabled) {
        grayedMenus_.erase(id);
    } else {
        grayedMenus_.insert(id);
    }
}

bool HeadlessForm::isMenuEnabled(const std::string& id) const {
    return menuIds_.count(id) && !grayedMenus_.count(id);
}

void HeadlessForm::setMenuEntries(const std::string& id, const std::vector<MenuEntryDecl>& entries) {
    const auto found = submenus_.find(id);
    if (found == submenus_.end()) {
        throw std::logic_error("form " + decl_.name + " has no submenu " + id);
    }
    for (const MenuEntryDecl& old : found->second) {
        menuIds_.erase(old.id);
        grayedMenus_.erase(old.id);
    }
    found->second = entries;
    collectMenuIds(entries, menuIds_, grayedMenus_, menuTexts_);
}

const std::vector<MenuEntryDecl>& HeadlessForm::menuEntries(const std::string& id) const {
    const auto found = submenus_.find(id);
    if (found == submenus_.end()) {
        throw std::logic_error("form " + decl_.name + " has no submenu " + id);
    }
    return found->second;
}

void HeadlessForm::setMenuText(const std::string& id, const std::string& text) {
    if (!menuIds_.count(id)) {
        throw std::logic_error("form " + decl_.name + " has no menu entry " + id);
    }
    menuTexts_[id] = text;
}

std::string HeadlessForm::menuText(const std::string& id) const {
    const auto found = menuTexts_.find(id);
    return found == menuTexts_.end() ? std::string() : found->second;
}

void HeadlessForm::moveFocusQuietly(const std::string& name) {
    focused_ = name;
    if (!isOpen()) {
        pendingFocus_ = name;
    }
}

// Opening a dialog focuses the control the logic chose before, else the first one
// that takes the focus, and tells it so.
void HeadlessForm::focusFirstControl() {
    const std::string chosen = std::exchange(pendingFocus_, std::string());
    focused_.clear();
    for (const ControlDecl& decl : decl_.controls) {
        if (decl.name == chosen && takesFocus(control(decl.name), false)) {
            focused_ = decl.name;
            break;
        }
        if (focused_.empty() && takesFocus(control(decl.name), true)) {
            focused_ = decl.name;
        }
    }
    if (!focused_.empty()) {
        fire(control(focused_).events.focusGained);
    }
}

void HeadlessForm::requireUsable(const std::string& name) {
    Control& target = control(name);
    if (!isOpen()) {
        throw ScriptFailure("form " + decl_.name + " is not open; cannot use " + name);
    }
    if (target.decl().hidden || !target.isEnabled()) {
        throw ScriptFailure("control " + name + " of " + decl_.name + " is hidden or disabled");
    }
}

void HeadlessForm::focus(const std::string& name) {
    requireUsable(name);
    if (focused_ == name) {
        return;
    }
    const std::string previous = focused_;
    focused_ = name;
    if (!previous.empty()) {
        fire(control(previous).events.focusLost);
    }
    if (focused_ == name && isOpen()) {
        fire(control(name).events.focusGained);
    }
}

void HeadlessForm::type(const std::string& name, const std::string& text) {
    focus(name);
    if (auto* box = dynamic_cast<HeadlessTextBox*>(&control(name))) {
        if (box->isReadOnly()) {
            throw ScriptFailure("text box " + name + " of " + decl_.name + " is read-only");
        }
        box->clearByUser();
    } else if (auto* combo = dynamic_cast<HeadlessComboBox*>(&control(name))) {
        if (combo->decl().kind != ControlKind::DropDownEdit) {
            throw ScriptFailure("drop-down list " + name + " of " + decl_.name + " takes no typing");
        }
        combo->clearByUser();
    }
    typeMore(name, text);
}

void HeadlessForm::typeMore(const std::string& name, const std::string& text) {
    for (char c : text) {
        press(name, c);
    }
}

void HeadlessForm::press(const std::string& name, char key) {
    focus(name);
    Control& target = control(name);
    const bool reported = key == '\b' || static_cast<unsigned char>(key) >= ' ';
    if (reported && target.events.charTyped && target.events.charTyped(key)) {
        return;
    }
    if (auto* box = dynamic_cast<HeadlessTextBox*>(&target)) {
        if (!box->isReadOnly()) {
            box->typeChar(key);
        }
    } else if (auto* combo = dynamic_cast<HeadlessComboBox*>(&target)) {
        if (combo->decl().kind == ControlKind::DropDownEdit) {
            combo->typeChar(key);
        }
    }
}

void HeadlessForm::pressKey(const std::string& name, Key key) {
    focus(name);
    if (auto* box = dynamic_cast<HeadlessTextBox*>(&control(name))) {
        const bool edits = key == Key::Backspace || key == Key::Delete;
        if (edits && box->isReadOnly()) {
            return;
        }
        if (key == Key::Backspace) {
            press(name, '\b'); // the logic hears of it as of a typed character
        } else {
            box->pressKey(key);
        }
    } else if (auto* list = dynamic_cast<HeadlessListView*>(&control(name))) {
        list->pressKey(key);
    } else {
        throw ScriptFailure("control " + name + " of " + decl_.name + " takes no editing or cursor keys");
    }
}

void HeadlessForm::pressTab() {
    const auto& controls = decl_.controls;
    auto at = std::find_if(controls.begin(), controls.end(), [&](const ControlDecl& c) { return c.name == focused_; });
    const std::size_t start =
        at == controls.end() ? controls.size() - 1 : static_cast<std::size_t>(at - controls.begin());
    for (std::size_t step = 1; step <= controls.size(); ++step) {
        const ControlDecl& next = controls[(start + step) % controls.size()];
        if (takesFocus(control(next.name), true)) {
            focus(next.name);
            if (auto* list = dynamic_cast<HeadlessListView*>(&control(next.name))) {
                list->tabbedInto();
            }
            return;
        }
    }
}

const ControlDecl* HeadlessForm::declaredButton(bool ControlDecl::*role) const {
    for (const ControlDecl& decl : decl_.controls) {
        if (decl.kind == ControlKind::Button && decl.*role && !decl.hidden) {
            return &decl;
        }
    }
    return nullptr;
}

void HeadlessForm::clickQuietly(const std::string& name) {
    if (control(name).isEnabled()) {
        fire(control(name).events.clicked);
    }
}

void HeadlessForm::pressEnter() {
    Control* target = focused_.empty() ? nullptr : &control(focused_);
    if (target && target->decl().kind == ControlKind::MultiLineText) {
        press(focused_, '\n');
    } else if (target && target->decl().kind == ControlKind::Button) {
        clickQuietly(focused_);
    } else if (const ControlDecl* button = declaredButton(&ControlDecl::isDefault)) {
        clickQuietly(button->name);
    }
}

void HeadlessForm::pressEscape() {
    if (const ControlDecl* button = declaredButton(&ControlDecl::isCancel)) {
        clickQuietly(button->name);
    } else {
        close();
    }
}

void HeadlessForm::click(const std::string& name) {
    focus(name);
    if (auto* box = dynamic_cast<CheckBox*>(&control(name))) {
        box->setChecked(!box->isChecked());
    }
    fire(control(name).events.clicked);
}

void HeadlessForm::choose(const std::string& name, int index) {
    focus(name);
    if (auto* combo = dynamic_cast<ComboBox*>(&control(name))) {
        if (index < 0 || index >= combo->count()) {
            throw ScriptFailure("drop-down list " + name + " has no item " + std::to_string(index));
        }
        combo->setSelectedIndex(index);
        return;
    }
    auto& list = listView(name);
    if (!list.source() || index < 0 || index >= list.source()->count()) {
        throw ScriptFailure("list " + name + " has no line " + std::to_string(index));
    }
    list.setSelectedIndex(index);
    fire(list.events.clicked);
}

void HeadlessForm::doubleClick(const std::string& name, int index) {
    choose(name, index);
    fire(control(name).events.doubleClicked);
}

void HeadlessForm::triggerMenu(const std::string& id) {
    if (!isMenuEnabled(id)) {
        throw ScriptFailure("menu entry " + id + " of " + decl_.name + " is grayed or missing");
    }
    if (menuTriggered) {
        menuTriggered(id);
    }
}

void HeadlessForm::dropFile(const std::string& path) {
    if (!decl_.mainWindow || !visible_) {
        throw ScriptFailure("a file was dropped onto " + decl_.name + ", which is no shown main window");
    }
    if (fileDropped) {
        fileDropped(path);
    }
}

void HeadlessForm::pressShortcut(const std::string& key) {
    if (!isOpen()) {
        throw ScriptFailure("shortcut " + key + " pressed on " + decl_.name + ", which is not open");
    }
    for (const MenuEntryDecl* entry : allMenuEntries(decl_)) {
        if (entry->shortcut == key) {
            triggerMenu(entry->id);
            return;
        }
    }
    for (const ControlDecl& control : decl_.controls) {
        if (control.kind == ControlKind::Button && control.shortcut == key) {
            click(control.name);
            return;
        }
    }
    throw ScriptFailure(decl_.name + " has no shortcut " + key);
}

void HeadlessForm::setStatusText(const std::string& text) {
    if (decl_.mainWindow) {
        status_ = text;
    }
}

void HeadlessForm::closeBox() {
    if (!isOpen()) {
        throw ScriptFailure("form " + decl_.name + " is not open");
    }
    close();
}

std::string HeadlessForm::displayText(const std::string& name) {
    if (auto* box = dynamic_cast<HeadlessTextBox*>(&control(name))) {
        return box->displayText();
    }
    if (auto* combo = dynamic_cast<ComboBox*>(&control(name))) {
        return combo->text();
    }
    return label(name).text();
}

// Called by the toolkit around the dialog's script.
int HeadlessToolkit::runDialog(HeadlessForm& form) {
    Expectation expected = take(Kind::Dialog, "dialog " + form.decl().name + " \"" + form.caption() + "\"");
    if (expected.caption != form.decl().name) {
        throw ScriptFailure("expected " + describe(expected) + " but the program opened dialog " + form.decl().name);
    }
    transcript_.push_back("dialog " + form.decl().name);
    form.running_ = true;
    form.result_ = 0;
    form.focusFirstControl();
    expected.script(form);
    if (form.running_) {
        form.close();
        form.running_ = false;
    }
    return form.result_;
}

} // namespace ardel::ui
