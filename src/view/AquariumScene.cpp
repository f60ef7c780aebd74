// AquariumScene.cpp -- the scene's set-up sequence and the frame loop, step by step.
#include "view/AquariumScene.h"

#include "environment/PackedResources.h"
#include "environment/ResourceCatalogue.h"
#include "environment/TextureLoader.h"
#include "platform/GLHeaders.h"
#include "platform/SettingsPath.h"
#include "view/HelpOverlay.h"

#include <algorithm>
#include <utility>

namespace {
// Light GL_LIGHT1 stands far to the right, below and in front, fixed relative to the eye.
constexpr float kLightPosition[4] = {1000.0f, -1000.0f, 1000.0f, 1.0f};
constexpr float kLookAtDepth = -500.0f; // the camera looks at (0, 0, kLookAtDepth)
constexpr float kFloorDepth = -40.0f;   // the floor, water glow and rays stand this deep
// The bubble source is floor vertex (columns / 2 - 5, row 10); the column is drawn from 15 units
// below it, 10 behind it, and 10 (plants) or 20 (picture) to its right.
constexpr int kBubbleSourceColumnOffset = 5;
constexpr int kBubbleSourceRow = 10;
constexpr float kBubbleDrop = 15.0f;
// The ripple grid stands this far in front of the eye, scaled to the frustum's cross-section there.
constexpr float kRippleGridDistance = 2.4f;

// Bubbles drawn for a bubble setting: 200 minus it. The file is not validated, so a setting
// outside 0..200 is taken at its limit rather than overflowing the subtraction.
int BubblesShown(int bubbleSetting)
{
    return kBubbleCount - std::clamp(bubbleSetting, 0, kBubbleCount);
}
} // namespace

CAquariumScene::CAquariumScene(ErrorReport report) : report(std::move(report)) {}

// The window shell deletes its context before the scene, and then no context is current (GL
// answers no version): the lists went with the context. Offscreen owners end the scene while
// theirs is still current, and it gets its list names back.
CAquariumScene::~CAquariumScene()
{
    if (glGetString(GL_VERSION) == nullptr)
        return;
    for (CFoodDrop& drop : foodDrops)
        drop.ReleaseFlakeList();
    helpFont.Release();
}

// ---------------------------------------------------------------------------------------------
// Set-up

void CAquariumScene::Initialise(int width, int height)
{
    CreateHelpFont();
    SetGlobalGlState();
    TakeTempDirectory();
    ReadScreenSize(width, height);
    RunPictureSheetOnce();
    LoadTextures();
    LoadSettings();
    SetUpFloorAndLight();
    PopulateScene();
    CreateRippleTexture();
    CreateRippleGrid();
    ResetFoodDrops();
    StartSound();
    SetUpFog();
    // The first frame starts with the GL idle. Left to finish on its own, the set-up's last drawing
    // may still be rasterizing when the first frame comes, and Mesa's software rasterizer then bins
    // that frame into a second scene, which keeps a frame's binned triangles (16 MB, mostly the
    // help block's) for the rest of the run: one start in four did so, none since this wait.
    glFinish();
    ReleasePackedPicturePages(); // every packed picture and the sound are loaded: 7.5 MB less resident
    initialised = true;
}

// The extruded outline glyphs of the help text, solid for the characters its lines use (the rest
// of Latin-1 would hold another 1 MB of lists that nothing draws). Without a font the failure is
// reported and the aquarium runs without the help block.
void CAquariumScene::CreateHelpFont() { helpFont.Create(report, HelpGlyphCodes()); }

void CAquariumScene::SetGlobalGlState()
{
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);

    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);

    // Given while the model-view matrix is the identity, so the light is fixed relative to the eye.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glLightfv(GL_LIGHT1, GL_AMBIENT, lightAmbient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, lightDiffuse);
    glLightfv(GL_LIGHT1, GL_POSITION, kLightPosition);
    glEnable(GL_LIGHT1); // GL_LIGHTING itself is switched on by each frame
    // GL_LIGHT1 is the only light: without GL's default scene ambient of 0.2, the darkest light
    // setting leaves lit surfaces black rather than a dim grey.
    const float noSceneAmbient[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, noSceneAmbient);

    glEnable(GL_COLOR_MATERIAL);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_BLEND); // the blend function stays at its default until a drawing step sets one
}

