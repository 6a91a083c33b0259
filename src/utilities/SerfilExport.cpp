// "&Export SERFIL": the stations' pairs written to a SERFIL.
#include "utilities/Serfil.h"

#include "model/Lines.h"
#include "ui/Platform.h"
#include "ui/Text.h"
#include "utilities/AtomicFile.h"

namespace ardel {

namespace {

constexpr const char* kExportTitle = "Select Output SER File Name";
constexpr const char* kOverwriteCaption = "Save SER-File";
constexpr const char* kOverwriteText = "%s Exists. Do you wish to overwrite it?";
constexpr const char* kLineEnd = "\r\n";

// Blank-padded on the left or cut to `width` ("%w.ws").
std::string rightFit(std::string_view text, std::size_t width) {
    const std::string_view cut = text.substr(0, width);
    return std::string(width - cut.size(), ' ') + std::string(cut);
}

std::string serfilFileLine(const std::string& stationLine) {
    using namespace station_line;
    return fit(slice(stationLine, kId, kIdWidth), serfil_file::kIdWidth) + kSerfilGap +
           rightFit(slice(stationLine, kBody, station_line::kSsnWidth), serfil_file::kSsnWidth) + kLineEnd;
}

} // namespace

void exportSerfil(ui::Toolkit& toolkit, const Project& project, const std::string& serfilPath) {
    const std::optional<std::string> path =
        toolkit.saveFileDialog({kExportTitle, serfilPath, {{"All Files (*.*)", "*.*"}}});
    if (!path) {
        return;
    }
    if (ui::fileExists(*path) && toolkit.messageBox(kOverwriteCaption, ui::format(kOverwriteText, path->c_str()),
                                                    ui::Icon::Question, ui::Buttons::YesNo) != ui::Answer::Yes) {
        return;
    }
    const bool written = saveAtomically(*path, [&project](std::ostream& out) {
        for (const std::string& line : project.lb_Stations.lines()) {
            out << serfilFileLine(line);
        }
        return out.good();
    });
    if (!written) {
        toolkit.messageBox(kCannotWriteCaption, ui::format(kCannotWriteMessage, path->c_str()), ui::Icon::Stop,
                           ui::Buttons::OK);
    }
}

} // namespace ardel
