#pragma once
#include "device/RawSample.h"

#include <vector>

// Reply of the live read: a byte count, then the samples taken since the previous read, oldest
// first.
struct LiveBlock {
    std::vector<RawSample> samples;

    // Decodes the 223-byte block. A count beyond the block's capacity is clamped to what fits,
    // so a garbled count never reads past the block.
    static LiveBlock Decode(const unsigned char* block);
    static int SampleCount(const unsigned char* block);
};
