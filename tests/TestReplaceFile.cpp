// Replacing a settings file on the real file system, and reading one back: the old
// file must survive every failure with the system's reason, no temporary may be left
// behind, and nothing but a regular file is ever opened.
#include "settings/FileAccess.h"
#include "tests/support/TestSupport.h"

#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const mms::Bytes kNewContent(59, 0x42);
const QByteArray kOldContent = QByteArray("an older, longer settings file ").repeated(10);
const char kName[] = "CAMERASETUP.dat";

std::string Path(const QTemporaryDir &folder, const std::string &name = kName)
{
    return folder.path().toStdString() + '/' + name;
}

mode_t ModeOf(const std::string &path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// Backdates a file's modification time by `seconds`.
bool Age(const std::string &path, int seconds)
{
    const timespec times[2] = {{time(nullptr) - seconds, 0}, {time(nullptr) - seconds, 0}};
    return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

struct Replaced {
    bool ok = false;
    std::string reason;
};

Replaced Replace(const std::string &path, const mms::Bytes &bytes = kNewContent)
{
    Replaced result;
    result.ok = mms::ReplaceFile(path, bytes, &result.reason);
    return result;
}

enum class Obstacle { ReadOnlyFile, Folder, MissingFolder, FileAsFolder, NamedPipe };

} // namespace

Q_DECLARE_METATYPE(Obstacle)

class TestReplaceFile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void writesNewAndReplacesOldFiles_data();
    void writesNewAndReplacesOldFiles();
    void refusesWhatCannotBeReplaced_data();
    void refusesWhatCannotBeReplaced();
    void refusesADevice();
    void keepsTheOldFileWhenTheMediumFills_data();
    void keepsTheOldFileWhenTheMediumFills();
    void keepsPermissionBits();
    void replacesWhatASymbolicLinkPointsTo();
    void removesOnlyStaleTemporariesOfItsTarget();
    void writesIntoAFolderWhoseNameIsNotUtf8();
    void readsAtMostTheLimitAndTheTrueSize();
    void readsNothingButRegularFiles();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::string m_target;
};

void TestReplaceFile::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_target = Path(*m_folder);
}

void TestReplaceFile::writesNewAndReplacesOldFiles_data()
{
    QTest::addColumn<QByteArray>("old");
    QTest::newRow("new file") << QByteArray();
    QTest::newRow("longer old file") << kOldContent;
    QTest::newRow("shorter old file") << QByteArray("old");
}

void TestReplaceFile::writesNewAndReplacesOldFiles()
{
    QFETCH(QByteArray, old);
    if (!old.isEmpty())
        QVERIFY(WriteFile(QString::fromStdString(m_target), old));
    const Replaced replaced = Replace(m_target);
    QVERIFY2(replaced.ok, replaced.reason.c_str());
    QCOMPARE(ReadFile(QString::fromStdString(m_target)), ToQ(kNewContent));
    QCOMPARE(FolderEntries(m_folder->path()), QStringList{kName});
}

void TestReplaceFile::refusesWhatCannotBeReplaced_data()
{
    QTest::addColumn<Obstacle>("obstacle");
    QTest::addColumn<QString>("reason");
    QTest::newRow("read-only file") << Obstacle::ReadOnlyFile << "The file is read-only";
    QTest::newRow("folder of that name") << Obstacle::Folder << "A folder of that name is in the way";
    QTest::newRow("missing folder") << Obstacle::MissingFolder << "No such folder";
    QTest::newRow("a file where the folder should be") << Obstacle::FileAsFolder << "Not a directory";
    QTest::newRow("named pipe") << Obstacle::NamedPipe << "Something that is not a regular file is in the way";
}

