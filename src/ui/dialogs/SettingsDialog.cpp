// SettingsDialog.cpp -- the settings panel's controls, where they stand, and what they forward.
#include "ui/dialogs/SettingsDialog.h"

#include "ui/PanelArt.h"
#include "ui/PanelArtCatalogue.h"
#include "ui/controls/ColourButton.h"
#include "ui/controls/IconButton.h"
#include "ui/controls/LinkLabel.h"
#include "ui/controls/PackedBitmap.h"
#include "ui/controls/RoundCheckBox.h"
#include "ui/controls/RoundThumbSlider.h"
#include "ui/dialogs/AboutBox.h"
#include "view/AquariumScene.h"

#include <wx/button.h>
#include <wx/colordlg.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace {
// The panel's layout grid, in dialog units of its 8-point font.
constexpr int kDialogWidth = 244;
constexpr int kDialogHeight = 243;
constexpr int kCaptionTextX = 50; // pixels

constexpr int kPreviousId = 1035;
constexpr int kNextId = 1036;
constexpr int kAboutIconId = 1005;
constexpr int kLinkId = 1037;

// The template's buttons that are never shown. They are there so that their commands do what the
// template's do: R loads, W saves, about opens the About box, Play does nothing, and the confirm
// (1) and cancel (2) end the dialog; Enter reaches the confirm and ESC the cancel.
constexpr int kConfirmId = 1;
constexpr int kCancelId = 2;
constexpr int kPlayId = 1014;
constexpr int kReadId = 1031;
constexpr int kWriteId = 1032;
constexpr int kAboutButtonId = 1004;

struct HiddenButton
{
    int id;
    const char* text;
};

constexpr HiddenButton kHiddenButtons[] = {
    {kConfirmId, "OK"}, {kCancelId, "Cancel"}, {kPlayId, "Play"},
    {kReadId, "R"},     {kWriteId, "W"},       {kAboutButtonId, "about"},
};
constexpr char kSiteAddress[] = "https://www.kelpora.example";

struct Rect
{
    int left, top, width, height; // dialog units
};

struct SliderPlace
{
    SettingsSlider slider;
    int id;
    Rect rect;
    const char* labels[2]; // under the slider, one line each; the second may be empty
};

constexpr SliderPlace kSliders[] = {
    {SettingsSlider::Volume, 1010, {12, 40, 15, 146}, {"Waves ", "Sound"}},
    {SettingsSlider::Bubbles, 1009, {217, 40, 15, 146}, {"Bubble ", "Count"}},
    {SettingsSlider::Fog, 1011, {37, 62, 15, 101}, {"Fog", ""}},
    {SettingsSlider::Light, 1030, {191, 62, 15, 101}, {"Light", ""}},
};

struct CheckPlace
{
    SettingsCheck check;
    int id;
    const char* text;
    Rect rect;
};

constexpr CheckPlace kChecks[] = {
    {SettingsCheck::ShowWater, 1026, "Show Water", {17, 9, 63, 10}},
    {SettingsCheck::ShowLight, 1012, "Show Lights", {97, 9, 60, 10}},
    {SettingsCheck::ShowTerra, 1027, "Show Terra", {172, 9, 66, 10}},
    {SettingsCheck::LockForeground, 1028, "Lock the foreground colors", {61, 63, 114, 10}},
    {SettingsCheck::LockBackground, 1029, "Lock the background colors", {61, 195, 113, 11}},
};

struct ModePlace
{
    ColourGroup group;
    ColourMode mode;
    int id;
    const char* text;
    Rect rect;
};

// The foreground's gradual box (1021) is never shown (it has no place of its own); its key passes
// through the dialog unchanged.
constexpr ModePlace kModes[] = {
    {ColourGroup::Foreground, ColourMode::Fixed, 1013, "Fix Color", {61, 38, 45, 10}},
    {ColourGroup::Foreground, ColourMode::Gradual, 1021, "Gradually Color", {}},
    {ColourGroup::Foreground, ColourMode::Auto, 1022, "Auto Gradually Color", {61, 53, 83, 10}},
    {ColourGroup::Background, ColourMode::Fixed, 1023, "Fix Color", {61, 157, 45, 10}},
    {ColourGroup::Background, ColourMode::Gradual, 1024, "Gradually Color", {61, 169, 67, 10}},
    {ColourGroup::Background, ColourMode::Auto, 1025, "Auto Gradually Color", {61, 186, 83, 10}},
};

