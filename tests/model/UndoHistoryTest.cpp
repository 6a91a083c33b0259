#include "model/Project.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ardel {
namespace {

std::string line(int i) {
    return std::to_string(1000 + i) + " LINE";
}

class UndoHistoryTest : public ::testing::Test {
protected:
    UndoHistoryTest() {
        for (int i = 0; i < 10000; ++i) {
            project.lb_Stations.append(line(i));
        }
        project.restartHistory();
    }
    Project project;
};

// A step holds what it changed, not the project: one line for a deletion from ten
// thousand, and the undo puts it back where it was.
TEST_F(UndoHistoryTest, AStepHoldsOnlyTheLinesItChanged) {
    const std::vector<std::string> before = project.lb_Stations.lines();
    {
        const UndoStep step(project, "Delete Station 5000");
        project.lb_Stations.remove(5000);
    }
    EXPECT_EQ(project.history.linesHeld(), 1u);
    {
        const UndoStep step(project, "Modify Station 0007");
        project.lb_Stations.replace(7, "CHANGED");
        project.lb_Stations.replace(8, project.lb_Stations.at(8)); // no change: nothing held
    }
    EXPECT_EQ(project.history.linesHeld(), 3u);
    project.undo();
    project.undo();
    EXPECT_EQ(project.lb_Stations.lines(), before);
    EXPECT_FALSE(project.isModified());
}

// Many edits of one store are replayed on a copy; interleaved stores and the header
// come back as they were, and redo gives the changed state again.
TEST_F(UndoHistoryTest, ALargeStepInSeveralStoresIsUndoneAndRedone) {
    const std::vector<std::string> stations = project.lb_Stations.lines();
    std::vector<std::string> changedStations, changedHeights;
    {
        const UndoStep step(project, "Merge big.bfl");
        for (int i = 0; i < 500; ++i) {
            project.lb_Stations.insert(i * 3, "NEW " + std::to_string(i));
            project.lb_86.append(line(i));
            project.lb_Stations.replace(i * 7 + 1, "REPLACED " + std::to_string(i));
            if (i % 50 == 0) {
                project.lb_Stations.remove(i * 2);
                project.lb_86.remove(0);
            }
        }
        project.header.JobCode = "ZZ";
        project.newHeader = false;
        changedStations = project.lb_Stations.lines();
        changedHeights = project.lb_86.lines();
    }
    EXPECT_TRUE(project.isModified());
    project.undo();
    EXPECT_EQ(project.lb_Stations.lines(), stations);
    EXPECT_TRUE(project.lb_86.empty());
    EXPECT_EQ(project.header.JobCode, "");
    EXPECT_TRUE(project.newHeader);
    EXPECT_FALSE(project.isModified());
    project.redo();
    EXPECT_EQ(project.lb_Stations.lines(), changedStations);
    EXPECT_EQ(project.lb_86.lines(), changedHeights);
    EXPECT_EQ(project.header.JobCode, "ZZ");
    EXPECT_FALSE(project.newHeader);
    EXPECT_EQ(project.title(), windowTitle("", true));
}

// A step opened inside another belongs to it; an empty step is no step.
TEST_F(UndoHistoryTest, NestedStepsAreOneAndEmptyStepsNone) {
    {
        const UndoStep outer(project, "Renumber All Stations");
        project.lb_Stations.replace(0, "A");
        {
            const UndoStep inner(project, "inner");
            project.lb_Stations.replace(1, "B");
        }
    }
    { const UndoStep nothing(project, "Sort Stations by SSN"); }
    EXPECT_EQ(project.history.stepCount(), 1u);
    EXPECT_EQ(project.history.undoName(), "Renumber All Stations");
    project.undo();
    EXPECT_EQ(project.lb_Stations.at(1), line(1));
}

// A change no step recorded could not be undone past: the history is emptied and no
// state counts as the saved one.
TEST_F(UndoHistoryTest, AChangeOutsideAStepEmptiesTheHistory) {
    {
        const UndoStep step(project, "Delete Station 0000");
        project.lb_Stations.remove(0);
    }
    ASSERT_TRUE(project.history.canUndo());
    project.lb_Instruments.append("001");
    EXPECT_FALSE(project.history.canUndo());
    EXPECT_FALSE(project.history.atSaved());
    project.lb_SERFIL.append("0001   ABCD"); // not a store the B-file is written from
    project.markWritten();
    EXPECT_TRUE(project.history.atSaved());
}

// When the saved position falls off the oldest end, no state is the saved one.
TEST_F(UndoHistoryTest, TheOldestStepsGoAndWithThemTheSavedPosition) {
    for (std::size_t i = 0; i < UndoHistory::kMostSteps + 10; ++i) {
        const UndoStep step(project, "Step " + std::to_string(i));
        project.lb_Stations.replace(0, "STEP " + std::to_string(i));
    }
    EXPECT_EQ(project.history.stepCount(), UndoHistory::kMostSteps);
    while (project.history.canUndo()) {
        project.undo();
    }
    EXPECT_EQ(project.lb_Stations.at(0), "STEP 9");
    EXPECT_TRUE(project.isModified());
}

} // namespace
} // namespace ardel
