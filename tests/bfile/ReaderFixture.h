// What the B-file reader tests share: records built column by column, a project with
// the conversion table loaded, and the boxes and prompts a read is expected to show.
#pragma once

#include "bfile/BFileReader.h"
#include "support/HeadlessTest.h"
#include "ui/Text.h"

#include <string>
#include <vector>

namespace ardel::testing {

// An 80-column record: sequence number, record code between asterisks, body cut or
// padded to 70. The reader does not look at the sequence numbers.
inline std::string record(const std::string& code, const std::string& body, int sequence = 10) {
    return fit(ui::format("%06d*", sequence) + fit(code, 2) + "*" + body, 80);
}

// The *25* part: SSN(4) media identifier(6 + 4-character ID) initials(3) JSIN(3) cable(2) JSAN(3).
inline std::string part25(const std::string& ssn, const std::string& id, const std::string& jsin = "001",
                          const std::string& jsan = "001") {
    return fit(ssn, 4) + "240131" + fit(id, 4) + "JRX" + fit(jsin, 3) + "05" + fit(jsan, 3);
}

// A *27* occupation entry of 41 characters beginning with its date and time.
inline std::string occupation(const std::string& dateTime) {
    return fit(dateTime + " 1.234 OCCUPATION", 41);
}

inline std::string stationBody(const std::string& ssn, const std::string& name) {
    return fit(ssn + name, 70);
}

// Messages of a read, with their arguments.
inline std::string duplicateText(const char* kind, const std::string& key, const std::string& line) {
    const std::string code = kind;
    const std::string what = code == "70"   ? "A record with the Job Specific Instrument Number "
                             : code == "80" ? "A record with the Station Serial Number "
                             : code == "86" ? "An *86* record with the Station Serial Number "
                             : code == "90" ? "A *90* record with the Station Serial Number "
                                            : "A record with the Job Specific Antenna Number ";
    return what + key + " already exists.\nThe *" + code + "* record below will be ignored\n" + line;
}

inline const std::string kRefersTo = "The input B-File is inconsistent. \n"
                                     "              The session (*25*) record  \n"
                                     "              ";

inline std::string noStationText(const std::string& part) {
    return kRefersTo + part +
           " \n              refers to an SSN for which there is no corresponding \n              station (*80*) "
           "record.";
}
inline std::string noInstrumentText(const std::string& part) {
    return kRefersTo + part +
           " \n              refers to an Instument Number for which there is no corresponding \n"
           "              Instrument (*70*) record.";
}
inline std::string noAntennaText(const std::string& part) {
    return kRefersTo + part +
           " \n              refers to an Antenna Number for which there is no corresponding \n"
           "              Antenna (*71*) record.";
}
inline std::string idDisagreesText(const std::string& part) {
    return kRefersTo + part +
           " \n              contains a 4-Character ID which does not agree \n"
           "              with the 4-character ID already being used for the SSN";
}

inline const std::string kOldAntennasNotice = "The input B-File contains one or more *71* records. \n"
                                              "   Ardel will convert these to *72* antenna records \n"
                                              "   and will substitute Annex M codes for Annex J codes \n"
                                              "   where possible. Please verify that the conversion is correct.";

class ReaderTest : public HeadlessTest {
protected:
    ReaderTest() {
        loadConversionTable(project.lb_J2M);
        project.fileName = dir.path("input.bfl");
        project.headerChanged = [this] { ++headerShown; };
    }

    // Empties the project as Open does before a read of the same input file.
    void clearProject() {
        project.clear();
        project.fileName = dir.path("input.bfl");
    }

    // Writes the records, each ending in CR LF, to the input file and reads it.
    ReadOutcome read(const std::vector<std::string>& records, bool merging = false) {
        std::string bytes;
        for (const std::string& line : records) {
            bytes += line + "\r\n";
        }
        return readBytes(bytes, merging);
    }
    ReadOutcome readBytes(const std::string& bytes, bool merging = false) {
        writeFile(project.fileName, bytes);
        return readBFile(project, toolkit, warning, merging);
    }

    void expectDuplicate(const char* kind, const std::string& key, const std::string& line) {
        toolkit.expectMessage("Duplicate Found", duplicateText(kind, key, line));
    }
    // One of the three "refers to" warnings, through Form_Warning; `tick` silences it for the run.
    void expectPrompt(const std::string& text, bool tick = false) {
        toolkit.expectDialog("Form_Warning", [=](ui::HeadlessForm& dialog) {
            EXPECT_EQ(dialog.label("label_1").text(), text);
            if (tick) {
                dialog.click("checkbox_warning");
            }
            dialog.click("cb_OK");
        });
    }

    TempDir dir;
    Project project;
    Form_Warning warning{toolkit};
    int headerShown = 0;
};

} // namespace ardel::testing
