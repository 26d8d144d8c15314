// Drives that do not answer: the save-location dialog lists them by their path at once
// and stays usable while they keep silent; a settings dialog stays usable while its
// file is being written, and reports the write when it ends.
#include "tests/support/FormsFixture.h"

#include "settings/FileAccess.h"
#include "ui/SettingsFileWrite.h"
#include "ui/TForm_SaveParamsResult.h"
#include "ui/TForm_SelectSavePath.h"
#include "ui/TMMSMainForm.h"
#include "ui/TMMSSetupForm.h"
#include "ui/TSMTPSetupForm.h"
#include "ui/TSystemSetupForm.h"
#include "ui/VolumeChooser.h"

#include <QDir>
#include <QListWidget>
#include <QMap>
#include <QMutex>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <optional>

using namespace std::chrono_literals;

namespace {

// A machine whose drives answer nothing until released, as a stale share or a stuck
// card reader does.
class SilentVolumes : public VolumeSource {
public:
    explicit SilentVolumes(QStringList roots) : m_roots(std::move(roots)) {}

    QStringList MountedRoots() override { return m_roots; }
    VolumeDetails Details(const QString &) override
    {
        ++m_questions;
        m_released.wait(false);
        return {QStringLiteral("Back")};
    }

    void Release()
    {
        m_released = true;
        m_released.notify_all();
    }
    int Questions() const { return m_questions; }

private:
    QStringList m_roots;
    std::atomic<bool> m_released = false;
    std::atomic<int> m_questions = 0;
};

// A machine whose drives answer at once.
class AnsweringVolumes : public VolumeSource {
public:
    explicit AnsweringVolumes(QMap<QString, VolumeDetails> details) : m_details(std::move(details)) {}

    QStringList MountedRoots() override { return m_details.keys(); }
    VolumeDetails Details(const QString &root) override { return m_details.value(root); }

private:
    const QMap<QString, VolumeDetails> m_details;
};

// A card reader that takes a file only when released, as one that hangs in fsync. The
// write's thread shares it, so it outlives a test that fails half-way.
class StuckCard {
public:
    static FileWriter Writer(std::shared_ptr<StuckCard> card, bool succeeds)
    {
        return [card, succeeds](const std::string &path, mms::ByteView, std::string *reason) {
            {
                const QMutexLocker lock(&card->m_mutex);
                card->m_path = QString::fromStdString(path);
            }
            card->m_released.wait(false);
            if (!succeeds)
                *reason = "Input/output error";
            return succeeds;
        };
    }
    void Release()
    {
        m_released = true;
        m_released.notify_all();
    }
    QString Path()
    {
        const QMutexLocker lock(&m_mutex);
        return m_path;
    }

private:
    std::atomic<bool> m_released = false;
    QMutex m_mutex;
    QString m_path; // where the file was to go
};

// The settings dialogs by their save-location code, the main window's button for each,
// and the file each writes.
QWidget *DialogOf(SaveLocationTarget caller)
{
    const QList<QWidget *> dialogs = {Windows().SystemSetupForm, Windows().MMSSetupForm, Windows().SMTPSetupForm};
    return dialogs[int(caller)];
}
const char *const kSetupButtons[] = {"Button_Camera_Setup", "Button_MMS_Setup", "Button_Smtp_Setup"};
const char *const kFileNames[] = {mms::kCameraSetupFileName, mms::kMmsSetupFileName, mms::kEmailSetupFileName};

QStringList Native(const QStringList &paths, const QString &suffix = QString())
{
    QStringList texts;
    for (const QString &path : paths)
        texts << QDir::toNativeSeparators(path) + suffix;
    return texts;
}

} // namespace

class TestSlowDrives : public QObject {
    Q_OBJECT

private:
    QWidget *Chooser() const { return Windows().Form_SelectSavePath; }
    QComboBox *Drives() const { return Find<QComboBox>(Chooser(), "DriveComboBox_Mid"); }
    void UseVolumes(std::shared_ptr<VolumeSource> source) const
    {
        Chooser()->findChild<VolumeChooser *>()->UseSource(std::move(source), 50ms);
    }
    // The MMS dialog's Select, as the user reaches it from the main window.
    void OpenChooser() const
    {
        Click(Windows().MMSMainForm, "Button_MMS_Setup");
        Click(Windows().MMSSetupForm, "Button_Select");
    }

