// PopulationPanel.cpp -- the population dialog's selection, count changes and 500 ms application.
#include "ui/PopulationPanel.h"

#include "fish/FishStore.h"
#include "ui/SettingsFile.h"

#include <algorithm>
#include <utility>

namespace {
constexpr int kSheetWidth = CPopulationPanelState::kCellWidth * CPopulationPanelState::kColumns; // 500
constexpr int kGridBottom = 450; // five rows of cells; a click below deselects
} // namespace

CPopulationPanelState::CPopulationPanelState(AquariumSettings& record, CSettingsFile& file, ErrorReport report)
    : record(record), file(file), report(std::move(report))
{
}

void CPopulationPanelState::Open()
{
    selected = kNoCell;
    lastWritten.reset(); // the first application always writes
    const std::array<int32_t, kSpeciesCount> saved = file.ReadSavedFishCounts();
    if (file.Problem().empty()) {
        std::copy(saved.begin(), saved.end(), counts);
        return;
    }
    // The file is there but unreadable: start from what swims now rather than from nothing, so
    // that no application can replace the user's counts with zeros. Saving refuses to replace such
    // a file, and the failure is reported at the first application.
    std::copy(std::begin(record.fishCount), std::end(record.fishCount), counts);
}

CellRect CPopulationPanelState::Cell(int species)
{
    const int left = kCellWidth * (species % kColumns) + 2;
    const int top = kCellHeight * (species / kColumns) + 2;
    return {left, top, left + kCellWidth, top + kCellHeight};
}

CellRect CPopulationPanelState::CountSquare(int species)
{
    const CellRect cell = Cell(species);
    return {cell.left, cell.top, cell.left + kCountSquare, cell.top + kCountSquare};
}

int CPopulationPanelState::CellAt(int x, int y)
{
    // Only points on the five-column grid name a cell: x div 100 past the sheet's right edge would
    // otherwise wrap into the next row and pick another species.
    if (x < 0 || x >= kSheetWidth || y < 0 || y >= kGridBottom)
        return kNoCell;
    return x / kCellWidth + (y / kCellHeight) * kColumns;
}

void CPopulationPanelState::Click(int x, int y)
{
    selected = CellAt(x, y);
}

void CPopulationPanelState::DoubleClick(int x, int y)
{
    Click(x, y);
    Add();
}

void CPopulationPanelState::Add()
{
    AddFish(counts, selected);
}

void CPopulationPanelState::Delete()
{
    DeleteFish(counts, selected);
}

void CPopulationPanelState::Randomize()
{
    RandomizeCounts(counts);
    selected = kNoCell;
}

void CPopulationPanelState::Clear()
{
    ClearCounts(counts);
}

bool CPopulationPanelState::PressKey(int key)
{
    switch (key) {
    case 'A':
    case 'a':
        Add();
        return true;
    case 'D':
    case 'd':
        Delete();
        return true;
    case 'R':
    case 'r':
        Randomize();
        return true;
    case 'C':
    case 'c':
        Clear();
        return true;
    default:
        return false;
    }
}

void CPopulationPanelState::Apply()
{
    std::array<int32_t, kSpeciesCount> current;
    std::copy(std::begin(counts), std::end(counts), current.begin());
    if (lastWritten == current) {
        record.StoreFishCounts(counts);
        return;
    }
    if (file.SaveFishCounts(record, counts)) {
        lastWritten = current;
        writeFailureReported = false;
        return;
    }
    if (!writeFailureReported)
        report("The fish counts could not be saved: the file " + file.Path() + " " + file.Problem() +
                   ". The aquarium uses them until it ends.",
               "");
    writeFailureReported = true;
}

int64_t CPopulationPanelState::Total() const
{
    int64_t total = 0;
    for (int32_t count : counts)
        total += count;
    return total;
}

std::string CPopulationPanelState::TotalText() const
{
    return "Total: " + std::to_string(Total()) + "   (Max:50)";
}
