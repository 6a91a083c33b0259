// Feeds arbitrary bytes to the B-file reader, in the Open mode and then merging the
// same file into what was read, and checks that writing what was read is stable: the
// file written from a project and the file written after reading that file back are
// the same bytes. Messages and warnings are formatted and thrown away.
//
// The check needs a job code that begins with a capital letter, as the header editor
// demands: the last record carries the job code in the place of a record code, and the
// reader takes any blank record whose code is the job code for it, so with a job code
// such as "26" a blank comment line would not read back.
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

// The file the reader reads: written for each input, removed after it.
class InputFile {
public:
    InputFile() : path_("/tmp/ardel-fuzz-" + std::to_string(::getpid()) + ".bfl") {}
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile() { std::remove(path_.c_str()); }

    const std::string& path() const { return path_; }
    void write(const std::string& bytes) const {
        std::ofstream file(path_, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

private:
    std::string path_;
};

// Reads the file into a fresh project as Open does.
ReadOutcome readAsOpen(const InputFile& input, Project& project, ConsoleToolkit& console, Form_Warning& warning) {
    loadConversionTable(project.lb_J2M);
    project.fileName = input.path();
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

    const InputFile input;
    input.write(std::string(reinterpret_cast<const char*>(data), size));
    Project project;
    readAsOpen(input, project, console, warning);
    readBFile(project, console, warning, true);

    const std::string first = written(project);
    if (first.empty() || !jobCodeIsNoRecordCode(project)) {
        return 0;
    }
    input.write(first);
    Project again;
    if (readAsOpen(input, again, console, warning) != ReadOutcome::Completed || written(again) != first) {
        std::fprintf(stderr, "reading back a written B-file does not give it again\n");
        std::abort();
    }
    return 0;
}
