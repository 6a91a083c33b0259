#include "editors/header/HelpBoxes.h"

namespace ardel {

namespace {
constexpr const char* kAnnexCAddress = "https://www.tov.example/Pridal/Vantry/annexc/annexc.index.html";
constexpr const char* kAnnexAAddress = "https://www.tov.example/Pridal/Vantry/annexa/annexa.index.html";

// Shared by both boxes: how to get a machine readable copy of an annex.
constexpr const char* kCopyAndPaste = "you have a machine readable copy of this annex on your \n"
                                      "        computer, you may copy and paste the approved abbreviation \n"
                                      "        into this field. If you don't have such a file but wish \n"
                                      "        to obtain one, you may download it from the TOV Web Site \n"
                                      "        ";
} // namespace

std::string agenciesTableText() {
    return std::string("Enter the approved abbreviation of the organization \n"
                       "        submitting the project to TOV. Approved abbreviations \n"
                       "        are found in Annex C of the Vantry (Pridal 1998). If \n"
                       "        ") +
           kCopyAndPaste + kAnnexCAddress +
           ". \n"
           "        If the submitting organization is not in this list, you must contact \n"
           "        TOV to make the appropriate arrangements, according to the \n"
           "        instructions in the Vantry.";
}

std::string countriesTableText() {
    return std::string("Enter the approved state or country code \n"
                       "        from Annex A of the Vantry (Pridal 1998). If \n"
                       "        ") +
           kCopyAndPaste + kAnnexAAddress +
           ". \n"
           "        If the appropriate code is not in this list, you must contact \n"
           "        TOV to make the appropriate arrangements.";
}

void showAgenciesTable(ui::Toolkit& toolkit) {
    toolkit.messageBox("Agencies Table", agenciesTableText(), ui::Icon::Information, ui::Buttons::OK);
}

void showCountriesTable(ui::Toolkit& toolkit) {
    toolkit.messageBox("Countries Table", countriesTableText(), ui::Icon::Information, ui::Buttons::OK);
}

} // namespace ardel
