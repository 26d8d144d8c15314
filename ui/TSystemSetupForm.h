#pragma once

#include "ui/SettingsDialog.h"
#include "settings/CameraSettings.h"

#include <QDateTime>
#include <QList>

#include <array>
#include <functional>

class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

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
    // Where the clock is read from; the computer's local clock unless a test sets another.
    void SetClockSource(std::function<QDateTime()> now) { m_now = std::move(now); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct TimerPeriodBoxes {
        QComboBox *StartHour = nullptr;
        QComboBox *StartMinute = nullptr;
        QComboBox *EndHour = nullptr;
        QComboBox *EndMinute = nullptr;
    };
    // A drop-down list and the position every show and Default select.
    struct ShowPosition {
        QComboBox *Box;
        int Position;
    };

    void CreateControls();
    void CreateTimerControls(QFrame *panel);
    void ConnectHandlers();
    void GuardAgainstTyping();
    QList<ShowPosition> ShowPositions() const;
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

    QFrame *Panel_Mode = nullptr;
    QLabel *Label_Mode = nullptr;
    QComboBox *ComboBox_Mode = nullptr;
    QFrame *Panel_PhotoSize = nullptr;
    QLabel *Label_PhotoSize = nullptr;
    QComboBox *ComboBox_PhotoSize = nullptr;
    QFrame *Panel_VideoSize = nullptr;
    QLabel *Label_VideoSize = nullptr;
    QComboBox *ComboBox_VideoSize = nullptr;
    QFrame *Panel_ImageBurst = nullptr;
    QLabel *Label_ImageBurst = nullptr;
    QComboBox *ComboBox_ImageBurst = nullptr;
    QFrame *Panel_VideoLength = nullptr;
    QLabel *Label_VideoLength = nullptr;
    QComboBox *ComboBox_VideoLength = nullptr;
    QFrame *Panel_Beep = nullptr;
    QLabel *Label_Beep = nullptr;
    QComboBox *ComboBox_Beep = nullptr;
    QFrame *Panel_SenseLevel = nullptr;
    QLabel *Label_SenseLevel = nullptr;
    QComboBox *ComboBox_SenseLevel = nullptr;
    QFrame *Panel_Tv = nullptr;
    QLabel *Label_TV = nullptr;
    QComboBox *ComboBox_TV = nullptr;
    QFrame *Panel_TimeStamp = nullptr;
    QLabel *Label_TimeStamp = nullptr;
    QComboBox *ComboBox_TimeStamp = nullptr;
    QFrame *Panel_CyclingSave = nullptr;
    QLabel *Label_CyclingSave = nullptr;
    QComboBox *ComboBox_CyclingSave = nullptr;

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
