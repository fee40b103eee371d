// The channel table driven through its grid and editors: drawing, editors, navigation, keyboard entry
// of a whole channel list, the window's buttons and its life in the main window.
#include "channels/Form_Chann_Edit.h"
#include "channels/frm_chann.h"
#include "core/globals.h"
#include "core/language.h"
#include "core/models.h"
#include "files/Form_open_chann.h"
#include "files/Form_save_chann.h"
#include "prompt_recorder.h"
#include "shell/MDImain.h"
#include "table_driver.h"
#include "ui/host.h"

#include <QtTest>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>

class Test_Chann_Table : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loads_empty_table();
    void draws_rows_data();
    void draws_rows();
    void empty_channel_keeps_name();
    void editors_by_column();
    void keyboard_channel_list();
    void enter_walk_edges();
    void keyboard_moves();
    void text_editor_key_limits();
    void leave_without_editor_commits_nothing();
    void drop_down_typing_undone();
    void scroll_and_resize();
    void lost_focus_commit();
    void pending_name();
    void buttons();
    void activation_redraws();
    void main_window_entry_points();
    void write_dialog_takes_pending_edits();
    void chinese_texts();

private:
    Table_Driver t;
    Prompt_Recorder *rec = nullptr;
};

void Test_Chann_Table::init()
{
    Init_Globals();
    rec = new Prompt_Recorder;
    QVERIFY(t.open());
}

void Test_Chann_Table::cleanup()
{
    Host::Close_Open<Form_Chann_Edit>();
    Host::Close_Open<frm_chann>();
    delete rec;
    if (Lang_Flag != 0) {
        Lang_Flag = 0;
        Install_Language();
    }
}

