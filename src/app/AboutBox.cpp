#include "app/AboutBox.h"

namespace ardel {

namespace {
constexpr const char* kHistory = "Ardel lays out the records of a GPS survey project in the columns of a B-file:\n"
                                 "the project header, stations, receivers, antennas and sessions with their\n"
                                 "occupation measurements, numbered 10 apart and ready for submission.\n\n"
                                 "It began as a small entry form for station records and grew, release by\n"
                                 "release, into an editor for whole projects: reading B-files back, converting\n"
                                 "old antenna codes, SERFIL and defaults files, sorting and renumbering.";

constexpr const char* kLicence = "Copyright 2026 The Ardel developers. Released under the MIT licence.";

ui::FormDecl buildDecl() {
    using ui::ControlKind;
    return {
        .name = "AboutBox",
        .caption = "About Ardel",
        .controls = {{.name = "label_Name", .kind = ControlKind::Label, .label = "Ardel - Create B-File"},
                     {.name = "label_Version", .kind = ControlKind::Label, .label = std::string("Version ") + kVersion},
                     {.name = "label_History", .kind = ControlKind::Label, .label = kHistory},
                     {.name = "label_Licence", .kind = ControlKind::Label, .label = kLicence},
                     {.name = "cb_OK", .kind = ControlKind::Button, .label = "OK", .isDefault = true}}};
}
} // namespace

const ui::FormDecl& aboutBoxDecl() {
    static const ui::FormDecl decl = buildDecl();
    return decl;
}

AboutBox::AboutBox(ui::Toolkit& toolkit) : toolkit_(toolkit), form_(toolkit.createForm(aboutBoxDecl())) {
    form_->button("cb_OK").events.clicked = [this] { form_->done(1); };
}

void AboutBox::run() {
    form_->exec();
}

std::string disclaimerText() {
    return "Ardel is provided as is, without warranty of any kind. The user is responsible\n"
           "for checking every B-file it writes before the file is submitted; the makers\n"
           "accept no liability for errors in the data or for any loss arising from its use.";
}

void showDisclaimer(ui::Toolkit& toolkit) {
    toolkit.messageBox("Disclaimer", disclaimerText(), ui::Icon::Information, ui::Buttons::OK);
}

} // namespace ardel
