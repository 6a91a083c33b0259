// Helpers shared by the Qt test programs: the main function that builds the toolkit
// (which owns the QApplication), the answerer of modal windows, a check that no
// window was left open, and short ways to declare controls.
#pragma once

#include "ui/qt/QtForm.h"
#include "ui/qt/QtText.h"
#include "ui/qt/QtToolkit.h"

#include <QStandardPaths>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace ardel::testing {

// Answers the modal windows that a blocking call opens. Arm it with the expected
// windows before the call: on a timer it takes QApplication::activeModalWidget(),
// checks its title (and a message box's text), acts on it, and always closes it,
// also when it did not match or was not expected at all, so that the blocking call
// returns and the test fails instead of hanging. It acts once the window is active
// (or after three seconds), so that focus and key events go where a user's would.
// Of several answerers alive at once, the newest answers.
class DialogAnswerer {
public:
    using Action = std::function<void(QWidget& modal)>;

    DialogAnswerer() : state_(std::make_shared<State>()) {
        answerers().push_back(state_);
        schedule(state_);
    }
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // A message box with this title and text, answered with `button` (NoButton: its close box).
    void expectMessage(const QString& title, const QString& text, QMessageBox::StandardButton button) {
        expectModal(title, text, [button](QWidget& modal) {
            auto& box = static_cast<QMessageBox&>(modal);
            if (button == QMessageBox::NoButton) {
                box.close();
            } else if (QAbstractButton* pressed = box.button(button)) {
                pressed->click();
            }
        });
    }
    // Any modal window with this title; `act` is expected to end it.
    void expectModal(const QString& title, Action act) { expectModal(title, QString(), std::move(act)); }
    // A modal window with this title and, for a message box, this text.
    void expectModal(const QString& title, const QString& text, Action act) {
        state_->steps.push_back({title, text, std::move(act)});
    }

    // Problems seen so far, and expectations never met.
    QStringList failures() const {
        QStringList out = state_->failures;
        for (const Step& step : state_->steps) {
            out << QStringLiteral("no modal window \"%1\" appeared").arg(step.title);
        }
        return out;
    }

private:
    struct Step {
        QString title;
        QString text; // message boxes only; empty for other windows
        Action act;
    };
    struct State {
        std::deque<Step> steps;
        QStringList failures;
        QList<QWidget*> acting; // windows whose action has not returned yet
        int waits = 0;
        int activationWaits = 0;
    };
    static constexpr int pollMs = 10;
    static constexpr int maxWaits = 500;
    static constexpr int maxActivationWaits = 300;

    // Every answerer made so far; only the newest one alive answers, so that one armed
    // for a later step never loses its window to an earlier one still in scope.
    static std::vector<std::weak_ptr<State>>& answerers() {
        static std::vector<std::weak_ptr<State>> all;
        return all;
    }
    static bool isNewest(const std::shared_ptr<State>& state) {
        std::erase_if(answerers(), [](const std::weak_ptr<State>& answerer) { return answerer.expired(); });
        return !answerers().empty() && answerers().back().lock() == state;
    }

    static void schedule(const std::shared_ptr<State>& state) {
        QTimer::singleShot(pollMs, [weak = std::weak_ptr<State>(state)] {
            if (auto alive = weak.lock()) {
                poll(alive);
            }
        });
    }

    // The title as the window shows it (Qt's "[*]" mark resolved).
    static QString shownTitle(const QWidget& modal) {
        return modal.windowHandle() ? modal.windowHandle()->title() : modal.windowTitle();
    }

    static void closeForcibly(QWidget& modal) {
        if (auto* dialog = qobject_cast<QDialog*>(&modal)) {
            dialog->reject();
        } else {
            modal.close();
        }
    }

