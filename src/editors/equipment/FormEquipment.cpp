#include "editors/equipment/FormEquipment.h"

#include "editors/equipment/EquipmentFields.h"
#include "editors/equipment/FormEquipmentDecl.h"
#include "ui/Text.h"
#include "utilities/Defaults.h"

namespace ardel {

namespace {

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
    {"textb_SerialNumber", kInstrumentSerialOffset, kInstrumentSerialWidth, "Instrument Serial Number"},
};
// clang-format on

constexpr const char* kCodeDefaultKey = "TOV Survey Equipment Code";

constexpr KeyBoxKind kJsinKind{
    .box = kJsinBox,
    .width = kJsinWidth,
    .errorCaption = "JSIN Error",
    .errorText = "Serial Number %s cannot be used \r\nbecause it already exists.",
    .changedText = "The JSIN for this Instrument has changed.\n"
                   "                One or more session records may become invalid.\n"
                   "                Do you wish to continue?",
    .selectAllOnError = false,
};

} // namespace

FormEquipment::FormEquipment(ui::Toolkit& toolkit)
    : toolkit_(toolkit), form_(toolkit.createForm(formEquipmentDecl())), jsin_(toolkit, *form_, kJsinKind, opening_) {
    bindEvents();
}

FormEquipment::~FormEquipment() = default;

void FormEquipment::setInstrumentStore(const TextStore& instruments) {
    jsin_.setStore(instruments);
}

void FormEquipment::bindEvents() {
    form_->comboBox(kCodeList).events.selectionChanged = [this] {
        if (!opening_) {
            fillFromEquipmentCode();
        }
    };
    form_->button("cb_OK").events.clicked = [this] { save(); };
    form_->button("cb_Cancel").events.clicked = [this] { form_->done(ui::kCancelled); };
}

int FormEquipment::run(std::string& body, const TextStore& defaults) {
    open(body, defaults);
    if (form_->exec() != ui::kAccepted) {
        return ui::kCancelled;
    }
    body = saved_;
    return ui::kAccepted;
}

void FormEquipment::open(const std::string& body, const TextStore& defaults) {
    opening_ = true;
    jsin_.open(body);
    form_->comboBox(kCodeList).setSelectedIndex(-1);
    if (jsin_.isNew()) {
        fillFromDefaults(defaults);
    } else {
        fillFromBody(body);
    }
    form_->comboBox(kCodeList).widenToLongestItem();
    opening_ = false;
    form_->control(kJsinBox).setFocus();
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

void FormEquipment::save() {
    if (!jsin_.allowsSave()) {
        return;
    }
    saved_ = builtBody();
    form_->done(ui::kAccepted);
}

std::string FormEquipment::builtBody() const {
    const std::string code = fieldOf(form_->comboBox(kCodeList).text(), 0, kEquipmentCodeWidth);
    auto text = [this](const char* box) { return form_->textBox(box).text(); };
    return ui::format(kInstrumentBodyFormat, text(kJsinBox).c_str(), code.c_str(), text("textb_Manufacturer").c_str(),
                      text("textb_Type").c_str(), text("textb_Model").c_str(), text("textb_SerialNumber").c_str());
}

} // namespace ardel
