#include "ui/TSystemSetupForm.h"

#include "advice/Advice.h"
#include "ui/FormLook.h"

#include "ui/CoreText.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <tuple>

namespace {

// The captured clock as the calendar time the core takes.
std::tm CalendarTime(const QDateTime &clock)
{
    std::tm time{};
    time.tm_year = clock.date().year() - 1900;
    time.tm_mon = clock.date().month() - 1;
    time.tm_mday = clock.date().day();
    time.tm_hour = clock.time().hour();
    time.tm_min = clock.time().minute();
    time.tm_sec = clock.time().second();
    return time;
}

constexpr QSize kWindowSize(586, 692);
constexpr int kFontPixels = 13;

// The Off position of the switches (Beep aside, which lists Off first and is no switch).
constexpr int kOffPosition = 1;
// Positions in the date-order list.
constexpr int kDateOrderYmd = 0;
constexpr int kDateOrderDmy = 1;

// A bevelled panel holding a caption and its drop-down list side by side; the rest of
// the setting's controls follow in the same row.
struct SettingRow {
    QFrame *Panel;
    QLabel *Label;
    QComboBox *Box;
    QHBoxLayout *Row;
};

SettingRow MakeSetting(QWidget *parent, const char *panelName, const char *labelName, const char *boxName)
{
    QFrame *panel = MakePanel(parent, panelName);
    QLabel *label = MakeLabel(panel, labelName);
    QComboBox *box = MakeComboBox(panel, boxName);
    label->setBuddy(box);
    QHBoxLayout *row = MakeRowLayout(panel);
    row->addWidget(label);
    row->addWidget(box);
    return {panel, label, box, row};
}

// A caption followed by the list it names, in a setting's row.
QComboBox *AddLabelledBox(QHBoxLayout *row, QLabel *label, QComboBox *box)
{
    label->setBuddy(box);
    row->addWidget(label);
    row->addWidget(box);
    return box;
}

QStringList SerialCharacterItems()
{
    QStringList items = NumberItems(10);
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        items += QString(QLatin1Char(letter));
    return items;
}

// Four spaces, the date in the chosen order, two spaces, the time; no leading zeros.
QString ClockText(const QDateTime &clock, int dateOrder)
{
    const QDate date = clock.date();
    const QTime time = clock.time();
    const auto joined = [](int first, int second, int third) {
        return QStringLiteral("%1/%2/%3").arg(first).arg(second).arg(third);
    };
    QString dateText;
    switch (dateOrder) {
    case kDateOrderYmd:
        dateText = joined(date.year(), date.month(), date.day());
        break;
    case kDateOrderDmy:
        dateText = joined(date.day(), date.month(), date.year());
        break;
    default: // M/D/Y, and also no selection
        dateText = joined(date.month(), date.day(), date.year());
        break;
    }
    return QStringLiteral("    %1  %2:%3:%4").arg(dateText).arg(time.hour()).arg(time.minute()).arg(time.second());
}

} // namespace

