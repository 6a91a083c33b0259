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

} // namespace ardel::ui
