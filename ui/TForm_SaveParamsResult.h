#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The result dialog: one line saying whether the latest Generate wrote its file and,
// after a failure, a second, smaller line with the reason the system gave.
class TForm_SaveParamsResult : public QWidget {
    Q_OBJECT
public:
    explicit TForm_SaveParamsResult(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void CreateControls();

    // Event handlers
    void FormShow();
    void Button_ExitClick();

    QLabel *Label_SaveParamsResult = nullptr;
    QLabel *Label_FailureReason = nullptr;
    QPushButton *Button_Exit = nullptr;
};
