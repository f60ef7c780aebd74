// SettingsFile.cpp -- keys, value texts and conversions of the settings file.
#include "ui/SettingsFile.h"

#include <cfloat>
#include <charconv>
#include <utility>

namespace {
constexpr const char* kSettingsSection = "Aquarium Settings";
constexpr const char* kFishSection = "Fish Number";
constexpr const char* kFogKey = "FOGNONGDU";
constexpr int32_t kFogWhenMissing = 100; // no fog

enum class ValueKind
{
    Flag,   // "1" or "0"
    Colour, // 0x00BBGGRR in decimal
    Number, // any other integer, in decimal
    Phase,  // radians, six decimals
};

struct SettingsKey
{
    const char* key;
    ValueKind kind;
    int32_t AquariumSettings::*number = nullptr;   // flags, colours, numbers
    float AquariumSettings::*savedPhase = nullptr; // phases: what the load fills
    float AquariumSettings::*published = nullptr;  // phases: what Save all writes
};

// The keys of "Aquarium Settings" in the order the file is read and written.
const SettingsKey kSettingsKeys[] = {
    {"Show Water", ValueKind::Flag, &AquariumSettings::showWater},
    {"Show Light", ValueKind::Flag, &AquariumSettings::showLight},
    {"Show Terra", ValueKind::Flag, &AquariumSettings::showTerra},
    {"FRONT GUDING", ValueKind::Flag, &AquariumSettings::frontFixed},
    {"FRONTCOLOR", ValueKind::Colour, &AquariumSettings::frontColour},
    {"FRONT MANJIANBIAN", ValueKind::Flag, &AquariumSettings::frontGradual},
    {"FRONT COLOR1", ValueKind::Colour, &AquariumSettings::frontColour1},
    {"FRONT COLOR2", ValueKind::Colour, &AquariumSettings::frontColour2},
    {"FRONT AUTOJIANBIAN", ValueKind::Flag, &AquariumSettings::frontAuto},
    {"CHECK LOCKFORE", ValueKind::Flag, &AquariumSettings::frontLock},
    {"LOCKFORE ROT", ValueKind::Phase, nullptr, &AquariumSettings::frontPhaseSaved,
     &AquariumSettings::currentFrontPhase},
    {"BACK GUDING", ValueKind::Flag, &AquariumSettings::backFixed},
    {"BACKCOLOR", ValueKind::Colour, &AquariumSettings::backColour},
    {"BACK MANJIANBIAN", ValueKind::Flag, &AquariumSettings::backGradual},
    {"BACK COLOR1", ValueKind::Colour, &AquariumSettings::backColour1},
    {"BACK COLOR2", ValueKind::Colour, &AquariumSettings::backColour2},
    {"BACK AUTOJIANBIAN", ValueKind::Flag, &AquariumSettings::backAuto},
    {"CHECK LOCKBACK", ValueKind::Flag, &AquariumSettings::backLock},
    {"LOCKBACK ROT", ValueKind::Phase, nullptr, &AquariumSettings::backPhaseSaved, &AquariumSettings::currentBackPhase},
    {"YINLIANG", ValueKind::Number, &AquariumSettings::volume},
    {"QIPAONUM", ValueKind::Number, &AquariumSettings::bubbleSetting},
    {"BACKGROUND", ValueKind::Number, &AquariumSettings::background},
    {kFogKey, ValueKind::Number, &AquariumSettings::fogSetting},
    {"LIGHTQIANGDU", ValueKind::Number, &AquariumSettings::lightSetting},
};

std::string FishKey(int species)
{
    return "Fish" + std::to_string(species);
}

bool IsLeadingBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The number of a key as the load reads it; only the fog has a value for "nothing written".
int32_t NumberOfText(std::string_view key, const std::string& text)
{
    if (text.empty() && key == kFogKey)
        return kFogWhenMissing;
    return CSettingsFile::TextToNumber(text);
}
// Moves i past leading blanks and an optional sign; true when the sign was '-'.
bool SkipBlanksAndSign(std::string_view text, size_t& i)
{
    while (i < text.size() && IsLeadingBlank(text[i]))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        return text[i++] == '-';
    return false;
}
} // namespace

CSettingsFile::CSettingsFile(std::string path) : profile(std::move(path)) {}

// ---------------------------------------------------------------------------------------------
// Conversions

int32_t CSettingsFile::TextToNumber(std::string_view text)
{
    size_t i = 0;
    const bool negative = SkipBlanksAndSign(text, i);
    // Digits past the 32-bit range only keep the magnitude beyond it: the result is clamped.
    constexpr int64_t kBeyondRange = int64_t{INT32_MAX} + 2;
    int64_t magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (magnitude < kBeyondRange)
            magnitude = magnitude * 10 + (text[i] - '0');
    }
    if (negative)
        return magnitude > -int64_t{INT32_MIN} ? INT32_MIN : static_cast<int32_t>(-magnitude);
    return magnitude > INT32_MAX ? INT32_MAX : static_cast<int32_t>(magnitude);
}

