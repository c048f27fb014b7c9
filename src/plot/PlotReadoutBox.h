#pragma once
#include "plot/PlotInfoBox.h"

// Lists the measured value (and extra value) of every visible series that has a mark, each
// line with a short stroke in the series' pen.
class PlotReadoutBox : public PlotInfoBox {
public:
    PlotReadoutBox(int x, int y, int width, int height, const wxBrush& brush);

    void Draw(wxDC& dc, PlotWindow& window) override;

    // " %.2f " below 30, else " %.0f ": small values keep their decimals.
    static wxString FormatValue(double value);
};
