#include "device/FaultSweep.h"

#include "SimulatedLogger.h"

#include <gtest/gtest.h>

namespace Sim = SimulatedLogger;

namespace {

// Requests sent without the recovery step: one failed transfer fails them.
bool Unrecovered(int request) {
    return request == 21 || request == 23 || request == 27 || request == 28;
}

std::vector<Phase> PhasesOf(const std::vector<Sim::Transfer>& log, std::vector<int>& phaseOf) {
    std::vector<Phase> phases;
    int open = -1;
    for (const Sim::Transfer& t : log) {
        if (phases.empty() || t.open != open) {
            open = t.open;
            phases.push_back({t.requestType == 0 ? -1 : t.request, 0});
        }
        ++phases.back().transfers;
        phaseOf.push_back(static_cast<int>(phases.size()) - 1);
    }
    return phases;
}

Fault Predict(FaultKind kind, int point, const std::vector<Phase>& phases,
              const std::vector<int>& phaseOf) {
    Fault fault{kind, point, -1, false};
    if (kind == FaultKind::UnplugAtOpen) {
        fault.failedPhase = point - 1;
        fault.laterPhasesFail = true;
        return fault;
    }
    const int phase = phaseOf[point - 1];
    if (kind == FaultKind::TransferOnward) {
        fault.failedPhase = phase;
        fault.laterPhasesFail = true;
    } else if (Unrecovered(phases[phase].request)) {
        fault.failedPhase = phase;
    }
    return fault;
}

void Arm(const Fault& fault) {
    switch (fault.kind) {
    case FaultKind::TransferOnce:
        Sim::FailTransfer(fault.point);
        break;
    case FaultKind::TransferOnward:
        Sim::FailTransfer(fault.point, true);
        break;
    case FaultKind::UnplugAtOpen:
        Sim::UnplugAtOpen(fault.point);
        break;
    }
}

} // namespace

std::string Fault::Describe() const {
    const char* names[] = {"transfer failing once", "transfers failing from", "unplugged at open"};
    return std::string(names[static_cast<int>(kind)]) + " " + std::to_string(point) + " (phase " +
           std::to_string(failedPhase) + ")";
}

SweepCount SweepFaults(const std::function<void()>& prepare,
                       const std::function<void(const Fault&)>& run) {
    SweepCount count;
    prepare();
    Sim::ClearLog();
    const int handlesBefore = Sim::GetCounters().openHandles;
    run(Fault{FaultKind::TransferOnce, 0, -1, false});
    EXPECT_EQ(Sim::GetCounters().openHandles, handlesBefore) << "clean run";
    const std::vector<Sim::Transfer> log = Sim::Log();
    std::vector<int> phaseOf;
    count.phases = PhasesOf(log, phaseOf);
    count.transfers = static_cast<int>(log.size());

    const int opens = static_cast<int>(count.phases.size());
    for (FaultKind kind :
         {FaultKind::TransferOnce, FaultKind::TransferOnward, FaultKind::UnplugAtOpen}) {
        const int points = kind == FaultKind::UnplugAtOpen ? opens : count.transfers;
        for (int point = 1; point <= points; ++point) {
            const Fault fault = Predict(kind, point, count.phases, phaseOf);
            SCOPED_TRACE(fault.Describe());
            prepare();
            const int handles = Sim::GetCounters().openHandles;
            Arm(fault);
            run(fault);
            Sim::ClearFaults();
            EXPECT_EQ(Sim::GetCounters().openHandles, handles);
            ++count.faultRuns;
        }
    }
    std::cout << "[ fault sweep ] " << count.transfers << " transfers in " << opens << " opens, "
              << count.faultRuns << " fault points\n";
    return count;
}
