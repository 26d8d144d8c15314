#pragma once

#include "ui/SharedValues.h"

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <QString>

class QComboBox;
class QKeyEvent;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class VolumeChooser;

// The save-location dialog: a drive chooser and a folder list linked to it. OK reports
// the open folder for the settings dialog whose Select opened this dialog. It never
// blocks the dialog behind it.
class TForm_SelectSavePath : public QDialog {
    Q_OBJECT
public:
    explicit TForm_SelectSavePath(QWidget *parent = nullptr);

    // The window whose area the dialog opens centred over.
    void CentreOverWindow(const QWidget *area) { m_area = area; }
    // Select of a settings dialog: remembers the caller and the folder to start at,
    // then shows the dialog without waiting.
    void Open(SaveLocationTarget caller, const QString &startFolder);
    // The dialog whose Select opened this one last; a Generate does not change it.
    SaveLocationTarget Target() const { return m_target; }

    // The open folder as the user reads it: the drive's root, then the folders, with
    // the platform's separators and a trailing separator only for a root.
    QString CurrentFolder() const;

signals:
    // OK: the folder for the save-folder field of Target().
    void folderChosen(const QString &folder);

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

    QPointer<const QWidget> m_area;
    SaveLocationTarget m_target = SaveLocationTarget::Camera;
    QString m_startFolder;
    QString m_currentFolder;                // absolute, with "/" separators
    QHash<QString, QString> m_driveFolders; // each drive's open folder, by the drive's root
};
