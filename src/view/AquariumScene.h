// AquariumScene.h -- the whole aquarium behind the view: its one-time set-up and its frame.
//
// The scene owns everything that lives in the tank for the life of the window, allocated once:
// the settings record, the camera, the texture names and, as the tank fills, the fish store,
// the food drops, the plants, the floor and light, the bubbles. It needs nothing but a current
// OpenGL context, so the window shell (CAquariumView), the offscreen render tests and the
// benchmarks all drive the very same code:
//
//     scene.Initialise(screenWidth, screenHeight);   // once, with the context current
//     scene.Tick();                                   // every 20 ms: one frame and its companions
//     swap buffers                                    // the caller owns the drawable
//
// Set-up and frame run their steps in a fixed order; later Parts of the tank fill in the steps
// that are still empty, named for what they will do. The order matters more than it looks: the
// frame relies on GL state left behind by earlier steps and by the previous frame.
#pragma once

#include "environment/AmbientSound.h"
#include "environment/Backdrop.h"
#include "environment/BubbleSystem.h"
#include "environment/FloorAndLight.h"
#include "environment/PictureSheet.h"
#include "environment/RippleGrid.h"
#include "environment/RippleTexture.h"
#include "environment/Scenery.h"
#include "fish/Feeding.h"
#include "fish/FishStore.h"
#include "fish/FoodDrop.h"
#include "fish/GlArraySink.h"
#include "fish/VertexSink.h"
#include "platform/ErrorReport.h"
#include "platform/OutlineFont.h"
#include "platform/TempDirectory.h"
#include "platform/Vector3.h"
#include "ui/AquariumSettings.h"
#include "ui/SettingsFile.h"
#include "view/CursorMode.h"
#include "view/FeedMarkers.h"
#include "view/FrameLevers.h"
#include "view/Projection.h"
#include "view/SelectionPick.h"
#include "view/TankBounds.h"

#include <cstdint>
#include <memory>
#include <string>

class CAquariumScene
{
public:
    explicit CAquariumScene(ErrorReport report = ReportToStandardError);
    ~CAquariumScene();

    CAquariumScene(const CAquariumScene&) = delete;
    CAquariumScene& operator=(const CAquariumScene&) = delete;

    // The one-time set-up, from the help font to the fog. The caller has created the rendering
    // context and made it current. screenWidth and screenHeight are the size of the screen the
    // window is on, in pixels, whatever size the window itself has.
    void Initialise(int screenWidth, int screenHeight);
    bool IsInitialised() const { return initialised; }

    // The window's client area changed: viewport and a provisional projection until the next frame.
    void Resize(int clientWidth, int clientHeight);

    // One timer tick: the camera swing of camera mode, one frame, then the toolbar's mode.
    void Tick();

    // Draws one frame and waits for it to finish (glFinish); the caller swaps the buffers.
    void RenderFrame();

    // Pointer position in client pixels, y downwards.
    void SetMouse(int x, int y)
    {
        mouseX = x;
        mouseY = y;
    }

    // The user's input, as the window hands it on (client pixels, y downwards). Each handler
    // only records what the next frame acts on; the window applies the cursor afterwards.
    void PressLeft(int x, int y);  // feed: a click to resolve; ripple: a ripple from here
    void ReleaseLeft();            // ends a hold in feed and camera modes only
    void ReleaseMiddle();          // cancels a pending feed click and any hold
    void PressRight();             // recorded; the toolbar popup is opened by the window
    // A function key's mode: F2 feed, F3 touch, F4 camera, F5 ripple, F6 hide. It takes effect at
    // once, in the cursor mode and in the toolbar's.
    void SelectMode(CursorMode mode);
    // The toolbar's own buttons: their mode becomes the cursor mode at the end of the next tick.
    void SetToolbarMode(CursorMode mode) { toolbarMode = mode; }
    void ToggleHelp() { helpVisible = !helpVisible; }
    // What applying the mode's cursor does to the scene: ripple mode puts the camera back on its
    // base plane (the ripple grid is placed for an eye there). The window picks the picture.
    void ApplyModeCursor();

