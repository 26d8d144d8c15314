// The MMS settings dialog: the state every show starts from, the country and operator
// lists, Auto and Manual mode, the number field, the daily report, Generate and its
// result, the text fields' character rule, typing in the lists and the keyboard order.
#include "FormsFixture.h"

#include "FormLook.h"
#include "TForm_SaveParamsResult.h"
#include "TestFiles.h"
#include "TMMSMainForm.h"
#include "TMMSSetupForm.h"

#include "MmsCatalogue.h"
#include "MmsSettings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

const QStringList kConnectionFields = {"Edit_URL",     "Edit_APN",     "Edit_GateWay",
                                       "Edit_Port",    "Edit_Account", "Edit_AccountPassword"};
const QStringList kRecipientFields = {"Edit_Mobile1", "Edit_Mobile2", "Edit_Mobile3", "Edit_Mobile4",
                                      "Edit_Email1",  "Edit_Email2",  "Edit_Email3",  "Edit_Email4"};

} // namespace

class TestMmsDialog : public QObject {
    Q_OBJECT

private:
    QWidget *Dialog() const { return g_forms.MMSSetupForm; }
    QComboBox *List(const char *name) const { return Find<QComboBox>(Dialog(), name); }
    QLineEdit *Field(const QString &name) const { return Find<QLineEdit>(Dialog(), qPrintable(name)); }
    QLineEdit *NumberField() const { return Field(QStringLiteral("Edit_MMSNumberPerDay")); }
    QString ResultText() const
    {
        return Find<QLabel>(g_forms.Form_SaveParamsResult, "Label_SaveParamsResult")->text();
    }
    QString ReasonText() const { return Find<QLabel>(g_forms.Form_SaveParamsResult, "Label_FailureReason")->text(); }
    void Open() { Click(g_forms.MMSMainForm, "Button_MMS_Setup"); }
    void Reopen();
    void Activate();
    QString SaveInto(const QTemporaryDir &folder) const;
    void FillAllFields(const QString &text) const;
    void VerifyFields(const QStringList &names, const QString &text, bool editable) const;
    void VerifyShowState() const;

    std::optional<FormsFixture> m_forms;

private slots:
    void init();
    void cleanup() { m_forms.reset(); }

    void firstShowing();
    void reshowIsACompleteReset_data();
    void reshowIsACompleteReset();
    void countryRebuildsTheOperators_data();
    void countryRebuildsTheOperators();
    void manualModeAndBack();
    void numberFieldTakesTwoDigits_data();
    void numberFieldTakesTwoDigits();
    void emptyNumberBecomesZeroOnLeaving();
    void dailyReportRule();
    void generateInAutoModeWritesTheRecord();
    void generateWithAnEmptyNumberWritesZero();
    void generateInManualModeWithEverythingEmpty();
    void failedGenerateShowsTheReason();
    void textFieldsRefuseWhatTheCameraCannotRead_data();
    void textFieldsRefuseWhatTheCameraCannotRead();
    void typedKeysAreDiscardedByTheLists_data();
    void typedKeysAreDiscardedByTheLists();
    void tabOrderFollowsTheArrangement();
};

void TestMmsDialog::init()
{
    m_forms.emplace();
    Open();
}

void TestMmsDialog::Reopen()
{
    Click(Dialog(), "Button_Exit");
    QVERIFY(g_forms.MMSMainForm->isVisible());
    Open();
}

// Focus changes need an active window.
void TestMmsDialog::Activate()
{
    Dialog()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Dialog()));
}

QString TestMmsDialog::SaveInto(const QTemporaryDir &folder) const
{
    g_forms.MMSSetupForm->SavePathEdit()->setText(QDir::toNativeSeparators(folder.path()));
    return folder.filePath(QString::fromLatin1(kMmsSetupFileName));
}

// Every text field that takes typing gets `text`, as typed.
void TestMmsDialog::FillAllFields(const QString &text) const
{
    for (const QString &name : kConnectionFields + kRecipientFields) {
        if (!Field(name)->isReadOnly())
            QTest::keyClicks(Field(name), text);
    }
}

void TestMmsDialog::VerifyFields(const QStringList &names, const QString &text, bool editable) const
{
    for (const QString &name : names) {
        const QLineEdit *field = Field(name);
        QVERIFY2(field->text() == text, qPrintable(name));
        QVERIFY2(field->isReadOnly() == !editable, qPrintable(name));
        QVERIFY2(BoxColour(field) == (editable ? WindowColour() : ScrollBarColour()), qPrintable(name));
    }
}

