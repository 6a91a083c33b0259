#include "editors/equipment/KeyBox.h"

#include "editors/equipment/EquipmentFields.h"
#include "ui/Text.h"

namespace ardel {

namespace {

const TextStore& noRecords() {
    static const TextStore empty;
    return empty;
}

} // namespace

KeyBox::KeyBox(ui::Toolkit& toolkit, ui::Form& form, const KeyBoxKind& kind, const bool& opening)
    : toolkit_(toolkit), form_(form), kind_(kind), opening_(opening) {
    ui::TextBox& box = form_.textBox(kind_.box);
    box.events.focusLost = [this] { test(); };
    box.events.textChanged = [this] {
        if (!opening_) {
            tested_ = false;
        }
    };
}

void KeyBox::open(const std::string& body) {
    isNew_ = body.empty();
    inUse_ = false;
    tested_ = !isNew_;
    original_ = fieldOf(body, 0, kind_.width);
    ui::TextBox& box = form_.textBox(kind_.box);
    box.setReadOnly(false);
    box.setTabStop(true);
    if (isNew_) {
        box.setText("");
    }
}

// A new record may take no key that begins a stored one; a stored record may not take
// the key of another record.
void KeyBox::test() {
    const TextStore& store = store_ ? *store_ : noRecords();
    ui::TextBox& box = form_.textBox(kind_.box);
    const std::string key = box.text();
    tested_ = true;
    inUse_ = isNew_ ? newKeyInUse(store, key) : changedKeyInUse(store, key, original_, kind_.width);
    if (inUse_) {
        toolkit_.messageBox(kind_.errorCaption, ui::format(kind_.errorText, key.c_str()), ui::Icon::Stop,
                            ui::Buttons::OK);
        box.setFocus();
        if (kind_.selectAllOnError) {
            box.selectAll();
        }
    }
}

// Enter and the mnemonic save without the focus leaving the key: a key typed since
// the last test is tested here.
bool KeyBox::allowsSave() {
    if (!tested_) {
        test();
    }
    if (inUse_) {
        form_.control(kind_.box).setFocus();
        return false;
    }
    return isNew_ || !form_.textBox(kind_.box).isModified() || keyChangeConfirmed();
}

bool KeyBox::keyChangeConfirmed() {
    return toolkit_.messageBox("Warning", kind_.changedText, ui::Icon::Warning, ui::Buttons::YesNo) == ui::Answer::Yes;
}

} // namespace ardel
