// The default field values of new records: the 27 built-in key=value lines, the
// lookup the editors make, and the "&Defaults" menu commands (explain, import a
// defaults file).
#pragma once

#include "model/TextStore.h"
#include "ui/Controls.h"
#include "ui/Toolkit.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ardel {

inline constexpr const char* kDefaultsFilePathSetting = "DefaultsFilePath";

// Replaces the store's lines with the 27 built-in defaults, in their fixed order.
void loadBuiltInDefaults(TextStore& defaults);

// The default of `key`: the first line from the top that begins with the key (letter
// case ignored), and of it the text after its first "=" (empty when "=" ends the line).
// Nothing when no line begins with the key, or when that line has no "=".
//   "Latitude Code=N"          -> "N"
//   "Ellipsoidal Height Code=" -> ""
std::optional<std::string> lookupDefault(const TextStore& defaults, std::string_view key);

// Selects the first item of `list` that begins with the key's default value (letter case
// ignored). A missing or empty value, or no such item, leaves the selection as it is.
// Returns the selected index, or -1.
int selectDefault(ui::ComboBox& list, const TextStore& defaults, std::string_view key);

// "&Ex plain": the information box about defaults files.
void explainDefaults(ui::Toolkit& toolkit);

// "&Import Defaults File": asks for a file and, when it can be read, replaces the whole
// store with its lines (empty lines and lines beginning with "=" skipped), then reports
// the count. The chosen path is remembered in the settings for the next import.
void importDefaultsFile(ui::Toolkit& toolkit, TextStore& defaults);
// What the import does with the lines of the chosen file; returns the lines taken.
int takeDefaultsLines(TextStore& defaults, std::vector<std::string> lines);

} // namespace ardel
