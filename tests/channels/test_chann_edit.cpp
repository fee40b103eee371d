// The channel edit dialog driven through its controls: showing, creating and clearing a channel,
// stepping through channels, the frequency boxes and offset, lists, switches and the name.
#include "channels/Form_Chann_Edit.h"
#include "channels/frm_chann.h"
#include "core/globals.h"
#include "core/language.h"
#include "core/models.h"
#include "prompt_recorder.h"
#include "table_driver.h"
#include "ui/host.h"

#include <QtTest>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

class Test_Chann_Edit : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opens_on_table_row();
    void show_channel_data();
    void show_channel();
    void create_channel();
    void erase_receive_clears();
    void viewing_empty_channel_keeps_name();
    void frequencies_data();
    void frequencies();
    void wrap_around();
    void channel_number_box();
    void lists_and_switches();
    void name_box();
    void name_codes_without_character();
    void activation_shows_current();
    void chinese_texts();

private:
    Form_Chann_Edit *Open_On(int n);
    void Make(int n, long long rx, long long tx, QList<int> rest);   // rest: bytes 8..13
    template<class T> T *C(const char *name) { return d->findChild<T *>(name); }
    void Leave(QWidget *box) { QTest::keyClick(box, Qt::Key_Tab); }

    Table_Driver t;
    Form_Chann_Edit *d = nullptr;
    Prompt_Recorder *rec = nullptr;
};

void Test_Chann_Edit::init()
{
    Init_Globals();
    rec = new Prompt_Recorder;
    QVERIFY(t.open());
}

void Test_Chann_Edit::cleanup()
{
    Host::Close_Open<Form_Chann_Edit>();
    Host::Close_Open<frm_chann>();
    d = nullptr;
    delete rec;
    if (Lang_Flag != 0) {
        Lang_Flag = 0;
        Install_Language();
    }
}

void Test_Chann_Edit::Make(int n, long long rx, long long tx, QList<int> rest)
{
    const QList<int> r = Expect::Freq(rx);
    const QList<int> o = Expect::Freq(tx > rx ? tx - rx : rx - tx);
    for (int i = 0; i < 4; ++i) {
        Radio_Data[n][i] = Integer(r[i]);
        Radio_Data[n][4 + i] = Integer(o[i]);
    }
    for (int i = 0; i < 6; ++i)
        Radio_Data[n][8 + i] = Integer(rest.value(i));
    Radio_Data[n][12] = Integer((Radio_Data[n][12] & 0x3F) | (tx > rx ? 0x40 : tx < rx ? 0x80 : 0));
    Radio_Data[n][14] = Radio_Data[n][15] = 0xFF;
}

Form_Chann_Edit *Test_Chann_Edit::Open_On(int n)
{
    t.click(n, 0);
    QTest::mouseClick(t.w->findChild<QPushButton *>("Command_Edit"), Qt::LeftButton);
    d = Host::Find<Form_Chann_Edit>();
    if (d) {
        if (!Activate(d))
            return nullptr;
    }
    return d;
}

