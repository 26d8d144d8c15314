// What the MMS and e-mail dialogs share, run on each of them: the state every show
// starts from, Auto and Manual mode, the number field, the daily report, the text
// fields' character rule, typing in the lists, the keyboard order and a refused
// Generate. Every row names its dialog first ("mms: ...", "email: ...").
#include "tests/support/FormsFixture.h"
#include "tests/support/TestSupport.h"
#include "ui/CoreText.h"

#include "ui/FormLook.h"
#include "ui/TMMSMainForm.h"
#include "ui/TMMSSetupForm.h"
#include "ui/TSMTPSetupForm.h"

#include "catalogue/EmailCatalogue.h"
#include "catalogue/MmsCatalogue.h"
#include "settings/EmailSettings.h"
#include "settings/MmsSettings.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

// What tells the two dialogs apart in the behaviour they share.
struct SendingDialog {
    const char *tag;        // "mms" or "email"
    const char *openButton; // on the main window
    SendingSetupForm *(*window)();
    QStringList countries; // the catalogue's, all in the country list
    QString otherCountry;  // a country other than the first, with
    QString otherOperator; // one of its operators
    // The operator's connection texts: read-only and empty in Auto, where the catalogue
    // gives them, typed in Manual; every change of mode empties them.
    QStringList connectionFields;
    QStringList senderFields;    // typed in either mode; a change of mode leaves them
    QStringList recipientFields; // typed in either mode; a change of mode empties them
    const char *fileName;
    GenerationResult failedResult;
    QString failedText;

    // Every text field, in keyboard order.
    QStringList TextFields() const { return connectionFields + senderFields + recipientFields; }
};

const SendingDialog &Mms()
{
    static const SendingDialog dialog = {
        .tag = "mms",
        .openButton = "Button_MMS_Setup",
        .window = []() -> SendingSetupForm * { return Windows().MMSSetupForm; },
        .countries = FromCore(mms::MmsCatalogue().CountryNames()),
        .otherCountry = QStringLiteral("United Kingdom"),
        .otherOperator = QStringLiteral("Orange"),
        .connectionFields = {"Edit_URL", "Edit_APN", "Edit_GateWay", "Edit_Port", "Edit_Account",
                             "Edit_AccountPassword"},
        .senderFields = {},
        .recipientFields = {"Edit_Mobile1", "Edit_Mobile2", "Edit_Mobile3", "Edit_Mobile4", "Edit_Email1",
                            "Edit_Email2", "Edit_Email3", "Edit_Email4"},
        .fileName = mms::kMmsSetupFileName,
        .failedResult = GenerationResult::MmsFailed,
        .failedText = QStringLiteral("MMS configuration file has been failed."),
    };
    return dialog;
}

const SendingDialog &Email()
{
    static const SendingDialog dialog = {
        .tag = "email",
        .openButton = "Button_Smtp_Setup",
        .window = []() -> SendingSetupForm * { return Windows().SMTPSetupForm; },
        .countries = FromCore(mms::EmailCatalogue().CountryNames()),
        .otherCountry = QStringLiteral("Deutschland"), // its operators have SMTP presets
        .otherOperator = QStringLiteral("otelo"),
        .connectionFields = {"Edit_APN", "Edit_Account", "Edit_AccountPassword"},
        .senderFields = {"Edit_SmtpServer", "Edit_Port", "Edit_SenderEmail", "MaskEdit_SenderPassword"},
        .recipientFields = {"Edit_Email1", "Edit_Email2", "Edit_Email3", "Edit_Email4"},
        .fileName = mms::kEmailSetupFileName,
        .failedResult = GenerationResult::EmailFailed,
        .failedText = QStringLiteral("Email configuration file has been failed."),
    };
    return dialog;
}

void AddDialogColumn()
{
    QTest::addColumn<const SendingDialog *>("dialog");
}

// A row "tag: name" for `dialog`, with `values` in the columns after the dialog.
template <typename... Values>
void AddRow(const SendingDialog &dialog, const char *name, const Values &...values)
{
    ((QTest::addRow("%s: %s", dialog.tag, name) << &dialog) << ... << values);
}