struct ColourPlace
{
    ColourButton button;
    Rect rect;
};

// The buttons of the foreground gradual colours (1017, 1018) are never shown: no place of their own.
constexpr ColourPlace kColours[] = {
    {ColourButton::FrontColour, {127, 36, 44, 14}},
    {ColourButton::FrontColour1, {}},
    {ColourButton::FrontColour2, {}},
    {ColourButton::BackColour, {127, 153, 48, 14}},
    {ColourButton::BackColour1, {127, 169, 25, 14}},
    {ColourButton::BackColour2, {150, 169, 25, 14}},
};

struct GroupPlace
{
    const char* text;
    Rect rect;
};

constexpr GroupPlace kGroups[] = {
    {"Foreground  Light", {56, 27, 129, 52}},
    {"Background Light", {55, 146, 127, 63}},
    // Inner frames around each group's automatic mode and its lock.
    {"", {57, 47, 126, 28}},
    {"", {56, 180, 126, 28}},
};

// Where the preview of each scene variant stands (1033 for 0, 1034 for 1), its picture, and the
// name it shows if the build lacks the picture.
struct PreviewPlace
{
    int id;
    Rect rect;
    int bitmap;
    const char* name;
};

constexpr PreviewPlace kPreviews[] = {
    {1033, {54, 82, 130, 48}, kPlantsPreviewBitmap, "Plants"},
    {1034, {54, 82, 128, 48}, kPicturePreviewBitmap, "Picture"},
};

wxColour ToWx(int32_t bgr)
{
    return wxColour(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

int32_t FromWx(const wxColour& colour)
{
    return colour.Red() | (colour.Green() << 8) | (colour.Blue() << 16);
}

// A scene variant's preview: the picture rendered from the tank at build time, scaled once to the
// control's rectangle. A build without the picture shows the variant's name in a frame instead.
class CPreviewPicture : public wxWindow
{
public:
    CPreviewPicture(wxWindow* parent, const PreviewPlace& place, const wxPoint& pos, const wxSize& size)
        : wxWindow(parent, place.id, pos, size, wxBORDER_NONE), name(place.name)
    {
        const wxBitmap picture = PanelBitmap(kFrameBitmapType, place.bitmap, RenderedPanelArt());
        if (picture.IsOk())
            scaled = wxBitmap(picture.ConvertToImage().Scale(size.x, size.y, wxIMAGE_QUALITY_HIGH));
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) { Paint(); });
    }

private:
    void Paint()
    {
        wxPaintDC dc(this);
        if (scaled.IsOk()) {
            dc.DrawBitmap(scaled, 0, 0);
            return;
        }
        const wxSize area = GetClientSize();
        dc.SetPen(wxPen(wxColour(40, 90, 140)));
        dc.SetBrush(wxBrush(wxColour(200, 222, 240)));
        dc.DrawRectangle(0, 0, area.x, area.y);
        dc.SetTextForeground(wxColour(40, 90, 140));
        const wxSize text = dc.GetTextExtent(name);
        dc.DrawText(name, (area.x - text.x) / 2, (area.y - text.y) / 2);
    }

    wxString name;
    wxBitmap scaled;
};