const std::vector<CameraSimpleSetting> &CameraSimpleSettings()
{
    using S = mms::CameraSettings;
    static const std::vector<CameraSimpleSetting> settings = {
        // clang-format off
        {"Panel_Mode", "Label_Mode", "ComboBox_Mode", Str::Mode, {Str::Camera, Str::Video, Str::CameraPlusVideo},
         &S::Mode},
        {"Panel_PhotoSize", "Label_PhotoSize", "ComboBox_PhotoSize", Str::PhotoSize,
         {Str::Photo12MP, Str::Photo8MP, Str::Photo5MP}, &S::PhotoSize},
        {"Panel_VideoSize", "Label_VideoSize", "ComboBox_VideoSize", Str::VideoSize,
         {Str::Video1080P, Str::Video720P, "VGA"}, &S::VideoSize},
        {"Panel_ImageBurst", "Label_ImageBurst", "ComboBox_ImageBurst", Str::ImageBurst,
         {Str::Burst1Photo, Str::Burst2Photo, Str::Burst3Photo, Str::Burst4Photo, Str::Burst5Photo}, &S::ImageBurst},
        {"Panel_VideoLength", "Label_VideoLength", "ComboBox_VideoLength", Str::VideoLength,
         {Str::Length10s, "20s", Str::Length30s, Str::Length60s}, &S::VideoLength},
        // The one on/off list with Off first.
        {"Panel_Beep", "Label_Beep", "ComboBox_Beep", Str::Beep, {Str::Off, Str::On}, &S::Beep},
        {"Panel_SenseLevel", "Label_SenseLevel", "ComboBox_SenseLevel", Str::SenseLevel,
         {Str::Low, Str::Medium, Str::High}, &S::SenseLevel},
        {"Panel_Tv", "Label_TV", "ComboBox_TV", Str::TV, {Str::NTSC, Str::PAL}, &S::TV},
        {"Panel_TimeStamp", "Label_TimeStamp", "ComboBox_TimeStamp", Str::TimeStamp, {Str::On, Str::Off},
         &S::TimeStamp},
        {"Panel_CyclingSave", "Label_CyclingSave", "ComboBox_CyclingSave", Str::CyclingSave, {Str::On, Str::Off},
         &S::CyclingSave, true},
    };
    // clang-format on
    return settings;
}

TSystemSetupForm::TSystemSetupForm(QWidget *parent)
    : SettingsDialog({SaveLocationTarget::Camera, GenerationResult::CameraGenerated, GenerationResult::CameraFailed},
                     parent)
{
    PrepareWindow(this, kWindowSize, FormFont(kFontPixels), TitleBarButtons::CloseOnly, true);
    CreateControls();
    ConnectHandlers();
    GuardAgainstTyping();
    FormCreate();
}

