// Saving a file without ever destroying the previous one: the text is written to a
// temporary file beside the target and renamed over it only when complete.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace ardel {

// Faults a test injects into the next saves: the stream fails after so many bytes,
// or the final rename fails.
struct WriteFaults {
    std::optional<std::size_t> failAfterBytes;
    bool failRename = false;
};
WriteFaults& writeFaults();

// What a command says when a file it saves cannot be written ("%s": the path).
inline constexpr char kCannotWriteCaption[] = "Cannot Write File";
inline constexpr char kCannotWriteMessage[] =
    "Cannot write to file %s.\n File may be marked read-only or may be in use by another program.";

// Writes the file through `write` (which returns false to abandon the save) and
// replaces `path` with it. Returns false, leaving any previous file untouched and no
// temporary file behind, when the folder is not writable, the target is read-only,
// a write fails, `write` gives up or the rename fails.
bool saveAtomically(const std::string& path, const std::function<bool(std::ostream&)>& write);

} // namespace ardel