void Test_Chann_Edit::opens_on_table_row()
{
    QVERIFY(Open_On(17));
    QCOMPARE(Cur_Chann, Integer(17));
    QCOMPARE(C<QLineEdit>("Text_CHN")->text(), QString("17"));
    QCOMPARE(C<QScrollBar>("VScroll1")->value(), 17);
    QCOMPARE(C<QScrollBar>("VScroll1")->minimum(), 0);
    QCOMPARE(C<QScrollBar>("VScroll1")->maximum(), 129);
    QCOMPARE(t.w->windowTitle(), QString("Channel Information [ Channel -  17 ]"));

    QCOMPARE(d->windowTitle(), QString("Channel Edit"));
    const struct
    {
        const char *name;
        const char *text;
    } texts[] = {{"Label_CHN", "Channel"},          {"Label_RX_freq", "Receive Frequency "},
                 {"Label_TX_freq", "Transmit Frequency"}, {"Label_Decode", "QT/DQT Decode"},
                 {"Label_Encode", "QT/DQT Encode"},  {"Label_TXP", "TX Power"},
                 {"Label_WN", "Wide/Narror"},        {"Label_Name", "Channel Name"}};
    for (const auto &x : texts)
        QCOMPARE(C<QLabel>(x.name)->text(), QString(x.text));
    QCOMPARE(C<QCheckBox>("Check_VOX")->text(), QString("VOX"));
    QCOMPARE(C<QCheckBox>("Check_Bcl")->text(), QString("BCL"));
    QCOMPARE(C<QCheckBox>("Check_Scan")->text(), QString("Scan Add"));
    QCOMPARE(C<QCheckBox>("Check_TxStop")->text(), QString("TX Stop"));
    QCOMPARE(C<QPushButton>("Command_Close")->text(), QString("Close"));
    QCOMPARE(C<QPushButton>("Command_Help")->text(), QString("Help"));

    const QSize main = Host::Main_Size();
    QVERIFY(d->width() >= int(main.width() / 1.5));
    QVERIFY(d->height() >= int(main.height() / 1.25));

    // an empty channel: only the receive box can be used
    QVERIFY(C<QLineEdit>("Text_RX_Freq")->isEnabled());
    for (const char *name : {"Text_TX_Freq", "Combo_Decode", "Combo_Encode", "Combo_TXP", "Combo_WN", "Text_Name",
                             "Check_VOX", "Check_Bcl", "Check_Scan", "Check_TxStop"})
        QVERIFY2(!C<QWidget>(name)->isEnabled(), name);
    QCOMPARE(C<QComboBox>("Combo_Decode")->count(), 0);

    // Help does nothing, Close closes
    const Expect::Image before = Expect::Snapshot();
    QTest::mouseClick(C<QPushButton>("Command_Help"), Qt::LeftButton);
    QVERIFY(Expect::Snapshot() == before);
    QTest::mouseClick(C<QPushButton>("Command_Close"), Qt::LeftButton);
    QApplication::processEvents();
    QVERIFY(!Host::Find<Form_Chann_Edit>());
    QVERIFY(Expect::Snapshot() == before);
}

void Test_Chann_Edit::show_channel_data()
{
    QTest::addColumn<QList<int>>("bytes");   // 0..13
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("tx");
    QTest::addColumn<int>("decode");
    QTest::addColumn<int>("encode");
    QTest::addColumn<int>("power");
    QTest::addColumn<int>("wide");
    QTest::addColumn<QList<bool>>("checks");   // VOX, BCL, Scan, TX Stop
    QTest::addColumn<int>("byte12_after");

    QTest::newRow("down shift, all switches")
        << QList<int>{0, 0, 0x85, 0x43, 0, 0, 0x72, 0, 0, 5, 2, 3, 0x81, 0xF0} << "438.50000" << "431.30000" << 6
        << 161 << 1 << 1 << QList<bool>{true, true, true, true} << 0x81;
    QTest::newRow("no switches, scan off") << QList<int>{0, 0, 0x85, 0x43, 0, 0, 0, 0, 0xFF, 0xFF, 1, 0, 0x06, 0x0F}
                                           << "438.50000" << "438.50000" << 0 << 51 << 2 << 0
                                           << QList<bool>{false, false, false, false} << 0x06;
    QTest::newRow("dcs index past the end") << QList<int>{0, 0, 0x85, 0x43, 0, 0, 0, 0, 1, 200, 0, 0xFF, 0x02, 0x20}
                                            << "438.50000" << "438.50000" << 157 << 50 << 2 << 1
                                            << QList<bool>{false, false, true, false} << 0x02;
    QTest::newRow("unknown tone kind, power 3")
        << QList<int>{0, 0, 0x85, 0x43, 0, 0, 0, 0, 7, 3, 0xFF, 3, 0x03, 0x20} << "438.50000" << "438.50000" << -1
        << 0 << -1 << 1 << QList<bool>{false, false, true, false} << 0x03;
    QTest::newRow("both shift bits") << QList<int>{0, 0, 0x85, 0x43, 0, 0, 0x50, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xC2, 0x20}
                                     << "438.50000" << "438.50000" << 0 << 0 << 2 << 1
                                     << QList<bool>{false, false, true, false} << 0xC2;
    QTest::newRow("shift out of band dropped")
        << QList<int>{0, 0, 0x85, 0x46, 0, 0, 0, 0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0x42, 0x20} << "468.50000"
        << "468.50000" << 0 << 0 << 2 << 1 << QList<bool>{false, false, true, false} << 0x02;
}

