#include "utilities/SearchBoxDecl.h"

namespace ardel {

namespace {

constexpr int kVisibleRows = 15;

ui::FormDecl buildDecl() {
    using ui::ControlKind;
    return {
        .name = "SearchBox",
        .caption = "Search Box",
        .controls =
            {
                {.name = "label_1", .kind = ControlKind::Label, .label = "Search for:"},
                {.name = "textb_1", .kind = ControlKind::TextBox, .beside = "label_1"},
                {.name = "lb_1", .kind = ControlKind::TextList, .fixedPitch = true, .visibleLines = kVisibleRows},
                {.name = "cb_OK", .kind = ControlKind::Button, .label = "OK", .isDefault = true},
                {.name = "cb_Cancel", .kind = ControlKind::Button, .label = "Cancel", .isCancel = true},
            },
    };
}

} // namespace

const ui::FormDecl& searchBoxDecl() {
    static const ui::FormDecl decl = buildDecl();
    return decl;
}

} // namespace ardel