// Created top to bottom and left to right, which is also the keyboard order.
void TSystemSetupForm::CreateControls()
{
    QVBoxLayout *layout = MakeColumnLayout(this);

    // The simple settings stand two a row, in two columns of equal width.
    auto *simpleGrid = new QGridLayout;
    layout->addLayout(simpleGrid);
    const std::vector<CameraSimpleSetting> &simple = CameraSimpleSettings();
    for (size_t i = 0; i < simple.size(); ++i) {
        const CameraSimpleSetting &setting = simple[i];
        const SettingRow row = MakeSetting(this, setting.PanelName, setting.LabelName, setting.BoxName);
        row.Row->setStretchFactor(row.Box, 1);
        row.Panel->setVisible(!setting.Hidden);
        simpleGrid->addWidget(row.Panel, int(i / 2), int(i % 2));
        m_simpleSettings.push_back({row.Panel, row.Label, row.Box});
    }
    simpleGrid->setColumnStretch(0, 1);
    simpleGrid->setColumnStretch(1, 1);

    SettingRow clock = MakeSetting(this, "Panel_SetClock", "Label_SetClock", "ComboBox_SetClock_DateFormat");
    std::tie(Panel_SetClock, Label_SetClock, ComboBox_SetClock_DateFormat) =
        std::tie(clock.Panel, clock.Label, clock.Box);
    Edit_SetClock = MakeEdit(Panel_SetClock, "Edit_SetClock");
    // Read-only, not disabled: Tab reaches it and a screen reader reads the clock.
    Edit_SetClock->setReadOnly(true);
    NameForScreenReaders(Edit_SetClock, QStringLiteral("Camera clock"));
    PaintBoxGrey(Edit_SetClock);
    Button_GetTime = MakeButton(Panel_SetClock, "Button_GetTime");
    clock.Row->addWidget(Edit_SetClock, 1);
    clock.Row->addWidget(Button_GetTime, 1);
    layout->addWidget(Panel_SetClock);

    SettingRow interval = MakeSetting(this, "Panel_Interval", "Label_Interval_OnOff", "ComboBox_Interval_OnOff");
    std::tie(Panel_Interval, Label_Interval_OnOff, ComboBox_Interval_OnOff) =
        std::tie(interval.Panel, interval.Label, interval.Box);
    Label_Interval_Minute = MakeLabel(Panel_Interval, "Label_Interval_Minute");
    ComboBox_Interval_Minute =
        AddLabelledBox(interval.Row, Label_Interval_Minute, MakeComboBox(Panel_Interval, "ComboBox_Interval_Minute"));
    Label_Interval_Second = MakeLabel(Panel_Interval, "Label_Interval_Second");
    ComboBox_Interval_Second =
        AddLabelledBox(interval.Row, Label_Interval_Second, MakeComboBox(Panel_Interval, "ComboBox_Interval_Second"));
    interval.Row->addStretch();
    layout->addWidget(Panel_Interval);

    SettingRow lapse = MakeSetting(this, "Panel_TimeLapse", "Label_TimeLapse_OnOff", "ComboBox_TimeLapse_OnOff");
    std::tie(Panel_TimeLapse, Label_TimeLapse_OnOff, ComboBox_TimeLapse_OnOff) =
        std::tie(lapse.Panel, lapse.Label, lapse.Box);
    Label_TimeLapse_Hour = MakeLabel(Panel_TimeLapse, "Label_TimeLapse_Hour");
    ComboBox_TimeLapse_Hour =
        AddLabelledBox(lapse.Row, Label_TimeLapse_Hour, MakeComboBox(Panel_TimeLapse, "ComboBox_TimeLapse_Hour"));
    Label_TimeLapse_Minute = MakeLabel(Panel_TimeLapse, "Label_TimeLapse_Minute");
    ComboBox_TimeLapse_Minute =
        AddLabelledBox(lapse.Row, Label_TimeLapse_Minute, MakeComboBox(Panel_TimeLapse, "ComboBox_TimeLapse_Minute"));
    lapse.Row->addStretch();
    layout->addWidget(Panel_TimeLapse);

    SettingRow serial = MakeSetting(this, "Panel_SerialNo", "Label_SerialNo_OnOff", "ComboBox_SerialNo_OnOff");
    std::tie(Panel_SerialNo, Label_SerialNo_OnOff, ComboBox_SerialNo_OnOff) =
        std::tie(serial.Panel, serial.Label, serial.Box);
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "ComboBox_SerialNo_Char" + QByteArray::number(i + 1);
        ComboBox_SerialNo_Char[i] = MakeComboBox(Panel_SerialNo, name.constData());
        NameForScreenReaders(ComboBox_SerialNo_Char[i], QStringLiteral("Serial number character %1").arg(i + 1));
        serial.Row->addWidget(ComboBox_SerialNo_Char[i]);
    }
    serial.Row->addStretch();
    layout->addWidget(Panel_SerialNo);

    CreateTimerControls();
    layout->addWidget(Panel_Timer);
    layout->addStretch();

    auto *saveRow = new QHBoxLayout;
    Button_Select = MakeButton(this, "Button_Select");
    Edit_SavePath = MakeEdit(this, "Edit_SavePath");
    NameForScreenReaders(Edit_SavePath, QStringLiteral("Save folder"));
    Edit_SavePath->setReadOnly(true);
    PaintBoxGrey(Edit_SavePath);
    saveRow->addWidget(Button_Select, 1);
    saveRow->addWidget(Edit_SavePath, 4);
    layout->addLayout(saveRow);
    layout->addStretch();

    // Generate at the left, Default in the middle, Exit at the right.
    auto *buttonRow = new QHBoxLayout;
    Button_Generate = MakeButton(this, "Button_Generate");
    Button_Default = MakeButton(this, "Button_Default");
    Button_Exit = MakeButton(this, "Button_Exit");
    for (QPushButton *button : {Button_Generate, Button_Default, Button_Exit}) {
        if (button != Button_Generate)
            buttonRow->addStretch(1);
        buttonRow->addWidget(button, 1);
    }
    layout->addLayout(buttonRow);

    for (QComboBox *box :
         {ComboBox_Interval_Minute, ComboBox_Interval_Second, ComboBox_TimeLapse_Hour, ComboBox_TimeLapse_Minute})
        SetBoxEnabled(box, false);
    for (QComboBox *box : SerialNoCharBoxes() + TimerPeriodBoxList())
        SetBoxEnabled(box, false);
}

