#pragma once

#include <QWidget>

// What the three settings dialogs share as windows: the main window opens one at a
// time; every show the program makes runs the dialog's FormShow, and closing it, by
// Exit or by the close box, brings the main window back.
class SettingsDialog : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    virtual void FormShow() = 0;
    void FormClose();
    void Button_ExitClick();

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};
