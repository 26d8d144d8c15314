// The settings dialogs are laid out, not placed: at the default font they keep their
// size, and with a larger font every caption, list and button still shows its whole text.
#include "tests/support/FormsFixture.h"

#include "ui/FormLook.h"
#include "ui/TMMSMainForm.h"
#include "ui/TMMSSetupForm.h"
#include "ui/TSMTPSetupForm.h"
#include "ui/TSystemSetupForm.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTest>

#include <optional>

namespace {

struct SettingsDialogRow {
    const char *setupButton;
    QWidget *(*dialog)();
    QSize clientSize; // the window's size without its frame, at the default font
};

const SettingsDialogRow kDialogs[] = {
    {"Button_Camera_Setup", [] { return static_cast<QWidget *>(Windows().SystemSetupForm); }, {578, 661}},
    {"Button_MMS_Setup", [] { return static_cast<QWidget *>(Windows().MMSSetupForm); }, {1072, 532}},
    {"Button_Smtp_Setup", [] { return static_cast<QWidget *>(Windows().SMTPSetupForm); }, {1072, 548}},
};

int Widest(const QFontMetrics &metrics, const QStringList &texts)
{
    int widest = 0;
    for (const QString &text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest;
}

// Where the control draws its text, and the texts it has to show there.
std::optional<std::pair<int, QStringList>> TextRoom(QWidget *control)
{
    if (auto *label = qobject_cast<QLabel *>(control))
        return std::pair(label->contentsRect().width(), QStringList{label->text()});
    if (auto *button = qobject_cast<QPushButton *>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return std::pair(button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width(),
                         QStringList{button->text()});
    }
    if (auto *list = qobject_cast<QComboBox *>(control)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = list->isEditable();
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items += list->itemText(i);
        return std::pair(
            list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width(),
            items);
    }
    if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        return std::pair(contents.width() - edit->textMargins().left() - edit->textMargins().right(),
                         QStringList{edit->text()});
    }
    return std::nullopt;
}

// Every control that the dialog shows fits its text and lies inside the window.
QString Clipped(QWidget *dialog)
{
    for (QWidget *control : dialog->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(dialog) || qobject_cast<QComboBox *>(control->parentWidget()))
            continue;
        const auto room = TextRoom(control);
        if (!room)
            continue;
        const int needed = Widest(control->fontMetrics(), room->second);
        if (needed > room->first)
            return QStringLiteral("%1 needs %2 pixels for its text, has %3")
                .arg(control->objectName())
                .arg(needed)
                .arg(room->first);
        const QRect inWindow(control->mapTo(dialog, QPoint(0, 0)), control->size());
        if (!dialog->rect().contains(inWindow))
            return QStringLiteral("%1 reaches out of the window").arg(control->objectName());
    }
    return {};
}

} // namespace

class TestLayouts : public QObject {
    Q_OBJECT

private:
    std::optional<FormsFixture> m_forms;

private slots:
    void init() { m_forms.emplace(); }
    void cleanup() { m_forms.reset(); }

    void keepTheirSizeAtTheDefaultFont_data();
    void keepTheirSizeAtTheDefaultFont();
    void largerFontClipsNothing_data() { keepTheirSizeAtTheDefaultFont_data(); }
    void largerFontClipsNothing();
};

void TestLayouts::keepTheirSizeAtTheDefaultFont_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("camera") << 0;
    QTest::newRow("MMS") << 1;
    QTest::newRow("e-mail") << 2;
}

void TestLayouts::keepTheirSizeAtTheDefaultFont()
{
    QFETCH(int, row);
    const SettingsDialogRow &dialog = kDialogs[row];
    Click(Windows().MMSMainForm, dialog.setupButton);
    QWidget *window = dialog.dialog();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->size(), dialog.clientSize);
    CHECK(Clipped(window));
}

// One and a half times the 13 pixels of the dialogs' font, as with a large desktop font.
void TestLayouts::largerFontClipsNothing()
{
    QFETCH(int, row);
    const SettingsDialogRow &dialog = kDialogs[row];
    QWidget *window = dialog.dialog();
    window->setFont(FormFont(20));
    Click(Windows().MMSMainForm, dialog.setupButton);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QApplication::processEvents();
    QCOMPARE(Find(window, "Button_Exit")->fontInfo().pixelSize(), 20);
    CHECK(Clipped(window));
}

QTEST_MAIN(TestLayouts)
#include "TestLayouts.moc"
