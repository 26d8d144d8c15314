#include "TMMSSetupForm.h"

#include "FormLook.h"
#include "Program.h"
#include "TMMSMainForm.h"

#include "StringCatalogue.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr QSize kWindowSize(1080, 563);
constexpr int kFontPixels = 13;
constexpr int kBottomRowTop = 480;
constexpr QRect kButtonSelect(20, kBottomRowTop, 100, 26);
constexpr QRect kEditSavePath(130, kBottomRowTop + 2, 560, 22);
constexpr QRect kButtonExit(952, kBottomRowTop - 2, 100, 30);

} // namespace

TMMSSetupForm::TMMSSetupForm(QWidget *parent) : QWidget(parent)
{
    PrepareWindow(this, kWindowSize, FormFont(kFontPixels), TitleBarButtons::CloseOnly, false);
    Button_Select = MakeButton(this, "Button_Select", kButtonSelect);
    Edit_SavePath = MakeEdit(this, "Edit_SavePath", kEditSavePath);
    Edit_SavePath->setReadOnly(true);
    PaintBoxGrey(Edit_SavePath);
    Button_Exit = MakeButton(this, "Button_Exit", kButtonExit);
    connect(Button_Select, &QPushButton::clicked, this, &TMMSSetupForm::Button_SelectClick);
    connect(Button_Exit, &QPushButton::clicked, this, &TMMSSetupForm::Button_ExitClick);
    FormCreate();
}

void TMMSSetupForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QWidget::showEvent(event);
}

void TMMSSetupForm::closeEvent(QCloseEvent *event)
{
    FormClose();
    QWidget::closeEvent(event);
}

void TMMSSetupForm::FormCreate()
{
    Edit_SavePath->setText(InitialSaveFolder());
    CentreOnScreen(this);
}

void TMMSSetupForm::FormShow()
{
    const int language = g_shared.LanguageIndex;
    setWindowTitle(CatalogueString(language, 61));
    Button_Select->setText(CatalogueString(language, 84));
    Button_Exit->setText(CatalogueString(language, 87));
}

void TMMSSetupForm::FormClose()
{
    g_forms.MMSMainForm->show();
}

void TMMSSetupForm::Button_SelectClick()
{
    OpenSaveLocationDialog(kSaveForMms);
}

void TMMSSetupForm::Button_ExitClick()
{
    close();
}
