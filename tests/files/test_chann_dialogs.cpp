// The open and save dialogs of the channel file, driven through their widgets inside the main window.
#include "core/globals.h"
#include "core/image.h"
#include "core/language.h"
#include "files/Form_open_chann.h"
#include "files/Form_save_chann.h"
#include "files/chann_file.h"
#include "prompt_recorder.h"
#include "shell/MDImain.h"

#include <QtTest>
#include <QComboBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QTreeView>
#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray Image_Bytes()
{
    return QByteArray(reinterpret_cast<const char *>(Radio_Data), sizeof Radio_Data);
}

QByteArray Read_All(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write_All(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Some channels, names and options, so a loaded file visibly differs from the default image.
void Edit_Image()
{
    for (int b = 1; b <= 20; ++b)
        for (int i = 0; i < Block_Bytes; ++i)
            Radio_Data[b][i] = Integer((b * 16 + i) % 256);
    for (int i = 0; i < 16; ++i)
        Radio_Data[Name_Block][i] = Integer(i + 10);
    Radio_Data[Option_Block][3] = 0x07;
}

} // namespace

class Test_Chann_Dialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void texts_data();
    void texts();
    void placement();
    void browse();
    void save_right_after_start_then_open();
    void other_layouts_open_the_same_data();
    void other_layouts_open_the_same();
    void name_checks_data();
    void name_checks();
    void accepted_names_data();
    void accepted_names();
    void bad_files_data();
    void bad_files();
    void folder_removed_after_opening();
    void name_is_a_folder();
    void disk_full_keeps_old_file();
    void cancel_and_escape();
    void chinese_messages();

private:
    enum Kind { Open_Kind, Save_Kind };
    QWidget *Open_Dialog(int kind);
    QWidget *Find_Dialog(int kind) const;
    template<class T> T *C(QWidget *d, const char *name) { return d->findChild<T *>(name); }
    void Go_To(QWidget *d, const QString &folder);
    void Type_Name(QWidget *d, const QString &name);
    void Confirm(QWidget *d);
    // Frames in the client area that are empty or hold a file dialog.
    int Dialog_Frames() const;

    MDImain *w = nullptr;
    Prompt_Recorder *rec = nullptr;
    QTemporaryDir *tmp = nullptr;
};

void Test_Chann_Dialogs::init()
{
    rec = new Prompt_Recorder;
    tmp = new QTemporaryDir;
    QVERIFY(tmp->isValid());
    w = new MDImain;
    w->MDIForm_Load();
}

void Test_Chann_Dialogs::cleanup()
{
    delete w;
    w = nullptr;
    delete tmp;
    delete rec;
    if (Lang_Flag != 0) {
        Lang_Flag = 0;
        Install_Language();
    }
}

QWidget *Test_Chann_Dialogs::Open_Dialog(int kind)
{
    if (kind == Open_Kind)
        return Form_open_chann::Open();
    return Form_save_chann::Open();
}

QWidget *Test_Chann_Dialogs::Find_Dialog(int kind) const
{
    const char *name = kind == Open_Kind ? "Form_open_chann" : "Form_save_chann";
    const QList<QWidget *> all = w->Client()->findChildren<QWidget *>(name);
    for (QWidget *d : all)
        if (d->isVisible())
            return d;
    return nullptr;
}

// Picks the drive that holds the folder, then clicks the folder in the folder tree.
void Test_Chann_Dialogs::Go_To(QWidget *d, const QString &folder)
{
    auto *drive = C<QComboBox>(d, "Drive1");
    int best = -1;
    for (int i = 0; i < drive->count(); ++i) {
        const QString root = drive->itemData(i).toString();
        const bool under = root == "/" || folder == root || folder.startsWith(root + "/");
        if (under && (best < 0 || root.size() > drive->itemData(best).toString().size()))
            best = i;
    }
    QVERIFY(best >= 0);
    drive->setCurrentIndex(best);

    auto *tree = C<QTreeView>(d, "Dir1");
    auto *proxy = qobject_cast<QSortFilterProxyModel *>(tree->model());
    auto *fs = qobject_cast<QFileSystemModel *>(proxy->sourceModel());
    const QModelIndex at = proxy->mapFromSource(fs->index(folder));
    QVERIFY(at.isValid());
    for (QModelIndex up = at.parent(); up.isValid(); up = up.parent())
        tree->expand(up);
    tree->scrollTo(at);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(at).center());
    QCOMPARE(static_cast<Chann_Dialog *>(d)->Dir1_Path(), folder);
}

