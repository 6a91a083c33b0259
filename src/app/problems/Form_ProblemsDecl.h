// The controls of the Problems window, declared once for both realizations: the
// heading, the list of problems, and the buttons that refresh the list and close it.
#pragma once

#include "ui/Declaration.h"

namespace ardel {

inline constexpr const char* kProblemsList = "lb_Problems";
inline constexpr const char* kProblemsRefresh = "cb_Refresh";
inline constexpr const char* kProblemsClose = "cb_Close";
inline constexpr const char* kCheckShortcut = "F7";

const ui::FormDecl& formProblemsDecl();

} // namespace ardel
