#include "ui/TMMSSetupForm.h"

#include "advice/Advice.h"
#include "ui/FormLook.h"

#include "catalogue/MmsCatalogue.h"
#include "ui/CoreText.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <tuple>

namespace {

constexpr QSize kWindowSize(1080, 563);
constexpr int kFontPixels = 13;
constexpr SendingSetupForm::SendingCaptions kCaptions = {Str::MmsMode, Str::MmsStatus, Str::MmsNumberPerDay};

// The connection panel: six connection fields and Mobile 1 on the left, the other
// seven recipients on the right.
constexpr int kConnectionRows = 7;

QByteArray Numbered(const char *name, int n)
{
    return QByteArray(name) + QByteArray::number(n);
}

} // namespace

TMMSSetupForm::TMMSSetupForm(QWidget *parent)
    : SendingSetupForm({SaveLocationTarget::Mms, GenerationResult::MmsGenerated, GenerationResult::MmsFailed}, parent)
{
    PrepareWindow(this, kWindowSize, FormFont(kFontPixels), TitleBarButtons::CloseOnly, true);
    CreateControls();
    FinishCreation();
}

// Created top to bottom, each column of the connection panel downwards, which is also
// the keyboard order.
void TMMSSetupForm::CreateControls()
{
    GroupBox_MMS = MakeOuterGroupBox("GroupBox_MMS");
    MakeSendingControls(GroupBox_MMS);

    Panel_Connection = MakePanel(GroupBox_MMS, "Panel_Connection");
    GroupColumn()->addWidget(Panel_Connection, 1);
    QGridLayout *grid = MakeFieldGrid(Panel_Connection);
    const auto field = [grid](const char *label, const char *edit, int column, int row) {
        return MakeTextField(grid, label, edit, column, row);
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
        std::tie(Label_Mobile[i], Edit_Mobile[i]) =
            MakeTextField(grid, Numbered("Label_Mobile", n), Numbered("Edit_Mobile", n), first ? 0 : 1,
                          first ? kConnectionRows - 1 : i - 1);
    }
    for (int i = 0; i < 4; ++i) {
        const int n = i + 1;
        std::tie(Label_Email[i], Edit_Email[i]) =
            MakeTextField(grid, Numbered("Label_Email", n), Numbered("Edit_Email", n), 1, i + 3);
    }

    MakeSaveRow(GroupBox_MMS);
}

void TMMSSetupForm::ApplyTexts()
{
    const int language = g_languageIndex;
    const auto text = [language](Str number) { return CatalogueText(language, number); };
    setWindowTitle(text(Str::MmsSetup));
    GroupBox_MMS->setTitle(text(Str::Mms));
    ApplySendingTexts(kCaptions);
    Label_URL->setText(text(Str::Url));
    Label_APN->setText(text(Str::Apn));
    Label_GateWay->setText(text(Str::Gateway));
    Label_Port->setText(text(Str::Port));
    Label_Account->setText(text(Str::Account));
    Label_AccountPassword->setText(text(Str::Password));
    for (int i = 0; i < 4; ++i) {
        Label_Mobile[i]->setText(NumberedCaption(Str::Mobile, i + 1));
        Label_Email[i]->setText(NumberedCaption(Str::Email, i + 1));
    }
}

// Either way every typed connection text and recipient is lost. Auto mode starts again
// at the first country with its operators.
void TMMSSetupForm::ApplyMode(mms::ConnectionMode mode)
{
    ShowOperatorLists(mode, FromCore(mms::MmsCatalogue().CountryNames()));
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
    s.Mode = ModeFromControls();
    s.Header = HeaderFromControls();
    s.Country = CountryText();
    s.Operator = OperatorText();
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
    SelectSendingDefaults();
    ApplyDailyReportRule();
    ApplyMode(mms::ConnectionMode::Auto);
}

void TMMSSetupForm::ComboBox_CountryChange()
{
    RebuildOperatorList(mms::MmsCatalogue());
}

void TMMSSetupForm::Button_GenerateClick()
{
    const QString path = SaveFilePath(m_saveRow.Edit_SavePath->text(), QString::fromLatin1(mms::kMmsSetupFileName));
    FillEmptyNumber();
    std::string composeError;
    const mms::MmsSettings settings = SettingsFromControls();
    const std::optional<mms::Bytes> file = mms::ComposeMmsSetupFile(settings, &composeError);
    WriteFile(path, file, composeError, mms::AdviseMms(settings));
}