    // Runs for as long as the answerer lives; a modal window that no expectation
    // waits for is closed too, and fails the test.
    static void poll(const std::shared_ptr<State>& state) {
        schedule(state); // first: an action may open a nested modal window
        if (!isNewest(state)) {
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || state->acting.contains(modal)) {
            if (!state->steps.empty() && ++state->waits > maxWaits) {
                state->failures << QStringLiteral("gave up waiting for \"%1\"").arg(state->steps.front().title);
                state->steps.clear();
            }
            return;
        }
        if (!modal->isActiveWindow() && ++state->activationWaits <= maxActivationWaits) {
            return; // act on it once it has the keyboard, as a user would
        }
        state->waits = 0;
        state->activationWaits = 0;
        const auto* box = qobject_cast<QMessageBox*>(modal);
        const QString title = shownTitle(*modal);
        const QString text = box ? box->text() : QString();
        if (state->steps.empty()) {
            state->failures << QStringLiteral("unexpected \"%1\" / \"%2\"").arg(title, text);
            closeForcibly(*modal);
            return;
        }
        Step step = std::move(state->steps.front());
        state->steps.pop_front();
        QPointer<QWidget> target(modal);
        if (title != step.title || (box && text != step.text)) {
            state->failures << QStringLiteral("expected \"%1\" / \"%2\" but saw \"%3\" / \"%4\"")
                                   .arg(step.title, step.text, title, text);
        } else {
            state->acting << modal;
            step.act(*modal);
            state->acting.removeOne(modal);
        }
        if (target && target->isVisible()) {
            state->failures << QStringLiteral("\"%1\" was left open").arg(step.title);
            closeForcibly(*target);
        }
    }

    std::shared_ptr<State> state_;
};

// Fails the test when a modal window or a dialog is still shown, and closes it.
inline void closeLeftOverWindows() {
    QStringList left;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && qobject_cast<QDialog*>(widget)) {
            left << widget->windowTitle();
            qobject_cast<QDialog*>(widget)->reject();
        }
    }
    QVERIFY2(left.isEmpty(), qPrintable(QStringLiteral("windows left open: ") + left.join(QStringLiteral(", "))));
    QVERIFY(!QApplication::activeModalWidget());
}

inline ui::ControlDecl control(const std::string& name, ui::ControlKind kind, const std::string& label = {}) {
    ui::ControlDecl decl;
    decl.name = name;
    decl.kind = kind;
    decl.label = label;
    return decl;
}

inline ui::ControlDecl maskedBox(const std::string& name, const std::string& mask, bool digitsOnly = false) {
    ui::ControlDecl decl = control(name, ui::ControlKind::MaskedText, name);
    decl.mask = mask;
    decl.digitsOnly = digitsOnly;
    return decl;
}

inline ui::FormDecl dialogDecl(const std::string& name, std::vector<ui::ControlDecl> controls) {
    ui::FormDecl decl;
    decl.name = name;
    decl.caption = name;
    decl.controls = std::move(controls);
    return decl;
}

template <class Widget> Widget* widgetOf(ui::Form& form, const char* name) {
    return static_cast<ui::QtForm&>(form).window()->findChild<Widget*>(QString::fromLatin1(name));
}

// Types `text` into the widget key by key, as a user would; also characters outside ASCII.
inline void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, static_cast<char>(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

inline void typeText(QWidget* widget, const char* latin1) {
    typeText(widget, QString::fromLatin1(latin1));
}

// The object name of the control that has the keyboard, or "" when none has.
inline QString focusedName() {
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString();
}

// The dialog's control of that name and type; a warning names the one not found.
template <class Widget> Widget* child(QWidget& dialog, const char* name) {
    auto* found = dialog.findChild<Widget*>(QString::fromLatin1(name));
    if (!found) {
        qWarning("no control %s in %s", name, qPrintable(dialog.windowTitle()));
    }
    return found;
}

// Shows a form and waits until its window is active, so that focus moves as a user's would.
inline bool showActive(ui::Form& form) {
    form.show();
    return QTest::qWaitForWindowActive(static_cast<ui::QtForm&>(form).window());
}

} // namespace ardel::testing

// The main function of a Qt test program: the toolkit owns the application; settings and
// window positions go to the test location, never into the user's own settings.
#define ARDEL_QT_TEST_MAIN(TestClass)                                                                                  \
    int main(int argc, char** argv) {                                                                                  \
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);                                                       \
        QStandardPaths::setTestModeEnabled(true);                                                                      \
        ardel::ui::QtToolkit toolkit(argc, argv);                                                                      \
        TestClass test(toolkit);                                                                                       \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
