// The e-mail settings dialog: the state every show starts from, the country and
// operator lists with the SMTP presets, Auto and Manual mode, the number field, the
// daily report, Generate and its result, the text fields' character rule, typing in the
// lists and the keyboard order.
#include "FormsFixture.h"

#include "FormLook.h"
#include "TForm_SaveParamsResult.h"
#include "TestFiles.h"
#include "TMMSMainForm.h"
#include "TSMTPSetupForm.h"

#include "EmailCatalogue.h"
#include "EmailSettings.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

const QStringList kGprsFields = {"Edit_APN", "Edit_Account", "Edit_AccountPassword"};
const QStringList kSenderFields = {"Edit_SmtpServer", "Edit_Port", "Edit_SenderEmail", "MaskEdit_SenderPassword"};
const QStringList kRecipientFields = {"Edit_Email1", "Edit_Email2", "Edit_Email3", "Edit_Email4"};

} // namespace

class TestEmailDialog : public QObject {
    Q_OBJECT

private:
    QWidget *Dialog() const { return g_forms.SMTPSetupForm; }
    QComboBox *List(const char *name) const { return Find<QComboBox>(Dialog(), name); }
    QLineEdit *Field(const QString &name) const { return Find<QLineEdit>(Dialog(), qPrintable(name)); }
    QLineEdit *NumberField() const { return Field(QStringLiteral("Edit_MMSNumberPerDay")); }
    QString Server() const { return Field(QStringLiteral("Edit_SmtpServer"))->text(); }
    QString Port() const { return Field(QStringLiteral("Edit_Port"))->text(); }
    QString ResultText() const
    {
        return Find<QLabel>(g_forms.Form_SaveParamsResult, "Label_SaveParamsResult")->text();
    }
    QString ReasonText() const { return Find<QLabel>(g_forms.Form_SaveParamsResult, "Label_FailureReason")->text(); }
    void Open() { Click(g_forms.MMSMainForm, "Button_Smtp_Setup"); }
    void Reopen();
    void Activate();
    QString SaveInto(const QTemporaryDir &folder) const;
    // Types the field's own name into every field that takes typing.
    void FillAllFields() const;
    QStringList Texts(const QStringList &names) const;
    void VerifyFields(const QStringList &names, const QString &text, bool editable) const;
    void VerifyShowState() const;

    std::optional<FormsFixture> m_forms;

private slots:
    void init();
    void cleanup() { m_forms.reset(); }

    void firstShowing();
    void reshowIsACompleteReset_data();
    void reshowIsACompleteReset();
    void countryRebuildsTheOperatorsAndAppliesThePreset_data();
    void countryRebuildsTheOperatorsAndAppliesThePreset();
    void operatorAppliesItsPreset();
    void manualModeAndBackKeepTheSender();
    void numberField_data();
    void numberField();
    void emptyNumberBecomesZeroOnLeaving();
    void dailyReportRule();
    void generateInAutoModeWritesTheRecord();
    void generateInManualModeWithEverythingEmpty();
    void failedGenerateShowsTheReason();
    void textFields_data();
    void textFields();
    void typedKeysAreDiscardedByTheLists_data();
    void typedKeysAreDiscardedByTheLists();
    void tabOrderFollowsTheArrangement();
};

void TestEmailDialog::init()
{
    m_forms.emplace();
    Open();
}

void TestEmailDialog::Reopen()
{
    Click(Dialog(), "Button_Exit");
    QVERIFY(g_forms.MMSMainForm->isVisible());
    Open();
}

// Focus changes need an active window.
void TestEmailDialog::Activate()
{
    Dialog()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Dialog()));
}

QString TestEmailDialog::SaveInto(const QTemporaryDir &folder) const
{
    g_forms.SMTPSetupForm->SavePathEdit()->setText(QDir::toNativeSeparators(folder.path()));
    return folder.filePath(QString::fromLatin1(kEmailSetupFileName));
}