void Test_Chann_Edit::show_channel()
{
    QFETCH(QList<int>, bytes);
    QFETCH(QString, rx);
    QFETCH(QString, tx);
    QFETCH(int, decode);
    QFETCH(int, encode);
    QFETCH(int, power);
    QFETCH(int, wide);
    QFETCH(QList<bool>, checks);
    QFETCH(int, byte12_after);
    for (int i = 0; i < 14; ++i)
        Radio_Data[21][i] = Integer(bytes[i]);
    Expect::Put_Name_Bytes(21, {22, 24, 12, 0xFF, 0xFF});
    QVERIFY(Open_On(21));

    QCOMPARE(C<QLineEdit>("Text_RX_Freq")->text(), rx);
    QCOMPARE(C<QLineEdit>("Text_TX_Freq")->text(), tx);
    QCOMPARE(C<QComboBox>("Combo_Decode")->count(), 265);
    QCOMPARE(C<QComboBox>("Combo_Decode")->itemText(0), QString("OFF"));
    QCOMPARE(C<QComboBox>("Combo_Decode")->itemText(1), QString("67.0"));
    QCOMPARE(C<QComboBox>("Combo_Decode")->currentIndex(), decode);
    QCOMPARE(C<QComboBox>("Combo_Encode")->currentIndex(), encode);
    QCOMPARE(C<QComboBox>("Combo_TXP")->currentIndex(), power);
    QCOMPARE(C<QComboBox>("Combo_WN")->currentIndex(), wide);
    QCOMPARE(C<QCheckBox>("Check_VOX")->isChecked(), checks[0]);
    QCOMPARE(C<QCheckBox>("Check_Bcl")->isChecked(), checks[1]);
    QCOMPARE(C<QCheckBox>("Check_Scan")->isChecked(), checks[2]);
    QCOMPARE(C<QCheckBox>("Check_TxStop")->isChecked(), checks[3]);
    QCOMPARE(C<QLineEdit>("Text_Name")->text(), QString("KMA"));
    for (const char *name : {"Text_TX_Freq", "Combo_Decode", "Combo_Encode", "Combo_TXP", "Combo_WN", "Text_Name",
                             "Check_VOX", "Check_Bcl", "Check_Scan", "Check_TxStop"})
        QVERIFY2(C<QWidget>(name)->isEnabled(), name);

    // showing changes nothing but a shift that left the band
    QCOMPARE(int(Radio_Data[21][12]), byte12_after);
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13})
        QCOMPARE(int(Radio_Data[21][i]), bytes[i]);
    QCOMPARE(Expect::Name_Bytes(21), (QList<int>{22, 24, 12, 0xFF, 0xFF}));
}

void Test_Chann_Edit::create_channel()
{
    Put_Range(136, 174);
    Recompute_Band();
    Expect::Put_Name_Bytes(5, {1, 2, 3, 4, 5});   // a name kept from a deleted channel
    QVERIFY(Open_On(5));
    const Expect::Image before = Expect::Snapshot();
    auto *rx = C<QLineEdit>("Text_RX_Freq");
    rx->setFocus();
    QTest::keyClicks(rx, "145.5");
    QVERIFY(C<QLineEdit>("Text_TX_Freq")->isEnabled());
    Leave(rx);
    QVERIFY(rec->texts().isEmpty());
    QCOMPARE(Expect::Block(5, 0, 16),
             (QList<int>{0x00, 0x00, 0x55, 0x14, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x06, 0x00, 0xFF, 0xFF}));
    QCOMPARE(Expect::Name_Bytes(5), QList<int>(5, 0xFF));
    Expect::Image after = Expect::Snapshot();
    after[5] = before[5];
    for (int b = 160; b < 200; ++b)
        after[b] = before[b];
    QVERIFY(after == before);

    QCOMPARE(C<QLineEdit>("Text_TX_Freq")->text(), QString("145.50000"));
    QCOMPARE(C<QComboBox>("Combo_TXP")->currentText(), QString("High"));
    QCOMPARE(C<QComboBox>("Combo_WN")->currentText(), QString("Narrow"));
    QCOMPARE(C<QComboBox>("Combo_Decode")->currentText(), QString("OFF"));
    QVERIFY(!C<QCheckBox>("Check_Scan")->isChecked());
    for (const char *name : {"Text_TX_Freq", "Combo_Decode", "Combo_TXP", "Text_Name", "Check_VOX"})
        QVERIFY2(C<QWidget>(name)->isEnabled(), name);

    // the table shows the new channel when it comes to the front
    QVERIFY(Activate(t.w));
    QCOMPARE(t.cell(5, 1), QString("145.50000"));
    QCOMPARE(t.cell(5, 6), QString("Narrow"));
}

