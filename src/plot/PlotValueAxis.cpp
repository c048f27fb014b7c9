#include "plot/PlotValueAxis.h"

#include "plot/AxisTicks.h"
#include "plot/PlotWindow.h"

#include <wx/dc.h>
#include <wx/settings.h>

wxIMPLEMENT_DYNAMIC_CLASS(PlotValueAxis, PlotLayer);

PlotValueAxis::PlotValueAxis(const wxString& name, int align, bool ticks, bool reserveRight)
    : PlotLayer(name, KindAxis), align(align), ticks(ticks), reserveRight(reserveRight),
      keyLabel(name.BeforeFirst(' ')) {
    m_font = *wxSMALL_FONT;
    m_pen = *wxGREY_PEN;
}

int PlotValueAxis::LinePosition(const PlotWindow& window) const {
    int hw = window.scrX / 2;
    switch (align) {
    case 0:
        return hw - 20;
    case 1:
        return -PlotWindow::Truncate(window.centerX * window.scaleX);
    case 2:
        return 50 - hw;
    case 4:
        return -hw;
    default:
        return hw - 1;
    }
}

void PlotValueAxis::DrawTick(wxDC& dc, int x0, int p, int gridEnd) {
    if (ticks) {
        if (align == 4) {
            dc.DrawLine(x0, p, x0 + 4, p);
        } else {
            dc.DrawLine(x0 - 4, p, x0, p);
        }
        return;
    }
    m_pen.SetStyle(wxPENSTYLE_DOT);
    dc.SetPen(m_pen);
    dc.DrawLine(x0, p, gridEnd, p);
    m_pen.SetStyle(wxPENSTYLE_SOLID);
    dc.SetPen(m_pen);
}

void PlotValueAxis::Draw(wxDC& dc, PlotWindow& window) {
    dc.SetPen(m_pen);
    dc.SetFont(m_font);
    int hh = window.scrY / 2;
    int x0 = LinePosition(window);
    int bottom = hh - window.bottomMargin;
    dc.DrawLine(x0, -hh, x0, bottom);

    AxisTicks tickValues(window.scaleY, window.centerY, hh);
    int gridEnd = reserveRight ? window.scrX / 2 - 50 : window.scrX / 2;
    int lastTop = 65536;
    tickValues.ForEach(window.centerY + hh / window.scaleY, [&](double n) {
        int p = PlotWindow::Truncate((window.centerY - n) * window.scaleY);
        if (p <= 30 - hh || p >= bottom) {
            return;
        }
        DrawTick(dc, x0, p, gridEnd);
        wxString text = AxisTicks::ValueLabel(n, tickValues.Digits());
        wxCoord tw = 0, th = 0;
        dc.GetTextExtent(text, &tw, &th);
        if (th / 2 + lastTop - p <= 32) {
            return;
        }
        dc.DrawText(text, align == 4 ? x0 + 4 : x0 - tw - 4, p - th / 2);
        lastTop = p - th / 2;
    });
    DrawTitleAndKeys(dc, window, x0);
}

void PlotValueAxis::DrawTitleAndKeys(wxDC& dc, const PlotWindow& window, int x0) {
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
        dc.DrawText(m_name, x0 - tw - 4, 4 - hh);
    } else {
        dc.DrawRotatedText(m_name, x0 - 48, tw / 2, 90.0);
    }
    int keyX = 80 - window.scrX / 2;
    dc.GetTextExtent(topKeyLabel, &tw, &th);
    dc.DrawText(topKeyLabel, keyX, -th / 2 - hh + 10);
    dc.GetTextExtent(keyLabel, &tw, &th);
    dc.DrawText(keyLabel, keyX, -th / 2 - hh + 22);
}
