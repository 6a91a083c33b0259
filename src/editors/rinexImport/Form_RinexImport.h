// The RINEX import preview: a modal dialog that lists what each chosen file becomes
// (one row per file) before anything is added. The user edits the session letter,
// observer initials and cable length of the selected file, sets initials and cable
// length for every file at once, and may choose an ANTEX file, which plans the rows
// again with the antennas' L1 offsets added to the heights. Import accepts the plan.
#pragma once

#include "import/RinexImport.h"
#include "model/Project.h"
#include "model/TextStore.h"
#include "ui/Toolkit.h"

#include <memory>
#include <string>

namespace ardel {

class Form_RinexImport {
public:
    explicit Form_RinexImport(ui::Toolkit& toolkit);
    ~Form_RinexImport();
    Form_RinexImport(const Form_RinexImport&) = delete;
    Form_RinexImport& operator=(const Form_RinexImport&) = delete;

    // Shows `plan`, made against `project`. Returns 1 after Import, `plan` then holding
    // the user's edits; 0 after Cancel or the close box (the plan may hold edits then
    // too, but the caller throws it away).
    int run(const Project& project, rinex_import::Plan& plan);

private:
    void bindEvents();
    void bindRowField(const char* box, std::string rinex_import::Row::*field);
    void showRows();
    void showSelected();
    void editSelected(std::string rinex_import::Row::*field, const std::string& box);
    void importPlan();
    void setForAll();
    void chooseAntex();
    void planAgain();
    rinex_import::Row* selectedRow();

    ui::Toolkit& toolkit_;
    std::unique_ptr<ui::Form> form_;
    TextStore rows_;
    const Project* project_ = nullptr;
    rinex_import::Plan* plan_ = nullptr;
    bool showing_ = false; // the boxes are being filled from code: their edits do nothing
    bool edited_ = false;  // a row was edited since the plan was made
};

} // namespace ardel
