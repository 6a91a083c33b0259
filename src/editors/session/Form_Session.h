// The session editor: the modal dialog in which the user edits one GPS session, its
// *25* fields, its comment lines (*26*) and its occupation measurements (*27*, edited
// in a nested occupation record editor). It composes the session's media identifier
// and gives back the packed session.
#pragma once

#include "model/TextStore.h"
#include "ui/Toolkit.h"

#include <memory>
#include <string>

namespace ardel {

// What the session editor is given besides the packed session.
struct SessionInputs {
    std::string ssn;              // of the selected station, 4 characters
    std::string jsin;             // of the selected instrument, 3 characters
    std::string jsan;             // of the selected antenna, 3 characters
    std::string stationId;        // the station's 4-character ID, blanks when none
    std::string projectStartDate; // CCYYMM of the project header; may be empty or blank
};

class Form_Session {
public:
    explicit Form_Session(ui::Toolkit& toolkit);
    ~Form_Session();
    Form_Session(const Form_Session&) = delete;
    Form_Session& operator=(const Form_Session&) = delete;

    // Shows the dialog on `packed` (empty for a new session, pre-filled from `defaults`).
    // Returns 1 when saved, `packed` then holding the new packed session; 0 when cancelled
    // or closed, `packed` left as it was.
    int run(const SessionInputs& inputs, std::string& packed, const TextStore& defaults);
};

} // namespace ardel
