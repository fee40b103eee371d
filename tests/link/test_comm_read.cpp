// Reading the radio through the read dialog, against the simulated radio on a pseudo-terminal.
#include "link/Form_Comm_Read.h"
#include "link_fixture.h"

using namespace link_test;

class Test_Comm_Read : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void full_read();
    void surplus_reply_bytes();
    void busy_refusals();
    void closing_mid_transfer_keeps_image();
    void chinese_texts();

private:
    QWidget *Open_Read();
    void Click(const char *name);

    std::unique_ptr<Radio_Fixture> fx;
    QWidget *dialog = nullptr;
};

void Test_Comm_Read::init()
{
    fx = std::make_unique<Radio_Fixture>();
}

void Test_Comm_Read::cleanup()
{
    fx.reset();
}

QWidget *Test_Comm_Read::Open_Read()
{
    dialog = Form_Comm_Read::Open();
    return dialog;
}

void Test_Comm_Read::Click(const char *name)
{
    QTest::mouseClick(Control<QPushButton>(dialog, name), Qt::LeftButton);
}

void Test_Comm_Read::full_read()
{
    const radiosim::Memory mem = Pattern_Memory(1);
    fx->radio->set_memory(mem);
    Radio_Data[254][3] = 0x11;   // beyond the read: must stay
    Radio_Data[5][16] = 0x22;    // beyond the data bytes of a block: must stay

    QPointer<QWidget> d = Open_Read();
    QCOMPARE(Read_Open, True_Flag);
    QCOMPARE(d->windowTitle(), QString("Read Data From Radio"));
    QCOMPARE(Control<QPushButton>(d, "Command_read")->text(), QString("Read"));
    QCOMPARE(Control<QPushButton>(d, "Command_Cancel")->text(), QString("Cancel"));
    QCOMPARE(Control<QPushButton>(d, "Command_Help")->text(), QString("Help"));
    auto *label = Control<QLabel>(d, "Label_tr_count");
    QVERIFY(label->text().isEmpty());

    Step_Log log(d);
    Click("Command_read");
    QCOMPARE(label->text(), QString("Connecting with transceiver. "));
    QCOMPARE(Control<QProgressBar>(d, "ProgressBar1")->value(), 0);

    LINK_WAIT(fx->prompts.texts().size() == 1, 15000);
    QCOMPARE(fx->prompts.texts().first(), QString("Complete reading the data from transceiver."));
    QCOMPARE(fx->prompts.titles().first(), QString("Operate Prompt"));

    QCOMPARE(log.steps.size(), 254);
    QCOMPARE(log.steps.first().label, QString("Reading 2 Data Block"));
    QCOMPARE(log.steps.first().progress, 0);
    QVERIFY(log.steps.first().bar_visible);
    QCOMPARE(log.steps.at(252).label, QString("Reading 254 Data Block"));
    QCOMPARE(log.steps.at(252).progress, 99);
    QCOMPARE(log.steps.last().label, QString("Read Data in gear. "));
    QCOMPARE(log.steps.last().progress, 100);

    for (int a = 0; a < 4064; ++a)
        if (Radio_Data[a / 16][a % 16] != mem[std::size_t(a)])
            QFAIL(qPrintable(QString("address %1 differs").arg(a)));
    QCOMPARE(Radio_Data[254][3], Integer(0x11));
    QCOMPARE(Radio_Data[255][0], Integer(0xFF));
    QCOMPARE(Radio_Data[5][16], Integer(0x22));

    // The program's side after the identification: acknowledge and request for block 0, then an
    // acknowledge and a request for each further block, and the acknowledge of the last reply.
    Bytes expect = {0x06, 0x52, 0x00, 0x00, 0x10};
    for (int b = 1; b < 254; ++b)
        expect.insert(expect.end(),
                      {0x06, 0x52, std::uint8_t(b / 16), std::uint8_t((b * 16) % 256), 0x10});
    expect.push_back(0x06);
    QTRY_COMPARE(Hex(Ident_Onwards(*fx->radio)), Hex(expect));
    QCOMPARE(fx->radio->ident_count(), 1);

    // The dialog closes itself once the message is dismissed.
    QTRY_VERIFY_WITH_TIMEOUT(d.isNull(), 1000);
    QCOMPARE(Read_Open, False_Flag);
    QVERIFY(fx->prompts.texts().size() == 1);
}