float CSettingsFile::TextToPhase(std::string_view text)
{
    size_t i = 0;
    const bool negative = SkipBlanksAndSign(text, i);

    // Scan the longest decimal number and where its first significant digit stands, so that an
    // out-of-range number can be told apart as too large or too small.
    const size_t start = i;
    int64_t leadingPower = 0; // the power of ten of the first non-zero digit, plus one
    bool anyDigit = false;
    bool significant = false;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        anyDigit = true;
        significant = significant || text[i] != '0';
        if (significant && leadingPower < INT32_MAX)
            ++leadingPower;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            anyDigit = true;
            if (!significant && text[i] == '0' && leadingPower > INT32_MIN)
                --leadingPower;
            significant = significant || text[i] != '0';
        }
    }
    if (!anyDigit)
        return 0.0f;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t e = i + 1;
        bool negativeExponent = false;
        if (e < text.size() && (text[e] == '+' || text[e] == '-'))
            negativeExponent = text[e++] == '-';
        if (e < text.size() && IsDigit(text[e])) {
            int64_t exponent = 0;
            for (; e < text.size() && IsDigit(text[e]); ++e) {
                if (exponent < INT32_MAX)
                    exponent = exponent * 10 + (text[e] - '0');
            }
            leadingPower += negativeExponent ? -exponent : exponent;
            i = e;
        }
    }

    float value = 0.0f;
    const std::errc error = std::from_chars(text.data() + start, text.data() + i, value).ec;
    if (error == std::errc::result_out_of_range)
        value = leadingPower > 0 ? FLT_MAX : 0.0f;
    else if (error != std::errc())
        value = 0.0f;
    return negative ? -value : value;
}

std::string CSettingsFile::PhaseToText(float phase)
{
    char text[400]; // "%f" of the largest float is 46 characters; of a double, 300 or so
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, static_cast<double>(phase), std::chars_format::fixed, 6);
    if (error != std::errc())
        return "0.000000";
    return std::string(text, end);
}

// ---------------------------------------------------------------------------------------------
// Operations

bool CSettingsFile::LoadAll(AquariumSettings& settings)
{
    const bool readable = profile.Load() != CProfileFile::State::Failed;
    for (const SettingsKey& key : kSettingsKeys) {
        const std::string text = profile.GetString(kSettingsSection, key.key);
        if (key.kind == ValueKind::Phase)
            settings.*key.savedPhase = TextToPhase(text);
        else
            settings.*key.number = NumberOfText(key.key, text);
    }
    for (int s = 0; s < kSpeciesCount; ++s) {
        const int32_t count = TextToNumber(profile.GetString(kFishSection, FishKey(s)));
        settings.fishCount[s] = count > kMaxFishPerSpecies ? kMaxFishPerSpecies : count;
    }
    return readable;
}

bool CSettingsFile::SaveAll(AquariumSettings& record, const AquariumSettings& values)
{
    if (profile.Load() != CProfileFile::State::Failed) {
        for (const SettingsKey& key : kSettingsKeys) {
            std::string text;
            switch (key.kind) {
            case ValueKind::Flag:
                text = values.*key.number != 0 ? "1" : "0";
                break;
            case ValueKind::Colour:
            case ValueKind::Number:
                text = std::to_string(values.*key.number);
                break;
            case ValueKind::Phase:
                text = PhaseToText(record.*key.published);
                break;
            }
            profile.SetString(kSettingsSection, key.key, text);
        }
    }
    // All 24 keys go out in one replacement of the file, or none of them do.
    const bool saved = profile.Save();
    record.BulkUpdate(values);
    return saved;
}

bool CSettingsFile::SaveFishCounts(AquariumSettings& record, const int32_t (&counts)[kSpeciesCount])
{
    if (profile.Load() != CProfileFile::State::Failed) {
        for (int s = 0; s < kSpeciesCount; ++s)
            profile.SetString(kFishSection, FishKey(s), std::to_string(counts[s]));
    }
    const bool saved = profile.Save();
    record.StoreFishCounts(counts);
    return saved;
}

std::array<int32_t, kSpeciesCount> CSettingsFile::ReadSavedFishCounts()
{
    profile.Load();
    std::array<int32_t, kSpeciesCount> counts{};
    for (int s = 0; s < kSpeciesCount; ++s)
        counts[s] = TextToNumber(profile.GetString(kFishSection, FishKey(s)));
    return counts;
}

int32_t CSettingsFile::ReadNumber(const std::string& key)
{
    return NumberOfText(key, profile.ReadString(kSettingsSection, key));
}

float CSettingsFile::ReadPhase(const std::string& key)
{
    return TextToPhase(profile.ReadString(kSettingsSection, key));
}
