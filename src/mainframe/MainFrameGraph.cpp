#include "mainframe/MainFrame.h"

#include "app/AppSettings.h"
#include "mainframe/CommandIds.h"
#include "plot/PenDialog.h"
#include "plot/PlotReadoutBox.h"
#include "plot/PlotSecondaryAxis.h"
#include "plot/PlotSecondaryVectorSeries.h"
#include "plot/PlotTextBox.h"
#include "plot/PlotTimeAxis.h"
#include "plot/PlotValueAxis.h"
#include "plot/PlotVectorSeries.h"
#include "plot/PlotWindow.h"
#include "widgets/CaptionButton.h"
#include "widgets/ResourceBitmap.h"

#include <wx/colordlg.h>
#include <wx/menu.h>

// Layers

void MainFrame::BuildGraphLayers() {
    const wxFont axisFont(9, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD);
    m_timeAxis = std::make_unique<PlotTimeAxis>("Timp (h:m:s)", 2, true, false);
    m_flowAxis = std::make_unique<PlotValueAxis>("Flux", 2, true, false);
    m_volumeAxis = std::make_unique<PlotValueAxis>("Volum", 2, true, false);
    m_pressureOverlayAxis = std::make_unique<PlotSecondaryAxis>("Presiune", 5, true);
    m_pressureAxis = std::make_unique<PlotValueAxis>("Presiune", 2, true, false);
    for (PlotLayer* axis :
         {static_cast<PlotLayer*>(m_timeAxis.get()), static_cast<PlotLayer*>(m_flowAxis.get()),
          static_cast<PlotLayer*>(m_volumeAxis.get()),
          static_cast<PlotLayer*>(m_pressureOverlayAxis.get()),
          static_cast<PlotLayer*>(m_pressureAxis.get())}) {
        axis->SetFont(axisFont);
    }

    m_plot->absoluteTime = true;
    m_plot->bottomMargin = 45;
    m_plot->AppendLayer(m_timeAxis.get());

    m_flowSeries = std::make_unique<PlotVectorSeries>("", 0);
    m_volumeSeries = std::make_unique<PlotVectorSeries>("", 0);
    m_pressureSeries = std::make_unique<PlotVectorSeries>("", 0);
    m_pressureOverlaySeries = std::make_unique<PlotSecondaryVectorSeries>("", 0);
    const wxPen bluePen(*wxBLUE, 2, wxPENSTYLE_SOLID);
    const wxPen redPen(*wxRED, 2, wxPENSTYLE_SOLID);
    for (PlotLayer* series : SeriesLayers()) {
        series->SetFont(axisFont);
        series->SetContinuous(true);
        series->SetVisible(true);
    }
    m_flowSeries->SetPen(bluePen);
    m_volumeSeries->SetPen(bluePen);
    m_pressureSeries->SetPen(redPen);
    m_pressureOverlaySeries->SetPen(redPen);

    m_pointWidth = 6;
    m_lineWidth = 2;

    const wxFont boxFont(12, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD);
    m_readoutBox = std::make_unique<PlotReadoutBox>(200, 20, 40, 40, *wxTRANSPARENT_BRUSH);
    m_readoutBox->SetFont(boxFont);
    m_textBoxLayer = std::make_unique<PlotTextBox>(200, 20, 40, 40, *wxTRANSPARENT_BRUSH);
    m_textBoxLayer->SetFont(boxFont);

    m_targetSeries = std::make_unique<PlotVectorSeries>("", 0);
    m_targetSeries->SetFont(axisFont);
    m_targetSeries->SetPen(wxPen(*wxGREEN, 3, wxPENSTYLE_LONG_DASH));
    m_flowAxis->SetTopKeyLabel("");
    m_targetSeries->auxiliary = true;
    m_targetSeries->hideKeyStroke = true;
}

std::vector<PlotLayer*> MainFrame::SeriesLayers() const {
    return {m_flowSeries.get(), m_volumeSeries.get(), m_pressureSeries.get(),
            m_pressureOverlaySeries.get()};
}

