#pragma once

#include "catalogue/OperatorCatalogue.h"
#include "settings/SendingLines.h"
#include "ui/CoreText.h"
#include "ui/FormLook.h"

#include <QComboBox>
#include <QRect>
#include <QStringList>

#include <utility>

class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// What the MMS and e-mail dialogs have alike: the mode row, the sending panel (status,
// number per day, its note), the daily report, the country and operator lists and the
// bottom row. Both dialogs give these controls the same names.

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

// The catalogue strings that differ between the two dialogs.
struct SendingCaptions {
    Str Mode;         // "MMS Mode" / "SMTP Mode"
    Str Status;       // "MMS Status" / "GPRS Status"
    Str NumberPerDay; // "MMS Number/Day" / "Email Number/Day"
};

struct SaveRowControls {
    QPushButton *Button_Select = nullptr;
    QLineEdit *Edit_SavePath = nullptr;
    QPushButton *Button_Generate = nullptr;
    QPushButton *Button_Exit = nullptr;
};

// The group box that holds everything, filling the window's client area.
QGroupBox *MakeOuterGroupBox(QWidget *form, const char *name);
// Creates the shared upper controls in `groupBox`, in keyboard order.
SendingControls MakeSendingControls(QGroupBox *groupBox);
// Where the part that differs between the dialogs starts, below the country panel.
inline constexpr int kOwnPartTop = 168;
// The width of a panel or group box spanning the outer group box.
inline constexpr int kFullPanelWidth = 1032;
inline constexpr int kPanelLeft = 12;
// Creates Select, the save folder, Generate and Exit in a row at the foot of `groupBox`.
SaveRowControls MakeSaveRow(QGroupBox *groupBox);

// Text fields stand in two columns of captioned rows.
inline constexpr int kTextFieldHeight = 22;
struct FieldGrid {
    int Top;   // of the first row
    int Pitch; // from row to row
};

// A caption and its text field in `column` (0 or 1) and `row` of the grid. The field
// takes at most 50 characters and refuses what the camera cannot read.
std::pair<QLabel *, QLineEdit *> MakeTextField(QWidget *parent, const QByteArray &labelName,
                                               const QByteArray &editName, FieldGrid grid, int column, int row);

// Catalogue string `number` followed by " 1" .. " 4": the recipients' captions.
QString NumberedCaption(int language, Str number, int n);

void ApplySendingTexts(const SendingControls &c, SendingCaptions captions, int language);
void ApplySaveRowTexts(const SaveRowControls &c, int language);
// Auto, status 800x600, number "0", daily report Off at hour 0; runs no handler.
void SelectSendingDefaults(const SendingControls &c);

// Off selects hour 0 and disables the hour list; On enables it, keeping its hour.
void ApplyDailyReportRule(const SendingControls &c);

// Auto: the lists are enabled and the country list holds `countries` with the first
// selected (the caller then rebuilds the operators). Manual: both lists are disabled and
// hold only "Other".
void ShowOperatorLists(const SendingControls &c, mms::ConnectionMode mode, const QStringList &countries, int language);

// Empties the fields; an editable field gets the window colour, a read-only one grey.
void ResetTextFields(const QList<QLineEdit *> &fields, bool editable);

// Fills the operator list with the operators of the country the country list shows,
// selecting the first. A country that is not in the catalogue, or has no operators,
// leaves the list as it is; returns whether it was rebuilt.
template <typename Params>
bool RebuildOperatorList(const mms::OperatorCatalogue<Params> &catalogue, const SendingControls &c)
{
    const uint8_t country = catalogue.FindCountry(ToCore(c.ComboBox_Country->currentText()));
    if (country >= catalogue.CountryCount())
        return false;
    const QStringList operators = FromCore(catalogue.OperatorNames(country));
    if (operators.isEmpty())
        return false;
    FillList(c.ComboBox_Operator, operators);
    c.ComboBox_Operator->setCurrentIndex(0);
    return true;
}

// True for a typed character other than the digits 0 to 9; backspace and the
// navigation keys pass.
bool IsRefusedNumberKey(const QKeyEvent *event);
// An empty number per day means 0, unlimited.
void FillEmptyNumber(const SendingControls &c);

mms::ConnectionMode ModeFromControls(const SendingControls &c);
mms::SendingHeader HeaderFromControls(const SendingControls &c);

// Passes the key presses of every list (open or closed) and of the number field
// through `form`'s event filter.
void FilterSendingKeys(const SendingControls &c, QObject *form);
