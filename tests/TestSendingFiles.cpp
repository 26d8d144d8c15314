// MMSSETUP.dat and SMTPSETUP.dat: byte layouts and checksums the camera expects, the
// connection texts of Auto mode from the catalogues, the sender name line, and what the
// writers refuse.
#include "catalogue/EmailCatalogue.h"
#include "catalogue/MmsCatalogue.h"
#include "settings/EmailSettings.h"
#include "settings/MmsSettings.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <map>

namespace {

const QByteArray kEmptyTextLine = TextLine("", 0);

std::optional<QByteArray> Composed(const mms::MmsSettings &s)
{
    const std::optional<mms::Bytes> file = mms::ComposeMmsSetupFile(s);
    return file ? std::optional(ToQ(*file)) : std::nullopt;
}

std::optional<QByteArray> Composed(const mms::EmailSettings &s)
{
    const std::optional<mms::Bytes> file = mms::ComposeEmailSetupFile(s);
    return file ? std::optional(ToQ(*file)) : std::nullopt;
}

QByteArray TextLineOf(std::string_view text)
{
    return ToQ(mms::ComposeTextLine(text));
}

// The big-endian sum of the file's first `length` bytes.
QByteArray ChecksumOf(const QByteArray &file, int length)
{
    return ToQ(mms::BigEndian32(mms::ByteSum(ToBytes(file.first(length)))));
}

mms::MmsSettings ManualMms()
{
    mms::MmsSettings s;
    s.Mode = mms::ConnectionMode::Manual;
    return s;
}

mms::EmailSettings ManualEmail()
{
    mms::EmailSettings s;
    s.Mode = mms::ConnectionMode::Manual;
    return s;
}

// Manual-mode settings with one text, named as the writers' errors name it, set.
mms::MmsSettings MmsWith(const QString &field, const QString &text)
{
    mms::MmsSettings s = ManualMms();
    const std::map<QString, std::string *> fields = {
        {"url", &s.Url}, {"port", &s.Port}, {"mobile2", &s.Mobile[1]}, {"email1", &s.Email[0]}};
    *fields.at(field) = Utf8(text);
    return s;
}

mms::EmailSettings EmailWith(const QString &field, const QString &text)
{
    mms::EmailSettings s = ManualEmail();
    const std::map<QString, std::string *> fields = {{"apn", &s.Apn},
                                                     {"smtp-server", &s.SmtpServer},
                                                     {"sender", &s.SenderEmail},
                                                     {"sender-password", &s.SenderPassword},
                                                     {"email4", &s.Email[3]}};
    *fields.at(field) = Utf8(text);
    return s;
}

// Writes the kind's file ("mms" or "email") with one text set; the composed bytes, or
// none, go to `composed`.
bool WriteWithText(const QString &kind, const QString &field, const QString &text, const QString &path,
                   std::optional<QByteArray> *composed, std::string *error)
{
    if (kind == QLatin1String("mms")) {
        const mms::MmsSettings s = MmsWith(field, text);
        *composed = Composed(s);
        return mms::WriteMmsSetupFile(Utf8(path), s, error);
    }
    const mms::EmailSettings s = EmailWith(field, text);
    *composed = Composed(s);
    return mms::WriteEmailSetupFile(Utf8(path), s, error);
}

bool WriteAuto(const QString &kind, const QString &path, const QString &country, const QString &op, std::string *error)
{
    if (kind == QLatin1String("mms")) {
        mms::MmsSettings s;
        s.Country = Utf8(country);
        s.Operator = Utf8(op);
        return mms::WriteMmsSetupFile(Utf8(path), s, error);
    }
    mms::EmailSettings s;
    s.Country = Utf8(country);
    s.Operator = Utf8(op);
    return mms::WriteEmailSetupFile(Utf8(path), s, error);
}

QByteArray ComposedManual(const QString &kind)
{
    return kind == QLatin1String("mms") ? *Composed(ManualMms()) : *Composed(ManualEmail());
}

QString FileNameOf(const QString &kind)
{
    return QString::fromLatin1(kind == QLatin1String("mms") ? mms::kMmsSetupFileName : mms::kEmailSetupFileName);
}

void AddKindRows()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("mms") << "mms";
    QTest::newRow("email") << "email";
}

} // namespace

