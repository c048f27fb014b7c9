#include "device/StatusReadout.h"
#include "device/StatusBlock.h"

#include <gtest/gtest.h>

// What the gauges and the memory text show of a status reply.
namespace {

using Level = StatusReadout::BatteryLevel;

StatusBlock Status(std::uint32_t memoryPointer, std::uint16_t battery, std::uint16_t sampleReload) {
    StatusBlock status;
    status.memoryPointer = memoryPointer;
    status.battery = battery;
    status.sampleReload = sampleReload;
    return status;
}

TEST(StatusReadoutTest, BatteryGaugeShowsThreeTimesTheReadingInItsLevelsColour) {
    struct {
        std::uint16_t battery;
        int value;
        int gauge;
        Level level;
    } cases[] = {
        {117, 351, 351, Level::Green}, {116, 348, 348, Level::Orange},
        {59, 177, 177, Level::Orange}, {58, 174, 174, Level::Red},
        {0, 0, 0, Level::Red},         {300, 900, 700, Level::Green},
    };
    for (const auto& c : cases) {
        const StatusReadout readout = StatusReadout::FromBlock(Status(0, c.battery, 0xF000));
        EXPECT_EQ(readout.batteryValue, c.value) << c.battery;
        EXPECT_EQ(readout.batteryGauge, c.gauge) << c.battery;
        EXPECT_EQ(readout.batteryLevel, c.level) << c.battery;
    }
}

TEST(StatusReadoutTest, MemoryGaugeShowsTheFreeShareAndNothingPastTheMemory) {
    struct {
        std::uint32_t pointer;
        int gauge;
    } cases[] = {{0, 700}, {41, 699}, {65535, 350}, {131071, 0}, {131072, 0}, {0xFFFFFF, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(StatusReadout::MemoryGauge(c.pointer), c.gauge) << c.pointer;
    }
}

TEST(StatusReadoutTest, RecordingTimeTextNamesDaysHoursOrMinutes) {
    struct {
        std::uint32_t pointer;
        std::uint16_t reload;
        const char* text;
    } cases[] = {
        {0, 0xF000, "00:00Memorie jurnal disponibila (minute)"},
        {10800, 0xF000, "01:00Memorie jurnal disponibila (ore)"}, // 3602 s
        {10620, 0xF000, "00:59Memorie jurnal disponibila (minute)"},
        {131071, 0, "8 Days, 02:11Memorie jurnal disponibila (minute)"},
        {131071, 0xF000, "12:08Memorie jurnal disponibila (ore)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StatusReadout::RecordingTimeText(c.pointer, c.reload), c.text) << c.pointer;
    }
    EXPECT_EQ(StatusReadout::RecordingSeconds(10800, 0xF000), 3602);
}

TEST(StatusReadoutTest, WithoutALoggerTheTextIsOneBlankAndBothGaugesZero) {
    const StatusReadout absent = StatusReadout::Absent();
    EXPECT_FALSE(absent.present);
    EXPECT_EQ(absent.recordingTime, " ");
    EXPECT_EQ(absent.memoryGauge, 0);
    EXPECT_EQ(absent.batteryGauge, 0);
}

} // namespace
