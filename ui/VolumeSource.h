#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <memory>

// What the drive chooser says about a volume beside its root.
struct VolumeDetails {
    QString name;           // the volume's label, if it has one
    bool removable = false; // a card or a stick
    bool readOnly = false;
    bool holdsFolders = true; // false for a single file mounted into a container
};

// The machine's drives, in two steps of different cost: listing them touches no drive,
// while a drive's details may have to ask it, and a stale network share or a stuck card
// reader can leave that question unanswered for minutes.
class VolumeSource {
public:
    virtual ~VolumeSource() = default;

    // The roots of the mounted volumes, with "/" separators; never waits for a drive.
    virtual QStringList MountedRoots() = 0;
    // Asks the volume at `root`; may block as long as the drive does, so the windows
    // call it off the interface thread, from several threads at once.
    virtual VolumeDetails Details(const QString &root) = 0;
};

// The drives of this machine: the mount table on Linux, the drive letters on Windows.
std::shared_ptr<VolumeSource> SystemVolumes();

// The mount points in a Linux mount table (the text of /proc/self/mounts) that hold the
// user's files: the root, disks and cards, not the kernel's pseudo file systems nor
// read-only images; each once, in the table's order.
QStringList FileMountPoints(QByteArrayView mountTable);
