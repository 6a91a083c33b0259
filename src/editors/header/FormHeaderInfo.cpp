#include "editors/header/FormHeaderInfo.h"

#include "editors/header/Datums.h"
#include "editors/header/FormHeaderInfoDecl.h"
#include "editors/header/HelpBoxes.h"
#include "ui/Text.h"

namespace ardel {

namespace {

using Header = FormHeaderInfoFDXStruct;

// A header field edited in a text box (or carried in a hidden one) as it stands.
struct TextField {
    const char* box;
    std::string Header::*field;
};

// clang-format off
constexpr TextField kTypedFields[] = {
    {"mtextb_CreationDate",                &Header::CreationDate},
    {"mtextb_JobCode",                     &Header::JobCode},
    {"textb_SubmittingAgencyAbbreviation", &Header::SubmittingAgencyAbbreviation},
    {"textb_SubmittingAgencyName",         &Header::SubmittingAgencyName},
    {"textb_AssignedNumber",               &Header::AssignedNumber},
    {"mtextb_ProjectStartDate",            &Header::ProjectStartDate},
    {"mtextb_ProjectEndDate",              &Header::ProjectEndDate},
    {"textb_ChiefOfParty",                 &Header::ChiefOfParty},
    {"textb_ChiefOfPartyInitials",         &Header::ChiefOfPartyInitials},
    {"textb_SecondChiefOfParty",           &Header::SecondChiefOfParty},
    {"textb_SecondChiefOfPartyInitials",   &Header::SecondChiefOfPartyInitials},
    {"textb_PrimaryStateOrCountry",        &Header::PrimaryStateOrCountry},
};

constexpr TextField kEllipsoidFields[] = {
    {"textb_EllipsoidName",     &Header::EllipsoidName},
    {"textb_SemiMajorAxis",     &Header::SemiMajorAxis},
    {"textb_InverseFlattening", &Header::InverseFlattening},
    {"textb_SemiMinorAxis",     &Header::SemiMinorAxis},
};

// A header field chosen from a list; its stored text is carried in a hidden box
// and picks the list item on opening. In the order the items are looked up.
struct ListField {
    const char* list;
    const char* hidden;
    std::string Header::*field;
    const char* title; // as the not-recognized warning names it
};

constexpr ListField kListFields[] = {
    {"combo_TypeOfSurvey",  "textb_TypeOfSurvey",  &Header::TypeOfSurvey,  "Type of Survey"},
    {"combo_OrderAndClass", "textb_OrderAndClass", &Header::OrderAndClass, "Order and Class"},
    {"combo_DatumName",     "textb_DatumName",     &Header::DatumName,     "Datum Name"},
};
// clang-format on

constexpr const char* kDatumList = "combo_DatumName";
constexpr const char* kDatumHidden = "textb_DatumName";
constexpr const char* kTitleBox = "textb_ProjectTitle";
constexpr const char* kTitleLineBreak = "\r\n";

void warnNotRecognized(ui::Toolkit& toolkit, const char* title) {
    const std::string text = ui::format("Warning -- the current contents of \n"
                                        "            the %s field are not \n"
                                        "            recognized. Please select a new \n"
                                        "            value from the drop down box. \n",
                                        title);
    toolkit.messageBox("Warning!!", text, ui::Icon::Warning, ui::Buttons::OK);
}

} // namespace

FormHeaderInfo::FormHeaderInfo(ui::Toolkit& toolkit)
    : toolkit_(toolkit), form_(toolkit.createForm(formHeaderInfoDecl())) {
    bindEvents();
}

FormHeaderInfo::~FormHeaderInfo() = default;

void FormHeaderInfo::bindEvents() {
    form_->textBox("mtextb_CreationDate").events.focusLost = [this] {
        checkDateOnLeaving("mtextb_CreationDate", validate::DateLayout::YearMonthDay);
    };
    for (const char* box : {"mtextb_ProjectStartDate", "mtextb_ProjectEndDate"}) {
        form_->textBox(box).events.focusLost = [this, box] {
            checkDateOnLeaving(box, validate::DateLayout::YearMonth);
        };
    }
    ui::ComboBox& datum = form_->comboBox(kDatumList);
    // Typed text is no item: the list then has no selection, so that choosing any
    // item afterwards, the one chosen before included, looks its datum up again.
    datum.events.textChanged = [this, &datum] {
        if (!opening_) {
            datum.setSelectedIndex(-1);
            lookUpDatum(datum.text());
        }
    };
    datum.events.selectionChanged = [this, &datum] {
        if (!opening_ && datum.selectedIndex() >= 0) {
            lookUpDatum(datum.itemText(datum.selectedIndex()));
        }
    };
    form_->button("cb_1").events.clicked = [this] { form_->done(ui::kAccepted); };
    form_->button("cb_2").events.clicked = [this] { form_->done(ui::kCancelled); };
    form_->button("cb_3").events.clicked = [this] { showAgenciesTable(toolkit_); };
    form_->button("cb_4").events.clicked = [this] { showCountriesTable(toolkit_); };
}

int FormHeaderInfo::run(FormHeaderInfoFDXStruct& header, bool& newHeaderFlag) {
    open(header, newHeaderFlag);
    if (form_->exec() != ui::kAccepted) {
        return ui::kCancelled;
    }
    save(header);
    newHeaderFlag = false;
    return ui::kAccepted;
}

void FormHeaderInfo::open(const FormHeaderInfoFDXStruct& header, bool newHeader) {
    opening_ = true;
    fillFields(header);
    clearLists();
    if (newHeader) {
        selectNewHeaderItems();
    } else {
        selectStoredItems();
    }
    opening_ = false;
    form_->control("mtextb_CreationDate").setFocus();
}

void FormHeaderInfo::fillFields(const FormHeaderInfoFDXStruct& header) {
    for (const TextField& typed : kTypedFields) {
        form_->textBox(typed.box).setText(ui::trimRight(header.*typed.field));
    }
    form_->textBox(kTitleBox).setText(ui::trimRight(header.ProjectTitle));
    for (const TextField& ellipsoid : kEllipsoidFields) {
        form_->textBox(ellipsoid.box).setText(ui::trimRight(header.*ellipsoid.field));
    }
    for (const ListField& list : kListFields) {
        form_->textBox(list.hidden).setText(ui::trimRight(header.*list.field));
    }
}

void FormHeaderInfo::clearLists() {
    for (const ListField& list : kListFields) {
        form_->comboBox(list.list).setSelectedIndex(-1);
    }
    form_->comboBox(kDatumList).setText("");
}

void FormHeaderInfo::selectNewHeaderItems() {
    form_->comboBox("combo_TypeOfSurvey").selectPrefix(kGlobalPositioningSystem);
    form_->comboBox(kDatumList).selectPrefix(kNorthAmericanDatum83);
    lookUpDatum(kNorthAmericanDatum83);
}

// The stored texts pick their items; the ellipsoid keeps its stored values. An empty
// text is no choice at all and leaves its list empty. A datum no item matches stays
// in the datum text, so that a datum typed earlier is kept.
void FormHeaderInfo::selectStoredItems() {
    for (const ListField& list : kListFields) {
        const std::string stored = form_->textBox(list.hidden).text();
        ui::ComboBox& combo = form_->comboBox(list.list);
        if (stored.empty() || combo.selectPrefix(stored) >= 0) {
            continue;
        }
        warnNotRecognized(toolkit_, list.title);
        if (combo.decl().kind == ui::ControlKind::DropDownEdit) {
            combo.setText(stored);
        }
    }
}

void FormHeaderInfo::lookUpDatum(const std::string& datumText) {
    form_->textBox(kDatumHidden).setText(datumText);
    for (const TextField& ellipsoid : kEllipsoidFields) {
        form_->textBox(ellipsoid.box).setText("");
    }
    if (const DatumEllipsoid* datum = findDatum(datumText)) {
        form_->textBox("textb_EllipsoidName").setText(std::string(datum->ellipsoidName));
        form_->textBox("textb_SemiMajorAxis").setText(std::string(datum->semiMajorAxis));
        form_->textBox("textb_InverseFlattening").setText(std::string(datum->inverseFlattening));
    }
}

// An empty date has not been entered yet: only a date with digits is checked.
void FormHeaderInfo::checkDateOnLeaving(const std::string& box, validate::DateLayout layout) {
    const std::string date = form_->textBox(box).text();
    if (!date.empty()) {
        validate::checkDate(toolkit_, date, layout);
    }
}

void FormHeaderInfo::save(FormHeaderInfoFDXStruct& header) {
    for (const TextField& typed : kTypedFields) {
        header.*typed.field = form_->textBox(typed.box).text();
    }
    for (const TextField& ellipsoid : kEllipsoidFields) {
        header.*ellipsoid.field = form_->textBox(ellipsoid.box).text();
    }
    for (const ListField& list : kListFields) {
        header.*list.field = form_->comboBox(list.list).text();
    }
    header.ProjectTitle = titleAsDisplayed();
}

// The lines as the box shows them, a wrapped line ending where the box wrapped it,
// joined with CR LF. Blanks at a line's end (those a wrap leaves behind among them)
// are dropped: the writer pads every title record with blanks anyway.
std::string FormHeaderInfo::titleAsDisplayed() {
    const ui::TextBox& title = form_->textBox(kTitleBox);
    std::string joined;
    for (int i = 0; i < title.lineCount(); ++i) {
        joined += (i > 0 ? kTitleLineBreak : "") + ui::trimRight(title.line(i));
    }
    return joined;
}

} // namespace ardel
