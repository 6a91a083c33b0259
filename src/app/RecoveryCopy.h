// The recovery copy of a project with unsaved changes: the project as a B-file (with
// no limit to its records) and a side file with what a B-file cannot carry (the file
// name it belongs to and that file's stamp, the whole header, the 4-character ID of
// every station, the new-header flag). Each running
// program keeps its own copy in the data folder, named by its process id; a copy
// whose program no longer runs is one a crash left behind.
#pragma once

#include "model/Project.h"
#include "ui/Toolkit.h"
#include "utilities/WarningPrompts.h"

#include <functional>
#include <string>
#include <vector>

namespace ardel {

// A copy found in the data folder.
struct FoundCopy {
    std::string sidePath;  // the side file
    std::string bfilePath; // the B-file it names
    std::string fileName;  // the project's file; "" for an unnamed project
    std::string date;      // when it was written, local time "YYYY-MM-DD HH:MM"
    long processId = 0;
};

class RecoveryCopy {
public:
    RecoveryCopy(std::string folder, long processId);

    // Writes the copy of the project, replacing this program's previous one only once
    // both files are complete. False (the previous copy kept) when it cannot be written.
    bool write(const Project& project);
    // Removes this program's copy, if any.
    void remove();

    // The copies in `folder` whose program is not running (`running` says), newest first.
    static std::vector<FoundCopy> leftBehind(const std::string& folder, const std::function<bool(long)>& running);
    // Reads a copy into the emptied project: stores, header, IDs, file name and its
    // stamp as they were (a relative file name, kept by an older version, is left out);
    // the project is marked modified with an empty history. The remembered input file
    // is left as it was. False when the copy could not be read whole.
    static bool restore(const FoundCopy& copy, Project& project, ui::Toolkit& toolkit, Form_Warning& warning);
    // Removes a copy's files, and any other B-file its program left.
    static void discard(const FoundCopy& copy);

private:
    std::string folder_;
    long processId_;
    int generation_ = 0;
    std::string bfileName_; // the B-file of the copy written last
};

} // namespace ardel
