#include "ui/TSystemSetupForm.h"

#include "ui/FormLook.h"
#include "ui/Program.h"
#include "ui/SettingsFileWrite.h"

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

// Positions in the on/off lists (Beep aside, which lists Off first and is no switch).
constexpr int kOnPosition = 0;
constexpr int kOffPosition = 1;
constexpr int kDateOrderYmd = 0;
constexpr int kDateOrderDmy = 1;

// A bevelled panel holding a caption and its drop-down list.
std::tuple<QFrame *, QLabel *, QComboBox *> MakeSetting(QWidget *parent, QRect panelRect, int boxWidth,
                                                        const char *panelName, const char *labelName,
                                                        const char *boxName)
{
    QFrame *panel = MakePanel(parent, panelName, panelRect);
    return {panel, MakeLabel(panel, labelName, kCaption), MakeComboBox(panel, boxName, BoxRect(kBoxLeft, boxWidth))};
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

TSystemSetupForm::TSystemSetupForm(QWidget *parent) : SettingsDialog(parent)
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
    std::tie(Panel_Mode, Label_Mode, ComboBox_Mode) = MakeSetting(
        this, PanelRect(0, Column::Left), kChoiceWidth, "Panel_Mode", "Label_Mode", "ComboBox_Mode");
    std::tie(Panel_PhotoSize, Label_PhotoSize, ComboBox_PhotoSize) = MakeSetting(
        this, PanelRect(0, Column::Right), kChoiceWidth, "Panel_PhotoSize", "Label_PhotoSize", "ComboBox_PhotoSize");
    std::tie(Panel_VideoSize, Label_VideoSize, ComboBox_VideoSize) = MakeSetting(
        this, PanelRect(1, Column::Left), kChoiceWidth, "Panel_VideoSize", "Label_VideoSize", "ComboBox_VideoSize");
    std::tie(Panel_ImageBurst, Label_ImageBurst, ComboBox_ImageBurst) = MakeSetting(
        this, PanelRect(1, Column::Right), kChoiceWidth, "Panel_ImageBurst", "Label_ImageBurst", "ComboBox_ImageBurst");
    std::tie(Panel_VideoLength, Label_VideoLength, ComboBox_VideoLength) =
        MakeSetting(this, PanelRect(2, Column::Left), kChoiceWidth, "Panel_VideoLength", "Label_VideoLength",
                    "ComboBox_VideoLength");
    std::tie(Panel_Beep, Label_Beep, ComboBox_Beep) = MakeSetting(
        this, PanelRect(2, Column::Right), kChoiceWidth, "Panel_Beep", "Label_Beep", "ComboBox_Beep");
    std::tie(Panel_SenseLevel, Label_SenseLevel, ComboBox_SenseLevel) = MakeSetting(
        this, PanelRect(3, Column::Left), kChoiceWidth, "Panel_SenseLevel", "Label_SenseLevel", "ComboBox_SenseLevel");
    std::tie(Panel_Tv, Label_TV, ComboBox_TV) =
        MakeSetting(this, PanelRect(3, Column::Right), kChoiceWidth, "Panel_Tv", "Label_TV", "ComboBox_TV");
    std::tie(Panel_TimeStamp, Label_TimeStamp, ComboBox_TimeStamp) = MakeSetting(
        this, PanelRect(4, Column::Left), kChoiceWidth, "Panel_TimeStamp", "Label_TimeStamp", "ComboBox_TimeStamp");
    // The camera's cycling save is not offered: its panel is never shown, so the file
    // always carries Off.
    std::tie(Panel_CyclingSave, Label_CyclingSave, ComboBox_CyclingSave) =
        MakeSetting(this, PanelRect(4, Column::Right), kChoiceWidth, "Panel_CyclingSave", "Label_CyclingSave",
                    "ComboBox_CyclingSave");
    Panel_CyclingSave->hide();

    std::tie(Panel_SetClock, Label_SetClock, ComboBox_SetClock_DateFormat) =
        MakeSetting(this, PanelRect(5, Column::Full), kSwitchWidth, "Panel_SetClock", "Label_SetClock",
                    "ComboBox_SetClock_DateFormat");
    Edit_SetClock = MakeEdit(Panel_SetClock, "Edit_SetClock", kEditSetClock);
    Edit_SetClock->setReadOnly(true);
    SetBoxEnabled(Edit_SetClock, false);
    // Disabled only so that it takes no input: the clock itself must stay readable.
    QPalette clockPalette = Edit_SetClock->palette();
    clockPalette.setColor(QPalette::Disabled, QPalette::Text, clockPalette.color(QPalette::Active, QPalette::Text));
    Edit_SetClock->setPalette(clockPalette);
    Button_GetTime = MakeButton(Panel_SetClock, "Button_GetTime", kButtonGetTime);

    std::tie(Panel_Interval, Label_Interval_OnOff, ComboBox_Interval_OnOff) =
        MakeSetting(this, PanelRect(6, Column::Full), kSwitchWidth, "Panel_Interval", "Label_Interval_OnOff",
                    "ComboBox_Interval_OnOff");
    Label_Interval_Minute = MakeLabel(Panel_Interval, "Label_Interval_Minute", SubLabelRect(0));
    ComboBox_Interval_Minute = MakeComboBox(Panel_Interval, "ComboBox_Interval_Minute", SubBoxRect(0));
    Label_Interval_Second = MakeLabel(Panel_Interval, "Label_Interval_Second", SubLabelRect(1));
    ComboBox_Interval_Second = MakeComboBox(Panel_Interval, "ComboBox_Interval_Second", SubBoxRect(1));

    std::tie(Panel_TimeLapse, Label_TimeLapse_OnOff, ComboBox_TimeLapse_OnOff) =
        MakeSetting(this, PanelRect(7, Column::Full), kSwitchWidth, "Panel_TimeLapse", "Label_TimeLapse_OnOff",
                    "ComboBox_TimeLapse_OnOff");
    Label_TimeLapse_Hour = MakeLabel(Panel_TimeLapse, "Label_TimeLapse_Hour", SubLabelRect(0));
    ComboBox_TimeLapse_Hour = MakeComboBox(Panel_TimeLapse, "ComboBox_TimeLapse_Hour", SubBoxRect(0));
    Label_TimeLapse_Minute = MakeLabel(Panel_TimeLapse, "Label_TimeLapse_Minute", SubLabelRect(1));
    ComboBox_TimeLapse_Minute = MakeComboBox(Panel_TimeLapse, "ComboBox_TimeLapse_Minute", SubBoxRect(1));

    std::tie(Panel_SerialNo, Label_SerialNo_OnOff, ComboBox_SerialNo_OnOff) =
        MakeSetting(this, PanelRect(8, Column::Full), kSwitchWidth, "Panel_SerialNo", "Label_SerialNo_OnOff",
                    "ComboBox_SerialNo_OnOff");
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "ComboBox_SerialNo_Char" + QByteArray::number(i + 1);
        ComboBox_SerialNo_Char[i] =
            MakeComboBox(Panel_SerialNo, name.constData(), BoxRect(kFieldsLeft + i * kFieldPitch, kNumberWidth));
    }

    std::tie(Panel_Timer, Label_Timer_OnOff, ComboBox_Timer_OnOff) =
        MakeSetting(this, PanelRect(9, Column::Full, kTimerPanelHeight), kSwitchWidth, "Panel_Timer",
                    "Label_Timer_OnOff", "ComboBox_Timer_OnOff");
    CreateTimerControls(Panel_Timer);

    Button_Select = MakeButton(this, "Button_Select", kButtonSelect);
    Edit_SavePath = MakeEdit(this, "Edit_SavePath", kEditSavePath);
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
        const auto make = [&](const char *part, int column) {
            const QByteArray name = "ComboBox_Timer_" + QByteArray(part).replace('#', QByteArray::number(period + 1));
            return MakeComboBox(panel, name.constData(), TimerBoxRect(column, period));
        };
        ComboBox_Timer[period] = {make("Start#_Hour", 0), make("Start#_Minute", 1), make("End#_Hour", 2),
                                  make("End#_Minute", 3)};
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
    return QWidget::eventFilter(watched, event);
}

