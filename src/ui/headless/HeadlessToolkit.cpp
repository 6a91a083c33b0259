#include "ui/headless/HeadlessToolkit.h"

#include "ui/Platform.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <utility>

namespace ardel::ui {

namespace {
const char* answerName(Answer answer) {
    switch (answer) {
    case Answer::OK:
        return "OK";
    case Answer::Cancel:
        return "Cancel";
    case Answer::Yes:
        return "Yes";
    case Answer::No:
        return "No";
    }
    return "?";
}

bool offers(Buttons buttons, Answer answer) {
    switch (buttons) {
    case Buttons::OK:
        return answer == Answer::OK;
    case Buttons::OKCancel:
        return answer == Answer::OK || answer == Answer::Cancel;
    case Buttons::YesNo:
        return answer == Answer::Yes || answer == Answer::No;
    case Buttons::YesNoCancel:
        return answer != Answer::OK;
    }
    return false;
}
} // namespace

std::optional<std::string> HeadlessSettings::value(const std::string& name) const {
    const auto found = values.find(name);
    return found == values.end() ? std::nullopt : std::optional<std::string>(found->second);
}

bool HeadlessSettings::setValue(const std::string& name, const std::string& value) {
    if (!writable) {
        return false;
    }
    values[name] = value;
    return true;
}

void HeadlessToolkit::expectMessage(const std::string& caption, const std::string& text, Answer answer) {
    expected_.push_back({Kind::Message, caption, text, answer, std::nullopt, {}, {}});
}

void HeadlessToolkit::expectOpenFile(const std::string& title, std::optional<std::string> path) {
    expected_.push_back({Kind::OpenFile, title, {}, Answer::OK, std::move(path), {}, {}});
}

void HeadlessToolkit::expectSaveFile(const std::string& title, std::optional<std::string> path) {
    expected_.push_back({Kind::SaveFile, title, {}, Answer::OK, std::move(path), {}, {}});
}

void HeadlessToolkit::expectOpenFiles(const std::string& title, std::vector<std::string> paths) {
    expected_.push_back({Kind::OpenFiles, title, {}, Answer::OK, std::nullopt, std::move(paths), {}});
}

void HeadlessToolkit::expectDialog(const std::string& formName, DialogScript script) {
    expected_.push_back({Kind::Dialog, formName, {}, Answer::OK, std::nullopt, {}, std::move(script)});
}

std::string HeadlessToolkit::describe(const Expectation& expectation) {
    switch (expectation.kind) {
    case Kind::Message:
        return "message box [" + expectation.caption + "] \"" + expectation.text + "\"";
    case Kind::OpenFile:
        return "open-file dialog \"" + expectation.caption + "\"";
    case Kind::SaveFile:
        return "save-file dialog \"" + expectation.caption + "\"";
    case Kind::OpenFiles:
        return "open-files dialog \"" + expectation.caption + "\"";
    case Kind::Dialog:
        return "dialog " + expectation.caption;
    }
    return {};
}

std::vector<std::string> HeadlessToolkit::unusedExpectations() const {
    std::vector<std::string> out;
    for (const Expectation& expectation : expected_) {
        out.push_back(describe(expectation));
    }
    return out;
}

HeadlessToolkit::Expectation HeadlessToolkit::take(Kind kind, const std::string& what) {
    if (expected_.empty()) {
        throw ScriptFailure("unexpected " + what);
    }
    Expectation next = std::move(expected_.front());
    expected_.pop_front();
    if (next.kind != kind) {
        throw ScriptFailure("expected " + describe(next) + " but the program showed " + what);
    }
    return next;
}

HeadlessForm* HeadlessToolkit::form(const std::string& name) const {
    const auto found = std::find_if(forms_.rbegin(), forms_.rend(),
                                    [&](const HeadlessForm* form) { return form->decl().name == name; });
    return found == forms_.rend() ? nullptr : *found;
}

std::unique_ptr<Form> HeadlessToolkit::createForm(const FormDecl& decl) {
    auto form = std::make_unique<HeadlessForm>(*this, decl);
    forms_.push_back(form.get());
    return form;
}

void HeadlessToolkit::forget(HeadlessForm* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}

Answer HeadlessToolkit::messageBox(const std::string& caption, const std::string& text, Icon icon, Buttons buttons) {
    const std::string what = "message box [" + caption + "] \"" + text + "\"";
    Expectation expected = take(Kind::Message, what);
    if (expected.caption != caption || expected.text != text) {
        throw ScriptFailure("expected " + describe(expected) + " but the program showed " + what);
    }
    if (!offers(buttons, expected.answer)) {
        throw ScriptFailure(what + " has no button " + answerName(expected.answer));
    }
    lastIcon_ = icon;
    lastButtons_ = buttons;
    transcript_.push_back("message [" + caption + "] " + text + " -> " + answerName(expected.answer));
    return expected.answer;
}

HeadlessToolkit::Expectation HeadlessToolkit::takeFileDialog(Kind kind, const FileDialogRequest& request) {
    Expectation shown;
    shown.kind = kind;
    shown.caption = request.title;
    const std::string what = describe(shown);
    Expectation expected = take(kind, what);
    if (expected.caption != request.title) {
        throw ScriptFailure("expected " + describe(expected) + " but the program showed " + what);
    }
    lastFileRequest_ = request;
    return expected;
}

std::optional<std::string> HeadlessToolkit::fileDialog(Kind kind, const FileDialogRequest& request) {
    Expectation expected = takeFileDialog(kind, request);
    transcript_.push_back(describe(expected) + " -> " + expected.path.value_or("(cancelled)"));
    return expected.path;
}

std::optional<std::string> HeadlessToolkit::openFileDialog(const FileDialogRequest& request) {
    return fileDialog(Kind::OpenFile, request);
}

std::optional<std::string> HeadlessToolkit::saveFileDialog(const FileDialogRequest& request) {
    return fileDialog(Kind::SaveFile, request);
}

std::vector<std::string> HeadlessToolkit::openFilesDialog(const FileDialogRequest& request) {
    Expectation expected = takeFileDialog(Kind::OpenFiles, request);
    std::string chosen;
    for (const std::string& path : expected.paths) {
        chosen += (chosen.empty() ? "" : ", ") + path;
    }
    transcript_.push_back(describe(expected) + " -> " + (chosen.empty() ? "(cancelled)" : chosen));
    return expected.paths;
}

HeadlessProgress::HeadlessProgress(HeadlessToolkit& toolkit, std::optional<int> cancelAt)
    : toolkit_(toolkit), cancelAt_(cancelAt) {}

void HeadlessProgress::setDone(int done) {
    done_ = done;
    if (!cancelled_ && cancelAt_ && done >= *cancelAt_) {
        cancelled_ = true;
        toolkit_.transcript_.push_back("progress cancelled at " + std::to_string(done));
    }
}

std::unique_ptr<Progress> HeadlessToolkit::createProgress(const std::string& caption, const std::string& text,
                                                          int total) {
    transcript_.push_back("progress [" + caption + "] " + text + " (" + std::to_string(total) + " steps)");
    auto progress = std::make_unique<HeadlessProgress>(*this, std::exchange(cancelProgressAt, std::nullopt));
    progress->setDone(0);
    return progress;
}

HeadlessTimer::HeadlessTimer(HeadlessToolkit& toolkit, std::function<void()> timeout)
    : toolkit_(toolkit), timeout_(std::move(timeout)) {
    toolkit_.timers_.push_back(this);
}

HeadlessTimer::~HeadlessTimer() {
    std::erase(toolkit_.timers_, this);
}

void HeadlessTimer::start(int milliseconds) {
    due_ = toolkit_.clock_ + milliseconds;
}

HeadlessToolkit::HeadlessToolkit() = default;

HeadlessToolkit::~HeadlessToolkit() {
    if (!ownDataFolder_.empty()) {
        std::error_code error;
        std::filesystem::remove_all(nativePath(ownDataFolder_), error);
    }
}

std::unique_ptr<Timer> HeadlessToolkit::createTimer(std::function<void()> timeout) {
    return std::make_unique<HeadlessTimer>(*this, std::move(timeout));
}

void HeadlessToolkit::advanceClock(int milliseconds) {
    const long long end = clock_ + milliseconds;
    for (;;) {
        HeadlessTimer* next = nullptr;
        for (HeadlessTimer* timer : timers_) {
            if (timer->due_ && *timer->due_ <= end && (!next || *timer->due_ < *next->due_)) {
                next = timer;
            }
        }
        if (!next) {
            break;
        }
        clock_ = *next->due_;
        next->due_.reset();
        next->timeout_();
    }
    clock_ = end;
}

std::string HeadlessToolkit::dataFolder() {
    if (!dataFolderPath.empty()) {
        return dataFolderPath;
    }
    if (ownDataFolder_.empty()) {
        static std::atomic<int> counter{0};
        ownDataFolder_ = ui::joinPath(ui::utf8Path(std::filesystem::temp_directory_path()),
                                      "ardel-data-" + std::to_string(processId()) + "-" + std::to_string(counter++));
        std::error_code error;
        std::filesystem::remove_all(nativePath(ownDataFolder_), error);
        std::filesystem::create_directories(nativePath(ownDataFolder_), error);
    }
    return ownDataFolder_;
}

int HeadlessToolkit::run() {
    return exitCode.value_or(0);
}

void HeadlessToolkit::quit(int code) {
    if (!exitCode) {
        exitCode = code;
    }
}

} // namespace ardel::ui
