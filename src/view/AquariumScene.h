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
#include "environment/Scenery.h"
#include "fish/FishStore.h"
#include "fish/VertexSink.h"
#include "platform/ErrorReport.h"
#include "platform/OutlineFont.h"
#include "platform/TempDirectory.h"
#include "platform/Vector3.h"
#include "ui/AquariumSettings.h"
#include "ui/SettingsFile.h"
#include "view/CursorMode.h"
#include "view/Projection.h"
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

    AquariumSettings& Settings() { return settings; }
    const AquariumSettings& Settings() const { return settings; }
    // Where the dialogs save the record; it names no file until the set-up has loaded it.
    CSettingsFile& SettingsFile() { return settingsFile; }
    const CameraPosition& Camera() const { return camera; }
    int ScreenWidth() const { return screenWidth; }
    int ScreenHeight() const { return screenHeight; }
    const TankBounds& Bounds() const { return tankBounds; }
    CursorMode Mode() const { return cursorMode; }
    bool HelpVisible() const { return helpVisible; }
    const std::string& TempDirectory() const { return tempDirectory; }
    // Where resources are unpacked: the private folder, ending in '/', or "" for the current folder.
    const std::string& GetTempDirectory() const { return tempDirectory; }
    uint32_t SpeciesTexture(int species) const { return speciesTextures[species]; }
    uint32_t PlantTexture(int slot) const { return plantTextures[slot]; }
    uint32_t BackdropPictureTexture() const { return backdropPictureTexture; }
    CFishStore& Fish() { return fishStore; }
    const CFloorAndLight& FloorAndLight() const { return floorAndLight; }
    const CScenery& Scenery() const { return scenery; }
    const CBubbleSystem& Bubbles() const { return bubbleSystem; }
    const Vector3& BubbleOrigin() const { return bubbleOrigin; }
    // The settings dialog calls this while its volume slider moves (the "YINLIANG" attenuation).
    void SetSoundVolume(int volume) { ambientSound.SetVolume(volume); }
    const CAmbientSound& Sound() const { return ambientSound; }
    const CBackdrop& Backdrop() const { return backdrop; }
    const CPictureSheet& PictureSheet() const { return pictureSheet; }
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
    bool buttonHeld = false;
    bool feedClickPending = false;
    bool helpVisible = true; // the help overlay shows from the first frame
    CursorMode cursorMode = CursorMode::Feed;
    float cameraZoom = -10.0f; // added to the camera's z

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
    CScenery scenery; // the plants; they draw their start values as the scene is constructed
    // Loads its own bubble picture; the bubble texture slot above stays 0.
    CBubbleSystem bubbleSystem{[this](int id, const char* name) { return LoadPicture(id, name); }};
    CAmbientSound ambientSound; // loops from the set-up until the scene ends

    CBackdrop backdrop;         // the backdrop's colour modes and the two automatic colour phases
    CPictureSheet pictureSheet; // the picture backdrop's control net and wave

    CFishStore fishStore;    // 50 records per species; the live counts decide which swim
    CGlVertexSink glSink;    // fish parts send their vertices to GL through it
    COutlineFont helpFont;   // the help overlay's glyph lists; not built when no font could be loaded
};
