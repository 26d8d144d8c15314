// The save-location dialog (drive chooser, folder list, OK into the caller's field)
// and the result dialog's messages.
#include "tests/support/FormsFixture.h"

#include "ui/TForm_SaveParamsResult.h"
#include "ui/TForm_SelectSavePath.h"
#include "ui/TMMSMainForm.h"
#include "ui/TMMSSetupForm.h"
#include "ui/TSMTPSetupForm.h"
#include "ui/TSystemSetupForm.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

// The settings dialog for a save-location selector, and the main window's button
// that opens it.
QWidget *DialogOf(SaveLocationTarget caller)
{
    switch (caller) {
    case SaveLocationTarget::Camera:
        return Windows().SystemSetupForm;
    case SaveLocationTarget::Mms:
        return Windows().MMSSetupForm;
    default:
        return Windows().SMTPSetupForm;
    }
}

const char *SetupButton(SaveLocationTarget caller)
{
    static const char *const buttons[] = {"Button_Camera_Setup", "Button_MMS_Setup", "Button_Smtp_Setup"};
    return buttons[int(caller)];
}

QLineEdit *SaveFolderField(SaveLocationTarget caller)
{
    return Find<QLineEdit>(DialogOf(caller), "Edit_SavePath");
}

QString Native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

class TestSaveLocationDialogs : public QObject {
    Q_OBJECT

private:
    QWidget *Chooser() const { return Windows().Form_SelectSavePath; }
    QListWidget *FolderList() const { return Find<QListWidget>(Chooser(), "DirectoryListBox_Mid"); }
    QListWidgetItem *Entry(const QString &text) const;
    void OpenEntry(const QString &text) const;
    // Opens the settings dialog of `caller` from the main window and presses its Select.
    void SelectFrom(SaveLocationTarget caller) const;
    QStringList SaveFolders() const;
    QString Sub(const QString &relative) const { return m_tree->filePath(relative); }

    std::optional<FormsFixture> m_forms;
    std::optional<QTemporaryDir> m_tree; // alpha/, beta/inner/

private slots:
    void init();
    void cleanup();

    void okFillsTheCallersField_data();
    void okFillsTheCallersField();
    void listShowsThePathThenTheSubfolders();
    void highlightingDoesNotOpen();
    void enterOpensTheHighlightedFolder();
    void generateWhileOpenKeepsTheCaller();
    void okFillsTheFieldOfAClosedDialog();
    void cancelAndCloseBoxChangeNothing_data();
    void cancelAndCloseBoxChangeNothing();
    void unopenableStartKeepsTheFolderShown();
    void driveChooserHoldsTheOpenFolder();
    void resultMessages_data();
    void resultMessages();
};

void TestSaveLocationDialogs::init()
{
    m_forms.emplace();
    m_tree.emplace();
    QVERIFY(QDir(m_tree->path()).mkpath(QStringLiteral("alpha")));
    QVERIFY(QDir(m_tree->path()).mkpath(QStringLiteral("beta/inner")));
    // Every caller starts at the MMS dialog's folder.
    SaveFolderField(SaveLocationTarget::Mms)->setText(Native(m_tree->path()));
}

void TestSaveLocationDialogs::cleanup()
{
    m_forms.reset();
    m_tree.reset();
}

QListWidgetItem *TestSaveLocationDialogs::Entry(const QString &text) const
{
    const QList<QListWidgetItem *> entries = FolderList()->findItems(text, Qt::MatchExactly);
    return entries.size() == 1 ? entries.front() : nullptr;
}

