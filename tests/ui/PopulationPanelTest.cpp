// Tests of the population dialog's state: counts over 50, selection, the four buttons, applying.
#include "ui/PopulationPanel.h"
#include "platform/ScratchFolder.h"
#include "ui/SettingsFile.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {
class PopulationPanelTest : public ::testing::Test
{
protected:
    // A click on the middle of species i's picture.
    void Select(int i)
    {
        const CellRect cell = CPopulationPanelState::Cell(i);
        panel.Click(cell.left + 50, cell.top + 45);
    }

    CScratchFolder scratch;
    std::string path = scratch.path + "/KelporaSet.ini";
    CSettingsFile file{path};
    AquariumSettings record;
    int reports = 0;
    CPopulationPanelState panel{record, file, [this](const std::string&, const std::string&) { ++reports; }};
};
} // namespace

TEST_F(PopulationPanelTest, ClicksFindTheCellUnderThem)
{
    const CellRect cell = CPopulationPanelState::Cell(7);
    EXPECT_EQ(std::make_tuple(cell.left, cell.top, cell.right, cell.bottom), std::make_tuple(202, 92, 302, 182));
    for (int i = 0; i < kSpeciesCount; ++i) {
        Select(i);
        EXPECT_EQ(panel.Selected(), i);
    }
    panel.Click(10, 400); // below the pictures: selectable, no species
    panel.Add();
    EXPECT_EQ(panel.Total(), 0);
    EXPECT_EQ(CPopulationPanelState::CellAt(10, 451), CPopulationPanelState::kNoCell);
    EXPECT_EQ(CPopulationPanelState::CellAt(510, 10), CPopulationPanelState::kNoCell); // not species 5
}

TEST_F(PopulationPanelTest, ACountOver50IsShownAndSavedButLiveAt50)
{
    WriteWholeFile(path, "[Fish Number]\nFish3=75\n");
    panel.Open();
    EXPECT_EQ(panel.Count(3), 75);
    Select(0);
    panel.Add();
    EXPECT_EQ(panel.TotalText(), "Total: 75   (Max:50)");

    panel.Apply();
    EXPECT_EQ(file.ReadSavedFishCounts()[3], 75);
    EXPECT_EQ(record.fishCount[3], 50);

    Select(3);
    for (int i = 0; i < 26; ++i)
        panel.RightDoubleClick();
    const CellRect cell = CPopulationPanelState::Cell(0);
    panel.DoubleClick(cell.left + 5, cell.top + 5);
    EXPECT_EQ(panel.Count(0), 1);
    EXPECT_EQ(panel.Total(), 50);
    EXPECT_TRUE(panel.PressKey('a')); // a full tank refuses
    EXPECT_EQ(panel.Total(), 50);
}

TEST_F(PopulationPanelTest, RandomClearsTheSelectionAndClearKeepsIt)
{
    panel.Open();
    panel.Add(); // nothing selected
    EXPECT_EQ(panel.Total(), 0);
    Select(2);
    EXPECT_TRUE(panel.PressKey('C'));
    EXPECT_EQ(panel.Selected(), 2);
    EXPECT_TRUE(panel.PressKey('r'));
    EXPECT_EQ(panel.Selected(), CPopulationPanelState::kNoCell);
    for (int i = 0; i < kSpeciesCount; ++i)
        EXPECT_TRUE(panel.Count(i) >= 0 && panel.Count(i) <= 3);
}

TEST_F(PopulationPanelTest, OnlyAppliedChangesSurviveACancel)
{
    panel.Open();
    Select(4);
    panel.Add();
    panel.Apply(); // the timer
    panel.Add();   // then Esc before the next tick
    EXPECT_EQ(file.ReadSavedFishCounts()[4], 1);
    panel.Accept();
    EXPECT_EQ(file.ReadSavedFishCounts()[4], 2);
}

TEST_F(PopulationPanelTest, AnUnreadableFileKeepsTheLiveCountsAndIsNotReplaced)
{
    record.fishCount[6] = 5;
    const std::string damaged(CProfileFile::kMaxFileBytes + 1, '#');
    WriteWholeFile(path, damaged);
    panel.Open();
    Select(6);
    panel.Add();
    panel.Apply();
    panel.Apply();
    EXPECT_EQ(record.fishCount[6], 6);
    EXPECT_EQ(ReadWholeFile(path), damaged);
    EXPECT_EQ(reports, 1);
}
