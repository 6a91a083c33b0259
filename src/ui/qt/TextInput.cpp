#include "ui/qt/TextInput.h"

#include "ui/Text.h"
#include "ui/Wrap.h"
#include "ui/qt/QtText.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>

#include <limits>
#include <memory>

namespace ardel::ui {

namespace {
constexpr QChar paragraphSeparator(0x2029);
constexpr QChar lineSeparator(0x2028);
const QString programLineBreak = QStringLiteral("\r\n");

// The length of a shown text as the program counts it: a line break is two
// characters, a wrap none.
int programLength(const QString& shown) {
    const auto breaks = shown.count(QLatin1Char('\n')) + shown.count(paragraphSeparator);
    return static_cast<int>(shown.size() + breaks - shown.count(lineSeparator));
}

// Where the caret stands in the text without wraps; and back, after a wrap when it
// could stand on either side of one.
int unwrappedPosition(const QString& shown, int position) {
    return position - static_cast<int>(shown.left(position).count(lineSeparator));
}

int wrappedPosition(const QString& shown, int unwrapped) {
    int position = 0;
    for (int left = unwrapped; position < shown.size() && (left > 0 || shown.at(position) == lineSeparator);
         ++position) {
        left -= shown.at(position) == lineSeparator ? 0 : 1;
    }
    return position;
}

// A key held with Ctrl or Alt alone is a command (Ctrl+A selects all), even where the
// platform gives it the letter's text; Ctrl+Alt is AltGr, which types.
bool isCommandKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers held = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    return held != Qt::NoModifier && held != (Qt::ControlModifier | Qt::AltModifier);
}

QString wrapped(const QString& paragraph, int columns) {
    QStringList lines;
    for (const std::string& line : wrapLines(fromQt(paragraph), columns)) {
        lines << toQt(line);
    }
    return lines.join(lineSeparator);
}
} // namespace

bool InputRules::admits(QChar c) const {
    if (!isLatin1(c) || !c.isPrint()) {
        return false;
    }
    return !digitsOnly || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

QChar InputRules::transform(QChar c) const {
    if (!upperCase || !isLatin1(c)) {
        return c;
    }
    return QChar::fromLatin1(ardel::ui::upperCase(static_cast<char>(c.unicode())));
}

InputValidator::InputValidator(InputRules rules, QObject* parent) : QValidator(parent), rules_(rules) {}

QValidator::State InputValidator::validate(QString& input, int&) const {
    if (!active_) {
        return Acceptable;
    }
    if (rules_.limit > 0 && input.size() > rules_.limit && input.size() > present_) {
        return Invalid;
    }
    for (QChar& c : input) {
        if (!rules_.admits(c)) {
            return Invalid;
        }
        c = rules_.transform(c);
    }
    return Acceptable;
}

PlainTextBox::PlainTextBox(InputRules rules, QWidget* parent) : QTextEdit(parent), rules_(rules) {
    setAcceptRichText(false);
    connect(document(), &QTextDocument::contentsChanged, this, &PlainTextBox::rewrap);
}

QString PlainTextBox::programText() const {
    QString text = document()->toRawText();
    text.remove(lineSeparator).replace(paragraphSeparator, QLatin1Char('\n'));
    return text.replace(QLatin1Char('\n'), programLineBreak);
}

void PlainTextBox::setProgramText(const QString& text) {
    QString shown = text;
    setPlainText(shown.replace(programLineBreak, QStringLiteral("\n")));
    document()->setModified(false);
}

void PlainTextBox::setWrapColumns(int columns) {
    wrapColumns_ = columns;
    setLineWrapMode(QTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rewrap();
}

QStringList PlainTextBox::shownLines() const {
    QStringList lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        lines << block.text().split(lineSeparator);
    }
    return lines;
}

bool PlainTextBox::isWrapped() const {
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block.text() != wrapped(QString(block.text()).remove(lineSeparator), wrapColumns_)) {
            return false;
        }
    }
    return true;
}

void PlainTextBox::stepHistory(bool back) {
    rewrapping_ = true;
    do {
        if (back) {
            undo();
        } else {
            redo();
        }
    } while (!isWrapped() && (back ? document()->isUndoAvailable() : document()->isRedoAvailable()));
    rewrapping_ = false;
    rewrap();
}