// What every show starts from: Auto, 800x600, no limit, no daily report, the first
// country with its operators, the connection texts left to the catalogue.
void TestMmsDialog::VerifyShowState() const
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

    QCOMPARE(ListItems(List("ComboBox_Country")), MmsCatalogue().CountryNames());
    QCOMPARE(List("ComboBox_Country")->currentText(), QStringLiteral("China"));
    QCOMPARE(ListItems(List("ComboBox_Operator")), (QStringList{"China Mobile", "China Unicom"}));
    QCOMPARE(List("ComboBox_Operator")->currentIndex(), 0);
    for (const char *name : {"ComboBox_Country", "ComboBox_Operator"}) {
        QVERIFY(List(name)->isEnabled());
        QCOMPARE(BoxColour(List(name)), WindowColour());
    }
    VerifyFields(kConnectionFields, QString(), false);
    VerifyFields(kRecipientFields, QString(), true);
}

void TestMmsDialog::firstShowing()
{
    VerifyShowState();
    QCOMPARE(Dialog()->windowTitle(), QStringLiteral("MMS Setup"));
    QCOMPARE(Find<QGroupBox>(Dialog(), "GroupBox_MMS")->title(), QStringLiteral("MMS"));
    const QList<std::pair<const char *, QString>> captions = {
        {"Label_MMSMode", "MMS Mode"},
        {"Label_MMSStatus", "MMS Status"},
        {"Label_MMSNumberPerDay", "MMS Number/Day"},
        {"Label_MMSNumberPerDay_Note_0_Unlimited", "Note: 0 = Unlimited"},
        {"Label_DailyReport_OnOff", "Daily Report"},
        {"Label_DailyReport_Hour", "Hour"},
        {"Label_Country", "Country"},
        {"Label_Operator", "Operator"},
        {"Label_URL", "URL"},
        {"Label_APN", "APN"},
        {"Label_GateWay", "Gateway"},
        {"Label_Port", "Port"},
        {"Label_Account", "Account"},
        {"Label_AccountPassword", "Password"},
        {"Label_Mobile1", "Mobile 1"},
        {"Label_Mobile4", "Mobile 4"},
        {"Label_Email1", "Email 1"},
        {"Label_Email4", "Email 4"},
    };
    for (const auto &[name, text] : captions)
        QCOMPARE(Find<QLabel>(Dialog(), name)->text(), text);
    const QList<std::pair<const char *, QString>> buttons = {
        {"Button_Select", "Select"}, {"Button_Generate", "Generate"}, {"Button_Exit", "Exit"}};
    for (const auto &[name, text] : buttons)
        QCOMPARE(Find<QPushButton>(Dialog(), name)->text(), text);
    QVERIFY(g_forms.MMSSetupForm->SavePathEdit()->isReadOnly());
    QCOMPARE(BoxColour(g_forms.MMSSetupForm->SavePathEdit()), ScrollBarColour());
    for (const QString &name : kConnectionFields + kRecipientFields)
        QCOMPARE(Field(name)->maxLength(), 50);
}

void TestMmsDialog::reshowIsACompleteReset_data()
{
    QTest::addColumn<QByteArray>("change");
    QTest::newRow("another country") << QByteArray("country");
    QTest::newRow("Manual mode") << QByteArray("manual");
    QTest::newRow("daily report On") << QByteArray("report");
    QTest::newRow("typed values") << QByteArray("typed");
}

void TestMmsDialog::reshowIsACompleteReset()
{
    QFETCH(QByteArray, change);
    if (change == "country") {
        PickText(List("ComboBox_Country"), QStringLiteral("United Kingdom"));
        PickText(List("ComboBox_Operator"), QStringLiteral("Orange"));
    } else if (change == "manual") {
        Pick(List("ComboBox_MMSMode"), 1);
        FillAllFields(QStringLiteral("typed"));
    } else if (change == "report") {
        Pick(List("ComboBox_DailyReport_OnOff"), 0);
        Pick(List("ComboBox_DailyReport_Hour"), 7);
    } else {
        Pick(List("ComboBox_MMSStatus"), 3);
        NumberField()->setText(QStringLiteral("42"));
        FillAllFields(QStringLiteral("typed"));
    }
    const QString folder = g_forms.MMSSetupForm->SavePathEdit()->text() + QStringLiteral("x");
    g_forms.MMSSetupForm->SavePathEdit()->setText(folder);

    Reopen();
    VerifyShowState();
    QCOMPARE(g_forms.MMSSetupForm->SavePathEdit()->text(), folder); // the one thing kept
}

void TestMmsDialog::countryRebuildsTheOperators_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("selected");
    QTest::newRow("United Kingdom") << "United Kingdom" << 9 << "Vodafone";
    QTest::newRow("Turkey") << "Turkey" << 1 << "Avea";
    QTest::newRow("China again") << "China" << 2 << "China Mobile";
}