QList<TSystemSetupForm::ShowPosition> TSystemSetupForm::ShowPositions() const
{
    QList<ShowPosition> positions = {
        {ComboBox_Mode, 0},
        {ComboBox_PhotoSize, 0},
        {ComboBox_VideoSize, 0},
        {ComboBox_ImageBurst, 0},
        {ComboBox_VideoLength, 0},
        {ComboBox_Beep, 1}, // On
        {ComboBox_SenseLevel, 1},
        {ComboBox_TV, 1},
        {ComboBox_TimeStamp, kOnPosition},
        {ComboBox_CyclingSave, kOffPosition},
        {ComboBox_SetClock_DateFormat, kDateOrderDmy},
        {ComboBox_Interval_OnOff, kOffPosition},
        {ComboBox_Interval_Minute, 0},
        {ComboBox_Interval_Second, 0},
        {ComboBox_TimeLapse_OnOff, kOffPosition},
        {ComboBox_TimeLapse_Hour, 0},
        {ComboBox_TimeLapse_Minute, 0},
        {ComboBox_SerialNo_OnOff, kOnPosition},
        {ComboBox_Timer_OnOff, kOffPosition},
    };
    const mms::CameraSettings defaults;
    for (int i = 0; i < 4; ++i)
        positions.append({ComboBox_SerialNo_Char[i], defaults.SerialNoChar[i]}); // T, E, S, T
    for (QComboBox *box : TimerPeriodBoxList())
        positions.append({box, 0});
    return positions;
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
    const int language = g_shared.LanguageIndex;
    const auto text = [language](int number) { return CatalogueText(language, number); };
    const QStringList onOff = {text(38), text(37)};

    setWindowTitle(text(80));
    Label_Mode->setText(text(13));
    FillList(ComboBox_Mode, {text(14), text(15), text(16)});
    Label_PhotoSize->setText(text(17));
    FillList(ComboBox_PhotoSize, {text(18), text(19), text(20)});
    Label_VideoSize->setText(text(21));
    FillList(ComboBox_VideoSize, {text(22), text(23), QStringLiteral("VGA")});
    Label_ImageBurst->setText(text(26));
    FillList(ComboBox_ImageBurst, {text(27), text(28), text(29), text(30), text(31)});
    Label_VideoLength->setText(text(32));
    FillList(ComboBox_VideoLength, {text(33), QStringLiteral("20s"), text(34), text(35)});
    Label_Beep->setText(text(42));
    FillList(ComboBox_Beep, {text(37), text(38)}); // the one on/off list with Off first
    Label_SenseLevel->setText(text(43));
    FillList(ComboBox_SenseLevel, {text(44), text(45), text(46)});
    Label_TV->setText(text(55));
    FillList(ComboBox_TV, {text(56), text(57)});
    Label_TimeStamp->setText(text(58));
    FillList(ComboBox_TimeStamp, onOff);
    Label_CyclingSave->setText(text(59));
    FillList(ComboBox_CyclingSave, onOff);

    Label_SetClock->setText(text(47));
    FillList(ComboBox_SetClock_DateFormat, {QStringLiteral("Y/M/D"), QStringLiteral("D/M/Y"), QStringLiteral("M/D/Y")});
    Button_GetTime->setText(text(88));

    Label_Interval_OnOff->setText(text(36));
    FillList(ComboBox_Interval_OnOff, onOff);
    Label_Interval_Minute->setText(text(40));
    FillList(ComboBox_Interval_Minute, NumberItems(60));
    Label_Interval_Second->setText(text(41));
    FillList(ComboBox_Interval_Second, NumberItems(60));

    Label_TimeLapse_OnOff->setText(text(54));
    FillList(ComboBox_TimeLapse_OnOff, onOff);
    Label_TimeLapse_Hour->setText(text(39));
    FillList(ComboBox_TimeLapse_Hour, NumberItems(24));
    Label_TimeLapse_Minute->setText(text(40));
    FillList(ComboBox_TimeLapse_Minute, NumberItems(60));

    Label_SerialNo_OnOff->setText(text(60));
    FillList(ComboBox_SerialNo_OnOff, onOff);
    for (QComboBox *box : SerialNoCharBoxes())
        FillList(box, SerialCharacterItems());

    Label_Timer_OnOff->setText(text(51));
    FillList(ComboBox_Timer_OnOff, onOff);
    Label_Timer_Start->setText(text(52));
    Label_Timer_End->setText(text(53));
    for (QLabel *label : {Label_Timer_Start_Hour, Label_Timer_End_Hour})
        label->setText(text(39));
    for (QLabel *label : {Label_Timer_Start_Minute, Label_Timer_End_Minute})
        label->setText(text(40));
    for (const TimerPeriodBoxes &period : ComboBox_Timer) {
        FillList(period.StartHour, NumberItems(24));
        FillList(period.StartMinute, NumberItems(60));
        FillList(period.EndHour, NumberItems(24));
        FillList(period.EndMinute, NumberItems(60));
    }

    Button_Select->setText(text(84));
    Button_Generate->setText(text(86));
    Button_Default->setText(text(85));
    Button_Exit->setText(text(87));

    for (const ShowPosition &show : ShowPositions())
        show.Box->setCurrentIndex(show.Position);
    update();
}

