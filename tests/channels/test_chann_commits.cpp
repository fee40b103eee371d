// What an edit in the channel table writes into the image, typed through the real grid: receive and
// transmit frequencies against each band, shifts, deletion, names and drop-down selections.
#include "channels/frm_chann.h"
#include "core/globals.h"
#include "core/models.h"
#include "prompt_recorder.h"
#include "table_driver.h"
#include "ui/host.h"

#include <QtTest>

class Test_Chann_Commits : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void receive_data();
    void receive();
    void transmit_data();
    void transmit();
    void new_channel_bytes();
    void shift_cases_data();
    void shift_cases();
    void blank_receive_deletes_keeps_name();
    void blank_transmit_is_simplex();
    void names_data();
    void names();
    void tone_items_data();
    void tone_items();
    void power_and_bandwidth_keep_bits();
    void normalize_data();
    void normalize();

private:
    void Use_Band(const QString &band);
    void Make_Channel(int n, const QString &rx);
    Table_Driver t;
    Prompt_Recorder *rec = nullptr;
};

void Test_Chann_Commits::init()
{
    Init_Globals();
    rec = new Prompt_Recorder;
    QVERIFY(t.open());
}

void Test_Chann_Commits::cleanup()
{
    Host::Close_Open<frm_chann>();
    delete rec;
}

void Test_Chann_Commits::Use_Band(const QString &band)
{
    if (band == "VHF")
        Put_Range(136, 174);
    else if (band == "LOW")
        Put_Range(5, 60);
    else
        Put_Range(400, 470);
    Recompute_Band();
}

void Test_Chann_Commits::Make_Channel(int n, const QString &rx)
{
    t.click(n, 1);
    Table_Driver::type(rx);
    Table_Driver::enter();
    QVERIFY(t.editing_text_at(n, 2));
}

static const QString Rx_Warning = "Over the range of receive frequency .";
static const QString Tx_Warning = "Over the range of transmit frequency .";

void Test_Chann_Commits::receive_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("warned");
    QTest::addColumn<long long>("stored");   // 10 Hz steps
    QTest::addColumn<QString>("shown");

    QTest::newRow("uhf inside") << "UHF" << "446.00625" << false << 44600625LL << "446.00625";
    QTest::newRow("uhf whole") << "UHF" << "446" << false << 44600000LL << "446.00000";
    QTest::newRow("uhf lower edge") << "UHF" << "400" << false << 40000000LL << "400.00000";
    QTest::newRow("uhf just below top") << "UHF" << "469.99999" << false << 46999999LL << "469.99999";
    QTest::newRow("uhf below 10 Hz dropped") << "UHF" << "438.123456" << false << 43812345LL << "438.12345";
    QTest::newRow("uhf top excluded") << "UHF" << "470" << true << 40000000LL << "400.00000";
    QTest::newRow("uhf above") << "UHF" << "480" << true << 40000000LL << "400.00000";
    QTest::newRow("uhf below") << "UHF" << "399.99999" << true << 40000000LL << "400.00000";
    QTest::newRow("uhf letters") << "UHF" << "abc" << true << 40000000LL << "400.00000";
    QTest::newRow("uhf negative") << "UHF" << "-446" << true << 40000000LL << "400.00000";
    QTest::newRow("uhf above 1000") << "UHF" << "1446" << true << 40000000LL << "400.00000";
    QTest::newRow("uhf exponent above") << "UHF" << "4.46e3" << true << 40000000LL << "400.00000";
    QTest::newRow("uhf exponent not readable") << "UHF" << "4.46e2" << true << 40000000LL << "400.00000";
    QTest::newRow("uhf exponent readable") << "UHF" << "446e0" << false << 44600000LL << "446.00000";
    QTest::newRow("uhf leading zero") << "UHF" << "0446" << true << 40000000LL << "400.00000";
    QTest::newRow("uhf leading blank") << "UHF" << " 446" << true << 40000000LL << "400.00000";
    QTest::newRow("uhf blank inside") << "UHF" << "44 6" << true << 40000000LL << "400.00000";
    QTest::newRow("uhf trailing blank") << "UHF" << "446 " << false << 44600000LL << "446.00000";
    QTest::newRow("uhf tail ignored") << "UHF" << "446.5x" << false << 44650000LL << "446.50000";
    QTest::newRow("vhf inside") << "VHF" << "145" << false << 14500000LL << "145.00000";
    QTest::newRow("vhf fraction") << "VHF" << "145.5" << false << 14550000LL << "145.50000";
    QTest::newRow("vhf lower edge") << "VHF" << "136" << false << 13600000LL << "136.00000";
    QTest::newRow("vhf top excluded") << "VHF" << "174" << true << 13600000LL << "136.00000";
    QTest::newRow("vhf below") << "VHF" << "135.99999" << true << 13600000LL << "136.00000";
    QTest::newRow("vhf uhf value") << "VHF" << "446" << true << 13600000LL << "136.00000";
    QTest::newRow("low band two digits") << "LOW" << "50" << false << 5000000LL << "50.00000";
    QTest::newRow("low band one digit limit") << "LOW" << "70" << true << 500000LL << "5.00000";
    QTest::newRow("low band single digit") << "LOW" << "7" << true << 500000LL << "5.00000";
}