void TestEmailDialog::FillAllFields() const
{
    for (const QString &name : kGprsFields + kSenderFields + kRecipientFields) {
        QLineEdit *field = Field(name);
        if (!field->isReadOnly()) {
            field->clear();
            QTest::keyClicks(field, name);
        }
    }
}

QStringList TestEmailDialog::Texts(const QStringList &names) const
{
    QStringList texts;
    for (const QString &name : names)
        texts += Field(name)->text();
    return texts;
}

void TestEmailDialog::VerifyFields(const QStringList &names, const QString &text, bool editable) const
{
    for (const QString &name : names) {
        const QLineEdit *field = Field(name);
        QVERIFY2(field->text() == text, qPrintable(name));
        QVERIFY2(field->isReadOnly() == !editable, qPrintable(name));
        QVERIFY2(BoxColour(field) == (editable ? WindowColour() : ScrollBarColour()), qPrintable(name));
    }
}

// What every show starts from: Auto, 800x600, no limit, no daily report, the first
// country with its operators (which have no SMTP preset), every text empty.
void TestEmailDialog::VerifyShowState() const
{
    QCOMPARE(ListItems(List("ComboBox_MMSMode")), (QStringList{"Auto", "Manual"}));
    QCOMPARE(List("ComboBox_MMSMode")->currentIndex(), 0);
    QCOMPARE(ListItems(List("ComboBox_MMSStatus")), (QStringList{"Off", "800x600", "VGA", "SMS"}));
    QCOMPARE(List("ComboBox_MMSStatus")->currentIndex(), 1);
    QCOMPARE(NumberField()->text(), QStringLiteral("0"));
    QCOMPARE(ListItems(List("ComboBox_DailyReport_OnOff")), (QStringList{"On", "Off"}));
    QCOMPARE(List("ComboBox_DailyReport_OnOff")->currentIndex(), 1);
    QCOMPARE(List("ComboBox_DailyReport_Hour")->count(), 24);
    QCOMPARE(List("ComboBox_DailyReport_Hour")->currentText(), QStringLiteral("0"));
    QVERIFY(!List("ComboBox_DailyReport_Hour")->isEnabled());
    QCOMPARE(BoxColour(List("ComboBox_DailyReport_Hour")), ScrollBarColour());

    QCOMPARE(ListItems(List("ComboBox_Country")), EmailCatalogue().CountryNames());
    QCOMPARE(List("ComboBox_Country")->currentText(), QStringLiteral("China"));
    QCOMPARE(ListItems(List("ComboBox_Operator")), (QStringList{"China Mobile", "China Unicom"}));
    QCOMPARE(List("ComboBox_Operator")->currentIndex(), 0);
    for (const char *name : {"ComboBox_Country", "ComboBox_Operator"}) {
        QVERIFY(List(name)->isEnabled());
        QCOMPARE(BoxColour(List(name)), WindowColour());
    }
    VerifyFields(kGprsFields, QString(), false);
    VerifyFields(kSenderFields + kRecipientFields, QString(), true);
}

void TestEmailDialog::firstShowing()
{
    VerifyShowState();
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
        {"Label_MMSNumberPerDay_Note_0_Unlimited", "Note: 0 = Unlimited"},
        {"Label_DailyReport_OnOff", "Daily Report"},
        {"Label_DailyReport_Hour", "Hour"},
        {"Label_Country", "Country"},
        {"Label_Operator", "Operator"},
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
    const QList<std::pair<const char *, QString>> buttons = {
        {"Button_Select", "Select"}, {"Button_Generate", "Generate"}, {"Button_Exit", "Exit"}};
    for (const auto &[name, text] : buttons)
        QCOMPARE(Find<QPushButton>(Dialog(), name)->text(), text);
    QVERIFY(g_forms.SMTPSetupForm->SavePathEdit()->isReadOnly());
    QCOMPARE(BoxColour(g_forms.SMTPSetupForm->SavePathEdit()), ScrollBarColour());
    for (const QString &name : kGprsFields + kSenderFields + kRecipientFields)
        QCOMPARE(Field(name)->maxLength(), 50);
    QCOMPARE(Field(QStringLiteral("MaskEdit_SenderPassword"))->echoMode(), QLineEdit::Normal);
}

