#include "ui/TSMTPSetupForm.h"

#include "advice/Advice.h"
#include "ui/FormLook.h"

#include "catalogue/EmailCatalogue.h"
#include "ui/CoreText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <tuple>

namespace {

constexpr QSize kWindowSize(1080, 579);
constexpr int kFontPixels = 13;
constexpr SendingSetupForm::SendingCaptions kCaptions = {Str::SmtpMode, Str::GprsStatus, Str::EmailNumberPerDay};

} // namespace

TSMTPSetupForm::TSMTPSetupForm(QWidget *parent)
    : SendingSetupForm({SaveLocationTarget::Email, GenerationResult::EmailGenerated, GenerationResult::EmailFailed},
                       parent)
{
    PrepareWindow(this, kWindowSize, FormFont(kFontPixels), TitleBarButtons::CloseOnly, true);
    CreateControls();
    FinishCreation();
    // The operator decides the SMTP preset; the MMS dialog reads it only at Generate.
    connect(m_sending.ComboBox_Operator, &QComboBox::activated, this, &TSMTPSetupForm::ComboBox_OperatorChange);
}

// Created top to bottom and left to right, which is also the keyboard order.
void TSMTPSetupForm::CreateControls()
{
    GroupBox_SMTP = MakeOuterGroupBox("GroupBox_SMTP");
    MakeSendingControls(GroupBox_SMTP);

    // Three group boxes below each other, each two rows of text fields.
    const auto fieldGroup = [this](const char *name) {
        QGroupBox *group = MakeGroupBox(GroupBox_SMTP, name);
        GroupColumn()->addWidget(group, 1);
        return std::pair(group, MakeFieldGrid(group));
    };
    QGridLayout *grid = nullptr;
    std::tie(GroupBox_GprsSetting, grid) = fieldGroup("GroupBox_GprsSetting");
    std::tie(Label_APN, Edit_APN) = MakeTextField(grid, "Label_APN", "Edit_APN", 0, 0);
    std::tie(Label_Account, Edit_Account) = MakeTextField(grid, "Label_Account", "Edit_Account", 1, 0);
    std::tie(Label_AccountPassword, Edit_AccountPassword) =
        MakeTextField(grid, "Label_AccountPassword", "Edit_AccountPassword", 0, 1);

    std::tie(GroupBox_Sender, grid) = fieldGroup("GroupBox_Sender");
    std::tie(Label_SmtpServer, Edit_SmtpServer) = MakeTextField(grid, "Label_SmtpServer", "Edit_SmtpServer", 0, 0);
    std::tie(Label_Port, Edit_Port) = MakeTextField(grid, "Label_Port", "Edit_Port", 1, 0);
    std::tie(Label_SenderEmail, Edit_SenderEmail) = MakeTextField(grid, "Label_SenderEmail", "Edit_SenderEmail", 0, 1);
    // Shown in clear and held to 50 characters like every text: a longer password
    // would reach the camera cut short.
    std::tie(Label_SenderPassword, MaskEdit_SenderPassword) =
        MakeTextField(grid, "Label_SenderPassword", "MaskEdit_SenderPassword", 1, 1);

    std::tie(GroupBox_Recipients, grid) = fieldGroup("GroupBox_Recipients");
    for (int i = 0; i < 4; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        std::tie(Label_Email[i], Edit_Email[i]) =
            MakeTextField(grid, "Label_Email" + n, "Edit_Email" + n, i % 2, i / 2);
    }

    MakeSaveRow(GroupBox_SMTP);
}

void TSMTPSetupForm::ApplyTexts()
{
    const int language = g_languageIndex;
    const auto text = [language](Str number) { return CatalogueText(language, number); };
    setWindowTitle(text(Str::SmtpSetup));
    GroupBox_SMTP->setTitle(text(Str::Gprs));
    ApplySendingTexts(kCaptions);
    GroupBox_GprsSetting->setTitle(text(Str::SmtpSetup));
    Label_APN->setText(text(Str::Apn));
    Label_Account->setText(text(Str::Account));
    Label_AccountPassword->setText(text(Str::Password));
    GroupBox_Sender->setTitle(text(Str::Sender));
    Label_SmtpServer->setText(text(Str::SmtpServer));
    Label_Port->setText(text(Str::Port));
    Label_SenderEmail->setText(text(Str::SenderEmail));
    Label_SenderPassword->setText(text(Str::Password));
    GroupBox_Recipients->setTitle(text(Str::Recipients));
    for (int i = 0; i < 4; ++i)
        Label_Email[i]->setText(NumberedCaption(Str::Email, i + 1));
    // The fields of the three groups line up in two columns.
    MatchWidths(
        {Label_APN, Label_AccountPassword, Label_SmtpServer, Label_SenderEmail, Label_Email[0], Label_Email[2]});
    MatchWidths({Label_Account, Label_Port, Label_SenderPassword, Label_Email[1], Label_Email[3]});
}

// Either way the typed GPRS texts and recipients are lost. The server, port and sender
// belong to the mail account, not to the operator's connection, and keep their texts.
// Auto mode starts again at the first country with its operators and its preset.
void TSMTPSetupForm::ApplyMode(mms::ConnectionMode mode)
{
    ShowOperatorLists(mode, FromCore(mms::EmailCatalogue().CountryNames()));
    ResetTextFields(GprsFields(), mode == mms::ConnectionMode::Manual);
    ResetTextFields(RecipientFields(), true);
    if (mode == mms::ConnectionMode::Auto)
        ComboBox_CountryChange();
}

// An operator with a known outgoing server fills server and port; any other leaves
// both as they are.
void TSMTPSetupForm::ApplySmtpPreset()
{
    const std::optional<mms::SmtpPreset> preset =
        mms::FindSmtpPreset(mms::MakeOperatorKey(CountryText(), OperatorText()));
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
    s.Mode = ModeFromControls();
    s.Header = HeaderFromControls();
    s.Country = CountryText();
    s.Operator = OperatorText();
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
    SelectSendingDefaults();
    ApplyDailyReportRule();
    ResetTextFields(SenderFields(), true);
    ApplyMode(mms::ConnectionMode::Auto);
}

void TSMTPSetupForm::ComboBox_CountryChange()
{
    if (RebuildOperatorList(mms::EmailCatalogue()))
        ApplySmtpPreset();
}

void TSMTPSetupForm::ComboBox_OperatorChange()
{
    ApplySmtpPreset();
}

void TSMTPSetupForm::Button_GenerateClick()
{
    const QString path = SaveFilePath(m_saveRow.Edit_SavePath->text(), QString::fromLatin1(mms::kEmailSetupFileName));
    FillEmptyNumber();
    std::string composeError;
    const mms::EmailSettings settings = SettingsFromControls();
    const std::optional<mms::Bytes> file = mms::ComposeEmailSetupFile(settings, &composeError);
    WriteFile(path, file, composeError, mms::AdviseEmail(settings));
}