void Test_Chann_Edit::erase_receive_clears()
{
    Make(6, 44650000, 44650000, {0, 3, 0xFF, 0xFF, 0x02, 0x20});
    Expect::Put_Name_Bytes(6, {12, 13, 0xFF, 0xFF, 0xFF});
    Expect::Put_Name_Bytes(7, {14, 15, 0xFF, 0xFF, 0xFF});
    QVERIFY(Open_On(6));
    auto *rx = C<QLineEdit>("Text_RX_Freq");
    rx->setFocus();
    rx->selectAll();
    QTest::keyClick(rx, Qt::Key_Delete);
    Leave(rx);
    QVERIFY(rec->texts().isEmpty());
    QCOMPARE(Expect::Block(6, 0, 16), QList<int>(16, 0xFF));
    QCOMPARE(Expect::Name_Bytes(6), QList<int>(5, 0xFF));
    QCOMPARE(Expect::Name_Bytes(7), (QList<int>{14, 15, 0xFF, 0xFF, 0xFF}));
    QVERIFY(rx->isEnabled());
    for (const char *name : {"Text_TX_Freq", "Combo_Decode", "Combo_Encode", "Combo_TXP", "Combo_WN", "Text_Name",
                             "Check_VOX", "Check_Bcl", "Check_Scan", "Check_TxStop"})
        QVERIFY2(!C<QWidget>(name)->isEnabled(), name);
    QVERIFY(C<QLineEdit>("Text_Name")->text().isEmpty());
    QCOMPARE(C<QComboBox>("Combo_TXP")->count(), 0);
}

void Test_Chann_Edit::viewing_empty_channel_keeps_name()
{
    Make(1, 44650000, 44650000, {0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x20});
    Expect::Put_Name_Bytes(1, {12, 0xFF, 0xFF, 0xFF, 0xFF});
    Expect::Put_Name_Bytes(2, {20, 20, 0xFF, 0xFF, 0xFF});   // channel 2 is empty but keeps a name
    QVERIFY(Open_On(1));
    QCOMPARE(C<QLineEdit>("Text_Name")->text(), QString("A"));
    C<QScrollBar>("VScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(Cur_Chann, Integer(2));
    QVERIFY(C<QLineEdit>("Text_Name")->text().isEmpty());
    QCOMPARE(Expect::Name_Bytes(2), (QList<int>{20, 20, 0xFF, 0xFF, 0xFF}));
    QCOMPARE(Expect::Name_Bytes(1), (QList<int>{12, 0xFF, 0xFF, 0xFF, 0xFF}));
    QCOMPARE(Expect::Block(2, 0, 16), QList<int>(16, 0xFF));
}

void Test_Chann_Edit::frequencies_data()
{
    QTest::addColumn<QString>("box");      // the box typed into
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<long long>("rx");     // expected, 10 Hz steps
    QTest::addColumn<int>("direction");
    QTest::addColumn<long long>("offset");
    QTest::addColumn<QString>("tx_shown");

    // the channel starts at 438.5 receive with transmit 431.3
    QTest::newRow("transmit below") << "Text_TX_Freq" << "431.3" << "" << 43850000LL << 2 << 720000LL << "431.30000";
    QTest::newRow("transmit above") << "Text_TX_Freq" << "440.00625" << "" << 43850000LL << 1 << 150625LL
                                    << "440.00625";
    QTest::newRow("transmit equal") << "Text_TX_Freq" << "438.5" << "" << 43850000LL << 0 << 0LL << "438.50000";
    QTest::newRow("transmit blank") << "Text_TX_Freq" << "" << "" << 43850000LL << 0 << 0LL << "438.50000";
    QTest::newRow("transmit above band") << "Text_TX_Freq" << "471" << "Over the range of Transmit frequency ."
                                         << 43850000LL << 2 << 3850000LL << "400.00000";
    QTest::newRow("transmit leading zero") << "Text_TX_Freq" << "0431" << "Over the range of Transmit frequency ."
                                           << 43850000LL << 2 << 3850000LL << "400.00000";
    QTest::newRow("receive keeps transmit") << "Text_RX_Freq" << "430" << "" << 43000000LL << 1 << 130000LL
                                            << "431.30000";
    QTest::newRow("receive onto transmit") << "Text_RX_Freq" << "431.3" << "" << 43130000LL << 0 << 0LL
                                           << "431.30000";
    QTest::newRow("receive below band") << "Text_RX_Freq" << "399" << "Over the range of receive frequency ."
                                        << 40000000LL << 1 << 3130000LL << "431.30000";
    QTest::newRow("receive pasted dots") << "Text_RX_Freq" << "1.2.3" << "Over the range of receive frequency ."
                                         << 40000000LL << 1 << 3130000LL << "431.30000";
}

void Test_Chann_Edit::frequencies()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, warning);
    QFETCH(long long, rx);
    QFETCH(int, direction);
    QFETCH(long long, offset);
    QFETCH(QString, tx_shown);
    Make(30, 43850000, 43130000, {0, 1, 0xFF, 0xFF, 0x3E, 0x2A});
    QVERIFY(Open_On(30));
    auto *e = C<QLineEdit>(qPrintable(box));
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, typed);
    Leave(e);
    QCOMPARE(rec->texts(), warning.isEmpty() ? QStringList{} : QStringList{warning});
    QCOMPARE(Expect::Block(30, 0, 4), Expect::Freq(rx));
    QCOMPARE((Radio_Data[30][12] & 0xC0) >> 6, direction);
    QCOMPARE(Radio_Data[30][12] & 0x3F, 0x3E);
    QCOMPARE(Expect::Block(30, 4, 4), Expect::Freq(offset));
    QCOMPARE(Expect::Block(30, 8, 8), (QList<int>{0, 1, 0xFF, 0xFF, Radio_Data[30][12], 0x2A, 0xFF, 0xFF}));
    QCOMPARE(C<QLineEdit>("Text_TX_Freq")->text(), tx_shown);
}

