#include "plot/MyPrintout.h"

#include "plot/PlotLayer.h"
#include "plot/PlotWindow.h"

#include <wx/dc.h>

const wxString MyPrintout::HeaderText = "VRX Flowmeters Ltd. Flow Monitoring Software, Dextrel2";

MyPrintout::MyPrintout(const wxString& title, PlotWindow* plot) : wxPrintout(title), m_plot(plot) {}

bool MyPrintout::OnBeginDocument(int startPage, int endPage) {
    return wxPrintout::OnBeginDocument(startPage, endPage);
}

bool MyPrintout::HasPage(int page) {
    return page == 1 || page == 2;
}

void MyPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
    *minPage = 1;
    *maxPage = 1;
    *pageFrom = 1;
    *pageTo = 1;
}

bool MyPrintout::OnPrintPage(int) {
    wxDC* dc = GetDC();
    if (dc == nullptr) {
        return false;
    }
    return DrawPage(*dc, dc->GetSize());
}

bool MyPrintout::DrawPage(wxDC& dc, const wxSize& pageSize) {
    if (!DrawPlot(dc, pageSize)) {
        return false;
    }
    MapHeaderToPage(dc);
    // The layers leave their own fonts and colours behind.
    dc.SetFont(*wxNORMAL_FONT);
    dc.SetTextForeground(*wxBLACK);
    dc.DrawText(HeaderText, 10, 10);
    return true;
}

bool MyPrintout::DrawPlot(wxDC& dc, const wxSize& pageSize) {
    // A plot that has never been laid out has no width to scale from.
    if (m_plot == nullptr || m_plot->scrX <= 0) {
        return false;
    }
    const float scale = static_cast<float>(pageSize.x) / static_cast<float>(m_plot->scrX);
    dc.SetUserScale(scale, scale);
    // Layers draw relative to the plot centre, which goes to the page centre. The paint
    // path's Render places the origin at the plot's own half size and fills its background,
    // so the layers are drawn here directly, in the same order.
    dc.SetDeviceOrigin(pageSize.x / 2, pageSize.y / 2);
    for (int key = 0; key < m_plot->LayerCount(); ++key) {
        if (PlotLayer* layer = m_plot->LayerAt(key)) {
            layer->Draw(dc, *m_plot);
        }
    }
    dc.SetDeviceOrigin(0, 0);
    return true;
}

void MyPrintout::MapHeaderToPage(wxDC& dc) {
    if (&dc == GetDC() && HasPrinterMetrics()) {
        MapScreenSizeToPage();
        return;
    }
    dc.SetUserScale(1.0, 1.0);
    dc.SetDeviceOrigin(0, 0);
}

// The toolkit's screen-to-page mapping divides by these; without them (a context that did
// not come from a printer) it would produce an unusable scale.
bool MyPrintout::HasPrinterMetrics() const {
    int screenX = 0, screenY = 0, printerX = 0, printerY = 0, pageX = 0, pageY = 0;
    GetPPIScreen(&screenX, &screenY);
    GetPPIPrinter(&printerX, &printerY);
    GetPageSizePixels(&pageX, &pageY);
    return screenX > 0 && screenY > 0 && printerX > 0 && printerY > 0 && pageX > 0 && pageY > 0;
}
