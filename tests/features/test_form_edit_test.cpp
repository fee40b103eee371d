// The FM preset window driven through its grid and overlay editor.
#include "core/globals.h"
#include "core/image.h"
#include "core/language.h"
#include "features/Form_Edit_Test.h"
#include "prompt_recorder.h"
#include "shell/MDImain.h"

#include <QtTest>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>

namespace {

int Stored(int p)
{
    return (p < 16 ? Radio_Data[Fm_Block][p] : Radio_Data[Fm_Block + 1][p - 16]) & 0xFF;
}

void Store(int p, int value)
{
    if (p < 16)
        Radio_Data[Fm_Block][p] = Integer(value);
    else
        Radio_Data[Fm_Block + 1][p - 16] = Integer(value);
}

const char *const Range_Warning = "Over the range of FM frequency .";

} // namespace

class Test_Form_Edit_Test : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void new_image_view();
    void stored_bytes_shown_data();
    void stored_bytes_shown();
    void entries_data();
    void entries();
    void presets_in_the_second_block_data();
    void presets_in_the_second_block();
    void same_preset_after_many_cycles();
    void sixth_character();
    void keys_move_without_erasing();
    void enter_and_escape();
    void close_discards_the_editor();
    void refill_on_activation();
    void child_window();
    void chinese_texts();

private:
    QTableWidget *Grid() { return w->findChild<QTableWidget *>("MSF_chann"); }
    QLineEdit *Editor() { return w->findChild<QLineEdit *>("Text_Edit"); }
    QString Cell(int preset) { return Grid()->item(preset, 1)->text(); }
    void Open();
    void Click_Cell(int preset, int column);
    // Types an entry into a preset and moves on to another preset's cell, which commits the entry
    // and stores the grid.
    void Enter(int preset, const QString &text);
    void Grab(const QString &name);

    Form_Edit_Test *w = nullptr;
    Prompt_Recorder *rec = nullptr;
};

void Test_Form_Edit_Test::init()
{
    Init_Globals();
    rec = new Prompt_Recorder;
}

void Test_Form_Edit_Test::cleanup()
{
    if (w)
        w->close();
    QTRY_VERIFY(!w);
    delete rec;
    rec = nullptr;
    if (Lang_Flag != 0) {
        Lang_Flag = 0;
        Install_Language();
    }
}

void Test_Form_Edit_Test::Open()
{
    w = Form_Edit_Test::Open();
    connect(w, &QObject::destroyed, this, [this] { w = nullptr; });
    QVERIFY(QTest::qWaitForWindowActive(w));
}

void Test_Form_Edit_Test::Click_Cell(int preset, int column)
{
    QTableWidgetItem *item = Grid()->item(preset, column);
    Grid()->scrollToItem(item);
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, Grid()->visualItemRect(item).center());
}

void Test_Form_Edit_Test::Enter(int preset, const QString &text)
{
    Click_Cell(preset, 1);
    QVERIFY(Editor()->isVisible());
    QCOMPARE(QApplication::focusWidget(), Editor());
    QCOMPARE(Editor()->geometry(), Grid()->visualItemRect(Grid()->item(preset, 1)));
    QTest::keyClick(Editor(), Qt::Key_Backspace);   // the cell's text comes selected
    QTest::keyClicks(Editor(), text);
    Click_Cell(preset == 0 ? 1 : 0, 1);
}

void Test_Form_Edit_Test::new_image_view()
{
    Open();
    QCOMPARE(w->windowTitle(), QString("Radio Frequency"));
    QCOMPARE(int(Test_Open), -1);
    QCOMPARE(Grid()->rowCount(), 25);
    QCOMPARE(Grid()->columnCount(), 2);
    QCOMPARE(Grid()->horizontalHeaderItem(0)->text(), QString("Radio Channel "));
    QCOMPARE(Grid()->horizontalHeaderItem(1)->text(), QString(" Frequency (MHZ)"));
    for (int p = 0; p < 25; ++p) {
        QCOMPARE(Grid()->item(p, 0)->text(), QString::number(p));
        QCOMPARE(Cell(p), QString());
    }
    QCOMPARE(w->findChild<QPushButton *>("Command_Close")->text(), QString("Close"));
    QVERIFY(w->findChild<QPushButton *>("Command_Help")->isHidden());
    QVERIFY(!Editor()->isVisible());

    // clicking a preset number opens nothing
    Click_Cell(3, 0);
    QVERIFY(!Editor()->isVisible());
    QVERIFY(rec->texts().isEmpty());
    Grab("/tmp/features_radio_en.png");
}

void Test_Form_Edit_Test::stored_bytes_shown_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("0") << 0 << "87.0";
    QTest::newRow("5") << 5 << "87.5";
    QTest::newRow("11") << 11 << "88.1";
    QTest::newRow("130") << 130 << "100.0";
    QTest::newRow("135") << 135 << "100.5";
    QTest::newRow("210") << 210 << "108.0";
    QTest::newRow("211") << 211 << "";
    QTest::newRow("255") << 255 << "";
}

