#include "device/DeviceTestSupport.h"
#include "device/LoggerUsb.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace Sim = SimulatedLogger;

class LoggerUsbTest : public ::testing::Test {
protected:
    void SetUp() override { Configure(TestLoggerOptions()); }
    void TearDown() override {
        EXPECT_EQ(Sim::GetCounters().openHandles, 0) << "a handle was left open";
    }
    void Configure(const Sim::Options& options) {
        Sim::Configure(options);
        m_usb = std::make_unique<LoggerUsb>();
    }
    // Finds the logger first, so that the log holds only the operation under test.
    void FindAndClearLog() {
        ASSERT_TRUE(m_usb->FindDevice());
        Sim::ClearLog();
    }
    std::unique_ptr<LoggerUsb> m_usb;
};

// --- Memory reads: chunking and wValue/wIndex packing -------------------------------------

struct ChunkCase {
    const char* name;
    std::uint32_t address;
    std::uint32_t length;
    std::vector<WireTransfer> wire;
};

class MemoryReadTest : public LoggerUsbTest, public ::testing::WithParamInterface<ChunkCase> {};

TEST_P(MemoryReadTest, SplitsIntoChunksAndCopiesTheMemory) {
    const ChunkCase& c = GetParam();
    FindAndClearLog();
    const Sim::Counters before = Sim::GetCounters();
    std::vector<unsigned char> destination(c.length + 1, 0xEE);

    ASSERT_TRUE(m_usb->ReadMemory(c.address, c.length, destination.data()));

    EXPECT_EQ(WireLog(), c.wire);
    const std::vector<unsigned char> memory = Sim::Memory();
    EXPECT_TRUE(std::equal(destination.begin(), destination.begin() + c.length,
                           memory.begin() + c.address));
    EXPECT_EQ(destination[c.length], 0xEE) << "wrote past the requested length";
    const Sim::Counters after = Sim::GetCounters();
    EXPECT_EQ(after.opens - before.opens, 1);
    EXPECT_EQ(after.closes - before.closes, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Chunks, MemoryReadTest,
    ::testing::Values(
        ChunkCase{"ThreeHundredBytesAt41",
                  41,
                  300,
                  {{0xC0, 23, 41, 0x8000, 128, 1000},
                   {0xC0, 23, 169, 0x8000, 128, 1000},
                   {0xC0, 23, 297, 0x2C00, 44, 1000}}},
        ChunkCase{"TwoHundredFiftyFiveBytesAtTheTopBank",
                  0x1FF00,
                  255,
                  {{0xC0, 23, 0xFF00, 0x8001, 128, 1000}, {0xC0, 23, 0xFF80, 0x7F01, 127, 1000}}},
        ChunkCase{
            "ExactlyOneChunkInTheLowBank", 0x1000, 128, {{0xC0, 23, 0x1000, 0x8000, 128, 1000}}},
        ChunkCase{"ExactlyOneChunkInTheHighBank", 0x10000, 128, {{0xC0, 23, 0, 0x8001, 128, 1000}}},
        ChunkCase{"NothingOpensAndClosesWithoutATransfer", 41, 0, {}}),
    [](const ::testing::TestParamInfo<ChunkCase>& info) { return std::string(info.param.name); });

TEST_F(LoggerUsbTest, MemoryReadStopsAtTheFirstFailedChunkWithoutRetrying) {
    FindAndClearLog();
    Sim::FailTransfer(2);
    std::vector<unsigned char> destination(300, 0xEE);

    EXPECT_FALSE(m_usb->ReadMemory(41, 300, destination.data()));

    EXPECT_EQ(WireLog().size(), 2u);
    const std::vector<unsigned char> memory = Sim::Memory();
    EXPECT_TRUE(std::equal(destination.begin(), destination.begin() + 128, memory.begin() + 41));
    EXPECT_EQ(destination[128], 0xEE);
}

TEST_F(LoggerUsbTest, MemoryReadBeyondTheAddressSpaceIsRefusedUnsent) {
    FindAndClearLog();
    unsigned char destination[4];
    EXPECT_FALSE(m_usb->ReadMemory(0xFFFFFE, 4, destination));
    EXPECT_TRUE(WireLog().empty());
}

// --- Discovery ------------------------------------------------------------------------------

TEST_F(LoggerUsbTest, FirstOperationSearchesSelectsTheConfigurationThenTransfers) {
    ASSERT_NE(m_usb->GetStatus(), nullptr);
    const std::vector<WireTransfer> expected{SetConfiguration, {0xC0, 34, 0, 0, 7, 500}};
    EXPECT_EQ(WireLog(), expected);
    EXPECT_EQ(Sim::GetCounters().opens, 2);
}

TEST_F(LoggerUsbTest, WithoutALoggerEveryOperationSearchesAgainAndReportsNotFound) {
    Sim::Options options = TestLoggerOptions();
    options.present = false;
    Configure(options);

    EXPECT_EQ(m_usb->ReadRequest(34, 0, 0, 7, 500), UsbNotFound);
    EXPECT_EQ(m_usb->WriteRequest(5, 1, 0, 1, 500), UsbNotFound);
    EXPECT_EQ(m_usb->ReadLive(), nullptr);
    unsigned char byte;
    EXPECT_FALSE(m_usb->ReadMemory(0, 1, &byte));
    EXPECT_TRUE(WireLog().empty());
    EXPECT_EQ(Sim::GetCounters().opens + Sim::GetCounters().failedOpens, 0);
}

TEST_F(LoggerUsbTest, WithTwoLoggersEveryOperationUsesTheFirstListed) {
    Sim::Options options = TestLoggerOptions();
    options.secondLogger = true;
    Configure(options);
    ASSERT_NE(Sim::Memory(0), Sim::Memory(1));

    std::vector<unsigned char> header(41);
    ASSERT_TRUE(m_usb->ReadMemory(0, 41, header.data()));
    EXPECT_NE(m_usb->GetStatus(), nullptr);
    EXPECT_NE(m_usb->ReadLive(), nullptr);
    const unsigned char time[4] = {0x00, 0x30, 0x12, 0x03};
    EXPECT_TRUE(m_usb->SetClockTime(time));
    EXPECT_TRUE(m_usb->SetLogging(0));

    EXPECT_TRUE(std::equal(header.begin(), header.end(), Sim::Memory(0).begin()));
    for (const Sim::Transfer& t : Sim::Log()) {
        EXPECT_EQ(t.logger, 0) << Sim::Describe(t);
    }
}

TEST_F(LoggerUsbTest, UnpluggedLoggerIsForgottenAndFoundAgainOnceBack) {
    FindAndClearLog();
    Sim::Unplug();

    EXPECT_EQ(m_usb->ReadRequest(34, 0, 0, 7, 500), UsbOpenFailed);
    EXPECT_FALSE(m_usb->HasDevice());
    EXPECT_EQ(m_usb->ReadRequest(34, 0, 0, 7, 500), UsbNotFound);

    Sim::PlugIn();
    EXPECT_EQ(m_usb->ReadRequest(34, 0, 0, 7, 500), UsbOk);
    const std::vector<WireTransfer> expected{SetConfiguration, {0xC0, 34, 0, 0, 7, 500}};
    EXPECT_EQ(WireLog(), expected);
}

TEST_F(LoggerUsbTest, UnplugForAWhileFailsOneOperationOnly) {
    FindAndClearLog();
    Sim::UnplugAtOpen(1, 1000);
    EXPECT_EQ(m_usb->ReadLive(), nullptr);
    EXPECT_FALSE(m_usb->HasDevice());
    Sim::AdvanceTime(1500);
    EXPECT_NE(m_usb->ReadLive(), nullptr);
}

TEST_F(LoggerUsbTest, UnplugAfterADelayLastsItsPeriod) {
    FindAndClearLog();
    Sim::UnplugAfter(1000, 2000);
    EXPECT_NE(m_usb->ReadLive(), nullptr);
    Sim::AdvanceTime(1500);
    EXPECT_EQ(m_usb->ReadLive(), nullptr);
    EXPECT_EQ(m_usb->ReadLive(), nullptr) << "not listed while unplugged";
    Sim::AdvanceTime(2000);
    EXPECT_NE(m_usb->ReadLive(), nullptr);
}

// --- Recovery and result codes --------------------------------------------------------------

struct RecoveryCase {
    const char* name;
    bool requestAlways;
    bool configurationFails;
    int code;
    std::vector<WireTransfer> wire;
};

class RecoveryTest : public LoggerUsbTest, public ::testing::WithParamInterface<RecoveryCase> {};

constexpr WireTransfer StatusRequest{0xC0, 34, 0, 0, 7, 500};

TEST_P(RecoveryTest, FailedTransferReselectsTheConfigurationAndRetriesOnce) {
    const RecoveryCase& c = GetParam();
    FindAndClearLog();
    Sim::FailRequest(34, c.requestAlways);
    if (c.configurationFails) {
        Sim::FailConfiguration(true);
    }
    EXPECT_EQ(m_usb->ReadRequest(34, 0, 0, 7, 500), c.code);
    EXPECT_EQ(WireLog(), c.wire);
    EXPECT_TRUE(m_usb->HasDevice());
}

INSTANTIATE_TEST_SUITE_P(
    Codes, RecoveryTest,
    ::testing::Values(RecoveryCase{"FailingOnceIsRecovered",
                                   false,
                                   false,
                                   UsbOk,
                                   {StatusRequest, SetConfiguration, StatusRequest}},
                      RecoveryCase{"FailingAgainGivesCode6",
                                   true,
                                   false,
                                   UsbRetryFailed,
                                   {StatusRequest, SetConfiguration, StatusRequest}},
                      RecoveryCase{"ConfigurationFailingGivesCode5",
                                   true,
                                   true,
                                   UsbConfigFailed,
                                   {StatusRequest, SetConfiguration}}),
    [](const ::testing::TestParamInfo<RecoveryCase>& info) {
        return std::string(info.param.name);
    });

TEST_F(LoggerUsbTest, ZeroLengthOutRequestTheLoggerAcceptsGivesCode4) {
    FindAndClearLog();
    EXPECT_EQ(m_usb->WriteRequest(9, 0, 0, 0, 500), UsbOk);
    const std::vector<WireTransfer> expected{{0x40, 9, 0, 0, 0, 500}};
    EXPECT_EQ(WireLog(), expected);
}

TEST_F(LoggerUsbTest, RequestLongerThanTheReplyBufferIsRefusedUnsent) {
    FindAndClearLog();
    EXPECT_EQ(m_usb->ReadRequest(23, 0, 0, LoggerUsb::ReplyBufferSize + 1, 1000), UsbBadRequest);
    EXPECT_TRUE(WireLog().empty());
}

struct UnretriedCase {
    const char* name;
    int request;
    std::function<bool(LoggerUsb&)> operation;
};

class UnretriedTest : public LoggerUsbTest, public ::testing::WithParamInterface<UnretriedCase> {};

TEST_P(UnretriedTest, FailsAfterOneTransferAndClosesTheHandle) {
    const UnretriedCase& c = GetParam();
    FindAndClearLog();
    Sim::FailRequest(c.request, true);
    EXPECT_FALSE(c.operation(*m_usb));
    ASSERT_EQ(WireLog().size(), 1u);
    EXPECT_EQ(WireLog()[0].request, c.request);
}

const unsigned char ClockBytes[4] = {0x07, 0x05, 0x09, 0x01};

INSTANTIATE_TEST_SUITE_P(
    WithoutRecovery, UnretriedTest,
    ::testing::Values(
        UnretriedCase{"LiveRead", 21, [](LoggerUsb& usb) { return usb.ReadLive() != nullptr; }},
        UnretriedCase{"MemoryRead", 23,
                      [](LoggerUsb& usb) {
                          unsigned char b[8];
                          return usb.ReadMemory(0, 8, b);
                      }},
        UnretriedCase{"ClockTime", 27, [](LoggerUsb& usb) { return usb.SetClockTime(ClockBytes); }},
        UnretriedCase{"ClockDate", 28,
                      [](LoggerUsb& usb) { return usb.SetClockDate(ClockBytes); }}),
    [](const ::testing::TestParamInfo<UnretriedCase>& info) {
        return std::string(info.param.name);
    });

// --- The command set on the wire ------------------------------------------------------------

struct CommandCase {
    const char* name;
    std::function<bool(LoggerUsb&)> operation;
    std::vector<WireTransfer> wire;
};

class CommandTest : public LoggerUsbTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(CommandTest, SendsItsRequestWithItsParameters) {
    const CommandCase& c = GetParam();
    FindAndClearLog();
    EXPECT_TRUE(c.operation(*m_usb));
    EXPECT_EQ(WireLog(), c.wire);
}

const unsigned char DateBytes[3] = {0x25, 0x12, 0x11};

INSTANTIATE_TEST_SUITE_P(
    Requests, CommandTest,
    ::testing::Values(CommandCase{"ErrorCode",
                                  [](LoggerUsb& u) { return u.GetErrorCode() == 0; },
                                  {{0xC0, 1, 0, 0, 1, 500}}},
                      CommandCase{"AutoLogOn",
                                  [](LoggerUsb& u) { return u.SetAutoLog(true); },
                                  {{0x40, 3, 2, 0, 1, 500}}},
                      CommandCase{"AutoLogOff",
                                  [](LoggerUsb& u) { return u.SetAutoLog(false); },
                                  {{0x40, 3, 0, 0, 1, 500}}},
                      CommandCase{"SampleRateThenPressureUnit",
                                  [](LoggerUsb& u) { return u.SetSampleRate(0xFB34, 0x170); },
                                  {{0x40, 4, 0xFB34, 0, 1, 500}, {0x40, 12, 0x70, 0, 1, 500}}},
                      CommandCase{"LoggingOnForAnyPositiveArgument",
                                  [](LoggerUsb& u) { return u.SetLogging(7); },
                                  {{0x40, 5, 1, 0, 1, 500}}},
                      CommandCase{"LoggingOff",
                                  [](LoggerUsb& u) { return u.SetLogging(0); },
                                  {{0x40, 5, 0, 0, 1, 500}}},
                      CommandCase{"ClearMemory",
                                  [](LoggerUsb& u) { return u.ClearMemory(); },
                                  {{0x40, 13, 0, 0, 1, 500}}},
                      CommandCase{"LiveRead",
                                  [](LoggerUsb& u) { return u.ReadLive() != nullptr; },
                                  {{0xC0, 21, 0, 0, 223, 100}}},
                      CommandCase{"ReadClock",
                                  [](LoggerUsb& u) { return u.ReadClock() != nullptr; },
                                  {{0xC0, 26, 0, 0, 8, 500}}},
                      CommandCase{"ClockTime",
                                  [](LoggerUsb& u) { return u.SetClockTime(ClockBytes); },
                                  {{0x40, 27, 0x0507, 0x0109, 4, 500}}},
                      CommandCase{"ClockDate",
                                  [](LoggerUsb& u) { return u.SetClockDate(DateBytes); },
                                  {{0x40, 28, 0x1225, 0x0011, 4, 500}}},
                      CommandCase{"ClockConfig",
                                  [](LoggerUsb& u) { return u.SetClockConfig(0, 0xAB); },
                                  {{0x40, 29, 0xAB00, 0, 2, 100}}},
                      CommandCase{"FlowOnTruncatedTo16Bits",
                                  [](LoggerUsb& u) { return u.SetFlowOn(0x12345, 10); },
                                  {{0x40, 30, 0x2345, 10, 4, 500}}},
                      CommandCase{"FlowOff",
                                  [](LoggerUsb& u) { return u.SetFlowOff(2, 30); },
                                  {{0x40, 31, 2, 30, 4, 500}}},
                      CommandCase{"Status",
                                  [](LoggerUsb& u) { return u.GetStatus() != nullptr; },
                                  {{0xC0, 34, 0, 0, 7, 500}}},
                      CommandCase{"Firmware",
                                  [](LoggerUsb& u) { return u.GetFirmwareVersion() != nullptr; },
                                  {{0xC0, 41, 0, 0, 2, 500}}}),
    [](const ::testing::TestParamInfo<CommandCase>& info) { return std::string(info.param.name); });

TEST_F(LoggerUsbTest, SampleRateSkipsThePressureUnitWhenTheReloadFails) {
    FindAndClearLog();
    Sim::FailRequest(4, true);
    EXPECT_FALSE(m_usb->SetSampleRate(0xF000, 0x62));
    for (const WireTransfer& t : WireLog()) {
        EXPECT_NE(t.request, 12);
    }
}

TEST_F(LoggerUsbTest, OutDataStageCarriesTheReplyBufferAsItStands) {
    FindAndClearLog();
    const unsigned char* status = m_usb->GetStatus();
    ASSERT_NE(status, nullptr);
    const std::vector<unsigned char> reply(status, status + 4);
    ASSERT_TRUE(m_usb->SetFlowOn(5, 10));
    EXPECT_EQ(Sim::Log().back().data, reply);
}

TEST_F(LoggerUsbTest, FailedFirmwareRequestReadsAsZeroWhateverTheBufferHeld) {
    FindAndClearLog();
    ASSERT_NE(m_usb->GetStatus(), nullptr);
    Sim::FailRequest(41, true);
    EXPECT_EQ(m_usb->GetFirmwareVersion(), nullptr);
    EXPECT_EQ(m_usb->Reply()[0], 0);
    EXPECT_EQ(m_usb->Reply()[1], 0);
}

TEST_F(LoggerUsbTest, ErrorCodeIsZeroWhenTheRequestFails) {
    Sim::Options options = TestLoggerOptions();
    options.errorCode = 9;
    Configure(options);
    EXPECT_EQ(m_usb->GetErrorCode(), 9);
    Sim::FailRequest(1, true);
    EXPECT_EQ(m_usb->GetErrorCode(), 0);
}

} // namespace