    std::optional<FormsFixture> m_forms;
    std::optional<QTemporaryDir> m_tree; // alpha/

private slots:
    void init();
    void cleanup();

    void mountTable_data();
    void mountTable();
    void silentDrivesDoNotHoldTheDialog();
    void answersShowBesideTheRoot();
    void stuckWriteDoesNotHoldTheDialog_data();
    void stuckWriteDoesNotHoldTheDialog();
};

void TestSlowDrives::init()
{
    m_forms.emplace();
    m_tree.emplace();
    QVERIFY(QDir(m_tree->path()).mkpath(QStringLiteral("alpha")));
    Windows().MMSSetupForm->SavePathEdit()->setText(QDir::toNativeSeparators(m_tree->path()));
}

void TestSlowDrives::cleanup()
{
    m_forms.reset();
    m_tree.reset();
}

void TestSlowDrives::mountTable_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QStringList>("points");
    QTest::newRow("root and a card") << QByteArray("/dev/sda2 / ext4 rw,relatime 0 0\n"
                                                   "/dev/mmcblk0p1 /media/card vfat rw 0 0\n")
                                     << QStringList{"/", "/media/card"};
    QTest::newRow("pseudo file systems left out") << QByteArray("proc /proc proc rw 0 0\n"
                                                                "sysfs /sys sysfs rw 0 0\n"
                                                                "tmpfs /run tmpfs rw 0 0\n"
                                                                "overlay / overlay rw 0 0\n")
                                                  << QStringList{"/"};
    QTest::newRow("read-only images left out")
        << QByteArray("/dev/loop3 /snap/core/1 squashfs ro 0 0\n") << QStringList{};
    QTest::newRow("escaped blank and backslash")
        << QByteArray("/dev/sdb1 /media/My\\040Card vfat rw 0 0\n/dev/sdc1 /media/a\\134b vfat rw 0 0\n")
        << QStringList{"/media/My Card", "/media/a\\b"};
    QTest::newRow("mounted twice, listed once")
        << QByteArray("/dev/sda2 / ext4 rw 0 0\n/dev/sda2 / ext4 rw 0 0\n") << QStringList{"/"};
    QTest::newRow("short line skipped") << QByteArray("/dev/sda2\n\n") << QStringList{};
}

void TestSlowDrives::mountTable()
{
    QFETCH(QByteArray, table);
    QFETCH(QStringList, points);
    QCOMPARE(FileMountPoints(table), points);
}

// The dialog opens at once and takes clicks while no drive answers; the drives are
// marked after the time limit, not asked again at the next showing, and shown with
// their details once they answer.
void TestSlowDrives::silentDrivesDoNotHoldTheDialog()
{
    const QStringList roots = {QDir::rootPath(), m_tree->path()};
    const auto volumes = std::make_shared<SilentVolumes>(roots);
    const auto release = qScopeGuard([&] { volumes->Release(); });
    UseVolumes(volumes);

    OpenChooser();
    QVERIFY(Chooser()->isVisible());
    QCOMPARE(ListItems(Drives()), Native(roots));

    auto *folders = Find<QListWidget>(Chooser(), "DirectoryListBox_Mid");
    const QList<QListWidgetItem *> alpha = folders->findItems(QStringLiteral("alpha"), Qt::MatchExactly);
    QCOMPARE(alpha.size(), 1);
    const QPoint centre = folders->visualItemRect(alpha.front()).center();
    QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(Windows().Form_SelectSavePath->CurrentFolder(), QDir::toNativeSeparators(m_tree->filePath("alpha")));
    QTRY_COMPARE(ListItems(Drives()), Native(roots, QStringLiteral(" (not answering)")));
    // Choosing a silent drive does not ask it for its folders.
    const int openDrive = Drives()->currentIndex();
    Pick(Drives(), Drives()->findData(QDir::rootPath()));
    QCOMPARE(Drives()->currentIndex(), openDrive);
    QCOMPARE(Windows().Form_SelectSavePath->CurrentFolder(), QDir::toNativeSeparators(m_tree->filePath("alpha")));

    Click(Chooser(), "Button_Cancel");
    QVERIFY(!Chooser()->isVisible());
    Click(Windows().MMSSetupForm, "Button_Select");
    QCOMPARE(ListItems(Drives()), Native(roots, QStringLiteral(" (not answering)")));
    QCOMPARE(volumes->Questions(), 2);

    volumes->Release();
    QTRY_COMPARE(ListItems(Drives()), Native(roots, QStringLiteral("  [Back]")));
}

