// The controls of the session editor, declared once for both realizations: the
// keys it is given, the fields of the *25* record, the comment box, the list of
// occupation entries with its commands, and the two closing buttons.
#pragma once

#include "ui/Declaration.h"

namespace ardel {

// The comment box is as wide as one *26* body.
inline constexpr int kSessionCommentColumns = 70;

const ui::FormDecl& formSessionDecl();

} // namespace ardel
