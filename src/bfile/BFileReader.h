// Reads a B-file into the project stores, in the Open mode or the merging mode.
#pragma once

#include "bfile/ReadObserver.h"
#include "model/Project.h"
#include "ui/Toolkit.h"
#include "utilities/WarningPrompts.h"

namespace ardel {

enum class ReadOutcome {
    Completed,   // read to its end (warnings may have been shown)
    FileMissing, // "The Input File Does Not Exist" was shown
    Stopped,     // an error stopped the read after its message; what was read before it stays
                 // (also when the file cannot be read to its end: "The Input File Cannot Be Read")
    Unreadable,  // not a regular file, or it cannot be opened: "The Input File Cannot Be Read" was
                 // shown and nothing was read
};

// Reads the file named by project.fileName. The caller prepares the stores (Open clears
// them first) and sets the title afterwards. Records "InputFile" in the settings first.
// Message boxes go through `toolkit`; the session reference warnings through `warning`.
// The *71* notice follows any read that converted one, even one stopped by an error;
// the new-header flag is cleared after a complete read and whenever the header was taken
// from the file.
ReadOutcome readBFile(Project& project, ui::Toolkit& toolkit, Form_Warning& warning, bool merging);
// The same read, telling `observer` (when given) the line of every record kept and of
// every message shown.
ReadOutcome readBFile(Project& project, ui::Toolkit& toolkit, Form_Warning& warning, bool merging,
                      ReadObserver* observer);

// Reads a B-file held in memory as readBFile reads one from project.fileName, which is
// neither opened nor recorded in the settings.
ReadOutcome readBFileBytes(Project& project, std::string_view bytes, ui::Toolkit& toolkit, Form_Warning& warning,
                           bool merging);

// Fills lb_J2M with the 76 rows of the antenna code conversion table.
void loadConversionTable(TextStore& j2m);

} // namespace ardel
