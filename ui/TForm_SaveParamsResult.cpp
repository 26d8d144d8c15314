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
// Advice, when there is any, stands where ok stood; ok and the window's foot move down
// by its height and this gap.
constexpr int kAdviceLeft = 22;
constexpr int kAdviceWidth = 406;
constexpr int kAdviceGap = 10;

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
    Label_FailureReason = MakeLabel(this, "Label_FailureReason", kLabelFailureReason, Qt::AlignHCenter | Qt::AlignTop);
    Label_FailureReason->setFont(FormFont(kReasonFontPixels));
    Label_FailureReason->setWordWrap(true);
    Label_Advice = MakeLabel(this, "Label_Advice", {}, Qt::AlignLeft | Qt::AlignTop);
    Label_Advice->setFont(FormFont(kReasonFontPixels));
    Label_Advice->setWordWrap(true);
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
    ShowAdvice();
    QStringList description = {Label_SaveParamsResult->text()};
    if (!m_failureReason.isEmpty())
        description << m_failureReason;
    setAccessibleDescription((description + m_advice).join(QLatin1Char('\n')));
    Button_Exit->setText(CatalogueText(g_languageIndex, Str::Ok));
}

// Below the result line, one paragraph per item; without advice the dialog keeps its
// own size.
void TForm_SaveParamsResult::ShowAdvice()
{
    Label_Advice->setText(m_advice.join(QStringLiteral("\n\n")));
    Label_Advice->setVisible(!m_advice.isEmpty());
    const int height = m_advice.isEmpty() ? 0 : Label_Advice->heightForWidth(kAdviceWidth);
    Label_Advice->setGeometry(kAdviceLeft, kButtonExit.top(), kAdviceWidth, height);
    const int shift = m_advice.isEmpty() ? 0 : height + kAdviceGap;
    Button_Exit->setGeometry(kButtonExit.translated(0, shift));
    resize(kWindowSize - kFrameAllowance + QSize(0, shift));
}

void TForm_SaveParamsResult::Report(GenerationResult result, const QString &failureReason, const QStringList &advice)
{
    m_result = result;
    m_failureReason = failureReason;
    m_advice = advice;
    BringUp(this);
}

void TForm_SaveParamsResult::Button_ExitClick()
{
    close();
}
