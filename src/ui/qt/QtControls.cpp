#include "ui/qt/QtControls.h"

#include "ui/Text.h"
#include "ui/qt/QtText.h"
#include "ui/qt/TextInput.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QToolTip>

#include <algorithm>

namespace ardel::ui {

namespace {
constexpr int widestField = 64; // a box for a longer text scrolls rather than growing wider

// The width of a one-line box that shows `columns` characters in its font.
int widthFor(const QWidget& widget, int columns) {
    const int shown = std::clamp(columns, 1, widestField);
    return widget.fontMetrics().horizontalAdvance(QString(shown + 1, QLatin1Char('X'))) + 12;
}

// Qt's input mask for one of ours: each input position admits what ours may admit
// (the exact rule is checked as the user types) and the blank is the placeholder.
QString qtInputMask(const Mask& mask, bool digitsOnly) {
    static const QString qtMaskChars = QStringLiteral("AaNnXx9D0d#HhBb><!;[]{}\\");
    QString out;
    for (std::size_t i = 0; i < mask.pattern().size(); ++i) {
        const QChar c = QChar::fromLatin1(mask.pattern()[i]);
        if (mask.isLiteral(i)) {
            if (qtMaskChars.contains(c)) {
                out += QLatin1Char('\\');
            }
            out += c;
        } else if (c == QLatin1Char('#') || (c == QLatin1Char('*') && digitsOnly)) {
            out += QLatin1Char('0');
        } else if (c == QLatin1Char('U')) {
            out += QLatin1Char('a');
        } else {
            out += QLatin1Char('x');
        }
    }
    return out + QStringLiteral("; ");
}

// A box as wide as `columns` characters of its fixed-pitch font; the box wraps its
// words there itself (PlainTextBox), half a character to spare.
void wrapAtColumns(PlainTextBox& box, int columns) {
    const QFontMetricsF metrics(box.font());
    const qreal margins = 2 * box.document()->documentMargin();
    const qreal width = metrics.horizontalAdvance(QString(columns, QLatin1Char('X'))) + margins +
                        metrics.horizontalAdvance(QLatin1Char('X')) / 2;
    box.setWrapColumns(columns);
    box.setMinimumWidth(static_cast<int>(width) + 2 * box.frameWidth() + box.verticalScrollBar()->sizeHint().width());
}

// A group box, or a frameless pane for a group without a label.
QWidget* makeGroupWidget(const ControlDecl& decl, QWidget* parent) {
    if (decl.label.empty()) {
        return new QWidget(parent);
    }
    return new QGroupBox(toQt(decl.label), parent);
}

InputRules rulesOf(const ControlDecl& decl) {
    return {decl.limit, decl.digitsOnly, decl.upperCase};
}

// A list view whose keyboard cursor row is its selected row: every key that moves
// the cursor selects the row it reaches (also Home on the first row, where Qt moves
// nothing), and Tab into the list selects the cursor row (Qt puts the cursor on the
// first line). Ctrl+Space, which unselects, is left alone.
class KeyboardListView : public QListView {
public:
    explicit KeyboardListView(QWidget* parent) : QListView(parent) {}

protected:
    void focusInEvent(QFocusEvent* event) override {
        QListView::focusInEvent(event);
        if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
            selectCursorRow();
        }
    }
    void keyPressEvent(QKeyEvent* event) override {
        QListView::keyPressEvent(event);
        if (movesCursor(*event)) {
            selectCursorRow();
        }
    }

private:
    static bool movesCursor(const QKeyEvent& event) {
        switch (event.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        default:
            return false;
        }
    }
    void selectCursorRow() {
        const QModelIndex cursor = currentIndex().isValid() ? currentIndex() : model()->index(0, 0);
        if (cursor.isValid() && !selectionModel()->isSelected(cursor)) {
            selectionModel()->setCurrentIndex(cursor, QItemSelectionModel::ClearAndSelect);
        }
    }
};

// A drop-down list whose closed box shows its chosen item whole: when the item is
// longer than the box, the box's tool tip is the whole item (then its hint).
class WholeItemComboBox : public QComboBox {
public:
    explicit WholeItemComboBox(QWidget* parent) : QComboBox(parent) {}

protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::ToolTip || !isCut()) {
            return QComboBox::event(event);
        }
        const QString hint = toolTip().isEmpty() ? QString() : QStringLiteral("\n\n") + toolTip();
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), currentText() + hint, this);
        return true;
    }

