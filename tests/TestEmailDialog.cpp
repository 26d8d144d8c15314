// The e-mail settings dialog's own part: its captions, the operator lists of its
// catalogue with their SMTP presets, the sender kept through changes of mode, and
// Generate writing its file. What it shares with the MMS dialog is tested on both in
// TestSendingRows.
#include "tests/support/FormsFixture.h"
#include "ui/CoreText.h"

#include "tests/support/TestSupport.h"
#include "ui/FormLook.h"
#include "ui/TMMSMainForm.h"
#include "ui/TSMTPSetupForm.h"

#include "catalogue/EmailCatalogue.h"
#include "settings/EmailSettings.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

const QStringList kSenderFields = {"Edit_SmtpServer", "Edit_Port", "Edit_SenderEmail", "MaskEdit_SenderPassword"};

} // namespace

class TestEmailDialog : public QObject {
    Q_OBJECT

private:
    QWidget *Dialog() const { return Windows().SMTPSetupForm; }
    QComboBox *List(const char *name) const { return Find<QComboBox>(Dialog(), name); }
    QLineEdit *Field(const QString &name) const { return Find<QLineEdit>(Dialog(), qPrintable(name)); }
    QLineEdit *NumberField() const { return Field(QStringLiteral("Edit_MMSNumberPerDay")); }
    QString Server() const { return Field(QStringLiteral("Edit_SmtpServer"))->text(); }
    QString Port() const { return Field(QStringLiteral("Edit_Port"))->text(); }
    void Open() { Click(Windows().MMSMainForm, "Button_Smtp_Setup"); }
    QString SaveInto(const QTemporaryDir &folder) const;

    std::optional<FormsFixture> m_forms;

private slots:
    void init();
    void cleanup() { m_forms.reset(); }

    void titleAndCaptions();
    void countryRebuildsTheOperatorsAndAppliesThePreset_data();
    void countryRebuildsTheOperatorsAndAppliesThePreset();
    void operatorAppliesItsPreset();
    void manualModeAndBackKeepTheSender();
    void generateInAutoModeWritesTheRecord();
    void generateInManualModeWithEverythingEmpty();
};

void TestEmailDialog::init()
{
    m_forms.emplace();
    Open();
}

QString TestEmailDialog::SaveInto(const QTemporaryDir &folder) const
{
    Windows().SMTPSetupForm->SavePathEdit()->setText(QDir::toNativeSeparators(folder.path()));
    return folder.filePath(QString::fromLatin1(mms::kEmailSetupFileName));
}

void TestEmailDialog::titleAndCaptions()
{
    QCOMPARE(Dialog()->windowTitle(), QStringLiteral("Smtp Setup"));
    const QList<std::pair<const char *, QString>> groups = {
        {"GroupBox_SMTP", "GPRS"},
        {"GroupBox_GprsSetting", "Smtp Setup"},
        {"GroupBox_Sender", "Sender"},
        {"GroupBox_Recipients", "Recipients"},
    };
    for (const auto &[name, text] : groups)
        QCOMPARE(Find<QGroupBox>(Dialog(), name)->title(), text);
    const QList<std::pair<const char *, QString>> captions = {
        {"Label_MMSMode", "SMTP Mode"},
        {"Label_MMSStatus", "GPRS Status"},
        {"Label_MMSNumberPerDay", "Email Number/Day"},
        {"Label_APN", "APN"},
        {"Label_Account", "Account"},
        {"Label_AccountPassword", "Password"},
        {"Label_SmtpServer", "Smtp Server"},
        {"Label_Port", "Port"},
        {"Label_SenderEmail", "Sender Email"},
        {"Label_SenderPassword", "Password"},
        {"Label_Email1", "Email 1"},
        {"Label_Email4", "Email 4"},
    };
    for (const auto &[name, text] : captions)
        QCOMPARE(Find<QLabel>(Dialog(), name)->text(), text);
    QCOMPARE(Field(QStringLiteral("MaskEdit_SenderPassword"))->echoMode(), QLineEdit::Normal);
}

// clang-format off
void TestEmailDialog::countryRebuildsTheOperatorsAndAppliesThePreset_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("port");
    QTest::newRow("Deutschland, a preset") << "Deutschland" << 7 << "Bild-Vodafone" << "smtp.vodafone.de" << "25";
    QTest::newRow("United Kingdom, none") << "United Kingdom" << 8 << "Vodafone" << "mail.example.net" << "587";
    QTest::newRow("Turkey, none") << "Turkey" << 1 << "Avea" << "mail.example.net" << "587";
}
// clang-format on

void TestEmailDialog::countryRebuildsTheOperatorsAndAppliesThePreset()
{
    QFETCH(QString, country);
    QFETCH(int, count);
    QFETCH(QString, selected);
    QFETCH(QString, server);
    QFETCH(QString, port);
    QTest::keyClicks(Field(QStringLiteral("Edit_SmtpServer")), QStringLiteral("mail.example.net"));
    QTest::keyClicks(Field(QStringLiteral("Edit_Port")), QStringLiteral("587"));

    CHECK(PickText(List("ComboBox_Country"), country));
    const QStringList operators = ListItems(List("ComboBox_Operator"));
    QCOMPARE(operators.size(), count);
    QCOMPARE(operators,
             FromCore(mms::EmailCatalogue().OperatorNames(mms::EmailCatalogue().FindCountry(Utf8(country)))));
    QCOMPARE(List("ComboBox_Operator")->currentText(), selected);
    QCOMPARE(Server(), server);
    QCOMPARE(Port(), port);
}

