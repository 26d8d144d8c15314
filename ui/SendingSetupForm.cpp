#include "ui/SendingSetupForm.h"

#include "settings/CameraText.h"
#include "ui/SharedValues.h"

#include <QAbstractItemView>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QValidator>

namespace {

// Positions in the lists.
constexpr int kAutoPosition = 0;
constexpr int kManualPosition = 1;
constexpr int kStatus800x600 = 1;
constexpr int kReportOffPosition = 1;

// Accepts only text the camera can read back as typed: Latin-1 without control
// characters, the rule the settings files apply.
class WritableTextValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        return mms::UnwritableTextReason({}, ToCore(input)).empty() ? Acceptable : Invalid;
    }
};

} // namespace
void SendingSetupForm::FinishCreation()
{
    // `activated` comes only from the user's pick, so selecting in code runs no handler.
    connect(m_sending.ComboBox_MMSMode, &QComboBox::activated, this, &SendingSetupForm::ComboBox_MMSModeChange);
    connect(m_sending.ComboBox_Country, &QComboBox::activated, this, &SendingSetupForm::ComboBox_CountryChange);
    connect(m_sending.ComboBox_DailyReport_OnOff, &QComboBox::activated, this,
            &SendingSetupForm::ComboBox_DailyReport_OnOffChange);
    connect(m_sending.Edit_MMSNumberPerDay, &QLineEdit::editingFinished, this,
            &SendingSetupForm::Edit_MMSNumberPerDayExit);
    connect(m_saveRow.Button_Select, &QPushButton::clicked, this, &SendingSetupForm::Button_SelectClick);
    connect(m_saveRow.Button_Generate, &QPushButton::clicked, this, &SendingSetupForm::Button_GenerateClick);
    connect(m_saveRow.Button_Exit, &QPushButton::clicked, this, &SendingSetupForm::Button_ExitClick);
    // Every list, open or closed, and the number field pass their key presses through
    // the handlers first.
    for (QComboBox *list : m_sending.Lists()) {
        list->installEventFilter(this);
        list->view()->installEventFilter(this);
    }
    m_sending.Edit_MMSNumberPerDay->installEventFilter(this);
    FormCreate();
}

bool SendingSetupForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool discard = watched == m_sending.Edit_MMSNumberPerDay ? Edit_MMSNumberPerDayKeyPress(key)
                                                                       : ComboBox_MMSModeKeyPress(key);
        if (discard)
            return true;
    }
    return SettingsDialog::eventFilter(watched, event);
}

void SendingSetupForm::FormCreate()
{
    m_saveRow.Edit_SavePath->setText(InitialSaveFolder());
    CentreOnScreen(this);
}

void SendingSetupForm::ComboBox_MMSModeChange()
{
    ApplyMode(ModeFromControls());
}

void SendingSetupForm::ComboBox_DailyReport_OnOffChange()
{
    ApplyDailyReportRule();
}

void SendingSetupForm::Edit_MMSNumberPerDayExit()
{
    FillEmptyNumber();
}

// Every list, the country and operator lists too, changes only by picking an item.
bool SendingSetupForm::ComboBox_MMSModeKeyPress(const QKeyEvent *event)
{
    return IsTypedCharacter(event);
}

QList<QComboBox *> SendingSetupForm::SendingControls::Lists() const
{
    return {ComboBox_MMSMode,          ComboBox_MMSStatus, ComboBox_DailyReport_OnOff,
            ComboBox_DailyReport_Hour, ComboBox_Country,   ComboBox_Operator};
}

QGroupBox *SendingSetupForm::MakeOuterGroupBox(const char *name)
{
    QGroupBox *groupBox = MakeGroupBox(this, name);
    MakeColumnLayout(this)->addWidget(groupBox);
    m_groupColumn = MakeColumnLayout(groupBox);
    return groupBox;
}

// A panel holding a row of controls, or the row itself where no panel frames it.
QHBoxLayout *SendingSetupForm::AddPanelRow(QWidget *panel, QHBoxLayout *into)
{
    QHBoxLayout *row = MakeRowLayout(panel);
    if (into)
        into->addWidget(panel, 1);
    else
        m_groupColumn->addWidget(panel);
    return row;
}