    AquariumSettings& Settings() { return settings; }
    const AquariumSettings& Settings() const { return settings; }
    // Where the dialogs save the record; it names no file until the set-up has loaded it.
    CSettingsFile& SettingsFile() { return settingsFile; }
    const CameraPosition& Camera() const { return camera; }
    int ScreenWidth() const { return screenWidth; }
    int ScreenHeight() const { return screenHeight; }
    const TankBounds& Bounds() const { return tankBounds; }
    CursorMode Mode() const { return cursorMode; }
    CursorMode ToolbarMode() const { return toolbarMode; }
    bool ButtonHeld() const { return buttonHeld; }
    bool FeedClickPending() const { return feedClickPending; }
    bool RightButtonPressed() const { return rightButtonPressed; }
    float CameraZoom() const { return cameraZoom; }
    const CFeedMarkers& FeedMarkers() const { return feedMarkers; }
    bool HelpVisible() const { return helpVisible; }
    const std::string& TempDirectory() const { return tempDirectory; }
    // Where resources are unpacked: the private folder, ending in '/', or "" for the current folder.
    const std::string& GetTempDirectory() const { return tempDirectory; }
    uint32_t SpeciesTexture(int species) const { return speciesTextures[species]; }
    uint32_t PlantTexture(int slot) const { return plantTextures[slot]; }
    uint32_t BackdropPictureTexture() const { return backdropPictureTexture; }
    CFishStore& Fish() { return fishStore; }
    // Food drop i, 0 to kFoodDropCount - 1; the feed pass places and activates the first inactive one.
    CFoodDrop& FoodDrop(int i) { return foodDrops[i]; }
    const CFloorAndLight& FloorAndLight() const { return floorAndLight; }

    // The frame's faster paths (FrameLevers.h); from the environment until set.
    void SetLevers(const FrameLevers& chosen) { levers = chosen; }
    const FrameLevers& Levers() const { return levers; }
    const CScenery& Scenery() const { return scenery; }
    const CBubbleSystem& Bubbles() const { return bubbleSystem; }
    const Vector3& BubbleOrigin() const { return bubbleOrigin; }
    // The settings dialog calls this while its volume slider moves (the "YINLIANG" attenuation).
    void SetSoundVolume(int volume) { ambientSound.SetVolume(volume); }
    const CAmbientSound& Sound() const { return ambientSound; }
    const CBackdrop& Backdrop() const { return backdrop; }
    const CPictureSheet& PictureSheet() const { return pictureSheet; }
    // The ripple grid exists from the set-up on; null before it.
    CRippleGrid* RippleGrid() { return rippleGrid.get(); }
    uint32_t RippleTexture() const { return rippleTexture; }
    const COutlineFont& HelpFont() const { return helpFont; }

private:
    // Set-up steps, in the order Initialise runs them.
    void CreateHelpFont();
    void SetGlobalGlState();
    void TakeTempDirectory();
    void ReadScreenSize(int width, int height);
    void RunPictureSheetOnce();
    void LoadTextures();
    uint32_t LoadPicture(int resourceId, const char* baseName);
    void LoadSettings();
    void SetUpFloorAndLight();
    void PopulateScene();
    void PlaceScenery();
    void LayOutFeedMarkers();
    void StartBubbleSystem();
    void BuildSceneryLists();
    void CreateRippleTexture();
    void CreateRippleGrid();
    void ResetFoodDrops();
    void StartSound();
    void SetUpFog();

    // Frame steps, in the order RenderFrame runs them.
    void LoadProjection();
    void LookAtTank();
    void DrawHelpOverlay();
    void ApplyLight();
    void DrawBackdrop();
    void DrawFloorAndLight();
    void DrawBubbles();
    void ApplyFog();
    void DrawPlantScenery();
    void DrawFish();
    void DrawPictureBackdrop();
    // The foreground tint, set right before the plants (step 11) and the picture sheet (step 13).
    void ApplyForegroundColour();
    void DrawFoodDrops();
    void RunFeedPass();
    void RunTouchPass();
    void RunRipplePass();

