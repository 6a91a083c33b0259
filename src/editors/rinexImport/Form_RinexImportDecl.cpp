#include "editors/rinexImport/Form_RinexImportDecl.h"

#include "editors/rinexImport/ImportRows.h"

namespace ardel {

namespace {

constexpr int kVisibleFiles = 12;
constexpr int kDetailLines = 8;
// The details are as wide as a file's line with a few problems counted, and so is the window.
constexpr int kDetailColumns = 110;
constexpr const char* kRowPane = "group_Row";
constexpr const char* kAllPane = "group_All";

ui::ControlDecl textBox(const char* name, const char* label, int limit, const char* group, const char* hint) {
    return {
        .name = name, .kind = ui::ControlKind::TextBox, .label = label, .limit = limit, .hint = hint, .group = group};
}

ui::FormDecl buildDecl() {
    using namespace rinex_dialog;
    using ui::ControlKind;
    ui::ControlDecl letter =
        textBox(kLetter, "Letter of &Session:", 1, kRowPane, "The session letter of the media identifier (A-X)");
    letter.upperCase = true;
    ui::ControlDecl initials = textBox(kInitials, "Observer &Initials:", 3, kRowPane, "Enter Observer's Initials");
    initials.upperCase = true;
    ui::ControlDecl cable =
        textBox(kCable, "&Cable Length (m):", 2, kRowPane, "The length of the antenna cable, in metres");
    cable.digitsOnly = true;
    ui::ControlDecl allInitials =
        textBox(kAllInitials, "Observer I&nitials:", 3, kAllPane, "Initials for every file, set by the button below");
    allInitials.upperCase = true;
    ui::ControlDecl allCable =
        textBox(kAllCable, "Ca&ble Length (m):", 2, kAllPane, "Cable length for every file, set by the button below");
    allCable.digitsOnly = true;
    return {
        .name = "Form_RinexImport",
        .caption = "Import RINEX Observation Files",
        .controls =
            {
                {.name = kHeading,
                 .kind = ControlKind::Heading,
                 .label = rinex_rows::heading(),
                 .tabStop = false,
                 .fixedPitch = true},
                {.name = kFiles,
                 .kind = ControlKind::TextList,
                 .hint = "One session for each file; select a file to edit it below",
                 .fixedPitch = true,
                 .visibleLines = kVisibleFiles},
                {.name = kDetails,
                 .kind = ControlKind::MultiLineText,
                 .label = "Selected file:",
                 .readOnly = true,
                 .tabStop = false,
                 .fixedPitch = true,
                 .wrapColumns = kDetailColumns,
                 .visibleLines = kDetailLines},
                {.name = kAntexLabel, .kind = ControlKind::Label, .label = rinex_rows::antexText("")},
                {.name = kRowPane, .kind = ControlKind::GroupBox, .label = "Selected File"},
                letter,
                initials,
                cable,
                {.name = kAllPane, .kind = ControlKind::GroupBox, .label = "All Files"},
                allInitials,
                allCable,
                {.name = kSetAll,
                 .kind = ControlKind::Button,
                 .label = "Set for &All Files",
                 .hint = "Give every file these initials and this cable length",
                 .group = kAllPane},
                {.name = kAntex,
                 .kind = ControlKind::Button,
                 .label = "ANTEX &File...",
                 .hint = "Choose the ANTEX file whose L1 phase-centre offsets are added to the antenna heights"},
                {.name = kImport, .kind = ControlKind::Button, .label = "Import", .isDefault = true},
                {.name = kCancel, .kind = ControlKind::Button, .label = "Cancel", .isCancel = true},
            },
        .columns = 2,
    };
}

} // namespace

const ui::FormDecl& formRinexImportDecl() {
    static const ui::FormDecl decl = buildDecl();
    return decl;
}

} // namespace ardel
