#include "editors/equipment/FormEquipment.h"

#include "editors/equipment/EquipmentFields.h"
#include "editors/equipment/FormEquipmentDecl.h"
#include "ui/Text.h"
#include "utilities/Defaults.h"

namespace ardel {

namespace {

constexpr int kSaved = 1;
constexpr int kCancelled = 0;

// The *70* body: JSIN, equipment code, 6 blanks, manufacturer, type, model, serial number.
constexpr const char* kInstrumentBodyFormat = "%-3.3s%-3.3s      %-18.18s%-22.22s%-8.8s%-10.10s";

constexpr const char* kJsinBox = "textb_JSIN";
constexpr const char* kCodeList = "combo_EquipmentCode";
constexpr std::size_t kJsinWidth = 3;

// A text field of the body, where the body format puts it, and the default that fills it
// in a new instrument.
struct TextField {
    const char* box;
    std::size_t offset;
    std::size_t width;
    const char* defaultKey;
};

// clang-format off
constexpr TextField kTextFields[] = {
    {"textb_Manufacturer", 12, 18, "Instrument Manufacturer"},
    {"textb_Type",         30, 22, "Type of Instrument or Trade Name"},
    {"textb_Model",        52,  8, "Model of Instrument"},
    {"textb_SerialNumber", 60, 10, "Instrument Serial Number"},
};
// clang-format on

constexpr const char* kCodeDefaultKey = "TOV Survey Equipment Code";

const TextStore& noInstruments() {
    static const TextStore empty;
    return empty;
}

} // namespace

FormEquipment::FormEquipment(ui::Toolkit& toolkit) : toolkit_(toolkit), form_(toolkit.createForm(formEquipmentDecl())) {
    bindEvents();
}

FormEquipment::~FormEquipment() = default;

void FormEquipment::setInstrumentStore(const TextStore& instruments) {
    instruments_ = &instruments;
}

void FormEquipment::bindEvents() {
    ui::TextBox& jsin = form_->textBox(kJsinBox);
    jsin.events.focusLost = [this] { testJsin(); };
    jsin.events.textChanged = [this] {
        if (!opening_) {
            jsinTested_ = false;
        }
    };
    form_->comboBox(kCodeList).events.selectionChanged = [this] {
        if (!opening_) {
            fillFromEquipmentCode();
        }
    };
    form_->button("cb_OK").events.clicked = [this] { save(); };
    form_->button("cb_Cancel").events.clicked = [this] { form_->done(kCancelled); };
}

int FormEquipment::run(std::string& body, const TextStore& defaults) {
    open(body, defaults);
    if (form_->exec() != kSaved) {
        return kCancelled;
    }
    body = saved_;
    return kSaved;
}

// A new instrument's JSIN is tested before it is saved; a stored one stands as it was.
void FormEquipment::open(const std::string& body, const TextStore& defaults) {
    opening_ = true;
    newInstrument_ = body.empty();
    jsinError_ = false;
    jsinTested_ = !newInstrument_;
    originalJsin_ = fieldOf(body, 0, kJsinWidth);
    ui::TextBox& jsin = form_->textBox(kJsinBox);
    jsin.setReadOnly(false);
    jsin.setTabStop(true);
    form_->comboBox(kCodeList).setSelectedIndex(-1);
    if (newInstrument_) {
        jsin.setText("");
        fillFromDefaults(defaults);
    } else {
        fillFromBody(body);
    }
    form_->comboBox(kCodeList).widenToLongestItem();
    opening_ = false;
    jsin.setFocus();
}

void FormEquipment::fillFromDefaults(const TextStore& defaults) {
    selectDefault(form_->comboBox(kCodeList), defaults, kCodeDefaultKey);
    for (const TextField& field : kTextFields) {
        form_->textBox(field.box).setText(lookupDefault(defaults, field.defaultKey).value_or(""));
    }
}

void FormEquipment::fillFromBody(const std::string& body) {
    form_->textBox(kJsinBox).setText(trimmedFieldOf(body, 0, kJsinWidth));
    form_->comboBox(kCodeList).selectPrefix(fieldOf(body, kInstrumentCodeOffset, kEquipmentCodeWidth));
    for (const TextField& field : kTextFields) {
        form_->textBox(field.box).setText(trimmedFieldOf(body, field.offset, field.width));
    }
}

// The maker's 28 columns and the model as the item gives them; the body cuts them to
// their widths when the instrument is saved.
void FormEquipment::fillFromEquipmentCode() {
    const ui::ComboBox& list = form_->comboBox(kCodeList);
    if (list.selectedIndex() < 0) {
        return;
    }
    const std::string item = list.itemText(list.selectedIndex());
    form_->textBox("textb_Manufacturer").setText(fieldOf(item, kEquipmentMakerColumn, kEquipmentMakerWidth));
    form_->textBox("textb_Model").setText(fieldOf(item, kEquipmentModelColumn, std::string::npos));
}

// A new instrument may take no JSIN that begins a stored one; an existing one may not
// take the JSIN of another instrument.
void FormEquipment::testJsin() {
    const TextStore& instruments = instruments_ ? *instruments_ : noInstruments();
    const std::string jsin = form_->textBox(kJsinBox).text();
    jsinTested_ = true;
    jsinError_ =
        newInstrument_ ? newKeyInUse(instruments, jsin) : changedKeyInUse(instruments, jsin, originalJsin_, kJsinWidth);
    if (jsinError_) {
        toolkit_.messageBox("JSIN Error",
                            ui::format("Serial Number %s cannot be used \r\nbecause it already exists.", jsin.c_str()),
                            ui::Icon::Stop, ui::Buttons::OK);
        form_->control(kJsinBox).setFocus();
    }
}

// Enter and the mnemonic save without the focus leaving the JSIN: a JSIN typed since
// the last test is tested here.
void FormEquipment::save() {
    if (!jsinTested_) {
        testJsin();
    }
    if (jsinError_) {
        form_->control(kJsinBox).setFocus();
        return;
    }
    if (!newInstrument_ && form_->textBox(kJsinBox).isModified() &&
        toolkit_.messageBox("Warning",
                            "The JSIN for this Instrument has changed.\n"
                            "                One or more session records may become invalid.\n"
                            "                Do you wish to continue?",
                            ui::Icon::Warning, ui::Buttons::YesNo) != ui::Answer::Yes) {
        return;
    }
    saved_ = builtBody();
    form_->done(kSaved);
}

std::string FormEquipment::builtBody() const {
    const std::string code = fieldOf(form_->comboBox(kCodeList).text(), 0, kEquipmentCodeWidth);
    auto text = [this](const char* box) { return form_->textBox(box).text(); };
    return ui::format(kInstrumentBodyFormat, text(kJsinBox).c_str(), code.c_str(), text("textb_Manufacturer").c_str(),
                      text("textb_Type").c_str(), text("textb_Model").c_str(), text("textb_SerialNumber").c_str());
}

} // namespace ardel
