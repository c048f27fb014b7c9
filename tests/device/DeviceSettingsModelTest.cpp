#include "device/DeviceSettingsModel.h"
#include "device/LoggerHeader.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A header of the given size with R, state, the thresholds and the pressure unit filled in.
std::vector<unsigned char> HeaderBytes(int size, std::uint16_t reload, std::uint8_t state = 0x01,
                                       std::uint8_t pressureUnit = 0x62) {
    std::vector<unsigned char> bytes(size, 0);
    bytes[0] = reload & 0xFF;
    bytes[1] = reload >> 8;
    bytes[4] = state;
    bytes[5] = 50;  // flow on
    bytes[7] = 10;  // delay on, samples
    bytes[9] = 20;  // flow off
    bytes[11] = 30; // delay off, samples
    bytes[19] = pressureUnit;
    if (size >= 41) {
        bytes[21] = 4711 & 0xFF;
        bytes[22] = 4711 >> 8;
        bytes[23] = 0x15;
        bytes[24] = 0x03;
        bytes[25] = 0x21;
    }
    return bytes;
}

DeviceSettingsModel Loaded(const std::vector<unsigned char>& bytes) {
    DeviceSettingsModel model;
    model.LoadHeader(LoggerHeader::Decode(bytes.data(), static_cast<int>(bytes.size())));
    return model;
}

TEST(DeviceSettingsModel, PeriodFromTheReloadValueIsSentBackAsRead) {
    const struct {
        std::uint16_t reload;
        int period;
        const char* text;
        std::uint16_t sent;
    } cases[] = {
        {0xF000, 10, "1.0", 0xF000},   {0xFB34, 3, "0.3", 0xFB34},
        {0xFFFF, 1, "0.1", 0xFE67},    {0xF001, 10, "1.0", 0xF000}, // re-derived from the period
        {0x0000, 160, "16.0", 0x0000},
    };
    for (const auto& c : cases) {
        const DeviceSettingsModel model = Loaded(HeaderBytes(21, c.reload));
        EXPECT_EQ(model.period, c.period) << c.reload;
        EXPECT_EQ(model.PeriodText(), c.text) << c.reload;
        EXPECT_EQ(model.reload, c.sent) << c.reload;
    }
}

TEST(DeviceSettingsModel, HeaderGivesUnitsAutomaticLoggingAndThresholdTexts) {
    const DeviceSettingsModel model = Loaded(HeaderBytes(21, 0xF000, 0x03, 0x70));
    EXPECT_EQ(model.pressureUnitCode, 0x70);
    EXPECT_TRUE(model.metric);
    EXPECT_TRUE(model.autoLog);
    EXPECT_FALSE(model.locked);
    EXPECT_EQ(model.FlowOnText(), "50");
    EXPECT_EQ(model.DelayOnText(), "10");
    EXPECT_EQ(model.FlowOffText(), "20");
    EXPECT_EQ(model.DelayOffText(), "30");
    EXPECT_EQ(model.FlowUnitLabel(), "l/min");

    const DeviceSettingsModel gallons = Loaded(HeaderBytes(21, 0xFB34, 0x00, 8));
    EXPECT_FALSE(gallons.autoLog);
    EXPECT_EQ(gallons.pressureUnitCode, 8);
    EXPECT_EQ(gallons.FlowUnitLabel(), "G/min");
    EXPECT_EQ(gallons.DelayOnText(), "3"); // 10 samples of 0.3 s
    EXPECT_EQ(gallons.DelayOffText(), "9");
}

TEST(DeviceSettingsModel, ModelFiveLocksTheLogger) {
    std::vector<unsigned char> bytes = HeaderBytes(41, 0xF000);
    bytes[33] = 5;
    EXPECT_TRUE(Loaded(bytes).locked);
    bytes[33] = 4;
    EXPECT_FALSE(Loaded(bytes).locked);
}

