// Paints a flow recording with its axes, grid, key, titles, readout and note into a PNG, the
// way the main window composes a flow graph with pressure overlaid.
#include "plot/PlotReadoutBox.h"
#include "plot/PlotSecondaryAxis.h"
#include "plot/PlotSecondaryVectorSeries.h"
#include "plot/PlotTextBox.h"
#include "plot/PlotTimeAxis.h"
#include "plot/PlotValueAxis.h"
#include "plot/PlotVectorSeries.h"
#include "plot/PlotWindow.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/init.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

struct Recording {
    std::vector<float> time, flow, pressure, volume;
};

Recording MakeRecording() {
    Recording r;
    double volume = 0;
    for (int i = 0; i <= 900; ++i) {
        double t = i;
        double flow = 28 + 9 * std::sin(t / 70.0) + 4 * std::sin(t / 9.0) + (i > 600 ? 6 : 0);
        volume += flow / 60.0;
        r.time.push_back(static_cast<float>(t));
        r.flow.push_back(static_cast<float>(flow));
        r.pressure.push_back(static_cast<float>(3.2 - 0.03 * (flow - 28) + 0.1 * std::cos(t / 5)));
        r.volume.push_back(static_cast<float>(volume));
    }
    return r;
}

wxFont AxisFont() {
    return wxFont(9, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD);
}

} // namespace

int main(int argc, char** argv) {
    const char* path = argc > 1 ? argv[1] : "/tmp/plot-demo.png";
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "cannot start wxWidgets: is there a display?\n");
        return 2;
    }
    wxInitAllImageHandlers();
    {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "demo");
        auto* plot = new PlotWindow(frame, wxID_ANY, wxDefaultPosition, wxSize(800, 400));
        frame->SetClientSize(800, 400);
        frame->Show();
        wxTheApp->Yield();
        Recording r = MakeRecording();

        PlotTimeAxis timeAxis("Timp (h:m:s)", 2, false, true);
        PlotValueAxis flowAxis("Flux (Litru/min)", 2, false, true);
        PlotSecondaryAxis pressureAxis("Presiune (bar)", 5, true);
        for (PlotLayer* axis :
             {static_cast<PlotLayer*>(&timeAxis), static_cast<PlotLayer*>(&flowAxis),
              static_cast<PlotLayer*>(&pressureAxis)}) {
            axis->SetFont(AxisFont());
        }
        PlotVectorSeries flow;
        flow.SetData3(r.time, r.flow, r.volume, 0);
        flow.SetName("Inregistrare 3 03/03/2011 14:00:00");
        flow.SetSubtitle("Hidrant H12, strada Morii");
        flow.SetFooter("Vendrix Serial No. 4711");
        flow.SetValuePrefix("Flux");
        flow.SetValueSuffix("l/min");
        flow.SetExtraPrefix("Volum");
        flow.SetExtraSuffix("Litri");
        PlotSecondaryVectorSeries pressure;
        pressure.SetData2(r.time, r.pressure);
        pressure.SetValuePrefix("Presiune");
        pressure.SetValueSuffix("Bar");
        for (PlotLayer* series :
             {static_cast<PlotLayer*>(&flow), static_cast<PlotLayer*>(&pressure)}) {
            series->SetFont(AxisFont());
            series->SetContinuous(true);
        }
        flow.SetPen(wxPen(*wxBLUE, 2));
        pressure.SetPen(wxPen(*wxRED, 2));
        wxFont boxFont(12, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD);
        PlotReadoutBox readout(200, 20, 40, 40, *wxTRANSPARENT_BRUSH);
        PlotTextBox note(200, 20, 40, 40, *wxTRANSPARENT_BRUSH);
        readout.SetFont(boxFont);
        note.SetFont(boxFont);
        note.SetText("Test de debit\nPresiune statica 3.2 bar");

        plot->absoluteTime = true;
        plot->startTime = wxDateTime(3, wxDateTime::Mar, 2011, 14, 0, 0);
        plot->bottomMargin = 45;
        for (PlotLayer* layer :
             {static_cast<PlotLayer*>(&timeAxis), static_cast<PlotLayer*>(&flowAxis),
              static_cast<PlotLayer*>(&flow), static_cast<PlotLayer*>(&pressureAxis),
              static_cast<PlotLayer*>(&pressure), static_cast<PlotLayer*>(&readout),
              static_cast<PlotLayer*>(&note)}) {
            plot->AppendLayer(layer);
        }
        plot->Fit();

        wxBitmap bitmap(800, 400);
        wxMemoryDC dc(bitmap);
        plot->Render(dc, wxSize(800, 400)); // places the boxes for this size
        note.SetTextBoxPosition(*plot, 60, -150);
        plot->measurePrimary = true;
        plot->leftX = 560; // measure at the cursor's time
        plot->Render(dc, wxSize(800, 400));
        plot->measurePrimary = false;
        plot->Render(dc, wxSize(800, 400));
        dc.SelectObject(wxNullBitmap);
        bool saved = bitmap.SaveFile(path, wxBITMAP_TYPE_PNG);
        std::printf("%s %s\n", saved ? "wrote" : "could not write", path);

        for (int key = 0; key < plot->LayerCount(); ++key) {
            plot->RemoveLayer(key);
        }
        delete frame;
    }
    wxEntryCleanup();
    return 0;
}
