// The MMS settings dialog's own part: its captions, the operator lists of its catalogue,
// and Generate writing its file. What it shares with the e-mail dialog is tested on both
// in TestSendingRows.
#include "tests/support/FormsFixture.h"
#include "ui/CoreText.h"

#include "tests/support/TestSupport.h"
#include "ui/TForm_SaveParamsResult.h"
#include "ui/TMMSMainForm.h"
#include "ui/TMMSSetupForm.h"

#include "catalogue/MmsCatalogue.h"
#include "settings/MmsSettings.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

class TestMmsDialog : public QObject {
    Q_OBJECT

private:
    QWidget *Dialog() const { return Windows().MMSSetupForm; }
    QComboBox *List(const char *name) const { return Find<QComboBox>(Dialog(), name); }
    QLineEdit *Field(const QString &name) const { return Find<QLineEdit>(Dialog(), qPrintable(name)); }
    QLineEdit *NumberField() const { return Field(QStringLiteral("Edit_MMSNumberPerDay")); }
    void Open() { Click(Windows().MMSMainForm, "Button_MMS_Setup"); }
    QString SaveInto(const QTemporaryDir &folder) const;

    std::optional<FormsFixture> m_forms;

private slots:
    void init();
    void cleanup() { m_forms.reset(); }

    void titleAndCaptions();
    void countryRebuildsTheOperators_data();
    void countryRebuildsTheOperators();
    void generateInAutoModeWritesTheRecord();
    void generateWithAnEmptyNumberWritesZero();
    void generateInManualModeWithEverythingEmpty();
    void resultListsTheAdvice_data();
    void resultListsTheAdvice();
};

void TestMmsDialog::init()
{
    m_forms.emplace();
    Open();
}

QString TestMmsDialog::SaveInto(const QTemporaryDir &folder) const
{
    Windows().MMSSetupForm->SavePathEdit()->setText(QDir::toNativeSeparators(folder.path()));
    return folder.filePath(QString::fromLatin1(mms::kMmsSetupFileName));
}

void TestMmsDialog::titleAndCaptions()
{
    QCOMPARE(Dialog()->windowTitle(), QStringLiteral("MMS Setup"));
    QCOMPARE(Find<QGroupBox>(Dialog(), "GroupBox_MMS")->title(), QStringLiteral("MMS"));
    const QList<std::pair<const char *, QString>> captions = {
        {"Label_MMSMode", "MMS Mode"},
        {"Label_MMSStatus", "MMS Status"},
        {"Label_MMSNumberPerDay", "MMS Number/Day"},
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
    CHECK(PickText(List("ComboBox_Country"), QStringLiteral("Sweden")));
    CHECK(PickText(List("ComboBox_Operator"), QStringLiteral("Telia")));

    CHECK(PickText(List("ComboBox_Country"), country));
    const QStringList operators = ListItems(List("ComboBox_Operator"));
    QCOMPARE(operators.size(), count);
    QCOMPARE(operators, FromCore(mms::MmsCatalogue().OperatorNames(mms::MmsCatalogue().FindCountry(Utf8(country)))));
    QCOMPARE(List("ComboBox_Operator")->currentText(), selected);
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
    CHECK(PickText(List("ComboBox_Country"), QStringLiteral("United Kingdom")));
    CHECK(PickText(List("ComboBox_Operator"), QStringLiteral("O2")));
    QTest::keyClicks(Field(QStringLiteral("Edit_Mobile1")), QStringLiteral("+447700900123"));
    QTest::keyClicks(Field(QStringLiteral("Edit_Email4")), QStringLiteral("cam@example.net"));

    Click(Dialog(), "Button_Generate");

    mms::MmsSettings expected;
    expected.Header.Status = 2;
    expected.Header.NumberPerDay = "7";
    expected.Header.DailyReportOnOff = 0;
    expected.Header.DailyReportHour = 13;
    expected.Country = "United Kingdom";
    expected.Operator = "O2";
    expected.Mobile[0] = "+447700900123";
    expected.Email[3] = "cam@example.net";
    const std::optional<mms::Bytes> composed = mms::ComposeMmsSetupFile(expected);
    QVERIFY(composed);
    QCOMPARE(ReadFile(path).toHex(), ToQ(*composed).toHex());
    CHECK(Generated(Dialog(), GenerationResult::MmsGenerated,
                    QStringLiteral("MMS configuration file has been generated.")));
}

void TestMmsDialog::generateWithAnEmptyNumberWritesZero()
{
    QTemporaryDir folder;
    const QString path = SaveInto(folder);
    NumberField()->clear();
    Click(Dialog(), "Button_Generate");
    QCOMPARE(NumberField()->text(), QStringLiteral("0"));
    // The first show's settings: China Mobile's parameters from the catalogue.
    QCOMPARE(ReadFile(path).toHex(), ToQ(*mms::ComposeMmsSetupFile(mms::MmsSettings())).toHex());
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
    QCOMPARE(LatestResult(), GenerationResult::MmsGenerated);
}

// clang-format off
void TestMmsDialog::resultListsTheAdvice_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("operatorName");
    QTest::addColumn<QString>("advice"); // how the advice begins; empty: none
    QTest::newRow("2G switched off") << "Australia" << "Telstra"
                                     << "Warning: Telstra (Australia) switched its 2G network off";
    QTest::newRow("nothing to say") << "China" << "China Mobile" << QString();
}
// clang-format on

// Below the result line, and in what a screen reader says with it; without advice the
// dialog keeps its own size.
void TestMmsDialog::resultListsTheAdvice()
{
    QFETCH(QString, country);
    QFETCH(QString, operatorName);
    QFETCH(QString, advice);
    QTemporaryDir folder;
    SaveInto(folder);
    CHECK(PickText(List("ComboBox_Country"), country));
    CHECK(PickText(List("ComboBox_Operator"), operatorName));
    QTest::keyClicks(Field(QStringLiteral("Edit_Mobile1")), QStringLiteral("+61412345678"));
    Click(Dialog(), "Button_Generate");
    CHECK(Generated(Dialog(), GenerationResult::MmsGenerated,
                    QStringLiteral("MMS configuration file has been generated.")));

    QWidget *result = Windows().Form_SaveParamsResult;
    auto *label = Find<QLabel>(result, "Label_Advice");
    const QString description = QAccessible::queryAccessibleInterface(result)->text(QAccessible::Description);
    if (advice.isEmpty()) {
        QVERIFY(label->isHidden());
        QCOMPARE(result->size(), QSize(442, 150));
        QCOMPARE(description, ResultText());
        return;
    }
    QVERIFY(label->isVisible());
    QVERIFY2(label->text().startsWith(advice), qPrintable(label->text()));
    QVERIFY(label->geometry().bottom() < Find<QWidget>(result, "Button_Exit")->geometry().top());
    QVERIFY(result->height() > 150);
    QCOMPARE(description, ResultText() + QLatin1Char('\n') + label->text());
}

QTEST_MAIN(TestMmsDialog)
#include "TestMmsDialog.moc"