// The arrow buttons are too narrow for the icon button's text, which it keeps right of centre for
// an icon, so their "<<" and ">>" are drawn as the buttons' icons, which it centres instead.
wxBitmap ArrowGlyph(const wxString& text, const wxFont& font)
{
    wxBitmap glyph;
    {
        wxMemoryDC measure;
        measure.SetFont(font);
        const wxSize extent = measure.GetTextExtent(text);
        glyph.Create(extent.x, extent.y, 24);
    }
    {
        wxMemoryDC dc(glyph);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        dc.SetFont(font);
        dc.SetTextForeground(*wxBLACK);
        dc.DrawText(text, 0, 0);
    }
    // Black text on white becomes black with the text's coverage as alpha, smooth edges included;
    // straight alpha also survives the button's disabled look.
    wxImage image = glyph.ConvertToImage();
    image.InitAlpha();
    unsigned char* rgb = image.GetData();
    unsigned char* alpha = image.GetAlpha();
    for (int i = 0; i < image.GetWidth() * image.GetHeight(); ++i) {
        alpha[i] = static_cast<unsigned char>(255 - rgb[3 * i + 1]);
        rgb[3 * i] = rgb[3 * i + 1] = rgb[3 * i + 2] = 0;
    }
    return wxBitmap(image, 32);
}

// A check box's round lamp needs about 21 pixels of height; a row of the grid is shorter at small
// font sizes, so the box grows about its middle rather than clip the lamp.
constexpr int kCheckMinHeight = 21; // pixels
} // namespace

CSettingsDialog::CSettingsDialog(wxWindow* parent, CAquariumScene& scene)
    : state(scene.Settings(), scene.SettingsFile(),
            [&scene](int32_t attenuation) { scene.SetSoundVolume(attenuation); }),
      timer(this)
{
    Create(parent, wxID_ANY, "Aquarium Settings)", kCaptionTextX, LoadDialogFrameBitmaps(), wxSize(400, 400));
    // The caption is painted; the window's own title is what the desktop lists and tools find.
    SetTitle("Aquarium Settings");
    SetFont(wxFont(8, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));
    // The grid is the content area; the caption strip and borders are drawn around it.
    const wxRect inside = ContentRect();
    const wxSize frame = GetClientSize() - inside.GetSize();
    SetClientSize(Size(kDialogWidth, kDialogHeight) + frame);
    CreateControls();

    state.Open();
    ShowState();
    CentreOnParent();

    Bind(wxEVT_TIMER, &CSettingsDialog::OnTimer, this);
    Bind(wxEVT_SLIDER, &CSettingsDialog::OnSlider, this);
    Bind(wxEVT_CHECKBOX, &CSettingsDialog::OnCheck, this);
    Bind(wxEVT_BUTTON, &CSettingsDialog::OnButton, this);
    timer.Start(CSettingsPanelState::kTickMilliseconds);
}

CSettingsDialog::~CSettingsDialog()
{
    timer.Stop();
}

wxPoint CSettingsDialog::At(int left, int top) const
{
    return ContentRect().GetTopLeft() + ConvertDialogToPixels(wxPoint(left, top));
}

wxSize CSettingsDialog::Size(int width, int height) const
{
    return ConvertDialogToPixels(wxSize(width, height));
}

CRoundCheckBox* CSettingsDialog::AddCheckBox(int id, const char* text, int left, int top, int width, int height)
{
    wxPoint at = At(left, top);
    wxSize size = Size(width, height);
    if (size.y < kCheckMinHeight) {
        at.y -= (kCheckMinHeight - size.y) / 2;
        size.y = kCheckMinHeight;
    }
    auto* box = new CRoundCheckBox();
    box->Create(this, id, text, at, size);
    return box;
}

