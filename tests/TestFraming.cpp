// The framing shared by every settings file: scrambler, digit coder, text lines,
// number fields, trailers and the running checksum.
#include "Scrambler.h"
#include "SettingsFileWriter.h"

#include <QBuffer>
#include <QTest>

namespace {

// The scrambled set, as the camera's firmware defines it: each input character and the
// byte the camera expects for it.
struct ScrambleRow {
    const char *inputs;
    const char *outputsHex;
};
constexpr ScrambleRow kScrambleTable[] = {
    {"./", "1D 0D"},
    {"0123456789", "FC EC DC CC BC AC 9C 8C 7C 6C"},
    {":@", "5C FB"},
    {"ABCDEFGHIJKL", "EB DB CB BB AB 9B 8B 7B 6B 5B 4B 3B"},
    {"NOPQRSTUVWXYZ", "1B 0B FA EA DA CA BA AA 9A 8A 7A 6A 5A"},
    {"abcdefghijklm", "E9 D9 C9 B9 A9 99 89 79 69 59 49 39 29"},
    {"nopqrstuvwxyz", "19 09 F8 E8 D8 C8 B8 A8 98 88 78 68 58"},
};

// fromHex skips the spaces between bytes.
QByteArray Hex(const char *hex)
{
    return QByteArray::fromHex(hex);
}

QByteArray Signature()
{
    return QByteArray(reinterpret_cast<const char *>(kTrailerSignature.data()), kTrailerSignature.size());
}

// A text line from its placed bytes: padding with 0xFF to byte 49, seven zeros, the
// length byte and CR LF.
QByteArray TextLine(const QByteArray &placed, uint8_t lengthByte)
{
    return placed + QByteArray(50 - placed.size(), char(0xFF)) + QByteArray(7, '\0') + char(lengthByte) + "\r\n";
}

// A buffer that takes `capacity` bytes and no more, like a card that fills up: the
// write that crosses the limit is short, every later one fails.
class FillingBuffer : public QBuffer {
public:
    explicit FillingBuffer(qint64 capacity) : m_capacity(capacity) {}

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        const qint64 room = m_capacity - pos();
        if (room <= 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        return QBuffer::writeData(data, std::min(length, room));
    }

private:
    qint64 m_capacity;
};

} // namespace

class TestFraming : public QObject {
    Q_OBJECT

private slots:
    void scramblesEveryMemberOfTheSet_data();
    void scramblesEveryMemberOfTheSet();
    void passesEveryOtherByteUnchanged();
    void unscramblesAmbiguousBytesToTheSetMember_data();
    void unscramblesAmbiguousBytesToTheSetMember();
    void trailerSignatureIsTheScrambledName();
    void encodesDigits_data();
    void encodesDigits();
    void composesNumberFields_data();
    void composesNumberFields();
    void composesTextLines_data();
    void composesTextLines();
    void composesFinalLine();
    void sumsTextLinesAndNumberFieldsButNotTheFinalLine();
    void finalLineAfterZeroLinesCarriesChecksumZero();
    void compactTrailerSumsTheSignature();
    void reportsAFailingDevice_data();
    void reportsAFailingDevice();
};

void TestFraming::scramblesEveryMemberOfTheSet_data()
{
    QTest::addColumn<QByteArray>("inputs");
    QTest::addColumn<QByteArray>("outputs");
    for (const ScrambleRow &row : kScrambleTable)
        QTest::newRow(row.inputs) << QByteArray(row.inputs) << Hex(row.outputsHex);
}

void TestFraming::scramblesEveryMemberOfTheSet()
{
    QFETCH(QByteArray, inputs);
    QFETCH(QByteArray, outputs);
    QCOMPARE(outputs.size(), inputs.size());
    for (qsizetype i = 0; i < inputs.size(); ++i) {
        const uint8_t input = uint8_t(inputs[i]);
        const uint8_t output = uint8_t(outputs[i]);
        QCOMPARE(ScrambleChar(input), output);
        QCOMPARE(UnscrambleChar(output), input);
    }
}

