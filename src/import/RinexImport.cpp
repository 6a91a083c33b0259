#include "import/RinexImport.h"

#include "editors/antenna/AntennaCodes.h"
#include "editors/equipment/EquipmentFields.h"
#include "editors/session/CenturyRule.h"
#include "import/ImportRecords.h"
#include "model/Project.h"
#include "rinex/Antex.h"
#include "rinex/CompressedFile.h"
#include "rinex/FileNames.h"
#include "rinex/HeaderLines.h"
#include "ui/Text.h"

#include <algorithm>
#include <cmath>

namespace ardel::rinex_import {

namespace {

constexpr double kFarFromStation = 100; // metres
constexpr std::size_t kIdWidth = station_line::kIdWidth;
constexpr std::size_t kSerfilId = 7;
constexpr std::size_t kStationNameWidth = station_line::kNameWidth;
constexpr const char* kCommentPrefix = "RINEX ";
constexpr const char* kNoOffset = "the L1 phase-centre offset was not added to the antenna height";

// The lines the stores would hold after the rows planned so far.
struct Stores {
    std::vector<std::string> stations, instruments, antennas, sessions;
};

bool sameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && ui::startsWithNoCase(a, b);
}

// One more than the highest key (the line's first `width` characters) in use.
int nextKey(const std::vector<std::string>& lines, std::size_t width) {
    int highest = 0;
    for (const std::string& line : lines) {
        highest = std::max(highest, leadingInt(slice(line, 0, width)));
    }
    return highest + 1;
}

int findKey(const std::vector<std::string>& lines, std::string_view key) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (ui::startsWithNoCase(lines[i], key)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string dateText(const UtcMinute& t) {
    return ui::format("%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour, t.minute);
}

UtcMinute minuteOf(const rinex::Epoch& epoch, rinex::TimeSystem system) {
    const rinex::Epoch utc = rinex::toUtc(epoch, system);
    return {utc.year, utc.month, utc.day, utc.hour, utc.minute};
}

void addProblem(Row& row, Severity severity, std::string text) {
    row.problems.push_back({severity, std::move(text)});
}

// Reads one file into its row: the header values and, when the header lacks it, the end.
Row readRow(const std::string& path) {
    Row row;
    row.path = path;
    row.fileName = rinex::baseName(path);
    rinex::CompressedFile file(path);
    if (file.failed()) {
        row.status = Row::Status::Refused;
        addProblem(row, Severity::Error, "cannot be read: " + file.error());
        return row;
    }
    rinex::HeaderResult header = rinex::readObservation(file.text());
    if (!header.observation) {
        row.status = Row::Status::Refused;
        addProblem(row, Severity::Error, header.error);
        return row;
    }
    row.observation = std::move(*header.observation);
    if (!row.observation.lastObs) {
        if (const auto name = rinex::parseLongName(row.fileName)) {
            row.observation.lastObs = rinex::endOf(*name);
            row.endFromName = true;
        } else {
            row.observation.lastObs = row.observation.firstObs;
            row.endUnknown = true;
        }
    }
    return row;
}

// One more than the highest SSN in use, passing over the SSNs the SERFIL pairs with
// other IDs: a later file of such a station is to get the SSN the SERFIL gives it.
std::string nextFreeSsn(const Project& project, const Stores& stores) {
    const std::vector<std::string> pairs = project.lb_SERFIL.lines();
    const auto keptBySerfil = [&](int ssn) {
        return std::any_of(pairs.begin(), pairs.end(),
                           [&](const std::string& pair) { return leadingInt(slice(pair, 0, kSsnWidth)) == ssn; });
    };
    int ssn = nextKey(stores.stations, kSsnWidth);
    while (keptBySerfil(ssn)) {
        ++ssn;
    }
    return zeroFill(ssn, kSsnWidth);
}

std::string stationIdOf(const Row& row) {
    const std::string source = row.observation.markerName.empty() ? row.fileName : row.observation.markerName;
    return fit(ui::upperCase(source.substr(0, kIdWidth)), kIdWidth);
}

// The station: by ID, through the SERFIL, or new.
void planStation(const Project& project, const Stores& stores, Row& row,
                 const std::optional<rinex::Geodetic>& position) {
    const std::string id = stationIdOf(row);
    row.stationId = id;
    row.newStation = false;
    row.givesStationId = false;
    for (const std::string& line : stores.stations) {
        if (sameNoCase(slice(line, station_line::kId, kIdWidth), id)) {
            row.ssn = line.substr(0, kSsnWidth);
            row.stationId = slice(line, station_line::kId, kIdWidth);
            row.stationName = ui::trimRight(slice(line, station_line::kName, kStationNameWidth));
            return;
        }
    }
    std::string ssn;
    for (const std::string& pair : project.lb_SERFIL.lines()) {
        if (sameNoCase(fit(slice(pair, kSerfilId, kIdWidth), kIdWidth), id)) {
            ssn = pair.substr(0, kSsnWidth);
            break;
        }
    }
    if (const int existing = ssn.empty() ? -1 : findKey(stores.stations, ssn); existing >= 0) {
        const std::string& line = stores.stations[static_cast<std::size_t>(existing)];
        row.ssn = ssn;
        row.stationName = ui::trimRight(slice(line, station_line::kName, kStationNameWidth));
        const std::string ownId = slice(line, station_line::kId, kIdWidth);
        if (rinex::trimmed(ownId).empty()) {
            row.givesStationId = true;
        } else {
            row.stationId = ownId;
            addProblem(row, Severity::Warning,
                       ui::format("station %s has the 4-character ID %s, the file names %s", ssn.c_str(), ownId.c_str(),
                                  id.c_str()));
        }
        return;
    }
    row.newStation = true;
    row.ssn = ssn.empty() ? nextFreeSsn(project, stores) : fit(ssn, kSsnWidth);
    row.stationName = ui::trimRight(fit(row.observation.markerName, kStationNameWidth));
    const std::string body = newStationBody(row.ssn, row.observation.markerName, position, project.lb_Defaults);
    row.stationLine = buildStationLine(body, id);
}

// An existing station far from the file's position is a classic wrong marker name.
void checkStationPosition(const Stores& stores, Row& row, const std::optional<rinex::Geodetic>& position) {
    if (row.newStation || !position) {
        return;
    }
    const int index = findKey(stores.stations, row.ssn);
    const auto stationPosition =
        positionOfStation(slice(stores.stations[static_cast<std::size_t>(index)], station_line::kBody));
    if (!stationPosition) {
        return;
    }
    const rinex::Geocentric file{row.observation.x, row.observation.y, row.observation.z};
    const rinex::Geocentric station =
        rinex::toGeocentric({stationPosition->latitude, stationPosition->longitude, position->height});
    const double distance = std::hypot(file.x - station.x, file.y - station.y, file.z - station.z);
    if (distance > kFarFromStation) {
        addProblem(row, Severity::Warning,
                   ui::format("station %s lies %.0f m from the file's APPROX POSITION XYZ", row.ssn.c_str(), distance));
    }
}

void planInstrument(const Stores& stores, Row& row) {
    const std::string& serial = row.observation.receiverSerial;
    const std::string cut = fit(serial, kInstrumentSerialWidth);
    if (serial.size() > kInstrumentSerialWidth) {
        addProblem(row, Severity::Warning,
                   ui::format("receiver serial number %s is longer than 10 characters", serial.c_str()));
    }
    for (const std::string& body : stores.instruments) {
        if (sameNoCase(rinex::trimmed(slice(body, kInstrumentSerialOffset, kInstrumentSerialWidth)),
                       rinex::trimmed(cut))) {
            row.jsin = body.substr(0, kJsinWidth);
            row.newInstrument = false;
            return;
        }
    }
    row.newInstrument = true;
    row.jsin = zeroFill(nextKey(stores.instruments, kJsinWidth), kJsinWidth);
    row.instrumentBody = newInstrumentBody(row.jsin, row.observation.receiverType, serial);
}

bool inAntennaCodeList(const std::string& code) {
    for (const std::string& item : antennaCodeItems()) {
        if (fit(item, kAntennaCodeWidth) == code) {
            return true;
        }
    }
    return false;
}

void planAntenna(const Stores& stores, Row& row) {
    row.antennaCode = rinex::AntennaOffsets::normalCode(row.observation.antennaCode);
    const std::string& serial = row.observation.antennaSerial;
    if (!inAntennaCodeList(row.antennaCode)) {
        addProblem(
            row, Severity::Note,
            ui::format("antenna code %s is not in the antenna code list", rinex::trimmed(row.antennaCode).c_str()));
    }
    for (const std::string& body : stores.antennas) {
        if (fit(slice(body, kAntennaCodeOffset, kAntennaCodeWidth), kAntennaCodeWidth) == row.antennaCode &&
            sameNoCase(rinex::trimmed(slice(body, kAntennaSerialOffset, kAntennaSerialWidth)), serial)) {
            row.jsan = body.substr(0, kJsanWidth);
            row.newAntenna = false;
            return;
        }
    }
    row.newAntenna = true;
    row.jsan = zeroFill(nextKey(stores.antennas, kJsanWidth), kJsanWidth);
    row.antennaBody = newAntennaBody(row.jsan, row.antennaCode, serial);
}

// The ANTEX offsets chosen, or why there are none (the warning each row gets).
struct Antex {
    std::optional<rinex::AntennaOffsets> offsets;
    std::string missing;
};

Antex readAntexFile(const std::string& path) {
    if (path.empty()) {
        return {std::nullopt, std::string("no ANTEX file: ") + kNoOffset};
    }
    rinex::CompressedFile file(path);
    auto offsets = file.failed() ? std::nullopt : rinex::readAntex(file.text());
    if (!offsets) {
        return {std::nullopt, "the ANTEX file " + path + " cannot be read: " + kNoOffset};
    }
    return {std::move(offsets), {}};
}

void planHeight(const Antex& antex, Row& row) {
    double height = row.observation.deltaH;
    if (!antex.offsets) {
        addProblem(row, Severity::Warning, antex.missing);
    } else if (const auto up = antex.offsets->upOf(row.antennaCode, row.observation.antennaSerial)) {
        height += *up / 1000;
    } else {
        addProblem(
            row, Severity::Warning,
            ui::format("antenna %s is not in the ANTEX file: %s", rinex::trimmed(row.antennaCode).c_str(), kNoOffset));
    }
    const auto laidOut = layOutAntennaHeight(height);
    if (!laidOut) {
        addProblem(row, Severity::Warning,
                   ui::format("the antenna height %.3f m does not fit the occupation entry: left blank", height));
    }
    row.antennaHeight = laidOut.value_or("");
}

void planTimes(Row& row) {
    const rinex::Observation& observation = row.observation;
    row.start = minuteOf(*observation.firstObs, observation.timeSystem);
    row.end = minuteOf(*observation.lastObs, observation.timeSystem);
    if (row.endFromName) {
        addProblem(row, Severity::Warning,
                   "no TIME OF LAST OBS and no last epoch in the data: the end follows "
                   "from the file name");
    } else if (row.endUnknown) {
        addProblem(row, Severity::Warning,
                   "no TIME OF LAST OBS, no last epoch in the data and no period in the "
                   "file name: the end is the start");
    }
}

std::string yymmdd(const UtcMinute& t) {
    return ui::format("%02d%02d%02d", t.year % 100, t.month, t.day);
}

std::string yymmddhhmm(const UtcMinute& t) {
    return yymmdd(t) + ui::format("%02d%02d", t.hour, t.minute);
}

// The session already in the project (or planned before): same SSN, same first occupation.
bool sessionExists(const Stores& stores, const Row& row) {
    for (const std::string& line : stores.sessions) {
        const SessionWorkArea session = unpackSession(packedOf(line));
        if (session.ssn() == row.ssn && session.occupationCount > 0 &&
            slice(session.occupation(0), 0, 10) == yymmddhhmm(row.start)) {
            return true;
        }
    }
    return false;
}

// The file name's session letter, else the first letter no session of the station has that day.
std::string sessionLetter(const Stores& stores, const Row& row) {
    if (const auto letter = rinex::sessionLetterOfName(row.fileName)) {
        return std::string(1, *letter);
    }
    std::string used;
    for (const std::string& line : stores.sessions) {
        const SessionWorkArea session = unpackSession(packedOf(line));
        if (session.ssn() == row.ssn && session.occupationCount > 0 &&
            slice(session.occupation(0), 0, 6) == yymmdd(row.start)) {
            used += slice(session.part25, packed_session::kSessionLetter, 1);
        }
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (used.find(letter) == std::string::npos) {
            return std::string(1, letter);
        }
    }
    return "Z";
}

std::string layOutCable(Row& row) {
    const auto cable = layOutCableLength(row.cable);
    if (!cable) {
        addProblem(row, Severity::Warning,
                   ui::format("cable length %s is not a whole number of metres of up to 2 digits: left blank",
                              row.cable.c_str()));
    }
    return cable.value_or("");
}

std::string sessionLineOf(Row& row) {
    const std::string letter = row.sessionLetter.substr(0, 1);
    const std::string mediaId = std::string(1, manufacturerCode(row.observation.receiverType)) +
                                century::mediaDayAndYear({row.start.year, row.start.month, row.start.day}) + letter +
                                row.stationId;
    row.mediaIdentifier = fit(mediaId, packed_session::kMediaIdWidth);
    SessionWorkArea session;
    session.part25 = fit(row.ssn, kSsnWidth) + row.mediaIdentifier + fit(row.initials, 3) + fit(row.jsin, kJsinWidth) +
                     fit(layOutCable(row), packed_session::kCableLengthWidth) + fit(row.jsan, kJsanWidth);
    session.comments = fit(kCommentPrefix + row.fileName, packed_session::kCommentWidth);
    session.commentCount = 1;
    const UtcMinute& s = row.start;
    const UtcMinute& e = row.end;
    session.occupations = occupationEntry(s.year, s.month, s.day, s.hour, s.minute, row.antennaHeight) +
                          occupationEntry(e.year, e.month, e.day, e.hour, e.minute, row.antennaHeight);
    session.occupationCount = 2;
    const std::string packed = packSession(session);
    return buildSessionLine(unpackSession(packed), packed);
}

// Adds what an imported row gives to the stores the later rows are planned against.
void addToStores(Stores& stores, const Row& row) {
    if (row.newStation) {
        stores.stations.push_back(row.stationLine);
    } else if (row.givesStationId) {
        std::string& line = stores.stations[static_cast<std::size_t>(findKey(stores.stations, row.ssn))];
        line.replace(station_line::kId, kIdWidth, row.stationId);
    }
    if (row.newInstrument) {
        stores.instruments.push_back(row.instrumentBody);
    }
    if (row.newAntenna) {
        stores.antennas.push_back(row.antennaBody);
    }
    stores.sessions.push_back(row.sessionLine);
}

// A new key beyond its width (SSN 9999, JSIN or JSAN 999 in use) refuses the row.
bool keysFit(Row& row) {
    const struct {
        const std::string& key;
        std::size_t width;
        const char* name;
    } keys[] = {{row.ssn, kSsnWidth, "SSN"}, {row.jsin, kJsinWidth, "JSIN"}, {row.jsan, kJsanWidth, "JSAN"}};
    for (const auto& key : keys) {
        if (key.key.size() > key.width) {
            row.status = Row::Status::Refused;
            addProblem(row, Severity::Error, ui::format("no %s is left for a new record", key.name));
            return false;
        }
    }
    return true;
}

void planRow(const Project& project, Stores& stores, const Antex& antex, Row& row) {
    row.problems.clear();
    row.status = Row::Status::Import;
    row.stationLine.clear(), row.instrumentBody.clear(), row.antennaBody.clear(), row.sessionLine.clear();
    const rinex::Observation& observation = row.observation;
    std::optional<rinex::Geodetic> position;
    if (observation.x != 0 || observation.y != 0 || observation.z != 0) {
        position = rinex::toGeodetic({observation.x, observation.y, observation.z});
    }
    planStation(project, stores, row, position);
    planTimes(row);
    if (sessionExists(stores, row)) {
        row.status = Row::Status::Skipped;
        row.problems.insert(row.problems.begin(),
                            {Severity::Note, ui::format("session %s %s is already in the project", row.ssn.c_str(),
                                                        dateText(row.start).c_str())});
        return;
    }
    if (!position) {
        addProblem(row, Severity::Warning, "APPROX POSITION XYZ is 0,0,0: latitude and longitude left blank");
    }
    checkStationPosition(stores, row, position);
    planInstrument(stores, row);
    planAntenna(stores, row);
    if (!keysFit(row)) {
        return;
    }
    planHeight(antex, row);
    if (!row.letterChosen) {
        row.sessionLetter = sessionLetter(stores, row);
    }
    row.sessionLine = sessionLineOf(row);
    addToStores(stores, row);
}

Stores storesOf(const Project& project) {
    return {project.lb_Stations.lines(), project.lb_Instruments.lines(), project.lb_Antennas.lines(),
            project.lb_Sessions.lines()};
}

std::string monthOf(const UtcMinute& t) {
    return ui::format("%04d%02d", t.year, t.month);
}

} // namespace

Plan planImport(const Project& project, const std::vector<std::string>& files, const Options& options,
                const Progress& progress) {
    Plan plan{options, {}, false};
    plan.newProject = project.fileName.empty() && project.newHeader && project.lb_Stations.empty() &&
                      project.lb_Instruments.empty() && project.lb_Antennas.empty() && project.lb_Sessions.empty();
    const int total = static_cast<int>(files.size());
    for (int done = 0; done < total; ++done) {
        if (progress && !progress(done, total)) {
            return Plan{options, {}, plan.newProject};
        }
        Row row = readRow(files[static_cast<std::size_t>(done)]);
        row.initials = options.initials;
        row.cable = options.cable;
        plan.rows.push_back(std::move(row));
    }
    if (progress) {
        progress(total, total);
    }
    replan(project, plan);
    return plan;
}

void replan(const Project& project, Plan& plan) {
    Stores stores = storesOf(project);
    const Antex antex = readAntexFile(plan.options.antexPath);
    for (Row& row : plan.rows) {
        if (row.observation.firstObs) { // read: a refused file has no first epoch
            planRow(project, stores, antex, row);
        }
    }
}

int applyImport(Project& project, const Plan& plan) {
    int sessions = 0;
    std::optional<UtcMinute> first, last;
    for (const Row& row : plan.rows) {
        if (!row.imported()) {
            continue;
        }
        if (row.newStation && project.lb_Stations.find(row.ssn) < 0) {
            project.lb_Stations.append(row.stationLine);
        } else if (const int index = project.lb_Stations.find(row.ssn); row.givesStationId && index >= 0) {
            std::string line = project.lb_Stations.at(index);
            line.replace(station_line::kId, kIdWidth, row.stationId);
            project.lb_Stations.replace(index, line);
        }
        if (row.newInstrument && project.lb_Instruments.find(row.jsin) < 0) {
            project.lb_Instruments.append(row.instrumentBody);
        }
        if (row.newAntenna && project.lb_Antennas.find(row.jsan) < 0) {
            project.lb_Antennas.append(row.antennaBody);
        }
        project.lb_Sessions.append(row.sessionLine);
        ++sessions;
        first = first ? std::min(*first, row.start) : row.start;
        last = last ? std::max(*last, row.end) : row.end;
    }
    if (plan.newProject && first) {
        project.header.ProjectStartDate = monthOf(*first);
        project.header.ProjectEndDate = monthOf(*last);
    }
    return sessions;
}

std::string summaryLine(const Row& row) {
    if (row.status == Row::Status::Refused) {
        return {};
    }
    if (row.status == Row::Status::Skipped) {
        return row.path + ": skipped: " + row.problems.front().text;
    }
    auto kind = [](bool isNew) { return isNew ? "new" : "existing"; };
    return ui::format("%s: session %s %s %s - %s (station %s %s, instrument %s %s, antenna %s %s)", row.path.c_str(),
                      row.ssn.c_str(), row.mediaIdentifier.c_str(), dateText(row.start).c_str(),
                      dateText(row.end).c_str(), row.ssn.c_str(), kind(row.newStation), row.jsin.c_str(),
                      kind(row.newInstrument), row.jsan.c_str(), kind(row.newAntenna));
}

std::vector<std::string> problemLines(const Row& row) {
    static constexpr const char* kSeverityNames[] = {"note", "warning", "error"};
    std::vector<std::string> lines;
    const std::size_t first = row.status == Row::Status::Skipped ? 1 : 0;
    for (std::size_t i = first; i < row.problems.size(); ++i) {
        const Problem& problem = row.problems[i];
        lines.push_back(row.path + ": " + kSeverityNames[static_cast<int>(problem.severity)] + ": " + problem.text);
    }
    return lines;
}

} // namespace ardel::rinex_import