TEST(DeviceSettingsModel, InformationTextOnlyFromTheLongHeader) {
    auto text = [](const std::vector<unsigned char>& bytes) {
        return DeviceSettingsModel::InformationText(
            LoggerHeader::Decode(bytes.data(), static_cast<int>(bytes.size())));
    };
    EXPECT_EQ(text(HeaderBytes(41, 0xF000)),
              "Numarul de serie Vendrix: \t 4711 \nData Fabricatiei: \t 15:3:2021");
    EXPECT_EQ(text(HeaderBytes(21, 0xF000)), "");
}

TEST(DeviceSettingsModel, SamplePeriodSetsTheReloadAndTheAutomaticLoggingFlag) {
    DeviceSettingsModel model = Loaded(HeaderBytes(21, 0xF000));
    model.autoLogChanged = false;
    model.SetSamplePeriod(3);
    EXPECT_EQ(model.reload, 0xFB34);
    EXPECT_EQ(model.PeriodText(), "0.3");
    EXPECT_TRUE(model.autoLogChanged);
    model.SetSamplePeriod(159);
    EXPECT_EQ(model.PeriodText(), "15.9");
}

TEST(DeviceSettingsModel, PeriodStepsStopAtTheRangeEnds) {
    const struct {
        int from;
        int direction;
        bool stepped;
        int to;
    } cases[] = {
        {10, +1, true, 11}, {10, -1, true, 9}, {158, +1, true, 159},  {159, +1, false, 159},
        {2, -1, true, 1},   {1, -1, false, 1}, {160, -1, false, 160}, {160, +1, false, 160},
    };
    for (const auto& c : cases) {
        DeviceSettingsModel model;
        model.period = c.from;
        EXPECT_EQ(model.StepPeriod(c.direction), c.stepped) << c.from << " " << c.direction;
        EXPECT_EQ(model.period, c.to) << c.from << " " << c.direction;
    }
}

TEST(DeviceSettingsModel, ClockFieldsShowTheRegistersInHexadecimal) {
    const unsigned char clock[8] = {0x87, 0x05, 0x49, 0x07, 0x25, 0x12, 0x11, 0xAB};
    DeviceSettingsModel model;
    model.LoadClock(clock);
    EXPECT_EQ(model.ClockFieldText(ClockField::Hours), "9"); // 0x49 & 0x3F
    EXPECT_EQ(model.ClockFieldText(ClockField::Minutes), "05");
    EXPECT_EQ(model.ClockFieldText(ClockField::Seconds), "7");
    ClockDate date;
    ASSERT_TRUE(model.ClockDateShown(date));
    EXPECT_EQ(date.year, 2011);
    EXPECT_EQ(date.month, 12);
    EXPECT_EQ(date.day, 25);
    EXPECT_EQ(model.timeBytes[3], 0x07);
}

TEST(DeviceSettingsModel, ClockDateThatIsNoCalendarDateIsNotShown) {
    const struct {
        unsigned char day, month, year;
        bool shown;
        int shownYear;
    } cases[] = {
        {0x01, 0x01, 0x05, true, 2005}, {0x01, 0x01, 0x99, true, 2099},
        {0x01, 0x01, 0x0A, false, 0},   {0x01, 0x01, 0x0F, false, 0}, // "200a", "200f"
        {0x31, 0x02, 0x12, false, 0},   {0x29, 0x02, 0x12, true, 2012},
        {0x00, 0x01, 0x12, false, 0},   {0x01, 0x13, 0x12, false, 0},
        {0x1A, 0x01, 0x12, false, 0},
    };
    for (const auto& c : cases) {
        const unsigned char clock[8] = {0, 0, 0, 1, c.day, c.month, c.year, 0};
        DeviceSettingsModel model;
        model.LoadClock(clock);
        ClockDate date;
        EXPECT_EQ(model.ClockDateShown(date), c.shown) << int(c.day) << " " << int(c.year);
        if (c.shown) {
            EXPECT_EQ(date.year, c.shownYear);
        }
    }
}

