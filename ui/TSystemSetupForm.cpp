#include "ui/TSystemSetupForm.h"

#include "ui/FormLook.h"

#include "ui/CoreText.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

// Setting panels stand in rows: two half-width panels or one full-width panel a row.
constexpr int kMargin = 10;
constexpr int kRowHeight = 36;
constexpr int kRowPitch = 43;
constexpr int kHalfWidth = 274;
constexpr int kFullWidth = 558;
constexpr int kTimerPanelHeight = 156;

enum class Column { Left, Right, Full };

QRect PanelRect(int row, Column column, int height = kRowHeight)
{
    const int top = kMargin + row * kRowPitch;
    switch (column) {
    case Column::Left:
        return {kMargin, top, kHalfWidth, height};
    case Column::Right:
        return {2 * kMargin + kHalfWidth, top, kHalfWidth, height};
    case Column::Full:
        break;
    }
    return {kMargin, top, kFullWidth, height};
}

// Inside a panel: the caption, its drop-down list, then further fields in columns.
constexpr int kCaptionLeft = 10;
constexpr int kLabelHeight = 16;
constexpr int kLabelTop = (kRowHeight - kLabelHeight) / 2;
constexpr int kBoxLeft = 110;
constexpr int kBoxHeight = 22;
constexpr int kBoxTop = (kRowHeight - kBoxHeight) / 2;
constexpr QRect kCaption(kCaptionLeft, kLabelTop, kBoxLeft - kCaptionLeft - 4, kLabelHeight);
constexpr int kChoiceWidth = 150; // lists of named choices
constexpr int kSwitchWidth = 76;  // on/off lists and the date order
constexpr int kNumberWidth = 58;  // hours, minutes, seconds, serial characters
constexpr int kFieldsLeft = 206;  // first column after the on/off list
constexpr int kFieldPitch = 68;
constexpr int kSubLabelWidth = 38;

QRect BoxRect(int left, int width)
{
    return {left, kBoxTop, width, kBoxHeight};
}

// A labelled field after the on/off list: "Min" then its list, in pair 0 or 1.
QRect SubLabelRect(int pair)
{
    return {kFieldsLeft + pair * 2 * kFieldPitch, kLabelTop, kSubLabelWidth, kLabelHeight};
}

QRect SubBoxRect(int pair)
{
    return BoxRect(kFieldsLeft + pair * 2 * kFieldPitch + kSubLabelWidth + 4, kNumberWidth);
}

// The clock row: date order, clock display, Get Time.
constexpr QRect kEditSetClock(kFieldsLeft, kBoxTop, 180, kBoxHeight);
constexpr QRect kButtonGetTime(400, kBoxTop - 1, 146, kBoxHeight + 2);

// The timer panel: headings "Start" and "End", each over Hour and Min, then a row of
// four lists per period.
constexpr int kTimerEndLeft = kFieldsLeft + 2 * kFieldPitch + 20;
constexpr int kTimerColumns[] = {kFieldsLeft, kFieldsLeft + kFieldPitch, kTimerEndLeft, kTimerEndLeft + kFieldPitch};
constexpr int kTimerHeadingTop = 6;
constexpr int kTimerSubHeadingTop = 24;
constexpr int kTimerFirstPeriodTop = 44;
constexpr int kTimerPeriodPitch = 27;
constexpr int kTimerHeadingWidth = kFieldPitch + kNumberWidth;

QRect TimerHeadingRect(int column, int top, int width)
{
    return {kTimerColumns[column], top, width, kLabelHeight};
}

QRect TimerBoxRect(int column, int period)
{
    return {kTimerColumns[column], kTimerFirstPeriodTop + period * kTimerPeriodPitch, kNumberWidth, kBoxHeight};
}

// Below the panels.
constexpr QRect kButtonSelect(kMargin, 566, 100, 26);
constexpr QRect kEditSavePath(120, 568, 448, 22);
constexpr int kButtonsTop = 618;
constexpr QSize kButtonSize(120, 30);
constexpr QRect kButtonGenerate(QPoint(kMargin, kButtonsTop), kButtonSize);
constexpr QRect kButtonDefault(QPoint(229, kButtonsTop), kButtonSize);
constexpr QRect kButtonExit(QPoint(448, kButtonsTop), kButtonSize);

// The Off position of the switches (Beep aside, which lists Off first and is no switch).
constexpr int kOffPosition = 1;
// Positions in the date-order list.
constexpr int kDateOrderYmd = 0;
constexpr int kDateOrderDmy = 1;

