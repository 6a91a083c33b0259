// Starts the program: batch options run without a window; otherwise the main window
// opens, with the file named by the first word.
//
// For the end-to-end tests:
// ARDEL_ANSWER=Yes|No|OK|Cancel: every message box is answered with that button, its
// caption and text printed on standard output first.
// ARDEL_MENU=ID,ID,...: once the window is up (after any start-up question), these
// menu entries are chosen in turn.
// ARDEL_SNAPSHOT=FILE: then the program writes its title, the lines of its four lists
// and the title of an open help window into FILE and closes the window.
// ARDEL_RECOVERY_DELAY=MILLISECONDS: the recovery copy is written that long after the
// last change instead of 30 seconds.
#include "app/ApplicationClass.h"
#include "app/Batch.h"
#include "ui/Platform.h"
#include "ui/qt/QtToolkit.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QFile>
#include <QListView>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>

#include <cstdlib>
#include <iostream>

namespace {

void writeSnapshot(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("HelpWindow") && window->isVisible()) {
            file.write("help " + window->windowTitle().toLatin1() + "\n");
        }
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* main = qobject_cast<QMainWindow*>(window);
        if (!main) {
            continue;
        }
        file.write("title " + main->windowTitle().toLatin1() + "\n");
        for (const char* list : {"lb_Sessions", "lb_Instruments", "lb_Stations", "lb_Antennas"}) {
            const auto* view = main->findChild<QListView*>(QLatin1String(list));
            const QAbstractItemModel* model = view ? view->model() : nullptr;
            for (int row = 0; model && row < model->rowCount(); ++row) {
                file.write(QByteArray(list) + " " + model->index(row, 0).data().toString().toLatin1() + "\n");
            }
        }
        main->close();
    }
}

QMessageBox::StandardButton buttonNamed(const QString& name) {
    if (name == QLatin1String("Yes")) {
        return QMessageBox::Yes;
    }
    if (name == QLatin1String("No")) {
        return QMessageBox::No;
    }
    return name == QLatin1String("Cancel") ? QMessageBox::Cancel : QMessageBox::Ok;
}

// Looks for an open message box now and then, also while one runs its own loop.
void answerMessageBoxes(QMessageBox::StandardButton answer) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->button(answer)) {
            return;
        }
        std::cout << "message [" << box->windowTitle().toStdString() << "] " << box->text().toStdString() << std::endl;
        box->button(answer)->click();
    });
    timer->start(50);
}

void chooseMenuEntries(ardel::ApplicationClass& application, const QString& ids) {
    for (const QString& id : ids.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        ardel::ui::Form& form = application.mainWindow()->form();
        if (form.menuTriggered) {
            form.menuTriggered(id.toStdString());
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> words = ardel::ui::commandLineArguments(argc, argv);
    if (const auto status = ardel::runBatch(words, std::cout, std::cerr)) {
        return *status;
    }
    ardel::ui::QtToolkit toolkit(argc, argv);
    ardel::ApplicationClass application(toolkit);
    if (const char* answer = std::getenv("ARDEL_ANSWER")) {
        answerMessageBoxes(buttonNamed(QString::fromLatin1(answer)));
    }
    application.started = [&application] {
        const char* menu = std::getenv("ARDEL_MENU");
        const char* snapshot = std::getenv("ARDEL_SNAPSHOT");
        QTimer::singleShot(0, [&application, ids = QString::fromLatin1(menu ? menu : ""),
                               path = QFile::decodeName(snapshot ? snapshot : "")] {
            chooseMenuEntries(application, ids);
            if (!path.isEmpty()) {
                writeSnapshot(path);
            }
        });
    };
    return application.run(words);
}
