// The Qt toolkit: message boxes answer as the toolkit contract says, file dialogs show
// the program's filters and never ask about overwriting, settings survive a round
// trip, and the event loop ends on quit() or with the main window.
#include "QtTestSupport.h"

#include "ui/Text.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

using namespace ardel;
using namespace ardel::testing;

Q_DECLARE_METATYPE(ui::Buttons)
Q_DECLARE_METATYPE(ui::Answer)
Q_DECLARE_METATYPE(ui::Icon)

namespace {
enum class Press { Button, CloseBox, Escape };

const std::string deleteRefused = "Station %s cannot be deleted because it \n               is still referenced in "
                                  "session \n               %s";

ui::FileDialogRequest bfileRequest(const std::string& title, const std::string& start) {
    return {title,
            start,
            {{"Vantry Files (*.bfl;*.BFL;*.vry;*.VRY)", "*.bfl;*.BFL;*.vry;*.VRY"}, {"All Files (*.*)", "*.*"}}};
}

void touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}
} // namespace

class QtToolkitTest : public QObject {
    Q_OBJECT

public:
    explicit QtToolkitTest(ui::QtToolkit& toolkit) : toolkit_(toolkit) {}

private slots:
    void cleanup() { closeLeftOverWindows(); }

    void messageBoxAnswers_data() {
        QTest::addColumn<ui::Buttons>("buttons");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("button");
        QTest::addColumn<ui::Answer>("answer");
        QTest::addColumn<ui::Icon>("icon");
        QTest::addColumn<int>("qtIcon");
        const int none = QMessageBox::NoButton;
        auto row = [](const char* name, ui::Buttons buttons, Press press, int button, ui::Answer answer,
                      ui::Icon icon = ui::Icon::Stop, QMessageBox::Icon qtIcon = QMessageBox::Critical) {
            QTest::newRow(name) << buttons << static_cast<int>(press) << button << answer << icon
                                << static_cast<int>(qtIcon);
        };
        row("OK", ui::Buttons::OK, Press::Button, QMessageBox::Ok, ui::Answer::OK, ui::Icon::Information,
            QMessageBox::Information);
        row("OK closed", ui::Buttons::OK, Press::CloseBox, none, ui::Answer::OK, ui::Icon::None, QMessageBox::NoIcon);
        row("OK escaped", ui::Buttons::OK, Press::Escape, none, ui::Answer::OK, ui::Icon::Warning,
            QMessageBox::Warning);
        row("OKCancel OK", ui::Buttons::OKCancel, Press::Button, QMessageBox::Ok, ui::Answer::OK, ui::Icon::Question,
            QMessageBox::Question);
        row("OKCancel Cancel", ui::Buttons::OKCancel, Press::Button, QMessageBox::Cancel, ui::Answer::Cancel);
        row("OKCancel closed", ui::Buttons::OKCancel, Press::CloseBox, none, ui::Answer::Cancel);
        row("YesNo Yes", ui::Buttons::YesNo, Press::Button, QMessageBox::Yes, ui::Answer::Yes);
        row("YesNo No", ui::Buttons::YesNo, Press::Button, QMessageBox::No, ui::Answer::No);
        row("YesNo closed", ui::Buttons::YesNo, Press::CloseBox, none, ui::Answer::No);
        row("YesNo escaped", ui::Buttons::YesNo, Press::Escape, none, ui::Answer::No);
        row("YesNoCancel No", ui::Buttons::YesNoCancel, Press::Button, QMessageBox::No, ui::Answer::No);
        row("YesNoCancel closed", ui::Buttons::YesNoCancel, Press::CloseBox, none, ui::Answer::Cancel);
        row("YesNoCancel escaped", ui::Buttons::YesNoCancel, Press::Escape, none, ui::Answer::Cancel);
    }

    void messageBoxAnswers() {
        QFETCH(ui::Buttons, buttons);
        QFETCH(int, press);
        QFETCH(int, button);
        QFETCH(ui::Answer, answer);
        QFETCH(ui::Icon, icon);
        QFETCH(int, qtIcon);
        const std::string text = ui::format(deleteRefused.c_str(), "0007", "0007 MEADOW");
        DialogAnswerer answerer;
        int shownIcon = -1;
        QString defaultButton;
        answerer.expectModal("Error", ui::toQt(text), [&](QWidget& modal) {
            auto& box = static_cast<QMessageBox&>(modal);
            shownIcon = box.icon();
            defaultButton = box.defaultButton() ? box.defaultButton()->text() : QString();
            QCOMPARE(box.textFormat(), Qt::PlainText);
            if (press == static_cast<int>(Press::Button)) {
                box.button(static_cast<QMessageBox::StandardButton>(button))->click();
            } else if (press == static_cast<int>(Press::Escape)) {
                QTest::keyClick(&box, Qt::Key_Escape);
            } else {
                box.close();
            }
        });
        QCOMPARE(toolkit_.messageBox("Error", text, icon, buttons), answer);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(shownIcon, qtIcon);
        QVERIFY(defaultButton.contains(buttons == ui::Buttons::OK || buttons == ui::Buttons::OKCancel ? "OK" : "Yes"));
    }

