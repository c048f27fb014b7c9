// The status block decoder over a 7-byte block of arbitrary content, and the period the
// memory estimate derives from it.
#include "FuzzSupport.h"

#include "device/LoggerConversions.h"
#include "device/LoggerProtocol.h"
#include "device/StatusBlock.h"

#include <algorithm>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<unsigned char> block(LoggerProtocol::StatusBlockSize, 0);
    std::copy(data, data + std::min(size, block.size()), block.begin());
    const StatusBlock status = StatusBlock::Decode(block.data());
    FUZZ_CHECK(status.memoryPointer < (1u << 24));
    const double periodMs = LoggerConversions::UnroundedSamplePeriodMs(status.sampleReload);
    FUZZ_CHECK(periodMs >= 1.0 && periodMs <= 16001.0);
    return 0;
}
