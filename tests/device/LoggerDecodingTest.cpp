#include "app/AppSettings.h"
#include "device/ClockRegisters.h"
#include "device/LiveBlock.h"
#include "device/LoggerConversions.h"
#include "device/LoggerHeader.h"
#include "device/RawSample.h"
#include "device/StatusBlock.h"
#include "device/TocEntry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace LoggerConversions;

template <typename Case> std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// --- Live blocks ----------------------------------------------------------------------------

struct LiveCase {
    const char* name;
    unsigned char firstByte;
    std::size_t samples;
};

class LiveBlockTest : public ::testing::TestWithParam<LiveCase> {};

TEST_P(LiveBlockTest, SampleCountIsTheByteCountDividedByThree) {
    std::vector<unsigned char> block(223);
    for (std::size_t i = 1; i < block.size(); ++i) {
        block[i] = static_cast<unsigned char>(i);
    }
    block[0] = GetParam().firstByte;
    const LiveBlock live = LiveBlock::Decode(block.data());
    ASSERT_EQ(live.samples.size(), GetParam().samples);
    if (!live.samples.empty()) {
        const RawSample last = RawSample::Decode(&block[1 + 3 * (live.samples.size() - 1)]);
        EXPECT_EQ(live.samples.back().flow, last.flow);
        EXPECT_EQ(live.samples.back().pressure, last.pressure);
    }
}

INSTANTIATE_TEST_SUITE_P(FirstByte, LiveBlockTest,
                         ::testing::Values(LiveCase{"Zero", 0, 0}, LiveCase{"One", 1, 0},
                                           LiveCase{"Two", 2, 0},
                                           LiveCase{"SevenGivesTwoAndIgnoresTheRest", 7, 2},
                                           LiveCase{"FullBlock", 222, 74},
                                           LiveCase{"GarbledCountStaysInsideTheBlock", 255, 74}),
                         CaseName<LiveCase>);

// --- Samples --------------------------------------------------------------------------------

TEST(RawSampleTest, SplitsFourteenBitsOfFlowAndTenBitsOfPressure) {
    struct {
        unsigned char bytes[3];
        int flow;
        int pressure;
    } cases[] = {
        {{0x34, 0xC2, 0x7F}, 564, 895},
        {{0xFF, 0xFF, 0xFF}, 16383, 1023},
        {{0x00, 0x40, 0x00}, 0, 256},
        {{0x00, 0x3F, 0x00}, 0x3F00, 0},
    };
    for (const auto& c : cases) {
        const RawSample sample = RawSample::Decode(c.bytes);
        EXPECT_EQ(sample.flow, c.flow);
        EXPECT_EQ(sample.pressure, c.pressure);
    }
}

// --- Firmware word and header size ----------------------------------------------------------

struct FirmwareCase {
    const char* name;
    unsigned char reply[2];
    bool failed;
    std::uint16_t word;
    int headerSize;
};

class FirmwareTest : public ::testing::TestWithParam<FirmwareCase> {};

TEST_P(FirmwareTest, OnlyFirmware43HasTheLongHeader) {
    const FirmwareCase& c = GetParam();
    const std::uint16_t word = FirmwareWord(c.failed ? nullptr : c.reply);
    EXPECT_EQ(word, c.word);
    EXPECT_EQ(HeaderSize(word), c.headerSize);
}

INSTANTIATE_TEST_SUITE_P(
    Words, FirmwareTest,
    ::testing::Values(FirmwareCase{"Firmware43", {0x03, 0x04}, false, 0x0403, 41},
                      FirmwareCase{"Firmware40", {0x00, 0x04}, false, 0x0400, 21},
                      FirmwareCase{"SwappedBytes", {0x04, 0x03}, false, 0x0304, 21},
                      FirmwareCase{"Zero", {0, 0}, false, 0, 21},
                      FirmwareCase{"FailedRequest", {0x03, 0x04}, true, 0, 21}),
    CaseName<FirmwareCase>);

// --- Sample period conversions --------------------------------------------------------------

TEST(SamplePeriodTest, ReloadValuesGiveTheirPeriods) {
    struct {
        std::uint16_t reload;
        int ms;
        int tenths;
        double unrounded;
    } cases[] = {
        {0xFFFF, 1, 1, 1.0},
        {0x0000, 16000, 160, 16000.755859375},
        {0xF000, 1000, 10, 1000.755859375},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reload);
        EXPECT_EQ(SamplePeriodMs(c.reload), c.ms);
        EXPECT_EQ(SamplePeriodTenths(c.reload), c.tenths);
        EXPECT_DOUBLE_EQ(UnroundedSamplePeriodMs(c.reload), c.unrounded);
    }
}