void TestFraming::passesEveryOtherByteUnchanged()
{
    QByteArray members;
    for (const ScrambleRow &row : kScrambleTable)
        members += row.inputs;
    QCOMPARE(members.size(), 65);
    for (int b = 0; b < 256; ++b) {
        if (!members.contains(char(b)))
            QCOMPARE(ScrambleChar(uint8_t(b)), uint8_t(b));
    }
}

void TestFraming::unscramblesAmbiguousBytesToTheSetMember_data()
{
    // Each byte is the image of a member and of an outsider that passes unchanged.
    QTest::addColumn<char>("outsider");
    QTest::addColumn<char>("member");
    QTest::newRow(") and m") << ')' << 'm';
    QTest::newRow("| and 8") << '|' << '8';
    QTest::newRow("\\ and :") << '\\' << ':';
    QTest::newRow("; and L") << ';' << 'L';
    QTest::newRow("{ and H") << '{' << 'H';
    QTest::newRow("[ and J") << '[' << 'J';
}

void TestFraming::unscramblesAmbiguousBytesToTheSetMember()
{
    QFETCH(char, outsider);
    QFETCH(char, member);
    QCOMPARE(ScrambleChar(uint8_t(member)), uint8_t(outsider));
    QCOMPARE(UnscrambleChar(uint8_t(outsider)), uint8_t(member));
}

void TestFraming::trailerSignatureIsTheScrambledName()
{
    QByteArray scrambled;
    for (char c : QByteArray("TRELAN-PC"))
        scrambled += char(ScrambleChar(uint8_t(c)));
    QCOMPARE(scrambled, Hex("BA DA AB 3B EB 1B 2D FA CB"));
    QCOMPARE(Signature(), scrambled);
}

void TestFraming::encodesDigits_data()
{
    QTest::addColumn<char>("character");
    QTest::addColumn<int>("code");
    const int digitCodes[] = {0xFF, 0xEF, 0xDF, 0xCF, 0xBF, 0xAF, 0x9F, 0x8F, 0x7F, 0x6F};
    for (int d = 0; d < 10; ++d)
        QTest::addRow("%d", d) << char('0' + d) << digitCodes[d];
    // Anything else gets the caller's fallback, here 0x42; the neighbours of the digits
    // catch an off-by-one range.
    for (char other : {'A', '/', ':', ' ', char(0xFF), '\0'})
        QTest::addRow("0x%02X", uint8_t(other)) << other << 0x42;
}

void TestFraming::encodesDigits()
{
    QFETCH(char, character);
    QFETCH(int, code);
    QCOMPARE(EncodeDigit(uint8_t(character), 0x42), uint8_t(code));
}

void TestFraming::composesNumberFields_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("one digit") << QByteArray("7") << Hex("FF 8F");
    QTest::newRow("two digits") << QByteArray("42") << Hex("BF DF");
    QTest::newRow("empty counts as 0") << QByteArray() << Hex("FF FF");
    QTest::newRow("zero") << QByteArray("0") << Hex("FF FF");
    QTest::newRow("leading zero") << QByteArray("05") << Hex("FF AF");
    QTest::newRow("third digit ignored") << QByteArray("123") << Hex("EF DF");
    QTest::newRow("non-digit gives FF") << QByteArray("7x") << Hex("8F FF");
}

void TestFraming::composesNumberFields()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, field);
    QCOMPARE(ComposeNumberField(text), field);
}

void TestFraming::composesTextLines_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("empty") << QByteArray() << TextLine({}, 0);
    QTest::newRow("abc") << QByteArray("abc") << TextLine(Hex("E9 D9 C9"), 3);
    QTest::newRow("outsiders pass") << QByteArray("M+- _") << TextLine("M+- _", 5);
    QTest::newRow("50 characters") << QByteArray(50, 'a') << TextLine(QByteArray(50, char(0xE9)), 50);
    QTest::newRow("51st not placed") << QByteArray(50, 'a') + 'Z' << TextLine(QByteArray(50, char(0xE9)), 51);
    QTest::newRow("length modulo 256") << QByteArray(300, 'x') << TextLine(QByteArray(50, 'x'), 300 % 256);
}

