#include "device/MemoryDownload.h"

#include "device/DownloadRecords.h"
#include "device/LoggerProtocol.h"
#include "device/LoggerUsb.h"

DownloadRanges DownloadRanges::ForTable(int headerSize, int fileCount) {
    DownloadRanges ranges;
    const std::uint32_t header = static_cast<std::uint32_t>(headerSize);
    const std::uint32_t tableSize =
        LoggerProtocol::TocEntrySize * static_cast<std::uint32_t>(fileCount);
    ranges.tableFits = fileCount >= 0 && tableSize <= LoggerProtocol::TocTop - header;
    if (!ranges.tableFits) {
        return ranges;
    }
    ranges.tableSize = tableSize;
    ranges.tableAddress = TocEntry::TableAddress(fileCount);
    ranges.dataAddress = header;
    return ranges;
}

void DownloadRanges::SetDataEnd(std::uint32_t newestEventEnd) {
    const std::uint32_t end = newestEventEnd < tableAddress ? newestEventEnd : tableAddress;
    dataSize = end > dataAddress ? end - dataAddress : 0;
}

bool MemoryDownload::ReadHeader(AppSettingsBlock& settings) {
    m_header = HeaderReader::Read(m_usb);
    HeaderReader::Apply(m_header, settings);
    return m_header.ok;
}

MemoryDownload::Outcome MemoryDownload::ReadEvents(const AppSettingsBlock& settings,
                                                   const Step& step) {
    m_records.clear();
    const int count = EventCount();
    m_ranges = DownloadRanges::ForTable(m_header.headerSize, count);
    if (!m_ranges.tableFits) {
        return Outcome::TableDamaged;
    }
    if (count == 0) {
        return Outcome::Done;
    }
    std::vector<unsigned char> tableBytes(m_ranges.tableSize);
    if (!m_usb.ReadMemory(m_ranges.tableAddress, m_ranges.tableSize, tableBytes.data())) {
        return Outcome::TableFailed;
    }
    step();
    const std::vector<TocEntry> table = TocEntry::DecodeTable(tableBytes.data(), count);

    m_ranges.SetDataEnd(table[0].endAddress);
    std::vector<unsigned char> data(m_ranges.dataSize);
    if (m_ranges.dataSize > 0 &&
        !m_usb.ReadMemory(m_ranges.dataAddress, m_ranges.dataSize, data.data())) {
        return Outcome::DataFailed;
    }
    step();
    m_records = DownloadRecords::Build(m_header, table, data, settings, step);
    return Outcome::Done;
}

MemoryDownload::Outcome MemoryDownload::Run(AppSettingsBlock& settings, const Step& step) {
    if (!ReadHeader(settings)) {
        return Outcome::HeaderFailed;
    }
    return ReadEvents(settings, step);
}
