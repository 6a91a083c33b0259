// The check of a B-file as `ardel --validate` runs it: the file is read as Open reads
// it, what the reader reports becomes a problem at its line, and the project read is
// then checked, with every record reported at its line in the file. At most
// check::kMostProblemsListed problems are listed, the first ones in the file; the others
// are counted. The memory a check takes grows with the records kept, not the problems.
#pragma once

#include "check/ProjectCheck.h"

#include <string>
#include <vector>

namespace ardel {

enum class FileCheckOutcome {
    Read,       // read to its end
    Missing,    // no such file
    Unreadable, // not a regular file, or it cannot be opened: nothing was read
    Stopped,    // the read stopped on an error; what was read before it is checked
};

struct FileCheck {
    FileCheckOutcome outcome = FileCheckOutcome::Read;
    std::vector<check::Problem> problems; // in file order
    check::ProblemCounts unlisted;        // found beyond the problems listed
};

FileCheck checkFile(const std::string& path);

} // namespace ardel