// The on/off list at the left; the headings Start and End, each over Hour and Min; then
// one row of four lists per period.
void TSystemSetupForm::CreateTimerControls()
{
    Panel_Timer = MakePanel(this, "Panel_Timer");
    Label_Timer_OnOff = MakeLabel(Panel_Timer, "Label_Timer_OnOff");
    ComboBox_Timer_OnOff = MakeComboBox(Panel_Timer, "ComboBox_Timer_OnOff");
    Label_Timer_OnOff->setBuddy(ComboBox_Timer_OnOff);
    QGridLayout *grid = MakeGridLayout(Panel_Timer);
    grid->addWidget(Label_Timer_OnOff, 0, 0);
    grid->addWidget(ComboBox_Timer_OnOff, 0, 1);

    constexpr int kFirstColumn = 2;
    const auto heading = [this](const char *name) { return MakeLabel(Panel_Timer, name, {}, Qt::AlignCenter); };
    Label_Timer_Start = heading("Label_Timer_Start");
    Label_Timer_End = heading("Label_Timer_End");
    grid->addWidget(Label_Timer_Start, 0, kFirstColumn, 1, 2);
    grid->addWidget(Label_Timer_End, 0, kFirstColumn + 2, 1, 2);
    Label_Timer_Start_Hour = heading("Label_Timer_Start_Hour");
    Label_Timer_Start_Minute = heading("Label_Timer_Start_Minute");
    Label_Timer_End_Hour = heading("Label_Timer_End_Hour");
    Label_Timer_End_Minute = heading("Label_Timer_End_Minute");
    const QList<QLabel *> subHeadings = {Label_Timer_Start_Hour, Label_Timer_Start_Minute, Label_Timer_End_Hour,
                                         Label_Timer_End_Minute};
    for (int column = 0; column < 4; ++column)
        grid->addWidget(subHeadings[column], 1, kFirstColumn + column);

    for (int period = 0; period < 4; ++period) {
        // The headings stand over the columns, not beside each list: each list is named.
        const auto make = [&](const char *part, int column, const char *spoken) {
            const QByteArray name = "ComboBox_Timer_" + QByteArray(part).replace('#', QByteArray::number(period + 1));
            QComboBox *box = MakeComboBox(Panel_Timer, name.constData());
            NameForScreenReaders(box, QStringLiteral("Timer %1 %2").arg(period + 1).arg(QLatin1String(spoken)));
            grid->addWidget(box, 2 + period, kFirstColumn + column);
            return box;
        };
        ComboBox_Timer[period] = {make("Start#_Hour", 0, "start hour"), make("Start#_Minute", 1, "start minute"),
                                  make("End#_Hour", 2, "end hour"), make("End#_Minute", 3, "end minute")};
    }
    grid->setColumnStretch(kFirstColumn + 4, 1);
}

void TSystemSetupForm::ConnectHandlers()
{
    // `activated` comes only from the user's pick, so selecting in code runs no handler.
    connect(Button_Exit, &QPushButton::clicked, this, &TSystemSetupForm::Button_ExitClick);
    connect(Button_Select, &QPushButton::clicked, this, &TSystemSetupForm::Button_SelectClick);
    connect(Button_GetTime, &QPushButton::clicked, this, &TSystemSetupForm::Button_GetTimeClick);
    connect(Button_Default, &QPushButton::clicked, this, &TSystemSetupForm::Button_DefaultClick);
    connect(Button_Generate, &QPushButton::clicked, this, &TSystemSetupForm::Button_GenerateClick);
    connect(ComboBox_SetClock_DateFormat, &QComboBox::activated, this,
            &TSystemSetupForm::ComboBox_SetClock_DateFormatChange);
    connect(ComboBox_Interval_OnOff, &QComboBox::activated, this, &TSystemSetupForm::ComboBox_Interval_OnOffChange);
    connect(ComboBox_TimeLapse_OnOff, &QComboBox::activated, this, &TSystemSetupForm::ComboBox_TimeLapse_OnOffChange);
    connect(ComboBox_SerialNo_OnOff, &QComboBox::activated, this, &TSystemSetupForm::ComboBox_SerialNo_OnOffChange);
    connect(ComboBox_Timer_OnOff, &QComboBox::activated, this, &TSystemSetupForm::ComboBox_Timer_OnOffChange);
}

