// The controls of the antenna editor, declared once for both realizations: the JSAN,
// the antenna code list (which also takes a typed code), the serial number, the
// buttons and the help button about the codes.
#pragma once

#include "ui/Declaration.h"

namespace ardel {

const ui::FormDecl& formAntennaDecl();

} // namespace ardel
