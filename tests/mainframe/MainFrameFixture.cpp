#include "mainframe/MainFrameFixture.h"
#include "support/GuiTestSupport.h"

#include "device/LoggerUsb.h"

#include <cstdio>
#include <fstream>
#include <sstream>

MainFrameInternals::MainFrameInternals(MainFrame* f)
    : frame(f), m_usb(f->m_usb), m_recordings(f->m_recordings), m_shownIndex(f->m_shownIndex),
      m_saved(f->m_saved), m_workspacePath(f->m_workspacePath), m_statusTimer(f->m_statusTimer),
      m_liveTimer(f->m_liveTimer), m_liveRecording(f->m_liveRecording),
      m_livePeriodMs(f->m_livePeriodMs), m_lastSampleTime(f->m_lastSampleTime),
      m_filterOn(f->m_filterOn), m_filterHalfWidth(f->m_filterHalfWidth),
      m_flowGraphShown(f->m_flowGraphShown), m_volumeGraphShown(f->m_volumeGraphShown),
      m_pressureGraphShown(f->m_pressureGraphShown), m_measureFlow(f->m_measureFlow),
      m_measurePressure(f->m_measurePressure), m_gridShown(f->m_gridShown),
      m_samplesShown(f->m_samplesShown), m_dateMenu(f->m_dateMenu), m_unitItems(f->m_unitItems),
      m_absoluteTimeItem(f->m_absoluteTimeItem), m_panel(f->m_panel), m_plot(f->m_plot),
      m_recordList(f->m_recordList), m_clock(f->m_clock), m_flowLcd(f->m_flowLcd),
      m_pressureLcd(f->m_pressureLcd), m_flowUnitLabel(f->m_flowUnitLabel),
      m_pressureUnitLabel(f->m_pressureUnitLabel), m_batteryGauge(f->m_batteryGauge),
      m_memoryGauge(f->m_memoryGauge), m_resourceText(f->m_resourceText),
      m_openButton(f->m_openButton), m_saveButton(f->m_saveButton), m_printButton(f->m_printButton),
      m_captureButton(f->m_captureButton), m_versionButton(f->m_versionButton),
      m_flowGraphButton(f->m_flowGraphButton), m_volumeGraphButton(f->m_volumeGraphButton),
      m_pressureGraphButton(f->m_pressureGraphButton), m_zoomInButton(f->m_zoomInButton),
      m_zoomOutButton(f->m_zoomOutButton), m_measureFlowButton(f->m_measureFlowButton),
      m_measurePressureButton(f->m_measurePressureButton), m_gridButton(f->m_gridButton),
      m_samplesButton(f->m_samplesButton), m_filterButton(f->m_filterButton),
      m_liveButton(f->m_liveButton), m_stopButton(f->m_stopButton),
      m_settingsButton(f->m_settingsButton), m_clearButton(f->m_clearButton),
      m_downloadButton(f->m_downloadButton), m_deleteButton(f->m_deleteButton),
      m_titleButton(f->m_titleButton), m_informationButton(f->m_informationButton),
      m_textBoxButton(f->m_textBoxButton), m_flowTargetButton(f->m_flowTargetButton),
      m_timeAxis(f->m_timeAxis), m_flowAxis(f->m_flowAxis), m_volumeAxis(f->m_volumeAxis),
      m_pressureOverlayAxis(f->m_pressureOverlayAxis), m_pressureAxis(f->m_pressureAxis),
      m_flowSeries(f->m_flowSeries), m_volumeSeries(f->m_volumeSeries),
      m_pressureSeries(f->m_pressureSeries), m_pressureOverlaySeries(f->m_pressureOverlaySeries),
      m_targetSeries(f->m_targetSeries), m_readoutBox(f->m_readoutBox),
      m_textBoxLayer(f->m_textBoxLayer), m_pointWidth(f->m_pointWidth), m_lineWidth(f->m_lineWidth),
      m_markedIndex(f->m_markedIndex) {}

void MainFrameFixture::TearDown() {
    if (m_frame) {
        In(m_frame).m_saved = true; // no exit prompt
        m_frame->Destroy();
        WaitForDestroyed();
    }
    std::remove(ConfigPath().c_str());
}

std::string MainFrameFixture::ConfigPath() {
    return std::string(MainFrame::SettingsPath().fn_str());
}

void MainFrameFixture::WriteConfig(const std::vector<int>& lines) {
    std::ofstream out(ConfigPath());
    for (int line : lines) {
        out << line << "\n";
    }
}

std::string MainFrameFixture::ReadConfig() {
    std::ifstream in(ConfigPath());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

MainFrame* MainFrameFixture::Start(const std::vector<int>& config) {
    WriteConfig(config);
    m_frame = new MainFrame("Fara titlu", wxDefaultPosition, wxSize(440, 440));
    m_frame->Show(true);
    return m_frame.get();
}

void MainFrameFixture::WaitForDestroyed() {
    EXPECT_TRUE(WaitFor([this] { return !m_frame; }));
}

void MainFrameFixture::Command(int id, wxEventType type) {
    wxCommandEvent event(type, id);
    event.SetEventObject(m_frame.get());
    m_frame->GetEventHandler()->ProcessEvent(event);
}

Storage& MainFrameFixture::AddRecording(const wxString& title, const wxString& date, int count) {
    Storage record(date, 1000, 1, false, 0, static_cast<int>(In(m_frame).m_recordings.size()) + 1);
    record.SetTitle(title);
    float volume = 0.0f;
    for (int i = 0; i < count; ++i) {
        const float flow = 10.0f + static_cast<float>(i);
        volume += flow / 60.0f;
        record.AddSample(static_cast<float>(i + 1), flow, 2.0f + static_cast<float>(i) / 10.0f,
                         volume);
    }
    In(m_frame).m_recordings.push_back(record);
    m_frame->RefreshList();
    return In(m_frame).m_recordings.back();
}

void MainFrameFixture::SelectOnly(int row) {
    wxListView* list = In(m_frame).m_recordList;
    for (long i = list->GetFirstSelected(); i != -1; i = list->GetNextSelected(i)) {
        list->Select(i, false);
    }
    list->Focus(row);
    list->Select(row, true);
}

int FileDialogAnswer::OnInvoked(wxFileDialog* dialog) const {
    if (!m_message.empty()) {
        EXPECT_EQ(dialog->GetMessage(), m_message);
        EXPECT_EQ(dialog->GetFilename(), m_fileName);
    }
    if (m_id == wxID_OK) {
        dialog->SetPath(m_path);
        const bool taken = WaitFor([&] { return dialog->GetPath() == m_path; }, 3000);
        EXPECT_TRUE(taken) << "file dialog reports " << dialog->GetPath().utf8_str().data();
    }
    return m_id;
}

int MessageAnswer::OnInvoked(wxMessageDialog* dialog) const {
    EXPECT_EQ(dialog->GetMessage(), m_message);
    EXPECT_EQ(dialog->GetTitle(), m_caption);
    EXPECT_EQ(dialog->GetMessageDialogStyle() & m_style, m_style) << m_message.utf8_str().data();
    return m_id;
}