// Every list, open or closed, and both edit fields pass their key presses through
// ComboBox_ModeKeyPress first.
void TSystemSetupForm::GuardAgainstTyping()
{
    for (QComboBox *box : findChildren<QComboBox *>()) {
        box->installEventFilter(this);
        box->view()->installEventFilter(this);
    }
    Edit_SetClock->installEventFilter(this);
    Edit_SavePath->installEventFilter(this);
}

bool TSystemSetupForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && ComboBox_ModeKeyPress(static_cast<QKeyEvent *>(event)))
        return true;
    return SettingsDialog::eventFilter(watched, event);
}

QList<TSystemSetupForm::BoxField> TSystemSetupForm::BoxFields() const
{
    using S = mms::CameraSettings;
    const auto member = [](uint8_t S::*field) { return [field](S &s) -> uint8_t & { return s.*field; }; };
    QList<BoxField> fields;
    for (size_t i = 0; i < m_simpleSettings.size(); ++i)
        fields.append({m_simpleSettings[i].Box, member(CameraSimpleSettings()[i].Member)});
    fields.append({
        {ComboBox_SetClock_DateFormat, member(&S::DateFormat)},
        {ComboBox_Interval_OnOff, member(&S::IntervalOnOff)},
        {ComboBox_Interval_Minute, member(&S::IntervalMinute)},
        {ComboBox_Interval_Second, member(&S::IntervalSecond)},
        {ComboBox_TimeLapse_OnOff, member(&S::TimeLapseOnOff)},
        {ComboBox_TimeLapse_Hour, member(&S::TimeLapseHour)},
        {ComboBox_TimeLapse_Minute, member(&S::TimeLapseMinute)},
        {ComboBox_SerialNo_OnOff, member(&S::SerialNoOnOff)},
        {ComboBox_Timer_OnOff, member(&S::TimerOnOff)},
    });
    for (int i = 0; i < 4; ++i)
        fields.append({ComboBox_SerialNo_Char[i], [i](S &s) -> uint8_t & { return s.SerialNoChar[i]; }});
    for (int i = 0; i < 4; ++i) {
        const TimerPeriodBoxes &boxes = ComboBox_Timer[i];
        fields.append({
            {boxes.StartHour, [i](S &s) -> uint8_t & { return s.Timer[i].StartHour; }},
            {boxes.StartMinute, [i](S &s) -> uint8_t & { return s.Timer[i].StartMinute; }},
            {boxes.EndHour, [i](S &s) -> uint8_t & { return s.Timer[i].EndHour; }},
            {boxes.EndMinute, [i](S &s) -> uint8_t & { return s.Timer[i].EndMinute; }},
        });
    }
    return fields;
}

// The positions every show and Default select are those of a record's defaults.
void TSystemSetupForm::SelectDefaultPositions()
{
    mms::CameraSettings defaults;
    for (const BoxField &box : BoxFields())
        box.Box->setCurrentIndex(box.Field(defaults));
}

QList<QComboBox *> TSystemSetupForm::SerialNoCharBoxes() const
{
    return {ComboBox_SerialNo_Char.begin(), ComboBox_SerialNo_Char.end()};
}

QList<QComboBox *> TSystemSetupForm::TimerPeriodBoxList() const
{
    QList<QComboBox *> boxes;
    for (const TimerPeriodBoxes &period : ComboBox_Timer)
        boxes << period.StartHour << period.StartMinute << period.EndHour << period.EndMinute;
    return boxes;
}

