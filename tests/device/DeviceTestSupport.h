#pragma once
#include "SimulatedLogger.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

// A control transfer as the tests expect to see it on the wire.
struct WireTransfer {
    int requestType;
    int request;
    int value;
    int index;
    int length;
    int timeoutMs;
    bool operator==(const WireTransfer& other) const {
        return requestType == other.requestType && request == other.request &&
               value == other.value && index == other.index && length == other.length &&
               timeoutMs == other.timeoutMs;
    }
};

std::ostream& operator<<(std::ostream& out, const WireTransfer& transfer);

// The simulator's log without results and logger numbers.
std::vector<WireTransfer> WireLog();
// A simulated logger with a fixed clock, two events of 100 samples and time that moves only
// when the test moves it.
SimulatedLogger::Options TestLoggerOptions();

constexpr WireTransfer SetConfiguration{0x00, 9, 1, 0, 0, 100};

// A state file of the simulated logger made from options, with some bytes of its memory
// replaced; configuring the simulator with it as stateFile gives a logger with that memory.
struct MemoryPatch {
    std::uint32_t address;
    unsigned char value;
};
std::string StateFileWithMemory(const SimulatedLogger::Options& options, const std::string& path,
                                const std::vector<MemoryPatch>& patches);
