// The contract cases on the Qt realization, under the offscreen platform: keys go to
// the widget that has the keyboard, as a user's would.
#include "ContractDriver.h"

#include "qt/QtTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace ardel::contract {

namespace {

QMessageBox::StandardButton buttonOf(ui::Answer answer) {
    switch (answer) {
    case ui::Answer::OK:
        return QMessageBox::Ok;
    case ui::Answer::Cancel:
        return QMessageBox::Cancel;
    case ui::Answer::Yes:
        return QMessageBox::Yes;
    case ui::Answer::No:
        break;
    }
    return QMessageBox::No;
}

struct QtKey {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

QtKey qtKey(Key key) {
    switch (key) {
    case Key::Backspace:
        return {Qt::Key_Backspace, Qt::NoModifier};
    case Key::Delete:
        return {Qt::Key_Delete, Qt::NoModifier};
    case Key::Home:
        return {Qt::Key_Home, Qt::NoModifier};
    case Key::End:
        return {Qt::Key_End, Qt::NoModifier};
    case Key::Left:
        return {Qt::Key_Left, Qt::NoModifier};
    case Key::Right:
        return {Qt::Key_Right, Qt::NoModifier};
    case Key::Up:
        return {Qt::Key_Up, Qt::NoModifier};
    case Key::Down:
        return {Qt::Key_Down, Qt::NoModifier};
    case Key::PageUp:
        return {Qt::Key_PageUp, Qt::NoModifier};
    case Key::PageDown:
        return {Qt::Key_PageDown, Qt::NoModifier};
    case Key::SelectAll:
        return {Qt::Key_A, Qt::ControlModifier};
    case Key::Tab:
        return {Qt::Key_Tab, Qt::NoModifier};
    case Key::Enter:
        return {Qt::Key_Return, Qt::NoModifier};
    case Key::Escape:
        break;
    }
    return {Qt::Key_Escape, Qt::NoModifier};
}

class QtDriver : public Driver {
public:
    explicit QtDriver(ui::QtToolkit& toolkit) : toolkit_(toolkit) {}
    ui::Toolkit& toolkit() override { return toolkit_; }
    void show(ui::Form& form) override { EXPECT_TRUE(testing::showActive(form)); }
    void focus(ui::Form& form, const std::string& name) override {
        auto* widget = static_cast<ui::QtForm&>(form).window()->findChild<QWidget*>(QString::fromStdString(name));
        ASSERT_TRUE(widget) << name;
        widget->setFocus(Qt::MouseFocusReason);
    }
    void type(ui::Form&, const std::string& text) override { testing::typeText(keyboard(), text.c_str()); }
    void press(ui::Form&, Key key) override {
        const QtKey pressed = qtKey(key);
        QTest::keyClick(keyboard(), pressed.key, pressed.modifiers);
    }
    void expectMessage(const std::string& caption, const std::string& text, ui::Answer answer) override {
        answerer().expectMessage(QString::fromLatin1(caption), QString::fromLatin1(text), buttonOf(answer));
    }
    void expectDialog(const std::string& formName, std::function<void()> script) override {
        // The test forms' captions are their names.
        answerer().expectModal(QString::fromLatin1(formName), [script](QWidget&) { script(); });
    }
    std::vector<std::string> unmet() override {
        std::vector<std::string> out;
        if (answerer_) {
            for (const QString& failure : answerer_->failures()) {
                out.push_back(failure.toStdString());
            }
        }
        answerer_.reset();
        return out;
    }

private:
    static QWidget* keyboard() {
        QWidget* focused = QApplication::focusWidget();
        EXPECT_TRUE(focused) << "no control has the keyboard";
        return focused;
    }
    testing::DialogAnswerer& answerer() {
        if (!answerer_) {
            answerer_ = std::make_unique<testing::DialogAnswerer>();
        }
        return *answerer_;
    }

    ui::QtToolkit& toolkit_;
    std::unique_ptr<testing::DialogAnswerer> answerer_;
};

QtDriver* qtDriver = nullptr;

} // namespace

Driver& driver() {
    return *qtDriver;
}

} // namespace ardel::contract

int main(int argc, char** argv) {
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QStandardPaths::setTestModeEnabled(true);
    ardel::ui::QtToolkit toolkit(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ardel::contract::QtDriver driver(toolkit);
    ardel::contract::qtDriver = &driver;
    return RUN_ALL_TESTS();
}
