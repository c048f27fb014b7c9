#include "LoggerModel.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

constexpr std::uint32_t MemorySize = 0x20000;
constexpr std::uint32_t TocTop = 0x1FFFF;
constexpr int TocEntrySize = 9;
constexpr int SampleSize = 3;
constexpr int LiveBlockSize = 223;
constexpr int LiveMaxSamples = 74;
constexpr int MaxChunk = 128;
constexpr std::uint8_t Erased = 0xFF;
constexpr int Stall = -EPIPE;

// Calibration of the simulated pressure sensor: 4.50 counts per psi from a zero of 40.
constexpr std::uint8_t PressureScale = 4;
constexpr std::uint8_t PressureScaleFine = 50;
constexpr std::uint8_t PressureZero = 40;

std::uint8_t ToBcd(int value) {
    return static_cast<std::uint8_t>(value / 10 * 16 + value % 10);
}
int FromBcd(std::uint8_t bcd) {
    return (bcd >> 4) * 10 + (bcd & 0x0F);
}

std::int64_t PeriodMs(std::uint16_t reload) {
    return 1 + (65535 - reload) * 8000 / 32768;
}

std::tm Calendar(std::time_t t) {
    std::tm fields{};
    gmtime_r(&t, &fields);
    return fields;
}

const char StateMagic[] = "dextrel-simulated-logger 1";

} // namespace

LoggerModel::LoggerModel(const LoggerSetup& setup, std::int64_t nowMs)
    : m_memory(MemorySize, Erased), m_firmwareWord(setup.firmwareWord), m_battery(setup.battery),
      m_errorCode(setup.errorCode), m_raggedLive(setup.raggedLive),
      m_liveSeed(setup.seed * 7919u + 17u) {
    SetClock(setup.clock, nowMs);
    m_weekday = static_cast<std::uint8_t>(Calendar(setup.clock).tm_wday + 1);
    WriteHeader(setup);
    WriteEvents(setup);
    CorruptToc(setup.corruptToc);
}

int LoggerModel::HeaderSize() const {
    return m_firmwareWord == 0x0403 ? 41 : 21;
}

int LoggerModel::FileCount() const {
    return Word(2);
}

std::uint32_t LoggerModel::TocAddress(int count) const {
    return TocTop - TocEntrySize * static_cast<std::uint32_t>(count);
}

std::uint32_t LoggerModel::FreeEnd() const {
    return TocAddress(FileCount() + 1);
}

std::uint32_t LoggerModel::DataEnd() const {
    if (m_logging) {
        return m_liveWrite;
    }
    // A count whose table cannot fit (a damaged header) leaves no table to read an end from.
    const std::uint32_t tableSize = 9u * static_cast<std::uint32_t>(FileCount());
    if (FileCount() == 0 || tableSize > 0x1FFFFu - static_cast<std::uint32_t>(HeaderSize())) {
        return HeaderSize();
    }
    const std::uint32_t entry = TocAddress(FileCount());
    return m_memory[entry + 6] | m_memory[entry + 7] << 8 | m_memory[entry + 8] << 16;
}

void LoggerModel::SetWord(std::uint32_t address, std::uint16_t value) {
    m_memory[address] = value & 0xFF;
    m_memory[address + 1] = value >> 8;
}

std::uint16_t LoggerModel::Word(std::uint32_t address) const {
    return static_cast<std::uint16_t>(m_memory[address] | m_memory[address + 1] << 8);
}

bool LoggerModel::TakeChanged() {
    const bool changed = m_changed;
    m_changed = false;
    return changed;
}

void LoggerModel::WriteHeader(const LoggerSetup& setup) {
    std::fill(m_memory.begin(), m_memory.begin() + HeaderSize(), 0);
    SetWord(0, setup.sampleReload);
    SetWord(2, 0);
    m_memory[4] = setup.metric ? 0x01 : 0x00;
    SetWord(5, 5);   // start above 5 l/min
    SetWord(7, 10);  // for 10 samples
    SetWord(9, 2);   // stop below 2 l/min
    SetWord(11, 30); // for 30 samples
    m_memory[13] = PressureScale;
    m_memory[14] = PressureZero;
    m_memory[15] = PressureScaleFine;
    m_memory[16] = 5;   // median filter length
    m_memory[17] = 200; // flow clamp
    m_memory[18] = 0;
    m_memory[19] = setup.pressureUnit;
    m_memory[20] = 0;
    if (HeaderSize() == 41) {
        SetWord(21, setup.serialNumber);
        m_memory[23] = 0x15; // made 15/03/2021
        m_memory[24] = 0x03;
        m_memory[25] = 0x21;
        m_memory[33] = setup.modelCode;
        m_memory[34] = setup.flowUnitCode;
    }
}

