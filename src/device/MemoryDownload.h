#pragma once
#include "device/HeaderReader.h"
#include "device/TocEntry.h"
#include "records/Storage.h"

#include <cstdint>
#include <functional>
#include <vector>

class LoggerUsb;
struct AppSettingsBlock;

// Where a download reads in the logger's memory. A table that cannot lie between the header
// and the top of the memory is damaged; the data never reaches into the table.
struct DownloadRanges {
    bool tableFits = false;
    std::uint32_t tableAddress = 0;
    std::uint32_t tableSize = 0;
    std::uint32_t dataAddress = 0;
    std::uint32_t dataSize = 0; // 0: no data read at all

    static DownloadRanges ForTable(int headerSize, int fileCount);
    // Completes the ranges once entry 0's end address is known.
    void SetDataEnd(std::uint32_t newestEventEnd);
};

// The whole download of the logger's recorded events: the settings header first (which the
// settings take over), then the table of contents and the sample data, then one recording per
// event. The logger's memory is only read.
class MemoryDownload {
public:
    enum class Outcome { Done, HeaderFailed, TableDamaged, TableFailed, DataFailed };
    using Step = std::function<void()>;

    explicit MemoryDownload(LoggerUsb& usb) : m_usb(usb) {}

    // Reads the header and applies it to settings; on failure only the firmware word is taken.
    bool ReadHeader(AppSettingsBlock& settings);
    int EventCount() const { return m_header.ok ? m_header.header.fileCount : 0; }
    const HeaderRead& Header() const { return m_header; }

    // Reads the table and the data and builds the records; step runs after each read and at
    // every record and event, where the progress display pulses. No event: nothing is read.
    Outcome ReadEvents(const AppSettingsBlock& settings, const Step& step);
    // Both, as the command-line tool runs them.
    Outcome Run(AppSettingsBlock& settings, const Step& step);

    std::vector<Storage>& Records() { return m_records; }
    const DownloadRanges& Ranges() const { return m_ranges; }

private:
    LoggerUsb& m_usb;
    HeaderRead m_header;
    DownloadRanges m_ranges;
    std::vector<Storage> m_records;
};
