// Saving a file without ever destroying the previous one: the text is written to a
// temporary file beside the target and renamed over it only when complete. The
// temporary file has a short name of its own (".ardel-<process id>-XXXXXX"), so that
// a target of any name can be saved, and a save that was killed leaves a file that
// the next save in that folder recognises and removes.
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

// What refused a save: the folder (it allows no new file, or is missing), the file
// (it is read-only), or the writing itself (a failed write or rename, a target that is
// no regular file, `write` giving up).
enum class SaveRefusal { None, Folder, File, Write };

struct SaveResult {
    SaveRefusal refusal = SaveRefusal::None;
    std::string previousCopy; // the copy of the previous file made before writing in place
    bool written() const { return refusal == SaveRefusal::None; }
};

// saveAtomically, and where the folder refuses the temporary file but the file itself
// may be written: the previous file is first copied into `copyFolder`, then the file
// is written in place. Without `copyFolder` ("") a file is never written in place.
SaveResult saveFile(const std::string& path, const std::function<bool(std::ostream&)>& write,
                    const std::string& copyFolder);

// Removes the temporary files in `folder` whose saving process no longer exists. A
// living process is never judged by what it runs: another build or version of the
// program, or another user's, may be saving beside it.
void removeLeftoverTemporaries(const std::string& folder);

} // namespace ardel