void TestEmailDialog::operatorAppliesItsPreset()
{
    QTest::keyClicks(Field(QStringLiteral("Edit_Port")), QStringLiteral("465"));
    CHECK(PickText(List("ComboBox_Country"), QStringLiteral("Sweden")));
    QCOMPARE(List("ComboBox_Operator")->currentText(), QStringLiteral("Telenor")); // no preset
    QCOMPARE(Server(), QString());
    QCOMPARE(Port(), QStringLiteral("465"));

    CHECK(PickText(List("ComboBox_Operator"), QStringLiteral("Telia")));
    QCOMPARE(Server(), QStringLiteral("mailout.telia.com"));
    QCOMPARE(Port(), QStringLiteral("25"));

    CHECK(PickText(List("ComboBox_Operator"), QStringLiteral("Tele2"))); // none: both stay
    QCOMPARE(Server(), QStringLiteral("mailout.telia.com"));
    QCOMPARE(Port(), QStringLiteral("25"));
}

// A change of mode empties the GPRS texts and the recipients (TestSendingRows checks
// that on both dialogs), but leaves the sender as typed, editable in either mode.
void TestEmailDialog::manualModeAndBackKeepTheSender()
{
    for (const QString &name : kSenderFields)
        QTest::keyClicks(Field(name), name);
    QCOMPARE(FieldTexts(Dialog(), kSenderFields), kSenderFields);

    Pick(List("ComboBox_MMSMode"), 1);
    QCOMPARE(FieldTexts(Dialog(), kSenderFields), kSenderFields);
    Pick(List("ComboBox_MMSMode"), 0);
    QCOMPARE(FieldTexts(Dialog(), kSenderFields), kSenderFields);
    for (const QString &name : kSenderFields) {
        QVERIFY(!Field(name)->isReadOnly());
        QCOMPARE(BoxColour(Field(name)), WindowColour());
    }
}

void TestEmailDialog::generateInAutoModeWritesTheRecord()
{
    QTemporaryDir folder;
    const QString path = SaveInto(folder);
    Pick(List("ComboBox_MMSStatus"), 3);
    NumberField()->clear();
    QTest::keyClicks(NumberField(), QStringLiteral("15"));
    Pick(List("ComboBox_DailyReport_OnOff"), 0);
    Pick(List("ComboBox_DailyReport_Hour"), 6);
    CHECK(PickText(List("ComboBox_Country"), QStringLiteral("Deutschland")));
    CHECK(PickText(List("ComboBox_Operator"), QStringLiteral("T-Mobile")));
    QTest::keyClicks(Field(QStringLiteral("Edit_SenderEmail")), QStringLiteral("cam@example.de"));
    QTest::keyClicks(Field(QStringLiteral("MaskEdit_SenderPassword")), QStringLiteral("s3cret!"));
    QTest::keyClicks(Field(QStringLiteral("Edit_Email2")), QStringLiteral("me@example.de"));

    Click(Dialog(), "Button_Generate");

    mms::EmailSettings expected;
    expected.Header.Status = 3;
    expected.Header.NumberPerDay = "15";
    expected.Header.DailyReportOnOff = 0;
    expected.Header.DailyReportHour = 6;
    expected.Country = "Deutschland";
    expected.Operator = "T-Mobile";
    expected.SmtpServer = "smtp.vodafone.de"; // the operator's preset
    expected.SmtpPort = "25";
    expected.SenderEmail = "cam@example.de";
    expected.SenderPassword = "s3cret!";
    expected.Email[1] = "me@example.de";
    const std::optional<mms::Bytes> composed = mms::ComposeEmailSetupFile(expected);
    QVERIFY(composed);
    QCOMPARE(ReadFile(path).toHex(), ToQ(*composed).toHex());
    CHECK(Generated(Dialog(), GenerationResult::EmailGenerated,
                    QStringLiteral("Email configuration file has been generated.")));
}

void TestEmailDialog::generateInManualModeWithEverythingEmpty()
{
    QTemporaryDir folder;
    const QString path = SaveInto(folder);
    Pick(List("ComboBox_MMSMode"), 1);
    NumberField()->clear(); // written as "0"
    Click(Dialog(), "Button_Generate");
    QCOMPARE(NumberField()->text(), QStringLiteral("0"));
    const QByteArray written = ReadFile(path);
    QCOMPARE(written.size(), 840);
    // The running checksum of this file, big-endian at offsets 834 to 837.
    QCOMPARE(written.mid(834, 4).toHex(), QByteArray("000285a6"));
    QCOMPARE(LatestResult(), GenerationResult::EmailGenerated);
}

QTEST_MAIN(TestEmailDialog)
#include "TestEmailDialog.moc"
