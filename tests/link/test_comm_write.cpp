// Writing the radio through the write dialog, against the simulated radio on a pseudo-terminal.
#include "core/codecs.h"
#include "link/Form_Comm_Write.h"
#include "link_fixture.h"

using namespace link_test;

class Test_Comm_Write : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void full_write();
    void failed_check_sends_nothing_data();
    void failed_check_sends_nothing();
    void every_press_clears_the_vox_bit();
    void busy_refusals_and_chinese_texts();

private:
    QWidget *Open_Write();
    void Click(const char *name);
    static void Put_Channel(int n, const char *rx);

    std::unique_ptr<Radio_Fixture> fx;
    QWidget *dialog = nullptr;
};

void Test_Comm_Write::init()
{
    fx = std::make_unique<Radio_Fixture>();
}

void Test_Comm_Write::cleanup()
{
    fx.reset();
}

QWidget *Test_Comm_Write::Open_Write()
{
    dialog = Form_Comm_Write::Open();
    return dialog;
}

void Test_Comm_Write::Click(const char *name)
{
    QTest::mouseClick(Control<QPushButton>(dialog, name), Qt::LeftButton);
}

void Test_Comm_Write::Put_Channel(int n, const char *rx)
{
    QString text = QString::fromLatin1(rx);
    Put_Freq(text, n, Ch_Rx);
    for (int i = 4; i < 8; ++i)
        Radio_Data[n][i] = 0;
    const int rest[8] = {0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x20, 0xFF, 0xFF};
    for (int i = 0; i < 8; ++i)
        Radio_Data[n][8 + i] = Integer(rest[i]);
}

void Test_Comm_Write::full_write()
{
    const radiosim::Memory old_radio = Pattern_Memory(7);
    fx->radio->set_memory(old_radio);
    Put_Channel(1, "446.00625");
    Put_Channel(9, "438.50000");
    Radio_Data[208][1] = 0x71;   // bit 4 set: cleared before the write
    for (int b = 213; b < 240; ++b)
        for (int i = 0; i < 16; ++i)
            Radio_Data[b][i] = Integer((b * 16 + i) * 13 % 256);
    Radio_Data[240][0] = 77;     // the power block is not the write's

    QPointer<QWidget> d = Open_Write();
    QCOMPARE(Write_Open, True_Flag);
    QCOMPARE(d->windowTitle(), QString("Write Data to Radio"));
    QCOMPARE(Control<QPushButton>(d, "Command_Write")->text(), QString("Write"));
    QCOMPARE(Control<QPushButton>(d, "Command_Cancel")->text(), QString("Cancel"));
    QCOMPARE(Control<QPushButton>(d, "Command_Help")->text(), QString("Help"));
    auto *label = Control<QLabel>(d, "Label_tr_count");
    auto *bar = Control<QProgressBar>(d, "ProgressBar1");
    QVERIFY(label->text().isEmpty());

    Step_Log log(d);
    Click("Command_Write");
    QCOMPARE(label->text(), QString("Connecting with transceiver. "));
    QCOMPARE(bar->value(), 0);
    // The pre-write steps have run.
    QCOMPARE(Radio_Data[208][1], Integer(0x61));
    QCOMPARE(Radio_Data[208][12], Integer(1));
    QCOMPARE(Radio_Data[210][0], Integer(0xFE));
    QCOMPARE(Radio_Data[210][1], Integer(0xFE));
    QCOMPARE(Radio_Data[212][0], Integer('Z'));

    LINK_WAIT(label->text() == "Complete writing Data ", 15000);
    QCOMPARE(log.steps.size(), 240);
    QCOMPARE(log.steps.first().label, QString("Writing  0  Data Block"));
    QCOMPARE(log.steps.first().progress, 0);
    QVERIFY(log.steps.first().bar_visible);
    QCOMPARE(log.steps.at(238).label, QString("Writing  238  Data Block"));
    QCOMPARE(log.steps.at(238).progress, 99);
    QCOMPARE(log.steps.last().label, QString("Complete writing Data "));
    QCOMPARE(log.steps.last().progress, 99);

    // After the identification: 21 + 239 x 20 = 4801 bytes of frames, then the end-of-write byte.
    LINK_WAIT(fx->radio->end_write_count() == 1, 2000);
    const Bytes sent = Ident_Onwards(*fx->radio);
    QCOMPARE(int(sent.size()), 4801 + 1);
    Bytes expect = {0x06};
    for (int b = 0; b < 240; ++b) {
        expect.insert(expect.end(), {0x57, std::uint8_t(b / 16), std::uint8_t((b * 16) % 256), 0x10});
        for (int i = 0; i < 16; ++i)
            expect.push_back(std::uint8_t(Radio_Data[b][i]));
    }
    expect.push_back(0x45);
    QCOMPARE(Hex(sent), Hex(expect));
    // The frame for block 17 begins 0x57 0x01 0x10 0x10.
    QCOMPARE(Hex(Bytes(sent.begin() + 21 + 16 * 20, sent.begin() + 21 + 16 * 20 + 4)),
             QByteArray("57 01 10 10"));

    const radiosim::Memory now = fx->radio->memory();
    for (int a = 0; a < 240 * 16; ++a)
        if (now[std::size_t(a)] != Radio_Data[a / 16][a % 16])
            QFAIL(qPrintable(QString("radio address %1 differs from the image").arg(a)));
    for (int a = 240 * 16; a < radiosim::Memory_Size; ++a)
        QCOMPARE(now[std::size_t(a)], old_radio[std::size_t(a)]);

    // No message; the dialog closes half a second after completion.
    QVERIFY(fx->prompts.texts().isEmpty());
    QVERIFY(!d.isNull());
    LINK_WAIT(d.isNull(), 1500);
    QCOMPARE(Write_Open, False_Flag);
}

