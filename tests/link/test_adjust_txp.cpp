// Live power adjustment through the power dialog, against the simulated radio on a pseudo-terminal.
#include "link/Form_Adjust_Txp.h"
#include "link_fixture.h"

#include <QScrollBar>

using namespace link_test;

class Test_Adjust_Txp : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void adjust_and_close();
    void identification_data();
    void identification();
    void ack_behind_a_stray_byte();
    void missing_ack_closes_without_message();
    void port_that_cannot_open();
    void slider_without_link_sends_nothing();
    void chinese_texts();

private:
    void Radio_Power(int low, int mid, int high);

    std::unique_ptr<Radio_Fixture> fx;
};

void Test_Adjust_Txp::init()
{
    fx = std::make_unique<Radio_Fixture>();
}

void Test_Adjust_Txp::cleanup()
{
    fx.reset();
}

void Test_Adjust_Txp::Radio_Power(int low, int mid, int high)
{
    radiosim::Memory m = Pattern_Memory(9);
    m[0xF00] = std::uint8_t(low);
    m[0xF01] = std::uint8_t(mid);
    m[0xF02] = std::uint8_t(high);
    fx->radio->set_memory(m);
}

static Bytes Power_Frame()
{
    Bytes f = {0x06, 0x67, 0x0F, 0x00, 0x10};
    for (int i = 0; i < 16; ++i)
        f.push_back(std::uint8_t(Radio_Data[240][i]));
    return f;
}

void Test_Adjust_Txp::adjust_and_close()
{
    Radio_Power(10, 20, 30);
    for (int i = 4; i < 16; ++i)
        Radio_Data[240][i] = Integer(i);   // sent along unchanged

    QPointer<Form_Adjust_Txp> d = Form_Adjust_Txp::Open();
    QCOMPARE(Adjust_Open, True_Flag);
    QCOMPARE(d->windowTitle(), QString("Power Adjust"));
    QCOMPARE(Control<QPushButton>(d, "Command_Close")->text(), QString("Close"));
    QCOMPARE(Control<QPushButton>(d, "Command_Help")->text(), QString("Help"));
    QCOMPARE(Control<QLabel>(d, "Label_Low")->text(), QString("Low Power"));
    QCOMPARE(Control<QLabel>(d, "Label_Mid")->text(), QString("Mid Power"));
    QCOMPARE(Control<QLabel>(d, "Label_High")->text(), QString("High Power"));
    auto *low = Control<QScrollBar>(d, "HScroll_L");
    auto *mid = Control<QScrollBar>(d, "HScroll_M");
    auto *high = Control<QScrollBar>(d, "HScroll_H");
    QCOMPARE(low->maximum(), 255);
    QCOMPARE(mid->minimum(), 0);
    Link_Engine *link = d->Link();

    LINK_WAIT(link->Linked && !link->Busy, 1000);
    QCOMPARE(low->value(), 10);
    QCOMPARE(mid->value(), 20);
    QCOMPARE(high->value(), 30);
    QCOMPARE(Control<QLabel>(d, "Label_L")->text(), QString("10"));
    QCOMPARE(Control<QLabel>(d, "Label_M")->text(), QString("20"));
    QCOMPARE(Control<QLabel>(d, "Label_H")->text(), QString("30"));
    QCOMPARE(Radio_Data[240][0], Integer(10));
    QCOMPARE(Radio_Data[240][1], Integer(20));
    QCOMPARE(Radio_Data[240][2], Integer(30));
    QCOMPARE(Radio_Data[240][3], Integer(2));   // the last slider that moved
    // The radio's own values go back in the first power frame.
    Bytes first = Power_Frame();
    QCOMPARE(Hex(Ident_Onwards(*fx->radio)), Hex(first));
    QCOMPARE(first[5], std::uint8_t(10));
    QCOMPARE(first[6], std::uint8_t(20));
    QCOMPARE(first[7], std::uint8_t(30));

    // The user moves the middle slider to 128: one power frame with byte 1 = 128 and byte 3 = 1.
    mid->setSliderPosition(128);
    QCOMPARE(Control<QLabel>(d, "Label_M")->text(), QString("128"));
    QCOMPARE(Radio_Data[240][1], Integer(128));
    QCOMPARE(Radio_Data[240][3], Integer(1));
    const Bytes second = Power_Frame();
    LINK_WAIT(fx->radio->byte_at(0xF01) == 128, 1000);
    Bytes expect = first;
    expect.insert(expect.end(), second.begin(), second.end());
    QCOMPARE(Hex(Ident_Onwards(*fx->radio)), Hex(expect));
    QCOMPARE(Hex(Bytes(second.begin(), second.begin() + 5)), QByteArray("06 67 0f 00 10"));
    QCOMPARE(second[5 + 1], std::uint8_t(128));
    QCOMPARE(second[5 + 3], std::uint8_t(1));
    LINK_WAIT(!link->Busy, 1000);

    // A key on the low slider is a movement too.
    low->setFocus();
    QTest::keyClick(low, Qt::Key_Right);
    QCOMPARE(Radio_Data[240][0], Integer(11));
    QCOMPARE(Radio_Data[240][3], Integer(0));
    LINK_WAIT(fx->radio->byte_at(0xF00) == 11, 1000);
    LINK_WAIT(!link->Busy, 1000);

    // Close ends the adjustment: 0x62 is the last byte before the port closes.
    QTest::mouseClick(Control<QPushButton>(d, "Command_Close"), Qt::LeftButton);
    QTRY_VERIFY(d.isNull());
    QCOMPARE(Adjust_Open, False_Flag);
    LINK_WAIT(fx->radio->end_adjust_count() == 1, 1000);
    const Bytes all = fx->radio->received();
    QCOMPARE(int(all.back()), 0x62);
    LINK_WAIT(fx->radio->program_closes() == 1, 1000);
    QVERIFY(fx->prompts.texts().isEmpty());
    QCOMPARE(Radio_Data[240][1], Integer(128));   // the image keeps what the sliders set
}

