// What batch mode shows instead of windows: every message box and warning is printed
// as "caption: text" on one stream, and the settings store keeps nothing. No window
// can be opened.
#pragma once

#include "ui/Toolkit.h"
#include "utilities/WarningPrompts.h"

#include <ostream>

namespace ardel {

// A settings store that neither reads nor writes: batch runs leave the user's settings alone.
class ConsoleSettings : public ui::Settings {
public:
    std::optional<std::string> value(const std::string&) const override { return std::nullopt; }
    bool setValue(const std::string&, const std::string&) override { return true; }
};

class ConsoleToolkit : public ui::Toolkit {
public:
    explicit ConsoleToolkit(std::ostream& out) : out_(out) {}

    // Prints caption + ": " + text + "\n".
    void print(const std::string& caption, const std::string& text);
    bool printedAny() const { return printed_; }

    std::unique_ptr<ui::Form> createForm(const ui::FormDecl& decl) override;
    // Printed; answered OK, or Yes where the box offers it, so that the work goes on.
    ui::Answer messageBox(const std::string& caption, const std::string& text, ui::Icon icon,
                          ui::Buttons buttons) override;
    std::optional<std::string> openFileDialog(const ui::FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFileDialog(const ui::FileDialogRequest&) override { return std::nullopt; }
    std::vector<std::string> openFilesDialog(const ui::FileDialogRequest&) override { return {}; }
    std::unique_ptr<ui::Progress> createProgress(const std::string&, const std::string&, int) override {
        return std::make_unique<ui::NoProgress>();
    }
    ui::Settings& settings() override { return settings_; }
    // No data folder and no event loop: nothing is kept between runs and no timer fires.
    std::string dataFolder() override { return {}; }
    std::unique_ptr<ui::Timer> createTimer(std::function<void()> timeout) override;
    void showHelp(const std::string&) override {}
    void beep() override {}
    void setBusy(bool) override {}
    int run() override { return 0; }
    void quit(int) override {}

private:
    std::ostream& out_;
    ConsoleSettings settings_;
    bool printed_ = false;
};

// Form_Warning printed with the caption "Warning" instead of shown.
class ConsoleWarning : public Form_Warning {
public:
    explicit ConsoleWarning(ConsoleToolkit& console) : Form_Warning(console), console_(console) {}
    void showMessage(const std::string& message) override { console_.print("Warning", message); }

private:
    ConsoleToolkit& console_;
};

} // namespace ardel
