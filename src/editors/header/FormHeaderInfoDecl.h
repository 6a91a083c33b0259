// The controls of the header editor, declared once for both realizations: every
// field with its label, hint, limit and mask, the three lists with their items,
// the buttons, and the hidden fields that carry the list and ellipsoid values.
#pragma once

#include "ui/Declaration.h"

namespace ardel {

// The items a new header starts with.
inline constexpr const char* kGlobalPositioningSystem = "4 - Global Positioning System";
inline constexpr const char* kNorthAmericanDatum83 = "NORTH AMERICAN DATUM-83 ";

const ui::FormDecl& formHeaderInfoDecl();

} // namespace ardel