void CAquariumScene::TakeTempDirectory()
{
    privateTemp = std::make_unique<CTempDirectory>(report);
    tempDirectory = privateTemp->Path();
}

void CAquariumScene::ReadScreenSize(int width, int height)
{
    screenWidth = width;
    screenHeight = height;
    clientHeight = height; // until the window tells its own size
    selectionPick.SetFrame(screenWidth, screenHeight, clientHeight);
    tankBounds = TankBounds::Aquarium();
}

// The picture sheet's control net and its first wave step. What this draws, with whatever texture
// is bound, is cleared by the first frame; it only gives the sheet its first shape.
void CAquariumScene::RunPictureSheetOnce()
{
    pictureSheet.UpdatePictureSheet(tankBounds);
    pictureSheet.DrawPictureSheet();
}

// The backdrop picture, the species skins and the plant leaves, each unpacked, loaded and deleted
// in turn. Plant slot 2 has no picture and stays 0.
void CAquariumScene::LoadTextures()
{
    LoadPackedPicture(GetTempDirectory(), kBackdropPictureResource, "BackGround0", TextureLoaderKind::Mipmapped,
                      backdropPictureTexture, report);
    for (int s = 0; s < kSpeciesCount; ++s)
        LoadPackedPicture(GetTempDirectory(), kSpeciesResourceBase + s, "fish" + std::to_string(s),
                          TextureLoaderKind::Plain, speciesTextures[s], report);
    for (int slot = 0; slot < 6; ++slot) {
        if (slot != 2)
            LoadPackedPicture(GetTempDirectory(), kPlantResourceBase + slot, "cao" + std::to_string(slot),
                              TextureLoaderKind::Plain, plantTextures[slot], report);
    }
}

// One packed picture into a new texture name with the plain loader; the name exists even when
// the picture is missing.
uint32_t CAquariumScene::LoadPicture(int resourceId, const char* baseName)
{
    uint32_t name = 0;
    LoadPackedPicture(GetTempDirectory(), resourceId, baseName, TextureLoaderKind::Plain, name, report);
    return name;
}

// A missing file is a first run and loads quietly as the defaults. A file that cannot be read
// is reported and left alone: the dialogs' saves refuse to replace it, so nothing is lost.
void CAquariumScene::LoadSettings()
{
    settings = AquariumSettings::Defaults();
    const std::string path = SettingsPath();
    if (path.empty()) {
        report("Kelpora cannot tell where to keep its settings: neither XDG_CONFIG_HOME nor HOME names a "
               "folder. The aquarium starts with its default settings, and changes to them will not be kept.",
               "Settings");
        return;
    }
    settingsFile = CSettingsFile(path);
    if (!settingsFile.LoadAll(settings)) {
        report("The settings file " + path + " " + settingsFile.Problem() +
                   ". The aquarium starts with its default settings and leaves the file as it is.",
               "Settings");
    }
}

void CAquariumScene::SetUpFloorAndLight()
{
    const int width = static_cast<int>(tankBounds.xMax - tankBounds.xMin);
    const int depth = -static_cast<int>(tankBounds.zBack);
    floorAndLight.Setup(width, depth, 1, [this](int id, const char* name) { return LoadPicture(id, name); }, report);
}

// Everything that stands or swims in the tank, placed once, in this order.
void CAquariumScene::PopulateScene()
{
    PlaceScenery();
    LayOutFeedMarkers();
    StartBubbleSystem();
    fishStore.PlaceAll(floorAndLight, tankBounds);
    BuildSceneryLists();
}

// Where each plant stands on the floor, and how large it is.
void CAquariumScene::PlaceScenery()
{
    scenery.PlaceScenery(floorAndLight, tankBounds);
}

void CAquariumScene::LayOutFeedMarkers()
{
    feedMarkers.Layout(tankBounds);
}

