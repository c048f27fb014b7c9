#pragma once
#include <wx/bitmap.h>
#include <wx/control.h>
#include <wx/font.h>
#include <wx/validate.h>

#include <vector>

// A push button that shows an image and, centred along its bottom edge, a short caption.
// GTK has no owner-drawn native push button, so the button draws itself; it keeps the same
// images as the toolkit's bitmap button (normal, pressed, hover, focus, disabled) and sends
// wxEVT_BUTTON with its id when clicked with the mouse or with Space or Enter.
class CaptionButton : public wxControl {
public:
    CaptionButton();
    CaptionButton(wxWindow* parent, wxWindowID id, const wxBitmap& bitmap, const wxString& caption,
                  const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                  long style = wxNO_BORDER, const wxValidator& validator = wxDefaultValidator,
                  const wxString& name = "button");
    ~CaptionButton() override;

    bool Create(wxWindow* parent, wxWindowID id, const wxBitmap& bitmap, const wxString& caption,
                const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                long style = wxNO_BORDER, const wxValidator& validator = wxDefaultValidator,
                const wxString& name = "button");

    void SetCaption(const wxString& caption);
    const wxString& GetCaption() const { return m_caption; }

    void SetBitmapLabel(const wxBitmap& bitmap);
    void SetBitmap(const wxBitmap& bitmap) { SetBitmapLabel(bitmap); }
    void SetBitmapPressed(const wxBitmap& bitmap);
    void SetBitmapSelected(const wxBitmap& bitmap) { SetBitmapPressed(bitmap); }
    void SetBitmapCurrent(const wxBitmap& bitmap);
    void SetBitmapHover(const wxBitmap& bitmap) { SetBitmapCurrent(bitmap); }
    void SetBitmapDisabled(const wxBitmap& bitmap);
    void SetBitmapFocus(const wxBitmap& bitmap);

    const wxBitmap& GetBitmapLabel() const { return m_bitmaps[Normal]; }
    const wxBitmap& GetBitmap() const { return m_bitmaps[Normal]; }
    const wxBitmap& GetBitmapPressed() const { return m_bitmaps[Pressed]; }
    const wxBitmap& GetBitmapSelected() const { return m_bitmaps[Pressed]; }
    const wxBitmap& GetBitmapCurrent() const { return m_bitmaps[Current]; }
    const wxBitmap& GetBitmapHover() const { return m_bitmaps[Current]; }
    const wxBitmap& GetBitmapDisabled() const { return m_bitmaps[Disabled]; }
    const wxBitmap& GetBitmapFocus() const { return m_bitmaps[Focus]; }

    // The image for the button's present state; an invalid bitmap when none is set.
    const wxBitmap& ChooseBitmap() const;

    // Draws the image and the caption as they appear in a client area of that size; the
    // background is left as it is.
    void Paint(wxDC& dc, const wxSize& clientSize) const;

    // How the caption is drawn within a width: in the button's font, made smaller point by
    // point down to kSmallestCaptionPoints until it fits; failing that on two lines broken at
    // a blank, in the largest such size; failing that on one line in the smallest size,
    // clipped at both edges.
    struct CaptionLayout {
        wxFont font;
        std::vector<wxString> lines;
    };
    CaptionLayout LayOutCaption(wxDC& dc, int width) const;
    static constexpr int kSmallestCaptionPoints = 7;

    // True while the left button is held down over the button.
    bool IsPressed() const { return m_mouseDown && m_pointerInside; }
    bool IsHovered() const { return m_hovered; }

    bool Enable(bool enable = true) override;
    bool AcceptsFocusFromKeyboard() const override { return IsEnabled(); }

protected:
    wxSize DoGetBestClientSize() const override;

private:
    enum BitmapState { Normal, Pressed, Current, Focus, Disabled, StateCount };

    void SetBitmapFor(BitmapState state, const wxBitmap& bitmap);
    void Click();
    void RefreshHoverLook();

    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnEnter(wxMouseEvent& event);
    void OnLeave(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnFocusChange(wxFocusEvent& event);
    void OnSysColourChanged(wxSysColourChangedEvent& event);

    wxString m_caption;
    wxBitmap m_bitmaps[StateCount];
    bool m_mouseDown = false;
    bool m_pointerInside = false;
    bool m_hovered = false;

    wxDECLARE_DYNAMIC_CLASS(CaptionButton);
    wxDECLARE_EVENT_TABLE();
};
