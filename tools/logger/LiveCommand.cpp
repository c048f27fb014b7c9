// dextrel-logger live: switches the logger's live logging on and prints the samples as they
// arrive, the way the program's live recording collects them.
#include "LoggerCommand.h"
#include "ToolSupport.h"

#include "app/AppSettings.h"
#include "device/HeaderReader.h"
#include "device/JournalFolder.h"
#include "device/LiveJournal.h"
#include "device/LiveRecording.h"
#include "device/LoggerUsb.h"
#include "files/WorkspaceFile.h"
#include "records/Units.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

using namespace ToolSupport;

namespace {

volatile std::sig_atomic_t StopRequested = 0;

void RequestStop(int) {
    StopRequested = 1;
}

void CatchStopSignals() {
    struct sigaction action = {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

struct LiveOptions {
    int seconds = 0; // 0: until stopped
    std::string path;
    int flowUnit = -1;
};

std::string ParseOptions(const Arguments& arguments, LiveOptions& options) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--seconds" && hasValue) {
            options.seconds = PositiveSeconds(arguments[++i]);
            if (options.seconds < 0) {
                return "--seconds needs a whole number of seconds above 0";
            }
        } else if (argument == "-o" && hasValue) {
            options.path = arguments[++i];
        } else if (argument == "--flow-unit" && hasValue) {
            options.flowUnit = FlowUnitIndex(arguments[++i]);
            if (options.flowUnit < 0) {
                return "unknown flow unit " + arguments[i];
            }
        } else {
            return "unexpected argument " + argument;
        }
    }
    return "";
}

std::string Label(const wxString& unit) {
    return std::string(unit.utf8_str());
}

void PrintColumns(const AppSettingsBlock& settings) {
    std::printf("time_s,flow_%s,pressure_%s,volume_%s\n",
                Label(Units::CsvFlowLabel(settings.metric, settings.flowUnit)).c_str(),
                Label(Units::CsvPressureLabel(settings.pressureUnit)).c_str(),
                Label(Units::CsvVolumeLabel(settings.metric, settings.flowUnit)).c_str());
}

void PrintSamples(const Storage& record, int from) {
    for (int i = from; i < record.GetSampleCount(); ++i) {
        float time = 0, flow = 0, pressure = 0, volume = 0;
        record.GetSample(i, time, flow, pressure, volume);
        std::printf("%.3f,%.3f,%.3f,%.3f\n", time, flow, pressure, volume);
    }
    std::fflush(stdout);
}

// Waits for the next tick in short steps, so that a signal ends the wait at once.
void WaitUntil(std::chrono::steady_clock::time_point tick) {
    while (!StopRequested && std::chrono::steady_clock::now() < tick) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

// The journal lets the window restore a run that was killed; without one the run goes on.
void StartJournal(LiveJournal& journal, const Storage& record) {
    wxString error;
    if (journal.Create(JournalFolder::Path(), record, error)) {
        std::fprintf(stderr, "Journal: %s\n",
                     static_cast<const char*>(journal.GetPath().utf8_str()));
    } else {
        std::fprintf(stderr, "%s: no journal, a killed run is lost: %s\n", Program,
                     static_cast<const char*>(error.utf8_str()));
    }
}

void AppendToJournal(LiveJournal& journal, const unsigned char* block) {
    if (journal.IsOpen() && !journal.AppendTick(block)) {
        std::fprintf(stderr, "%s: the journal can no longer be written; new samples are not kept\n",
                     Program);
    }
}

// Ticks at the program's live period until the time is up, a signal arrives or the logger
// stops answering; false for the lost logger.
bool Record(LoggerUsb& usb, Storage& record, LiveJournal& journal, int seconds) {
    using Clock = std::chrono::steady_clock;
    const auto period =
        std::chrono::milliseconds(LiveRecording::TimerPeriodMs(record.GetIntervalMs()));
    const Clock::time_point start = Clock::now();
    Clock::time_point tick = start + period;
    while (!StopRequested) {
        WaitUntil(tick);
        if (StopRequested) {
            break;
        }
        const unsigned char* block = usb.ReadLive();
        if (block == nullptr) {
            return false;
        }
        const int before = record.GetSampleCount();
        LiveRecording::AppendBlock(record, block);
        AppendToJournal(journal, block);
        PrintSamples(record, before);
        if (seconds > 0 && Clock::now() - start >= std::chrono::seconds(seconds)) {
            break;
        }
        tick += period;
    }
    return true;
}

int RunLive(const Arguments& arguments) {
    LiveOptions options;
    const std::string problem = ParseOptions(arguments, options);
    if (!problem.empty()) {
        return UsageError(LiveCommand, problem);
    }
    AppSettingsBlock settings = UserSettings(options.flowUnit);
    LoggerUsb usb;
    if (!FindLogger(usb)) {
        return ExitFailed;
    }
    const HeaderRead header = HeaderReader::Read(usb);
    if (!header.ok) {
        return FailOnLogger(usb, "reading the settings header failed");
    }
    HeaderReader::ApplyUnits(header, settings);
    if (!usb.SetLogging(1)) {
        return FailOnLogger(usb, "switching live logging on failed");
    }
    HeaderReader::ApplySerialNumber(header, settings);
    Storage record = LiveRecording::NewRecord(header, settings, wxDateTime::Now(), 1);
    LiveJournal journal;
    StartJournal(journal, record);
    CatchStopSignals();
    PrintColumns(settings);

    int status = ExitOk;
    if (!Record(usb, record, journal, options.seconds)) {
        status = Fail("the logger stopped answering; live recording ended");
    }
    if (!usb.SetLogging(0)) {
        status = FailOnLogger(usb, "switching live logging off failed");
    } else {
        usb.ReadLive(); // what came in meanwhile belongs to no tick
    }
    if (!options.path.empty()) {
        wxString error;
        if (!WorkspaceFile::Write(wxString::FromUTF8(options.path), {record}, settings.flowUnit,
                                  error)) {
            return Fail(std::string(error.utf8_str())); // the journal keeps the recording
        }
        std::fprintf(stderr, "Wrote %d samples to %s\n", record.GetSampleCount(),
                     options.path.c_str());
    } else if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        return Fail("the samples could not all be printed; the journal keeps them");
    }
    journal.Remove();
    return status;
}

} // namespace

const LoggerCommand LiveCommand = {
    "live", "[--seconds N] [-o FILE.vrx] [--flow-unit l/min|l/s|m3/h|gpm]",
    "records live and prints one CSV line per sample",
    "Switches the logger's live logging on and prints one CSV line per sample as the\n"
    "samples arrive: time in seconds, flow, pressure and volume in the configured units\n"
    "(the first line names them). It ends after N seconds, on Ctrl+C or SIGTERM, or when\n"
    "the logger stops answering; then logging is switched off and, with -o, the recording\n"
    "is written as a workspace.\n"
    "While it runs, the recording is also kept in a journal in the state folder\n"
    "($XDG_STATE_HOME/dextrel, else ~/.local/state/dextrel); the journal goes once the\n"
    "samples were written or printed. A run that was killed leaves it behind, and the\n"
    "program (dextrel) offers to restore the recording at its next start.\n",
    RunLive};
