#include "ui/SendingSetupForm.h"

#include "settings/CameraText.h"
#include "ui/SharedValues.h"

#include <QAbstractItemView>
#include <QFrame>
#include <QGroupBox>
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

// The outer group box leaves this much of the client area free around it.
constexpr int kGroupLeft = 8;
constexpr int kGroupTop = 4;
constexpr int kGroupBottomGap = 8;

// Rows of the upper part, in the outer group box.
constexpr int kModeRowTop = 30;
constexpr int kStatusPanelTop = 64;
constexpr int kReportPanelTop = 116;
constexpr int kPanelHeight = 40;
constexpr int kHalfPanelWidth = 508;
constexpr int kRightPanelLeft = kPanelLeft + kFullPanelWidth - kHalfPanelWidth;
constexpr QRect kStatusPanel(kPanelLeft, kStatusPanelTop, kFullPanelWidth, kPanelHeight);
constexpr QRect kReportPanel(kPanelLeft, kReportPanelTop, kHalfPanelWidth, kPanelHeight);
constexpr QRect kCountryPanel(kRightPanelLeft, kReportPanelTop, kHalfPanelWidth, kPanelHeight);

// Inside a panel: a caption, its box, then further captioned boxes to the right.
constexpr int kLabelHeight = 16;
constexpr int kBoxHeight = 22;
constexpr int kLabelTop = (kPanelHeight - kLabelHeight) / 2;
constexpr int kBoxTop = (kPanelHeight - kBoxHeight) / 2;
constexpr int kCaptionLeft = 12;
constexpr int kCaptionWidth = 100;
constexpr int kBoxLeft = kCaptionLeft + kCaptionWidth + 4;
constexpr int kChoiceWidth = 120;

constexpr QRect PanelLabel(int left, int width)
{
    return {left, kLabelTop, width, kLabelHeight};
}

constexpr QRect PanelBox(int left, int width)
{
    return {left, kBoxTop, width, kBoxHeight};
}

constexpr QRect kModeLabel(kPanelLeft + kCaptionLeft, kModeRowTop + (kBoxHeight - kLabelHeight) / 2, kCaptionWidth,
                           kLabelHeight);
constexpr QRect kModeBox(kPanelLeft + kBoxLeft, kModeRowTop, kChoiceWidth, kBoxHeight);
constexpr QRect kCaption = PanelLabel(kCaptionLeft, kCaptionWidth);
constexpr QRect kChoiceBox = PanelBox(kBoxLeft, kChoiceWidth);
// The sending panel, after the status: number per day and its note.
constexpr QRect kNumberLabel = PanelLabel(280, 120);
constexpr QRect kNumberBox = PanelBox(404, 40);
constexpr QRect kNoteLabel = PanelLabel(460, 200);
// The daily report panel, after the switch: the hour.
constexpr QRect kReportSwitchBox = PanelBox(kBoxLeft, 80);
constexpr QRect kHourLabel = PanelLabel(230, 40);
constexpr QRect kHourBox = PanelBox(274, 64);
// The country panel: two captioned lists wide enough for the longest names.
constexpr QRect kCountryLabel = PanelLabel(kCaptionLeft, 60);
constexpr QRect kCountryBox = PanelBox(76, 170);
constexpr QRect kOperatorLabel = PanelLabel(262, 64);
constexpr QRect kOperatorBox = PanelBox(330, 166);

// The bottom row, measured from the foot of the outer group box.
constexpr int kSaveRowFromBottom = 50;
constexpr QSize kSelectSize(100, 26);
constexpr int kSavePathLeft = kPanelLeft + 110;
constexpr int kSavePathWidth = 580;
constexpr QSize kButtonSize(120, 30);
constexpr int kExitLeft = kPanelLeft + kFullPanelWidth - kButtonSize.width();
constexpr int kGenerateLeft = kExitLeft - kButtonSize.width() - 20;

// Text-field grid: caption, then the field, in two columns.
constexpr int kFieldColumns[] = {14, 530};
constexpr int kFieldCaptionWidth = 100;
constexpr int kFieldWidth = 380;

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
    return {ComboBox_MMSMode,           ComboBox_MMSStatus, ComboBox_DailyReport_OnOff,
            ComboBox_DailyReport_Hour, ComboBox_Country,   ComboBox_Operator};
}

QGroupBox *SendingSetupForm::MakeOuterGroupBox(const char *name)
{
    return MakeGroupBox(this, name,
                        {kGroupLeft, kGroupTop, width() - 2 * kGroupLeft, height() - kGroupTop - kGroupBottomGap});
}

