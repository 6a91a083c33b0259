// A form realized with Qt Widgets: a modal dialog or the main window with its menu
// bar and status bar, built from the form's declaration.
//
// Focus events reach the logic only for focus moved by the user: the form keeps the
// control that the logic holds as focused, and only a focus that the user brings to
// another control (Tab, mouse, mnemonic) fires focusLost and focusGained. A focus that
// leaves with the whole window (a message box, a pop-up) and a move made by the
// logic's setFocus fire nothing.
#pragma once

#include "ui/Form.h"
#include "ui/qt/QtControls.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <memory>
#include <vector>

class QAction;
class QWidget;

namespace ardel::ui {

class QtToolkit;
class DialogWindow;
class MainWindow;

class QtForm : public QObject, public Form, public ControlHost {
    Q_OBJECT

public:
    QtForm(QtToolkit& toolkit, const FormDecl& decl);
    ~QtForm() override;

    // --- Form ---
    const FormDecl& decl() const override { return decl_; }
    void setCaption(const std::string& caption) override;
    std::string caption() const override { return caption_; }
    Control& control(const std::string& name) override;
    int exec() override;
    void done(int result) override;
    void show() override;
    void close() override;
    void setMenuEnabled(const std::string& id, bool enabled) override;
    bool isMenuEnabled(const std::string& id) const override;
    void setMenuEntries(const std::string& id, const std::vector<MenuEntryDecl>& entries) override;
    void setMenuText(const std::string& id, const std::string& text) override;
    std::string menuText(const std::string& id) const override;
    void setStatusText(const std::string& text) override;
    std::string statusText() const override;

    // The top-level window (a QDialog or a QMainWindow).
    QWidget* window() const { return window_; }
    // The actions of a menu entry id (one per place it appears).
    std::vector<QAction*> actions(const std::string& id) const;

    // --- For the controls ---
    Control* focusedControl() const override { return focused_; }
    // A focus move or another change made by the logic: no focus event fires for it.
    void focusQuietly(Control& control, QWidget* widget) override;
    void changeQuietly(const std::function<void()>& change) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls(QWidget* parent);
    void buildDialog();
    void buildMainWindow();
    void setTabOrder();
    void addMenuEntries(QMenu* menu, const std::vector<MenuEntryDecl>& entries);
    QAction* addAction(QMenu* menu, const MenuEntryDecl& entry);
    QMenu* buildPopup(const ControlDecl& decl);
    void fireMenu(const std::string& id);
    QWidget* widgetOf(const std::string& name) const;
    QtControlBase* controlOf(QObject* widget) const;

    // The focus rules of the header comment.
    void focusArrived(QtControlBase& control, Qt::FocusReason reason);
    bool keyTyped(QtControlBase& control, QKeyEvent& event);
    void chooseInitialFocus();
    bool canTakeFocus(const QtControlBase& control) const;
    void escapePressed();

    QtToolkit& toolkit_;
    FormDecl decl_;
    std::string caption_;
    QPointer<QWidget> window_;
    DialogWindow* dialog_ = nullptr;
    MainWindow* mainWindow_ = nullptr;
    std::map<std::string, std::unique_ptr<QtControlBase>> controls_;
    std::map<QObject*, QtControlBase*> byWidget_;
    std::map<std::string, std::vector<QPointer<QAction>>> actions_;
    Control* focused_ = nullptr;
    Control* pendingFocus_ = nullptr;
    int quiet_ = 0;
    bool forwarding_ = false; // a key re-sent with the character the control admits
};

} // namespace ardel::ui
