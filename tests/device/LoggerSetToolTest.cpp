#include "device/LoggerToolRun.h"
#include "device/SettingsTexts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

// dextrel-logger set on the preloaded simulated logger, read back with dextrel-logger info.
namespace {

class LoggerSetToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string home = std::getenv("HOME");
        m_state = home + "/set-tool.state";
        m_log = home + "/set-tool.log";
        std::remove(m_state.c_str());
        std::remove(m_log.c_str());
    }
    void TearDown() override {
        std::remove(m_state.c_str());
        std::remove(m_log.c_str());
    }

    // The logger keeps its settings in the state file from one run to the next.
    ToolRun Run(const std::string& arguments, const std::string& environment = "",
                ToolOutput output = ToolOutput::Both) const {
        return RunTool("DEXTREL_SIM_STATE='" + m_state + "' DEXTREL_SIM_LOG='" + m_log + "' " +
                           environment,
                       arguments, output);
    }
    std::string Info() const { return Run("info").output; }
    // OUT requests the logger was sent, as "request value index" lines.
    std::string SentRequests() const {
        std::ifstream in(m_log);
        std::string line, sent;
        while (std::getline(in, line)) {
            if (line.find("type 0x40") != std::string::npos) {
                std::istringstream words(line.substr(line.find("request")));
                std::string word, request, value, index;
                words >> word >> request >> word >> value >> word >> index;
                sent += request + " " + value + " " + index + "\n";
            }
        }
        return sent;
    }
    void ForgetSent() const { std::remove(m_log.c_str()); }

    std::string m_state;
    std::string m_log;
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(LoggerSetToolTest, PeriodAndPressureUnitAreSentAndTheDelaysKeepTheirSeconds) {
    const ToolRun run = Run("set --period 2.5 --pressure-unit psi");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(SentRequests(), "4 0xD800 0x0000\n12 0x0070 0x0000\n"
                              "30 0x0005 0x0004\n31 0x0002 0x000C\n3 0x0000 0x0000\n");
    const std::string info = Info();
    EXPECT_TRUE(Contains(info, "Sample period: 2500 ms (reload 0xD800)")) << info;
    EXPECT_TRUE(Contains(info, "Pressure unit: psi (112)")) << info;
    EXPECT_TRUE(Contains(info, "Automatic start: above 5 l/min for 4 samples (10 s)")) << info;
    EXPECT_TRUE(Contains(info, "Automatic stop: below 2 l/min for 12 samples (30 s)")) << info;
}

TEST_F(LoggerSetToolTest, AutomaticLoggingTakesTheGivenValuesAndKeepsTheOthers) {
    const ToolRun run = Run("set --auto on --stop-below 3 --start-after 5");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(SentRequests(), "30 0x0005 0x0005\n31 0x0003 0x001E\n3 0x0002 0x0000\n");
    const std::string info = Info();
    EXPECT_TRUE(Contains(info, "automatic logging on")) << info;
    EXPECT_TRUE(Contains(info, "Automatic start: above 5 l/min for 5 samples (5 s)")) << info;
    EXPECT_TRUE(Contains(info, "Automatic stop: below 3 l/min for 30 samples (30 s)")) << info;
}

TEST_F(LoggerSetToolTest, ClockIsSetWithTheWeekdayAsTheLoggerHasIt) {
    const ToolRun run = Run("set --clock '2024-02-29 13:14:15'");
    ASSERT_EQ(run.status, 0) << run.output;
    // 2011-12-25 was a Sunday: weekday 1 stays.
    EXPECT_EQ(SentRequests(), "29 0xAB00 0x0000\n27 0x1415 0x0113\n28 0x0229 0x0024\n");
    EXPECT_TRUE(Contains(Info(), "Clock: 29/02/2024 13:14:1")) << Info();
}

TEST_F(LoggerSetToolTest, RejectionsSendNothingAndExitWithOne) {
    const struct {
        const char* arguments;
        std::string message;
    } cases[] = {
        {"set --start-above 50 --stop-below 60", SettingsTexts::OnBelowOff},
        {"set --period 2.5 --start-after 1", SettingsTexts::DelayBelowPeriod},
        {"set --start-above abc", std::string("abc: ") + SettingsTexts::ReenterValue},
        {"set --stop-after -3", std::string("-3: ") + SettingsTexts::ReenterValue},
    };
    for (const auto& c : cases) {
        ForgetSent();
        const ToolRun run = Run(c.arguments, "", ToolOutput::StandardError);
        EXPECT_EQ(run.status, 1) << c.arguments;
        EXPECT_EQ(run.output, "dextrel-logger: " + c.message + "\n") << c.arguments;
        EXPECT_EQ(SentRequests(), "") << c.arguments;
    }
    EXPECT_TRUE(Contains(Info(), "Sample period: 1000 ms"));
}

TEST_F(LoggerSetToolTest, WarningsArePrintedAndTheSettingsSent) {
    const ToolRun run =
        Run("set --start-above 2500 --stop-below 30", "", ToolOutput::StandardError);
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output,
              std::string("dextrel-logger: ") + SettingsTexts::VeryHighThresholds + "\n");
    EXPECT_TRUE(Contains(Info(), "Automatic start: above 2500 l/min")) << Info();
}

TEST_F(LoggerSetToolTest, AFailingRequestIsReportedAndTheRestStillSent) {
    const ToolRun run = Run("set --auto on", "DEXTREL_SIM_FAIL_REQUEST=30:always");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(run.output, SettingsTexts::ThresholdFailed)) << run.output;
    EXPECT_TRUE(Contains(SentRequests(), "3 0x0002 0x0000\n")) << SentRequests();
}

TEST_F(LoggerSetToolTest, ALockedLoggerKeepsItsPressureUnitAndDate) {
    for (const char* arguments : {"set --pressure-unit bar", "set --clock now"}) {
        ForgetSent();
        const ToolRun run = Run(arguments, "DEXTREL_SIM_MODEL=5");
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_EQ(SentRequests(), "") << arguments;
    }
}

TEST_F(LoggerSetToolTest, WrongCommandLinesExitWithTwoAndHelpWithZero) {
    for (const char* arguments :
         {"set", "set --period", "set --period 0", "set --period 16", "set --period 1.55",
          "set --pressure-unit kpa", "set --auto maybe", "set --clock '2024-02-30 10:00:00'",
          "set --clock '1999-12-31 10:00:00'", "set --clock 2024-02-01", "set --colour red",
          "set --auto on --auto off"}) {
        const ToolRun run = Run(arguments, "", ToolOutput::StandardError);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_TRUE(Contains(run.output, "usage: dextrel-logger set")) << arguments;
    }
    const ToolRun help = Run("set --help", "", ToolOutput::StandardOutput);
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(Contains(help.output, "--start-after SECONDS")) << help.output;
    EXPECT_TRUE(Contains(Run("set --auto on", "DEXTREL_SIM_ABSENT=1").output,
                         "no Vendrix logger (04d8:fffd) found"));
}

} // namespace