void Test_Chann_Dialogs::Type_Name(QWidget *d, const QString &name)
{
    auto *text = C<QLineEdit>(d, "Text1");
    text->setFocus();
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_Delete);
    QTest::keyClicks(text, name);
    QCOMPARE(text->text(), name);
}

int Test_Chann_Dialogs::Dialog_Frames() const
{
    int n = 0;
    for (QMdiSubWindow *sub : w->Client()->subWindowList()) {
        const QWidget *in = sub->widget();
        if (!in || in->objectName() == "Form_open_chann" || in->objectName() == "Form_save_chann")
            ++n;
    }
    return n;
}

void Test_Chann_Dialogs::Confirm(QWidget *d)
{
    QTest::mouseClick(C<QPushButton>(d, "Command_enter"), Qt::LeftButton);
}

void Test_Chann_Dialogs::texts_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QStringList>("texts");   // title, Label_drive, Label_Name, Command_enter, Command_Close
    QTest::newRow("open, English") << int(Open_Kind) << false
                                   << QStringList{"Open Channcle File", "Drive:", "Open File:", "Confirm", "Cancel"};
    QTest::newRow("save, English") << int(Save_Kind) << false
                                   << QStringList{"Save Channel File", "Drive:", "Save File:", "Confirm", "Cancel"};
    QTest::newRow("open, Chinese") << int(Open_Kind) << true
                                   << QStringList{"打开信道参数文件", "驱动器：", "打开文件名：", "确  定", "取  消"};
    QTest::newRow("save, Chinese") << int(Save_Kind) << true
                                   << QStringList{"保存信道参数文件", "驱动器：", "保存文件名：", "确  定", "取  消"};
}

void Test_Chann_Dialogs::texts()
{
    QFETCH(int, kind);
    QFETCH(bool, chinese);
    QFETCH(QStringList, texts);
    if (chinese) {
        Lang_Flag = -1;
        Install_Language();
    }
    const Integer &flag = kind == Open_Kind ? OpenChann_Open : SaveChann_Open;
    QCOMPARE(int(flag), 0);
    Open_Dialog(kind);
    Open_Dialog(kind);   // a second command shows one fresh window
    QCOMPARE(w->Client()->findChildren<QWidget *>(kind == Open_Kind ? "Form_open_chann" : "Form_save_chann").size(), 1);
    QWidget *d = Find_Dialog(kind);
    QVERIFY(d);
    QCOMPARE(int(flag), -1);
    QCOMPARE(d->windowTitle(), texts[0]);
    QCOMPARE(C<QLabel>(d, "Label_drive")->text(), texts[1]);
    QCOMPARE(C<QLabel>(d, "Label_Name")->text(), texts[2]);
    QCOMPARE(C<QPushButton>(d, "Command_enter")->text(), texts[3]);
    QCOMPARE(C<QPushButton>(d, "Command_Close")->text(), texts[4]);
    QCOMPARE(C<QLineEdit>(d, "Text1")->text(), QString("*.chann"));

    QTest::mouseClick(C<QPushButton>(d, "Command_Close"), Qt::LeftButton);
    QVERIFY(!Find_Dialog(kind));
    QCOMPARE(int(flag), 0);
    QTRY_COMPARE(Dialog_Frames(), 0);   // no empty frame is left behind
    QVERIFY(rec->texts().isEmpty());
}

void Test_Chann_Dialogs::placement()
{
    for (int kind : {Open_Kind, Save_Kind}) {
        QWidget *d = Open_Dialog(kind);
        auto *sub = qobject_cast<QMdiSubWindow *>(d->parentWidget());
        QVERIFY(sub);
        const QSize main = w->frameGeometry().size();
        const QSize inner = w->Client()->size();
        QVERIFY(qAbs(sub->width() - int(main.width() / 1.5)) <= 1);
        QVERIFY(qAbs(sub->height() - int(main.height() / 1.3)) <= 1);
        QVERIFY(qAbs(sub->x() - (inner.width() - sub->width()) / 2) <= 1);
        QCOMPARE(sub->y(), 0);
    }
}