void Test_Chann_Edit::wrap_around()
{
    QVERIFY(Open_On(1));
    auto *bar = C<QScrollBar>("VScroll1");
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(Cur_Chann, Integer(128));
    QCOMPARE(bar->value(), 128);
    QCOMPARE(C<QLineEdit>("Text_CHN")->text(), QString("128"));
    QCOMPARE(t.w->windowTitle(), QString("Channel Information [ Channel -  128 ]"));
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(Cur_Chann, Integer(1));
    QCOMPARE(C<QLineEdit>("Text_CHN")->text(), QString("1"));
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(Cur_Chann, Integer(2));
    QCOMPARE(t.w->windowTitle(), QString("Channel Information [ Channel -  2 ]"));
}

void Test_Chann_Edit::channel_number_box()
{
    Make(77, 44600000, 44600000, {0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x20});
    QVERIFY(Open_On(3));
    auto *box = C<QLineEdit>("Text_CHN");
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);   // keys that type nothing are not filtered
    QVERIFY(box->text().isEmpty());
    QCOMPARE(Cur_Chann, Integer(3));

    QTest::keyClicks(box, "7a.7");
    QCOMPARE(box->text(), QString("77"));
    QCOMPARE(Cur_Chann, Integer(77));
    QCOMPARE(C<QLineEdit>("Text_RX_Freq")->text(), QString("446.00000"));
    QCOMPARE(C<QComboBox>("Combo_TXP")->currentText(), QString("Mid"));
    QCOMPARE(C<QScrollBar>("VScroll1")->value(), 77);
    QCOMPARE(t.w->windowTitle(), QString("Channel Information [ Channel -  77 ]"));

    QTest::keyClick(box, Qt::Key_Backspace);   // refused
    QCOMPARE(box->text(), QString("77"));
    box->setText("12");
    QTest::keyClick(box, Qt::Key_9);   // 129 would be past the last channel
    QCOMPARE(box->text(), QString("12"));
    QTest::keyClick(box, Qt::Key_8);
    QCOMPARE(Cur_Chann, Integer(128));
    // a digit typed over the selection counts what it leaves
    box->selectAll();
    QTest::keyClick(box, Qt::Key_5);
    QCOMPARE(box->text(), QString("5"));
    QCOMPARE(Cur_Chann, Integer(5));
    box->setText("128");

    // no channel 0: the box holds it only until it is left
    box->setText("0");
    QCOMPARE(Cur_Chann, Integer(128));
    Leave(box);
    QCOMPARE(box->text(), QString("128"));
    QCOMPARE(Cur_Chann, Integer(128));
    QVERIFY(rec->texts().isEmpty());
}

