// Time-outs, retries and failures of the link, through the read and write dialogs against a simulated
// radio that misbehaves. The retry pause is shortened; every other interval is the real one.
#include "link/Form_Comm_Read.h"
#include "link/Form_Comm_Write.h"
#include "link_fixture.h"

using namespace link_test;

class Test_Link_Faults : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void silent_radio();
    void identification_refused_data();
    void identification_refused();
    void recovered_read();
    void recovered_write();
    void start_during_pause_is_not_disturbed();
    void radio_unplugged_mid_read();
    void failure_texts_in_chinese();

private:
    void Click(QWidget *d, const char *name)
    {
        QTest::mouseClick(Control<QPushButton>(d, name), Qt::LeftButton);
    }

    std::unique_ptr<Radio_Fixture> fx;
};

void Test_Link_Faults::init()
{
    fx = std::make_unique<Radio_Fixture>();
    Link_Times.retry = 150;
}

void Test_Link_Faults::cleanup()
{
    fx.reset();
}

void Test_Link_Faults::silent_radio()
{
    radiosim::Faults f;
    f.silent = true;
    fx->radio->set_faults(f);
    fx->radio->set_memory(Pattern_Memory(11));
    const radiosim::Memory before = Image_Memory();

    QPointer<QWidget> d = Form_Comm_Read::Open();
    Link_Engine *link = Engine(d);
    QElapsedTimer clock;
    clock.start();
    Click(d, "Command_read");
    // Four attempts, each ended by the response time-out 1000 ms after the enter-programming frame.
    LINK_WAIT(!fx->prompts.texts().isEmpty(), 8000);
    const qint64 took = clock.elapsed();
    QVERIFY2(took > 4 * 1015 + 3 * 150 - 50 && took < 4 * 1015 + 3 * 150 + 600,
             qPrintable(QString::number(took)));
    QCOMPARE(fx->prompts.texts(), QStringList({"Fail connect with transceiver."}));
    QCOMPARE(Control<QProgressBar>(d, "ProgressBar1")->value(), 0);
    QCOMPARE(Control<QLabel>(d, "Label_tr_count")->text(), QString("Communication fault."));
    // Each attempt sent the enter-programming frame and nothing else.
    QCOMPARE(int(fx->radio->received().size()), 4 * 8);
    QVERIFY(!link->Busy);
    QVERIFY(!link->Port_Open());
    QVERIFY(!d.isNull());
    QVERIFY(Image_Memory() == before);
    // The message comes once; the link stays idle until Read is pressed again.
    QTest::qWait(400);
    QCOMPARE(fx->prompts.texts().size(), 1);
    QCOMPARE(int(fx->radio->received().size()), 4 * 8);
}

void Test_Link_Faults::identification_refused_data()
{
    QTest::addColumn<bool>("wrong");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("length");
    QTest::newRow("wrong identifier") << true << 0 << -1;
    QTest::newRow("identifier at index 10") << false << 10 << -1;
    QTest::newRow("only 8 bytes of identification") << false << 0 << 8;
}

void Test_Link_Faults::identification_refused()
{
    QFETCH(bool, wrong);
    QFETCH(int, offset);
    QFETCH(int, length);
    radiosim::Faults f;
    f.wrong_ident = wrong;
    f.ident_offset = offset;
    f.ident_length = length;
    fx->radio->set_faults(f);

    QPointer<QWidget> d = Form_Comm_Read::Open();
    Link_Engine *link = Engine(d);
    QElapsedTimer clock;
    clock.start();
    Click(d, "Command_read");
    // Not accepted: no request follows, and the response time-out ends the attempt.
    LINK_WAIT(link->Timer3->isActive(), 2000);
    const qint64 took = clock.elapsed();
    QVERIFY2(took >= 1000 && took < 1300, qPrintable(QString::number(took)));
    QVERIFY(!link->Linked);
    QVERIFY(!link->Busy);
    QVERIFY(!link->Port_Open());
    QCOMPARE(Hex(fx->radio->received()), QByteArray("50 52 4f 47 52 41 4d 02"));
    // After the pause the next attempt starts, one retry fewer.
    LINK_WAIT(fx->radio->ident_count() == 2, 1000);
    QCOMPARE(link->Retry_Left, Integer(2));
    QVERIFY(fx->prompts.texts().isEmpty());
}

void Test_Link_Faults::recovered_read()
{
    // The reply for block 101 stops half-way: time-out, pause, and a new transfer from block 0.
    radiosim::Faults f;
    f.short_block = 101;
    fx->radio->set_faults(f);
    const radiosim::Memory mem = Pattern_Memory(12);
    fx->radio->set_memory(mem);
    const radiosim::Memory before = Image_Memory();

    QPointer<QWidget> d = Form_Comm_Read::Open();
    Link_Engine *link = Engine(d);
    Click(d, "Command_read");
    // The time-out: port closed, not busy, the pause running, the image untouched.
    LINK_WAIT(link->Timer3->isActive(), 8000);
    QVERIFY(!link->Busy);
    QVERIFY(!link->Port_Open());
    QCOMPARE(link->Retry_Left, Integer(3));
    QVERIFY(Image_Memory() == before);
    // The retry starts again from the enter-programming frame and block 0.
    LINK_WAIT(link->Linked && link->Block_No < 5, 2000);
    QCOMPARE(link->Retry_Left, Integer(2));
    QVERIFY(Image_Memory() == before);

    LINK_WAIT(!fx->prompts.texts().isEmpty(), 10000);
    QCOMPARE(fx->prompts.texts(), QStringList({"Complete reading the data from transceiver."}));
    for (int a = 0; a < 4064; ++a)
        if (Radio_Data[a / 16][a % 16] != mem[std::size_t(a)])
            QFAIL(qPrintable(QString("address %1 differs").arg(a)));
    QCOMPARE(fx->radio->ident_count(), 2);
}

