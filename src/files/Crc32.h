#pragma once
#include <cstddef>
#include <cstdint>

// The common CRC-32 (as zlib and PNG compute it), for checks of small file blocks.
class Crc32 {
public:
    static std::uint32_t Of(const void* data, std::size_t size);
};