void Test_Chann_Table::loads_empty_table()
{
    QCOMPARE(Chann_Open, Integer(-1));
    QCOMPARE(t.w->windowTitle(), QString("Channel Information [ Channel -  1 ]"));
    QCOMPARE(t.grid->rowCount(), 129);
    QCOMPARE(t.grid->columnCount(), 8);
    const QStringList heads{"Channel", "RX Frequency", "TX Frequency", "CTCSS/DCS Dec", "CTCSS/DCS Enc",
                            " TX Power ", "  W/N  ", "  Name  "};
    for (int c = 0; c < 8; ++c) {
        QCOMPARE(t.grid->horizontalHeaderItem(c)->text(), heads[c]);
        QCOMPARE(t.cell(0, c), heads[c]);
        // as wide as the header text at least
        QVERIFY(t.grid->columnWidth(c) >= t.grid->horizontalHeader()->fontMetrics().horizontalAdvance(heads[c]));
    }
    for (int n = 1; n <= 128; ++n) {
        QCOMPARE(t.cell(n, 0), QString::number(n));
        for (int c = 1; c < 8; ++c)
            QVERIFY(t.cell(n, c).isEmpty());
    }
    QCOMPARE(t.grid->currentRow(), 1);
    QCOMPARE(t.grid->currentColumn(), 0);
    QVERIFY(t.text->isHidden());
    QVERIFY(t.combo->isHidden());
    QCOMPARE(Cur_Chann, Integer(1));

    const QStringList buttons{"Command_Clear", "Command_Close", "Command_Edit", "Command_Help"};
    const QStringList captions{"Clear", "Close", "Channel Edit", "Help"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(t.w->findChild<QPushButton *>(buttons[i])->text(), captions[i]);

    t.w->close();
    QCOMPARE(Chann_Open, Integer(0));
}

void Test_Chann_Table::draws_rows_data()
{
    QTest::addColumn<QList<int>>("bytes");   // bytes 0..13 of channel 5
    QTest::addColumn<QStringList>("cells");  // columns 1..6

    QTest::newRow("plain") << QList<int>{0x25, 0x06, 0x60, 0x44, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x20}
                           << QStringList{"446.00625", "446.00625", "OFF", "OFF", "High", "Wide"};
    QTest::newRow("plus shift") << QList<int>{0x50, 0x12, 0x00, 0x46, 0, 0, 0x50, 0, 0, 0, 1, 0, 0x41, 0x00}
                                << QStringList{"460.01250", "465.01250", "   67.0    ", "  D017N   ", "Mid", "Narrow"};
    QTest::newRow("minus shift, inverted dcs")
        << QList<int>{0, 0, 0x85, 0x43, 0, 0, 0x72, 0x00, 2, 0, 0, 49, 0x80, 0x20}
        << QStringList{"438.50000", "431.30000", "D017I", "  254.1   ", "Low", "Wide"};
    QTest::newRow("ctcss index off is last ctcss")
        << QList<int>{0, 0, 0x85, 0x43, 0, 0, 0, 0, 0, 0xFF, 0, 60, 0x02, 0x20}
        << QStringList{"438.50000", "438.50000", "  254.1   ", "  254.1   ", "High", "Wide"};
    QTest::newRow("dcs index past the end, shift 3")
        << QList<int>{0, 0, 0x85, 0x43, 0, 0, 0x50, 0, 1, 200, 2, 200, 0xC2, 0x20}
        << QStringList{"438.50000", "438.50000", " D754N   ", "D754I", "High", "Wide"};
    QTest::newRow("below zero") << QList<int>{0, 0, 0, 0x05, 0, 0, 0, 0x10, 0xFF, 0xFF, 0xFF, 0xFF, 0x82, 0x20}
                                << QStringList{"50.00000", "-50.00000", "OFF", "OFF", "High", "Wide"};
    QTest::newRow("minus nothing") << QList<int>{0, 0, 0, 0x05, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0x20}
                                   << QStringList{"50.00000", "50.000000", "OFF", "OFF", "Low", "Wide"};
    QTest::newRow("minus five") << QList<int>{0, 0, 0, 0, 0, 0, 0x50, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x82, 0x20}
                                << QStringList{"0.00000", "-5.000000", "OFF", "OFF", "High", "Wide"};
    QTest::newRow("trailing zero") << QList<int>{0x50, 0x12, 0x01, 0x46, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0}
                                   << QStringList{"460.11250", "460.11250", "OFF", "OFF", "High", "Narrow"};
}

void Test_Chann_Table::draws_rows()
{
    QFETCH(QList<int>, bytes);
    QFETCH(QStringList, cells);
    for (int i = 0; i < bytes.size(); ++i)
        Radio_Data[5][i] = Integer(bytes[i]);
    Expect::Put_Name_Bytes(5, {12, 13, 11, 0, 39});
    t.w->Fill_Chann_Row(5);
    for (int c = 1; c <= 6; ++c)
        QCOMPARE(t.cell(5, c), cells[c - 1]);
    QCOMPARE(t.cell(5, 7), QString("AB 0+"));

    // a tone pair of an unknown kind and a power code of 3 leave what the cells showed
    Radio_Data[5][8] = 7;
    Radio_Data[5][9] = 3;
    Radio_Data[5][12] = Integer((Radio_Data[5][12] & ~3) | 3);
    t.w->Fill_Chann_Row(5);
    QCOMPARE(t.cell(5, 3), cells[2]);
    QCOMPARE(t.cell(5, 5), cells[4]);
}

void Test_Chann_Table::empty_channel_keeps_name()
{
    for (int i = 0; i < 16; ++i)
        Radio_Data[9][i] = 0x11;
    Radio_Data[9][0] = 0xFF;   // byte 0 alone marks the channel empty
    Expect::Put_Name_Bytes(9, {12, 13, 14, 0xFF, 0xFF});
    t.w->Fill_Chann_Row(9);
    QCOMPARE(Expect::Block(9, 0, 16), QList<int>(16, 0xFF));
    for (int c = 1; c < 8; ++c)
        QVERIFY(t.cell(9, c).isEmpty());
    QCOMPARE(t.cell(9, 0), QString("9"));
    QCOMPARE(Expect::Name_Bytes(9), (QList<int>{12, 13, 14, 0xFF, 0xFF}));

    // the name shows again once the channel has a receive frequency
    t.click(9, 1);
    t.type("446.1");
    t.enter();
    QCOMPARE(t.cell(9, 7), QString("ABC"));
}

void Test_Chann_Table::editors_by_column()
{
    // empty channel: frequencies open the text editor, the rest nothing
    for (int c : {1, 2}) {
        t.click(3, c);
        QVERIFY(t.editing_text_at(3, c));
        QCOMPARE(Table_Driver::focus(), t.text);
        QVERIFY(t.combo->isHidden());
    }
    for (int c : {0, 3, 4, 5, 6, 7}) {
        t.click(3, c);
        QVERIFY(t.text->isHidden());
        QVERIFY(t.combo->isHidden());
    }
    QCOMPARE(t.w->windowTitle(), QString("Channel Information [ Channel -  3 ]"));

    // an existing channel: drop-downs in columns 3 to 6, the text editor for the name
    t.click(4, 1);
    t.type("446.5");
    t.enter();
    const struct
    {
        int col;
        int count;
        QString first;
        QString text;
    } lists[] = {{3, 265, "OFF", "OFF"}, {4, 265, "OFF", "OFF"}, {5, 3, "Low", "High"}, {6, 2, "Narrow", "Wide"}};
    for (const auto &l : lists) {
        t.click(4, l.col);
        QVERIFY(t.choosing_at(4, l.col));
        QVERIFY(t.text->isHidden());
        QCOMPARE(t.combo->count(), l.count);
        QCOMPARE(t.combo->itemText(0), l.first);
        QCOMPARE(t.combo->currentText(), l.text);
        QCOMPARE(Table_Driver::focus(), t.combo);
        if (l.col == 3) {
            QCOMPARE(t.combo->itemText(50), QString("254.1"));
            QCOMPARE(t.combo->itemText(51), QString("D017N"));
            QCOMPARE(t.combo->itemText(158), QString("D017I"));
        }
    }
    t.click(4, 7);
    QVERIFY(t.editing_text_at(4, 7));
    QVERIFY(t.combo->isHidden());
    QCOMPARE(Cur_Chann, Integer(4));
}

namespace {

struct Planned
{
    long long rx;     // 10 Hz steps
    long long tx;
    int decode_steps;  // Down presses in the decode list (entry = steps)
    int encode_steps;
    int power;        // 0..2
    int wide;         // 0..1
    QString name;
};

QString Steps_Text(long long steps)
{
    return QString::number(steps / 100000) + "." + QString("%1").arg(steps % 100000, 5, 10, QChar('0'));
}

QList<int> Name_Codes(const QString &name)
{
    const QString table = "0123456789- ABCDEFGHIJKLMNOPQRSTUVWXYZ_+*";
    QList<int> out(5, 0xFF);
    for (int k = 0; k < name.size() && k < 5; ++k)
        out[k] = int(table.indexOf(name[k].toUpper()));
    return out;
}

} // namespace

void Test_Chann_Table::keyboard_channel_list()
{
    // Every channel typed from the keyboard: receive, transmit, both tones, power, bandwidth and name,
    // Enter after each, on to the next channel. The image must hold exactly what was typed.
    Expect::Image expected = Expect::Snapshot();
    QList<Planned> plan;
    for (int n = 1; n <= 128; ++n) {
        Planned p;
        p.rx = 41000000LL + n * 40000LL + (n % 7) * 625;   // 410.4 MHz and up, 6.25 kHz steps
        const int shift = n % 3;                             // simplex, up, down
        p.tx = shift == 0 ? p.rx : shift == 1 ? p.rx + 500000 : p.rx - 700000;
        p.decode_steps = n % 5 == 0 ? 0 : (n * 7) % 60;
        p.encode_steps = n % 4 == 0 ? 0 : (n * 3) % 40;
        p.power = n % 3;
        p.wide = n % 2;
        p.name = n % 6 == 0 ? QString() : QString("CH%1").arg(n).left(5);
        plan.append(p);
    }

    // from the cursor's start at channel 1, column 0, the keyboard alone
    QCOMPARE(Table_Driver::focus(), t.grid);
    Table_Driver::key(Qt::Key_Right);
    for (int n = 1; n <= 128; ++n) {
        const Planned &p = plan[n - 1];
        QVERIFY2(t.editing_text_at(n, 1), qPrintable(QString("row %1").arg(n)));
        Table_Driver::type(Steps_Text(p.rx));
        Table_Driver::enter();
        QVERIFY(t.editing_text_at(n, 2));
        QCOMPARE(t.text->text(), t.cell(n, 2));
        if (p.tx != p.rx)
            Table_Driver::type(Steps_Text(p.tx));
        Table_Driver::enter();
        QVERIFY(t.choosing_at(n, 3));
        for (int i = 0; i < p.decode_steps; ++i)
            Table_Driver::key(Qt::Key_Down);
        Table_Driver::enter();
        QVERIFY(t.choosing_at(n, 4));
        for (int i = 0; i < p.encode_steps; ++i)
            Table_Driver::key(Qt::Key_Down);
        Table_Driver::enter();
        QVERIFY(t.choosing_at(n, 5));
        for (int i = 2; i > p.power; --i)
            Table_Driver::key(Qt::Key_Up);
        Table_Driver::enter();
        QVERIFY(t.choosing_at(n, 6));
        if (!p.wide)
            Table_Driver::key(Qt::Key_Up);
        Table_Driver::enter();
        QVERIFY(t.editing_text_at(n, 7));
        Table_Driver::type(p.name);
        Table_Driver::enter();
        QVERIFY(t.editing_text_at(n < 128 ? n + 1 : 128, 1));

        auto &b = expected[n];
        const QList<int> rx = Expect::Freq(p.rx);
        const QList<int> off = Expect::Freq(p.tx > p.rx ? p.tx - p.rx : p.rx - p.tx);
        for (int i = 0; i < 4; ++i) {
            b[i] = rx[i];
            b[4 + i] = off[i];
        }
        const auto tone = [](int e, int &type, int &index) {
            if (e == 0) {
                type = index = 0xFF;
            } else if (e <= 50) {
                type = 0;
                index = e - 1;
            } else {
                type = 1;
                index = e - 51;
            }
        };
        tone(p.decode_steps, b[8], b[9]);
        tone(p.encode_steps, b[10], b[11]);
        b[12] = p.power | (p.tx > p.rx ? 0x40 : p.tx < p.rx ? 0x80 : 0);
        b[13] = p.wide ? 0x20 : 0x00;
        const QList<int> codes = Name_Codes(p.name);
        for (int k = 0; k < 5; ++k) {
            const int at = (n - 1) * 5 + k;
            expected[160 + at / 16][at % 16] = codes[k];
        }
    }
    QVERIFY(rec->texts().isEmpty());
    const Expect::Image got = Expect::Snapshot();
    for (int blk = 0; blk < 256; ++blk)
        QVERIFY2(got[blk] == expected[blk], qPrintable(QString("block %1").arg(blk)));

    // and the rows show it
    QCOMPARE(t.cell(128, 1), Steps_Text(plan[127].rx));
    QCOMPARE(t.cell(127, 2), Steps_Text(plan[126].tx));
    QCOMPARE(t.cell(127, 7), QString("CH127"));
}

void Test_Chann_Table::enter_walk_edges()
{
    // Enter in column 2 of a row with neither frequency goes to the next row's receive cell ...
    t.click(10, 2);
    t.enter();
    QVERIFY(t.editing_text_at(11, 1));
    // ... and stays on row 128
    t.click(128, 2);
    t.enter();
    QVERIFY(t.editing_text_at(128, 1));

    // a transmit frequency without a receive frequency is refused with its warning
    t.click(20, 2);
    t.type("446.1");
    t.enter();
    QCOMPARE(rec->texts(), QStringList{"Please input the receive frequency in advance."});
    QCOMPARE(rec->titles(), QStringList{"Operate prompt"});
    QCOMPARE(Expect::Block(20, 0, 16), QList<int>(16, 0xFF));
    QVERIFY(t.editing_text_at(21, 1));

    // Enter in the name column of row 128 stays on row 128 and stores the name
    t.click(128, 1);
    t.type("440");
    t.enter();
    t.click(128, 7);
    t.type("last");
    t.enter();
    QVERIFY(t.editing_text_at(128, 1));
    QCOMPARE(t.text->text(), QString("440.00000"));
    QCOMPARE(Expect::Name_Bytes(128), (QList<int>{23, 12, 30, 31, 0xFF}));
    QCOMPARE(t.cell(128, 7), QString("LAST"));
}

void Test_Chann_Table::keyboard_moves()
{
    // Tab and the arrow keys leave the cell like a click elsewhere: the edit is stored and the next
    // cell's editor opens
    t.click(15, 1);
    t.type("446.5");
    t.key(Qt::Key_Tab);
    QCOMPARE(Expect::Block(15, 0, 4), Expect::Freq(44650000));
    QVERIFY(t.editing_text_at(15, 2));
    t.key(Qt::Key_Down);
    QVERIFY(t.editing_text_at(16, 2));
    t.key(Qt::Key_Up);
    t.key(Qt::Key_Tab);
    QVERIFY(t.choosing_at(15, 3));
    QCOMPARE(Cur_Chann, Integer(15));
    QCOMPARE(t.w->windowTitle(), QString("Channel Information [ Channel -  15 ]"));

    // typing on the grid itself never jumps to a cell that starts with the typed text
    t.click(20, 0);
    QCOMPARE(Table_Driver::focus(), t.grid);
    t.type("15");
    QCOMPARE(t.grid->currentRow(), 20);
    QCOMPARE(t.grid->currentColumn(), 0);
    // an arrow key moves on and opens the next cell's editor
    t.key(Qt::Key_Right);
    QVERIFY(t.editing_text_at(20, 1));
    QVERIFY(rec->texts().isEmpty());
}

void Test_Chann_Table::text_editor_key_limits()
{
    // ten characters at most; with ten, every key but Backspace is dropped, Enter included
    t.click(2, 1);
    t.type("446.1234567");
    QCOMPARE(t.text->text(), QString("446.123456"));
    t.enter();
    QVERIFY(t.editing_text_at(2, 1));
    QCOMPARE(Radio_Data[2][0], Integer(0xFF));
    t.key(Qt::Key_Backspace);
    QCOMPARE(t.text->text(), QString("446.12345"));
    t.enter();
    QVERIFY(t.editing_text_at(2, 2));
    QCOMPARE(t.cell(2, 1), QString("446.12345"));

    // letters are not filtered from a frequency: the commit judges the text
    t.click(3, 1);
    t.type("abc");
    QCOMPARE(t.text->text(), QString("abc"));

    // a name takes five characters; Backspace and Enter still work
    t.click(2, 7);
    t.type("abcdefg");
    QCOMPARE(t.text->text(), QString("abcde"));
    t.key(Qt::Key_Backspace);
    t.type("x");
    QCOMPARE(t.text->text(), QString("abcdx"));
    t.enter();
    QCOMPARE(Expect::Name_Bytes(2), (QList<int>{12, 13, 14, 15, 35}));
    QCOMPARE(t.cell(2, 7), QString("ABCDX"));

    // an editor opens with its text selected: typing replaces it, within the same limits
    t.click(2, 7);
    QCOMPARE(t.text->selectedText(), QString("ABCDX"));
    t.type("new");
    QCOMPARE(t.text->text(), QString("new"));
    t.enter();
    QCOMPARE(t.cell(2, 7), QString("NEW"));
}

void Test_Chann_Table::leave_without_editor_commits_nothing()
{
    t.click(6, 1);
    t.type("446.5");
    t.enter();
    t.click(6, 7);
    t.type("keep");
    t.enter();   // the row changes and stores the name; leaving row 7's cells must change nothing
    QVERIFY(t.editing_text_at(7, 1));
    Expect::Put_Name_Bytes(7, {20, 20, 20, 0xFF, 0xFF});
    t.w->Fill_Chann_Row(7);
    const Expect::Image before = Expect::Snapshot();
    const QStringList row6 = {t.cell(6, 1), t.cell(6, 2), t.cell(6, 3), t.cell(6, 4), t.cell(6, 5), t.cell(6, 6),
                              t.cell(6, 7)};

    // the program walks the cursor over every cell of both rows with no editor open
    t.click(6, 0);
    for (int r : {6, 7})
        for (int c = 0; c < 8; ++c)
            t.w->Move_Cell(r, c);
    // so does the user on the grid with the arrow keys from column 0 of an empty channel
    t.click(40, 0);
    for (int i = 0; i < 3; ++i)
        t.key(Qt::Key_Up);
    QVERIFY(rec->texts().isEmpty());
    QVERIFY(Expect::Snapshot() == before);
    QCOMPARE((QStringList{t.cell(6, 1), t.cell(6, 2), t.cell(6, 3), t.cell(6, 4), t.cell(6, 5), t.cell(6, 6),
                          t.cell(6, 7)}),
             row6);
}

void Test_Chann_Table::drop_down_typing_undone()
{
    t.click(5, 1);
    t.type("446.5");
    t.enter();
    t.enter();
    QVERIFY(t.choosing_at(5, 3));
    const Expect::Image before = Expect::Snapshot();
    QTest::keyClicks(t.combo, "D023");
    QCOMPARE(t.combo->currentText(), QString("OFF"));
    QVERIFY(Expect::Snapshot() == before);

    // a choice is written at once; the cell shows it when left
    QTest::keyClick(t.combo, Qt::Key_Down);
    QCOMPARE(Radio_Data[5][8], Integer(0));
    QCOMPARE(Radio_Data[5][9], Integer(0));
    QCOMPARE(t.cell(5, 3), QString("OFF"));
    QTest::keyClicks(t.combo, "x");
    QCOMPARE(t.combo->currentText(), QString("67.0"));
    t.enter();
    QCOMPARE(t.cell(5, 3), QString("67.0"));
    QVERIFY(t.choosing_at(5, 4));
}

void Test_Chann_Table::scroll_and_resize()
{
    t.click(2, 1);
    t.type("446.5");
    t.enter();
    t.enter();
    QVERIFY(t.choosing_at(2, 3));

    // resizing the window keeps the drop-down over its cell
    t.w->resize(t.w->width() - 60, t.w->height() - 40);
    QApplication::processEvents();
    QVERIFY(t.choosing_at(2, 3));
    t.grid->setColumnWidth(1, t.grid->columnWidth(1) + 30);
    QVERIFY(t.choosing_at(2, 3));

    // scrolling leaves the drop-down over its cell ...
    QScrollBar *bar = t.grid->verticalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QApplication::processEvents();
    QVERIFY(!t.combo->isHidden());
    QCOMPARE(t.combo->geometry().topLeft(), t.cell_rect(2, 3).topLeft());
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);

    // ... and puts the text editor away without storing what it holds
    t.click(3, 1);
    t.type("447.5");
    QVERIFY(t.editing_text_at(3, 1));
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QApplication::processEvents();
    QVERIFY(t.text->isHidden());
    QCOMPARE(Radio_Data[3][0], Integer(0xFF));
    QVERIFY(t.cell(3, 1).isEmpty());
    QVERIFY(rec->texts().isEmpty());
}