void Test_Link_Faults::recovered_write()
{
    // A stray byte in place of the acknowledge of block 50: dropped, and the time-out decides.
    radiosim::Faults f;
    f.stray_block = 50;
    fx->radio->set_faults(f);
    fx->radio->set_memory(Pattern_Memory(13));

    QPointer<QWidget> d = Form_Comm_Write::Open();
    Link_Engine *link = Engine(d);
    Click(d, "Command_Write");
    LINK_WAIT(link->Timer3->isActive(), 5000);
    QCOMPARE(link->Block_No, Integer(51));
    LINK_WAIT(link->Linked && link->Block_No < 5, 2000);
    QCOMPARE(link->Retry_Left, Integer(2));
    LINK_WAIT(Control<QLabel>(d, "Label_tr_count")->text() == "Complete writing Data ", 10000);
    LINK_WAIT(fx->radio->end_write_count() == 1, 1000);
    const radiosim::Memory now = fx->radio->memory();
    for (int a = 0; a < 240 * 16; ++a)
        QCOMPARE(int(now[std::size_t(a)]), int(Radio_Data[a / 16][a % 16]));
    QCOMPARE(fx->radio->ident_count(), 2);
    QVERIFY(fx->prompts.texts().isEmpty());
}

void Test_Link_Faults::start_during_pause_is_not_disturbed()
{
    Link_Times.retry = 1500;
    radiosim::Faults f;
    f.silent = true;
    fx->radio->set_faults(f);
    const radiosim::Memory mem = Pattern_Memory(14);
    fx->radio->set_memory(mem);

    QPointer<QWidget> d = Form_Comm_Read::Open();
    Link_Engine *link = Engine(d);
    Click(d, "Command_read");
    LINK_WAIT(link->Timer3->isActive(), 3000);
    // While pausing the dialog is not busy: Read starts a fresh transfer at once.
    fx->radio->set_faults(radiosim::Faults());
    Click(d, "Command_read");
    QVERIFY(fx->prompts.texts().isEmpty());
    QVERIFY(!link->Timer3->isActive());
    QCOMPARE(link->Retry_Left, Integer(3));
    LINK_WAIT(!fx->prompts.texts().isEmpty(), 10000);
    QCOMPARE(fx->prompts.texts(), QStringList({"Complete reading the data from transceiver."}));
    QCOMPARE(fx->radio->ident_count(), 1);
    QCOMPARE(int(Radio_Data[100][5]), int(mem[100 * 16 + 5]));
}

void Test_Link_Faults::radio_unplugged_mid_read()
{
    radiosim::Faults f;
    f.unplug_after_block = 50;
    fx->radio->set_faults(f);
    fx->radio->set_memory(Pattern_Memory(15));
    const radiosim::Memory before = Image_Memory();

    QPointer<QWidget> d = Form_Comm_Read::Open();
    Link_Engine *link = Engine(d);
    Click(d, "Command_read");
    // Time-out, pause, and the retry's opening fails: the port message, and no further attempt.
    LINK_WAIT(!fx->prompts.texts().isEmpty(), 5000);
    QCOMPARE(fx->prompts.texts(),
             QStringList({"Communication port is error, please setting right communication port . ！"}));
    QVERIFY(!fx->prompts.messages.first().detail.isEmpty());
    QCOMPARE(Port_Error, Integer(-1));
    QVERIFY(!link->Busy);
    QVERIFY(!link->Port_Open());
    QCOMPARE(link->Retry_Left, Integer(2));
    QVERIFY(Image_Memory() == before);
    QTest::qWait(400);
    QCOMPARE(fx->prompts.texts().size(), 1);
    QVERIFY(!d.isNull());
}

void Test_Link_Faults::failure_texts_in_chinese()
{
    Lang_Flag = -1;
    Install_Language();
    radiosim::Faults f;
    f.silent = true;
    fx->radio->set_faults(f);
    QPointer<QWidget> d = Form_Comm_Write::Open();
    Click(d, "Command_Write");
    LINK_WAIT(!fx->prompts.texts().isEmpty(), 8000);
    QCOMPARE(fx->prompts.texts(), QStringList({"与对讲机联络失败 ！"}));
    QCOMPARE(fx->prompts.titles(), QStringList({"操作提示"}));
    QCOMPARE(Control<QLabel>(d, "Label_tr_count")->text(), QString("与对讲机通讯故障 ！"));
    QCOMPARE(Control<QProgressBar>(d, "ProgressBar1")->value(), 0);
}

QTEST_MAIN(Test_Link_Faults)
#include "test_link_faults.moc"