class TestSendingFiles : public QObject {
    Q_OBJECT
private slots:
    void emptyManualFile_data();
    void emptyManualFile();
    void headerFields_data();
    void headerFields();
    void mmsAutoModeWritesCatalogueSettings_data();
    void mmsAutoModeWritesCatalogueSettings();
    void emailAutoModeWritesCatalogueSettings();
    void autoModeMissLeavesFileUnchanged_data();
    void autoModeMissLeavesFileUnchanged();
    void manualModeIgnoresNames_data();
    void manualModeIgnoresNames();
    void mobileNumberScrambledAsText();
    void senderNameLine_data();
    void senderNameLine();
    void senderNameLineOfLongNamePart();
    void portScrambledAsText();
    void unwritableTextRefused_data();
    void unwritableTextRefused();
    void textLinesWhateverTheTexts_data();
    void textLinesWhateverTheTexts();
    void replacesLongerFile_data();
    void replacesLongerFile();
    void readOnlyFileRefused_data();
    void readOnlyFileRefused();
};

// clang-format off
void TestSendingFiles::emptyManualFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("checksum");
    QTest::newRow("mms") << *Composed(ManualMms()) << 960 << Hex("0002E970"); // 190832
    QTest::newRow("email") << *Composed(ManualEmail()) << 840 << Hex("000285A6"); // 165286
}
// clang-format on

// Status 800x600, no daily limit, daily report off at hour 0, every text empty.
void TestSendingFiles::emptyManualFile()
{
    QFETCH(QByteArray, file);
    QFETCH(int, size);
    QFETCH(QByteArray, checksum);
    QCOMPARE(file.size(), size);
    const QByteArray header = LineOf(file, 0);
    QCOMPARE(header, Hex("01FFFFFFFF0100") + QByteArray(43, char(0xFF)) + QByteArray(8, '\0') + "\r\n");
    QCOMPARE(mms::ByteSum(ToBytes(header)), 12010u);
    const int lines = size / 60;
    for (int line = 1; line < lines - 1; ++line) {
        QCOMPARE(LineOf(file, line), kEmptyTextLine);
        QCOMPARE(mms::ByteSum(ToBytes(LineOf(file, line))), 12773u);
    }
    const QByteArray finalLine = LineOf(file, lines - 1);
    QCOMPARE(finalLine, QByteArray(45, '\0') + Hex("BADAAB3BEB1B2DFACB") + checksum + "\r\n");
}

void TestSendingFiles::headerFields_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("numberPerDay");
    QTest::addColumn<int>("reportOnOff");
    QTest::addColumn<int>("reportHour");
    QTest::addColumn<QByteArray>("bytes0to6");
    QTest::newRow("one digit") << 1 << "5" << 1 << 0 << Hex("01FFFFFFAF0100");
    QTest::newRow("leading zero") << 1 << "05" << 1 << 0 << Hex("01FFFFFFAF0100");
    QTest::newRow("42") << 1 << "42" << 1 << 0 << Hex("01FFFFBFDF0100");
    QTest::newRow("78") << 1 << "78" << 1 << 0 << Hex("01FFFF8F7F0100");
    QTest::newRow("99") << 1 << "99" << 1 << 0 << Hex("01FFFF6F6F0100");
    QTest::newRow("empty counts as 0") << 1 << "" << 1 << 0 << Hex("01FFFFFFFF0100");
    QTest::newRow("report on at 23") << 1 << "0" << 0 << 23 << Hex("01FFFFFFFF0017");
    QTest::newRow("status off") << 0 << "0" << 1 << 0 << Hex("00FFFFFFFF0100");
    QTest::newRow("status sms") << 3 << "0" << 1 << 0 << Hex("03FFFFFFFF0100");
}

// Both files share the header line; the rest of it never changes.
void TestSendingFiles::headerFields()
{
    QFETCH(int, status);
    QFETCH(QString, numberPerDay);
    QFETCH(int, reportOnOff);
    QFETCH(int, reportHour);
    QFETCH(QByteArray, bytes0to6);
    const mms::SendingHeader header{uint8_t(status), Utf8(numberPerDay), uint8_t(reportOnOff), uint8_t(reportHour)};
    mms::MmsSettings mms = ManualMms();
    mms.Header = header;
    mms::EmailSettings email = ManualEmail();
    email.Header = header;
    const QByteArray tail = QByteArray(43, char(0xFF)) + QByteArray(8, '\0') + "\r\n";
    QCOMPARE(LineOf(*Composed(mms), 0), bytes0to6 + tail);
    QCOMPARE(LineOf(*Composed(email), 0), bytes0to6 + tail);
}

