// SettingsPanel.cpp -- the settings dialog's load, mode groups, variant buttons and 100 ms save.
#include "ui/SettingsPanel.h"

#include "ui/SettingsFile.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {
int ModeIndex(ColourMode mode)
{
    return static_cast<int>(mode);
}

// The fields of `values` that the file holds, with the phases it would be given: two records
// compare equal exactly when a save of each writes the same keys.
AquariumSettings FileKeys(const AquariumSettings& values, float frontPhase, float backPhase)
{
    AquariumSettings keys = values;
    for (int32_t& count : keys.fishCount)
        count = 0;
    keys.frontPhaseSaved = frontPhase;
    keys.backPhaseSaved = backPhase;
    keys.currentFrontPhase = 0.0f;
    keys.currentBackPhase = 0.0f;
    return keys;
}
} // namespace

CSettingsPanelState::CSettingsPanelState(AquariumSettings& record, CSettingsFile& file, VolumeSink applyVolume,
                                         ErrorReport report)
    : record(record), file(file), applyVolume(std::move(applyVolume)), report(std::move(report))
{
}

void CSettingsPanelState::Open()
{
    frontColour = frontColour1 = frontColour2 = 0;
    backColour = 0xFFFFFF; // white
    backColour1 = backColour2 = 0;
    for (int m = 0; m < kModeCount; ++m) {
        frontModes[m] = m == ModeIndex(ColourMode::Auto);
        backModes[m] = m == ModeIndex(ColourMode::Auto);
    }
    showWater = showLight = showTerra = true;
    lockForeground = lockBackground = false;
    Load(); // shows the loaded scene variant too
}

void CSettingsPanelState::Load()
{
    AquariumSettings loaded;
    const bool readable = file.LoadAll(loaded);
    if (readable) {
        readFailureReported = false;
    } else {
        // A file that is there but unreadable (damaged, too large, not a file) still holds what the
        // user saved; showing defaults now would let the next tick replace it with them.
        if (!readFailureReported)
            report("The settings file " + file.Path() + " " + file.Problem() +
                       ". The settings in use are kept, and changes are not saved to it.",
                   "");
        readFailureReported = true;
        loaded = record;
    }

    // In the order the keys stand in the file, so that of two mode keys of 1 the later wins.
    auto mode = [this](int32_t key, ColourGroup group, ColourMode value) {
        if (key == 1)
            SelectMode(group, value);
    };
    showWater = loaded.showWater == 1;
    showLight = loaded.showLight == 1;
    showTerra = loaded.showTerra == 1;
    mode(loaded.frontFixed, ColourGroup::Foreground, ColourMode::Fixed);
    frontColour = loaded.frontColour;
    mode(loaded.frontGradual, ColourGroup::Foreground, ColourMode::Gradual);
    frontColour1 = loaded.frontColour1;
    frontColour2 = loaded.frontColour2;
    mode(loaded.frontAuto, ColourGroup::Foreground, ColourMode::Auto);
    lockForeground = loaded.frontLock == 1;
    if (readable)
        record.currentFrontPhase = loaded.frontPhaseSaved;
    mode(loaded.backFixed, ColourGroup::Background, ColourMode::Fixed);
    backColour = loaded.backColour;
    mode(loaded.backGradual, ColourGroup::Background, ColourMode::Gradual);
    backColour1 = loaded.backColour1;
    backColour2 = loaded.backColour2;
    mode(loaded.backAuto, ColourGroup::Background, ColourMode::Auto);
    lockBackground = loaded.backLock == 1;
    if (readable)
        record.currentBackPhase = loaded.backPhaseSaved;
    // The sliders cannot stand outside their ranges, and saving what they show keeps the record
    // inside them too: a volume beyond 65535 would give the sound a negative level.
    auto position = [](SettingsSlider slider, int32_t value) {
        return std::clamp(value, Range(slider).min, Range(slider).max);
    };
    volume = position(SettingsSlider::Volume, loaded.volume);
    bubbles = position(SettingsSlider::Bubbles, loaded.bubbleSetting);
    sceneVariant = loaded.background;
    fog = position(SettingsSlider::Fog, loaded.fogSetting);
    light = position(SettingsSlider::Light, loaded.lightSetting);
    ShowVariant();
}

void CSettingsPanelState::Tick()
{
    const AquariumSettings values = Values();
    const AquariumSettings keys = FileKeys(values, record.currentFrontPhase, record.currentBackPhase);
    // The record has no padding (39 consecutive fields), so equal bytes are equal keys.
    const bool unchanged = lastWritten && std::memcmp(&*lastWritten, &keys, sizeof keys) == 0;
    if (unchanged) {
        record.BulkUpdate(values);
        return;
    }
    if (file.SaveAll(record, values)) {
        lastWritten = keys;
        writeFailureReported = false;
        return;
    }
    // An unreadable file was reported at the load already, and is never replaced.
    if (!writeFailureReported && !readFailureReported)
        report("The settings could not be saved: the file " + file.Path() + " " + file.Problem() +
                   ". The aquarium uses them until it ends.",
               "");
    writeFailureReported = true;
}

SliderRange CSettingsPanelState::Range(SettingsSlider slider)
{
    switch (slider) {
    case SettingsSlider::Volume:
        return {0, 65535};
    case SettingsSlider::Bubbles:
        return {0, 200};
    case SettingsSlider::Fog:
    case SettingsSlider::Light:
        break;
    }
    return {0, 100};
}

