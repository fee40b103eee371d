// The main window: menu definition, shortcuts, toolbar, status bar, caption and language texts.
#include "channels/frm_chann.h"
#include "core/codecs.h"
#include "core/globals.h"
#include "core/image.h"
#include "features/frm_option.h"
#include "prompt_recorder.h"
#include "shell/MDImain.h"
#include "ui/host.h"

#include <QtTest>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

class Test_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menu_items_data();
    void menu_items();
    void menu_bar_order();
    void ggg_never_selectable();
    void shortcuts_that_do_nothing();
    void toolbar();
    void status_bar();
    void command_reopens_window();
    void exit_without_asking_data();
    void exit_without_asking();
    void language_texts();
    void commands_open_their_windows_data();
    void commands_open_their_windows();
    void save_takes_pending_name();
    void language_switch_reopens_windows();

private:
    MDImain *w = nullptr;
    Prompt_Recorder *rec = nullptr;
};

void Test_MainWindow::init()
{
    rec = new Prompt_Recorder;
    w = new MDImain;
    w->MDIForm_Load();
    QVERIFY(QTest::qWaitForWindowExposed(w));
}

void Test_MainWindow::cleanup()
{
    delete w;
    w = nullptr;
    QVERIFY2(rec->texts().isEmpty(), qPrintable(rec->texts().join(" | ")));
    delete rec;
}

void Test_MainWindow::menu_items_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("enabled");
    const auto row = [](const char *n, const char *p, const char *c, const char *s, bool v, bool e) {
        QTest::newRow(n) << QString(n) << QString(p) << QString::fromUtf8(c) << QString(s) << v << e;
    };
    row("File", "", "File", "", true, true);
    row("File_New", "File", "New", "Ctrl+N", true, true);
    row("File_Open", "File", "Open", "Ctrl+O", true, true);
    row("File_save", "File", "Save", "Ctrl+S", true, true);
    row("File_saveas", "File", "Save As", "", true, true);
    row("File_exit", "File", "Exit", "", true, true);
    row("proc_type", "", "Model", "", true, true);
    row("Edit", "", "Edit", "", true, true);
    row("Channel_edit", "Edit", "Channel Information ", "", true, true);
    row("Optional_edit", "Edit", "Optional Features", "", true, true);
    row("key_edit", "Edit", "Key Assignment", "", false, false);
    row("Scan_edit", "Edit", "Scan Information", "", false, false);
    row("Dtmf_edit", "Edit", "DTMF", "", false, false);
    row("Fleetsync_edit", "Edit", "FleetSync", "", false, false);
    row("Test_edit", "Edit", "Radio", "", true, true);
    row("eee", "Edit", "--------------", "", false, false);
    row("Message_edit", "Edit", "Embedded Message", "", false, false);
    row("Program", "", "Program", "", true, true);
    row("Prog_read", "Program", "Read from radio", "Ctrl+R", true, true);
    row("Prog_write", "Program", "Write to radio", "Ctrl+W", true, true);
    row("Prog_test", "Program", "Test Mode", "Ctrl+T", false, false);
    row("Adjust", "", "Adjust", "", true, true);
    row("Adj_Txp", "Adjust", "Power Adjust", "", true, true);
    row("proc_setup", "", "Communication", "", true, true);
    row("Language_Setup", "", "Language", "", false, false);
    row("Language_chn", "Language_Setup", "中文", "", true, true);
    row("Language_eng", "Language_Setup", "English", "", true, true);
    row("Menu_About", "", "About", "", false, false);
    row("Menu_exit", "", "Exit", "", true, true);
}

void Test_MainWindow::menu_items()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(bool, visible);
    QFETCH(bool, enabled);
    QAction *a = w->Menu_Item(name);
    QVERIFY(a);
    QCOMPARE(a->text(), caption);
    QCOMPARE(a->shortcut().toString(), shortcut);
    QCOMPARE(a->isVisible(), visible);
    QCOMPARE(a->isEnabled(), enabled);
    if (parent.isEmpty()) {
        QVERIFY(w->menuBar()->actions().contains(a));
    } else {
        auto *menu = w->findChild<QMenu *>(parent);
        QVERIFY(menu);
        QVERIFY(menu->actions().contains(a));
    }
}