// clang-format off
void TestSendingFiles::mmsAutoModeWritesCatalogueSettings_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("op");
    QTest::newRow("dialog defaults") << "China" << "China Mobile";
    QTest::newRow("United Kingdom--O2 Payandgo") << "United Kingdom" << "O2 Payandgo";
    QTest::newRow("last operator") << "Estonia" << "TELE2";
}
// clang-format on

// Lines 1..6 carry the catalogue's record whatever the record's own texts hold; the mode
// itself leaves no trace, so the file equals a Manual-mode one with the same texts typed.
void TestSendingFiles::mmsAutoModeWritesCatalogueSettings()
{
    QFETCH(QString, country);
    QFETCH(QString, op);
    mms::MmsSettings automatic;
    automatic.Country = Utf8(country);
    automatic.Operator = Utf8(op);
    for (std::string *text :
         {&automatic.Url, &automatic.Apn, &automatic.Gateway, &automatic.Port, &automatic.Account, &automatic.Password})
        *text = "typed";
    automatic.Mobile[0] = "0123456789";
    const std::optional<QByteArray> file = Composed(automatic);
    QVERIFY(file);

    const uint8_t index = mms::MmsCatalogue().FindOperatorKey(mms::MakeOperatorKey(Utf8(country), Utf8(op)));
    QVERIFY(index != mms::kCatalogueMiss);
    const mms::MmsOperatorParams &p = mms::MmsCatalogue().ParamsOf(index);
    const char *catalogueTexts[] = {p.url, p.apn, p.gateway, p.port, p.account, p.password};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(LineOf(*file, 1 + i), TextLineOf(catalogueTexts[i]));

    mms::MmsSettings typed = ManualMms();
    typed.Url = p.url;
    typed.Apn = p.apn;
    typed.Gateway = p.gateway;
    typed.Port = p.port;
    typed.Account = p.account;
    typed.Password = p.password;
    typed.Mobile[0] = automatic.Mobile[0];
    QCOMPARE(*file, *Composed(typed));
}

void TestSendingFiles::emailAutoModeWritesCatalogueSettings()
{
    mms::EmailSettings automatic;
    automatic.Country = "Deutschland";
    automatic.Operator = "E-Plus";
    automatic.Apn = automatic.Account = automatic.Password = "typed";
    automatic.SmtpServer = "smtp.example.org";
    const std::optional<QByteArray> file = Composed(automatic);
    QVERIFY(file);

    const mms::EmailOperatorParams &p = mms::EmailCatalogue().ParamsOf(7);
    QCOMPARE(LineOf(*file, 1), TextLineOf(p.apn));
    QCOMPARE(LineOf(*file, 2), TextLineOf(p.account));
    QCOMPARE(LineOf(*file, 3), TextLineOf(p.password));
    // Server and port are the record's in both modes: no preset is applied here.
    QCOMPARE(LineOf(*file, 4), TextLineOf("smtp.example.org"));
    QCOMPARE(LineOf(*file, 5), kEmptyTextLine);

    mms::EmailSettings typed = ManualEmail();
    typed.Apn = p.apn;
    typed.Account = p.account;
    typed.Password = p.password;
    typed.SmtpServer = automatic.SmtpServer;
    QCOMPARE(*file, *Composed(typed));
}

// clang-format off
void TestSendingFiles::autoModeMissLeavesFileUnchanged_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("op");
    QTest::newRow("mms Other/Other") << "mms" << "Other" << "Other";
    QTest::newRow("mms operator of another country") << "mms" << "China" << "Vodafone";
    QTest::newRow("mms case differs") << "mms" << "India" << "Vodafone";
    QTest::newRow("email Other/Other") << "email" << "Other" << "Other";
    QTest::newRow("email operator of another country") << "email" << "China" << "Bild-Vodafone";
    QTest::newRow("email case differs") << "email" << "India" << "Vodafone";
}
// clang-format on

void TestSendingFiles::autoModeMissLeavesFileUnchanged()
{
    QFETCH(QString, kind);
    QFETCH(QString, country);
    QFETCH(QString, op);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(FileNameOf(kind));
    const QByteArray old("the card's old settings");
    QVERIFY(WriteFile(path, old));

    std::string error;
    QVERIFY(!WriteAuto(kind, path, country, op, &error));
    const QString reason = QString::fromStdString(error);
    QVERIFY2(reason.contains(QLatin1String("catalogue")), qPrintable(reason));
    QVERIFY2(reason.contains(op) && reason.contains(country), qPrintable(reason));
    QCOMPARE(ReadFile(path), old);
    QCOMPARE(FolderEntries(dir.path()), QStringList{FileNameOf(kind)});
}

void TestSendingFiles::manualModeIgnoresNames_data()
{
    AddKindRows();
}