void Test_Chann_Dialogs::browse()
{
    const QString dir = tmp->path();
    Write_All(dir + "/b.chann", "x");
    Write_All(dir + "/A.CHANN", "x");
    Write_All(dir + "/notes.txt", "x");
    Write_All(dir + "/c.chann.bak", "x");
    QDir(dir).mkdir("sub");
    Write_All(dir + "/sub/inner.chann", "x");

    QWidget *d = Open_Dialog(Open_Kind);
    auto *drive = C<QComboBox>(d, "Drive1");
    QVERIFY(drive->count() >= 2);
    QCOMPARE(drive->itemData(0).toString(), QDir::homePath());
    QVERIFY(drive->findData("/") > 0);

    Go_To(d, dir);
    auto *files = C<QListWidget>(d, "File1");
    QStringList names;
    for (int i = 0; i < files->count(); ++i)
        names << files->item(i)->text();
    QCOMPARE(names, QStringList({"A.CHANN", "b.chann"}));

    QListWidgetItem *item = files->item(1);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(item).center());
    QCOMPARE(C<QLineEdit>(d, "Text1")->text(), QString("b.chann"));

    Go_To(d, dir + "/sub");
    QCOMPARE(files->count(), 1);
    QCOMPARE(files->item(0)->text(), QString("inner.chann"));

    // another drive starts at its root
    QCOMPARE(drive->currentData().toString(), QString("/"));
    drive->setCurrentIndex(0);
    QCOMPARE(static_cast<Chann_Dialog *>(d)->Dir1_Path(), QDir::homePath());
    drive->setCurrentIndex(drive->findData("/"));
    QCOMPARE(static_cast<Chann_Dialog *>(d)->Dir1_Path(), QString("/"));
    QVERIFY(rec->texts().isEmpty());
}

void Test_Chann_Dialogs::save_right_after_start_then_open()
{
    const QByteArray start = Image_Bytes();
    QWidget *d = Open_Dialog(Save_Kind);
    Go_To(d, tmp->path());
    Type_Name(d, "radio.chann");
    Confirm(d);
    QCOMPARE(rec->texts(), QStringList({"Complete storing channel parameter."}));
    QCOMPARE(rec->titles(), QStringList({"Operate prompt"}));
    QVERIFY(!Find_Dialog(Save_Kind));
    QCOMPARE(int(SaveChann_Open), 0);

    const QByteArray file = Read_All(tmp->filePath("radio.chann"));
    QCOMPARE(file.left(file.indexOf('\n') + 1),
             QByteArray(" 80  18  32  70  0  0  0  1  255  255  255  255  2  32  255  255 \r\n"));
    QCOMPARE(file.count("\r\n"), 256);
    QCOMPARE(Image_Bytes(), start);

    Edit_Image();
    rec->clear();
    d = Open_Dialog(Open_Kind);
    // the folder of the save is where the next dialog starts, on the drive that holds it
    QCOMPARE(static_cast<Chann_Dialog *>(d)->Dir1_Path(), tmp->path());
    QCOMPARE(C<QComboBox>(d, "Drive1")->currentData().toString(), QString("/"));
    auto *tree = C<QTreeView>(d, "Dir1");
    QCOMPARE(tree->currentIndex().data().toString(), QFileInfo(tmp->path()).fileName());
    QCOMPARE(tree->rootIndex(), QModelIndex());
    auto *files = C<QListWidget>(d, "File1");
    QCOMPARE(files->count(), 1);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(0)).center());
    Confirm(d);
    QCOMPARE(rec->texts(), QStringList({"Succeed fold the channel parameter from file."}));
    QVERIFY(!Find_Dialog(Open_Kind));
    QCOMPARE(int(OpenChann_Open), 0);
    QCOMPARE(Image_Bytes(), start);
    QTRY_COMPARE(Dialog_Frames(), 0);
}

