// dextrel-logger set: the settings dialog's sending on the command line, on the same model,
// checks and messages.
#include "SetCommand.h"
#include "LoggerCommand.h"
#include "ToolSupport.h"

#include "device/AutoLogValidation.h"
#include "device/DeviceSettingsModel.h"
#include "device/DeviceSettingsSender.h"
#include "device/HeaderReader.h"
#include "device/LoggerProtocol.h"
#include "device/LoggerUsb.h"
#include "device/SettingsTexts.h"

#include <cctype>
#include <cstdio>
#include <ctime>
#include <map>
#include <optional>

const char* const SetCommandSynopsis =
    "[--period SECONDS] [--pressure-unit psi|bar] [--clock now|\"YYYY-MM-DD HH:MM:SS\"]\n"
    "           [--auto on|off] [--start-above FLOW] [--start-after SECONDS]\n"
    "           [--stop-below FLOW] [--stop-after SECONDS]";
const char* const SetCommandSummary = "changes the sample period, pressure unit, clock or "
                                      "automatic logging";
const char* const SetCommandDetails =
    "  --period SECONDS        sample period, 0.1 to 15.9 s in steps of 0.1\n"
    "  --pressure-unit psi|bar the logger's pressure unit\n"
    "  --clock now|DATE TIME   sets the clock; \"now\" is this computer's local time\n"
    "  --auto on|off           automatic logging by the flow thresholds\n"
    "  --start-above FLOW      logging starts when the flow stays above FLOW\n"
    "  --start-after SECONDS   ... for longer than SECONDS\n"
    "  --stop-below FLOW       logging stops when the flow stays below FLOW\n"
    "  --stop-after SECONDS    ... for longer than SECONDS\n"
    "Flows are in the logger's flow unit (l/min or G/min). What is not given stays as the\n"
    "logger has it. A new period also sends the automatic-logging settings again, so that the\n"
    "delays keep their length in seconds. Settings that are refused are reported and nothing\n"
    "is sent (exit 1); warnings are reported and the settings are sent.\n";

namespace {

const char* const Program = "dextrel-logger";

const char* const ValueOptions[] = {"--period",     "--pressure-unit", "--clock",
                                    "--auto",       "--start-above",   "--start-after",
                                    "--stop-below", "--stop-after"};

struct ClockSetting {
    ClockDate date;
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
};

struct SetRequest {
    std::optional<int> period; // tenths
    std::optional<std::uint8_t> pressureUnit;
    std::optional<ClockSetting> clock;
    std::optional<bool> autoLog;
    std::optional<std::string> startAbove, startAfter, stopBelow, stopAfter;

    bool AutoLogGiven() const {
        return autoLog || startAbove || startAfter || stopBelow || stopAfter;
    }
};

void PrintUsage(std::FILE* out) {
    std::fprintf(out, "usage: %s set %s\n%s", Program, SetCommandSynopsis, SetCommandDetails);
}

int UsageError(const std::string& problem) {
    std::fprintf(stderr, "%s: %s\n", Program, problem.c_str());
    PrintUsage(stderr);
    return ExitUsage;
}

int Fail(const std::string& what) {
    std::fprintf(stderr, "%s: %s\n", Program, what.c_str());
    return ExitFailed;
}

bool IsValueOption(const std::string& name) {
    for (const char* option : ValueOptions) {
        if (name == option) {
            return true;
        }
    }
    return false;
}

// "1.5" or "2" as tenths of a second; nothing for other texts.
std::optional<int> ParseTenths(const std::string& text) {
    int whole = 0;
    std::size_t i = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        whole = whole * 10 + (text[i] - '0');
        if (whole > 1000) {
            return std::nullopt;
        }
    }
    if (i == 0) {
        return std::nullopt;
    }
    int tenth = 0;
    if (i < text.size()) {
        if (text[i] != '.' || i + 2 != text.size() ||
            !std::isdigit(static_cast<unsigned char>(text[i + 1]))) {
            return std::nullopt;
        }
        tenth = text[i + 1] - '0';
    }
    return whole * 10 + tenth;
}

bool ValidCalendarDate(const ClockDate& date) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (date.month < 1 || date.month > 12 || date.day < 1) {
        return false;
    }
    const bool leap = date.year % 4 == 0 && (date.year % 100 != 0 || date.year % 400 == 0);
    return date.day <= days[date.month - 1] + (date.month == 2 && leap ? 1 : 0);
}