void Test_Chann_Edit::lists_and_switches()
{
    Make(40, 44600000, 44600000, {0, 4, 1, 9, 0x02, 0x20});
    QVERIFY(Open_On(40));
    const auto pick = [](QComboBox *c, int pos) {
        c->setFocus();
        c->showPopup();
        QTest::keyClick(c->view(), Qt::Key_Home);
        for (int i = 0; i < pos; ++i)
            QTest::keyClick(c->view(), Qt::Key_Down);
        QTest::keyClick(c->view(), Qt::Key_Return);
    };
    pick(C<QComboBox>("Combo_Decode"), 0);
    QCOMPARE(Expect::Block(40, 8, 4), (QList<int>{0xFF, 0xFF, 1, 9}));
    pick(C<QComboBox>("Combo_Encode"), 158);
    QCOMPARE(Expect::Block(40, 8, 4), (QList<int>{0xFF, 0xFF, 2, 0}));
    pick(C<QComboBox>("Combo_Decode"), 50);
    QCOMPARE(Expect::Block(40, 8, 2), (QList<int>{0, 49}));
    pick(C<QComboBox>("Combo_Decode"), 51);
    QCOMPARE(Expect::Block(40, 8, 2), (QList<int>{1, 0}));

    Radio_Data[40][12] = 0xFA;   // unrelated bits set
    Radio_Data[40][13] = 0x0F;
    pick(C<QComboBox>("Combo_TXP"), 1);
    QCOMPARE(Radio_Data[40][12], Integer(0xF9));
    pick(C<QComboBox>("Combo_WN"), 1);
    QCOMPARE(Radio_Data[40][13], Integer(0x2F));
    pick(C<QComboBox>("Combo_WN"), 0);
    QCOMPARE(Radio_Data[40][13], Integer(0x0F));

    // typing never picks an entry
    QTest::keyClicks(C<QComboBox>("Combo_TXP"), "High");
    QCOMPARE(C<QComboBox>("Combo_TXP")->currentText(), QString("Mid"));
    QCOMPARE(Radio_Data[40][12], Integer(0xF9));

    const struct
    {
        const char *name;
        int byte;
        int mask;
        bool set_when_ticked;
    } switches[] = {{"Check_VOX", 13, 0x40, true},
                    {"Check_Bcl", 13, 0x80, true},
                    {"Check_Scan", 12, 0x04, false},
                    {"Check_TxStop", 13, 0x10, true}};
    for (const auto &s : switches) {
        auto *box = C<QCheckBox>(s.name);
        const int other = Radio_Data[40][s.byte] & ~s.mask;
        for (int round = 0; round < 2; ++round) {
            QTest::mouseClick(box, Qt::LeftButton);
            const bool bit = Radio_Data[40][s.byte] & s.mask;
            QCOMPARE(bit, box->isChecked() == s.set_when_ticked);
            QCOMPARE(Radio_Data[40][s.byte] & ~s.mask, other);
        }
    }
    QVERIFY(rec->texts().isEmpty());
}

void Test_Chann_Edit::name_box()
{
    Make(50, 44600000, 44600000, {0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x20});
    QVERIFY(Open_On(50));
    auto *name = C<QLineEdit>("Text_Name");
    name->setFocus();
    QTest::keyClicks(name, "ab1");
    QCOMPARE(Expect::Name_Bytes(50), (QList<int>{12, 13, 1, 0xFF, 0xFF}));   // written on every change
    QTest::keyClicks(name, "cdef");
    QCOMPARE(name->text(), QString("ab1cd"));
    QTest::keyClick(name, Qt::Key_Backspace);   // refused too while the box is full
    QCOMPARE(name->text(), QString("ab1cd"));
    QCOMPARE(Expect::Name_Bytes(50), (QList<int>{12, 13, 1, 14, 15}));
    Leave(name);
    QCOMPARE(name->text(), QString("AB1CD"));
    // typed over a selection, a key replaces it
    name->setFocus();
    name->setSelection(3, 2);
    QTest::keyClicks(name, "xyz");
    QCOMPARE(name->text(), QString("AB1xy"));

    // a pasted long name stores its first five characters
    name->setFocus();
    name->selectAll();
    name->insert("longname");
    QCOMPARE(Expect::Name_Bytes(50), (QList<int>{23, 26, 25, 18, 25}));
    Leave(name);
    QCOMPARE(name->text(), QString("LONGN"));
    QVERIFY(Activate(t.w));
    QCOMPARE(t.cell(50, 7), QString("LONGN"));
}