void Test_Chann_Table::lost_focus_commit()
{
    QWidget other;
    other.resize(100, 50);

    // without the write dialog the focus can leave: nothing is stored
    t.click(8, 1);
    t.type("446.5");
    other.show();
    QVERIFY(Activate(&other));
    QCOMPARE(Radio_Data[8][0], Integer(0xFF));
    QVERIFY(Activate(t.w));

    // while the write dialog is open the frequency being typed is stored when the focus goes
    Write_Open = True_Flag;
    t.click(9, 1);
    t.type("447.5");
    QVERIFY(Activate(&other));
    QCOMPARE(Expect::Block(9, 0, 4), Expect::Freq(44750000));
    QVERIFY(t.text->isHidden());
    QCOMPARE(t.cell(9, 2), QString("447.50000"));
    QCOMPARE(Cur_Chann, Integer(9));

    QVERIFY(Activate(t.w));
    t.click(9, 2);
    t.type("449.5");
    t.grid->setFocus();   // a focus move inside the window counts as well
    QCOMPARE(Expect::Block(9, 4, 4), Expect::Freq(200000));
    QCOMPARE(Radio_Data[9][12] & 0xC0, 0x40);

    // a name is not stored by the focus leaving
    t.click(9, 7);
    t.type("late");
    QVERIFY(Activate(&other));
    QCOMPARE(Expect::Name_Bytes(9), QList<int>(5, 0xFF));
    Write_Open = False_Flag;
    QVERIFY(rec->texts().isEmpty());
}

