#include "app/RecoveryCopy.h"

#include "bfile/BFileReader.h"
#include "bfile/BFileWriter.h"
#include "ui/Platform.h"
#include "utilities/AtomicFile.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>
#include <utility>

namespace ardel {

namespace {

namespace fs = std::filesystem;

constexpr const char* kFirstLine = "Ardel recovery copy";
constexpr const char* kPrefix = "recovery-";
constexpr const char* kSideExtension = ".txt";
constexpr const char* kInputFileSetting = "InputFile";

struct HeaderField {
    const char* name;
    std::string FormHeaderInfoFDXStruct::*member;
};

using H = FormHeaderInfoFDXStruct;
const HeaderField kHeaderFields[] = {
    {"CreationDate", &H::CreationDate},
    {"JobCode", &H::JobCode},
    {"SubmittingAgencyAbbreviation", &H::SubmittingAgencyAbbreviation},
    {"SubmittingAgencyName", &H::SubmittingAgencyName},
    {"AssignedNumber", &H::AssignedNumber},
    {"ProjectTitle", &H::ProjectTitle},
    {"ProjectStartDate", &H::ProjectStartDate},
    {"ProjectEndDate", &H::ProjectEndDate},
    {"ChiefOfParty", &H::ChiefOfParty},
    {"ChiefOfPartyInitials", &H::ChiefOfPartyInitials},
    {"SecondChiefOfParty", &H::SecondChiefOfParty},
    {"SecondChiefOfPartyInitials", &H::SecondChiefOfPartyInitials},
    {"PrimaryStateOrCountry", &H::PrimaryStateOrCountry},
    {"OrderAndClass", &H::OrderAndClass},
    {"DatumName", &H::DatumName},
    {"EllipsoidName", &H::EllipsoidName},
    {"SemiMajorAxis", &H::SemiMajorAxis},
    {"InverseFlattening", &H::InverseFlattening},
    {"SemiMinorAxis", &H::SemiMinorAxis},
    {"TypeOfSurvey", &H::TypeOfSurvey},
};

// What the side file holds besides the B-file.
struct Side {
    std::string bfileName;
    std::string date;
    std::string fileName;
    bool newHeader = false;
    std::optional<FileStamp> stamp;
    FormHeaderInfoFDXStruct header;
    std::vector<std::pair<std::string, std::string>> ids; // SSN, 4-character ID
};

// A value on one line: backslash, CR and LF written as \\, \r and \n.
std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string unescaped(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 'r' ? '\r' : next == 'n' ? '\n' : next;
    }
    return out;
}

std::string now() {
    const std::time_t time = std::time(nullptr);
    const std::tm local = ui::localTime(time);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

bool writeSide(std::ostream& out, const Project& project, const std::string& bfileName) {
    out << kFirstLine << '\n' << "bfile " << bfileName << '\n' << "date " << now() << '\n';
    out << "file " << escaped(project.fileName) << '\n' << "newHeader " << (project.newHeader ? 1 : 0) << '\n';
    if (project.fileStamp) {
        out << "stamp " << project.fileStamp->text() << '\n';
    }
    for (const HeaderField& field : kHeaderFields) {
        out << "header " << field.name << ' ' << escaped(project.header.*field.member) << '\n';
    }
    for (const std::string& line : project.lb_Stations.lines()) {
        out << "id " << fit(slice(line, station_line::kSsn, station_line::kSsnWidth), station_line::kSsnWidth)
            << fit(slice(line, station_line::kId, station_line::kIdWidth), station_line::kIdWidth) << '\n';
    }
    return static_cast<bool>(out);
}

void takeHeaderField(Side& side, const std::string& value) {
    const std::size_t blank = value.find(' ');
    const std::string name = value.substr(0, blank);
    for (const HeaderField& field : kHeaderFields) {
        if (name == field.name) {
            side.header.*field.member = blank == std::string::npos ? std::string() : unescaped(value.substr(blank + 1));
        }
    }
}

std::optional<Side> readSide(const std::string& path) {
    std::ifstream in(ui::nativePath(path), std::ios::binary);
    std::string line;
    if (!std::getline(in, line) || line != kFirstLine) {
        return std::nullopt;
    }
    Side side;
    while (std::getline(in, line)) {
        const std::size_t blank = line.find(' ');
        const std::string key = line.substr(0, blank);
        const std::string value = blank == std::string::npos ? std::string() : line.substr(blank + 1);
        if (key == "bfile") {
            side.bfileName = value;
        } else if (key == "date") {
            side.date = value;
        } else if (key == "file") {
            side.fileName = unescaped(value);
        } else if (key == "newHeader") {
            side.newHeader = value == "1";
        } else if (key == "stamp") {
            side.stamp = FileStamp::fromText(value);
        } else if (key == "header") {
            takeHeaderField(side, value);
        } else if (key == "id") {
            side.ids.emplace_back(slice(value, 0, kSsnWidth), slice(value, kSsnWidth, station_line::kIdWidth));
        }
    }
    if (side.bfileName.empty() || side.bfileName.find_first_of("/\\") != std::string::npos) {
        return std::nullopt;
    }
    return side;
}

// The process id of a side file's name "recovery-<id>.txt"; nothing for another file.
std::optional<long> processIdOf(const std::string& name) {
    const std::string prefix = kPrefix, extension = kSideExtension;
    if (name.size() <= prefix.size() + extension.size() || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - extension.size(), extension.size(), extension) != 0) {
        return std::nullopt;
    }
    const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - extension.size());
    if (digits.empty() || digits.size() > 9 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return std::stol(digits);
}

void giveIds(TextStore& stations, const std::vector<std::pair<std::string, std::string>>& ids) {
    for (const auto& pair : ids) {
        const int row = stations.find(pair.first);
        if (row >= 0) {
            std::string line = stations.at(row);
            line.replace(station_line::kId, station_line::kIdWidth, fit(pair.second, station_line::kIdWidth));
            stations.replace(row, std::move(line));
        }
    }
}

} // namespace

