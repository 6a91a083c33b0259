// What a text box admits from the user, typed or pasted: printable Latin-1 characters,
// digits only for a digits-only box, at most `limit` characters, letters turned to
// capitals for an upper-case box. Text set by the program is taken as it is; a limit
// stops typing beyond it, never deleting or replacing in a text that is over it.
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

// The rules of a one-line box. It stands aside while the program sets the text, and
// it is told the length of the text before each edit (`present`), so that an edit of
// a text over the limit is refused only when it makes the text longer.
class InputValidator : public QValidator {
    Q_OBJECT

public:
    InputValidator(InputRules rules, QObject* parent);
    State validate(QString& input, int& position) const override;
    void setLimit(int limit) { rules_.limit = limit; }
    void setActive(bool active) { active_ = active; }
    void setPresent(const QString& text) { present_ = static_cast<int>(text.size()); }

private:
    InputRules rules_;
    bool active_ = true;
    int present_ = 0;
};

// A plain-text multi-line box whose text is a program text: a line break is "\r\n",
// and what the user types or pastes obeys the box's rules.
//
// With wrap columns the box wraps its words itself, by the shared rule (ui::wrapLines):
// Qt's own word wrap would also break after "-" and "/". Each wrap is a line separator
// (U+2028) in the document, laid anew after every change and never part of the text.
class PlainTextBox : public QTextEdit {
    Q_OBJECT

public:
    PlainTextBox(InputRules rules, QWidget* parent);

    QString programText() const;
    void setProgramText(const QString& text);
    void setLimit(int limit) { rules_.limit = limit; }
    void setWrapColumns(int columns);
    // The lines as the box shows them.
    QStringList shownLines() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    // Room left for new text, counting the selection that the new text replaces.
    int room() const;
    QString admitted(const QString& typed) const;
    void rewrap();
    bool isWrapped() const;
    // Undo and redo go step by step until the wraps are where the rule puts them
    // (a new wrap is an undo step of its own; laying it anew would end the history).
    void stepHistory(bool back);
    // Moves the caret over a wrap that Backspace or Delete would otherwise erase alone.
    void stepOverWrap(const QKeyEvent& event);

    InputRules rules_;
    int wrapColumns_ = 0;
    bool rewrapping_ = false;
};

} // namespace ardel::ui