void Test_Chann_Table::pending_name()
{
    t.click(12, 1);
    t.type("446.5");
    t.enter();
    Expect::Put_Name_Bytes(13, {1, 2, 3, 4, 5});

    // no editor open: nothing happens, above all no name is erased
    t.w->Move_Cell(12, 7);
    frm_chann::Commit_Pending_Name();
    QCOMPARE(Expect::Name_Bytes(12), QList<int>(5, 0xFF));

    t.click(12, 7);
    t.type("abc");
    frm_chann::Commit_Pending_Name();
    QCOMPARE(Expect::Name_Bytes(12), (QList<int>{12, 13, 14, 0xFF, 0xFF}));
    QCOMPARE(t.cell(12, 7), QString("abc"));   // the row is not redrawn
    QVERIFY(t.editing_text_at(12, 7));

    // in another column nothing is taken
    t.click(12, 1);
    frm_chann::Commit_Pending_Name();
    QCOMPARE(Expect::Name_Bytes(13), (QList<int>{1, 2, 3, 4, 5}));

    // nor with the table closed
    t.w->close();
    QApplication::processEvents();
    frm_chann::Commit_Pending_Name();
    QCOMPARE(Expect::Name_Bytes(12), (QList<int>{12, 13, 14, 0xFF, 0xFF}));
}

