// The two information boxes that tell the user where the approved organization
// abbreviations and state or country codes are listed. The station editor shows
// the same "Countries Table" box.
#pragma once

#include "ui/Toolkit.h"

#include <string>

namespace ardel {

std::string agenciesTableText();
std::string countriesTableText();

// Information boxes with an OK button, captions "Agencies Table" and "Countries Table".
void showAgenciesTable(ui::Toolkit& toolkit);
void showCountriesTable(ui::Toolkit& toolkit);

} // namespace ardel
