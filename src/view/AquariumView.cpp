// AquariumView.cpp -- pixel format, context, timer and window events of the aquarium view.
#include "view/AquariumView.h"

#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

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
    wxMessageBox(wxString::FromUTF8(text), caption.empty() ? wxString("Kelpora") : wxString::FromUTF8(caption),
                 wxOK);
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
}

void CAquariumView::OnTimer(wxTimerEvent&)
{
    StartScene();
    if (contextCurrent) {
        scene.Tick();
        SwapBuffers();
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
    scene.SetMouse(event.GetX(), event.GetY());
    event.Skip();
}