void TestMmsDialog::countryRebuildsTheOperators()
{
    QFETCH(QString, country);
    QFETCH(int, count);
    QFETCH(QString, selected);
    PickText(List("ComboBox_Country"), QStringLiteral("Sweden"));
    PickText(List("ComboBox_Operator"), QStringLiteral("Telia"));

    PickText(List("ComboBox_Country"), country);
    const QStringList operators = ListItems(List("ComboBox_Operator"));
    QCOMPARE(operators.size(), count);
    QCOMPARE(operators, MmsCatalogue().OperatorNames(MmsCatalogue().FindCountry(country)));
    QCOMPARE(List("ComboBox_Operator")->currentText(), selected);
}

void TestMmsDialog::manualModeAndBack()
{
    PickText(List("ComboBox_Country"), QStringLiteral("Turkey"));
    FillAllFields(QStringLiteral("auto"));

    Pick(List("ComboBox_MMSMode"), 1);
    for (const char *name : {"ComboBox_Country", "ComboBox_Operator"}) {
        QCOMPARE(ListItems(List(name)), QStringList{QStringLiteral("Other")});
        QCOMPARE(List(name)->currentText(), QStringLiteral("Other"));
        QVERIFY(!List(name)->isEnabled());
        QCOMPARE(BoxColour(List(name)), ScrollBarColour());
    }
    VerifyFields(kConnectionFields, QString(), true);
    VerifyFields(kRecipientFields, QString(), true);

    FillAllFields(QStringLiteral("manual"));
    Pick(List("ComboBox_MMSMode"), 0);
    VerifyShowState();
}

void TestMmsDialog::numberFieldTakesTwoDigits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letters") << "ab" << QString() << "";
    QTest::newRow("signs") << "-+.," << QString() << "";
    QTest::newRow("spaces") << "  " << QString() << "";
    QTest::newRow("leading zero") << "05" << QString() << "05";
    QTest::newRow("digits among others") << "1x-2" << QString() << "12";
    QTest::newRow("two at most") << "123" << QString() << "12";
    QTest::newRow("backspace") << "12\b" << QString() << "1";
    QTest::newRow("pasted letter") << "" << "1a" << "";
    QTest::newRow("pasted digits") << "" << "07" << "07";
}

void TestMmsDialog::numberFieldTakesTwoDigits()
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

void TestMmsDialog::emptyNumberBecomesZeroOnLeaving()
{
    Activate();
    NumberField()->setFocus();
    QTest::keyClick(NumberField(), Qt::Key_Backspace);
    QCOMPARE(NumberField()->text(), QString());
    QTest::keyClick(NumberField(), Qt::Key_Tab);
    QVERIFY(!NumberField()->hasFocus());
    QCOMPARE(NumberField()->text(), QStringLiteral("0"));
}

void TestMmsDialog::dailyReportRule()
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

void TestMmsDialog::generateInAutoModeWritesTheRecord()
{
    QTemporaryDir folder;
    const QString path = SaveInto(folder);
    Pick(List("ComboBox_MMSStatus"), 2);
    NumberField()->clear();
    QTest::keyClicks(NumberField(), QStringLiteral("7"));
    Pick(List("ComboBox_DailyReport_OnOff"), 0);
    Pick(List("ComboBox_DailyReport_Hour"), 13);
    PickText(List("ComboBox_Country"), QStringLiteral("United Kingdom"));
    PickText(List("ComboBox_Operator"), QStringLiteral("O2"));
    QTest::keyClicks(Field(QStringLiteral("Edit_Mobile1")), QStringLiteral("+447700900123"));
    QTest::keyClicks(Field(QStringLiteral("Edit_Email4")), QStringLiteral("cam@example.net"));

    Click(Dialog(), "Button_Generate");

    MmsSettings expected;
    expected.Header.Status = 2;
    expected.Header.NumberPerDay = QStringLiteral("7");
    expected.Header.DailyReportOnOff = 0;
    expected.Header.DailyReportHour = 13;
    expected.Country = QStringLiteral("United Kingdom");
    expected.Operator = QStringLiteral("O2");
    expected.Mobile[0] = QStringLiteral("+447700900123");
    expected.Email[3] = QStringLiteral("cam@example.net");
    const std::optional<QByteArray> composed = ComposeMmsSetupFile(expected);
    QVERIFY(composed);
    QCOMPARE(ReadFile(path).toHex(), composed->toHex());
    QCOMPARE(g_shared.GenerationResult, 12);
    QVERIFY(g_forms.Form_SaveParamsResult->isVisible());
    QCOMPARE(ResultText(), QStringLiteral("MMS configuration file has been generated."));
    QCOMPARE(ReasonText(), QString());
    QVERIFY(Dialog()->isVisible());
}

void TestMmsDialog::generateWithAnEmptyNumberWritesZero()
{
    QTemporaryDir folder;
    const QString path = SaveInto(folder);
    NumberField()->clear();
    Click(Dialog(), "Button_Generate");
    QCOMPARE(NumberField()->text(), QStringLiteral("0"));
    // The first show's settings: China Mobile's parameters from the catalogue.
    QCOMPARE(ReadFile(path).toHex(), ComposeMmsSetupFile(MmsSettings())->toHex());
}