void Test_Chann_Commits::receive()
{
    QFETCH(QString, band);
    QFETCH(QString, typed);
    QFETCH(bool, warned);
    QFETCH(long long, stored);
    QFETCH(QString, shown);
    Use_Band(band);
    const Expect::Image before = Expect::Snapshot();

    // committed by leaving the cell (Enter is refused once ten characters are typed)
    t.click(30, 1);
    Table_Driver::type(typed);
    t.click(31, 0);
    QCOMPARE(rec->texts(), warned ? QStringList{Rx_Warning} : QStringList{});
    QCOMPARE(Expect::Block(30, 0, 4), Expect::Freq(stored));
    QCOMPARE(t.cell(30, 1), shown);
    // the stored value reads back as the value shown, and every nibble is a decimal digit
    for (int i = 0; i < 4; ++i) {
        QVERIFY(Radio_Data[30][i] / 16 <= 9);
        QVERIFY(Radio_Data[30][i] % 16 <= 9);
    }
    // nothing but channel 30 changed
    Expect::Image after = Expect::Snapshot();
    after[30] = before[30];
    QVERIFY(after == before);
}

void Test_Chann_Commits::transmit_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("warned");
    QTest::addColumn<int>("direction");
    QTest::addColumn<long long>("offset");
    QTest::addColumn<QString>("shown");

    QTest::newRow("up") << "UHF" << "446" << "451" << false << 1 << 500000LL << "451.00000";
    QTest::newRow("down") << "UHF" << "438.5" << "431.3" << false << 2 << 720000LL << "431.30000";
    QTest::newRow("same") << "UHF" << "446" << "446.00000" << false << 0 << 0LL << "446.00000";
    QTest::newRow("fine step") << "UHF" << "446.00625" << "446.0125" << false << 1 << 625LL << "446.01250";
    QTest::newRow("above band") << "UHF" << "446" << "475" << true << 2 << 4600000LL << "400.00000";
    QTest::newRow("top excluded") << "UHF" << "446" << "470" << true << 2 << 4600000LL << "400.00000";
    QTest::newRow("letters") << "UHF" << "446" << "x" << true << 2 << 4600000LL << "400.00000";
    QTest::newRow("leading zero") << "UHF" << "446" << "0450" << true << 2 << 4600000LL << "400.00000";
    QTest::newRow("vhf up") << "VHF" << "145" << "145.6" << false << 1 << 60000LL << "145.60000";
    QTest::newRow("vhf below") << "VHF" << "145" << "135" << true << 2 << 900000LL << "136.00000";
}

