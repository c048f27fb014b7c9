#pragma once
#include <string>
#include <vector>

class LoggerUsb;
struct AppSettingsBlock;

using Arguments = std::vector<std::string>;

// One command of dextrel-logger. Each lives in its own source file and is listed once in the
// dispatch table of DextrelLogger.cpp.
struct LoggerCommand {
    const char* name;
    const char* synopsis; // the options after the command's name
    const char* summary;  // one line for the tool's usage
    const char* details;  // what --help adds under the synopsis
    int (*run)(const Arguments& arguments);
};

extern const LoggerCommand InfoCommand;
extern const LoggerCommand DumpCommand;
extern const LoggerCommand StatusCommand;
extern const LoggerCommand DownloadCommand;
extern const LoggerCommand ClearCommand;
extern const LoggerCommand LiveCommand;
extern const LoggerCommand SetCommand;

enum ToolExit { ExitOk = 0, ExitFailed = 1, ExitUsage = 2 };
