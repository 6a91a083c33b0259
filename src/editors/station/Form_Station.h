// The station editor: the modal dialog in which the user edits one survey station,
// its *80* station body, its optional *86* heights body and *90* fixed-station body,
// and its 4-character ID. It tests the SSN against the stations present, offers the
// SERFIL pairings, pre-fills a new station from the defaults and lays out the
// coordinates and heights as their fields are left.
#pragma once

#include "model/TextStore.h"
#include "ui/Toolkit.h"

#include <functional>
#include <memory>
#include <set>
#include <string>

namespace ardel {

// What the station editor is given and, after a save, gives back.
struct StationBodies {
    std::string station; // *80* body, 70 characters; empty for a new station
    std::string heights; // *86* body; empty when the station has none
    std::string fixed;   // *90* body; empty when the station has none
    std::string id;      // the 4-character ID (empty for a new station)
};

class Form_Station {
public:
    explicit Form_Station(ui::Toolkit& toolkit);
    ~Form_Station();
    Form_Station(const Form_Station&) = delete;
    Form_Station& operator=(const Form_Station&) = delete;

    // The station store the SSN tests look in; given once at start-up.
    void setStationStore(const TextStore& stations);

    // Shows the dialog on `bodies`. Returns 1 when saved: `bodies` then holds the new
    // station body, the heights and fixed bodies (changed only as heightsChanged() and
    // fixedBoxClicked() tell) and the ID as "%-4.4s". Returns 0 when cancelled or closed:
    // `bodies` is left as it was.
    int run(StationBodies& bodies, const std::string& agencyAbbreviation, const TextStore& serfil,
            const TextStore& defaults);

    // Of the last save: an *86* body was built, so the station's heights line is replaced or added.
    bool heightsChanged() const;
    // Of the last save: the fixed-station box was clicked, so the *90* line is rebuilt or, when
    // the returned fixed body is empty, removed.
    bool fixedBoxClicked() const;

private:
    void bindEvents();
    void bindHeightsEvents();
    void bindLeavingStep(const char* box, std::function<void()> step);
    void markChanged(const char* box);
    void open(const StationBodies& bodies);
    void clearFields();
    void fillFromDefaults();
    void fillFromStationBody();
    void fillFromHeightsBody();
    void selectCode(const char* list, const std::string& code);
    void setQuietly(const char* box, const std::string& text);

    void testSsn();
    bool usedByAnotherStation(const std::string& ssn) const;
    void offerSerfilId(const std::string& ssn);
    void lookUpSerfilId();
    void beepUnless(const char* box, const char* admitted);
    void layOutCoordinate(const char* box, bool latitude);
    void layOutHeight(const char* box);

    void save();
    void leaveFocusedField();
    std::string stationBody();
    std::string heightsBody();
    std::string fixedBody();
    std::string code(const char* list, std::size_t width);
    std::string text(const char* box);

    ui::Toolkit& toolkit_;
    std::unique_ptr<ui::Form> form_;
    const TextStore* stations_ = nullptr;
    const TextStore* serfil_ = nullptr;
    const TextStore* defaults_ = nullptr;
    std::string agency_;
    StationBodies given_; // the inputs of this showing, as given
    StationBodies saved_; // what the last save built
    std::string currentId_;
    bool newStation_ = false;
    bool heightsChanged_ = false;
    bool fixedBoxClicked_ = false;
    bool ssnError_ = false;        // the last SSN test failed: saving returns to the SSN
    bool fillingFromCode_ = false; // the fields are being set by the editor itself: their events do nothing
    // Fields with a leaving step whose text changed since they were last left (and a new
    // station's SSN, not yet tested).
    std::set<std::string> unleftFields_;
};

} // namespace ardel
