// A modal dialog that finds a line of a store by a fixed-column key window: it lists
// the key windows of the store's lines and, as the user types, selects the first row
// that begins with the text typed. The main window uses it to find a station by name.
#pragma once

#include "model/TextStore.h"
#include "ui/Toolkit.h"

#include <memory>
#include <string>

namespace ardel {

class SearchBox {
public:
    explicit SearchBox(ui::Toolkit& toolkit);
    ~SearchBox();
    SearchBox(const SearchBox&) = delete;
    SearchBox& operator=(const SearchBox&) = delete;

    // Set before every showing. `keyLength` below 1 takes the key window to the end of the
    // line; a search begins after row `searchStart` (-1: from the top).
    void configure(const std::string& title, const ui::ListSource& source, int resultIndex, int searchStart,
                   int keyStart, int keyLength);
    // Returns 1 after OK and 0 after Cancel or the close box.
    int run();
    // The row the typing selected last; -1 when none is.
    int resultIndex() const { return resultIndex_; }

private:
    void fillRows();
    void search();
    int firstRowBeginningWith(const std::string& text) const;

    std::unique_ptr<ui::Form> form_;
    TextStore rows_;
    std::string title_;
    const ui::ListSource* source_ = nullptr;
    int resultIndex_ = -1;
    int searchStart_ = -1;
    std::size_t keyStart_ = 0;
    std::size_t keyLength_ = 0;
    bool opening_ = false;
};

} // namespace ardel