void TestMmsDialog::generateInManualModeWithEverythingEmpty()
{
    QTemporaryDir folder;
    const QString path = SaveInto(folder);
    Pick(List("ComboBox_MMSMode"), 1);
    Click(Dialog(), "Button_Generate");
    const QByteArray written = ReadFile(path);
    QCOMPARE(written.size(), 960);
    // The running checksum of this file, big-endian at offsets 954 to 957.
    QCOMPARE(written.mid(954, 4).toHex(), QByteArray("0002e970"));
    QCOMPARE(g_shared.GenerationResult, 12);
}

void TestMmsDialog::failedGenerateShowsTheReason()
{
    QTemporaryDir folder;
    const QString path = SaveInto(folder);
    QVERIFY(WriteFile(path, "old"));
    // No write bits: the writer refuses it, for an administrator too.
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    QString reason;
    QVERIFY(!WriteMmsSetupFile(path, MmsSettings(), &reason));

    Click(Dialog(), "Button_Generate");
    QCOMPARE(g_shared.GenerationResult, 11);
    QCOMPARE(ResultText(), QStringLiteral("MMS configuration file has been failed."));
    QVERIFY(!reason.isEmpty());
    QCOMPARE(ReasonText(), reason);
    QCOMPARE(ReadFile(path), QByteArray("old"));
    QVERIFY(Dialog()->isVisible());
}

void TestMmsDialog::textFieldsRefuseWhatTheCameraCannotRead_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Latin-1 letters typed") << "Edit_Email1" << "José@café.es" << QString() << "José@café.es";
    QTest::newRow("Polish letter typed") << "Edit_Email1" << "ł" << QString() << "";
    QTest::newRow("ideograph typed") << "Edit_Mobile2" << "1中2" << QString() << "12";
    QTest::newRow("euro sign typed") << "Edit_Mobile3" << "€5" << QString() << "5";
    QTest::newRow("tab pasted") << "Edit_Email2" << "" << "a\tb" << "";
    QTest::newRow("ideograph pasted") << "Edit_Mobile4" << "" << "中国" << "";
    QTest::newRow("cut at 50 when pasted") << "Edit_Email3" << "" << QString(60, QLatin1Char('x'))
                                           << QString(50, QLatin1Char('x'));
}

void TestMmsDialog::textFieldsRefuseWhatTheCameraCannotRead()
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

void TestMmsDialog::typedKeysAreDiscardedByTheLists_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("listOpen");
    QTest::newRow("mode") << QByteArray("ComboBox_MMSMode") << "m" << false;
    QTest::newRow("mode, list open") << QByteArray("ComboBox_MMSMode") << "m" << true;
    QTest::newRow("status") << QByteArray("ComboBox_MMSStatus") << "v" << false;
    QTest::newRow("daily report") << QByteArray("ComboBox_DailyReport_OnOff") << "o" << false;
    QTest::newRow("country") << QByteArray("ComboBox_Country") << "tu" << false;
    QTest::newRow("country, list open") << QByteArray("ComboBox_Country") << "u" << true;
    QTest::newRow("operator") << QByteArray("ComboBox_Operator") << "c" << false;
}

void TestMmsDialog::typedKeysAreDiscardedByTheLists()
{
    QFETCH(QByteArray, list);
    QFETCH(QString, typed);
    QFETCH(bool, listOpen);
    QComboBox *box = List(list.constData());
    const int before = box->currentIndex();
    if (listOpen) {
        box->showPopup();
        QTest::keyClicks(box->view(), typed);
        QTest::keyClick(box->view(), Qt::Key_Return);
    } else {
        QTest::keyClicks(box, typed);
    }
    QCOMPARE(box->currentIndex(), before);
    // Moving with the arrows still works.
    const bool last = before == box->count() - 1;
    QTest::keyClick(box, last ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(box->currentIndex(), last ? before - 1 : before + 1);
}

void TestMmsDialog::tabOrderFollowsTheArrangement()
{
    Activate();
    List("ComboBox_MMSMode")->setFocus(Qt::TabFocusReason);
    // The hour list is disabled and takes no focus.
    const QStringList expected = QStringList{"ComboBox_MMSStatus", "Edit_MMSNumberPerDay",
                                             "ComboBox_DailyReport_OnOff", "ComboBox_Country", "ComboBox_Operator"}
                                 + kConnectionFields + kRecipientFields
                                 + QStringList{"Button_Select", "Edit_SavePath", "Button_Generate", "Button_Exit",
                                               "ComboBox_MMSMode"};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited += QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

QTEST_MAIN(TestMmsDialog)
#include "TestMmsDialog.moc"