void Test_Chann_Table::buttons()
{
    t.click(1, 1);
    t.type("446.5");
    t.enter();
    t.click(1, 7);
    t.type("one");
    t.enter();
    t.click(64, 1);
    t.type("450");
    const Expect::Image before = Expect::Snapshot();

    // Help does nothing
    QTest::mouseClick(t.w->findChild<QPushButton *>("Command_Help"), Qt::LeftButton);
    QVERIFY(Expect::Snapshot() == before);

    // Channel Edit opens the dialog on the cursor's row
    QTest::mouseClick(t.w->findChild<QPushButton *>("Command_Edit"), Qt::LeftButton);
    auto *dialog = Host::Find<Form_Chann_Edit>();
    QVERIFY(dialog);
    QCOMPARE(Cur_Chann, Integer(64));
    QCOMPARE(dialog->findChild<QLineEdit *>("Text_CHN")->text(), QString("64"));
    QVERIFY(Activate(t.w));

    // Clear empties every channel and name at once and nothing else
    QTest::mouseClick(t.w->findChild<QPushButton *>("Command_Clear"), Qt::LeftButton);
    QVERIFY(rec->texts().isEmpty());
    QVERIFY(t.text->isHidden());
    QVERIFY(t.combo->isHidden());
    Expect::Image expected = before;
    for (int b = 1; b <= 128; ++b)
        expected[b] = QList<int>(16, 0xFF);
    for (int b = 160; b < 200; ++b)
        expected[b] = QList<int>(16, 0xFF);
    QVERIFY(Expect::Snapshot() == expected);
    QVERIFY(t.cell(1, 1).isEmpty());
    QVERIFY(t.cell(1, 7).isEmpty());
    QCOMPARE(t.cell(1, 0), QString("1"));

    // Close takes the edit dialog and the channel-file dialogs along
    Form_open_chann::Open();
    QVERIFY(Activate(t.w));
    QTest::mouseClick(t.w->findChild<QPushButton *>("Command_Close"), Qt::LeftButton);
    QApplication::processEvents();
    QVERIFY(!Host::Find<frm_chann>());
    QVERIFY(!Host::Find<Form_Chann_Edit>());
    QVERIFY(!Host::Find<Form_open_chann>());
    QVERIFY(Expect::Snapshot() == expected);

    QVERIFY(t.open());
    Form_save_chann::Open();
    QVERIFY(Activate(t.w));
    QTest::mouseClick(t.w->findChild<QPushButton *>("Command_Close"), Qt::LeftButton);
    QApplication::processEvents();
    QVERIFY(!Host::Find<Form_save_chann>());
    QCOMPARE(Chann_Open, Integer(0));
}