void Test_Chann_Edit::name_codes_without_character()
{
    Make(3, 44600000, 44600000, {0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x20});
    Expect::Put_Name_Bytes(3, {12, 13, 50, 14, 15});
    QVERIFY(Open_On(3));
    QCOMPARE(C<QLineEdit>("Text_Name")->text(), QString("ABCD"));
    QCOMPARE(Expect::Name_Bytes(3), (QList<int>{12, 13, 14, 15, 0xFF}));
}

void Test_Chann_Edit::activation_shows_current()
{
    Make(8, 44600000, 44600000, {0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x20});
    Make(9, 44700000, 44700000, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x20});
    QVERIFY(Open_On(8));
    QCOMPARE(C<QComboBox>("Combo_TXP")->currentText(), QString("High"));

    // an edit in the table and a click on another row appear when the dialog comes back
    QVERIFY(Activate(t.w));
    t.click(9, 1);
    Table_Driver::type("448");
    Table_Driver::enter();
    QVERIFY(Activate(d));
    QCOMPARE(C<QLineEdit>("Text_CHN")->text(), QString("9"));
    QCOMPARE(C<QScrollBar>("VScroll1")->value(), 9);
    QCOMPARE(C<QLineEdit>("Text_RX_Freq")->text(), QString("448.00000"));
    QCOMPARE(C<QComboBox>("Combo_TXP")->currentText(), QString("Low"));
}

void Test_Chann_Edit::chinese_texts()
{
    Host::Close_Open<frm_chann>();
    Lang_Flag = -1;
    Install_Language();
    QVERIFY(t.open());
    Make(4, 44600000, 44600000, {0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x20});
    QVERIFY(Open_On(4));
    QCOMPARE(d->windowTitle(), QString("信道编辑"));
    const struct
    {
        const char *name;
        const char *text;
    } texts[] = {{"Label_CHN", "信道"},          {"Label_RX_freq", "接收频率"}, {"Label_TX_freq", "发射频率"},
                 {"Label_Decode", "QT/DQT 解码"}, {"Label_Encode", "QT/DQT 编码"}, {"Label_TXP", "发射功率"},
                 {"Label_WN", "宽带/窄带"},      {"Label_Name", "信道名称"}};
    for (const auto &x : texts)
        QCOMPARE(C<QLabel>(x.name)->text(), QString::fromUtf8(x.text));
    QCOMPARE(C<QCheckBox>("Check_VOX")->text(), QString("声控发射"));
    QCOMPARE(C<QCheckBox>("Check_Bcl")->text(), QString("繁忙锁定"));
    QCOMPARE(C<QCheckBox>("Check_Scan")->text(), QString("扫描添加"));
    QCOMPARE(C<QCheckBox>("Check_TxStop")->text(), QString("禁止发射"));
    QCOMPARE(C<QPushButton>("Command_Close")->text(), QString("关闭"));
    QCOMPARE(C<QPushButton>("Command_Help")->text(), QString("帮助"));
    QCOMPARE(C<QComboBox>("Combo_Decode")->itemText(0), QString("关"));
    QCOMPARE(C<QComboBox>("Combo_Decode")->itemText(1), QString("67.0"));
    QCOMPARE(C<QComboBox>("Combo_TXP")->itemText(0), QString("低"));
    QCOMPARE(C<QComboBox>("Combo_TXP")->currentText(), QString("高"));
    QCOMPARE(C<QComboBox>("Combo_WN")->itemText(0), QString("窄带"));
    QCOMPARE(C<QComboBox>("Combo_WN")->itemText(1), QString("宽带"));

    auto *rx = C<QLineEdit>("Text_RX_Freq");
    rx->setFocus();
    rx->selectAll();
    QTest::keyClicks(rx, "480");
    Leave(rx);
    auto *tx = C<QLineEdit>("Text_TX_Freq");
    tx->setFocus();
    tx->selectAll();
    QTest::keyClicks(tx, "480");
    Leave(tx);
    QCOMPARE(rec->texts(), (QStringList{"接收频率超出范围 ！", "发射频率超出范围 ！"}));
    QCOMPARE(rec->titles(), (QStringList{"操作提示", "操作提示"}));

    C<QScrollBar>("VScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(t.w->windowTitle(), QString("信道参数编辑 [ 信道 -  5 ]"));
}

QTEST_MAIN(Test_Chann_Edit)
#include "test_chann_edit.moc"
