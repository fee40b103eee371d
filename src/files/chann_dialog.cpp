#include "chann_dialog.h"

#include "core/prompt.h"
#include "ui/host.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeView>

namespace {
// The folder of the last finished open or save of this run.
QString Last_Folder;

bool Is_Under(const QString &path, const QString &root)
{
    if (root == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == root || path.startsWith(root + QLatin1Char('/'));
}
} // namespace

// Shows the chosen drive's root folder as the single top entry of the folder tree, so the user can
// always go back up to it, and nothing outside that drive.
class Drive_Filter : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void Set_Top(const QModelIndex &source_top)
    {
        Top = source_top;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        if (!Top.isValid() || parent != Top.parent())
            return true;
        return sourceModel()->index(row, 0, parent) == Top;
    }

private:
    QPersistentModelIndex Top;
};

Chann_Dialog::Chann_Dialog(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);

    Label_drive = new QLabel(this);
    Label_drive->setObjectName(QStringLiteral("Label_drive"));
    Label_Name = new QLabel(this);
    Label_Name->setObjectName(QStringLiteral("Label_Name"));

    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Label_drive->setBuddy(Drive1);

    Dir_Model = new QFileSystemModel(this);
    Dir_Model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    Dir_Model->setReadOnly(true);
    Dir_Filter = new Drive_Filter(this);
    Dir_Filter->setSourceModel(Dir_Model);
    Dir_Filter->setSortCaseSensitivity(Qt::CaseInsensitive);
    Dir_Filter->setDynamicSortFilter(true);
    Dir_Filter->sort(0);

    Dir1 = new QTreeView(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setModel(Dir_Filter);
    Dir1->setHeaderHidden(true);
    for (int c = 1; c < Dir_Model->columnCount(); ++c)
        Dir1->hideColumn(c);
    Dir1->setSelectionMode(QAbstractItemView::SingleSelection);
    Dir1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setSelectionMode(QAbstractItemView::SingleSelection);
    File1->setSortingEnabled(false);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Label_Name->setBuddy(Text1);

    Command_enter = new QPushButton(this);
    Command_enter->setObjectName(QStringLiteral("Command_enter"));
    Command_enter->setDefault(true);
    Command_Close = new QPushButton(this);
    Command_Close->setObjectName(QStringLiteral("Command_Close"));

    auto *lists = new QSplitter(Qt::Horizontal, this);
    lists->setChildrenCollapsible(false);
    lists->addWidget(Dir1);
    lists->addWidget(File1);
    lists->setStretchFactor(0, 1);
    lists->setStretchFactor(1, 1);

    auto *grid = new QGridLayout;
    grid->addWidget(Label_drive, 0, 0);
    grid->addWidget(Drive1, 0, 1);
    grid->addWidget(lists, 1, 0, 1, 2);
    grid->addWidget(Label_Name, 2, 0);
    grid->addWidget(Text1, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command_enter);
    buttons->addWidget(Command_Close);

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(grid, 1);
    outer->addLayout(buttons);

    // Folders load in the background and push the current one down the tree as they arrive: keep it
    // in view while the folders above it fill, but not when the user opens some other branch.
    connect(Dir_Model, &QFileSystemModel::directoryLoaded, this, [this](const QString &path) {
        if (Is_Under(Folder, path))
            Dir1->scrollTo(Dir1->currentIndex(), QAbstractItemView::PositionAtCenter);
    });
    connect(Drive1, &QComboBox::currentIndexChanged, this, &Chann_Dialog::Drive1_Change);
    connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Chann_Dialog::Dir1_Change);
    connect(File1, &QListWidget::currentItemChanged, this, &Chann_Dialog::File1_Click);
    connect(File1, &QListWidget::itemClicked, this, &Chann_Dialog::File1_Click);
    connect(File1, &QListWidget::itemActivated, this, &Chann_Dialog::File1_DblClick);
    connect(Text1, &QLineEdit::returnPressed, this, &Chann_Dialog::Command_enter_Click);
    connect(Command_enter, &QPushButton::clicked, this, &Chann_Dialog::Command_enter_Click);
    connect(Command_Close, &QPushButton::clicked, this, &Chann_Dialog::Command_Close_Click);
}