void Test_Form_Edit_Test::stored_bytes_shown()
{
    QFETCH(int, stored);
    QFETCH(QString, shown);
    Store(7, stored);
    Store(20, stored);
    Open();
    QCOMPARE(Cell(7), shown);
    QCOMPARE(Cell(20), shown);
    QCOMPARE(Cell(8), QString());
}

void Test_Form_Edit_Test::entries_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("warning");

    QTest::newRow("100") << "100" << "100.0" << 130 << false;
    QTest::newRow("87") << "87" << "87.0" << 0 << false;
    QTest::newRow("108") << "108" << "108.0" << 210 << false;
    QTest::newRow("88.1") << "88.1" << "88.1" << 11 << false;
    QTest::newRow("100.5") << "100.5" << "100.5" << 135 << false;
    QTest::newRow("88.15 drops the second decimal") << "88.15" << "88.1" << 11 << false;
    QTest::newRow("87. with its point") << "87." << "87.0" << 0 << false;
    QTest::newRow("108.1") << "108.1" << "87" << 0 << true;
    QTest::newRow("86.9") << "86.9" << "87" << 0 << true;
    QTest::newRow("abc") << "abc" << "87" << 0 << true;
    QTest::newRow("empty") << "" << "" << 0xFF << false;
}

void Test_Form_Edit_Test::entries()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, stored);
    QFETCH(bool, warning);
    Store(4, 50);   // 92.0, replaced by every entry
    Open();
    QCOMPARE(Cell(4), QString("92.0"));
    Enter(4, typed);
    QCOMPARE(Cell(4), shown);
    QCOMPARE(Stored(4), stored);
    if (warning) {
        QCOMPARE(rec->texts(), QStringList{Range_Warning});
        QCOMPARE(rec->titles(), QStringList{"Operate prompt"});
    } else {
        QVERIFY(rec->texts().isEmpty());
    }
    // the neighbours are untouched
    QCOMPARE(Stored(3), 0xFF);
    QCOMPARE(Stored(5), 0xFF);
}

void Test_Form_Edit_Test::presets_in_the_second_block_data()
{
    QTest::addColumn<int>("preset");
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("byte");
    QTest::newRow("15") << 15 << 154 << 15;
    QTest::newRow("16") << 16 << 155 << 0;
    QTest::newRow("24") << 24 << 155 << 8;
}

void Test_Form_Edit_Test::presets_in_the_second_block()
{
    QFETCH(int, preset);
    QFETCH(int, block);
    QFETCH(int, byte);
    Open();
    Enter(preset, "99.9");
    QCOMPARE(int(Radio_Data[block][byte]), 129);
    QCOMPARE(int(Radio_Data[155][9]), 0xFF);   // not a preset
    int used = 0;
    for (int p = 0; p < 25; ++p)
        used += Stored(p) != 0xFF;
    QCOMPARE(used, 1);
}

void Test_Form_Edit_Test::same_preset_after_many_cycles()
{
    Open();
    Enter(2, "88.1");
    QCOMPARE(Stored(2), 11);
    for (int i = 0; i < 25; ++i) {
        Open();   // a fresh window fills from the image
        QCOMPARE(Cell(2), QString("88.1"));
        Click_Cell(2, 1);
        QCOMPARE(Editor()->text(), QString("88.1"));
        Click_Cell(6, 1);   // commits 88.1 again and stores the grid
        QCOMPARE(Stored(2), 11);
    }
    QVERIFY(rec->texts().isEmpty());
}

void Test_Form_Edit_Test::sixth_character()
{
    Store(9, 130);
    Open();
    Click_Cell(9, 1);
    QTest::keyClick(Editor(), Qt::Key_End);
    QTest::keyClick(Editor(), '5');   // "100.05"
    QCOMPARE(rec->texts(), QStringList{Range_Warning});
    QCOMPARE(Editor()->text(), QString());
    QCOMPARE(Cell(9), QString());
    QCOMPARE(Stored(9), 0xFF);
}

void Test_Form_Edit_Test::keys_move_without_erasing()
{
    Store(0, 10);
    Store(1, 20);
    Open();
    Click_Cell(0, 0);
    QTest::keyClick(Grid(), Qt::Key_Right);
    QTest::keyClick(Grid(), Qt::Key_Down);
    QTest::keyClick(Grid(), Qt::Key_Down);
    QCOMPARE(Cell(0), QString("88.0"));
    QCOMPARE(Cell(1), QString("89.0"));
    // F2 opens the editor on the current frequency cell
    QTest::keyClick(Grid(), Qt::Key_F2);
    QVERIFY(Editor()->isVisible());
    QCOMPARE(Grid()->currentRow(), 2);
    QCOMPARE(Stored(0), 10);
    QCOMPARE(Stored(1), 20);
}

