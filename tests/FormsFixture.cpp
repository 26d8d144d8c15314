#include "FormsFixture.h"

#include "TMMSMainForm.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>

FormsFixture::FormsFixture()
{
    static const bool prepared = (PrepareApplication(), true);
    Q_UNUSED(prepared);
    m_forms = std::make_unique<FormSet>();
    g_forms.MMSMainForm->show();
}

FormsFixture::~FormsFixture() = default;

void Click(const QWidget *window, const char *buttonName)
{
    QTest::mouseClick(Find<QPushButton>(window, buttonName), Qt::LeftButton);
}

void Pick(QComboBox *box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void PickText(QComboBox *box, const QString &text)
{
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(box->objectName() + QStringLiteral(" has no ") + text));
    Pick(box, index);
}

QStringList ListItems(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items += box->itemText(i);
    return items;
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
