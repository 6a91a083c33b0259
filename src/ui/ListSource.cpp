#include "ui/ListSource.h"

#include "ui/Text.h"

#include <algorithm>

namespace ardel::ui {

ListSource::~ListSource() {
    const std::vector<ListObserver*> observers = observers_;
    for (ListObserver* observer : observers) {
        observer->sourceDestroyed();
    }
}

int ListSource::find(std::string_view prefix) const {
    for (int i = 0; i < count(); ++i) {
        if (startsWithNoCase(at(i), prefix)) {
            return i;
        }
    }
    return -1;
}

void ListSource::addObserver(ListObserver* observer) {
    observers_.push_back(observer);
}

void ListSource::removeObserver(ListObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

} // namespace ardel::ui
