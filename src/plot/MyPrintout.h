#pragma once
#include <wx/print.h>

class PlotWindow;

// Prints the plot window's graph on one page: the plot scaled to the page width and centred,
// under a fixed header line.
class MyPrintout : public wxPrintout {
public:
    static const wxString HeaderText;

    // The plot window is not owned; it must outlive the printout.
    MyPrintout(const wxString& title, PlotWindow* plot);

    bool OnBeginDocument(int startPage, int endPage) override;
    bool HasPage(int page) override;
    bool OnPrintPage(int page) override;
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;

    // Draws the page into dc as a page of pageSize device units. With the printout's own
    // context the header is sized for the printer; with any other context (a bitmap) one
    // screen pixel is one page unit. False when there is no plot to draw.
    bool DrawPage(wxDC& dc, const wxSize& pageSize);

private:
    bool DrawPlot(wxDC& dc, const wxSize& pageSize);
    void MapHeaderToPage(wxDC& dc);
    bool HasPrinterMetrics() const;

    PlotWindow* m_plot;
};