private:
    bool isCut() const {
        QStyleOptionComboBox option;
        initStyleOption(&option);
        const QRect shown = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
        return fontMetrics().horizontalAdvance(currentText()) > shown.width();
    }
};

// A button that Enter presses while it has the focus. Only the button declared default
// is the dialog's default: a Qt dialog would otherwise make its first button the
// default when none is declared, and Enter anywhere in it would press that button.
class FocusPressedButton : public QPushButton {
public:
    explicit FocusPressedButton(QWidget* parent) : QPushButton(parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};
} // namespace

// --- Common ---

template <class Interface>
QtControl<Interface>::QtControl(ControlHost& form, const ControlDecl& decl, QWidget* widget)
    : form_(form), decl_(decl), widget_(widget) {
    widget_->setObjectName(toQt(decl.name));
    if (!decl.hint.empty()) {
        widget_->setToolTip(toQt(decl.hint));
    }
    if (!decl.tabStop) {
        applyTabStop(false);
    }
    if (decl.hidden) {
        widget_->hide();
    }
}

template <class Interface> void QtControl<Interface>::applyTabStop(bool tabStop) {
    if (widget_->focusPolicy() != Qt::NoFocus) {
        widget_->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

template <class Interface> void QtControl<Interface>::setFocus() {
    form_.focusQuietly(*this, widget_);
}

template <class Interface> bool QtControl<Interface>::hasFocus() const {
    return form_.focusedControl() == this;
}

template <class Interface> void QtControl<Interface>::setEnabled(bool enabled) {
    form_.changeQuietly([&] { widget_->setEnabled(enabled); });
}

// --- Labels, headings, buttons, check boxes ---

QtLabel::QtLabel(ControlHost& form, const ControlDecl& decl, QWidget* parent)
    : QtControl(form, decl, new QLabel(parent)), label_(static_cast<QLabel*>(widget_)) {
    label_->setTextFormat(Qt::PlainText);
    label_->setText(toQt(decl.label));
}

std::string QtLabel::text() const {
    return fromQt(label_->text());
}

void QtLabel::setText(const std::string& text) {
    label_->setText(toQt(text));
}

QtHeading::QtHeading(ControlHost& form, const ControlDecl& decl, QWidget* parent)
    : QtControl(form, decl, new QLineEdit(parent)), box_(static_cast<QLineEdit*>(widget_)) {
    box_->setReadOnly(true);
    box_->setFocusPolicy(Qt::NoFocus);
    box_->setFont(fixedPitchFont());
    box_->setText(toQt(decl.label));
}

std::string QtHeading::text() const {
    return fromQt(box_->text());
}

void QtHeading::setText(const std::string& text) {
    box_->setText(toQt(text));
    box_->setCursorPosition(0);
}

QtGroupBox::QtGroupBox(ControlHost& form, const ControlDecl& decl, QWidget* parent)
    : QtControl(form, decl, makeGroupWidget(decl, parent)), title_(decl.label) {}

void QtGroupBox::setText(const std::string& text) {
    title_ = text;
    if (auto* box = qobject_cast<QGroupBox*>(widget_)) {
        box->setTitle(toQt(text));
    }
}

QtButton::QtButton(ControlHost& form, const ControlDecl& decl, QWidget* parent)
    : QtControl(form, decl, new FocusPressedButton(parent)), button_(static_cast<QPushButton*>(widget_)) {
    button_->setText(toQt(decl.label));
    button_->setAutoDefault(decl.isDefault);
    button_->setDefault(decl.isDefault);
    QObject::connect(button_, &QPushButton::clicked, button_, [this] { fire(events.clicked); });
    // A shortcut of its own, so that a mnemonic in a text set later does not replace it.
    if (!decl.shortcut.empty()) {
        auto* shortcut = new QShortcut(QKeySequence(toQt(decl.shortcut)), button_);
        QObject::connect(shortcut, &QShortcut::activated, button_, [this] {
            if (button_->isEnabled()) {
                button_->click();
            }
        });
    }
}

std::string QtButton::text() const {
    return fromQt(button_->text());
}

void QtButton::setText(const std::string& text) {
    button_->setText(toQt(text));
}

QtCheckBox::QtCheckBox(ControlHost& form, const ControlDecl& decl, QWidget* parent)
    : QtControl(form, decl, new QCheckBox(parent)), box_(static_cast<QCheckBox*>(widget_)) {
    setText(decl.label);
    QObject::connect(box_, &QCheckBox::clicked, box_, [this] { fire(events.clicked); });
}

std::string QtCheckBox::text() const {
    return text_;
}

// A captioned box shows no text of its own: the form lays its caption on the left.
void QtCheckBox::setText(const std::string& text) {
    text_ = text;
    if (isCaptionedCheckBox(decl_)) {
        box_->setAccessibleName(toQt(text));
    } else {
        box_->setText(toQt(text));
    }
}

bool QtCheckBox::isChecked() const {
    return box_->isChecked();
}

void QtCheckBox::setChecked(bool checked) {
    box_->setChecked(checked);
}

// --- One-line boxes ---

QtLineBox::QtLineBox(ControlHost& form, const ControlDecl& decl, QWidget* parent)
    : QtControl(form, decl, new QLineEdit(parent)), box_(static_cast<QLineEdit*>(widget_)) {
    box_->setReadOnly(decl.readOnly);
    if (decl.kind == ControlKind::MaskedText) {
        mask_.emplace(decl.mask, decl.digitsOnly);
        box_->setInputMask(qtInputMask(*mask_, decl.digitsOnly));
        box_->setFixedWidth(widthFor(*box_, static_cast<int>(decl.mask.size())));
    } else {
        validator_ = new InputValidator(rulesOf(decl), box_);
        box_->setValidator(validator_);
        QObject::connect(box_, &QLineEdit::textChanged, validator_, &InputValidator::setPresent);
        if (decl.limit > 0) {
            box_->setFixedWidth(widthFor(*box_, decl.limit));
        }
    }
    QObject::connect(box_, &QLineEdit::textChanged, box_, [this] { fire(events.textChanged); });
}

std::string QtLineBox::text() const {
    return mask_ ? mask_->valueOf(fromQt(box_->displayText())) : fromQt(box_->text());
}

void QtLineBox::setText(const std::string& text) {
    {
        const QSignalBlocker quiet(box_);
        if (mask_) {
            box_->setText(toQt(mask_->display(text)));
        } else {
            validator_->setActive(false);
            box_->setText(toQt(text));
            validator_->setActive(true);
            validator_->setPresent(box_->text());
        }
        box_->setModified(false);
    }
    fire(events.textChanged);
}

void QtLineBox::setLimit(int limit) {
    if (validator_) {
        validator_->setLimit(limit);
    }
}

void QtLineBox::setReadOnly(bool readOnly) {
    box_->setReadOnly(readOnly);
}

void QtLineBox::setTabStop(bool tabStop) {
    applyTabStop(tabStop);
}

bool QtLineBox::isModified() const {
    return box_->isModified();
}

void QtLineBox::setModified(bool modified) {
    box_->setModified(modified);
}

void QtLineBox::selectAll() {
    box_->selectAll();
}

std::string QtLineBox::line(int index) const {
    return index == 0 ? text() : std::string();
}

int QtLineBox::maskIndexAtCaret() const {
    const auto caret =
        static_cast<std::size_t>(box_->hasSelectedText() ? box_->selectionStart() : box_->cursorPosition());
    int index = 0;
    for (std::size_t i = 0; i < caret && i < mask_->pattern().size(); ++i) {
        index += mask_->isLiteral(i) ? 0 : 1;
    }
    return index;
}

std::optional<char> QtLineBox::admitTyped(char c) const {
    if (!mask_ || box_->isReadOnly()) {
        return c;
    }
    const std::optional<char> accepted = mask_->accept(maskIndexAtCaret(), c);
    return accepted && decl_.upperCase ? std::optional<char>(upperCase(*accepted)) : accepted;
}

// --- Multi-line boxes ---

QtMultiLineBox::QtMultiLineBox(ControlHost& form, const ControlDecl& decl, QWidget* parent)
    : QtControl(form, decl, new PlainTextBox(rulesOf(decl), parent)), box_(static_cast<PlainTextBox*>(widget_)) {
    box_->setReadOnly(decl.readOnly);
    box_->setTabChangesFocus(true);
    if (decl.fixedPitch || decl.wrapColumns > 0) {
        box_->setFont(fixedPitchFont());
    }
    if (decl.wrapColumns > 0) {
        wrapAtColumns(*box_, decl.wrapColumns);
    }
    lastText_ = box_->programText();
    if (decl.visibleLines > 0) {
        box_->setFixedHeight(box_->fontMetrics().lineSpacing() * decl.visibleLines + 2 * box_->frameWidth() +
                             2 * static_cast<int>(box_->document()->documentMargin()));
    }
    // A new wrap changes no text: the logic hears of a change once.
    QObject::connect(box_, &QTextEdit::textChanged, box_, [this] {
        if (box_->programText() != lastText_) {
            lastText_ = box_->programText();
            fire(events.textChanged);
        }
    });
}

std::string QtMultiLineBox::text() const {
    return fromQt(box_->programText());
}

void QtMultiLineBox::setText(const std::string& text) {
    {
        const QSignalBlocker quiet(box_);
        box_->setProgramText(toQt(text));
    }
    lastText_ = box_->programText();
    fire(events.textChanged);
}

void QtMultiLineBox::setLimit(int limit) {
    box_->setLimit(limit);
}

void QtMultiLineBox::setReadOnly(bool readOnly) {
    box_->setReadOnly(readOnly);
}

void QtMultiLineBox::setTabStop(bool tabStop) {
    applyTabStop(tabStop);
}

bool QtMultiLineBox::isModified() const {
    return box_->document()->isModified();
}

void QtMultiLineBox::setModified(bool modified) {
    box_->document()->setModified(modified);
}

void QtMultiLineBox::selectAll() {
    box_->selectAll();
}

std::vector<std::string> QtMultiLineBox::displayedLines() const {
    if (decl_.wrapColumns > 0) {
        std::vector<std::string> lines;
        for (const QString& line : box_->shownLines()) {
            lines.push_back(fromQt(line));
        }
        return lines;
    }
    QTextDocument* document = box_->document();
    document->documentLayout()->documentSize(); // finishes the layout
    std::vector<std::string> lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        const QString text = block.text();
        if (!layout || layout->lineCount() == 0) {
            lines.push_back(fromQt(text));
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines.push_back(fromQt(text.mid(line.textStart(), line.textLength())));
        }
    }
    return lines;
}

int QtMultiLineBox::lineCount() const {
    return static_cast<int>(displayedLines().size());
}

std::string QtMultiLineBox::line(int index) const {
    const auto lines = displayedLines();
    return index >= 0 && index < static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(index)]
                                                                : std::string();
}

