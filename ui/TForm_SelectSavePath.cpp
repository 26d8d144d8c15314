#include "ui/TForm_SelectSavePath.h"

#include "ui/FormLook.h"
#include "ui/VolumeChooser.h"

#include "ui/CoreText.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QStyledItemDelegate>

namespace {

constexpr QSize kWindowSize(366, 354);
constexpr int kFontPixels = 13;
constexpr QRect kDriveComboBox(22, 22, 314, 22);
constexpr QRect kDirectoryListBox(22, 59, 314, 198);
constexpr QRect kButtonExit(54, 278, 97, 25);
constexpr QRect kButtonCancel(206, 278, 97, 25);

// What the folder list's entries carry besides their text.
constexpr int kFolderPathRole = Qt::UserRole;      // absolute path, "/" separators
constexpr int kFolderDepthRole = Qt::UserRole + 1; // 0 for a root
constexpr int kEntryHeight = 16;
constexpr int kIndentPerLevel = 10;

// Indents each folder by its depth below the root, so the list reads as a path
// followed by the open folder's subfolders.
class FolderEntryDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem indented = option;
        indented.rect.setLeft(option.rect.left() + index.data(kFolderDepthRole).toInt() * kIndentPerLevel);
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kEntryHeight};
    }
};

Qt::CaseSensitivity PathCase()
{
#ifdef Q_OS_WIN
    return Qt::CaseInsensitive;
#else
    return Qt::CaseSensitive;
#endif
}

bool IsInside(const QString &folder, const QString &root)
{
    const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    return folder.compare(root, PathCase()) == 0 || folder.startsWith(prefix, PathCase());
}

QString FolderEntryText(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(path) : name; // a root has no name
}

} // namespace

TForm_SelectSavePath::TForm_SelectSavePath(QWidget *parent) : QDialog(parent)
{
    PrepareWindow(this, kWindowSize, FormFont(kFontPixels), TitleBarButtons::Standard, true);
    CreateControls();
    ConnectHandlers();
}

void TForm_SelectSavePath::CreateControls()
{
    DriveComboBox_Mid = MakeComboBox(this, "DriveComboBox_Mid", kDriveComboBox);
    m_volumes = new VolumeChooser(DriveComboBox_Mid);
    DirectoryListBox_Mid = new QListWidget(this);
    DirectoryListBox_Mid->setObjectName(QStringLiteral("DirectoryListBox_Mid"));
    DirectoryListBox_Mid->setGeometry(kDirectoryListBox);
    DirectoryListBox_Mid->setItemDelegate(new FolderEntryDelegate(DirectoryListBox_Mid));
    DirectoryListBox_Mid->setUniformItemSizes(true);
    DirectoryListBox_Mid->setIconSize(QSize(kEntryHeight, kEntryHeight));
    DirectoryListBox_Mid->installEventFilter(this);
    Button_Exit = MakeButton(this, "Button_Exit", kButtonExit);
    Button_Cancel = MakeButton(this, "Button_Cancel", kButtonCancel);
    // The window has no title; screen readers still need to say what it is for.
    setAccessibleName(QStringLiteral("Choose the save folder"));
    NameForScreenReaders(DriveComboBox_Mid, QStringLiteral("Drive"));
    NameForScreenReaders(DirectoryListBox_Mid, QStringLiteral("Folders"));
}

void TForm_SelectSavePath::ConnectHandlers()
{
    connect(Button_Exit, &QPushButton::clicked, this, &TForm_SelectSavePath::Button_ExitClick);
    connect(Button_Cancel, &QPushButton::clicked, this, &TForm_SelectSavePath::Button_CancelClick);
    connect(DriveComboBox_Mid, &QComboBox::activated, this, &TForm_SelectSavePath::DriveComboBox_MidChange);
    // Not `itemActivated`: where the desktop activates on a single click, highlighting
    // would open the folder.
    connect(DirectoryListBox_Mid, &QListWidget::itemDoubleClicked, this,
            &TForm_SelectSavePath::DirectoryListBox_MidDblClick);
}

QString TForm_SelectSavePath::CurrentFolder() const
{
    return QDir::toNativeSeparators(m_currentFolder);
}

// Drives come and go (a card is put in), so the chooser is filled at every show.
void TForm_SelectSavePath::FillDriveChooser()
{
    m_volumes->Fill();
}

