// Reading the three settings files back: a file the writers made decodes to the record
// it came from, and a file with one fault in its structure is refused with that fault
// named, even when its checksum was recomputed to match.
#include "settings/CameraSettings.h"
#include "settings/EmailSettings.h"
#include "settings/MmsSettings.h"
#include "settings/SettingsFileReport.h"
#include "tests/support/TestSupport.h"

#include <QTest>

#include <functional>

namespace {

mms::MmsSettings SampleMms()
{
    mms::MmsSettings s;
    s.Mode = mms::ConnectionMode::Manual;
    s.Header = {2, "42", 0, 23};
    s.Url = "http://mms.example.net/mms";
    s.Apn = "mms";
    s.Gateway = "10.0.0.1";
    s.Port = "8080";
    s.Mobile[0] = "+447700900123";
    // A Latin-1 letter that is no scrambled byte's image: "é" would read back as the
    // "a" whose scrambled byte it shares.
    s.Email[3] = "stra\xC3\x9F"
                 "e@example.org";
    return s;
}

mms::EmailSettings SampleEmail()
{
    mms::EmailSettings s;
    s.Mode = mms::ConnectionMode::Manual;
    s.Header = {1, "5", 1, 0};
    s.Apn = "internet";
    s.SmtpServer = "smtp.example.org";
    s.SmtpPort = "25";
    s.SenderEmail = "cam@example.org";
    s.SenderPassword = "secret";
    s.Email[0] = "me@example.org";
    return s;
}

QByteArray MmsFile()
{
    return ToQ(*mms::ComposeMmsSetupFile(SampleMms()));
}

QByteArray EmailFile()
{
    return ToQ(*mms::ComposeEmailSetupFile(SampleEmail()));
}

// The problems the core finds in a file of either Sending kind.
QStringList Problems(const QByteArray &file)
{
    const mms::Bytes bytes = ToBytes(file);
    const mms::DecodeReport report = file.size() == mms::kMmsSetupFileSize
        ? mms::DecodeReport(mms::DecodeMmsSetupFile(bytes))
        : mms::DecodeReport(mms::DecodeEmailSetupFile(bytes));
    QStringList problems;
    for (const std::string &problem : report.problems)
        problems << QString::fromStdString(problem);
    return problems;
}

// One byte changed, and the checksum in the final line made to match again, so that
// only the fault itself is left to find.
QByteArray WithByte(QByteArray file, int offset, uint8_t value)
{
    file[offset] = char(value);
    const int finalLine = int(file.size()) - 60;
    const QByteArray sum = ToQ(mms::BigEndian32(mms::ByteSum(ToBytes(file.first(finalLine)))));
    return file.replace(finalLine + 54, 4, sum);
}

struct Patch {
    int offset;
    uint8_t value;
};

QByteArray WithBytes(QByteArray file, std::initializer_list<Patch> patches)
{
    for (const Patch &patch : patches)
        file = WithByte(file, patch.offset, patch.value);
    return file;
}

} // namespace

class TestDecoders : public QObject {
    Q_OBJECT

private slots:
    void decodesWhatTheWritersMake();
    void refusesOneFaultEach_data();
    void refusesOneFaultEach();
    void refusesCameraValuesOutsideTheirLists_data();
    void refusesCameraValuesOutsideTheirLists();
    void reportsEachSettingByItsName();
    void reportsTheTrueSizeOfAnyOtherFile();
};

void TestDecoders::decodesWhatTheWritersMake()
{
    const mms::Decoded<mms::MmsSettings> mms = mms::DecodeMmsSetupFile(ToBytes(MmsFile()));
    QVERIFY(mms.Valid() && mms.signatureOk && mms.checksumOk);
    QVERIFY(mms.record == SampleMms());

    const mms::Decoded<mms::EmailSettings> email = mms::DecodeEmailSetupFile(ToBytes(EmailFile()));
    QVERIFY(email.Valid() && email.signatureOk && email.checksumOk);
    QVERIFY(email.record == SampleEmail());

    mms::CameraSettings camera;
    camera.Mode = 2;
    camera.Year = 2026;
    camera.SerialNoChar = {10, 0, 35, 9};
    camera.Timer[3] = {23, 59, 6, 30};
    const mms::Decoded<mms::CameraSettings> decoded = mms::DecodeCameraSetupFile(mms::ComposeCameraSetupFile(camera));
    QVERIFY(decoded.Valid());
    QVERIFY(decoded.record == camera);
}