void SendingSetupForm::MakeSendingControls(QGroupBox *groupBox)
{
    SendingControls &c = m_sending;
    c.Label_MMSMode = MakeLabel(groupBox, "Label_MMSMode", kModeLabel);
    c.ComboBox_MMSMode = MakeComboBox(groupBox, "ComboBox_MMSMode", kModeBox);

    c.Panel_MMSStatus = MakePanel(groupBox, "Panel_MMSStatus", kStatusPanel);
    c.Label_MMSStatus = MakeLabel(c.Panel_MMSStatus, "Label_MMSStatus", kCaption);
    c.ComboBox_MMSStatus = MakeComboBox(c.Panel_MMSStatus, "ComboBox_MMSStatus", kChoiceBox);
    c.Label_MMSNumberPerDay = MakeLabel(c.Panel_MMSStatus, "Label_MMSNumberPerDay", kNumberLabel);
    c.Edit_MMSNumberPerDay = MakeEdit(c.Panel_MMSStatus, "Edit_MMSNumberPerDay", kNumberBox);
    c.Edit_MMSNumberPerDay->setMaxLength(2);
    // Typed keys meet the dialog's key handler first; this refuses pasted text too.
    c.Edit_MMSNumberPerDay->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), c.Edit_MMSNumberPerDay));
    c.Label_MMSNumberPerDay_Note_0_Unlimited =
        MakeLabel(c.Panel_MMSStatus, "Label_MMSNumberPerDay_Note_0_Unlimited", kNoteLabel);

    c.Panel_DailyReport = MakePanel(groupBox, "Panel_DailyReport", kReportPanel);
    c.Label_DailyReport_OnOff = MakeLabel(c.Panel_DailyReport, "Label_DailyReport_OnOff", kCaption);
    c.ComboBox_DailyReport_OnOff = MakeComboBox(c.Panel_DailyReport, "ComboBox_DailyReport_OnOff", kReportSwitchBox);
    c.Label_DailyReport_Hour = MakeLabel(c.Panel_DailyReport, "Label_DailyReport_Hour", kHourLabel);
    c.ComboBox_DailyReport_Hour = MakeComboBox(c.Panel_DailyReport, "ComboBox_DailyReport_Hour", kHourBox);

    c.Panel_Country = MakePanel(groupBox, "Panel_Country", kCountryPanel);
    c.Label_Country = MakeLabel(c.Panel_Country, "Label_Country", kCountryLabel);
    c.ComboBox_Country = MakeComboBox(c.Panel_Country, "ComboBox_Country", kCountryBox);
    c.Label_Operator = MakeLabel(c.Panel_Country, "Label_Operator", kOperatorLabel);
    c.ComboBox_Operator = MakeComboBox(c.Panel_Country, "ComboBox_Operator", kOperatorBox);

    // Each caption names the control beside it for screen readers.
    c.Label_MMSMode->setBuddy(c.ComboBox_MMSMode);
    c.Label_MMSStatus->setBuddy(c.ComboBox_MMSStatus);
    c.Label_MMSNumberPerDay->setBuddy(c.Edit_MMSNumberPerDay);
    c.Label_DailyReport_OnOff->setBuddy(c.ComboBox_DailyReport_OnOff);
    c.Label_DailyReport_Hour->setBuddy(c.ComboBox_DailyReport_Hour);
    c.Label_Country->setBuddy(c.ComboBox_Country);
    c.Label_Operator->setBuddy(c.ComboBox_Operator);
}

void SendingSetupForm::MakeSaveRow(QGroupBox *groupBox)
{
    const int top = groupBox->height() - kSaveRowFromBottom;
    SaveRowControls &c = m_saveRow;
    c.Button_Select = MakeButton(groupBox, "Button_Select", {QPoint(kPanelLeft, top + 2), kSelectSize});
    c.Edit_SavePath = MakeEdit(groupBox, "Edit_SavePath", {kSavePathLeft, top + 4, kSavePathWidth, kBoxHeight});
    c.Edit_SavePath->setReadOnly(true);
    NameForScreenReaders(c.Edit_SavePath, QStringLiteral("Save folder"));
    PaintBoxGrey(c.Edit_SavePath);
    c.Button_Generate = MakeButton(groupBox, "Button_Generate", {QPoint(kGenerateLeft, top), kButtonSize});
    c.Button_Exit = MakeButton(groupBox, "Button_Exit", {QPoint(kExitLeft, top), kButtonSize});
}

std::pair<QLabel *, QLineEdit *> SendingSetupForm::MakeTextField(QWidget *parent, const QByteArray &labelName,
                                                                 const QByteArray &editName, FieldGrid grid,
                                                                 int column, int row)
{
    const int left = kFieldColumns[column];
    const int top = grid.Top + row * grid.Pitch;
    QLabel *label = MakeLabel(parent, labelName.constData(),
                              {left, top + (kTextFieldHeight - kLabelHeight) / 2, kFieldCaptionWidth, kLabelHeight});
    QLineEdit *edit =
        MakeEdit(parent, editName.constData(), {left + kFieldCaptionWidth + 4, top, kFieldWidth, kTextFieldHeight});
    label->setBuddy(edit);
    edit->setMaxLength(int(mms::kMaxTextLength));
    edit->setValidator(new WritableTextValidator(edit));
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
    FillList(c.ComboBox_MMSStatus, {text(Str::Off), text(Str::Status800x600), text(Str::StatusVga), text(Str::StatusSms)});
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
