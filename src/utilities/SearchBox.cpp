#include "utilities/SearchBox.h"

#include "model/Lines.h"
#include "ui/Text.h"
#include "utilities/SearchBoxDecl.h"

#include <algorithm>

namespace ardel {

namespace {
constexpr const char* kTextBox = "textb_1";
constexpr const char* kRows = "lb_1";
} // namespace

SearchBox::SearchBox(ui::Toolkit& toolkit) : form_(toolkit.createForm(searchBoxDecl())) {
    form_->listView(kRows).setSource(&rows_);
    form_->textBox(kTextBox).events.textChanged = [this] {
        if (!opening_) {
            search();
        }
    };
    form_->button("cb_OK").events.clicked = [this] { form_->done(ui::kAccepted); };
    form_->button("cb_Cancel").events.clicked = [this] { form_->done(ui::kCancelled); };
}

SearchBox::~SearchBox() {
    form_->listView(kRows).setSource(nullptr);
}

void SearchBox::configure(const std::string& title, const ui::ListSource& source, int resultIndex, int searchStart,
                          int keyStart, int keyLength) {
    title_ = title;
    source_ = &source;
    resultIndex_ = resultIndex;
    searchStart_ = searchStart;
    keyStart_ = static_cast<std::size_t>(std::max(keyStart, 0));
    keyLength_ = keyLength < 1 ? std::string::npos : static_cast<std::size_t>(keyLength);
}

int SearchBox::run() {
    opening_ = true;
    form_->setCaption(title_);
    form_->textBox(kTextBox).setText("");
    fillRows();
    form_->listView(kRows).setSelectedIndex(resultIndex_);
    opening_ = false;
    form_->control(kTextBox).setFocus();
    const int result = form_->exec() == ui::kAccepted ? ui::kAccepted : ui::kCancelled;
    rows_.clear();
    return result;
}

// Row i is the key window of source line i (shorter when the line is).
void SearchBox::fillRows() {
    std::vector<std::string> rows;
    const int count = source_ ? source_->count() : 0;
    rows.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        rows.push_back(slice(source_->at(i), keyStart_, keyLength_));
    }
    rows_.assign(std::move(rows));
}

// A text that no row begins with keeps the selection; an empty text is no search
// and selects nothing.
void SearchBox::search() {
    ui::ListView& rows = form_->listView(kRows);
    const std::string text = form_->textBox(kTextBox).text();
    if (text.empty()) {
        rows.setSelectedIndex(-1);
    } else if (const int found = firstRowBeginningWith(text); found >= 0) {
        rows.setSelectedIndex(found);
    }
    resultIndex_ = rows.selectedIndex();
}

int SearchBox::firstRowBeginningWith(const std::string& text) const {
    for (int i = std::max(searchStart_ + 1, 0); i < rows_.count(); ++i) {
        if (ui::startsWithNoCase(rows_.at(i), text)) {
            return i;
        }
    }
    return -1;
}

} // namespace ardel
