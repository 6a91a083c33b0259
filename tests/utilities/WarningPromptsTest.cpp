// The two warning prompts, driven through the headless toolkit.
#include "utilities/WarningPrompts.h"

#include "support/HeadlessTest.h"

namespace ardel {
namespace {

using testing::HeadlessTest;
using ui::HeadlessForm;

// Checks what the dialog shows, then closes it as `act` does.
ui::HeadlessToolkit::DialogScript expectShown(const std::string& message, const std::string& checkBoxText,
                                              std::function<void(HeadlessForm&)> act) {
    return [=](HeadlessForm& form) {
        EXPECT_EQ(form.caption(), "Warning");
        EXPECT_EQ(form.label("label_1").text(), message);
        EXPECT_EQ(form.checkBox("checkbox_warning").text(), checkBoxText);
        EXPECT_FALSE(form.checkBox("checkbox_warning").isChecked()) << "unticked each time it opens";
        act(form);
    };
}

const std::string kDoNotShow = "Do not show me this warning message again.";
const std::string kDoNoShow = "Do no show me this warning message again.";

void press(HeadlessForm& form, const std::string& button) {
    form.click(button);
}
void tickAndPress(HeadlessForm& form, const std::string& button) {
    form.click("checkbox_warning");
    form.click(button);
}

class WarningPrompts : public HeadlessTest {};

TEST_F(WarningPrompts, WarningShowsTheWholeMessageAndTickingSuppresses) {
    Form_Warning warning(toolkit);
    const std::string longArgument(5000, 'x');
    const std::string format = "The session (*25*) record  \n              %s \n              refers to nothing.";
    toolkit.expectDialog("Form_Warning", expectShown("The session (*25*) record  \n              " + longArgument +
                                                         " \n              refers to nothing.",
                                                     kDoNotShow, [](HeadlessForm& form) {
                                                         EXPECT_TRUE(form.button("cb_OK").decl().isDefault);
                                                         EXPECT_EQ(form.button("cb_OK").text(), "OK");
                                                         press(form, "cb_OK");
                                                     }));
    warning.show(format.c_str(), longArgument.c_str());
    EXPECT_FALSE(warning.isSuppressed());

    // the check box left ticked by an earlier showing is unticked again
    toolkit.expectDialog("Form_Warning",
                         expectShown("second 2", kDoNotShow, [](HeadlessForm& form) { tickAndPress(form, "cb_OK"); }));
    warning.show("second %d", 2);
    EXPECT_TRUE(warning.isSuppressed());

    warning.setSuppressed(false);
    toolkit.expectDialog("Form_Warning", expectShown("third", kDoNotShow, [](HeadlessForm& form) {
                             form.click("checkbox_warning");
                             form.closeBox();
                         }));
    warning.show("third");
    EXPECT_FALSE(warning.isSuppressed()) << "the close box records nothing";
}

TEST_F(WarningPrompts, QuestionAnswersYesOrNoAndItsCloseBoxCountsAsNo) {
    Form_Warning_YesNo question(toolkit);
    struct Case {
        std::function<void(HeadlessForm&)> act;
        int answer;
        bool suppressed;
    };
    const std::vector<Case> cases = {
        {[](HeadlessForm& form) { press(form, "cb_Yes"); }, 1, false},
        {[](HeadlessForm& form) { press(form, "cb_No"); }, 0, false},
        {[](HeadlessForm& form) { tickAndPress(form, "cb_No"); }, 0, true},
        {[](HeadlessForm& form) { tickAndPress(form, "cb_Yes"); }, 1, true},
        {[](HeadlessForm& form) { press(form, "cb_Yes"); }, 1, false},
        {[](HeadlessForm& form) {
             form.click("checkbox_warning");
             form.closeBox();
         },
         0, false},
    };
    for (const Case& c : cases) {
        question.setSuppressed(false);
        toolkit.expectDialog("Form_Warning_YesNo",
                             expectShown("There are no sessions for SSN 0001.\n  Continue?", kDoNoShow, c.act));
        question.show("There are no sessions for SSN %s.\n  Continue?", "0001");
        EXPECT_EQ(question.answer(), c.answer);
        EXPECT_EQ(question.isSuppressed(), c.suppressed);
    }
    for (const ui::ControlDecl& control : warningYesNoDecl().controls) {
        EXPECT_FALSE(control.isDefault) << control.name << ": the question has no default button";
    }
}

} // namespace
} // namespace ardel
