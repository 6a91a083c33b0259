#include "editors/rinexImport/Form_RinexImport.h"

#include "editors/rinexImport/Form_RinexImportDecl.h"
#include "editors/rinexImport/ImportRows.h"
#include "ui/Platform.h"

#include <utility>
#include <vector>

namespace ardel {

namespace {
using rinex_import::Row;
using namespace rinex_dialog;

constexpr const char* kAntexSetting = "AntexFile";
const std::vector<ui::FileFilter> kAntexFilters = {
    {"ANTEX Files (*.atx)", "*.atx;*.ATX"},
    {"All Files (*)", "*"},
};
} // namespace

Form_RinexImport::Form_RinexImport(ui::Toolkit& toolkit)
    : toolkit_(toolkit), form_(toolkit.createForm(formRinexImportDecl())) {
    form_->listView(kFiles).setSource(&rows_);
    bindEvents();
}

Form_RinexImport::~Form_RinexImport() {
    form_->listView(kFiles).setSource(nullptr);
}

void Form_RinexImport::bindEvents() {
    form_->listView(kFiles).events.selectionChanged = [this] { showSelected(); };
    bindRowField(kLetter, &Row::sessionLetter);
    bindRowField(kInitials, &Row::initials);
    bindRowField(kCable, &Row::cable);
    form_->button(kSetAll).events.clicked = [this] { setForAll(); };
    form_->button(kAntex).events.clicked = [this] { chooseAntex(); };
    form_->button(kImport).events.clicked = [this] { importPlan(); };
    form_->button(kCancel).events.clicked = [this] { form_->done(ui::kCancelled); };
}

// An edit shows in the row at once; the rows are planned again (media identifiers,
// letters chosen for the other files, problems) when the box is left or on Import.
void Form_RinexImport::bindRowField(const char* box, std::string Row::*field) {
    ui::ControlEvents& events = form_->textBox(box).events;
    events.textChanged = [this, box, field] {
        if (!showing_) {
            editSelected(field, box);
        }
    };
    events.focusLost = [this] {
        if (edited_) {
            planAgain();
        }
    };
}

int Form_RinexImport::run(const Project& project, rinex_import::Plan& plan) {
    project_ = &project;
    plan_ = &plan;
    edited_ = false;
    showing_ = true;
    form_->textBox(kAllInitials).setText(plan.options.initials);
    form_->textBox(kAllCable).setText(plan.options.cable);
    form_->label(kAntexLabel).setText(rinex_rows::antexText(plan.options.antexPath));
    showing_ = false;
    showRows();
    form_->listView(kFiles).setSelectedIndex(rows_.count() > 0 ? 0 : -1);
    showSelected();
    form_->control(kFiles).setFocus();
    const int result = form_->exec() == ui::kAccepted ? ui::kAccepted : ui::kCancelled;
    rows_.clear();
    project_ = nullptr;
    plan_ = nullptr;
    return result;
}

// Lines already shown are changed in place, so the selection stays where it is.
void Form_RinexImport::showRows() {
    const std::vector<Row>& rows = plan_->rows;
    if (rows_.count() != static_cast<int>(rows.size())) {
        std::vector<std::string> lines;
        for (const Row& row : rows) {
            lines.push_back(rinex_rows::rowLine(row));
        }
        rows_.assign(std::move(lines));
        return;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows_.replace(static_cast<int>(i), rinex_rows::rowLine(rows[i]));
    }
}

Row* Form_RinexImport::selectedRow() {
    const int index = form_->listView(kFiles).selectedIndex();
    if (!plan_ || index < 0 || index >= static_cast<int>(plan_->rows.size())) {
        return nullptr;
    }
    return &plan_->rows[static_cast<std::size_t>(index)];
}

// Only a file that becomes a session has a letter, initials and a cable length to edit.
void Form_RinexImport::showSelected() {
    const Row* row = selectedRow();
    const bool editable = row && row->imported();
    showing_ = true;
    form_->textBox(kDetails).setText(row ? rinex_rows::details(*row) : "");
    form_->textBox(kLetter).setText(editable ? row->sessionLetter : "");
    form_->textBox(kInitials).setText(editable ? row->initials : "");
    form_->textBox(kCable).setText(editable ? row->cable : "");
    showing_ = false;
    for (const char* box : {kLetter, kInitials, kCable}) {
        form_->control(box).setEnabled(editable);
    }
}

// A letter the user sets is kept by planning again; an emptied one is chosen again.
void Form_RinexImport::editSelected(std::string Row::*field, const std::string& box) {
    Row* row = selectedRow();
    if (!row || !row->imported()) {
        return;
    }
    row->*field = form_->textBox(box).text();
    if (field == &Row::sessionLetter) {
        row->letterChosen = !row->sessionLetter.empty();
    }
    rows_.replace(form_->listView(kFiles).selectedIndex(), rinex_rows::rowLine(*row));
    edited_ = true;
}

void Form_RinexImport::importPlan() {
    if (edited_) {
        planAgain();
    }
    form_->done(ui::kAccepted);
}

void Form_RinexImport::setForAll() {
    plan_->options.initials = form_->textBox(kAllInitials).text();
    plan_->options.cable = form_->textBox(kAllCable).text();
    for (Row& row : plan_->rows) {
        row.initials = plan_->options.initials;
        row.cable = plan_->options.cable;
    }
    planAgain();
}

// The folder of the ANTEX file chosen last, else the program's own, is where the prompt starts.
void Form_RinexImport::chooseAntex() {
    const auto remembered = toolkit_.settings().value(kAntexSetting);
    const auto chosen =
        toolkit_.openFileDialog({"Select ANTEX File", remembered.value_or(ui::programPath()), kAntexFilters});
    if (!chosen) {
        return;
    }
    toolkit_.settings().setValue(kAntexSetting, *chosen);
    plan_->options.antexPath = *chosen;
    form_->label(kAntexLabel).setText(rinex_rows::antexText(*chosen));
    planAgain();
}

// Planning again reads the ANTEX file, which may take a moment. The boxes then show
// what the plan made of them (a letter left empty is chosen again).
void Form_RinexImport::planAgain() {
    {
        const ui::BusyCursor busy(toolkit_);
        rinex_import::replan(*project_, *plan_);
    }
    edited_ = false;
    showRows();
    showSelected();
}

} // namespace ardel
