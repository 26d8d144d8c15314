#pragma once

#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

// The first window: logo, language and camera model selectors, the three setup buttons
// that open the settings dialogs, and Exit, which ends the program. The model decides
// only which of the MMS and e-mail setup buttons can be pressed.
class TMMSMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TMMSMainForm(QWidget *parent = nullptr);

    void ApplyMainWindowTexts();
    void ApplyModelRule(int modelIndex);

signals:
    // A setup button was pressed; the main window has hidden itself.
    void cameraSetupRequested();
    void mmsSetupRequested();
    void smtpSetupRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateControls();
    void ConnectHandlers();

    // Event handlers
    void FormCreate();
    void FormClose();
    void ComboBox_Camera_ModelChange(int modelIndex);
    void Button_Camera_SetupClick();
    void Button_MMS_SetupClick();
    void Button_Smtp_SetupClick();
    void Button_ExitClick();

    QLabel *Logo = nullptr;
    QFrame *Panel1 = nullptr;
    QLabel *Label_Select_Language = nullptr;
    QComboBox *ComboBox_Select_Language = nullptr;
    QLabel *Label_Camera_Model = nullptr;
    QComboBox *ComboBox_Camera_Model = nullptr;
    QFrame *Panel2 = nullptr;
    QPushButton *Button_Camera_Setup = nullptr;
    QPushButton *Button_MMS_Setup = nullptr;
    QPushButton *Button_Smtp_Setup = nullptr;
    QPushButton *Button_GetTheLatestUpdates = nullptr;
    QPushButton *Button_Exit = nullptr;
};
