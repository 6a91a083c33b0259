// The controls of the occupation record editor, declared once for both
// realizations: the date and time boxes with their masks, the antenna height,
// the weather measurements with their code lists, the five weather code
// indicator lists and the buttons, in the order Tab walks them.
#pragma once

#include "ui/Declaration.h"

namespace ardel {

// The item of each weather code indicator list that stands for no information;
// its first character, a blank, is the code stored.
inline constexpr const char* kNoInformation = "  - <no information>";

const ui::FormDecl& formRec27Decl();

} // namespace ardel
