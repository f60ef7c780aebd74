// SettingsPanel.h -- what the settings dialog shows and does, kept apart from any window.
//
// The settings dialog is a thin window around one CSettingsPanelState: it shows the state's
// sliders, boxes, colours and previews, and forwards every click, slider move and timer tick to
// it. Everything the dialog decides lives here, so it runs and is tested without a screen.
//
// The state applies itself continuously: every 100 ms tick puts all its values into the settings
// record, so the tank follows each change within a tenth of a second and nothing needs
// confirming. The settings file gets the same values, but only when they differ from what was
// last written there, so an idle dialog does not rewrite the disk ten times a second; a write
// that fails is tried again on the next tick and reported once.
//
// Check boxes, the mode boxes and the colours are held as the dialog's controls would hold them;
// the record is only ever written whole, from Values().
#pragma once

#include "platform/ErrorReport.h"
#include "ui/AquariumSettings.h"

#include <cstdint>
#include <functional>
#include <optional>

class CSettingsFile;

// The three colour modes of a group; exactly one box of a group is checked once one was chosen.
// The foreground's gradual box is never shown, but its key passes through the dialog unchanged.
enum class ColourMode
{
    Fixed,   // "Fix Color"
    Gradual, // "Gradually Color"
    Auto,    // "Auto Gradually Color"
};

enum class ColourGroup
{
    Foreground,
    Background,
};

// The six colour buttons, by their control ids.
enum class ColourButton
{
    FrontColour = 1015,  // "FRONTCOLOR"
    BackColour = 1016,   // "BACKCOLOR"
    FrontColour1 = 1017, // "FRONT COLOR1", hidden
    FrontColour2 = 1018, // "FRONT COLOR2", hidden
    BackColour1 = 1019,  // "BACK COLOR1", gradual top
    BackColour2 = 1020,  // "BACK COLOR2", gradual bottom
};

// The plain check boxes: a click toggles them and nothing else.
enum class SettingsCheck
{
    ShowWater,
    ShowLight,
    ShowTerra,
    LockForeground,
    LockBackground,
};

enum class SettingsSlider
{
    Volume,  // "YINLIANG", attenuation 0..65535
    Bubbles, // "QIPAONUM", bubbles withheld 0..200
    Fog,     // "FOGNONGDU", 0..100, 100 is no fog
    Light,   // "LIGHTQIANGDU", darkening 0..100
};

struct SliderRange
{
    int32_t min;
    int32_t max;
};

class CSettingsPanelState
{
public:
    // Receives the "YINLIANG" attenuation (output level 65535 minus it) whenever a slider moves;
    // the shell hands it to the running sound.
    using VolumeSink = std::function<void(int32_t attenuation)>;

    static constexpr int32_t kVariantPlants = 0;
    static constexpr int32_t kVariantPicture = 1;
    static constexpr int kTickMilliseconds = 100;

    // `record` and `file` outlive the state. Failures to read or write the file go to `report`,
    // once each until the file works again.
    CSettingsPanelState(AquariumSettings& record, CSettingsFile& file, VolumeSink applyVolume = {},
                        ErrorReport report = ReportToStandardError);

    // The dialog's initialisation: colour buttons black except "BACKCOLOR" white, the automatic box
    // of each group and the three "Show" boxes checked, the locks unchecked, then Load() and the
    // scene variant shown. The shell starts its 100 ms timer afterwards.
    void Open();

    // Reads every key of "Aquarium Settings" and shows it (also the hidden "R" button). A mode key
    // of exactly 1 selects its mode as a click would; a group whose keys are all 0 keeps what it
    // had. Loading also resets the published phases to the saved ones. When the file is there but
    // cannot be read, the values come from the record instead (what the tank shows now), so that
    // the next save cannot overwrite the user's choices with defaults.
    void Load();

    // The 100 ms timer: puts Values() into the record, and into the file when they differ from what
    // the file was last given successfully.
    void Tick();

    // A close request: one more save, as a tick. ESC needs nothing: the last tick holds the state.
    void Close() { Tick(); }

    // Slider positions; moving one clamps it to its range and hands the volume to the sound.
    static SliderRange Range(SettingsSlider slider);
    int32_t Slider(SettingsSlider slider) const;
    void MoveSlider(SettingsSlider slider, int32_t position);

    bool IsChecked(SettingsCheck check) const;
    void Toggle(SettingsCheck check);

    // Mode boxes: selecting one checks it and clears the other two of its group.
    bool IsModeChecked(ColourGroup group, ColourMode mode) const;
    void SelectMode(ColourGroup group, ColourMode mode);

    // The colour shown on a button, 0x00BBGGRR. Choosing one (the colour dialog confirmed) also
    // selects the button's mode: the fixed mode for 1015 and 1016, the background gradual mode
    // for 1019 and 1020, nothing for the hidden 1017 and 1018.
    int32_t Colour(ColourButton button) const;
    void ChooseColour(ColourButton button, int32_t colour);

    // Scene variant and its two arrow buttons. The preview shown is 0 or 1, or -1 while neither
    // was shown yet; a variant other than 0 or 1 (from a hand-edited file) changes no control.
    int32_t SceneVariant() const { return sceneVariant; }
    void PreviousVariant();
    void NextVariant();
    int ShownPreview() const { return shownPreview; }
    bool PreviousEnabled() const { return previousEnabled; }
    bool NextEnabled() const { return nextEnabled; }

    // What the next tick writes: every field but the fish counts, which the record keeps, and the
    // saved phases, which the file takes from the record's published phases.
    AquariumSettings Values() const;

private:
    static constexpr int kModeCount = 3;

    void ShowVariant();
    // The member behind a box or a button, for reading and writing alike.
    static int32_t CSettingsPanelState::*SliderMember(SettingsSlider slider);
    static bool CSettingsPanelState::*CheckMember(SettingsCheck check);
    static int32_t CSettingsPanelState::*ColourMember(ColourButton button);

    AquariumSettings& record;
    CSettingsFile& file;
    VolumeSink applyVolume;
    ErrorReport report;

    int32_t volume = 32767;
    int32_t bubbles = 100;
    int32_t fog = 100;
    int32_t light = 0;
    int32_t sceneVariant = kVariantPlants;

    int32_t frontColour = 0;
    int32_t frontColour1 = 0;
    int32_t frontColour2 = 0;
    int32_t backColour = 0xFFFFFF;
    int32_t backColour1 = 0;
    int32_t backColour2 = 0;

    bool showWater = true;
    bool showLight = true;
    bool showTerra = true;
    bool lockForeground = false;
    bool lockBackground = false;
    bool frontModes[kModeCount] = {false, false, true}; // indexed by ColourMode
    bool backModes[kModeCount] = {false, false, true};

    int shownPreview = -1;
    bool previousEnabled = true;
    bool nextEnabled = true;

    // The keys the file was last given successfully, the saved phases holding the published ones
    // and the fish counts 0; empty until the first successful write.
    std::optional<AquariumSettings> lastWritten;
    bool readFailureReported = false;
    bool writeFailureReported = false;
};
