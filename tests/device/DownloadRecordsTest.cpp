#include "device/DownloadRecords.h"
#include "app/AppSettings.h"
#include "device/HeaderReader.h"
#include "device/MemoryDownload.h"

#include <gtest/gtest.h>

// Building the downloaded recordings from the header, the table and the data, without a logger.
namespace {

TocEntry Entry(std::uint32_t endAddress) {
    TocEntry entry;
    entry.seconds = 0x07;
    entry.minutes = 0x05;
    entry.hours = 0x09;
    entry.day = 0x25;
    entry.month = 0x12;
    entry.year = 0x11;
    entry.endAddress = endAddress;
    return entry;
}

HeaderRead ShortHeader() {
    HeaderRead read;
    read.ok = true;
    read.firmwareWord = 0x0400;
    read.headerSize = 21;
    read.header.sampleReload = 0xF000;
    read.header.pressureZero = 40;
    read.header.pressureScale = 4;
    read.header.pressureScaleFine = 50;
    read.header.pressureUnit = 0x62;
    return read;
}

// Data whose k-th sample has raw flow k, so that every sample tells where it came from.
std::vector<unsigned char> NumberedData(std::size_t size) {
    std::vector<unsigned char> data(size);
    for (std::size_t i = 0; i + 3 <= size; i += 3) {
        data[i] = static_cast<unsigned char>(i / 3);
    }
    return data;
}

std::vector<float> Flows(const Storage& record) {
    return record.GetFlows();
}

std::vector<float> Range(int first, int count) {
    std::vector<float> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(static_cast<float>(first + i));
    }
    return values;
}

struct BuildCase {
    const char* name;
    std::vector<std::uint32_t> ends; // entry 0 first
    std::size_t dataSize;
    std::vector<std::pair<int, int>> samples; // first raw flow and count, per record
};

class DownloadBuildTest : public ::testing::TestWithParam<BuildCase> {};

