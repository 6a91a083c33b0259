// The occupation record editor: the modal dialog in which the user edits one GPS
// occupation measurement of a session (date, time, antenna height and weather data),
// the 41-character occupation entry that becomes one *27* record. It can compute the
// relative humidity from the temperatures and the pressure.
#pragma once

#include "model/TextStore.h"
#include "ui/Toolkit.h"

#include <memory>
#include <string>

namespace ardel {

namespace rec27 {
struct NumberField;
}

class Form_Rec27 {
public:
    explicit Form_Rec27(ui::Toolkit& toolkit);
    ~Form_Rec27();
    Form_Rec27(const Form_Rec27&) = delete;
    Form_Rec27& operator=(const Form_Rec27&) = delete;

    // Shows the dialog on `entry` (empty for a new measurement, pre-filled from `defaults`).
    // Returns 1 when saved, `entry` then holding the new 41-character occupation entry;
    // 0 when cancelled or closed, `entry` left as it was.
    int run(std::string& entry, const TextStore& defaults);

private:
    void bindEvents();
    void bindNumberField(const rec27::NumberField& field);
    void open(const std::string& entry, const TextStore& defaults);
    void clearFields();
    void selectDefaults(const TextStore& defaults);
    void fillFields(const std::string& entry);
    void setField(const std::string& box, const std::string& text);
    void beepOnTyping(const rec27::NumberField& field);
    void layOutOnLeaving(const rec27::NumberField& field);
    void computeHumidity();
    bool humidityInputsGiven();
    void save();
    bool dateAndTimeValid();
    std::string valueOf(const std::string& control);
    std::string entryFromFields();

    ui::Toolkit& toolkit_;
    std::unique_ptr<ui::Form> form_;
    bool opening_ = false; // the fields are being filled from code: the typing and leaving rules do nothing
    std::string saved_;    // the entry built by Save
};

} // namespace ardel
