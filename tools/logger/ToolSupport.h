#pragma once
#include "LoggerCommand.h"

#include <cstdint>
#include <cstdio>
#include <string>

class LoggerUsb;
struct AppSettingsBlock;

// What the commands of dextrel-logger share: messages, argument parsing, the logger and the
// user's settings.
namespace ToolSupport {

extern const char* const Program;

// The message on standard error; ExitFailed.
int Fail(const std::string& what);
// The same for a failed logger operation, with the logger's error code when it gives one.
int FailOnLogger(LoggerUsb& usb, const std::string& what);
// The problem and the command's usage on standard error; ExitUsage.
int UsageError(const LoggerCommand& command, const std::string& problem);
void PrintCommandHelp(const LoggerCommand& command, std::FILE* out);
bool WantsHelp(const Arguments& arguments);

bool FindLogger(LoggerUsb& usb);

// The settings the program would start with: the user's configuration file, or defaults;
// a flow unit index of 0 or more replaces the configured one.
AppSettingsBlock UserSettings(int flowUnit = -1);
// "l/min", "l/s", "m3/h" or "gpm" as a flow unit index; -1 for anything else.
int FlowUnitIndex(const std::string& name);
// A number of whole seconds above 0; -1 for anything else.
int PositiveSeconds(const std::string& text);

// The name of a pressure unit code, "unknown" for a code no table knows.
const char* PressureUnitName(std::uint8_t code);

} // namespace ToolSupport