void Test_Chann_Dialogs::other_layouts_open_the_same_data()
{
    QTest::addColumn<QString>("layout");
    QTest::newRow("commas") << "commas";
    QTest::newRow("one line") << "one line";
}

void Test_Chann_Dialogs::other_layouts_open_the_same()
{
    QFETCH(QString, layout);
    Edit_Image();
    const QByteArray edited = Image_Bytes();
    QByteArray text = Chann_File_Text();
    if (layout == "commas")
        text = text.replace("  ", ",").replace(" ", "");
    else
        text = text.replace("\r\n", " ");
    QCOMPARE(text.count('\n'), 0 + (layout == "commas" ? 256 : 0));
    Write_All(tmp->filePath("other.chann"), text);

    Init_Globals();
    QWidget *d = Open_Dialog(Open_Kind);
    Go_To(d, tmp->path());
    auto *files = C<QListWidget>(d, "File1");
    QCOMPARE(files->count(), 1);
    // a double click opens the file at once
    const QPoint at = files->visualItemRect(files->item(0)).center();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(rec->texts(), QStringList({"Succeed fold the channel parameter from file."}));
    QCOMPARE(Image_Bytes(), edited);
}

void Test_Chann_Dialogs::name_checks_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    const QString open_bad = "Open the file name of channel parameter is nullity ";
    const QString open_suffix = "Nullity file suffix name of channel parameter.";
    const QString save_bad = "Store the file name of channel parameter need is nullity. ";
    const QString save_suffix = "Advice don't modify file suffix name of system default ！";
    const struct
    {
        const char *name;
        bool bad_char;
    } cases[] = {
        {"*.chann", true},     {"my#file.chann", true}, {"my#file.txt", true}, {"a$b.chann", true},
        {"a\\b.chann", true},  {"sub/radio.chann", true}, {"radio.Chann", false}, {"radio.txt", false},
        {"radio.chann.bak", false}, {"chann", false},   {"", false},          {"radio. chann", false},
    };
    for (const auto &c : cases) {
        QTest::addRow("open %s", c.name) << int(Open_Kind) << QString(c.name)
                                         << (c.bad_char ? open_bad : open_suffix);
        QTest::addRow("save %s", c.name) << int(Save_Kind) << QString(c.name)
                                         << (c.bad_char ? save_bad : save_suffix);
    }
}

void Test_Chann_Dialogs::name_checks()
{
    QFETCH(int, kind);
    QFETCH(QString, name);
    QFETCH(QString, message);
    // files the open dialog could read if it got so far
    QDir(tmp->path()).mkdir("sub");
    for (const char *f : {"radio.Chann", "radio.txt", "sub/radio.chann", "radio.chann.bak"})
        Write_All(tmp->filePath(f), Chann_File_Text());
    Edit_Image();
    const QByteArray before = Image_Bytes();
    const QStringList files = QDir(tmp->path()).entryList(QDir::AllEntries | QDir::Hidden);

    QWidget *d = Open_Dialog(kind);
    Go_To(d, tmp->path());
    if (name != "*.chann")
        Type_Name(d, name);
    Confirm(d);
    QCOMPARE(rec->texts(), QStringList({message}));
    QCOMPARE(Find_Dialog(kind), d);
    QCOMPARE(Image_Bytes(), before);
    QCOMPARE(QDir(tmp->path()).entryList(QDir::AllEntries | QDir::Hidden), files);
}

void Test_Chann_Dialogs::accepted_names_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("file");
    QTest::newRow("lower case") << "radio.chann" << "radio.chann";
    QTest::newRow("upper case") << "radio.CHANN" << "radio.CHANN";
    QTest::newRow("blanks around") << "  my radio.chann  " << "my radio.chann";
    QTest::newRow("suffix alone") << ".chann" << ".chann";
}

