// The antenna editor: the modal dialog in which the user edits one GPS antenna, the
// 70-character body of its *72* record. It offers the antenna codes of the standard
// (a code may also be typed) and tests a new JSAN against the antennas present.
#pragma once

#include "editors/equipment/KeyBox.h"
#include "model/TextStore.h"
#include "ui/Toolkit.h"

#include <memory>
#include <string>

namespace ardel {

class Form_Antenna {
public:
    explicit Form_Antenna(ui::Toolkit& toolkit);
    ~Form_Antenna();
    Form_Antenna(const Form_Antenna&) = delete;
    Form_Antenna& operator=(const Form_Antenna&) = delete;

    // The antenna store the JSAN tests look in; given once at start-up.
    void setAntennaStore(const TextStore& antennas);

    // Shows the dialog on `body` (empty for a new antenna, pre-filled from `defaults`).
    // Returns 1 when saved, `body` then holding the new *72* body; 0 when cancelled or
    // closed, `body` left as it was.
    int run(std::string& body, const TextStore& defaults);

private:
    void bindEvents();
    void open(const std::string& body, const TextStore& defaults);
    void fillFromDefaults(const TextStore& defaults);
    void fillFromBody(const std::string& body);
    void save();
    std::string builtBody() const;

    ui::Toolkit& toolkit_;
    std::unique_ptr<ui::Form> form_;
    bool opening_ = false; // the fields are being filled from code: their events do nothing
    KeyBox jsan_;
    std::string saved_; // the body built by the save that closed the dialog
};

} // namespace ardel