// The drive whose root is the longest one holding the folder.
int TForm_SelectSavePath::DriveIndexFor(const QString &folder) const
{
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < DriveComboBox_Mid->count(); ++i) {
        const QString root = DriveComboBox_Mid->itemData(i).toString();
        if (IsInside(folder, root) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    return best;
}

// Makes an existing, readable folder the open one; anything else leaves the list as it is.
bool TForm_SelectSavePath::OpenFolder(const QString &path)
{
    const QFileInfo folder(QDir::fromNativeSeparators(path));
    if (path.isEmpty() || !folder.isDir() || !folder.isReadable())
        return false;
    m_currentFolder = QDir::cleanPath(folder.absoluteFilePath());
    const int drive = DriveIndexFor(m_currentFolder);
    DriveComboBox_Mid->setCurrentIndex(drive);
    if (drive >= 0)
        m_driveFolders[DriveComboBox_Mid->itemData(drive).toString()] = m_currentFolder;
    ShowFolderList();
    return true;
}

// The folder shown before if it still exists, else the initial save folder, else the root.
void TForm_SelectSavePath::ReopenAnExistingFolder()
{
    for (const QString &candidate : {m_currentFolder, InitialSaveFolder(), QDir::rootPath()}) {
        if (OpenFolder(candidate))
            return;
    }
}

// The path from the root down to the open folder, then the open folder's subfolders;
// the open folder is highlighted.
void TForm_SelectSavePath::ShowFolderList()
{
    QStringList path;
    for (QDir dir(m_currentFolder);;) {
        path.prepend(dir.absolutePath());
        if (!dir.cdUp())
            break;
    }
    DirectoryListBox_Mid->clear();
    const auto addEntry = [this](const QString &folder, int depth, QStyle::StandardPixmap icon) {
        auto *entry = new QListWidgetItem(style()->standardIcon(icon), FolderEntryText(folder), DirectoryListBox_Mid);
        entry->setData(kFolderPathRole, folder);
        entry->setData(kFolderDepthRole, depth);
    };
    for (int depth = 0; depth < path.size(); ++depth)
        addEntry(path[depth], depth, QStyle::SP_DirOpenIcon);
    const QFileInfoList subfolders =
        QDir(m_currentFolder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &subfolder : subfolders)
        addEntry(subfolder.absoluteFilePath(), int(path.size()), QStyle::SP_DirClosedIcon);
    DirectoryListBox_Mid->setCurrentRow(int(path.size()) - 1);
}

void TForm_SelectSavePath::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        if (m_area)
            CentreOver(this, m_area);
        FormShow();
    }
    QDialog::showEvent(event);
    if (!event->spontaneous())
        TakeFocus(this);
}

bool TForm_SelectSavePath::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == DirectoryListBox_Mid && event->type() == QEvent::KeyPress
        && DirectoryListBox_MidKeyPress(static_cast<QKeyEvent *>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TForm_SelectSavePath::Open(SaveLocationTarget caller, const QString &startFolder)
{
    m_target = caller;
    m_startFolder = startFolder;
    BringUp(this);
}

void TForm_SelectSavePath::FormShow()
{
    DirectoryListBox_Mid->setSelectionMode(QAbstractItemView::SingleSelection);
    FillDriveChooser();
    if (!OpenFolder(m_startFolder))
        ReopenAnExistingFolder();
    Button_Exit->setText(CatalogueText(g_languageIndex, Str::Ok));
    Button_Cancel->setText(CatalogueText(g_languageIndex, Str::Cancel));
}

void TForm_SelectSavePath::Button_ExitClick()
{
    emit folderChosen(CurrentFolder());
    close();
}

void TForm_SelectSavePath::Button_CancelClick()
{
    close();
}

// A drive opens at the folder it had open last; a drive that cannot be read (an empty
// card reader) leaves everything as it was, and so does one that has not answered yet,
// since opening a folder on a hung share would hold the dialog in the system's call.
void TForm_SelectSavePath::DriveComboBox_MidChange(int index)
{
    const QString root = DriveComboBox_Mid->itemData(index).toString();
    if (!m_volumes->HasAnswered(root) || (!OpenFolder(m_driveFolders.value(root, root)) && !OpenFolder(root)))
        DriveComboBox_Mid->setCurrentIndex(DriveIndexFor(m_currentFolder));
}

void TForm_SelectSavePath::DirectoryListBox_MidDblClick(QListWidgetItem *item)
{
    OpenFolder(item->data(kFolderPathRole).toString());
}

// Enter opens the highlighted entry, as a double-click does.
bool TForm_SelectSavePath::DirectoryListBox_MidKeyPress(const QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    if (const QListWidgetItem *entry = DirectoryListBox_Mid->currentItem())
        OpenFolder(entry->data(kFolderPathRole).toString());
    return true;
}