void TestSendingFiles::manualModeIgnoresNames()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(FileNameOf(kind));
    bool written = false;
    if (kind == QLatin1String("mms")) {
        mms::MmsSettings s = ManualMms();
        s.Country = s.Operator = "Other";
        written = mms::WriteMmsSetupFile(Utf8(path), s);
    } else {
        mms::EmailSettings s = ManualEmail();
        s.Country = s.Operator = "Other";
        written = mms::WriteEmailSetupFile(Utf8(path), s);
    }
    QVERIFY(written);
    QCOMPARE(ReadFile(path), ComposedManual(kind));
}

// Mobile numbers are texts: scrambled character by character, not digit-coded.
void TestSendingFiles::mobileNumberScrambledAsText()
{
    mms::MmsSettings s = ManualMms();
    s.Mobile[0] = "0123456789";
    QCOMPARE(LineOf(*Composed(s), 7), TextLine(Hex("FCECDCCCBCAC9C8C7C6C"), 10));
}

void TestSendingFiles::senderNameLine_data()
{
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QByteArray>("nameLine");
    QTest::addColumn<QByteArray>("addressLine");
    QTest::newRow("at sign third") << "ab@cd" << TextLine(Hex("E9D9"), 5) << TextLine(Hex("E9D9FBC9B9"), 5);
    QTest::newRow("no at sign") << "abcd" << TextLine(Hex("E9D9C9B9"), 4) << TextLine(Hex("E9D9C9B9"), 4);
    QTest::newRow("starts with at sign") << "@cd" << TextLine("", 3) << TextLine(Hex("FBC9B9"), 3);
    QTest::newRow("stops at the first at sign") << "a@b@" << TextLine(Hex("E9"), 4) << TextLine(Hex("E9FBD9FB"), 4);
    QTest::newRow("empty") << "" << kEmptyTextLine << kEmptyTextLine;
}

// Line 6 holds the address up to its first at sign, with the length of the whole
// address; line 7 the whole address.
void TestSendingFiles::senderNameLine()
{
    QFETCH(QString, sender);
    QFETCH(QByteArray, nameLine);
    QFETCH(QByteArray, addressLine);
    mms::EmailSettings s = ManualEmail();
    s.SenderEmail = Utf8(sender);
    const QByteArray file = *Composed(s);
    QCOMPARE(LineOf(file, 6), nameLine);
    QCOMPARE(LineOf(file, 7), addressLine);
    QCOMPARE(file.sliced(834, 4), ChecksumOf(file, 780));
}

void TestSendingFiles::senderNameLineOfLongNamePart()
{
    const std::string name(60, 'a');
    const QByteArray fifty = QByteArray(50, char(0xE9));
    QCOMPARE(ToQ(mms::ComposeSenderNameLine(name)), TextLine(fifty, 60));
    QCOMPARE(ToQ(mms::ComposeSenderNameLine(name + "@cd.ef")), TextLine(fifty, 66));
    // The length byte counts modulo 256, like a text line's.
    QCOMPARE(ToQ(mms::ComposeSenderNameLine(std::string(300, 'a'))), TextLine(fifty, 300 % 256));
}

void TestSendingFiles::portScrambledAsText()
{
    mms::EmailSettings s = ManualEmail();
    s.SmtpPort = "25";
    QCOMPARE(LineOf(*Composed(s), 5), TextLine(Hex("DCAC"), 2));
}

// clang-format off
void TestSendingFiles::unwritableTextRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named");
    QTest::newRow("mms Cyrillic letter") << "mms" << "email1" << QString::fromUtf8("ж@example.org")
                                         << QString::fromUtf8("ж");
    QTest::newRow("mms tab") << "mms" << "url" << "http://mms\t" << "U+0009";
    QTest::newRow("mms euro sign") << "mms" << "mobile2" << QString::fromUtf8("0171 €") << QString::fromUtf8("€");
    QTest::newRow("email euro sign") << "email" << "sender-password" << QString::fromUtf8("1000€")
                                     << QString::fromUtf8("€");
    QTest::newRow("email Cyrillic letter") << "email" << "sender" << QString::fromUtf8("иван@mail.ru")
                                           << QString::fromUtf8("и");
    QTest::newRow("email line feed") << "email" << "apn" << "internet\n" << "U+000a";
}
// clang-format on

