#include "app/Console.h"

#include <stdexcept>

namespace ardel {

namespace {
class IdleTimer : public ui::Timer {
public:
    void start(int) override { active_ = true; }
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }

private:
    bool active_ = false;
};
} // namespace

std::unique_ptr<ui::Timer> ConsoleToolkit::createTimer(std::function<void()>) {
    return std::make_unique<IdleTimer>();
}

void ConsoleToolkit::print(const std::string& caption, const std::string& text) {
    out_ << caption << ": " << text << '\n';
    printed_ = true;
}

std::unique_ptr<ui::Form> ConsoleToolkit::createForm(const ui::FormDecl& decl) {
    throw std::logic_error("batch mode opens no window: " + decl.name);
}

ui::Answer ConsoleToolkit::messageBox(const std::string& caption, const std::string& text, ui::Icon,
                                      ui::Buttons buttons) {
    print(caption, text);
    const bool asksYesNo = buttons == ui::Buttons::YesNo || buttons == ui::Buttons::YesNoCancel;
    return asksYesNo ? ui::Answer::Yes : ui::Answer::OK;
}

} // namespace ardel