template <typename... Values>
void AddRowForBoth(const char *name, const Values &...values)
{
    AddRow(Mms(), name, values...);
    AddRow(Email(), name, values...);
}

// The whole table of a test that has no rows of its own.
void OneRowPerDialog()
{
    AddDialogColumn();
    for (const SendingDialog *dialog : {&Mms(), &Email()})
        QTest::newRow(dialog->tag) << dialog;
}

} // namespace

Q_DECLARE_METATYPE(const SendingDialog *)

class TestSendingRows : public QObject {
    Q_OBJECT

private:
    SendingSetupForm *Dialog() const { return m_dialog->window(); }
    QComboBox *List(const char *name) const { return Find<QComboBox>(Dialog(), name); }
    QLineEdit *Field(const QString &name) const { return Find<QLineEdit>(Dialog(), qPrintable(name)); }
    QLineEdit *NumberField() const { return Field(QStringLiteral("Edit_MMSNumberPerDay")); }
    void Open() { Click(Windows().MMSMainForm, m_dialog->openButton); }
    void Reopen();
    void Activate();
    // Types the field's own name into every field that takes typing.
    void FillAllFields() const;
    void VerifyTextFields(const QStringList &names, const QString &text, bool editable) const;
    void VerifyAutoStart() const;
    void VerifyShowState() const;

    std::optional<FormsFixture> m_forms;
    const SendingDialog *m_dialog = nullptr;

private slots:
    void init();
    void cleanup() { m_forms.reset(); }

    void firstShowing_data() { OneRowPerDialog(); }
    void firstShowing();
    void reshowIsACompleteReset_data();
    void reshowIsACompleteReset();
    void manualModeAndBack_data() { OneRowPerDialog(); }
    void manualModeAndBack();
    void numberFieldTakesTwoDigits_data();
    void numberFieldTakesTwoDigits();
    void emptyNumberBecomesZeroOnLeaving_data() { OneRowPerDialog(); }
    void emptyNumberBecomesZeroOnLeaving();
    void dailyReportRule_data() { OneRowPerDialog(); }
    void dailyReportRule();
    void failedGenerateShowsTheReason_data() { OneRowPerDialog(); }
    void failedGenerateShowsTheReason();
    void textFieldsRefuseWhatTheCameraCannotRead_data();
    void textFieldsRefuseWhatTheCameraCannotRead();
    void typedKeysAreDiscardedByTheLists_data();
    void typedKeysAreDiscardedByTheLists();
    void tabOrderFollowsTheArrangement_data() { OneRowPerDialog(); }
    void tabOrderFollowsTheArrangement();
};

// Every test has the dialog column, so the dialog is known before the test runs.
void TestSendingRows::init()
{
    QFETCH(const SendingDialog *, dialog);
    m_dialog = dialog;
    m_forms.emplace();
    Open();
}

void TestSendingRows::Reopen()
{
    Click(Dialog(), "Button_Exit");
    QVERIFY(Windows().MMSMainForm->isVisible());
    Open();
}

// Focus changes need an active window.
void TestSendingRows::Activate()
{
    Dialog()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Dialog()));
}

void TestSendingRows::FillAllFields() const
{
    for (const QString &name : m_dialog->TextFields()) {
        QLineEdit *field = Field(name);
        if (!field->isReadOnly()) {
            field->clear();
            QTest::keyClicks(field, name);
        }
    }
}

void TestSendingRows::VerifyTextFields(const QStringList &names, const QString &text, bool editable) const
{
    for (const QString &name : names) {
        const QLineEdit *field = Field(name);
        QVERIFY2(field->text() == text, qPrintable(name));
        QVERIFY2(field->isReadOnly() == !editable, qPrintable(name));
        QVERIFY2(BoxColour(field) == (editable ? WindowColour() : ScrollBarColour()), qPrintable(name));
    }
}