// A bevelled panel holding a caption and its drop-down list.
std::tuple<QFrame *, QLabel *, QComboBox *> MakeSetting(QWidget *parent, QRect panelRect, int boxWidth,
                                                        const char *panelName, const char *labelName,
                                                        const char *boxName)
{
    QFrame *panel = MakePanel(parent, panelName, panelRect);
    QLabel *label = MakeLabel(panel, labelName, kCaption);
    QComboBox *box = MakeComboBox(panel, boxName, BoxRect(kBoxLeft, boxWidth));
    label->setBuddy(box);
    return {panel, label, box};
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
    return settings;
}

TSystemSetupForm::TSystemSetupForm(QWidget *parent)
    : SettingsDialog({SaveLocationTarget::Camera, GenerationResult::CameraGenerated, GenerationResult::CameraFailed},
                     parent)
{
    PrepareWindow(this, kWindowSize, FormFont(kFontPixels), TitleBarButtons::CloseOnly, false);
    CreateControls();
    ConnectHandlers();
    GuardAgainstTyping();
    FormCreate();
}

// Created top to bottom and left to right, which is also the keyboard order.
void TSystemSetupForm::CreateControls()
{
    const std::vector<CameraSimpleSetting> &simple = CameraSimpleSettings();
    for (size_t i = 0; i < simple.size(); ++i) {
        const CameraSimpleSetting &setting = simple[i];
        SettingControls controls;
        std::tie(controls.Panel, controls.Label, controls.Box) =
            MakeSetting(this, PanelRect(int(i / 2), i % 2 ? Column::Right : Column::Left), kChoiceWidth,
                        setting.PanelName, setting.LabelName, setting.BoxName);
        controls.Panel->setVisible(!setting.Hidden);
        m_simpleSettings.push_back(controls);
    }
    const int firstFullRow = int(simple.size() + 1) / 2;

    std::tie(Panel_SetClock, Label_SetClock, ComboBox_SetClock_DateFormat) =
        MakeSetting(this, PanelRect(firstFullRow + 0, Column::Full), kSwitchWidth, "Panel_SetClock", "Label_SetClock",
                    "ComboBox_SetClock_DateFormat");
    Edit_SetClock = MakeEdit(Panel_SetClock, "Edit_SetClock", kEditSetClock);
    // Read-only, not disabled: Tab reaches it and a screen reader reads the clock.
    Edit_SetClock->setReadOnly(true);
    NameForScreenReaders(Edit_SetClock, QStringLiteral("Camera clock"));
    PaintBoxGrey(Edit_SetClock);
    Button_GetTime = MakeButton(Panel_SetClock, "Button_GetTime", kButtonGetTime);

    std::tie(Panel_Interval, Label_Interval_OnOff, ComboBox_Interval_OnOff) =
        MakeSetting(this, PanelRect(firstFullRow + 1, Column::Full), kSwitchWidth, "Panel_Interval", "Label_Interval_OnOff",
                    "ComboBox_Interval_OnOff");
    Label_Interval_Minute = MakeLabel(Panel_Interval, "Label_Interval_Minute", SubLabelRect(0));
    ComboBox_Interval_Minute = MakeComboBox(Panel_Interval, "ComboBox_Interval_Minute", SubBoxRect(0));
    Label_Interval_Second = MakeLabel(Panel_Interval, "Label_Interval_Second", SubLabelRect(1));
    ComboBox_Interval_Second = MakeComboBox(Panel_Interval, "ComboBox_Interval_Second", SubBoxRect(1));
    Label_Interval_Minute->setBuddy(ComboBox_Interval_Minute);
    Label_Interval_Second->setBuddy(ComboBox_Interval_Second);

    std::tie(Panel_TimeLapse, Label_TimeLapse_OnOff, ComboBox_TimeLapse_OnOff) =
        MakeSetting(this, PanelRect(firstFullRow + 2, Column::Full), kSwitchWidth, "Panel_TimeLapse", "Label_TimeLapse_OnOff",
                    "ComboBox_TimeLapse_OnOff");
    Label_TimeLapse_Hour = MakeLabel(Panel_TimeLapse, "Label_TimeLapse_Hour", SubLabelRect(0));
    ComboBox_TimeLapse_Hour = MakeComboBox(Panel_TimeLapse, "ComboBox_TimeLapse_Hour", SubBoxRect(0));
    Label_TimeLapse_Minute = MakeLabel(Panel_TimeLapse, "Label_TimeLapse_Minute", SubLabelRect(1));
    ComboBox_TimeLapse_Minute = MakeComboBox(Panel_TimeLapse, "ComboBox_TimeLapse_Minute", SubBoxRect(1));
    Label_TimeLapse_Hour->setBuddy(ComboBox_TimeLapse_Hour);
    Label_TimeLapse_Minute->setBuddy(ComboBox_TimeLapse_Minute);

    std::tie(Panel_SerialNo, Label_SerialNo_OnOff, ComboBox_SerialNo_OnOff) =
        MakeSetting(this, PanelRect(firstFullRow + 3, Column::Full), kSwitchWidth, "Panel_SerialNo", "Label_SerialNo_OnOff",
                    "ComboBox_SerialNo_OnOff");
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "ComboBox_SerialNo_Char" + QByteArray::number(i + 1);
        ComboBox_SerialNo_Char[i] =
            MakeComboBox(Panel_SerialNo, name.constData(), BoxRect(kFieldsLeft + i * kFieldPitch, kNumberWidth));
        NameForScreenReaders(ComboBox_SerialNo_Char[i], QStringLiteral("Serial number character %1").arg(i + 1));
    }

    std::tie(Panel_Timer, Label_Timer_OnOff, ComboBox_Timer_OnOff) =
        MakeSetting(this, PanelRect(firstFullRow + 4, Column::Full, kTimerPanelHeight), kSwitchWidth, "Panel_Timer",
                    "Label_Timer_OnOff", "ComboBox_Timer_OnOff");
    CreateTimerControls(Panel_Timer);

    Button_Select = MakeButton(this, "Button_Select", kButtonSelect);
    Edit_SavePath = MakeEdit(this, "Edit_SavePath", kEditSavePath);
    NameForScreenReaders(Edit_SavePath, QStringLiteral("Save folder"));
    Edit_SavePath->setReadOnly(true);
    PaintBoxGrey(Edit_SavePath);
    Button_Generate = MakeButton(this, "Button_Generate", kButtonGenerate);
    Button_Default = MakeButton(this, "Button_Default", kButtonDefault);
    Button_Exit = MakeButton(this, "Button_Exit", kButtonExit);

    for (QComboBox *box : {ComboBox_Interval_Minute, ComboBox_Interval_Second, ComboBox_TimeLapse_Hour,
                           ComboBox_TimeLapse_Minute})
        SetBoxEnabled(box, false);
    for (QComboBox *box : SerialNoCharBoxes() + TimerPeriodBoxList())
        SetBoxEnabled(box, false);
}

