#include "utilities/Form_RenumberOne.h"

#include "ui/Text.h"
#include "utilities/Form_RenumberOneDecl.h"

namespace ardel {

namespace {
constexpr const char* kNumberBox = "textb_numbertext";
} // namespace

Form_RenumberOne::Form_RenumberOne(ui::Toolkit& toolkit) : form_(toolkit.createForm(formRenumberOneDecl())) {
    form_->button("cb_OK").events.clicked = [this] {
        newNumber_ = form_->textBox(kNumberBox).text();
        form_->done(ui::kAccepted);
    };
    form_->button("cb_Cancel").events.clicked = [this] { form_->done(ui::kCancelled); };
}

Form_RenumberOne::~Form_RenumberOne() = default;

int Form_RenumberOne::run(const std::string& kindWord, const std::string& currentNumber) {
    const char* kind = kindWord.c_str();
    form_->label("label_1").setText(
        ui::format("Please enter the new number for  %s %s. \nAll sessions for this %s will also be modified.", kind,
                   currentNumber.c_str(), kind));
    form_->label("label_2").setText(ui::format("New %s Serial Number", kind));
    form_->textBox(kNumberBox).setText("");
    form_->control(kNumberBox).setFocus();
    return form_->exec() == ui::kAccepted ? ui::kAccepted : ui::kCancelled;
}

} // namespace ardel
