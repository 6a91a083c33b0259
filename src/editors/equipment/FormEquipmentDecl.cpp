#include "editors/equipment/FormEquipmentDecl.h"

namespace ardel {

namespace {

constexpr int kListLimit = 80;
constexpr int kListPointSize = 8;

// clang-format off
const std::vector<std::string> kEquipmentCodes = {
    "050 - Unspecified                 GPS Satellite Tracking System",
    "051 - Western Atlas Intl.         Macrometer V100",
    "052 - Western Atlas Intl.         Macrometer II",
    "053 - Texas Instruments, Inc.     TI-4100 (GESAR Software)",
    "054 - Texas Instruments, Inc.     TI-4100 (TI EPROM Software)",
    "055 - Trimble Navigation, Ltd.    4000 series",
    "056 - Leica-Wild-Magnavox         WM101/WM102/GPS-System 200",
    "057 - ISTAC, Inc.                 Model 2002",
    "058 - EDO Canada, Ltd.            EDO JMR GeoTrak",
    "059 - Motorola, Inc.              Eagle series",
    "060 - Norstar Instruments, Ltd.   Norstar 1000",
    "061 - SERCEL Inc. - USA           TR5S, NR101, NR104",
    "062 - Western Atlas Intl.         MINI-MAC",
    "063 - Ashtech, Inc.               XII series",
    "064 - Allen Osborne Assoc., Inc.  Rogue series",
    "065 - NovAtel Commun., Ltd.       NovAtel GPSCard",
    "066 - Topcon America Corp.        GP-R1, GP-R1D",
    "067 - Del Norte Technology, Inc.  1008, 1012",
    "068 - Magellan                    NAV5000 PRO",
};
// clang-format on

ui::FormDecl buildDecl() {
    using ui::ControlKind;
    return {
        .name = "FormEquipment",
        .caption = "Equipment Record Entry (data for *70* records)",
        .controls =
            {
                {.name = "textb_JSIN",
                 .kind = ControlKind::TextBox,
                 .label = "Job Specific Instrument Number:",
                 .limit = 3,
                 .hint = "Enter a 3 digit number"},
                {.name = "combo_EquipmentCode",
                 .kind = ControlKind::DropDownList,
                 .label = "TOV Survey Equipment Code:",
                 .limit = kListLimit,
                 .items = kEquipmentCodes,
                 .fixedPitch = true,
                 .pointSize = kListPointSize},
                {.name = "textb_Manufacturer",
                 .kind = ControlKind::TextBox,
                 .label = "Instrument Manufacturer:",
                 .limit = 18,
                 .hint = "Enter up to 18 characters. See Vantry Annex F."},
                {.name = "textb_Type",
                 .kind = ControlKind::TextBox,
                 .label = "Type of Instrument or Trade Name:",
                 .limit = 22,
                 .hint = "Enter an equipment type of up to 22 characters"},
                {.name = "textb_Model",
                 .kind = ControlKind::TextBox,
                 .label = "Model of Instrument:",
                 .limit = 8,
                 .hint = "Enter up to 8 Characters. See Vantry Annex F."},
                {.name = "textb_SerialNumber",
                 .kind = ControlKind::TextBox,
                 .label = "Instrument Serial Number:",
                 .limit = 10,
                 .hint = "Enter up to 10 characters"},
                {.name = "cb_OK", .kind = ControlKind::Button, .label = "&Save Data and Close Form", .isDefault = true},
                {.name = "cb_Cancel",
                 .kind = ControlKind::Button,
                 .label = "&Close Form without Saving Data",
                 .isCancel = true},
            },
    };
}

} // namespace

const ui::FormDecl& formEquipmentDecl() {
    static const ui::FormDecl decl = buildDecl();
    return decl;
}

} // namespace ardel