void Test_Chann_Commits::transmit()
{
    QFETCH(QString, band);
    QFETCH(QString, rx);
    QFETCH(QString, typed);
    QFETCH(bool, warned);
    QFETCH(int, direction);
    QFETCH(long long, offset);
    QFETCH(QString, shown);
    Use_Band(band);
    Make_Channel(40, rx);
    const QList<int> rx_bytes = Expect::Block(40, 0, 4);

    Table_Driver::type(typed);
    Table_Driver::enter();
    QCOMPARE(rec->texts(), warned ? QStringList{Tx_Warning} : QStringList{});
    QCOMPARE(Expect::Block(40, 0, 4), rx_bytes);
    QCOMPARE((Radio_Data[40][12] & 0xC0) >> 6, direction);
    QCOMPARE(Radio_Data[40][12] & 0x3F, 0x02);
    QCOMPARE(Expect::Block(40, 4, 4), Expect::Freq(offset));
    QCOMPARE(t.cell(40, 2), shown);
    QVERIFY(t.choosing_at(40, 3));
}

void Test_Chann_Commits::new_channel_bytes()
{
    const Expect::Image before = Expect::Snapshot();
    Make_Channel(7, "446.5");
    QCOMPARE(Expect::Block(7, 0, 16),
             (QList<int>{0x00, 0x00, 0x65, 0x44, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x20, 0xFF, 0xFF}));
    Expect::Image after = Expect::Snapshot();
    after[7] = before[7];
    QVERIFY(after == before);
    QCOMPARE(t.cell(7, 2), QString("446.50000"));
    QCOMPARE(t.cell(7, 3), QString("OFF"));
    QCOMPARE(t.cell(7, 4), QString("OFF"));
    QCOMPARE(t.cell(7, 5), QString("High"));
    QCOMPARE(t.cell(7, 6), QString("Wide"));
    QCOMPARE(Cur_Chann, Integer(7));
}

void Test_Chann_Commits::shift_cases_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("tx");
    QTest::addColumn<QString>("new_rx");
    QTest::addColumn<int>("direction");
    QTest::addColumn<long long>("offset");
    QTest::addColumn<QString>("shown_tx");

    // a new receive frequency keeps the transmit frequency, not the offset
    QTest::newRow("up becomes down") << "VHF" << "145.0" << "145.6" << "146.0" << 2 << 40000LL << "145.60000";
    QTest::newRow("down becomes up") << "UHF" << "446" << "441" << "440" << 1 << 100000LL << "441.00000";
    QTest::newRow("onto transmit") << "UHF" << "446" << "441" << "441" << 0 << 0LL << "441.00000";
    QTest::newRow("simplex stays") << "UHF" << "446" << "446" << "447.5" << 2 << 150000LL << "446.00000";
    QTest::newRow("fine steps") << "UHF" << "446.00625" << "446.0125" << "445.99375" << 1 << 1875LL
                                << "446.01250";
}

void Test_Chann_Commits::shift_cases()
{
    QFETCH(QString, band);
    QFETCH(QString, rx);
    QFETCH(QString, tx);
    QFETCH(QString, new_rx);
    QFETCH(int, direction);
    QFETCH(long long, offset);
    QFETCH(QString, shown_tx);
    Use_Band(band);
    Make_Channel(50, rx);
    Table_Driver::type(tx);
    Table_Driver::enter();

    t.click(50, 1);
    Table_Driver::type(new_rx);
    Table_Driver::enter();
    QVERIFY(rec->texts().isEmpty());
    QCOMPARE((Radio_Data[50][12] & 0xC0) >> 6, direction);
    QCOMPARE(Expect::Block(50, 4, 4), Expect::Freq(offset));
    QCOMPARE(t.cell(50, 2), shown_tx);

    // typing the receive frequency into the transmit cell makes the channel simplex
    Table_Driver::type(t.cell(50, 1));
    Table_Driver::enter();
    QCOMPARE(Radio_Data[50][12] & 0xC0, 0);
    QCOMPARE(Expect::Block(50, 4, 4), QList<int>(4, 0));
}

