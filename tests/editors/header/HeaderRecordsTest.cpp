// What the header editor's values become in the written B-file: the first record
// and the *10* to *13* records.
#include "bfile/BFileWriter.h"
#include "editors/header/FormHeaderInfo.h"

#include "support/HeadlessTest.h"

#include <sstream>

namespace ardel {
namespace {

using ui::HeadlessForm;

std::string blanks(std::size_t count) {
    return std::string(count, ' ');
}

class HeaderRecordsTest : public testing::HeadlessTest {
protected:
    int runEditor(ui::HeadlessToolkit::DialogScript script) {
        toolkit.expectDialog("FormHeaderInfo", std::move(script));
        return editor.run(project.header, project.newHeader);
    }

    // The records written for the project, without their CR LF.
    std::vector<std::string> writtenRecords() const {
        std::ostringstream out;
        EXPECT_TRUE(writeBFile(project, out));
        std::vector<std::string> records;
        std::string text = out.str();
        for (std::size_t end; (end = text.find("\r\n")) != std::string::npos; text.erase(0, end + 2)) {
            records.push_back(text.substr(0, end));
        }
        EXPECT_EQ(text, "") << "a record without CR LF";
        return records;
    }

    Project project;
    FormHeaderInfo editor{toolkit};
};

TEST_F(HeaderRecordsTest, NewProjectWritesTheGpsMethodAndTheNad83Ellipsoid) {
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  f.type("mtextb_CreationDate", "20240115");
                  f.type("mtextb_JobCode", "gp");
                  f.type("textb_SubmittingAgencyAbbreviation", "TOVA");
                  f.type("textb_SubmittingAgencyName", "TOVARIN SURVEY OFFICE");
                  f.type("textb_ProjectTitle", "HARBOR SURVEY\nPHASE II");
                  f.type("mtextb_ProjectStartDate", "202311");
                  f.type("mtextb_ProjectEndDate", "202401");
                  f.type("textb_ChiefOfParty", "J SMITH");
                  f.type("textb_ChiefOfPartyInitials", "JSM");
                  f.type("textb_PrimaryStateOrCountry", "MD");
                  f.click("cb_1");
              }),
              1);
    const std::vector<std::string> expected = {
        "000010*GP*HZTLOBS TOVA  TOVARIN SURVEY OFFICE" + blanks(21) + blanks(6) + "20240115",
        "000020*10*HARBOR SURVEY" + blanks(57),
        "000030*11*PHASE II" + blanks(62),
        // the rest of the chief's name, no second chief, columns 55-65, method 4, state MD, no order
        "000040*12*202311202401JSMJ SMITH" + blanks(11) + blanks(21) + blanks(11) + "4MD  ",
        "000050*13*NORTH AMERICAN DATUM-83 GRS-80          63781370002982572221" + blanks(10),
        "000060*GP*" + blanks(70),
    };
    EXPECT_EQ(writtenRecords(), expected);
}

TEST_F(HeaderRecordsTest, UnrecognizedOrderAndATypedDatumWriteBlanks) {
    project.newHeader = false;
    project.header.JobCode = "GP";
    project.header.TypeOfSurvey = "4";
    project.header.OrderAndClass = "99";
    project.header.DatumName = "NORTH AMERICAN DATUM-83 ";
    project.header.EllipsoidName = "GRS-80          ";
    project.header.SemiMajorAxis = "6378137000";
    project.header.InverseFlattening = "2982572221";
    toolkit.expectMessage("Warning!!", "Warning -- the current contents of \n"
                                       "            the Order and Class field are not \n"
                                       "            recognized. Please select a new \n"
                                       "            value from the drop down box. \n");
    EXPECT_EQ(runEditor([](HeadlessForm& f) {
                  f.type("combo_DatumName", "NAD 83");
                  f.click("cb_1");
              }),
              1);
    const std::vector<std::string> records = writtenRecords();
    ASSERT_EQ(records.size(), 5u); // an empty title: one *10* of blanks and no *11*
    EXPECT_EQ(records[1], "000020*10*" + blanks(70));
    EXPECT_EQ(records[2], "000030*12*" + blanks(65) + "4" + blanks(4));
    EXPECT_EQ(records[3], "000040*13*NAD 83" + blanks(64));
}

} // namespace
} // namespace ardel
