#include "ui/qt/TextInput.h"

#include "ui/Text.h"
#include "ui/qt/QtText.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

#include <limits>

namespace ardel::ui {

namespace {
constexpr QChar paragraphSeparator(0x2029);
constexpr QChar lineSeparator(0x2028);
const QString programLineBreak = QStringLiteral("\r\n");

// The length of a text as the program counts it: a line break is two characters.
int programLength(const QString& shown) {
    return static_cast<int>(shown.size() + shown.count(QLatin1Char('\n')));
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
    if (rules_.limit > 0 && input.size() > rules_.limit) {
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
}

QString PlainTextBox::programText() const {
    QString text = document()->toRawText();
    text.replace(paragraphSeparator, QLatin1Char('\n')).replace(lineSeparator, QLatin1Char('\n'));
    return text.replace(QLatin1Char('\n'), programLineBreak);
}

void PlainTextBox::setProgramText(const QString& text) {
    QString shown = text;
    setPlainText(shown.replace(programLineBreak, QStringLiteral("\n")));
    document()->setModified(false);
}

int PlainTextBox::room() const {
    if (rules_.limit <= 0) {
        return std::numeric_limits<int>::max();
    }
    const int used = programLength(toPlainText()) -
                     programLength(textCursor().selectedText().replace(paragraphSeparator, QLatin1Char('\n')));
    return rules_.limit - used;
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
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = enter ? QStringLiteral("\n") : event->text();
    const bool printable = typed.size() == 1 && (enter || typed.at(0).isPrint());
    if (!printable || isReadOnly()) {
        QTextEdit::keyPressEvent(event);
        return;
    }
    const QString text = admitted(typed);
    if (text.isEmpty()) {
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

void PlainTextBox::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) {
        return;
    }
    QString text = source->text();
    text.replace(programLineBreak, QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    insertPlainText(admitted(text));
}

} // namespace ardel::ui
