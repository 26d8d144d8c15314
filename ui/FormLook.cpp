#include "ui/FormLook.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

const char kFormFontFamily[] = "MS Sans Serif";
const char kFallbackFontFamily[] = "Liberation Sans";

// Fusion draws every platform alike and honours the box colours set through the
// palette; drop-down lists open below the box, as on Windows, instead of over it.
class FormStyle : public QProxyStyle {
public:
    FormStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

void PaintBox(QWidget *box, const QColor &colour)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour); // Fusion fills drop-down lists with it
    // Windows' grey text, which stays readable on the scroll-bar grey.
    const QColor greyText(109, 109, 109);
    palette.setColor(QPalette::Disabled, QPalette::Text, greyText);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, greyText);
    box->setPalette(palette);
}

// Set on a drop-down list that a layout places: it is kept as wide as its longest entry.
const char kFitsItemsProperty[] = "mms_fitsItems";

// The width that shows the longest entry whole, with the list's frame and arrow.
int ListWidthFor(const QComboBox *box)
{
    const QFontMetrics metrics = box->fontMetrics();
    int widest = 0;
    for (int i = 0; i < box->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(box->itemText(i)));
    QStyleOptionComboBox option;
    option.initFrom(box);
    const QSize text(widest + metrics.averageCharWidth(), metrics.height());
    return box->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, box).width();
}

} // namespace

QColor SkyBlue()
{
    return QColor(166, 202, 240);
}

QColor WindowColour()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Base);
}

QColor ScrollBarColour()
{
#ifdef Q_OS_WIN
    const COLORREF colour = GetSysColor(COLOR_SCROLLBAR);
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
#else
    return QColor(200, 200, 200); // Windows' standard scroll-bar grey
#endif
}

void ApplyProgramLook()
{
    QFont::insertSubstitution(QString::fromLatin1(kFormFontFamily), QString::fromLatin1(kFallbackFontFamily));
    QApplication::setStyle(new FormStyle);
}

void ApplyProgramIcon()
{
    QApplication::setWindowIcon(QIcon(ReadPng(QStringLiteral(":/images/icon.png"))));
}

