// Tests of the settings file: the conversions, the load, and what each save leaves behind.
#include "ui/SettingsFile.h"
#include "platform/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cstring>
#include <random>

namespace {
class SettingsFileTest : public ::testing::Test
{
protected:
    AquariumSettings Load(const std::string& text)
    {
        WriteWholeFile(path, text);
        AquariumSettings loaded;
        EXPECT_TRUE(file.LoadAll(loaded)) << file.Problem();
        return loaded;
    }

    CScratchFolder scratch;
    std::string path = scratch.path + "/KelporaSet.ini";
    CSettingsFile file{path};
};
} // namespace

TEST(SettingsFileText, NumbersAreTheirBeginningClampedTo32Bits)
{
    EXPECT_EQ(CSettingsFile::TextToNumber(" \t-42xyz"), -42);
    EXPECT_EQ(CSettingsFile::TextToNumber("+7"), 7);
    EXPECT_EQ(CSettingsFile::TextToNumber("150abc"), 150);
    EXPECT_EQ(CSettingsFile::TextToNumber("abc150"), 0);
    EXPECT_EQ(CSettingsFile::TextToNumber("-"), 0);
    EXPECT_EQ(CSettingsFile::TextToNumber("2147483647"), INT32_MAX);
    EXPECT_EQ(CSettingsFile::TextToNumber("2147483648"), INT32_MAX);
    EXPECT_EQ(CSettingsFile::TextToNumber("-2147483648"), INT32_MIN);
    EXPECT_EQ(CSettingsFile::TextToNumber("-99999999999999999999999999999"), INT32_MIN);
    EXPECT_EQ(CSettingsFile::TextToNumber(std::string(5000, '9')), INT32_MAX);
}

TEST(SettingsFileText, PhasesIgnoreTheLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const bool commaLocale = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    EXPECT_EQ(CSettingsFile::TextToPhase(" 1.5"), 1.5f);
    EXPECT_EQ(CSettingsFile::PhaseToText(1.5f), "1.500000");
    std::setlocale(LC_NUMERIC, previous.c_str());
    if (!commaLocale)
        std::printf("note: no locale with a decimal comma is installed\n");

    EXPECT_EQ(CSettingsFile::TextToPhase("-0.25rad"), -0.25f);
    EXPECT_EQ(CSettingsFile::TextToPhase(".5"), 0.5f);
    EXPECT_EQ(CSettingsFile::TextToPhase("2e3"), 2000.0f);
    EXPECT_EQ(CSettingsFile::TextToPhase("3e"), 3.0f);
    EXPECT_EQ(CSettingsFile::TextToPhase("nan"), 0.0f);
    EXPECT_EQ(CSettingsFile::TextToPhase("0x10"), 0.0f);
    EXPECT_EQ(CSettingsFile::TextToPhase("1e999999999999"), FLT_MAX);
    EXPECT_EQ(CSettingsFile::TextToPhase("-1" + std::string(400, '0')), -FLT_MAX);
    EXPECT_EQ(CSettingsFile::TextToPhase("1e-999"), 0.0f);
    EXPECT_EQ(CSettingsFile::PhaseToText(-FLT_MAX).size(), 47u); // "%f" of the largest float
}

TEST_F(SettingsFileTest, MissingFileAndKeysLoadAsZeroWithoutFog)
{
    AquariumSettings loaded;
    loaded.showWater = 5;
    loaded.fishCount[7] = 9;
    EXPECT_TRUE(file.LoadAll(loaded));
    const AquariumSettings defaults = AquariumSettings::Defaults();
    EXPECT_EQ(std::memcmp(&loaded, &defaults, sizeof loaded), 0);

    EXPECT_EQ(Load("[Aquarium Settings]\nFOGNONGDU=\n").fogSetting, 100);
    EXPECT_EQ(Load("[Aquarium Settings]\nFOGNONGDU=0\n").fogSetting, 0);
    EXPECT_EQ(Load("[Aquarium Settings]\nFOGNONGDU=fog\n").fogSetting, 0);
    EXPECT_EQ(file.ReadNumber("FOGNONGDU"), 0);
}

TEST_F(SettingsFileTest, LoadsEveryValueAndLimitsOnlyTheFishCounts)
{
    const AquariumSettings loaded = Load("[Aquarium Settings]\r\nFRONTCOLOR=16777215\r\nBACK COLOR1=65280\r\n"
                                         "QIPAONUM=150bubbles\r\nLOCKBACK ROT=2.718282\r\nYINLIANG=-3\r\n"
                                         "[Fish Number]\r\nFish3=75\r\nFish14=50\r\nFish0=-2\r\n");
    EXPECT_EQ(loaded.frontColour, 0xFFFFFF); // white
    EXPECT_EQ(loaded.backColour1, 0x00FF00); // pure green
    EXPECT_EQ(loaded.bubbleSetting, 150);
    EXPECT_EQ(loaded.backPhaseSaved, 2.718282f);
    EXPECT_EQ(loaded.volume, -3); // not range-checked
    EXPECT_EQ(loaded.fishCount[3], 50);
    EXPECT_EQ(loaded.fishCount[14], 50);
    EXPECT_EQ(loaded.fishCount[0], -2);
    EXPECT_EQ(file.ReadSavedFishCounts()[3], 75);
    EXPECT_EQ(file.ReadPhase("LOCKBACK ROT"), 2.718282f);
}

