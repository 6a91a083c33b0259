#include "utilities/Serfil.h"

#include "model/Lines.h"
#include "ui/Text.h"

namespace ardel {

std::string buildSerfilLine(std::string_view ssn, std::string_view id) {
    return fit(ssn, serfil_line::kSsnWidth) + "   " + fit(id, serfil_line::kIdWidth);
}

std::string serfilIdForSsn(const TextStore& serfil, std::string_view ssn) {
    const int index = serfil.find(ssn);
    return index < 0 ? std::string() : slice(serfil.at(index), serfil_line::kId, serfil_line::kIdWidth);
}

std::string serfilSsnForId(const TextStore& serfil, std::string_view id) {
    for (const std::string& line : serfil.lines()) {
        if (ui::startsWithNoCase(slice(line, serfil_line::kId, serfil_line::kIdWidth), id)) {
            return slice(line, serfil_line::kSsn, serfil_line::kSsnWidth);
        }
    }
    return {};
}

} // namespace ardel
