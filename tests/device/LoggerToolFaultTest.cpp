#include "device/LoggerToolRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

// Every dextrel-logger command with a fault at each transfer and each open of a clean run: it
// ends with status 1 and says why on standard error (never a signal, a usage status or a
// success), unless the recovery step absorbed the fault; and it never overwrites its output
// file with a half-read logger.
namespace {

struct LoggedTransfer {
    int requestType;
    int request;
    int open;
};

std::vector<LoggedTransfer> ReadLog(const std::string& path) {
    std::vector<LoggedTransfer> transfers;
    std::istringstream lines(ReadFile(path));
    for (std::string line; std::getline(lines, line);) {
        LoggedTransfer t{};
        int logger = 0, result = 0;
        unsigned type = 0;
        if (std::sscanf(line.c_str(),
                        "logger %d type 0x%x request %d %*s %*s %*s %*s %*s %*d "
                        "%*s %*d -> %d open %d",
                        &logger, &type, &t.request, &result, &t.open) == 5) {
            t.requestType = static_cast<int>(type);
            transfers.push_back(t);
        }
    }
    return transfers;
}

// Sent without the recovery step, or an answer a clean run cannot do without.
bool FailsOnce(const LoggedTransfer& t) {
    return t.requestType != 0 &&
           (t.request == 21 || t.request == 23 || t.request == 27 || t.request == 28);
}

// Inside a long memory read (the dump's 1024 chunks) one chunk fails like any other: the first
// and last few of a run of one open and every 32nd between them stand for the rest.
bool WorthTrying(const std::vector<LoggedTransfer>& log, int i) {
    int first = i, last = i;
    while (first > 0 && log[first - 1].open == log[i].open) {
        --first;
    }
    while (last + 1 < static_cast<int>(log.size()) && log[last + 1].open == log[i].open) {
        ++last;
    }
    return i - first < 4 || last - i < 4 || (i - first) % 32 == 0;
}

struct ToolCase {
    const char* name;
    std::string arguments; // @FILE: the output file, made in the test's own home folder
    const char* environment;
    bool writesFile; // the output file must stay as it was when the command fails
    // Faults at these last opens may end well: what they carry is only tidying up (the live
    // read after logging is off gives samples that belong to no one).
    int toleratedLastOpens;
};

void PrintTo(const ToolCase& c, std::ostream* out) {
    *out << c.name;
}

class LoggerToolFaultTest : public ::testing::TestWithParam<ToolCase> {
protected:
    void SetUp() override { std::remove(m_log.c_str()); }
    void TearDown() override {
        std::remove(m_log.c_str());
        std::remove(m_file.c_str());
    }
    std::string m_log = HomePath("tool-fault.log");
    std::string m_file = HomePath("tool-fault.out");
};

TEST_P(LoggerToolFaultTest, FailsCleanlyAtEveryFaultPoint) {
    const ToolCase& c = GetParam();
    std::string arguments = c.arguments;
    const std::size_t at = arguments.find("@FILE");
    if (at != std::string::npos) {
        arguments.replace(at, 5, "'" + m_file + "'");
    }
    const std::string before = "not a logger's file\n";
    std::remove(m_log.c_str());
    const ToolRun clean =
        RunTool(std::string(c.environment) + "DEXTREL_SIM_LOG='" + m_log + "' ", arguments);
    ASSERT_EQ(clean.status, 0) << clean.output;
    const std::vector<LoggedTransfer> log = ReadLog(m_log);
    ASSERT_FALSE(log.empty());
    std::vector<int> opens;
    for (const LoggedTransfer& t : log) {
        if (opens.empty() || opens.back() != t.open) {
            opens.push_back(t.open);
        }
    }
    const int transfers = static_cast<int>(log.size());
    const int openCount = static_cast<int>(opens.size());
    auto tolerated = [&](int open) { return open > opens[openCount - 1 - c.toleratedLastOpens]; };
    int points = 0;
    auto check = [&](const std::string& fault, bool mayEndWell, bool mustEndWell) {
        SCOPED_TRACE(fault);
        WriteFile(m_file, before);
        const ToolRun run =
            RunTool(std::string(c.environment) + fault + " ", arguments, ToolOutput::StandardError);
        ++points;
        ASSERT_TRUE(run.status == 0 || run.status == 1) << run.status << " " << run.output;
        if (mustEndWell) {
            EXPECT_EQ(run.status, 0) << run.output;
        } else if (!mayEndWell) {
            EXPECT_EQ(run.status, 1) << run.output;
        }
        if (run.status == 1) {
            EXPECT_NE(run.output, "");
            if (c.writesFile) {
                EXPECT_EQ(ReadFile(m_file), before);
            }
        }
    };
    for (int k = 1; k <= transfers; ++k) {
        const LoggedTransfer& t = log[k - 1];
        if (!WorthTrying(log, k - 1)) {
            continue;
        }
        check("DEXTREL_SIM_FAIL_TRANSFER=" + std::to_string(k), tolerated(t.open), !FailsOnce(t));
        check("DEXTREL_SIM_FAIL_TRANSFER=" + std::to_string(k) + ":always", tolerated(t.open),
              false);
    }
    for (int k = 1; k <= openCount; ++k) {
        check("DEXTREL_SIM_UNPLUG_AT_OPEN=" + std::to_string(k), tolerated(opens[k - 1]), false);
    }
    std::cout << "[ fault sweep ] dextrel-logger " << c.name << ": " << transfers
              << " transfers in " << openCount << " opens, " << points << " fault points\n";
}

INSTANTIATE_TEST_SUITE_P(
    Commands, LoggerToolFaultTest,
    ::testing::Values(
        ToolCase{"info", "info", "", false, 0}, ToolCase{"dump", "dump -o @FILE", "", true, 0},
        ToolCase{"download", "download -o @FILE", "", true, 0},
        ToolCase{"status", "status", "", false, 0}, ToolCase{"clear", "clear --yes", "", false, 0},
        ToolCase{"live", "live --seconds 1 -o @FILE", "DEXTREL_SIM_RELOAD=0xFB34 ", false, 1},
        ToolCase{"set",
                 "set --period 2.5 --pressure-unit psi --clock '2024-02-29 13:14:15' --auto on "
                 "--start-above 5 --start-after 10 --stop-below 2 --stop-after 30",
                 "", false, 0}),
    [](const ::testing::TestParamInfo<ToolCase>& info) { return std::string(info.param.name); });

} // namespace
