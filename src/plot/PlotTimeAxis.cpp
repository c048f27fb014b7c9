#include "plot/PlotTimeAxis.h"

#include "plot/AxisTicks.h"
#include "plot/PlotWindow.h"

#include <wx/dc.h>
#include <wx/settings.h>

#include <algorithm>
#include <cmath>

wxIMPLEMENT_DYNAMIC_CLASS(PlotTimeAxis, PlotLayer);

namespace {
constexpr int kDefaultMargin = 35;

wxDateTime Offset(const wxDateTime& start, double seconds) {
    // Far beyond any recording; keeps the millisecond count inside 64 bits.
    constexpr double limit = 1.0e12;
    seconds = std::isfinite(seconds) ? std::max(-limit, std::min(limit, seconds)) : 0.0;
    return start + wxTimeSpan::Milliseconds(wxLongLong(std::llround(seconds * 1000.0)));
}
} // namespace

PlotTimeAxis::PlotTimeAxis(const wxString& name, int align, bool ticks, bool reserveRight)
    : PlotLayer(name, KindAxis), align(align), ticks(ticks), reserveRight(reserveRight) {
    m_font = *wxNORMAL_FONT;
    m_pen = *wxGREY_PEN;
}

wxString PlotTimeAxis::ElapsedText(double seconds) {
    // Tick values carry the rounding of the power-of-5 step (a tick at 125 s is 124.9999998);
    // taken to the millisecond first, as the clock labels are, the tick reads 02:05, not 02:04.
    double whole = std::trunc(std::round(seconds * 1000.0) / 1000.0);
    if (!std::isfinite(whole)) {
        whole = 0.0;
    }
    double ofDay = std::fmod(whole, 86400.0);
    if (ofDay < 0) {
        ofDay += 86400.0;
    }
    int total = static_cast<int>(ofDay);
    int hours = total / 3600;
    int minutes = total / 60 % 60;
    int secs = total % 60;
    if (hours != 0) {
        return wxString::Format("%02d:%02d:%02d", hours, minutes, secs);
    }
    return wxString::Format("%02d:%02d", minutes, secs);
}

wxString PlotTimeAxis::ClockText(const wxDateTime& start, double seconds) {
    return Offset(start, seconds).Format("%H:%M:%S");
}

wxString PlotTimeAxis::DateText(const wxDateTime& start, double seconds) {
    return Offset(start, seconds).Format("%d\\%m\\%y");
}

int PlotTimeAxis::LinePosition(const PlotWindow& window, int margin) const {
    int hh = window.scrY / 2;
    switch (align) {
    case 0:
        return 10 - hh;
    case 1:
        return PlotWindow::Truncate(window.centerY * window.scaleY);
    case 2:
        return hh - margin;
    case 4:
        return hh - 1;
    default:
        return -hh;
    }
}

void PlotTimeAxis::DrawTick(wxDC& dc, int p, int y0, int top) {
    if (ticks) {
        dc.DrawLine(p, y0, p, align == 4 ? y0 - 4 : y0 + 4);
        return;
    }
    m_pen.SetStyle(wxPENSTYLE_DOT);
    dc.SetPen(m_pen);
    dc.DrawLine(p, top, p, y0);
    m_pen.SetStyle(wxPENSTYLE_SOLID);
    dc.SetPen(m_pen);
}

void PlotTimeAxis::Draw(wxDC& dc, PlotWindow& window) {
    dc.SetPen(m_pen);
    dc.SetFont(m_font);
    bool absolute = window.absoluteTime;
    int margin = window.bottomMargin;
    if (!window.startTime.IsValid()) {
        absolute = false;
        margin = kDefaultMargin;
        window.bottomMargin = kDefaultMargin;
    }
    int hw = window.scrX / 2;
    int hh = window.scrY / 2;
    int right = window.HasSecondarySeries() ? hw - 50 : hw;
    int y0 = LinePosition(window, margin);
    dc.DrawLine(50 - hw, y0, right, y0);

    int lastRight = -65535;
    AxisTicks tickValues(window.scaleX, window.centerX, hw);
    tickValues.ForEach(window.centerX + right / window.scaleX, [&](double n) {
        int p = PlotWindow::Truncate((n - window.centerX) * window.scaleX);
        if (p <= 50 - hw || (p >= hw - 50 && reserveRight)) {
            return;
        }
        DrawTick(dc, p, y0, 30 - hh);
        wxString text = absolute ? ClockText(window.startTime, n) : ElapsedText(n);
        wxCoord tw = 0, th = 0;
        dc.GetTextExtent(text, &tw, &th);
        int left = p - tw / 2;
        if (left - lastRight <= 10) {
            return;
        }
        if (align == 4) {
            dc.DrawText(text, left, y0 - th - 4);
            if (absolute) {
                dc.DrawText(DateText(window.startTime, n), p - tw / 2, y0 - th - 14);
            }
        } else {
            dc.DrawText(text, left, y0 + 4);
            if (absolute) {
                dc.DrawText(DateText(window.startTime, n), p - tw / 2, y0 + 14);
            }
            dc.DrawLine(p, y0 + 5, p, y0);
        }
        lastRight = p + tw / 2;
    });
    DrawTitle(dc, hw, y0, absolute);
}

void PlotTimeAxis::DrawTitle(wxDC& dc, int hw, int y0, bool absolute) {
    if (align == 0) {
        return;
    }
    wxCoord tw = 0, th = 0;
    dc.GetTextExtent(m_name, &tw, &th);
    if (align == 4) {
        dc.DrawText(m_name, hw - tw - 4, y0 - 2 * th - 4);
    } else {
        dc.DrawText(m_name, 0, absolute ? y0 + th + 12 : y0 + th);
    }
}
