// The table-of-contents decoder over a table of as many entries as the input holds.
#include "FuzzSupport.h"

#include "device/LoggerProtocol.h"
#include "device/TocEntry.h"

#include <algorithm>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A header counts at most 65535 events; the table of that many entries still fits below
    // the top of the memory.
    const int count = static_cast<int>(std::min<std::size_t>(size / 9, 65535));
    const std::vector<unsigned char> table(data, data + count * LoggerProtocol::TocEntrySize);
    const std::vector<TocEntry> entries = TocEntry::DecodeTable(table.data(), count);
    FUZZ_CHECK(static_cast<int>(entries.size()) == count);
    FUZZ_CHECK(TocEntry::TableAddress(count) <= LoggerProtocol::TocTop);
    for (const TocEntry& entry : entries) {
        FUZZ_CHECK(entry.endAddress < (1u << 24));
    }
    return 0;
}