void TestReplaceFile::refusesWhatCannotBeReplaced()
{
    QFETCH(Obstacle, obstacle);
    QFETCH(QString, reason);
    const QString target = QString::fromStdString(m_target);
    std::string path = m_target;
    switch (obstacle) {
    case Obstacle::ReadOnlyFile:
        // No write bit at all: refused even when the tests run as root.
        QVERIFY(WriteReadOnlyFile(target, kOldContent));
        break;
    case Obstacle::Folder:
        QVERIFY(mkdir(m_target.c_str(), 0755) == 0);
        break;
    case Obstacle::MissingFolder:
        path = Path(*m_folder, std::string("card/") + kName);
        break;
    case Obstacle::FileAsFolder:
        QVERIFY(WriteFile(target, kOldContent));
        path = m_target + '/' + kName;
        break;
    case Obstacle::NamedPipe:
        QVERIFY(mkfifo(m_target.c_str(), 0644) == 0);
        break;
    }
    const QStringList before = FolderEntries(m_folder->path());

    const Replaced replaced = Replace(path);
    QVERIFY(!replaced.ok);
    QCOMPARE(QString::fromStdString(replaced.reason), reason);
    QCOMPARE(FolderEntries(m_folder->path()), before);
    if (obstacle == Obstacle::ReadOnlyFile || obstacle == Obstacle::FileAsFolder)
        QCOMPARE(ReadFile(target), kOldContent);
}

// Refused before anything is opened or created beside it.
void TestReplaceFile::refusesADevice()
{
    const Replaced replaced = Replace("/dev/null");
    QVERIFY(!replaced.ok);
    QCOMPARE(QString::fromStdString(replaced.reason), "Something that is not a regular file is in the way");
}

void TestReplaceFile::keepsTheOldFileWhenTheMediumFills_data()
{
    // The file-size limit of the writing process stands in for a full card.
    QTest::addColumn<int>("limit");
    QTest::newRow("nothing fits") << 0;
    QTest::newRow("half fits") << 30;
    QTest::newRow("all but the checksum fits") << 55;
}

void TestReplaceFile::keepsTheOldFileWhenTheMediumFills()
{
    QFETCH(int, limit);
    QVERIFY(WriteFile(QString::fromStdString(m_target), kOldContent));
    int channel[2];
    QVERIFY(pipe(channel) == 0);

    // The child sends its reason back through the pipe and exits 0 when it wrote.
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead of killing us
        const rlimit fileSize{rlim_t(limit), rlim_t(limit)};
        setrlimit(RLIMIT_FSIZE, &fileSize);
        const Replaced replaced = Replace(m_target);
        (void)!write(channel[1], replaced.reason.data(), replaced.reason.size());
        _exit(replaced.ok ? 0 : 1);
    }
    close(channel[1]);
    char reason[256] = {};
    (void)!read(channel[0], reason, sizeof reason - 1);
    close(channel[0]);
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 1);
    QCOMPARE(QString::fromLatin1(reason), QString::fromLatin1(std::strerror(EFBIG)));
    QCOMPARE(ReadFile(QString::fromStdString(m_target)), kOldContent);
    QCOMPARE(FolderEntries(m_folder->path()), QStringList{kName});
}

void TestReplaceFile::keepsPermissionBits()
{
    QVERIFY(WriteFile(QString::fromStdString(m_target), kOldContent));
    QVERIFY(chmod(m_target.c_str(), 0604) == 0);
    QVERIFY(Replace(m_target).ok);
    QCOMPARE(ModeOf(m_target), mode_t(0604));

    // A new file gets the usual 0666 less the umask.
    const mode_t mask = umask(027);
    const std::string fresh = Path(*m_folder, "MMSSETUP.dat");
    const bool written = Replace(fresh).ok;
    umask(mask);
    QVERIFY(written);
    QCOMPARE(ModeOf(fresh), mode_t(0640));
}

