#include "ui/qt/QtToolkit.h"

#include "ui/qt/QtForm.h"
#include "ui/qt/QtText.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QProgressDialog>
#include <QSettings>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

#include <cstdlib>
#include <utility>

namespace ardel::ui {

namespace {
const QString organization = QStringLiteral("Tovarin");
const QString application = QStringLiteral("Ardel");
const QString settingsGroup = QStringLiteral("5.0");

// The program's icon, drawn from the scalable picture the desktop menu shows too.
QIcon programIcon() {
    QSvgRenderer picture(QStringLiteral(":/ardel.svg"));
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        picture.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
    case Icon::Stop:
        return QMessageBox::Critical;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonSet {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton first;
    QMessageBox::StandardButton onClose; // what closing the box or Escape answers
};

ButtonSet qtButtons(Buttons buttons) {
    switch (buttons) {
    case Buttons::OKCancel:
        return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel};
    case Buttons::YesNo:
        return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No};
    case Buttons::YesNoCancel:
        return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::Cancel};
    case Buttons::OK:
        break;
    }
    return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
}

Answer answerOf(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::OK;
    }
}

// A file dialog filter in Qt's form: the filter's name as given, then the
// ";"-separated patterns in parentheses ("*.*" being every file).
QString qtFilter(const FileFilter& filter) {
    QStringList patterns;
    for (const QString& pattern : toQt(filter.pattern).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        patterns << (trimmed == QStringLiteral("*.*") ? QStringLiteral("*") : trimmed);
    }
    const QString description = filter.description.empty() ? toQt(filter.pattern) : toQt(filter.description);
    return description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

// A task shorter than this shows no progress dialog.
constexpr int kProgressDelayMs = 400;

std::optional<std::string> firstOf(const std::vector<std::string>& paths) {
    return paths.empty() ? std::nullopt : std::optional<std::string>(paths.front());
}

// While the toolkit starts, a fatal message (no display to connect to, no platform
// plugin) ends the program with -1, as a window that cannot be created does,
// instead of aborting it.
QtMessageHandler messagesBeforeStart = nullptr;

void endOnFatalStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    messagesBeforeStart(type, context, message);
    if (type == QtFatalMsg) {
        std::_Exit(-1);
    }
}

std::unique_ptr<QApplication> startApplication(int& argc, char** argv) {
    messagesBeforeStart = qInstallMessageHandler(endOnFatalStartupMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(messagesBeforeStart);
    return application;
}

} // namespace

QtTimer::QtTimer(std::function<void()> timeout) : timer_(std::make_unique<QTimer>()) {
    timer_->setSingleShot(true);
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), std::move(timeout));
}

QtTimer::~QtTimer() = default;

void QtTimer::start(int milliseconds) {
    timer_->start(milliseconds);
}

void QtTimer::stop() {
    timer_->stop();
}

bool QtTimer::isActive() const {
    return timer_->isActive();
}

ModalScope::ModalScope() : previous_(QApplication::activeWindow()) {}

// The closed window may still count as the active one until the platform's
// deactivation arrives; a hidden window is no owner of the activation.
ModalScope::~ModalScope() {
    const QWidget* active = QApplication::activeWindow();
    if (previous_ && previous_->isVisible() && (!active || !active->isVisible())) {
        previous_->activateWindow();
    }
}

std::optional<std::string> QtSettings::value(const std::string& name) const {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, organization, application);
    store.beginGroup(settingsGroup);
    const QVariant stored = store.value(toQt(name));
    if (!stored.isValid()) {
        return std::nullopt;
    }
    return fromQt(stored.toString());
}

bool QtSettings::setValue(const std::string& name, const std::string& value) {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, organization, application);
    if (!store.isWritable()) {
        return false;
    }
    store.beginGroup(settingsGroup);
    store.setValue(toQt(name), toQt(value));
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

QtToolkit::QtToolkit(int& argc, char** argv) : app_(startApplication(argc, argv)) {
    QCoreApplication::setOrganizationName(organization);
    QCoreApplication::setApplicationName(application);
    QGuiApplication::setDesktopFileName(QStringLiteral("ardel"));
    QApplication::setWindowIcon(programIcon());
    QApplication::setQuitOnLastWindowClosed(false);
}

QtToolkit::~QtToolkit() = default;

std::unique_ptr<Form> QtToolkit::createForm(const FormDecl& decl) {
    auto form = std::make_unique<QtForm>(*this, decl);
    if (decl.mainWindow) {
        mainWindow_ = form->window();
    }
    return form;
}

QWidget* QtToolkit::ownerOfNextWindow() const {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    return mainWindow_;
}

void QtToolkit::attachDialog(QDialog& dialog) const {
    if (mainWindow_ && dialog.parentWidget() != mainWindow_) {
        dialog.setParent(mainWindow_, dialog.windowFlags());
    }
}

