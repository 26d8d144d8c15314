#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

class QComboBox;
class QKeyEvent;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class VolumeChooser;

// The save-location dialog: a drive chooser and a folder list linked to it. OK puts
// the open folder into the save-folder field of the settings dialog whose Select
// opened this dialog. It never blocks the dialog behind it.
class TForm_SelectSavePath : public QWidget {
    Q_OBJECT
public:
    explicit TForm_SelectSavePath(QWidget *parent = nullptr);

    // The open folder as the user reads it: the drive's root, then the folders, with
    // the platform's separators and a trailing separator only for a root.
    QString CurrentFolder() const;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    void FillDriveChooser();
    int DriveIndexFor(const QString &folder) const;
    bool OpenFolder(const QString &path);
    void ReopenAnExistingFolder();
    void ShowFolderList();

    // Event handlers
    void FormShow();
    void Button_ExitClick();
    void Button_CancelClick();
    void DriveComboBox_MidChange(int index);
    void DirectoryListBox_MidDblClick(QListWidgetItem *item);
    bool DirectoryListBox_MidKeyPress(const QKeyEvent *event);

    QComboBox *DriveComboBox_Mid = nullptr;
    QListWidget *DirectoryListBox_Mid = nullptr;
    QPushButton *Button_Exit = nullptr;
    QPushButton *Button_Cancel = nullptr;
    VolumeChooser *m_volumes = nullptr;

    QString m_currentFolder;               // absolute, with "/" separators
    QHash<QString, QString> m_driveFolders; // each drive's open folder, by the drive's root
};
