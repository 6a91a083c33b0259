// The About box (name, version, a short history, the licence) and the Disclaimer message of the Help menu.
#pragma once

#include "ui/Toolkit.h"

#include <memory>

namespace ardel {

inline constexpr const char* kVersion = "5.5.5";

class AboutBox {
public:
    explicit AboutBox(ui::Toolkit& toolkit);
    void run();

private:
    ui::Toolkit& toolkit_;
    std::unique_ptr<ui::Form> form_;
};

const ui::FormDecl& aboutBoxDecl();
std::string disclaimerText();
void showDisclaimer(ui::Toolkit& toolkit);

} // namespace ardel
