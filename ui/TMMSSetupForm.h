#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

// The MMS settings dialog. So far it holds the save folder with its Select button and
// Exit; the MMS settings themselves are still to come.
class TMMSSetupForm : public QWidget {
    Q_OBJECT
public:
    explicit TMMSSetupForm(QWidget *parent = nullptr);

    // The save folder, which the save-location dialog fills and starts from.
    QLineEdit *SavePathEdit() const { return Edit_SavePath; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Event handlers
    void FormCreate();
    void FormShow();
    void FormClose();
    void Button_SelectClick();
    void Button_ExitClick();

    QPushButton *Button_Select = nullptr;
    QLineEdit *Edit_SavePath = nullptr;
    QPushButton *Button_Exit = nullptr;
};