void TSystemSetupForm::ApplyCameraSetupTexts()
{
    const int language = g_languageIndex;
    const auto text = [language](Str number) { return CatalogueText(language, number); };
    const QStringList onOff = {text(Str::On), text(Str::Off)};

    setWindowTitle(text(Str::CameraSetup));
    for (size_t i = 0; i < m_simpleSettings.size(); ++i) {
        const CameraSimpleSetting &setting = CameraSimpleSettings()[i];
        m_simpleSettings[i].Label->setText(text(setting.Caption));
        QStringList items;
        for (const CameraListItem &item : setting.Items)
            items += item.Fixed ? QString::fromLatin1(item.Fixed) : text(item.Number);
        FillList(m_simpleSettings[i].Box, items);
    }

    Label_SetClock->setText(text(Str::SetClock));
    FillList(ComboBox_SetClock_DateFormat, {QStringLiteral("Y/M/D"), QStringLiteral("D/M/Y"), QStringLiteral("M/D/Y")});
    Button_GetTime->setText(text(Str::GetTime));

    Label_Interval_OnOff->setText(text(Str::Interval));
    FillList(ComboBox_Interval_OnOff, onOff);
    Label_Interval_Minute->setText(text(Str::Min));
    FillList(ComboBox_Interval_Minute, NumberItems(60));
    Label_Interval_Second->setText(text(Str::Sec));
    FillList(ComboBox_Interval_Second, NumberItems(60));

    Label_TimeLapse_OnOff->setText(text(Str::TimeLapse));
    FillList(ComboBox_TimeLapse_OnOff, onOff);
    Label_TimeLapse_Hour->setText(text(Str::Hour));
    FillList(ComboBox_TimeLapse_Hour, NumberItems(24));
    Label_TimeLapse_Minute->setText(text(Str::Min));
    FillList(ComboBox_TimeLapse_Minute, NumberItems(60));

    Label_SerialNo_OnOff->setText(text(Str::SerialNo));
    FillList(ComboBox_SerialNo_OnOff, onOff);
    for (QComboBox *box : SerialNoCharBoxes())
        FillList(box, SerialCharacterItems());

    Label_Timer_OnOff->setText(text(Str::Timer));
    FillList(ComboBox_Timer_OnOff, onOff);
    Label_Timer_Start->setText(text(Str::Start));
    Label_Timer_End->setText(text(Str::End));
    for (QLabel *label : {Label_Timer_Start_Hour, Label_Timer_End_Hour})
        label->setText(text(Str::Hour));
    for (QLabel *label : {Label_Timer_Start_Minute, Label_Timer_End_Minute})
        label->setText(text(Str::Min));
    for (const TimerPeriodBoxes &period : ComboBox_Timer) {
        FillList(period.StartHour, NumberItems(24));
        FillList(period.StartMinute, NumberItems(60));
        FillList(period.EndHour, NumberItems(24));
        FillList(period.EndMinute, NumberItems(60));
    }

    Button_Select->setText(text(Str::Select));
    Button_Generate->setText(text(Str::Generate));
    Button_Default->setText(text(Str::Default));
    Button_Exit->setText(text(Str::Exit));
    LineUpColumns();

    SelectDefaultPositions();
    update();
}

// Every panel's caption is as wide as the widest, and so is every switch, so that the
// lists and the fields after them start in the same columns from panel to panel.
void TSystemSetupForm::LineUpColumns()
{
    QList<QWidget *> captions = {Label_SetClock, Label_Interval_OnOff, Label_TimeLapse_OnOff, Label_SerialNo_OnOff,
                                 Label_Timer_OnOff};
    for (const SettingControls &setting : m_simpleSettings)
        captions += setting.Label;
    MatchWidths(captions);
    MatchWidths({ComboBox_SetClock_DateFormat, ComboBox_Interval_OnOff, ComboBox_TimeLapse_OnOff,
                 ComboBox_SerialNo_OnOff, ComboBox_Timer_OnOff});
}

void TSystemSetupForm::ApplyCameraSetupDefaults()
{
    SelectDefaultPositions();
    ResetCameraClock();
    update();
}

void TSystemSetupForm::CaptureCameraClock()
{
    const QDateTime now = m_now();
    // Milliseconds are not part of the camera's clock.
    m_capturedClock = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()));
    ShowCameraClock();
}

