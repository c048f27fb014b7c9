#include "app/AppSettings.h"
#include "app/ConfigFile.h"
#include "device/DeviceTestSupport.h"
#include "device/JournalFolder.h"
#include "device/LoggerToolRun.h"
#include "device/LoggerUsb.h"
#include "device/MemoryDownload.h"
#include "files/WorkspaceFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

// dextrel-logger's device operations (download, status, clear, live) on the preloaded
// simulated logger, and its command line.
namespace {

namespace Sim = SimulatedLogger;

class LoggerToolOperationsTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (const std::string& path : {m_file, m_log, ConfigFile::UserPath()}) {
            std::remove(path.c_str());
        }
    }
    // The workspace the window's Download and Save would write of the same logger.
    std::string WindowWorkspace(int flowUnit) {
        Sim::Configure(TestLoggerOptions());
        LoggerUsb usb;
        AppSettingsBlock settings;
        settings.flowUnit = static_cast<std::uint8_t>(flowUnit);
        MemoryDownload download(usb);
        EXPECT_EQ(download.Run(settings, [] {}), MemoryDownload::Outcome::Done);
        return WorkspaceFile::Format(download.Records(), settings.flowUnit);
    }
    std::string LogEnvironment() { return "DEXTREL_SIM_LOG='" + m_log + "' "; }
    bool LoggerWasCleared() { return ReadFile(m_log).find("request 13 ") != std::string::npos; }

    std::string m_file = HomePath("tool.vrx");
    std::string m_log = HomePath("tool.log");
};

TEST_F(LoggerToolOperationsTest, DownloadWritesWhatTheWindowsSaveWritesInTheConfiguredUnit) {
    struct {
        const char* configuration; // flow unit line of the user's file, or none
        const char* option;
        int flowUnit;
    } cases[] = {
        {nullptr, "", 0},
        {"1\n98\n0\n1\n3\n0\n0\n", "", 3},
        {"1\n98\n0\n1\n3\n0\n0\n", " --flow-unit m3/h", 2},
        {nullptr, " --flow-unit l/s", 1},
    };
    for (const auto& c : cases) {
        if (c.configuration != nullptr) {
            WriteFile(ConfigFile::UserPath(), c.configuration);
        } else {
            std::remove(ConfigFile::UserPath().c_str());
        }
        const ToolRun run = RunTool("", "download -o '" + m_file + "'" + c.option);
        ASSERT_EQ(run.status, 0) << run.output;
        EXPECT_NE(run.output.find("Wrote 2 recordings to "), std::string::npos) << run.output;
        EXPECT_EQ(ReadFile(m_file), WindowWorkspace(c.flowUnit)) << c.option;
    }
}

TEST_F(LoggerToolOperationsTest, DownloadClearsTheLoggerOnlyAfterTheFileWasWritten) {
    ToolRun run = RunTool(LogEnvironment(), "download --clear -o '" + m_file + "'");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(LoggerWasCleared());
    EXPECT_NE(run.output.find("Erased the logger's recorded events"), std::string::npos);

    std::remove(m_log.c_str());
    run = RunTool(LogEnvironment(), "download --clear -o '" + HomePath("missing/x.vrx") + "'",
                  ToolOutput::StandardError);
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(run.output.empty());
    EXPECT_FALSE(LoggerWasCleared());
}

TEST_F(LoggerToolOperationsTest, FailingDownloadLeavesAnExistingFileAsItWas) {
    struct {
        const char* environment;
        const char* message;
    } cases[] = {
        {"DEXTREL_SIM_ABSENT=1", "no Vendrix logger (04d8:fffd) found"},
        {"DEXTREL_SIM_FAIL_TRANSFER=3", "reading the settings header failed"},
        {"DEXTREL_SIM_FAIL_TRANSFER=4", "reading the table of contents failed"},
        {"DEXTREL_SIM_FAIL_TRANSFER=5", "reading the recorded samples failed"},
        {"DEXTREL_SIM_FAIL_TRANSFER=6", "reading the recorded samples failed"},
        {"DEXTREL_SIM_FAIL_TRANSFER=6 DEXTREL_SIM_ERROR_CODE=7",
         "reading the recorded samples failed (logger error code 7)"},
    };
    for (const auto& c : cases) {
        WriteFile(m_file, "an earlier workspace\n");
        std::remove(m_log.c_str());
        const ToolRun run =
            RunTool(LogEnvironment() + c.environment, "download --clear -o '" + m_file + "'",
                    ToolOutput::StandardError);
        EXPECT_EQ(run.status, 1) << c.environment;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
        EXPECT_EQ(ReadFile(m_file), "an earlier workspace\n");
        EXPECT_FALSE(LoggerWasCleared());
    }
}

