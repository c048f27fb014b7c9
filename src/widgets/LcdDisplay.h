#pragma once
#include <wx/colour.h>
#include <wx/dc.h>
#include <wx/window.h>

class LcdGeometry;
struct LcdCell;

// A short text shown as a row of seven-segment digits, scaled to fill the window and centred.
class LcdDisplay : public wxWindow {
public:
    LcdDisplay(wxWindow* parent, const wxPoint& pos = wxDefaultPosition,
               const wxSize& size = wxDefaultSize);
    ~LcdDisplay() override;

    void SetDigitCount(int n);
    int GetDigitCount() const { return m_digitCount; }
    void SetValue(const wxString& text);
    const wxString& GetValue() const { return m_text; }

    // Draws the whole display, background included, as it appears in a client area of that
    // size.
    void Paint(wxDC& dc, const wxSize& clientSize) const;

protected:
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);

private:
    void DrawCell(wxDC& dc, const LcdGeometry& geometry, int index, const LcdCell& cell) const;
    void DrawColon(wxDC& dc, const LcdGeometry& geometry, const wxPoint& origin) const;
    void UseSegmentColours(wxDC& dc, bool lit) const;

    int m_segmentLength = 40;
    int m_segmentThickness = 11;
    int m_gap = 5;
    int m_digitCount = 5;
    wxString m_text;
    wxColour m_litColour{60, 80, 200};
    wxColour m_unlitColour{236, 233, 216};

    wxDECLARE_EVENT_TABLE();
};