void Test_Chann_Dialogs::accepted_names()
{
    QFETCH(QString, typed);
    QFETCH(QString, file);
    Edit_Image();
    const QByteArray edited = Image_Bytes();
    QWidget *d = Open_Dialog(Save_Kind);
    Go_To(d, tmp->path());
    Type_Name(d, typed);
    // Enter in the name box confirms as the button does
    QTest::keyClick(C<QLineEdit>(d, "Text1"), Qt::Key_Return);
    QCOMPARE(rec->texts(), QStringList({"Complete storing channel parameter."}));
    QCOMPARE(Read_All(tmp->filePath(file)), Chann_File_Text());

    Init_Globals();
    rec->clear();
    d = Open_Dialog(Open_Kind);
    Type_Name(d, typed);
    Confirm(d);
    QCOMPARE(rec->texts(), QStringList({"Succeed fold the channel parameter from file."}));
    QCOMPARE(Image_Bytes(), edited);
}

void Test_Chann_Dialogs::bad_files_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");   // %1 stands for the file's path
    const QByteArray good = Chann_File_Text();
    int line_200 = 0;
    for (int k = 0; k < 199; ++k)
        line_200 = good.indexOf("\r\n", line_200) + 2;
    QByteArray binary("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01\0", 20);
    QByteArray word = good;
    word.replace(good.indexOf("255", line_200), 3, "OFF");
    QByteArray big = good;
    big.replace(good.indexOf("255", line_200), 3, "256");
    QByteArray negative = good;
    negative.replace(good.indexOf(" 0 "), 3, " -1 ");

    QTest::newRow("empty") << QByteArray()
                           << "The file %1 is empty: a channel file holds 4096 numbers.";
    QTest::newRow("truncated") << good.left(line_200 + 20)
                               << "The file %1 ends at line 200 after 3188 of the 4096 numbers.";
    QTest::newRow("4095 numbers") << good.left(good.lastIndexOf("255")).trimmed()
                                  << "The file %1 ends at line 256 after 4095 of the 4096 numbers.";
    QTest::newRow("binary") << binary
                            << "Line 1 of the file %1 holds \"?PNG\", which is not a number.";
    QTest::newRow("256") << big
                         << "Line 200 of the file %1 holds 256, which is not a whole number from 0 to 255.";
    QTest::newRow("-1") << negative
                        << "Line 1 of the file %1 holds -1, which is not a whole number from 0 to 255.";
    QTest::newRow("word") << word << "Line 200 of the file %1 holds \"OFF\", which is not a number.";
    QTest::newRow("missing") << QByteArray("no file")
                             << "The file %1 cannot be opened: No such file or directory";
}

void Test_Chann_Dialogs::bad_files()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    const QString path = tmp->filePath("bad.chann");
    if (content != "no file")
        Write_All(path, content);
    Edit_Image();
    const QByteArray before = Image_Bytes();

    QWidget *d = Open_Dialog(Open_Kind);
    Go_To(d, tmp->path());
    Type_Name(d, "bad.chann");
    Confirm(d);
    QCOMPARE(rec->texts(), QStringList({message.arg(path) + "\nNothing was loaded: the channel data are as they were."}));
    QCOMPARE(rec->titles(), QStringList({"Operate prompt"}));
    QCOMPARE(Image_Bytes(), before);
    QCOMPARE(Find_Dialog(Open_Kind), d);
    QCOMPARE(int(OpenChann_Open), -1);
}

void Test_Chann_Dialogs::folder_removed_after_opening()
{
    const QString gone = tmp->filePath("usb");
    QVERIFY(QDir().mkdir(gone));
    QWidget *d = Open_Dialog(Save_Kind);
    Go_To(d, gone);
    QVERIFY(QDir(gone).removeRecursively());
    Type_Name(d, "radio.chann");
    Confirm(d);
    QCOMPARE(rec->texts(), QStringList({"The file " + gone + "/radio.chann could not be saved: No such "
                                        "file or directory\nNothing was written: a file of that name is "
                                        "as it was."}));
    QCOMPARE(Find_Dialog(Save_Kind), d);
    QVERIFY(!QFileInfo::exists(gone));
}

