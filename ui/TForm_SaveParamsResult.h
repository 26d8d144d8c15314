#pragma once

#include "ui/SharedValues.h"

#include <QDialog>
#include <QPointer>
#include <QStringList>

class QLabel;
class QPushButton;

// The result dialog: one line saying whether the latest Generate wrote its file and,
// after a failure, a second, smaller line with the reason the system gave.
class TForm_SaveParamsResult : public QDialog {
    Q_OBJECT
public:
    explicit TForm_SaveParamsResult(QWidget *parent = nullptr);

    // The window whose area the dialog opens centred over.
    void CentreOverWindow(const QWidget *area) { m_area = area; }
    // After a Generate: stores the result, the system's reason for a failure and the
    // advice for a file written, then shows the dialog without waiting. A dialog already
    // open only comes to the front, with the message chosen when it became visible.
    void Report(GenerationResult result, const QString &failureReason, const QStringList &advice = {});
    GenerationResult Result() const { return m_result; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void CreateControls();
    void ShowAdvice();

    // Event handlers
    void FormShow();
    void Button_ExitClick();

    QLabel *Label_SaveParamsResult = nullptr;
    QLabel *Label_FailureReason = nullptr;
    QLabel *Label_Advice = nullptr;
    QPushButton *Button_Exit = nullptr;

    QPointer<const QWidget> m_area;
    GenerationResult m_result = GenerationResult::None;
    QString m_failureReason;
    QStringList m_advice;
};
