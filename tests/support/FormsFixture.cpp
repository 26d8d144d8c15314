#include "tests/support/FormsFixture.h"

#include "settings/FileAccess.h"
#include "tests/support/TestSupport.h"
#include "ui/TForm_SaveParamsResult.h"
#include "ui/TMMSMainForm.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
FormSet *g_current = nullptr;
}

FormsFixture::FormsFixture()
{
    static const bool prepared = (PrepareApplication(), true);
    Q_UNUSED(prepared);
    m_forms = std::make_unique<FormSet>();
    g_current = m_forms.get();
    m_forms->MainWindow()->show();
}

FormsFixture::~FormsFixture()
{
    g_current = nullptr;
}

const Forms &Windows()
{
    if (!g_current)
        qFatal("no windows: the test made no FormsFixture");
    return g_current->Windows();
}

void Click(const QWidget *window, const char *buttonName)
{
    auto *button = Find<QPushButton>(window, buttonName);
    const bool wasEnabled = button->isEnabled();
    QTest::mouseClick(button, Qt::LeftButton);
    // Generate keeps its button disabled while its file is written.
    if (wasEnabled && !QTest::qWaitFor([button] { return button->isEnabled(); }))
        qFatal("%s stayed disabled after a click", buttonName);
}

void Pick(QComboBox *box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
}

QString PickText(QComboBox *box, const QString &text)
{
    const int index = box->findText(text);
    if (index < 0)
        return box->objectName() + QStringLiteral(" has no ") + text;
    Pick(box, index);
    return {};
}

QStringList ListItems(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items += box->itemText(i);
    return items;
}

QStringList FieldTexts(const QWidget *window, const QStringList &names)
{
    QStringList texts;
    for (const QString &name : names)
        texts += Find<QLineEdit>(window, qPrintable(name))->text();
    return texts;
}

void Type(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

void Paste(QLineEdit *edit, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    edit->paste();
}

QColor BoxColour(const QWidget *box)
{
    return box->palette().color(QPalette::Base);
}

QString TypingIsDiscarded(QComboBox *box, const QString &typed, bool listOpen)
{
    const int before = box->currentIndex();
    if (listOpen) {
        box->showPopup();
        QTest::keyClicks(box->view(), typed);
        QTest::keyClick(box->view(), Qt::Key_Return);
    } else {
        QTest::keyClicks(box, typed);
    }
    if (box->currentIndex() != before)
        return QStringLiteral("typing %1 moved %2 to item %3").arg(typed, box->objectName()).arg(box->currentIndex());
    const bool last = before == box->count() - 1;
    QTest::keyClick(box, last ? Qt::Key_Up : Qt::Key_Down);
    if (box->currentIndex() != (last ? before - 1 : before + 1))
        return QStringLiteral("the arrow keys no longer move %1").arg(box->objectName());
    return {};
}

QString ResultText()
{
    return Find<QLabel>(Windows().Form_SaveParamsResult, "Label_SaveParamsResult")->text();
}

QString ReasonText()
{
    return Find<QLabel>(Windows().Form_SaveParamsResult, "Label_FailureReason")->text();
}

GenerationResult LatestResult()
{
    return Windows().Form_SaveParamsResult->Result();
}

namespace {

QString Differs(const char *what, const QString &actual, const QString &expected)
{
    return QStringLiteral("%1 is \"%2\", not \"%3\"").arg(QLatin1String(what), actual, expected);
}

QString ResultShown(const QWidget *dialog, GenerationResult result, const QString &text, const QString &reason)
{
    const GenerationResult shown = LatestResult();
    if (shown != result)
        return QStringLiteral("the generation result is %1, not %2").arg(int(shown)).arg(int(result));
    if (!Windows().Form_SaveParamsResult->isVisible())
        return QStringLiteral("the result dialog is not shown");
    if (ResultText() != text)
        return Differs("the result", ResultText(), text);
    if (ReasonText() != reason)
        return Differs("the reason", ReasonText(), reason);
    if (!dialog->isVisible())
        return QStringLiteral("the settings dialog closed");
    return {};
}

} // namespace

QString Generated(const QWidget *dialog, GenerationResult result, const QString &text)
{
    return ResultShown(dialog, result, text, QString());
}

QString GenerateRefused(const QWidget *dialog, const QString &path, GenerationResult result, const QString &text)
{
    if (!WriteReadOnlyFile(path, "old"))
        return QStringLiteral("cannot prepare the read-only file ") + path;
    // What the system says; every settings file goes through this function.
    std::string reason;
    if (mms::ReplaceFile(path.toStdString(), mms::Bytes{'n', 'e', 'w'}, &reason) || reason.empty())
        return QStringLiteral("the read-only file was replaced");

    Click(dialog, "Button_Generate");
    if (const QString shown = ResultShown(dialog, result, text, QString::fromStdString(reason)); !shown.isEmpty())
        return shown;
    return ReadFile(path) == "old" ? QString() : QStringLiteral("the old file changed");
}