// What Auto mode starts from, at every show and on coming back from Manual: 800x600, no
// limit, no daily report, the first country with its operators, the connection texts
// left to the catalogue and no recipients.
void TestSendingRows::VerifyAutoStart() const
{
    QCOMPARE(ListItems(List("ComboBox_MMSMode")), (QStringList{"Auto", "Manual"}));
    QCOMPARE(List("ComboBox_MMSMode")->currentIndex(), 0);
    QCOMPARE(ListItems(List("ComboBox_MMSStatus")), (QStringList{"Off", "800x600", "VGA", "SMS"}));
    QCOMPARE(List("ComboBox_MMSStatus")->currentIndex(), 1);
    QCOMPARE(NumberField()->text(), QStringLiteral("0"));
    QCOMPARE(ListItems(List("ComboBox_DailyReport_OnOff")), (QStringList{"On", "Off"}));
    QCOMPARE(List("ComboBox_DailyReport_OnOff")->currentIndex(), 1);
    QCOMPARE(List("ComboBox_DailyReport_Hour")->count(), 24);
    QCOMPARE(List("ComboBox_DailyReport_Hour")->currentText(), QStringLiteral("0"));
    QVERIFY(!List("ComboBox_DailyReport_Hour")->isEnabled());
    QCOMPARE(BoxColour(List("ComboBox_DailyReport_Hour")), ScrollBarColour());

    QCOMPARE(ListItems(List("ComboBox_Country")), m_dialog->countries);
    QCOMPARE(List("ComboBox_Country")->currentText(), QStringLiteral("China"));
    QCOMPARE(ListItems(List("ComboBox_Operator")), (QStringList{"China Mobile", "China Unicom"}));
    QCOMPARE(List("ComboBox_Operator")->currentIndex(), 0);
    for (const char *name : {"ComboBox_Country", "ComboBox_Operator"}) {
        QVERIFY(List(name)->isEnabled());
        QCOMPARE(BoxColour(List(name)), WindowColour());
    }
    VerifyTextFields(m_dialog->connectionFields, QString(), false);
    VerifyTextFields(m_dialog->recipientFields, QString(), true);
}

// Every show also empties the sender.
void TestSendingRows::VerifyShowState() const
{
    VerifyAutoStart();
    VerifyTextFields(m_dialog->senderFields, QString(), true);
}

void TestSendingRows::firstShowing()
{
    VerifyShowState();
    const QList<std::pair<const char *, QString>> captions = {
        {"Label_MMSNumberPerDay_Note_0_Unlimited", "Note: 0 = Unlimited"},
        {"Label_DailyReport_OnOff", "Daily Report"},
        {"Label_DailyReport_Hour", "Hour"},
        {"Label_Country", "Country"},
        {"Label_Operator", "Operator"},
    };
    for (const auto &[name, text] : captions)
        QCOMPARE(Find<QLabel>(Dialog(), name)->text(), text);
    const QList<std::pair<const char *, QString>> buttons = {
        {"Button_Select", "Select"}, {"Button_Generate", "Generate"}, {"Button_Exit", "Exit"}};
    for (const auto &[name, text] : buttons)
        QCOMPARE(Find<QPushButton>(Dialog(), name)->text(), text);
    QVERIFY(Dialog()->SavePathEdit()->isReadOnly());
    QCOMPARE(BoxColour(Dialog()->SavePathEdit()), ScrollBarColour());
    for (const QString &name : m_dialog->TextFields())
        QCOMPARE(Field(name)->maxLength(), 50);
}

void TestSendingRows::reshowIsACompleteReset_data()
{
    AddDialogColumn();
    QTest::addColumn<QByteArray>("change");
    AddRowForBoth("another country", QByteArray("country"));
    AddRowForBoth("Manual mode", QByteArray("manual"));
    AddRowForBoth("daily report On", QByteArray("report"));
    AddRowForBoth("typed values", QByteArray("typed"));
}

