#include "editors/header/FormHeaderInfoDecl.h"

namespace ardel {

namespace {

constexpr int kListLimit = 80;
constexpr int kTitleColumns = 70;
constexpr int kTitleLines = 4;

ui::ControlDecl hiddenField(const char* name) {
    return {.name = name, .kind = ui::ControlKind::TextBox, .tabStop = false, .hidden = true};
}

ui::FormDecl buildDecl() {
    using ui::ControlKind;
    return {
        .name = "FormHeaderInfo",
        .caption = "Add/Modify Header and Project Information",
        .controls =
            {
                {.name = "mtextb_CreationDate",
                 .kind = ControlKind::MaskedText,
                 .label = "Creation Date (CCYYMMDD):",
                 .limit = 10,
                 .hint = "Enter date this data set was created.",
                 .mask = "****/**/**",
                 .digitsOnly = true},
                {.name = "mtextb_JobCode",
                 .kind = ControlKind::MaskedText,
                 .label = "Job Code:",
                 .limit = 2,
                 .hint = "Enter two characters. The first must be an uppercase letter.",
                 .mask = "U?",
                 .upperCase = true},
                {.name = "textb_SubmittingAgencyAbbreviation",
                 .kind = ControlKind::TextBox,
                 .label = "Abbreviation of Submitting Organization:",
                 .limit = 6},
                {.name = "cb_3",
                 .kind = ControlKind::Button,
                 .label = "&More Information",
                 .beside = "textb_SubmittingAgencyAbbreviation"},
                {.name = "textb_SubmittingAgencyName",
                 .kind = ControlKind::TextBox,
                 .label = "Name of Submitting Organization:",
                 .limit = 42},
                {.name = "textb_AssignedNumber",
                 .kind = ControlKind::TextBox,
                 .label = "Assigned G/GPS number (TOV Use Only):",
                 .limit = 6},
                {.name = "label_AssignedNumberOptional",
                 .kind = ControlKind::Label,
                 .label = "(optional)",
                 .beside = "textb_AssignedNumber"},
                {.name = "textb_ProjectTitle",
                 .kind = ControlKind::MultiLineText,
                 .label = "Project Title:",
                 .hint = "See page 2-5 of the Vantry for guidance on Project Title",
                 .fixedPitch = true,
                 .wrapColumns = kTitleColumns,
                 .visibleLines = kTitleLines},
                {.name = "mtextb_ProjectStartDate",
                 .kind = ControlKind::MaskedText,
                 .label = "Project Start Date (CCYYMM):",
                 .limit = 7,
                 .mask = "****/**",
                 .digitsOnly = true},
                {.name = "mtextb_ProjectEndDate",
                 .kind = ControlKind::MaskedText,
                 .label = "Project End Date (CCYYMM):",
                 .limit = 7,
                 .mask = "****/**",
                 .digitsOnly = true},
                {.name = "textb_ChiefOfParty",
                 .kind = ControlKind::TextBox,
                 .label = "Name of Chief of Party",
                 .limit = 18},
                {.name = "textb_ChiefOfPartyInitials",
                 .kind = ControlKind::TextBox,
                 .label = "Chief of Party Initials:",
                 .limit = 3},
                {.name = "textb_SecondChiefOfParty",
                 .kind = ControlKind::TextBox,
                 .label = "Name of Second Chief of Party:",
                 .limit = 18},
                {.name = "textb_SecondChiefOfPartyInitials",
                 .kind = ControlKind::TextBox,
                 .label = "Second Chief of Party Initials:",
                 .limit = 3},
                {.name = "textb_PrimaryStateOrCountry",
                 .kind = ControlKind::TextBox,
                 .label = "Primary State or Country Code:",
                 .limit = 2},
                {.name = "cb_4",
                 .kind = ControlKind::Button,
                 .label = "&More Information",
                 .beside = "textb_PrimaryStateOrCountry"},
                {.name = "combo_TypeOfSurvey",
                 .kind = ControlKind::DropDownList,
                 .label = "Survey Method:",
                 .limit = kListLimit,
                 .items = {"1 - Triangulation", "2 - Trilateration", "3 - Traverse", kGlobalPositioningSystem}},
                {.name = "combo_OrderAndClass",
                 .kind = ControlKind::DropDownList,
                 .label = "Order and Class of Survey:",
                 .limit = kListLimit,
                 .items = {"AA - AA Order Interferometric Positioning", "A0 - A Order Interferometric Positioning",
                           "B0 - B Order Interferometric Positioning", "00 - Trans-Continental Traverse",
                           "10 - First Order ", "21 - Second Order Class I", "22 - Second Order Class II",
                           "31 - Third Order Class I", "32 - Third Order Class II", "40 - Lower Than Third Order"}},
                {.name = "combo_DatumName",
                 .kind = ControlKind::DropDownEdit,
                 .label = "Datum Name:",
                 .limit = kListLimit,
                 .items = {kNorthAmericanDatum83, "WORLD GEODETIC SYS.-72  ", "WORLD GEODETIC SYS.-84  ",
                           "NORTH AMERICAN DATUM-27 "}},
                {.name = "cb_1", .kind = ControlKind::Button, .label = "&Save Data and Close Form", .isDefault = true},
                {.name = "cb_2",
                 .kind = ControlKind::Button,
                 .label = "&Close Form without Saving Data",
                 .isCancel = true},
                hiddenField("textb_OrderAndClass"),
                hiddenField("textb_DatumName"),
                hiddenField("textb_EllipsoidName"),
                hiddenField("textb_SemiMajorAxis"),
                hiddenField("textb_InverseFlattening"),
                hiddenField("textb_SemiMinorAxis"),
                hiddenField("textb_TypeOfSurvey"),
            },
    };
}

} // namespace

const ui::FormDecl& formHeaderInfoDecl() {
    static const ui::FormDecl decl = buildDecl();
    return decl;
}

} // namespace ardel
