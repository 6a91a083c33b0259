#include "app/problems/Form_ProblemsDecl.h"

namespace ardel {

namespace {

constexpr int kVisibleProblems = 18;

ui::FormDecl buildDecl() {
    using ui::ControlKind;
    return {.name = "Form_Problems",
            .caption = "Problems",
            .controls = {
                {.name = "heading_Problems",
                 .kind = ControlKind::Heading,
                 .label = "Severity  Line Record Key  Field                  Text",
                 .tabStop = false,
                 .fixedPitch = true},
                {.name = kProblemsList,
                 .kind = ControlKind::TextList,
                 .hint = "Double-click a problem to open its record",
                 .fixedPitch = true,
                 .visibleLines = kVisibleProblems},
                {.name = kProblemsRefresh,
                 .kind = ControlKind::Button,
                 .label = "&Refresh (F7)",
                 .hint = "Check the project again",
                 .shortcut = kCheckShortcut},
                {.name = kProblemsClose, .kind = ControlKind::Button, .label = "&Close", .isCancel = true},
            }};
}

} // namespace

const ui::FormDecl& formProblemsDecl() {
    static const ui::FormDecl decl = buildDecl();
    return decl;
}

} // namespace ardel
