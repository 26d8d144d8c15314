#include "SettingsFileWriter.h"

#include "Scrambler.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr char kCarriageReturn = 0x0D;
constexpr char kLineFeed = 0x0A;
constexpr int kFinalLineSignatureOffset = 45;

// The mode bits themselves; WriteUser says what the current user may do, which for an
// administrator is everything.
constexpr QFileDevice::Permissions kAnyWriteBit =
    QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

QByteArray SignatureBytes()
{
    return QByteArray(reinterpret_cast<const char *>(kTrailerSignature.data()), kTrailerSignature.size());
}

// Why an existing path cannot be replaced, or an empty text when it can.
QString ReasonNotReplaceable(const QFileInfo &target)
{
    if (!target.exists())
        return target.absoluteDir().exists() ? QString() : QStringLiteral("No such folder");
    if (target.isDir())
        return QStringLiteral("A folder of that name is in the way");
    // An administrator may write anywhere, but a file without write bits is read-only
    // for us as it is for the camera's card.
    if (!(target.permissions() & kAnyWriteBit) || !target.isWritable())
        return QStringLiteral("The file is read-only");
    return QString();
}

} // namespace

QByteArray BigEndian32(uint32_t value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char(value >> (8 * (3 - i)));
    return bytes;
}

QByteArray Bytes(std::initializer_list<uint8_t> values)
{
    QByteArray bytes;
    for (uint8_t value : values)
        bytes += char(value);
    return bytes;
}

uint32_t ByteSum(QByteArrayView bytes)
{
    uint32_t sum = 0;
    for (char b : bytes)
        sum += uint8_t(b);
    return sum;
}

QByteArray ComposeTextLine(QByteArrayView text)
{
    QByteArray line(kLineLength, '\0');
    const qsizetype placed = std::min<qsizetype>(text.size(), kTextLineCapacity);
    for (qsizetype i = 0; i < kTextLineCapacity; ++i)
        line[i] = i < placed ? char(ScrambleChar(uint8_t(text[i]))) : char(0xFF);
    line[kTextLineLengthByte] = char(text.size() % 256);
    line[kLineLength - 2] = kCarriageReturn;
    line[kLineLength - 1] = kLineFeed;
    return line;
}

QByteArray ComposeNumberField(QByteArrayView text)
{
    // The fallback for a character that is not a digit is the "no digit" byte 0xFF.
    constexpr uint8_t kNoDigit = 0xFF;
    const QByteArrayView digits = text.isEmpty() ? QByteArrayView("0") : text;
    QByteArray field(2, '\0');
    if (digits.size() == 1) {
        field[0] = char(kNoDigit);
        field[1] = char(EncodeDigit(uint8_t(digits[0]), kNoDigit));
    } else {
        field[0] = char(EncodeDigit(uint8_t(digits[0]), kNoDigit));
        field[1] = char(EncodeDigit(uint8_t(digits[1]), kNoDigit));
    }
    return field;
}

QByteArray ComposeFinalLine(uint32_t checksum)
{
    QByteArray line(kFinalLineSignatureOffset, '\0');
    line += SignatureBytes();
    line += BigEndian32(checksum);
    line += kCarriageReturn;
    line += kLineFeed;
    return line;
}

SettingsFileWriter::SettingsFileWriter() = default;
SettingsFileWriter::~SettingsFileWriter() = default;

bool SettingsFileWriter::Open(const QString &path)
{
    m_checksum = 0;
    m_error.clear();
    const QString reason = ReasonNotReplaceable(QFileInfo(path));
    if (!reason.isEmpty()) {
        m_error = reason;
        return false;
    }
    m_file = std::make_unique<QSaveFile>(path);
    if (!m_file->open(QIODevice::WriteOnly)) {
        m_error = m_file->errorString();
        m_file.reset();
        return false;
    }
    m_device = m_file.get();
    return true;
}

void SettingsFileWriter::OpenDevice(QIODevice *device)
{
    m_file.reset();
    m_device = device;
    m_checksum = 0;
    m_error.clear();
}

void SettingsFileWriter::WriteBlock(QByteArrayView block)
{
    WriteUnsummed(block);
    m_checksum += ByteSum(block);
}

void SettingsFileWriter::WriteUnsummed(QByteArrayView bytes)
{
    if (!m_error.isEmpty())
        return;
    if (m_device->write(bytes.data(), bytes.size()) != bytes.size())
        Fail(m_device->errorString());
}

void SettingsFileWriter::WriteCompactTrailer()
{
    WriteBlock(SignatureBytes());
    WriteUnsummed(BigEndian32(m_checksum));
}

void SettingsFileWriter::WriteTextLine(QByteArrayView text)
{
    WriteBlock(ComposeTextLine(text));
}

void SettingsFileWriter::WriteNumberField(QByteArrayView text)
{
    WriteBlock(ComposeNumberField(text));
}

void SettingsFileWriter::WriteFinalLine()
{
    WriteUnsummed(ComposeFinalLine(m_checksum));
}

bool SettingsFileWriter::Close()
{
    if (!m_file)
        return m_error.isEmpty();
    // commit() flushes and syncs the temporary file before it takes the target's place;
    // after a failure the temporary file is removed and the old file stays. commit()
    // ignores a failure of that flush (a full card), so flush first, where it shows.
    if (m_error.isEmpty() && !m_file->flush())
        Fail(m_file->errorString());
    if (!m_error.isEmpty())
        m_file->cancelWriting();
    const bool committed = m_file->commit();
    if (!committed && m_error.isEmpty())
        m_error = m_file->errorString();
    m_file.reset();
    m_device = nullptr;
    return committed && m_error.isEmpty();
}

void SettingsFileWriter::Fail(const QString &reason)
{
    m_error = reason.isEmpty() ? QStringLiteral("Write failed") : reason;
}

QByteArray ComposeSettingsFile(const BlockWriter &writeBlocks)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SettingsFileWriter writer;
    writer.OpenDevice(&buffer);
    writeBlocks(writer);
    return buffer.data();
}

bool WriteSettingsFile(const QString &path, const QByteArray &content, QString *error)
{
    SettingsFileWriter writer;
    bool written = writer.Open(path);
    if (written) {
        writer.WriteBlock(content);
        written = writer.Close();
    }
    if (!written && error)
        *error = writer.ErrorString();
    return written;
}