void MainFrame::RebuildGraph() {
    for (int key = 0; key <= 8; ++key) {
        m_plot->RemoveLayer(key);
    }
    const bool ticks = !m_gridShown;
    m_timeAxis->SetTicks(ticks);
    m_flowAxis->SetTicks(ticks);
    m_volumeAxis->SetTicks(ticks);
    m_pressureAxis->SetTicks(ticks);

    PlotValueAxis* leftAxis = nullptr;
    PlotVectorSeries* series = nullptr;
    wxString valuePrefix, extraPrefix;
    if (m_flowGraphShown) {
        m_plot->AppendLayer(m_timeAxis.get());
        m_plot->AppendLayer(m_flowAxis.get());
        m_plot->AppendLayer(m_flowSeries.get());
        m_plot->AppendLayer(m_targetSeries.get());
        m_targetSeries->SetValuePrefix("");
        m_targetSeries->SetContinuous(true);
        leftAxis = m_flowAxis.get();
        series = m_flowSeries.get();
        valuePrefix = "Flux";
        extraPrefix = "Volum";
    } else if (m_volumeGraphShown) {
        m_plot->AppendLayer(m_timeAxis.get());
        m_plot->AppendLayer(m_volumeAxis.get());
        m_plot->AppendLayer(m_volumeSeries.get());
        leftAxis = m_volumeAxis.get();
        series = m_volumeSeries.get();
        valuePrefix = "Volum";
        extraPrefix = "Flux";
    } else if (m_pressureGraphShown) {
        m_plot->AppendLayer(m_timeAxis.get());
        m_timeAxis->SetReserveRight(false);
        m_flowAxis->SetReserveRight(false);
        m_plot->AppendLayer(m_pressureAxis.get());
        m_plot->AppendLayer(m_pressureSeries.get());
        m_pressureAxis->SetKeyLabel("Presiune");
        m_plot->AppendLayer(m_readoutBox.get());
        m_pressureSeries->SetValuePrefix("Presiune");
        m_plot->AppendLayer(m_textBoxLayer.get());
        return;
    } else {
        return;
    }

    // The common tail of the flow and volume graphs.
    m_timeAxis->SetReserveRight(false);
    leftAxis->SetReserveRight(false);
    series->SetValuePrefix(valuePrefix);
    series->SetExtraPrefix(extraPrefix);
    if (m_pressureGraphShown) {
        m_timeAxis->SetReserveRight(true);
        leftAxis->SetReserveRight(true);
        m_plot->AppendLayer(m_pressureOverlayAxis.get());
        m_plot->AppendLayer(m_pressureOverlaySeries.get());
        m_pressureOverlaySeries->SetValuePrefix("Presiune");
    }
    m_plot->AppendLayer(m_readoutBox.get());
    m_plot->AppendLayer(m_textBoxLayer.get());
}

void MainFrame::ShowRecording(int index) {
    if (index < 0 || index >= static_cast<int>(m_recordings.size())) {
        return;
    }
    m_shownIndex = index;
    const Storage& record = m_recordings[index];
    m_flowSeries->SetData3(record.GetTimes(), record.GetFlows(), record.GetVolumes(),
                           record.GetFlowTarget());
    m_volumeSeries->SetData3(record.GetTimes(), record.GetVolumes(), record.GetFlows(), 0);
    m_pressureSeries->SetData(record.GetTimes(), record.GetPressures(), 0);
    m_pressureOverlaySeries->SetData2(record.GetTimes(), record.GetPressures());
    ShowRecordingAround(index);
}

void MainFrame::ShowGrowthOfShownRecording(int index, std::size_t heldBefore) {
    // Only a recording that is shown and grew at its end since keeps its series' samples;
    // anything else is shown afresh.
    if (index != m_shownIndex || index < 0 || index >= static_cast<int>(m_recordings.size()) ||
        static_cast<std::size_t>(m_flowSeries->PointCount()) != heldBefore) {
        ShowRecording(index);
        return;
    }
    const Storage& record = m_recordings[index];
    m_flowSeries->Append(record.GetTimes(), record.GetFlows(), record.GetVolumes(),
                         record.GetFlowTarget());
    m_volumeSeries->Append(record.GetTimes(), record.GetVolumes(), record.GetFlows(), 0);
    m_pressureSeries->Append(record.GetTimes(), record.GetPressures(), {}, 0);
    m_pressureOverlaySeries->Append(record.GetTimes(), record.GetPressures(), {},
                                    PlotSampleData::kNoMinimumTop);
    ShowRecordingAround(index);
}

