// Where the header record's fields stand in the first record and in the *12* and
// *13* records: 0-based offsets into the 80-column line (the B-file column is the
// offset + 1).
#pragma once

#include "model/HeaderRecord.h"

#include <cstddef>
#include <string>

namespace ardel {

// One header field: the member of the header record, its offset and width in its record.
struct HeaderField {
    std::string FormHeaderInfoFDXStruct::*field;
    std::size_t offset;
    std::size_t width;
};

inline constexpr HeaderField kFirstLineFields[] = {
    {&FormHeaderInfoFDXStruct::JobCode, 7, 2},
    {&FormHeaderInfoFDXStruct::SubmittingAgencyAbbreviation, 18, 6},
    {&FormHeaderInfoFDXStruct::SubmittingAgencyName, 24, 42},
    {&FormHeaderInfoFDXStruct::AssignedNumber, 66, 6},
    {&FormHeaderInfoFDXStruct::CreationDate, 72, 8},
};

inline constexpr HeaderField kFields12[] = {
    {&FormHeaderInfoFDXStruct::ProjectStartDate, 10, 6},
    {&FormHeaderInfoFDXStruct::ProjectEndDate, 16, 6},
    {&FormHeaderInfoFDXStruct::ChiefOfPartyInitials, 22, 3},
    {&FormHeaderInfoFDXStruct::ChiefOfParty, 25, 18},
    {&FormHeaderInfoFDXStruct::SecondChiefOfPartyInitials, 43, 3},
    {&FormHeaderInfoFDXStruct::SecondChiefOfParty, 46, 18},
    {&FormHeaderInfoFDXStruct::TypeOfSurvey, 75, 1},
    {&FormHeaderInfoFDXStruct::PrimaryStateOrCountry, 76, 2},
    {&FormHeaderInfoFDXStruct::OrderAndClass, 78, 2},
};

inline constexpr HeaderField kFields13[] = {
    {&FormHeaderInfoFDXStruct::DatumName, 10, 24},     {&FormHeaderInfoFDXStruct::EllipsoidName, 34, 16},
    {&FormHeaderInfoFDXStruct::SemiMajorAxis, 50, 10}, {&FormHeaderInfoFDXStruct::InverseFlattening, 60, 10},
    {&FormHeaderInfoFDXStruct::SemiMinorAxis, 70, 10},
};

} // namespace ardel