void Test_Chann_Commits::blank_receive_deletes_keeps_name()
{
    Make_Channel(60, "446.5");
    t.click(60, 7);
    Table_Driver::type("keep");
    Table_Driver::enter();
    const QList<int> name = Expect::Name_Bytes(60);
    QCOMPARE(name, (QList<int>{22, 16, 16, 27, 0xFF}));
    const Expect::Image before = Expect::Snapshot();

    t.click(60, 1);
    Table_Driver::key(Qt::Key_Delete);   // the editor opens with its text selected
    QVERIFY(t.text->text().isEmpty());
    Table_Driver::type("   ");
    Table_Driver::enter();
    QVERIFY(rec->texts().isEmpty());
    QCOMPARE(Expect::Block(60, 0, 16), QList<int>(16, 0xFF));
    QCOMPARE(Expect::Name_Bytes(60), name);
    for (int c = 1; c < 8; ++c)
        QVERIFY(t.cell(60, c).trimmed().isEmpty());
    Expect::Image after = Expect::Snapshot();
    after[60] = before[60];
    QVERIFY(after == before);

    // Enter walked on: the blank row sends the cursor to the next channel
    QVERIFY(t.editing_text_at(60, 2));
    Table_Driver::enter();
    QVERIFY(t.editing_text_at(61, 1));

    // a new receive frequency brings the name back
    t.click(60, 1);
    Table_Driver::type("447");
    Table_Driver::enter();
    QCOMPARE(t.cell(60, 7), QString("KEEP"));
}

void Test_Chann_Commits::blank_transmit_is_simplex()
{
    Make_Channel(61, "446");
    Table_Driver::type("450");
    Table_Driver::enter();
    QCOMPARE(Radio_Data[61][12] & 0xC0, 0x40);
    t.click(61, 2);
    Table_Driver::key(Qt::Key_Delete);
    Table_Driver::enter();
    QVERIFY(rec->texts().isEmpty());
    QCOMPARE(Radio_Data[61][12], Integer(0x02));
    QCOMPARE(Expect::Block(61, 4, 4), QList<int>(4, 0));
    QCOMPARE(t.cell(61, 2), QString("446.00000"));
}

void Test_Chann_Commits::names_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QString>("shown");

    QTest::newRow("letters and digits") << "ab-12" << false << QList<int>{12, 13, 10, 1, 2} << "AB-12";
    QTest::newRow("symbols") << "_+*" << false << QList<int>{38, 39, 40, 0xFF, 0xFF} << "_+*";
    QTest::newRow("outside the set") << "a#b" << false << QList<int>{12, 11, 13, 0xFF, 0xFF} << "A B";
    QTest::newRow("blank") << "  " << false << QList<int>(5, 0xFF) << "";
    QTest::newRow("blanks around") << " xy " << false << QList<int>{35, 36, 0xFF, 0xFF, 0xFF} << "XY";
    QTest::newRow("pasted seven") << "ABCDEFG" << true << QList<int>{12, 13, 14, 15, 16} << "ABCDE";
    QTest::newRow("pasted chinese") << "频道一" << true << QList<int>{11, 11, 11, 0xFF, 0xFF} << "   ";
}

void Test_Chann_Commits::names()
{
    QFETCH(QString, typed);
    QFETCH(bool, pasted);
    QFETCH(QList<int>, codes);
    QFETCH(QString, shown);
    Make_Channel(70, "446");
    Expect::Put_Name_Bytes(71, {1, 2, 3, 4, 5});
    Expect::Put_Name_Bytes(69, {5, 4, 3, 2, 1});
    t.click(70, 7);
    if (pasted)
        t.text->insert(typed);
    else
        Table_Driver::type(typed);
    Table_Driver::enter();
    QCOMPARE(Expect::Name_Bytes(70), codes);
    QCOMPARE(t.cell(70, 7), shown);
    QCOMPARE(Expect::Name_Bytes(71), (QList<int>{1, 2, 3, 4, 5}));
    QCOMPARE(Expect::Name_Bytes(69), (QList<int>{5, 4, 3, 2, 1}));
}

