#include "ui/qt/QtForm.h"

#include "ui/qt/FormLayout.h"
#include "ui/qt/QtText.h"
#include "ui/qt/QtToolkit.h"
#include "ui/qt/QtWindows.h"

#include <QAction>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>

namespace ardel::ui {

namespace {
bool isLabelKind(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::Heading || kind == ControlKind::GroupBox;
}

// A focus that moves with the whole window or into a menu: the control keeps it.
bool leavesWithWindow(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason;
}

// The character of a key the user typed: a printable Latin-1 character or backspace
// as '\b'. Enter, Tab, Escape and keys held with Ctrl or Alt are no typed characters.
std::optional<char> typedChar(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Backspace) {
        return '\b';
    }
    const Qt::KeyboardModifiers held = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (event.text().size() != 1 || (held != Qt::NoModifier && held != (Qt::ControlModifier | Qt::AltModifier))) {
        return std::nullopt;
    }
    const QChar c = event.text().at(0);
    if (!c.isPrint() || !isLatin1(c)) {
        return std::nullopt;
    }
    return static_cast<char>(c.unicode());
}

bool isForeignChar(const QKeyEvent& event) {
    return event.text().size() == 1 && event.text().at(0).isPrint() && !isLatin1(event.text().at(0));
}

// A caption for a window title: Qt reads "[*]" as its modified mark unless doubled.
QString windowTitle(const std::string& caption) {
    return shownText(caption).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

class QuietScope {
public:
    explicit QuietScope(int& depth) : depth_(depth) { ++depth_; }
    ~QuietScope() { --depth_; }
    QuietScope(const QuietScope&) = delete;
    QuietScope& operator=(const QuietScope&) = delete;

private:
    int& depth_;
};
} // namespace

QtForm::QtForm(QtToolkit& toolkit, const FormDecl& decl) : toolkit_(toolkit), decl_(decl), caption_(decl.caption) {
    if (decl_.mainWindow) {
        mainWindow_ = new MainWindow;
        window_ = mainWindow_;
        buildMainWindow();
    } else {
        dialog_ = new DialogWindow;
        window_ = dialog_;
        buildDialog();
    }
    window_->setObjectName(toQt(decl_.name));
    setCaption(decl_.caption);
    setTabOrder();
}

QtForm::~QtForm() {
    menuTriggered = nullptr;
    closeRequested = nullptr;
    for (auto& [name, control] : controls_) {
        control->silence();
    }
    if (dialog_ && window_) {
        dialog_->closeAllowed = nullptr;
        dialog_->escapePressed = nullptr;
    }
    if (mainWindow_ && window_) {
        mainWindow_->closeAllowed = nullptr;
        mainWindow_->closed = nullptr;
    }
    delete window_.data();
}

// --- Building ---

void QtForm::createControls(QWidget* parent) {
    for (const ControlDecl& decl : decl_.controls) {
        if (controls_.count(decl.name)) {
            continue;
        }
        auto control = makeQtControl(*this, decl, parent);
        if (auto* list = dynamic_cast<QtListView*>(control.get()); list && !decl.popup.empty()) {
            list->setPopupMenu(buildPopup(decl));
        }
        control->widget()->installEventFilter(this);
        byWidget_[control->widget()] = control.get();
        controls_[decl.name] = std::move(control);
    }
}

void QtForm::buildDialog() {
    createControls(dialog_);
    FormLayout(decl_, [this](const std::string& name) { return widgetOf(name); }).layOutDialog(dialog_);
    dialog_->closeAllowed = [this] { return !closeRequested || closeRequested(); };
    dialog_->escapePressed = [this] { escapePressed(); };
}

void QtForm::buildMainWindow() {
    auto* central = new QWidget(mainWindow_);
    mainWindow_->setCentralWidget(central);
    createControls(central);
    FormLayout(decl_, [this](const std::string& name) { return widgetOf(name); }).layOutMainWindow(central);
    for (const MenuEntryDecl& entry : decl_.menuBar) {
        if (entry.children.empty()) {
            QAction* action = mainWindow_->menuBar()->addAction(toQt(entry.text));
            actions_[entry.id].push_back(action);
            connect(action, &QAction::triggered, this, [this, id = entry.id] { fireMenu(id); });
            continue;
        }
        QMenu* menu = mainWindow_->menuBar()->addMenu(toQt(entry.text));
        menu->menuAction()->setStatusTip(toQt(entry.hint));
        menu->menuAction()->setEnabled(!entry.grayed);
        actions_[entry.id].push_back(menu->menuAction());
        addMenuEntries(menu, entry.children);
    }
    mainWindow_->statusBar(); // created now: it shows the hints of the menu entries
    mainWindow_->closeAllowed = [this] { return !closeRequested || closeRequested(); };
    mainWindow_->closed = [this] { toolkit_.mainWindowClosed(); };
    mainWindow_->fileDropped = [this](const QString& path) {
        if (fileDropped) {
            fileDropped(pathFromQt(path));
        }
    };
}

void QtForm::addMenuEntries(QMenu* menu, const std::vector<MenuEntryDecl>& entries) {
    for (const MenuEntryDecl& entry : entries) {
        if (entry.text == "-") {
            menu->addSeparator();
            continue;
        }
        actions_[entry.id].push_back(addAction(menu, entry));
    }
}

QAction* QtForm::addAction(QMenu* menu, const MenuEntryDecl& entry) {
    QAction* action = nullptr;
    if (entry.children.empty()) {
        action = menu->addAction(toQt(entry.text));
        connect(action, &QAction::triggered, this, [this, id = entry.id] { fireMenu(id); });
    } else {
        QMenu* submenu = menu->addMenu(toQt(entry.text));
        addMenuEntries(submenu, entry.children);
        action = submenu->menuAction();
    }
    action->setObjectName(toQt(entry.id));
    action->setStatusTip(toQt(entry.hint));
    action->setEnabled(!entry.grayed);
    QList<QKeySequence> keys;
    for (const std::string* key : {&entry.shortcut, &entry.alternateShortcut}) {
        if (!key->empty()) {
            keys.push_back(QKeySequence(toQt(*key)));
        }
    }
    action->setShortcuts(keys);
    return action;
}

QMenu* QtForm::buildPopup(const ControlDecl& decl) {
    auto* menu = new QMenu(window_);
    addMenuEntries(menu, decl.popup);
    // A pop-up menu is a window of its own: its hints are sent to the form's window.
    connect(menu, &QMenu::hovered, this, [this](QAction* action) { action->showStatusText(window_); });
    connect(menu, &QMenu::aboutToHide, this, [this] {
        QStatusTipEvent cleared{QString()};
        QCoreApplication::sendEvent(window_, &cleared);
    });
    return menu;
}

void QtForm::setTabOrder() {
    QWidget* previous = nullptr;
    for (const ControlDecl& decl : decl_.controls) {
        QWidget* widget = widgetOf(decl.name);
        if (decl.hidden || isLabelKind(decl.kind) || widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

QWidget* QtForm::widgetOf(const std::string& name) const {
    return controls_.at(name)->widget();
}

QtControlBase* QtForm::controlOf(QObject* widget) const {
    const auto found = byWidget_.find(widget);
    return found == byWidget_.end() ? nullptr : found->second;
}

// --- Form ---

void QtForm::setCaption(const std::string& caption) {
    caption_ = caption;
    window_->setWindowTitle(windowTitle(caption));
}

Control& QtForm::control(const std::string& name) {
    const auto found = controls_.find(name);
    if (found == controls_.end()) {
        throw std::logic_error("form " + decl_.name + " has no control " + name);
    }
    return found->second->control();
}

int QtForm::exec() {
    if (!dialog_) {
        return 0;
    }
    toolkit_.attachDialog(*dialog_);
    chooseInitialFocus();
    const ModalScope scope;
    return dialog_->exec();
}

void QtForm::done(int result) {
    if (dialog_) {
        dialog_->done(result);
    }
}

void QtForm::show() {
    if (mainWindow_) {
        mainWindow_->restoreLastGeometry();
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void QtForm::close() {
    window_->close();
}

void QtForm::setMenuEnabled(const std::string& id, bool enabled) {
    const auto found = actions_.find(id);
    if (found == actions_.end()) {
        throw std::logic_error("form " + decl_.name + " has no menu entry " + id);
    }
    for (QAction* action : found->second) {
        if (action) {
            action->setEnabled(enabled);
        }
    }
}

bool QtForm::isMenuEnabled(const std::string& id) const {
    const auto found = actions_.find(id);
    return found != actions_.end() && !found->second.empty() && found->second.front() &&
           found->second.front()->isEnabled();
}

// The old entries' actions are deleted with the menu's clear(); their ids are forgotten.
void QtForm::setMenuEntries(const std::string& id, const std::vector<MenuEntryDecl>& entries) {
    const std::vector<QAction*> found = actions(id);
    QMenu* menu = found.empty() ? nullptr : found.front()->menu();
    if (!menu) {
        throw std::logic_error("form " + decl_.name + " has no submenu " + id);
    }
    for (QAction* old : menu->actions()) {
        if (const auto same = actions_.find(old->objectName().toStdString()); same != actions_.end()) {
            std::erase(same->second, old);
        }
    }
    menu->clear();
    addMenuEntries(menu, entries);
}

void QtForm::setMenuText(const std::string& id, const std::string& text) {
    const auto found = actions_.find(id);
    if (found == actions_.end()) {
        throw std::logic_error("form " + decl_.name + " has no menu entry " + id);
    }
    for (QAction* action : found->second) {
        if (action) {
            action->setText(toQt(text));
        }
    }
}

std::string QtForm::menuText(const std::string& id) const {
    const std::vector<QAction*> found = actions(id);
    return found.empty() ? std::string() : fromQt(found.front()->text());
}

void QtForm::setStatusText(const std::string& text) {
    if (mainWindow_) {
        mainWindow_->statusBar()->showMessage(toQt(text));
    }
}

std::string QtForm::statusText() const {
    return mainWindow_ ? fromQt(mainWindow_->statusBar()->currentMessage()) : std::string();
}

std::vector<QAction*> QtForm::actions(const std::string& id) const {
    std::vector<QAction*> out;
    if (const auto found = actions_.find(id); found != actions_.end()) {
        for (QAction* action : found->second) {
            if (action) {
                out.push_back(action);
            }
        }
    }
    return out;
}

void QtForm::fireMenu(const std::string& id) {
    if (menuTriggered) {
        menuTriggered(id);
    }
}

// --- Focus and keys ---

void QtForm::focusQuietly(Control& control, QWidget* widget) {
    focused_ = &control;
    if (!window_->isVisible()) {
        pendingFocus_ = &control;
    }
    changeQuietly([widget] { widget->setFocus(Qt::OtherFocusReason); });
}

void QtForm::changeQuietly(const std::function<void()>& change) {
    const QuietScope quiet(quiet_);
    change();
}

bool QtForm::canTakeFocus(const QtControlBase& control) const {
    const ControlDecl& decl = control.controlDecl();
    const QWidget* widget = control.widget();
    return !isLabelKind(decl.kind) && !decl.hidden && widget->isEnabled() && widget->focusPolicy() != Qt::NoFocus;
}

// Opening a dialog puts the focus on the control the logic chose before, else on the
// first control that takes it, and tells that control it has the focus.
void QtForm::chooseInitialFocus() {
    QtControlBase* initial = nullptr;
    for (const ControlDecl& decl : decl_.controls) {
        QtControlBase* candidate = controls_.at(decl.name).get();
        if (&candidate->control() == pendingFocus_ && canTakeFocus(*candidate)) {
            initial = candidate;
            break;
        }
        if (!initial && (candidate->widget()->focusPolicy() & Qt::TabFocus) && canTakeFocus(*candidate)) {
            initial = candidate;
        }
    }
    pendingFocus_ = nullptr;
    focused_ = nullptr;
    if (!initial) {
        return;
    }
    Control& control = initial->control();
    focused_ = &control;
    changeQuietly([initial] { initial->widget()->setFocus(Qt::OtherFocusReason); });
    if (control.events.focusGained) {
        control.events.focusGained();
    }
}

void QtForm::focusArrived(QtControlBase& control, Qt::FocusReason reason) {
    Control& arrived = control.control();
    if (quiet_ > 0 || leavesWithWindow(reason)) {
        focused_ = &arrived;
        return;
    }
    if (focused_ == &arrived) {
        return;
    }
    Control* previous = focused_;
    focused_ = &arrived;
    if (previous && previous->events.focusLost) {
        previous->events.focusLost();
    }
    if (focused_ == &arrived && arrived.events.focusGained) {
        arrived.events.focusGained();
    }
}

bool QtForm::keyTyped(QtControlBase& control, QKeyEvent& event) {
    const std::optional<char> typed = typedChar(event);
    if (!typed) {
        return isForeignChar(event);
    }
    Control& target = control.control();
    if (target.events.charTyped && target.events.charTyped(*typed)) {
        return true;
    }
    if (*typed == '\b') {
        return false;
    }
    const std::optional<char> admitted = control.admitTyped(*typed);
    if (!admitted) {
        return true;
    }
    if (*admitted == *typed) {
        return false;
    }
    QKeyEvent changed(event.type(), event.key(), event.modifiers(), QString(QChar::fromLatin1(*admitted)));
    forwarding_ = true;
    QCoreApplication::sendEvent(control.widget(), &changed);
    forwarding_ = false;
    return true;
}

bool QtForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (QtControlBase* control = controlOf(watched)) {
            focusArrived(*control, static_cast<QFocusEvent*>(event)->reason());
        }
    } else if (event->type() == QEvent::KeyPress && !forwarding_) {
        if (QtControlBase* control = controlOf(watched)) {
            return keyTyped(*control, *static_cast<QKeyEvent*>(event));
        }
    }
    return false;
}

// Escape clicks the cancel button; a dialog without one takes it as its close box.
void QtForm::escapePressed() {
    for (const ControlDecl& decl : decl_.controls) {
        if (decl.isCancel && !decl.hidden && decl.kind == ControlKind::Button) {
            QPushButton* button = static_cast<QtButton*>(controls_.at(decl.name).get())->pushButton();
            if (button->isEnabled()) {
                button->click();
            }
            return;
        }
    }
    window_->close();
}

} // namespace ardel::ui
