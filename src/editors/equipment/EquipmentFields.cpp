#include "editors/equipment/EquipmentFields.h"

#include "ui/Text.h"

namespace ardel {

namespace {
// The key as a record body holds it: left-justified in `width` columns.
std::string keyAsWritten(std::string_view text, std::size_t width) {
    std::string key(text.substr(0, width));
    key.resize(width, ' ');
    return key;
}
} // namespace

std::string fieldOf(std::string_view body, std::size_t offset, std::size_t width) {
    return offset < body.size() ? std::string(body.substr(offset, width)) : std::string();
}

std::string trimmedFieldOf(std::string_view body, std::size_t offset, std::size_t width) {
    return ui::trimRight(fieldOf(body, offset, width));
}

bool newKeyInUse(const TextStore& store, std::string_view typed) {
    return store.find(typed) >= 0;
}

bool changedKeyInUse(const TextStore& store, std::string_view typed, std::string_view original, std::size_t width) {
    const std::string key = keyAsWritten(typed, width);
    if (ui::startsWithNoCase(key, keyAsWritten(original, width))) {
        return false;
    }
    return store.find(key) >= 0;
}

} // namespace ardel
