#include "ui/ListSource.h"

#include <algorithm>

namespace ardel::ui {

ListSource::~ListSource() {
    const std::vector<ListObserver*> observers = observers_;
    for (ListObserver* observer : observers) {
        observer->sourceDestroyed();
    }
}

void ListSource::addObserver(ListObserver* observer) {
    observers_.push_back(observer);
}

void ListSource::removeObserver(ListObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

} // namespace ardel::ui
