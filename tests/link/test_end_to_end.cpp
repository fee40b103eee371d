// A user's first session from the main window: read the radio, edit a channel in the table, write
// the radio back, all through the menus and the real dialogs against the simulated radio.
#include "channels/frm_chann.h"
#include "core/codecs.h"
#include "link_fixture.h"
#include "shell/MDImain.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QTableWidget>

using namespace link_test;

class Test_End_To_End : public QObject
{
    Q_OBJECT

private slots:
    void read_edit_write();
};

void Test_End_To_End::read_edit_write()
{
    Radio_Fixture fx;
    // The radio holds a programming of its own: channel 1 at 446.00625 MHz named "CH1".
    radiosim::Memory m = Image_Memory();
    const int ch1[16] = {0x25, 0x06, 0x60, 0x44, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x20,
                         0xFF, 0xFF};
    for (int i = 0; i < 16; ++i)
        m[std::size_t(16 + i)] = std::uint8_t(ch1[i]);
    m[160 * 16 + 0] = 14;   // C
    m[160 * 16 + 1] = 19;   // H
    m[160 * 16 + 2] = 1;    // 1
    fx.radio->set_memory(m);

    MDImain w;
    w.MDIForm_Load();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    // Ctrl+R, then Read
    QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier);
    QWidget *read = w.Client()->findChild<QWidget *>("Form_Comm_Read");
    QVERIFY(read);
    QTest::mouseClick(Control<QPushButton>(read, "Command_read"), Qt::LeftButton);
    LINK_WAIT(Read_Open == 0, 20000);
    QCOMPARE(fx.prompts.texts(), QStringList{"Complete reading the data from transceiver."});
    fx.prompts.clear();
    for (int a = 0; a < 254 * 16; ++a)
        QCOMPARE(int(Radio_Data[a / 16][a % 16]), int(m[std::size_t(a)]));

    // the channel table shows what was read when it comes to the front
    w.Menu_Item("Channel_edit")->trigger();
    auto *table = Host::Find<frm_chann>();
    QVERIFY(table);
    auto *grid = table->findChild<QTableWidget *>("MSF_chann");
    QCOMPARE(grid->item(1, 1)->text(), QString("446.00625"));
    QCOMPARE(grid->item(1, 7)->text(), QString("CH1"));

    // a second channel typed from the keyboard
    grid->scrollToItem(grid->item(2, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(2, 1)).center());
    QTest::keyClicks(QApplication::focusWidget(), "446.1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(Freq_At(2, 0), QString("446.10000"));

    // Ctrl+W, then Write
    QTest::keyClick(&w, Qt::Key_W, Qt::ControlModifier);
    QWidget *write = w.Client()->findChild<QWidget *>("Form_Comm_Write");
    QVERIFY(write);
    QTest::mouseClick(Control<QPushButton>(write, "Command_Write"), Qt::LeftButton);
    LINK_WAIT(Write_Open == 0, 20000);
    QVERIFY2(fx.prompts.texts().isEmpty(), qPrintable(fx.prompts.texts().join(" | ")));   // no box: it closes itself
    const radiosim::Memory after = fx.radio->memory();
    for (int a = 0; a < 240 * 16; ++a)
        QCOMPARE(int(after[std::size_t(a)]), int(Radio_Data[a / 16][a % 16]));
    QCOMPARE(int(after[16 * 2 + 3]), 0x44);
    // the bitmap marks channels 1 and 2 as used
    QCOMPARE(int(after[210 * 16]), 0xFC);
}

QTEST_MAIN(Test_End_To_End)
#include "test_end_to_end.moc"
