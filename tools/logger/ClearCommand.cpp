// dextrel-logger clear: erases the recorded events.
#include "LoggerCommand.h"
#include "ToolSupport.h"

#include "device/LoggerUsb.h"

#include <cstdio>

using namespace ToolSupport;

namespace {

int RunClear(const Arguments& arguments) {
    if (arguments.size() > 1 || (arguments.size() == 1 && arguments[0] != "--yes")) {
        return UsageError(ClearCommand, "unknown argument " + arguments.back());
    }
    if (arguments.empty()) {
        return UsageError(ClearCommand, "clear erases every recorded event; confirm with --yes");
    }
    LoggerUsb usb;
    if (!FindLogger(usb)) {
        return ExitFailed;
    }
    if (!usb.ClearMemory()) {
        return FailOnLogger(usb, "erasing the recorded events failed");
    }
    std::printf("Erased the logger's recorded events\n");
    return ExitOk;
}

} // namespace

const LoggerCommand ClearCommand = {
    "clear", "--yes", "erases the logger's recorded events",
    "Erases every event the logger recorded; its settings stay. Without --yes nothing is\n"
    "erased.\n",
    RunClear};
