#include "plot/PlotSecondaryAxis.h"

#include "plot/AxisTicks.h"
#include "plot/PlotWindow.h"

#include <wx/dc.h>
#include <wx/settings.h>

wxIMPLEMENT_DYNAMIC_CLASS(PlotSecondaryAxis, PlotLayer);

PlotSecondaryAxis::PlotSecondaryAxis(const wxString& name, int align, bool ticks)
    : PlotLayer(name, KindAxis), align(align), ticks(ticks) {
    m_font = *wxSMALL_FONT;
    m_pen = *wxGREY_PEN;
}

int PlotSecondaryAxis::LinePosition(const PlotWindow& window) const {
    int hw = window.scrX / 2;
    switch (align) {
    case 0:
        return hw - 20;
    case 1:
        return -PlotWindow::Truncate(window.centerX * window.scaleX);
    case 2:
        return 40 - hw;
    case 4:
        return -hw;
    default:
        return hw - 50;
    }
}

void PlotSecondaryAxis::DrawTick(wxDC& dc, const PlotWindow& window, int x0, int p) {
    if (ticks) {
        if (align == 4) {
            dc.DrawLine(x0, p, x0 + 4, p);
        } else {
            dc.DrawLine(x0 + 4, p, x0, p);
        }
        return;
    }
    m_pen.SetStyle(wxPENSTYLE_DOT);
    dc.SetPen(m_pen);
    dc.DrawLine(-window.scrX, p, window.scrX, p);
    m_pen.SetStyle(wxPENSTYLE_SOLID);
    dc.SetPen(m_pen);
}

void PlotSecondaryAxis::Draw(wxDC& dc, PlotWindow& window) {
    // This axis is always grey, whatever pen it was given.
    m_pen = *wxGREY_PEN;
    dc.SetPen(m_pen);
    dc.SetFont(m_font);
    int hh = window.scrY / 2;
    int x0 = LinePosition(window);
    dc.DrawLine(x0, -hh, x0, hh - window.bottomMargin);

    AxisTicks tickValues(window.scaleY2, window.centerY2, hh);
    int lastTop = 65536;
    tickValues.ForEach(window.centerY2 + hh / window.scaleY2, [&](double n) {
        int p = PlotWindow::Truncate(window.scaleY2 * (window.centerY2 - n));
        if (p >= hh - 30) {
            return;
        }
        DrawTick(dc, window, x0, p);
        wxString text = wxString::Format("%.1f", n);
        wxCoord tw = 0, th = 0;
        dc.GetTextExtent(text, &tw, &th);
        if (th / 2 + lastTop - p <= 32) {
            return;
        }
        dc.DrawText(text, align == 4 ? x0 + 4 : x0 + 6, p - th / 2);
        lastTop = p - th / 2;
    });
    DrawTitleAndKey(dc, window, x0);
}

void PlotSecondaryAxis::DrawTitleAndKey(wxDC& dc, const PlotWindow& window, int x0) {
    if (align == 0) {
        return;
    }
    int hh = window.scrY / 2;
    wxCoord tw = 0, th = 0;
    dc.GetTextExtent(m_name, &tw, &th);
    if (align == 4) {
        dc.DrawText(m_name, x0 - tw - 4, th - hh + 4);
        return;
    }
    if (align == 5) {
        dc.DrawRotatedText(m_name, window.scrX / 2 - 5, -tw / 2, -90.0);
    } else {
        dc.DrawText(m_name, x0 + 4, 4 - hh);
    }
    wxString key = m_name.BeforeFirst(' ');
    dc.GetTextExtent(key, &tw, &th);
    dc.DrawText(key, 80 - window.scrX / 2, -th / 2 - hh + 35);
}