TEST(SamplePeriodTest, ReloadFromTenthsTruncatesTowardZero) {
    EXPECT_EQ(ReloadFromTenths(10), 0xF000);
    EXPECT_EQ(ReloadFromTenths(3), 0xFB34);
    EXPECT_EQ(ReloadFromTenths(159), static_cast<std::uint16_t>(65536 - 65126));
}

TEST(SamplePeriodTest, EveryDialogPeriodSurvivesTheRoundTripThroughTheReload) {
    for (int tenths = 1; tenths <= 159; ++tenths) {
        EXPECT_EQ(SamplePeriodTenths(ReloadFromTenths(tenths)), tenths) << tenths;
    }
}

TEST(DelayTest, SecondsAndSamplesTruncate) {
    EXPECT_EQ(DelaySecondsToSamples(5, 10), 5);
    EXPECT_EQ(DelaySecondsToSamples(1, 3), 3);
    EXPECT_EQ(DelaySamplesToSeconds(3, 3), 0);
    EXPECT_EQ(DelaySamplesToSeconds(5, 10), 5);
    EXPECT_EQ(DelaySecondsToSamples(5, 0), 0);
}

TEST(BcdTest, EncodesAndDecodesEveryTwoDigitValue) {
    EXPECT_EQ(ToBcd(25), 0x25);
    EXPECT_EQ(ToBcd(9), 0x09);
    EXPECT_EQ(FromBcd(0x59), 59);
    for (int v = 0; v <= 99; ++v) {
        ASSERT_TRUE(IsValidBcd(ToBcd(v)));
        ASSERT_EQ(FromBcd(ToBcd(v)), v);
    }
    EXPECT_FALSE(IsValidBcd(0x3A));
    EXPECT_FALSE(IsValidBcd(0xA1));
}

// --- Table of contents ----------------------------------------------------------------------

TEST(TocEntryTest, DecodesTheDateDigitsAndTheEndAddress) {
    const unsigned char bytes[9] = {0x07, 0x05, 0x09, 0x25, 0x12, 0x11, 0x34, 0x12, 0x01};
    const TocEntry entry = TocEntry::Decode(bytes);
    EXPECT_EQ(entry.seconds, 0x07);
    EXPECT_EQ(entry.minutes, 0x05);
    EXPECT_EQ(entry.hours, 0x09);
    EXPECT_EQ(entry.day, 0x25);
    EXPECT_EQ(entry.month, 0x12);
    EXPECT_EQ(entry.year, 0x11);
    EXPECT_EQ(entry.endAddress, 0x011234u);
}

TEST(TocEntryTest, TableSitsJustBelowTheTopNewestEntryFirst) {
    EXPECT_EQ(TocEntry::TableAddress(0), 0x1FFFFu);
    EXPECT_EQ(TocEntry::TableAddress(3), 0x1FFFFu - 27);
    const unsigned char table[18] = {0, 0, 0, 1, 1, 0x12, 0x30, 0x00, 0x00,
                                     0, 0, 0, 1, 1, 0x11, 0x10, 0x00, 0x00};
    const std::vector<TocEntry> entries = TocEntry::DecodeTable(table, 2);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].year, 0x12);
    EXPECT_EQ(entries[1].endAddress, 0x10u);
}

// --- Settings header ------------------------------------------------------------------------

std::vector<unsigned char> SampleHeader(int size) {
    std::vector<unsigned char> h(size, 0);
    const unsigned char start[21] = {0x00, 0xF0, 3, 0,  0x03, 5, 0,   10, 0,    2, 0,
                                     30,   0,    4, 40, 50,   5, 200, 0,  0x62, 7};
    std::copy(start, start + 21, h.begin());
    if (size >= 41) {
        h[21] = 0x67;
        h[22] = 0x12;
        h[23] = 0x15;
        h[24] = 0x03;
        h[25] = 0x21;
    }
    return h;
}

