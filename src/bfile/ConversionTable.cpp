// The antenna code conversion table: old-style (Annex J) antenna codes of *71*
// records and the new-style (Annex M) codes of *72* records that replace them.
#include "bfile/ConversionTable.h"

#include "bfile/BFileReader.h"
#include "model/Lines.h"

#include <string_view>
#include <vector>

namespace ardel {

namespace {

struct Conversion {
    std::string_view oldCode;
    std::string_view newCode;
};

// In the order the rows are searched. Where a new code names a radome, the radome
// stands at the new code's characters 16-19.
constexpr Conversion kConversions[] = {
    {"AOA D/M+crB", "AOAD/M_B"},
    {"ASH 700228.A", "ASH700228A"},
    {"ASH 700228.B", "ASH700228B"},
    {"ASH 700228.C", "ASH700228C"},
    {"ASH 700228.D", "ASH700228D"},
    {"ASH 700228.E", "ASH700228E"},
    {"ASH 700700.A", "ASH700700.A"},
    {"ASH 700700.B", "ASH700700.B"},
    {"ASH 700700.C", "ASH700700.C"},
    {"ASH 700718.A", "ASH700718A"},
    {"ASH 700718.B", "ASH700718B"},
    {"ASH 700829.2", "ASH700829.2     SNOW"},
    {"ASH 700829.3", "ASH700829.3     SNOW"},
    {"ASH 700829.A", "ASH700829.A     SNOW"},
    {"ASH 700829.A1", "ASH700829.A1    SNOW"},
    {"ASH 700936.A", "ASH700936A_M    SNOW"},
    {"ASH 700936.A-rd", "ASH700936A_M"},
    {"ASH 700936.B", "ASH700936B_M    SNOW"},
    {"ASH 700936.B-rd", "ASH700936B_M"},
    {"ASH 700936.C", "ASH700936C_M    SNOW"},
    {"ASH 700936.C-rd", "ASH700936C_M"},
    {"ASH 700936.D", "ASH700936D_M    SNOW"},
    {"ASH 700936.D-rd", "ASH700936D_M"},
    {"ASH 700936.E-rd", "ASH700936E"},
    {"ASH 701008.01B", "ASH701008.01B"},
    {"ASH 701945.02", "ASH701945.02B"},
    {"ASH 701946.02", "ASH701946.022"},
    {"GEO 2200", "SPP_OTHER"},
    {"JAV LEGANT", "JPSLEGANT_E"},
    {"JPL D/M+crR", "JPLD/M_R"},
    {"JPL D/M+crT", "AOAD/M_T"},
    {"JPSLEGANT_E", "JPSLEGANT_E"},
    {"JPSREGANT_DD_E", "JPSREGANT_DD_E"},
    {"JPSREGANT_SD_E", "JPSREGANT_SD_E"},
    {"LEI AT202", "LEIAT202-GP"},
    {"LEI AT302", "LEIAT302-GP"},
    {"LEI AT303+rd", "LEIAT303        LEIC"},
    {"LEI AT303-rd", "LEIAT303"},
    {"LEI AT504+cr", "LEIAT504"},
    {"LEI SR299", "LEISR299_INT"},
    {"LEI SR299.I", "LEISR299_INT"},
    {"LEI SR299.X+gp", "LEIAT202+GP"},
    {"LEI SR299.X-gp", "LEIAT202-GP"},
    {"LEI SR399", "LEISR399_INT"},
    {"LEI SR399.I", "LEISR399_INT"},
    {"LEI SR399.X+gp", "LEIAT303+GP"},
    {"LEI SR399.X-gp", "LEIAT303-GP"},
    {"LEIAT502", "LEIAT502"},
    {"MAC 4647942", "MAC4647942      MMAC"},
    {"NOV 501", "NOV501"},
    {"NOV 501+cr", "NOV501+CR"},
    {"NOV 502", "NOV502"},
    {"NOV 502+cr", "NOV502+CR"},
    {"NOV 531", "NOV531"},
    {"NOV 531+cr", "NOV531+CR"},
    {"SEN 67157514", "SEN67157514"},
    {"SEN 67157514+cr", "SEN67157514+CR"},
    {"SEN 67157549", "SEN67157549"},
    {"SEN 67157549+cr", "SEN67157549+CR"},
    {"SEN 67157596", "SEN67157596"},
    {"SEN 67157596+cr", "SEN67157596+CR"},
    {"SPP 571908273+rd", "SPP571908273    SPKE"},
    {"SPP 571908273-rd", "SPP571908273"},
    {"TOP 72110", "TOP72110"},
    {"TRM", "TRM_OTHER"},
    {"TRM 14532.00", "TRM14532.00"},
    {"TRM 14532.10", "TRM14532.10"},
    {"TRM 22020.00", "TRM22020.00+GP"},
    {"TRM 22020.00-gp", "TRM22020.00-GP"},
    {"TRM 23903.00", "TRM23903.00"},
    {"TRM 27947.00+gp", "TRM27947.00+GP"},
    {"TRM 27947.00-gp", "TRM27947.00-GP"},
    {"TRM 29659.00", "TRM29659.00"},
    {"TRM 33429.00", "TRM33429.00+GP"},
    {"TRM 33429.20", "TRM33429.20+GP"},
    {"TRM 4800", "TRM4800"},
};

// The rows as the store holds them, laid out once.
const std::vector<std::string>& conversionRows() {
    static const std::vector<std::string> rows = [] {
        std::vector<std::string> laidOut;
        laidOut.reserve(std::size(kConversions));
        for (const Conversion& row : kConversions) {
            laidOut.push_back(fit(row.oldCode, j2m_row::kOldCodeWidth) + " " +
                              fit(row.newCode, j2m_row::kNewCodeWidth));
        }
        return laidOut;
    }();
    return rows;
}

} // namespace

void loadConversionTable(TextStore& j2m) {
    j2m.assign(conversionRows());
}

std::string newAntennaCode(const TextStore& j2m, std::string_view oldCode) {
    const int row = j2m.find(oldCode);
    const std::string code = row < 0 ? std::string() : slice(j2m.at(row), j2m_row::kNewCode, j2m_row::kNewCodeWidth);
    return fit(code, j2m_row::kNewCodeWidth);
}

} // namespace ardel
