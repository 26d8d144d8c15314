// The framing shared by every settings file: scrambler, digit coder, the texts the
// camera can read, text lines, number fields, trailers and the running checksum.
#include "settings/CameraText.h"
#include "settings/Scrambler.h"
#include "settings/SendingLines.h"
#include "settings/SettingsFileWriter.h"
#include "tests/support/TestSupport.h"

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

QByteArray Signature()
{
    return ToQ(mms::kTrailerSignature);
}

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
    void decodesDigitCodes();
    void acceptsWhatTheCameraReads_data();
    void acceptsWhatTheCameraReads();
    void refusesWhatTheCameraCannotRead_data();
    void refusesWhatTheCameraCannotRead();
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
        QCOMPARE(mms::ScrambleChar(input), output);
        QCOMPARE(mms::UnscrambleChar(output), input);
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
            QCOMPARE(mms::ScrambleChar(uint8_t(b)), uint8_t(b));
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
    QCOMPARE(mms::ScrambleChar(uint8_t(member)), uint8_t(outsider));
    QCOMPARE(mms::UnscrambleChar(uint8_t(outsider)), uint8_t(member));
}

void TestFraming::trailerSignatureIsTheScrambledName()
{
    QByteArray scrambled;
    for (char c : QByteArray("TRELAN-PC"))
        scrambled += char(mms::ScrambleChar(uint8_t(c)));
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
    QCOMPARE(mms::EncodeDigit(uint8_t(character), 0x42), uint8_t(code));
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
    QCOMPARE(ToQ(mms::ComposeNumberField(text.toStdString())), field);
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
    QCOMPARE(size_t(line.size()), mms::kLineLength);
    QCOMPARE(ToQ(mms::ComposeTextLine(text.toStdString())), line);
}

void TestFraming::composesFinalLine()
{
    QCOMPARE(ToQ(mms::ComposeFinalLine(0x01020304)), QByteArray(45, '\0') + Signature() + Hex("01 02 03 04") + "\r\n");
}

void TestFraming::sumsTextLinesAndNumberFieldsButNotTheFinalLine()
{
    mms::SettingsFileWriter writer(0);
    writer.WriteBlock(mms::ComposeTextLine(""));
    QCOMPARE(writer.Checksum(), 12773u); // 50 x 0xFF + CR + LF
    writer.WriteBlock(mms::ComposeNumberField("7"));
    QCOMPARE(writer.Checksum(), 12773u + 0xFF + 0x8F);
    writer.WriteUnsummed(mms::ComposeFinalLine(writer.Checksum()));
    QCOMPARE(writer.Checksum(), 12773u + 0xFF + 0x8F);
    QCOMPARE(ToQ(writer.Content()),
             ToQ(mms::ComposeTextLine("")) + Hex("FF 8F") + ToQ(mms::ComposeFinalLine(12773 + 0xFF + 0x8F)));
}

void TestFraming::finalLineAfterZeroLinesCarriesChecksumZero()
{
    mms::SettingsFileWriter writer(0);
    for (int line = 0; line < 3; ++line)
        writer.WriteBlock(mms::Line{});
    writer.WriteUnsummed(mms::ComposeFinalLine(writer.Checksum()));
    QCOMPARE(ToQ(writer.Content()).sliced(3 * 60 + 54, 4), Hex("00 00 00 00"));
}

void TestFraming::compactTrailerSumsTheSignature()
{
    // The camera file's trailer: the signature is summed, the checksum after it is not.
    mms::SettingsFileWriter writer(0);
    writer.WriteBlock(mms::Bytes(10, 0));
    writer.WriteCompactTrailer();
    const uint32_t signatureSum = 0xBA + 0xDA + 0xAB + 0x3B + 0xEB + 0x1B + 0x2D + 0xFA + 0xCB;
    QCOMPARE(signatureSum, 1394u);
    QCOMPARE(writer.Checksum(), signatureSum);
    QCOMPARE(ToQ(writer.Content()), QByteArray(10, '\0') + Signature() + Hex("00 00 05 72"));
}

void TestFraming::decodesDigitCodes()
{
    // Exactly the ten digit codes decode, each to its digit.
    int codes = 0;
    for (int b = 0; b < 256; ++b) {
        const int digit = mms::DecodeDigit(uint8_t(b));
        if (digit < 0)
            continue;
        ++codes;
        QCOMPARE(mms::EncodeDigit(uint8_t('0' + digit), 0x42), uint8_t(b));
    }
    QCOMPARE(codes, 10);
}

void TestFraming::acceptsWhatTheCameraReads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("cameraBytes");
    QTest::newRow("ASCII") << "user@example.org" << QByteArray("user@example.org");
    QTest::newRow("Latin-1 letters, one byte each") << QString::fromUtf8("café ÿ") << Hex("63 61 66 E9 20 FF");
    QTest::newRow("no-break space, the first after the controls") << QString(QChar(0xA0)) << Hex("A0");
    QTest::newRow("tilde, the last before DEL") << "~" << QByteArray("~");
    QTest::newRow("empty") << "" << QByteArray();
}

void TestFraming::acceptsWhatTheCameraReads()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, cameraBytes);
    QCOMPARE(QString::fromStdString(mms::UnwritableTextReason("field", Utf8(text))), QString());
    const std::string camera = mms::ToCameraText(Utf8(text));
    QCOMPARE(QByteArray::fromStdString(camera), cameraBytes);
    QCOMPARE(QString::fromStdString(mms::FromCameraText(camera)), text);
}

void TestFraming::refusesWhatTheCameraCannotRead_data()
{
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<QString>("named");
    QTest::newRow("NUL") << QByteArray("a\0b", 3) << "a control character (U+0000)";
    QTest::newRow("tab") << QByteArray("a\tb") << "a control character (U+0009)";
    QTest::newRow("DEL") << QByteArray("a\x7F") << "a control character (U+007F)";
    QTest::newRow("first C1 control") << QByteArray("\xC2\x80") << "a control character (U+0080)";
    QTest::newRow("last C1 control") << QByteArray("\xC2\x9F") << "a control character (U+009F)";
    QTest::newRow("euro sign") << QByteArray("1000\xE2\x82\xAC") << QString::fromUtf8("\"€\" (U+20AC)");
    QTest::newRow("Cyrillic letter") << QByteArray("\xD0\xB6@mail.ru") << QString::fromUtf8("\"ж\" (U+0436)");
    QTest::newRow("emoji") << QByteArray("\xF0\x9F\x93\xB7") << QString::fromUtf8("\"📷\" (U+1F4F7)");
    QTest::newRow("lone continuation byte") << QByteArray("a\x80") << "is not valid UTF-8";
    QTest::newRow("Latin-1 byte, not UTF-8") << QByteArray("caf\xE9") << "is not valid UTF-8";
    QTest::newRow("cut sequence") << QByteArray("\xE2\x82") << "is not valid UTF-8";
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << "is not valid UTF-8";
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << "is not valid UTF-8";
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << "is not valid UTF-8";
}

void TestFraming::refusesWhatTheCameraCannotRead()
{
    QFETCH(QByteArray, utf8);
    QFETCH(QString, named);
    const QString reason = QString::fromStdString(mms::UnwritableTextReason("--sender", utf8.toStdString()));
    QVERIFY2(reason.startsWith(QStringLiteral("--sender ")) && reason.contains(named), qPrintable(reason));
}

QTEST_GUILESS_MAIN(TestFraming)
#include "TestFraming.moc"