    void openDialogShowsTheRequest() {
        QTemporaryDir dir;
        touch(dir.filePath("a.bfl"));
        touch(dir.filePath("b.txt"));
        QStringList filters;
        QStringList shownFilters;
        QString folder;
        DialogAnswerer answerer;
        answerer.expectModal("Open B-File", [&](QWidget& modal) {
            auto& dialog = static_cast<QFileDialog&>(modal);
            filters = dialog.nameFilters();
            folder = dialog.directory().absolutePath();
            QVERIFY(dialog.testOption(QFileDialog::HideNameFilterDetails));
            QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFile);
            if (auto* types = dialog.findChild<QComboBox*>("fileTypeCombo")) {
                for (int i = 0; i < types->count(); ++i) {
                    shownFilters << types->itemText(i);
                }
            }
            // Typed into the name box: selectFile() waits for the folder to be listed
            // and leaves a focused name box alone, which made the answer racy.
            auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(name);
            name->setText(dir.filePath("a.bfl"));
            static_cast<QDialog&>(dialog).accept();
        });
        const auto chosen = toolkit_.openFileDialog(bfileRequest("Open B-File", dir.path().toStdString()));
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(filters, (QStringList{"Vantry Files (*.bfl;*.BFL;*.vry;*.VRY) (*.bfl *.BFL *.vry *.VRY)",
                                       "All Files (*.*) (*)"}));
        QCOMPARE(shownFilters, (QStringList{"Vantry Files (*.bfl;*.BFL;*.vry;*.VRY)", "All Files (*.*)"}));
        QCOMPARE(folder, QDir(dir.path()).absolutePath());
        QVERIFY(chosen);
        QCOMPARE(QString::fromStdString(*chosen), dir.filePath("a.bfl"));