TEST(LoggerHeaderTest, DecodesTheShortHeader) {
    const std::vector<unsigned char> bytes = SampleHeader(21);
    const LoggerHeader h = LoggerHeader::Decode(bytes.data(), 21);
    EXPECT_FALSE(h.longForm);
    EXPECT_EQ(h.sampleReload, 0xF000);
    EXPECT_EQ(h.SamplePeriodMs(), 1000);
    EXPECT_EQ(h.fileCount, 3);
    EXPECT_TRUE(h.IsMetric());
    EXPECT_TRUE(h.AutoLogEnabled());
    EXPECT_EQ(h.flowOnThreshold, 5);
    EXPECT_EQ(h.flowOnDelay, 10);
    EXPECT_EQ(h.flowOffThreshold, 2);
    EXPECT_EQ(h.flowOffDelay, 30);
    EXPECT_EQ(h.pressureScale, 4);
    EXPECT_EQ(h.pressureZero, 40);
    EXPECT_EQ(h.pressureScaleFine, 50);
    EXPECT_EQ(h.pressureUnit, 0x62);
    EXPECT_EQ(h.volumeRange, 7);
    EXPECT_EQ(h.serialNumber, 0);
}

TEST(LoggerHeaderTest, DecodesTheLongHeaderExtras) {
    const std::vector<unsigned char> bytes = SampleHeader(41);
    const LoggerHeader h = LoggerHeader::Decode(bytes.data(), 41);
    EXPECT_TRUE(h.longForm);
    EXPECT_EQ(h.serialNumber, 0x1267);
    EXPECT_EQ(h.manufactureDate[0], 0x15);
    EXPECT_EQ(h.manufactureDate[1], 0x03);
    EXPECT_EQ(h.manufactureDate[2], 0x21);
}

struct FlowUnitCase {
    const char* name;
    int size;
    unsigned char modelCode;
    unsigned char flowUnitCode;
    bool locked;
    int flowUnit; // starting from 1, unlocked... or locked for the short header
};

class HeaderFlowUnitTest : public ::testing::TestWithParam<FlowUnitCase> {};

TEST_P(HeaderFlowUnitTest, ModelFiveDictatesTheFlowUnitAndLocksTheSettings) {
    const FlowUnitCase& c = GetParam();
    std::vector<unsigned char> bytes = SampleHeader(41);
    bytes[33] = c.modelCode;
    bytes[34] = c.flowUnitCode;
    AppSettingsBlock settings;
    settings.flowUnit = 1;
    settings.settingsLocked = true;
    settings.pressureUnit = 16;
    LoggerHeader::Decode(bytes.data(), c.size).ApplyFlowUnit(settings);
    EXPECT_EQ(settings.settingsLocked, c.locked);
    EXPECT_EQ(settings.flowUnit, c.flowUnit);
    EXPECT_EQ(settings.pressureUnit, 16) << "other settings must stay";
}

INSTANTIATE_TEST_SUITE_P(
    Codes, HeaderFlowUnitTest,
    ::testing::Values(FlowUnitCase{"CubicMetresPerHour", 41, 5, 4, true, 2},
                      FlowUnitCase{"UnknownCodeKeepsTheUnit", 41, 5, 3, true, 1},
                      FlowUnitCase{"LitresPerMinute", 41, 5, 1, true, 0},
                      FlowUnitCase{"LitresPerSecond", 41, 5, 2, true, 1},
                      FlowUnitCase{"Gallons", 41, 5, 8, true, 3},
                      FlowUnitCase{"OtherModelUnlocks", 41, 4, 4, false, 1},
                      FlowUnitCase{"ShortHeaderUnlocksAndIgnoresByte33", 21, 5, 4, false, 1}),
    CaseName<FlowUnitCase>);

// --- Status block and clock -----------------------------------------------------------------

TEST(StatusBlockTest, DecodesPointerBatteryAndReload) {
    const unsigned char bytes[7] = {0x30, 0x2A, 0x01, 117, 0, 0x00, 0xF0};
    const StatusBlock status = StatusBlock::Decode(bytes);
    EXPECT_EQ(status.memoryPointer, 0x012A30u);
    EXPECT_EQ(status.battery, 117);
    EXPECT_EQ(status.sampleReload, 0xF000);
}

TEST(ClockRegistersTest, MasksTheControlBitsAndReadsTheYear) {
    const unsigned char bytes[8] = {0xD9, 0x85, 0xE3, 0x07, 0x31, 0x12, 0x05, 0xAB};
    const ClockRegisters clock = ClockRegisters::Decode(bytes);
    EXPECT_EQ(clock.Seconds(), 0x59);
    EXPECT_EQ(clock.Minutes(), 0x05);
    EXPECT_EQ(clock.Hours(), 0x23);
    EXPECT_EQ(clock.Weekday(), 0x07);
    EXPECT_EQ(clock.Day(), 0x31);
    EXPECT_EQ(clock.Month(), 0x12);
    EXPECT_EQ(clock.Year(), 0x05);
}

} // namespace
