#include "device/DeviceTestSupport.h"
#include "device/LiveBlock.h"
#include "device/LoggerConversions.h"
#include "device/LoggerHeader.h"
#include "device/LoggerUsb.h"
#include "device/StatusBlock.h"
#include "device/TocEntry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

// The simulated logger behaves like a Vendrix on the wire: what the program writes, it reads
// back; its memory holds a consistent set of events; live sampling runs on its clock.
namespace {

namespace Sim = SimulatedLogger;

class SimulatedLoggerTest : public ::testing::Test {
protected:
    void SetUp() override { Configure(TestLoggerOptions()); }
    void Configure(const Sim::Options& options) {
        Sim::Configure(options);
        m_usb = std::make_unique<LoggerUsb>();
    }
    LoggerHeader ReadHeader() {
        const int size = LoggerConversions::HeaderSize(
            LoggerConversions::FirmwareWord(m_usb->GetFirmwareVersion()));
        std::vector<unsigned char> bytes(size);
        EXPECT_TRUE(m_usb->ReadMemory(0, size, bytes.data()));
        return LoggerHeader::Decode(bytes.data(), size);
    }
    std::vector<TocEntry> ReadTable(int count) {
        std::vector<unsigned char> bytes(9 * count);
        EXPECT_TRUE(m_usb->ReadMemory(TocEntry::TableAddress(count), bytes.size(), bytes.data()));
        return TocEntry::DecodeTable(bytes.data(), count);
    }
    StatusBlock ReadStatus() {
        const unsigned char* reply = m_usb->GetStatus();
        EXPECT_NE(reply, nullptr);
        return reply ? StatusBlock::Decode(reply) : StatusBlock{};
    }
    LiveBlock ReadLive() {
        const unsigned char* reply = m_usb->ReadLive();
        EXPECT_NE(reply, nullptr);
        return reply ? LiveBlock::Decode(reply) : LiveBlock{};
    }
    std::string TempPath(const char* name) { return std::string(std::getenv("HOME")) + "/" + name; }

    std::unique_ptr<LoggerUsb> m_usb;
};

TEST_F(SimulatedLoggerTest, EventsLieBackToBackFromTheHeaderToTheTableOfContents) {
    for (std::uint16_t firmware : {0x0403, 0x0400}) {
        Sim::Options options = TestLoggerOptions();
        options.firmwareWord = firmware;
        options.events = 4;
        options.eventSamples = 0;
        Configure(options);
        const LoggerHeader header = ReadHeader();
        const std::uint32_t headerSize = LoggerConversions::HeaderSize(firmware);
        ASSERT_EQ(header.fileCount, 4);
        EXPECT_EQ(header.longForm, firmware == 0x0403);

        const std::vector<TocEntry> table = ReadTable(header.fileCount);
        std::uint32_t start = headerSize;
        for (int i = header.fileCount - 1; i >= 0; --i) {
            EXPECT_GT(table[i].endAddress, start);
            EXPECT_EQ((table[i].endAddress - start) % 3, 0u);
            EXPECT_TRUE(LoggerConversions::IsValidBcd(table[i].day));
            start = table[i].endAddress;
        }
        EXPECT_LT(start, TocEntry::TableAddress(header.fileCount));
        EXPECT_EQ(ReadStatus().memoryPointer, table[0].endAddress);
    }
}

TEST_F(SimulatedLoggerTest, RecordedFlowRampsUpAndDownAndPressureSagsUnderFlow) {
    const LoggerHeader header = ReadHeader();
    const std::vector<TocEntry> table = ReadTable(header.fileCount);
    const std::uint32_t start = table.size() > 1 ? table[1].endAddress : 41;
    std::vector<unsigned char> data(table[0].endAddress - start);
    ASSERT_TRUE(m_usb->ReadMemory(start, data.size(), data.data()));
    std::vector<RawSample> samples;
    for (std::size_t k = 0; k + 3 <= data.size(); k += 3) {
        samples.push_back(RawSample::Decode(&data[k]));
    }
    ASSERT_EQ(samples.size(), 100u);
    const auto peak = std::max_element(samples.begin(), samples.end(),
                                       [](auto& a, auto& b) { return a.flow < b.flow; });
    EXPECT_GE(peak->flow, 5);
    EXPECT_LE(peak->flow, 45);
    EXPECT_LT(samples.front().flow, peak->flow);
    EXPECT_LE(samples.back().flow, 1);
    EXPECT_LT(peak->pressure, samples.back().pressure);
    EXPECT_GT(samples.back().pressure, header.pressureZero);
}

TEST_F(SimulatedLoggerTest, SettingsWrittenAreReadBack) {
    ASSERT_TRUE(m_usb->SetSampleRate(0xFB34, 0x70));
    ASSERT_TRUE(m_usb->SetFlowOn(50, 12));
    ASSERT_TRUE(m_usb->SetFlowOff(3, 40));
    ASSERT_TRUE(m_usb->SetAutoLog(true));
    LoggerHeader header = ReadHeader();
    EXPECT_EQ(header.sampleReload, 0xFB34);
    EXPECT_EQ(header.pressureUnit, 0x70);
    EXPECT_EQ(header.flowOnThreshold, 50);
    EXPECT_EQ(header.flowOnDelay, 12);
    EXPECT_EQ(header.flowOffThreshold, 3);
    EXPECT_EQ(header.flowOffDelay, 40);
    EXPECT_TRUE(header.AutoLogEnabled());
    EXPECT_TRUE(header.IsMetric());
    EXPECT_EQ(ReadStatus().sampleReload, 0xFB34);

    ASSERT_TRUE(m_usb->SetAutoLog(false));
    EXPECT_FALSE(ReadHeader().AutoLogEnabled());
}

TEST_F(SimulatedLoggerTest, ClearingEmptiesTheMemoryButKeepsTheSettings) {
    ASSERT_TRUE(m_usb->ClearMemory());
    const LoggerHeader header = ReadHeader();
    EXPECT_EQ(header.fileCount, 0);
    EXPECT_EQ(header.sampleReload, 0xF000);
    EXPECT_EQ(ReadStatus().memoryPointer, 41u);
}

TEST_F(SimulatedLoggerTest, ClockRunsFromTheTimeAndDateSent) {
    const unsigned char* clock = m_usb->ReadClock();
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(clock[4], 0x25);
    EXPECT_EQ(clock[5], 0x12);
    EXPECT_EQ(clock[6], 0x11);

    const unsigned char time[4] = {0x30, 0x59, 0x23, 0x05};
    const unsigned char date[3] = {0x28, 0x02, 0x24};
    ASSERT_TRUE(m_usb->SetClockTime(time));
    ASSERT_TRUE(m_usb->SetClockDate(date));
    Sim::AdvanceTime(60 * 1000);
    clock = m_usb->ReadClock();
    ASSERT_NE(clock, nullptr);
    const std::vector<unsigned char> expected{0x30, 0x00, 0x00, 0x05, 0x29, 0x02, 0x24};
    EXPECT_EQ(std::vector<unsigned char>(clock, clock + 7), expected) << "leap day 2024";
}

TEST_F(SimulatedLoggerTest, LiveSamplingDeliversWhatWasTakenSinceTheLastRead) {
    ASSERT_TRUE(m_usb->SetLogging(1));
    EXPECT_TRUE(Sim::Logging());
    EXPECT_TRUE(ReadLive().samples.empty());

    Sim::AdvanceTime(5500);
    EXPECT_EQ(ReadLive().samples.size(), 5u);
    EXPECT_TRUE(ReadLive().samples.empty());

    Sim::AdvanceTime(200 * 1000);
    EXPECT_EQ(ReadLive().samples.size(), 74u) << "the logger keeps only the newest 74";

    const int before = ReadHeader().fileCount;
    ASSERT_TRUE(m_usb->SetLogging(0));
    EXPECT_FALSE(Sim::Logging());
    const LoggerHeader header = ReadHeader();
    ASSERT_EQ(header.fileCount, before + 1);
    const std::vector<TocEntry> table = ReadTable(header.fileCount);
    EXPECT_EQ(table[0].endAddress - table[1].endAddress, 3u * 205);
    EXPECT_EQ(table[0].day, 0x25);
}

TEST_F(SimulatedLoggerTest, RaggedLiveBlockCountsAStrayByte) {
    Sim::SetRaggedLive(true);
    ASSERT_TRUE(m_usb->SetLogging(1));
    Sim::AdvanceTime(2500);
    const unsigned char* block = m_usb->ReadLive();
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block[0], 7);
    EXPECT_EQ(LiveBlock::Decode(block).samples.size(), 2u);
}

