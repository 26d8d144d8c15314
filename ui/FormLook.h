#pragma once

#include <QAccessible>
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <initializer_list>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QVBoxLayout;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The look every window shares: colours, fonts, title bars, the making of controls
// (at fixed positions in the main window and the two small dialogs, by layouts in the
// settings dialogs) and what screen readers and the keyboard need. Positions and sizes
// are device-independent pixels (96 per inch), so Qt scales them on high-DPI screens.

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
void PrepareWindow(QWidget *window, QSize outerSize, const QFont &font, TitleBarButtons buttons, bool resizable);
void CentreOnScreen(QWidget *window);
void CentreOver(QWidget *window, const QWidget *area);
// Shows a window without waiting; one that is already visible only comes to the front.
void BringUp(QWidget *window);
// Activates a window that has just been shown and gives the keyboard focus to its
// first control in keyboard order, so that typing reaches it even where no window
// manager hands out the focus.
void TakeFocus(QWidget *window);

// Controls in `parent`, named with the control names the rest of the program (and the
// tests) look them up by. With a geometry they stand at that fixed place; without one
// a layout places them.
QLabel *MakeLabel(QWidget *parent, const char *name, QRect geometry = {},
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
QComboBox *MakeComboBox(QWidget *parent, const char *name, QRect geometry = {});
QLineEdit *MakeEdit(QWidget *parent, const char *name, QRect geometry = {});
// Enter or Return on a focused button presses it, as Space does; Enter elsewhere in a
// dialog presses nothing.
QPushButton *MakeButton(QWidget *parent, const char *name, QRect geometry = {});
QGroupBox *MakeGroupBox(QWidget *parent, const char *name, QRect geometry = {});
// A panel with a lowered inner and outer bevel.
QFrame *MakePanel(QWidget *parent, const char *name, QRect geometry = {});

// Makes the widgets as wide as the widest of them (by their size hints and minimum
// widths), so that what follows them lines up in one column although they stand in
// different panels. Call after every change of their texts.
void MatchWidths(const QList<QWidget *> &widgets);
// The layout of a panel or group box: its controls side by side, or in a grid, with the
// margins every panel of the program keeps.
QHBoxLayout *MakeRowLayout(QWidget *panel);
QGridLayout *MakeGridLayout(QWidget *panel);
// A gap in a row between one captioned control and the next, wider than the space
// between a caption and its control; it grows with the font.
void AddGap(QHBoxLayout *row);
// The layout of a settings dialog: its panels and rows from top to bottom.
QVBoxLayout *MakeColumnLayout(QWidget *window);
// The width at which an edit field shows `text` whole.
int EditWidthFor(const QLineEdit *edit, const QString &text);
// An edit field wide enough for `characters` digits and no wider.
void FitToDigits(QLineEdit *edit, int characters);

// Makes assistive technology see every window of the class in `role`, where the class
// it derives from gives another (a plain QWidget window is a mere client area).
void SetAccessibleRole(const char *className, QAccessible::Role role);

// Names a control for screen readers where no label stands beside it. A drop-down list
// is read by its current text and ignores an accessible name, so it gets a label that
// is never shown as its buddy; anything else takes the name itself.
void NameForScreenReaders(QWidget *control, const QString &name);

// Enables or disables a drop-down list or edit field and draws it in the matching colour.
void SetBoxEnabled(QWidget *box, bool enabled);
// Draws a box in the disabled colour while leaving it operable, as read-only fields are.
void PaintBoxGrey(QWidget *box);

// Chains the keyboard (tab) order through the widgets in the given order.
void SetTabOrder(std::initializer_list<QWidget *> widgets);

// Empties the list and appends the items; nothing selected afterwards. A list that a
// layout places becomes at least as wide as its longest item.
void FillList(QComboBox *box, const QStringList &items);
// "0", "1", ... up to count - 1.
QStringList NumberItems(int count);

// True for a key press that types a character (letters, digits, blanks, punctuation);
// false for navigation keys such as the arrows, Tab and Escape.
bool IsTypedCharacter(const QKeyEvent *event);
