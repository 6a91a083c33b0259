// The two kinds of top-level window a form lives in. Both let the form refuse the
// close box; a dialog answers Escape with its cancel button or, having none, as
// its close box does.
#pragma once

#include <QDialog>
#include <QMainWindow>

#include <functional>

namespace ardel::ui {

class DialogWindow : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;
    std::function<bool()> closeAllowed;
    std::function<void()> escapePressed;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    using QMainWindow::QMainWindow;
    std::function<bool()> closeAllowed;
    std::function<void()> closed;

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace ardel::ui
