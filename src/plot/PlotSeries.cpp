#include "plot/PlotSeries.h"

#include "plot/PlotEvents.h"
#include "plot/PlotWindow.h"
#include "plot/SeriesDrawing.h"

#include <wx/dc.h>

wxIMPLEMENT_ABSTRACT_CLASS(PlotSeries, PlotLayer);

PlotSeries::PlotSeries(const wxString& name, int flags)
    : PlotLayer(name, KindPrimarySeries), titleAlign(flags) {}

void PlotSeries::Draw(wxDC& dc, PlotWindow& window) {
    dc.SetPen(m_pen);
    RestartPoints();
    if (!m_visible) {
        return;
    }
    SeriesDrawing::DrawPoints(dc, *this, window, false, m_dots);
    if (m_continuous) {
        DrawKey(dc, window);
    }
    DrawTexts(dc, window);
    if (!auxiliary && window.measurePrimary) {
        Measure(dc, window);
    }
    if (m_markShown) {
        SeriesDrawing::DrawMark(dc, m_markPosition);
    }
}

void PlotSeries::DrawKey(wxDC& dc, const PlotWindow& window) {
    if (!auxiliary) {
        SeriesDrawing::DrawKeyStroke(dc, window, 22);
    } else if (!hideKeyStroke) {
        SeriesDrawing::DrawKeyStroke(dc, window, 10);
    }
}

void PlotSeries::DrawTexts(wxDC& dc, const PlotWindow& window) {
    if (m_name.empty()) {
        return;
    }
    int hw = window.scrX >> 1;
    int hh = window.scrY >> 1;
    wxCoord tw = 0, th = 0;
    m_font.SetPointSize(11);
    dc.SetFont(m_font);
    dc.GetTextExtent(m_name, &tw, &th);
    switch (titleAlign & 3) {
    case 0:
        dc.DrawText(m_name, 10 - tw / 2, 6 - hh);
        break;
    case 1:
        dc.DrawText(m_name, 8 - hw, 6 - hh);
        break;
    case 2:
        dc.DrawText(m_name, 8 - hw, hh - th - 6);
        break;
    default:
        dc.DrawText(m_name, hw - tw - 8, hh - th - 6);
        break;
    }
    // Subtitle and footer are measured with the font left by the text before them.
    if (!m_subtitle.empty()) {
        dc.GetTextExtent(m_subtitle, &tw, &th);
        m_font.SetPointSize(10);
        dc.SetFont(m_font);
        dc.DrawText(m_subtitle, 10 - tw / 2, 20 - hh);
    }
    if (!m_footer.empty()) {
        dc.GetTextExtent(m_footer, &tw, &th);
        m_font.SetPointSize(8);
        dc.SetFont(m_font);
        dc.DrawText(m_footer, 60 - window.scrX / 2, window.scrY / 2 - th);
    }
}

void PlotSeries::Measure(wxDC& dc, PlotWindow& window) {
    double x = 0.0, y = 0.0, z = 0.0;
    if (!SeriesDrawing::MeasureAtClick(dc, *this, window, window.scaleY, window.centerY, x, y, z,
                                       m_markPosition)) {
        return;
    }
    m_markValue = y;
    m_markExtra = z;
    m_markShown = true;
    wxCommandEvent event(EVT_PLOT_MEASURE, wxID_ANY);
    event.SetEventObject(this);
    event.SetInt(1);
    event.SetString(wxString::Format("%f %f", x, y));
    SeriesDrawing::SendToParent(window, event);
}
