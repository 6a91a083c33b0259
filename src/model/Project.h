// The project being edited: the ten stores, the header record and the document
// variables (file name, modified flag, new-header flag, window title).
#pragma once

#include "model/HeaderRecord.h"
#include "model/Lines.h"
#include "model/TextStore.h"

#include <functional>
#include <string>

namespace ardel {

inline constexpr const char* kStartupTitle = "Ardel - Create B- File [unnamed file][unmodified]";

// The window title for a file name and modified state.
std::string windowTitle(const std::string& fileName, bool modified);

class Project {
public:
    Project();

    // Visible stores.
    TextStore lb_Stations{kSsnWidth};
    TextStore lb_Instruments{kJsinWidth};
    TextStore lb_Antennas{kJsanWidth};
    TextStore lb_Sessions{kSsnWidth};
    // Hidden stores.
    TextStore lb_86{kSsnWidth};
    TextStore lb_90{kSsnWidth};
    TextStore lb_SERFIL{kSsnWidth};
    TextStore lb_J2M{16};
    TextStore lb_Defaults;
    TextStore lb_sort{0, TextStore::Order::Sorted};

    FormHeaderInfoFDXStruct header;

    std::string fileName;   // the current B-file; empty for a new project
    std::string outputName; // the path last chosen in the Save As prompt
    bool newHeader = true;  // the header has come neither from a file nor from the header editor

    bool isModified() const { return modified_; }
    const std::string& title() const { return title_; }
    // Sets the modified flag and the title with "][modified]".
    void markModified();
    // Clears the flag and sets the title with "][unmodified]".
    void markWritten();
    // Sets the title from the file name and the flag as they are.
    void refreshTitle();
    // Empties the header, the four visible stores, lb_86 and lb_90, the file name; sets the
    // new-header flag, clears the modified flag and sets the title. The SERFIL, conversion,
    // defaults and sort stores keep their lines.
    void clear();

    // Told whenever the title changes.
    std::function<void(const std::string&)> titleChanged;
    // Told whenever the header record has been cleared, read or saved (job code and title shown).
    std::function<void()> headerChanged;

private:
    void setTitle(std::string title);

    bool modified_ = false;
    std::string title_ = kStartupTitle;
};

} // namespace ardel