// Nothing is written rather than a text the camera would misread.
void TestSendingFiles::unwritableTextRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, named);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(FileNameOf(kind));
    std::optional<QByteArray> composed;
    std::string error;
    QVERIFY(!WriteWithText(kind, field, text, path, &composed, &error));
    QVERIFY(!composed);
    const QString reason = QString::fromStdString(error);
    QVERIFY2(reason.contains(field) && reason.contains(named, Qt::CaseInsensitive), qPrintable(reason));
    QVERIFY(FolderEntries(dir.path()).isEmpty());
}

void TestSendingFiles::textLinesWhateverTheTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("empty") << "" << kEmptyTextLine;
    QTest::newRow("Latin-1 letters pass as their byte") << QString::fromUtf8("café") << TextLine(Hex("C9E999E9"), 4);
    QTest::newRow("50 characters") << QString(50, u'a') << TextLine(QByteArray(50, char(0xE9)), 50);
    QTest::newRow("51st character left out") << QString(50, u'a') + u'z' << TextLine(QByteArray(50, char(0xE9)), 51);
    QTest::newRow("length modulo 256") << QString(300, u'a') << TextLine(QByteArray(50, char(0xE9)), 300 % 256);
}

// The same text in every text field, written to disk: every line has its layout and the
// file its size and a checksum over what precedes the final line.
void TestSendingFiles::textLinesWhateverTheTexts()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, line);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    mms::MmsSettings mms = ManualMms();
    for (std::string *field : {&mms.Url, &mms.Apn, &mms.Gateway, &mms.Port, &mms.Account, &mms.Password})
        *field = Utf8(text);
    for (int i = 0; i < 4; ++i)
        mms.Mobile[i] = mms.Email[i] = Utf8(text);
    const QString mmsPath = dir.filePath(mms::kMmsSetupFileName);
    QVERIFY(mms::WriteMmsSetupFile(Utf8(mmsPath), mms));
    const QByteArray mmsFile = ReadFile(mmsPath);
    QCOMPARE(mmsFile.size(), mms::kMmsSetupFileSize);
    for (int i = 1; i <= 14; ++i)
        QCOMPARE(LineOf(mmsFile, i), line);
    QCOMPARE(mmsFile.sliced(954, 4), ChecksumOf(mmsFile, 900));

    mms::EmailSettings email = ManualEmail();
    for (std::string *field : {&email.Apn, &email.Account, &email.Password, &email.SmtpServer, &email.SmtpPort,
                               &email.SenderEmail, &email.SenderPassword})
        *field = Utf8(text);
    for (int i = 0; i < 4; ++i)
        email.Email[i] = Utf8(text);
    const QString emailPath = dir.filePath(mms::kEmailSetupFileName);
    QVERIFY(mms::WriteEmailSetupFile(Utf8(emailPath), email));
    const QByteArray emailFile = ReadFile(emailPath);
    QCOMPARE(emailFile.size(), mms::kEmailSetupFileSize);
    for (int i = 1; i <= 12; ++i) // the sender name line too: the address has no at sign
        QCOMPARE(LineOf(emailFile, i), line);
    QCOMPARE(emailFile.sliced(834, 4), ChecksumOf(emailFile, 780));
}

void TestSendingFiles::replacesLongerFile_data()
{
    AddKindRows();
}

void TestSendingFiles::replacesLongerFile()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(FileNameOf(kind));
    QVERIFY(WriteFile(path, QByteArray(2000, 'x')));
    std::optional<QByteArray> composed;
    std::string error;
    QVERIFY2(WriteWithText(kind, kind == QLatin1String("mms") ? "port" : "smtp-server", "25", path, &composed, &error),
             error.c_str());
    QCOMPARE(ReadFile(path), *composed);
    QCOMPARE(FolderEntries(dir.path()), QStringList{FileNameOf(kind)});
}

void TestSendingFiles::readOnlyFileRefused_data()
{
    AddKindRows();
}

// Refused even for an administrator, who could write it: read-only is the user's choice.
void TestSendingFiles::readOnlyFileRefused()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(FileNameOf(kind));
    const QByteArray old("locked settings");
    QVERIFY(WriteReadOnlyFile(path, old));

    std::optional<QByteArray> composed;
    std::string error;
    QVERIFY(!WriteWithText(kind, kind == QLatin1String("mms") ? "port" : "smtp-server", "25", path, &composed, &error));
    QVERIFY(composed);
    QVERIFY2(!error.empty(), "a failed write says why");
    QCOMPARE(ReadFile(path), old);
    QCOMPARE(FolderEntries(dir.path()), QStringList{FileNameOf(kind)});
}

QTEST_APPLESS_MAIN(TestSendingFiles)
#include "TestSendingFiles.moc"