void Test_MainWindow::menu_bar_order()
{
    QStringList names;
    for (QAction *a : w->menuBar()->actions())
        names << a->objectName();
    QCOMPARE(names, (QStringList{"File", "proc_type", "Edit", "Program", "Adjust", "proc_setup",
                                 "Language_Setup", "Menu_About", "Menu_exit"}));
    QStringList edit;
    for (QAction *a : w->findChild<QMenu *>("Edit")->actions())
        edit << a->objectName();
    QCOMPARE(edit, (QStringList{"Channel_edit", "Optional_edit", "key_edit", "Scan_edit", "Dtmf_edit",
                                "Fleetsync_edit", "ggg", "Test_edit", "eee", "Message_edit"}));
    QCOMPARE(w->windowTitle(), QString("Dorvin RADIO series program software "));
}

void Test_MainWindow::ggg_never_selectable()
{
    QAction *g = w->Menu_Item("ggg");
    QCOMPARE(g->text(), QString("--------------"));
    QVERIFY(!g->isVisible() || !g->isEnabled());
    QSignalSpy spy(g, &QAction::triggered);
    auto *edit = w->findChild<QMenu *>("Edit");
    edit->popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(edit));
    if (g->isVisible()) {
        QTest::mouseClick(edit, Qt::LeftButton, {}, edit->actionGeometry(g).center());
    }
    edit->close();
    QCOMPARE(spy.count(), 0);
}

void Test_MainWindow::shortcuts_that_do_nothing()
{
    // New has no action and Test Mode is hidden: neither opens anything.
    const int before = w->Client()->subWindowList().size();
    QSignalSpy test_spy(w->Menu_Item("Prog_test"), &QAction::triggered);
    QTest::keyClick(w, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(w, Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(test_spy.count(), 0);
    QCOMPARE(w->Client()->subWindowList().size(), before);
    QVERIFY(w->isVisible());
}

void Test_MainWindow::toolbar()
{
    auto *bar = w->findChild<QToolBar *>("Toolbar1");
    QVERIFY(bar);
    QStringList keys;
    for (QAction *a : bar->actions()) {
        keys << a->data().toString();
        QVERIFY2(!a->icon().isNull(), qPrintable(a->data().toString()));
        QVERIFY(!a->icon().pixmap(32, 32).isNull());
        QVERIFY(a->text().isEmpty() || bar->toolButtonStyle() == Qt::ToolButtonIconOnly);
    }
    QCOMPARE(keys, (QStringList{"open", "save", "edit_chann", "read", "write", "Exit"}));
    // keys are compared exactly: another spelling does nothing
    w->Toolbar1_ButtonClick("exit");
    w->Toolbar1_ButtonClick("EDIT_CHANN");
    QVERIFY(w->isVisible());
}

void Test_MainWindow::status_bar()
{
    const QStringList texts{"State", "", "COM1", "  Version", "Ver1.2", "Band", " 400-- 470 MHZ",
                            "Dorvin "};
    const int percent[8] = {5, 15, 6, 8, 10, 5, 16, 35};
    for (int i = 1; i <= 8; ++i) {
        QLabel *p = w->Panel(i);
        QVERIFY(p);
        QCOMPARE(p->objectName(), QString("Panel%1").arg(i));
        QCOMPARE(p->text(), texts[i - 1]);
        // its share of the window, or more when its text needs it
        // the last panel takes what is left when earlier texts needed more than their share
        if (i < 8)
            QVERIFY(p->width() >= w->width() * percent[i - 1] / 100 - 6);
        QVERIFY(p->width() >= p->fontMetrics().horizontalAdvance(p->text()));
    }
    // panels follow the status seam
    Set_Status(3, "COM4");
    QCOMPARE(w->Panel(3)->text(), QString("COM4"));
}

void Test_MainWindow::command_reopens_window()
{
    QAction *model = w->Menu_Item("proc_type");
    model->trigger();
    QCOMPARE(int(Type_Open), -1);
    QPointer<QWidget> first = w->Client()->findChild<QWidget *>("Form_type");
    QVERIFY(first);
    model->trigger();
    QVERIFY(!first);   // the old instance is gone before the new one shows
    QCOMPARE(w->Client()->findChildren<QWidget *>("Form_type").size(), 1);
    QCOMPARE(int(Type_Open), -1);
}

void Test_MainWindow::exit_without_asking_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("File Exit") << "File_exit";
    QTest::newRow("menu Exit") << "Menu_exit";
    QTest::newRow("toolbar Exit") << "Exit";
}

void Test_MainWindow::exit_without_asking()
{
    QFETCH(QString, how);
    w->Menu_Item("proc_type")->trigger();
    QVERIFY(w->Client()->subWindowList().size() >= 1);
    if (how == "Exit")
        w->Toolbar1_ButtonClick(how);
    else
        w->Menu_Item(how)->trigger();
    QVERIFY(!w->isVisible());
    QCOMPARE(int(Type_Open), 0);
    QVERIFY(rec->texts().isEmpty());
}

void Test_MainWindow::language_texts()
{
    w->Language_chn_Click();
    QCOMPARE(int(Lang_Flag), -1);
    QCOMPARE(w->Menu_Item("File")->text(), QString::fromUtf8("文件"));
    QCOMPARE(w->Menu_Item("Prog_read")->text(), QString::fromUtf8("从对讲机读取数据"));
    QCOMPARE(w->Menu_Item("Prog_test")->text(), QString("Test Mode"));
    QCOMPARE(w->Menu_Item("Dtmf_edit")->text(), QString::fromUtf8("DTMF(双音多频)"));
    QVERIFY(w->Menu_Item("Language_chn")->isChecked());
    QVERIFY(!w->Menu_Item("Language_eng")->isChecked());
    QCOMPARE(w->Panel(1)->text(), QString::fromUtf8("状态"));
    QCOMPARE(w->Panel(4)->text(), QString::fromUtf8("软件版本"));
    QCOMPARE(w->Panel(6)->text(), QString::fromUtf8("频段"));
    QCOMPARE(w->Panel(8)->text(), QString("Veltrona"));
    QCOMPARE(w->windowTitle(), QString::fromUtf8("Veltrona  ZR271 系列对讲机编程软件 "));
    QCOMPARE(About_Title, QString::fromUtf8("ZR271 系列对讲机编程软件"));
    // Qt's own standard buttons (the OK of every message box) follow the language too
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "OK") != QString("OK"));

    Port_No = 6;
    w->Language_eng_Click();
    QCOMPARE(int(Lang_Flag), 0);
    QCOMPARE(w->Menu_Item("File")->text(), QString("File"));
    QCOMPARE(w->Panel(1)->text(), QString("State"));
    QCOMPARE(w->Panel(3)->text(), QString("COM6"));
    QCOMPARE(w->Panel(8)->text(), QString("Veltrona "));
    QCOMPARE(w->windowTitle(), QString("Veltrona ZR271 series program software "));
    QVERIFY(w->Menu_Item("Language_eng")->isChecked());
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), QString("OK"));
}

