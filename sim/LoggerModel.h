#pragma once
#include "FlowProfile.h"
#include "LoggerShape.h"

#include <cstdint>
#include <ctime>
#include <deque>
#include <memory>
#include <string>
#include <vector>

// How one simulated logger is made when it has no saved state.
struct LoggerSetup : LoggerShape {
    std::time_t clock = 0; // logger clock at start, seconds of a UTC calendar
};

// One Vendrix as seen from the wire: its 128 KiB memory with the settings header, the events and
// the table of contents, its running clock, its status and its live sampling.
class LoggerModel {
public:
    LoggerModel(const LoggerSetup& setup, std::int64_t nowMs);

    // Control transfers: the byte count moved, or a negative errno for a stall.
    int In(std::uint8_t request, std::uint16_t value, std::uint16_t index, unsigned char* data,
           int length, std::int64_t nowMs);
    int Out(std::uint8_t request, std::uint16_t value, std::uint16_t index, int length,
            std::int64_t nowMs);

    bool Save(const std::string& path, std::int64_t nowMs) const;
    bool Load(const std::string& path, std::int64_t nowMs);

    const std::vector<unsigned char>& Memory() const { return m_memory; }
    bool Logging() const { return m_logging; }
    int HeaderSize() const;
    int FileCount() const;
    std::uint32_t DataEnd() const;
    void SetRaggedLive(bool ragged) { m_raggedLive = ragged; }
    // Whether the last OUT request changed something worth saving.
    bool TakeChanged();

private:
    void WriteHeader(const LoggerSetup& setup);
    void WriteEvents(const LoggerSetup& setup);
    void CorruptToc(int mode);
    void AppendTocEntry(std::time_t start, std::uint32_t endAddress);
    void EraseRecords();
    void SetWord(std::uint32_t address, std::uint16_t value);
    std::uint16_t Word(std::uint32_t address) const;
    std::uint32_t TocAddress(int count) const;
    std::uint32_t FreeEnd() const;

    std::time_t ClockNow(std::int64_t nowMs) const;
    void SetClock(std::time_t clock, std::int64_t nowMs);
    void SetClockTime(std::uint16_t value, std::uint16_t index, std::int64_t nowMs);
    void SetClockDate(std::uint16_t value, std::uint16_t index, std::int64_t nowMs);
    int ReadClock(unsigned char* data, std::int64_t nowMs) const;

    void StartLogging(std::int64_t nowMs);
    void StopLogging(std::int64_t nowMs);
    void CatchUpLive(std::int64_t nowMs);
    int ReadLive(unsigned char* data, std::int64_t nowMs);
    int ReadMemory(std::uint16_t value, std::uint16_t index, unsigned char* data, int length,
                   std::int64_t nowMs);
    int ReadStatus(unsigned char* data, std::int64_t nowMs);

    std::vector<unsigned char> m_memory;
    std::uint16_t m_firmwareWord;
    std::uint16_t m_battery;
    std::uint8_t m_errorCode;
    std::uint8_t m_weekday = 1;
    std::uint8_t m_clockConfig[2] = {0, 0};
    std::time_t m_clockBase = 0;    // logger clock at m_clockBaseMs
    std::int64_t m_clockBaseMs = 0; // simulation time of that reading
    bool m_raggedLive;
    bool m_changed = false;

    // Live logging: samples are taken every period from the start; the newest 74 not yet read
    // wait in m_pending, and all of them go into memory as one new event.
    bool m_logging = false;
    std::int64_t m_liveStartMs = 0;
    std::int64_t m_livePeriodMs = 1000;
    std::int64_t m_liveTaken = 0;
    std::time_t m_liveStartClock = 0;
    std::uint32_t m_liveStartAddress = 0;
    std::uint32_t m_liveWrite = 0;
    std::deque<FlowProfile::Sample> m_pending;
    std::unique_ptr<FlowProfile> m_liveProfile;
    std::uint32_t m_liveSeed;
};
