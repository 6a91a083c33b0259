#include "ui/qt/QtWindows.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QSettings>
#include <QTimer>
#include <QUrl>

namespace ardel::ui {

namespace {
QString geometryKey(const QObject& window) {
    return QStringLiteral("window/") + window.objectName();
}
const QString kOrganization = QStringLiteral("Tovarin");
const QString kApplication = QStringLiteral("Ardel");

// The first local file (not a folder) a drag carries, or an empty text.
QString droppedFile(const QMimeData* data) {
    if (data) {
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile()) {
                return url.toLocalFile();
            }
        }
    }
    return {};
}
} // namespace

void DialogWindow::closeEvent(QCloseEvent* event) {
    if (closeAllowed && !closeAllowed()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        if (escapePressed) {
            escapePressed();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

MainWindow::MainWindow() {
    setAcceptDrops(true);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    QTimer::singleShot(0, this, [this, path] {
        if (fileDropped) {
            fileDropped(path);
        }
    });
}

void MainWindow::restoreLastGeometry() {
    const QSettings settings(kOrganization, kApplication);
    if (!restoreGeometry(settings.value(geometryKey(*this)).toByteArray())) {
        resize(1120, 720);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closeAllowed && !closeAllowed()) {
        event->ignore();
        return;
    }
    QSettings(kOrganization, kApplication).setValue(geometryKey(*this), saveGeometry());
    QMainWindow::closeEvent(event);
    if (closed) {
        closed();
    }
}

} // namespace ardel::ui
