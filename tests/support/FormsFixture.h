#pragma once

#include "ui/Program.h"
#include "ui/SharedValues.h"

#include <QTest>

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include <memory>

// A fresh set of the program's six windows, made and shown as the program does at
// start-up; the application is prepared once per test program.
class FormsFixture {
public:
    FormsFixture();
    ~FormsFixture();

    // The windows as they stand, without building the five after the main one.
    FormSet &Set() const { return *m_forms; }

private:
    std::unique_ptr<FormSet> m_forms;
};

// The windows of the fixture that exists now, all six built.
const Forms &Windows();

// The control of that name in the window; a missing control ends the test program,
// as every later step would fail with it.
template <typename Control = QWidget>
Control *Find(const QWidget *window, const char *name)
{
    auto *control = window->findChild<Control *>(QString::fromLatin1(name));
    if (!control)
        qFatal("%s has no %s", window->metaObject()->className(), name);
    return control;
}

// Presses the named button with the mouse; waits for the work of a button that stays
// disabled while it runs (Generate).
void Click(const QWidget *window, const char *buttonName);
// Picks an entry as the user does: the list moves and reports the pick.
void Pick(QComboBox *box, int index);
// A check helper's verdict: empty when it passed, else what went wrong. CHECK fails
// the test and ends it, as QVERIFY does.
#define CHECK(verdict)                                                                                                 \
    do {                                                                                                               \
        const QString failure_ = (verdict);                                                                            \
        QVERIFY2(failure_.isEmpty(), qPrintable(failure_));                                                            \
    } while (false)

// Picks the entry with that text.
QString PickText(QComboBox *box, const QString &text);
QStringList ListItems(const QComboBox *box);
// The texts of the window's named edit fields.
QStringList FieldTexts(const QWidget *window, const QStringList &names);
// Types text as a keyboard would, one key press per character, whatever the character
// (QTest::keyClicks passes only Latin-1).
void Type(QWidget *widget, const QString &text);
// Pastes text from the clipboard into the field.
void Paste(QLineEdit *edit, const QString &text);
// The colour a drop-down list or edit field is filled with.
QColor BoxColour(const QWidget *box);

// Typing into `box` (into its open list when `listOpen`) leaves the pick as it was; the
// arrow keys still move it.
QString TypingIsDiscarded(QComboBox *box, const QString &typed, bool listOpen);

// The result dialog's texts: the outcome, and the system's reason for a failure.
QString ResultText();
// The generation result the result dialog holds.
GenerationResult LatestResult();
QString ReasonText();
// After a Generate that wrote its file: the result dialog shows `result` as `text` with
// no reason, and `dialog` stays open behind it.
QString Generated(const QWidget *dialog, GenerationResult result, const QString &text);
// Generate on `dialog` over an old file at `path` that has no write bits: the writer
// refuses it, for an administrator too; the result dialog shows `result` as `text` with
// the system's reason, the old file is left as it was and `dialog` stays open.
QString GenerateRefused(const QWidget *dialog, const QString &path, GenerationResult result, const QString &text);
