// What the SERFIL and defaults imports share: the file dialog's starting path, the
// remembered path, and reading the chosen file line by line (one byte one column).
#pragma once

#include "ui/Toolkit.h"

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace ardel {

// The most characters an imported line keeps.
inline constexpr std::size_t kImportLineWidth = 81;

// The lines of the file, read in binary. A line ends at LF (a CR just before it is
// dropped, and so is a CR that ends the file); a last line without a line break is
// read too; a longer line keeps its first kImportLineWidth characters and the rest
// of it is skipped. Nothing when the file is not a regular file or cannot be opened or read.
//   "AB\r\nCD"   -> {"AB", "CD"}
//   "AB\n\n"     -> {"AB", ""}
//   ""           -> {}
std::optional<std::vector<std::string>> readImportLines(const std::string& path);
// The same from a stream opened in binary; nothing when it goes bad.
std::optional<std::vector<std::string>> readImportLines(std::istream& in);

// The starting path of an import's file dialog: the setting's value, else the program's folder.
std::string importStartPath(ui::Toolkit& toolkit, const char* setting);

// For the file the user chose: remembers the path in the setting (before anything else),
// then reads its lines. A missing or unreadable file (a folder, FIFO, device or socket
// too) is reported and gives nothing.
std::optional<std::vector<std::string>> readChosenImportFile(ui::Toolkit& toolkit, const char* setting,
                                                             const std::string& path);

} // namespace ardel