void Test_Chann_Commits::tone_items_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("index");

    QTest::newRow("decode off") << 3 << 0 << 0xFF << 0xFF;
    QTest::newRow("decode first ctcss") << 3 << 1 << 0 << 0;
    QTest::newRow("decode last ctcss") << 3 << 50 << 0 << 49;
    QTest::newRow("decode first dcs") << 3 << 51 << 1 << 0;
    QTest::newRow("decode last dcs") << 3 << 157 << 1 << 106;
    QTest::newRow("decode first inverted") << 3 << 158 << 2 << 0;
    QTest::newRow("encode last inverted") << 4 << 264 << 2 << 106;
    QTest::newRow("encode ctcss") << 4 << 13 << 0 << 12;
}

void Test_Chann_Commits::tone_items()
{
    QFETCH(int, col);
    QFETCH(int, item);
    QFETCH(int, type);
    QFETCH(int, index);
    Make_Channel(80, "446");
    Table_Driver::enter();
    const int at = col == 3 ? 8 : 10;
    const int other = col == 3 ? 10 : 8;
    Radio_Data[80][other] = 0x01;   // the other tone
    Radio_Data[80][other + 1] = 0x05;
    Radio_Data[80][at] = 0;          // a tone to change from
    Radio_Data[80][at + 1] = 7;
    Radio_Data[80][12] = 0xDE;
    Radio_Data[80][13] = 0x55;
    t.w->Fill_Chann_Row(80);
    const Expect::Image before = Expect::Snapshot();

    // pick from the open list, as with the mouse
    t.click(80, col);
    QVERIFY(t.choosing_at(80, col));
    t.combo->showPopup();
    QWidget *list = t.combo->view();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < item; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    const QString chosen = t.combo->currentText();
    QCOMPARE(chosen, item == 0 ? QString("OFF") : Tone_List[item].trimmed());

    QCOMPARE(int(Radio_Data[80][at]), type);
    QCOMPARE(int(Radio_Data[80][at + 1]), index);
    Expect::Image after = Expect::Snapshot();
    after[80][at] = before[80][at];
    after[80][at + 1] = before[80][at + 1];
    QVERIFY(after == before);

    // the cell takes the choice when it is left
    Table_Driver::enter();
    QCOMPARE(t.cell(80, col), chosen);
    QVERIFY(t.choosing_at(80, col + 1));
}

void Test_Chann_Commits::power_and_bandwidth_keep_bits()
{
    Make_Channel(90, "446");
    Table_Driver::enter();
    Radio_Data[90][12] = 0xBE;   // every other bit set, power High
    Radio_Data[90][13] = 0xF5;
    t.w->Fill_Chann_Row(90);

    t.click(90, 5);
    QCOMPARE(t.combo->currentText(), QString("High"));
    QTest::keyClick(t.combo, Qt::Key_Up);
    QCOMPARE(Radio_Data[90][12], Integer(0xBD));
    QTest::keyClick(t.combo, Qt::Key_Up);
    QCOMPARE(Radio_Data[90][12], Integer(0xBC));
    QCOMPARE(t.cell(90, 5), QString("High"));
    Table_Driver::enter();
    QCOMPARE(t.cell(90, 5), QString("Low"));

    QVERIFY(t.choosing_at(90, 6));
    QCOMPARE(t.combo->currentText(), QString("Wide"));
    QTest::keyClick(t.combo, Qt::Key_Up);
    QCOMPARE(Radio_Data[90][13], Integer(0xD5));
    QTest::keyClick(t.combo, Qt::Key_Down);
    QCOMPARE(Radio_Data[90][13], Integer(0xF5));
    QCOMPARE(Radio_Data[90][12], Integer(0xBC));
    QVERIFY(rec->texts().isEmpty());
}

void Test_Chann_Commits::normalize_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("three digits") << "145" << "145.00000";
    QTest::newRow("fraction") << "145.5" << "145.50000";
    QTest::newRow("two digits") << "70" << "70.00000";
    QTest::newRow("long kept") << "438.123456" << "438.123456";
    QTest::newRow("blank counted") << " 145" << " 14500000";
    QTest::newRow("point") << "145." << "145.00000";
}

void Test_Chann_Commits::normalize()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(frm_chann::Normalize_Freq_Text(in), out);
}

QTEST_MAIN(Test_Chann_Commits)
#include "test_chann_commits.moc"
