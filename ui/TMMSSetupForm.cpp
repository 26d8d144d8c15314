#include "ui/TMMSSetupForm.h"

#include "ui/FormLook.h"
#include "ui/Program.h"
#include "ui/SettingsFileWrite.h"

#include "ui/CoreText.h"
#include "catalogue/MmsCatalogue.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <tuple>

namespace {

constexpr QSize kWindowSize(1080, 563);
constexpr int kFontPixels = 13;
constexpr SendingCaptions kCaptions = {90, 62, 66}; // "MMS Mode", "MMS Status", "MMS Number/Day"

// The connection panel: six connection fields and Mobile 1 on the left, the other
// seven recipients on the right.
constexpr int kConnectionRows = 7;
constexpr FieldGrid kConnectionGrid = {12, 37};
constexpr int kConnectionPanelHeight =
    2 * kConnectionGrid.Top + (kConnectionRows - 1) * kConnectionGrid.Pitch + kTextFieldHeight;

QByteArray Numbered(const char *name, int n)
{
    return QByteArray(name) + QByteArray::number(n);
}

} // namespace

TMMSSetupForm::TMMSSetupForm(QWidget *parent) : SendingSetupForm(parent)
{
    PrepareWindow(this, kWindowSize, FormFont(kFontPixels), TitleBarButtons::CloseOnly, false);
    CreateControls();
    FinishCreation();
}

// Created top to bottom, each column of the connection panel downwards, which is also
// the keyboard order.
void TMMSSetupForm::CreateControls()
{
    GroupBox_MMS = MakeOuterGroupBox(this, "GroupBox_MMS");
    m_sending = MakeSendingControls(GroupBox_MMS);

    Panel_Connection = MakePanel(GroupBox_MMS, "Panel_Connection",
                                 {kPanelLeft, kOwnPartTop, kFullPanelWidth, kConnectionPanelHeight});
    const auto field = [this](const char *label, const char *edit, int column, int row) {
        return MakeTextField(Panel_Connection, label, edit, kConnectionGrid, column, row);
    };
    std::tie(Label_URL, Edit_URL) = field("Label_URL", "Edit_URL", 0, 0);
    std::tie(Label_APN, Edit_APN) = field("Label_APN", "Edit_APN", 0, 1);
    std::tie(Label_GateWay, Edit_GateWay) = field("Label_GateWay", "Edit_GateWay", 0, 2);
    std::tie(Label_Port, Edit_Port) = field("Label_Port", "Edit_Port", 0, 3);
    std::tie(Label_Account, Edit_Account) = field("Label_Account", "Edit_Account", 0, 4);
    std::tie(Label_AccountPassword, Edit_AccountPassword) =
        field("Label_AccountPassword", "Edit_AccountPassword", 0, 5);
    for (int i = 0; i < 4; ++i) {
        const int n = i + 1;
        const bool first = i == 0;
        std::tie(Label_Mobile[i], Edit_Mobile[i]) = MakeTextField(
            Panel_Connection, Numbered("Label_Mobile", n), Numbered("Edit_Mobile", n), kConnectionGrid,
            first ? 0 : 1, first ? kConnectionRows - 1 : i - 1);
    }
    for (int i = 0; i < 4; ++i) {
        const int n = i + 1;
        std::tie(Label_Email[i], Edit_Email[i]) = MakeTextField(
            Panel_Connection, Numbered("Label_Email", n), Numbered("Edit_Email", n), kConnectionGrid, 1, i + 3);
    }

    m_saveRow = MakeSaveRow(GroupBox_MMS);
}

void TMMSSetupForm::ApplyTexts()
{
    const int language = g_shared.LanguageIndex;
    const auto text = [language](int number) { return CatalogueText(language, number); };
    setWindowTitle(text(61));
    GroupBox_MMS->setTitle(text(89));
    ApplySendingTexts(m_sending, kCaptions, language);
    Label_URL->setText(text(73));
    Label_APN->setText(text(74));
    Label_GateWay->setText(text(75));
    Label_Port->setText(text(76));
    Label_Account->setText(text(77));
    Label_AccountPassword->setText(text(78));
    for (int i = 0; i < 4; ++i) {
        Label_Mobile[i]->setText(NumberedCaption(language, 69, i + 1));
        Label_Email[i]->setText(NumberedCaption(language, 70, i + 1));
    }
    ApplySaveRowTexts(m_saveRow, language);
}

// Either way every typed connection text and recipient is lost. Auto mode starts again
// at the first country with its operators.
void TMMSSetupForm::ApplyMode(mms::ConnectionMode mode)
{
    ShowOperatorLists(m_sending, mode, FromCore(mms::MmsCatalogue().CountryNames()), g_shared.LanguageIndex);
    ResetTextFields(ConnectionFields(), mode == mms::ConnectionMode::Manual);
    ResetTextFields(RecipientFields(), true);
    if (mode == mms::ConnectionMode::Auto)
        ComboBox_CountryChange();
}

QList<QLineEdit *> TMMSSetupForm::ConnectionFields() const
{
    return {Edit_URL, Edit_APN, Edit_GateWay, Edit_Port, Edit_Account, Edit_AccountPassword};
}

QList<QLineEdit *> TMMSSetupForm::RecipientFields() const
{
    QList<QLineEdit *> fields(Edit_Mobile.begin(), Edit_Mobile.end());
    fields.append(QList<QLineEdit *>(Edit_Email.begin(), Edit_Email.end()));
    return fields;
}

mms::MmsSettings TMMSSetupForm::SettingsFromControls() const
{
    mms::MmsSettings s;
    s.Mode = ModeFromControls(m_sending);
    s.Header = HeaderFromControls(m_sending);
    s.Country = ToCore(m_sending.ComboBox_Country->currentText());
    s.Operator = ToCore(m_sending.ComboBox_Operator->currentText());
    s.Url = ToCore(Edit_URL->text());
    s.Apn = ToCore(Edit_APN->text());
    s.Gateway = ToCore(Edit_GateWay->text());
    s.Port = ToCore(Edit_Port->text());
    s.Account = ToCore(Edit_Account->text());
    s.Password = ToCore(Edit_AccountPassword->text());
    for (int i = 0; i < 4; ++i) {
        s.Mobile[i] = ToCore(Edit_Mobile[i]->text());
        s.Email[i] = ToCore(Edit_Email[i]->text());
    }
    return s;
}

// A complete reset: a dialog closed in Manual mode, on another country or with the
// daily report On opens as on the first show.
void TMMSSetupForm::FormShow()
{
    ApplyTexts();
    SelectSendingDefaults(m_sending);
    ApplyDailyReportRule(m_sending);
    ApplyMode(mms::ConnectionMode::Auto);
}

void TMMSSetupForm::ComboBox_CountryChange()
{
    RebuildOperatorList(mms::MmsCatalogue(), m_sending);
}

void TMMSSetupForm::Button_SelectClick()
{
    OpenSaveLocationDialog(kSaveForMms);
}

void TMMSSetupForm::Button_GenerateClick()
{
    const QString path = SaveFilePath(m_saveRow.Edit_SavePath->text(), QString::fromLatin1(mms::kMmsSetupFileName));
    FillEmptyNumber(m_sending);
    std::string failureReason;
    std::optional<mms::Bytes> file = mms::ComposeMmsSetupFile(SettingsFromControls(), &failureReason);
    WriteSettingsFile(m_saveRow.Button_Generate, {GenerationResult::kMmsGenerated, GenerationResult::kMmsFailed}, path,
                      std::move(file), failureReason);
}

