#include "FormsFixture.h"

#include "SettingsFileWriter.h"
#include "TestFiles.h"
#include "TForm_SaveParamsResult.h"
#include "TMMSMainForm.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
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

void VerifyTypingIsDiscarded(QComboBox *box, const QString &typed, bool listOpen)
{
    const int before = box->currentIndex();
    if (listOpen) {
        box->showPopup();
        QTest::keyClicks(box->view(), typed);
        QTest::keyClick(box->view(), Qt::Key_Return);
    } else {
        QTest::keyClicks(box, typed);
    }
    QCOMPARE(box->currentIndex(), before);
    const bool last = before == box->count() - 1;
    QTest::keyClick(box, last ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(box->currentIndex(), last ? before - 1 : before + 1);
}

QString ResultText()
{
    return Find<QLabel>(g_forms.Form_SaveParamsResult, "Label_SaveParamsResult")->text();
}

QString ReasonText()
{
    return Find<QLabel>(g_forms.Form_SaveParamsResult, "Label_FailureReason")->text();
}

void VerifyGenerated(const QWidget *dialog, int result, const QString &text)
{
    QCOMPARE(g_shared.GenerationResult, result);
    QVERIFY(g_forms.Form_SaveParamsResult->isVisible());
    QCOMPARE(ResultText(), text);
    QCOMPARE(ReasonText(), QString());
    QVERIFY(dialog->isVisible());
}

void VerifyGenerateRefused(const QWidget *dialog, const QString &path, int result, const QString &text)
{
    QVERIFY(WriteFile(path, "old"));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    // What the system says; every settings file goes through this writer.
    QString reason;
    QVERIFY(!WriteSettingsFile(path, "new", &reason));
    QVERIFY(!reason.isEmpty());

    Click(dialog, "Button_Generate");
    QCOMPARE(g_shared.GenerationResult, result);
    QCOMPARE(ResultText(), text);
    QCOMPARE(ReasonText(), reason);
    QCOMPARE(ReadFile(path), QByteArray("old"));
    QVERIFY(dialog->isVisible());
}