RecoveryCopy::RecoveryCopy(std::string folder, long processId) : folder_(std::move(folder)), processId_(processId) {}

bool RecoveryCopy::write(const Project& project) {
    if (folder_.empty()) {
        return false;
    }
    const std::string stem = kPrefix + std::to_string(processId_);
    const std::string bfileName = stem + "-" + std::to_string(++generation_) + ".bfl";
    const std::string bfilePath = ui::joinPath(folder_, bfileName);
    if (!saveAtomically(bfilePath, [&](std::ostream& out) { return writeBFile(project, out, RecordLimit::None); })) {
        return false;
    }
    if (!saveAtomically(ui::joinPath(folder_, (stem + kSideExtension)),
                        [&](std::ostream& out) { return writeSide(out, project, bfileName); })) {
        ui::removeFile(bfilePath);
        return false;
    }
    if (!bfileName_.empty()) {
        ui::removeFile(ui::joinPath(folder_, bfileName_));
    }
    bfileName_ = bfileName;
    return true;
}

void RecoveryCopy::remove() {
    if (bfileName_.empty()) {
        return;
    }
    ui::removeFile(ui::joinPath(folder_, (kPrefix + std::to_string(processId_) + kSideExtension)));
    ui::removeFile(ui::joinPath(folder_, bfileName_));
    bfileName_.clear();
}

std::vector<FoundCopy> RecoveryCopy::leftBehind(const std::string& folder, const std::function<bool(long)>& running) {
    std::vector<FoundCopy> found;
    std::error_code error;
    for (fs::directory_iterator it(ui::nativePath(folder), error), end; !error && it != end; it.increment(error)) {
        const std::optional<long> id = processIdOf(ui::utf8Path(it->path().filename()));
        if (!id || running(*id)) {
            continue;
        }
        const std::string sidePath = ui::utf8Path(it->path());
        const std::optional<Side> side = readSide(sidePath);
        const std::string bfilePath = side ? ui::joinPath(folder, side->bfileName) : std::string();
        if (side && ui::fileExists(bfilePath)) {
            found.push_back({sidePath, bfilePath, side->fileName, side->date.substr(0, 16), *id});
        }
    }
    std::sort(found.begin(), found.end(), [](const FoundCopy& a, const FoundCopy& b) { return a.date > b.date; });
    return found;
}

bool RecoveryCopy::restore(const FoundCopy& copy, Project& project, ui::Toolkit& toolkit, Form_Warning& warning) {
    const std::optional<Side> side = readSide(copy.sidePath);
    if (!side) {
        return false;
    }
    project.clear();
    const std::optional<std::string> remembered = toolkit.settings().value(kInputFileSetting);
    project.fileName = copy.bfilePath;
    const ReadOutcome outcome = readBFile(project, toolkit, warning, false);
    // A relative name, kept by an older version: which folder it meant is unknown.
    const bool named = ui::isAbsolutePath(side->fileName);
    project.fileName = named ? side->fileName : std::string();
    project.fileStamp = named ? side->stamp : std::nullopt;
    toolkit.settings().setValue(kInputFileSetting, remembered.value_or(project.fileName));
    giveIds(project.lb_Stations, side->ids);
    project.header = side->header;
    project.newHeader = side->newHeader;
    if (project.headerChanged) {
        project.headerChanged();
    }
    project.markModified();
    project.restartHistory();
    return outcome == ReadOutcome::Completed;
}

// Also any B-file of the same program that a kill between two writes left unnamed.
void RecoveryCopy::discard(const FoundCopy& copy) {
    ui::removeFile(copy.sidePath);
    ui::removeFile(copy.bfilePath);
    const std::string stem = kPrefix + std::to_string(copy.processId) + "-";
    std::error_code error;
    for (fs::directory_iterator it(ui::nativePath(ui::parentFolder(copy.sidePath)), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = ui::utf8Path(it->path().filename());
        if (name.compare(0, stem.size(), stem) == 0 && it->path().extension() == ".bfl") {
            ui::removeFile(ui::utf8Path(it->path()));
        }
    }
}

} // namespace ardel
