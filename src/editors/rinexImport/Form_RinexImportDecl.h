// The controls of the RINEX import preview, declared once for both realizations: the
// list of files with its heading, the details of the selected file, its session
// letter, initials and cable length, the initials and cable length for all files, and
// the buttons that choose an ANTEX file, import and cancel.
#pragma once

#include "ui/Declaration.h"

namespace ardel {

namespace rinex_dialog {
inline constexpr const char* kHeading = "heading_Files";
inline constexpr const char* kFiles = "lb_Files";
inline constexpr const char* kDetails = "textb_Details";
inline constexpr const char* kAntexLabel = "label_Antex";
inline constexpr const char* kLetter = "textb_SessionLetter";
inline constexpr const char* kInitials = "textb_Initials";
inline constexpr const char* kCable = "textb_CableLength";
inline constexpr const char* kAllInitials = "textb_AllInitials";
inline constexpr const char* kAllCable = "textb_AllCableLength";
inline constexpr const char* kSetAll = "cb_SetAll";
inline constexpr const char* kAntex = "cb_Antex";
inline constexpr const char* kImport = "cb_Import";
inline constexpr const char* kCancel = "cb_Cancel";
} // namespace rinex_dialog

const ui::FormDecl& formRinexImportDecl();

} // namespace ardel
