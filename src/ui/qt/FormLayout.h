// Lays out the widgets of a form as its declaration says: controls outside any
// group first, one row each with their caption in a label column (a control
// `beside` another joins its row); then the groups in `columns` columns; then the
// button row. In the main window the groups are panes stacking their controls,
// with the lists taking the spare room. Hidden controls are left out.
#pragma once

#include "ui/Declaration.h"

#include <functional>
#include <string>

class QBoxLayout;
class QFormLayout;
class QLayout;
class QWidget;

namespace ardel::ui {

class FormLayout {
public:
    using WidgetOf = std::function<QWidget*(const std::string& name)>;

    FormLayout(const FormDecl& decl, WidgetOf widgetOf) : decl_(decl), widgetOf_(std::move(widgetOf)) {}

    // Lays out a dialog's controls on `window`.
    void layOutDialog(QWidget* window) const;
    // Lays out a main window's controls on its central widget.
    void layOutMainWindow(QWidget* central) const;

private:
    bool standsBeside(const ControlDecl& decl) const;
    bool inButtonRow(const ControlDecl& decl) const;
    std::vector<const ControlDecl*> besides(const ControlDecl& lead) const;

    QLayout* rowsOf(const std::string& group) const;
    void addRow(QFormLayout& rows, const ControlDecl& lead) const;
    QBoxLayout* fieldsOf(const ControlDecl& lead, bool withLeadCaption) const;
    QLayout* buttonRow() const;
    QLayout* groupGrid(bool panes) const;
    QWidget* paneOf(const ControlDecl& group) const;
    QWidget* groupBoxOf(const ControlDecl& group) const;

    const FormDecl& decl_;
    WidgetOf widgetOf_;
};

} // namespace ardel::ui
