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
QWidget *DialogOf(int caller)
{
    switch (caller) {
    case kSaveForCamera:
        return g_forms.SystemSetupForm;
    case kSaveForMms:
        return g_forms.MMSSetupForm;
    default:
        return g_forms.SMTPSetupForm;
    }
}

const char *SetupButton(int caller)
{
    static const char *const buttons[] = {"Button_Camera_Setup", "Button_MMS_Setup", "Button_Smtp_Setup"};
    return buttons[caller];
}

QLineEdit *SaveFolderField(int caller)
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
    QWidget *Chooser() const { return g_forms.Form_SelectSavePath; }
    QListWidget *FolderList() const { return Find<QListWidget>(Chooser(), "DirectoryListBox_Mid"); }
    QListWidgetItem *Entry(const QString &text) const;
    void OpenEntry(const QString &text) const;
    // Opens the settings dialog of `caller` from the main window and presses its Select.
    void SelectFrom(int caller) const;
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
    SaveFolderField(kSaveForMms)->setText(Native(m_tree->path()));
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

void TestSaveLocationDialogs::SelectFrom(int caller) const
{
    Click(g_forms.MMSMainForm, SetupButton(caller));
    Click(DialogOf(caller), "Button_Select");
    QVERIFY(Chooser()->isVisible());
}

QStringList TestSaveLocationDialogs::SaveFolders() const
{
    return {SaveFolderField(kSaveForCamera)->text(), SaveFolderField(kSaveForMms)->text(),
            SaveFolderField(kSaveForEmail)->text()};
}

void TestSaveLocationDialogs::okFillsTheCallersField_data()
{
    QTest::addColumn<int>("caller");
    QTest::newRow("camera") << int(kSaveForCamera);
    QTest::newRow("MMS") << int(kSaveForMms);
    QTest::newRow("e-mail") << int(kSaveForEmail);
}

void TestSaveLocationDialogs::okFillsTheCallersField()
{
    QFETCH(int, caller);
    QStringList expected = SaveFolders();
    SelectFrom(caller);
    QCOMPARE(g_forms.Form_SelectSavePath->CurrentFolder(), Native(m_tree->path()));
    OpenEntry(QStringLiteral("beta"));
    QCOMPARE(g_forms.Form_SelectSavePath->CurrentFolder(), Native(Sub(QStringLiteral("beta"))));

    Click(Chooser(), "Button_Exit");
    expected[caller] = Native(Sub(QStringLiteral("beta")));
    QCOMPARE(SaveFolders(), expected);
    QVERIFY(!Chooser()->isVisible());
}

void TestSaveLocationDialogs::listShowsThePathThenTheSubfolders()
{
    SelectFrom(kSaveForCamera);
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
    QCOMPARE(g_forms.Form_SelectSavePath->CurrentFolder(), Native(m_tree->path()));
}

void TestSaveLocationDialogs::highlightingDoesNotOpen()
{
    SelectFrom(kSaveForCamera);
    QTest::mouseClick(FolderList()->viewport(), Qt::LeftButton, {},
                      FolderList()->visualItemRect(Entry(QStringLiteral("alpha"))).center());
    QCOMPARE(FolderList()->currentItem()->text(), QStringLiteral("alpha"));
    Click(Chooser(), "Button_Exit");
    QCOMPARE(SaveFolderField(kSaveForCamera)->text(), Native(m_tree->path()));
}

void TestSaveLocationDialogs::enterOpensTheHighlightedFolder()
{
    SelectFrom(kSaveForCamera);
    FolderList()->setCurrentItem(Entry(QStringLiteral("alpha")));
    QTest::keyClick(FolderList(), Qt::Key_Return);
    QCOMPARE(g_forms.Form_SelectSavePath->CurrentFolder(), Native(Sub(QStringLiteral("alpha"))));
    QVERIFY(Chooser()->isVisible());
}

void TestSaveLocationDialogs::generateWhileOpenKeepsTheCaller()
{
    QTemporaryDir cameraFolder;
    SaveFolderField(kSaveForCamera)->setText(Native(cameraFolder.path()));
    const QStringList before = SaveFolders();
    SelectFrom(kSaveForCamera);
    OpenEntry(QStringLiteral("alpha"));
    Click(g_forms.SystemSetupForm, "Button_Generate");
    QVERIFY(QFileInfo::exists(cameraFolder.filePath(QStringLiteral("CAMERASETUP.dat"))));

    Click(Chooser(), "Button_Exit");
    QCOMPARE(SaveFolders(), (QStringList{Native(Sub(QStringLiteral("alpha"))), before[1], before[2]}));
}

void TestSaveLocationDialogs::okFillsTheFieldOfAClosedDialog()
{
    SelectFrom(kSaveForEmail);
    Click(g_forms.SMTPSetupForm, "Button_Exit");
    QVERIFY(g_forms.MMSMainForm->isVisible());
    OpenEntry(QStringLiteral("alpha"));
    Click(Chooser(), "Button_Exit");
    QCOMPARE(SaveFolderField(kSaveForEmail)->text(), Native(Sub(QStringLiteral("alpha"))));
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
    SelectFrom(kSaveForCamera);
    OpenEntry(QStringLiteral("beta"));
    if (byCloseBox)
        Chooser()->close();
    else
        Click(Chooser(), "Button_Cancel");
    QVERIFY(!Chooser()->isVisible());
    QCOMPARE(SaveFolders(), before);
    QVERIFY(g_forms.SystemSetupForm->isVisible());
}

void TestSaveLocationDialogs::unopenableStartKeepsTheFolderShown()
{
    SelectFrom(kSaveForMms);
    OpenEntry(QStringLiteral("beta"));
    Click(Chooser(), "Button_Cancel");
    SaveFolderField(kSaveForMms)->setText(Native(Sub(QStringLiteral("gone"))));
    Click(g_forms.MMSSetupForm, "Button_Select");
    QCOMPARE(g_forms.Form_SelectSavePath->CurrentFolder(), Native(Sub(QStringLiteral("beta"))));
}

void TestSaveLocationDialogs::driveChooserHoldsTheOpenFolder()
{
    SelectFrom(kSaveForCamera);
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
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");
    QTest::newRow("camera failed") << 1 << "System configuration file has been failed.";
    QTest::newRow("camera generated") << 2 << "System configuration file has been generated.";
    QTest::newRow("MMS failed") << 11 << "MMS configuration file has been failed.";
    QTest::newRow("MMS generated") << 12 << "MMS configuration file has been generated.";
    QTest::newRow("e-mail failed") << 21 << "Email configuration file has been failed.";
    QTest::newRow("e-mail generated") << 22 << "Email configuration file has been generated.";
    QTest::newRow("none yet") << 0 << "";
    QTest::newRow("unknown") << 3 << "";
}

void TestSaveLocationDialogs::resultMessages()
{
    QFETCH(int, result);
    QFETCH(QString, message);
    ReportGeneration(result);
    QWidget *resultDialog = g_forms.Form_SaveParamsResult;
    QVERIFY(resultDialog->isVisible());
    QCOMPARE(Find<QLabel>(resultDialog, "Label_SaveParamsResult")->text(), message);
    QCOMPARE(Find<QPushButton>(resultDialog, "Button_Exit")->text(), QStringLiteral("ok"));
    QCOMPARE(resultDialog->windowTitle(), QString());
}

QTEST_MAIN(TestSaveLocationDialogs)
#include "TestSaveLocationDialogs.moc"
