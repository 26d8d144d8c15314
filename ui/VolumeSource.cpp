#include "ui/VolumeSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// The kernel writes a space, tab, newline or backslash in a mount table's field as a
// backslash and three octal digits ("\040").
QByteArray UnescapeMountField(QByteArrayView field)
{
    QByteArray text;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.sliced(i + 1, 3).toByteArray().toInt(&ok, 8);
            if (ok) {
                text += char(code);
                i += 3;
                continue;
            }
        }
        text += field[i];
    }
    return text;
}

#if defined(Q_OS_LINUX)
// sysfs flags the whole disk; a partition's folder lies inside its disk's.
bool IsRemovable(const QString &devicePath)
{
    const QString device = QFileInfo(devicePath).canonicalFilePath();
    const QString block =
        QFileInfo(QStringLiteral("/sys/class/block/") + QFileInfo(device).fileName()).canonicalFilePath();
    if (device.isEmpty() || block.isEmpty())
        return false;
    for (const QString &folder : {block, QFileInfo(block).path()}) {
        QFile flag(folder + QStringLiteral("/removable"));
        if (flag.open(QIODevice::ReadOnly))
            return flag.readAll().trimmed() == "1";
    }
    return false;
}
#endif

class SystemVolumeSource : public VolumeSource {
public:
    QStringList MountedRoots() override
    {
#if defined(Q_OS_WIN)
        // The drive letters alone: nothing here asks a drive, so an empty card reader
        // or a lost network drive answers at once.
        QStringList roots;
        const DWORD drives = GetLogicalDrives();
        for (int letter = 0; letter < 26; ++letter) {
            if (drives & (DWORD(1) << letter))
                roots << QStringLiteral("%1:/").arg(QChar(u'A' + letter));
        }
        return roots;
#elif defined(Q_OS_LINUX)
        // Reading the table asks no file system; QStorageInfo::mountedVolumes() would
        // call statfs on every mount.
        QFile table(QStringLiteral("/proc/self/mounts"));
        if (!table.open(QIODevice::ReadOnly))
            return {QDir::rootPath()};
        return FileMountPoints(table.readAll());
#else
        QStringList roots;
        for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
            roots << volume.rootPath();
        return roots;
#endif
    }

    VolumeDetails Details(const QString &root) override
    {
        const QStorageInfo volume(root); // statfs, or the drive's label on Windows
        VolumeDetails details;
        details.name = volume.name();
        details.readOnly = volume.isReadOnly();
#if defined(Q_OS_WIN)
        const QString nativeRoot = QDir::toNativeSeparators(root);
        details.removable = GetDriveTypeW(reinterpret_cast<LPCWSTR>(nativeRoot.utf16())) == DRIVE_REMOVABLE;
#elif defined(Q_OS_LINUX)
        details.removable = IsRemovable(QString::fromLocal8Bit(volume.device()));
        details.holdsFolders = QFileInfo(root).isDir();
#endif
        return details;
    }
};

} // namespace

std::shared_ptr<VolumeSource> SystemVolumes()
{
    return std::make_shared<SystemVolumeSource>();
}

QStringList FileMountPoints(QByteArrayView mountTable)
{
    QStringList points;
    const QByteArray table = mountTable.toByteArray();
    for (const QByteArray &line : table.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 3)
            continue;
        const QByteArray &device = fields[0];
        const QString point = QFile::decodeName(UnescapeMountField(fields[1]));
        const QByteArray &type = fields[2];
        const bool holdsFiles = point == QLatin1String("/") || (device.startsWith("/dev/") && type != "squashfs");
        if (holdsFiles && !points.contains(point))
            points << point;
    }
    return points;
}
