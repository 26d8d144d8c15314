#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <initializer_list>

class QComboBox;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The look every window shares: colours, fonts, title bars and the making of controls
// at fixed positions. Positions and sizes are device-independent pixels (96 per inch),
// so Qt scales them on high-DPI screens.

// Background of every window and panel.
QColor SkyBlue();
// Enabled boxes are drawn in the system window colour, disabled ones in the system
// scroll-bar colour.
QColor WindowColour();
QColor ScrollBarColour();

// Window sizes are given with their frame; the client area is this much smaller.
inline constexpr QSize kFrameAllowance(8, 31);

// Installs what the windows' look relies on; call once, before the first window.
// "MS Sans Serif" is missing on most systems other than Windows, and what a system
// picks instead (DejaVu Sans on Debian) is about 15 % wider, which breaks the fixed
// layouts: Liberation Sans has the same metrics.
void ApplyProgramLook();
// The windows' icon. Decoding it costs start-up about as much as building the main
// window's controls, and no window shows it inside, so it may follow the first paint.
void ApplyProgramIcon();
// A PNG picture of the program's resources, read by Qt's own PNG reader: a picture
// made from the file name alone first loads every image-format plugin, and the
// libraries behind them, to ask whether one of them reads PNG, which costs start-up
// about 3 ms and 1 MB.
QPixmap ReadPng(const QString &path);

// "MS Sans Serif" at a height in pixels.
QFont FormFont(int pixelSize, bool bold = false);

enum class TitleBarButtons {
    MinimiseAndClose, // system menu, minimise and close, no maximise
    CloseOnly,        // system menu and close
    Standard,         // minimise, maximise and close
};

// Makes `window` a top-level window with the program's icon and sky-blue background,
// `font` for its controls and the client area that fits `outerSize` with its frame.
void PrepareWindow(QWidget *window, QSize outerSize, const QFont &font, TitleBarButtons buttons,
                   bool resizable);
void CentreOnScreen(QWidget *window);
void CentreOver(QWidget *window, const QWidget *area);
// Shows a window without waiting; one that is already visible only comes to the front.
void BringUp(QWidget *window);

// Controls at a fixed place in `parent`, named with the control names the rest of
// the program (and the tests) look them up by.
QLabel *MakeLabel(QWidget *parent, const char *name, QRect geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
QComboBox *MakeComboBox(QWidget *parent, const char *name, QRect geometry);
QLineEdit *MakeEdit(QWidget *parent, const char *name, QRect geometry);
QPushButton *MakeButton(QWidget *parent, const char *name, QRect geometry);
QGroupBox *MakeGroupBox(QWidget *parent, const char *name, QRect geometry);
// A panel with a lowered inner and outer bevel.
QFrame *MakePanel(QWidget *parent, const char *name, QRect geometry);

// Enables or disables a drop-down list or edit field and draws it in the matching colour.
void SetBoxEnabled(QWidget *box, bool enabled);
// Draws a box in the disabled colour while leaving it operable, as read-only fields are.
void PaintBoxGrey(QWidget *box);

// Chains the keyboard (tab) order through the widgets in the given order.
void SetTabOrder(std::initializer_list<QWidget *> widgets);

// Empties the list and appends the items; nothing selected afterwards.
void FillList(QComboBox *box, const QStringList &items);
// "0", "1", ... up to count - 1.
QStringList NumberItems(int count);

// True for a key press that types a character (letters, digits, blanks, punctuation);
// false for navigation keys such as the arrows, Tab and Escape.
bool IsTypedCharacter(const QKeyEvent *event);
