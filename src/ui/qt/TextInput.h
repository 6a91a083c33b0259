// What a text box admits from the user, typed or pasted: printable Latin-1 characters,
// digits only for a digits-only box, at most `limit` characters, letters turned to
// capitals for an upper-case box. Text set by the program is taken as it is.
#pragma once

#include <QTextEdit>
#include <QValidator>

namespace ardel::ui {

struct InputRules {
    int limit = 0; // 0 for none
    bool digitsOnly = false;
    bool upperCase = false;

    bool admits(QChar c) const;
    QChar transform(QChar c) const;
};

// The rules of a one-line box. It stands aside while the program sets the text.
class InputValidator : public QValidator {
    Q_OBJECT

public:
    InputValidator(InputRules rules, QObject* parent);
    State validate(QString& input, int& position) const override;
    void setLimit(int limit) { rules_.limit = limit; }
    void setActive(bool active) { active_ = active; }

private:
    InputRules rules_;
    bool active_ = true;
};

// A plain-text multi-line box whose text is a program text: a line break is "\r\n",
// and what the user types or pastes obeys the box's rules.
class PlainTextBox : public QTextEdit {
    Q_OBJECT

public:
    PlainTextBox(InputRules rules, QWidget* parent);

    QString programText() const;
    void setProgramText(const QString& text);
    void setLimit(int limit) { rules_.limit = limit; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Room left for new text, counting the selection that the new text replaces.
    int room() const;
    QString admitted(const QString& typed) const;

    InputRules rules_;
};

} // namespace ardel::ui