void TestSlowDrives::answersShowBesideTheRoot()
{
    const QString card = m_tree->path();
    const QString mountedFile = m_tree->filePath("hosts");
    UseVolumes(std::make_shared<AnsweringVolumes>(QMap<QString, VolumeDetails>{
        {QDir::rootPath(), {}},
        {card, {QStringLiteral("CARD"), true, true}},
        {mountedFile, {QString(), false, false, false}},
    }));
    OpenChooser();
    QTRY_COMPARE(ListItems(Drives()),
                 QStringList({QDir::toNativeSeparators(QDir::rootPath()),
                              QDir::toNativeSeparators(card) + QStringLiteral("  [CARD] (removable) (read-only)")}));
}

void TestSlowDrives::stuckWriteDoesNotHoldTheDialog_data()
{
    QTest::addColumn<SaveLocationTarget>("caller");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<GenerationResult>("result");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reason");
    QTest::newRow("camera") << SaveLocationTarget::Camera << true << GenerationResult::CameraGenerated
                            << "System configuration file has been generated." << QString();
    QTest::newRow("mms") << SaveLocationTarget::Mms << true << GenerationResult::MmsGenerated
                         << "MMS configuration file has been generated." << QString();
    QTest::newRow("e-mail, failed") << SaveLocationTarget::Email << false << GenerationResult::EmailFailed
                                    << "Email configuration file has been failed."
                                    << "Input/output error";
}

// While the card keeps the file, Generate is disabled and the dialog still takes clicks;
// the result comes when the write ends.
void TestSlowDrives::stuckWriteDoesNotHoldTheDialog()
{
    QFETCH(SaveLocationTarget, caller);
    QFETCH(bool, succeeds);
    QFETCH(GenerationResult, result);
    QFETCH(QString, text);
    QFETCH(QString, reason);
    const auto card = std::make_shared<StuckCard>();
    const auto restore = qScopeGuard([&] {
        card->Release();
        UseFileWriter(&mms::ReplaceFile);
    });
    UseFileWriter(StuckCard::Writer(card, succeeds));
    Click(Windows().MMSMainForm, kSetupButtons[int(caller)]);
    QWidget *dialog = DialogOf(caller);
    auto *generate = Find<QPushButton>(dialog, "Button_Generate");

    QTest::mouseClick(generate, Qt::LeftButton);
    QVERIFY(!generate->isEnabled());
    Click(dialog, "Button_Select");
    QVERIFY(Chooser()->isVisible());
    Click(Chooser(), "Button_Cancel");
    const QString folder = Find<QLineEdit>(dialog, "Edit_SavePath")->text();
    QTRY_COMPARE(card->Path(), SaveFilePath(folder, QString::fromLatin1(kFileNames[int(caller)])));
    QVERIFY(!Windows().Form_SaveParamsResult->isVisible());

    card->Release();
    QTRY_VERIFY(Windows().Form_SaveParamsResult->isVisible());
    QVERIFY(generate->isEnabled());
    QCOMPARE(Windows().Form_SaveParamsResult->Result(), result);
    QCOMPARE(ResultText(), text);
    QCOMPARE(ReasonText(), reason);
    QVERIFY(dialog->isVisible());
}

QTEST_MAIN(TestSlowDrives)
#include "TestSlowDrives.moc"