void Test_Adjust_Txp::identification_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("wrong");
    QTest::addColumn<int>("delay");
    QTest::addColumn<bool>("linked");
    QTest::newRow("identifier at byte 0") << 0 << -1 << false << 0 << true;
    QTest::newRow("identifier at byte 3") << 3 << -1 << false << 0 << true;
    QTest::newRow("identifier at byte 9") << 9 << -1 << false << 0 << true;
    QTest::newRow("identifier at byte 10") << 10 << -1 << false << 0 << false;
    QTest::newRow("only 8 bytes") << 0 << 8 << false << 0 << false;
    QTest::newRow("wrong identifier") << 0 << -1 << true << 0 << false;
    QTest::newRow("answer after 700 ms") << 0 << -1 << false << 700 << false;
}

void Test_Adjust_Txp::identification()
{
    QFETCH(int, offset);
    QFETCH(int, length);
    QFETCH(bool, wrong);
    QFETCH(int, delay);
    QFETCH(bool, linked);
    Radio_Power(40, 50, 60);
    radiosim::Faults f;
    f.ident_offset = offset;
    f.ident_length = length;
    f.wrong_ident = wrong;
    f.delay_ms = delay;
    fx->radio->set_faults(f);

    QElapsedTimer clock;
    clock.start();
    QPointer<Form_Adjust_Txp> d = Form_Adjust_Txp::Open();
    auto *low = Control<QScrollBar>(d, "HScroll_L");
    auto *high = Control<QScrollBar>(d, "HScroll_H");
    if (linked) {
        LINK_WAIT(d->Link()->Linked, 1000);
        // The power values are the three bytes that follow the identifier in this reply.
        QCOMPARE(low->value(), 40);
        QCOMPARE(high->value(), 60);
        LINK_WAIT(!d->Link()->Busy, 1000);
        QTest::qWait(600);   // the watchdog leaves a live link alone
        QVERIFY(!d.isNull());
    } else {
        // No identification within the watchdog's first tick: the dialog closes without a word.
        LINK_WAIT(d.isNull(), 2000);
        QVERIFY2(clock.elapsed() < 900, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(Adjust_Open, False_Flag);
        QCOMPARE(Radio_Data[240][0], Integer(50));   // the image's own values
    }
    QVERIFY(fx->prompts.texts().isEmpty());
}

void Test_Adjust_Txp::ack_behind_a_stray_byte()
{
    Radio_Power(1, 2, 3);
    radiosim::Faults f;
    f.stray_before_ack = true;
    fx->radio->set_faults(f);
    QPointer<Form_Adjust_Txp> d = Form_Adjust_Txp::Open();
    LINK_WAIT(d->Link()->Linked && !d->Link()->Busy, 1000);
    Control<QScrollBar>(d, "HScroll_H")->setSliderPosition(200);
    LINK_WAIT(fx->radio->byte_at(0xF02) == 200, 1000);
    LINK_WAIT(!d->Link()->Timer2->isActive(), 1000);
    QTest::qWait(1100);   // no response time-out followed
    QVERIFY(!d.isNull());
    QVERIFY(d->Link()->Port_Open());
}

void Test_Adjust_Txp::missing_ack_closes_without_message()
{
    Radio_Power(1, 2, 3);
    QPointer<Form_Adjust_Txp> d = Form_Adjust_Txp::Open();
    LINK_WAIT(d->Link()->Linked && !d->Link()->Busy, 1000);
    radiosim::Faults f;
    f.drop_block = 240;
    f.drop_times = -1;
    fx->radio->set_faults(f);
    QElapsedTimer clock;
    clock.start();
    Control<QScrollBar>(d, "HScroll_L")->setSliderPosition(99);
    // The port closes 1000 ms after the frame; the watchdog closes the dialog at its next tick.
    LINK_WAIT(d.isNull(), 2500);
    const qint64 took = clock.elapsed();
    QVERIFY2(took >= 1000 && took < 1700, qPrintable(QString::number(took)));
    QVERIFY(fx->prompts.texts().isEmpty());
    QCOMPARE(Radio_Data[240][0], Integer(99));
}

void Test_Adjust_Txp::port_that_cannot_open()
{
    Port_No = 2;
    qputenv("RADIOPROG_COM2", "/dev/radioprog-no-such-port");
    QPointer<Form_Adjust_Txp> d = Form_Adjust_Txp::Open();
    qunsetenv("RADIOPROG_COM2");
    QCOMPARE(fx->prompts.texts(),
             QStringList({"Communication port is error, please setting right communication port . ！"}));
    QVERIFY(fx->prompts.messages.first().detail.contains("/dev/radioprog-no-such-port"));
    QCOMPARE(Port_Error, Integer(-1));
    LINK_WAIT(d.isNull(), 1000);
    QCOMPARE(Adjust_Open, False_Flag);
}

void Test_Adjust_Txp::slider_without_link_sends_nothing()
{
    radiosim::Faults f;
    f.silent = true;
    fx->radio->set_faults(f);
    QPointer<Form_Adjust_Txp> d = Form_Adjust_Txp::Open();
    Control<QScrollBar>(d, "HScroll_M")->setSliderPosition(77);
    QCOMPARE(Radio_Data[240][1], Integer(77));
    QCOMPARE(Radio_Data[240][3], Integer(1));
    QCOMPARE(Control<QLabel>(d, "Label_M")->text(), QString("77"));
    LINK_WAIT(d.isNull(), 1000);
    // Only the enter-programming frame and, as the watchdog closed the open port, the end byte.
    const Bytes all = fx->radio->received();
    QCOMPARE(Hex(all), QByteArray("50 52 4f 47 52 41 4d 02 62"));
}

void Test_Adjust_Txp::chinese_texts()
{
    Lang_Flag = -1;
    Install_Language();
    QPointer<Form_Adjust_Txp> d = Form_Adjust_Txp::Open();
    QCOMPARE(d->windowTitle(), QString("发射功率调整"));
    QCOMPARE(Control<QPushButton>(d, "Command_Close")->text(), QString("关闭"));
    QCOMPARE(Control<QPushButton>(d, "Command_Help")->text(), QString("帮助"));
    QCOMPARE(Control<QLabel>(d, "Label_Low")->text(), QString("低功率"));
    QCOMPARE(Control<QLabel>(d, "Label_Mid")->text(), QString("中功率"));
    QCOMPARE(Control<QLabel>(d, "Label_High")->text(), QString("高功率"));
}

QTEST_MAIN(Test_Adjust_Txp)
#include "test_adjust_txp.moc"
