// The header record: the twenty text fields of the first record and the *10* to
// *13* records, kept for the whole run and edited by the header editor.
#pragma once

#include <string>

namespace ardel {

struct FormHeaderInfoFDXStruct {
    std::string CreationDate;                 // CCYYMMDD
    std::string JobCode;                      // two characters, the first an uppercase letter
    std::string SubmittingAgencyAbbreviation; // 6
    std::string SubmittingAgencyName;         // 42
    std::string AssignedNumber;               // 6
    std::string ProjectTitle;                 // lines of up to 70, separated by CR LF
    std::string ProjectStartDate;             // CCYYMM
    std::string ProjectEndDate;               // CCYYMM
    std::string ChiefOfParty;                 // 18
    std::string ChiefOfPartyInitials;         // 3
    std::string SecondChiefOfParty;           // 18
    std::string SecondChiefOfPartyInitials;   // 3
    std::string PrimaryStateOrCountry;        // 2
    std::string OrderAndClass;                // the chosen list entry; its first 2 characters are written
    std::string DatumName;                    // 24
    std::string EllipsoidName;                // 16
    std::string SemiMajorAxis;                // 10
    std::string InverseFlattening;            // 10
    std::string SemiMinorAxis;                // 10
    std::string TypeOfSurvey;                 // the chosen list entry; its first character is written

    bool operator==(const FormHeaderInfoFDXStruct&) const = default;
};

} // namespace ardel
