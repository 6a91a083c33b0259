#include "editors/antenna/Form_Antenna.h"

#include "editors/antenna/AntennaCodes.h"
#include "editors/antenna/Form_AntennaDecl.h"
#include "editors/equipment/EquipmentFields.h"
#include "ui/Text.h"
#include "utilities/Defaults.h"

namespace ardel {

namespace {

constexpr const char* kJsanBox = "textb_JSAN";
constexpr const char* kCodeList = "combo_AntennaCode";
constexpr const char* kSerialBox = "textb_SerialNumber";
constexpr std::size_t kJsanWidth = 3;
constexpr std::size_t kSerialOffset = kAntennaSerialOffset;
constexpr std::size_t kSerialWidth = kAntennaSerialWidth;

constexpr const char* kCodeDefaultKey = "TOV GPS Antenna Code";
constexpr const char* kSerialDefaultKey = "Antenna Serial Number";

constexpr const char* kCodeHelpLines[] = {
    "This selection box contains the TOV GPS Antenna codes ",
    "that are contained in Annex M of the year 2002 update ",
    "of the Vantry. However, additional codes may have been ",
    "added to the TOV data base. Annex M is understood to be a ",
    "file, whose contents at any time can be generated from the TOV ",
    "data base. If you have a copy of the current version of ",
    "Annex M on your local computer, you may copy and paste the ",
    "code for your antenna from that file into this field. ",
    "If you don't have such a file but wish ",
    "to obtain one, you may download it from the TOV Web Site ",
    "If your antenna is not in this list, you may initially code ",
    "it as OTHER, but you should also contact TOV to indicate that ",
    "you are submitting Vantry files with an antenna that is not on ",
    "the TOV list. ",
};

constexpr KeyBoxKind kJsanKind{
    .box = kJsanBox,
    .width = kJsanWidth,
    .errorCaption = "JSAN Error",
    .errorText = "Job Specific Antenna Number %s cannot be used \r\nbecause it already exists.",
    .changedText = "The JSAN for this antenna Has Changed.\n"
                   "                One or more session records may become invalid.\n"
                   "                Do you wish to continue?",
    .selectAllOnError = true,
};

void showCodeHelp(ui::Toolkit& toolkit) {
    std::string text;
    for (const char* line : kCodeHelpLines) {
        text += (text.empty() ? "" : "\n") + std::string(line);
    }
    toolkit.messageBox("TOV GPS Antenna Code", text, ui::Icon::Information, ui::Buttons::OK);
}

} // namespace

Form_Antenna::Form_Antenna(ui::Toolkit& toolkit)
    : toolkit_(toolkit), form_(toolkit.createForm(formAntennaDecl())), jsan_(toolkit, *form_, kJsanKind, opening_) {
    bindEvents();
}

Form_Antenna::~Form_Antenna() = default;

void Form_Antenna::setAntennaStore(const TextStore& antennas) {
    jsan_.setStore(antennas);
}

void Form_Antenna::bindEvents() {
    ui::TextBox& jsan = form_->textBox(kJsanBox);
    jsan.events.focusGained = [&jsan] { jsan.selectAll(); };
    // A typed code is no item: choosing any item afterwards, the one chosen before
    // included, replaces it.
    ui::ComboBox& code = form_->comboBox(kCodeList);
    code.events.textChanged = [this, &code] {
        if (!opening_) {
            code.setSelectedIndex(-1);
        }
    };
    form_->button("cb_OK").events.clicked = [this] { save(); };
    form_->button("cb_Cancel").events.clicked = [this] { form_->done(ui::kCancelled); };
    form_->button("cb_4").events.clicked = [this] { showCodeHelp(toolkit_); };
}

int Form_Antenna::run(std::string& body, const TextStore& defaults) {
    open(body, defaults);
    if (form_->exec() != ui::kAccepted) {
        return ui::kCancelled;
    }
    body = saved_;
    return ui::kAccepted;
}

void Form_Antenna::open(const std::string& body, const TextStore& defaults) {
    opening_ = true;
    jsan_.open(body);
    ui::ComboBox& code = form_->comboBox(kCodeList);
    code.setSelectedIndex(-1);
    code.setText("");
    if (jsan_.isNew()) {
        fillFromDefaults(defaults);
    } else {
        fillFromBody(body);
    }
    code.widenToLongestItem();
    opening_ = false;
    form_->control(kJsanBox).setFocus();
}

void Form_Antenna::fillFromDefaults(const TextStore& defaults) {
    selectDefault(form_->comboBox(kCodeList), defaults, kCodeDefaultKey);
    form_->textBox(kSerialBox).setText(lookupDefault(defaults, kSerialDefaultKey).value_or(""));
}

// The whole 20-character code picks the item, radome and blanks included. A code that
// no item has (typed earlier, or read from a file) stays as the typed text, so that
// saving again keeps it.
void Form_Antenna::fillFromBody(const std::string& body) {
    form_->textBox(kJsanBox).setText(fieldOf(body, 0, kJsanWidth));
    const std::string stored = fieldOf(body, kAntennaCodeOffset, kAntennaCodeWidth);
    ui::ComboBox& code = form_->comboBox(kCodeList);
    if (code.selectPrefix(stored) < 0) {
        code.setText(trimmedFieldOf(stored, 0, kAntennaCodeWidth));
    }
    form_->textBox(kSerialBox).setText(trimmedFieldOf(body, kSerialOffset, kSerialWidth));
}

void Form_Antenna::save() {
    if (!jsan_.allowsSave()) {
        return;
    }
    saved_ = builtBody();
    form_->done(ui::kAccepted);
}

// A typed code is taken as typed: its first 20 characters.
std::string Form_Antenna::builtBody() const {
    const std::string jsan = form_->textBox(kJsanBox).text();
    const std::string code = form_->comboBox(kCodeList).text();
    const std::string serial = form_->textBox(kSerialBox).text();
    return ui::format(kAntennaBodyFormat, jsan.c_str(), code.c_str(), serial.c_str());
}

} // namespace ardel
