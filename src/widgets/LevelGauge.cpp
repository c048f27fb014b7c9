#include "widgets/LevelGauge.h"

#include <wx/dcclient.h>

#include <algorithm>

wxBEGIN_EVENT_TABLE(LevelGauge, wxWindow) EVT_PAINT(LevelGauge::OnPaint)
    EVT_SIZE(LevelGauge::OnSize) wxEND_EVENT_TABLE()

        LevelGauge::LevelGauge(wxWindow* parent, wxWindowID id, int range, const wxPoint& pos,
                               const wxSize& size)
    : wxWindow(parent, id, pos, size, wxNO_BORDER, "gauge"), m_range(std::max(range, 1)) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    wxWindow::SetBackgroundColour(wxColour(236, 233, 216));
    SetInitialSize(size);
}

void LevelGauge::SetRange(int range) {
    m_range = std::max(range, 1);
    m_value = std::min(m_value, m_range);
    Refresh(false);
}

void LevelGauge::SetValue(int value) {
    m_value = std::clamp(value, 0, m_range);
    Refresh(false);
}

void LevelGauge::SetBarColour(const wxColour& colour) {
    m_barColour = colour;
    Refresh(false);
}

bool LevelGauge::SetBackgroundColour(const wxColour& colour) {
    const bool changed = wxWindow::SetBackgroundColour(colour);
    Refresh(false);
    return changed;
}

int LevelGauge::BarWidth(int clientWidth) const {
    const int inside = std::max(clientWidth - 2, 0);
    return static_cast<int>(static_cast<long long>(inside) * m_value / m_range);
}

void LevelGauge::Paint(wxDC& dc, const wxSize& clientSize) const {
    dc.SetPen(wxPen(m_frameColour));
    dc.SetBrush(wxBrush(GetBackgroundColour()));
    dc.DrawRectangle(0, 0, clientSize.x, clientSize.y);
    const int bar = BarWidth(clientSize.x);
    if (bar > 0 && clientSize.y > 2) {
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(m_barColour));
        dc.DrawRectangle(1, 1, bar, clientSize.y - 2);
    }
}

void LevelGauge::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    Paint(dc, GetClientSize());
}

void LevelGauge::OnSize(wxSizeEvent& event) {
    Refresh(false);
    event.Skip();
}
