#include "mainframe/MainFrame.h"

#include "app/AppSettings.h"
#include "plot/PlotWindow.h"
#include "records/Units.h"
#include "widgets/CaptionButton.h"
#include "widgets/LcdClock.h"
#include "widgets/LcdDisplay.h"

void MainFrame::SetMeasureMode(MeasureMode mode) {
    const bool flow = mode == MeasureMode::Flow;
    const bool pressure = mode == MeasureMode::Pressure;
    // The mode switched on goes first, so that the cursor ends as the mode switched off
    // leaves it.
    auto setFlow = [&] {
        if (m_measureFlow != flow) {
            SetButtonLatched(m_measureFlowButton, "measure", flow);
            m_measureFlow = flow;
            m_plot->SetMeasurePrimary(flow);
        }
    };
    auto setPressure = [&] {
        if (m_measurePressure != pressure) {
            SetButtonLatched(m_measurePressureButton, "measure", pressure);
            m_measurePressure = pressure;
            m_plot->SetMeasureSecondary(pressure);
        }
    };
    if (pressure) {
        setPressure();
        setFlow();
    } else {
        setFlow();
        setPressure();
    }
    RebuildGraph();
}

void MainFrame::OnMeasureFlow(wxCommandEvent&) {
    SetMeasureMode(m_measureFlow ? MeasureMode::None : MeasureMode::Flow);
}

void MainFrame::OnMeasurePressure(wxCommandEvent&) {
    SetMeasureMode(m_measurePressure ? MeasureMode::None : MeasureMode::Pressure);
}

void MainFrame::ShowMeasurement(int kind, const wxString& text) {
    Storage* shown = nullptr;
    if (m_shownIndex >= 0 && m_shownIndex < static_cast<int>(m_recordings.size())) {
        shown = &m_recordings[m_shownIndex];
    }
    if (kind == 1) {
        double x = 0.0, y = 0.0;
        text.BeforeFirst(' ').ToCDouble(&x);
        text.AfterFirst(' ').ToCDouble(&y);
        if (m_flowGraphShown) {
            const wxString flow = Units::FlowDisplayText(AppSettings.flowUnit, y);
            m_flowLcd->SetValue(flow);
            m_clock->SetSeconds(static_cast<float>(x));
            if (shown != nullptr) {
                shown->SetFlowMeasurement(flow);
            }
        } else if (m_pressureGraphShown && !m_volumeGraphShown) {
            m_clock->SetSeconds(static_cast<float>(x));
            const wxString pressure = Units::MeasuredPressureText(y);
            m_pressureLcd->SetValue(pressure);
            if (shown != nullptr) {
                shown->SetPressureMeasurement(pressure);
            }
        } else if (m_volumeGraphShown) {
            m_flowLcd->SetValue(Units::FlowDisplayText(AppSettings.flowUnit, y));
            m_clock->SetSeconds(static_cast<float>(x));
        }
    } else if (kind == 2) {
        double y = 0.0;
        text.BeforeFirst(' ').ToCDouble(&y);
        const wxString pressure = Units::MeasuredPressureText(y);
        m_pressureLcd->SetValue(pressure);
        if (shown != nullptr) {
            shown->SetPressureMeasurement(pressure);
        }
    }
}

void MainFrame::OnPlotMeasure(wxCommandEvent& event) {
    ShowMeasurement(event.GetInt(), event.GetString());
}
