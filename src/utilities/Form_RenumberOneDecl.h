// The controls of Form_RenumberOne, declared once for both realizations.
#pragma once

#include "ui/Declaration.h"

namespace ardel {

const ui::FormDecl& formRenumberOneDecl();

} // namespace ardel
