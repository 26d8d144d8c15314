#include "ui/TForm_SaveParamsResult.h"

#include "ui/FormLook.h"

#include "ui/CoreText.h"

#include <QAccessible>
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
std::optional<Str> Message(GenerationResult generationResult)
{
    switch (generationResult) {
    case GenerationResult::CameraFailed:
        return Str::CameraFailed;
    case GenerationResult::CameraGenerated:
        return Str::CameraGenerated;
    case GenerationResult::MmsFailed:
        return Str::MmsFailed;
    case GenerationResult::MmsGenerated:
        return Str::MmsGenerated;
    case GenerationResult::EmailFailed:
        return Str::EmailFailed;
    case GenerationResult::EmailGenerated:
        return Str::EmailGenerated;
    case GenerationResult::None:
        break;
    }
    return std::nullopt;
}

} // namespace

TForm_SaveParamsResult::TForm_SaveParamsResult(QWidget *parent) : QDialog(parent)
{
    // To assistive technology the dialog is an alert, announced as it appears, whose
    // description is its message.
    SetAccessibleRole(metaObject()->className(), QAccessible::AlertMessage);
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
    // The window has no title; screen readers still need to say what it is for.
    setAccessibleName(QStringLiteral("Generate result"));
    // The reason belongs to the message: the message labels it.
    Label_SaveParamsResult->setBuddy(Label_FailureReason);
}

void TForm_SaveParamsResult::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        if (m_area)
            CentreOver(this, m_area);
        FormShow();
    }
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        TakeFocus(this);
        QAccessibleEvent alert(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

// The message is chosen when the dialog becomes visible; a Generate while it is open
// only brings it to the front.
void TForm_SaveParamsResult::FormShow()
{
    const std::optional<Str> message = Message(m_result);
    Label_SaveParamsResult->setText(message ? CatalogueText(g_languageIndex, *message) : QString());
    Label_FailureReason->setText(m_failureReason);
    setAccessibleDescription(m_failureReason.isEmpty()
                                 ? Label_SaveParamsResult->text()
                                 : Label_SaveParamsResult->text() + QLatin1Char('\n') + m_failureReason);
    Button_Exit->setText(CatalogueText(g_languageIndex, Str::Ok));
}

void TForm_SaveParamsResult::Report(GenerationResult result, const QString &failureReason)
{
    m_result = result;
    m_failureReason = failureReason;
    BringUp(this);
}

void TForm_SaveParamsResult::Button_ExitClick()
{
    close();
}