void Test_Form_Edit_Test::enter_and_escape()
{
    Open();
    Click_Cell(5, 1);
    QTest::keyClicks(Editor(), "95");
    QTest::keyClick(Editor(), Qt::Key_Return);
    QVERIFY(!Editor()->isVisible());
    QCOMPARE(Cell(5), QString("95.0"));
    QCOMPARE(Stored(5), 80);
    QCOMPARE(Grid()->currentRow(), 5);
    QCOMPARE(QApplication::focusWidget(), Grid());

    Click_Cell(5, 1);
    QTest::keyClicks(Editor(), "101");
    QTest::keyClick(Editor(), Qt::Key_Escape);
    QVERIFY(!Editor()->isVisible());
    QCOMPARE(Cell(5), QString("95.0"));
    Click_Cell(6, 1);
    QCOMPARE(Stored(5), 80);
    QVERIFY(rec->texts().isEmpty());
}

void Test_Form_Edit_Test::close_discards_the_editor()
{
    Open();
    Click_Cell(1, 1);
    QTest::keyClicks(Editor(), "99");
    QTest::mouseClick(w->findChild<QPushButton *>("Command_Close"), Qt::LeftButton);
    QTRY_VERIFY(!w);
    QCOMPARE(int(Test_Open), 0);
    QCOMPARE(Stored(1), 0xFF);

    // an entry already taken into the grid is kept when the window closes from the grid
    Open();
    Click_Cell(1, 1);
    QTest::keyClicks(Editor(), "99");
    Click_Cell(2, 0);
    QCOMPARE(Cell(1), QString("99.0"));
    QCOMPARE(Stored(1), 0xFF);
    w->close();
    QTRY_VERIFY(!w);
    QCOMPARE(Stored(1), 120);
}

void Test_Form_Edit_Test::refill_on_activation()
{
    Open();
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    Store(12, 100);   // say, a file opened meanwhile
    other.hide();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(Cell(12), QString("97.0"));
}

void Test_Form_Edit_Test::child_window()
{
    MDImain main;
    main.MDIForm_Load();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    w = Form_Edit_Test::Open();
    connect(w, &QObject::destroyed, this, [this] { w = nullptr; });
    auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget());
    QVERIFY(sub);
    const QSize outer = main.frameGeometry().size();
    QVERIFY(qAbs(sub->width() - outer.width() / 2) <= 1);
    QVERIFY(qAbs(sub->height() - int(outer.height() / 1.3)) <= 1);

    Enter(3, "101.1");
    QCOMPARE(Stored(3), 141);

    // another child comes to the front; the image changes; this one comes back and shows it
    auto *other = new QWidget;
    other->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow *other_sub = main.Client()->addSubWindow(other);
    other_sub->show();
    main.Client()->setActiveSubWindow(other_sub);
    Store(3, 0);
    main.Client()->setActiveSubWindow(sub);
    QCOMPARE(Cell(3), QString("87.0"));

    QPointer<Form_Edit_Test> old = w;
    w = Form_Edit_Test::Open();
    connect(w, &QObject::destroyed, this, [this] { w = nullptr; });
    QVERIFY(!old);
    QCOMPARE(main.Client()->findChildren<Form_Edit_Test *>().size(), 1);
}

void Test_Form_Edit_Test::chinese_texts()
{
    Lang_Flag = -1;
    Install_Language();
    Open();
    QCOMPARE(w->windowTitle(), QString::fromUtf8("收音机编辑"));
    QCOMPARE(w->findChild<QPushButton *>("Command_Close")->text(), QString::fromUtf8("关闭"));
    QCOMPARE(w->findChild<QPushButton *>("Command_Help")->text(), QString::fromUtf8("帮助"));
    QCOMPARE(Grid()->horizontalHeaderItem(0)->text(), QString::fromUtf8("收  音  频  道 "));
    QCOMPARE(Grid()->horizontalHeaderItem(1)->text(), QString::fromUtf8("    频      率  (MHZ) "));
    Enter(0, "120");
    QCOMPARE(rec->texts(), QStringList{QString::fromUtf8("收音机频率超出范围 ！")});
    QCOMPARE(rec->titles(), QStringList{QString::fromUtf8("操作提示")});
    Enter(1, "99.5");
    Grab("/tmp/features_radio_zh.png");
}

void Test_Form_Edit_Test::Grab(const QString &name)
{
    // Screenshots for a look at the layout, when asked for.
    if (qEnvironmentVariableIsSet("FEATURES_SCREENSHOTS"))
        w->grab().save(name);
}

QTEST_MAIN(Test_Form_Edit_Test)
#include "test_form_edit_test.moc"
