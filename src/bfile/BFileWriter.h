// Writes the whole project as a B-file: 80-column records with sequence numbers
// 10 apart, in the standard's record order, each line ending in CR LF.
#pragma once

#include "model/Project.h"

#include <ostream>

namespace ardel {

// The highest sequence number that fits the six columns of a record.
inline constexpr long kLastSequenceNumber = 999990;
// The most records a B-file holds: the n-th record is numbered 10 x n.
inline constexpr long kMostRecords = kLastSequenceNumber / 10;

// The number of records writing the project gives.
long countRecords(const Project& project);

// Whether writing keeps to the most records a B-file holds. The program's own copies
// of a project (the recovery copy) go beyond it, their sequence numbers starting again
// at 000000 after kLastSequenceNumber; the reader does not look at them.
enum class RecordLimit { BFile, None };

// Writes the records into `out`. Returns false, writing nothing, when the project
// would need a sequence number above kLastSequenceNumber (unless `limit` is None), and
// false when `out` failed while being written. Does not touch the
// modified flag or the title (the caller marks the project written once the file is safe).
bool writeBFile(const Project& project, std::ostream& out, RecordLimit limit = RecordLimit::BFile);

// The message shown when a project has too many records for a B-file.
std::string tooManyRecordsMessage(long records);

} // namespace ardel
