// Tests of the settings dialog's state: load rules, mode groups, variant buttons, the timed save.
#include "ui/SettingsPanel.h"
#include "platform/ScratchFolder.h"
#include "ui/SettingsFile.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
class SettingsPanelTest : public ::testing::Test
{
protected:
    bool FileHas(const std::string& line) { return ReadWholeFile(path).find("\n" + line + "\n") != std::string::npos; }
    bool Mode(ColourGroup group, ColourMode mode) { return panel.IsModeChecked(group, mode); }

    CScratchFolder scratch;
    std::string path = scratch.path + "/KelporaSet.ini";
    CSettingsFile file{path};
    AquariumSettings record = AquariumSettings::Defaults();
    std::vector<int32_t> volumes;
    std::vector<std::string> reports;
    ErrorReport report = [this](const std::string& text, const std::string&) { reports.push_back(text); };
    CSettingsPanelState panel{record, file, [this](int32_t v) { volumes.push_back(v); }, report};
};
} // namespace

TEST_F(SettingsPanelTest, AllModeKeysZeroCheckAutomaticAndTheFirstTickWritesThem)
{
    const std::vector<int32_t> constructed = {panel.Slider(SettingsSlider::Volume),
                                              panel.Slider(SettingsSlider::Bubbles), panel.Slider(SettingsSlider::Fog),
                                              panel.Slider(SettingsSlider::Light)};
    EXPECT_EQ(constructed, (std::vector<int32_t>{32767, 100, 100, 0}));
    WriteWholeFile(path, "[Aquarium Settings]\nFRONT GUDING=0\nFRONT MANJIANBIAN=0\nFRONT AUTOJIANBIAN=0\n"
                         "BACK GUDING=0\nBACK MANJIANBIAN=0\nBACK AUTOJIANBIAN=0\nShow Water=2\nYINLIANG=99999\n"
                         "LOCKFORE ROT=1.25\n");
    record.currentFrontPhase = 3.0f;
    panel.Open();
    EXPECT_TRUE(Mode(ColourGroup::Foreground, ColourMode::Auto));
    EXPECT_TRUE(Mode(ColourGroup::Background, ColourMode::Auto));
    EXPECT_FALSE(panel.IsChecked(SettingsCheck::ShowWater)); // only exactly 1 checks
    EXPECT_EQ(panel.Slider(SettingsSlider::Volume), 65535);
    EXPECT_EQ(panel.Slider(SettingsSlider::Fog), 100); // a missing key
    EXPECT_EQ(record.currentFrontPhase, 1.25f);        // the saved phase until the animation steps

    panel.Tick();
    EXPECT_TRUE(FileHas("FRONT AUTOJIANBIAN=1") && FileHas("BACK AUTOJIANBIAN=1"));
    EXPECT_TRUE(FileHas("LOCKFORE ROT=1.250000"));

    // Of two mode keys of 1, the later in the file wins.
    WriteWholeFile(path, "[Aquarium Settings]\nFRONT GUDING=1\nFRONT AUTOJIANBIAN=1\nBACK GUDING=1\n");
    panel.Load();
    EXPECT_TRUE(Mode(ColourGroup::Foreground, ColourMode::Auto));
    EXPECT_FALSE(Mode(ColourGroup::Foreground, ColourMode::Fixed));
    EXPECT_TRUE(Mode(ColourGroup::Background, ColourMode::Fixed));
}

TEST_F(SettingsPanelTest, ColourButtonsSelectTheirGroupModeAndVariantsStopAtTheEnds)
{
    panel.Open();
    panel.ChooseColour(ColourButton::BackColour1, 0x0000FF);
    EXPECT_TRUE(Mode(ColourGroup::Background, ColourMode::Gradual));
    EXPECT_FALSE(Mode(ColourGroup::Background, ColourMode::Fixed) || Mode(ColourGroup::Background, ColourMode::Auto));
    panel.ChooseColour(ColourButton::FrontColour, 0xFFFFFF);
    panel.ChooseColour(ColourButton::FrontColour1, 0x123456); // hidden: selects nothing
    EXPECT_TRUE(Mode(ColourGroup::Foreground, ColourMode::Fixed));
    EXPECT_FALSE(Mode(ColourGroup::Foreground, ColourMode::Auto));

    EXPECT_FALSE(panel.PreviousEnabled());
    panel.PreviousVariant();
    EXPECT_EQ(panel.SceneVariant(), 0);
    panel.NextVariant();
    panel.NextVariant();
    EXPECT_EQ(panel.SceneVariant(), 1);
    EXPECT_EQ(panel.ShownPreview(), 1);
    EXPECT_FALSE(panel.NextEnabled());

    panel.Tick();
    EXPECT_EQ(record.backGradual, 1);
}

TEST_F(SettingsPanelTest, SlidersReachTheSoundAtOnceAndTheFileOnlyWhenChanged)
{
    panel.Open();
    panel.MoveSlider(SettingsSlider::Light, 100);
    panel.MoveSlider(SettingsSlider::Volume, -5);
    EXPECT_EQ(volumes, (std::vector<int32_t>{0, 0}));
    EXPECT_EQ(record.lightSetting, 0);
    panel.Tick();
    EXPECT_EQ(record.lightSetting, 100);

    // A hand edit stands as long as the dialog has nothing new to write.
    WriteWholeFile(path, "[Aquarium Settings]\nYINLIANG=7\n");
    panel.Tick();
    EXPECT_EQ(ReadWholeFile(path), "[Aquarium Settings]\nYINLIANG=7\n");
    record.currentBackPhase = 0.5f; // the colour animation stepped
    panel.Tick();
    EXPECT_TRUE(FileHas("LOCKBACK ROT=0.500000") && FileHas("YINLIANG=0"));

    panel.MoveSlider(SettingsSlider::Bubbles, 150);
    panel.Close();
    EXPECT_EQ(record.bubbleSetting, 150);
    EXPECT_TRUE(FileHas("QIPAONUM=150"));
}

TEST_F(SettingsPanelTest, ADamagedFileKeepsWhatTheUserSaved)
{
    record.fogSetting = 40;
    const std::string damaged(CProfileFile::kMaxFileBytes + 1, '#');
    WriteWholeFile(path, damaged);
    panel.Open();
    EXPECT_EQ(panel.Slider(SettingsSlider::Fog), 40);
    panel.MoveSlider(SettingsSlider::Light, 30);
    panel.Tick();
    panel.Tick();
    EXPECT_EQ(ReadWholeFile(path), damaged);
    EXPECT_EQ(record.fogSetting, 40);
    EXPECT_EQ(record.lightSetting, 30);
    EXPECT_EQ(reports.size(), 1u);
}

TEST_F(SettingsPanelTest, AnUnwritableFileIsRetriedAndReportedOnce)
{
    const std::string blocker = scratch.path + "/blocked"; // a file where the folder should be
    WriteWholeFile(blocker, "");
    CSettingsFile blocked(blocker + "/KelporaSet.ini");
    CSettingsPanelState state(record, blocked, {}, report);
    state.Open();
    state.MoveSlider(SettingsSlider::Fog, 20);
    state.Tick();
    state.Tick();
    EXPECT_EQ(record.fogSetting, 20);
    EXPECT_EQ(reports.size(), 1u);

    ASSERT_EQ(std::remove(blocker.c_str()), 0);
    state.Tick(); // nothing changed, but the file never got the values
    EXPECT_NE(ReadWholeFile(blocker + "/KelporaSet.ini").find("\nFOGNONGDU=20\n"), std::string::npos);
}