void LoggerModel::WriteEvents(const LoggerSetup& setup) {
    FlowProfile profile(setup.seed, PressureZero, PressureScale + PressureScaleFine / 100.0);
    const int count = std::max(0, setup.events);
    const std::uint32_t header = HeaderSize();
    const std::int64_t room = static_cast<std::int64_t>(TocAddress(count + 1)) - header;
    std::vector<int> lengths;
    std::int64_t total = 0;
    for (int i = 0; i < count; ++i) {
        int length = setup.eventSamples > 0
                         ? setup.eventSamples
                         : 120 + static_cast<int>((setup.seed * 2654435761u + i * 40503u) % 600u);
        length = static_cast<int>(
            std::min<std::int64_t>(length, std::max<std::int64_t>(0, room / 3 - total)));
        lengths.push_back(length);
        total += length;
    }
    // Event start times, newest first going back from the clock, then written oldest first.
    const std::int64_t periodS = std::max<std::int64_t>(1, PeriodMs(setup.sampleReload) / 1000);
    std::vector<std::time_t> starts(count);
    std::time_t cursor = setup.clock - 3 * 3600;
    for (int i = count - 1; i >= 0; --i) {
        cursor -= lengths[i] * periodS;
        starts[i] = cursor;
        cursor -= 6 * 3600 + (i * 7919 % 24) * 3600;
    }
    std::uint32_t address = header;
    for (int i = 0; i < count; ++i) {
        for (const FlowProfile::Sample& sample : profile.Event(lengths[i])) {
            FlowProfile::Encode(sample, &m_memory[address]);
            address += SampleSize;
        }
        AppendTocEntry(starts[i], address);
    }
}

void LoggerModel::AppendTocEntry(std::time_t start, std::uint32_t endAddress) {
    const int count = FileCount();
    const std::tm when = Calendar(start);
    unsigned char* entry = &m_memory[TocAddress(count + 1)];
    entry[0] = ToBcd(when.tm_sec);
    entry[1] = ToBcd(when.tm_min);
    entry[2] = ToBcd(when.tm_hour);
    entry[3] = ToBcd(when.tm_mday);
    entry[4] = ToBcd(when.tm_mon + 1);
    entry[5] = ToBcd(when.tm_year % 100);
    entry[6] = endAddress & 0xFF;
    entry[7] = (endAddress >> 8) & 0xFF;
    entry[8] = (endAddress >> 16) & 0xFF;
    SetWord(2, static_cast<std::uint16_t>(count + 1));
}

void LoggerModel::CorruptToc(int mode) {
    const int count = FileCount();
    if (mode == 0 || count == 0) {
        return;
    }
    unsigned char* table = &m_memory[TocAddress(count)];
    if (mode == 1) {
        // Erased entries: every date byte and end address reads 0xFF.
        std::fill(table, table + TocEntrySize * count, Erased);
        return;
    }
    // Scrambled: dates that are no BCD, the newest event ending inside the header and the
    // others far beyond the memory.
    for (int i = 0; i < count; ++i) {
        unsigned char* entry = table + TocEntrySize * i;
        std::fill(entry, entry + 6, 0xAA);
        const std::uint32_t end = i == 0 ? 7u : 0xFEDCBAu - i;
        entry[6] = end & 0xFF;
        entry[7] = (end >> 8) & 0xFF;
        entry[8] = (end >> 16) & 0xFF;
    }
}

void LoggerModel::EraseRecords() {
    std::fill(m_memory.begin() + HeaderSize(), m_memory.end(), Erased);
    SetWord(2, 0);
    if (m_logging) {
        m_liveWrite = m_liveStartAddress = HeaderSize();
    }
}

std::time_t LoggerModel::ClockNow(std::int64_t nowMs) const {
    return m_clockBase + (nowMs - m_clockBaseMs) / 1000;
}

void LoggerModel::SetClock(std::time_t clock, std::int64_t nowMs) {
    m_clockBase = clock;
    m_clockBaseMs = nowMs;
}

void LoggerModel::SetClockTime(std::uint16_t value, std::uint16_t index, std::int64_t nowMs) {
    std::tm when = Calendar(ClockNow(nowMs));
    when.tm_sec = FromBcd((value & 0xFF) & 0x7F);
    when.tm_min = FromBcd((value >> 8) & 0x7F);
    when.tm_hour = FromBcd((index & 0xFF) & 0x3F);
    m_weekday = index >> 8;
    SetClock(timegm(&when), nowMs);
}

void LoggerModel::SetClockDate(std::uint16_t value, std::uint16_t index, std::int64_t nowMs) {
    std::tm when = Calendar(ClockNow(nowMs));
    when.tm_mday = FromBcd(value & 0xFF);
    when.tm_mon = FromBcd(value >> 8) - 1;
    when.tm_year = 100 + FromBcd(index & 0xFF);
    SetClock(timegm(&when), nowMs);
}

