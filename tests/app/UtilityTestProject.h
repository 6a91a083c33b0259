// A main window for the Utilities menu tests, with lines built column by column:
// stations with their heights and fixed lines, instruments, antennas and sessions.
#pragma once

#include "app/Form1.h"
#include "app/MainMenu.h"
#include "bfile/ReaderFixture.h"

#include <string>
#include <vector>

namespace ardel::testing {

class UtilityTest : public HeadlessTest {
protected:
    UtilityTest() : window(toolkit) { window.form().show(); }

    ui::HeadlessForm& form() { return *toolkit.form("Form1"); }
    Project& project() { return window.project(); }

    void addStation(const std::string& ssn, const std::string& name, const std::string& id = "    ") {
        project().lb_Stations.append(buildStationLine(stationBody(ssn, name), id));
    }
    static std::string heightsBody(const std::string& ssn) { return fit(ssn + "    42153L21N88", 70); }
    static std::string fixedBody(const std::string& ssn) { return fit(ssn + "FIXED STATION", 70); }
    static std::string instrumentBody(const std::string& jsin, const std::string& rest = "GPS      MAKER") {
        return fit(jsin + rest, 70);
    }
    static std::string antennaBody(const std::string& jsan, const std::string& code = "TRM22020.00+GP") {
        return fit(jsan + "   " + code, 70);
    }
    // A session line of one occupation at `dateTime` (YYMMDDHHMM); none when it is empty.
    static std::string sessionLine(const std::string& ssn, const std::string& id, const std::string& jsin,
                                   const std::string& jsan, const std::string& dateTime = "2401151030") {
        SessionWorkArea session;
        session.part25 = part25(ssn, id, jsin, jsan);
        if (!dateTime.empty()) {
            session.occupations = occupation(dateTime);
            session.occupationCount = 1;
        }
        const std::string packed = packSession(session);
        return buildSessionLine(unpackSession(packed), packed);
    }
    void addSession(const std::string& ssn, const std::string& id, const std::string& jsin = "001",
                    const std::string& jsan = "001", const std::string& dateTime = "2401151030") {
        project().lb_Sessions.append(sessionLine(ssn, id, jsin, jsan, dateTime));
    }

    // The lines of each store, to check that a refused command changed nothing.
    std::vector<std::vector<std::string>> allLines() {
        Project& p = project();
        return {p.lb_Stations.lines(),    p.lb_86.lines(),       p.lb_90.lines(),
                p.lb_Instruments.lines(), p.lb_Antennas.lines(), p.lb_Sessions.lines()};
    }

    TempDir dir;
    Form1 window;
};

} // namespace ardel::testing
