#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace mms {

using Bytes = std::vector<uint8_t>;
using ByteView = std::span<const uint8_t>;

// Sum of the bytes as unsigned values, modulo 2^32: the camera's running checksum.
inline uint32_t ByteSum(ByteView bytes)
{
    uint32_t sum = 0;
    for (uint8_t b : bytes)
        sum += b;
    return sum;
}

// The camera reads the checksum most significant byte first.
inline std::array<uint8_t, 4> BigEndian32(uint32_t value)
{
    return {uint8_t(value >> 24), uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value)};
}

inline uint32_t ReadBigEndian32(ByteView bytes)
{
    return uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 | bytes[3];
}

inline void Append(Bytes &to, ByteView bytes)
{
    to.insert(to.end(), bytes.begin(), bytes.end());
}

} // namespace mms