int32_t CSettingsPanelState::*CSettingsPanelState::SliderMember(SettingsSlider slider)
{
    switch (slider) {
    case SettingsSlider::Volume:
        return &CSettingsPanelState::volume;
    case SettingsSlider::Bubbles:
        return &CSettingsPanelState::bubbles;
    case SettingsSlider::Fog:
        return &CSettingsPanelState::fog;
    case SettingsSlider::Light:
        break;
    }
    return &CSettingsPanelState::light;
}

int32_t CSettingsPanelState::Slider(SettingsSlider slider) const
{
    return this->*SliderMember(slider);
}

void CSettingsPanelState::MoveSlider(SettingsSlider slider, int32_t position)
{
    const SliderRange range = Range(slider);
    this->*SliderMember(slider) = std::clamp(position, range.min, range.max);
    // Any slider move sets the sound at once, without waiting for the tick.
    if (applyVolume)
        applyVolume(volume);
}

bool CSettingsPanelState::*CSettingsPanelState::CheckMember(SettingsCheck check)
{
    switch (check) {
    case SettingsCheck::ShowWater:
        return &CSettingsPanelState::showWater;
    case SettingsCheck::ShowLight:
        return &CSettingsPanelState::showLight;
    case SettingsCheck::ShowTerra:
        return &CSettingsPanelState::showTerra;
    case SettingsCheck::LockForeground:
        return &CSettingsPanelState::lockForeground;
    case SettingsCheck::LockBackground:
        break;
    }
    return &CSettingsPanelState::lockBackground;
}

bool CSettingsPanelState::IsChecked(SettingsCheck check) const
{
    return this->*CheckMember(check);
}

void CSettingsPanelState::Toggle(SettingsCheck check)
{
    bool& box = this->*CheckMember(check);
    box = !box;
}

bool CSettingsPanelState::IsModeChecked(ColourGroup group, ColourMode mode) const
{
    const bool* modes = group == ColourGroup::Foreground ? frontModes : backModes;
    return modes[ModeIndex(mode)];
}

void CSettingsPanelState::SelectMode(ColourGroup group, ColourMode mode)
{
    bool* modes = group == ColourGroup::Foreground ? frontModes : backModes;
    for (int m = 0; m < kModeCount; ++m)
        modes[m] = m == ModeIndex(mode);
}

int32_t CSettingsPanelState::*CSettingsPanelState::ColourMember(ColourButton button)
{
    switch (button) {
    case ColourButton::FrontColour:
        return &CSettingsPanelState::frontColour;
    case ColourButton::BackColour:
        return &CSettingsPanelState::backColour;
    case ColourButton::FrontColour1:
        return &CSettingsPanelState::frontColour1;
    case ColourButton::FrontColour2:
        return &CSettingsPanelState::frontColour2;
    case ColourButton::BackColour1:
        return &CSettingsPanelState::backColour1;
    case ColourButton::BackColour2:
        break;
    }
    return &CSettingsPanelState::backColour2;
}

int32_t CSettingsPanelState::Colour(ColourButton button) const
{
    return this->*ColourMember(button);
}

void CSettingsPanelState::ChooseColour(ColourButton button, int32_t colour)
{
    this->*ColourMember(button) = colour;
    switch (button) {
    case ColourButton::FrontColour:
        SelectMode(ColourGroup::Foreground, ColourMode::Fixed);
        break;
    case ColourButton::BackColour:
        SelectMode(ColourGroup::Background, ColourMode::Fixed);
        break;
    case ColourButton::BackColour1:
    case ColourButton::BackColour2:
        SelectMode(ColourGroup::Background, ColourMode::Gradual);
        break;
    case ColourButton::FrontColour1:
    case ColourButton::FrontColour2:
        break;
    }
}

void CSettingsPanelState::PreviousVariant()
{
    if (sceneVariant > kVariantPlants)
        --sceneVariant;
    ShowVariant();
}

void CSettingsPanelState::NextVariant()
{
    if (sceneVariant < kVariantPicture)
        ++sceneVariant;
    ShowVariant();
}

void CSettingsPanelState::ShowVariant()
{
    if (sceneVariant != kVariantPlants && sceneVariant != kVariantPicture)
        return;
    shownPreview = sceneVariant;
    previousEnabled = sceneVariant > kVariantPlants;
    nextEnabled = sceneVariant < kVariantPicture;
}

AquariumSettings CSettingsPanelState::Values() const
{
    AquariumSettings values = record; // keeps the fish counts and the published phases
    values.showWater = showWater;
    values.showLight = showLight;
    values.showTerra = showTerra;
    values.frontFixed = frontModes[ModeIndex(ColourMode::Fixed)];
    values.frontColour = frontColour;
    values.frontGradual = frontModes[ModeIndex(ColourMode::Gradual)];
    values.frontColour1 = frontColour1;
    values.frontColour2 = frontColour2;
    values.frontAuto = frontModes[ModeIndex(ColourMode::Auto)];
    values.frontLock = lockForeground;
    values.frontPhaseSaved = 0.0f;
    values.backFixed = backModes[ModeIndex(ColourMode::Fixed)];
    values.backColour = backColour;
    values.backGradual = backModes[ModeIndex(ColourMode::Gradual)];
    values.backColour1 = backColour1;
    values.backColour2 = backColour2;
    values.backAuto = backModes[ModeIndex(ColourMode::Auto)];
    values.backLock = lockBackground;
    values.backPhaseSaved = 0.0f;
    values.volume = volume;
    values.bubbleSetting = bubbles;
    values.background = sceneVariant;
    values.fogSetting = fog;
    values.lightSetting = light;
    return values;
}
