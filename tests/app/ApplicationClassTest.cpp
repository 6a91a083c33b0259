#include "app/ApplicationClass.h"
#include "app/MainMenu.h"
#include "bfile/BFileWriter.h"
#include "support/HeadlessTest.h"

#include <sstream>
#include <stdexcept>

namespace ardel {
namespace {

using testing::TempDir;

class ApplicationClassTest : public testing::HeadlessTest {};

TEST_F(ApplicationClassTest, OpensTheFirstWordAsAFileAndEndsWithTheLoopsExitCode) {
    TempDir dir;
    const std::string path = dir.path("start.bfl");
    Project source;
    source.header.JobCode = "ZZ";
    std::ostringstream text;
    ASSERT_TRUE(writeBFile(source, text));
    testing::writeFile(path, text.str());

    ApplicationClass application(toolkit);
    ASSERT_TRUE(application.start({path, "ignored"}));
    ui::HeadlessForm& window = *toolkit.form("Form1");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.caption(), "Ardel - Create B-File [" + path + "][unmodified]");
    EXPECT_EQ(window.label("label_JobCode").text(), "Job Code: ZZ");
    window.triggerMenu(menu::kExit);
    EXPECT_EQ(toolkit.run(), 0);
}

// A toolkit that cannot build a window.
class BrokenToolkit : public ui::HeadlessToolkit {
public:
    std::unique_ptr<ui::Form> createForm(const ui::FormDecl&) override { throw std::runtime_error("no display"); }
};

TEST(ApplicationClass, EndsWithMinusOneWhenTheWindowCannotBeCreated) {
    BrokenToolkit toolkit;
    ApplicationClass application(toolkit);
    EXPECT_EQ(application.run({}), -1);
}

} // namespace
} // namespace ardel
