// The whole download over an arbitrary memory image: the input's first byte chooses the
// firmware word (odd: 0x0403 and the long header, even: the short one), the rest is the
// logger's 128 KiB memory, padded with zeros or cut. Header, table, data ranges and the
// records built must stay inside the memory read, and the device link must close every handle.
#include "AllocationBudget.h"
#include "FuzzSupport.h"
#include "MemoryImageUsb.h"

#include "app/AppSettings.h"
#include "device/LoggerProtocol.h"
#include "device/LoggerUsb.h"
#include "device/MemoryDownload.h"

#include <wx/init.h>

#include <cstdint>
#include <vector>

namespace {

// Sixteen bytes of series per three-byte sample, and the growth of the vectors.
const std::size_t kAllocationFactor = 16;
// A record costs some 600 bytes of structure however few samples it has; every entry of the
// table, nine bytes of the memory, makes one.
const std::size_t kBytesPerRecord = 2048;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static wxInitializer initializer;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int firmware = (data[0] & 1) != 0 ? LoggerProtocol::LongHeaderFirmware : 0x0400;
    const std::vector<unsigned char> memory(data + 1, data + size);
    MemoryImageUsb::Load(memory, firmware);

    LoggerUsb usb;
    AppSettingsBlock settings;
    MemoryDownload download(usb);
    AllocationBudget::Start();
    const MemoryDownload::Outcome outcome = download.Run(settings, [] {});
    AllocationBudget::Check(LoggerProtocol::MemorySize, kAllocationFactor,
                            download.Records().size() * kBytesPerRecord);

    FUZZ_CHECK(MemoryImageUsb::OpenHandles() == 0);
    FUZZ_CHECK(outcome == MemoryDownload::Outcome::Done ||
               outcome == MemoryDownload::Outcome::TableDamaged);
    FUZZ_CHECK(settings.firmwareVersion == firmware);
    const int headerSize = download.Header().headerSize;
    FUZZ_CHECK(headerSize == (firmware == LoggerProtocol::LongHeaderFirmware ? 41 : 21));
    if (outcome != MemoryDownload::Outcome::Done) {
        FUZZ_CHECK(download.Records().empty());
        return 0;
    }
    const DownloadRanges& ranges = download.Ranges();
    FUZZ_CHECK(static_cast<int>(download.Records().size()) == download.EventCount());
    if (download.EventCount() > 0) {
        FUZZ_CHECK(ranges.tableAddress + ranges.tableSize <= LoggerProtocol::TocTop);
        FUZZ_CHECK(ranges.dataAddress == static_cast<std::uint32_t>(headerSize));
        FUZZ_CHECK(ranges.dataAddress + ranges.dataSize <= ranges.tableAddress ||
                   ranges.dataSize == 0);
    }
    std::size_t samples = 0;
    for (const Storage& record : download.Records()) {
        const std::size_t count = record.GetTimes().size();
        FUZZ_CHECK(record.GetFlows().size() == count && record.GetPressures().size() == count &&
                   record.GetVolumes().size() == count);
        samples += count;
    }
    // Every sample comes from its own three bytes of the data read.
    FUZZ_CHECK(samples * LoggerProtocol::SampleSize <= ranges.dataSize);
    return 0;
}
