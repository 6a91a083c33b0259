// "File > Import RINEX...": chooses the observation files, reads them under a progress
// dialog that can be cancelled, shows the preview and applies the accepted plan to the
// project as one undo step.
#pragma once

#include "editors/rinexImport/Form_RinexImport.h"
#include "model/Project.h"
#include "ui/Toolkit.h"

#include <optional>
#include <string>
#include <vector>

namespace ardel {

class RinexImportCommand {
public:
    RinexImportCommand(ui::Toolkit& toolkit, Project& project, Form_RinexImport& preview);

    void run();

private:
    std::vector<std::string> chooseFiles();
    // The plan of the files; none when the user cancelled the reading.
    std::optional<rinex_import::Plan> readFiles(const std::vector<std::string>& files);

    ui::Toolkit& toolkit_;
    Project& project_;
    Form_RinexImport& preview_;
};

} // namespace ardel