void TSystemSetupForm::CreateTimerControls(QFrame *panel)
{
    const auto heading = [panel](const char *name, int column, int top, int width) {
        return MakeLabel(panel, name, TimerHeadingRect(column, top, width), Qt::AlignCenter);
    };
    Label_Timer_Start = heading("Label_Timer_Start", 0, kTimerHeadingTop, kTimerHeadingWidth);
    Label_Timer_End = heading("Label_Timer_End", 2, kTimerHeadingTop, kTimerHeadingWidth);
    Label_Timer_Start_Hour = heading("Label_Timer_Start_Hour", 0, kTimerSubHeadingTop, kNumberWidth);
    Label_Timer_Start_Minute = heading("Label_Timer_Start_Minute", 1, kTimerSubHeadingTop, kNumberWidth);
    Label_Timer_End_Hour = heading("Label_Timer_End_Hour", 2, kTimerSubHeadingTop, kNumberWidth);
    Label_Timer_End_Minute = heading("Label_Timer_End_Minute", 3, kTimerSubHeadingTop, kNumberWidth);
    for (int period = 0; period < 4; ++period) {
        // The headings stand over the columns, not beside each list: each list is named.
        const auto make = [&](const char *part, int column, const char *spoken) {
            const QByteArray name = "ComboBox_Timer_" + QByteArray(part).replace('#', QByteArray::number(period + 1));
            QComboBox *box = MakeComboBox(panel, name.constData(), TimerBoxRect(column, period));
            NameForScreenReaders(box, QStringLiteral("Timer %1 %2").arg(period + 1).arg(QLatin1String(spoken)));
            return box;
        };
        ComboBox_Timer[period] = {make("Start#_Hour", 0, "start hour"), make("Start#_Minute", 1, "start minute"),
                                  make("End#_Hour", 2, "end hour"), make("End#_Minute", 3, "end minute")};
    }
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

    SelectDefaultPositions();
    update();
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
    WriteFile(path, mms::ComposeCameraSetupFile(SettingsFromControls()));
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