void SendingSetupForm::MakeSendingControls(QGroupBox *groupBox)
{
    SendingControls &c = m_sending;
    const auto captioned = [](QHBoxLayout *row, QLabel *label, QWidget *control) {
        label->setBuddy(control);
        row->addWidget(label);
        row->addWidget(control);
    };

    auto *modePanel = new QWidget(groupBox);
    QHBoxLayout *modeRow = AddPanelRow(modePanel);
    c.Label_MMSMode = MakeLabel(modePanel, "Label_MMSMode");
    c.ComboBox_MMSMode = MakeComboBox(modePanel, "ComboBox_MMSMode");
    captioned(modeRow, c.Label_MMSMode, c.ComboBox_MMSMode);
    modeRow->addStretch();

    c.Panel_MMSStatus = MakePanel(groupBox, "Panel_MMSStatus");
    QHBoxLayout *statusRow = AddPanelRow(c.Panel_MMSStatus);
    c.Label_MMSStatus = MakeLabel(c.Panel_MMSStatus, "Label_MMSStatus");
    c.ComboBox_MMSStatus = MakeComboBox(c.Panel_MMSStatus, "ComboBox_MMSStatus");
    captioned(statusRow, c.Label_MMSStatus, c.ComboBox_MMSStatus);
    AddGap(statusRow);
    c.Label_MMSNumberPerDay = MakeLabel(c.Panel_MMSStatus, "Label_MMSNumberPerDay");
    c.Edit_MMSNumberPerDay = MakeEdit(c.Panel_MMSStatus, "Edit_MMSNumberPerDay");
    c.Edit_MMSNumberPerDay->setMaxLength(2);
    // Typed keys meet the dialog's key handler first; this refuses pasted text too.
    c.Edit_MMSNumberPerDay->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), c.Edit_MMSNumberPerDay));
    captioned(statusRow, c.Label_MMSNumberPerDay, c.Edit_MMSNumberPerDay);
    c.Label_MMSNumberPerDay_Note_0_Unlimited = MakeLabel(c.Panel_MMSStatus, "Label_MMSNumberPerDay_Note_0_Unlimited");
    statusRow->addWidget(c.Label_MMSNumberPerDay_Note_0_Unlimited);
    statusRow->addStretch();

    auto *reportAndCountry = new QHBoxLayout;
    m_groupColumn->addLayout(reportAndCountry);
    c.Panel_DailyReport = MakePanel(groupBox, "Panel_DailyReport");
    QHBoxLayout *reportRow = AddPanelRow(c.Panel_DailyReport, reportAndCountry);
    c.Label_DailyReport_OnOff = MakeLabel(c.Panel_DailyReport, "Label_DailyReport_OnOff");
    c.ComboBox_DailyReport_OnOff = MakeComboBox(c.Panel_DailyReport, "ComboBox_DailyReport_OnOff");
    captioned(reportRow, c.Label_DailyReport_OnOff, c.ComboBox_DailyReport_OnOff);
    AddGap(reportRow);
    c.Label_DailyReport_Hour = MakeLabel(c.Panel_DailyReport, "Label_DailyReport_Hour");
    c.ComboBox_DailyReport_Hour = MakeComboBox(c.Panel_DailyReport, "ComboBox_DailyReport_Hour");
    captioned(reportRow, c.Label_DailyReport_Hour, c.ComboBox_DailyReport_Hour);
    reportRow->addStretch();

    c.Panel_Country = MakePanel(groupBox, "Panel_Country");
    QHBoxLayout *countryRow = AddPanelRow(c.Panel_Country, reportAndCountry);
    c.Label_Country = MakeLabel(c.Panel_Country, "Label_Country");
    c.ComboBox_Country = MakeComboBox(c.Panel_Country, "ComboBox_Country");
    captioned(countryRow, c.Label_Country, c.ComboBox_Country);
    countryRow->setStretchFactor(c.ComboBox_Country, 1);
    AddGap(countryRow);
    c.Label_Operator = MakeLabel(c.Panel_Country, "Label_Operator");
    c.ComboBox_Operator = MakeComboBox(c.Panel_Country, "ComboBox_Operator");
    captioned(countryRow, c.Label_Operator, c.ComboBox_Operator);
    countryRow->setStretchFactor(c.ComboBox_Operator, 1);
}

