#include "device/DeviceTestSupport.h"
#include "device/LoggerToolRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// dextrel-logger run as its own process on the preloaded simulated logger.
namespace {

TEST(LoggerToolTest, InfoPrintsTheLongHeaderWithSerialNumberAndManufactureDate) {
    const ToolRun run = RunTool("DEXTREL_SIM_SERIAL=4711", "info");
    ASSERT_EQ(run.status, 0) << run.output;
    for (const char* line : {"Firmware word: 0x0403\n", "Settings header (41 bytes):\n",
                             "  Sample period: 1000 ms (reload 0xF000)\n", "  Recorded events: 2\n",
                             "  State: 0x01 (flows in litres, automatic logging off)\n",
                             "  Automatic start: above 5 l/min for 10 samples (10 s)\n",
                             "  Automatic stop: below 2 l/min for 30 samples (30 s)\n",
                             "  Pressure calibration: zero 40 counts, 4.50 counts per psi\n",
                             "  Pressure unit: bar (98)\n", "  Serial number: 4711\n",
                             "  Manufacture date: 15/03/2021\n", "Clock: 25/12/2011 09:05:0",
                             "  Battery: 117 (gauge 351)\n", "  Memory pointer: 0x000281"}) {
        EXPECT_NE(run.output.find(line), std::string::npos) << line << "\nin:\n" << run.output;
    }
}

TEST(LoggerToolTest, InfoOnTheShortHeaderLeavesOutTheLongFields) {
    const ToolRun run = RunTool("DEXTREL_SIM_FIRMWARE=0x0400", "info");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("Firmware word: 0x0400\n"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("Settings header (21 bytes):\n"), std::string::npos);
    EXPECT_EQ(run.output.find("Serial number"), std::string::npos);
    EXPECT_NE(run.output.find("  Memory pointer: 0x00026D"), std::string::npos) << run.output;
}

// A state file of the simulated logger whose header carries the given pressure calibration.
std::string StateFileWithCalibration(unsigned char scale, unsigned char fine) {
    const std::string path = HomePath("calibration.state");
    std::remove(path.c_str());
    SimulatedLogger::Options options = TestLoggerOptions();
    options.stateFile = path;
    SimulatedLogger::Configure(options); // writes the state file
    SimulatedLogger::Configure(TestLoggerOptions());

    std::ifstream in(path, std::ios::binary);
    std::string state((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    const std::string marker = "memory 131072\n";
    const std::size_t memory = state.find(marker);
    EXPECT_NE(memory, std::string::npos);
    state[memory + marker.size() + 13] = static_cast<char>(scale);
    state[memory + marker.size() + 15] = static_cast<char>(fine);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << state;
    return path;
}

TEST(LoggerToolTest, InfoPrintsThePressureDivisorAsScalePlusHundredths) {
    struct {
        unsigned char scale;
        unsigned char fine;
        const char* shown;
    } cases[] = {
        {4, 50, "4.50 counts per psi"},
        {4, 5, "4.05 counts per psi"},
        {4, 150, "5.50 counts per psi"},
        {0, 255, "2.55 counts per psi"},
    };
    for (const auto& c : cases) {
        const std::string state = StateFileWithCalibration(c.scale, c.fine);
        const ToolRun run = RunTool("DEXTREL_SIM_STATE='" + state + "'", "info");
        ASSERT_EQ(run.status, 0) << run.output;
        EXPECT_NE(run.output.find(c.shown), std::string::npos) << c.shown << "\nin:\n"
                                                               << run.output;
        std::remove(state.c_str());
    }
}

TEST(LoggerToolTest, DumpWritesTheWholeMemoryImage) {
    for (const char* firmware : {"0x0403", "0x0400"}) {
        const std::string path = HomePath("dump.bin");
        std::remove(path.c_str());
        const ToolRun run =
            RunTool(std::string("DEXTREL_SIM_FIRMWARE=") + firmware, "dump -o '" + path + "'");
        ASSERT_EQ(run.status, 0) << run.output;

        SimulatedLogger::Options options = TestLoggerOptions();
        options.firmwareWord = static_cast<std::uint16_t>(std::strtol(firmware, nullptr, 0));
        SimulatedLogger::Configure(options);
        std::ifstream in(path, std::ios::binary);
        const std::vector<unsigned char> image((std::istreambuf_iterator<char>(in)),
                                               std::istreambuf_iterator<char>());
        EXPECT_EQ(image.size(), 0x20000u);
        EXPECT_TRUE(image == SimulatedLogger::Memory()) << firmware;
        std::remove(path.c_str());
    }
}

TEST(LoggerToolTest, FailuresGoToStandardErrorWithANonZeroExit) {
    struct {
        const char* environment;
        const char* arguments;
        const char* message;
    } cases[] = {
        {"DEXTREL_SIM_ABSENT=1", "info", "no Vendrix logger (04d8:fffd) found"},
        {"DEXTREL_SIM_ABSENT=1", "dump -o /dev/null", "no Vendrix logger (04d8:fffd) found"},
        {"DEXTREL_SIM_FAIL_REQUEST=26:always", "info", "reading the clock failed"},
        {"DEXTREL_SIM_FAIL_TRANSFER=500", "dump -o /dev/null", "reading the memory failed"},
        {"", "dump", "usage:"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunTool(c.environment, c.arguments, ToolOutput::StandardError);
        EXPECT_NE(run.status, 0) << c.arguments;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    }
}

} // namespace
