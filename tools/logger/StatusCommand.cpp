// dextrel-logger status: battery and memory as the program's gauges show them.
#include "LoggerCommand.h"
#include "ToolSupport.h"

#include "device/LoggerUsb.h"
#include "device/StatusBlock.h"
#include "device/StatusReadout.h"

#include <cstdio>

using namespace ToolSupport;

namespace {

const char* LevelName(StatusReadout::BatteryLevel level) {
    switch (level) {
    case StatusReadout::BatteryLevel::Green:
        return "green";
    case StatusReadout::BatteryLevel::Orange:
        return "orange";
    default:
        return "red";
    }
}

int RunStatus(const Arguments& arguments) {
    if (!arguments.empty()) {
        return UsageError(StatusCommand, "status takes no arguments");
    }
    LoggerUsb usb;
    if (!FindLogger(usb)) {
        return ExitFailed;
    }
    const unsigned char* reply = usb.GetStatus();
    if (reply == nullptr) {
        return FailOnLogger(usb, "reading the status failed");
    }
    const StatusBlock status = StatusBlock::Decode(reply);
    const StatusReadout readout = StatusReadout::FromBlock(status);
    const int range = StatusReadout::kGaugeRange;
    std::printf("Battery: %u (gauge %d of %d, %s)\n", status.battery, readout.batteryValue, range,
                LevelName(readout.batteryLevel));
    std::printf("Memory: pointer 0x%06X, %.1f%% in use (gauge %d of %d)\n", status.memoryPointer,
                100.0 * status.memoryPointer / StatusReadout::kMemoryTop, readout.memoryGauge,
                range);
    std::printf("Recording time: %s\n", readout.recordingTime.utf8_str().data());
    return ExitOk;
}

} // namespace

const LoggerCommand StatusCommand = {
    "status", "", "prints the battery, the memory in use and the recording time",
    "Prints the battery reading with the battery gauge's value and colour, the memory in\n"
    "use with the memory gauge's value, and the recording-time text the program shows.\n",
    RunStatus};
