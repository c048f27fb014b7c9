#include "ToolSupport.h"

#include "app/AppSettings.h"
#include "app/ConfigFile.h"
#include "device/LoggerProtocol.h"
#include "device/LoggerUsb.h"

#include <cstdlib>
#include <cstring>

namespace ToolSupport {

const char* const Program = "dextrel-logger";

int Fail(const std::string& what) {
    std::fprintf(stderr, "%s: %s\n", Program, what.c_str());
    return ExitFailed;
}

int FailOnLogger(LoggerUsb& usb, const std::string& what) {
    const unsigned char code = usb.GetErrorCode();
    if (code == 0) {
        return Fail(what);
    }
    return Fail(what + " (logger error code " + std::to_string(code) + ")");
}

void PrintCommandHelp(const LoggerCommand& command, std::FILE* out) {
    std::fprintf(out, "usage: %s %s%s%s\n%s", Program, command.name,
                 command.synopsis[0] != '\0' ? " " : "", command.synopsis, command.details);
}

int UsageError(const LoggerCommand& command, const std::string& problem) {
    std::fprintf(stderr, "%s: %s\n", Program, problem.c_str());
    PrintCommandHelp(command, stderr);
    return ExitUsage;
}

bool WantsHelp(const Arguments& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            return true;
        }
    }
    return false;
}

bool FindLogger(LoggerUsb& usb) {
    if (usb.FindDevice()) {
        return true;
    }
    std::fprintf(stderr, "%s: no Vendrix logger (%04x:%04x) found, or it cannot be opened\n",
                 Program, LoggerProtocol::VendorId, LoggerProtocol::ProductId);
    return false;
}

AppSettingsBlock UserSettings(int flowUnit) {
    AppSettingsBlock settings = ConfigFile::Load(ConfigFile::UserPath());
    if (flowUnit >= 0) {
        settings.flowUnit = static_cast<std::uint8_t>(flowUnit);
    }
    return settings;
}

int FlowUnitIndex(const std::string& name) {
    const char* const names[] = {"l/min", "l/s", "m3/h", "gpm"};
    for (int i = 0; i < 4; ++i) {
        if (name == names[i]) {
            return i;
        }
    }
    return -1;
}

int PositiveSeconds(const std::string& text) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 1 || value > 1000000) {
        return -1;
    }
    return static_cast<int>(value);
}

const char* PressureUnitName(std::uint8_t code) {
    switch (code) {
    case LoggerProtocol::PressurePsi:
        return "psi";
    case LoggerProtocol::PressureBar:
        return "bar";
    case LoggerProtocol::PressureMetresOfWater:
        return "metres of water";
    case LoggerProtocol::PressureKPa:
        return "kPa";
    default:
        return "unknown";
    }
}

} // namespace ToolSupport
