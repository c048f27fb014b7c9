#pragma once
#include "plot/PlotLayer.h"

// The right-hand vertical axis on the secondary scale (pressure over flow or volume). It also
// labels the third key row with the first word of its title.
class PlotSecondaryAxis : public PlotLayer {
public:
    PlotSecondaryAxis(const wxString& name = wxEmptyString, int align = 5, bool ticks = true);

    bool HasBoundingBox() override { return false; }
    void Draw(wxDC& dc, PlotWindow& window) override;

    void SetTicks(bool on) { ticks = on; }

    // 0 near the right edge, 1 at data x = 0, 2 40 pixels from the left, 4 left edge,
    // 5 50 pixels from the right edge.
    int align;
    bool ticks;

private:
    int LinePosition(const PlotWindow& window) const;
    void DrawTick(wxDC& dc, const PlotWindow& window, int x0, int p);
    void DrawTitleAndKey(wxDC& dc, const PlotWindow& window, int x0);

    wxDECLARE_DYNAMIC_CLASS(PlotSecondaryAxis);
};
