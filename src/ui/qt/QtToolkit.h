// The toolkit layer realized with Qt Widgets: it owns the QApplication and builds
// every form, message box and file dialog of the program. Forms must be destroyed
// before the toolkit.
#pragma once

#include "ui/Toolkit.h"

#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QApplication;
class QProgressDialog;
class QTimer;
class QDialog;
class QWidget;

namespace ardel::ui {

// Gives the activation back to the window that had it once a modal window it
// opened has closed, as a window manager does for an owned window.
class ModalScope {
public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    QPointer<QWidget> previous_;
};

// The per-user settings: string values in group "5.0" of organization "Tovarin",
// application "Ardel". Values are Latin-1 texts, so any byte string survives.
class QtSettings : public Settings {
public:
    std::optional<std::string> value(const std::string& name) const override;
    bool setValue(const std::string& name, const std::string& value) override;
};

// A timer of the Qt event loop; it also fires while a modal window runs.
class QtTimer : public Timer {
public:
    explicit QtTimer(std::function<void()> timeout);
    ~QtTimer() override;
    void start(int milliseconds) override;
    void stop() override;
    bool isActive() const override;

private:
    std::unique_ptr<QTimer> timer_;
};

// A modal QProgressDialog that appears once its task has run a moment.
class QtProgress : public Progress {
public:
    QtProgress(QWidget* owner, const std::string& caption, const std::string& text, int total);
    ~QtProgress() override;
    void setDone(int done) override;
    bool wasCancelled() const override;

private:
    std::unique_ptr<QProgressDialog> dialog_;
};

class QtToolkit : public Toolkit {
public:
    QtToolkit(int& argc, char** argv);
    ~QtToolkit() override;

    std::unique_ptr<Form> createForm(const FormDecl& decl) override;
    Answer messageBox(const std::string& caption, const std::string& text, Icon icon, Buttons buttons) override;
    std::optional<std::string> openFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> saveFileDialog(const FileDialogRequest& request) override;
    std::vector<std::string> openFilesDialog(const FileDialogRequest& request) override;
    std::unique_ptr<Progress> createProgress(const std::string& caption, const std::string& text,
                                             int total) override;
    Settings& settings() override { return settings_; }
    // The platform's per-user application data folder (on Linux ~/.local/share/Tovarin/Ardel).
    std::string dataFolder() override;
    std::unique_ptr<Timer> createTimer(std::function<void()> timeout) override;
    // A top-level text browser named "HelpWindow", titled by the page's <title>; it
    // closes with the main window.
    void showHelp(const std::string& htmlPath) override;
    void beep() override;
    void setBusy(bool busy) override;
    // Runs until quit() or the main window closes; a quit() made before returns at once.
    int run() override;
    void quit(int exitCode) override;

    // --- For the forms ---
    // Makes the main window the owner of a dialog about to run, so that it opens over it.
    void attachDialog(QDialog& dialog) const;
    void mainWindowClosed();

private:
    enum class FileChoice { Open, OpenSeveral, Save };
    std::vector<std::string> fileDialog(const FileDialogRequest& request, FileChoice choice);
    QWidget* ownerOfNextWindow() const;

    std::unique_ptr<QApplication> app_;
    QtSettings settings_;
    QPointer<QWidget> mainWindow_;
    QPointer<QWidget> helpWindow_;
    int busy_ = 0;
    bool running_ = false;
    std::optional<int> exitCode_;
};

} // namespace ardel::ui
