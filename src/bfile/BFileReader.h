// Reads a B-file into the project stores, in the Open mode or the merging mode.
#pragma once

#include "model/Project.h"
#include "ui/Toolkit.h"
#include "utilities/WarningPrompts.h"

namespace ardel {

enum class ReadOutcome {
    Completed,   // read to its end (warnings may have been shown)
    FileMissing, // "The Input File Does Not Exist" was shown
    Stopped,     // an error stopped the read after its message; what was read before it stays
};

// Reads the file named by project.fileName. The caller prepares the stores (Open clears
// them first) and sets the title afterwards. Records "InputFile" in the settings first.
// Message boxes go through `toolkit`; the session reference warnings through `warning`.
ReadOutcome readBFile(Project& project, ui::Toolkit& toolkit, Form_Warning& warning, bool merging);

// Fills lb_J2M with the 76 rows of the antenna code conversion table.
void loadConversionTable(TextStore& j2m);

} // namespace ardel
