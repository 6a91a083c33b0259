#include "ui/Controls.h"

#include "ui/Text.h"

namespace ardel::ui {

int ComboBox::selectPrefix(const std::string& prefix) {
    for (int i = 0; i < count(); ++i) {
        if (startsWithNoCase(itemText(i), prefix)) {
            setSelectedIndex(i);
            return i;
        }
    }
    return -1;
}

int ListView::selectPrefix(const std::string& prefix) {
    const int found = source() ? source()->find(prefix) : -1;
    if (found >= 0) {
        setSelectedIndex(found);
    }
    return found;
}

} // namespace ardel::ui