void TestSendingRows::reshowIsACompleteReset()
{
    QFETCH(QByteArray, change);
    if (change == "country") {
        CHECK(PickText(List("ComboBox_Country"), m_dialog->otherCountry));
        CHECK(PickText(List("ComboBox_Operator"), m_dialog->otherOperator));
    } else if (change == "manual") {
        Pick(List("ComboBox_MMSMode"), 1);
        FillAllFields();
    } else if (change == "report") {
        Pick(List("ComboBox_DailyReport_OnOff"), 0);
        Pick(List("ComboBox_DailyReport_Hour"), 7);
    } else {
        Pick(List("ComboBox_MMSStatus"), 3);
        NumberField()->setText(QStringLiteral("42"));
        FillAllFields();
    }
    const QString folder = Dialog()->SavePathEdit()->text() + QStringLiteral("x");
    Dialog()->SavePathEdit()->setText(folder);

    Reopen();
    VerifyShowState();
    QCOMPARE(Dialog()->SavePathEdit()->text(), folder); // the one thing kept
}

void TestSendingRows::manualModeAndBack()
{
    CHECK(PickText(List("ComboBox_Country"), QStringLiteral("Turkey")));
    FillAllFields();

    Pick(List("ComboBox_MMSMode"), 1);
    for (const char *name : {"ComboBox_Country", "ComboBox_Operator"}) {
        QCOMPARE(ListItems(List(name)), QStringList{QStringLiteral("Other")});
        QCOMPARE(List(name)->currentText(), QStringLiteral("Other"));
        QVERIFY(!List(name)->isEnabled());
        QCOMPARE(BoxColour(List(name)), ScrollBarColour());
    }
    VerifyTextFields(m_dialog->connectionFields, QString(), true);
    VerifyTextFields(m_dialog->recipientFields, QString(), true);

    FillAllFields(); // the connection texts now take typing
    QCOMPARE(FieldTexts(Dialog(), m_dialog->connectionFields), m_dialog->connectionFields);
    Pick(List("ComboBox_MMSMode"), 0);
    VerifyAutoStart();
}

void TestSendingRows::numberFieldTakesTwoDigits_data()
{
    AddDialogColumn();
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    AddRowForBoth("letters", "ab", QString(), "");
    AddRowForBoth("signs", "-+.,", QString(), "");
    AddRowForBoth("spaces", "  ", QString(), "");
    AddRowForBoth("letters, signs and spaces", "a-+ b", QString(), "");
    AddRowForBoth("leading zero", "05", QString(), "05");
    AddRowForBoth("digits among others", "1x-2", QString(), "12");
    AddRowForBoth("two at most", "123", QString(), "12");
    AddRowForBoth("two nines at most", "991", QString(), "99");
    AddRowForBoth("backspace", "12\b", QString(), "1");
    AddRowForBoth("pasted letter", "", "1a", "");
    AddRowForBoth("pasted digits", "", "07", "07");
}

void TestSendingRows::numberFieldTakesTwoDigits()
{
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    NumberField()->clear();
    QTest::keyClicks(NumberField(), typed);
    if (!pasted.isEmpty())
        Paste(NumberField(), pasted);
    QCOMPARE(NumberField()->text(), shown);
}

void TestSendingRows::emptyNumberBecomesZeroOnLeaving()
{
    Activate();
    NumberField()->setFocus();
    QTest::keyClick(NumberField(), Qt::Key_Backspace);
    QCOMPARE(NumberField()->text(), QString());
    QTest::keyClick(NumberField(), Qt::Key_Tab);
    QVERIFY(!NumberField()->hasFocus());
    QCOMPARE(NumberField()->text(), QStringLiteral("0"));
}

void TestSendingRows::dailyReportRule()
{
    QComboBox *hour = List("ComboBox_DailyReport_Hour");
    Pick(List("ComboBox_DailyReport_OnOff"), 0); // On
    QVERIFY(hour->isEnabled());
    QCOMPARE(BoxColour(hour), WindowColour());
    Pick(hour, 13);
    Pick(List("ComboBox_DailyReport_OnOff"), 0); // On again keeps the hour
    QCOMPARE(hour->currentText(), QStringLiteral("13"));

    Pick(List("ComboBox_DailyReport_OnOff"), 1); // Off
    QVERIFY(!hour->isEnabled());
    QCOMPARE(BoxColour(hour), ScrollBarColour());
    QCOMPARE(hour->currentText(), QStringLiteral("0"));
}

