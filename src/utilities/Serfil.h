// SERFILs: files pairing station serial numbers with 4-character IDs. The store of
// imported pairs, its lookups, and the "&SERFIL" menu commands (explain, import,
// export).
#pragma once

#include "model/Project.h"
#include "model/TextStore.h"
#include "ui/Toolkit.h"

#include <string>
#include <string_view>
#include <vector>

namespace ardel {

inline constexpr const char* kSerfilSetting = "SERFile";

// The blanks between the two pieces of a pair, in the store and in a SERFIL.
inline constexpr const char* kSerfilGap = "   ";

// A line of the store: SSN(4) 3 blanks ID(4).
namespace serfil_line {
constexpr std::size_t kSsn = 0, kSsnWidth = 4;
constexpr std::size_t kId = 7, kIdWidth = 4;
} // namespace serfil_line

// A line of a SERFIL: ID(4) 3 blanks SSN(4); anything after it is ignored.
namespace serfil_file {
constexpr std::size_t kId = 0, kIdWidth = 4;
constexpr std::size_t kSsn = 7, kSsnWidth = 4;
} // namespace serfil_file

// The store line of a pair; each piece blank-padded or cut to 4 characters.
std::string buildSerfilLine(std::string_view ssn, std::string_view id);
// The 4-character ID paired with the SSN (the first line from the top that begins with
// the SSN, letter case ignored), or "" when none.
std::string serfilIdForSsn(const TextStore& serfil, std::string_view ssn);
// The SSN paired with the 4-character ID: the first line whose ID equals `id` in all
// its 4 characters, letter case ignored ("ABCD" finds "abcd", "AB" does not find
// "ABCD"); "" when none or when `id` is empty.
std::string serfilSsnForId(const TextStore& serfil, std::string_view id);

// "&Explain": the information box about SERFILs.
void explainSerfil(ui::Toolkit& toolkit);

// "&Import SERFIL": asks for a file and, when it can be read, replaces project.lb_SERFIL
// with its pairs in file order; for each pair whose station has another 4-character ID
// it offers to change the station's ID (its sessions are left alone), then reports the
// count. `serfilPath` is the SERFIL path kept for the run: it becomes the dialog's
// starting path and then the chosen path, which is also remembered in the settings.
// The caller makes the changed IDs an undo step.
void importSerfil(ui::Toolkit& toolkit, Project& project, std::string& serfilPath);
// What the import does with the lines of the chosen file; returns the pairs taken.
int takeSerfilLines(ui::Toolkit& toolkit, Project& project, const std::vector<std::string>& lines);

// "&Export SERFIL": asks for a file (starting with `serfilPath`) and replaces it with one
// line "ID   SSN" per station, in list order. A file that cannot be written is reported
// and left as it was.
void exportSerfil(ui::Toolkit& toolkit, const Project& project, const std::string& serfilPath);

} // namespace ardel
