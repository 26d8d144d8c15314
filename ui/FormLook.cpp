#include "ui/FormLook.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
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

// A control of the given kind with its name, which tests find it by, and its place.
template <typename Control>
Control *MakeNamed(QWidget *parent, const char *name, QRect geometry)
{
    auto *control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
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
    auto *button = MakeNamed<QPushButton>(parent, name, geometry);
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