// The bubble column's origin near the back of the floor, then its first bubbles: 200 frames spread
// the column out before the first frame shows it. Those frames move the bubbles exactly as drawing
// them would, without filling the back buffer with squares that the first frame clears anyway.
void CAquariumScene::StartBubbleSystem()
{
    if (floorAndLight.HasFloor()) {
        const FloorVertex& v = floorAndLight.Vertex(floorAndLight.Columns() / 2 - kBubbleSourceColumnOffset,
                                                    kBubbleSourceRow);
        bubbleOrigin = {v.x, tankBounds.yBottom - v.height - 5.0f, v.z + tankBounds.zBack};
    }
    // Bubbles leave the water at the top of the tank, measured from where the column is drawn.
    bubbleSystem.SetCeiling(tankBounds.yTop - (bubbleOrigin.y - kBubbleDrop));
    if (!bubbleSystem.Init(kBubbleCount)) {
        report("There is not enough memory for the bubbles; the aquarium runs without them.", "Bubbles");
        return;
    }
    for (int i = 0; i < kBubbleCount; ++i)
        bubbleSystem.Advance(BubblesShown(settings.bubbleSetting));
}

// The 27 plants that never move, compiled once into three display lists.
void CAquariumScene::BuildSceneryLists()
{
    scenery.BuildPlantLists(tankBounds);
}

// The texture that ripple mode copies each frame into, sized for the screen and the driver, with
// a first copy of whatever the frame buffer holds now.
void CAquariumScene::CreateRippleTexture()
{
    rippleTexture = CreateBlankTexture();
    glBindTexture(GL_TEXTURE_2D, rippleTexture);
    rippleCopy = SizeBoundRippleTexture(screenWidth, screenHeight);
    if (!rippleCopy.IsUsable()) {
        report("The graphics driver could not make a texture for the ripples; ripple mode shows the tank "
               "without them.",
               "Ripples");
        return;
    }
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, rippleCopy.copyWidth, rippleCopy.copyHeight);
}

// The grid that distorts the copy. Its rest coordinates span just the part of the texture the
// copy fills.
void CAquariumScene::CreateRippleGrid()
{
    rippleGrid = std::make_unique<CRippleGrid>();
    rippleGrid->Resize(screenWidth, screenHeight);
    rippleGrid->SetTextureExtent(rippleCopy.SExtent(), rippleCopy.TExtent());
}

// The ten food drops, inactive, each with its flake list compiled.
void CAquariumScene::ResetFoodDrops()
{
    for (CFoodDrop& drop : foodDrops) {
        drop.Reset();
        drop.CompileFlakeList();
    }
}

// The looping recording of waves and bubbles. It returns without waiting for the audio device,
// and the recording's temporary files are gone when it does.
void CAquariumScene::StartSound()
{
    ambientSound.Start(GetTempDirectory(), settings.volume, report);
}

