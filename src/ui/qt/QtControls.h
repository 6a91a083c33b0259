// The Qt controls behind the control interfaces. Each owns nothing of its widget
// (the window does) and reports the widget's signals through `events`; focus and
// typed characters reach the logic through the form's event filter (QtForm).
#pragma once

#include "ui/Controls.h"
#include "ui/Mask.h"
#include "ui/qt/ListModel.h"

#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace ardel::ui {

class InputValidator;
class PlainTextBox;

// What a control asks of the form that holds it: the control the logic holds as
// focused, and changes made by the logic that fire no focus event.
class ControlHost {
public:
    virtual ~ControlHost() = default;
    virtual Control* focusedControl() const = 0;
    virtual void focusQuietly(Control& control, QWidget* widget) = 0;
    virtual void changeQuietly(const std::function<void()>& change) = 0;
};

// What the form's event filter needs of every control.
class QtControlBase {
public:
    virtual ~QtControlBase() = default;
    virtual Control& control() = 0;
    virtual const ControlDecl& controlDecl() const = 0;
    virtual QWidget* widget() const = 0;
    // The character that a key typed into the control puts in: `c` itself, another
    // one (a mask's capital), or nothing when the control refuses it.
    virtual std::optional<char> admitTyped(char c) const { return c; }
    // Drops every callback into the logic; called before the window goes away.
    void silence() { control().events = ControlEvents(); }
};

template <class Interface> class QtControl : public Interface, public QtControlBase {
public:
    QtControl(ControlHost& form, const ControlDecl& decl, QWidget* widget);
    const ControlDecl& decl() const override { return decl_; }
    void setFocus() override;
    bool hasFocus() const override;
    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return widget_->isEnabled(); }
    Control& control() override { return *this; }
    const ControlDecl& controlDecl() const override { return decl_; }
    QWidget* widget() const override { return widget_; }

protected:
    // Tab passes over a control that is no tab stop; a click still focuses it.
    void applyTabStop(bool tabStop);
    static void fire(const std::function<void()>& event) {
        if (event) {
            event();
        }
    }

    ControlHost& form_;
    const ControlDecl& decl_;
    QWidget* widget_;
};

class QtLabel : public QtControl<Label> {
public:
    QtLabel(ControlHost& form, const ControlDecl& decl, QWidget* parent);
    std::string text() const override;
    void setText(const std::string& text) override;

private:
    QLabel* label_;
};

// A read-only one-line box in the fixed-pitch font, above a list.
class QtHeading : public QtControl<Label> {
public:
    QtHeading(ControlHost& form, const ControlDecl& decl, QWidget* parent);
    std::string text() const override;
    void setText(const std::string& text) override;

private:
    QLineEdit* box_;
};

// A group box; one without a label is a frameless pane.
class QtGroupBox : public QtControl<Label> {
public:
    QtGroupBox(ControlHost& form, const ControlDecl& decl, QWidget* parent);
    std::string text() const override { return title_; }
    void setText(const std::string& text) override;

private:
    std::string title_;
};

class QtButton : public QtControl<Button> {
public:
    QtButton(ControlHost& form, const ControlDecl& decl, QWidget* parent);
    std::string text() const override;
    void setText(const std::string& text) override;
    QPushButton* pushButton() const { return button_; }

private:
    QPushButton* button_;
};

class QtCheckBox : public QtControl<CheckBox> {
public:
    QtCheckBox(ControlHost& form, const ControlDecl& decl, QWidget* parent);
    std::string text() const override;
    void setText(const std::string& text) override;
    bool isChecked() const override;
    void setChecked(bool checked) override;

private:
    QCheckBox* box_;
    std::string text_;
};

// A one-line box, plain or masked. A masked box's value is read from the text it
// shows, by the same rule as everywhere else (Mask::valueOf).
class QtLineBox : public QtControl<TextBox> {
public:
    QtLineBox(ControlHost& form, const ControlDecl& decl, QWidget* parent);
    std::string text() const override;
    void setText(const std::string& text) override;
    void setLimit(int limit) override;
    void setReadOnly(bool readOnly) override;
    void setTabStop(bool tabStop) override;
    bool isModified() const override;
    void setModified(bool modified) override;
    void selectAll() override;
    int lineCount() const override { return 1; }
    std::string line(int index) const override;
    std::optional<char> admitTyped(char c) const override;

private:
    int maskIndexAtCaret() const;

    QLineEdit* box_;
    InputValidator* validator_ = nullptr;
    std::optional<Mask> mask_;
};

// A multi-line box. With `wrapColumns` it wraps words at that many columns in the
// fixed-pitch font by the shared rule, and its lines are the lines it shows.
class QtMultiLineBox : public QtControl<TextBox> {
public:
    QtMultiLineBox(ControlHost& form, const ControlDecl& decl, QWidget* parent);
    std::string text() const override;
    void setText(const std::string& text) override;
    void setLimit(int limit) override;
    void setReadOnly(bool readOnly) override;
    void setTabStop(bool tabStop) override;
    bool isModified() const override;
    void setModified(bool modified) override;
    void selectAll() override;
    int lineCount() const override;
    std::string line(int index) const override;

private:
    std::vector<std::string> displayedLines() const;

    PlainTextBox* box_;
    QString lastText_; // the text the logic last heard of
};

class QtComboBox : public QtControl<ComboBox> {
public:
    QtComboBox(ControlHost& form, const ControlDecl& decl, QWidget* parent);
    void addItem(const std::string& text) override;
    void clear() override;
    int count() const override;
    std::string itemText(int index) const override;
    int selectedIndex() const override;
    void setSelectedIndex(int index) override;
    std::string text() const override;
    void setText(const std::string& text) override;
    void setLimit(int limit) override;
    void widenToLongestItem() override;
    QComboBox* comboBox() const { return combo_; }

private:
    bool editable() const { return decl_.kind == ControlKind::DropDownEdit; }
    // A change made by the program: no signal reaches the logic, and the edit text
    // stays unless `keepEditText` is false.
    void changeQuietly(const std::function<void()>& change, bool keepEditText);
    void showStartOfEditText();

    QComboBox* combo_;
    InputValidator* validator_ = nullptr;
};

class QtListView : public QtControl<ListView> {
public:
    QtListView(ControlHost& form, const ControlDecl& decl, QWidget* parent);
    void setSource(ListSource* source) override;
    ListSource* source() const override { return model_->source(); }
    int selectedIndex() const override;
    void setSelectedIndex(int index) override;
    // The pop-up menu shown when the user asks for it; owned by the form.
    void setPopupMenu(QMenu* menu) { popup_ = menu; }
    QListView* view() const { return view_; }
    ListModel* model() const { return model_.get(); }

private:
    QListView* view_;
    std::unique_ptr<ListModel> model_;
    QPointer<QMenu> popup_;
};

// The control for a declaration, its widget created as a child of `parent`.
std::unique_ptr<QtControlBase> makeQtControl(ControlHost& form, const ControlDecl& decl, QWidget* parent);

} // namespace ardel::ui
