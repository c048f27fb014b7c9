#include "device/HeaderReader.h"
#include "app/AppSettings.h"
#include "device/DeviceTestSupport.h"
#include "device/LoggerUsb.h"

#include <gtest/gtest.h>

// The settings header read as every device operation starts, on the linked simulated logger,
// and what it changes in the settings block.
namespace {

namespace Sim = SimulatedLogger;

struct HeaderCase {
    const char* name;
    std::uint16_t firmware;
    std::uint8_t modelCode;
    std::uint8_t flowUnitCode;
    bool metric;
    std::uint8_t pressureUnit;
    // expected
    int headerSize;
    bool locked;
    int flowUnit;     // the settings start with 1
    int serialNumber; // the settings start with 99
};

class HeaderReaderTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderReaderTest, ReadsTheHeaderOfTheFirmwareSizeAndAppliesIt) {
    const HeaderCase& c = GetParam();
    Sim::Options options = TestLoggerOptions();
    options.firmwareWord = c.firmware;
    options.modelCode = c.modelCode;
    options.flowUnitCode = c.flowUnitCode;
    options.metric = c.metric;
    options.pressureUnit = c.pressureUnit;
    options.serialNumber = 4711;
    Sim::Configure(options);
    LoggerUsb usb;
    ASSERT_TRUE(usb.FindDevice());
    Sim::ClearLog();

    const HeaderRead read = HeaderReader::Read(usb);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.firmwareWord, c.firmware);
    EXPECT_EQ(read.headerSize, c.headerSize);
    ASSERT_EQ(read.bytes.size(), static_cast<std::size_t>(c.headerSize));
    const std::vector<unsigned char> memory = Sim::Memory();
    EXPECT_TRUE(std::equal(read.bytes.begin(), read.bytes.end(), memory.begin()));
    EXPECT_EQ(read.header.fileCount, 2);
    const std::vector<WireTransfer> expected = {
        {0xC0, 41, 0, 0, 2, 500}, {0xC0, 23, 0, c.headerSize << 8, c.headerSize, 1000}};
    EXPECT_EQ(WireLog(), expected);

    AppSettingsBlock settings;
    settings.flowUnit = 1;
    settings.serialNumber = 99;
    settings.settingsLocked = !c.locked;
    settings.metric = c.metric ? 0 : 1;
    HeaderReader::Apply(read, settings);
    EXPECT_EQ(settings.firmwareVersion, c.firmware);
    EXPECT_EQ(settings.settingsLocked, c.locked);
    EXPECT_EQ(settings.flowUnit, c.flowUnit);
    EXPECT_EQ(settings.metric, c.metric ? 1 : 0);
    EXPECT_EQ(settings.pressureUnit, c.pressureUnit);
    EXPECT_EQ(settings.serialNumber, c.serialNumber);
    EXPECT_EQ(HeaderReader::SerialNumber(read), c.headerSize == 41 ? 4711 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, HeaderReaderTest,
    ::testing::Values(
        HeaderCase{"LongHeaderTakesTheSerialNumber", 0x0403, 0, 1, true, 0x62, 41, false, 1, 4711},
        HeaderCase{"ModelFiveDictatesCubicMetres", 0x0403, 5, 4, true, 0x70, 41, true, 2, 4711},
        HeaderCase{"ModelFiveWithAnUnknownCodeLocksOnly", 0x0403, 5, 3, false, 16, 41, true, 1,
                   4711},
        HeaderCase{"ShortHeaderLeavesTheSerialNumber", 0x0400, 5, 4, false, 8, 21, false, 1, 99},
        HeaderCase{"OtherFirmwareIsShortToo", 0x0304, 0, 1, true, 0x62, 21, false, 1, 99}),
    [](const auto& info) { return std::string(info.param.name); });

class HeaderReaderFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        Sim::Configure(TestLoggerOptions());
        m_settings.pressureUnit = 16;
        m_settings.metric = 0;
        m_settings.serialNumber = 99;
        m_settings.settingsLocked = true;
        m_settings.flowUnit = 3;
    }
    void ExpectOnlyFirmware(int firmware) {
        EXPECT_EQ(m_settings.firmwareVersion, firmware);
        EXPECT_EQ(m_settings.pressureUnit, 16);
        EXPECT_EQ(m_settings.metric, 0);
        EXPECT_EQ(m_settings.serialNumber, 99);
        EXPECT_TRUE(m_settings.settingsLocked);
        EXPECT_EQ(m_settings.flowUnit, 3);
    }
    AppSettingsBlock m_settings;
};

TEST_F(HeaderReaderFaultTest, FailedFirmwareRequestReadsTheShortHeader) {
    Sim::FailRequest(41, true);
    LoggerUsb usb;
    const HeaderRead read = HeaderReader::Read(usb);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.firmwareWord, 0);
    EXPECT_EQ(read.headerSize, 21);
    EXPECT_FALSE(read.header.longForm);
    HeaderReader::Apply(read, m_settings);
    EXPECT_EQ(m_settings.firmwareVersion, 0);
    EXPECT_EQ(m_settings.serialNumber, 99);
    EXPECT_FALSE(m_settings.settingsLocked);
}

TEST_F(HeaderReaderFaultTest, FailedHeaderReadStoresTheFirmwareWordOnly) {
    Sim::FailRequest(23);
    LoggerUsb usb;
    const HeaderRead read = HeaderReader::Read(usb);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.firmwareWord, 0x0403);
    HeaderReader::Apply(read, m_settings);
    ExpectOnlyFirmware(0x0403);
    EXPECT_EQ(HeaderReader::SerialNumber(read), 0);
}

TEST_F(HeaderReaderFaultTest, WithoutALoggerNothingButTheFirmwareWordZeroIsStored) {
    Sim::Unplug();
    LoggerUsb usb;
    const HeaderRead read = HeaderReader::Read(usb);
    EXPECT_FALSE(read.ok);
    m_settings.firmwareVersion = 0x0403;
    HeaderReader::Apply(read, m_settings);
    ExpectOnlyFirmware(0);
}

TEST_F(HeaderReaderFaultTest, UnitsWithoutTheSerialNumberLeaveItForLater) {
    LoggerUsb usb;
    const HeaderRead read = HeaderReader::Read(usb);
    ASSERT_TRUE(read.ok);
    HeaderReader::ApplyUnits(read, m_settings);
    EXPECT_EQ(m_settings.serialNumber, 99);
    EXPECT_EQ(m_settings.pressureUnit, 0x62);
    HeaderReader::ApplySerialNumber(read, m_settings);
    EXPECT_EQ(m_settings.serialNumber, 4711);
}

} // namespace
