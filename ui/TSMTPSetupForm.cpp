#include "ui/TSMTPSetupForm.h"

#include "ui/FormLook.h"
#include "ui/Program.h"
#include "ui/SettingsFileWrite.h"

#include "ui/CoreText.h"
#include "catalogue/EmailCatalogue.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <tuple>

namespace {

constexpr QSize kWindowSize(1080, 579);
constexpr int kFontPixels = 13;
constexpr SendingCaptions kCaptions = {103, 104, 102}; // "SMTP Mode", "GPRS Status", "Email Number/Day"

// Three group boxes below each other, each two rows of text fields high.
// The first row keeps clear of the title, which stands above the frame.
constexpr FieldGrid kGroupGrid = {28, 32};
constexpr int kFieldGroupHeight = 92;
constexpr int kFieldGroupPitch = 100;

QRect FieldGroupRect(int index)
{
    return {kPanelLeft, kOwnPartTop + index * kFieldGroupPitch, kFullPanelWidth, kFieldGroupHeight};
}

} // namespace

TSMTPSetupForm::TSMTPSetupForm(QWidget *parent) : SendingSetupForm(parent)
{
    PrepareWindow(this, kWindowSize, FormFont(kFontPixels), TitleBarButtons::CloseOnly, false);
    CreateControls();
    FinishCreation();
    // The operator decides the SMTP preset; the MMS dialog reads it only at Generate.
    connect(m_sending.ComboBox_Operator, &QComboBox::activated, this, &TSMTPSetupForm::ComboBox_OperatorChange);
}

// Created top to bottom and left to right, which is also the keyboard order.
void TSMTPSetupForm::CreateControls()
{
    GroupBox_SMTP = MakeOuterGroupBox(this, "GroupBox_SMTP");
    m_sending = MakeSendingControls(GroupBox_SMTP);

    GroupBox_GprsSetting = MakeGroupBox(GroupBox_SMTP, "GroupBox_GprsSetting", FieldGroupRect(0));
    std::tie(Label_APN, Edit_APN) = MakeTextField(GroupBox_GprsSetting, "Label_APN", "Edit_APN", kGroupGrid, 0, 0);
    std::tie(Label_Account, Edit_Account) =
        MakeTextField(GroupBox_GprsSetting, "Label_Account", "Edit_Account", kGroupGrid, 1, 0);
    std::tie(Label_AccountPassword, Edit_AccountPassword) =
        MakeTextField(GroupBox_GprsSetting, "Label_AccountPassword", "Edit_AccountPassword", kGroupGrid, 0, 1);

    GroupBox_Sender = MakeGroupBox(GroupBox_SMTP, "GroupBox_Sender", FieldGroupRect(1));
    std::tie(Label_SmtpServer, Edit_SmtpServer) =
        MakeTextField(GroupBox_Sender, "Label_SmtpServer", "Edit_SmtpServer", kGroupGrid, 0, 0);
    std::tie(Label_Port, Edit_Port) = MakeTextField(GroupBox_Sender, "Label_Port", "Edit_Port", kGroupGrid, 1, 0);
    std::tie(Label_SenderEmail, Edit_SenderEmail) =
        MakeTextField(GroupBox_Sender, "Label_SenderEmail", "Edit_SenderEmail", kGroupGrid, 0, 1);
    // Shown in clear and held to 50 characters like every text: a longer password
    // would reach the camera cut short.
    std::tie(Label_SenderPassword, MaskEdit_SenderPassword) =
        MakeTextField(GroupBox_Sender, "Label_SenderPassword", "MaskEdit_SenderPassword", kGroupGrid, 1, 1);

    GroupBox_Recipients = MakeGroupBox(GroupBox_SMTP, "GroupBox_Recipients", FieldGroupRect(2));
    for (int i = 0; i < 4; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        std::tie(Label_Email[i], Edit_Email[i]) = MakeTextField(GroupBox_Recipients, "Label_Email" + n,
                                                                "Edit_Email" + n, kGroupGrid, i % 2, i / 2);
    }

    m_saveRow = MakeSaveRow(GroupBox_SMTP);
}

void TSMTPSetupForm::ApplyTexts()
{
    const int language = g_shared.LanguageIndex;
    const auto text = [language](int number) { return CatalogueText(language, number); };
    setWindowTitle(text(82));
    GroupBox_SMTP->setTitle(text(105));
    ApplySendingTexts(m_sending, kCaptions, language);
    GroupBox_GprsSetting->setTitle(text(82));
    Label_APN->setText(text(74));
    Label_Account->setText(text(77));
    Label_AccountPassword->setText(text(78));
    GroupBox_Sender->setTitle(text(106));
    Label_SmtpServer->setText(text(107));
    Label_Port->setText(text(76));
    Label_SenderEmail->setText(text(111));
    Label_SenderPassword->setText(text(78));
    GroupBox_Recipients->setTitle(text(95));
    for (int i = 0; i < 4; ++i)
        Label_Email[i]->setText(NumberedCaption(language, 70, i + 1));
    ApplySaveRowTexts(m_saveRow, language);
}