TEST_F(LoggerToolOperationsTest, DownloadReportsATableThatCannotFitAsDamagedMemory) {
    const std::string state =
        StateFileWithMemory(TestLoggerOptions(), HomePath("tool.state"), {{2, 0xFF}, {3, 0xFF}});
    WriteFile(m_file, "kept\n");
    const ToolRun run = RunTool("DEXTREL_SIM_STATE='" + state + "'", "download -o '" + m_file + "'",
                                ToolOutput::StandardError);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("the logger's memory is damaged"), std::string::npos) << run.output;
    EXPECT_EQ(ReadFile(m_file), "kept\n");
    std::remove(state.c_str());
}

TEST_F(LoggerToolOperationsTest, StatusShowsTheGaugesAndTheRecordingTime) {
    struct {
        const char* battery;
        const char* line;
    } cases[] = {
        {"117", "Battery: 117 (gauge 351 of 700, green)\n"},
        {"116", "Battery: 116 (gauge 348 of 700, orange)\n"},
        {"58", "Battery: 58 (gauge 174 of 700, red)\n"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunTool(std::string("DEXTREL_SIM_BATTERY=") + c.battery, "status");
        ASSERT_EQ(run.status, 0) << run.output;
        EXPECT_NE(run.output.find(c.line), std::string::npos) << run.output;
        // Two events of 100 samples after the 41-byte header end at 641 = 0x281.
        EXPECT_NE(run.output.find("Memory: pointer 0x000281, 0.5% in use (gauge 696 of 700)\n"),
                  std::string::npos)
            << run.output;
        EXPECT_NE(run.output.find("Recording time: 00:03Memorie jurnal disponibila (minute)\n"),
                  std::string::npos)
            << run.output;
    }
    const ToolRun absent = RunTool("DEXTREL_SIM_ABSENT=1", "status", ToolOutput::StandardError);
    EXPECT_EQ(absent.status, 1);
}

TEST_F(LoggerToolOperationsTest, ClearNeedsYes) {
    ToolRun run = RunTool(LogEnvironment(), "clear", ToolOutput::StandardError);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.output.find("usage: dextrel-logger clear --yes"), std::string::npos);
    EXPECT_FALSE(LoggerWasCleared());

    run = RunTool(LogEnvironment(), "clear --yes");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(LoggerWasCleared());

    run = RunTool("DEXTREL_SIM_FAIL_REQUEST=13:always", "clear --yes", ToolOutput::StandardError);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("erasing the recorded events failed"), std::string::npos);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The samples of a live run: CSV lines after the column line, and the workspace written.
void ExpectLiveSamplesMatchTheWorkspace(const std::string& output, const std::string& path) {
    const std::vector<std::string> lines = Lines(output);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "time_s,flow_L/min,pressure_Bar,volume_L");
    const WorkspaceReadResult read = WorkspaceFile::Read(wxString::FromUTF8(path));
    ASSERT_TRUE(read.ok) << read.error;
    ASSERT_EQ(read.records.size(), 1u);
    const Storage& record = read.records[0];
    EXPECT_EQ(record.GetTitle(), "Live 1");
    EXPECT_EQ(record.GetSerialNumber(), 4711);
    ASSERT_EQ(record.GetSampleCount(), static_cast<int>(lines.size()) - 1);
    for (int i = 0; i < record.GetSampleCount(); ++i) {
        float time = 0, flow = 0, pressure = 0, volume = 0;
        record.GetSample(i, time, flow, pressure, volume);
        char expected[96];
        std::snprintf(expected, sizeof expected, "%.3f,%.3f,%.3f,%.3f", time, flow, pressure,
                      volume);
        EXPECT_EQ(lines[i + 1], expected);
    }
}

TEST_F(LoggerToolOperationsTest, LiveForSomeSecondsPrintsEachSampleAndWritesTheRecording) {
    const ToolRun run = RunTool(LogEnvironment() + "DEXTREL_SIM_RELOAD=0xFB34",
                                "live --seconds 2 -o '" + m_file + "'", ToolOutput::StandardOutput);
    ASSERT_EQ(run.status, 0) << run.output;
    ExpectLiveSamplesMatchTheWorkspace(run.output, m_file);
    EXPECT_GE(Lines(run.output).size(), 1u + 3u); // about 6 samples at 300 ms
    const std::string log = ReadFile(m_log);
    EXPECT_NE(log.find("request 5 value 0x0001"), std::string::npos);
    EXPECT_NE(log.find("request 5 value 0x0000"), std::string::npos);
}

