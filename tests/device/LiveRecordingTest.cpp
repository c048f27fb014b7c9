#include "device/LiveRecording.h"
#include "app/AppSettings.h"
#include "device/HeaderReader.h"

#include <gtest/gtest.h>

#include <vector>

// The window-free part of a live recording: period, new record, appended blocks, display texts.
namespace {

HeaderRead Header(bool longForm) {
    HeaderRead read;
    read.ok = true;
    read.firmwareWord = longForm ? 0x0403 : 0x0400;
    read.headerSize = longForm ? 41 : 21;
    read.header.longForm = longForm;
    read.header.sampleReload = 0xFB34; // 300 ms
    read.header.pressureZero = 40;
    read.header.pressureScale = 10;
    read.header.pressureUnit = 0x70;
    read.header.serialNumber = 4711;
    return read;
}

std::vector<unsigned char> Block(std::vector<unsigned char> samples) {
    std::vector<unsigned char> block(223);
    block[0] = static_cast<unsigned char>(samples.size());
    std::copy(samples.begin(), samples.end(), block.begin() + 1);
    return block;
}

TEST(LiveRecordingTest, TimerRunsAtTheSamplePeriodButAtMostOnceASecond) {
    EXPECT_EQ(LiveRecording::TimerPeriodMs(300), 1000);
    EXPECT_EQ(LiveRecording::TimerPeriodMs(1), 1000);
    EXPECT_EQ(LiveRecording::TimerPeriodMs(1000), 1000);
    EXPECT_EQ(LiveRecording::TimerPeriodMs(2000), 2000);
    EXPECT_EQ(LiveRecording::TimerPeriodMs(16000), 16000);
}

TEST(LiveRecordingTest, DateTextIsTheStartInGmt) {
    const wxDateTime start(static_cast<time_t>(1330957805)); // 2012-03-05 14:30:05 UTC
    EXPECT_EQ(LiveRecording::DateText(start), "05/03/2012 14:30:05");
    const wxDateTime newYear(static_cast<time_t>(1325375999)); // 2011-12-31 23:59:59 UTC
    EXPECT_EQ(LiveRecording::DateText(newYear), "31/12/2011 23:59:59");
}

TEST(LiveRecordingTest, NewRecordCarriesTheHeaderAndCountsTheCollection) {
    AppSettingsBlock settings;
    settings.flowUnit = 1;
    settings.metric = 0;
    const wxDateTime start(static_cast<time_t>(1330957805));
    const Storage first = LiveRecording::NewRecord(Header(true), settings, start, 1);
    EXPECT_EQ(first.GetTitle(), "Live 1");
    EXPECT_EQ(first.GetDateText(), "05/03/2012 14:30:05");
    EXPECT_EQ(first.GetIntervalMs(), 300);
    EXPECT_EQ(first.GetFlowUnit(), 1);
    EXPECT_EQ(first.GetMetric(), 0);
    EXPECT_FALSE(first.GetStoredFlag());
    EXPECT_EQ(first.GetPressureOffset(), 40);
    EXPECT_EQ(first.GetPressureGain(), 10);
    EXPECT_EQ(first.GetPressureUnit(), 0x70);
    EXPECT_EQ(first.GetSerialNumber(), 4711);
    EXPECT_EQ(first.GetSampleCount(), 0);

    const Storage second = LiveRecording::NewRecord(Header(false), settings, start, 2);
    EXPECT_EQ(second.GetTitle(), "Live 2");
    EXPECT_EQ(second.GetSerialNumber(), 0); // a short header names no serial number
}

TEST(LiveRecordingTest, AppendsTheBlocksSamplesAtOneIntervalEach) {
    AppSettingsBlock settings;
    Storage record = LiveRecording::NewRecord(Header(true), settings, wxDateTime::Now(), 1);
    EXPECT_EQ(LiveRecording::AppendBlock(record, Block({}).data()), 0);
    EXPECT_EQ(record.GetSampleCount(), 0);

    // 0x34 0xC2 0x7F: flow 564, pressure 895; a stray seventh byte is ignored.
    const std::vector<unsigned char> block = Block({0x0A, 0x00, 0x8D, 0x34, 0xC2, 0x7F, 0x99});
    EXPECT_EQ(LiveRecording::AppendBlock(record, block.data()), 2);
    ASSERT_EQ(record.GetSampleCount(), 2);
    EXPECT_FLOAT_EQ(record.GetTimes()[1], 0.6f);
    EXPECT_FLOAT_EQ(record.GetFlows()[0], 10.0f);
    EXPECT_FLOAT_EQ(record.GetFlows()[1], 564.0f);
    EXPECT_FLOAT_EQ(record.GetPressures()[1], (895.0f - 40.0f) / 10.0f);
}

TEST(LiveRecordingTest, DisplaysShowTheNewestSampleInTheFlowUnitsFormat) {
    struct {
        int flowUnit;
        const char* flow;
    } cases[] = {{0, "564"}, {1, "9.40"}, {2, "33.84"}, {3, ""}, {7, ""}};
    for (const auto& c : cases) {
        AppSettingsBlock settings;
        settings.flowUnit = static_cast<std::uint8_t>(c.flowUnit);
        Storage record = LiveRecording::NewRecord(Header(true), settings, wxDateTime::Now(), 1);
        LiveRecording::AppendBlock(record, Block({0x0A, 0x00, 0x8D, 0x34, 0xC2, 0x7F}).data());
        const LiveDisplayTexts texts = LiveRecording::DisplayTexts(record, c.flowUnit);
        EXPECT_EQ(texts.flow, c.flow) << c.flowUnit;
        EXPECT_EQ(texts.pressure, "85.5");
        EXPECT_FLOAT_EQ(texts.seconds, 0.6f);
    }
}

} // namespace