int LoggerModel::ReadClock(unsigned char* data, std::int64_t nowMs) const {
    const std::tm when = Calendar(ClockNow(nowMs));
    data[0] = ToBcd(when.tm_sec);
    data[1] = ToBcd(when.tm_min);
    data[2] = ToBcd(when.tm_hour);
    data[3] = m_weekday;
    data[4] = ToBcd(when.tm_mday);
    data[5] = ToBcd(when.tm_mon + 1);
    data[6] = ToBcd(when.tm_year % 100);
    data[7] = m_clockConfig[1];
    return 8;
}

void LoggerModel::StartLogging(std::int64_t nowMs) {
    if (m_logging) {
        return;
    }
    const std::uint32_t end = DataEnd();
    m_liveWrite = end >= static_cast<std::uint32_t>(HeaderSize()) && end <= FreeEnd()
                      ? end
                      : static_cast<std::uint32_t>(HeaderSize());
    m_liveStartAddress = m_liveWrite;
    m_logging = true;
    m_liveStartMs = nowMs;
    m_livePeriodMs = PeriodMs(Word(0));
    m_liveTaken = 0;
    m_liveStartClock = ClockNow(nowMs);
    m_pending.clear();
    m_liveProfile = std::make_unique<FlowProfile>(m_liveSeed++, m_memory[14],
                                                  m_memory[13] + m_memory[15] / 100.0);
}

void LoggerModel::CatchUpLive(std::int64_t nowMs) {
    if (!m_logging) {
        return;
    }
    const std::int64_t due = (nowMs - m_liveStartMs) / m_livePeriodMs;
    std::int64_t missing = due - m_liveTaken;
    // Long gaps at short periods: only the samples that can still matter are drawn.
    const std::int64_t useful = LiveMaxSamples + (FreeEnd() - m_liveWrite) / SampleSize;
    if (missing > useful) {
        m_liveTaken += missing - useful;
        missing = useful;
    }
    for (; missing > 0; --missing, ++m_liveTaken) {
        const FlowProfile::Sample sample = m_liveProfile->Next();
        m_pending.push_back(sample);
        if (m_pending.size() > static_cast<std::size_t>(LiveMaxSamples)) {
            m_pending.pop_front();
        }
        if (m_liveWrite + SampleSize <= FreeEnd()) {
            FlowProfile::Encode(sample, &m_memory[m_liveWrite]);
            m_liveWrite += SampleSize;
        }
    }
}

void LoggerModel::StopLogging(std::int64_t nowMs) {
    if (!m_logging) {
        return;
    }
    CatchUpLive(nowMs);
    m_logging = false;
    if (m_liveWrite > m_liveStartAddress) {
        AppendTocEntry(m_liveStartClock, m_liveWrite);
    }
    m_pending.clear();
}

int LoggerModel::ReadLive(unsigned char* reply, std::int64_t nowMs) {
    CatchUpLive(nowMs);
    std::size_t count = m_pending.size();
    if (m_raggedLive) {
        count = std::min<std::size_t>(count, LiveMaxSamples - 1);
    }
    std::fill(reply, reply + LiveBlockSize, 0);
    for (std::size_t i = 0; i < count; ++i) {
        FlowProfile::Encode(m_pending[i], &reply[1 + SampleSize * i]);
    }
    m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<std::ptrdiff_t>(count));
    reply[0] = static_cast<unsigned char>(SampleSize * count);
    if (m_raggedLive) {
        // One stray byte after the samples, counted in the first byte.
        reply[0] += 1;
        reply[1 + SampleSize * count] = 0x55;
    }
    return LiveBlockSize;
}

int LoggerModel::ReadMemory(std::uint16_t value, std::uint16_t index, unsigned char* reply,
                            int length, std::int64_t nowMs) {
    const std::uint32_t address = value | (index & 0xFFu) << 16;
    const int chunk = index >> 8;
    if (chunk != length || chunk <= 0 || chunk > MaxChunk || address + chunk > MemorySize) {
        return Stall;
    }
    CatchUpLive(nowMs);
    std::memcpy(reply, &m_memory[address], chunk);
    return chunk;
}

int LoggerModel::ReadStatus(unsigned char* reply, std::int64_t nowMs) {
    CatchUpLive(nowMs);
    const std::uint32_t pointer = DataEnd();
    reply[0] = pointer & 0xFF;
    reply[1] = (pointer >> 8) & 0xFF;
    reply[2] = (pointer >> 16) & 0xFF;
    reply[3] = m_battery & 0xFF;
    reply[4] = m_battery >> 8;
    reply[5] = m_memory[0];
    reply[6] = m_memory[1];
    return 7;
}

