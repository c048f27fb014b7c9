#include "device/DeviceTexts.h"
#include "device/DeviceWindowFixture.h"
#include "mainframe/CommandIds.h"
#include "support/CapturedLog.h"
#include "support/GuiTestSupport.h"
#include "widgets/LevelGauge.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/stattext.h>

// Status ticks on the gauges and the memory text, with and without a logger, and the memory
// clear with its confirmation.
namespace {

namespace Sim = SimulatedLogger;

const wxColour kLight(236, 233, 216);

class StatusWindowTest : public DeviceWindowFixture {
protected:
    wxBitmap Painted(const LevelGauge& gauge) {
        const wxSize size = gauge.GetClientSize();
        wxBitmap bitmap(size.x, size.y, 24);
        wxMemoryDC dc(bitmap);
        gauge.Paint(dc, size);
        dc.SelectObject(wxNullBitmap);
        return bitmap;
    }
    void Clear() { Command(ID_CLEAR_MEMORY, wxEVT_BUTTON); }
    static MessageAnswer ClearQuestion(int answer) {
        return MessageAnswer(answer, DeviceTexts::ClearQuestion(), DeviceTexts::ClearCaption(),
                             wxOK | wxCANCEL);
    }
};

TEST_F(StatusWindowTest, BatteryBarShowsItsLevelColourOnTheLightBackground) {
    struct {
        std::uint16_t battery;
        int value;
        wxColour bar;
    } cases[] = {
        {117, 351, wxColour(0, 255, 0)},
        {116, 348, wxColour(240, 160, 0)},
        {58, 174, wxColour(255, 0, 0)},
        {0, 0, wxColour(255, 0, 0)},
    };
    // Before the first status reply the battery gauge is empty and dark.
    Start();
    Frame().m_statusTimer.Stop();
    LevelGauge* battery = Frame().m_batteryGauge;
    EXPECT_EQ(battery->GetBackgroundColour(), wxColour(50, 50, 50));
    EXPECT_EQ(battery->GetValue(), 0);
    for (const auto& c : cases) {
        Sim::Options options = TestLoggerOptions();
        options.battery = c.battery;
        Sim::Configure(options);
        StatusTick();
        EXPECT_EQ(battery->GetValue(), c.value);
        EXPECT_EQ(battery->GetBarColour(), c.bar);
        const wxBitmap bitmap = Painted(*battery);
        const int bar = battery->BarWidth(bitmap.GetWidth());
        const int middle = bitmap.GetHeight() / 2;
        if (bar > 0) {
            EXPECT_EQ(PixelAt(bitmap, bar, middle), c.bar) << c.battery;
        }
        EXPECT_EQ(PixelAt(bitmap, bar + 1, middle), kLight) << c.battery;
    }
    EXPECT_EQ(battery->GetSize().y, Frame().m_memoryGauge->GetSize().y);
}

TEST_F(StatusWindowTest, MemoryGaugeAndTextFollowTheLoggersMemory) {
    StartOnLogger();
    // Two events of 100 samples end at 641 (0x281), 200 samples at 1 s.
    EXPECT_EQ(Frame().m_memoryGauge->GetValue(), 696);
    EXPECT_EQ(Frame().m_resourceText->GetLabel(), "00:03Memorie jurnal disponibila (minute)");

    Sim::Options options = TestLoggerOptions();
    options.events = 10;
    options.eventSamples = 4360;
    Sim::Configure(options);
    StatusTick();
    EXPECT_EQ(Frame().m_memoryGauge->GetValue(), 1);
    EXPECT_EQ(Frame().m_resourceText->GetLabel(), "12:07Memorie jurnal disponibila (ore)");
}

TEST_F(StatusWindowTest, WithoutALoggerEveryTickBlanksTheTextAndZeroesTheGauges) {
    StartOnLogger();
    for (int tick = 0; tick < 2; ++tick) {
        Sim::Unplug();
        StatusTick();
        EXPECT_EQ(Frame().m_resourceText->GetLabel(), " ");
        EXPECT_EQ(Frame().m_batteryGauge->GetValue(), 0);
        EXPECT_EQ(Frame().m_memoryGauge->GetValue(), 0);
        Sim::PlugIn();
        StatusTick();
        EXPECT_EQ(Frame().m_batteryGauge->GetValue(), 351);
    }
}

TEST_F(StatusWindowTest, ClearErasesOnlyAfterOk) {
    StartOnLogger();
    AddSavedRecording("Memorie 1");
    wxTEST_DIALOG(Clear(), ClearQuestion(wxID_CANCEL));
    EXPECT_EQ(Requests(13), 0);

    wxTEST_DIALOG(Clear(), ClearQuestion(wxID_OK));
    EXPECT_EQ(Requests(13), 1);
    StatusTick();
    EXPECT_EQ(Frame().m_memoryGauge->GetValue(), 699); // only the header is left
    EXPECT_EQ(Frame().m_recordings.size(), 1u);        // the program's records stay

    CapturedLog log;
    Sim::FailRequest(13, true);
    wxTEST_DIALOG(Clear(), ClearQuestion(wxID_OK));
    EXPECT_EQ(log.errors, "Conexiune USB esuata\n");
}

} // namespace
