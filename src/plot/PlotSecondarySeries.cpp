#include "plot/PlotSecondarySeries.h"

#include "plot/PlotEvents.h"
#include "plot/PlotWindow.h"
#include "plot/SeriesDrawing.h"

#include <wx/dc.h>

wxIMPLEMENT_ABSTRACT_CLASS(PlotSecondarySeries, PlotLayer);

PlotSecondarySeries::PlotSecondarySeries(const wxString& name, int flags)
    : PlotLayer(name, KindSecondarySeries), m_flags(flags) {}

void PlotSecondarySeries::Draw(wxDC& dc, PlotWindow& window) {
    dc.SetPen(m_pen);
    RestartPoints();
    SeriesDrawing::DrawPoints(dc, *this, window, true, m_dots);
    if (m_continuous) {
        SeriesDrawing::DrawKeyStroke(dc, window, 35);
    }
    if (window.measureSecondary) {
        Measure(dc, window);
    }
    if (m_markShown) {
        SeriesDrawing::DrawMark(dc, m_markPosition);
    }
}

void PlotSecondarySeries::Measure(wxDC& dc, PlotWindow& window) {
    double x = 0.0, y = 0.0, z = 0.0;
    if (!SeriesDrawing::MeasureAtClick(dc, *this, window, window.scaleY2, window.centerY2, x, y, z,
                                       m_markPosition)) {
        return;
    }
    m_markValue = y;
    m_markExtra = z;
    m_markShown = true;
    wxCommandEvent event(EVT_PLOT_MEASURE, wxID_ANY);
    event.SetEventObject(this);
    event.SetInt(2);
    event.SetString(wxString::Format("%f ", y));
    SeriesDrawing::SendToParent(window, event);
}
