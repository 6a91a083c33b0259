// The dialog that asks for the new number of one station, instrument or antenna.
// It only collects the text; the renumbering command reads and checks it.
#pragma once

#include "ui/Toolkit.h"

#include <memory>
#include <string>

namespace ardel {

class Form_RenumberOne {
public:
    explicit Form_RenumberOne(ui::Toolkit& toolkit);
    ~Form_RenumberOne();
    Form_RenumberOne(const Form_RenumberOne&) = delete;
    Form_RenumberOne& operator=(const Form_RenumberOne&) = delete;

    // Shows the dialog for the record of `kindWord` ("Station", ...) whose number stands
    // as `currentNumber` in its line, with an empty number box. Returns 1 after OK, with
    // newNumberText() the text typed; 0 after Cancel or the close box.
    int run(const std::string& kindWord, const std::string& currentNumber);
    const std::string& newNumberText() const { return newNumber_; }

private:
    std::unique_ptr<ui::Form> form_;
    std::string newNumber_;
};

} // namespace ardel
