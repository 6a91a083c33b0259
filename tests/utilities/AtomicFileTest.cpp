// Saving atomically: the previous file survives every failure, and no temporary
// file is left behind.
#include "utilities/AtomicFile.h"

#include "support/HeadlessTest.h"
#include "support/SystemForTests.h"
#include "ui/Platform.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

namespace ardel {
namespace {

using testing::readFile;
using testing::TempDir;
using testing::writeFile;
namespace fs = std::filesystem;

const std::string kOld = "old content\r\n";
const std::string kNew = std::string(200000, 'n') + "\r\n"; // larger than the write buffer

std::function<bool(std::ostream&)> writes(const std::string& text) {
    return [text](std::ostream& out) { return static_cast<bool>(out << text); };
}

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(ui::nativePath(folder))) {
        names.push_back(ui::utf8Path(entry.path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

fs::perms permissionsOf(const std::string& path) {
    return fs::status(ui::nativePath(path)).permissions();
}

void setPermissions(const std::string& path, unsigned bits) {
    fs::permissions(ui::nativePath(path), static_cast<fs::perms>(bits));
}

class AtomicFile : public ::testing::Test {
protected:
    void TearDown() override { writeFaults() = {}; }

    // Saves over a file holding kOld and expects the save to fail and leave it as it was.
    void expectFailureKeepsOldFile(const std::function<bool(std::ostream&)>& write) {
        writeFile(target, kOld);
        EXPECT_FALSE(saveAtomically(target, write));
        EXPECT_EQ(readFile(target), kOld);
        EXPECT_EQ(filesIn(dir.path("")), std::vector<std::string>{"out.bfl"});
    }

    TempDir dir;
    std::string target = dir.path("out.bfl");
};

TEST_F(AtomicFile, ReplacesAnExistingFile) {
    EXPECT_TRUE(saveAtomically(target, writes(kOld)));
    EXPECT_EQ(readFile(target), kOld);
    EXPECT_TRUE(saveAtomically(target, writes(kNew)));
    EXPECT_EQ(readFile(target), kNew);
    EXPECT_EQ(filesIn(dir.path("")), std::vector<std::string>{"out.bfl"});
}

// A link stays a link: the file it points to is replaced.
TEST_F(AtomicFile, KeepsThePermissionsAndTheLinksOfTheFileItReplaces) {
    writeFile(target, kOld);
    setPermissions(target, 0640);
    EXPECT_TRUE(saveAtomically(target, writes(kNew)));
    EXPECT_EQ(permissionsOf(target), static_cast<fs::perms>(0640));

    fs::create_symlink("out.bfl", ui::nativePath(dir.path("link.bfl")));
    EXPECT_TRUE(saveAtomically(dir.path("link.bfl"), writes(kOld)));
    EXPECT_TRUE(fs::is_symlink(ui::nativePath(dir.path("link.bfl"))));
    EXPECT_EQ(readFile(target), kOld);
}

TEST_F(AtomicFile, FailuresLeaveThePreviousFileByteForByte) {
    for (std::size_t failAfter : {std::size_t{0}, std::size_t{1}, std::size_t{65536}, kNew.size() - 1}) {
        writeFaults().failAfterBytes = failAfter;
        expectFailureKeepsOldFile(writes(kNew));
    }
    writeFaults().failAfterBytes = kNew.size(); // exactly enough room
    EXPECT_TRUE(saveAtomically(target, writes(kNew)));
    EXPECT_EQ(readFile(target), kNew);

    writeFaults() = {.failRename = true};
    expectFailureKeepsOldFile(writes(kNew));

    writeFaults() = {};
    expectFailureKeepsOldFile([](std::ostream& out) { // the writer gives up
        out << "partial";
        return false;
    });

    EXPECT_THROW(saveAtomically(target, [](std::ostream&) -> bool { throw std::runtime_error("out of memory"); }),
                 std::runtime_error);
    EXPECT_EQ(readFile(target), kOld);
    EXPECT_EQ(filesIn(dir.path("")), std::vector<std::string>{"out.bfl"});
}

TEST_F(AtomicFile, RefusesMissingFoldersAndReadOnlyFiles) {
    EXPECT_FALSE(saveAtomically(dir.path("missing/out.bfl"), writes(kNew)));
    EXPECT_FALSE(fs::exists(ui::nativePath(dir.path("missing"))));

    writeFile(target, kOld);
    setPermissions(target, 0444);
    EXPECT_FALSE(saveAtomically(target, writes(kNew)));
    EXPECT_EQ(readFile(target), kOld);
    EXPECT_EQ(filesIn(dir.path("")), std::vector<std::string>{"out.bfl"});

    EXPECT_FALSE(saveAtomically(dir.path(""), writes(kNew))) << "a folder is no file";
}

TEST_F(AtomicFile, RefusesReadOnlyFolders) {
    writeFile(target, kOld);
    setPermissions(dir.path(""), 0555);
    EXPECT_FALSE(saveAtomically(target, writes(kNew)));
    EXPECT_FALSE(saveAtomically(dir.path("other.bfl"), writes(kNew)));
    setPermissions(dir.path(""), 0755);
    EXPECT_EQ(readFile(target), kOld);
    EXPECT_EQ(filesIn(dir.path("")), std::vector<std::string>{"out.bfl"});
}

// A name of 250 characters saves (its temporary file has a short name of its own);
// the temporary files of killed saves go with the next save in their folder, those of
// running processes (whatever program file they run: another build, another user's) and
// other files stay.
TEST_F(AtomicFile, SavesLongNamesAndRemovesTheLeftoversOfKilledSaves) {
    const std::string running = ".ardel-" + std::to_string(ui::processId()) + "-Ab3dEf";
    const std::string otherProgram = ".ardel-" + std::to_string(testing::otherRunningProcess()) + "-Gh5jKl";
    writeFile(dir.path(".ardel-999999999-Ab3dEf"), "killed");
    writeFile(dir.path(running), "running");
    writeFile(dir.path(otherProgram), "saving");
    writeFile(dir.path(".ardel-notes"), "mine");
    const std::string longName = std::string(246, 'n') + ".bfl";
    EXPECT_TRUE(saveAtomically(dir.path(longName), writes(kNew)));
    EXPECT_EQ(readFile(dir.path(longName)), kNew);
    std::vector<std::string> kept{running, otherProgram, ".ardel-notes", longName};
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(filesIn(dir.path("")), kept);
}

// A writable file in a folder that allows no new file, saved by a user who is not the
// superuser: the previous file goes into the copy folder, then the file is written in
// place. A read-only file there, or a new file, is refused, and says by which.
TEST_F(AtomicFile, WritesInPlaceInAFolderThatAllowsNoNewFile) {
    writeFile(target, kOld);
    fs::create_directories(ui::nativePath(dir.path("copies")));
    setPermissions(dir.path("copies"), 0777);
    setPermissions(target, 0666);
    writeFile(dir.path("locked.bfl"), kOld);
    setPermissions(dir.path("locked.bfl"), 0444);
    setPermissions(dir.path(""), 0555);
    const bool right = testing::runAsAnotherUser([&] {
        const SaveResult inPlace = saveFile(target, writes(kNew), dir.path("copies"));
        return inPlace.written() && inPlace.previousCopy == dir.path("copies/previous-out.bfl") &&
               readFile(target) == kNew && readFile(inPlace.previousCopy) == kOld &&
               filesIn(dir.path("copies")).size() == 1 &&
               saveFile(dir.path("locked.bfl"), writes(kNew), dir.path("copies")).refusal == SaveRefusal::File &&
               saveFile(dir.path("new.bfl"), writes(kNew), dir.path("copies")).refusal == SaveRefusal::Folder &&
               saveFile(target, writes(kNew), "").refusal == SaveRefusal::Folder;
    });
    setPermissions(dir.path(""), 0755);
    EXPECT_TRUE(right);
    EXPECT_EQ(readFile(target), kNew);
    EXPECT_EQ(filesIn(dir.path("")), (std::vector<std::string>{"copies", "locked.bfl", "out.bfl"}));
}

} // namespace
} // namespace ardel
