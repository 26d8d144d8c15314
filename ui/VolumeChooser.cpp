#include "ui/VolumeChooser.h"

#include "ui/RunDetached.h"

#include <QComboBox>
#include <QDir>

#include <algorithm>

namespace {

// The root as the user reads it, the volume's name, and what sets it apart.
QString DriveText(const QString &root, const VolumeDetails &details)
{
    QString text = QDir::toNativeSeparators(root);
    if (!details.name.isEmpty() && details.name != text)
        text += QStringLiteral("  [%1]").arg(details.name);
    if (details.removable)
        text += QStringLiteral(" (removable)");
    if (details.readOnly)
        text += QStringLiteral(" (read-only)");
    return text;
}

} // namespace

VolumeChooser::VolumeChooser(QComboBox *box) : QObject(box), m_box(box), m_source(SystemVolumes())
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &VolumeChooser::MarkUnanswered);
}

void VolumeChooser::UseSource(std::shared_ptr<VolumeSource> source, std::chrono::milliseconds timeLimit)
{
    m_source = std::move(source);
    m_timeLimit = timeLimit;
}

void VolumeChooser::Fill()
{
    QStringList roots = m_source->MountedRoots();
    std::sort(roots.begin(), roots.end());
    m_box->clear();
    for (const QString &root : roots)
        m_box->addItem(QDir::toNativeSeparators(root), root);
    for (const QString &root : roots) {
        if (!m_unanswered.contains(root))
            Ask(root);
        else if (m_unanswered.value(root))
            MarkNotAnswering(root);
    }
    m_deadline.start(m_timeLimit);
}

void VolumeChooser::Ask(const QString &root)
{
    m_unanswered.insert(root, false);
    RunDetached(
        this, [source = m_source, root] { return source->Details(root); },
        [this, root](const VolumeDetails &details) { Answered(root, details); });
}

// A late answer still replaces the mark: the drive has come back.
void VolumeChooser::Answered(const QString &root, const VolumeDetails &details)
{
    m_unanswered.remove(root);
    const int index = m_box->findData(root);
    if (index < 0)
        return;
    if (details.holdsFolders)
        m_box->setItemText(index, DriveText(root, details));
    else
        m_box->removeItem(index);
}

void VolumeChooser::MarkUnanswered()
{
    for (auto overdue = m_unanswered.begin(); overdue != m_unanswered.end(); ++overdue) {
        overdue.value() = true;
        MarkNotAnswering(overdue.key());
    }
}

void VolumeChooser::MarkNotAnswering(const QString &root)
{
    const int index = m_box->findData(root);
    if (index >= 0)
        m_box->setItemText(index, QDir::toNativeSeparators(root) + QStringLiteral(" (not answering)"));
}
