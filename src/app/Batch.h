// Batch mode: the command-line options that check or convert a B-file without a
// window (and without a display).
//
//   ardel [FILE]              start the program (no batch work)
//   ardel --check FILE        read FILE as Open does; print every message it gives
//   ardel --convert IN OUT    read IN as Open does, then write it to OUT as Save As does
//   ardel --validate FILE     read FILE as --check does and check every record of it
//   ardel --import-rinex PROJECT FILE... [--initials III] [--cable NN] [--antex ANTEXFILE]
//                             add a session per RINEX observation file to PROJECT
//   ardel --help | --version
//
// Messages go to `out` as "caption: text" lines. Exit status: 0 read (and written)
// without a message, 1 with messages, 2 the input is missing or its reading stopped on
// an error, 3 OUT could not be written, 64 wrong usage (the usage goes to `err`).
// --validate prints one "FILE:LINE:COLUMN: severity: text" line per problem, in file
// order, then "N errors, M warnings"; its status: 0 nothing found, 1 warnings or notes
// only, 2 errors, a missing file or a stopped read.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace ardel {

namespace batch_status {
constexpr int kClean = 0;
constexpr int kMessages = 1;
constexpr int kUnreadable = 2;
constexpr int kUnwritable = 3;
constexpr int kUsage = 64;
} // namespace batch_status

// `args` are the command-line words after the program name. Returns nothing when
// they ask for the window, else the exit status.
std::optional<int> runBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The usage text printed by --help and after a usage error.
const std::string& batchUsage();

} // namespace ardel
