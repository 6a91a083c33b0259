#include "utilities/WarningPrompts.h"

#include "ui/Text.h"

#include <cstdarg>

namespace ardel {

namespace {

// The buttons that close a prompt, and the dialog result each gives.
struct ButtonRole {
    const char* name;
    int result;
};
constexpr ButtonRole kButtonRoles[] = {{"cb_OK", 1}, {"cb_Yes", 1}, {"cb_No", 0}};

ui::FormDecl buildWarningDecl() {
    using ui::ControlKind;
    return {.name = "Form_Warning",
            .caption = "Warning",
            .controls = {{.name = "label_1", .kind = ControlKind::Label},
                         {.name = "checkbox_warning",
                          .kind = ControlKind::CheckBox,
                          .label = "Do not show me this warning message again."},
                         {.name = "cb_OK", .kind = ControlKind::Button, .label = "OK", .isDefault = true}}};
}

ui::FormDecl buildWarningYesNoDecl() {
    using ui::ControlKind;
    return {.name = "Form_Warning_YesNo",
            .caption = "Warning",
            .controls = {{.name = "label_1", .kind = ControlKind::Label},
                         {.name = "cb_Yes", .kind = ControlKind::Button, .label = "YES"},
                         {.name = "cb_No", .kind = ControlKind::Button, .label = "NO"},
                         {.name = "checkbox_warning",
                          .kind = ControlKind::CheckBox,
                          .label = "Do no show me this warning message again."}}};
}

} // namespace

const ui::FormDecl& warningDecl() {
    static const ui::FormDecl decl = buildWarningDecl();
    return decl;
}

const ui::FormDecl& warningYesNoDecl() {
    static const ui::FormDecl decl = buildWarningYesNoDecl();
    return decl;
}

Form_Warning::Form_Warning(ui::Toolkit& toolkit) : Form_Warning(toolkit, warningDecl()) {}

Form_Warning::Form_Warning(ui::Toolkit& toolkit, const ui::FormDecl& decl) : toolkit_(toolkit), decl_(decl) {}

Form_Warning::~Form_Warning() = default;

void Form_Warning::show(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string message = ui::formatArgs(format, args);
    va_end(args);
    showMessage(message);
}

void Form_Warning::showMessage(const std::string& message) {
    run(message);
}

// The form is built on first use and kept for the rest of the run. A button sets the
// suppressed flag from the check box; the close box ends the dialog with 0 and records nothing.
ui::Form& Form_Warning::form() {
    if (!form_) {
        form_ = toolkit_.createForm(decl_);
        for (const ButtonRole& role : kButtonRoles) {
            if (ui::findControl(decl_, role.name)) {
                form_->button(role.name).events.clicked = [this, result = role.result] {
                    suppressed_ = form_->checkBox("checkbox_warning").isChecked();
                    form_->done(result);
                };
            }
        }
    }
    return *form_;
}

int Form_Warning::run(const std::string& message) {
    ui::Form& dialog = form();
    dialog.label("label_1").setText(message);
    dialog.checkBox("checkbox_warning").setChecked(false);
    return dialog.exec();
}

Form_Warning_YesNo::Form_Warning_YesNo(ui::Toolkit& toolkit) : Form_Warning(toolkit, warningYesNoDecl()) {}

void Form_Warning_YesNo::showMessage(const std::string& message) {
    answer_ = run(message) == 1 ? 1 : 0;
}

} // namespace ardel
