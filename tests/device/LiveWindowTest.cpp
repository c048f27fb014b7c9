#include "app/AppSettings.h"
#include "device/DeviceTexts.h"
#include "device/DeviceWindowFixture.h"
#include "device/LiveRecording.h"
#include "device/LoggerConversions.h"
#include "device/RawSample.h"
#include "device/TocEntry.h"
#include "files/WorkspaceFile.h"
#include "mainframe/CommandIds.h"
#include "plot/PlotSecondaryVectorSeries.h"
#include "plot/PlotVectorSeries.h"
#include "plot/PlotWindow.h"
#include "support/CapturedLog.h"
#include "widgets/LcdDisplay.h"

#include <gtest/gtest.h>
#include <wx/bmpbuttn.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>

// Live recording in the window on the simulated logger with frozen time: start, ticks, stop,
// a lost logger, and the live record leaving the collection while it records.
namespace {

namespace Sim = SimulatedLogger;

class LiveWindowTest : public DeviceWindowFixture {
protected:
    void StartLive() { Command(ID_LIVE_START, wxEVT_BUTTON); }
    void StopLive() { Command(ID_LIVE_STOP, wxEVT_BUTTON); }
    void ExpectRecording(bool recording) {
        EXPECT_EQ(Frame().m_liveButton->IsEnabled(), !recording);
        EXPECT_EQ(Frame().m_stopButton->IsEnabled(), recording);
        EXPECT_EQ(Frame().m_liveTimer.IsRunning(), recording);
        EXPECT_EQ(Frame().m_liveRecording, recording);
    }
    // The samples and bounds the four series of the graph hold, one text a series.
    std::vector<std::string> SeriesState() {
        return {SeriesText(*Frame().m_flowSeries), SeriesText(*Frame().m_volumeSeries),
                SeriesText(*Frame().m_pressureSeries),
                SeriesText(*Frame().m_pressureOverlaySeries)};
    }
    template <class Series> static std::string SeriesText(Series& series) {
        std::ostringstream text;
        text << series.BoundMinX() << ' ' << series.BoundMaxX() << ' ' << series.BoundMinY() << ' '
             << series.BoundMaxY() << ':';
        double x = 0, y = 0, z = 0;
        for (int i = 0; series.PointAt(x, y, z, i); ++i) {
            text << ' ' << x << ',' << y << ',' << z;
        }
        return text.str();
    }
    wxImage GraphImage() {
        wxBitmap bitmap(600, 300);
        {
            wxMemoryDC dc(bitmap);
            Frame().m_plot->Render(dc, bitmap.GetSize());
        }
        return bitmap.ConvertToImage();
    }
    static bool SameImage(const wxImage& a, const wxImage& b) {
        return a.GetSize() == b.GetSize() &&
               std::memcmp(a.GetData(), b.GetData(), a.GetWidth() * a.GetHeight() * 3) == 0;
    }
    // The newest event in the logger's memory, which a stop makes of the live samples.
    static std::vector<RawSample> NewestEventSamples() {
        const std::vector<unsigned char> memory = Sim::Memory();
        const int count = LoggerConversions::ReadWord(&memory[2]);
        const std::vector<TocEntry> table =
            TocEntry::DecodeTable(&memory[TocEntry::TableAddress(count)], count);
        const std::uint32_t start = count > 1 ? table[1].endAddress : 41;
        std::vector<RawSample> samples;
        for (std::uint32_t a = start; a + 3 <= table[0].endAddress; a += 3) {
            samples.push_back(RawSample::Decode(&memory[a]));
        }
        return samples;
    }
};

TEST_F(LiveWindowTest, StartMakesLiveRecordInFrontAndTheTimerRunsAtLeastEverySecond) {
    struct {
        std::uint16_t reload;
        int periodMs;
    } cases[] = {{0xFB34, 1000}, {0xE000, 2000}};
    for (const auto& c : cases) {
        Sim::Options options = TestLoggerOptions();
        options.sampleReload = c.reload;
        Sim::Configure(options);
        if (!m_frame) {
            StartOnLogger({1, 98, 0, 0, 1, 0, 0});
            AddSavedRecording("Memorie 1");
        }
        const wxString before = LiveRecording::DateText(wxDateTime::Now());
        StartLive();
        const wxString after = LiveRecording::DateText(wxDateTime::Now());
        ExpectRecording(true);
        EXPECT_EQ(Frame().m_liveTimer.GetInterval(), c.periodMs);
        EXPECT_TRUE(Sim::Logging());
        const Storage& live = Frame().m_recordings.at(0);
        EXPECT_EQ(live.GetTitle(),
                  wxString::Format("Live %d", static_cast<int>(Frame().m_recordings.size())));
        EXPECT_TRUE(live.GetDateText() == before || live.GetDateText() == after);
        EXPECT_EQ(live.GetSerialNumber(), 4711);
        EXPECT_EQ(live.GetFlowUnit(), 1);
        EXPECT_EQ(live.GetPressureUnit(), 0x62);
        EXPECT_EQ(Frame().m_recordList->GetItemText(0), live.GetTitle());
        StopLive();
        ExpectRecording(false);
        EXPECT_FALSE(Sim::Logging());
    }
    // Two starts: the second record stands in front of the first.
    EXPECT_EQ(Frame().m_recordings[0].GetTitle(), "Live 3");
    EXPECT_EQ(Frame().m_recordings[1].GetTitle(), "Live 2");
    EXPECT_EQ(Frame().m_recordings[2].GetTitle(), "Memorie 1");
}

TEST_F(LiveWindowTest, TicksAppendTheLoggersSamplesAndShowTheNewest) {
    StartOnLogger();
    StartLive();
    LiveTick(); // no time has passed: nothing to append, but the list and graph follow
    EXPECT_EQ(Frame().m_recordings[0].GetSampleCount(), 0);
    EXPECT_EQ(Frame().m_shownIndex, 0);
    EXPECT_FALSE(Frame().m_saved);
    EXPECT_EQ(Frame().m_flowLcd->GetValue(), "0.0");

    Sim::AdvanceTime(3000);
    LiveTick();
    Sim::AdvanceTime(2000);
    LiveTick();
    StopLive();

    const Storage& live = Frame().m_recordings[0];
    ASSERT_EQ(live.GetSampleCount(), 5);
    Storage expected("", live.GetIntervalMs(), 1, false, 0, 0);
    expected.SetPressureCalibration(live.GetPressureOffset(), live.GetPressureGain(),
                                    live.GetPressureGainHundredths(), live.GetPressureUnit());
    for (const RawSample& sample : NewestEventSamples()) {
        expected.AddRawSample(sample.flow, sample.pressure);
    }
    EXPECT_EQ(live.GetTimes(), expected.GetTimes());
    EXPECT_EQ(live.GetFlows(), expected.GetFlows());
    EXPECT_EQ(live.GetPressures(), expected.GetPressures());
    EXPECT_EQ(live.GetVolumes(), expected.GetVolumes());
    EXPECT_FLOAT_EQ(Frame().m_lastSampleTime, 5.0f);
    EXPECT_EQ(Frame().m_flowLcd->GetValue(), wxString::Format("%.0f", live.GetFlows().back()));
    EXPECT_EQ(Frame().m_pressureLcd->GetValue(),
              wxString::Format("%.1f", live.GetPressures().back()));
    EXPECT_EQ(Frame().m_recordList->GetItemText(0, 3), "00:05");
}

// A tick takes only the new samples into the graph; whatever happened between ticks, the
// graph must then look exactly as if the live recording had been shown afresh.
TEST_F(LiveWindowTest, TicksShowTheSameGraphAsTheLiveRecordShownAfresh) {
    StartOnLogger();
    AddSavedRecording("Memorie 1");
    StartLive();
    const struct {
        const char* between;
        int advanceMs;
        std::function<void()> act;
    } steps[] = {
        {"the first samples", 3000, [] {}},
        {"more samples", 5000, [] {}},
        {"no time passed", 0, [] {}},
        {"the filter switched on", 4000, [this] { Command(ID_FILTER, wxEVT_BUTTON); }},
        {"more filtered samples", 2000, [] {}},
        {"the filter switched off", 3000, [this] { Command(ID_FILTER, wxEVT_BUTTON); }},
        {"the other record shown", 2000, [this] { SelectOnly(1); }},
        {"points instead of lines", 6000, [this] { Command(ID_SAMPLES, wxEVT_BUTTON); }},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.between);
        step.act();
        Sim::AdvanceTime(step.advanceMs);
        LiveTick();
        EXPECT_EQ(Frame().m_shownIndex, 0);
        const std::vector<std::string> ticked = SeriesState();
        const wxImage tickedImage = GraphImage();
        Frame().frame->ShowRecording(0);
        EXPECT_EQ(ticked, SeriesState());
        EXPECT_TRUE(SameImage(tickedImage, GraphImage()));
    }
    EXPECT_GT(Frame().m_recordings[0].GetSampleCount(), 20);
}