// --- Drop-down lists ---

QtComboBox::QtComboBox(ControlHost& form, const ControlDecl& decl, QWidget* parent)
    : QtControl(form, decl, new WholeItemComboBox(parent)), combo_(static_cast<QComboBox*>(widget_)) {
    combo_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    if (decl.fixedPitch) {
        combo_->setFont(fixedPitchFont(decl.pointSize));
    }
    if (editable()) {
        combo_->setEditable(true);
        combo_->setInsertPolicy(QComboBox::NoInsert);
        combo_->setCompleter(nullptr);
        validator_ = new InputValidator(rulesOf(decl), combo_);
        combo_->setValidator(validator_);
        QObject::connect(combo_->lineEdit(), &QLineEdit::textChanged, validator_, &InputValidator::setPresent);
        // As wide as its longest item, like the lists without typing; longer texts scroll.
        int columns = decl.items.empty() ? decl.limit : 0;
        for (const std::string& item : decl.items) {
            columns = std::max(columns, static_cast<int>(item.size()) + 2);
        }
        if (columns > 0) {
            combo_->setMinimumContentsLength(std::min(columns, widestField));
            combo_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        }
        // Typing changes the text; choosing an item changes the selection only.
        QObject::connect(combo_->lineEdit(), &QLineEdit::textEdited, combo_, [this] { fire(events.textChanged); });
    }
    for (const std::string& item : decl.items) {
        addItem(item);
    }
    QObject::connect(combo_, &QComboBox::currentIndexChanged, combo_, [this] {
        showStartOfEditText();
        fire(events.selectionChanged);
    });
}

