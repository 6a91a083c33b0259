// The dialog that asks for the base and the increment with which every station,
// instrument or antenna of a list is numbered. It only collects the texts; the
// renumbering command reads and checks them.
#pragma once

#include "ui/Toolkit.h"

#include <memory>
#include <string>

namespace ardel {

class Form_RenumberAll {
public:
    explicit Form_RenumberAll(ui::Toolkit& toolkit);
    ~Form_RenumberAll();
    Form_RenumberAll(const Form_RenumberAll&) = delete;
    Form_RenumberAll& operator=(const Form_RenumberAll&) = delete;

    // Shows the dialog for the records of `kindWord` ("Station", ...) with empty boxes.
    // Returns 1 after OK, with the two texts as typed; 0 after Cancel or the close box.
    int run(const std::string& kindWord);
    const std::string& baseText() const { return base_; }
    const std::string& incrementText() const { return increment_; }

private:
    std::unique_ptr<ui::Form> form_;
    std::string base_;
    std::string increment_;
};

} // namespace ardel
