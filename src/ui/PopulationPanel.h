// PopulationPanel.h -- what the population dialog shows and does, kept apart from any window.
//
// The population dialog is a thin window around one CPopulationPanelState: it paints the picture
// sheet with Count(i) in each cell and a mark on the selected one, shows TotalText(), and
// forwards clicks, buttons, mnemonic keys and its 500 ms timer here.
//
// The dialog's counts are the file's counts as written, without the limit of 50 per species: a
// hand-edited Fish3=75 shows as 75 and counts 75 in the total, and every application writes 75
// back to the file while the tank gets 50 (CSettingsFile::SaveFishCounts). An application always
// stores the counts in the record, and writes the file only when the counts differ from what it
// was last given successfully; a failed write is tried again at the next one and reported once.
#pragma once

#include "platform/ErrorReport.h"
#include "ui/AquariumSettings.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class CSettingsFile;

struct CellRect
{
    int left;
    int top;
    int right; // exclusive
    int bottom;
};

class CPopulationPanelState
{
public:
    static constexpr int kNoCell = -1;
    static constexpr int kCellWidth = 100; // pixels of the picture sheet
    static constexpr int kCellHeight = 90;
    static constexpr int kColumns = 5;
    static constexpr int kCountSquare = 20; // the square at a cell's top left that shows its count
    static constexpr int kTickMilliseconds = 500;

    // `record` and `file` outlive the state.
    CPopulationPanelState(AquariumSettings& record, CSettingsFile& file, ErrorReport report = ReportToStandardError);

    // The dialog's initialisation: the counts as the file holds them, or the record's live counts
    // when the file is there but cannot be read. The shell starts its 500 ms timer afterwards.
    void Open();

    // Cell i of the sheet, species i: 100 x 90 pixels, offset by 2 from the sheet's corner.
    static CellRect Cell(int species);
    // The square to repaint when a count changes.
    static CellRect CountSquare(int species);
    // The cell under a client point: 0..24 on the five-column grid above y = 450 (cells 15..24 lie
    // below the pictures: selectable, but no species), kNoCell anywhere else.
    static int CellAt(int x, int y);

    // Left button down: selects the cell under the point, or nothing outside the grid.
    void Click(int x, int y);
    // Left double click: its first click selected the cell already; adds one fish there.
    void DoubleClick(int x, int y);
    // Right double click: deletes one fish of the selected species, wherever the pointer is.
    void RightDoubleClick() { Delete(); }

    // The four buttons. Add and Delete act on the selected species only, Add only while the total
    // is below 50; Random clears the selection, Clear keeps it.
    void Add();
    void Delete();
    void Randomize();
    void Clear();
    // A key-down of a button's mnemonic ('A', 'D', 'R', 'C', either case) runs that button; returns
    // whether the key was one of them, and so consumed.
    bool PressKey(int key);

    // The 500 ms timer, and OK (Enter) or the caption's close before the dialog ends. Cancel (Esc)
    // ends without applying: the timer's applications stay.
    void Apply();
    void Accept() { Apply(); }

    int Selected() const { return selected; }
    // The count shown in a cell: the dialog's count, which may exceed 50.
    int32_t Count(int species) const { return counts[species]; }
    int64_t Total() const; // counts from a hand-edited file may be any 32-bit values
    // "Total: 12   (Max:50)"
    std::string TotalText() const;

private:
    AquariumSettings& record;
    CSettingsFile& file;
    ErrorReport report;

    int32_t counts[kSpeciesCount] = {}; // species 0..14 in catalogue order
    int selected = kNoCell;             // 0..24 or kNoCell; only 0..14 are species
    std::optional<std::array<int32_t, kSpeciesCount>> lastWritten;
    bool writeFailureReported = false;
};
