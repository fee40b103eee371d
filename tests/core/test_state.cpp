// Start-up state and the default memory image.
#include "core/codecs.h"
#include "core/globals.h"
#include "core/image.h"
#include "core/models.h"

#include <QtTest>
#include <cstring>

class Test_State : public QObject
{
    Q_OBJECT

private slots:
    void start_values();
    void default_image();
    void second_start_is_identical();
    void range_block_round_trip_data();
    void range_block_round_trip();
    void val_data();
    void val();
};

void Test_State::start_values()
{
    // spoil what a previous run could leave behind
    Port_No = 5;
    Model_Index = 1;
    Lang_Flag = -1;
    Chann_Open = Write_Open = Adjust_Open = -1;
    Cur_Chann = 17;
    Read_Buffer[3][60] = 9;
    Name_Buf[1000] = 9;

    Init_Globals();
    QCOMPARE(int(Port_No), 1);
    QCOMPARE(int(Port_Error), 0);
    QCOMPARE(int(Model_Index), 0);
    QCOMPARE(int(Lang_Flag), 0);
    QCOMPARE(int(Cur_Chann), 0);
    QCOMPARE(Soft_Version, QString("Ver1.2"));
    QCOMPARE(Band_Low, 400.0);
    QCOMPARE(Band_High, 470.0);
    QCOMPARE(int(Read_Buffer[3][60]), 0);
    QCOMPARE(int(Name_Buf[1000]), 0);
    for (Integer f : {About_Open, Option_Open, Chann_Open, Setup_Open, Type_Open, SaveChann_Open,
                      OpenChann_Open, Read_Open, Write_Open, Test_Open, Adjust_Open})
        QCOMPARE(int(f), 0);
    QCOMPARE(About_Title, QString("Veltrona ZR271 series program software. "));
    QCOMPARE(About_Ok, QString("Confirm"));
    QCOMPARE(About_SysInfo, QString("System Information(&S)..."));
    QVERIFY(About_Version.startsWith("Ver1.2"));

    QCOMPARE(Model_List[0], QString("Tavro UHF"));
    QCOMPARE(Model_List[1], QString("Melik VHF"));
    QCOMPARE(Model_List[6], QString("Sundra FULL"));
    QCOMPARE(int(Band_Table[1][0]), 136);
    QCOMPARE(int(Band_Table[1][1]), 174);
    QCOMPARE(int(Band_Table[6][1]), 601);
    QCOMPARE(Band_Panel_Text(), QString(" 400-- 470 MHZ"));
}

void Test_State::default_image()
{
    Init_Globals();
    // Every block as the radio expects a fresh programming; unlisted bytes are 0xFF.
    QMap<int, QList<int>> expected;
    expected[0] = {0x50, 0x12, 0x20, 0x46, 0x00, 0x00, 0x00, 0x01,
                   0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x20, 0xFF, 0xFF};
    expected[153] = {0x00, 0x40, 0x00, 0x47};
    expected[208] = {0x05, 0x71, 0x81, 0x03, 0x00, 0x04, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    expected[209] = {0xFF, 0xFF, 0xFF, 0xFF, 0x13, 0x10, 0x17, 0x17, 0x1A};
    expected[210] = QList<int>(16, 0x00);
    expected[212] = {'Z', 'R', ' ', '3', '3', '3', '2', 0x02};
    expected[240] = {50, 100, 200};
    for (int b = 0; b < 256; ++b) {
        const QList<int> want = expected.value(b);
        for (int i = 0; i < 16; ++i) {
            const int v = i < want.size() ? want[i] : 0xFF;
            if (Radio_Data[b][i] != v)
                QFAIL(qPrintable(QString("block %1 byte %2 is %3, not %4")
                                     .arg(b).arg(i).arg(Radio_Data[b][i]).arg(v)));
        }
    }
    QCOMPARE(Freq_At(Vfo_Block, 0), QString("462.01250"));
    QCOMPARE(Freq_At(Vfo_Block, 4), QString("10.00000"));
    // the power-on message reads HELLO
    QString hello;
    for (int i = 4; i <= 8; ++i)
        hello += Cov_Code2Char(Radio_Data[PowerOn_Block][i]);
    QCOMPARE(hello, QString("HELLO"));
}

void Test_State::second_start_is_identical()
{
    Init_Globals();
    QByteArray first(reinterpret_cast<const char *>(Radio_Data), sizeof Radio_Data);
    QStringList tones(Tone_List, Tone_List + 301);

    Radio_Data[1][0] = 0x12;
    Radio_Data[153][1] = 0x13;
    Port_No = 3;
    Init_Globals();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(Radio_Data), sizeof Radio_Data), first);
    QCOMPARE(QStringList(Tone_List, Tone_List + 301), tones);
    QCOMPARE(Band_Low, 400.0);
    QCOMPARE(int(Port_No), 1);
}

void Test_State::range_block_round_trip_data()
{
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<QList<int>>("bytes");
    QTest::newRow("VHF") << 136 << 174 << QList<int>{0x60, 0x13, 0x40, 0x17};
    QTest::newRow("UHF") << 400 << 470 << QList<int>{0x00, 0x40, 0x00, 0x47};
    QTest::newRow("full") << 100 << 601 << QList<int>{0x00, 0x10, 0x10, 0x60};
    QTest::newRow("clamped") << -3 << 1200 << QList<int>{0x00, 0x00, 0x90, 0x99};
}

void Test_State::range_block_round_trip()
{
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(QList<int>, bytes);
    Init_Globals();
    Put_Range(low, high);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(int(Radio_Data[Range_Block][i]), bytes[i]);
    int l, h;
    Get_Range(l, h);
    QCOMPARE(l, qBound(0, low, 999));
    QCOMPARE(h, qBound(0, high, 999));
    // the low nibbles of bytes 0 and 2 are not part of the limits
    Radio_Data[Range_Block][0] |= 0x0F;
    Get_Range(l, h);
    QCOMPARE(l, qBound(0, low, 999));
}

void Test_State::val_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "446.5" << 446.5;
    QTest::newRow("leading blanks") << "   12" << 12.0;
    QTest::newRow("trailing text") << "12abc" << 12.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("sign") << "-3" << -3.0;
    QTest::newRow("nothing") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("exponent") << "1e2" << 100.0;
    QTest::newRow("bare exponent letter") << "12e" << 12.0;
    QTest::newRow("overflow") << "1e999" << 0.0;
    QTest::newRow("inner blank stops") << "14 5" << 14.0;
}

void Test_State::val()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(Val(text), value);
}

QTEST_GUILESS_MAIN(Test_State)
#include "test_state.moc"
