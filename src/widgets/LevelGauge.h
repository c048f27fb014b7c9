#pragma once
#include <wx/colour.h>
#include <wx/dc.h>
#include <wx/window.h>

// A horizontal gauge drawn by the program itself: a bar of its own colour on its own
// background inside a thin frame. The toolkit's gauge cannot be coloured on every platform,
// and the battery level is told by its colour.
class LevelGauge : public wxWindow {
public:
    LevelGauge(wxWindow* parent, wxWindowID id, int range, const wxPoint& pos = wxDefaultPosition,
               const wxSize& size = wxDefaultSize);

    void SetRange(int range);
    int GetRange() const { return m_range; }
    // Values outside 0..range are drawn at the nearer end.
    void SetValue(int value);
    int GetValue() const { return m_value; }
    void SetBarColour(const wxColour& colour);
    const wxColour& GetBarColour() const { return m_barColour; }
    bool SetBackgroundColour(const wxColour& colour) override;

    // Width in pixels of the bar inside a client area of that width.
    int BarWidth(int clientWidth) const;
    // Draws the whole gauge as it appears in a client area of that size.
    void Paint(wxDC& dc, const wxSize& clientSize) const;

private:
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);

    int m_range;
    int m_value = 0;
    wxColour m_barColour{0, 255, 0};
    wxColour m_frameColour{128, 128, 128};

    wxDECLARE_EVENT_TABLE();
};
