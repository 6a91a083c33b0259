#include "editors/session/Form_SessionDecl.h"

namespace ardel {

namespace {

constexpr int kListLimit = 80;
constexpr int kCommentLines = 6;
constexpr int kOccupationLines = 6;
constexpr const char* kOccupationPane = "group_27";

// A key the editor is given: shown, not editable, as wide as the key.
ui::ControlDecl shownKey(const char* name, const char* label, int width, const char* beside = "") {
    return {.name = name,
            .kind = ui::ControlKind::TextBox,
            .label = label,
            .limit = width,
            .readOnly = true,
            .tabStop = false,
            .beside = beside};
}

ui::FormDecl buildDecl() {
    using ui::ControlKind;
    return {
        .name = "Form_Session",
        .caption = "GPS Session  Information for *25*,*26*, and *27* records",
        .controls =
            {
                shownKey("textb_SSN", "Station:", 4),
                shownKey("textb_JSIN", "Instrument", 3, "textb_SSN"),
                shownKey("textb_JSAN", "Antenna", 3, "textb_JSIN"),
                {.name = "textb_MediaID",
                 .kind = ControlKind::TextBox,
                 .label = "Media Identifier:",
                 .limit = 10,
                 .readOnly = true,
                 .tabStop = false},
                {.name = "combo_manufacturer",
                 .kind = ControlKind::DropDownList,
                 .label = "Receiver Manufacturer:",
                 .limit = kListLimit,
                 .hint = "This 1 character code is used in the media identifier",
                 .items = {"A - ASHTECH",
                           "C - TOPCON",
                           "E - MAGELLAN",
                           "D - DEL NORTE ",
                           "G - ALLEN OSBORNE",
                           "I - ISTAC",
                           "J - JAVAD POSITIONING SYSTEMS",
                           "K - SOKKIA",
                           "L - MIN-MAC",
                           "M - MACROMETER",
                           "N - NORSTAR",
                           "O - MOTOROLA",
                           "P - SPECTRA PRECISION",
                           "Q - 3S NAVIGATION",
                           "R - TRIMBLE",
                           "S - SERCEL",
                           "T - TEXAS INSTRUMENTS",
                           "W - LEICA/WILD",
                           "V - NOVATEL",
                           "X - OTHER"}},
                {.name = "textb_sessionID",
                 .kind = ControlKind::TextBox,
                 .label = "Letter or Number of Session:",
                 .limit = 1,
                 .hint = "This one character code is used in the media identifier"},
                {.name = "textb_Initials",
                 .kind = ControlKind::TextBox,
                 .label = "Initials of the Observer",
                 .limit = 3,
                 .hint = "Enter Observer's Initials"},
                {.name = "textb_CableLength",
                 .kind = ControlKind::TextBox,
                 .label = "Cable Length in Meters(MM):",
                 .limit = 2,
                 .hint = "Enter the length of the cable used to connect receiver and Antenna (in meters)."},
                {.name = "textb_Comments",
                 .kind = ControlKind::MultiLineText,
                 .label = "Session Comments (*26* records):",
                 .hint = "Enter comments about this session. Enter as many lines as you want. Do not break words "
                         "between lines.",
                 .fixedPitch = true,
                 .wrapColumns = kSessionCommentColumns,
                 .visibleLines = kCommentLines},
                {.name = kOccupationPane, .kind = ControlKind::GroupBox},
                {.name = "label_27",
                 .kind = ControlKind::Label,
                 .label = "GPS Occupation Measurement (*27*) Records (The Vantry requires at least two of these.)",
                 .group = kOccupationPane},
                {.name = "label_27Order",
                 .kind = ControlKind::Label,
                 .label = "Added records ore inserted in chronological order.",
                 .group = kOccupationPane},
                {.name = "heading_27",
                 .kind = ControlKind::Heading,
                 .label = "Date  Time Ant.Ht.  Weather Data",
                 .group = kOccupationPane,
                 .tabStop = false,
                 .fixedPitch = true},
                {.name = "lb_27",
                 .kind = ControlKind::TextList,
                 .group = kOccupationPane,
                 .fixedPitch = true,
                 .visibleLines = kOccupationLines},
                {.name = "cb_Add", .kind = ControlKind::Button, .label = "Add", .group = kOccupationPane},
                {.name = "cb_Delete",
                 .kind = ControlKind::Button,
                 .label = "Delete",
                 .group = kOccupationPane,
                 .beside = "cb_Add"},
                {.name = "cb_Modify",
                 .kind = ControlKind::Button,
                 .label = "Modify",
                 .group = kOccupationPane,
                 .beside = "cb_Delete"},
                {.name = "cb_OK", .kind = ControlKind::Button, .label = "&Save Data and Close Form", .isDefault = true},
                {.name = "cb_Cancel",
                 .kind = ControlKind::Button,
                 .label = "&Close Form without Saving Data",
                 .isCancel = true},
            },
    };
}

} // namespace

const ui::FormDecl& formSessionDecl() {
    static const ui::FormDecl decl = buildDecl();
    return decl;
}

} // namespace ardel