TEST_F(LiveWindowTest, GallonsPerMinuteLeaveTheFlowDisplayBlank) {
    StartOnLogger({1, 98, 0, 0, 3, 0, 0});
    StartLive();
    Sim::AdvanceTime(2000);
    LiveTick();
    EXPECT_EQ(Frame().m_flowLcd->GetValue(), "");
    EXPECT_EQ(Frame().m_pressureLcd->GetValue(),
              wxString::Format("%.1f", Frame().m_recordings[0].GetPressures().back()));
}

TEST_F(LiveWindowTest, FailedStartsSayWhyAndMakeNoRecord) {
    StartOnLogger();
    CapturedLog log;
    Sim::FailRequest(23);
    StartLive();
    EXPECT_EQ(log.errors, DeviceTexts::LiveHeaderFailed() + "\n");
    ExpectRecording(false);
    EXPECT_TRUE(Frame().m_recordings.empty());

    log.errors.clear();
    Sim::FailRequest(5, true);
    StartLive();
    EXPECT_EQ(log.errors, "Comunicare USB nereusita: 0 SetareJurnal Esuata: Restartare totala\n");
    EXPECT_FALSE(Frame().m_liveButton->IsEnabled());
    EXPECT_TRUE(Frame().m_stopButton->IsEnabled());
    EXPECT_FALSE(Frame().m_liveTimer.IsRunning());
    EXPECT_TRUE(Frame().m_recordings.empty());

    log.errors.clear();
    Sim::ClearFaults();
    StopLive(); // back to idle
    ExpectRecording(false);
    EXPECT_TRUE(log.errors.empty());
}

