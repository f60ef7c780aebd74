// SettingsFile.h -- the settings record on disk: KelporaSet.ini and the operations on it.
//
// The file is a private-profile file (CProfileFile) with two sections:
//
//   [Aquarium Settings]   the 24 keys of the record other than the fish counts, in record order
//   [Fish Number]         Fish0 .. Fish14, the live count of each species in catalogue order
//
// Values are text: flags "1" or "0", colours and other integers in decimal, the two colour
// phases with six decimals. Reading converts the beginning of the text that looks like a number
// and ignores the rest, so a hand-edited or damaged file always loads: a key with no number in
// it reads as 0 (0.0 for a phase), except a missing or empty "FOGNONGDU", which reads as 100
// (no fog). Numbers beyond the 32-bit range are clamped to it. Nothing else is range-checked
// except the fish counts, which load as at most kMaxFishPerSpecies.
//
// The start-up load fills the record; the settings dialog saves all keys, the population dialog
// the fish counts. Every operation reads the file afresh, so the two dialogs never undo each
// other's keys, and every save replaces the file in one atomic step. A save updates the record
// even when the file cannot be written, so the tank always shows what the dialog shows.
#pragma once

#include "platform/ProfileFile.h"
#include "ui/AquariumSettings.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class CSettingsFile
{
public:
    explicit CSettingsFile(std::string path = "");

    // Fills every field of `settings` from the file; the published phases are left alone. A missing
    // file fills what AquariumSettings::Defaults() holds. Returns false when the file is there but
    // cannot be read; `settings` then holds the defaults too, and Problem() says why.
    bool LoadAll(AquariumSettings& settings);

    // Writes every key of "Aquarium Settings" from `values`, the phases from the ones `record`
    // publishes, then bulk-updates `record` with `values` (so the saved phases become 0.0 in
    // memory and the fish counts stay). Returns whether the file now holds the values.
    bool SaveAll(AquariumSettings& record, const AquariumSettings& values);

    // Writes Fish0 .. Fish14 as given, even above 50, then stores them in `record`, where counts
    // above kMaxFishPerSpecies become that. Returns whether the file now holds the counts.
    bool SaveFishCounts(AquariumSettings& record, const int32_t (&counts)[kSpeciesCount]);

    // The fish counts as the file holds them, without the limit of 50.
    std::array<int32_t, kSpeciesCount> ReadSavedFishCounts();

    // One key of "Aquarium Settings", converted as the load converts it: flags, colours and
    // integers with ReadNumber (where "FOGNONGDU" read as "" gives 100), the two phases
    // ("LOCKFORE ROT", "LOCKBACK ROT") with ReadPhase.
    int32_t ReadNumber(const std::string& key);
    float ReadPhase(const std::string& key);

    const std::string& Path() const { return profile.Path(); }
    // Why the last operation could not read or write the file; "" after a success.
    const std::string& Problem() const { return profile.Problem(); }

    // Leading blanks, an optional sign and decimal digits up to the first other character; no
    // digits gives 0, and a number outside the 32-bit range gives the nearest end of it.
    static int32_t TextToNumber(std::string_view text);
    // Leading blanks and a decimal floating-point number ("-1.5", ".5", "2e3"), whatever the
    // locale; the rest is ignored. The float nearest to the number; no number gives 0.0, one
    // beyond the float range the largest float of its sign, one too small for it 0.0.
    static float TextToPhase(std::string_view text);
    // "%f" in the C locale: six decimals, a '.' as the decimal point.
    static std::string PhaseToText(float phase);

private:
    CProfileFile profile;
};
