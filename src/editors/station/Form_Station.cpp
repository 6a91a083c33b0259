#include "editors/station/Form_Station.h"

#include "editors/header/HelpBoxes.h"
#include "editors/station/Form_StationDecl.h"
#include "editors/station/StationLayout.h"
#include "model/Lines.h"
#include "ui/Text.h"
#include "utilities/Defaults.h"
#include "validate/Validators.h"

#include <algorithm>
#include <utility>

namespace ardel {

namespace {

constexpr std::size_t kBodyWidth = 70;

using namespace station_layout;

// A laid-out number field: the characters of its text that go into a body.
constexpr Column kLatitudeWhole{0, 6};
constexpr Column kLatitudeDecimals{7, 5};
constexpr Column kLongitudeWhole{0, 7};
constexpr Column kLongitudeDecimals{8, 5};
constexpr Column kHeightMetres{0, 4};
constexpr Column kHeightMillimetres{5, 3};

// The characters of `text` in the column, as far as the text reaches.
std::string cut(const std::string& text, Column column) {
    return slice(text, column.offset, column.width);
}

// The characters of a body in the column; a short body reads as padded with blanks.
std::string piece(const std::string& body, Column column) {
    return fit(cut(body, column), column.width);
}

// Writes `text` left-justified into the column, cut to its width and padded with blanks.
void put(std::string& body, Column column, const std::string& text) {
    body.replace(column.offset, column.width, fit(text, column.width));
}

bool isBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

constexpr const char* kSsnBox = "textb_SSN";
constexpr const char* kIdBox = "textb_4CharacterID";
constexpr const char* kFixBox = "checkbox_FixStation";
constexpr const char* kNameBox = "textb_StationName";
constexpr const char* kLatitudeBox = "textb_Latitude";
constexpr const char* kLatitudeCodeList = "combo_LatitudeCode";
constexpr const char* kLongitudeBox = "textb_Longitude";
constexpr const char* kLongitudeCodeList = "combo_LongitudeCode";
constexpr const char* kElevationBox = "textb_Elevation";
constexpr const char* kDataBaseList = "combo_TOVIDBElevation";
constexpr const char* kOrthometricCodeList = "combo_OrthometricHeightCode";
constexpr const char* kOrthometricDatumList = "combo_OrthometricHeightDatum";
constexpr const char* kOrthometricOrderBox = "textb_OrthometricHeightOrderandClass";
constexpr const char* kEllipsoidalBox = "textb_EllipsoidalHeight";
constexpr const char* kEllipsoidalCodeList = "combo_EllipsoidalHeightCode";
constexpr const char* kEllipsoidalDatumList = "combo_EllipsoidalHeightDatum";
constexpr const char* kEllipsoidalOrderList = "combo_EllipsoidalHeightOrderandClass";
constexpr const char* kStateBox = "textb_StateOrCountry";
constexpr const char* kStationOrderList = "combo_StationOrder";
constexpr const char* kStationTypeList = "combo_StationType";

constexpr const char* kTextBoxes[] = {
    kSsnBox,         kIdBox,   kNameBox, kLatitudeBox, kLongitudeBox, kElevationBox, kOrthometricOrderBox,
    kEllipsoidalBox, kStateBox};
constexpr const char* kLists[] = {
    kLatitudeCodeList,    kLongitudeCodeList,    kDataBaseList,         kOrthometricCodeList, kOrthometricDatumList,
    kEllipsoidalCodeList, kEllipsoidalDatumList, kEllipsoidalOrderList, kStationOrderList,    kStationTypeList};
// The lists whose items are too long for the box: their drop-downs fit the longest item.
constexpr const char* kLongLists[] = {kOrthometricCodeList,  kEllipsoidalCodeList,  kOrthometricDatumList,
                                      kEllipsoidalDatumList, kEllipsoidalOrderList, kStationOrderList,
                                      kStationTypeList};
// Any change to one of these makes a save build the *86* body.
constexpr const char* kHeightsLists[] = {kDataBaseList,        kOrthometricCodeList,  kOrthometricDatumList,
                                         kEllipsoidalCodeList, kEllipsoidalDatumList, kEllipsoidalOrderList};

// A new station's defaults: the key and the list that selects its value.
struct ListDefault {
    const char* key;
    const char* list;
};

// clang-format off
constexpr ListDefault kListDefaults[] = {
    {"Latitude Code",                kLatitudeCodeList},
    {"Longitude Code",               kLongitudeCodeList},
    {"Datum for Orthometric Height", kOrthometricDatumList},
    {"Ellipsoidal Height Code",      kEllipsoidalCodeList},
    {"Ellipsoidal Height Datum",     kEllipsoidalDatumList},
    {"Station Order",                kStationOrderList},
    {"Station Type",                 kStationTypeList},
};
// clang-format on
constexpr const char* kStateDefault = "State or Country Code";

// Characters the coordinate and height boxes take without a beep.
constexpr const char* kCoordinateCharacters = "0123456789 .";
constexpr const char* kHeightCharacters = "0123456789 +-.";

constexpr const char* kSsnInUse = "Serial Number %s cannot be used \r\nbecause it already exists. \n"
                                  "Please click OK and correct this error before proceeding.";
constexpr const char* kSerfilSsnInUse = "Serial Number %s cannot be used \r\nbecause it already exists.";
constexpr const char* kSerfilOffersId = "The SERFIL contains the 4-Character ID\n%s\n        for this SSN. Would you "
                                        "like\n        to use this value?";
constexpr const char* kSerfilOffersSsn = "The SERFIL contains the SSN\n%s\n        for this 4-characterID. Would you "
                                         "like\n        to use this value?";
constexpr const char* kSsnChanged = "The SSN for this Station Has Changed.\n                One or more session "
                                    "records may become invalid.\n                Do you wish to continue?";

// A SERFIL line: the SSN, three blanks, the 4-character ID.
constexpr Column kSerfilSsn{0, 4};
constexpr Column kSerfilId{7, 4};

} // namespace

Form_Station::Form_Station(ui::Toolkit& toolkit) : toolkit_(toolkit), form_(toolkit.createForm(formStationDecl())) {
    bindEvents();
}

Form_Station::~Form_Station() = default;

void Form_Station::setStationStore(const TextStore& stations) {
    stations_ = &stations;
}

bool Form_Station::heightsChanged() const {
    return heightsChanged_;
}

bool Form_Station::fixedBoxClicked() const {
    return fixedBoxClicked_;
}

void Form_Station::bindEvents() {
    bindLeavingStep(kSsnBox, [this] { testSsn(); });
    form_->control(kIdBox).events.textChanged = [this] { lookUpSerfilId(); };
    form_->control(kFixBox).events.clicked = [this] { fixedBoxClicked_ = true; };
    for (const char* box : {kLatitudeBox, kLongitudeBox}) {
        form_->control(box).events.textChanged = [this, box] {
            markChanged(box);
            beepUnless(box, kCoordinateCharacters);
        };
    }
    bindLeavingStep(kLatitudeBox, [this] { layOutCoordinate(kLatitudeBox, true); });
    bindLeavingStep(kLongitudeBox, [this] { layOutCoordinate(kLongitudeBox, false); });
    bindHeightsEvents();
    form_->button("cb_1").events.clicked = [this] { showCountriesTable(toolkit_); };
    form_->button("cb_OK").events.clicked = [this] { save(); };
    form_->button("cb_Cancel").events.clicked = [this] { form_->done(ui::kCancelled); };
}

void Form_Station::bindHeightsEvents() {
    auto heightsChange = [this] { heightsChanged_ = heightsChanged_ || !fillingFromCode_; };
    for (const char* box : {kElevationBox, kEllipsoidalBox}) {
        form_->control(box).events.textChanged = [this, box, heightsChange] {
            markChanged(box);
            beepUnless(box, kHeightCharacters);
            heightsChange();
        };
        bindLeavingStep(box, [this, box] { layOutHeight(box); });
    }
    form_->control(kOrthometricOrderBox).events.textChanged = heightsChange;
    for (const char* list : kHeightsLists) {
        form_->control(list).events.selectionChanged = heightsChange;
        form_->control(list).events.textChanged = heightsChange;
    }
}

// A field with a step that runs when the focus leaves it: the SSN test or a layout.
void Form_Station::bindLeavingStep(const char* box, std::function<void()> step) {
    ui::ControlEvents& events = form_->control(box).events;
    events.focusLost = [this, box, step = std::move(step)] {
        unleftFields_.erase(box);
        step();
    };
    if (!events.textChanged) {
        events.textChanged = [this, box] { markChanged(box); };
    }
}

void Form_Station::markChanged(const char* box) {
    if (!fillingFromCode_) {
        unleftFields_.insert(box);
    }
}

int Form_Station::run(StationBodies& bodies, const std::string& agencyAbbreviation, const TextStore& serfil,
                      const TextStore& defaults) {
    agency_ = agencyAbbreviation;
    serfil_ = &serfil;
    defaults_ = &defaults;
    open(bodies);
    if (form_->exec() != ui::kAccepted) {
        return ui::kCancelled;
    }
    bodies = saved_;
    return ui::kAccepted;
}

// Every showing starts from its inputs alone: the fields are emptied first, and the
// flags of an earlier showing (a failed SSN test of a cancelled one too) are cleared.
void Form_Station::open(const StationBodies& bodies) {
    given_ = bodies;
    newStation_ = bodies.station.empty();
    heightsChanged_ = false;
    fixedBoxClicked_ = false;
    ssnError_ = false;
    unleftFields_.clear();
    if (newStation_) {
        unleftFields_.insert(kSsnBox); // a new SSN is tested even when Enter saves at once
    }
    fillingFromCode_ = true;
    clearFields();
    ui::TextBox& ssn = form_->textBox(kSsnBox);
    ssn.setReadOnly(false);
    ssn.setTabStop(true);
    if (newStation_) {
        fillFromDefaults();
    } else {
        fillFromStationBody();
    }
    for (const char* list : kLongLists) {
        form_->comboBox(list).widenToLongestItem();
    }
    if (!bodies.heights.empty()) {
        fillFromHeightsBody();
    }
    form_->checkBox(kFixBox).setChecked(!bodies.fixed.empty());
    currentId_ = text(kIdBox);
    fillingFromCode_ = false;
    ssn.setFocus();
}

void Form_Station::clearFields() {
    for (const char* box : kTextBoxes) {
        form_->textBox(box).setText("");
    }
    for (const char* list : kLists) {
        ui::ComboBox& combo = form_->comboBox(list);
        combo.setSelectedIndex(-1);
        combo.setText("");
    }
}

void Form_Station::fillFromDefaults() {
    for (const ListDefault& entry : kListDefaults) {
        selectDefault(form_->comboBox(entry.list), *defaults_, entry.key);
    }
    if (const auto state = lookupDefault(*defaults_, kStateDefault)) {
        form_->textBox(kStateBox).setText(*state);
    }
}

void Form_Station::fillFromStationBody() {
    using namespace station;
    const std::string& body = given_.station;
    form_->textBox(kSsnBox).setText(ui::trimRight(piece(body, kSsn)));
    form_->textBox(kIdBox).setText(ui::trimRight(given_.id));
    form_->textBox(kNameBox).setText(ui::trimRight(piece(body, kName)));
    form_->textBox(kLatitudeBox).setText(piece(body, kLatitude) + "." + ui::trimRight(piece(body, kLatitudeFraction)));
    selectCode(kLatitudeCodeList, piece(body, kLatitudeCode));
    form_->textBox(kLongitudeBox)
        .setText(piece(body, kLongitude) + "." + ui::trimRight(piece(body, kLongitudeFraction)));
    selectCode(kLongitudeCodeList, piece(body, kLongitudeCode));
    form_->textBox(kElevationBox)
        .setText(piece(body, kElevationMetres) + "." + piece(body, kElevationCentimetres) + " ");
    selectCode(kOrthometricCodeList, piece(body, kElevationCode));
    // An elevation read with the station moves into the *86* body when saved.
    heightsChanged_ = !isBlank(piece(body, kElevation));
    form_->textBox(kStateBox).setText(ui::trimRight(piece(body, kStateOrCountry)));
    selectCode(kStationOrderList, piece(body, kStationOrder));
    selectCode(kStationTypeList, piece(body, kStationType));
}

void Form_Station::fillFromHeightsBody() {
    using namespace heights;
    const std::string& body = given_.heights;
    form_->textBox(kElevationBox).setText(piece(body, kOrthometricMetres) + "." + piece(body, kOrthometricMillimetres));
    selectCode(kDataBaseList, piece(body, kFromDataBase));
    selectCode(kOrthometricCodeList, piece(body, kOrthometricCode));
    selectCode(kOrthometricDatumList, piece(body, kOrthometricDatum));
    form_->textBox(kOrthometricOrderBox).setText(ui::trimRight(piece(body, kOrthometricOrderAndClass)));
    form_->textBox(kEllipsoidalBox)
        .setText(piece(body, kEllipsoidalMetres) + "." + piece(body, kEllipsoidalMillimetres));
    selectCode(kEllipsoidalCodeList, piece(body, kEllipsoidalCode));
    selectCode(kEllipsoidalDatumList, piece(body, kEllipsoidalDatum));
    selectCode(kEllipsoidalOrderList, piece(body, kEllipsoidalOrderAndClass));
}

// Selects the first item that begins with a stored code. A blank code is no choice and
// leaves the list as it is; a code that no item begins with stays in the text of a list
// that takes typing, so that a save writes it back.
void Form_Station::selectCode(const char* list, const std::string& code) {
    if (isBlank(code)) {
        return;
    }
    ui::ComboBox& combo = form_->comboBox(list);
    if (combo.selectPrefix(code) < 0 && combo.decl().kind == ui::ControlKind::DropDownEdit) {
        combo.setText(ui::trimRight(code));
    }
}

void Form_Station::setQuietly(const char* box, const std::string& value) {
    fillingFromCode_ = true;
    form_->textBox(box).setText(value);
    fillingFromCode_ = false;
}

std::string Form_Station::text(const char* box) {
    return form_->textBox(box).text();
}

// --- The SSN and the SERFIL ---

void Form_Station::testSsn() {
    const std::string ssn = ui::format("%4.4s", text(kSsnBox).c_str());
    if (!validate::checkNumberFormat(toolkit_, ssn, validate::kDigitsOnly)) {
        ssnError_ = true;
        return;
    }
    ssnError_ = usedByAnotherStation(ssn);
    if (ssnError_) {
        toolkit_.messageBox("SSN Error", ui::format(kSsnInUse, ssn.c_str()), ui::Icon::Stop, ui::Buttons::OK);
        form_->control(kSsnBox).setFocus();
    }
    offerSerfilId(ssn);
}

// Two stations with one SSN would corrupt the project; an existing station keeping
// its own SSN is no duplicate.
bool Form_Station::usedByAnotherStation(const std::string& ssn) const {
    if (!stations_ || stations_->find(ssn) < 0) {
        return false;
    }
    return newStation_ || ssn != piece(given_.station, station::kSsn);
}

void Form_Station::offerSerfilId(const std::string& ssn) {
    const int found = serfil_ ? serfil_->find(ssn) : -1;
    if (found < 0) {
        return;
    }
    const std::string id = piece(serfil_->at(found), kSerfilId);
    if (id == fit(currentId_, kSerfilId.width)) {
        return;
    }
    const std::string question = ui::format(kSerfilOffersId, id.c_str());
    if (toolkit_.messageBox("SERFIL", question, ui::Icon::Question, ui::Buttons::YesNo) == ui::Answer::Yes) {
        currentId_ = ui::trimRight(id);
        setQuietly(kIdBox, currentId_);
    }
}

// The ID is compared with the SERFIL's exactly, letter case included.
void Form_Station::lookUpSerfilId() {
    if (fillingFromCode_) {
        return;
    }
    currentId_ = text(kIdBox);
    if (currentId_.empty() || !serfil_) {
        return;
    }
    const auto& lines = serfil_->lines();
    const auto found = std::find_if(lines.begin(), lines.end(),
                                    [this](const std::string& line) { return cut(line, kSerfilId) == currentId_; });
    if (found == lines.end()) {
        return;
    }
    const std::string ssn = cut(*found, kSerfilSsn);
    if (ssn == text(kSsnBox)) {
        return;
    }
    const std::string question = ui::format(kSerfilOffersSsn, ssn.c_str());
    if (toolkit_.messageBox("SERFIL", question, ui::Icon::Question, ui::Buttons::YesNo) != ui::Answer::Yes) {
        return;
    }
    if (usedByAnotherStation(ssn)) {
        toolkit_.messageBox("SSN Error", ui::format(kSerfilSsnInUse, ssn.c_str()), ui::Icon::Stop, ui::Buttons::OK);
        return;
    }
    setQuietly(kSsnBox, ssn);
    form_->textBox(kSsnBox).setModified(true); // the user chose it: a changed SSN is warned about on save
}

// --- Coordinates and heights ---

void Form_Station::beepUnless(const char* box, const char* admitted) {
    const std::string typed = text(box);
    if (!fillingFromCode_ && !typed.empty() && std::string_view(admitted).find(typed.back()) == std::string::npos) {
        toolkit_.beep();
    }
}

void Form_Station::layOutCoordinate(const char* box, bool latitude) {
    const auto laidOut = validate::layOutNumber(toolkit_, text(box), validate::kUnsignedDecimal,
                                                latitude ? validate::kLatitudeLayout : validate::kLongitudeLayout);
    if (!laidOut) {
        return;
    }
    setQuietly(box, *laidOut);
    if (latitude) {
        validate::checkLatitude(toolkit_, *laidOut);
    } else {
        validate::checkLongitude(toolkit_, *laidOut);
    }
}

void Form_Station::layOutHeight(const char* box) {
    if (const auto laidOut =
            validate::layOutNumber(toolkit_, text(box), validate::kSignedDecimal, validate::kHeightLayout)) {
        setQuietly(box, *laidOut);
    }
}

// --- Save ---

void Form_Station::save() {
    leaveFocusedField();
    ui::TextBox& ssn = form_->textBox(kSsnBox);
    if (ssnError_) {
        ssn.selectAll();
        ssn.setFocus();
        return;
    }
    if (!newStation_ && ssn.isModified() &&
        toolkit_.messageBox("Warning", kSsnChanged, ui::Icon::Warning, ui::Buttons::YesNo) != ui::Answer::Yes) {
        return;
    }
    saved_.station = stationBody();
    saved_.heights = heightsChanged_ ? heightsBody() : given_.heights;
    if (fixedBoxClicked_) {
        saved_.fixed = form_->checkBox(kFixBox).isChecked() ? fixedBody() : std::string();
    } else {
        saved_.fixed = given_.fixed;
    }
    saved_.id = ui::format("%-4.4s", text(kIdBox).c_str());
    form_->done(ui::kAccepted);
}

// Enter saves with the focus still in a field: a field changed since it was last left
// is first left as Tab would leave it, so that its SSN test or layout is not passed over.
void Form_Station::leaveFocusedField() {
    const auto focused = std::find_if(unleftFields_.begin(), unleftFields_.end(),
                                      [this](const std::string& box) { return form_->control(box).hasFocus(); });
    if (focused != unleftFields_.end()) {
        form_->control(*focused).events.focusLost();
    }
}

// The first `width` characters of a list's text: the code of the chosen item.
std::string Form_Station::code(const char* list, std::size_t width) {
    return form_->comboBox(list).text().substr(0, width);
}

std::string Form_Station::stationBody() {
    using namespace station;
    std::string body(kBodyWidth, ' ');
    put(body, kSsn, text(kSsnBox));
    put(body, kName, text(kNameBox));
    put(body, kLatitude, cut(text(kLatitudeBox), kLatitudeWhole));
    put(body, kLatitudeFraction, cut(text(kLatitudeBox), kLatitudeDecimals));
    put(body, kLatitudeCode, code(kLatitudeCodeList, 1));
    put(body, kLongitude, cut(text(kLongitudeBox), kLongitudeWhole));
    put(body, kLongitudeFraction, cut(text(kLongitudeBox), kLongitudeDecimals));
    put(body, kLongitudeCode, code(kLongitudeCodeList, 1));
    put(body, kStateOrCountry, text(kStateBox));
    put(body, kStationOrder, code(kStationOrderList, 1));
    put(body, kStationType, code(kStationTypeList, 1));
    return body;
}

std::string Form_Station::heightsBody() {
    using namespace heights;
    std::string body(kBodyWidth, ' ');
    put(body, kSsn, text(kSsnBox));
    put(body, kOrthometricMetres, cut(text(kElevationBox), kHeightMetres));
    put(body, kOrthometricMillimetres, cut(text(kElevationBox), kHeightMillimetres));
    put(body, kOrthometricCode, code(kOrthometricCodeList, 1));
    put(body, kOrthometricOrderAndClass, text(kOrthometricOrderBox));
    put(body, kFromDataBase, code(kDataBaseList, 1));
    put(body, kOrthometricDatum, code(kOrthometricDatumList, 2));
    put(body, kKeptMiddle, piece(given_.heights, kKeptMiddle));
    put(body, kEllipsoidalMetres, cut(text(kEllipsoidalBox), kHeightMetres));
    put(body, kEllipsoidalMillimetres, cut(text(kEllipsoidalBox), kHeightMillimetres));
    put(body, kEllipsoidalCode, code(kEllipsoidalCodeList, 1));
    put(body, kEllipsoidalOrderAndClass, code(kEllipsoidalOrderList, 2));
    put(body, kEllipsoidalDatum, code(kEllipsoidalDatumList, 1));
    put(body, kKeptEnd, piece(given_.heights, kKeptEnd));
    return body;
}

std::string Form_Station::fixedBody() {
    std::string body(kBodyWidth, ' ');
    put(body, fixed::kSsn, text(kSsnBox));
    put(body, fixed::kAgency, agency_);
    put(body, fixed::kMark, fixed::kMarkText);
    return body;
}

} // namespace ardel
