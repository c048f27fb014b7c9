#include "widgets/CaptionButton.h"

#include <wx/dcclient.h>

#include <algorithm>

wxIMPLEMENT_DYNAMIC_CLASS(CaptionButton, wxControl);

wxBEGIN_EVENT_TABLE(CaptionButton, wxControl)
    EVT_PAINT(CaptionButton::OnPaint)
    EVT_LEFT_DOWN(CaptionButton::OnLeftDown)
    EVT_LEFT_DCLICK(CaptionButton::OnLeftDown)
    EVT_LEFT_UP(CaptionButton::OnLeftUp)
    EVT_MOTION(CaptionButton::OnMotion)
    EVT_ENTER_WINDOW(CaptionButton::OnEnter)
    EVT_LEAVE_WINDOW(CaptionButton::OnLeave)
    EVT_KEY_DOWN(CaptionButton::OnKeyDown)
    EVT_SET_FOCUS(CaptionButton::OnFocusChange)
    EVT_KILL_FOCUS(CaptionButton::OnFocusChange)
    EVT_SYS_COLOUR_CHANGED(CaptionButton::OnSysColourChanged)
wxEND_EVENT_TABLE()

CaptionButton::CaptionButton() = default;

CaptionButton::CaptionButton(wxWindow* parent, wxWindowID id, const wxBitmap& bitmap,
                             const wxString& caption, const wxPoint& pos, const wxSize& size,
                             long style, const wxValidator& validator, const wxString& name) {
    Create(parent, id, bitmap, caption, pos, size, style, validator, name);
}

CaptionButton::~CaptionButton() = default;

bool CaptionButton::Create(wxWindow* parent, wxWindowID id, const wxBitmap& bitmap,
                           const wxString& caption, const wxPoint& pos, const wxSize& size,
                           long style, const wxValidator& validator, const wxString& name) {
    m_bitmaps[Normal] = bitmap;
    m_caption = caption;
    if (!wxControl::Create(parent, id, pos, size, style, validator, name)) {
        return false;
    }
    SetBackgroundColour(wxColour(236, 233, 216));
    SetInitialSize(size);
    return true;
}

void CaptionButton::SetCaption(const wxString& caption) {
    m_caption = caption;
    Refresh(true);
}

void CaptionButton::SetBitmapFor(BitmapState state, const wxBitmap& bitmap) {
    m_bitmaps[state] = bitmap;
    Refresh(true);
}

void CaptionButton::SetBitmapLabel(const wxBitmap& bitmap) {
    SetBitmapFor(Normal, bitmap);
}
void CaptionButton::SetBitmapPressed(const wxBitmap& bitmap) {
    SetBitmapFor(Pressed, bitmap);
}
void CaptionButton::SetBitmapCurrent(const wxBitmap& bitmap) {
    SetBitmapFor(Current, bitmap);
}
void CaptionButton::SetBitmapDisabled(const wxBitmap& bitmap) {
    SetBitmapFor(Disabled, bitmap);
}
void CaptionButton::SetBitmapFocus(const wxBitmap& bitmap) {
    SetBitmapFor(Focus, bitmap);
}

const wxBitmap& CaptionButton::ChooseBitmap() const {
    if (IsPressed() && m_bitmaps[Pressed].IsOk()) {
        return m_bitmaps[Pressed];
    }
    // A disabled button never lights up under the mouse, so it cannot look clickable.
    if (m_hovered && IsEnabled() && m_bitmaps[Current].IsOk()) {
        return m_bitmaps[Current];
    }
    if (HasFocus() && m_bitmaps[Focus].IsOk()) {
        return m_bitmaps[Focus];
    }
    if (!IsEnabled() && m_bitmaps[Disabled].IsOk()) {
        return m_bitmaps[Disabled];
    }
    return m_bitmaps[Normal];
}

void CaptionButton::Paint(wxDC& dc, const wxSize& clientSize) const {
    const wxBitmap& bitmap = ChooseBitmap();
    if (!bitmap.IsOk()) {
        return;
    }
    dc.DrawBitmap(bitmap, (clientSize.x - bitmap.GetWidth()) / 2,
                  (clientSize.y - bitmap.GetHeight()) / 2, true);

    const CaptionLayout caption = LayOutCaption(dc, clientSize.x);
    dc.SetFont(caption.font);
    dc.SetTextForeground(*wxBLACK);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    // The last line sits on the bottom edge, the one before it above.
    int bottom = clientSize.y;
    for (auto line = caption.lines.rbegin(); line != caption.lines.rend(); ++line) {
        wxCoord textWidth = 0;
        wxCoord textHeight = 0;
        dc.GetTextExtent(*line, &textWidth, &textHeight);
        dc.DrawText(*line, (clientSize.x - textWidth) / 2, bottom - textHeight);
        bottom -= textHeight;
    }
}

