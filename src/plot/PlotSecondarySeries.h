#pragma once
#include "plot/DotPainter.h"
#include "plot/PlotLayer.h"

#include <wx/gdicmn.h>

// A data series on the secondary (right-hand) scale, used for pressure over flow or volume.
// It always draws and keys in the third row; it has no titles of its own.
class PlotSecondarySeries : public PlotLayer {
public:
    PlotSecondarySeries(const wxString& name = wxEmptyString, int flags = 0);

    void Draw(wxDC& dc, PlotWindow& window) override;

    virtual void RestartPoints() = 0;
    virtual bool NextPoint(double& x, double& y) = 0;
    virtual bool PointAt(double& x, double& y, double& z, int index) = 0;
    virtual int PointCount() = 0;

    wxPoint GetMarkPosition() const { return m_markPosition; }
    int GetFlags() const { return m_flags; }

private:
    void Measure(wxDC& dc, PlotWindow& window);

    int m_flags;
    wxPoint m_markPosition{0, 0};
    // Kept between paints so that its pixel map is not allocated again each time.
    DotPainter m_dots;

    wxDECLARE_ABSTRACT_CLASS(PlotSecondarySeries);
};
