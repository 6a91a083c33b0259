// The key box of the instrument and antenna editors (JSIN, JSAN): tested against its
// store when it is left, and by Save when it was typed in since, so that no two
// records share a key; Save also asks before a stored record's key is changed.
#pragma once

#include "model/TextStore.h"
#include "ui/Toolkit.h"

#include <cstddef>
#include <string>

namespace ardel {

// What tells one editor's key from the other's.
struct KeyBoxKind {
    const char* box;
    std::size_t width;
    const char* errorCaption;
    const char* errorText;   // %s: the typed key
    const char* changedText; // the question before a stored record's key is changed
    bool selectAllOnError;   // the refused key is selected, for typing over it
};

class KeyBox {
public:
    // Binds the box's events; `opening` is the editor's flag for fields filled from code.
    KeyBox(ui::Toolkit& toolkit, ui::Form& form, const KeyBoxKind& kind, const bool& opening);

    void setStore(const TextStore& store) { store_ = &store; }
    // For each showing: the record's body, empty for a new record. A new record's key is
    // tested before it is saved; a stored one stands as it was until it is typed in.
    void open(const std::string& body);
    bool isNew() const { return isNew_; }
    // For Save: false when the key is in use (the focus is back on it) or when the user
    // does not want a stored record's key changed.
    bool allowsSave();

private:
    void test();
    bool keyChangeConfirmed();

    ui::Toolkit& toolkit_;
    ui::Form& form_;
    const KeyBoxKind& kind_;
    const bool& opening_;
    const TextStore* store_ = nullptr;
    std::string original_; // the key of the record as it was opened
    bool isNew_ = false;
    bool inUse_ = false;  // the key is in use: saving returns the focus to it
    bool tested_ = false; // the test has seen the key as it stands
};

} // namespace ardel