void Test_Chann_Dialogs::name_is_a_folder()
{
    QVERIFY(QDir(tmp->path()).mkdir("radio.chann"));
    QWidget *d = Open_Dialog(Save_Kind);
    Go_To(d, tmp->path());
    Type_Name(d, "radio.chann");
    Confirm(d);
    QCOMPARE(rec->texts().size(), 1);
    QVERIFY2(rec->texts()[0].startsWith("The file " + tmp->filePath("radio.chann") + " could not be saved: "),
             qPrintable(rec->texts()[0]));
    QCOMPARE(Find_Dialog(Save_Kind), d);
    QVERIFY(QFileInfo(tmp->filePath("radio.chann")).isDir());
    QCOMPARE(QDir(tmp->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"radio.chann"}));
}

void Test_Chann_Dialogs::disk_full_keeps_old_file()
{
    // The process may write no more than 4000 bytes to a file: the disk "fills up" mid-file.
    const QString path = tmp->filePath("radio.chann");
    const QByteArray old = Chann_File_Text();
    Write_All(path, old);
    Edit_Image();

    QWidget *d = Open_Dialog(Save_Kind);
    Go_To(d, tmp->path());
    Type_Name(d, "radio.chann");
    rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4000;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    Confirm(d);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, old_handler);

    QCOMPARE(rec->texts(), QStringList({"The file " + path + " could not be saved: File too large\n"
                                        "Nothing was written: a file of that name is as it was."}));
    QCOMPARE(Read_All(path), old);
    QCOMPARE(QDir(tmp->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"radio.chann"}));
    QCOMPARE(Find_Dialog(Save_Kind), d);
}

void Test_Chann_Dialogs::cancel_and_escape()
{
    Write_All(tmp->filePath("radio.chann"), QByteArray("1 2 3"));
    QWidget *d = Open_Dialog(Save_Kind);
    Go_To(d, tmp->path());
    Type_Name(d, "radio.chann");
    QTest::mouseClick(C<QPushButton>(d, "Command_Close"), Qt::LeftButton);
    QVERIFY(!Find_Dialog(Save_Kind));

    d = Open_Dialog(Open_Kind);
    Type_Name(d, "radio.chann");
    QTest::keyClick(C<QLineEdit>(d, "Text1"), Qt::Key_Escape);
    QVERIFY(!Find_Dialog(Open_Kind));
    QCOMPARE(int(OpenChann_Open), 0);
    QCOMPARE(Read_All(tmp->filePath("radio.chann")), QByteArray("1 2 3"));
    QTRY_COMPARE(Dialog_Frames(), 0);
    QVERIFY(rec->texts().isEmpty());
}

void Test_Chann_Dialogs::chinese_messages()
{
    Lang_Flag = -1;
    Install_Language();
    QWidget *d = Open_Dialog(Save_Kind);
    Go_To(d, tmp->path());
    Type_Name(d, "a#b.chann");
    Confirm(d);
    Type_Name(d, "radio.Chann");
    Confirm(d);
    Type_Name(d, "radio.chann");
    Confirm(d);
    QCOMPARE(rec->texts(), QStringList({"保存信道参数所需要的文件名无效 ", "建议不要修改系统默认的文件后缀名！",
                                        "信道参数保存完毕 ！"}));
    QCOMPARE(rec->titles(), QStringList({"操作提示", "操作提示", "操作提示"}));

    QByteArray text = Chann_File_Text();
    text.replace(text.indexOf("255", text.indexOf("\r\n")), 3, "300");   // on line 2
    Write_All(tmp->filePath("bad.chann"), text);
    rec->clear();
    d = Open_Dialog(Open_Kind);
    for (const char *name : {"a/b.chann", "radio.txt", "bad.chann", "radio.chann"}) {
        Type_Name(d, name);
        Confirm(d);
    }
    QCOMPARE(rec->texts(), QStringList({"打开信道参数文件名无效 ", "无效的信道参数文件后缀名！",
                                        "文件 " + tmp->filePath("bad.chann") + " 的第 2 行是 300，不是 0 到 255 之间的整数。\n"
                                        "未调入任何数据，信道参数保持原样。",
                                        "信道参数从文件调入成功 ！"}));
}

QTEST_MAIN(Test_Chann_Dialogs)
#include "test_chann_dialogs.moc"
