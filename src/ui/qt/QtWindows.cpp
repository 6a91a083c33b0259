#include "ui/qt/QtWindows.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace ardel::ui {

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

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closeAllowed && !closeAllowed()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    if (closed) {
        closed();
    }
}

} // namespace ardel::ui
