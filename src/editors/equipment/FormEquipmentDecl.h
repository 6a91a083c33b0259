// The controls of the instrument editor, declared once for both realizations: the
// JSIN, the equipment code list with the 19 codes of the standard, the four text
// fields and the two buttons.
#pragma once

#include "ui/Declaration.h"

#include <cstddef>

namespace ardel {

// An equipment code item: the 3-digit code, " - ", the maker in 28 columns, the model.
inline constexpr std::size_t kEquipmentCodeWidth = 3;
inline constexpr std::size_t kEquipmentMakerColumn = 6;
inline constexpr std::size_t kEquipmentMakerWidth = 28;
inline constexpr std::size_t kEquipmentModelColumn = kEquipmentMakerColumn + kEquipmentMakerWidth;

const ui::FormDecl& formEquipmentDecl();

} // namespace ardel