void Test_MainWindow::commands_open_their_windows_data()
{
    QTest::addColumn<QString>("how");   // "menu:<item>", "key:<letter>" or "tool:<key>"
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("flag");
    // flag: index into the list of window-open flags in the test below
    QTest::newRow("Ctrl+O") << "key:O" << "Form_open_chann" << 0;
    QTest::newRow("Ctrl+S") << "key:S" << "Form_save_chann" << 1;
    QTest::newRow("Ctrl+R") << "key:R" << "Form_Comm_Read" << 2;
    QTest::newRow("Ctrl+W") << "key:W" << "Form_Comm_Write" << 3;
    QTest::newRow("toolbar open") << "tool:open" << "Form_open_chann" << 0;
    QTest::newRow("toolbar save") << "tool:save" << "Form_save_chann" << 1;
    QTest::newRow("toolbar read") << "tool:read" << "Form_Comm_Read" << 2;
    QTest::newRow("toolbar write") << "tool:write" << "Form_Comm_Write" << 3;
    QTest::newRow("toolbar edit_chann") << "tool:edit_chann" << "frm_chann" << 8;
    QTest::newRow("Save As") << "menu:File_saveas" << "Form_save_chann" << 1;
    QTest::newRow("Optional Features") << "menu:Optional_edit" << "frm_option" << 4;
    QTest::newRow("Radio") << "menu:Test_edit" << "Form_Edit_Test" << 5;
    QTest::newRow("Power Adjust") << "menu:Adj_Txp" << "Form_Adjust_Txp" << 6;
    QTest::newRow("Communication") << "menu:proc_setup" << "Form_setup" << 7;
}