TEST(DeviceSettingsModel, AnUnreadClockShowsNoTimeOrDateAndIsNotChanged) {
    DeviceSettingsModel model;
    model.LoadClock(nullptr);
    for (ClockField field : {ClockField::Hours, ClockField::Minutes, ClockField::Seconds}) {
        EXPECT_EQ(model.ClockFieldText(field), "--");
    }
    ClockDate date;
    EXPECT_FALSE(model.ClockDateShown(date));
    EXPECT_FALSE(model.timeChanged);
    EXPECT_FALSE(model.dateChanged);

    model.StepClock(ClockField::Hours, +1); // an edit starts from midnight
    EXPECT_TRUE(model.timeChanged);
    EXPECT_EQ(model.ClockFieldText(ClockField::Hours), "1");
    EXPECT_EQ(model.ClockFieldText(ClockField::Minutes), "00");
}

TEST(DeviceSettingsModel, ClockStepsWrapWithinTheirRange) {
    const struct {
        ClockField field;
        std::uint8_t from;
        int direction;
        std::uint8_t to;
    } cases[] = {
        {ClockField::Hours, 0x23, +1, 0x00},
        {ClockField::Hours, 0x00, -1, 0x23},
        {ClockField::Hours, 0x09, +1, 0x10},
        {ClockField::Hours, 0x10, -1, 0x09},
        {ClockField::Minutes, 0x00, -1, 0x59},
        {ClockField::Minutes, 0x59, +1, 0x00},
        {ClockField::Seconds, 0x59, +1, 0x00},
        {ClockField::Seconds, 0x19, +1, 0x20},
        // Not a time field: kept as it is.
        {ClockField::Minutes, 0x1A, +1, 0x1A},
        {ClockField::Minutes, 0x60, +1, 0x60},
        {ClockField::Hours, 0x24, -1, 0x24},
        {ClockField::Seconds, 0x7F, -1, 0x7F},
        // Control bits above the value stay.
        {ClockField::Seconds, 0x80, -1, 0xD9},
        {ClockField::Hours, 0x63, +1, 0x40},
    };
    const int byteOf[] = {2, 1, 0};
    for (const auto& c : cases) {
        DeviceSettingsModel model;
        unsigned char clock[8] = {0x00, 0x00, 0x00, 0x03, 0x01, 0x01, 0x12, 0x00};
        const int index = byteOf[static_cast<int>(c.field)];
        clock[index] = c.from;
        model.LoadClock(clock);
        model.StepClock(c.field, c.direction);
        EXPECT_EQ(model.timeBytes[index], c.to) << std::hex << int(c.from) << " " << c.direction;
        EXPECT_TRUE(model.timeChanged);
        EXPECT_EQ(model.timeBytes[3], 0x03);
    }
}

TEST(DeviceSettingsModel, PickedDateBecomesBcdAndOnlyWithinTheClockYears) {
    DeviceSettingsModel model;
    const unsigned char clock[8] = {0, 0, 0, 1, 0x25, 0x12, 0x11, 0x42};
    model.LoadClock(clock);
    EXPECT_TRUE(model.SetDate({2024, 2, 29}));
    EXPECT_EQ(model.dateBytes[0], 0x29);
    EXPECT_EQ(model.dateBytes[1], 0x02);
    EXPECT_EQ(model.dateBytes[2], 0x24);
    EXPECT_EQ(model.dateBytes[3], 0x42);
    EXPECT_TRUE(model.dateChanged);

    DeviceSettingsModel other;
    other.LoadClock(clock);
    EXPECT_FALSE(other.SetDate({1999, 12, 31}));
    EXPECT_FALSE(other.SetDate({2100, 1, 1}));
    // Days the month does not have: the clock would hold a date no calendar shows.
    EXPECT_FALSE(other.SetDate({2047, 2, 29}));
    EXPECT_FALSE(other.SetDate({2024, 2, 30}));
    EXPECT_FALSE(other.SetDate({2024, 4, 31}));
    EXPECT_FALSE(other.dateChanged);
    EXPECT_EQ(other.dateBytes[2], 0x11);
}

} // namespace