TEST_F(SettingsFileTest, SaveAllWritesPublishedPhasesAndKeepsThemOutOfTheRecord)
{
    AquariumSettings record = Load("; mine\n[Fish Number]\nFish2=4\n");
    record.currentFrontPhase = 1.2345678f;
    record.currentBackPhase = -6.25f;
    AquariumSettings values;
    values.showWater = 1;
    values.frontColour = 16777215;
    values.fogSetting = 35;
    values.frontPhaseSaved = 9.0f;
    ASSERT_TRUE(file.SaveAll(record, values));

    EXPECT_EQ(ReadWholeFile(path),
              "; mine\n[Fish Number]\nFish2=4\n\n[Aquarium Settings]\nShow Water=1\nShow Light=0\nShow Terra=0\n"
              "FRONT GUDING=0\nFRONTCOLOR=16777215\nFRONT MANJIANBIAN=0\nFRONT COLOR1=0\nFRONT COLOR2=0\n"
              "FRONT AUTOJIANBIAN=0\nCHECK LOCKFORE=0\nLOCKFORE ROT=1.234568\nBACK GUDING=0\nBACKCOLOR=0\n"
              "BACK MANJIANBIAN=0\nBACK COLOR1=0\nBACK COLOR2=0\nBACK AUTOJIANBIAN=0\nCHECK LOCKBACK=0\n"
              "LOCKBACK ROT=-6.250000\nYINLIANG=0\nQIPAONUM=0\nBACKGROUND=0\nFOGNONGDU=35\nLIGHTQIANGDU=0\n");
    EXPECT_EQ(record.frontPhaseSaved, 0.0f);
    EXPECT_EQ(record.fogSetting, 35);
    EXPECT_EQ(record.fishCount[2], 4);

    // An unchanged phase survives the save and a reload.
    AquariumSettings reloaded;
    ASSERT_TRUE(file.LoadAll(reloaded));
    EXPECT_EQ(reloaded.frontPhaseSaved, 1.234568f);
    EXPECT_EQ(reloaded.backPhaseSaved, -6.25f);
    reloaded.currentFrontPhase = reloaded.frontPhaseSaved;
    reloaded.currentBackPhase = reloaded.backPhaseSaved;
    const std::string saved = ReadWholeFile(path);
    ASSERT_TRUE(file.SaveAll(reloaded, values));
    EXPECT_EQ(ReadWholeFile(path), saved);
}

TEST_F(SettingsFileTest, FishCountsAreSavedAsGivenAndStoredLimited)
{
    AquariumSettings record;
    const int32_t counts[kSpeciesCount] = {1, 2, 3, 75, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 50};
    ASSERT_TRUE(file.SaveFishCounts(record, counts));
    EXPECT_EQ(record.fishCount[3], 50);
    EXPECT_EQ(file.ReadSavedFishCounts()[3], 75);
    EXPECT_EQ(ReadWholeFile(path).rfind("[Fish Number]\nFish0=1\nFish1=2\nFish2=3\nFish3=75\nFish4=0\n", 0), 0u);

    // A file that cannot be read is kept, and the record still follows the dialog.
    WriteWholeFile(path, std::string(CProfileFile::kMaxFileBytes + 1, '#'));
    const int32_t fewer[kSpeciesCount] = {4};
    EXPECT_FALSE(file.SaveFishCounts(record, fewer));
    EXPECT_EQ(record.fishCount[0], 4);
    EXPECT_EQ(ReadWholeFile(path).size(), CProfileFile::kMaxFileBytes + 1);
    AquariumSettings loaded;
    EXPECT_FALSE(file.LoadAll(loaded));
    EXPECT_EQ(loaded.fogSetting, 100);
}

TEST_F(SettingsFileTest, DamagedFilesLoadWithoutHarm)
{
    std::mt19937 random(7);
    std::string junk;
    for (int i = 0; i < 200000; ++i)
        junk += static_cast<char>(random());
    const std::string cases[] = {
        "",
        junk,
        "[Aquarium Settings]\n" + junk,
        "[Aquarium Settings]\nYINLIANG=" + std::string(100000, '9') +
            "\nFOGNONGDU=-99999999999\n"
            "LOCKFORE ROT=1e400\n[Fish Number]\nFish1=99999999999999\n",
        "Show Water\n[[[]]]\n====\n[Fish Number]\n=5\nFish3\n",
    };
    for (const std::string& text : cases) {
        const AquariumSettings loaded = Load(text);
        EXPECT_LE(loaded.fishCount[1], kMaxFishPerSpecies);
    }
    const AquariumSettings loaded = Load(cases[3]);
    EXPECT_EQ(loaded.volume, INT32_MAX);
    EXPECT_EQ(loaded.fogSetting, INT32_MIN);
    EXPECT_EQ(loaded.frontPhaseSaved, FLT_MAX);
    EXPECT_EQ(loaded.fishCount[1], 50);
}