std::optional<ClockSetting> ParseClock(const std::string& text) {
    ClockSetting clock;
    if (text == "now") {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        clock.date = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
        clock.hours = local.tm_hour;
        clock.minutes = local.tm_min;
        clock.seconds = local.tm_sec > 59 ? 59 : local.tm_sec;
    } else {
        // Exactly "YYYY-MM-DD HH:MM:SS".
        const char* shape = "dddd-dd-dd dd:dd:dd";
        if (text.size() != std::char_traits<char>::length(shape)) {
            return std::nullopt;
        }
        for (std::size_t i = 0; i < text.size(); ++i) {
            const bool digit = std::isdigit(static_cast<unsigned char>(text[i])) != 0;
            if (shape[i] == 'd' ? !digit : text[i] != shape[i]) {
                return std::nullopt;
            }
        }
        auto number = [&text](std::size_t at, std::size_t length) {
            return std::stoi(text.substr(at, length));
        };
        clock.date = {number(0, 4), number(5, 2), number(8, 2)};
        clock.hours = number(11, 2);
        clock.minutes = number(14, 2);
        clock.seconds = number(17, 2);
    }
    if (!ValidCalendarDate(clock.date) || clock.hours > 23 || clock.minutes > 59 ||
        clock.seconds > 59 || clock.date.year < DeviceSettingsModel::MinClockYear ||
        clock.date.year > DeviceSettingsModel::MaxClockYear) {
        return std::nullopt;
    }
    return clock;
}

// Fills the request from the command line; an empty text when it is usable, else the problem.
std::string ParseRequest(const std::vector<std::string>& arguments, SetRequest& request) {
    std::map<std::string, std::string> values;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (!IsValueOption(name)) {
            return "unknown argument " + name;
        }
        if (i + 1 == arguments.size()) {
            return name + " needs a value";
        }
        if (!values.emplace(name, arguments[++i]).second) {
            return name + " is given twice";
        }
    }
    if (values.empty()) {
        return "nothing to set";
    }
    for (const auto& [name, value] : values) {
        if (name == "--period") {
            request.period = ParseTenths(value);
            if (!request.period || *request.period < DeviceSettingsModel::MinPeriod ||
                *request.period > DeviceSettingsModel::MaxPeriod) {
                return "the period is 0.1 to 15.9 seconds, not " + value;
            }
        } else if (name == "--pressure-unit") {
            if (value != "psi" && value != "bar") {
                return "the pressure unit is psi or bar, not " + value;
            }
            request.pressureUnit =
                value == "psi" ? LoggerProtocol::PressurePsi : LoggerProtocol::PressureBar;
        } else if (name == "--clock") {
            request.clock = ParseClock(value);
            if (!request.clock) {
                return "the clock is \"now\" or a time \"YYYY-MM-DD HH:MM:SS\" from 2000 to "
                       "2099, not " +
                       value;
            }
        } else if (name == "--auto") {
            if (value != "on" && value != "off") {
                return "--auto is on or off, not " + value;
            }
            request.autoLog = value == "on";
        } else if (name == "--start-above") {
            request.startAbove = value;
        } else if (name == "--start-after") {
            request.startAfter = value;
        } else if (name == "--stop-below") {
            request.stopBelow = value;
        } else {
            request.stopAfter = value;
        }
    }
    return {};
}

// The dialog's texts as the logger has them (delays in seconds at its present period), with
// what the command line gives instead.
AutoLogTexts AutoLogTextsFor(const DeviceSettingsModel& model, const SetRequest& request) {
    AutoLogTexts texts{model.autoLog, model.FlowOnText(), model.FlowOffText(), model.DelayOnText(),
                       model.DelayOffText()};
    texts.enabled = request.autoLog.value_or(texts.enabled);
    texts.flowOn = request.startAbove.value_or(texts.flowOn);
    texts.flowOff = request.stopBelow.value_or(texts.flowOff);
    texts.delayOn = request.startAfter.value_or(texts.delayOn);
    texts.delayOff = request.stopAfter.value_or(texts.delayOff);
    return texts;
}

