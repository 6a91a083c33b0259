#include "utilities/Form_RenumberAllDecl.h"

namespace ardel {

namespace {

// The prompts name the kind of record; the dialog fills them in on opening.
ui::FormDecl buildDecl() {
    using ui::ControlKind;
    return {
        .name = "Form_RenumberAll",
        .caption = "Renumber All",
        .controls =
            {
                {.name = "textb_base", .kind = ControlKind::TextBox, .beside = "label_2"},
                {.name = "textb_increment", .kind = ControlKind::TextBox, .beside = "label_3"},
                {.name = "cb_OK", .kind = ControlKind::Button, .label = "OK", .isDefault = true},
                {.name = "cb_Cancel", .kind = ControlKind::Button, .label = "Cancel", .isCancel = true},
                {.name = "label_1", .kind = ControlKind::Label},
                {.name = "label_2", .kind = ControlKind::Label},
                {.name = "label_3", .kind = ControlKind::Label, .label = "Numbering Increment:"},
            },
    };
}

} // namespace

const ui::FormDecl& formRenumberAllDecl() {
    static const ui::FormDecl decl = buildDecl();
    return decl;
}

} // namespace ardel
