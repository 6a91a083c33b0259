// The header editor: the modal dialog in which the user edits the project header
// (the first record and the *10* to *13* records). It offers fixed lists for the
// survey method, the order and class and the datum, fills in the ellipsoid of a
// known datum and checks the three dates as they are left.
#pragma once

#include "model/HeaderRecord.h"
#include "ui/Toolkit.h"
#include "validate/Validators.h"

#include <memory>
#include <string>

namespace ardel {

class FormHeaderInfo {
public:
    explicit FormHeaderInfo(ui::Toolkit& toolkit);
    ~FormHeaderInfo();
    FormHeaderInfo(const FormHeaderInfo&) = delete;
    FormHeaderInfo& operator=(const FormHeaderInfo&) = delete;

    // Shows the dialog on `header`. A new header (newHeaderFlag set) starts with the
    // Global Positioning System method and the NAD 83 datum; a stored one has its
    // list values looked up, with a warning for each that no item matches.
    // Returns 1 when saved: `header` rewritten from the fields and newHeaderFlag cleared.
    // Returns 0 when cancelled or closed: both left as they were.
    int run(FormHeaderInfoFDXStruct& header, bool& newHeaderFlag);

private:
    void bindEvents();
    void open(const FormHeaderInfoFDXStruct& header, bool newHeader);
    void fillFields(const FormHeaderInfoFDXStruct& header);
    void clearLists();
    void selectNewHeaderItems();
    void selectStoredItems();
    void lookUpDatum(const std::string& datumText);
    void checkDateOnLeaving(const std::string& box, validate::DateLayout layout);
    void save(FormHeaderInfoFDXStruct& header);
    std::string titleAsDisplayed();

    ui::Toolkit& toolkit_;
    std::unique_ptr<ui::Form> form_;
    bool opening_ = false; // the fields are being filled from code: the datum events do nothing
};

} // namespace ardel
