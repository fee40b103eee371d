// The summary fields and band checks run before the image goes to the radio.
#include "core/checks.h"
#include "core/codecs.h"
#include "core/globals.h"
#include "core/image.h"
#include "core/language.h"
#include "prompt_recorder.h"

#include <QtTest>

namespace {
// Gives channel n a receive frequency, an offset and a shift direction (0 none, 1 plus, 2 minus).
void Set_Channel(int n, const QString &rx, const QString &offset = "0", int shift = 0)
{
    QString r = rx, o = offset;
    Put_Freq(r, n, Ch_Rx);
    Put_Freq(o, n, Ch_Offset);
    Radio_Data[n][Ch_Power] = Integer(0x02 | (shift << 6));
}
} // namespace

class Test_Checks : public QObject
{
    Q_OBJECT

private slots:
    void init() { Init_Globals(); }
    void cleanup()
    {
        Lang_Flag = 0;
        Install_Language();
    }

    void default_image_passes();
    void first_channel_and_bitmap_data();
    void first_channel_and_bitmap();
    void partly_used_channel();
    void channel_range_data();
    void channel_range();
    void vfo_range_data();
    void vfo_range();
    void prepare_write_messages();
    void messages_in_chinese();
};

void Test_Checks::default_image_passes()
{
    Set_First_Chann();
    Build_Chann_Map();
    QCOMPARE(int(Radio_Data[Option_Block][12]), 0);
    for (int i = 0; i < 16; ++i)
        QCOMPARE(int(Radio_Data[Map_Block][i]), 0xFF);
    QCOMPARE(Check_Vfo_Range(), 0);
    QCOMPARE(Check_Chann_Range(), 0);
}

void Test_Checks::first_channel_and_bitmap_data()
{
    QTest::addColumn<QList<int>>("used");
    QTest::addColumn<int>("first");
    QTest::addColumn<QList<int>>("map");   // bytes that are not 0xFF: pairs of index, value
    QTest::newRow("1 and 9") << QList<int>{1, 9} << 1 << QList<int>{0, 0xFE, 1, 0xFE};
    QTest::newRow("128 only") << QList<int>{128} << 128 << QList<int>{15, 0x7F};
    QTest::newRow("8 and 3") << QList<int>{8, 3} << 3 << QList<int>{0, 0x7B};
}

void Test_Checks::first_channel_and_bitmap()
{
    QFETCH(QList<int>, used);
    QFETCH(int, first);
    QFETCH(QList<int>, map);
    for (int n : used)
        Set_Channel(n, "446.00625");
    Radio_Data[Ident_Block][9] = 0x33;   // stale bytes are cleared
    Set_First_Chann();
    Build_Chann_Map();
    QCOMPARE(int(Radio_Data[Option_Block][12]), first);
    QList<int> want(16, 0xFF);
    for (int i = 0; i < map.size(); i += 2)
        want[map[i]] = map[i + 1];
    for (int i = 0; i < 16; ++i)
        QCOMPARE(int(Radio_Data[Map_Block][i]), want[i]);
    const QList<int> ident{'Z', 'R', ' ', '3', '3', '3', '2', 0x02};
    for (int i = 0; i < 16; ++i)
        QCOMPARE(int(Radio_Data[Ident_Block][i]), i < 8 ? ident[i] : 0xFF);
}

void Test_Checks::partly_used_channel()
{
    // A channel with only its first byte set is not used for the bitmap, but is checked (and fails:
    // its bytes decode above 1000 MHz).
    Radio_Data[4][0] = 0x25;
    Set_First_Chann();
    Build_Chann_Map();
    QCOMPARE(int(Radio_Data[Option_Block][12]), 0);
    QCOMPARE(int(Radio_Data[Map_Block][0]), 0xFF);
    QCOMPARE(Check_Chann_Range(), 4);
}