Answer QtToolkit::messageBox(const std::string& caption, const std::string& text, Icon icon, Buttons buttons) {
    const ButtonSet set = qtButtons(buttons);
    QMessageBox box(qtIcon(icon), shownText(caption), shownText(text), set.buttons, ownerOfNextWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(set.first);
    box.setEscapeButton(set.onClose);
    const ModalScope scope;
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    return answerOf(clicked ? box.standardButton(clicked) : set.onClose);
}

std::vector<std::string> QtToolkit::fileDialog(const FileDialogRequest& request, FileChoice choice) {
    const bool save = choice == FileChoice::Save;
    QFileDialog dialog(ownerOfNextWindow(), toQt(request.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save                                 ? QFileDialog::AnyFile
                       : choice == FileChoice::OpenSeveral ? QFileDialog::ExistingFiles
                                                            : QFileDialog::ExistingFile);
    // The program asks its own question before overwriting a file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    // The combo shows each description as given; Qt's own pattern list stays hidden.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    QStringList filters;
    for (const FileFilter& filter : request.filters) {
        filters << qtFilter(filter);
    }
    dialog.setNameFilters(filters);
    if (!request.startPath.empty()) {
        const QFileInfo start(pathToQt(request.startPath));
        if (start.isDir()) {
            dialog.setDirectory(start.absoluteFilePath());
        } else {
            dialog.setDirectory(start.absolutePath());
            dialog.selectFile(start.fileName());
        }
    }
    const ModalScope scope;
    std::vector<std::string> chosen;
    if (dialog.exec() == QDialog::Accepted) {
        for (const QString& path : dialog.selectedFiles()) {
            chosen.push_back(pathFromQt(path));
        }
    }
    return chosen;
}

std::optional<std::string> QtToolkit::openFileDialog(const FileDialogRequest& request) {
    return firstOf(fileDialog(request, FileChoice::Open));
}

std::optional<std::string> QtToolkit::saveFileDialog(const FileDialogRequest& request) {
    return firstOf(fileDialog(request, FileChoice::Save));
}

std::vector<std::string> QtToolkit::openFilesDialog(const FileDialogRequest& request) {
    return fileDialog(request, FileChoice::OpenSeveral);
}

QtProgress::QtProgress(QWidget* owner, const std::string& caption, const std::string& text, int total)
    : dialog_(std::make_unique<QProgressDialog>(shownText(text), QStringLiteral("Cancel"), 0, total, owner)) {
    dialog_->setWindowTitle(shownText(caption));
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setMinimumDuration(kProgressDelayMs);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->setValue(0);
}

QtProgress::~QtProgress() = default;

// A modal progress dialog's setValue lets the event loop answer the Cancel button.
void QtProgress::setDone(int done) {
    dialog_->setValue(done);
}

bool QtProgress::wasCancelled() const {
    return dialog_->wasCanceled();
}

std::unique_ptr<Progress> QtToolkit::createProgress(const std::string& caption, const std::string& text,
                                                    int total) {
    return std::make_unique<QtProgress>(ownerOfNextWindow(), caption, text, total);
}

std::string QtToolkit::dataFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        return {};
    }
    return pathFromQt(folder);
}

std::unique_ptr<Timer> QtToolkit::createTimer(std::function<void()> timeout) {
    return std::make_unique<QtTimer>(std::move(timeout));
}

void QtToolkit::showHelp(const std::string& htmlPath) {
    auto* browser = qobject_cast<QTextBrowser*>(helpWindow_.data());
    if (!browser) {
        browser = new QTextBrowser;
        browser->setAttribute(Qt::WA_DeleteOnClose);
        browser->setObjectName(QStringLiteral("HelpWindow"));
        browser->setOpenExternalLinks(true);
        browser->resize(1100, 760);
        QObject::connect(browser, &QTextBrowser::sourceChanged, browser,
                         [browser] { browser->setWindowTitle(browser->documentTitle()); });
        helpWindow_ = browser;
    }
    browser->setSource(QUrl::fromLocalFile(pathToQt(htmlPath)));
    browser->setWindowTitle(browser->documentTitle());
    browser->show();
    browser->raise();
    browser->activateWindow();
}

void QtToolkit::beep() {
    QApplication::beep();
}

void QtToolkit::setBusy(bool busy) {
    if (busy && busy_++ == 0) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (!busy && busy_ > 0 && --busy_ == 0) {
        QApplication::restoreOverrideCursor();
    }
}

int QtToolkit::run() {
    if (!exitCode_) {
        running_ = true;
        const int code = QApplication::exec();
        running_ = false;
        exitCode_ = exitCode_.value_or(code);
    }
    return *std::exchange(exitCode_, std::nullopt);
}

void QtToolkit::quit(int exitCode) {
    if (!exitCode_) {
        exitCode_ = exitCode;
    }
    if (running_) {
        QCoreApplication::exit(*exitCode_);
    }
}

void QtToolkit::mainWindowClosed() {
    if (helpWindow_) {
        helpWindow_->close();
    }
    quit(0);
}

} // namespace ardel::ui