void SendingSetupForm::MakeSaveRow(QGroupBox *groupBox)
{
    auto *row = new QHBoxLayout;
    m_groupColumn->addLayout(row);
    SaveRowControls &c = m_saveRow;
    c.Button_Select = MakeButton(groupBox, "Button_Select");
    c.Edit_SavePath = MakeEdit(groupBox, "Edit_SavePath");
    c.Edit_SavePath->setReadOnly(true);
    NameForScreenReaders(c.Edit_SavePath, QStringLiteral("Save folder"));
    PaintBoxGrey(c.Edit_SavePath);
    c.Button_Generate = MakeButton(groupBox, "Button_Generate");
    c.Button_Exit = MakeButton(groupBox, "Button_Exit");
    // Select and the folder at the left, Generate and Exit at the right.
    row->addWidget(c.Button_Select, 1);
    row->addWidget(c.Edit_SavePath, 6);
    row->addStretch(1);
    row->addWidget(c.Button_Generate, 1);
    row->addWidget(c.Button_Exit, 1);
}

QGridLayout *SendingSetupForm::MakeFieldGrid(QWidget *panel)
{
    QGridLayout *grid = MakeGridLayout(panel);
    // Two columns of caption and field, the fields sharing the width.
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    grid->setColumnMinimumWidth(2, 3 * panel->fontMetrics().averageCharWidth());
    return grid;
}

std::pair<QLabel *, QLineEdit *> SendingSetupForm::MakeTextField(QGridLayout *grid, const QByteArray &labelName,
                                                                 const QByteArray &editName, int column, int row)
{
    QWidget *parent = grid->parentWidget();
    QLabel *label = MakeLabel(parent, labelName.constData());
    QLineEdit *edit = MakeEdit(parent, editName.constData());
    label->setBuddy(edit);
    edit->setMaxLength(int(mms::kMaxTextLength));
    edit->setValidator(new WritableTextValidator(edit));
    // Spare height spreads the rows apart.
    grid->setRowStretch(row, 1);
    grid->addWidget(label, row, 3 * column);
    grid->addWidget(edit, row, 3 * column + 1);
    return {label, edit};
}

QString SendingSetupForm::NumberedCaption(Str number, int n)
{
    return CatalogueText(g_languageIndex, number) + QStringLiteral(" %1").arg(n);
}

void SendingSetupForm::ApplySendingTexts(SendingCaptions captions)
{
    const SendingControls &c = m_sending;
    const int language = g_languageIndex;
    const auto text = [language](Str number) { return CatalogueText(language, number); };
    c.Label_MMSMode->setText(text(captions.Mode));
    FillList(c.ComboBox_MMSMode, {text(Str::Auto), text(Str::Manual)});
    c.Label_MMSStatus->setText(text(captions.Status));
    FillList(c.ComboBox_MMSStatus,
             {text(Str::Off), text(Str::Status800x600), text(Str::StatusVga), text(Str::StatusSms)});
    c.Label_MMSNumberPerDay->setText(text(captions.NumberPerDay));
    c.Label_MMSNumberPerDay_Note_0_Unlimited->setText(text(Str::NoteZeroUnlimited));
    c.Edit_MMSNumberPerDay->setAccessibleDescription(text(Str::NoteZeroUnlimited));
    c.Label_DailyReport_OnOff->setText(text(Str::DailyReport));
    FillList(c.ComboBox_DailyReport_OnOff, {text(Str::On), text(Str::Off)});
    c.Label_DailyReport_Hour->setText(text(Str::Hour));
    FillList(c.ComboBox_DailyReport_Hour, NumberItems(24));
    c.Label_Country->setText(text(Str::Country));
    c.Label_Operator->setText(text(Str::Operator));
    m_saveRow.Button_Select->setText(text(Str::Select));
    m_saveRow.Button_Generate->setText(text(Str::Generate));
    m_saveRow.Button_Exit->setText(text(Str::Exit));
    // The captions and lists of the upper rows line up from panel to panel.
    MatchWidths({c.Label_MMSMode, c.Label_MMSStatus, c.Label_DailyReport_OnOff});
    MatchWidths({c.ComboBox_MMSMode, c.ComboBox_MMSStatus});
    FitToDigits(c.Edit_MMSNumberPerDay, 2);
}