void Test_Checks::channel_range_data()
{
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("offset");
    QTest::addColumn<int>("shift");
    QTest::addColumn<int>("result");
    QTest::newRow("inside") << "446.00625" << "0" << 0 << 0;
    QTest::newRow("plus pushes out") << "446.00625" << "30" << 1 << 7;
    QTest::newRow("minus pushes out") << "405" << "10" << 2 << 7;
    QTest::newRow("minus stays in") << "415" << "10" << 2 << 0;
    QTest::newRow("470.99 passes") << "470.99" << "0" << 0 << 0;
    QTest::newRow("471 fails") << "471" << "0" << 0 << 7;
    QTest::newRow("399.99 fails") << "399.99" << "0" << 0 << 7;
    QTest::newRow("shift 3 is none") << "446" << "90" << 3 << 0;
    QTest::newRow("minus below zero") << "400" << "500" << 2 << 7;
}

void Test_Checks::channel_range()
{
    QFETCH(QString, rx);
    QFETCH(QString, offset);
    QFETCH(int, shift);
    QFETCH(int, result);
    Set_Channel(3, "446");
    Set_Channel(7, rx, offset, shift);
    Set_Channel(9, "500");   // a later failing channel is not the one reported
    QCOMPARE(Check_Chann_Range(), result ? result : 9);
}

void Test_Checks::vfo_range_data()
{
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("offset");
    QTest::addColumn<int>("shift");
    QTest::addColumn<int>("result");
    QTest::newRow("default") << "462.0125" << "10" << 0 << 0;
    QTest::newRow("plus out") << "462.0125" << "10" << 1 << 1;
    QTest::newRow("minus in") << "462.0125" << "10" << 2 << 0;
    QTest::newRow("rx out") << "136.625" << "0" << 0 << 1;
}

void Test_Checks::vfo_range()
{
    QFETCH(QString, rx);
    QFETCH(QString, offset);
    QFETCH(int, shift);
    QFETCH(int, result);
    Set_Channel(Vfo_Block, rx, offset, shift);
    QCOMPARE(Check_Vfo_Range(), result);
}

void Test_Checks::prepare_write_messages()
{
    Prompt_Recorder rec;
    Radio_Data[Option_Block][1] = 0x71;
    Set_Channel(5, "480");
    Set_Channel(Vfo_Block, "136.625");
    QVERIFY(!Prepare_Write());
    // the frequency-mode record is reported first, and alone
    QCOMPARE(rec.texts(), QStringList{"Receiving or transmitting frequency that frequency Mode out "
                                      "of frequency limitation range "});
    QCOMPARE(rec.titles(), QStringList{"Operate prompt"});
    // the derived fields are written even though the write stops
    QCOMPARE(int(Radio_Data[Option_Block][1]), 0x61);
    QCOMPARE(int(Radio_Data[Option_Block][12]), 5);
    QCOMPARE(int(Radio_Data[Map_Block][0]), 0xEF);

    rec.clear();
    Set_Channel(Vfo_Block, "446");
    QVERIFY(!Prepare_Write());
    QCOMPARE(rec.texts(), QStringList{"Channel 5 that Receiving or transmitting frequency  out of "
                                      "frequency limitation range "});

    rec.clear();
    Set_Channel(5, "450");
    QVERIFY(Prepare_Write());
    QVERIFY(rec.texts().isEmpty());
}

void Test_Checks::messages_in_chinese()
{
    Lang_Flag = -1;
    Install_Language();
    QCOMPARE(Vfo_Range_Text(), QString::fromUtf8("频率模式下的接收或发射频率超出频率限制范围"));
    QCOMPARE(Chann_Range_Text(12), QString::fromUtf8("信道 12 中的接收或发射频率超出频率限制范围"));
    Prompt_Recorder rec;
    Set_Channel(12, "300");
    QVERIFY(!Prepare_Write());
    QCOMPARE(rec.titles(), QStringList{QString::fromUtf8("操作提示")});
}

QTEST_GUILESS_MAIN(Test_Checks)
#include "test_checks.moc"
