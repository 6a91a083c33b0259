// The controls of Form_RenumberAll, declared once for both realizations.
#pragma once

#include "ui/Declaration.h"

namespace ardel {

const ui::FormDecl& formRenumberAllDecl();

} // namespace ardel
