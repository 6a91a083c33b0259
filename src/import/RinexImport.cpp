#include "import/RinexImport.h"

#include "model/Project.h"

namespace ardel::rinex_import {

Plan planImport(const Project&, const std::vector<std::string>&, const Options& options, const Progress&) {
    return Plan{options, {}, false};
}

void replan(const Project&, Plan&) {}

int applyImport(Project&, const Plan&) {
    return 0;
}

std::string summaryLine(const Row&) {
    return {};
}

std::vector<std::string> problemLines(const Row&) {
    return {};
}

} // namespace ardel::rinex_import