void Test_MainWindow::commands_open_their_windows()
{
    QFETCH(QString, how);
    QFETCH(QString, window);
    QFETCH(int, flag);
    const Integer *flags[] = {&OpenChann_Open, &SaveChann_Open, &Read_Open, &Write_Open,
                              &Option_Open, &Test_Open, &Adjust_Open, &Setup_Open, &Chann_Open};
    // the power dialog talks to the radio as it opens; with nothing on the port it says so
    qputenv("RADIOPROG_COM1", "/nonexistent/radioprog-test-port");
    QVERIFY(QTest::qWaitForWindowActive(w));

    const auto run = [&] {
        const QString what = how.section(':', 1);
        if (how.startsWith("key:"))
            QTest::keyClick(w, Qt::Key(what.at(0).unicode()), Qt::ControlModifier);
        else if (how.startsWith("tool:"))
            w->Toolbar1_ButtonClick(what);
        else
            w->Menu_Item(what)->trigger();
    };
    run();
    QCOMPARE(int(*flags[flag]), -1);
    QPointer<QWidget> first = w->Client()->findChild<QWidget *>(window);
    QVERIFY(first);
    QVERIFY(qobject_cast<QMdiSubWindow *>(first->parentWidget()));
    // the same command again shows a fresh window in place of the open one
    QVERIFY(QTest::qWaitForWindowActive(w));
    run();
    QVERIFY(!first);
    QCOMPARE(w->Client()->findChildren<QWidget *>(window).size(), 1);
    QCOMPARE(int(*flags[flag]), -1);

    qunsetenv("RADIOPROG_COM1");
    rec->clear();
}

void Test_MainWindow::save_takes_pending_name()
{
    auto *table = Host::Find<frm_chann>();
    QVERIFY(table);
    auto *grid = table->findChild<QTableWidget *>("MSF_chann");
    const auto click = [grid](int r, int c) {
        grid->scrollToItem(grid->item(r, c));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(r, c)).center());
    };
    click(2, 1);
    QTest::keyClicks(QApplication::focusWidget(), "446.5");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    click(2, 7);
    QTest::keyClicks(QApplication::focusWidget(), "Rpt1");

    w->Menu_Item("File_save")->trigger();
    QCOMPARE(int(SaveChann_Open), -1);
    QCOMPARE(Name_Byte(5), Cov_Char2Code("R"));
    QCOMPARE(Name_Byte(6), Cov_Char2Code("P"));
    QCOMPARE(Name_Byte(7), Cov_Char2Code("T"));
    QCOMPARE(Name_Byte(8), 1);
    QCOMPARE(Name_Byte(9), 0xFF);
}

void Test_MainWindow::language_switch_reopens_windows()
{
    QString rx = "446.125";
    Put_Freq(rx, 5, 0);
    w->Menu_Item("Optional_edit")->trigger();
    QPointer<frm_chann> table = Host::Find<frm_chann>();
    QPointer<frm_option> option = Host::Find<frm_option>();
    QVERIFY(table && option);

    w->Language_chn_Click();
    QVERIFY(!table && !option);   // both loaded anew ...
    QCOMPARE(int(Chann_Open), -1);
    QCOMPARE(int(Option_Open), -1);
    table = Host::Find<frm_chann>();
    option = Host::Find<frm_option>();
    QVERIFY(table && option);
    // ... with the new texts and the image's current values
    QCOMPARE(option->windowTitle(), QString::fromUtf8("可选参数"));
    QVERIFY(table->windowTitle().startsWith(QString::fromUtf8("信道")));
    auto *grid = table->findChild<QTableWidget *>("MSF_chann");
    QCOMPARE(grid->item(5, 1)->text(), QString("446.12500"));
    QCOMPARE(table->findChild<QPushButton *>("Command_Close")->text().isEmpty(), false);

    // the language already active: the windows reload, the flag stays
    w->Language_chn_Click();
    QCOMPARE(int(Lang_Flag), -1);
    QVERIFY(!table && !option);
    QVERIFY(Host::Find<frm_chann>() && Host::Find<frm_option>());

    w->Language_eng_Click();
    QCOMPARE(Host::Find<frm_option>()->windowTitle(), QString("Optional Features"));
    QCOMPARE(w->Client()->subWindowList().size(), 2);
}

QTEST_MAIN(Test_MainWindow)
#include "test_mainwindow.moc"
