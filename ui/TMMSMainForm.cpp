#include "ui/TMMSMainForm.h"

#include "ui/FormLook.h"
#include "ui/SharedValues.h"

#include "ui/CoreText.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr QSize kWindowSize(811, 504);
constexpr int kFontPixels = 16;

// Window coordinates, except where a control sits in a panel.
constexpr QRect kLogo(261, 20, 281, 105);
constexpr QRect kPanel1(22, 146, 760, 81);
constexpr QRect kLabelSelectLanguage(29, 14, 142, 20);
constexpr QRect kComboBoxSelectLanguage(29, 38, 330, 28);
constexpr QRect kLabelCameraModel(401, 14, 121, 20);
constexpr QRect kComboBoxCameraModel(401, 38, 330, 28);
constexpr QRect kPanel2(22, 254, 760, 129);
constexpr QRect kButtonCameraSetup(20, 20, 228, 90);
constexpr QRect kButtonMmsSetup(266, 20, 228, 90);
constexpr QRect kButtonSmtpSetup(512, 20, 228, 90);
constexpr QRect kButtonGetTheLatestUpdates(21, 408, 560, 40);
constexpr QRect kButtonExit(630, 408, 152, 40);

// Positions in the camera model list.
constexpr int kModelTK300 = 0;
constexpr int kModelTK300G = 1;
constexpr int kModelTK300GE = 2;

} // namespace

TMMSMainForm::TMMSMainForm(QWidget *parent) : QWidget(parent)
{
    PrepareWindow(this, kWindowSize, FormFont(kFontPixels, true), TitleBarButtons::MinimiseAndClose, true);
    SetAccessibleRole(metaObject()->className(), QAccessible::Window);
    CreateControls();
    ConnectHandlers();
    FormCreate();
}

void TMMSMainForm::CreateControls()
{
    Logo = MakeLabel(this, "Logo", kLogo);
    // As many pixels as the box has on this screen: scaling a larger picture down costs
    // start-up more than reading it.
    Logo->setPixmap(ReadPng(qGuiApp->devicePixelRatio() > 1 ? QStringLiteral(":/images/logo@2x.png")
                                                            : QStringLiteral(":/images/logo.png")));
    Logo->setScaledContents(true);
    Logo->setAccessibleName(QStringLiteral("Logo"));

    Panel1 = MakePanel(this, "Panel1", kPanel1);
    Label_Select_Language = MakeLabel(Panel1, "Label_Select_Language", kLabelSelectLanguage);
    ComboBox_Select_Language = MakeComboBox(Panel1, "ComboBox_Select_Language", kComboBoxSelectLanguage);
    SetBoxEnabled(ComboBox_Select_Language, false);
    Label_Camera_Model = MakeLabel(Panel1, "Label_Camera_Model", kLabelCameraModel);
    ComboBox_Camera_Model = MakeComboBox(Panel1, "ComboBox_Camera_Model", kComboBoxCameraModel);
    Label_Select_Language->setBuddy(ComboBox_Select_Language);
    Label_Camera_Model->setBuddy(ComboBox_Camera_Model);

    Panel2 = MakePanel(this, "Panel2", kPanel2);
    Button_Camera_Setup = MakeButton(Panel2, "Button_Camera_Setup", kButtonCameraSetup);
    Button_MMS_Setup = MakeButton(Panel2, "Button_MMS_Setup", kButtonMmsSetup);
    Button_Smtp_Setup = MakeButton(Panel2, "Button_Smtp_Setup", kButtonSmtpSetup);
    Button_Smtp_Setup->setEnabled(false); // until the model rule runs

    Button_GetTheLatestUpdates = MakeButton(this, "Button_GetTheLatestUpdates", kButtonGetTheLatestUpdates);
    Button_GetTheLatestUpdates->setEnabled(false); // it has never had an action
    Button_Exit = MakeButton(this, "Button_Exit", kButtonExit);

    SetTabOrder({ComboBox_Select_Language, ComboBox_Camera_Model, Button_Camera_Setup, Button_MMS_Setup,
                 Button_Smtp_Setup, Button_GetTheLatestUpdates, Button_Exit});
}

void TMMSMainForm::ConnectHandlers()
{
    // `activated` comes only from the user's pick, so selecting in code runs no handler.
    connect(ComboBox_Camera_Model, &QComboBox::activated, this, &TMMSMainForm::ComboBox_Camera_ModelChange);
    connect(Button_Camera_Setup, &QPushButton::clicked, this, &TMMSMainForm::Button_Camera_SetupClick);
    connect(Button_MMS_Setup, &QPushButton::clicked, this, &TMMSMainForm::Button_MMS_SetupClick);
    connect(Button_Smtp_Setup, &QPushButton::clicked, this, &TMMSMainForm::Button_Smtp_SetupClick);
    connect(Button_Exit, &QPushButton::clicked, this, &TMMSMainForm::Button_ExitClick);
}

void TMMSMainForm::ApplyMainWindowTexts()
{
    const int language = g_languageIndex;
    Label_Select_Language->setText(CatalogueText(language, Str::SelectLanguage));
    FillList(ComboBox_Select_Language, {CatalogueText(language, Str::English), CatalogueText(language, Str::Deutsch)});
    ComboBox_Select_Language->setCurrentIndex(0);
    Label_Camera_Model->setText(CatalogueText(language, Str::CameraModel));
    FillList(ComboBox_Camera_Model, {QStringLiteral("TK-300"), QStringLiteral("TK-300G"), QStringLiteral("TK-300GE")});
    ComboBox_Camera_Model->setCurrentIndex(kModelTK300GE);
    ApplyModelRule(ComboBox_Camera_Model->currentIndex());
    Button_Camera_Setup->setText(CatalogueText(language, Str::CameraSetup));
    Button_MMS_Setup->setText(CatalogueText(language, Str::MmsSetup));
    Button_Smtp_Setup->setText(CatalogueText(language, Str::SmtpSetup));
    Button_GetTheLatestUpdates->setText(CatalogueText(language, Str::GetTheLatestUpdates));
    Button_Exit->setText(CatalogueText(language, Str::Exit));
    update();
}

void TMMSMainForm::ApplyModelRule(int modelIndex)
{
    // The TK-300 sends nothing, the TK-300G only MMS; any other position, including
    // no selection, enables both. Camera Setup is for every model.
    Button_MMS_Setup->setEnabled(modelIndex != kModelTK300);
    Button_Smtp_Setup->setEnabled(modelIndex != kModelTK300 && modelIndex != kModelTK300G);
}

void TMMSMainForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        TakeFocus(this);
}

void TMMSMainForm::closeEvent(QCloseEvent *event)
{
    FormClose();
    QWidget::closeEvent(event);
}

void TMMSMainForm::FormCreate()
{
    setWindowTitle(QStringLiteral("TRELAN (V6.0)"));
    g_languageIndex = 0;
    ApplyMainWindowTexts();
    CentreOnScreen(this);
}

void TMMSMainForm::FormClose()
{
    // The hidden dialogs end with the program; nothing asks and nothing is saved.
    QCoreApplication::quit();
}

void TMMSMainForm::ComboBox_Camera_ModelChange(int modelIndex)
{
    ApplyModelRule(modelIndex);
}

void TMMSMainForm::Button_Camera_SetupClick()
{
    hide();
    emit cameraSetupRequested();
}

void TMMSMainForm::Button_MMS_SetupClick()
{
    hide();
    emit mmsSetupRequested();
}

void TMMSMainForm::Button_Smtp_SetupClick()
{
    hide();
    emit smtpSetupRequested();
}

void TMMSMainForm::Button_ExitClick()
{
    close();
}