// Everything about the shown recording but its samples: names, target, texts, fit.
void MainFrame::ShowRecordingAround(int index) {
    const Storage& record = m_recordings[index];
    const wxString name = record.GetTitle() + " " + record.GetDateText();
    for (PlotLayer* series : SeriesLayers()) {
        series->SetName(name);
        series->SetSubtitle(record.GetInformation());
    }

    m_targetSeries->SetData(record.GetTargetLineX(), record.GetTargetLineY(), 0);
    m_targetSeries->SetName("");
    const bool hasTarget = record.HasFlowTarget();
    m_targetSeries->SetVisible(hasTarget);
    m_targetSeries->hideKeyStroke = !hasTarget;
    m_flowAxis->SetTopKeyLabel(hasTarget ? wxString::FromUTF8("Ţintă de flux") : wxString());

    if (index != m_markedIndex) {
        for (PlotLayer* series : SeriesLayers()) {
            series->SetMarkShown(false);
        }
        m_markedIndex = index;
    }

    const wxString footer =
        record.GetSerialNumber() != 0
            ? wxString::Format("Vendrix Serial No. %d", record.GetSerialNumber())
            : wxString();
    for (PlotLayer* series : SeriesLayers()) {
        series->SetFooter(footer);
    }

    ApplyUnitTexts(index);

    m_textBoxLayer->SetText(record.GetTextBox());
    m_textBoxLayer->SetTextBoxPosition(*m_plot, record.GetTextBoxX(), record.GetTextBoxY());

    m_plot->startTime = record.GetStartTime();
    m_plot->absoluteTime = AppSettings.absoluteTime;
    m_plot->bottomMargin = AppSettings.absoluteTime ? 45 : 35;
    m_plot->Redraw();
    m_plot->Fit();
}

// Graph buttons

void MainFrame::SetButtonLatched(CaptionButton* button, const char* image, bool latched) {
    const wxString name(image);
    if (latched) {
        const wxBitmap pressed = button->GetBitmapPressed();
        button->SetBitmapLabel(pressed);
        button->SetBitmapHover(pressed);
    } else {
        button->SetBitmapLabel(ResourceBitmap((name + "_normal").c_str()));
        button->SetBitmapHover(ResourceBitmap((name + "_hover").c_str()));
    }
    button->Refresh();
}

void MainFrame::ShowSelectedGraph() {
    SetButtonLatched(m_flowGraphButton, "flowgraph", m_flowGraphShown);
    SetButtonLatched(m_volumeGraphButton, "volumegraph", m_volumeGraphShown);
    SetButtonLatched(m_pressureGraphButton, "pressuregraph", m_pressureGraphShown);
    ApplyUnitTexts(-1);
    RebuildGraph();
    m_plot->Fit();
}

void MainFrame::ShowFlowGraph() {
    m_flowGraphShown = true;
    m_volumeGraphShown = false;
    m_measureFlowButton->SetCaption("Masurare F");
    ShowSelectedGraph();
}

void MainFrame::ToggleFlowGraph() {
    if (!m_flowGraphShown) {
        ShowFlowGraph();
        return;
    }
    m_flowGraphShown = false;
    m_volumeGraphShown = false;
    ShowSelectedGraph();
}

void MainFrame::OnFlowGraph(wxCommandEvent&) {
    ToggleFlowGraph();
}

void MainFrame::ShowVolumeGraph() {
    if (!m_volumeGraphShown) {
        m_volumeGraphShown = true;
        m_flowGraphShown = false;
        m_measureFlowButton->SetCaption("Masurare Volum");
    }
    ShowSelectedGraph();
}

