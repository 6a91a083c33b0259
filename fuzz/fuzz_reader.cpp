// Feeds arbitrary bytes to the B-file reader, in the Open mode and then merging the
// same file into what was read, and checks that writing what was read is stable: the
// file written from a project and the file written after reading that file back are
// the same bytes. Messages and warnings are formatted and thrown away.
//
// The check needs a job code that begins with a capital letter, as the header editor
// demands: the last record carries the job code in the place of a record code, so a
// job code such as "10" makes the last record read back as a *10* record.
#include "app/Console.h"
#include "bfile/BFileReader.h"
#include "bfile/BFileWriter.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace {

using namespace ardel;

const std::string& inputPath() {
    static const std::string path = [] {
        std::string name = "/tmp/ardel-fuzz-" + std::to_string(::getpid()) + ".bfl";
        std::atexit([] { std::remove(inputPath().c_str()); });
        return name;
    }();
    return path;
}

void writeInput(const std::string& bytes) {
    std::ofstream file(inputPath(), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Reads the file at inputPath() into a fresh project as Open does.
ReadOutcome readAsOpen(Project& project, ConsoleToolkit& console, Form_Warning& warning) {
    loadConversionTable(project.lb_J2M);
    project.fileName = inputPath();
    return readBFile(project, console, warning, false);
}

bool jobCodeIsNoRecordCode(const Project& project) {
    const std::string& code = project.header.JobCode;
    return !code.empty() && code[0] >= 'A' && code[0] <= 'Z';
}

std::string written(const Project& project) {
    std::ostringstream out;
    return writeBFile(project, out) ? out.str() : std::string();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ostream nowhere(nullptr);
    ConsoleToolkit console(nowhere);
    ConsoleWarning warning(console);

    writeInput(std::string(reinterpret_cast<const char*>(data), size));
    Project project;
    readAsOpen(project, console, warning);
    readBFile(project, console, warning, true);

    const std::string first = written(project);
    if (first.empty() || !jobCodeIsNoRecordCode(project)) {
        return 0;
    }
    writeInput(first);
    Project again;
    if (readAsOpen(again, console, warning) != ReadOutcome::Completed || written(again) != first) {
        std::fprintf(stderr, "reading back a written B-file does not give it again\n");
        std::abort();
    }
    return 0;
}
