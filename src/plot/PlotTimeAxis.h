#pragma once
#include "plot/PlotLayer.h"

#include <wx/datetime.h>

// The horizontal time axis: elapsed time, or clock time and date from the recording start.
class PlotTimeAxis : public PlotLayer {
public:
    PlotTimeAxis(const wxString& name = wxEmptyString, int align = 2, bool ticks = true,
                 bool reserveRight = false);

    bool HasBoundingBox() override { return false; }
    void Draw(wxDC& dc, PlotWindow& window) override;

    void SetTicks(bool on) { ticks = on; }
    void SetReserveRight(bool on) { reserveRight = on; }

    // n seconds from the start as a time of day counted from midnight ("%M:%S" within the
    // first hour); negative times wrap to the day before.
    static wxString ElapsedText(double seconds);
    static wxString ClockText(const wxDateTime& start, double seconds);
    static wxString DateText(const wxDateTime& start, double seconds);

    // 0 top, 1 at data y = 0, 2 bottomMargin above the bottom, 4 bottom edge, 5 top edge.
    int align;
    bool ticks;
    bool reserveRight;

private:
    int LinePosition(const PlotWindow& window, int margin) const;
    void DrawTick(wxDC& dc, int p, int y0, int top);
    void DrawTitle(wxDC& dc, int hw, int y0, bool absolute);

    wxDECLARE_DYNAMIC_CLASS(PlotTimeAxis);
};
