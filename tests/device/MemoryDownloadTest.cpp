#include "device/MemoryDownload.h"
#include "app/AppSettings.h"
#include "device/DeviceTestSupport.h"
#include "device/LoggerUsb.h"
#include "device/RawSample.h"

#include <gtest/gtest.h>

#include <cstdlib>

// The download on the linked simulated logger: what it reads, what it builds, and how it
// copes with failed reads and a damaged table of contents.
namespace {

namespace Sim = SimulatedLogger;

class MemoryDownloadTest : public ::testing::Test {
protected:
    void SetUp() override { Configure(TestLoggerOptions()); }
    void Configure(const Sim::Options& options) {
        Sim::Configure(options);
        m_usb = std::make_unique<LoggerUsb>();
        ASSERT_TRUE(m_usb->FindDevice());
        Sim::ClearLog();
    }
    MemoryDownload::Outcome Run(MemoryDownload& download) {
        m_steps = 0;
        return download.Run(m_settings, [this] { ++m_steps; });
    }
    // Every memory read stays inside the 128 KiB and asks for something.
    void ExpectReadsInsideTheMemory() {
        for (const WireTransfer& t : WireLog()) {
            if (t.request != 23) {
                continue;
            }
            const int address = t.value | (t.index & 0xFF) << 16;
            EXPECT_GT(t.length, 0);
            EXPECT_LE(address + t.length, 0x20000);
        }
    }
    std::string StatePath() { return std::string(std::getenv("HOME")) + "/download.state"; }

    std::unique_ptr<LoggerUsb> m_usb;
    AppSettingsBlock m_settings;
    int m_steps = 0;
};

TEST_F(MemoryDownloadTest, ReadsHeaderTableAndDataAndBuildsOneRecordPerEvent) {
    MemoryDownload download(*m_usb);
    ASSERT_EQ(Run(download), MemoryDownload::Outcome::Done);
    std::vector<Storage>& records = download.Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(m_steps, 2 + 2 * 2);
    EXPECT_EQ(m_settings.firmwareVersion, 0x0403);
    EXPECT_EQ(m_settings.serialNumber, 4711);

    const std::vector<unsigned char> memory = Sim::Memory();
    const std::uint32_t newestEnd = records[0].GetMemoryEnd();
    const std::vector<WireTransfer> wire = WireLog();
    ASSERT_GE(wire.size(), 4u);
    EXPECT_EQ(wire[2], (WireTransfer{0xC0, 23, 0xFFED, 0x1201, 18, 1000}));
    EXPECT_EQ(wire[3], (WireTransfer{0xC0, 23, 41, 0x8000, 128, 1000}));
    EXPECT_EQ(wire.size(), 3 + (newestEnd - 41 + 127) / 128);

    // The oldest event starts right after the header; each record holds its event's samples.
    std::uint32_t start = 41;
    for (int i = 1; i >= 0; --i) {
        const Storage& record = records[i];
        ASSERT_EQ(record.GetSampleCount(), 100);
        const RawSample last = RawSample::Decode(&memory[start + 3 * 99]);
        EXPECT_FLOAT_EQ(record.GetFlows().back(), static_cast<float>(last.flow));
        EXPECT_EQ(record.GetSerialNumber(), 4711);
        start = record.GetMemoryEnd();
    }
    EXPECT_EQ(records[0].GetTitle(), "Memorie 1");
    EXPECT_EQ(records[1].GetTitle(), "Memorie 2");
}

TEST_F(MemoryDownloadTest, EmptyLoggerReadsNoTableAndNoData) {
    Sim::Options options = TestLoggerOptions();
    options.events = 0;
    Configure(options);
    MemoryDownload download(*m_usb);
    EXPECT_EQ(Run(download), MemoryDownload::Outcome::Done);
    EXPECT_TRUE(download.Records().empty());
    EXPECT_EQ(m_steps, 0);
    EXPECT_EQ(WireLog().size(), 2u); // firmware word and header
}

TEST_F(MemoryDownloadTest, AFailedReadAtAnyPointGivesNoRecords) {
    struct {
        int transfer; // counted from the firmware request
        MemoryDownload::Outcome outcome;
    } cases[] = {
        {2, MemoryDownload::Outcome::HeaderFailed},
        {3, MemoryDownload::Outcome::TableFailed},
        {4, MemoryDownload::Outcome::DataFailed},
        {6, MemoryDownload::Outcome::DataFailed},
    };
    for (const auto& c : cases) {
        Configure(TestLoggerOptions());
        Sim::FailTransfer(c.transfer);
        MemoryDownload download(*m_usb);
        EXPECT_EQ(Run(download), c.outcome) << c.transfer;
        EXPECT_TRUE(download.Records().empty());
    }
}

TEST_F(MemoryDownloadTest, DamagedTablesNeverReadOutsideTheMemory) {
    for (int corrupt : {1, 2}) {
        Sim::Options options = TestLoggerOptions();
        options.corruptToc = corrupt;
        Configure(options);
        MemoryDownload download(*m_usb);
        ASSERT_EQ(Run(download), MemoryDownload::Outcome::Done) << corrupt;
        ExpectReadsInsideTheMemory();
        ASSERT_EQ(download.Records().size(), 2u);
        for (const Storage& record : download.Records()) {
            EXPECT_LE(record.GetSampleCount(), 0x1FFFF / 3);
        }
    }
}

TEST_F(MemoryDownloadTest, ATableThatCannotFitIsReportedBeforeAnythingIsRead) {
    for (unsigned char high : {0x39, 0xFF}) { // 0x39xx entries: 9 x N passes the memory
        const std::string path =
            StateFileWithMemory(TestLoggerOptions(), StatePath(), {{2, 0xE2}, {3, high}});
        Sim::Options options = TestLoggerOptions();
        options.stateFile = path;
        Configure(options);
        MemoryDownload download(*m_usb);
        EXPECT_EQ(Run(download), MemoryDownload::Outcome::TableDamaged);
        EXPECT_EQ(WireLog().size(), 2u);
        EXPECT_TRUE(download.Records().empty());
        std::remove(path.c_str());
    }
}

TEST_F(MemoryDownloadTest, NewestEventInsideTheTableReadsOnlyUpToTheTable) {
    const std::uint32_t table = 0x1FFFF - 18;
    const std::string path = StateFileWithMemory(
        TestLoggerOptions(), StatePath(),
        {{table + 6, 0xFC}, {table + 7, 0xFF}, {table + 8, 0x01}}); // entry 0 ends at 0x1FFFC
    Sim::Options options = TestLoggerOptions();
    options.stateFile = path;
    Configure(options);
    MemoryDownload download(*m_usb);
    ASSERT_EQ(Run(download), MemoryDownload::Outcome::Done);
    ExpectReadsInsideTheMemory();
    EXPECT_EQ(download.Ranges().dataSize, table - 41);
    ASSERT_EQ(download.Records().size(), 2u);
    EXPECT_EQ(download.Records()[1].GetSampleCount(), 100);
    // The newest event keeps the samples up to the table.
    const std::uint32_t start = download.Records()[1].GetMemoryEnd();
    EXPECT_EQ(download.Records()[0].GetSampleCount(), static_cast<int>((table - start) / 3));
    std::remove(path.c_str());
}

} // namespace
