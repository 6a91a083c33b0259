// Starts the program: batch options run without a window; otherwise the main window
// opens, with the file named by the first word.
//
// ARDEL_SNAPSHOT=FILE (for the end-to-end test): once the window is up, the program
// writes its title and the lines of its four lists into FILE and closes the window.
#include "app/ApplicationClass.h"
#include "app/Batch.h"
#include "ui/qt/QtToolkit.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFile>
#include <QListView>
#include <QMainWindow>
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

} // namespace

int main(int argc, char* argv[]) {
    if (const auto status = ardel::runBatch(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr)) {
        return *status;
    }
    ardel::ui::QtToolkit toolkit(argc, argv);
    const std::vector<std::string> words(argv + 1, argv + argc);
    ardel::ApplicationClass application(toolkit);
    if (const char* snapshot = std::getenv("ARDEL_SNAPSHOT")) {
        QTimer::singleShot(0, [path = QFile::decodeName(snapshot)] { writeSnapshot(path); });
    }
    return application.run(words);
}
