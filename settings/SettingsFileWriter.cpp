#include "settings/SettingsFileWriter.h"

namespace mms {

void SettingsFileWriter::WriteBlock(ByteView block)
{
    WriteUnsummed(block);
    m_checksum += ByteSum(block);
}

void SettingsFileWriter::WriteUnsummed(ByteView bytes)
{
    Append(m_content, bytes);
}

void SettingsFileWriter::WriteCompactTrailer()
{
    WriteBlock(kTrailerSignature);
    WriteUnsummed(BigEndian32(m_checksum));
}

} // namespace mms