TEST_P(DownloadBuildTest, TakesEachEventsSamplesFromInsideTheData) {
    const BuildCase& c = GetParam();
    std::vector<TocEntry> table;
    for (std::uint32_t end : c.ends) {
        table.push_back(Entry(end));
    }
    AppSettingsBlock settings;
    int steps = 0;
    const std::vector<Storage> records = DownloadRecords::Build(
        ShortHeader(), table, NumberedData(c.dataSize), settings, [&] { ++steps; });
    ASSERT_EQ(records.size(), c.ends.size());
    EXPECT_EQ(steps, 2 * static_cast<int>(c.ends.size()));
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(Flows(records[i]), Range(c.samples[i].first, c.samples[i].second))
            << "record " << i;
        EXPECT_EQ(records[i].GetMemoryEnd(), static_cast<int>(c.ends[i]));
        EXPECT_EQ(records[i].GetTitle(), wxString::Format("Memorie %d", static_cast<int>(i + 1)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, DownloadBuildTest,
    ::testing::Values(
        // 78 bytes from address 21: the older event 9 samples, the newer 17 from offset 27.
        BuildCase{"TwoEvents", {0x63, 0x30}, 78, {{9, 17}, {0, 9}}},
        BuildCase{"EqualEndsLeaveTheNewerEmpty", {0x30, 0x30}, 27, {{0, 0}, {0, 9}}},
        BuildCase{"EndBelowItsStartGivesNone", {0x63, 0x70, 0x30}, 78, {{0, 0}, {9, 17}, {0, 9}}},
        BuildCase{"NewestAtTheHeaderGivesNone", {21}, 0, {{0, 0}}},
        BuildCase{"EventPastTheDataKeepsWhatIsInside", {0x63, 0x30}, 60, {{9, 11}, {0, 9}}},
        BuildCase{"EventBeyondTheDataGetsNone", {0x63, 0x30}, 20, {{0, 0}, {0, 6}}},
        BuildCase{"ARemainderIsIgnored", {21 + 8}, 8, {{0, 2}}},
        BuildCase{"CorruptEndsGiveNone", {0xFFFFFF, 0xFFFFFF}, 0x1FF00, {{0, 0}, {0, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DownloadRecordsTest, RecordsCarryTheHeadersSettingsAndTheEventsDate) {
    AppSettingsBlock settings;
    settings.flowUnit = 2;
    settings.metric = 0;
    HeaderRead read = ShortHeader();
    const std::vector<Storage> shortRecords =
        DownloadRecords::Build(read, {Entry(0x30)}, NumberedData(27), settings, [] {});
    const Storage& record = shortRecords.at(0);
    EXPECT_EQ(record.GetDateText(), "25/12/2011 9:05:07");
    EXPECT_TRUE(record.GetStartTime().IsValid());
    EXPECT_EQ(record.GetIntervalMs(), 1000);
    EXPECT_EQ(record.GetMetric(), 0);
    EXPECT_EQ(record.GetFlowUnit(), 2);
    EXPECT_FALSE(record.GetStoredFlag());
    EXPECT_EQ(record.GetPressureOffset(), 40);
    EXPECT_EQ(record.GetPressureGain(), 4);
    EXPECT_EQ(record.GetPressureGainHundredths(), 50);
    EXPECT_EQ(record.GetPressureUnit(), 0x62);
    EXPECT_EQ(record.GetSerialNumber(), 0);
    EXPECT_FLOAT_EQ(record.GetFlows().at(1), 0.06f);

    read.firmwareWord = 0x0403;
    read.headerSize = 41;
    read.header.longForm = true;
    read.header.serialNumber = 4711;
    const std::vector<Storage> longRecords =
        DownloadRecords::Build(read, {Entry(41 + 27)}, NumberedData(27), settings, [] {});
    EXPECT_EQ(longRecords.at(0).GetSerialNumber(), 4711);
    EXPECT_EQ(longRecords.at(0).GetSampleCount(), 9);
}

TEST(DownloadRecordsTest, DateTextShowsDayAndHourWithoutLeadingZero) {
    struct {
        unsigned char bytes[6]; // seconds, minutes, hours, day, month, year
        const char* text;
    } cases[] = {
        {{0x07, 0x05, 0x09, 0x25, 0x12, 0x11}, "25/12/2011 9:05:07"},
        {{0x00, 0x00, 0x00, 0x01, 0x01, 0x00}, "1/01/2000 0:00:00"},
        {{0x59, 0x59, 0x23, 0x31, 0x10, 0x99}, "31/10/2099 23:59:59"},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "ff/ff/20ff ff:ff:ff"},
    };
    for (const auto& c : cases) {
        TocEntry entry;
        entry.seconds = c.bytes[0];
        entry.minutes = c.bytes[1];
        entry.hours = c.bytes[2];
        entry.day = c.bytes[3];
        entry.month = c.bytes[4];
        entry.year = c.bytes[5];
        EXPECT_EQ(DownloadRecords::DateText(entry), c.text);
    }
}

TEST(DownloadRangesTest, TableMustFitBetweenTheHeaderAndTheTopAndDataStaysBelowIt) {
    struct {
        int headerSize;
        int fileCount;
        std::uint32_t newestEnd;
        bool fits;
        std::uint32_t tableAddress;
        std::uint32_t dataSize;
    } cases[] = {
        {21, 2, 0x63, true, 0x1FFFF - 18, 78},
        {41, 0, 0, true, 0x1FFFF, 0},
        {21, 2, 21, true, 0x1FFFF - 18, 0},                 // newest event ends at the header
        {21, 2, 5, true, 0x1FFFF - 18, 0},                  // ... or inside it
        {21, 2, 0x1FFFA, true, 0x1FFFF - 18, 0x1FFED - 21}, // ends inside the table
        {21, 2, 0xFFFFFF, true, 0x1FFFF - 18, 0x1FFED - 21},
        {21, 14561, 21, true, 0x1FFFF - 9 * 14561, 0}, // the largest table that fits
        {21, 14562, 0, false, 0, 0},
        {41, 14560, 0, false, 0, 0},
        {21, 0xFFFF, 0, false, 0, 0},
    };
    for (const auto& c : cases) {
        DownloadRanges ranges = DownloadRanges::ForTable(c.headerSize, c.fileCount);
        EXPECT_EQ(ranges.tableFits, c.fits) << c.fileCount;
        if (!c.fits) {
            continue;
        }
        ranges.SetDataEnd(c.newestEnd);
        EXPECT_EQ(ranges.tableAddress, c.tableAddress);
        EXPECT_EQ(ranges.tableSize, 9u * c.fileCount);
        EXPECT_EQ(ranges.dataAddress, static_cast<std::uint32_t>(c.headerSize));
        EXPECT_EQ(ranges.dataSize, c.dataSize) << std::hex << c.newestEnd;
    }
}

} // namespace
