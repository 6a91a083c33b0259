#include "app/ApplicationClass.h"

#include <exception>

namespace ardel {

ApplicationClass::ApplicationClass(ui::Toolkit& toolkit) : toolkit_(toolkit) {}

bool ApplicationClass::start(const std::vector<std::string>& words) {
    try {
        mainWindow_ = std::make_unique<Form1>(toolkit_);
    } catch (const std::exception&) {
        return false;
    }
    mainWindow_->form().show();
    if (!mainWindow_->offerRecovery() && !words.empty()) {
        mainWindow_->openAtStartup(words.front());
    }
    return true;
}

int ApplicationClass::run(const std::vector<std::string>& words) {
    if (!start(words)) {
        return -1;
    }
    if (started) {
        started();
    }
    const int exitCode = toolkit_.run();
    mainWindow_.reset();
    return exitCode;
}

} // namespace ardel
