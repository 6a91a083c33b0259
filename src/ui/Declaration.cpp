#include "ui/Declaration.h"

namespace ardel::ui {

bool isCaptionedCheckBox(const ControlDecl& decl) {
    return decl.kind == ControlKind::CheckBox && !decl.label.empty() && decl.label.back() == ':';
}

const ControlDecl* findControl(const FormDecl& form, const std::string& name) {
    for (const ControlDecl& control : form.controls) {
        if (control.name == name) {
            return &control;
        }
    }
    return nullptr;
}

namespace {
void collect(const std::vector<MenuEntryDecl>& entries, std::vector<const MenuEntryDecl*>& out) {
    for (const MenuEntryDecl& entry : entries) {
        out.push_back(&entry);
        collect(entry.children, out);
    }
}
} // namespace

std::vector<const MenuEntryDecl*> allMenuEntries(const FormDecl& form) {
    std::vector<const MenuEntryDecl*> out;
    collect(form.menuBar, out);
    for (const ControlDecl& control : form.controls) {
        collect(control.popup, out);
    }
    return out;
}

} // namespace ardel::ui
