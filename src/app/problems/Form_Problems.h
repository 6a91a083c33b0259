// The Problems window: a modeless window beside the main window that lists the
// problems the project check finds in the project in memory, one line each
// (severity, line, record kind and key, field, text), in the order the writer
// writes the records. A double-click on a problem asks the main window to open the
// record's editor; F7 (or the Refresh button) checks the project again.
#pragma once

#include "model/Project.h"
#include "model/TextStore.h"
#include "ui/Toolkit.h"
#include "check/ProjectCheck.h"

#include <functional>
#include <memory>
#include <vector>

namespace ardel {

// Said in the main window's status bar when the check finds nothing.
inline constexpr const char* kNoProblems = "Check Project: no problems found";

class Form_Problems {
public:
    Form_Problems(ui::Toolkit& toolkit, const Project& project);

    // Checks the project and shows the list, opening the window when there is a problem.
    // Returns the number of problems found.
    int check();
    bool isOpen() const { return open_; }
    const std::vector<check::Problem>& problems() const { return problems_; }
    ui::Form& form() { return *form_; }

    // Told the problem double-clicked.
    std::function<void(const check::Problem&)> openRecord;
    // Told the F7 or Refresh press made in this window.
    std::function<void()> refreshRequested;

    // The line the list shows for a problem.
    static std::string listLine(const check::Problem& problem);

private:
    void doubleClicked();

    const Project& project_;
    std::unique_ptr<ui::Form> form_;
    TextStore lines_;
    std::vector<check::Problem> problems_;
    bool open_ = false;
};

} // namespace ardel