void Test_Chann_Table::activation_redraws()
{
    // on its own the table redraws when its window is activated
    QWidget other;
    other.show();
    QVERIFY(Activate(&other));
    const QList<int> rx = Expect::Freq(44612500);
    for (int i = 0; i < 4; ++i)
        Radio_Data[77][i] = Integer(rx[i]);
    for (int i = 4; i < 8; ++i)
        Radio_Data[77][i] = 0;
    Radio_Data[77][12] = 0x01;
    Radio_Data[77][13] = 0x00;
    QVERIFY(t.cell(77, 1).isEmpty());
    QVERIFY(Activate(t.w));
    QCOMPARE(t.cell(77, 1), QString("446.12500"));
    QCOMPARE(t.cell(77, 5), QString("Mid"));
    QCOMPARE(t.cell(77, 6), QString("Narrow"));
}

void Test_Chann_Table::main_window_entry_points()
{
    Host::Close_Open<frm_chann>();
    MDImain main;
    main.MDIForm_Load();   // start-up opens the table with the default image
    auto *table = Host::Find<frm_chann>();
    QVERIFY(table);
    QVERIFY(qobject_cast<QMdiSubWindow *>(table->parentWidget()));
    auto *grid = table->findChild<QTableWidget *>("MSF_chann");
    for (int n = 1; n <= 128; ++n)
        QVERIFY(grid->item(n, 1)->text().isEmpty());
    QCOMPARE(Chann_Open, Integer(-1));

    // the toolbar key and the menu command each show a fresh table; guarded pointers, because a
    // new window may well be allocated where the closed one lived
    QPointer<frm_chann> first = table;
    main.Toolbar1_ButtonClick("edit_chann");
    QPointer<frm_chann> again = Host::Find<frm_chann>();
    QVERIFY(first.isNull());
    QVERIFY(again);
    main.Menu_Item("Channel_edit")->trigger();
    QVERIFY(again.isNull());
    QVERIFY(Host::Find<frm_chann>());

    // as a child window it redraws when it comes back to the front
    auto *table_now = Host::Find<frm_chann>();
    QMdiSubWindow *frame = qobject_cast<QMdiSubWindow *>(table_now->parentWidget());
    QTableWidget *g = table_now->findChild<QTableWidget *>("MSF_chann");
    QPushButton *edit = table_now->findChild<QPushButton *>("Command_Edit");
    QTest::mouseClick(edit, Qt::LeftButton);
    QVERIFY(main.Client()->activeSubWindow() != frame);
    const QList<int> rx = Expect::Freq(45000000);
    for (int i = 0; i < 4; ++i)
        Radio_Data[100][i] = Integer(rx[i]);
    for (int i = 4; i < 14; ++i)
        Radio_Data[100][i] = Integer(QList<int>{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 2, 0x20}[i - 4]);
    main.Client()->setActiveSubWindow(frame);
    QCOMPARE(g->item(100, 1)->text(), QString("450.00000"));
    QCOMPARE(g->item(100, 3)->text(), QString("OFF"));

    // closing the table closes the dialog with it
    Host::Close_Now(table_now);
    QVERIFY(!Host::Find<Form_Chann_Edit>());
}