void Test_Comm_Read::surplus_reply_bytes()
{
    // Thirty bytes for every 21-byte reply: the first 21 count, the rest is thrown away.
    const radiosim::Memory mem = Pattern_Memory(2);
    fx->radio->set_memory(mem);
    radiosim::Faults f;
    f.extra_bytes = 9;
    fx->radio->set_faults(f);

    Open_Read();
    Click("Command_read");
    LINK_WAIT(fx->prompts.texts().size() == 1, 15000);
    QCOMPARE(fx->prompts.texts().first(), QString("Complete reading the data from transceiver."));
    for (int a = 0; a < 4064; ++a)
        if (Radio_Data[a / 16][a % 16] != mem[std::size_t(a)])
            QFAIL(qPrintable(QString("address %1 differs").arg(a)));
    QCOMPARE(fx->radio->ident_count(), 1);
}

void Test_Comm_Read::busy_refusals()
{
    fx->radio->set_memory(Pattern_Memory(3));
    QPointer<QWidget> d = Open_Read();
    Link_Engine *link = Engine(d);
    Click("Command_read");
    LINK_WAIT(link->Linked, 2000);
    QVERIFY(link->Busy);

    Click("Command_read");
    Click("Command_Cancel");
    QCOMPARE(fx->prompts.texts(), QStringList({"Read-write operating with transceiver .",
                                               "Read-write operating，don't close the window. ,"}));
    QCOMPARE(fx->prompts.titles(), QStringList({"Operate prompt", "Operate prompt"}));
    QVERIFY(!d.isNull());
    QVERIFY(d->isVisible());
    // The refusals did not disturb the transfer.
    fx->prompts.clear();
    LINK_WAIT(!fx->prompts.texts().isEmpty(), 15000);
    QCOMPARE(fx->prompts.texts(), QStringList({"Complete reading the data from transceiver."}));
    QTRY_VERIFY(d.isNull());

    // When nothing runs, Cancel closes the dialog and the port.
    fx->prompts.clear();
    d = Open_Read();
    Click("Command_Cancel");
    QTRY_VERIFY(d.isNull());
    QCOMPARE(Read_Open, False_Flag);
    QVERIFY(fx->prompts.texts().isEmpty());
}

void Test_Comm_Read::closing_mid_transfer_keeps_image()
{
    fx->radio->set_memory(Pattern_Memory(4));
    Radio_Data[30][7] = 0x5A;
    const radiosim::Memory before = Image_Memory();

    QPointer<QWidget> d = Open_Read();
    Link_Engine *link = Engine(d);
    Click("Command_read");
    LINK_WAIT(link->Block_No > 100, 5000);
    // The window frame's close is not refused; the port goes with the window.
    d->close();
    QTRY_VERIFY(d.isNull());
    QTRY_COMPARE(fx->radio->program_closes(), 1);
    QCOMPARE(Read_Open, False_Flag);
    QVERIFY(Image_Memory() == before);
    QVERIFY(fx->prompts.texts().isEmpty());
}

void Test_Comm_Read::chinese_texts()
{
    Lang_Flag = -1;
    Install_Language();
    fx->radio->set_memory(Pattern_Memory(5));
    QPointer<QWidget> d = Open_Read();
    QCOMPARE(d->windowTitle(), QString("从对讲机读取数据"));
    QCOMPARE(Control<QPushButton>(d, "Command_read")->text(), QString("读取"));
    QCOMPARE(Control<QPushButton>(d, "Command_Cancel")->text(), QString("取消"));
    QCOMPARE(Control<QPushButton>(d, "Command_Help")->text(), QString("帮助"));

    Step_Log log(d);
    Click("Command_read");
    auto *label = Control<QLabel>(d, "Label_tr_count");
    QCOMPARE(label->text(), QString("正在与对讲机联络 ！"));
    Click("Command_read");
    Click("Command_Cancel");
    QCOMPARE(fx->prompts.texts(), QStringList({"正在与对讲机进行读写操作 ！", "正在进行读写操作,请勿关窗口 ！,"}));
    QCOMPARE(fx->prompts.titles(), QStringList({"操作提示", "操作提示"}));

    fx->prompts.clear();
    LINK_WAIT(!fx->prompts.texts().isEmpty(), 15000);
    QCOMPARE(fx->prompts.texts(), QStringList({"从对讲机中读取数据完毕 ！"}));
    QCOMPARE(fx->prompts.titles(), QStringList({"操作提示"}));
    QCOMPARE(log.steps.first().label, QString("正在读取 2 数据块"));
    QCOMPARE(log.steps.at(252).label, QString("正在读取 254 数据块"));
    QCOMPARE(log.steps.last().label, QString("数据读出正常 ！"));
}

QTEST_MAIN(Test_Comm_Read)
#include "test_comm_read.moc"
