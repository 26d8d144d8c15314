// The windows know nothing of each other: each reports through its signals, and the
// program's one set of connections takes every report to the right window.
#include "tests/support/FormsFixture.h"

#include "ui/SettingsDialog.h"
#include "ui/TForm_SaveParamsResult.h"
#include "ui/TForm_SelectSavePath.h"
#include "ui/TMMSMainForm.h"
#include "ui/TMMSSetupForm.h"
#include "ui/TSMTPSetupForm.h"
#include "ui/TSystemSetupForm.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <optional>

using DialogOf = std::function<SettingsDialog *()>;
Q_DECLARE_METATYPE(DialogOf)

class TestWindowWiring : public QObject {
    Q_OBJECT

private:
    std::optional<FormsFixture> m_forms;

private slots:
    void init() { m_forms.emplace(); }
    void cleanup() { m_forms.reset(); }

    void eachDialogReachesTheRightWindows_data();
    void eachDialogReachesTheRightWindows();
};

// clang-format off
void TestWindowWiring::eachDialogReachesTheRightWindows_data()
{
    QTest::addColumn<QByteArray>("setupButton");
    QTest::addColumn<DialogOf>("dialog");
    QTest::addColumn<SaveLocationTarget>("target");
    QTest::addColumn<GenerationResult>("generated");
    QTest::newRow("camera") << QByteArray("Button_Camera_Setup")
                            << DialogOf([] { return Windows().SystemSetupForm; }) << SaveLocationTarget::Camera
                            << GenerationResult::CameraGenerated;
    QTest::newRow("MMS") << QByteArray("Button_MMS_Setup") << DialogOf([] { return Windows().MMSSetupForm; })
                         << SaveLocationTarget::Mms << GenerationResult::MmsGenerated;
    QTest::newRow("e-mail") << QByteArray("Button_Smtp_Setup") << DialogOf([] { return Windows().SMTPSetupForm; })
                            << SaveLocationTarget::Email << GenerationResult::EmailGenerated;
}
// clang-format on

void TestWindowWiring::eachDialogReachesTheRightWindows()
{
    QFETCH(QByteArray, setupButton);
    QFETCH(DialogOf, dialog);
    QFETCH(SaveLocationTarget, target);
    QFETCH(GenerationResult, generated);
    SettingsDialog *settings = dialog();
    TForm_SelectSavePath *chooser = Windows().Form_SelectSavePath;
    QSignalSpy selectSpy(settings, &SettingsDialog::saveLocationRequested);
    QSignalSpy generatedSpy(settings, &SettingsDialog::generated);
    QSignalSpy closedSpy(settings, &SettingsDialog::closed);
    QSignalSpy chosenSpy(chooser, &TForm_SelectSavePath::folderChosen);

    Click(Windows().MMSMainForm, setupButton.constData());
    QVERIFY(settings->isVisible());
    QVERIFY(!Windows().MMSMainForm->isVisible());

    // Select: the chooser opens for this dialog; OK fills this dialog's field only.
    QTemporaryDir folder;
    Windows().MMSSetupForm->SavePathEdit()->setText(QDir::toNativeSeparators(folder.path()));
    const QStringList before = {Windows().SystemSetupForm->SavePathEdit()->text(),
                                Windows().MMSSetupForm->SavePathEdit()->text(),
                                Windows().SMTPSetupForm->SavePathEdit()->text()};
    Click(settings, "Button_Select");
    QCOMPARE(selectSpy.count(), 1);
    QCOMPARE(selectSpy.front().front().value<SaveLocationTarget>(), target);
    QVERIFY(chooser->isVisible());
    QCOMPARE(chooser->Target(), target);
    Click(chooser, "Button_Exit");
    QCOMPARE(chosenSpy.count(), 1);
    QStringList expected = before;
    expected[int(target)] = QDir::toNativeSeparators(folder.path());
    QCOMPARE(
        (QStringList{Windows().SystemSetupForm->SavePathEdit()->text(), Windows().MMSSetupForm->SavePathEdit()->text(),
                     Windows().SMTPSetupForm->SavePathEdit()->text()}),
        expected);

    // Generate: the result dialog shows this dialog's outcome.
    Click(settings, "Button_Generate");
    QCOMPARE(generatedSpy.count(), 1);
    QCOMPARE(generatedSpy.front().front().value<GenerationResult>(), generated);
    QVERIFY(Windows().Form_SaveParamsResult->isVisible());
    QCOMPARE(LatestResult(), generated);

    // Exit: the main window comes back.
    Click(settings, "Button_Exit");
    QCOMPARE(closedSpy.count(), 1);
    QVERIFY(!settings->isVisible());
    QVERIFY(Windows().MMSMainForm->isVisible());
}

QTEST_MAIN(TestWindowWiring)
#include "TestWindowWiring.moc"