void CSettingsDialog::CreateControls()
{
    // Group boxes first, so that the controls they frame lie above them.
    for (const GroupPlace& group : kGroups)
        new wxStaticBox(this, wxID_ANY, group.text, At(group.rect.left, group.rect.top),
                        Size(group.rect.width, group.rect.height));

    for (const SliderPlace& place : kSliders) {
        const SliderRange range = CSettingsPanelState::Range(place.slider);
        auto* slider = new CRoundThumbSlider();
        slider->Create(this, place.id, range.min, range.min, range.max, At(place.rect.left, place.rect.top),
                       Size(place.rect.width, place.rect.height), wxSL_VERTICAL);
        slider->SetPageSize(std::max(1, (range.max - range.min) / 10));
        sliders[static_cast<int>(place.slider)] = slider;
        // The labels sit centred under the slider, a line each.
        const int centre = At(place.rect.left, 0).x + Size(place.rect.width, 0).x / 2;
        int y = At(0, place.rect.top + place.rect.height + 2).y;
        for (const char* label : place.labels) {
            if (*label == '\0')
                continue;
            auto* text = new wxStaticText(this, wxID_ANY, label);
            text->Move(centre - text->GetSize().x / 2, y);
            y += text->GetSize().y;
        }
    }

    for (const CheckPlace& place : kChecks) {
        checks[static_cast<int>(place.check)] =
            AddCheckBox(place.id, place.text, place.rect.left, place.rect.top, place.rect.width, place.rect.height);
    }
    for (const ModePlace& place : kModes) {
        CRoundCheckBox* box =
            AddCheckBox(place.id, place.text, place.rect.left, place.rect.top, place.rect.width, place.rect.height);
        (place.group == ColourGroup::Foreground ? frontModes : backModes)[static_cast<int>(place.mode)] = box;
        box->Show(place.rect.width > 0);
    }

    for (size_t i = 0; i < std::size(kColours); ++i) {
        const ColourPlace& place = kColours[i];
        auto* button = new CColourButton();
        button->Attach(static_cast<int>(place.button), this, *wxBLACK, At(place.rect.left, place.rect.top),
                       Size(place.rect.width, place.rect.height));
        button->Show(place.rect.width > 0);
        colourButtons[i] = button;
    }

    for (const HiddenButton& hidden : kHiddenButtons) {
        auto* button = new wxButton(this, hidden.id, hidden.text);
        button->Hide();
    }

    for (size_t i = 0; i < std::size(kPreviews); ++i) {
        const PreviewPlace& place = kPreviews[i];
        previews[i] = new CPreviewPicture(this, place, At(place.rect.left, place.rect.top),
                                          Size(place.rect.width, place.rect.height));
        previews[i]->Hide();
    }

    previousButton = new CIconButton();
    previousButton->Create(this, kPreviousId, "", At(53, 129), Size(15, 9));
    const wxBitmap previousGlyph = ArrowGlyph("<<", GetFont());
    previousButton->SetIcon(previousGlyph, previousGlyph);
    previousButton->SetTooltipText("PREV");
    nextButton = new CIconButton();
    nextButton->Create(this, kNextId, "", At(167, 130), Size(15, 9));
    const wxBitmap nextGlyph = ArrowGlyph(">>", GetFont());
    nextButton->SetIcon(nextGlyph, nextGlyph);
    nextButton->SetTooltipText("NEXT");

    // The product mark opens the About box.
    const wxSize iconSize = Size(16, 16);
    wxBitmap mark = PanelBitmap(kIconType, kAboutIcon);
    if (mark.IsOk())
        mark = wxBitmap(mark.ConvertToImage().Rescale(iconSize.x, iconSize.y, wxIMAGE_QUALITY_HIGH));
    auto* about = new wxStaticBitmap(this, kAboutIconId, mark, At(222, 220), iconSize);
    about->SetCursor(wxCursor(wxCURSOR_HAND));
    about->Bind(wxEVT_LEFT_UP, [this](wxMouseEvent&) { ShowAbout(); });

    auto* link = new CLinkLabel();
    link->Create(this, kLinkId, kSiteAddress, kSiteAddress, At(9, 226), Size(92, 8));
}

