#include "editors/session/Form_Session.h"

#include "editors/rec27/Form_Rec27.h"
#include "editors/session/CenturyRule.h"
#include "editors/session/Form_SessionDecl.h"
#include "model/Lines.h"
#include "ui/Text.h"
#include "utilities/Defaults.h"
#include "validate/Validators.h"

namespace ardel {

namespace {

constexpr const char* kManufacturerList = "combo_manufacturer";
constexpr const char* kMediaIdBox = "textb_MediaID";
constexpr const char* kSessionIdBox = "textb_sessionID";
constexpr const char* kCableLengthBox = "textb_CableLength";
constexpr const char* kCommentsBox = "textb_Comments";
constexpr const char* kOccupationList = "lb_27";
constexpr const char* kCommentLineBreak = "\r\n";
constexpr int kCableLengthWidth = 2;

// The *25* fields in their order in the packed session, each left-justified in its width.
struct PartField {
    const char* box;
    std::size_t width;
};

// clang-format off
constexpr PartField kPartFields[] = {
    {"textb_SSN",         4},
    {kMediaIdBox,         10},
    {"textb_Initials",    3},
    {"textb_JSIN",        3},
    {kCableLengthBox,     2},
    {"textb_JSAN",        3},
};

// The fields an existing session fills from its *25* part, trailing blanks removed.
struct StoredField {
    const char* box;
    std::size_t offset;
    std::size_t width;
};

constexpr StoredField kStoredFields[] = {
    {kMediaIdBox,      4,  10},
    {"textb_Initials", 14, 3},
    {kCableLengthBox,  20, 2},
    {kSessionIdBox,    9,  1},
};

// The fields a new session takes from the defaults store, after the manufacturer.
struct DefaultField {
    const char* key;
    const char* box;
};

constexpr DefaultField kDefaultFields[] = {
    {"Letter or Number of Session", kSessionIdBox},
    {"Initials of the Observer",    "textb_Initials"},
    {"Cable Length in Meters",      kCableLengthBox},
};
// clang-format on

constexpr const char* kManufacturerKey = "Receiver Manufacturer";
constexpr std::size_t kManufacturerCode = 4; // the media identifier's first character
constexpr std::size_t kStoredStationId = packed_session::kId;

constexpr const char* kNoStartDate =
    "The Project Start Date in the Project Header must be specified \n"
    "            before any observation records are entered (this is how the program \n"
    "            determines the correct century for the observation and becomes \n"
    "            Y2K compliant)";

constexpr const char* kDisagreeingId =
    "The four character station abbreviation recorded in the \n"
    "            data media identifier for this station is %s,\n"
    "            which does not agree with the abbreviation record for this station,\n"
    "            which is %s.\n"
    "            The four character abbreviation for this station is taken from the \n"
    "            first session for this station (if you are updating an existing B-file)\n"
    "            or from what you have entered on the station record.\n"
    "            Do you wish to overwrite the current contents of the data media identifier\n"
    "            with the abbreviation recorded for this station?";

std::string firstCharacter(const std::string& text) {
    return text.substr(0, 1);
}

bool isDigitOrBlank(char c) {
    return c == ' ' || (c >= '0' && c <= '9');
}

} // namespace

Form_Session::Form_Session(ui::Toolkit& toolkit)
    : toolkit_(toolkit), entries_(0, TextStore::Order::Sorted), form_(toolkit.createForm(formSessionDecl())) {
    form_->listView(kOccupationList).setSource(&entries_);
    bindEvents();
}

Form_Session::~Form_Session() = default;

void Form_Session::bindEvents() {
    form_->comboBox(kManufacturerList).events.selectionChanged = [this] {
        if (!opening_) {
            recomputeMediaId();
        }
    };
    ui::TextBox& sessionId = form_->textBox(kSessionIdBox);
    sessionId.events.focusGained = [&sessionId] { sessionId.selectAll(); };
    sessionId.events.focusLost = [this] { recomputeMediaId(); };
    ui::TextBox& cableLength = form_->textBox(kCableLengthBox);
    cableLength.events.textChanged = [this] { beepOnBadCableCharacter(); };
    cableLength.events.focusLost = [this] { checkCableLength(); };
    form_->listView(kOccupationList).events.doubleClicked = [this] { modifyEntry(); };
    form_->button("cb_Add").events.clicked = [this] { addEntry(); };
    form_->button("cb_Modify").events.clicked = [this] { modifyEntry(); };
    form_->button("cb_Delete").events.clicked = [this] { deleteEntry(); };
    form_->button("cb_OK").events.clicked = [this] { save(); };
    form_->button("cb_Cancel").events.clicked = [this] { form_->done(ui::kCancelled); };
}

int Form_Session::run(const SessionInputs& inputs, std::string& packed, const TextStore& defaults) {
    inputs_ = inputs;
    defaults_ = &defaults;
    rec27_ = std::make_unique<Form_Rec27>(toolkit_);
    open(packed);
    const int result = form_->exec();
    rec27_.reset();
    if (result != ui::kAccepted) {
        return ui::kCancelled;
    }
    packed = saved_;
    return ui::kAccepted;
}

void Form_Session::open(const std::string& packed) {
    opening_ = true;
    showKeys();
    clearFields();
    if (packed.empty()) {
        fillFromDefaults();
    } else {
        fillFromPacked(packed);
    }
    opening_ = false;
    if (packed.empty()) {
        recomputeMediaId();
    } else {
        askAboutDisagreeingId(packed);
    }
    form_->control(kManufacturerList).setFocus();
}

// The keys of the selected station, instrument and antenna; they are what is saved.
void Form_Session::showKeys() {
    form_->textBox("textb_SSN").setText(inputs_.ssn);
    form_->textBox("textb_JSIN").setText(inputs_.jsin);
    form_->textBox("textb_JSAN").setText(inputs_.jsan);
}

void Form_Session::clearFields() {
    for (const StoredField& field : kStoredFields) {
        form_->textBox(field.box).setText("");
    }
    form_->textBox(kCommentsBox).setText("");
    form_->comboBox(kManufacturerList).setSelectedIndex(-1);
    entries_.clear();
}

void Form_Session::fillFromDefaults() {
    selectDefault(form_->comboBox(kManufacturerList), *defaults_, kManufacturerKey);
    for (const DefaultField& field : kDefaultFields) {
        if (const auto value = lookupDefault(*defaults_, field.key)) {
            form_->textBox(field.box).setText(*value);
        }
    }
}

// The stored SSN, JSIN and JSAN are not read back: the inputs stand in their place.
void Form_Session::fillFromPacked(const std::string& packed) {
    for (const StoredField& field : kStoredFields) {
        form_->textBox(field.box).setText(ui::trimRight(slice(packed, field.offset, field.width)));
    }
    if (const std::string code = slice(packed, kManufacturerCode, 1); !code.empty()) {
        form_->comboBox(kManufacturerList).selectPrefix(code);
    }
    const SessionWorkArea session = unpackSession(packed);
    form_->textBox(kCommentsBox).setText(session.comments);
    for (int i = 0; i < session.occupationCount; ++i) {
        const std::string entry = session.occupation(i);
        if (entry.empty()) {
            break;
        }
        entries_.append(fit(entry, packed_session::kOccupationWidth));
    }
}

void Form_Session::askAboutDisagreeingId(const std::string& packed) {
    const std::string stored = fit(slice(packed, kStoredStationId, packed_session::kIdWidth), packed_session::kIdWidth);
    const std::string station = fit(inputs_.stationId, packed_session::kIdWidth);
    if (stored == station) {
        return;
    }
    const ui::Answer answer = toolkit_.messageBox(
        "Warning", ui::format(kDisagreeingId, stored.c_str(), station.c_str()), ui::Icon::Warning, ui::Buttons::YesNo);
    if (answer == ui::Answer::Yes) {
        recomputeMediaId();
    }
}

// Manufacturer code, day of year and year digit of the earliest entry, session letter and
// the station's ID, each piece contributing nothing when it is empty.
void Form_Session::recomputeMediaId() {
    const ui::ComboBox& manufacturer = form_->comboBox(kManufacturerList);
    std::string id = manufacturer.selectedIndex() >= 0 ? firstCharacter(manufacturer.text()) : std::string();
    id += occupationDayAndYear();
    id += firstCharacter(form_->textBox(kSessionIdBox).text());
    id += inputs_.stationId;
    form_->textBox(kMediaIdBox).setText(id);
}

// Four blanks without an entry, and when the century rule has no start month to work
// from or the earliest entry's date does not exist.
std::string Form_Session::occupationDayAndYear() const {
    const std::string none(4, ' ');
    if (entries_.empty()) {
        return none;
    }
    const auto date = century::observationDate(inputs_.projectStartDate, slice(entries_.at(0), 0, 6));
    if (!date) {
        return none;
    }
    return century::mediaDayAndYear(*date);
}

void Form_Session::beepOnBadCableCharacter() {
    const std::string text = form_->textBox(kCableLengthBox).text();
    if (!opening_ && !text.empty() && !isDigitOrBlank(text.back())) {
        toolkit_.beep();
    }
}

// Whole metres, blanks admitted around the digits; one digit gets a leading zero.
void Form_Session::checkCableLength() {
    ui::TextBox& box = form_->textBox(kCableLengthBox);
    const std::string text = box.text();
    if (!validate::checkNumberFormat(toolkit_, text, validate::kUnsignedInteger)) {
        return;
    }
    const std::string filled = validate::zeroFillField(toolkit_, text, kCableLengthWidth, '0');
    if (filled != text) {
        box.setText(filled);
    }
}

// A start month is what tells the century of the entries' two-digit years.
void Form_Session::addEntry() {
    if (!century::projectStart(inputs_.projectStartDate)) {
        toolkit_.messageBox("Error", kNoStartDate, ui::Icon::Stop, ui::Buttons::OK);
        return;
    }
    std::string entry;
    if (rec27_->run(entry, *defaults_) == ui::kAccepted) {
        entries_.append(entry);
        recomputeMediaId();
    }
}

void Form_Session::modifyEntry() {
    const int selected = form_->listView(kOccupationList).selectedIndex();
    if (selected < 0) {
        toolkit_.messageBox("No Record Selected", "No Record was selected to be modified", ui::Icon::Stop,
                            ui::Buttons::OK);
        return;
    }
    std::string entry = entries_.at(selected);
    if (rec27_->run(entry, *defaults_) == ui::kAccepted) {
        entries_.remove(selected);
        entries_.append(entry);
        recomputeMediaId();
    }
}

void Form_Session::deleteEntry() {
    const int selected = form_->listView(kOccupationList).selectedIndex();
    if (selected < 0) {
        toolkit_.messageBox("No Record Selected", "No Record was selected to be deleted", ui::Icon::Stop,
                            ui::Buttons::OK);
        return;
    }
    entries_.remove(selected);
    recomputeMediaId();
}

// Enter saves without moving the focus: the field that has it is left first, as a
// click on the button would leave it, so that its identifier or layout is not lost.
void Form_Session::save() {
    if (form_->control(kSessionIdBox).hasFocus()) {
        recomputeMediaId();
    } else if (form_->control(kCableLengthBox).hasFocus()) {
        checkCableLength();
    }
    saved_ = packed();
    form_->done(ui::kAccepted);
}

std::string Form_Session::packed() const {
    SessionWorkArea session;
    for (const PartField& field : kPartFields) {
        session.part25 += fit(form_->textBox(field.box).text(), field.width);
    }
    const ui::TextBox& comments = form_->textBox(kCommentsBox);
    if (!comments.text().empty()) {
        session.commentCount = comments.lineCount();
        session.comments = commentsAsDisplayed();
    }
    for (const std::string& entry : entries_.lines()) {
        session.occupations += entry;
    }
    session.occupationCount = entries_.count();
    return packSession(session);
}

// Every line as the box displays it, a wrapped line ending where the box wrapped it,
// blank-padded or cut to 70 columns and joined to the next by CR LF.
std::string Form_Session::commentsAsDisplayed() const {
    const ui::TextBox& comments = form_->textBox(kCommentsBox);
    std::string joined;
    for (int i = 0; i < comments.lineCount(); ++i) {
        joined += (i > 0 ? kCommentLineBreak : "") + fit(comments.line(i), packed_session::kCommentWidth);
    }
    return joined;
}

} // namespace ardel
