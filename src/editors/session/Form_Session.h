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

class Form_Rec27;

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

private:
    void bindEvents();
    void open(const std::string& packed);
    void showKeys();
    void clearFields();
    void fillFromDefaults();
    void fillFromPacked(const std::string& packed);
    void askAboutDisagreeingId(const std::string& packed);
    void recomputeMediaId();
    std::string occupationDayAndYear() const;
    void beepOnBadCableCharacter();
    void checkCableLength();
    void addEntry();
    void modifyEntry();
    void deleteEntry();
    void save();
    std::string packed() const;
    std::string commentsAsDisplayed() const;

    ui::Toolkit& toolkit_;
    TextStore entries_; // the occupation entries that lb_27 shows, kept sorted
    std::unique_ptr<ui::Form> form_;
    SessionInputs inputs_;
    const TextStore* defaults_ = nullptr;
    std::unique_ptr<Form_Rec27> rec27_; // created for each showing, reused by Add and Modify
    std::string saved_;                 // the packed session of the last save
    bool opening_ = false;              // the fields are being filled from code: their events do nothing
};

} // namespace ardel
