#include "app/problems/Form_Problems.h"

#include "app/problems/Form_ProblemsDecl.h"
#include "ui/Text.h"

namespace ardel {

Form_Problems::Form_Problems(ui::Toolkit& toolkit, const Project& project)
    : project_(project), form_(toolkit.createForm(formProblemsDecl())) {
    form_->listView(kProblemsList).setSource(&lines_);
    form_->listView(kProblemsList).events.doubleClicked = [this] { doubleClicked(); };
    form_->button(kProblemsRefresh).events.clicked = [this] {
        if (refreshRequested) {
            refreshRequested();
        }
    };
    form_->button(kProblemsClose).events.clicked = [this] { form_->close(); };
    form_->closeRequested = [this] {
        open_ = false;
        return true;
    };
}

int Form_Problems::check() {
    problems_ = check::checkProject(project_, check::writtenLines(project_));
    std::vector<std::string> lines;
    lines.reserve(problems_.size());
    for (const check::Problem& problem : problems_) {
        lines.push_back(listLine(problem));
    }
    lines_.assign(std::move(lines));
    if (!problems_.empty() && !open_) {
        open_ = true;
        form_->show();
    }
    return static_cast<int>(problems_.size());
}

std::string Form_Problems::listLine(const check::Problem& problem) {
    return ui::format("%-8s%6ld %-6s %-4s %-22.22s %s", check::severityName(problem.severity), problem.line,
                      problem.record.c_str(), problem.key.c_str(), problem.field.c_str(), problem.text.c_str());
}

void Form_Problems::doubleClicked() {
    const int index = form_->listView(kProblemsList).selectedIndex();
    if (index >= 0 && index < static_cast<int>(problems_.size()) && openRecord) {
        const check::Problem problem = problems_[static_cast<std::size_t>(index)]; // a check may follow the editing
        openRecord(problem);
    }
}

} // namespace ardel
