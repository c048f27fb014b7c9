// dextrel-logger download: the logger's recorded events as a workspace, built and written as
// the program's Download and Save build and write them.
#include "LoggerCommand.h"
#include "ToolSupport.h"

#include "app/AppSettings.h"
#include "device/LoggerUsb.h"
#include "device/MemoryDownload.h"
#include "files/WorkspaceFile.h"

#include <cstdio>

using namespace ToolSupport;

namespace {

struct DownloadOptions {
    std::string path;
    bool clear = false;
    int flowUnit = -1; // -1: from the user's configuration
};

// An empty text, or the problem with the arguments.
std::string ParseOptions(const Arguments& arguments, DownloadOptions& options) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "-o" && hasValue) {
            options.path = arguments[++i];
        } else if (argument == "--flow-unit" && hasValue) {
            options.flowUnit = FlowUnitIndex(arguments[++i]);
            if (options.flowUnit < 0) {
                return "unknown flow unit " + arguments[i];
            }
        } else if (argument == "--clear") {
            options.clear = true;
        } else {
            return "unexpected argument " + argument;
        }
    }
    return options.path.empty() ? "download needs -o FILE.vrx" : "";
}

const char* OutcomeProblem(MemoryDownload::Outcome outcome) {
    switch (outcome) {
    case MemoryDownload::Outcome::HeaderFailed:
        return "reading the settings header failed";
    case MemoryDownload::Outcome::TableFailed:
        return "reading the table of contents failed";
    case MemoryDownload::Outcome::DataFailed:
        return "reading the recorded samples failed";
    default:
        return "";
    }
}

int RunDownload(const Arguments& arguments) {
    DownloadOptions options;
    const std::string problem = ParseOptions(arguments, options);
    if (!problem.empty()) {
        return UsageError(DownloadCommand, problem);
    }
    AppSettingsBlock settings = UserSettings(options.flowUnit);
    LoggerUsb usb;
    if (!FindLogger(usb)) {
        return ExitFailed;
    }
    MemoryDownload download(usb);
    const MemoryDownload::Outcome outcome = download.Run(settings, [] {});
    if (outcome == MemoryDownload::Outcome::TableDamaged) {
        return Fail("the logger's memory is damaged: a table of " +
                    std::to_string(download.EventCount()) + " events cannot fit in it");
    }
    if (outcome != MemoryDownload::Outcome::Done) {
        return FailOnLogger(usb, OutcomeProblem(outcome));
    }
    const std::vector<Storage>& records = download.Records();
    wxString error;
    if (!WorkspaceFile::Write(wxString::FromUTF8(options.path), records, settings.flowUnit,
                              error)) {
        return Fail(std::string(error.utf8_str()));
    }
    for (const Storage& record : records) {
        std::printf("%s\t%s\t%d samples\n", record.GetTitle().utf8_str().data(),
                    record.GetDateText().utf8_str().data(), record.GetSampleCount());
    }
    std::printf("Wrote %zu recordings to %s\n", records.size(), options.path.c_str());
    if (options.clear) {
        if (!usb.ClearMemory()) {
            return FailOnLogger(usb, "erasing the recorded events failed");
        }
        std::printf("Erased the logger's recorded events\n");
    }
    return ExitOk;
}

} // namespace

const LoggerCommand DownloadCommand = {
    "download", "-o FILE.vrx [--clear] [--flow-unit l/min|l/s|m3/h|gpm]",
    "writes the recorded events to a workspace FILE.vrx",
    "Reads every event the logger recorded and writes them as a workspace, one recording\n"
    "per event, exactly as the program's Download and Save do. The flow unit is the one of\n"
    "your configuration file unless --flow-unit names another (a logger that dictates its\n"
    "flow unit wins). --clear erases the logger once FILE was written completely. On any\n"
    "failure an existing FILE stays as it was and nothing is erased.\n",
    RunDownload};