int LoggerModel::In(std::uint8_t request, std::uint16_t value, std::uint16_t index,
                    unsigned char* data, int length, std::int64_t nowMs) {
    unsigned char reply[256] = {};
    int size = 0;
    switch (request) {
    case 1:
        reply[0] = m_errorCode;
        size = 1;
        break;
    case 21:
        size = ReadLive(reply, nowMs);
        break;
    case 23:
        size = ReadMemory(value, index, reply, length, nowMs);
        break;
    case 26:
        size = ReadClock(reply, nowMs);
        break;
    case 34:
        size = ReadStatus(reply, nowMs);
        break;
    case 41:
        reply[0] = m_firmwareWord & 0xFF;
        reply[1] = m_firmwareWord >> 8;
        size = 2;
        break;
    default:
        size = 0; // unknown requests answer with no data
        break;
    }
    if (size < 0) {
        return size;
    }
    size = std::min(size, std::max(length, 0));
    if (size > 0 && data != nullptr) {
        std::memcpy(data, reply, size);
    }
    return size;
}

int LoggerModel::Out(std::uint8_t request, std::uint16_t value, std::uint16_t index, int length,
                     std::int64_t nowMs) {
    bool changes = true;
    switch (request) {
    case 3:
        m_memory[4] = (m_memory[4] & ~0x02) | (value & 0x02);
        break;
    case 4:
        SetWord(0, value);
        break;
    case 5:
        if (value != 0) {
            StartLogging(nowMs);
            changes = false;
        } else {
            StopLogging(nowMs);
        }
        break;
    case 12:
        m_memory[19] = value & 0xFF;
        break;
    case 13:
        EraseRecords();
        break;
    case 27:
        SetClockTime(value, index, nowMs);
        break;
    case 28:
        SetClockDate(value, index, nowMs);
        break;
    case 29:
        m_clockConfig[0] = value & 0xFF;
        m_clockConfig[1] = value >> 8;
        break;
    case 30:
        SetWord(5, value);
        SetWord(7, index);
        break;
    case 31:
        SetWord(9, value);
        SetWord(11, index);
        break;
    default:
        changes = false; // accepted and ignored, as the firmware does
        break;
    }
    m_changed = m_changed || changes;
    return std::max(length, 0);
}

bool LoggerModel::Save(const std::string& path, std::int64_t nowMs) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    // The clock is kept as its distance from the host's clock so that it runs on while the
    // program is not running.
    const long long clockOffset =
        static_cast<long long>(ClockNow(nowMs)) - static_cast<long long>(std::time(nullptr));
    out << StateMagic << "\n"
        << "firmware " << m_firmwareWord << "\n"
        << "battery " << m_battery << "\n"
        << "error " << static_cast<int>(m_errorCode) << "\n"
        << "weekday " << static_cast<int>(m_weekday) << "\n"
        << "clockconfig " << static_cast<int>(m_clockConfig[0]) << " "
        << static_cast<int>(m_clockConfig[1]) << "\n"
        << "clockoffset " << clockOffset << "\n"
        << "memory " << m_memory.size() << "\n";
    out.write(reinterpret_cast<const char*>(m_memory.data()),
              static_cast<std::streamsize>(m_memory.size()));
    return static_cast<bool>(out);
}

bool LoggerModel::Load(const std::string& path, std::int64_t nowMs) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    if (!in || !std::getline(in, line) || line != StateMagic) {
        return false;
    }
    unsigned firmware = m_firmwareWord, battery = m_battery, error = m_errorCode,
             weekday = m_weekday, config0 = 0, config1 = 0;
    long long clockOffset = 0;
    std::size_t size = 0;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string key;
        fields >> key;
        if (key == "firmware") {
            fields >> firmware;
        } else if (key == "battery") {
            fields >> battery;
        } else if (key == "error") {
            fields >> error;
        } else if (key == "weekday") {
            fields >> weekday;
        } else if (key == "clockconfig") {
            fields >> config0 >> config1;
        } else if (key == "clockoffset") {
            fields >> clockOffset;
        } else if (key == "memory") {
            fields >> size;
            break;
        }
    }
    std::vector<unsigned char> memory(MemorySize, Erased);
    if (size != MemorySize ||
        !in.read(reinterpret_cast<char*>(memory.data()), static_cast<std::streamsize>(size))) {
        return false;
    }
    m_memory.swap(memory);
    m_firmwareWord = static_cast<std::uint16_t>(firmware);
    m_battery = static_cast<std::uint16_t>(battery);
    m_errorCode = static_cast<std::uint8_t>(error);
    m_weekday = static_cast<std::uint8_t>(weekday);
    m_clockConfig[0] = static_cast<std::uint8_t>(config0);
    m_clockConfig[1] = static_cast<std::uint8_t>(config1);
    SetClock(std::time(nullptr) + clockOffset, nowMs);
    m_logging = false;
    m_pending.clear();
    return true;
}