void TestFraming::composesTextLines()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, line);
    QCOMPARE(line.size(), kLineLength);
    QCOMPARE(ComposeTextLine(text), line);
}

void TestFraming::composesFinalLine()
{
    QCOMPARE(ComposeFinalLine(0x01020304),
             QByteArray(45, '\0') + Signature() + Hex("01 02 03 04") + "\r\n");
}

void TestFraming::sumsTextLinesAndNumberFieldsButNotTheFinalLine()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SettingsFileWriter writer;
    writer.OpenDevice(&buffer);
    writer.WriteTextLine("");
    QCOMPARE(writer.Checksum(), 12773u); // 50 x 0xFF + CR + LF
    writer.WriteNumberField("7");
    QCOMPARE(writer.Checksum(), 12773u + 0xFF + 0x8F);
    writer.WriteFinalLine();
    QCOMPARE(writer.Checksum(), 12773u + 0xFF + 0x8F);
    QVERIFY(writer.Close());
    QCOMPARE(buffer.data(), ComposeTextLine("") + Hex("FF 8F") + ComposeFinalLine(12773 + 0xFF + 0x8F));
}

void TestFraming::finalLineAfterZeroLinesCarriesChecksumZero()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SettingsFileWriter writer;
    writer.OpenDevice(&buffer);
    for (int line = 0; line < 3; ++line)
        writer.WriteBlock(QByteArray(kLineLength, '\0'));
    writer.WriteFinalLine();
    QVERIFY(writer.Close());
    QCOMPARE(buffer.data().sliced(3 * kLineLength + 54, 4), Hex("00 00 00 00"));
}

void TestFraming::compactTrailerSumsTheSignature()
{
    // The camera file's trailer: the signature is summed, the checksum after it is not.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SettingsFileWriter writer;
    writer.OpenDevice(&buffer);
    writer.WriteBlock(QByteArray(10, '\0'));
    writer.WriteCompactTrailer();
    QVERIFY(writer.Close());
    const uint32_t signatureSum = 0xBA + 0xDA + 0xAB + 0x3B + 0xEB + 0x1B + 0x2D + 0xFA + 0xCB;
    QCOMPARE(signatureSum, 1394u);
    QCOMPARE(writer.Checksum(), signatureSum);
    QCOMPARE(buffer.data(), QByteArray(10, '\0') + Signature() + Hex("00 00 05 72"));
}

void TestFraming::reportsAFailingDevice_data()
{
    // The camera file is written as 10, 8, 3, 3, 5, 17, 9 and 4 bytes.
    QTest::addColumn<int>("capacity");
    QTest::addColumn<bool>("fits");
    QTest::newRow("first block fails") << 0 << false;
    QTest::newRow("second block fails whole") << 10 << false;
    QTest::newRow("short write mid-block") << 30 << false;
    QTest::newRow("unsummed checksum short") << 57 << false;
    QTest::newRow("exactly enough room") << 59 << true;
}

void TestFraming::reportsAFailingDevice()
{
    QFETCH(int, capacity);
    QFETCH(bool, fits);
    FillingBuffer device(capacity);
    device.open(QIODevice::WriteOnly);
    SettingsFileWriter writer;
    writer.OpenDevice(&device);
    for (int size : {10, 8, 3, 3, 5, 17})
        writer.WriteBlock(QByteArray(size, '\1'));
    writer.WriteCompactTrailer();
    QCOMPARE(writer.Close(), fits);
    QCOMPARE(writer.ErrorString().isEmpty(), fits);
}

QTEST_GUILESS_MAIN(TestFraming)
#include "TestFraming.moc"
