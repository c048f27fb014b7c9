#include "mainframe/MainFrame.h"

#include "app/AppSettings.h"
#include "mainframe/CommandIds.h"
#include "mainframe/UnitTexts.h"
#include "plot/PlotSecondaryAxis.h"
#include "plot/PlotSecondaryVectorSeries.h"
#include "plot/PlotValueAxis.h"
#include "plot/PlotVectorSeries.h"

#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/stattext.h>

void MainFrame::UpdateFlowUnitChecks() {
    const int current = AppSettings.flowUnit;
    if (current > 3) {
        return;
    }
    for (int index = 0; index < 4; ++index) {
        m_unitItems[index]->Check(index == current);
    }
}

void MainFrame::SelectFlowUnit(int flowIndex) {
    AppSettings.flowUnit = static_cast<std::uint8_t>(flowIndex);
    UpdateFlowUnitChecks();
    wxMessageBox("Reporniti aplicatia pentru a modifica unitatile de flux", "Message",
                 wxOK | wxCENTRE);
}

void MainFrame::OnFlowUnit(wxCommandEvent& event) {
    SelectFlowUnit(FlowIndexOfMenuId(event.GetId()));
}

void MainFrame::ApplyUnitTexts(int recordingIndex) {
    int metric = AppSettings.metric;
    int pressureCode = AppSettings.pressureUnit;
    if (recordingIndex >= 0 && recordingIndex < static_cast<int>(m_recordings.size())) {
        metric = m_recordings[recordingIndex].GetMetric();
        pressureCode = m_recordings[recordingIndex].GetPressureUnit();
    }
    const UnitTexts texts = UnitTexts::For(metric, AppSettings.flowUnit, pressureCode,
                                           m_flowGraphShown, m_volumeGraphShown);
    auto write = [](const std::optional<wxString>& text, auto&& apply) {
        if (text) {
            apply(*text);
        }
    };
    write(texts.flowAxisTitle, [&](const wxString& t) { m_flowAxis->SetName(t); });
    write(texts.volumeAxisTitle, [&](const wxString& t) { m_volumeAxis->SetName(t); });
    write(texts.flowUnitLabel, [&](const wxString& t) { m_flowUnitLabel->SetLabel(t); });
    write(texts.flowValueSuffix, [&](const wxString& t) { m_flowSeries->SetValueSuffix(t); });
    write(texts.flowExtraSuffix, [&](const wxString& t) { m_flowSeries->SetExtraSuffix(t); });
    write(texts.volumeValueSuffix, [&](const wxString& t) { m_volumeSeries->SetValueSuffix(t); });
    write(texts.volumeExtraSuffix, [&](const wxString& t) { m_volumeSeries->SetExtraSuffix(t); });
    write(texts.pressureAxisTitle, [&](const wxString& t) {
        m_pressureOverlayAxis->SetName(t);
        m_pressureAxis->SetName(t);
    });
    write(texts.pressureLabel, [&](const wxString& t) {
        m_pressureUnitLabel->SetLabel(t);
        m_pressureSeries->SetValueSuffix(t);
        m_pressureOverlaySeries->SetValueSuffix(t);
    });
}
