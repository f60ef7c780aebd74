// AquariumView.cpp -- pixel format, context, timer and window events of the aquarium view.
#include "view/AquariumView.h"

#include "platform/GlFunctions.h"
#include "ui/controls/PackedBitmap.h"
#include "view/CursorCatalogue.h"
#include "view/CursorImages.h"
#include "view/ToolbarPopup.h"

#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/image.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

#include <GL/glx.h>

#include <chrono>

namespace {
constexpr int kFramePeriodMs = 20;

int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void ShowErrorBox(const std::string& text, const std::string& caption)
{
    ReportToStandardError(text, caption);
    wxMessageBox(wxString::FromUTF8(text), caption.empty() ? wxString("Kelpora") : wxString::FromUTF8(caption), wxOK);
}

wxGLAttributes PixelFormat(int depthBits)
{
    wxGLAttributes attributes;
    attributes.PlatformDefaults().RGBA().DoubleBuffer();
    if (depthBits > 0)
        attributes.Depth(depthBits);
    attributes.EndList();
    return attributes;
}
} // namespace

CAquariumView::CAquariumView(wxWindow* parent, const wxGLAttributes& pixelFormat)
    : wxGLCanvas(parent, pixelFormat, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                 wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE | wxBORDER_NONE, "Kelpora view"),
      scene(ShowErrorBox), timer(this), pacer(kFramePeriodMs)
{
}

CAquariumView* CAquariumView::Create(wxWindow* parent)
{
    // RGBA, double buffered, 32 depth bits; X servers without GPUs usually offer only 24.
    int depthBits = 0;
    for (int candidate : {32, 24}) {
        if (wxGLCanvas::IsDisplaySupported(PixelFormat(candidate))) {
            depthBits = candidate;
            break;
        }
    }
    if (depthBits == 0)
        ShowErrorBox("ChoosePixelFormat failed", "");

    // Without a usable format the window is still created, so the program runs, draws nothing and
    // can be closed.
    auto* view = new CAquariumView(parent, PixelFormat(depthBits));
    if (view->GetHandle() == nullptr) {
        delete view;
        return nullptr;
    }
    if (depthBits != 0)
        view->CreateContext();
    view->Bind(wxEVT_TIMER, &CAquariumView::OnTimer, view);
    view->Bind(wxEVT_PAINT, &CAquariumView::OnPaint, view);
    view->Bind(wxEVT_SIZE, &CAquariumView::OnSize, view);
    view->Bind(wxEVT_ERASE_BACKGROUND, &CAquariumView::OnEraseBackground, view);
    view->Bind(wxEVT_MOTION, &CAquariumView::OnMouseMotion, view);
    view->Bind(wxEVT_LEFT_DOWN, &CAquariumView::OnLeftDown, view);
    view->Bind(wxEVT_LEFT_UP, &CAquariumView::OnLeftUp, view);
    view->Bind(wxEVT_LEFT_DCLICK, &CAquariumView::OnLeftDoubleClick, view);
    view->Bind(wxEVT_MIDDLE_UP, &CAquariumView::OnMiddleUp, view);
    view->Bind(wxEVT_RIGHT_DOWN, &CAquariumView::OnRightDown, view);
    view->Bind(wxEVT_CHAR_HOOK, &CAquariumView::OnCharHook, view);
    // The timer runs even when there is no context; its frames then draw nothing.
    view->pacer.Start(NowMs());
    view->timer.StartOnce(kFramePeriodMs);
    return view;
}

CAquariumView::~CAquariumView()
{
    timer.Stop();
    // wxGLContext's destructor makes no context current before it deletes its own.
    context.reset();
}

void CAquariumView::CreateContext()
{
    auto created = std::make_unique<wxGLContext>(this);
    if (!created->IsOK()) {
        ShowErrorBox("SetPixelFormat failed", "");
        return;
    }
    context = std::move(created);
    RegisterGlProcLookup([](const char* name) { return glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)); });
}

void CAquariumView::StartScene()
{
    // A message box shown during set-up runs its own loop, in which timer ticks and paints call
    // here again: they must not start a second set-up.
    if (scene.IsInitialised() || starting || !context)
        return;
    if (!IsShownOnScreen() || !SetCurrent(*context))
        return; // not realised yet: the first paint or tick tries again
    starting = true;

    const int displayIndex = wxDisplay::GetFromWindow(this);
    const wxRect screen = wxDisplay(displayIndex == wxNOT_FOUND ? 0u : unsigned(displayIndex)).GetGeometry();
    scene.Initialise(screen.width, screen.height);

    // Until the pointer moves, the scene takes it where it is now, not at the corner.
    const wxPoint pointer = ScreenToClient(wxGetMousePosition());
    scene.SetMouse(pointer.x, pointer.y);

    const wxSize client = GetClientSize();
    scene.Resize(client.x, client.y);
    starting = false;
    contextCurrent = true;
    ApplyModeCursor();
}