void TSystemSetupForm::ResetCameraClock()
{
    const mms::CameraSettings defaults;
    m_capturedClock = QDateTime(QDate(defaults.Year, defaults.Month, defaults.Day),
                                QTime(defaults.Hour, defaults.Minute, defaults.Second));
    ShowCameraClock();
}

void TSystemSetupForm::ShowCameraClock()
{
    Edit_SetClock->setText(ClockText(m_capturedClock, ComboBox_SetClock_DateFormat->currentIndex()));
    Edit_SetClock->setMinimumWidth(EditWidthFor(Edit_SetClock, Edit_SetClock->text()));
}

// Off sets every list of the group to 0 and disables it; On enables the lists and
// leaves their positions.
void TSystemSetupForm::ApplyEnablingRule(const QComboBox *onOff, const QList<QComboBox *> &group)
{
    const bool off = onOff->currentIndex() == kOffPosition;
    for (QComboBox *box : group) {
        if (off)
            box->setCurrentIndex(0);
        SetBoxEnabled(box, !off);
    }
}

// At every show and after Default, so that no list looks enabled while its switch
// reads Off, nor disabled while it reads On.
void TSystemSetupForm::ApplyAllEnablingRules()
{
    ComboBox_Interval_OnOffChange();
    ComboBox_TimeLapse_OnOffChange();
    ComboBox_SerialNo_OnOffChange();
    ComboBox_Timer_OnOffChange();
}

mms::CameraSettings TSystemSetupForm::SettingsFromControls() const
{
    mms::CameraSettings s;
    for (const BoxField &box : BoxFields())
        box.Field(s) = uint8_t(box.Box->currentIndex());
    // The clock captured at show, Get Time, date order or Default, not the time now.
    mms::SetCameraClock(s, CalendarTime(m_capturedClock));
    return s;
}

void TSystemSetupForm::FormCreate()
{
    ApplyCameraSetupDefaults(); // the lists are still empty: the first show selects
    Edit_SavePath->setText(InitialSaveFolder());
    CentreOnScreen(this);
}

void TSystemSetupForm::FormShow()
{
    ApplyCameraSetupTexts();
    CaptureCameraClock();
    ApplyAllEnablingRules();
}

void TSystemSetupForm::Button_GetTimeClick()
{
    CaptureCameraClock();
}

void TSystemSetupForm::Button_DefaultClick()
{
    ApplyCameraSetupDefaults();
    ApplyAllEnablingRules();
}

void TSystemSetupForm::Button_GenerateClick()
{
    const QString path = SaveFilePath(Edit_SavePath->text(), QString::fromLatin1(mms::kCameraSetupFileName));
    const mms::CameraSettings settings = SettingsFromControls();
    WriteFile(path, mms::ComposeCameraSetupFile(settings), mms::AdviseCamera(settings, &mms::IsDaylightSavingLocal));
}

// The date order is not only redrawn: the clock is captured anew.
void TSystemSetupForm::ComboBox_SetClock_DateFormatChange()
{
    CaptureCameraClock();
}

void TSystemSetupForm::ComboBox_Interval_OnOffChange()
{
    ApplyEnablingRule(ComboBox_Interval_OnOff, {ComboBox_Interval_Minute, ComboBox_Interval_Second});
}

void TSystemSetupForm::ComboBox_TimeLapse_OnOffChange()
{
    ApplyEnablingRule(ComboBox_TimeLapse_OnOff, {ComboBox_TimeLapse_Hour, ComboBox_TimeLapse_Minute});
}

void TSystemSetupForm::ComboBox_SerialNo_OnOffChange()
{
    ApplyEnablingRule(ComboBox_SerialNo_OnOff, SerialNoCharBoxes());
}

void TSystemSetupForm::ComboBox_Timer_OnOffChange()
{
    ApplyEnablingRule(ComboBox_Timer_OnOff, TimerPeriodBoxList());
}

// Every setting is picked from a list: a typed character never reaches a list or a
// field, so no position outside a list can arise.
bool TSystemSetupForm::ComboBox_ModeKeyPress(const QKeyEvent *event)
{
    return IsTypedCharacter(event);
}
