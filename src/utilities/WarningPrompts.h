// The two warning prompts the user can silence for the rest of the run: Form_Warning
// (a message with OK) and Form_Warning_YesNo (a question with YES and NO). The main
// window owns one object of each; callers that share an object share its state.
//
// Calling pattern: when isSuppressed() is true, act as if the warning had been shown
// and YES answered; otherwise show() it and read answer().
#pragma once

#include "ui/Toolkit.h"

#include <memory>
#include <string>

namespace ardel {

class Form_Warning {
public:
    explicit Form_Warning(ui::Toolkit& toolkit);
    virtual ~Form_Warning();

    bool isSuppressed() const { return suppressed_; }
    void setSuppressed(bool suppressed) { suppressed_ = suppressed; }
    // Builds the message by the printf rules (no length limit) and runs the dialog modally.
    void show(const char* format, ...) __attribute__((format(gnu_printf, 2, 3)));
    virtual void showMessage(const std::string& message);

protected:
    Form_Warning(ui::Toolkit& toolkit, const ui::FormDecl& decl);
    // Runs the dialog with the message; returns the dialog's result (0 after the close box).
    int run(const std::string& message);

private:
    ui::Form& form();

    ui::Toolkit& toolkit_;
    const ui::FormDecl& decl_;
    std::unique_ptr<ui::Form> form_;
    bool suppressed_ = false;
};

class Form_Warning_YesNo : public Form_Warning {
public:
    explicit Form_Warning_YesNo(ui::Toolkit& toolkit);
    void showMessage(const std::string& message) override;
    // 1 after YES; 0 after NO or when the dialog was closed with its close box.
    int answer() const { return answer_; }

private:
    int answer_ = 0;
};

// The declarations of the two dialogs.
const ui::FormDecl& warningDecl();
const ui::FormDecl& warningYesNoDecl();

} // namespace ardel
