// Tests of the settings record: the bulk update, the fish-count store and the start values.
#include "ui/AquariumSettings.h"

#include <gtest/gtest.h>

TEST(AquariumSettings, EveryFieldIsZeroBeforeAnythingIsLoaded)
{
    const AquariumSettings settings;
    const auto* words = reinterpret_cast<const int32_t*>(&settings);
    for (size_t i = 0; i < sizeof(AquariumSettings) / sizeof(int32_t); ++i)
        EXPECT_EQ(words[i], 0) << "word " << i; // 0.0f is all-zero bits too
}

TEST(AquariumSettings, DefaultsAreWhatAMissingFileYields)
{
    const AquariumSettings settings = AquariumSettings::Defaults();
    EXPECT_EQ(settings.fogSetting, 100); // no fog
    EXPECT_EQ(settings.lightSetting, 0); // full light
    EXPECT_EQ(settings.bubbleSetting, 0);
    EXPECT_EQ(settings.background, 0);
    EXPECT_EQ(settings.showTerra, 0);
    for (int s = 0; s < kSpeciesCount; ++s)
        EXPECT_EQ(settings.fishCount[s], 0);
}

TEST(AquariumSettings, BulkUpdateCopiesEverythingButFishCountsAndSavedPhases)
{
    AquariumSettings live;
    const int32_t counts[kSpeciesCount] = {3, 0, 7, 50, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12};
    live.StoreFishCounts(counts);
    live.currentFrontPhase = 1.25f;
    live.currentBackPhase = 2.5f;

    AquariumSettings fromDialog;
    fromDialog.showWater = 1;
    fromDialog.frontColour = 16777215;
    fromDialog.frontPhaseSaved = 3.0f;
    fromDialog.backColour1 = 65280;
    fromDialog.backPhaseSaved = 4.0f;
    fromDialog.volume = 65535;
    fromDialog.background = 1;
    fromDialog.fishCount[0] = 40; // must not reach the live record
    fromDialog.fogSetting = 25;
    fromDialog.lightSetting = 60;

    live.BulkUpdate(fromDialog);

    EXPECT_EQ(live.showWater, 1);
    EXPECT_EQ(live.frontColour, 16777215);
    EXPECT_EQ(live.backColour1, 65280);
    EXPECT_EQ(live.volume, 65535);
    EXPECT_EQ(live.background, 1);
    EXPECT_EQ(live.fogSetting, 25);
    EXPECT_EQ(live.lightSetting, 60);
    for (int s = 0; s < kSpeciesCount; ++s)
        EXPECT_EQ(live.fishCount[s], counts[s]) << "species " << s;
    EXPECT_EQ(live.frontPhaseSaved, 0.0f);
    EXPECT_EQ(live.backPhaseSaved, 0.0f);
    // The published phases belong to the colour animation and survive the update.
    EXPECT_EQ(live.currentFrontPhase, 1.25f);
    EXPECT_EQ(live.currentBackPhase, 2.5f);
}

TEST(AquariumSettings, StoredFishCountsAboveFiftyBecomeFifty)
{
    AquariumSettings settings;
    int32_t counts[kSpeciesCount] = {};
    counts[3] = 75;
    counts[4] = 50;
    counts[5] = 49;
    counts[14] = 2147483647;
    settings.StoreFishCounts(counts);
    EXPECT_EQ(settings.fishCount[3], 50);
    EXPECT_EQ(settings.fishCount[4], 50);
    EXPECT_EQ(settings.fishCount[5], 49);
    EXPECT_EQ(settings.fishCount[14], 50);
    EXPECT_EQ(settings.fishCount[0], 0);
}
