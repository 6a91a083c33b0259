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
};

} // namespace ardel