void TestEmailDialog::reshowIsACompleteReset_data()
{
    QTest::addColumn<QByteArray>("change");
    QTest::newRow("a country with a preset") << QByteArray("country");
    QTest::newRow("Manual mode") << QByteArray("manual");
    QTest::newRow("daily report On") << QByteArray("report");
    QTest::newRow("typed values") << QByteArray("typed");
}

void TestEmailDialog::reshowIsACompleteReset()
{
    QFETCH(QByteArray, change);
    if (change == "country") {
        PickText(List("ComboBox_Country"), QStringLiteral("Deutschland"));
        PickText(List("ComboBox_Operator"), QStringLiteral("otelo"));
    } else if (change == "manual") {
        Pick(List("ComboBox_MMSMode"), 1);
        FillAllFields();
    } else if (change == "report") {
        Pick(List("ComboBox_DailyReport_OnOff"), 0);
        Pick(List("ComboBox_DailyReport_Hour"), 7);
    } else {
        Pick(List("ComboBox_MMSStatus"), 3);
        NumberField()->setText(QStringLiteral("42"));
        FillAllFields();
    }
    const QString folder = g_forms.SMTPSetupForm->SavePathEdit()->text() + QStringLiteral("x");
    g_forms.SMTPSetupForm->SavePathEdit()->setText(folder);

    Reopen();
    VerifyShowState();
    QCOMPARE(g_forms.SMTPSetupForm->SavePathEdit()->text(), folder); // the one thing kept
}

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

void TestEmailDialog::countryRebuildsTheOperatorsAndAppliesThePreset()
{
    QFETCH(QString, country);
    QFETCH(int, count);
    QFETCH(QString, selected);
    QFETCH(QString, server);
    QFETCH(QString, port);
    QTest::keyClicks(Field(QStringLiteral("Edit_SmtpServer")), QStringLiteral("mail.example.net"));
    QTest::keyClicks(Field(QStringLiteral("Edit_Port")), QStringLiteral("587"));

    PickText(List("ComboBox_Country"), country);
    const QStringList operators = ListItems(List("ComboBox_Operator"));
    QCOMPARE(operators.size(), count);
    QCOMPARE(operators, EmailCatalogue().OperatorNames(EmailCatalogue().FindCountry(country)));
    QCOMPARE(List("ComboBox_Operator")->currentText(), selected);
    QCOMPARE(Server(), server);
    QCOMPARE(Port(), port);
}

void TestEmailDialog::operatorAppliesItsPreset()
{
    QTest::keyClicks(Field(QStringLiteral("Edit_Port")), QStringLiteral("465"));
    PickText(List("ComboBox_Country"), QStringLiteral("Sweden"));
    QCOMPARE(List("ComboBox_Operator")->currentText(), QStringLiteral("Telenor")); // no preset
    QCOMPARE(Server(), QString());
    QCOMPARE(Port(), QStringLiteral("465"));

    PickText(List("ComboBox_Operator"), QStringLiteral("Telia"));
    QCOMPARE(Server(), QStringLiteral("mailout.telia.com"));
    QCOMPARE(Port(), QStringLiteral("25"));

    PickText(List("ComboBox_Operator"), QStringLiteral("Tele2")); // none: both stay
    QCOMPARE(Server(), QStringLiteral("mailout.telia.com"));
    QCOMPARE(Port(), QStringLiteral("25"));
}

