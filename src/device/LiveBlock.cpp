#include "device/LiveBlock.h"

#include "device/LoggerProtocol.h"

#include <algorithm>

int LiveBlock::SampleCount(const unsigned char* block) {
    return std::min(block[0] / LoggerProtocol::SampleSize, LoggerProtocol::LiveBlockMaxSamples);
}

LiveBlock LiveBlock::Decode(const unsigned char* block) {
    LiveBlock live;
    const int count = SampleCount(block);
    live.samples.reserve(count);
    for (int i = 0; i < count; ++i) {
        live.samples.push_back(RawSample::Decode(block + 1 + i * LoggerProtocol::SampleSize));
    }
    return live;
}