// clang-format off
void TestDecoders::refusesOneFaultEach_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("problem");
    const QByteArray mms = MmsFile();
    const QByteArray email = EmailFile();
    // Offsets: line n starts at 60 n; a text line's length byte is its byte 57.
    QTest::newRow("mms number byte that is no digit code") << WithByte(mms, 3, 0x12)
                                                          << "the number per day is not coded as digits";
    QTest::newRow("email number byte that is no digit code") << WithByte(email, 4, 0x00)
                                                            << "the number per day is not coded as digits";
    QTest::newRow("mms header fixed byte") << WithByte(mms, 1, 0x00) << "the header line's fixed bytes are wrong";
    QTest::newRow("email header length byte") << WithByte(email, 57, 0x05)
                                              << "the header line's fixed bytes are wrong";
    QTest::newRow("mms status outside its list") << WithByte(mms, 0, 4) << "status holds 4";
    QTest::newRow("email report hour 24") << WithByte(email, 6, 24) << "report-hour holds 24";
    QTest::newRow("mms byte after a text's length") << WithByte(mms, 60 + 40, 0xEB)
                                                   << "the line of url is not a well-formed text line";
    QTest::newRow("email byte among the zeros") << WithByte(email, 240 + 52, 0x01)
                                               << "the line of smtp-server is not a well-formed text line";
    QTest::newRow("mms length byte too small") << WithByte(mms, 120 + 57, 2)
                                              << "the line of apn is not a well-formed text line";
    QTest::newRow("mms line end") << WithByte(mms, 480 + 59, 0x00)
                                 << "the line of mobile2 is not a well-formed text line";
    QTest::newRow("email length past a line") << WithBytes(email, {{480 + 57, 60}})
                                             << "the line of sender-password counts 60 characters";
    QTest::newRow("mms a byte the writers never make") << WithBytes(mms, {{240, 0x41}})
                                                      << "the line of port is not a well-formed text line";
    QTest::newRow("email control character") << WithBytes(email, {{540 + 14, 0x07}, {540 + 15, 0xFF},
                                                                   {540 + 57, 15}})
                                             << "email1 holds a control character (U+0007)";
    QTest::newRow("email sender name not the address's") << WithByte(email, 360, 0xD9)
                                                        << "the sender name line does not match the sender address";
    QTest::newRow("mms final line zero") << WithByte(mms, 900 + 10, 0x01) << "the final line's fixed bytes are wrong";
    QTest::newRow("email final line end") << WithByte(email, 780 + 58, 0x0A)
                                          << "the final line's fixed bytes are wrong";
    QByteArray signature = mms;
    signature[900 + 45] = char(0x00);
    QTest::newRow("mms signature") << signature << "the trailer signature is wrong";
    QByteArray checksum = email;
    checksum[780 + 57] = char(checksum[780 + 57] ^ 1);
    QTest::newRow("email checksum") << checksum << "the checksum does not match the content";
}
// clang-format on

void TestDecoders::refusesOneFaultEach()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, problem);
    const QStringList problems = Problems(file);
    QVERIFY2(problems.size() == 1 && problems[0].startsWith(problem), qPrintable(problems.join(u'\n')));
}

void TestDecoders::refusesCameraValuesOutsideTheirLists_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("problem");
    QTest::newRow("mode") << 0 << 3 << "mode holds 3, which is not a valid value";
    QTest::newRow("image burst of 6") << 3 << 5 << "image-burst holds 5, which is not a valid value";
    QTest::newRow("beep") << 5 << 2 << "beep holds 2, which is not a valid value";
    QTest::newRow("month 13") << 13 << 13 << "clock 2012-13-01 00:00:00 is not a valid time";
    QTest::newRow("interval minute 60") << 19 << 60 << "interval-minute holds 60, which is not a valid value";
    QTest::newRow("serial switch") << 24 << 2 << "serial-no holds 2, which is not a valid value";
    QTest::newRow("serial character 36") << 27 << 36 << "serial holds 36, which is not a valid value";
    QTest::newRow("timer 4 end hour 24") << 44 << 24 << "timer4 is not a valid period";
}

void TestDecoders::refusesCameraValuesOutsideTheirLists()
{
    QFETCH(int, offset);
    QFETCH(int, value);
    QFETCH(QString, problem);
    mms::Bytes file = mms::ComposeCameraSetupFile(mms::CameraSettings());
    file[size_t(offset)] = uint8_t(value);
    const std::array<uint8_t, 4> sum = mms::BigEndian32(mms::ByteSum(mms::ByteView(file).first(55)));
    std::copy(sum.begin(), sum.end(), file.begin() + 55);
    const mms::Decoded<mms::CameraSettings> decoded = mms::DecodeCameraSetupFile(file);
    QVERIFY(decoded.signatureOk && decoded.checksumOk);
    QCOMPARE(decoded.problems.size(), size_t(1));
    QCOMPARE(QString::fromStdString(decoded.problems[0]), problem);
}

void TestDecoders::reportsEachSettingByItsName()
{
    const mms::SettingsFileReport report = mms::InspectSettingsFile(ToBytes(EmailFile()), 840);
    QCOMPARE(QString::fromStdString(report.kind), "email");
    QVERIFY(report.check.Valid());
    QStringList names;
    for (const mms::ReportField &field : report.fields)
        names << QString::fromStdString(field.name);
    QCOMPARE(names,
             (QStringList{"status", "number-per-day", "daily-report", "report-hour", "apn", "account", "password",
                          "smtp-server", "smtp-port", "sender-name", "sender", "sender-password", "email1", "email2",
                          "email3", "email4"}));
    const auto value = [&report](int i) { return report.fields[size_t(i)].value; };
    QVERIFY(value(0) == mms::ReportValue(std::string("800x600")));
    QVERIFY(value(1) == mms::ReportValue(5));
    QVERIFY(value(2) == mms::ReportValue(std::string("off")));
    QVERIFY(value(9) == mms::ReportValue(std::string("cam")));

    // A number field that holds no number shows as nothing, not as a made-up number.
    const mms::SettingsFileReport damaged = mms::InspectSettingsFile(ToBytes(WithByte(EmailFile(), 3, 0x12)), 840);
    QVERIFY(std::holds_alternative<std::monostate>(damaged.fields[1].value));
}

void TestDecoders::reportsTheTrueSizeOfAnyOtherFile()
{
    const mms::Bytes start(961, 0);
    const mms::SettingsFileReport report = mms::InspectSettingsFile(start, uint64_t(2) << 30);
    QCOMPARE(QString::fromStdString(report.kind), "unknown");
    QCOMPARE(report.check.problems.size(), size_t(1));
    QCOMPARE(QString::fromStdString(report.check.problems[0]),
             "2147483648 bytes is the size of no settings file (59, 960 or 840)");
}

QTEST_GUILESS_MAIN(TestDecoders)
#include "TestDecoders.moc"