void Chann_Dialog::keyPressEvent(QKeyEvent *event)
{
    // Escape cancels, as in any dialog; the lists and the name box leave it to the window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Command_Close_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Chann_Dialog::Show_Dialog()
{
    const QSize main = Host::Main_Size();
    const QSize inner = Host::Inner_Size();
    const int w = int(main.width() / 1.5);
    const int h = int(main.height() / 1.3);
    Host::Show_Child(this, QRect((inner.width() - w) / 2, 0, w, h));

    Text1->setText(QStringLiteral("*.chann"));
    Fill_Drives();
    QString start = Last_Folder;
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QDir::homePath();
    // The drive holding the starting folder: the one with the longest root above it.
    int best = -1;
    for (int i = 0; i < Drive1->count(); ++i) {
        const QString root = Drive1->itemData(i).toString();
        if (Is_Under(start, root)
            && (best < 0 || root.size() > Drive1->itemData(best).toString().size()))
            best = i;
    }
    if (best < 0) {
        best = 0;
        start = Drive1->itemData(0).toString();
    }
    {
        const QSignalBlocker quiet(Drive1);
        Drive1->setCurrentIndex(best);
    }
    Drive_Index = best;
    Set_Drive(Drive1->itemData(best).toString());
    Set_Folder(start);
    Text1->setFocus();
    Text1->selectAll();
}

void Chann_Dialog::Fill_Drives()
{
    // The home folder comes first: on this system it is where a user's files normally are.
    const QSignalBlocker quiet(Drive1);
    Drive1->clear();
    const QString home = QDir::cleanPath(QDir::homePath());
    Drive1->addItem(style()->standardIcon(QStyle::SP_DirHomeIcon), QDir::toNativeSeparators(home),
                    home);
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString root = QDir::cleanPath(volume.rootPath());
        if (Drive1->findData(root) >= 0)
            continue;
        QString text = QDir::toNativeSeparators(root);
        if (!volume.name().isEmpty())
            text += QStringLiteral("  [") + volume.name() + QLatin1Char(']');
        Drive1->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), text, root);
    }
}

void Chann_Dialog::Drive1_Change(int index)
{
    if (index < 0)
        return;
    const QString root = Drive1->itemData(index).toString();
    const QFileInfo info(root);
    if (!info.isDir() || !info.isReadable()) {
        // A drive that went away or cannot be read: say so and stay where we were.
        Prompt(tr("The drive %1 cannot be read.").arg(QDir::toNativeSeparators(root)));
        const QSignalBlocker quiet(Drive1);
        Drive1->setCurrentIndex(Drive_Index);
        return;
    }
    Drive_Index = index;
    Set_Drive(root);
    Set_Folder(root);
}

void Chann_Dialog::Set_Drive(const QString &root)
{
    Dir_Model->setRootPath(root);
    const QModelIndex top = Dir_Model->index(root);
    Dir_Filter->Set_Top(top);
    Dir1->setRootIndex(Dir_Filter->mapFromSource(top.parent()));
}

void Chann_Dialog::Set_Folder(const QString &path)
{
    QModelIndex at = Dir_Filter->mapFromSource(Dir_Model->index(path));
    if (!at.isValid())
        at = Dir_Filter->mapFromSource(Dir_Model->index(Drive1->currentData().toString()));
    for (QModelIndex up = at.parent(); up.isValid(); up = up.parent())
        Dir1->expand(up);
    Dir1->setCurrentIndex(at);
    Dir1->scrollTo(at, QAbstractItemView::PositionAtCenter);
    // Setting the same folder again raises no change: fill the file list anyway.
    if (at.isValid())
        Dir1_Change(at);
}

void Chann_Dialog::Dir1_Change(const QModelIndex &current)
{
    if (!current.isValid())
        return;
    const QString path = Dir_Model->filePath(Dir_Filter->mapToSource(current));
    if (path.isEmpty())
        return;
    Folder = path;
    Dir1->expand(current);
    Fill_File1();
}

void Chann_Dialog::Fill_File1()
{
    File1->clear();
    const QDir dir(Folder);
    // No CaseSensitive flag: radio.CHANN is a channel file as well as radio.chann.
    File1->addItems(dir.entryList({QStringLiteral("*.chann")}, QDir::Files,
                                  QDir::Name | QDir::IgnoreCase));
}

void Chann_Dialog::File1_Click(QListWidgetItem *item)
{
    if (item)
        Text1->setText(item->text());
}

void Chann_Dialog::File1_DblClick(QListWidgetItem *item)
{
    if (!item)
        return;
    Text1->setText(item->text());
    Command_enter_Click();
}

QString Chann_Dialog::Checked_Path(const QString &invalid_text, const QString &suffix_text) const
{
    const QString name = Text1->text().trimmed();
    for (const QChar c : name) {
        if (QStringLiteral("*$\\/#").contains(c)) {
            Prompt(invalid_text);
            return QString();
        }
    }
    const QString tail = name.right(6).trimmed();
    if (name.size() < 6
        || (tail != QLatin1String(".chann") && tail != QLatin1String(".CHANN"))) {
        Prompt(suffix_text);
        return QString();
    }
    return QDir(Folder).filePath(name);
}

void Chann_Dialog::Remember_Folder() const
{
    Last_Folder = Folder;
}

void Chann_Dialog::Close_Window()
{
    // Closing only this widget would leave its empty frame behind in the client area; the frame
    // closes this widget with it and is deleted once control is back in the event loop.
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->close();
    else
        close();
}

void Chann_Dialog::Command_Close_Click()
{
    Close_Window();
}
