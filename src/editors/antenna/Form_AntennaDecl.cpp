#include "editors/antenna/Form_AntennaDecl.h"

#include "editors/antenna/AntennaCodes.h"

namespace ardel {

namespace {

constexpr int kCodeLimit = 100;
constexpr int kListPointSize = 8;

ui::FormDecl buildDecl() {
    using ui::ControlKind;
    return {
        .name = "Form_Antenna",
        .caption = "Antenna Information for *72* records",
        .controls =
            {
                {.name = "textb_JSAN",
                 .kind = ControlKind::TextBox,
                 .label = "Job Specific Antenna Number  (JSAN):",
                 .limit = 3,
                 .digitsOnly = true},
                {.name = "combo_AntennaCode",
                 .kind = ControlKind::DropDownEdit,
                 .label = "TOV GPS Antenna Code:",
                 .limit = kCodeLimit,
                 .hint = "This code must be taken from Annex M of the Vantry",
                 .items = antennaCodeItems(),
                 .fixedPitch = true,
                 .pointSize = kListPointSize},
                {.name = "textb_SerialNumber",
                 .kind = ControlKind::TextBox,
                 .label = "Serial Number:",
                 .limit = 12,
                 .hint = "Enter 12 characters, left Justified. Leave Blank if not known."},
                {.name = "cb_OK", .kind = ControlKind::Button, .label = "&Save Data and Close Form", .isDefault = true},
                {.name = "cb_Cancel",
                 .kind = ControlKind::Button,
                 .label = "&Close form without saving data",
                 .isCancel = true},
                {.name = "cb_4",
                 .kind = ControlKind::Button,
                 .label = "More Information",
                 .beside = "combo_AntennaCode"},
            },
    };
}

} // namespace

const ui::FormDecl& formAntennaDecl() {
    static const ui::FormDecl decl = buildDecl();
    return decl;
}

} // namespace ardel