TEST_F(LiveWindowTest, ALostLoggerIsReportedAndTheRecordingStops) {
    StartOnLogger();
    StartLive();
    Sim::AdvanceTime(2000);
    LiveTick();
    CapturedLog log;
    Sim::Unplug();
    LiveTick();
    EXPECT_EQ(log.errors, DeviceTexts::LiveConnectionLost() + "\n" +
                              DeviceTexts::LiveLoggingOffFailed() + "\n");
    ExpectRecording(false);
    EXPECT_EQ(Frame().m_recordings[0].GetSampleCount(), 2);
}

TEST_F(LiveWindowTest, TheLiveRecordLeavingTheCollectionStopsTheRecording) {
    StartOnLogger();
    AddSavedRecording("Memorie 1");
    StartLive();
    Sim::AdvanceTime(2000);
    LiveTick();
    SelectOnly(0);
    Command(ID_DELETE, wxEVT_BUTTON);
    ExpectRecording(false);
    EXPECT_FALSE(Sim::Logging());
    ASSERT_EQ(Frame().m_recordings.size(), 1u);
    Sim::AdvanceTime(2000);
    LiveTick(); // a late tick writes into no other recording
    EXPECT_EQ(Frame().m_recordings[0].GetSampleCount(), 10);

    // Deleting another record leaves the recording running.
    StartLive();
    SelectOnly(1);
    Command(ID_DELETE, wxEVT_BUTTON);
    ExpectRecording(true);

    // Opening a workspace replaces the collection and so stops it too.
    const wxString path = wxString(std::getenv("HOME")) + "/live.vrx";
    wxString error;
    ASSERT_TRUE(WorkspaceFile::Write(path, {Storage("05/03/2012 14:30:05", 1000, 1, false, 0, 1)},
                                     0, error));
    m_frame->OpenWorkspaceFile(path);
    ExpectRecording(false);
    Sim::AdvanceTime(2000);
    LiveTick();
    EXPECT_EQ(Frame().m_recordings.at(0).GetSampleCount(), 0);
    std::filesystem::remove(path.ToStdString());
}

TEST_F(LiveWindowTest, ADownloadReplacingTheCollectionStopsTheRecording) {
    StartOnLogger();
    StartLive();
    wxTEST_DIALOG(Command(ID_DOWNLOAD, wxEVT_BUTTON),
                  wxExpectModal<wxMessageDialog>(wxID_NO).Describe("unsaved question"),
                  wxExpectModal<wxMessageDialog>(wxID_NO).Describe("save question"));
    ExpectRecording(false);
    EXPECT_EQ(Frame().m_recordings.size(), 2u); // the live recording went with the old ones
    Sim::AdvanceTime(2000);
    LiveTick();
    EXPECT_EQ(Frame().m_recordings[0].GetTitle(), "Memorie 1");
    EXPECT_EQ(Frame().m_recordings[0].GetSampleCount(), 100);
}

} // namespace
