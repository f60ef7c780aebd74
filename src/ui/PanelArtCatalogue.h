// PanelArtCatalogue.h -- the pictures of the dialogs: frame bitmaps, button icons and the rendered pictures.
//
// One table read by three sides: the art generator paints each picture under its base name at its
// size, the packer packs it under its type, and the dialogs load it by id (PanelArt.h). Ids are
// unique within a type only: "BITMAP" 142 and "ICON" 142 would be different pictures.
// No wx and no GL: the packer and the painter include this header too.
#pragma once

#include <cstdint>

constexpr char kFrameBitmapType[] = "BITMAP";
constexpr char kIconType[] = "ICON";

// The frame painter's pieces. The caption is the left corner, the middle tile repeated up to
// kCaptionRightWidth pixels before the right edge, then the right end, with the close box drawn
// over the right end; the border tile is repeated down both sides and along the bottom, so it
// must look the same tiled either way.
constexpr int kCloseBoxBitmap = 142;
constexpr int kCaptionLeftBitmap = 143;
constexpr int kCaptionTileBitmap = 144;
constexpr int kCaptionRightBitmap = 147;
constexpr int kBorderTileBitmap = 148;

constexpr int kCaptionHeight = 30;     // pixels, the strip's height; the caption text sits at y = 10
constexpr int kCaptionRightWidth = 66; // pixels, the right end, room for the close box
constexpr int kCloseBoxSide = 22;      // pixels
constexpr int kBorderTileSide = 4;     // pixels, the width of the side and bottom borders

// The icons of the toolbar popup's buttons and of the settings dialog's About icon.
constexpr int kFeedIcon = 133;       // "Feed Fish": a food shaker
constexpr int kCameraIcon = 136;     // "Camera ": a camera
constexpr int kSettingsIcon = 137;   // "Aquarium Settings": three sliders
constexpr int kAboutIcon = 138;      // the product mark, a fish beside a kelp frond: opens the About box
constexpr int kTouchIcon = 160;      // "Touch Fish": an open hand
constexpr int kPopulationIcon = 180; // "Add/Delete Fish": a fish with a plus and a minus
constexpr int kRippleIcon = 232;     // "Ripple": a water drop

// The pictures rendered offscreen from the tank itself at build time (tools/snapshots).
constexpr int kPopulationSheetBitmap = 129; // the population dialog's fifteen species pictures
constexpr int kPlantsPreviewBitmap = 159;   // the settings dialog's preview of the plant variant
constexpr int kPicturePreviewBitmap = 156;  // and of the picture variant

constexpr int kPopulationSheetWidth = 500;  // pixels; cells of 100 x 90 in five columns and three rows
constexpr int kPopulationSheetHeight = 512;
constexpr int kPopulationCellWidth = 100;
constexpr int kPopulationCellHeight = 90;
constexpr int kPopulationSheetColumns = 5;
// Twice the dialog units of the previews' picture controls, which show them scaled to fit.
constexpr int kPlantsPreviewWidth = 260;
constexpr int kPicturePreviewWidth = 256;
constexpr int kPreviewHeight = 96;

constexpr int kToolbarIconSide = 40; // pixels, as the toolbar's buttons show them
constexpr int kAboutIconSide = 32;   // pixels, the standard icon size of a dialog's icon control

struct PanelArtEntry
{
    uint16_t id;          // unique within its type
    const char* type;     // kFrameBitmapType or kIconType
    const char* baseName; // the art file is baseName + ".bmp"
    int width;            // pixels
    int height;           // pixels
    bool alpha;           // a 32-bit BMP with straight alpha; otherwise a 24-bit opaque one
    bool rendered = false; // rendered from the tank by tools/snapshots, not painted by tools/art
};

// The two tiles are opaque so that repeating them never shows a seam of the dialog behind; the
// pieces with rounded corners and the icons are transparent around their shapes.
constexpr PanelArtEntry kPanelArtCatalogue[] = {
    {kCloseBoxBitmap, kFrameBitmapType, "FrameCloseBox", kCloseBoxSide, kCloseBoxSide, true},
    {kCaptionLeftBitmap, kFrameBitmapType, "FrameCaptionLeft", 48, kCaptionHeight, true},
    {kCaptionTileBitmap, kFrameBitmapType, "FrameCaptionTile", 16, kCaptionHeight, false},
    {kCaptionRightBitmap, kFrameBitmapType, "FrameCaptionRight", kCaptionRightWidth, kCaptionHeight, true},
    {kBorderTileBitmap, kFrameBitmapType, "FrameBorderTile", kBorderTileSide, kBorderTileSide, false},
    {kFeedIcon, kIconType, "IconFeed", kToolbarIconSide, kToolbarIconSide, true},
    {kCameraIcon, kIconType, "IconCamera", kToolbarIconSide, kToolbarIconSide, true},
    {kSettingsIcon, kIconType, "IconSettings", kToolbarIconSide, kToolbarIconSide, true},
    {kAboutIcon, kIconType, "IconAbout", kAboutIconSide, kAboutIconSide, true},
    {kTouchIcon, kIconType, "IconTouch", kToolbarIconSide, kToolbarIconSide, true},
    {kPopulationIcon, kIconType, "IconPopulation", kToolbarIconSide, kToolbarIconSide, true},
    {kRippleIcon, kIconType, "IconRipple", kToolbarIconSide, kToolbarIconSide, true},
    {kPopulationSheetBitmap, kFrameBitmapType, "PopulationSheet", kPopulationSheetWidth, kPopulationSheetHeight, false,
     true},
    {kPlantsPreviewBitmap, kFrameBitmapType, "PreviewPlants", kPlantsPreviewWidth, kPreviewHeight, false, true},
    {kPicturePreviewBitmap, kFrameBitmapType, "PreviewPicture", kPicturePreviewWidth, kPreviewHeight, false, true},
};

// The catalogue entry of (type, id), or nullptr when there is none.
constexpr const PanelArtEntry* FindPanelArt(const char* type, int id)
{
    for (const PanelArtEntry& entry : kPanelArtCatalogue) {
        if (entry.id != id)
            continue;
        const char* a = entry.type;
        const char* b = type;
        while (*a != '\0' && *a == *b)
            ++a, ++b;
        if (*a == *b)
            return &entry;
    }
    return nullptr;
}
