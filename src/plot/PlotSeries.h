#pragma once
#include "plot/DotPainter.h"
#include "plot/PlotLayer.h"

#include <wx/gdicmn.h>

// A data series on the primary (left-hand) scale: draws its points, its key stroke, the
// recording's title, subtitle and footer and, while measuring, a cross-hair and a mark.
class PlotSeries : public PlotLayer {
public:
    PlotSeries(const wxString& name = wxEmptyString, int flags = 0);

    void Draw(wxDC& dc, PlotWindow& window) override;

    virtual void RestartPoints() = 0;
    virtual bool NextPoint(double& x, double& y) = 0;
    virtual bool PointAt(double& x, double& y, double& z, int index) = 0;
    virtual int PointCount() = 0;

    wxPoint GetMarkPosition() const { return m_markPosition; }

    // The flow-target line is auxiliary: it has no measuring and keys in the top row.
    bool auxiliary = false;
    bool hideKeyStroke = true;
    // Where the title goes: 0 top centre, 1 top left, 2 bottom left, 3 bottom right.
    int titleAlign;

private:
    void DrawKey(wxDC& dc, const PlotWindow& window);
    void DrawTexts(wxDC& dc, const PlotWindow& window);
    void Measure(wxDC& dc, PlotWindow& window);

    wxPoint m_markPosition{0, 0};
    // Kept between paints so that its pixel map is not allocated again each time.
    DotPainter m_dots;

    wxDECLARE_ABSTRACT_CLASS(PlotSeries);
};