void TestSendingRows::failedGenerateShowsTheReason()
{
    QTemporaryDir folder;
    Dialog()->SavePathEdit()->setText(QDir::toNativeSeparators(folder.path()));
    CHECK(GenerateRefused(Dialog(), folder.filePath(QString::fromLatin1(m_dialog->fileName)), m_dialog->failedResult,
                          m_dialog->failedText));
}

// Each dialog's fields take what the camera can read (Latin-1, no control characters),
// 50 characters at most.
void TestSendingRows::textFieldsRefuseWhatTheCameraCannotRead_data()
{
    AddDialogColumn();
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    AddRow(Mms(), "Latin-1 letters typed", "Edit_Email1", "José@café.es", QString(), "José@café.es");
    AddRow(Mms(), "Polish letter typed", "Edit_Email1", "ł", QString(), "");
    AddRow(Mms(), "ideograph typed", "Edit_Mobile2", "1中2", QString(), "12");
    AddRow(Mms(), "euro sign typed", "Edit_Mobile3", "€5", QString(), "5");
    AddRow(Mms(), "tab pasted", "Edit_Email2", "", "a\tb", "");
    AddRow(Mms(), "ideograph pasted", "Edit_Mobile4", "", "中国", "");
    AddRow(Mms(), "cut at 50 when pasted", "Edit_Email3", "", QString(60, QLatin1Char('x')),
           QString(50, QLatin1Char('x')));
    AddRow(Email(), "recipient, Latin-1", "Edit_Email1", "Åsa@för.se", QString(), "Åsa@för.se");
    AddRow(Email(), "recipient, Polish letter", "Edit_Email2", "Łódź", QString(), "ód");
    AddRow(Email(), "sender, pasted control character", "Edit_SenderEmail", "", "a\rb", "");
    AddRow(Email(), "port takes letters and signs", "Edit_Port", "smtp+tls:25", QString(), "smtp+tls:25");
    AddRow(Email(), "sender password, 50 at most", "MaskEdit_SenderPassword", "", QString(60, QLatin1Char('p')),
           QString(50, QLatin1Char('p')));
}

void TestSendingRows::textFieldsRefuseWhatTheCameraCannotRead()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    QLineEdit *edit = Field(field);
    Type(edit, typed);
    if (!pasted.isEmpty())
        Paste(edit, pasted);
    QCOMPARE(edit->text(), shown);
}

void TestSendingRows::typedKeysAreDiscardedByTheLists_data()
{
    AddDialogColumn();
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("listOpen");
    AddRowForBoth("mode", QByteArray("ComboBox_MMSMode"), "m", false);
    AddRowForBoth("mode, list open", QByteArray("ComboBox_MMSMode"), "m", true);
    AddRowForBoth("status", QByteArray("ComboBox_MMSStatus"), "v", false);
    AddRowForBoth("daily report", QByteArray("ComboBox_DailyReport_OnOff"), "o", false);
    AddRowForBoth("country", QByteArray("ComboBox_Country"), "tu", false);
    AddRowForBoth("country, another name", QByteArray("ComboBox_Country"), "de", false);
    AddRowForBoth("country, list open", QByteArray("ComboBox_Country"), "u", true);
    AddRowForBoth("operator", QByteArray("ComboBox_Operator"), "c", false);
}

void TestSendingRows::typedKeysAreDiscardedByTheLists()
{
    QFETCH(QByteArray, list);
    QFETCH(QString, typed);
    QFETCH(bool, listOpen);
    CHECK(TypingIsDiscarded(List(list.constData()), typed, listOpen));
}

void TestSendingRows::tabOrderFollowsTheArrangement()
{
    Activate();
    List("ComboBox_MMSMode")->setFocus(Qt::TabFocusReason);
    // The hour list is disabled and takes no focus.
    const QStringList expected = QStringList{"ComboBox_MMSStatus", "Edit_MMSNumberPerDay", "ComboBox_DailyReport_OnOff",
                                             "ComboBox_Country", "ComboBox_Operator"}
        + m_dialog->TextFields()
        + QStringList{"Button_Select", "Edit_SavePath", "Button_Generate", "Button_Exit", "ComboBox_MMSMode"};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited += QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

QTEST_MAIN(TestSendingRows)
#include "TestSendingRows.moc"
