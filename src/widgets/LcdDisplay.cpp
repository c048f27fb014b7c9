#include "widgets/LcdDisplay.h"

#include "widgets/LcdGeometry.h"
#include "widgets/LcdText.h"

#include <wx/dcclient.h>

#include <algorithm>

wxBEGIN_EVENT_TABLE(LcdDisplay, wxWindow)
    EVT_PAINT(LcdDisplay::OnPaint)
    EVT_SIZE(LcdDisplay::OnSize)
wxEND_EVENT_TABLE()

LcdDisplay::LcdDisplay(wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : wxWindow(parent, wxID_ANY, pos, size, wxNO_BORDER, "panel") {
    // The whole window is painted on every paint, so the toolkit need not erase it first.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetBackgroundColour(wxColour(236, 233, 216));
    // The given size is the least a sizer may give the display.
    SetInitialSize(size);
}

LcdDisplay::~LcdDisplay() = default;

void LcdDisplay::SetDigitCount(int n) {
    m_digitCount = std::max(n, 0);
    Refresh(false);
}

void LcdDisplay::SetValue(const wxString& text) {
    m_text = text;
    Refresh(false);
}

void LcdDisplay::OnPaint(wxPaintEvent& event) {
    wxPaintDC dc(this);
    Paint(dc, GetClientSize());
}

void LcdDisplay::OnSize(wxSizeEvent& event) {
    Refresh(false);
    event.Skip();
}

void LcdDisplay::Paint(wxDC& dc, const wxSize& clientSize) const {
    dc.SetBackground(wxBrush(GetBackgroundColour()));
    dc.Clear();

    const LcdGeometry geometry(m_segmentLength, m_segmentThickness, m_gap, m_digitCount);
    const LcdGeometry::Fit fit = geometry.FitInto(clientSize);
    if (fit.scale <= 0.0) {
        return; // nothing fits (and a zero scale would break the device context)
    }
    double oldScaleX = 1.0;
    double oldScaleY = 1.0;
    dc.GetUserScale(&oldScaleX, &oldScaleY);
    const wxPoint oldOrigin = dc.GetDeviceOrigin();
    dc.SetUserScale(fit.scale, fit.scale);
    dc.SetDeviceOrigin(fit.origin.x, fit.origin.y);

    const std::vector<LcdCell> cells = LcdText::Layout(m_text, m_digitCount);
    for (size_t index = 0; index < cells.size(); ++index) {
        DrawCell(dc, geometry, static_cast<int>(index), cells[index]);
    }

    dc.SetUserScale(oldScaleX, oldScaleY);
    dc.SetDeviceOrigin(oldOrigin.x, oldOrigin.y);
}

void LcdDisplay::UseSegmentColours(wxDC& dc, bool lit) const {
    dc.SetBrush(wxBrush(lit ? m_litColour : m_unlitColour));
    dc.SetPen(wxPen(GetBackgroundColour(), 1, wxPENSTYLE_SOLID));
}

void LcdDisplay::DrawCell(wxDC& dc, const LcdGeometry& geometry, int index,
                          const LcdCell& cell) const {
    const wxPoint origin = geometry.CellOrigin(index);
    if (cell.character == ':') {
        DrawColon(dc, geometry, origin);
        return;
    }
    const int mask = LcdText::SegmentMask(cell.character);
    for (int segment = 0; segment < LcdGeometry::kPointSegment; ++segment) {
        const std::vector<wxPoint> corners = geometry.SegmentCorners(segment, origin);
        UseSegmentColours(dc, (mask & (1 << segment)) != 0);
        dc.DrawPolygon(static_cast<int>(corners.size()), corners.data(), 0, 0, wxODDEVEN_RULE);
    }
    UseSegmentColours(dc, cell.point);
    dc.DrawEllipse(geometry.PointBox(origin));
}

void LcdDisplay::DrawColon(wxDC& dc, const LcdGeometry& geometry, const wxPoint& origin) const {
    UseSegmentColours(dc, true);
    dc.DrawEllipse(geometry.ColonDotBox(origin, 0));
    dc.DrawEllipse(geometry.ColonDotBox(origin, 1));
}
