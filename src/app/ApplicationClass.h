// The application object: creates the main window, offers the recovery copies a crash
// left behind or else opens the file named on the command line, and runs the event
// loop until the window closes.
#pragma once

#include "app/Form1.h"
#include "ui/Toolkit.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ardel {

class ApplicationClass {
public:
    explicit ApplicationClass(ui::Toolkit& toolkit);

    // Creates and shows the main window, offers the recovery copies and, when none was
    // restored, reads the first word of `words` as a file, when there is one. False when
    // the window cannot be created.
    bool start(const std::vector<std::string>& words);
    // Runs the event loop; the exit code (-1 when the window could not be created).
    int run(const std::vector<std::string>& words);

    // The main window, once started.
    Form1* mainWindow() { return mainWindow_.get(); }
    // Told once the main window has started, before the event loop runs.
    std::function<void()> started;

private:
    ui::Toolkit& toolkit_;
    std::unique_ptr<Form1> mainWindow_;
};

} // namespace ardel
