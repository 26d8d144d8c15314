#pragma once

#include "settings/Bytes.h"

#include <array>

namespace mms {

// "TRELAN-PC" through the scrambler: the only marker a settings file carries.
inline constexpr std::array<uint8_t, 9> kTrailerSignature = {0xBA, 0xDA, 0xAB, 0x3B, 0xEB, 0x1B, 0x2D, 0xFA, 0xCB};

// Composes one settings file in memory, block by block, keeping the camera's running
// checksum: the sum of every summed block so far. Composing cannot fail; the bytes go
// to disk afterwards, in one piece, through ReplaceFile.
class SettingsFileWriter {
public:
    explicit SettingsFileWriter(size_t fileSize) { m_content.reserve(fileSize); }

    // Appends the block and adds its bytes to the checksum.
    void WriteBlock(ByteView block);
    // Appends bytes the checksum does not cover (the checksum itself, the final line).
    void WriteUnsummed(ByteView bytes);
    // The camera file's end: the signature, summed, then the checksum of everything
    // before it, the signature included, big-endian and not summed.
    void WriteCompactTrailer();

    uint32_t Checksum() const { return m_checksum; }
    const Bytes &Content() const { return m_content; }
    Bytes TakeContent() { return std::move(m_content); }

private:
    Bytes m_content;
    uint32_t m_checksum = 0;
};

} // namespace mms
