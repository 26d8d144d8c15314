// Writing CAMERASETUP.dat on the real file system: replacing, refusing, and a medium
// that fills up during the write. The old file must survive every failure, and no
// temporary file may be left beside it.
#include "settings/CameraSettings.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

const QByteArray kOldContent = QByteArray("an older, longer settings file ").repeated(10);

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

enum class Obstacle { ReadOnlyFile, Folder, MissingFolder };

} // namespace

Q_DECLARE_METATYPE(Obstacle)

class TestSettingsFileWriter : public QObject {
    Q_OBJECT

private slots:
    void init();
    void writesNewAndReplacesOldFiles_data();
    void writesNewAndReplacesOldFiles();
    void refusesWhatCannotBeReplaced_data();
    void refusesWhatCannotBeReplaced();
#ifdef Q_OS_UNIX
    void keepsTheOldFileWhenTheMediumFills_data();
    void keepsTheOldFileWhenTheMediumFills();
#endif

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_target;
};

void TestSettingsFileWriter::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_target = m_folder->filePath(QString::fromLatin1(kCameraSetupFileName));
}

void TestSettingsFileWriter::writesNewAndReplacesOldFiles_data()
{
    QTest::addColumn<bool>("oldFileThere");
    QTest::newRow("new file") << false;
    QTest::newRow("longer old file") << true;
}

void TestSettingsFileWriter::writesNewAndReplacesOldFiles()
{
    QFETCH(bool, oldFileThere);
    if (oldFileThere)
        QVERIFY(WriteFile(m_target, kOldContent));
    QString error;
    QVERIFY(WriteCameraSetupFile(m_target, CameraSettings(), &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(ReadFile(m_target), ComposeCameraSetupFile(CameraSettings()));
    QCOMPARE(Entries(m_folder->path()), QStringList{QString::fromLatin1(kCameraSetupFileName)});
}

void TestSettingsFileWriter::refusesWhatCannotBeReplaced_data()
{
    QTest::addColumn<Obstacle>("obstacle");
    QTest::newRow("read-only file") << Obstacle::ReadOnlyFile;
    QTest::newRow("folder of that name") << Obstacle::Folder;
    QTest::newRow("missing folder") << Obstacle::MissingFolder;
}

void TestSettingsFileWriter::refusesWhatCannotBeReplaced()
{
    QFETCH(Obstacle, obstacle);
    QString path = m_target;
    switch (obstacle) {
    case Obstacle::ReadOnlyFile:
        // No write bit at all: refused even when the tests run as root.
        QVERIFY(WriteFile(m_target, kOldContent));
        QVERIFY(QFile::setPermissions(m_target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        break;
    case Obstacle::Folder:
        QVERIFY(QDir(m_folder->path()).mkdir(QString::fromLatin1(kCameraSetupFileName)));
        break;
    case Obstacle::MissingFolder:
        path = m_folder->filePath(QStringLiteral("card/") + QString::fromLatin1(kCameraSetupFileName));
        break;
    }
    const QStringList before = Entries(m_folder->path());

    QString error;
    QVERIFY(!WriteCameraSetupFile(path, CameraSettings(), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(Entries(m_folder->path()), before);
    if (obstacle == Obstacle::ReadOnlyFile)
        QCOMPARE(ReadFile(m_target), kOldContent);
    if (obstacle == Obstacle::Folder)
        QVERIFY(Entries(m_target).isEmpty());
}

#ifdef Q_OS_UNIX
void TestSettingsFileWriter::keepsTheOldFileWhenTheMediumFills_data()
{
    // The file-size limit of the writing process stands in for a full card.
    QTest::addColumn<int>("limit");
    QTest::newRow("nothing fits") << 0;
    QTest::newRow("half fits") << 30;
    QTest::newRow("checksum does not fit") << 57;
}

void TestSettingsFileWriter::keepsTheOldFileWhenTheMediumFills()
{
    QFETCH(int, limit);
    QVERIFY(WriteFile(m_target, kOldContent));

    // The child reports through its exit status: 0 written, 1 refused with a reason,
    // 2 refused without one.
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead of killing us
        const rlimit fileSize{rlim_t(limit), rlim_t(limit)};
        setrlimit(RLIMIT_FSIZE, &fileSize);
        QString error;
        const bool written = WriteCameraSetupFile(m_target, CameraSettings(), &error);
        _exit(written ? 0 : error.isEmpty() ? 2 : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 1);
    QCOMPARE(ReadFile(m_target), kOldContent);
    QCOMPARE(Entries(m_folder->path()), QStringList{QString::fromLatin1(kCameraSetupFileName)});
}
#endif

QTEST_GUILESS_MAIN(TestSettingsFileWriter)
#include "TestSettingsFileWriter.moc"
