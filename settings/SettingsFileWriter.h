#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>

class QIODevice;

// "TRELAN-PC" through the scrambler: the only marker a settings file carries.
inline constexpr std::array<uint8_t, 9> kTrailerSignature = {
    0xBA, 0xDA, 0xAB, 0x3B, 0xEB, 0x1B, 0x2D, 0xFA, 0xCB};

// The MMS and e-mail files are made of 60-byte lines ending in CR LF.
inline constexpr int kLineLength = 60;
inline constexpr int kTextLineCapacity = 50;
inline constexpr int kTextLineLengthByte = 57;

// Pure pieces of the framing, shared by the writer and the readers of settings files.
QByteArray ComposeTextLine(QByteArrayView text);
QByteArray ComposeNumberField(QByteArrayView text);
QByteArray ComposeFinalLine(uint32_t checksum);
QByteArray BigEndian32(uint32_t value);
QByteArray Bytes(std::initializer_list<uint8_t> values);
// Sum of the bytes as unsigned values, modulo 2^32.
uint32_t ByteSum(QByteArrayView bytes);

// Writes one settings file block by block, summing what it writes. The target is
// replaced only when everything was written: the new content goes to a temporary
// file beside it, which takes the target's place in one step on Close.
class SettingsFileWriter {
public:
    SettingsFileWriter();
    ~SettingsFileWriter();

    // Refuses an existing read-only file (no write permission bit, whoever runs us),
    // a folder of that name and a missing folder.
    bool Open(const QString &path);
    // Composes into a device that is already open, such as a buffer in memory.
    void OpenDevice(QIODevice *device);

    void WriteBlock(QByteArrayView block);
    void WriteCompactTrailer();
    void WriteTextLine(QByteArrayView text);
    void WriteNumberField(QByteArrayView text);
    void WriteFinalLine();
    // True only when every block reached the device and the file took the target's place.
    bool Close();

    uint32_t Checksum() const { return m_checksum; }
    QString ErrorString() const { return m_error; }

private:
    void WriteUnsummed(QByteArrayView bytes);
    void Fail(const QString &reason);

    std::unique_ptr<QSaveFile> m_file;
    QIODevice *m_device = nullptr;
    uint32_t m_checksum = 0;
    QString m_error;
};

// Settings files are composed in memory by running `writeBlocks` on a writer into a
// buffer, then written to disk in one piece.
using BlockWriter = std::function<void(SettingsFileWriter &)>;
QByteArray ComposeSettingsFile(const BlockWriter &writeBlocks);
// Replaces the file at `path` by `content`; on false, `error` (when given) receives the
// reason and the file that was there is unchanged.
bool WriteSettingsFile(const QString &path, const QByteArray &content, QString *error);
