#include "editors/station/Form_StationDecl.h"

namespace ardel {

namespace {

constexpr const char* kStationPane = "group_Station";
constexpr const char* kOrthometricGroup = "group_OrthometricHeight";
constexpr const char* kEllipsoidalGroup = "group_EllipsoidalHeight";
constexpr const char* kCodesPane = "group_StationCodes";
// A height laid out as MMMM.mmm; no longer text could be laid out.
constexpr int kLaidOutHeightWidth = 8;

ui::ControlDecl group(const char* name, const char* label) {
    return {.name = name, .kind = ui::ControlKind::GroupBox, .label = label};
}

// A drop-down of coded items: the code, blanks, then its meaning, aligned in a fixed-pitch font.
ui::ControlDecl codeList(const char* name, ui::ControlKind kind, const char* label, int limit, const char* inGroup,
                         std::vector<std::string> items) {
    return {.name = name,
            .kind = kind,
            .label = label,
            .limit = limit,
            .items = std::move(items),
            .group = inGroup,
            .fixedPitch = true};
}

ui::ControlDecl stationField(ui::ControlDecl decl) {
    decl.group = kStationPane;
    return decl;
}

std::vector<ui::ControlDecl> stationControls() {
    using ui::ControlKind;
    return {
        group(kStationPane, ""),
        stationField({.name = "textb_SSN",
                      .kind = ControlKind::TextBox,
                      .label = "Station Serial Number (SSN):",
                      .limit = 4,
                      .hint = "Enter a 4 digit number",
                      .captionHint = "must contain exactly four numberic characters",
                      .digitsOnly = true}),
        stationField({.name = "textb_4CharacterID",
                      .kind = ControlKind::TextBox,
                      .label = "4 character ID:",
                      .limit = 4,
                      .hint = "This 4 character ID is not used on the *80* record, but will be used in the media "
                              "identifier on *25* records"}),
        stationField({.name = "checkbox_FixStation",
                      .kind = ControlKind::CheckBox,
                      .label = "Check to fix station:",
                      .hint = "Check this box if this is a fixed station"}),
        stationField({.name = "textb_StationName",
                      .kind = ControlKind::TextBox,
                      .label = "Station Name:",
                      .limit = 30,
                      .hint = "Enter a station name of up to 30 characters",
                      .captionHint = "30 character name"}),
        stationField(
            {.name = "textb_Latitude", .kind = ControlKind::TextBox, .label = "Latitude (DDMMSS.SSSSS):", .limit = 12}),
        stationField({.name = "combo_LatitudeCode",
                      .kind = ControlKind::DropDownList,
                      .label = "Latitude Code:",
                      .limit = 1,
                      .hint = "Enter the Hemisphere",
                      .items = {"N", "S"},
                      .beside = "textb_Latitude"}),
        stationField({.name = "textb_Longitude",
                      .kind = ControlKind::TextBox,
                      .label = "Longitude (DDDMMSS.SSSSS):",
                      .limit = 13}),
        stationField({.name = "combo_LongitudeCode",
                      .kind = ControlKind::DropDownList,
                      .label = "Longitude Code",
                      .limit = 1,
                      .hint = "Enter the Direction of Longitude",
                      .items = {"W", "E"},
                      .beside = "textb_Longitude"}),
    };
}

std::vector<ui::ControlDecl> orthometricControls() {
    using ui::ControlKind;
    return {
        group(kOrthometricGroup, "Orthometric Height Information"),
        {.name = "textb_Elevation",
         .kind = ControlKind::TextBox,
         .label = "Orthometric Height (MMMM.mmm):",
         .limit = kLaidOutHeightWidth,
         .group = kOrthometricGroup},
        {.name = "combo_TOVIDBElevation",
         .kind = ControlKind::DropDownList,
         .label = "Is this elevation from the TOV Data Base?",
         .limit = 1,
         .items = {"Y", "N"},
         .group = kOrthometricGroup},
        codeList("combo_OrthometricHeightCode", ControlKind::DropDownList, "Orthometric Height Code:", 300,
                 kOrthometricGroup,
                 {"A - The control point is a bench mark (BM) in the TOVIDB",
                  "B - BM determined using Pridal/TOV procedures but not in the TOVIDB",
                  "C - The control point is a 'posted' bench mark", "D - OHT determined by datum transformation",
                  "H - OHT determined using Pridal procedures but tied to only one BM",
                  "L - OHT established using TOV leveling RESET procedures", "F - OHT established using fly-leveling",
                  "T - OHT determined by leveling between control points which are not BMs",
                  "R - OHT determined by reciprocal vertical angles",
                  "V - OHT determined by non-reciprocal vertical angles",
                  "P - OHT determined by a photogrammetric method", "M - OHT scaled from a topographic map",
                  "G - OHT derived from GPS-observed heights with decimeter accuracy",
                  "J - OHT derived from GPS-observed heights, tied to meter accuracy control.",
                  "K - OHT derived from GPS-observed heights, according to the 2cm/5cm ellipsoid height standards, "
                  "and a high resolution national geoid model"}),
        codeList("combo_OrthometricHeightDatum", ControlKind::DropDownList, "Orthometric Height Datum:", 2,
                 kOrthometricGroup,
                 {"29     NATIONAL GEODETIC VERTICAL DATUM OF 1929", "88     NORTH AMERICAN VERTICAL DATUM OF 1988",
                  "55     INTERNATIONAL GREAT LAKES DATUM OF 1955", "85     INTERNATIONAL GREAT LAKES DATUM OF 1985",
                  "00     ANY OTHER DATUM. SPECIFY IN COMMENTS."}),
        {.name = "textb_OrthometricHeightOrderandClass",
         .kind = ControlKind::TextBox,
         .label = "Orthometric Height Order and Class:",
         .limit = 2,
         .group = kOrthometricGroup},
    };
}

std::vector<ui::ControlDecl> ellipsoidalControls() {
    using ui::ControlKind;
    return {
        group(kEllipsoidalGroup, "Ellipsoidal Height Information (optional):"),
        {.name = "textb_EllipsoidalHeight",
         .kind = ControlKind::TextBox,
         .label = "Ellipsoidal Height ((MMMM.mmm):",
         .limit = kLaidOutHeightWidth,
         .group = kEllipsoidalGroup},
        codeList("combo_EllipsoidalHeightCode", ControlKind::DropDownEdit, "Ellipsoidal Height Code:", 0,
                 kEllipsoidalGroup,
                 {"A      EHT DETERMINED BY GPS IN A HIGH PRECISION GEODETIC NETWORK OR TIED TO A HIGH PRECISION "
                  "GEODETIC NETWORK (HPGN).",
                  "B      EHT DETERMINED BY GPS NOT TIED TO A HPGN.",
                  "C      EHT DETERMINED BY ADDING A GEOID HEIGHT TO AN ORTHOMETRIC HEIGHT WITH AN OHT CODE OF A, B, "
                  "C, F, H, OR L.",
                  "D      EHT DETERMINED BY ADDING A GEOID HEIGHT TO AN ORTHOMETRIC HEIGHT WITH AN OHT CODE OF G, R, "
                  "OR T.",
                  "E      EHT DETERMINED BY ADDING A GEOID HEIGHT TO AN ORTHOMETRIC HEIGHT WITH AN OHT CODE OF V, M, "
                  "P, OR D."}),
        codeList("combo_EllipsoidalHeightDatum", ControlKind::DropDownList, "Ellipsoidal Height Datum:", 1,
                 kEllipsoidalGroup,
                 {"A     NORTH AMERICAN DATUM OF 1983", "B     INTERNATIONAL TERRESTRIAL REFERENCE FRAME OF 1989",
                  "C     NATIONAL EARTH ORIENTATION SERVICE (NEOS ANNUAL", "          REPORT FOR 1990)",
                  "D     INTERNATIONAL TERRESTRIAL REFERENCE FRAME OF 1994 (ITRF 94)",
                  "E     INTERNATIONAL TERRESTRIAL REFERENCE FRAME OF 1996 (ITRF 96)",
                  "Z     ANY OTHER DATUM. SPECIFY IN COMMENTS."}),
        codeList("combo_EllipsoidalHeightOrderandClass", ControlKind::DropDownEdit,
                 "Ellipsoidal Height Order and Class:", 0, kEllipsoidalGroup,
                 {"11  First Order, Class I ", "12  First Order, Class II", "21  Second Order, Class I",
                  "22  Second Order, Class II", "31  Third Order, Class I ", "32  Third Order, Class II",
                  "41  Fourth Order, Class I", "42  Fourth Order, Class II", "51  Fifth Order, Class I",
                  "52  Fifth Order, Class II"}),
    };
}

std::vector<ui::ControlDecl> codeControls() {
    using ui::ControlKind;
    return {
        group(kCodesPane, ""),
        {.name = "textb_StateOrCountry",
         .kind = ControlKind::TextBox,
         .label = "State or Country Code:",
         .limit = 2,
         .hint = "Enter the State or Country Code",
         .group = kCodesPane},
        {.name = "cb_1",
         .kind = ControlKind::Button,
         .label = "&More Information",
         .group = kCodesPane,
         .beside = "textb_StateOrCountry"},
        codeList("combo_StationOrder", ControlKind::DropDownList, "Station Order:", 80, kCodesPane,
                 {"A     Order A Interferometric Positioning", "B     Order B Interferometric Positioning",
                  "0     Trans-Continental Traverse (TCT)", "1     First-Order Survey Scheme",
                  "2     Second-Order ( Class I and Class II ) Survey Scheme",
                  "3     Third-Order ( Class I and Class II ) Survey Scheme",
                  "4     Lower-Than-Third-Order Survey Scheme and Supplemental Unmonumented Recoverable Landmarks",
                  "5     First-Order Survey Scheme NonRecoverable",
                  "6     Second-Order ( Class I an Class II ) Survey Scheme NonRecoverable",
                  "7     Third-Order ( class I and II ) Survey Scheme NonRecoverable",
                  "8      Lower-Than-Third-Order Survey Scheme NonRecoverable"}),
        codeList("combo_StationType", ControlKind::DropDownList, "Station Type:", 120, kCodesPane,
                 {"1       Main-Scheme Station Positioned Primarily by Triangulation",
                  "2       Main-Scheme Station  Positioned Primarily by Trilateration",
                  "3       Main-Scheme Station  Positioned Primarily by Traverse",
                  "A       Main-Scheme Station  Positioned Primarily by Interferometric Satellite Relative Positioning",
                  "4       Supplemental Station  Positioned Primarily by Triangulation",
                  "5       Supplemental Station Positioned Primarily by Trilateration",
                  "6       Supplemental Station Positionae Primarily by Traverse",
                  "7       Supplemental Station Positioned by Intersection ( Note: 1 if Main-Scheme Station )",
                  "8       Supplemental Station Positioned by Resection",
                  "B       Supplemental Station Positioned Primarily by Interferometric Satellite Relative "
                  "Positioning"}),
        {.name = "cb_OK", .kind = ControlKind::Button, .label = "&Save data and close form", .isDefault = true},
        {.name = "cb_Cancel",
         .kind = ControlKind::Button,
         .label = "&Close form without Saving Data",
         .isCancel = true},
    };
}

ui::FormDecl buildDecl() {
    ui::FormDecl decl{.name = "Form_Station", .caption = "Station Information for *80*, *86*, and *90* records"};
    for (auto part : {stationControls(), orthometricControls(), ellipsoidalControls(), codeControls()}) {
        decl.controls.insert(decl.controls.end(), part.begin(), part.end());
    }
    return decl;
}

} // namespace

const ui::FormDecl& formStationDecl() {
    static const ui::FormDecl decl = buildDecl();
    return decl;
}

} // namespace ardel
