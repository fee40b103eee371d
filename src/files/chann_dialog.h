#pragma once
// What the open and save dialogs of the channel file share: the drive, folder and file lists, the
// file-name box and the name checks that come before anything is read or written.
#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QKeyEvent;
class QModelIndex;
class QPushButton;
class QTreeView;
class Drive_Filter;

class Chann_Dialog : public QWidget
{
    Q_OBJECT

public:
    // Folder the dialog reads from or writes into: the one chosen in Dir1.
    QString Dir1_Path() const { return Folder; }

protected:
    explicit Chann_Dialog(QWidget *parent = nullptr);
    void keyPressEvent(QKeyEvent *event) override;

    // Size, place, the drive list and the starting folder; the window's texts are set before.
    void Show_Dialog();
    // Steps shared by both confirms: the trimmed name of Text1 checked for the characters a name may
    // not hold, then for its suffix. Shows the matching message and returns an empty text when the
    // name is refused; otherwise returns the full path in the current folder.
    QString Checked_Path(const QString &invalid_text, const QString &suffix_text) const;
    // The folder a finished open or save used becomes the starting folder of the next dialog.
    void Remember_Folder() const;
    // Closes the window together with its frame in the main window's client area.
    void Close_Window();

    QLabel *Label_drive;
    QLabel *Label_Name;
    QComboBox *Drive1;
    QTreeView *Dir1;
    QListWidget *File1;
    QLineEdit *Text1;
    QPushButton *Command_enter;
    QPushButton *Command_Close;

protected slots:
    virtual void Command_enter_Click() = 0;

private slots:
    void Drive1_Change(int index);
    void Dir1_Change(const QModelIndex &current);
    void File1_Click(QListWidgetItem *item);
    void File1_DblClick(QListWidgetItem *item);
    void Command_Close_Click();

private:
    void Fill_Drives();
    void Set_Drive(const QString &root);
    void Set_Folder(const QString &path);
    void Fill_File1();

    QFileSystemModel *Dir_Model;
    Drive_Filter *Dir_Filter;
    QString Folder;
    int Drive_Index = -1;   // the drive in use, restored when another one cannot be read
};
