// Everything the program asks of a windowing toolkit besides the forms' controls:
// building forms, message boxes, file dialogs, progress dialogs, the settings store, the
// per-user data folder, timers, the help window, beep, busy cursor and the event loop.
// Qt realizes it for the program, a scripted headless realization for the tests.
#pragma once

#include "ui/Form.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ardel::ui {

enum class Icon { None, Stop, Warning, Question, Information };
enum class Buttons { OK, OKCancel, YesNo, YesNoCancel };
enum class Answer { OK, Cancel, Yes, No };

struct FileFilter {
    std::string description; // "Vantry Files (*.bfl;*.BFL;*.vry;*.VRY)"
    std::string pattern;     // "*.bfl;*.BFL;*.vry;*.VRY"
};

struct FileDialogRequest {
    std::string title;
    std::string startPath; // a folder or a file
    std::vector<FileFilter> filters;
};

// The per-user settings store: string values under the program's one key.
class Settings {
public:
    virtual ~Settings() = default;
    // The value, or nothing when the key or the value is missing.
    virtual std::optional<std::string> value(const std::string& name) const = 0;
    // Writes the value, creating the key when missing; false when it could not be written.
    virtual bool setValue(const std::string& name, const std::string& value) = 0;
};

// A single-shot timer of the event loop: it calls its function once, when the time it
// was started with has passed, unless it was stopped or started again before.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void start(int milliseconds) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

// A progress dialog for a long task of `total` steps, shown while it lives (a
// realization may wait a moment before it appears, so a short task shows none). The
// task reports each step done; the user may cancel it, and the task asks.
class Progress {
public:
    virtual ~Progress() = default;
    // `done` steps of the total are done; lets the window answer the user meanwhile.
    virtual void setDone(int done) = 0;
    virtual bool wasCancelled() const = 0;
};

// A progress that shows nothing and is never cancelled, for toolkits without windows.
class NoProgress : public Progress {
public:
    void setDone(int) override {}
    bool wasCancelled() const override { return false; }
};

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Builds a form from its declaration. The form is owned by the caller.
    virtual std::unique_ptr<Form> createForm(const FormDecl& decl) = 0;

    // A modal message box; blocks and returns the button pressed. Closing a box
    // that has a Cancel or No button answers that button; an OK box answers OK.
    virtual Answer messageBox(const std::string& caption, const std::string& text, Icon icon, Buttons buttons) = 0;

    // Returns the chosen path, or nothing when the user cancels.
    virtual std::optional<std::string> openFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFileDialog(const FileDialogRequest& request) = 0;
    // An open-file dialog in which several files can be chosen; returns them in the
    // order the dialog gives them, none when the user cancels.
    virtual std::vector<std::string> openFilesDialog(const FileDialogRequest& request) = 0;

    // A progress dialog with a caption, a text and a Cancel button, open until destroyed.
    virtual std::unique_ptr<Progress> createProgress(const std::string& caption, const std::string& text,
                                                      int total) = 0;

    virtual Settings& settings() = 0;
    // The per-user folder for the program's own data files, created when missing; ""
    // when there is none.
    virtual std::string dataFolder() = 0;
    virtual std::unique_ptr<Timer> createTimer(std::function<void()> timeout) = 0;

    // Shows an HTML page (its pictures found beside it) in the help window, which does
    // not block the other windows; a second call shows the page in the same window.
    virtual void showHelp(const std::string& htmlPath) = 0;

    virtual void beep() = 0;
    virtual void setBusy(bool busy) = 0;

    // Runs the event loop until quit() or the main window closes; returns the exit code.
    virtual int run() = 0;
    virtual void quit(int exitCode) = 0;
};

// Shows the busy cursor for its lifetime.
class BusyCursor {
public:
    explicit BusyCursor(Toolkit& toolkit) : toolkit_(toolkit) { toolkit_.setBusy(true); }
    ~BusyCursor() { toolkit_.setBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    Toolkit& toolkit_;
};

} // namespace ardel::ui
