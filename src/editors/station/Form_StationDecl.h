// The controls of the station editor, declared once for both realizations: the
// station fields, the two height groups with their code lists, the country-code
// help button and the two buttons that end the dialog.
#pragma once

#include "ui/Declaration.h"

namespace ardel {

const ui::FormDecl& formStationDecl();

} // namespace ardel
