// Helpers shared by the Qt test programs: the main function that builds the toolkit
// (which owns the QApplication), the answerer of modal windows, a check that no
// window was left open, and short ways to declare controls.
#pragma once

#include "ui/qt/QtForm.h"
#include "ui/qt/QtText.h"
#include "ui/qt/QtToolkit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <deque>
#include <functional>
#include <memory>

namespace ardel::testing {

// Answers the modal windows that a blocking call opens. Arm it with the expected
// windows before the call: on a timer it takes QApplication::activeModalWidget(),
// checks its title (and a message box's text), acts on it, and always closes it,
// also when it did not match, so that the blocking call returns and the test fails.
class DialogAnswerer {
public:
    using Action = std::function<void(QWidget& modal)>;

    DialogAnswerer() : state_(std::make_shared<State>()) {}
    ~DialogAnswerer() { state_->steps.clear(); }
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
        QList<QPointer<QWidget>> handled;
        int waits = 0;
    };
    static constexpr int pollMs = 10;
    static constexpr int maxWaits = 500;

    void expectModal(const QString& title, const QString& text, Action act) {
        state_->steps.push_back({title, text, std::move(act)});
        if (state_->steps.size() == 1) {
            schedule(state_);
        }
    }

    static void schedule(const std::shared_ptr<State>& state) {
        QTimer::singleShot(pollMs, [weak = std::weak_ptr<State>(state)] {
            if (auto alive = weak.lock()) {
                poll(alive);
            }
        });
    }

    static bool alreadyHandled(const State& state, QWidget* modal) {
        for (const QPointer<QWidget>& seen : state.handled) {
            if (seen == modal) {
                return true;
            }
        }
        return false;
    }

    static void closeForcibly(QWidget& modal) {
        if (auto* dialog = qobject_cast<QDialog*>(&modal)) {
            dialog->reject();
        } else {
            modal.close();
        }
    }

    static void poll(const std::shared_ptr<State>& state) {
        if (state->steps.empty()) {
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || alreadyHandled(*state, modal)) {
            if (++state->waits > maxWaits) {
                state->failures << QStringLiteral("gave up waiting for \"%1\"").arg(state->steps.front().title);
                state->steps.clear();
                return;
            }
            schedule(state);
            return;
        }
        state->waits = 0;
        Step step = std::move(state->steps.front());
        state->steps.pop_front();
        state->handled << modal;
        if (!state->steps.empty()) {
            schedule(state); // before acting: the action may open a nested modal window
        }
        QPointer<QWidget> target(modal);
        const auto* box = qobject_cast<QMessageBox*>(modal);
        const QString shownText = box ? box->text() : QString();
        if (modal->windowTitle() != step.title || (box && shownText != step.text)) {
            state->failures << QStringLiteral("expected \"%1\" / \"%2\" but saw \"%3\" / \"%4\"")
                                   .arg(step.title, step.text, modal->windowTitle(), shownText);
        } else {
            step.act(*modal);
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

// Shows a form and waits until its window is active, so that focus moves as a user's would.
inline bool showActive(ui::Form& form) {
    form.show();
    return QTest::qWaitForWindowActive(static_cast<ui::QtForm&>(form).window());
}

} // namespace ardel::testing

// The main function of a Qt test program: the toolkit owns the application.
#define ARDEL_QT_TEST_MAIN(TestClass)                                                                                  \
    int main(int argc, char** argv) {                                                                                  \
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);                                                       \
        ardel::ui::QtToolkit toolkit(argc, argv);                                                                      \
        TestClass test(toolkit);                                                                                       \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