void SendingSetupForm::SelectSendingDefaults()
{
    const SendingControls &c = m_sending;
    c.ComboBox_MMSMode->setCurrentIndex(kAutoPosition);
    c.ComboBox_MMSStatus->setCurrentIndex(kStatus800x600);
    c.Edit_MMSNumberPerDay->setText(QStringLiteral("0"));
    c.ComboBox_DailyReport_OnOff->setCurrentIndex(kReportOffPosition);
    c.ComboBox_DailyReport_Hour->setCurrentIndex(0);
}

void SendingSetupForm::ApplyDailyReportRule()
{
    const SendingControls &c = m_sending;
    const bool off = c.ComboBox_DailyReport_OnOff->currentIndex() == kReportOffPosition;
    if (off)
        c.ComboBox_DailyReport_Hour->setCurrentIndex(0);
    SetBoxEnabled(c.ComboBox_DailyReport_Hour, !off);
}

void SendingSetupForm::ShowOperatorLists(mms::ConnectionMode mode, const QStringList &countries)
{
    const SendingControls &c = m_sending;
    const bool automatic = mode == mms::ConnectionMode::Auto;
    if (automatic) {
        FillList(c.ComboBox_Country, countries);
        c.ComboBox_Country->setCurrentIndex(0);
    } else {
        const QString other = CatalogueText(g_languageIndex, Str::Other);
        for (QComboBox *list : {c.ComboBox_Country, c.ComboBox_Operator}) {
            FillList(list, {other});
            list->setCurrentIndex(0);
        }
    }
    SetBoxEnabled(c.ComboBox_Country, automatic);
    SetBoxEnabled(c.ComboBox_Operator, automatic);
}

void SendingSetupForm::ResetTextFields(const QList<QLineEdit *> &fields, bool editable)
{
    for (QLineEdit *field : fields) {
        field->clear();
        field->setReadOnly(!editable);
        if (editable)
            SetBoxEnabled(field, true);
        else
            PaintBoxGrey(field);
    }
}

// Refuses a typed character other than the digits 0 to 9; backspace and the navigation
// keys pass.
bool SendingSetupForm::Edit_MMSNumberPerDayKeyPress(const QKeyEvent *event)
{
    if (!IsTypedCharacter(event))
        return false;
    const QChar typed = event->text().front();
    return typed < QLatin1Char('0') || typed > QLatin1Char('9');
}

void SendingSetupForm::FillEmptyNumber()
{
    if (m_sending.Edit_MMSNumberPerDay->text().isEmpty())
        m_sending.Edit_MMSNumberPerDay->setText(QStringLiteral("0"));
}

mms::ConnectionMode SendingSetupForm::ModeFromControls() const
{
    return m_sending.ComboBox_MMSMode->currentIndex() == kManualPosition ? mms::ConnectionMode::Manual
                                                                         : mms::ConnectionMode::Auto;
}

mms::SendingHeader SendingSetupForm::HeaderFromControls() const
{
    const SendingControls &c = m_sending;
    mms::SendingHeader header;
    header.Status = uint8_t(c.ComboBox_MMSStatus->currentIndex());
    header.NumberPerDay = ToCore(c.Edit_MMSNumberPerDay->text());
    header.DailyReportOnOff = uint8_t(c.ComboBox_DailyReport_OnOff->currentIndex());
    header.DailyReportHour = uint8_t(c.ComboBox_DailyReport_Hour->currentIndex());
    return header;
}

std::string SendingSetupForm::CountryText() const
{
    return ToCore(m_sending.ComboBox_Country->currentText());
}

std::string SendingSetupForm::OperatorText() const
{
    return ToCore(m_sending.ComboBox_Operator->currentText());
}
