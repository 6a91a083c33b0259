// The controls of SearchBox, declared once for both realizations.
#pragma once

#include "ui/Declaration.h"

namespace ardel {

const ui::FormDecl& searchBoxDecl();

} // namespace ardel
