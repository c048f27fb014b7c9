#pragma once
#include <functional>
#include <string>
#include <vector>

// One device operation run again and again on the simulated logger with a fault at every point
// a clean run reached: each transfer failing once, each transfer failing from there on, and the
// logger unplugged at each open. The transfers of one open make one phase of the operation (a
// command, or a whole memory read), so that the test can say what a failure there must do.
enum class FaultKind { TransferOnce, TransferOnward, UnplugAtOpen };

struct Fault {
    FaultKind kind;
    int point; // the transfer or open, counted from 1 after the preparation
    // The phase of the clean run that fails (-1: none, the recovery step absorbs the fault) and
    // whether every later phase fails too.
    int failedPhase;
    bool laterPhasesFail;
    bool Fails(int phase) const {
        return failedPhase >= 0 &&
               (phase == failedPhase || (laterPhasesFail && phase > failedPhase));
    }
    bool AnyFails() const { return failedPhase >= 0; }
    std::string Describe() const;
};

struct Phase {
    int request; // the vendor request of its transfers (-1 for SET_CONFIGURATION)
    int transfers;
};

struct SweepCount {
    std::vector<Phase> phases; // of the clean run
    int transfers = 0;
    int faultRuns = 0; // fault points tried, all three kinds together
};

// Calls prepare, then run with a clean Fault (failedPhase -1) to learn the phases, then
// prepare and run once per fault point. Checks after each run that no handle stayed open.
SweepCount SweepFaults(const std::function<void()>& prepare,
                       const std::function<void(const Fault&)>& run);