void Test_Comm_Write::failed_check_sends_nothing_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("message");
    QTest::newRow("frequency mode") << 0
        << "Receiving or transmitting frequency that frequency Mode out of frequency limitation range ";
    QTest::newRow("channel 12") << 12
        << "Channel 12 that Receiving or transmitting frequency  out of frequency limitation range ";
}

void Test_Comm_Write::failed_check_sends_nothing()
{
    QFETCH(int, channel);
    QFETCH(QString, message);
    Put_Channel(12, "446.00000");
    // 471 MHz lies outside the default band 400..470.
    QString text = QStringLiteral("471.00000");
    Put_Freq(text, channel, Ch_Rx);

    QPointer<QWidget> d = Open_Write();
    Click("Command_Write");
    QCOMPARE(fx->prompts.texts(), QStringList({message}));
    QCOMPARE(fx->prompts.titles(), QStringList({"Operate prompt"}));
    QVERIFY(Control<QLabel>(d, "Label_tr_count")->text().isEmpty());
    QVERIFY(!Engine(d)->Port_Open());
    QVERIFY(!Engine(d)->Busy);
    QTest::qWait(100);
    QVERIFY(fx->radio->received().empty());
    QCOMPARE(fx->radio->program_closes(), 0);
}

void Test_Comm_Write::every_press_clears_the_vox_bit()
{
    QString text = QStringLiteral("480");
    Put_Freq(text, 3, Ch_Rx);   // keeps the write from starting
    Radio_Data[208][1] = 0xFF;
    Open_Write();
    Click("Command_Write");
    QCOMPARE(Radio_Data[208][1], Integer(0xEF));
    Radio_Data[208][1] = 0x5A | 0x10;
    Click("Command_Write");
    QCOMPARE(Radio_Data[208][1], Integer(0x4A));
    QCOMPARE(fx->prompts.texts().size(), 2);
}

void Test_Comm_Write::busy_refusals_and_chinese_texts()
{
    Lang_Flag = -1;
    Install_Language();
    QPointer<QWidget> d = Open_Write();
    QCOMPARE(d->windowTitle(), QString("写数据到对讲机"));
    QCOMPARE(Control<QPushButton>(d, "Command_Write")->text(), QString("写入"));
    QCOMPARE(Control<QPushButton>(d, "Command_Cancel")->text(), QString("取消"));
    QCOMPARE(Control<QPushButton>(d, "Command_Help")->text(), QString("帮助"));

    Step_Log log(d);
    auto *label = Control<QLabel>(d, "Label_tr_count");
    Radio_Data[208][1] = 0x10;
    Click("Command_Write");
    QCOMPARE(label->text(), QString("正在与对讲机联络 ！"));
    LINK_WAIT(log.steps.size() >= 5, 3000);

    // Pressed again while the transfer runs: refused, and the image is not prepared again.
    Radio_Data[208][1] = 0x10;
    Click("Command_Write");
    Click("Command_Cancel");
    QCOMPARE(fx->prompts.texts(), QStringList({"正在与对讲机进行读写操作 ！", "正在进行读写操作,请勿关窗口 ！,"}));
    QCOMPARE(fx->prompts.titles(), QStringList({"操作提示", "操作提示"}));
    QCOMPARE(Radio_Data[208][1], Integer(0x10));
    Radio_Data[208][1] = 0x00;
    QVERIFY(!d.isNull());

    LINK_WAIT(d.isNull(), 15000);
    QCOMPARE(log.steps.first().label, QString("正在写入  0  数据块"));
    QCOMPARE(log.steps.at(238).label, QString("正在写入  238  数据块"));
    QCOMPARE(log.steps.last().label, QString("数据写入完毕 ！"));
    QCOMPARE(fx->prompts.texts().size(), 2);
}

QTEST_MAIN(Test_Comm_Write)
#include "test_comm_write.moc"