// Either way the typed GPRS texts and recipients are lost. The server, port and sender
// belong to the mail account, not to the operator's connection, and keep their texts.
// Auto mode starts again at the first country with its operators and its preset.
void TSMTPSetupForm::ApplyMode(mms::ConnectionMode mode)
{
    ShowOperatorLists(m_sending, mode, FromCore(mms::EmailCatalogue().CountryNames()), g_shared.LanguageIndex);
    ResetTextFields(GprsFields(), mode == mms::ConnectionMode::Manual);
    ResetTextFields(RecipientFields(), true);
    if (mode == mms::ConnectionMode::Auto)
        ComboBox_CountryChange();
}

// An operator with a known outgoing server fills server and port; any other leaves
// both as they are.
void TSMTPSetupForm::ApplySmtpPreset()
{
    const std::optional<mms::SmtpPreset> preset = mms::FindSmtpPreset(mms::MakeOperatorKey(
        ToCore(m_sending.ComboBox_Country->currentText()), ToCore(m_sending.ComboBox_Operator->currentText())));
    if (!preset)
        return;
    Edit_SmtpServer->setText(QString::fromLatin1(preset->server));
    Edit_Port->setText(QString::fromLatin1(preset->port));
}

QList<QLineEdit *> TSMTPSetupForm::GprsFields() const
{
    return {Edit_APN, Edit_Account, Edit_AccountPassword};
}

QList<QLineEdit *> TSMTPSetupForm::SenderFields() const
{
    return {Edit_SmtpServer, Edit_Port, Edit_SenderEmail, MaskEdit_SenderPassword};
}

QList<QLineEdit *> TSMTPSetupForm::RecipientFields() const
{
    return {Edit_Email.begin(), Edit_Email.end()};
}

mms::EmailSettings TSMTPSetupForm::SettingsFromControls() const
{
    mms::EmailSettings s;
    s.Mode = ModeFromControls(m_sending);
    s.Header = HeaderFromControls(m_sending);
    s.Country = ToCore(m_sending.ComboBox_Country->currentText());
    s.Operator = ToCore(m_sending.ComboBox_Operator->currentText());
    s.Apn = ToCore(Edit_APN->text());
    s.Account = ToCore(Edit_Account->text());
    s.Password = ToCore(Edit_AccountPassword->text());
    s.SmtpServer = ToCore(Edit_SmtpServer->text());
    s.SmtpPort = ToCore(Edit_Port->text());
    s.SenderEmail = ToCore(Edit_SenderEmail->text());
    s.SenderPassword = ToCore(MaskEdit_SenderPassword->text());
    for (int i = 0; i < 4; ++i)
        s.Email[i] = ToCore(Edit_Email[i]->text());
    return s;
}

// A complete reset: a dialog closed in Manual mode, on another country or with the
// daily report On opens as on the first show, with the first operator's preset.
void TSMTPSetupForm::FormShow()
{
    ApplyTexts();
    SelectSendingDefaults(m_sending);
    ApplyDailyReportRule(m_sending);
    ResetTextFields(SenderFields(), true);
    ApplyMode(mms::ConnectionMode::Auto);
}

void TSMTPSetupForm::ComboBox_CountryChange()
{
    if (RebuildOperatorList(mms::EmailCatalogue(), m_sending))
        ApplySmtpPreset();
}

void TSMTPSetupForm::ComboBox_OperatorChange()
{
    ApplySmtpPreset();
}

void TSMTPSetupForm::Button_SelectClick()
{
    OpenSaveLocationDialog(kSaveForEmail);
}

void TSMTPSetupForm::Button_GenerateClick()
{
    const QString path = SaveFilePath(m_saveRow.Edit_SavePath->text(), QString::fromLatin1(mms::kEmailSetupFileName));
    FillEmptyNumber(m_sending);
    std::string failureReason;
    std::optional<mms::Bytes> file = mms::ComposeEmailSetupFile(SettingsFromControls(), &failureReason);
    WriteSettingsFile(m_saveRow.Button_Generate, {GenerationResult::kEmailGenerated, GenerationResult::kEmailFailed}, path,
                      std::move(file), failureReason);
}

