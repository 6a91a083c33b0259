// The scripted realization of the toolkit layer, for tests. A test queues what the
// program is expected to ask (message boxes, file dialogs, modal dialogs, each with
// its answer or script) and drives forms by control name as a user would. Anything
// the program asks that the queue does not expect throws ScriptFailure, quoting it.
#pragma once

#include "ui/Toolkit.h"
#include "ui/headless/HeadlessForm.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ardel::ui {

class ScriptFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class HeadlessSettings : public Settings {
public:
    std::optional<std::string> value(const std::string& name) const override;
    bool setValue(const std::string& name, const std::string& value) override;
    std::map<std::string, std::string> values;
    bool writable = true;
};

class HeadlessToolkit;

// A timer of the headless toolkit: it fires when the test moves the toolkit's clock past it.
class HeadlessTimer : public Timer {
public:
    HeadlessTimer(HeadlessToolkit& toolkit, std::function<void()> timeout);
    ~HeadlessTimer() override;
    void start(int milliseconds) override;
    void stop() override { due_.reset(); }
    bool isActive() const override { return due_.has_value(); }

private:
    friend class HeadlessToolkit;
    HeadlessToolkit& toolkit_;
    std::function<void()> timeout_;
    std::optional<long long> due_; // on the toolkit's clock
};

// A progress dialog of the headless toolkit: the user cancels it once the steps done
// reach the toolkit's cancelProgressAt as it was when the dialog opened.
class HeadlessProgress : public Progress {
public:
    HeadlessProgress(HeadlessToolkit& toolkit, std::optional<int> cancelAt);
    void setDone(int done) override;
    bool wasCancelled() const override { return cancelled_; }
    int done() const { return done_; }

private:
    HeadlessToolkit& toolkit_;
    std::optional<int> cancelAt_;
    int done_ = 0;
    bool cancelled_ = false;
};

class HeadlessToolkit : public Toolkit {
public:
    HeadlessToolkit();
    ~HeadlessToolkit() override;
    HeadlessToolkit(const HeadlessToolkit&) = delete;
    HeadlessToolkit& operator=(const HeadlessToolkit&) = delete;

    using DialogScript = std::function<void(HeadlessForm&)>;

    // --- The script, in the order the program will ask. ---
    // A message box with exactly this caption and text, answered with `answer`.
    void expectMessage(const std::string& caption, const std::string& text, Answer answer = Answer::OK);
    // An open- or save-file dialog with this title, answered with a path or cancelled (nullopt).
    void expectOpenFile(const std::string& title, std::optional<std::string> path);
    void expectSaveFile(const std::string& title, std::optional<std::string> path);
    // A multi-select open-file dialog with this title, answered with these paths (none: cancelled).
    void expectOpenFiles(const std::string& title, std::vector<std::string> paths);
    // A modal dialog of this form; the script drives it. A script that does not end the
    // dialog leaves it as the close box does (result 0).
    void expectDialog(const std::string& formName, DialogScript script);

    // Expectations not yet used, described one a line; empty when the script was played out.
    std::vector<std::string> unusedExpectations() const;
    // Every box and dialog the program showed, in order ("message [caption] text -> Yes").
    const std::vector<std::string>& transcript() const { return transcript_; }
    // The last file dialog request, for checking its starting path and filters.
    const FileDialogRequest& lastFileRequest() const { return lastFileRequest_; }
    // The last message box's icon and buttons.
    Icon lastIcon() const { return lastIcon_; }
    Buttons lastButtons() const { return lastButtons_; }

    // A live form by its class name (the most recently created), or nullptr.
    HeadlessForm* form(const std::string& name) const;

    // Moves the clock on, firing each timer whose time comes, in the order they come.
    void advanceClock(int milliseconds);
    long long clock() const { return clock_; }

    // The user cancels the next progress dialog once this many of its steps are done.
    std::optional<int> cancelProgressAt;

    HeadlessSettings settingsStore;
    // The data folder: a fresh folder of its own, removed with the toolkit, unless a test names another.
    std::string dataFolderPath;
    std::vector<std::string> helpShown; // every page showHelp() was given, in order
    int beeps = 0;
    bool busy = false;
    std::optional<int> exitCode; // set by quit() or by the main window closing

    // --- Toolkit ---
    std::unique_ptr<Form> createForm(const FormDecl& decl) override;
    Answer messageBox(const std::string& caption, const std::string& text, Icon icon, Buttons buttons) override;
    std::optional<std::string> openFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> saveFileDialog(const FileDialogRequest& request) override;
    std::vector<std::string> openFilesDialog(const FileDialogRequest& request) override;
    std::unique_ptr<Progress> createProgress(const std::string& caption, const std::string& text,
                                             int total) override;
    Settings& settings() override { return settingsStore; }
    std::string dataFolder() override;
    std::unique_ptr<Timer> createTimer(std::function<void()> timeout) override;
    void showHelp(const std::string& htmlPath) override { helpShown.push_back(htmlPath); }
    void beep() override { ++beeps; }
    void setBusy(bool isBusy) override { busy = isBusy; }
    int run() override;
    void quit(int code) override;

private:
    friend class HeadlessForm;
    friend class HeadlessTimer;
    friend class HeadlessProgress;
    enum class Kind { Message, OpenFile, SaveFile, OpenFiles, Dialog };
    struct Expectation {
        Kind kind;
        std::string caption; // message caption, file dialog title or form name
        std::string text;
        Answer answer = Answer::OK;
        std::optional<std::string> path;
        std::vector<std::string> paths; // OpenFiles
        DialogScript script;
    };

    Expectation take(Kind kind, const std::string& what);
    Expectation takeFileDialog(Kind kind, const FileDialogRequest& request);
    std::optional<std::string> fileDialog(Kind kind, const FileDialogRequest& request);
    int runDialog(HeadlessForm& form);
    void forget(HeadlessForm* form);
    static std::string describe(const Expectation& expectation);

    std::deque<Expectation> expected_;
    std::vector<std::string> transcript_;
    std::vector<HeadlessForm*> forms_;
    FileDialogRequest lastFileRequest_;
    Icon lastIcon_ = Icon::None;
    Buttons lastButtons_ = Buttons::OK;
    std::vector<HeadlessTimer*> timers_;
    long long clock_ = 0;
    std::string ownDataFolder_; // made by dataFolder() and removed with the toolkit
};

} // namespace ardel::ui
