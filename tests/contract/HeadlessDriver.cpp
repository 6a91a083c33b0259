// The contract cases on the headless realization.
#include "ContractDriver.h"

#include "ui/headless/HeadlessToolkit.h"

#include <gtest/gtest.h>

#include <memory>

namespace ardel::contract {

namespace {

class HeadlessDriver : public Driver {
public:
    ui::Toolkit& toolkit() override { return *toolkit_; }
    void show(ui::Form& form) override { form.show(); }
    void focus(ui::Form& form, const std::string& name) override { scripted(form).focus(name); }
    void type(ui::Form& form, const std::string& text) override {
        auto& scripted = this->scripted(form);
        scripted.typeMore(scripted.focused(), text);
    }
    void press(ui::Form& form, Key key) override {
        auto& scripted = this->scripted(form);
        switch (key) {
        case Key::Tab:
            scripted.pressTab();
            break;
        case Key::Enter:
            scripted.pressEnter();
            break;
        case Key::Escape:
            scripted.pressEscape();
            break;
        default:
            scripted.pressKey(scripted.focused(), static_cast<ui::Key>(key));
        }
    }
    void expectMessage(const std::string& caption, const std::string& text, ui::Answer answer) override {
        toolkit_->expectMessage(caption, text, answer);
    }
    void expectDialog(const std::string& formName, std::function<void()> script) override {
        toolkit_->expectDialog(formName, [script](ui::HeadlessForm&) { script(); });
    }
    // A fresh toolkit for the next case: the forms of this one are gone.
    std::vector<std::string> unmet() override {
        auto left = toolkit_->unusedExpectations();
        toolkit_ = std::make_unique<ui::HeadlessToolkit>();
        return left;
    }

private:
    static ui::HeadlessForm& scripted(ui::Form& form) { return static_cast<ui::HeadlessForm&>(form); }
    std::unique_ptr<ui::HeadlessToolkit> toolkit_ = std::make_unique<ui::HeadlessToolkit>();
};

// The contract's keys and the scripted realization's keys are named alike.
static_assert(static_cast<int>(Key::SelectAll) == static_cast<int>(ui::Key::SelectAll));

} // namespace

Driver& driver() {
    static HeadlessDriver headless;
    return headless;
}

} // namespace ardel::contract

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