void CAquariumView::OnTimer(wxTimerEvent&)
{
    StartScene();
    if (contextCurrent) {
        scene.Tick();
        SwapBuffers();
        swapLog.Swapped();
    }
    // Ticks that fell due while this frame was drawing are dropped, not replayed.
    timer.StartOnce(pacer.DelayToNextTick(NowMs()));
}

void CAquariumView::OnPaint(wxPaintEvent&)
{
    wxPaintDC validate(this);
    StartScene();
    if (contextCurrent) {
        scene.RenderFrame();
        SwapBuffers();
    }
}

void CAquariumView::OnSize(wxSizeEvent& event)
{
    event.Skip();
    if (contextCurrent)
        scene.Resize(GetClientSize().x, GetClientSize().y);
}

// The frame covers every pixel; erasing first would only flicker.
void CAquariumView::OnEraseBackground(wxEraseEvent&) {}

void CAquariumView::OnMouseMotion(wxMouseEvent& event)
{
    ApplyModeCursor();
    scene.SetMouse(event.GetX(), event.GetY());
    event.Skip();
}

void CAquariumView::OnLeftDown(wxMouseEvent& event)
{
    scene.PressLeft(event.GetX(), event.GetY());
    ApplyModeCursor();
    event.Skip(); // default processing also gives the view the focus
}

void CAquariumView::OnLeftUp(wxMouseEvent& event)
{
    scene.ReleaseLeft();
    ApplyModeCursor();
    event.Skip();
}

void CAquariumView::OnLeftDoubleClick(wxMouseEvent& event)
{
    ApplyModeCursor();
    event.Skip();
}

void CAquariumView::OnMiddleUp(wxMouseEvent& event)
{
    scene.ReleaseMiddle();
    event.Skip();
}

// The toolbar strip opens at the pointer; this returns once it has closed. The tank keeps moving
// meanwhile: the strip's modal loop still delivers this view's timer.
void CAquariumView::OnRightDown(wxMouseEvent& event)
{
    scene.PressRight();
    event.Skip();
    CToolbarPopup::Run(this, scene);
}

// The function keys, before the frame sees the key: F1 shows or hides the help text, F2 to F6
// choose the cursor mode. The key always goes on, so that the frame still ends the program on ESC.
void CAquariumView::OnCharHook(wxKeyEvent& event)
{
    switch (event.GetKeyCode()) {
    case WXK_F1:
        scene.ToggleHelp();
        break;
    case WXK_F2:
        scene.SelectMode(CursorMode::Feed);
        break;
    case WXK_F3:
        scene.SelectMode(CursorMode::Touch);
        break;
    case WXK_F4:
        scene.SelectMode(CursorMode::Camera);
        break;
    case WXK_F5:
        scene.SelectMode(CursorMode::Ripple);
        break;
    case WXK_F6:
        scene.SelectMode(CursorMode::Hide);
        break;
    default:
        break;
    }
    if (event.GetKeyCode() >= WXK_F2 && event.GetKeyCode() <= WXK_F6)
        ApplyModeCursor();
    event.Skip();
}

void CAquariumView::ApplyModeCursor()
{
    scene.ApplyModeCursor();
    const int id = CursorResourceFor(scene.Mode(), scene.ButtonHeld());
    if (id == shownCursor)
        return;
    shownCursor = id;
    SetCursor(CursorPicture(id));
}

// Each picture is made into a cursor the first time its mode shows it. Hide mode has no picture:
// its cursor is blank. A picture missing from the build, or damaged, falls back to a standard
// cursor of the same sense, so every mode still shows where the pointer is.
const wxCursor& CAquariumView::CursorPicture(int resourceId)
{
    auto found = cursors.find(resourceId);
    if (found != cursors.end())
        return found->second;

    wxCursor cursor(wxCURSOR_BLANK);
    CursorImage picture;
    if (resourceId != 0 && LoadCursorImage(resourceId, picture)) {
        wxImage image = ImageFromRgba(picture.width, picture.height, picture.rgba);
        image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_X, picture.hotX);
        image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_Y, picture.hotY);
        cursor = wxCursor(image);
    } else if (resourceId != 0) {
        cursor = wxCursor(wxCURSOR_HAND);
    }
    return cursors.emplace(resourceId, cursor).first->second;
}
