#include "ui/TForm_SaveParamsResult.h"

#include "ui/FormLook.h"
#include "ui/Program.h"
#include "ui/TMMSMainForm.h"

#include "ui/CoreText.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include <optional>

namespace {

constexpr QSize kWindowSize(450, 181);
constexpr int kFontPixels = 13;
constexpr int kReasonFontPixels = 11;
constexpr QRect kLabelSaveParamsResult(22, 43, 398, 16);
constexpr QRect kLabelFailureReason(22, 62, 398, 28); // two lines for a long reason
constexpr QRect kButtonExit(173, 96, 97, 25);

// The catalogue's message for a generation result; none for any other value.
std::optional<Str> Message(int generationResult)
{
    switch (generationResult) {
    case GenerationResult::kCameraFailed:
        return Str::CameraFailed;
    case GenerationResult::kCameraGenerated:
        return Str::CameraGenerated;
    case GenerationResult::kMmsFailed:
        return Str::MmsFailed;
    case GenerationResult::kMmsGenerated:
        return Str::MmsGenerated;
    case GenerationResult::kEmailFailed:
        return Str::EmailFailed;
    case GenerationResult::kEmailGenerated:
        return Str::EmailGenerated;
    default:
        return std::nullopt;
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
    const std::optional<Str> message = Message(g_shared.GenerationResult);
    Label_SaveParamsResult->setText(message ? CatalogueText(g_shared.LanguageIndex, *message) : QString());
    Label_FailureReason->setText(g_shared.GenerationFailureReason);
    Button_Exit->setText(CatalogueText(g_shared.LanguageIndex, Str::Ok));
}

void TForm_SaveParamsResult::Button_ExitClick()
{
    close();
}
