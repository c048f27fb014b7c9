#pragma once
#include "plot/PlotLayer.h"

// A vertical axis on the primary scale (the left-hand axis of every graph). It also labels
// the two upper key rows whose strokes the series draw.
class PlotValueAxis : public PlotLayer {
public:
    PlotValueAxis(const wxString& name = wxEmptyString, int align = 2, bool ticks = true,
                  bool reserveRight = false);

    bool HasBoundingBox() override { return false; }
    void Draw(wxDC& dc, PlotWindow& window) override;

    void SetTicks(bool on) { ticks = on; }
    void SetReserveRight(bool on) { reserveRight = on; }
    void SetKeyLabel(const wxString& text) { keyLabel = text; }
    void SetTopKeyLabel(const wxString& text) { topKeyLabel = text; }

    // 0 near the right edge, 1 at data x = 0, 2 50 pixels from the left, 4 left edge, 5 right.
    int align;
    bool ticks;
    bool reserveRight;
    wxString keyLabel;
    wxString topKeyLabel;

private:
    int LinePosition(const PlotWindow& window) const;
    void DrawTick(wxDC& dc, int x0, int p, int gridEnd);
    void DrawTitleAndKeys(wxDC& dc, const PlotWindow& window, int x0);

    wxDECLARE_DYNAMIC_CLASS(PlotValueAxis);
};
