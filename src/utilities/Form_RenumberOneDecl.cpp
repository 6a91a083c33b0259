#include "utilities/Form_RenumberOneDecl.h"

namespace ardel {

namespace {

// The prompts name the kind of record; the dialog fills them in on opening.
ui::FormDecl buildDecl() {
    using ui::ControlKind;
    return {
        .name = "Form_RenumberOne",
        .caption = "Renumber One ",
        .controls =
            {
                {.name = "textb_numbertext", .kind = ControlKind::TextBox, .beside = "label_2"},
                {.name = "cb_OK", .kind = ControlKind::Button, .label = "OK", .isDefault = true},
                {.name = "cb_Cancel", .kind = ControlKind::Button, .label = "Cancel", .isCancel = true},
                {.name = "label_1", .kind = ControlKind::Label},
                {.name = "label_2", .kind = ControlKind::Label},
            },
    };
}

} // namespace

const ui::FormDecl& formRenumberOneDecl() {
    static const ui::FormDecl decl = buildDecl();
    return decl;
}

} // namespace ardel