void CAquariumScene::SetUpFog()
{
    const float fogColour[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    glFogi(GL_FOG_MODE, GL_EXP);
    glFogfv(GL_FOG_COLOR, fogColour);
    glFogf(GL_FOG_DENSITY, 0.5f); // every frame replaces it from the fog setting
    glHint(GL_FOG_HINT, GL_DONT_CARE);
    glFogf(GL_FOG_START, -10.0f);
    glFogf(GL_FOG_END, 100.0f);
    glEnable(GL_FOG);
}

void CAquariumScene::Resize(int clientWidth, int clientHeight)
{
    if (clientHeight == 0)
        clientHeight = 1;
    this->clientHeight = clientHeight;
    selectionPick.SetFrame(screenWidth, screenHeight, clientHeight);
    glViewport(0, 0, clientWidth, clientHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(clientWidth) / clientHeight, 0.1, 400.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (rippleGrid)
        rippleGrid->Resize(clientWidth, clientHeight); // ripples are placed in the window; the copy keeps its extent
}

// ---------------------------------------------------------------------------------------------
// The timer tick and the frame

void CAquariumScene::Tick()
{
    if (cursorMode == CursorMode::Camera && buttonHeld)
        SwingCamera();
    RenderFrame();
    TakeToolbarMode();
}

void CAquariumScene::RenderFrame()
{
    LoadProjection();
    StepEdgeDrift(camera, mouseX, screenWidth);
    LookAtTank();

    glViewport(0, 0, screenWidth, screenHeight);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    if (helpVisible)
        DrawHelpOverlay(); // before the scene, with the state the previous frame left
    ApplyLight();
    DrawBackdrop();
    DrawFloorAndLight();
    DrawBubbles();
    ApplyFog();
    if (settings.background == 0)
        DrawPlantScenery();
    DrawFish();
    if (settings.background == 1 && settings.showTerra != 0)
        DrawPictureBackdrop();
    glDisable(GL_LIGHTING);
    DrawFoodDrops();
    if (cursorMode == CursorMode::Feed)
        RunFeedPass();
    if (cursorMode == CursorMode::Touch)
        RunTouchPass();
    if (cursorMode == CursorMode::Ripple)
        RunRipplePass();

    glFinish();
    // Left for the next frame: lighting off, fog on, texturing on, the last texture and colour
    // still set, and the model-view matrix holding the camera.
}

void CAquariumScene::LoadProjection()
{
    const Frustum f = ComputeFrustum(screenWidth, screenHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(f.left, f.right, f.bottom, f.top, f.nearPlane, f.farPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void CAquariumScene::LookAtTank()
{
    gluLookAt(camera.x, camera.y, camera.z + cameraZoom, 0.0, 0.0, kLookAtDepth, 0.0, 1.0, 0.0);
}

// The F1 key help in extruded text.
void CAquariumScene::DrawHelpOverlay() { ::DrawHelpOverlay(helpFont, camera); }

void CAquariumScene::ApplyLight()
{
    // Light setting 0 is full light, 100 none at all. The file is not validated: the subtraction
    // is done in 64 bits so that no setting overflows it.
    const float intensity = static_cast<float>(int64_t{100} - settings.lightSetting) * 0.01f;
    for (int c = 0; c < 3; ++c) {
        lightAmbient[c] = intensity;
        lightDiffuse[c] = intensity;
    }
    glLightfv(GL_LIGHT1, GL_AMBIENT, lightAmbient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, lightDiffuse);
    glEnable(GL_LIGHTING);
}

// The backdrop in its fixed, graded or drifting colours, lit by the light just set.
void CAquariumScene::DrawBackdrop() { backdrop.DrawBackdrop(settings, tankBounds); }

void CAquariumScene::DrawFloorAndLight()
{
    glPushMatrix();
    glTranslatef(0.0f, tankBounds.yBottom, kFloorDepth);
    floorAndLight.Draw(settings.showWater, settings.showLight, settings.showTerra, settings.background,
                       SheetLevers{levers.skipCoveredRaySheet, levers.sheetProgram});
    glPopMatrix();
}

void CAquariumScene::DrawBubbles()
{
    glDisable(GL_FOG); // bubbles stay clear at any fog setting
    glBindTexture(GL_TEXTURE_2D, bubbleTexture);
    glPushMatrix();
    if (settings.background == 0)
        glTranslatef(bubbleOrigin.x + 10.0f, bubbleOrigin.y - kBubbleDrop, bubbleOrigin.z - 10.0f);
    else if (settings.background == 1)
        glTranslatef(bubbleOrigin.x + 20.0f, bubbleOrigin.y - kBubbleDrop, bubbleOrigin.z - 10.0f);
    // The bubble system binds its own picture over the slot's name 0 and draws in the current colour.
    bubbleSystem.Draw(BubblesShown(settings.bubbleSetting));
    glPopMatrix();
}

void CAquariumScene::ApplyFog()
{
    // Fog setting 100 is no fog, 0 the densest; in 64 bits, as the light, for any setting.
    const float density = static_cast<float>(int64_t{100} - settings.fogSetting) * 0.0005f;
    glFogf(GL_FOG_DENSITY, density);
    // Fog of density 0 leaves every colour as it is (exp(0) is 1), here and in the steps of the
    // next frame that run before this one; it costs fill all the same.
    if (levers.fogOffWhenClear && density == 0.0f)
        glDisable(GL_FOG);
    else
        glEnable(GL_FOG);
}

void CAquariumScene::DrawPlantScenery()
{
    ApplyForegroundColour(); // tints the plants through colour material
    if (settings.showTerra != 0)
        scenery.DrawScenery(plantTextures, tankBounds);
    glColor3f(1.0f, 1.0f, 1.0f);
}

void CAquariumScene::DrawFish()
{
    // Skins are opaque and the colour's alpha is 1, so blending gives back the fish's own colour.
    if (levers.opaqueWithoutBlend)
        glDisable(GL_BLEND);
    // The client arrays are switched on once for every fish of every species, not per fish.
    CVertexSink& sink = levers.fishArrays ? static_cast<CVertexSink&>(arraySink) : glSink;
    if (levers.fishArrays)
        arraySink.Begin();
    for (int s = 0; s < kSpeciesCount; ++s) {
        glBindTexture(GL_TEXTURE_2D, speciesTextures[s]);
        const int live = LiveCount(s);
        for (int i = 0; i < live; ++i) {
            CFish& fish = fishStore.At(s, i);
            glPushMatrix();
            glTranslatef(fish.position.x, fish.position.y, fish.position.z);
            fish.Draw(sink, speciesTextures[s]);
            glPopMatrix();
            SeekFood(fish, i, foodDrops);
            EatFood(fish, foodDrops);
        }
    }
    // The last fish vertex's normal and texture coordinate stay current, as immediate mode leaves them.
    if (levers.fishArrays)
        arraySink.End();
    glEnable(GL_BLEND);
}

// The picture on its waving sheet, after the fish, tinted by the foreground colour. The colour it
// sets stays for the food drops and the next frame.
void CAquariumScene::DrawPictureBackdrop()
{
    glPushMatrix();
    ApplyForegroundColour();
    glBindTexture(GL_TEXTURE_2D, backdropPictureTexture);
    pictureSheet.UpdatePictureSheet(tankBounds);
    pictureSheet.DrawPictureSheet();
    glPopMatrix();
}

void CAquariumScene::ApplyForegroundColour() { backdrop.ApplyForegroundColour(settings); }

// Active food drops are drawn and sink, in slot order, with lighting off.
void CAquariumScene::DrawFoodDrops()
{
    for (CFoodDrop& drop : foodDrops) {
        if (!drop.IsActive())
            continue;
        glPushMatrix();
        drop.DrawAndAdvance();
        glPopMatrix();
    }
}

// Ripples distort a copy of the frame, drawn back over the whole window. The grid is placed in eye
// coordinates, in front of the eye and scaled to the frustum's cross-section there, so that with
// no ripple running every pixel lands where it was copied from, on any screen shape and wherever
// the camera has drifted. Placed among the tank's coordinates instead it would stand askew once the
// camera has drifted sideways (the camera keeps looking at the tank's centre line).
void CAquariumScene::RunRipplePass()
{
    if (!rippleGrid || !rippleCopy.IsUsable())
        return;
    glBindTexture(GL_TEXTURE_2D, rippleTexture); // stays bound into the next frame, as any last texture does
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, rippleCopy.copyWidth, rippleCopy.copyHeight);

    // The copy goes back as it was: opaque and untinted whatever colour the frame left (the feed
    // marker's transparent white, the foreground tint), neither fogged, lit nor blended, and in
    // front of whatever depth the frame wrote (the help text stands 50 units away).
    glPushAttrib(GL_CURRENT_BIT | GL_ENABLE_BIT);
    glDisable(GL_FOG);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);

    const Frustum f = ComputeFrustum(screenWidth, screenHeight);
    const double reach = kRippleGridDistance / f.nearPlane; // the frustum's sides grow with distance
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -kRippleGridDistance);
    glScaled(f.right * reach, f.top * reach, 1.0);
    rippleGrid->Draw();
    rippleGrid->Step();
    glPopMatrix();
    glPopAttrib();
}