void PrintMessages(const AutoLogCheck& check) {
    for (const SettingsMessage& message : check.messages) {
        if (message.caption == SettingsTexts::MessageCaption) {
            std::fprintf(stderr, "%s: %s\n", Program, message.text.c_str());
        } else {
            std::fprintf(stderr, "%s: %s: %s\n", Program, message.caption.c_str(),
                         message.text.c_str());
        }
    }
}

bool Report(const std::vector<std::string>& failures) {
    for (const std::string& failure : failures) {
        std::fprintf(stderr, "%s: %s\n", Program, failure.c_str());
    }
    return failures.empty();
}

int SendRequest(LoggerUsb& usb, DeviceSettingsModel& model, const SetRequest& request,
                const AutoLogCheck& check) {
    bool ok = true;
    if (request.period || request.pressureUnit) {
        if (Report(DeviceSettingsSender::SendSampleRate(usb, model))) {
            std::printf("Sample period %s s (reload 0x%04X), pressure unit %s\n",
                        model.PeriodText().c_str(), model.reload,
                        ToolSupport::PressureUnitName(model.pressureUnitCode));
        } else {
            ok = false;
        }
    }
    if (request.clock) {
        usb.SetClockConfig(0, 0xAB); // as the dialog configures the clock when it opens
        const bool timeSent = Report(DeviceSettingsSender::SendTime(usb, model));
        const bool dateSent = Report(DeviceSettingsSender::SendDate(usb, model));
        if (timeSent && dateSent) {
            std::printf("Clock %02x/%02x/20%02x %02x:%02x:%02x\n", model.dateBytes[0],
                        model.dateBytes[1], model.dateBytes[2], model.timeBytes[2],
                        model.timeBytes[1], model.timeBytes[0]);
        }
        ok = ok && timeSent && dateSent;
    }
    if (model.autoLogChanged) {
        if (Report(DeviceSettingsSender::SendAutoLog(usb, check))) {
            const char* unit = model.metric ? "l/min" : "G/min";
            std::printf("Automatic logging %s: start above %u %s for %s s, stop below %u %s for "
                        "%s s\n",
                        check.enabled ? "on" : "off", check.flowOn, unit, check.delayOnText.c_str(),
                        check.flowOff, unit, check.delayOffText.c_str());
        } else {
            ok = false;
        }
    }
    return ok ? ExitOk : ExitFailed;
}

} // namespace

int RunSetCommand(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            PrintUsage(stdout);
            return ExitOk;
        }
    }
    SetRequest request;
    const std::string problem = ParseRequest(arguments, request);
    if (!problem.empty()) {
        return UsageError(problem);
    }

    LoggerUsb usb;
    if (!usb.FindDevice()) {
        std::fprintf(stderr, "%s: no Vendrix logger (%04x:%04x) found, or it cannot be opened\n",
                     Program, LoggerProtocol::VendorId, LoggerProtocol::ProductId);
        return ExitFailed;
    }
    const HeaderRead read = HeaderReader::Read(usb);
    if (!read.ok) {
        return Fail("reading the settings header failed");
    }
    DeviceSettingsModel model;
    model.LoadHeader(read.header);
    model.autoLogChanged = false;
    if (model.locked && (request.pressureUnit || request.clock)) {
        return Fail("this logger keeps its own pressure unit and date; they cannot be set");
    }

    const AutoLogTexts autoLogTexts = AutoLogTextsFor(model, request);
    if (request.period) {
        model.SetSamplePeriod(*request.period);
    }
    if (request.pressureUnit) {
        model.ChoosePressureUnit(*request.pressureUnit);
    }
    if (request.clock) {
        const unsigned char* clockReply = usb.ReadClock(); // for the weekday, kept as it is
        if (clockReply == nullptr) {
            return Fail("reading the clock failed");
        }
        model.LoadClock(clockReply);
        model.SetTime(request.clock->hours, request.clock->minutes, request.clock->seconds);
        model.SetDate(request.clock->date);
    }
    AutoLogCheck check;
    if (request.AutoLogGiven()) {
        model.autoLogChanged = true;
    }
    if (model.autoLogChanged) {
        check = AutoLogValidation::Check(autoLogTexts, model.period);
        PrintMessages(check);
        if (!check.accepted) {
            return ExitFailed; // nothing is sent
        }
    }
    return SendRequest(usb, model, request, check);
}

const LoggerCommand SetCommand = {"set", SetCommandSynopsis, SetCommandSummary, SetCommandDetails,
                                  RunSetCommand};