void TestReplaceFile::replacesWhatASymbolicLinkPointsTo()
{
    QTemporaryDir elsewhere;
    const std::string real = Path(elsewhere, "settings.dat");
    QVERIFY(WriteFile(QString::fromStdString(real), kOldContent));
    QVERIFY(symlink(real.c_str(), m_target.c_str()) == 0);

    QVERIFY(Replace(m_target).ok);
    struct stat link {};
    QVERIFY(lstat(m_target.c_str(), &link) == 0 && S_ISLNK(link.st_mode));
    QCOMPARE(ReadFile(QString::fromStdString(real)), ToQ(kNewContent));
    QCOMPARE(FolderEntries(elsewhere.path()), QStringList{"settings.dat"});
    QCOMPARE(FolderEntries(m_folder->path()), QStringList{kName});
}

// An interrupted write leaves its temporary; the next write of the same target clears
// it once it is a minute old, and never touches one that may be another writer's.
void TestReplaceFile::removesOnlyStaleTemporariesOfItsTarget()
{
    const std::string stale = m_target + ".tmp-Ab12Cd";
    const std::string fresh = m_target + ".tmp-Xy34Zw";
    const std::string otherTargets = Path(*m_folder, "MMSSETUP.dat.tmp-Ab12Cd");
    for (const std::string &path : {stale, fresh, otherTargets})
        QVERIFY(WriteFile(QString::fromStdString(path), "partial"));
    QVERIFY(Age(stale, 120) && Age(otherTargets, 120) && Age(fresh, 10));

    QVERIFY(Replace(m_target).ok);
    QCOMPARE(FolderEntries(m_folder->path()),
             (QStringList{kName, "CAMERASETUP.dat.tmp-Xy34Zw", "MMSSETUP.dat.tmp-Ab12Cd"}));
}

// An old card's folder named in Latin-1: the name's bytes reach the system as given.
void TestReplaceFile::writesIntoAFolderWhoseNameIsNotUtf8()
{
    const std::string folder = m_folder->path().toStdString()
        + "/Kamera-S\xFC"
          "d";
    QVERIFY(mkdir(folder.c_str(), 0755) == 0);
    const std::string path = folder + '/' + kName;
    QVERIFY(Replace(path).ok);
    mms::FileContent content;
    const bool read = mms::ReadRegularFile(path, 100, content);
    // QTemporaryDir cannot remove what it cannot name.
    unlink(path.c_str());
    rmdir(folder.c_str());
    QVERIFY(read);
    QVERIFY(content.bytes == kNewContent);
}

void TestReplaceFile::readsAtMostTheLimitAndTheTrueSize()
{
    // A sparse file of 2 GiB costs no disk space.
    const int fd = open(m_target.c_str(), O_CREAT | O_WRONLY, 0644);
    QVERIFY(fd >= 0);
    const bool sized = ftruncate(fd, off_t(2) << 30) == 0;
    close(fd);
    QVERIFY(sized);
    mms::FileContent content;
    QVERIFY(mms::ReadRegularFile(m_target, 961, content));
    QCOMPARE(content.bytes.size(), size_t(961));
    QCOMPARE(content.size, uint64_t(2) << 30);
}

// A named pipe would block a reader until a writer comes; it is refused at once.
void TestReplaceFile::readsNothingButRegularFiles()
{
    QVERIFY(mkfifo(m_target.c_str(), 0644) == 0);
    mms::FileContent content;
    std::string reason;
    QVERIFY(!mms::ReadRegularFile(m_target, 961, content, &reason));
    QCOMPARE(QString::fromStdString(reason), "It is not a regular file");
    QVERIFY(!mms::ReadRegularFile(m_folder->path().toStdString(), 961, content, &reason));
    QCOMPARE(QString::fromStdString(reason), "It is a folder");
    QVERIFY(!mms::ReadRegularFile(Path(*m_folder, "missing.dat"), 961, content, &reason));
    QCOMPARE(QString::fromStdString(reason), QString::fromLatin1(std::strerror(ENOENT)));
}

QTEST_GUILESS_MAIN(TestReplaceFile)
#include "TestReplaceFile.moc"
