// The captions and message texts of the B-file reader. The "%s" arguments are, in
// order: the record key and the whole 80-column line, or the line alone, or the
// session's first 25 characters.
#pragma once

namespace ardel::messages {

inline constexpr char kCaptionError[] = "Error";
inline constexpr char kCaptionWarning[] = "Warning";
inline constexpr char kCaptionDuplicate[] = "Duplicate Found";

inline constexpr char kFileMissing[] = "The Input File Does Not Exist";
// A file that exists but cannot be opened or read to its end.
inline constexpr char kUnreadableFile[] = "The Input File Cannot Be Read";

inline constexpr char kSsnMismatch[] = "Error retrieving old\n"
                                       "                    B-file. Station serial numbers in a set must match. \n"
                                       "                    %s";
inline constexpr char k86WithoutStation[] = "*86* record found in input without corresponding *80* record\n"
                                            "               %s\n";
inline constexpr char k90WithoutStation[] = "*90* record found in input without corresponding *80* record\n"
                                            "               %s\n";

inline constexpr char kDuplicate70[] = "A record with the Job Specific Instrument Number %s already exists.\n"
                                       "The *70* record below will be ignored\n%s";
inline constexpr char kDuplicate71[] = "A record with the Job Specific Antenna Number %s already exists.\n"
                                       "The *71* record below will be ignored\n%s";
inline constexpr char kDuplicate72[] = "A record with the Job Specific Antenna Number %s already exists.\n"
                                       "The *72* record below will be ignored\n%s";
inline constexpr char kDuplicate80[] = "A record with the Station Serial Number %s already exists.\n"
                                       "The *80* record below will be ignored\n%s";
inline constexpr char kDuplicate86[] = "An *86* record with the Station Serial Number %s already exists.\n"
                                       "The *86* record below will be ignored\n%s";
inline constexpr char kDuplicate90[] = "A *90* record with the Station Serial Number %s already exists.\n"
                                       "The *90* record below will be ignored\n%s";

inline constexpr char kSessionTooLong[] = "The input B-File contains a session too long to be kept whole. \n"
                                          "              The session (*25*) record  \n"
                                          "              %s \n"
                                          "              has more than 9999 *26* comment lines or *27* records; \n"
                                          "              the lines beyond the 9999th of each kind will be ignored.";

inline constexpr char kIdDisagrees[] = "The input B-File is inconsistent. \n"
                                       "              The session (*25*) record  \n"
                                       "              %s \n"
                                       "              contains a 4-Character ID which does not agree \n"
                                       "              with the 4-character ID already being used for the SSN";
inline constexpr char kNoStation[] = "The input B-File is inconsistent. \n"
                                     "              The session (*25*) record  \n"
                                     "              %s \n"
                                     "              refers to an SSN for which there is no corresponding \n"
                                     "              station (*80*) record.";
inline constexpr char kNoInstrument[] = "The input B-File is inconsistent. \n"
                                        "              The session (*25*) record  \n"
                                        "              %s \n"
                                        "              refers to an Instument Number for which there is no "
                                        "corresponding \n"
                                        "              Instrument (*70*) record.";
inline constexpr char kNoAntenna[] = "The input B-File is inconsistent. \n"
                                     "              The session (*25*) record  \n"
                                     "              %s \n"
                                     "              refers to an Antenna Number for which there is no corresponding \n"
                                     "              Antenna (*71*) record.";

inline constexpr char kOldAntennasConverted[] = "The input B-File contains one or more *71* records. \n"
                                                "   Ardel will convert these to *72* antenna records \n"
                                                "   and will substitute Annex M codes for Annex J codes \n"
                                                "   where possible. Please verify that the conversion is correct.";

} // namespace ardel::messages
