#pragma once
#include "SimulatedLogger.h"

#include <ostream>
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
