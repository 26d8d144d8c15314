#pragma once

#include "settings/CameraSettings.h"
#include "ui/CoreText.h"
#include "ui/SettingsDialog.h"

#include <QDateTime>
#include <QList>

#include <array>
#include <functional>
#include <vector>

class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

// A list item: a catalogue string, or a text that reads the same in every language.
struct CameraListItem {
    constexpr CameraListItem(Str number) : Number(number) {}
    constexpr CameraListItem(const char *fixed) : Fixed(fixed) {}
    Str Number{};
    const char *Fixed = nullptr;
};

// One of the camera's ten simple settings: a caption and a list in a bevelled panel,
// the names of the three controls, their texts, and the byte of the record (described
// by the core's field table) that the list's position is.
struct CameraSimpleSetting {
    const char *PanelName;
    const char *LabelName;
    const char *BoxName;
    Str Caption;
    std::vector<CameraListItem> Items;
    uint8_t mms::CameraSettings::*Member;
    bool Hidden = false; // the camera's cycling save is not offered: the file always carries Off
};
// In the dialog's order: two a row, left then right.
const std::vector<CameraSimpleSetting> &CameraSimpleSettings();

// The camera settings dialog: every camera setting is a drop-down list, the camera
// clock is captured from the computer, and Generate writes CAMERASETUP.dat into the
// save folder. Each show starts again from the default selections.
class TSystemSetupForm : public SettingsDialog {
    Q_OBJECT
public:
    explicit TSystemSetupForm(QWidget *parent = nullptr);

    void ApplyCameraSetupTexts();
    void ApplyCameraSetupDefaults();
    void CaptureCameraClock();
    void ResetCameraClock();
    void ShowCameraClock();

    QLineEdit *SavePathEdit() const override { return Edit_SavePath; }
    QPushButton *GenerateButton() const override { return Button_Generate; }
    // Where the clock is read from; the computer's local clock unless a test sets another.
    void SetClockSource(std::function<QDateTime()> now) { m_now = std::move(now); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct SettingControls {
        QFrame *Panel = nullptr;
        QLabel *Label = nullptr;
        QComboBox *Box = nullptr;
    };
    struct TimerPeriodBoxes {
        QComboBox *StartHour = nullptr;
        QComboBox *StartMinute = nullptr;
        QComboBox *EndHour = nullptr;
        QComboBox *EndMinute = nullptr;
    };
    // A list and the byte of the record its position is.
    struct BoxField {
        QComboBox *Box;
        std::function<uint8_t &(mms::CameraSettings &)> Field;
    };

    void CreateControls();
    void CreateTimerControls();
    void ConnectHandlers();
    void LineUpColumns();
    void GuardAgainstTyping();
    QList<BoxField> BoxFields() const;
    // Every list to the position of a default record.
    void SelectDefaultPositions();
    QList<QComboBox *> SerialNoCharBoxes() const;
    QList<QComboBox *> TimerPeriodBoxList() const;
    void ApplyEnablingRule(const QComboBox *onOff, const QList<QComboBox *> &group);
    void ApplyAllEnablingRules();
    mms::CameraSettings SettingsFromControls() const;

    // Event handlers
    void FormCreate();
    void FormShow() override;
    void Button_GetTimeClick();
    void Button_DefaultClick();
    void Button_GenerateClick();
    void ComboBox_SetClock_DateFormatChange();
    void ComboBox_Interval_OnOffChange();
    void ComboBox_TimeLapse_OnOffChange();
    void ComboBox_SerialNo_OnOffChange();
    void ComboBox_Timer_OnOffChange();
    bool ComboBox_ModeKeyPress(const QKeyEvent *event);

    std::vector<SettingControls> m_simpleSettings; // in the order of CameraSimpleSettings()

    QFrame *Panel_SetClock = nullptr;
    QLabel *Label_SetClock = nullptr;
    QComboBox *ComboBox_SetClock_DateFormat = nullptr;
    QLineEdit *Edit_SetClock = nullptr;
    QPushButton *Button_GetTime = nullptr;

    QFrame *Panel_Interval = nullptr;
    QLabel *Label_Interval_OnOff = nullptr;
    QComboBox *ComboBox_Interval_OnOff = nullptr;
    QLabel *Label_Interval_Minute = nullptr;
    QComboBox *ComboBox_Interval_Minute = nullptr;
    QLabel *Label_Interval_Second = nullptr;
    QComboBox *ComboBox_Interval_Second = nullptr;

    QFrame *Panel_TimeLapse = nullptr;
    QLabel *Label_TimeLapse_OnOff = nullptr;
    QComboBox *ComboBox_TimeLapse_OnOff = nullptr;
    QLabel *Label_TimeLapse_Hour = nullptr;
    QComboBox *ComboBox_TimeLapse_Hour = nullptr;
    QLabel *Label_TimeLapse_Minute = nullptr;
    QComboBox *ComboBox_TimeLapse_Minute = nullptr;

    QFrame *Panel_SerialNo = nullptr;
    QLabel *Label_SerialNo_OnOff = nullptr;
    QComboBox *ComboBox_SerialNo_OnOff = nullptr;
    std::array<QComboBox *, 4> ComboBox_SerialNo_Char = {};

    QFrame *Panel_Timer = nullptr;
    QLabel *Label_Timer_OnOff = nullptr;
    QComboBox *ComboBox_Timer_OnOff = nullptr;
    QLabel *Label_Timer_Start = nullptr;
    QLabel *Label_Timer_End = nullptr;
    QLabel *Label_Timer_Start_Hour = nullptr;
    QLabel *Label_Timer_Start_Minute = nullptr;
    QLabel *Label_Timer_End_Hour = nullptr;
    QLabel *Label_Timer_End_Minute = nullptr;
    std::array<TimerPeriodBoxes, 4> ComboBox_Timer = {};

    QPushButton *Button_Select = nullptr;
    QLineEdit *Edit_SavePath = nullptr;
    QPushButton *Button_Generate = nullptr;
    QPushButton *Button_Default = nullptr;
    QPushButton *Button_Exit = nullptr;

    QDateTime m_capturedClock; // what Edit_SetClock shows and Generate writes
    std::function<QDateTime()> m_now = [] { return QDateTime::currentDateTime(); };
};
