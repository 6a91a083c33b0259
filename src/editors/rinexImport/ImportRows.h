// The texts the RINEX import preview shows: one fixed-column line per file under a
// heading laid out from the same column table, the details of a file, and the line
// that names the ANTEX file in use.
#pragma once

#include "import/RinexImport.h"

#include <string>

namespace ardel::rinex_rows {

std::string heading();
// The file, its station, instrument and antenna (with "new" for a record the import
// adds), start and end in UTC, antenna height, session letter, initials, cable length
// and how many problems it has; a skipped or refused file shows why instead.
std::string rowLine(const rinex_import::Row& row);
// What the line cannot show: the whole file name and folder, the station name, the
// receiver and antenna as the file names them, the media identifier and every problem.
std::string details(const rinex_import::Row& row);
// "ANTEX file: PATH" or, with none, what the heights are without one.
std::string antexText(const std::string& antexPath);
// "Import RINEX (12 files)", "Import RINEX (1 file)".
std::string undoName(int files);

} // namespace ardel::rinex_rows
