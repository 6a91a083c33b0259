#include "ui/qt/QtWindows.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QSettings>

namespace ardel::ui {

namespace {
QString geometryKey(const QObject& window) {
    return QStringLiteral("window/") + window.objectName();
}
const QString kOrganization = QStringLiteral("Tovarin");
const QString kApplication = QStringLiteral("Ardel");
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