void TSystemSetupForm::ApplyCameraSetupDefaults()
{
    for (const ShowPosition &show : ShowPositions())
        show.Box->setCurrentIndex(show.Position);
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
    const auto at = [](const QComboBox *box) { return uint8_t(box->currentIndex()); };
    mms::CameraSettings s;
    s.Mode = at(ComboBox_Mode);
    s.PhotoSize = at(ComboBox_PhotoSize);
    s.VideoSize = at(ComboBox_VideoSize);
    s.ImageBurst = at(ComboBox_ImageBurst);
    s.VideoLength = at(ComboBox_VideoLength);
    s.Beep = at(ComboBox_Beep);
    s.SenseLevel = at(ComboBox_SenseLevel);
    s.TV = at(ComboBox_TV);
    s.TimeStamp = at(ComboBox_TimeStamp);
    s.CyclingSave = at(ComboBox_CyclingSave);
    s.DateFormat = at(ComboBox_SetClock_DateFormat);
    // The clock captured at show, Get Time, date order or Default, not the time now.
    mms::SetCameraClock(s, CalendarTime(m_capturedClock));
    s.IntervalOnOff = at(ComboBox_Interval_OnOff);
    s.IntervalMinute = at(ComboBox_Interval_Minute);
    s.IntervalSecond = at(ComboBox_Interval_Second);
    s.TimeLapseOnOff = at(ComboBox_TimeLapse_OnOff);
    s.TimeLapseHour = at(ComboBox_TimeLapse_Hour);
    s.TimeLapseMinute = at(ComboBox_TimeLapse_Minute);
    s.SerialNoOnOff = at(ComboBox_SerialNo_OnOff);
    for (int i = 0; i < 4; ++i)
        s.SerialNoChar[i] = at(ComboBox_SerialNo_Char[i]);
    s.TimerOnOff = at(ComboBox_Timer_OnOff);
    for (int i = 0; i < 4; ++i) {
        const TimerPeriodBoxes &boxes = ComboBox_Timer[i];
        s.Timer[i] = {at(boxes.StartHour), at(boxes.StartMinute), at(boxes.EndHour), at(boxes.EndMinute)};
    }
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

void TSystemSetupForm::Button_SelectClick()
{
    OpenSaveLocationDialog(kSaveForCamera);
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
    WriteSettingsFile(Button_Generate, {GenerationResult::kCameraGenerated, GenerationResult::kCameraFailed}, path,
                      mms::ComposeCameraSetupFile(SettingsFromControls()));
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
