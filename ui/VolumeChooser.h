#pragma once

#include "ui/VolumeSource.h"

#include <QHash>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <memory>

class QComboBox;

// Fills a drive chooser without waiting for any drive. Each root is listed at once by
// its path; its details are asked off the interface thread and fill in as they come. A
// drive that has not answered within the time limit is marked as not answering, and is
// not asked again while its first question is still open, so a hung share ties up one
// thread however often the chooser is filled.
class VolumeChooser : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultTimeLimit{2000};

    // Fills `box`, which owns this chooser.
    explicit VolumeChooser(QComboBox *box);

    // Where the drives come from, and how long a drive may take to answer; set before
    // the first Fill.
    void UseSource(std::shared_ptr<VolumeSource> source, std::chrono::milliseconds timeLimit = kDefaultTimeLimit);
    // Lists the mounted drives anew, each by its root, sorted.
    void Fill();
    // Whether the drive at `root` has answered since it was listed; one that has not
    // may hang whatever asks it next.
    bool HasAnswered(const QString &root) const { return !m_unanswered.contains(root); }

private:
    void Ask(const QString &root);
    void Answered(const QString &root, const VolumeDetails &details);
    void MarkUnanswered();
    void MarkNotAnswering(const QString &root);

    QComboBox *m_box;
    std::shared_ptr<VolumeSource> m_source;
    std::chrono::milliseconds m_timeLimit = kDefaultTimeLimit;
    QHash<QString, bool> m_unanswered; // the roots asked and not yet answered: whether past the time limit
    QTimer m_deadline;
};