// A chosen item longer than the box shows its start, not its end.
void QtComboBox::showStartOfEditText() {
    if (editable()) {
        combo_->lineEdit()->setCursorPosition(0);
    }
}

void QtComboBox::changeQuietly(const std::function<void()>& change, bool keepEditText) {
    const QSignalBlocker quiet(combo_);
    const QString editText = editable() ? combo_->lineEdit()->text() : QString();
    const int caret = editable() ? combo_->lineEdit()->cursorPosition() : 0;
    if (validator_) {
        validator_->setActive(false);
    }
    change();
    if (editable() && keepEditText && combo_->lineEdit()->text() != editText) {
        combo_->lineEdit()->setText(editText);
        combo_->lineEdit()->setCursorPosition(caret);
    } else if (!keepEditText) {
        showStartOfEditText();
    }
    if (validator_) {
        validator_->setActive(true);
        validator_->setPresent(combo_->lineEdit()->text());
    }
}

void QtComboBox::addItem(const std::string& text) {
    // Qt selects the first item put into an empty list; this list selects nothing by itself.
    changeQuietly(
        [&] {
            const bool noSelection = combo_->currentIndex() < 0;
            combo_->addItem(toQt(text));
            if (noSelection) {
                combo_->setCurrentIndex(-1);
            }
        },
        true);
}