void MainFrame::OnVolumeGraph(wxCommandEvent&) {
    ShowVolumeGraph();
}

void MainFrame::TogglePressureGraph() {
    m_pressureGraphShown = !m_pressureGraphShown;
    ShowSelectedGraph();
}

void MainFrame::OnPressureGraph(wxCommandEvent&) {
    TogglePressureGraph();
}

void MainFrame::ToggleGrid() {
    m_gridShown = !m_gridShown;
    SetButtonLatched(m_gridButton, "grid", m_gridShown);
    RebuildGraph();
}

void MainFrame::OnGrid(wxCommandEvent&) {
    ToggleGrid();
}

// Styles

void MainFrame::SetSeriesWidths(int width, bool continuous) {
    for (PlotLayer* series : SeriesLayers()) {
        wxPen pen = series->GetPen();
        pen.SetWidth(width);
        series->SetPen(pen);
        series->SetContinuous(continuous);
    }
}

void MainFrame::ToggleSamples() {
    m_samplesShown = !m_samplesShown;
    SetButtonLatched(m_samplesButton, "samples", m_samplesShown);
    if (m_samplesShown) {
        SetSeriesWidths(m_pointWidth, false);
    } else {
        SetSeriesWidths(m_lineWidth, true);
    }
    RebuildGraph();
}

void MainFrame::OnSamples(wxCommandEvent&) {
    ToggleSamples();
}

void MainFrame::ChooseSeriesColour(int command) {
    wxColourData data;
    data.SetChooseFull(true);
    for (int i = 0; i < 16; ++i) {
        data.SetCustomColour(i, wxColour(16 * i, 16 * i, 16 * i));
    }
    wxColourDialog dialog(this, &data);
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    const wxPen pen(dialog.GetColourData().GetColour(), 5, wxPENSTYLE_SOLID);
    switch (command) {
    case ID_COLOUR_FLOW:
        m_flowSeries->SetPen(pen);
        break;
    case ID_COLOUR_VOLUME:
        m_volumeSeries->SetPen(pen);
        break;
    case ID_COLOUR_PRESSURE:
        m_pressureSeries->SetPen(pen);
        m_pressureOverlaySeries->SetPen(pen);
        break;
    }
    m_plot->Redraw();
}

void MainFrame::OnSeriesColour(wxCommandEvent& event) {
    ChooseSeriesColour(event.GetId());
}

void MainFrame::ChooseSeriesWidth(int command) {
    PlotLayer* series = m_flowSeries.get();
    if (command == ID_WIDTH_VOLUME) {
        series = m_volumeSeries.get();
    } else if (command == ID_WIDTH_PRESSURE) {
        series = m_pressureSeries.get();
    }
    PenDialog dialog(this, series->GetPen().GetWidth());
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    const int width = dialog.GetWidth();
    wxPen pen = series->GetPen();
    pen.SetWidth(width);
    series->SetPen(pen);
    if (command == ID_WIDTH_PRESSURE) {
        m_pressureOverlaySeries->SetPen(pen);
    } else if (m_samplesShown) {
        m_pointWidth = width;
    } else {
        m_lineWidth = width;
    }
    m_plot->Redraw();
}

void MainFrame::OnSeriesWidth(wxCommandEvent& event) {
    ChooseSeriesWidth(event.GetId());
}

// View

void MainFrame::OnZoomIn(wxCommandEvent&) {
    m_plot->ZoomIn();
}

void MainFrame::OnZoomOut(wxCommandEvent&) {
    m_plot->ZoomOut();
}

void MainFrame::ToggleAbsoluteTime() {
    AppSettings.absoluteTime = !AppSettings.absoluteTime;
    m_absoluteTimeItem->Check(AppSettings.absoluteTime);
    m_plot->absoluteTime = AppSettings.absoluteTime;
    m_plot->bottomMargin = AppSettings.absoluteTime ? 45 : 35;
    m_plot->Redraw();
    m_plot->Fit();
}

void MainFrame::OnAbsoluteTime(wxCommandEvent&) {
    ToggleAbsoluteTime();
}
