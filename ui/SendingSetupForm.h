#pragma once

#include "catalogue/OperatorCatalogue.h"
#include "settings/SendingLines.h"
#include "ui/CoreText.h"
#include "ui/FormLook.h"
#include "ui/SettingsDialog.h"

#include <QComboBox>
#include <QList>
#include <QStringList>

#include <utility>

class QFrame;
class QGridLayout;
class QHBoxLayout;
class QVBoxLayout;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

// What the MMS and e-mail dialogs share: the mode row, the sending panel (status,
// number per day, its note), the daily report, the country and operator lists and the
// bottom row, with the handlers of all of them. Both dialogs give these controls the
// same names.
class SendingSetupForm : public SettingsDialog {
    Q_OBJECT
public:
    QLineEdit *SavePathEdit() const override { return m_saveRow.Edit_SavePath; }
    QPushButton *GenerateButton() const override { return m_saveRow.Button_Generate; }

    // The catalogue strings that differ between the two dialogs.
    struct SendingCaptions {
        Str Mode;         // "MMS Mode" / "SMTP Mode"
        Str Status;       // "MMS Status" / "GPRS Status"
        Str NumberPerDay; // "MMS Number/Day" / "Email Number/Day"
    };

protected:
    using SettingsDialog::SettingsDialog;

    struct SendingControls {
        QLabel *Label_MMSMode = nullptr;
        QComboBox *ComboBox_MMSMode = nullptr;
        QFrame *Panel_MMSStatus = nullptr;
        QLabel *Label_MMSStatus = nullptr;
        QComboBox *ComboBox_MMSStatus = nullptr;
        QLabel *Label_MMSNumberPerDay = nullptr;
        QLineEdit *Edit_MMSNumberPerDay = nullptr;
        QLabel *Label_MMSNumberPerDay_Note_0_Unlimited = nullptr;
        QFrame *Panel_DailyReport = nullptr;
        QLabel *Label_DailyReport_OnOff = nullptr;
        QComboBox *ComboBox_DailyReport_OnOff = nullptr;
        QLabel *Label_DailyReport_Hour = nullptr;
        QComboBox *ComboBox_DailyReport_Hour = nullptr;
        QFrame *Panel_Country = nullptr;
        QLabel *Label_Country = nullptr;
        QComboBox *ComboBox_Country = nullptr;
        QLabel *Label_Operator = nullptr;
        QComboBox *ComboBox_Operator = nullptr;

        QList<QComboBox *> Lists() const;
    };

    struct SaveRowControls {
        QPushButton *Button_Select = nullptr;
        QLineEdit *Edit_SavePath = nullptr;
        QPushButton *Button_Generate = nullptr;
        QPushButton *Button_Exit = nullptr;
    };

    // The group box that holds everything, filling the window; what the dialog adds
    // below the shared rows goes into GroupColumn(), and takes the spare height.
    QGroupBox *MakeOuterGroupBox(const char *name);
    QVBoxLayout *GroupColumn() const { return m_groupColumn; }
    // Creates the shared upper controls in `groupBox`, in keyboard order.
    void MakeSendingControls(QGroupBox *groupBox);
    // Creates Select, the save folder, Generate and Exit in a row at the foot of `groupBox`.
    void MakeSaveRow(QGroupBox *groupBox);
    // The layout of a panel of text fields: two columns of captioned fields.
    static QGridLayout *MakeFieldGrid(QWidget *panel);
    // A caption and its text field in `column` (0 or 1) and `row` of the grid. The field
    // takes at most 50 characters and refuses what the camera cannot read.
    static std::pair<QLabel *, QLineEdit *> MakeTextField(QGridLayout *grid, const QByteArray &labelName,
                                                          const QByteArray &editName, int column, int row);
    // Once the controls exist: connects the shared handlers, filters the keys of the
    // lists and the number field, and runs FormCreate.
    void FinishCreation();

    // Catalogue string `number` followed by " 1" .. " 4": the recipients' captions.
    static QString NumberedCaption(Str number, int n);
    // The shared captions and lists, and the bottom row's buttons.
    void ApplySendingTexts(SendingCaptions captions);
    // Auto, status 800x600, number "0", daily report Off at hour 0; runs no handler.
    void SelectSendingDefaults();
    // Off selects hour 0 and disables the hour list; On enables it, keeping its hour.
    void ApplyDailyReportRule();
    // Auto: the lists are enabled and the country list holds `countries` with the first
    // selected (the caller then rebuilds the operators). Manual: both lists are disabled
    // and hold only "Other".
    void ShowOperatorLists(mms::ConnectionMode mode, const QStringList &countries);
    // Empties the fields; an editable field gets the window colour, a read-only one grey.
    static void ResetTextFields(const QList<QLineEdit *> &fields, bool editable);
    // Fills the operator list with the operators of the country the country list shows,
    // selecting the first. A country that is not in the catalogue, or has no operators,
    // leaves the list as it is; returns whether it was rebuilt.
    template <typename Params>
    bool RebuildOperatorList(const mms::OperatorCatalogue<Params> &catalogue);
    // An empty number per day means 0, unlimited.
    void FillEmptyNumber();
    mms::ConnectionMode ModeFromControls() const;
    mms::SendingHeader HeaderFromControls() const;
    // The country and operator names the lists show.
    std::string CountryText() const;
    std::string OperatorText() const;

    // Empties the connection texts and the recipients, and enables them for the mode.
    virtual void ApplyMode(mms::ConnectionMode mode) = 0;

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Event handlers
    void FormCreate();
    void ComboBox_MMSModeChange();
    virtual void ComboBox_CountryChange() = 0;
    void ComboBox_DailyReport_OnOffChange();
    bool Edit_MMSNumberPerDayKeyPress(const QKeyEvent *event);
    void Edit_MMSNumberPerDayExit();
    bool ComboBox_MMSModeKeyPress(const QKeyEvent *event);
    virtual void Button_GenerateClick() = 0;

    SendingControls m_sending;
    SaveRowControls m_saveRow;

private:
    QHBoxLayout *AddPanelRow(QWidget *panel, QHBoxLayout *into = nullptr);

    QVBoxLayout *m_groupColumn = nullptr;
};

template <typename Params>
bool SendingSetupForm::RebuildOperatorList(const mms::OperatorCatalogue<Params> &catalogue)
{
    const uint8_t country = catalogue.FindCountry(CountryText());
    if (country >= catalogue.CountryCount())
        return false;
    const QStringList operators = FromCore(catalogue.OperatorNames(country));
    if (operators.isEmpty())
        return false;
    FillList(m_sending.ComboBox_Operator, operators);
    m_sending.ComboBox_Operator->setCurrentIndex(0);
    return true;
}