namespace {

int WidestLine(wxDC& dc, const std::vector<wxString>& lines) {
    int widest = 0;
    for (const wxString& line : lines) {
        widest = std::max(widest, dc.GetTextExtent(line).x);
    }
    return widest;
}

// The caption's line breaks to try: the whole caption, then two lines at each blank, the most
// even split first.
std::vector<std::vector<wxString>> CaptionBreaks(wxDC& dc, const wxString& caption) {
    std::vector<std::vector<wxString>> breaks{{caption}};
    std::vector<std::vector<wxString>> twoLines;
    for (size_t at = caption.find(' '); at != wxString::npos; at = caption.find(' ', at + 1)) {
        twoLines.push_back({caption.Left(at), caption.Mid(at + 1)});
    }
    std::stable_sort(twoLines.begin(), twoLines.end(), [&](const auto& a, const auto& b) {
        return WidestLine(dc, a) < WidestLine(dc, b);
    });
    breaks.insert(breaks.end(), twoLines.begin(), twoLines.end());
    return breaks;
}

} // namespace

CaptionButton::CaptionLayout CaptionButton::LayOutCaption(wxDC& dc, int width) const {
    // GTK's fonts are wider than those the button sizes were chosen for.
    const wxFont font = GetFont();
    dc.SetFont(font);
    for (const std::vector<wxString>& lines : CaptionBreaks(dc, m_caption)) {
        wxFont sized = font;
        for (int points = font.GetPointSize();; --points) {
            sized.SetPointSize(points);
            dc.SetFont(sized);
            if (WidestLine(dc, lines) <= width) {
                return {sized, lines};
            }
            if (points <= kSmallestCaptionPoints) {
                break;
            }
        }
    }
    wxFont smallest = font;
    smallest.SetPointSize(std::min(font.GetPointSize(), int(kSmallestCaptionPoints)));
    return {smallest, {m_caption}};
}

void CaptionButton::OnPaint(wxPaintEvent& event) {
    wxPaintDC dc(this);
    Paint(dc, GetClientSize());
}

wxSize CaptionButton::DoGetBestClientSize() const {
    const wxBitmap& bitmap = m_bitmaps[Normal];
    const wxSize image = bitmap.IsOk() ? bitmap.GetSize() : wxSize(0, 0);
    const wxSize text = m_caption.empty() ? wxSize(0, 0) : GetTextExtent(m_caption);
    return wxSize(std::max(image.x, text.x) + 4, image.y + text.y + 4);
}

bool CaptionButton::Enable(bool enable) {
    if (!wxControl::Enable(enable)) {
        return false;
    }
    if (!enable) {
        m_mouseDown = false; // a press in progress is abandoned
    }
    Refresh(true);
    return true;
}

void CaptionButton::Click() {
    wxCommandEvent event(wxEVT_BUTTON, GetId());
    event.SetEventObject(this);
    HandleWindowEvent(event);
}

void CaptionButton::OnLeftDown(wxMouseEvent& event) {
    if (!IsEnabled()) {
        return;
    }
    m_mouseDown = true;
    m_pointerInside = true;
    Refresh(true);
}

void CaptionButton::OnLeftUp(wxMouseEvent& event) {
    if (!m_mouseDown) {
        event.Skip();
        return;
    }
    // The pointer may have moved since the last motion event: the release position decides.
    m_mouseDown = false;
    const bool releasedInside = wxRect(GetClientSize()).Contains(event.GetPosition());
    Refresh(true);
    if (releasedInside && IsEnabled()) {
        Click();
    }
}

void CaptionButton::OnMotion(wxMouseEvent& event) {
    if (m_mouseDown) {
        const bool inside = wxRect(GetClientSize()).Contains(event.GetPosition());
        if (inside != m_pointerInside) {
            m_pointerInside = inside;
            Refresh(true);
        }
    }
    event.Skip();
}

void CaptionButton::RefreshHoverLook() {
    if (IsEnabled() && m_bitmaps[Current].IsOk()) {
        Refresh(true);
    }
}

void CaptionButton::OnEnter(wxMouseEvent& event) {
    m_hovered = true;
    RefreshHoverLook();
    event.Skip();
}

void CaptionButton::OnLeave(wxMouseEvent& event) {
    m_hovered = false;
    RefreshHoverLook();
    event.Skip();
}

void CaptionButton::OnKeyDown(wxKeyEvent& event) {
    switch (event.GetKeyCode()) {
    case WXK_SPACE:
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        if (IsEnabled()) {
            Click();
        }
        break;
    default:
        event.Skip();
    }
}

void CaptionButton::OnFocusChange(wxFocusEvent& event) {
    if (m_bitmaps[Focus].IsOk()) {
        Refresh(true);
    }
    event.Skip();
}

void CaptionButton::OnSysColourChanged(wxSysColourChangedEvent& event) {
    if (!IsEnabled()) {
        Refresh(true);
    }
    event.Skip();
}