void QtComboBox::clear() {
    const bool hadSelection = combo_->currentIndex() >= 0;
    changeQuietly(
        [&] {
            combo_->clear();
            if (editable()) {
                combo_->lineEdit()->clear();
            }
        },
        false);
    if (hadSelection) {
        fire(events.selectionChanged);
    }
}

int QtComboBox::count() const {
    return combo_->count();
}

std::string QtComboBox::itemText(int index) const {
    return index >= 0 && index < count() ? fromQt(combo_->itemText(index)) : std::string();
}

int QtComboBox::selectedIndex() const {
    return combo_->currentIndex();
}

void QtComboBox::setSelectedIndex(int index) {
    if (index < -1 || index >= count()) {
        index = -1;
    }
    const int previous = combo_->currentIndex();
    changeQuietly([&] { combo_->setCurrentIndex(index); }, index < 0);
    if (index != previous) {
        fire(events.selectionChanged);
    }
}

std::string QtComboBox::text() const {
    return editable() ? fromQt(combo_->lineEdit()->text()) : itemText(selectedIndex());
}

void QtComboBox::setText(const std::string& text) {
    if (!editable()) {
        return;
    }
    {
        const QSignalBlocker quiet(combo_);
        validator_->setActive(false);
        combo_->lineEdit()->setText(toQt(text));
        validator_->setActive(true);
        validator_->setPresent(combo_->lineEdit()->text());
    }
    fire(events.textChanged);
}

