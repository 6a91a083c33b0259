#include "utilities/Form_RenumberAll.h"

#include "ui/Text.h"
#include "utilities/Form_RenumberAllDecl.h"

namespace ardel {

namespace {
constexpr const char* kBaseBox = "textb_base";
constexpr const char* kIncrementBox = "textb_increment";
} // namespace

Form_RenumberAll::Form_RenumberAll(ui::Toolkit& toolkit) : form_(toolkit.createForm(formRenumberAllDecl())) {
    form_->button("cb_OK").events.clicked = [this] {
        base_ = form_->textBox(kBaseBox).text();
        increment_ = form_->textBox(kIncrementBox).text();
        form_->done(ui::kAccepted);
    };
    form_->button("cb_Cancel").events.clicked = [this] { form_->done(ui::kCancelled); };
}

Form_RenumberAll::~Form_RenumberAll() = default;

int Form_RenumberAll::run(const std::string& kindWord) {
    const char* kind = kindWord.c_str();
    form_->label("label_1").setText(
        ui::format("Please enter the base and increment for renumbering %ss. \nExample: If the base is 5 and the "
                   "increment 10, %ss will be numbered \n5,15,25,...\n\nAll sessions will also be modified.",
                   kind, kind));
    form_->label("label_2").setText(ui::format("Base %s Number", kind));
    form_->textBox(kBaseBox).setText("");
    form_->textBox(kIncrementBox).setText("");
    form_->control(kBaseBox).setFocus();
    return form_->exec() == ui::kAccepted ? ui::kAccepted : ui::kCancelled;
}

} // namespace ardel