void TestSaveLocationDialogs::OpenEntry(const QString &text) const
{
    QListWidgetItem *entry = Entry(text);
    QVERIFY2(entry, qPrintable(text));
    // A real double-click: press and release, then the second press arrives as a double-click.
    const QPoint centre = FolderList()->visualItemRect(entry).center();
    QTest::mouseClick(FolderList()->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(FolderList()->viewport(), Qt::LeftButton, {}, centre);
}

void TestSaveLocationDialogs::SelectFrom(SaveLocationTarget caller) const
{
    Click(Windows().MMSMainForm, SetupButton(caller));
    Click(DialogOf(caller), "Button_Select");
    QVERIFY(Chooser()->isVisible());
}

QStringList TestSaveLocationDialogs::SaveFolders() const
{
    return {SaveFolderField(SaveLocationTarget::Camera)->text(), SaveFolderField(SaveLocationTarget::Mms)->text(),
            SaveFolderField(SaveLocationTarget::Email)->text()};
}

void TestSaveLocationDialogs::okFillsTheCallersField_data()
{
    QTest::addColumn<SaveLocationTarget>("caller");
    QTest::newRow("camera") << SaveLocationTarget::Camera;
    QTest::newRow("MMS") << SaveLocationTarget::Mms;
    QTest::newRow("e-mail") << SaveLocationTarget::Email;
}

void TestSaveLocationDialogs::okFillsTheCallersField()
{
    QFETCH(SaveLocationTarget, caller);
    QStringList expected = SaveFolders();
    SelectFrom(caller);
    QCOMPARE(Windows().Form_SelectSavePath->CurrentFolder(), Native(m_tree->path()));
    OpenEntry(QStringLiteral("beta"));
    QCOMPARE(Windows().Form_SelectSavePath->CurrentFolder(), Native(Sub(QStringLiteral("beta"))));

    Click(Chooser(), "Button_Exit");
    expected[int(caller)] = Native(Sub(QStringLiteral("beta")));
    QCOMPARE(SaveFolders(), expected);
    QVERIFY(!Chooser()->isVisible());
}

void TestSaveLocationDialogs::listShowsThePathThenTheSubfolders()
{
    SelectFrom(SaveLocationTarget::Camera);
    OpenEntry(QStringLiteral("beta"));
    QStringList texts;
    for (int row = 0; row < FolderList()->count(); ++row)
        texts += FolderList()->item(row)->text();
    QCOMPARE(texts.front(), Native(QDir::rootPath()));
    QCOMPARE(texts.mid(texts.size() - 3),
             (QStringList{QFileInfo(m_tree->path()).fileName(), QStringLiteral("beta"), QStringLiteral("inner")}));
    QCOMPARE(FolderList()->currentItem()->text(), QStringLiteral("beta"));

    OpenEntry(QFileInfo(m_tree->path()).fileName()); // up again
    QVERIFY(Entry(QStringLiteral("alpha")));
    QCOMPARE(Windows().Form_SelectSavePath->CurrentFolder(), Native(m_tree->path()));
}

void TestSaveLocationDialogs::highlightingDoesNotOpen()
{
    SelectFrom(SaveLocationTarget::Camera);
    QTest::mouseClick(FolderList()->viewport(), Qt::LeftButton, {},
                      FolderList()->visualItemRect(Entry(QStringLiteral("alpha"))).center());
    QCOMPARE(FolderList()->currentItem()->text(), QStringLiteral("alpha"));
    Click(Chooser(), "Button_Exit");
    QCOMPARE(SaveFolderField(SaveLocationTarget::Camera)->text(), Native(m_tree->path()));
}

void TestSaveLocationDialogs::enterOpensTheHighlightedFolder()
{
    SelectFrom(SaveLocationTarget::Camera);
    FolderList()->setCurrentItem(Entry(QStringLiteral("alpha")));
    QTest::keyClick(FolderList(), Qt::Key_Return);
    QCOMPARE(Windows().Form_SelectSavePath->CurrentFolder(), Native(Sub(QStringLiteral("alpha"))));
    QVERIFY(Chooser()->isVisible());
}

void TestSaveLocationDialogs::generateWhileOpenKeepsTheCaller()
{
    QTemporaryDir cameraFolder;
    SaveFolderField(SaveLocationTarget::Camera)->setText(Native(cameraFolder.path()));
    const QStringList before = SaveFolders();
    SelectFrom(SaveLocationTarget::Camera);
    OpenEntry(QStringLiteral("alpha"));
    Click(Windows().SystemSetupForm, "Button_Generate");
    QVERIFY(QFileInfo::exists(cameraFolder.filePath(QStringLiteral("CAMERASETUP.dat"))));

    Click(Chooser(), "Button_Exit");
    QCOMPARE(SaveFolders(), (QStringList{Native(Sub(QStringLiteral("alpha"))), before[1], before[2]}));
}

void TestSaveLocationDialogs::okFillsTheFieldOfAClosedDialog()
{
    SelectFrom(SaveLocationTarget::Email);
    Click(Windows().SMTPSetupForm, "Button_Exit");
    QVERIFY(Windows().MMSMainForm->isVisible());
    OpenEntry(QStringLiteral("alpha"));
    Click(Chooser(), "Button_Exit");
    QCOMPARE(SaveFolderField(SaveLocationTarget::Email)->text(), Native(Sub(QStringLiteral("alpha"))));
}

void TestSaveLocationDialogs::cancelAndCloseBoxChangeNothing_data()
{
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("Cancel") << false;
    QTest::newRow("close box") << true;
}

void TestSaveLocationDialogs::cancelAndCloseBoxChangeNothing()
{
    QFETCH(bool, byCloseBox);
    const QStringList before = SaveFolders();
    SelectFrom(SaveLocationTarget::Camera);
    OpenEntry(QStringLiteral("beta"));
    if (byCloseBox)
        Chooser()->close();
    else
        Click(Chooser(), "Button_Cancel");
    QVERIFY(!Chooser()->isVisible());
    QCOMPARE(SaveFolders(), before);
    QVERIFY(Windows().SystemSetupForm->isVisible());
}

void TestSaveLocationDialogs::unopenableStartKeepsTheFolderShown()
{
    SelectFrom(SaveLocationTarget::Mms);
    OpenEntry(QStringLiteral("beta"));
    Click(Chooser(), "Button_Cancel");
    SaveFolderField(SaveLocationTarget::Mms)->setText(Native(Sub(QStringLiteral("gone"))));
    Click(Windows().MMSSetupForm, "Button_Select");
    QCOMPARE(Windows().Form_SelectSavePath->CurrentFolder(), Native(Sub(QStringLiteral("beta"))));
}

void TestSaveLocationDialogs::driveChooserHoldsTheOpenFolder()
{
    SelectFrom(SaveLocationTarget::Camera);
    const auto *drives = Find<QComboBox>(Chooser(), "DriveComboBox_Mid");
    QStringList roots;
    for (int i = 0; i < drives->count(); ++i)
        roots += drives->itemData(i).toString();
    QVERIFY(roots.contains(QStorageInfo::root().rootPath()));
    // The chooser shows the drive holding the open folder: the longest root it starts with.
    const QString folder = QDir::cleanPath(m_tree->path());
    const QString chosen = drives->currentData().toString();
    QVERIFY2(folder.startsWith(chosen), qPrintable(chosen));
    for (const QString &root : roots)
        QVERIFY2(!folder.startsWith(root) || root.size() <= chosen.size(), qPrintable(root));
}

void TestSaveLocationDialogs::resultMessages_data()
{
    QTest::addColumn<GenerationResult>("result");
    QTest::addColumn<QString>("message");
    QTest::newRow("camera failed") << GenerationResult::CameraFailed << "System configuration file has been failed.";
    QTest::newRow("camera generated") << GenerationResult::CameraGenerated
                                      << "System configuration file has been generated.";
    QTest::newRow("MMS failed") << GenerationResult::MmsFailed << "MMS configuration file has been failed.";
    QTest::newRow("MMS generated") << GenerationResult::MmsGenerated << "MMS configuration file has been generated.";
    QTest::newRow("e-mail failed") << GenerationResult::EmailFailed << "Email configuration file has been failed.";
    QTest::newRow("e-mail generated") << GenerationResult::EmailGenerated
                                      << "Email configuration file has been generated.";
    QTest::newRow("none yet") << GenerationResult::None << "";
    QTest::newRow("unknown") << GenerationResult(3) << "";
}

void TestSaveLocationDialogs::resultMessages()
{
    QFETCH(GenerationResult, result);
    QFETCH(QString, message);
    Windows().Form_SaveParamsResult->Report(result, QString());
    QWidget *resultDialog = Windows().Form_SaveParamsResult;
    QVERIFY(resultDialog->isVisible());
    QCOMPARE(Find<QLabel>(resultDialog, "Label_SaveParamsResult")->text(), message);
    QCOMPARE(Find<QPushButton>(resultDialog, "Button_Exit")->text(), QStringLiteral("ok"));
    QCOMPARE(resultDialog->windowTitle(), QString());
}

QTEST_MAIN(TestSaveLocationDialogs)
#include "TestSaveLocationDialogs.moc"