TEST_F(LoggerToolOperationsTest, LiveEndsOnSigtermAndOnALostLogger) {
    ToolRun run = RunToolScript(LogEnvironment(), "\"$TOOL\" live -o " + m_file +
                                                      " 2>/dev/null & pid=$!; sleep 2.5; "
                                                      "kill -TERM $pid; wait $pid");
    EXPECT_EQ(run.status, 0) << run.output;
    ExpectLiveSamplesMatchTheWorkspace(run.output, m_file);
    EXPECT_NE(ReadFile(m_log).find("request 5 value 0x0000"), std::string::npos);

    std::remove(m_file.c_str());
    run = RunTool("DEXTREL_SIM_UNPLUG_AFTER_MS=2500", "live --seconds 10 -o '" + m_file + "'",
                  ToolOutput::StandardError);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("the logger stopped answering"), std::string::npos) << run.output;
    const WorkspaceReadResult read = WorkspaceFile::Read(wxString::FromUTF8(m_file));
    ASSERT_TRUE(read.ok);
    EXPECT_GE(read.records.at(0).GetSampleCount(), 1);
}

// A killed run leaves its journal, holding at least every sample it printed, for the window
// to restore; a run that ends by itself removes it.
TEST_F(LoggerToolOperationsTest, LiveKeepsAJournalOnlyWhileTheRecordingIsNotDelivered) {
    const wxString folder = JournalFolder::Path();
    std::filesystem::remove_all(std::string(folder.utf8_str()));
    ToolRun run = RunTool("", "live --seconds 2", ToolOutput::StandardError);
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("Journal: " + std::string(folder.utf8_str())), std::string::npos)
        << run.output;
    EXPECT_TRUE(JournalFolder::TakeEarlier(folder).empty());

    run = RunToolScript("DEXTREL_SIM_RELOAD=0xFB34",
                        "\"$TOOL\" live 2>/dev/null & pid=$!; sleep 2.5; kill -KILL $pid; "
                        "wait $pid; true");
    // The shell may add its own note of the killed job.
    std::vector<std::string> lines = Lines(run.output);
    lines.erase(std::remove_if(lines.begin() + 1, lines.end(),
                               [](const std::string& line) { return !std::isdigit(line[0]); }),
                lines.end());
    ASSERT_GE(lines.size(), 2u) << run.output;
    std::vector<EarlierJournal> earlier = JournalFolder::TakeEarlier(folder);
    ASSERT_EQ(earlier.size(), 1u);
    ASSERT_TRUE(earlier[0].contents.readable) << earlier[0].contents.problem;
    const Storage& record = earlier[0].contents.record;
    EXPECT_EQ(record.GetTitle(), "Live 1");
    EXPECT_EQ(record.GetSerialNumber(), 4711);
    // Each tick is journaled before it is printed.
    ASSERT_GE(record.GetSampleCount(), static_cast<int>(lines.size()) - 1);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        float time = 0, flow = 0, pressure = 0, volume = 0;
        record.GetSample(static_cast<int>(i - 1), time, flow, pressure, volume);
        char expected[96];
        std::snprintf(expected, sizeof expected, "%.3f,%.3f,%.3f,%.3f", time, flow, pressure,
                      volume);
        EXPECT_EQ(lines[i], expected);
    }
    earlier[0].journal.Remove();
}

TEST(LoggerToolCommandLineTest, HelpVersionAndUsageErrors) {
    struct {
        const char* arguments;
        int status;
        ToolOutput stream;
        const char* text;
    } cases[] = {
        {"--help", 0, ToolOutput::StandardOutput, "usage: dextrel-logger COMMAND [OPTIONS]\n"},
        {"--version", 0, ToolOutput::StandardOutput, "4.8\n"},
        {"", 2, ToolOutput::StandardError, "usage: dextrel-logger COMMAND [OPTIONS]\n"},
        {"erase", 2, ToolOutput::StandardError, "unknown command erase"},
        {"download --help", 0, ToolOutput::StandardOutput,
         "usage: dextrel-logger download -o FILE.vrx [--clear] [--flow-unit"},
        {"status --help", 0, ToolOutput::StandardOutput, "usage: dextrel-logger status\n"},
        {"clear --help", 0, ToolOutput::StandardOutput, "usage: dextrel-logger clear --yes\n"},
        {"live --help", 0, ToolOutput::StandardOutput,
         "usage: dextrel-logger live [--seconds N] [-o FILE.vrx]"},
        {"info --help", 0, ToolOutput::StandardOutput, "usage: dextrel-logger info\n"},
        {"download", 2, ToolOutput::StandardError, "download needs -o FILE.vrx"},
        {"download -o x.vrx --flow-unit furlongs", 2, ToolOutput::StandardError,
         "unknown flow unit furlongs"},
        {"live --seconds 0", 2, ToolOutput::StandardError, "--seconds needs"},
        {"status now", 2, ToolOutput::StandardError, "usage: dextrel-logger status"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunTool("", c.arguments, c.stream);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_NE(run.output.find(c.text), std::string::npos) << c.arguments << ":\n" << run.output;
    }
}

} // namespace