void QtComboBox::setLimit(int limit) {
    if (validator_) {
        validator_->setLimit(limit);
    }
}

void QtComboBox::widenToLongestItem() {
    const QFontMetrics metrics = combo_->view()->fontMetrics();
    int widest = 0;
    for (int i = 0; i < count(); ++i) {
        widest = std::max(widest, metrics.horizontalAdvance(combo_->itemText(i)));
    }
    const int margins = 4 * combo_->view()->frameWidth() + combo_->view()->verticalScrollBar()->sizeHint().width() + 16;
    combo_->view()->setMinimumWidth(widest + margins);
}

// --- Lists ---

QtListView::QtListView(ControlHost& form, const ControlDecl& decl, QWidget* parent)
    : QtControl(form, decl, new KeyboardListView(parent)), view_(static_cast<QListView*>(widget_)),
      model_(std::make_unique<ListModel>()) {
    view_->setModel(model_.get());
    view_->setUniformItemSizes(true);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    if (decl.fixedPitch) {
        view_->setFont(fixedPitchFont());
    }
    if (decl.visibleLines > 0) {
        view_->setMinimumHeight(view_->fontMetrics().lineSpacing() * decl.visibleLines + 2 * view_->frameWidth());
    }
    QObject::connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, view_, [this] {
        if (!model_->isChanging()) {
            fire(events.selectionChanged);
        }
    });
    // Qt selects the next line when the selected one goes; this list selects nothing then.
    model_->rowAboutToGo = [this](int row) {
        if (view_->currentIndex().row() == row) {
            view_->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        }
    };
    QObject::connect(view_, &QListView::clicked, view_, [this] { fire(events.clicked); });
    QObject::connect(view_, &QListView::doubleClicked, view_, [this] { fire(events.doubleClicked); });
    QObject::connect(view_, &QListView::customContextMenuRequested, view_, [this](const QPoint& at) {
        if (popup_) {
            popup_->exec(view_->viewport()->mapToGlobal(at));
        }
    });
}

void QtListView::setSource(ListSource* source) {
    model_->setSource(source);
}

int QtListView::selectedIndex() const {
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void QtListView::setSelectedIndex(int index) {
    if (index < 0 || index >= model_->rowCount()) {
        view_->selectionModel()->clearSelection();
        return;
    }
    const QModelIndex wanted = model_->index(index);
    view_->selectionModel()->setCurrentIndex(wanted, QItemSelectionModel::ClearAndSelect);
    if (view_->isVisible()) {
        view_->scrollTo(wanted);
    }
}

// --- Factory ---

std::unique_ptr<QtControlBase> makeQtControl(ControlHost& form, const ControlDecl& decl, QWidget* parent) {
    switch (decl.kind) {
    case ControlKind::Heading:
        return std::make_unique<QtHeading>(form, decl, parent);
    case ControlKind::Button:
        return std::make_unique<QtButton>(form, decl, parent);
    case ControlKind::CheckBox:
        return std::make_unique<QtCheckBox>(form, decl, parent);
    case ControlKind::TextBox:
    case ControlKind::MaskedText:
        return std::make_unique<QtLineBox>(form, decl, parent);
    case ControlKind::MultiLineText:
        return std::make_unique<QtMultiLineBox>(form, decl, parent);
    case ControlKind::DropDownList:
    case ControlKind::DropDownEdit:
        return std::make_unique<QtComboBox>(form, decl, parent);
    case ControlKind::TextList:
        return std::make_unique<QtListView>(form, decl, parent);
    case ControlKind::GroupBox:
        return std::make_unique<QtGroupBox>(form, decl, parent);
    case ControlKind::Label:
        break;
    }
    return std::make_unique<QtLabel>(form, decl, parent);
}

} // namespace ardel::ui
