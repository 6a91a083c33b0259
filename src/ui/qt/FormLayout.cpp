#include "ui/qt/FormLayout.h"

#include "ui/qt/QtText.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace ardel::ui {

namespace {
// Controls whose `label` is a caption beside them rather than their own text.
bool hasCaption(const ControlDecl& decl) {
    switch (decl.kind) {
    case ControlKind::TextBox:
    case ControlKind::MultiLineText:
    case ControlKind::MaskedText:
    case ControlKind::DropDownList:
    case ControlKind::DropDownEdit:
    case ControlKind::TextList:
        return !decl.label.empty();
    case ControlKind::CheckBox:
        return isCaptionedCheckBox(decl);
    default:
        return false;
    }
}

// Controls that take the whole width of a row when they stand alone.
bool spansRow(const ControlDecl& decl) {
    return decl.kind == ControlKind::Label || decl.kind == ControlKind::Heading || decl.kind == ControlKind::TextList ||
           decl.kind == ControlKind::MultiLineText;
}

bool growsWide(const QWidget& widget) {
    return (widget.sizePolicy().horizontalPolicy() & QSizePolicy::ExpandFlag) &&
           widget.maximumWidth() == QWIDGETSIZE_MAX;
}

bool growsTall(const ControlDecl& decl) {
    return decl.kind == ControlKind::TextList || (decl.kind == ControlKind::MultiLineText && decl.visibleLines == 0);
}

// A drop-down whose items are longer than this many columns of its font asks for no
// more width, but takes what its row has to spare, so that a long chosen item shows
// whole where the dialog has room (where it has none, the box's tool tip shows it);
// its open list shows the items whole.
constexpr int kWidestDropDown = 64;

void capDropDownWidth(QWidget& widget) {
    auto* combo = qobject_cast<QComboBox*>(&widget);
    if (!combo) {
        return;
    }
    const int widest = combo->fontMetrics().horizontalAdvance(QString(kWidestDropDown, QLatin1Char('X')));
    const int wanted = combo->sizeHint().width();
    if (wanted > widest) {
        combo->view()->setMinimumWidth(std::max(combo->view()->minimumWidth(), wanted));
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(kWidestDropDown);
        combo->setSizePolicy(QSizePolicy::Expanding, combo->sizePolicy().verticalPolicy());
    }
}

QLabel* captionFor(const ControlDecl& decl, QWidget* buddy) {
    auto* caption = new QLabel(toQt(decl.label));
    caption->setBuddy(buddy);
    if (!decl.captionHint.empty()) {
        caption->setToolTip(toQt(decl.captionHint));
    }
    return caption;
}
} // namespace

bool FormLayout::standsBeside(const ControlDecl& decl) const {
    if (decl.beside.empty()) {
        return false;
    }
    const ControlDecl* lead = findControl(decl_, decl.beside);
    return lead && !lead->hidden && lead->group == decl.group && lead->kind != ControlKind::GroupBox;
}

bool FormLayout::inButtonRow(const ControlDecl& decl) const {
    return decl.kind == ControlKind::Button && decl.group.empty() && !standsBeside(decl);
}

std::vector<const ControlDecl*> FormLayout::besides(const ControlDecl& lead) const {
    std::vector<const ControlDecl*> row;
    for (const ControlDecl& decl : decl_.controls) {
        if (!decl.hidden && decl.beside == lead.name && standsBeside(decl)) {
            row.push_back(&decl);
            const auto further = besides(decl);
            row.insert(row.end(), further.begin(), further.end());
        }
    }
    return row;
}

QBoxLayout* FormLayout::fieldsOf(const ControlDecl& lead, bool withLeadCaption) const {
    auto* fields = new QHBoxLayout;
    bool wide = false;
    auto add = [&](const ControlDecl& decl, bool withCaption) {
        QWidget* widget = widgetOf_(decl.name);
        capDropDownWidth(*widget);
        if (withCaption && hasCaption(decl)) {
            fields->addWidget(captionFor(decl, widget));
        }
        fields->addWidget(widget);
        wide = wide || growsWide(*widget);
    };
    add(lead, withLeadCaption);
    for (const ControlDecl* decl : besides(lead)) {
        add(*decl, true);
    }
    if (!wide) {
        fields->addStretch(1);
    }
    return fields;
}

