#include "device/TocEntry.h"

#include "device/LoggerConversions.h"
#include "device/LoggerProtocol.h"

TocEntry TocEntry::Decode(const unsigned char* bytes) {
    TocEntry entry;
    entry.seconds = bytes[0];
    entry.minutes = bytes[1];
    entry.hours = bytes[2];
    entry.day = bytes[3];
    entry.month = bytes[4];
    entry.year = bytes[5];
    entry.endAddress = LoggerConversions::ReadAddress(bytes + 6);
    return entry;
}

std::vector<TocEntry> TocEntry::DecodeTable(const unsigned char* table, int count) {
    std::vector<TocEntry> entries;
    entries.reserve(count > 0 ? count : 0);
    for (int i = 0; i < count; ++i) {
        entries.push_back(Decode(table + i * LoggerProtocol::TocEntrySize));
    }
    return entries;
}

std::uint32_t TocEntry::TableAddress(int count) {
    return LoggerProtocol::TocTop -
           LoggerProtocol::TocEntrySize * static_cast<std::uint32_t>(count);
}
