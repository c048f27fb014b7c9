// dextrel-logger info: the firmware word, the settings header, the clock and the status.
#include "LoggerCommand.h"
#include "ToolSupport.h"

#include "device/ClockRegisters.h"
#include "device/HeaderReader.h"
#include "device/LoggerConversions.h"
#include "device/LoggerHeader.h"
#include "device/LoggerProtocol.h"
#include "device/LoggerUsb.h"
#include "device/StatusBlock.h"

#include <cstdio>

using namespace ToolSupport;

namespace {

const char* FlowUnitName(std::uint8_t code) {
    switch (code) {
    case 1:
        return "l/min";
    case 2:
        return "l/s";
    case 4:
        return "m3/h";
    case 8:
        return "US gal/min";
    default:
        return "not dictated";
    }
}

void PrintHeader(const LoggerHeader& h) {
    const int tenths = LoggerConversions::SamplePeriodTenths(h.sampleReload);
    const char* flowUnit = h.IsMetric() ? "l/min" : "G/min";
    std::printf("Settings header (%d bytes):\n",
                h.longForm ? LoggerProtocol::LongHeaderSize : LoggerProtocol::ShortHeaderSize);
    std::printf("  Sample period: %d ms (reload 0x%04X)\n", h.SamplePeriodMs(), h.sampleReload);
    std::printf("  Recorded events: %u\n", h.fileCount);
    std::printf("  State: 0x%02X (flows in %s, automatic logging %s)\n", h.state,
                h.IsMetric() ? "litres" : "US gallons", h.AutoLogEnabled() ? "on" : "off");
    std::printf("  Automatic start: above %u %s for %u samples (%d s)\n", h.flowOnThreshold,
                flowUnit, h.flowOnDelay,
                LoggerConversions::DelaySamplesToSeconds(h.flowOnDelay, tenths));
    std::printf("  Automatic stop: below %u %s for %u samples (%d s)\n", h.flowOffThreshold,
                flowUnit, h.flowOffDelay,
                LoggerConversions::DelaySamplesToSeconds(h.flowOffDelay, tenths));
    // The fine byte counts hundredths and may exceed 99, so the divisor is summed, not spliced.
    const double countsPerPsi = h.pressureScale + h.pressureScaleFine / 100.0;
    std::printf("  Pressure calibration: zero %u counts, %.2f counts per psi\n", h.pressureZero,
                countsPerPsi);
    std::printf("  Pressure unit: %s (%u)\n", PressureUnitName(h.pressureUnit), h.pressureUnit);
    std::printf("  Median filter %u, flow clamp %u, display alternation %u, volume range %u\n",
                h.filterMedian, h.flowClamp, h.displayAlternation, h.volumeRange);
    if (h.longForm) {
        std::printf("  Serial number: %u\n", h.serialNumber);
        std::printf("  Manufacture date: %02x/%02x/20%02x\n", h.manufactureDate[0],
                    h.manufactureDate[1], h.manufactureDate[2]);
        std::printf("  Model code: %u, flow unit code %u (%s)\n", h.modelCode, h.flowUnitCode,
                    h.DictatesFlowUnit() ? FlowUnitName(h.flowUnitCode) : "not dictated");
    }
}

void PrintClock(const ClockRegisters& c) {
    // The year byte is BCD like the others: printed in hexadecimal after the century.
    std::printf("Clock: %02x/%02x/20%02x %02x:%02x:%02x (weekday %x)\n", c.Day(), c.Month(),
                c.Year(), c.Hours(), c.Minutes(), c.Seconds(), c.Weekday());
}

void PrintStatus(const StatusBlock& s) {
    const double usedPercent = 100.0 * s.memoryPointer / LoggerProtocol::TocTop;
    std::printf("Status:\n");
    std::printf("  Battery: %u (gauge %u)\n", s.battery, 3u * s.battery);
    std::printf("  Memory pointer: 0x%06X (%.1f%% of the memory)\n", s.memoryPointer, usedPercent);
    std::printf("  Sample reload: 0x%04X (%d ms)\n", s.sampleReload,
                LoggerConversions::SamplePeriodMs(s.sampleReload));
}

int RunInfo(const Arguments& arguments) {
    if (!arguments.empty()) {
        return UsageError(InfoCommand, "info takes no arguments");
    }
    LoggerUsb usb;
    if (!FindLogger(usb)) {
        return 1;
    }
    const HeaderRead read = HeaderReader::Read(usb);
    if (!read.ok) {
        return FailOnLogger(usb, "reading the settings header failed");
    }
    const unsigned char* clockReply = usb.ReadClock();
    if (clockReply == nullptr) {
        return FailOnLogger(usb, "reading the clock failed");
    }
    const ClockRegisters clock = ClockRegisters::Decode(clockReply);
    const unsigned char* statusReply = usb.GetStatus();
    if (statusReply == nullptr) {
        return FailOnLogger(usb, "reading the status failed");
    }
    const StatusBlock status = StatusBlock::Decode(statusReply);

    std::printf("Vendrix logger %04x:%04x\n", LoggerProtocol::VendorId, LoggerProtocol::ProductId);
    std::printf("Firmware word: 0x%04X\n", read.firmwareWord);
    PrintHeader(read.header);
    PrintClock(clock);
    PrintStatus(status);
    return 0;
}

} // namespace

const LoggerCommand InfoCommand = {
    "info", "", "prints the firmware word, the settings header, the clock and the status",
    "Prints what the logger reports about itself: its firmware word, its settings header\n"
    "(sample period, automatic logging, pressure calibration and unit, serial number),\n"
    "its clock and its status.\n",
    RunInfo};