void TestEmailDialog::manualModeAndBackKeepTheSender()
{
    FillAllFields();
    const QStringList sender = Texts(kSenderFields);
    QCOMPARE(sender, kSenderFields);

    Pick(List("ComboBox_MMSMode"), 1);
    for (const char *name : {"ComboBox_Country", "ComboBox_Operator"}) {
        QCOMPARE(ListItems(List(name)), QStringList{QStringLiteral("Other")});
        QCOMPARE(List(name)->currentText(), QStringLiteral("Other"));
        QVERIFY(!List(name)->isEnabled());
        QCOMPARE(BoxColour(List(name)), ScrollBarColour());
    }
    VerifyFields(kGprsFields, QString(), true);
    VerifyFields(kRecipientFields, QString(), true);
    QCOMPARE(Texts(kSenderFields), sender);

    FillAllFields(); // the GPRS fields now take typing
    QCOMPARE(Texts(kGprsFields), kGprsFields);
    Pick(List("ComboBox_MMSMode"), 0);
    QCOMPARE(List("ComboBox_Country")->currentText(), QStringLiteral("China"));
    QCOMPARE(List("ComboBox_Operator")->currentText(), QStringLiteral("China Mobile"));
    VerifyFields(kGprsFields, QString(), false);
    VerifyFields(kRecipientFields, QString(), true);
    QCOMPARE(Texts(kSenderFields), sender);
    for (const QString &name : kSenderFields) {
        QVERIFY(!Field(name)->isReadOnly());
        QCOMPARE(BoxColour(Field(name)), WindowColour());
    }
}

void TestEmailDialog::numberField_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letters, signs, spaces") << "a-+ b" << QString() << "";
    QTest::newRow("leading zero") << "05" << QString() << "05";
    QTest::newRow("two at most") << "991" << QString() << "99";
    QTest::newRow("pasted letter") << "" << "1a" << "";
}

void TestEmailDialog::numberField()
{
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    NumberField()->clear();
    QTest::keyClicks(NumberField(), typed);
    if (!pasted.isEmpty())
        Paste(NumberField(), pasted);
    QCOMPARE(NumberField()->text(), shown);
}

void TestEmailDialog::emptyNumberBecomesZeroOnLeaving()
{
    Activate();
    NumberField()->setFocus();
    QTest::keyClick(NumberField(), Qt::Key_Backspace);
    QCOMPARE(NumberField()->text(), QString());
    QTest::keyClick(NumberField(), Qt::Key_Tab);
    QVERIFY(!NumberField()->hasFocus());
    QCOMPARE(NumberField()->text(), QStringLiteral("0"));
}

void TestEmailDialog::dailyReportRule()
{
    QComboBox *hour = List("ComboBox_DailyReport_Hour");
    Pick(List("ComboBox_DailyReport_OnOff"), 0); // On
    QVERIFY(hour->isEnabled());
    QCOMPARE(BoxColour(hour), WindowColour());
    Pick(hour, 22);
    Pick(List("ComboBox_DailyReport_OnOff"), 1); // Off
    QVERIFY(!hour->isEnabled());
    QCOMPARE(BoxColour(hour), ScrollBarColour());
    QCOMPARE(hour->currentText(), QStringLiteral("0"));
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
    PickText(List("ComboBox_Country"), QStringLiteral("Deutschland"));
    PickText(List("ComboBox_Operator"), QStringLiteral("T-Mobile"));
    QTest::keyClicks(Field(QStringLiteral("Edit_SenderEmail")), QStringLiteral("cam@example.de"));
    QTest::keyClicks(Field(QStringLiteral("MaskEdit_SenderPassword")), QStringLiteral("s3cret!"));
    QTest::keyClicks(Field(QStringLiteral("Edit_Email2")), QStringLiteral("me@example.de"));

    Click(Dialog(), "Button_Generate");

    EmailSettings expected;
    expected.Header.Status = 3;
    expected.Header.NumberPerDay = QStringLiteral("15");
    expected.Header.DailyReportOnOff = 0;
    expected.Header.DailyReportHour = 6;
    expected.Country = QStringLiteral("Deutschland");
    expected.Operator = QStringLiteral("T-Mobile");
    expected.SmtpServer = QStringLiteral("smtp.vodafone.de"); // the operator's preset
    expected.SmtpPort = QStringLiteral("25");
    expected.SenderEmail = QStringLiteral("cam@example.de");
    expected.SenderPassword = QStringLiteral("s3cret!");
    expected.Email[1] = QStringLiteral("me@example.de");
    const std::optional<QByteArray> composed = ComposeEmailSetupFile(expected);
    QVERIFY(composed);
    QCOMPARE(ReadFile(path).toHex(), composed->toHex());
    QCOMPARE(g_shared.GenerationResult, 22);
    QVERIFY(g_forms.Form_SaveParamsResult->isVisible());
    QCOMPARE(ResultText(), QStringLiteral("Email configuration file has been generated."));
    QCOMPARE(ReasonText(), QString());
    QVERIFY(Dialog()->isVisible());
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
    QCOMPARE(g_shared.GenerationResult, 22);
}

