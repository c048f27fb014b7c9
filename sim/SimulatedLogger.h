#pragma once
// In-process control of the simulated Vendrix logger (libdextrel_sim). Programs that link the
// library, or run with it preloaded, talk to this model through the ordinary libusb 0.1 calls;
// tests use the functions below to shape the model, inject faults and read the wire traffic.
#include "LoggerShape.h"

#include <cstdint>
#include <string>
#include <vector>

namespace SimulatedLogger {

struct Options : LoggerShape {
    // The logger as made when there is no state file: the shape above, and
    std::string clock;       // "YYYY-MM-DD HH:MM:SS"; empty: the host's UTC time
    bool frozenTime = false; // simulation time moves only by AdvanceTime

    // The bus.
    bool present = true;       // a logger is on the bus at all
    bool secondLogger = false; // a second logger, listed after the first
    int unplugAtOpen = 0;      // the n-th usb_open and every later one find it unplugged
    int unplugAfterMs = 0;     // unplugged this long after configuration
    int unplugForMs = 0;       // ... and back after this long (0: until plugged in again)
    std::string failRequests;  // e.g. "23", "34:always", "config", "5,41:always"
    std::string failTransfer;  // e.g. "7" (the 7th transfer once) or "7:always" (from the 7th)

    std::string stateFile; // memory and settings kept here across restarts
    std::string logFile;   // every control transfer appended here as one line
};

struct Transfer {
    int logger = 0; // 0 first, 1 second
    int open = 0;   // the usb_open call whose handle carried it (0: no valid handle)
    int requestType = 0;
    int request = 0;
    int value = 0;
    int index = 0;
    int length = 0;
    int timeoutMs = 0;
    int result = 0;
    std::vector<unsigned char> data; // what an OUT data stage carried
};

struct Counters {
    int opens = 0;       // usb_open calls that gave a handle
    int failedOpens = 0; // usb_open calls that gave null
    int closes = 0;
    int openHandles = 0; // handles not closed yet
    int transfers = 0;   // usb_control_msg calls
};

// The options read from the DEXTREL_SIM_* environment variables.
Options OptionsFromEnvironment();
// Rebuilds the bus and the logger(s) from scratch: plugged in, no faults pending, empty log.
void Configure(const Options& options);
const Options& CurrentOptions();

// Simulation time runs with the host's clock; tests move it on without waiting.
void AdvanceTime(int ms);

void Unplug();
void PlugIn();
void UnplugAtOpen(int n, int forMs = 0); // counted from now
void UnplugAfter(int ms, int forMs = 0);
void FailRequest(int request, bool always = false);
void FailConfiguration(bool always = false);
void FailTransfer(int n, bool always = false); // the n-th transfer from now
void ClearFaults();
void SetRaggedLive(bool ragged);

std::vector<unsigned char> Memory(int logger = 0);
bool Logging(int logger = 0);

std::vector<Transfer> Log();
void ClearLog();
Counters GetCounters();
std::string Describe(const Transfer& transfer);

} // namespace SimulatedLogger
