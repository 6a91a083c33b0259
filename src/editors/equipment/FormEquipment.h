// The instrument editor: the modal dialog in which the user edits one GPS receiver,
// the 70-character body of its *70* record. It offers the equipment codes of the
// standard, fills manufacturer and model from the chosen one, and tests a new JSIN
// against the instruments present.
#pragma once

#include "editors/equipment/KeyBox.h"
#include "model/TextStore.h"
#include "ui/Toolkit.h"

#include <memory>
#include <string>

namespace ardel {

class FormEquipment {
public:
    explicit FormEquipment(ui::Toolkit& toolkit);
    ~FormEquipment();
    FormEquipment(const FormEquipment&) = delete;
    FormEquipment& operator=(const FormEquipment&) = delete;

    // The instrument store the JSIN tests look in; given once at start-up.
    void setInstrumentStore(const TextStore& instruments);

    // Shows the dialog on `body` (empty for a new instrument, pre-filled from `defaults`).
    // Returns 1 when saved, `body` then holding the new *70* body; 0 when cancelled or
    // closed, `body` left as it was.
    int run(std::string& body, const TextStore& defaults);

private:
    void bindEvents();
    void open(const std::string& body, const TextStore& defaults);
    void fillFromDefaults(const TextStore& defaults);
    void fillFromBody(const std::string& body);
    void fillFromEquipmentCode();
    void save();
    std::string builtBody() const;

    ui::Toolkit& toolkit_;
    std::unique_ptr<ui::Form> form_;
    bool opening_ = false; // the fields are being filled from code: their events do nothing
    KeyBox jsin_;
    std::string saved_; // the body built by the save that closed the dialog
};

} // namespace ardel