void CSettingsDialog::ShowState()
{
    for (const SliderPlace& place : kSliders)
        sliders[static_cast<int>(place.slider)]->SetValue(state.Slider(place.slider));
    for (const CheckPlace& place : kChecks)
        checks[static_cast<int>(place.check)]->SetCheck(state.IsChecked(place.check) ? 1 : 0);
    for (const ModePlace& place : kModes) {
        CRoundCheckBox* box =
            (place.group == ColourGroup::Foreground ? frontModes : backModes)[static_cast<int>(place.mode)];
        box->SetCheck(state.IsModeChecked(place.group, place.mode) ? 1 : 0);
    }
    for (size_t i = 0; i < std::size(kColours); ++i)
        colourButtons[i]->SetColour(ToWx(state.Colour(kColours[i].button)));
    // A preview of -1 (a variant other than 0 or 1 from a hand-edited file) leaves both hidden.
    for (int variant = 0; variant < 2; ++variant)
        previews[variant]->Show(state.ShownPreview() == variant);
    // An arrow that disables itself under the focus would swallow the keys, ESC among them: the
    // focus goes to the other arrow, which the same step enables.
    wxWindow* focus = FindFocus();
    if (focus == previousButton && !state.PreviousEnabled() && state.NextEnabled())
        nextButton->Enable(true), nextButton->SetFocus();
    if (focus == nextButton && !state.NextEnabled() && state.PreviousEnabled())
        previousButton->Enable(true), previousButton->SetFocus();
    previousButton->Enable(state.PreviousEnabled());
    nextButton->Enable(state.NextEnabled());
}

void CSettingsDialog::OnTimer(wxTimerEvent&)
{
    state.Tick();
}

void CSettingsDialog::OnSlider(wxCommandEvent& event)
{
    // Only the user moves the sliders, so the one that reports is the only one that changed.
    for (const SliderPlace& place : kSliders)
        if (place.id == event.GetId())
            state.MoveSlider(place.slider, sliders[static_cast<int>(place.slider)]->GetValue());
}

void CSettingsDialog::OnCheck(wxCommandEvent& event)
{
    // The box has already toggled itself; the state decides what it shows from here on.
    for (const CheckPlace& place : kChecks)
        if (place.id == event.GetId())
            state.Toggle(place.check);
    for (const ModePlace& place : kModes)
        if (place.id == event.GetId())
            state.SelectMode(place.group, place.mode);
    ShowState();
}

void CSettingsDialog::ShowAbout()
{
    CAboutBox box(this);
    box.ShowModal();
}

void CSettingsDialog::OnButton(wxCommandEvent& event)
{
    const int id = event.GetId();
    if (id == kConfirmId || id == kCancelId) {
        EndModal(id == kConfirmId ? wxID_OK : wxID_CANCEL);
        return;
    }
    if (id == kPreviousId) {
        state.PreviousVariant();
    } else if (id == kNextId) {
        state.NextVariant();
    } else if (id == kReadId) {
        state.Load();
    } else if (id == kWriteId) {
        state.Tick();
    } else if (id == kAboutButtonId) {
        ShowAbout();
    } else {
        for (const ColourPlace& place : kColours) {
            if (static_cast<int>(place.button) != id)
                continue;
            // The chooser always starts at black; cancelling it changes nothing.
            wxColourData data;
            data.SetColour(*wxBLACK);
            wxColourDialog chooser(this, &data);
            if (chooser.ShowModal() == wxID_OK)
                state.ChooseColour(place.button, FromWx(chooser.GetColourData().GetColour()));
        }
    }
    ShowState();
}

bool CSettingsDialog::TryBefore(wxEvent& event)
{
    // Enter reaches the hidden confirm, except on a button, which Enter presses.
    if (event.GetEventType() == wxEVT_CHAR_HOOK) {
        const int code = static_cast<wxKeyEvent&>(event).GetKeyCode();
        wxWindow* focus = FindFocus();
        const bool onButton =
            dynamic_cast<CColourButton*>(focus) != nullptr || dynamic_cast<CIconButton*>(focus) != nullptr;
        if ((code == WXK_RETURN || code == WXK_NUMPAD_ENTER) && !onButton) {
            wxCommandEvent confirm(wxEVT_BUTTON, kConfirmId);
            confirm.SetEventObject(this);
            OnButton(confirm);
            return true;
        }
    }
    return CFramedDialog::TryBefore(event);
}

void CSettingsDialog::EndModal(int returnCode)
{
    if (!closing) {
        closing = true;
        timer.Stop();
        state.Close();
    }
    CFramedDialog::EndModal(returnCode);
}