QPixmap ReadPng(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QFont FormFont(int pixelSize, bool bold)
{
    QFont font(QString::fromLatin1(kFormFontFamily));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void PrepareWindow(QWidget *window, QSize outerSize, const QFont &font, TitleBarButtons buttons, bool resizable)
{
    constexpr Qt::WindowFlags kCustomTitleBar =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    switch (buttons) {
    case TitleBarButtons::MinimiseAndClose:
        window->setWindowFlags(kCustomTitleBar | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
        break;
    case TitleBarButtons::CloseOnly:
        window->setWindowFlags(kCustomTitleBar | Qt::WindowCloseButtonHint);
        break;
    case TitleBarButtons::Standard:
        window->setWindowFlags(Qt::Window);
        break;
    }
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, SkyBlue());
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->setFont(font);
    const QSize client = outerSize - kFrameAllowance;
    if (resizable)
        window->resize(client);
    else
        window->setFixedSize(client);
}

void CentreOnScreen(QWidget *window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen)
        window->move(screen->availableGeometry().center() - window->rect().center());
}

void CentreOver(QWidget *window, const QWidget *area)
{
    window->move(area->frameGeometry().center() - window->rect().center());
}

void TakeFocus(QWidget *window)
{
    window->activateWindow();
    for (QWidget *next = window->nextInFocusChain(); next != window; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() && next->isVisibleTo(window)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void BringUp(QWidget *window)
{
    if (!window->isVisible()) {
        window->show(); // a newly shown window opens on top
        return;
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}

namespace {

class FormButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

// A control of the given kind with its name, which tests find it by, and its place.
template <typename Control>
Control *MakeNamed(QWidget *parent, const char *name, QRect geometry)
{
    auto *control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    if (geometry.isValid())
        control->setGeometry(geometry);
    return control;
}

} // namespace

QLabel *MakeLabel(QWidget *parent, const char *name, QRect geometry, Qt::Alignment alignment)
{
    auto *label = MakeNamed<QLabel>(parent, name, geometry);
    label->setAlignment(alignment);
    return label;
}

QComboBox *MakeComboBox(QWidget *parent, const char *name, QRect geometry)
{
    auto *box = MakeNamed<QComboBox>(parent, name, geometry);
    box->setProperty(kFitsItemsProperty, !geometry.isValid());
    PaintBox(box, WindowColour());
    return box;
}

QLineEdit *MakeEdit(QWidget *parent, const char *name, QRect geometry)
{
    auto *edit = MakeNamed<QLineEdit>(parent, name, geometry);
    PaintBox(edit, WindowColour());
    return edit;
}

QPushButton *MakeButton(QWidget *parent, const char *name, QRect geometry)
{
    auto *button = MakeNamed<FormButton>(parent, name, geometry);
    // No button is the dialog's default: Enter in a text field must not press Generate.
    button->setAutoDefault(false);
    return button;
}

QGroupBox *MakeGroupBox(QWidget *parent, const char *name, QRect geometry)
{
    return MakeNamed<QGroupBox>(parent, name, geometry);
}

QFrame *MakePanel(QWidget *parent, const char *name, QRect geometry)
{
    auto *panel = MakeNamed<QFrame>(parent, name, geometry);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    return panel;
}

namespace {

QHash<QString, QAccessible::Role> &AccessibleRoles()
{
    static QHash<QString, QAccessible::Role> roles;
    return roles;
}

QAccessibleInterface *WindowRoleFactory(const QString &className, QObject *object)
{
    const auto role = AccessibleRoles().constFind(className);
    if (role == AccessibleRoles().cend() || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), *role);
}

} // namespace

void SetAccessibleRole(const char *className, QAccessible::Role role)
{
    if (AccessibleRoles().isEmpty())
        QAccessible::installFactory(WindowRoleFactory);
    AccessibleRoles().insert(QString::fromLatin1(className), role);
}

void NameForScreenReaders(QWidget *control, const QString &name)
{
    if (qobject_cast<QComboBox *>(control)) {
        auto *label = new QLabel(name, control->parentWidget());
        label->setObjectName(control->objectName() + QStringLiteral("_Name"));
        label->setBuddy(control);
        label->hide();
    } else {
        control->setAccessibleName(name);
    }
}

void MatchWidths(const QList<QWidget *> &widgets)
{
    // A list's minimum already holds its longest entry.
    int widest = 0;
    for (const QWidget *widget : widgets)
        widest = std::max({widest, widget->minimumWidth(), widget->sizeHint().width()});
    for (QWidget *widget : widgets)
        widget->setMinimumWidth(widest);
}

namespace {

// Tighter than the style's own margins: the settings dialogs stack many panels.
constexpr QMargins kPanelMargins(9, 4, 9, 4);
constexpr int kGridSpacing = 4;
constexpr int kWindowMargin = 10;
constexpr int kPanelSpacing = 7;

} // namespace

QHBoxLayout *MakeRowLayout(QWidget *panel)
{
    auto *layout = new QHBoxLayout(panel);
    layout->setContentsMargins(kPanelMargins);
    return layout;
}

QGridLayout *MakeGridLayout(QWidget *panel)
{
    auto *layout = new QGridLayout(panel);
    layout->setContentsMargins(kPanelMargins);
    layout->setVerticalSpacing(kGridSpacing);
    return layout;
}

void AddGap(QHBoxLayout *row)
{
    constexpr int kGapCharacters = 4;
    row->addSpacing(kGapCharacters * row->parentWidget()->fontMetrics().averageCharWidth());
}

QVBoxLayout *MakeColumnLayout(QWidget *window)
{
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(kWindowMargin, kWindowMargin, kWindowMargin, kWindowMargin);
    layout->setSpacing(kPanelSpacing);
    return layout;
}

int EditWidthFor(const QLineEdit *edit, const QString &text)
{
    // The frame and the margins around the text, as the style draws them.
    QStyleOptionFrame option;
    option.initFrom(edit);
    const QFontMetrics metrics = edit->fontMetrics();
    const int margins = edit->textMargins().left() + edit->textMargins().right() + 2 * metrics.averageCharWidth();
    const QSize contents(metrics.horizontalAdvance(text) + margins, metrics.height());
    return edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, edit).width();
}

void FitToDigits(QLineEdit *edit, int characters)
{
    edit->setFixedWidth(EditWidthFor(edit, QString(characters, QLatin1Char('0'))));
}

void SetBoxEnabled(QWidget *box, bool enabled)
{
    box->setEnabled(enabled);
    PaintBox(box, enabled ? WindowColour() : ScrollBarColour());
}

void PaintBoxGrey(QWidget *box)
{
    PaintBox(box, ScrollBarColour());
}

void SetTabOrder(std::initializer_list<QWidget *> widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void FillList(QComboBox *box, const QStringList &items)
{
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(-1);
    if (box->property(kFitsItemsProperty).toBool())
        box->setMinimumWidth(ListWidthFor(box));
}

QStringList NumberItems(int count)
{
    QStringList items;
    items.reserve(count);
    for (int n = 0; n < count; ++n)
        items += QString::number(n);
    return items;
}

bool IsTypedCharacter(const QKeyEvent *event)
{
    const QString text = event->text();
    return !text.isEmpty() && text.front().isPrint();
}