TEST_F(SimulatedLoggerTest, CorruptTableOfContentsReadsAsErasedEntries) {
    Sim::Options options = TestLoggerOptions();
    options.corruptToc = 1;
    Configure(options);
    const std::vector<TocEntry> table = ReadTable(ReadHeader().fileCount);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0].endAddress, 0xFFFFFFu);
    EXPECT_EQ(table[0].day, 0xFF);
}

TEST_F(SimulatedLoggerTest, StateFileKeepsMemoryAndSettingsAcrossARestart) {
    Sim::Options options = TestLoggerOptions();
    options.stateFile = TempPath("sim-state.bin");
    std::remove(options.stateFile.c_str());
    Configure(options);
    ASSERT_TRUE(m_usb->SetFlowOn(77, 9));
    ASSERT_TRUE(m_usb->ClearMemory());

    options.events = 5; // ignored: the state file wins
    Configure(options);
    const LoggerHeader header = ReadHeader();
    EXPECT_EQ(header.flowOnThreshold, 77);
    EXPECT_EQ(header.fileCount, 0);
    std::remove(options.stateFile.c_str());
}

TEST_F(SimulatedLoggerTest, LogFileGetsOneLinePerTransfer) {
    Sim::Options options = TestLoggerOptions();
    options.logFile = TempPath("sim-log.txt");
    std::remove(options.logFile.c_str());
    Configure(options);
    ASSERT_NE(m_usb->GetStatus(), nullptr);

    std::ifstream log(options.logFile);
    std::vector<std::string> lines;
    for (std::string line; std::getline(log, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "logger 0 type 0xC0 request 34 value 0x0000 index 0x0000 length 7 "
                        "timeout 500 -> 7 open 2");
    std::remove(options.logFile.c_str());
}

TEST_F(SimulatedLoggerTest, MemoryReadsMustPackTheChunkLengthIntoTheIndex) {
    ASSERT_TRUE(m_usb->FindDevice());
    EXPECT_EQ(m_usb->ReadRequest(23, 0, 0x4000, 128, 1000), UsbRetryFailed);
    EXPECT_EQ(m_usb->ReadRequest(23, 0xFFF0, 0x2001, 32, 1000), UsbRetryFailed)
        << "past the end of the memory";
}

} // namespace