void Test_Chann_Table::write_dialog_takes_pending_edits()
{
    Host::Close_Open<frm_chann>();
    MDImain main;
    main.MDIForm_Load();
    QVERIFY(Activate(&main));
    Table_Driver table;
    table.w = Host::Find<frm_chann>();
    table.grid = table.w->findChild<QTableWidget *>("MSF_chann");
    table.text = table.w->findChild<QLineEdit *>("Text_Edit");
    table.combo = table.w->findChild<QComboBox *>("Combo_edit");

    // a receive frequency being typed is stored when the write dialog opens and takes the focus
    table.click(3, 1);
    Table_Driver::type("446.5");
    main.Menu_Item("Prog_write")->trigger();
    QCOMPARE(Write_Open, Integer(-1));
    QCOMPARE(Expect::Block(3, 0, 4), Expect::Freq(44650000));
    QCOMPARE(Radio_Data[3][12], Integer(0x02));
    main.Client()->closeActiveSubWindow();
    QCOMPARE(Write_Open, Integer(0));

    // so is a name being typed
    main.Client()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(table.w->parentWidget()));
    table.click(3, 7);
    Table_Driver::type("rpt");
    main.Menu_Item("Prog_write")->trigger();
    QCOMPARE(Expect::Name_Bytes(3), (QList<int>{29, 27, 31, 0xFF, 0xFF}));
    main.Client()->closeActiveSubWindow();
    QVERIFY(rec->texts().isEmpty());
}

