// The user guide of Help > User Guide: an HTML page installed beside the program
// (PREFIX/share/doc/ardel/user-guide.html for PREFIX/bin/ardel) or, in the build
// folder, BUILD/docs/user-guide.html.
#pragma once

#include "ui/Toolkit.h"

#include <string>

namespace ardel {

inline constexpr const char* kUserGuideCaption = "User Guide";
inline constexpr const char* kUserGuideMissing = "The user guide could not be found. It is installed as\n%s";

// The guide for the program file at `programFile`: looked for in the program's folder and the
// two folders above it, first as share/doc/ardel/user-guide.html, then as docs/user-guide.html.
// "" when there is none.
std::string findUserGuide(const std::string& programFile);

// Opens the guide of the running program in the help window, or says where it belongs.
void showUserGuide(ui::Toolkit& toolkit);

} // namespace ardel
