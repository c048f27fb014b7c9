// The live block decoder over a 223-byte block of arbitrary content.
#include "FuzzSupport.h"

#include "device/LiveBlock.h"
#include "device/LoggerProtocol.h"

#include <algorithm>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<unsigned char> block(LoggerProtocol::LiveBlockSize, 0);
    std::copy(data, data + std::min(size, block.size()), block.begin());
    const LiveBlock live = LiveBlock::Decode(block.data());
    FUZZ_CHECK(static_cast<int>(live.samples.size()) ==
               std::min(block[0] / 3, LoggerProtocol::LiveBlockMaxSamples));
    FUZZ_CHECK(LiveBlock::SampleCount(block.data()) == static_cast<int>(live.samples.size()));
    for (const RawSample& sample : live.samples) {
        FUZZ_CHECK(sample.flow >= 0 && sample.flow < (1 << 14));
        FUZZ_CHECK(sample.pressure >= 0 && sample.pressure < (1 << 10));
    }
    return 0;
}
