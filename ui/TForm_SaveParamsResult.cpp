#include "ui/TForm_SaveParamsResult.h"

#include "ui/FormLook.h"
#include "ui/Program.h"
#include "ui/TMMSMainForm.h"

#include "ui/CoreText.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr QSize kWindowSize(450, 181);
constexpr int kFontPixels = 13;
constexpr int kReasonFontPixels = 11;
constexpr QRect kLabelSaveParamsResult(22, 43, 398, 16);
constexpr QRect kLabelFailureReason(22, 62, 398, 28); // two lines for a long reason
constexpr QRect kButtonExit(173, 96, 97, 25);

// The catalogue's message for a generation result, or 0 for none.
int MessageNumber(int generationResult)
{
    switch (generationResult) {
    case GenerationResult::kCameraFailed:
        return 98;
    case GenerationResult::kCameraGenerated:
        return 99;
    case GenerationResult::kMmsFailed:
        return 100;
    case GenerationResult::kMmsGenerated:
        return 101;
    case GenerationResult::kEmailFailed:
        return 96;
    case GenerationResult::kEmailGenerated:
        return 97;
    default:
        return 0;
    }
}

} // namespace

TForm_SaveParamsResult::TForm_SaveParamsResult(QWidget *parent) : QWidget(parent)
{
    PrepareWindow(this, kWindowSize, FormFont(kFontPixels), TitleBarButtons::CloseOnly, true);
    CreateControls();
    connect(Button_Exit, &QPushButton::clicked, this, &TForm_SaveParamsResult::Button_ExitClick);
}

void TForm_SaveParamsResult::CreateControls()
{
    Label_SaveParamsResult = MakeLabel(this, "Label_SaveParamsResult", kLabelSaveParamsResult, Qt::AlignCenter);
    Label_FailureReason =
        MakeLabel(this, "Label_FailureReason", kLabelFailureReason, Qt::AlignHCenter | Qt::AlignTop);
    Label_FailureReason->setFont(FormFont(kReasonFontPixels));
    Label_FailureReason->setWordWrap(true);
    Button_Exit = MakeButton(this, "Button_Exit", kButtonExit);
}

void TForm_SaveParamsResult::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        CentreOver(this, g_forms.MMSMainForm);
        FormShow();
    }
    QWidget::showEvent(event);
}

// The message is chosen when the dialog becomes visible; a Generate while it is open
// only brings it to the front.
void TForm_SaveParamsResult::FormShow()
{
    const int number = MessageNumber(g_shared.GenerationResult);
    Label_SaveParamsResult->setText(number ? CatalogueText(g_shared.LanguageIndex, number) : QString());
    Label_FailureReason->setText(g_shared.GenerationFailureReason);
    Button_Exit->setText(CatalogueText(g_shared.LanguageIndex, 108));
}

void TForm_SaveParamsResult::Button_ExitClick()
{
    close();
}