    // Companions of the frame in a timer tick.
    void SwingCamera();
    void TakeToolbarMode();

    // Live fish of a species: its count from the settings, within 0 and the records there are.
    int LiveCount(int species) const;
    // A ripple from a left press in ripple mode, at the pointer (client pixels, y downwards).
    void AddRipple(int x, int y);
    // Drops food at a resolved feed click: the first drop not in the water, if any.
    void ReleaseFood(float x, float y);
    // The touched fish darts off: a quarter turn in the cruising depths, then full speed.
    static void StartleFish(CFish& fish);

    ErrorReport report;
    bool initialised = false;

    AquariumSettings settings;
    CSettingsFile settingsFile; // the user's KelporaSet.ini, chosen by LoadSettings
    CameraPosition camera;
    TankBounds tankBounds;
    std::unique_ptr<CTempDirectory> privateTemp; // removed with everything in it when the scene ends
    std::string tempDirectory;                   // where resources are unpacked, ending in '/'

    int screenWidth = 1680;  // the screen's size in pixels, read at initialisation
    int screenHeight = 1050;
    int mouseX = 0; // client pixels, y downwards
    int mouseY = 0;
    int clientHeight = 1050; // the drawable's height: pointer y becomes GL window y against it
    // Set by a left press. Feed and camera modes clear it on release; touch mode keeps it until
    // the next touch pass answers the click; ripple and hide modes until a middle release.
    bool buttonHeld = false;
    bool rightButtonPressed = false; // a right press since start; the toolbar popup answers it
    bool feedClickPending = false;
    bool helpVisible = true; // the help overlay shows from the first frame
    CursorMode cursorMode = CursorMode::Feed;
    CursorMode toolbarMode = CursorMode::Feed; // the toolbar popup's own mode
    float cameraZoom = -10.0f; // added to the camera's z
    bool zoomIncreasing = false; // the dolly's direction: starts into the tank

    // A feed click's coordinates, each latched on the first frame a strip lies under the pointer.
    bool feedXFound = false;
    bool feedYFound = false;
    float feedPickX = 0.0f;
    float feedPickY = 0.0f;
    CFeedMarkers feedMarkers;   // laid out with the scene's population
    CSelectionPick selectionPick; // the feed and touch passes' selection buffer

    // Light colours of GL_LIGHT1; the frame rewrites red, green and blue from the light setting.
    float lightAmbient[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float lightDiffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};

    // Texture names; 0 until loaded. Plant slot 2 is never loaded, nor is the bubble slot.
    uint32_t backdropPictureTexture = 0;
    uint32_t speciesTextures[kSpeciesCount] = {};
    uint32_t plantTextures[6] = {};
    uint32_t bubbleTexture = 0;
    uint32_t rippleTexture = 0;

    Vector3 bubbleOrigin; // set by the scene population

    CFloorAndLight floorAndLight;
    FrameLevers levers = FrameLevers::FromEnvironment();
    CScenery scenery; // the plants; they draw their start values as the scene is constructed
    // Loads its own bubble picture; the bubble texture slot above stays 0.
    CBubbleSystem bubbleSystem{[this](int id, const char* name) { return LoadPicture(id, name); }};
    CAmbientSound ambientSound; // loops from the set-up until the scene ends

    CBackdrop backdrop;         // the backdrop's colour modes and the two automatic colour phases
    CPictureSheet pictureSheet; // the picture backdrop's control net and wave

    CFishStore fishStore;    // 50 records per species; the live counts decide which swim
    CGlVertexSink glSink;    // fish parts send their vertices to GL through it
    CGlArraySink arraySink;  // or, with the fishArrays lever, through client arrays

    RippleTextureSize rippleCopy;            // rippleTexture's size and the part of the screen copied into it
    std::unique_ptr<CRippleGrid> rippleGrid; // distorts that copy in ripple mode
    // Only the first kSoughtDropCount drops are sought and eaten from.
    CFoodDrop foodDrops[kFoodDropCount];
    COutlineFont helpFont;   // the help overlay's glyph lists; not built when no font could be loaded
};