void Test_Chann_Table::chinese_texts()
{
    Host::Close_Open<frm_chann>();
    Lang_Flag = -1;
    Install_Language();
    QVERIFY(t.open());
    QCOMPARE(t.w->windowTitle(), QString("信道参数编辑 [ 信道 -  1 ]"));
    const QStringList heads{"信道号", "接收频率(MHZ)", "发射频率(MHZ)", "QT/DQT解码", "QT/DQT编码",
                            "发射功率", "信道带宽", "信道名称"};
    for (int c = 0; c < 8; ++c)
        QCOMPARE(t.grid->horizontalHeaderItem(c)->text(), heads[c]);
    const QStringList buttons{"Command_Clear", "Command_Close", "Command_Edit", "Command_Help"};
    const QStringList captions{"清除", "关闭", "信道编辑", "帮助"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(t.w->findChild<QPushButton *>(buttons[i])->text(), captions[i]);

    t.click(1, 1);
    t.type("480");
    t.enter();
    QCOMPARE(rec->texts(), QStringList{"接收频率超出范围 ！"});
    QCOMPARE(rec->titles(), QStringList{"操作提示"});
    t.type("490");
    t.enter();
    QCOMPARE(rec->texts().last(), QString("发射频率超出范围 ！"));
    QCOMPARE(t.cell(1, 3), QString("关"));
    QCOMPARE(t.cell(1, 5), QString("高"));
    QCOMPARE(t.cell(1, 6), QString("宽带"));
    QVERIFY(t.choosing_at(1, 3));
    QCOMPARE(t.combo->itemText(0), QString("关"));
    t.click(1, 5);
    QCOMPARE(t.combo->itemText(0), QString("低"));
    QCOMPARE(t.combo->itemText(1), QString("中"));
    t.click(1, 6);
    QCOMPARE(t.combo->itemText(0), QString("窄带"));
    t.click(2, 2);
    t.type("446");
    t.enter();
    QCOMPARE(rec->texts().last(), QString("请先输入接收频率 ！"));
}

QTEST_MAIN(Test_Chann_Table)
#include "test_chann_table.moc"