void FormLayout::addRow(QFormLayout& rows, const ControlDecl& lead) const {
    QWidget* widget = widgetOf_(lead.name);
    const auto others = besides(lead);
    if (lead.kind == ControlKind::Label && !others.empty()) {
        auto* fields = new QHBoxLayout;
        for (const ControlDecl* decl : others) {
            if (hasCaption(*decl) && decl != others.front()) {
                fields->addWidget(captionFor(*decl, widgetOf_(decl->name)));
            }
            fields->addWidget(widgetOf_(decl->name));
        }
        fields->addStretch(1);
        rows.addRow(widget, fields);
        return;
    }
    if (hasCaption(lead)) {
        rows.addRow(captionFor(lead, widget), fieldsOf(lead, false));
    } else if (spansRow(lead)) {
        rows.addRow(fieldsOf(lead, false));
    } else {
        rows.addRow(QString(), fieldsOf(lead, false));
    }
}

QLayout* FormLayout::rowsOf(const std::string& group) const {
    auto* rows = new QFormLayout;
    rows->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    rows->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (const ControlDecl& decl : decl_.controls) {
        if (decl.group != group || decl.hidden || standsBeside(decl) || inButtonRow(decl)) {
            continue;
        }
        if (decl.kind == ControlKind::GroupBox) {
            if (!group.empty()) {
                rows->addRow(groupBoxOf(decl));
            }
            continue;
        }
        addRow(*rows, decl);
    }
    return rows;
}

QWidget* FormLayout::groupBoxOf(const ControlDecl& group) const {
    QWidget* box = widgetOf_(group.name);
    QLayout* rows = rowsOf(group.name);
    if (group.label.empty()) {
        rows->setContentsMargins(0, 0, 0, 0);
    }
    box->setLayout(rows);
    return box;
}

QWidget* FormLayout::paneOf(const ControlDecl& group) const {
    QWidget* pane = widgetOf_(group.name);
    auto* stack = new QVBoxLayout(pane);
    if (group.label.empty()) {
        stack->setContentsMargins(0, 0, 0, 0);
    }
    stack->setSpacing(2);
    for (const ControlDecl& decl : decl_.controls) {
        if (decl.group != group.name || decl.hidden || standsBeside(decl)) {
            continue;
        }
        if (hasCaption(decl)) {
            stack->addWidget(captionFor(decl, widgetOf_(decl.name)));
        }
        stack->addLayout(fieldsOf(decl, false), growsTall(decl) ? 1 : 0);
    }
    return pane;
}

QLayout* FormLayout::groupGrid(bool panes) const {
    auto* grid = new QGridLayout;
    const int columns = std::max(1, decl_.columns);
    int placed = 0;
    for (const ControlDecl& decl : decl_.controls) {
        if (decl.kind != ControlKind::GroupBox || !decl.group.empty() || decl.hidden) {
            continue;
        }
        grid->addWidget(panes ? paneOf(decl) : groupBoxOf(decl), placed / columns, placed % columns);
        if (panes) {
            grid->setRowStretch(placed / columns, 1);
        }
        ++placed;
    }
    for (int column = 0; column < columns; ++column) {
        grid->setColumnStretch(column, 1);
    }
    return grid;
}

QLayout* FormLayout::buttonRow() const {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (const ControlDecl& decl : decl_.controls) {
        if (decl.hidden || !inButtonRow(decl)) {
            continue;
        }
        row->addWidget(widgetOf_(decl.name));
        for (const ControlDecl* other : besides(decl)) {
            row->addWidget(widgetOf_(other->name));
        }
    }
    return row;
}

void FormLayout::layOutDialog(QWidget* window) const {
    auto* stack = new QVBoxLayout(window);
    stack->addLayout(rowsOf(std::string()));
    stack->addLayout(groupGrid(false), 1);
    stack->addLayout(buttonRow());
}

void FormLayout::layOutMainWindow(QWidget* central) const {
    auto* stack = new QVBoxLayout(central);
    stack->addLayout(rowsOf(std::string()));
    stack->addLayout(groupGrid(true), 1);
    stack->addLayout(buttonRow());
}

} // namespace ardel::ui
