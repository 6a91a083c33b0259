// What a visible list shows: an ordered sequence of lines that tells its viewers
// about every change, so a list of 100,000 lines is drawn without copying it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ardel::ui {

class ListObserver {
public:
    virtual ~ListObserver() = default;
    virtual void beforeInsert(int index) = 0;
    virtual void afterInsert() = 0;
    virtual void beforeRemove(int index) = 0;
    virtual void afterRemove() = 0;
    virtual void changed(int index) = 0;
    virtual void beforeReset() = 0;
    virtual void afterReset() = 0;
    // The source is going away; the observer must forget it.
    virtual void sourceDestroyed() {}
};

class ListSource {
public:
    ListSource() = default;
    ListSource(const ListSource&) = delete;
    ListSource& operator=(const ListSource&) = delete;
    virtual ~ListSource();

    virtual int count() const = 0;
    virtual const std::string& at(int index) const = 0;
    // The first index from the top whose line begins with `prefix`, letter case ignored; -1 when none.
    virtual int find(std::string_view prefix) const;

    void addObserver(ListObserver* observer);
    void removeObserver(ListObserver* observer);

protected:
    template <class Event> void notify(Event event) {
        for (ListObserver* observer : observers_) {
            event(*observer);
        }
    }

private:
    std::vector<ListObserver*> observers_;
};

} // namespace ardel::ui