        answerer.expectModal("Open B-File", [](QWidget& modal) { static_cast<QFileDialog&>(modal).reject(); });
        QVERIFY(!toolkit_.openFileDialog(bfileRequest("Open B-File", dir.path().toStdString())));
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
    }

    void severalFilesAreChosenAndALongTaskCanBeCancelled() {
        QTemporaryDir dir;
        touch(dir.filePath("a.26o"));
        touch(dir.filePath("b.26o"));
        const ui::FileDialogRequest request{"Select Files", dir.path().toStdString(), {{"All Files", "*"}}};
        DialogAnswerer answerer;
        answerer.expectModal("Select Files", [](QWidget& modal) {
            auto& dialog = static_cast<QFileDialog&>(modal);
            QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFiles);
            dialog.findChild<QLineEdit*>("fileNameEdit")->setText("\"a.26o\" \"b.26o\"");
            static_cast<QDialog&>(dialog).accept();
        });
        const std::vector<std::string> chosen = toolkit_.openFilesDialog(request);
        QCOMPARE(chosen.size(), std::size_t{2});
        QCOMPARE(QString::fromStdString(chosen[0]), dir.filePath("a.26o"));
        QCOMPARE(QString::fromStdString(chosen[1]), dir.filePath("b.26o"));
        answerer.expectModal("Select Files", [](QWidget& modal) { static_cast<QFileDialog&>(modal).reject(); });
        QVERIFY(toolkit_.openFilesDialog(request).empty());

        answerer.expectModal("Task", [](QWidget& modal) { QTest::keyClick(&modal, Qt::Key_Escape); });
        const int steps = 200;
        const auto progress = toolkit_.createProgress("Task", "Working...", steps);
        int done = 0;
        while (done < steps && !progress->wasCancelled()) {
            QTest::qWait(20);
            progress->setDone(++done);
        }
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QVERIFY(progress->wasCancelled());
        QVERIFY(done < steps);
    }

    // A path in the file system's UTF-8 reads as such in a message box; a Latin-1 text
    // (a typed "é" is the single byte E9) and plain ASCII stay as they are.
    void messagesShowPathsAsTheFileSystemNamesThem() {
        QCOMPARE(ui::shownText("Cannot write to file /survey/Donn\xc3\xa9"
                               "es/job.bfl."),
                 QStringLiteral("Cannot write to file /survey/Donn\u00e9es/job.bfl."));
        QCOMPARE(ui::shownText("CAF\xc9 NORTH \xc3"), QStringLiteral("CAF\u00c9 NORTH \u00c3"));
        QCOMPARE(ui::shownText("Save Aborted."), QStringLiteral("Save Aborted."));

        const std::string text = "/survey/\xd0\x9f/old.bfl Exists. Do you wish to overwrite it?";
        DialogAnswerer answerer;
        answerer.expectMessage("Save B-File",
                               QStringLiteral("/survey/\u041f/old.bfl Exists. Do you wish to overwrite it?"),
                               QMessageBox::No);
        QCOMPARE(toolkit_.messageBox("Save B-File", text, ui::Icon::Question, ui::Buttons::YesNo), ui::Answer::No);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
    }

    // The program asks its own overwrite question: the dialog accepts an existing file
    // at once. A folder named outside Latin-1 comes back as the file system's bytes.
    void saveDialogLeavesTheOverwriteQuestionToTheProgram() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("\u041f\u0440\u043e\u0435\u043a\u0442")));
        const QString folder = dir.filePath(QStringLiteral("\u041f\u0440\u043e\u0435\u043a\u0442"));
        const QString existing = folder + QStringLiteral("/old.bfl");
        touch(existing);
        const std::string start = QFile::encodeName(existing).toStdString();
        QString selected;
        DialogAnswerer answerer;
        answerer.expectModal("Save B-File As", [&](QWidget& modal) {
            auto& dialog = static_cast<QFileDialog&>(modal);
            QVERIFY(dialog.testOption(QFileDialog::DontConfirmOverwrite));
            QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
            selected = dialog.selectedFiles().value(0);
            static_cast<QDialog&>(dialog).accept();
        });
        const auto chosen = toolkit_.saveFileDialog(bfileRequest("Save B-File As", start));
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(selected, existing);
        QVERIFY(chosen);
        QCOMPARE(*chosen, start);
    }

    void settingsRoundTrip() {
        QTemporaryDir dir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        ui::Settings& settings = toolkit_.settings();
        QVERIFY(!settings.value("InputFile"));
        QVERIFY(settings.setValue("InputFile", "/survey/caf\xe9/job.bfl"));
        QVERIFY(settings.setValue("SERFile", ""));
        QCOMPARE(settings.value("InputFile"), std::optional<std::string>("/survey/caf\xe9/job.bfl"));
        QCOMPARE(settings.value("SERFile"), std::optional<std::string>(""));
        QVERIFY(!settings.value("DefaultsFilePath"));

        QSettings stored(QSettings::NativeFormat, QSettings::UserScope, "Tovarin", "Ardel");
        QCOMPARE(stored.value("5.0/InputFile").toString(), QString::fromLatin1("/survey/caf\xe9/job.bfl"));
    }

    void busyCursorNests() {
        QVERIFY(!QApplication::overrideCursor());
        {
            ui::BusyCursor outer(toolkit_);
            {
                ui::BusyCursor inner(toolkit_);
                QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            }
            QVERIFY(QApplication::overrideCursor());
        }
        QVERIFY(!QApplication::overrideCursor());
        toolkit_.setBusy(false); // unbalanced: no effect
        QVERIFY(!QApplication::overrideCursor());
        toolkit_.beep();
    }

    void eventLoopEndsOnQuitOrWithTheMainWindow() {
        toolkit_.quit(3); // before the loop runs: it returns at once
        QCOMPARE(toolkit_.run(), 3);

        ui::FormDecl decl;
        decl.name = "Form1";
        decl.caption = "Ardel";
        decl.mainWindow = true;
        auto form = toolkit_.createForm(decl);
        form->show();
        QTimer::singleShot(20, [&] { toolkit_.quit(5); });
        QCOMPARE(toolkit_.run(), 5);

        int asked = 0;
        form->closeRequested = [&] { return ++asked > 1; };
        QTimer::singleShot(20, [&] { form->close(); }); // refused
        QTimer::singleShot(40, [&] { form->close(); });
        QCOMPARE(toolkit_.run(), 0);
        QCOMPARE(asked, 2);
    }

private:
    ui::QtToolkit& toolkit_;
};

ARDEL_QT_TEST_MAIN(QtToolkitTest)
#include "tst_qttoolkit.moc"