void TestEmailDialog::failedGenerateShowsTheReason()
{
    QTemporaryDir folder;
    const QString path = SaveInto(folder);
    QVERIFY(WriteFile(path, "old"));
    // No write bits: the writer refuses it, for an administrator too.
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    QString reason;
    QVERIFY(!WriteEmailSetupFile(path, EmailSettings(), &reason));

    Click(Dialog(), "Button_Generate");
    QCOMPARE(g_shared.GenerationResult, 21);
    QCOMPARE(ResultText(), QStringLiteral("Email configuration file has been failed."));
    QVERIFY(!reason.isEmpty());
    QCOMPARE(ReasonText(), reason);
    QCOMPARE(ReadFile(path), QByteArray("old"));
    QVERIFY(Dialog()->isVisible());
}

void TestEmailDialog::textFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::newRow("recipient, Latin-1") << "Edit_Email1" << "Åsa@för.se" << QString() << "Åsa@för.se";
    QTest::newRow("recipient, Polish letter") << "Edit_Email2" << "Łódź" << QString() << "ód";
    QTest::newRow("sender, pasted control character") << "Edit_SenderEmail" << "" << "a\rb" << "";
    QTest::newRow("port takes letters and signs") << "Edit_Port" << "smtp+tls:25" << QString() << "smtp+tls:25";
    QTest::newRow("sender password, 50 at most")
        << "MaskEdit_SenderPassword" << "" << QString(60, QLatin1Char('p')) << QString(50, QLatin1Char('p'));
}

void TestEmailDialog::textFields()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    QLineEdit *edit = Field(field);
    Type(edit, typed);
    if (!pasted.isEmpty())
        Paste(edit, pasted);
    QCOMPARE(edit->text(), shown);
}

void TestEmailDialog::typedKeysAreDiscardedByTheLists_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QString>("typed");
    QTest::newRow("mode") << QByteArray("ComboBox_MMSMode") << "m";
    QTest::newRow("country") << QByteArray("ComboBox_Country") << "de";
    QTest::newRow("operator") << QByteArray("ComboBox_Operator") << "c";
}

void TestEmailDialog::typedKeysAreDiscardedByTheLists()
{
    QFETCH(QByteArray, list);
    QFETCH(QString, typed);
    QComboBox *box = List(list.constData());
    const int before = box->currentIndex();
    QTest::keyClicks(box, typed);
    QCOMPARE(box->currentIndex(), before);
    // Moving with the arrows still works.
    const bool last = before == box->count() - 1;
    QTest::keyClick(box, last ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(box->currentIndex(), last ? before - 1 : before + 1);
}

void TestEmailDialog::tabOrderFollowsTheArrangement()
{
    Activate();
    List("ComboBox_MMSMode")->setFocus(Qt::TabFocusReason);
    // The hour list is disabled and takes no focus.
    const QStringList expected = QStringList{"ComboBox_MMSStatus", "Edit_MMSNumberPerDay",
                                             "ComboBox_DailyReport_OnOff", "ComboBox_Country", "ComboBox_Operator"}
                                 + kGprsFields + kSenderFields + kRecipientFields
                                 + QStringList{"Button_Select", "Edit_SavePath", "Button_Generate", "Button_Exit",
                                               "ComboBox_MMSMode"};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited += QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

QTEST_MAIN(TestEmailDialog)
#include "TestEmailDialog.moc"
