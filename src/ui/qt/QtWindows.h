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

// The main window also remembers its size and position between runs, and takes
// files dropped onto it.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow();
    std::function<bool()> closeAllowed;
    std::function<void()> closed;
    // The first local file of a drop; called once the drop has ended, so that the
    // program may ask its questions without holding up the program the file came from.
    std::function<void(const QString& path)> fileDropped;

    // The size and position of the last run, or a roomy default on the first.
    void restoreLastGeometry();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

} // namespace ardel::ui