// Each paragraph whose wraps are not where the rule puts them is laid anew; the caret
// keeps its place in the text.
void PlainTextBox::rewrap() {
    if (wrapColumns_ <= 0 || rewrapping_) {
        return;
    }
    rewrapping_ = true;
    QTextCursor caret = textCursor();
    const QString before = document()->toRawText();
    const int anchor = unwrappedPosition(before, caret.anchor());
    const int position = unwrappedPosition(before, caret.position());
    bool changed = false;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QString shown = block.text();
        const QString wanted = wrapped(QString(shown).remove(lineSeparator), wrapColumns_);
        if (wanted == shown) {
            continue;
        }
        QTextCursor edit(block);
        edit.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        edit.insertText(wanted);
        changed = true;
    }
    if (changed) {
        const QString after = document()->toRawText();
        caret.setPosition(wrappedPosition(after, anchor));
        caret.setPosition(wrappedPosition(after, position), QTextCursor::KeepAnchor);
        setTextCursor(caret);
    }
    rewrapping_ = false;
}

int PlainTextBox::room() const {
    if (rules_.limit <= 0) {
        return std::numeric_limits<int>::max();
    }
    const int present = programLength(document()->toRawText());
    const int kept = present - programLength(textCursor().selectedText());
    return std::max(rules_.limit, present) - kept;
}

void PlainTextBox::stepOverWrap(const QKeyEvent& event) {
    QTextCursor caret = textCursor();
    if (caret.hasSelection()) {
        return;
    }
    const QChar before = document()->characterAt(caret.position() - 1);
    const QChar after = document()->characterAt(caret.position());
    if (event.key() == Qt::Key_Backspace && before == lineSeparator) {
        caret.movePosition(QTextCursor::PreviousCharacter);
    } else if (event.key() == Qt::Key_Delete && after == lineSeparator) {
        caret.movePosition(QTextCursor::NextCharacter);
    } else {
        return;
    }
    setTextCursor(caret);
}

QString PlainTextBox::admitted(const QString& typed) const {
    QString out;
    int left = room();
    for (QChar c : typed) {
        const bool lineBreak = c == QLatin1Char('\n');
        const int width = lineBreak ? 2 : 1;
        if ((!lineBreak && !rules_.admits(c)) || width > left) {
            continue;
        }
        out += rules_.transform(c);
        left -= width;
    }
    return out;
}

void PlainTextBox::keyPressEvent(QKeyEvent* event) {
    if (wrapColumns_ > 0 && (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))) {
        stepHistory(event->matches(QKeySequence::Undo));
        event->accept();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = enter ? QStringLiteral("\n") : event->text();
    const bool printable = typed.size() == 1 && (enter || (typed.at(0).isPrint() && !isCommandKey(*event)));
    if (!printable || isReadOnly()) {
        stepOverWrap(*event);
        QTextEdit::keyPressEvent(event);
        return;
    }
    const QString text = admitted(typed);
    if (text.isEmpty()) {
        event->accept();
        return;
    }
    // A line break is a new paragraph, also with Shift held (Qt would put in a line
    // separator, which this box keeps for its wraps).
    if (enter) {
        textCursor().insertText(QStringLiteral("\n"));
        ensureCursorVisible();
        event->accept();
        return;
    }
    if (text == typed) {
        QTextEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent changed(event->type(), event->key(), event->modifiers(), text, event->isAutoRepeat(),
                      static_cast<ushort>(event->count()));
    QTextEdit::keyPressEvent(&changed);
}

// The menu's Undo and Redo step as the keys do.
void PlainTextBox::contextMenuEvent(QContextMenuEvent* event) {
    if (wrapColumns_ <= 0) {
        QTextEdit::contextMenuEvent(event);
        return;
    }
    const std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    for (QAction* action : menu->actions()) {
        const bool back = action->objectName() == QStringLiteral("edit-undo");
        if (back || action->objectName() == QStringLiteral("edit-redo")) {
            action->disconnect();
            connect(action, &QAction::triggered, this, [this, back] { stepHistory(back); });
        }
    }
    menu->exec(event->globalPos());
}

// What is copied or dragged is the text, without the box's wraps.
QMimeData* PlainTextBox::createMimeDataFromSelection() const {
    if (wrapColumns_ <= 0) {
        return QTextEdit::createMimeDataFromSelection();
    }
    QString text = textCursor().selectedText();
    text.remove(lineSeparator).replace(paragraphSeparator, QLatin1Char('\n'));
    auto* data = new QMimeData;
    data->setText(text);
    return data;
}

void PlainTextBox::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) {
        return;
    }
    QString text = source->text();
    text.replace(programLineBreak, QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    insertPlainText(admitted(text));
}

} // namespace ardel::ui
