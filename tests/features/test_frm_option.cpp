// The optional features window driven through its widgets: what it shows of an image, what each
// control writes, the key rules and the checks on leaving a box.
#include "core/codecs.h"
#include "core/globals.h"
#include "core/image.h"
#include "core/language.h"
#include "core/models.h"
#include "features/frm_option.h"
#include "prompt_recorder.h"
#include "shell/Form_type.h"
#include "shell/MDImain.h"

#include <QtTest>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>

namespace {

QString Bytes(int block, int from, int count)
{
    QStringList out;
    for (int i = from; i < from + count; ++i)
        out.append(QString::asprintf("%02X", Radio_Data[block][i] & 0xFF));
    return out.join(QLatin1Char(' '));
}

const char *const Range_Title = "Operate Prompt";

} // namespace

class Test_Frm_Option : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void new_image_view();
    void stored_values_past_the_lists_data();
    void stored_values_past_the_lists();
    void fill_leaves_the_image();
    void fill_resets_a_direction_outside_the_band();
    void list_writes_data();
    void list_writes();
    void check_box_writes_data();
    void check_box_writes();
    void typing_into_lists_data();
    void typing_into_lists();
    void lists_without_key_handler();
    void work_mode();
    void only_channel_mode();
    void only_channel_mode_on_fill();
    void receive_frequency_data();
    void receive_frequency();
    void receive_frequency_keys();
    void duplex();
    void receive_frequency_resets_direction();
    void tone_lists();
    void offset_while_typing();
    void offset_on_leaving();
    void offset_checks_transmit_frequency();
    void working_range_data();
    void working_range();
    void working_range_recheck();
    void power_on_mode();
    void power_on_message();
    void password();
    void key_lock_keeps_receive_enabled();
    void reload_on_activation();
    void reload_as_child_window();
    void close_and_reopen();
    void chinese_texts();
    void layout();

private:
    template<class T> T *F(const char *name)
    {
        T *c = w->findChild<T *>(QLatin1String(name));
        if (!c)
            qFatal("no control %s", name);
        return c;
    }
    QComboBox *L(const char *name) { return F<QComboBox>(name); }
    QLineEdit *E(const char *name) { return F<QLineEdit>(name); }
    QCheckBox *C(const char *name) { return F<QCheckBox>(name); }
    void Open();
    void Choose(QComboBox *list, int index);
    void Click(QAbstractButton *button);
    void Type(QLineEdit *box, const QString &text);
    void Leave();
    void Activate_Again();
    void Grab(const QString &name);

    frm_option *w = nullptr;
    Prompt_Recorder *rec = nullptr;
};

void Test_Frm_Option::init()
{
    Init_Globals();
    rec = new Prompt_Recorder;
}

void Test_Frm_Option::cleanup()
{
    if (w)
        w->close();
    QTRY_VERIFY(!w);   // deleted on close
    delete rec;
    rec = nullptr;
    if (Lang_Flag != 0) {
        Lang_Flag = 0;
        Install_Language();
    }
}

void Test_Frm_Option::Open()
{
    w = frm_option::Open();
    connect(w, &QObject::destroyed, this, [this] { w = nullptr; });
    QVERIFY(QTest::qWaitForWindowActive(w));
}

// Picks an item the way a user does: open the list, move to the item and press Enter.
void Test_Frm_Option::Choose(QComboBox *list, int index)
{
    list->showPopup();
    QAbstractItemView *view = list->view();
    QTRY_VERIFY(view->isVisible());
    view->setCurrentIndex(view->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
}

// Clicks a check box or option button on its box, where a user clicks.
void Test_Frm_Option::Click(QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const bool radio = qobject_cast<QRadioButton *>(button) != nullptr;
    const QRect box = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
    QTest::mouseClick(button, Qt::LeftButton, {}, box.center());
}

// Replaces a box's text by typing, as a user who selects it all first.
void Test_Frm_Option::Type(QLineEdit *box, const QString &text)
{
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

// Moves the focus to a control that has no handler of its own.
void Test_Frm_Option::Leave()
{
    QTest::mouseClick(F<QPushButton>("Command_Help"), Qt::LeftButton);
}

void Test_Frm_Option::Activate_Again()
{
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    other.hide();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

void Test_Frm_Option::new_image_view()
{
    Open();
    QCOMPARE(w->windowTitle(), QString("Optional Features"));
    QCOMPARE(int(Option_Open), -1);

    const QList<QPair<const char *, const char *>> lists = {
        {"Combo_Sql", "5"},      {"Combo_Scan", "CO"},       {"Combo_Mdf", "Frequncy"},
        {"Combo_Lamp", "Key"},   {"Combo_TOT", "3"},         {"Combo_APO", "Off"},
        {"Combo_VOX_lever", "5"}, {"Combo_VOX_Delay_Time", "4"}, {"Combo_KL_Mode", "Key&UPDN"},
        {"Combo_Decode", "OFF"}, {"Combo_Encode", "OFF"},     {"Combo_Step", "5K"},
        {"Combo_Sft_d", "Off"},  {"Combo_WN", "Wide"},        {"Combo_TXP", "High"},
        {"Combo_Pon_Mode", "Off"}};
    for (const auto &l : lists)
        QVERIFY2(L(l.first)->currentText() == QLatin1String(l.second), l.first);

    const QList<QPair<const char *, bool>> checks = {
        {"Check_Menu", true},     {"Check_ROGER", false},  {"Check_FM_STRX", true},
        {"Check_Save", true},     {"Check_Beep", true},    {"Check_VOX_ReceStop", false},
        {"Check_TxStop", false},  {"Check_VOX_SW", false}, {"Check_Bcl", false},
        {"Check_DNI", false},     {"Check_ENI", false},    {"Check_Only_Chann", false},
        {"Check_Pon_PWD", false}};
    for (const auto &c : checks)
        QVERIFY2(C(c.first)->isChecked() == c.second, c.first);

    QCOMPARE(E("Text_RX_Freq")->text(), QString("462.01250"));
    QCOMPARE(E("Text_Offset_Freq")->text(), QString("10.00000"));
    QCOMPARE(E("Text_pvfo_d0")->text(), QString("400"));
    QCOMPARE(E("Text_pvfo_d1")->text(), QString("470"));
    QCOMPARE(E("Text_Pon_Msg")->text(), QString("HELLO"));
    QVERIFY(!E("Text_Pon_Msg")->isEnabled());
    QCOMPARE(E("Text_Pon_PWD")->text(), QString());
    QVERIFY(!E("Text_Pon_PWD")->isEnabled());
    QVERIFY(F<QRadioButton>("Option_freq")->isChecked());
    QVERIFY(!F<QRadioButton>("Option_chann")->isChecked());
    QVERIFY(F<QRadioButton>("Option_freq")->isEnabled());
    QVERIFY(F<QRadioButton>("Option_chann")->isEnabled());

    // never visible, never usable; the INV boxes only indicate
    QVERIFY(C("Check_VOX_ReceStop")->isHidden());
    QVERIFY(!C("Check_VOX_ReceStop")->isEnabled());
    QVERIFY(!C("Check_DNI")->isEnabled());
    QVERIFY(!C("Check_ENI")->isEnabled());

    // lists in order
    QCOMPARE(L("Combo_TOT")->count(), 8);
    QCOMPARE(L("Combo_TOT")->itemText(7), QString("7"));
    QCOMPARE(L("Combo_APO")->count(), 16);
    QCOMPARE(L("Combo_APO")->itemText(15), QString("15"));
    QCOMPARE(L("Combo_Sql")->itemText(0), QString("0"));
    QCOMPARE(L("Combo_Lamp")->itemText(2), QString("Cont"));
    QCOMPARE(L("Combo_Scan")->itemText(2), QString("SE"));
    QCOMPARE(L("Combo_KL_Mode")->itemText(3), QString("ALL"));
    QCOMPARE(L("Combo_VOX_lever")->count(), 8);
    QCOMPARE(L("Combo_VOX_Delay_Time")->count(), 4);
    QCOMPARE(L("Combo_Step")->itemText(7), QString("100K"));
    QCOMPARE(L("Combo_Decode")->count(), 265);
    QCOMPARE(L("Combo_Decode")->itemText(1), QString("67.0"));
    QCOMPARE(L("Combo_Decode")->itemText(158), QString("D017I"));
    QCOMPARE(L("Combo_Encode")->itemText(157), QString("D754N"));

    // the fill changed only the VOX inhibit bit: 0x71 becomes 0x61
    QCOMPARE(int(Radio_Data[Option_Block][1]), 0x61);
    QCOMPARE(Bytes(Option_Block, 0, 13), QString("05 61 81 03 00 04 03 00 00 00 00 00 00"));
    QCOMPARE(Bytes(Vfo_Block, 0, 16), QString("50 12 20 46 00 00 00 01 FF FF FF FF 02 20 FF FF"));
    QCOMPARE(Bytes(PowerOn_Block, 0, 9), QString("FF FF FF FF 13 10 17 17 1A"));
    QCOMPARE(Bytes(Range_Block, 0, 4), QString("00 40 00 47"));
    QVERIFY(rec->texts().isEmpty());
}

void Test_Frm_Option::stored_values_past_the_lists_data()
{
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("first");
    QTest::addColumn<QString>("stored");   // bytes from `first` on
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("after");    // the same bytes after the fill

    QTest::newRow("TOT 0xFF") << Option_Block << 3 << "FF" << "Combo_TOT" << "7" << "07";
    QTest::newRow("squelch 12") << Option_Block << 0 << "0C" << "Combo_Sql" << "9" << "09";
    QTest::newRow("APO 16") << Option_Block << 4 << "10" << "Combo_APO" << "15" << "0F";
    QTest::newRow("VOX level 9") << Option_Block << 5 << "09" << "Combo_VOX_lever" << "8" << "07";
    QTest::newRow("VOX delay 4") << Option_Block << 6 << "04" << "Combo_VOX_Delay_Time" << "4" << "03";
    QTest::newRow("scan 3") << Option_Block << 1 << "73" << "Combo_Scan" << "SE" << "62";
    QTest::newRow("back light 3") << Option_Block << 2 << "83" << "Combo_Lamp" << "Cont" << "82";
    QTest::newRow("power-on mode 3") << Option_Block << 2 << "B1" << "Combo_Pon_Mode" << "MSG" << "A1";
    QTest::newRow("key lock 0x7F") << Option_Block << 7 << "7F" << "Combo_KL_Mode" << "ALL" << "03";
    QTest::newRow("key lock 5, receive on") << Option_Block << 7 << "85" << "Combo_KL_Mode" << "ALL" << "83";
    QTest::newRow("key lock 2, receive on") << Option_Block << 7 << "82" << "Combo_KL_Mode" << "Key" << "82";
    QTest::newRow("power 3") << Vfo_Block << 12 << "03" << "Combo_TXP" << "High" << "02";
    QTest::newRow("direction 3") << Vfo_Block << 12 << "C2" << "Combo_Sft_d" << "Minus" << "82";
    QTest::newRow("decode 00 FF") << Vfo_Block << 8 << "00 FF" << "Combo_Decode" << "254.1" << "00 31";
    QTest::newRow("decode 01 FF") << Vfo_Block << 8 << "01 FF" << "Combo_Decode" << "D754N" << "01 6A";
    QTest::newRow("decode FF 05") << Vfo_Block << 8 << "FF 05" << "Combo_Decode" << "OFF" << "FF FF";
    QTest::newRow("encode 00 3C") << Vfo_Block << 10 << "00 3C" << "Combo_Encode" << "254.1" << "00 31";
    QTest::newRow("encode 02 FF") << Vfo_Block << 10 << "02 FF" << "Combo_Encode" << "D754I" << "02 6A";
}

void Test_Frm_Option::stored_values_past_the_lists()
{
    QFETCH(int, block);
    QFETCH(int, first);
    QFETCH(QString, stored);
    QFETCH(QString, list);
    QFETCH(QString, shown);
    QFETCH(QString, after);
    const QStringList bytes = stored.split(' ');
    for (int i = 0; i < bytes.size(); ++i)
        Radio_Data[block][first + i] = Integer(bytes[i].toInt(nullptr, 16));

    Open();
    QCOMPARE(L(qPrintable(list))->currentText(), shown);
    QCOMPARE(Bytes(block, first, bytes.size()), after);
    // a second fill (the window activated again) keeps it so
    Activate_Again();
    QCOMPARE(L(qPrintable(list))->currentText(), shown);
    QCOMPARE(Bytes(block, first, bytes.size()), after);
    QVERIFY(rec->texts().isEmpty());
}

void Test_Frm_Option::fill_leaves_the_image()
{
    // Every setting away from its default, all inside their lists.
    const int option[13] = {0x02, 0xCE, 0xE6, 0x05, 0x0C, 0x07, 0x01, 0x82, 0x00, 0x00, 0x08, 0x00, 0x05};
    for (int i = 0; i < 13; ++i)
        Radio_Data[Option_Block][i] = Integer(option[i]);
    Radio_Data[Option_Block][1] |= 0x10;   // VOX inhibit left on by a file
    Radio_Data[Option_Block][10] |= 0x01;
    const int vfo[14] = {0x00, 0x50, 0x51, 0x44, 0x00, 0x00, 0x50, 0x00, 0x00, 0x0C, 0x02, 0x05, 0x81, 0xD5};
    for (int i = 0; i < 14; ++i)
        Radio_Data[Vfo_Block][i] = Integer(vfo[i]);
    const int power_on[9] = {1, 2, 3, 4, 0x0C, 0x0B, 0x27, 0x28, 0xFF};
    for (int i = 0; i < 9; ++i)
        Radio_Data[PowerOn_Block][i] = Integer(power_on[i]);
    Put_Range(420, 460);

    const QString vfo_before = Bytes(Vfo_Block, 0, 16);
    const QString power_on_before = Bytes(PowerOn_Block, 0, 16);
    Open();

    // Only the two bit clears change the option block.
    QCOMPARE(Bytes(Option_Block, 0, 16), QString("02 CE E6 05 0C 07 01 82 00 00 08 00 05 FF FF FF"));
    QCOMPARE(Bytes(Vfo_Block, 0, 16), vfo_before);
    QCOMPARE(Bytes(PowerOn_Block, 0, 16), power_on_before);
    QCOMPARE(Bytes(Range_Block, 0, 4), QString("00 42 00 46"));
    QCOMPARE(Band_Low, 420.0);
    QCOMPARE(Band_High, 460.0);

    // and shows it
    QCOMPARE(L("Combo_Scan")->currentText(), QString("SE"));
    QVERIFY(!C("Check_Menu")->isChecked());
    QVERIFY(C("Check_ROGER")->isChecked());
    QCOMPARE(L("Combo_Mdf")->currentText(), QString("Name"));
    QCOMPARE(L("Combo_Lamp")->currentText(), QString("Cont"));
    QVERIFY(!C("Check_Pon_PWD")->isChecked());
    QCOMPARE(L("Combo_Pon_Mode")->currentText(), QString("MSG"));
    QVERIFY(F<QRadioButton>("Option_chann")->isChecked());
    QVERIFY(C("Check_Beep")->isChecked());
    QVERIFY(C("Check_Only_Chann")->isChecked());
    QCOMPARE(L("Combo_KL_Mode")->currentText(), QString("Key"));
    QCOMPARE(E("Text_Pon_PWD")->text(), QString("1234"));
    QCOMPARE(E("Text_Pon_Msg")->text(), QString("A +*"));
    QVERIFY(E("Text_Pon_Msg")->isEnabled());
    QCOMPARE(E("Text_RX_Freq")->text(), QString("445.15000"));
    QCOMPARE(E("Text_Offset_Freq")->text(), QString("5.00000"));
    QCOMPARE(L("Combo_Sft_d")->currentText(), QString("Minus"));
    QCOMPARE(L("Combo_TXP")->currentText(), QString("Mid"));
    QCOMPARE(L("Combo_Step")->currentText(), QString("37.5K"));
    QVERIFY(C("Check_TxStop")->isChecked());
    QCOMPARE(L("Combo_WN")->currentText(), QString("Narrow"));
    QVERIFY(C("Check_VOX_SW")->isChecked());
    QVERIFY(C("Check_Bcl")->isChecked());
    QCOMPARE(L("Combo_Decode")->currentText(), QString("100.0"));
    QCOMPARE(L("Combo_Encode")->currentText(), QString("D032I"));
    QVERIFY(C("Check_ENI")->isChecked());
    QCOMPARE(E("Text_pvfo_d0")->text(), QString("420"));
    QVERIFY(rec->texts().isEmpty());
}

void Test_Frm_Option::fill_resets_a_direction_outside_the_band()
{
    // 465 + 5 MHz from a file: the fill finds the transmit frequency outside 400..470
    QString rx = "465", offset = "5";
    Put_Freq(rx, Vfo_Block, 0);
    Put_Freq(offset, Vfo_Block, 4);
    Radio_Data[Vfo_Block][12] = 0x42;
    Open();
    QCOMPARE(rec->texts(), QStringList{"Over the range of TX frequency ."});
    QCOMPARE(L("Combo_Sft_d")->currentText(), QString("Off"));
    QCOMPARE(int(Radio_Data[Vfo_Block][12]), 0x02);
    QCOMPARE(Bytes(Vfo_Block, 0, 8), QString("00 00 50 46 00 00 50 00"));
}

void Test_Frm_Option::list_writes_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("expected");

    QTest::newRow("scan SE") << "Combo_Scan" << 2 << Option_Block << 1 << 0x62;
    QTest::newRow("scan TO") << "Combo_Scan" << 0 << Option_Block << 1 << 0x60;
    QTest::newRow("display name") << "Combo_Mdf" << 1 << Option_Block << 1 << 0xE1;
    QTest::newRow("back light cont") << "Combo_Lamp" << 2 << Option_Block << 2 << 0x82;
    QTest::newRow("back light off") << "Combo_Lamp" << 0 << Option_Block << 2 << 0x80;
    QTest::newRow("squelch 0") << "Combo_Sql" << 0 << Option_Block << 0 << 0;
    QTest::newRow("TOT off") << "Combo_TOT" << 0 << Option_Block << 3 << 0;
    QTest::newRow("APO 15") << "Combo_APO" << 15 << Option_Block << 4 << 15;
    QTest::newRow("VOX level 8") << "Combo_VOX_lever" << 7 << Option_Block << 5 << 7;
    QTest::newRow("VOX delay 1") << "Combo_VOX_Delay_Time" << 0 << Option_Block << 6 << 0;
    QTest::newRow("key lock ALL") << "Combo_KL_Mode" << 3 << Option_Block << 7 << 3;
    QTest::newRow("step 100K") << "Combo_Step" << 7 << Vfo_Block << 13 << 0x27;
    QTest::newRow("step 6.25K") << "Combo_Step" << 1 << Vfo_Block << 13 << 0x21;
    QTest::newRow("narrow") << "Combo_WN" << 0 << Vfo_Block << 13 << 0x00;
    QTest::newRow("power low") << "Combo_TXP" << 0 << Vfo_Block << 12 << 0x00;
    QTest::newRow("power mid") << "Combo_TXP" << 1 << Vfo_Block << 12 << 0x01;
    QTest::newRow("display DC") << "Combo_Pon_Mode" << 1 << Option_Block << 2 << 0x91;
}

void Test_Frm_Option::list_writes()
{
    QFETCH(QString, list);
    QFETCH(int, index);
    QFETCH(int, block);
    QFETCH(int, byte);
    QFETCH(int, expected);
    Open();
    Choose(L(qPrintable(list)), index);
    QCOMPARE(int(Radio_Data[block][byte]), expected);
    QVERIFY(rec->texts().isEmpty());
    // the next fill shows the same choice
    Activate_Again();
    QCOMPARE(L(qPrintable(list))->currentIndex(), index);
}

void Test_Frm_Option::check_box_writes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("after_click");
    QTest::addColumn<int>("after_second_click");

    QTest::newRow("receive while radio") << "Check_FM_STRX" << Option_Block << 1 << 0x41 << 0x61;
    QTest::newRow("battery save") << "Check_Save" << Option_Block << 1 << 0x21 << 0x61;
    QTest::newRow("roger") << "Check_ROGER" << Option_Block << 1 << 0x69 << 0x61;
    QTest::newRow("menu set-up, inverted") << "Check_Menu" << Option_Block << 1 << 0x65 << 0x61;
    QTest::newRow("beep") << "Check_Beep" << Option_Block << 2 << 0x01 << 0x81;
    QTest::newRow("transmit inhibit") << "Check_TxStop" << Vfo_Block << 13 << 0x30 << 0x20;
    QTest::newRow("VOX") << "Check_VOX_SW" << Vfo_Block << 13 << 0x60 << 0x20;
    QTest::newRow("busy lock-out") << "Check_Bcl" << Vfo_Block << 13 << 0xA0 << 0x20;
}

void Test_Frm_Option::check_box_writes()
{
    QFETCH(QString, box);
    QFETCH(int, block);
    QFETCH(int, byte);
    QFETCH(int, after_click);
    QFETCH(int, after_second_click);
    Open();
    Click(C(qPrintable(box)));
    QCOMPARE(int(Radio_Data[block][byte]), after_click);
    Click(C(qPrintable(box)));
    QCOMPARE(int(Radio_Data[block][byte]), after_second_click);
}

void Test_Frm_Option::typing_into_lists_data()
{
    QTest::addColumn<QString>("list");
    for (const char *name : {"Combo_Sql", "Combo_TOT", "Combo_APO", "Combo_Lamp", "Combo_Mdf", "Combo_Scan",
                             "Combo_KL_Mode", "Combo_VOX_Delay_Time", "Combo_Decode", "Combo_Encode",
                             "Combo_Step", "Combo_WN", "Combo_TXP", "Combo_Pon_Mode"})
        QTest::newRow(name) << QString(name);
}

void Test_Frm_Option::typing_into_lists()
{
    QFETCH(QString, list);
    Open();
    QComboBox *c = L(qPrintable(list));
    const int before = c->currentIndex();
    int image[3][16];
    for (int i = 0; i < 16; ++i) {
        image[0][i] = Radio_Data[Option_Block][i];
        image[1][i] = Radio_Data[Vfo_Block][i];
        image[2][i] = Radio_Data[PowerOn_Block][i];
    }
    c->setFocus();
    QTest::keyClicks(c, "1dSoMn7");
    QTest::keyClick(c, Qt::Key_Backspace);
    QCOMPARE(c->currentIndex(), before);
    for (int i = 0; i < 16; ++i) {
        QCOMPARE(int(Radio_Data[Option_Block][i]), image[0][i]);
        QCOMPARE(int(Radio_Data[Vfo_Block][i]), image[1][i]);
        QCOMPARE(int(Radio_Data[PowerOn_Block][i]), image[2][i]);
    }
    // the arrow keys still choose
    QTest::keyClick(c, before == 0 ? Qt::Key_Down : Qt::Key_Up);
    QVERIFY(c->currentIndex() != before);
}

void Test_Frm_Option::lists_without_key_handler()
{
    Open();
    // Typing is allowed here: text naming an item chooses it on leaving, other text is undone.
    QComboBox *level = L("Combo_VOX_lever");
    level->setFocus();
    level->lineEdit()->selectAll();
    QTest::keyClicks(level->lineEdit(), "x");
    QCOMPARE(level->currentText(), QString("x"));
    QCOMPARE(int(Radio_Data[Option_Block][5]), 4);

    QComboBox *duplex = L("Combo_Sft_d");
    duplex->setFocus();
    QCOMPARE(level->currentText(), QString("5"));
    duplex->lineEdit()->selectAll();
    QTest::keyClicks(duplex->lineEdit(), "Mi");
    QCOMPARE(duplex->currentText(), QString("Mi"));
    QCOMPARE(int(Radio_Data[Vfo_Block][12]), 0x02);
    Leave();
    QCOMPARE(duplex->currentText(), QString("Off"));
    QCOMPARE(int(Radio_Data[Vfo_Block][12]), 0x02);

    level->setFocus();
    level->lineEdit()->selectAll();
    QTest::keyClicks(level->lineEdit(), "7");
    QCOMPARE(int(Radio_Data[Option_Block][5]), 4);
    QTest::keyClick(level->lineEdit(), Qt::Key_Return);
    QCOMPARE(level->currentIndex(), 6);
    QCOMPARE(int(Radio_Data[Option_Block][5]), 6);

    duplex->setFocus();
    duplex->lineEdit()->selectAll();
    QTest::keyClicks(duplex->lineEdit(), "Minus");
    Leave();
    QCOMPARE(duplex->currentText(), QString("Minus"));
    QCOMPARE(int(Radio_Data[Vfo_Block][12]), 0x82);
    QVERIFY(rec->texts().isEmpty());
}

void Test_Frm_Option::work_mode()
{
    Open();
    Click(F<QRadioButton>("Option_chann"));
    QCOMPARE(int(Radio_Data[Option_Block][2]), 0xC1);
    QVERIFY(!F<QRadioButton>("Option_freq")->isChecked());
    Click(F<QRadioButton>("Option_freq"));
    QCOMPARE(int(Radio_Data[Option_Block][2]), 0x81);
}

void Test_Frm_Option::only_channel_mode()
{
    Open();
    auto *only = C("Check_Only_Chann");
    Click(only);
    QVERIFY(F<QRadioButton>("Option_chann")->isChecked());
    QVERIFY(!F<QRadioButton>("Option_freq")->isChecked());
    QVERIFY(!F<QRadioButton>("Option_chann")->isEnabled());
    QVERIFY(!F<QRadioButton>("Option_freq")->isEnabled());
    QCOMPARE(int(Radio_Data[Option_Block][2]), 0xC1);
    QCOMPARE(int(Radio_Data[Option_Block][10]), 0x08);

    Click(only);
    QVERIFY(F<QRadioButton>("Option_chann")->isEnabled());
    QVERIFY(F<QRadioButton>("Option_freq")->isEnabled());
    QVERIFY(F<QRadioButton>("Option_chann")->isChecked());
    QCOMPARE(int(Radio_Data[Option_Block][2]), 0xC1);
    QCOMPARE(int(Radio_Data[Option_Block][10]), 0x00);
}

void Test_Frm_Option::only_channel_mode_on_fill()
{
    // Only channel mode with the frequency mode stored: the fill selects (and stores) channel mode.
    Radio_Data[Option_Block][10] = 0x08;
    Open();
    QVERIFY(C("Check_Only_Chann")->isChecked());
    QVERIFY(F<QRadioButton>("Option_chann")->isChecked());
    QVERIFY(!F<QRadioButton>("Option_chann")->isEnabled());
    QVERIFY(!F<QRadioButton>("Option_freq")->isEnabled());
    QCOMPARE(int(Radio_Data[Option_Block][2]), 0xC1);
}

void Test_Frm_Option::receive_frequency_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("bytes");   // bytes 0..3 afterwards

    QTest::newRow("470 is outside") << "470" << false << "50 12 20 46";
    QTest::newRow("469.99") << "469.99" << true << "00 90 99 46";
    QTest::newRow("400") << "400" << true << "00 00 00 40";
    QTest::newRow("399.99") << "399.99" << false << "50 12 20 46";
    QTest::newRow("446.00625") << "446.00625" << true << "25 06 60 44";
    QTest::newRow("empty") << "" << false << "50 12 20 46";
}

void Test_Frm_Option::receive_frequency()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(QString, bytes);
    Open();
    auto *rx = E("Text_RX_Freq");
    Type(rx, typed);
    QVERIFY(rec->texts().isEmpty());
    Leave();
    QCOMPARE(Bytes(Vfo_Block, 0, 4), bytes);
    if (accepted) {
        QVERIFY(rec->texts().isEmpty());
        QCOMPARE(rx->text(), Freq_At(Vfo_Block, 0));
    } else {
        QCOMPARE(rec->texts(), QStringList{"Over the range of RX frequency ."});
        QCOMPARE(rec->titles(), QStringList{"Operate prompt"});
        QCOMPARE(QApplication::focusWidget(), rx);
        QCOMPARE(rx->text(), typed);
    }
}

void Test_Frm_Option::receive_frequency_keys()
{
    Open();
    auto *rx = E("Text_RX_Freq");
    Type(rx, ".4a6-2 .");
    QCOMPARE(rx->text(), QString("462."));
    Type(rx, "1234567890");
    QCOMPARE(rx->text(), QString("123456789"));
    // a point past nine characters is typed, and the box refuses the length
    QTest::keyClick(rx, '.');
    QCOMPARE(rec->texts(), QStringList{"Over the range of RX frequency ."});
    QCOMPARE(rx->text(), QString());
    QCOMPARE(QApplication::focusWidget(), rx);
    QCOMPARE(Bytes(Vfo_Block, 0, 4), QString("50 12 20 46"));
    rec->clear();
}

void Test_Frm_Option::duplex()
{
    Open();
    Type(E("Text_RX_Freq"), "465");
    Leave();
    Type(E("Text_Offset_Freq"), "5");
    Leave();
    QCOMPARE(Bytes(Vfo_Block, 0, 8), QString("00 00 50 46 00 00 50 00"));
    QVERIFY(rec->texts().isEmpty());

    // 470 is outside the band (the upper limit is excluded): the direction stays "Off"
    Choose(L("Combo_Sft_d"), 1);
    QCOMPARE(rec->texts(), QStringList{"Over the range of TX frequency ."});
    QCOMPARE(L("Combo_Sft_d")->currentText(), QString("Off"));
    QCOMPARE(int(Radio_Data[Vfo_Block][12]), 0x02);
    rec->clear();

    Choose(L("Combo_Sft_d"), 2);
    QVERIFY(rec->texts().isEmpty());
    QCOMPARE(int(Radio_Data[Vfo_Block][12]), 0x82);
    QCOMPARE(L("Combo_Sft_d")->currentText(), QString("Minus"));
}

void Test_Frm_Option::receive_frequency_resets_direction()
{
    Open();
    Choose(L("Combo_Sft_d"), 1);   // 462.0125 + 10 is outside too
    rec->clear();
    Type(E("Text_RX_Freq"), "450");
    Leave();
    Choose(L("Combo_Sft_d"), 1);
    QVERIFY(rec->texts().isEmpty());
    QCOMPARE(int(Radio_Data[Vfo_Block][12]), 0x42);

    // passing through the box without a change stores nothing and keeps the direction
    E("Text_RX_Freq")->setFocus(Qt::MouseFocusReason);
    Leave();
    QCOMPARE(int(Radio_Data[Vfo_Block][12]), 0x42);

    Type(E("Text_RX_Freq"), "451.5");
    Leave();
    QCOMPARE(Bytes(Vfo_Block, 0, 4), QString("00 00 15 45"));
    QCOMPARE(int(Radio_Data[Vfo_Block][12]), 0x02);
    QCOMPARE(L("Combo_Sft_d")->currentText(), QString("Off"));
    QCOMPARE(E("Text_RX_Freq")->text(), QString("451.50000"));
    QVERIFY(rec->texts().isEmpty());
}

void Test_Frm_Option::tone_lists()
{
    Open();
    Choose(L("Combo_Decode"), 158);
    QCOMPARE(Bytes(Vfo_Block, 8, 2), QString("02 00"));
    QVERIFY(C("Check_DNI")->isChecked());
    Choose(L("Combo_Decode"), 0);
    QCOMPARE(Bytes(Vfo_Block, 8, 2), QString("FF FF"));
    QVERIFY(!C("Check_DNI")->isChecked());
    Choose(L("Combo_Decode"), 13);
    QCOMPARE(Bytes(Vfo_Block, 8, 2), QString("00 0C"));

    Choose(L("Combo_Encode"), 51);
    QCOMPARE(Bytes(Vfo_Block, 10, 2), QString("01 00"));
    QVERIFY(!C("Check_ENI")->isChecked());
    Choose(L("Combo_Encode"), 264);
    QCOMPARE(Bytes(Vfo_Block, 10, 2), QString("02 6A"));
    QVERIFY(C("Check_ENI")->isChecked());
    QCOMPARE(Bytes(Vfo_Block, 8, 2), QString("00 0C"));
}

void Test_Frm_Option::offset_while_typing()
{
    Open();
    auto *offset = E("Text_Offset_Freq");
    // 7 is stored at once; 70 is refused at once
    Type(offset, "7");
    QCOMPARE(Bytes(Vfo_Block, 4, 4), QString("00 00 70 00"));
    QTest::keyClick(offset, '0');
    QCOMPARE(rec->texts(), QStringList{"Over the range of Offset frequency ."});
    QCOMPARE(offset->text(), QString());
    QCOMPARE(Bytes(Vfo_Block, 4, 4), QString("FF FF FF FF"));
    rec->clear();

    // key rules: no leading point, one point, at most eight characters
    QTest::keyClicks(offset, ".1.2a3-4567890");
    QCOMPARE(offset->text(), QString("1.234567"));
    QCOMPARE(Bytes(Vfo_Block, 4, 4), QString("56 34 12 00"));
    QVERIFY(rec->texts().isEmpty());

    // emptying the box while typing: no offset
    offset->selectAll();
    QTest::keyClick(offset, Qt::Key_Backspace);
    QCOMPARE(Bytes(Vfo_Block, 4, 4), QString("FF FF FF FF"));
    // leaving it empty: a zero offset
    Leave();
    QCOMPARE(Bytes(Vfo_Block, 4, 4), QString("00 00 00 00"));
    QCOMPARE(offset->text(), QString("0.00000"));
    QVERIFY(rec->texts().isEmpty());
}

void Test_Frm_Option::offset_on_leaving()
{
    Open();
    auto *offset = E("Text_Offset_Freq");
    Type(offset, "69.99");
    QVERIFY(rec->texts().isEmpty());
    QCOMPARE(Bytes(Vfo_Block, 4, 4), QString("00 90 99 06"));
    Leave();
    QCOMPARE(rec->texts(), QStringList{"Over the range of Offset frequency ."});
    QCOMPARE(offset->text(), QString());
    QCOMPARE(Bytes(Vfo_Block, 4, 4), QString("FF FF FF FF"));
    rec->clear();

    Type(offset, "69.98");
    Leave();
    QVERIFY(rec->texts().isEmpty());
    QCOMPARE(Bytes(Vfo_Block, 4, 4), QString("00 80 99 06"));
    QCOMPARE(offset->text(), QString("69.98000"));

    // an image without an offset shows an empty box
    for (int i = 4; i <= 7; ++i)
        Radio_Data[Vfo_Block][i] = 0xFF;
    Activate_Again();
    QCOMPARE(offset->text(), QString());
    QCOMPARE(Bytes(Vfo_Block, 4, 4), QString("FF FF FF FF"));
    QVERIFY(rec->texts().isEmpty());
}

void Test_Frm_Option::offset_checks_transmit_frequency()
{
    Open();
    Type(E("Text_RX_Freq"), "460");
    Leave();
    Type(E("Text_Offset_Freq"), "5");
    Leave();
    Choose(L("Combo_Sft_d"), 1);
    QCOMPARE(int(Radio_Data[Vfo_Block][12]), 0x42);
    QVERIFY(rec->texts().isEmpty());

    // 460 + 15 is outside: warning, direction back to "Off", the typed offset stored all the same
    auto *offset = E("Text_Offset_Freq");
    offset->setFocus(Qt::MouseFocusReason);
    offset->selectAll();
    QTest::keyClicks(offset, "15");
    QCOMPARE(rec->texts(), QStringList{"Over the range of TX frequency ."});
    QCOMPARE(L("Combo_Sft_d")->currentText(), QString("Off"));
    QCOMPARE(int(Radio_Data[Vfo_Block][12]), 0x02);
    QCOMPARE(Bytes(Vfo_Block, 4, 4), QString("00 00 50 01"));
    QCOMPARE(offset->text(), QString("15"));
    Leave();
    QCOMPARE(offset->text(), QString("15.00000"));
    QCOMPARE(rec->texts().size(), 1);
}

void Test_Frm_Option::working_range_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("range");

    QTest::newRow("From 136 on UHF") << 0 << "Text_pvfo_d0" << "136"
                                     << "frequency of lower limit can't less than the lowest of work frequency. "
                                     << "400" << "00 40 00 47";
    QTest::newRow("To 480 on UHF") << 0 << "Text_pvfo_d1" << "480"
                                   << "frequency of upper limit can't more than the highest of work frequency. "
                                   << "470" << "00 40 00 47";
    QTest::newRow("From 420.7") << 0 << "Text_pvfo_d0" << "420.7" << "" << "420" << "00 42 00 47";
    QTest::newRow("To 455") << 0 << "Text_pvfo_d1" << "455" << "" << "455" << "00 40 50 45";
    QTest::newRow("From above To") << 0 << "Text_pvfo_d0" << "475"
                                   << "frequency of lower limit can't more than frequency of upper limit."
                                   << "470" << "00 47 00 47";
    QTest::newRow("To below From") << 0 << "Text_pvfo_d1" << "390"
                                   << "frequency of upper limit can't less than frequency of lower limit."
                                   << "400" << "00 40 00 40";
    QTest::newRow("From with a leading zero") << 0 << "Text_pvfo_d0" << "0410" << "" << "410" << "00 41 00 47";
    QTest::newRow("From 130 on VHF") << 1 << "Text_pvfo_d0" << "130"
                                     << "frequency of lower limit can't less than the lowest of work frequency. "
                                     << "136" << "60 13 00 47";
    QTest::newRow("To 175 on VHF") << 1 << "Text_pvfo_d1" << "175"
                                   << "frequency of upper limit can't more than the highest of work frequency. "
                                   << "174" << "00 40 40 17";
}

void Test_Frm_Option::working_range()
{
    QFETCH(int, model);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, warning);
    QFETCH(QString, shown);
    QFETCH(QString, range);
    Model_Index = Integer(model);
    Open();
    auto *edit = E(qPrintable(box));
    Type(edit, typed);
    QCOMPARE(edit->text(), typed);
    Leave();
    QCOMPARE(Bytes(Range_Block, 0, 4), range);
    QCOMPARE(edit->text(), shown);
    int low, high;
    Get_Range(low, high);
    QCOMPARE(Band_Low, double(low));
    QCOMPARE(Band_High, double(high));
    if (warning.isEmpty())
        return;   // the new range may still exclude the frequency mode: that is checked below
    QVERIFY(!rec->messages.isEmpty());
    QCOMPARE(rec->messages.first().text, warning);
    QCOMPARE(rec->messages.first().title, QString(Range_Title));
    QCOMPARE(QApplication::focusWidget(), edit);
}

void Test_Frm_Option::working_range_recheck()
{
    // channel 5 at 405 MHz, the frequency mode at 462.0125 MHz
    QString rx = "405";
    Put_Freq(rx, 5, Ch_Rx);
    for (int i = 4; i <= 7; ++i)
        Radio_Data[5][i] = 0;
    Radio_Data[5][12] = 0x02;
    Open();
    auto *from = E("Text_pvfo_d0");
    auto *to = E("Text_pvfo_d1");

    Type(from, "410");
    QTest::keyClicks(from, "abc");   // refused
    QCOMPARE(from->text(), QString("410"));
    Leave();
    QCOMPARE(rec->texts(), QStringList{"Channel 5 that Receiving or transmitting frequency  out of frequency limitation range "});
    QCOMPARE(rec->titles(), QStringList{"Operate prompt"});
    rec->clear();

    Type(to, "460");
    Leave();
    // the frequency mode is reported first; nothing is corrected
    QCOMPARE(rec->texts(), QStringList{"Receiving or transmitting frequency that frequency Mode out of frequency limitation range "});
    QCOMPARE(Bytes(Range_Block, 0, 4), QString("00 41 00 46"));
    QCOMPARE(Bytes(Vfo_Block, 0, 4), QString("50 12 20 46"));
    QCOMPARE(Band_High, 460.0);
}

void Test_Frm_Option::power_on_mode()
{
    Open();
    auto *msg = E("Text_Pon_Msg");
    Choose(L("Combo_Pon_Mode"), 2);
    QCOMPARE(int(Radio_Data[Option_Block][2]), 0xA1);
    QVERIFY(msg->isEnabled());
    Choose(L("Combo_Pon_Mode"), 1);
    QCOMPARE(int(Radio_Data[Option_Block][2]), 0x91);
    QVERIFY(!msg->isEnabled());
    Choose(L("Combo_Pon_Mode"), 0);
    QCOMPARE(int(Radio_Data[Option_Block][2]), 0x81);
}

void Test_Frm_Option::power_on_message()
{
    Open();
    Choose(L("Combo_Pon_Mode"), 2);
    auto *msg = E("Text_Pon_Msg");
    Type(msg, "ab-1");
    QCOMPARE(msg->text(), QString("AB-1"));
    QCOMPARE(Bytes(PowerOn_Block, 4, 5), QString("0C 0D 0A 01 FF"));

    // blanks, "+" and other characters are refused; a sixth character too
    QTest::keyClicks(msg, " +#.");
    QCOMPARE(msg->text(), QString("AB-1"));
    QTest::keyClicks(msg, "_z*");
    QCOMPARE(msg->text(), QString("AB-1_"));
    QCOMPARE(Bytes(PowerOn_Block, 4, 5), QString("0C 0D 0A 01 26"));
    QTest::keyClick(msg, Qt::Key_Backspace);
    QCOMPARE(msg->text(), QString("AB-1"));
    QTest::keyClick(msg, 'z');
    QCOMPARE(Bytes(PowerOn_Block, 4, 5), QString("0C 0D 0A 01 25"));

    // pasted text: letters as capitals, characters outside the set refused, five at most
    msg->selectAll();
    msg->insert("x#y");
    QCOMPARE(msg->text(), QString("AB-1Z"));
    msg->selectAll();
    msg->insert("hello world");
    QCOMPARE(msg->text(), QString("HELLO"));
    QCOMPARE(Bytes(PowerOn_Block, 4, 5), QString("13 10 17 17 1A"));
    QVERIFY(rec->texts().isEmpty());
}

void Test_Frm_Option::password()
{
    Radio_Data[PowerOn_Block][0] = 0x0A;   // not a digit: not shown
    Radio_Data[PowerOn_Block][1] = 7;
    Open();
    auto *pwd = E("Text_Pon_PWD");
    QCOMPARE(pwd->text(), QString("7"));
    Click(C("Check_Pon_PWD"));
    QCOMPARE(int(Radio_Data[Option_Block][2]), 0x89);
    QVERIFY(pwd->isEnabled());

    Type(pwd, "1a2");
    QCOMPARE(pwd->text(), QString("12"));
    QCOMPARE(Bytes(PowerOn_Block, 0, 4), QString("01 02 FF FF"));
    Leave();
    QCOMPARE(rec->texts(), QStringList{"Password length is 4 digit."});
    QCOMPARE(rec->titles(), QStringList{"Operate Prompt"});
    QCOMPARE(QApplication::focusWidget(), pwd);
    QCOMPARE(Bytes(PowerOn_Block, 0, 4), QString("01 02 FF FF"));
    rec->clear();

    QTest::keyClicks(pwd, "3456");
    QCOMPARE(pwd->text(), QString("1234"));
    QCOMPARE(Bytes(PowerOn_Block, 0, 4), QString("01 02 03 04"));
    Leave();
    QVERIFY(rec->texts().isEmpty());

    Click(C("Check_Pon_PWD"));
    QCOMPARE(int(Radio_Data[Option_Block][2]), 0x81);
    QVERIFY(!pwd->isEnabled());
}

void Test_Frm_Option::key_lock_keeps_receive_enabled()
{
    Open();
    Choose(L("Combo_KL_Mode"), 2);
    QCOMPARE(int(Radio_Data[Option_Block][7]), 0x02);

    // "Receive Enabled" in the model dialog keeps the key-lock mode ...
    Form_type *type = Form_type::Open();
    QVERIFY(QTest::qWaitForWindowActive(type));
    auto *sc = type->findChild<QCheckBox *>("Check_SC");
    QVERIFY(!sc->isChecked());
    Click(sc);
    QCOMPARE(int(Radio_Data[Option_Block][7]), 0x82);
    QTest::mouseClick(type->findChild<QPushButton *>("Command_Cancel"), Qt::LeftButton);

    // ... and the key-lock list keeps "Receive Enabled", on a fill and on a change
    Activate_Again();
    QCOMPARE(L("Combo_KL_Mode")->currentText(), QString("Key"));
    QCOMPARE(int(Radio_Data[Option_Block][7]), 0x82);
    Choose(L("Combo_KL_Mode"), 3);
    QCOMPARE(int(Radio_Data[Option_Block][7]), 0x83);

    type = Form_type::Open();
    QVERIFY(QTest::qWaitForWindowActive(type));
    sc = type->findChild<QCheckBox *>("Check_SC");
    QVERIFY(sc->isChecked());
    Click(sc);
    QCOMPARE(int(Radio_Data[Option_Block][7]), 0x03);
    QTest::mouseClick(type->findChild<QPushButton *>("Command_Cancel"), Qt::LeftButton);
    Activate_Again();
    QCOMPARE(L("Combo_KL_Mode")->currentText(), QString("ALL"));
    QCOMPARE(int(Radio_Data[Option_Block][7]), 0x03);
}

void Test_Frm_Option::reload_on_activation()
{
    Open();
    // A file opened or a radio read while the window is open
    Radio_Data[Option_Block][0] = 8;
    Radio_Data[Option_Block][1] = 0x75;
    Radio_Data[Option_Block][2] = 0x72;
    Radio_Data[Option_Block][10] = 0x09;
    Radio_Data[PowerOn_Block][0] = 9;
    Radio_Data[Vfo_Block][12] = 0x82;   // minus 10 MHz from 462.0125
    Put_Range(410, 465);
    Activate_Again();
    QCOMPARE(L("Combo_Sql")->currentText(), QString("8"));
    QCOMPARE(L("Combo_Scan")->currentText(), QString("CO"));
    QCOMPARE(L("Combo_Lamp")->currentText(), QString("Cont"));
    QCOMPARE(L("Combo_Pon_Mode")->currentText(), QString("MSG"));
    QVERIFY(!C("Check_Beep")->isChecked());
    QVERIFY(C("Check_Only_Chann")->isChecked());
    QCOMPARE(L("Combo_Sft_d")->currentText(), QString("Minus"));
    QCOMPARE(E("Text_Pon_PWD")->text(), QString("9"));
    QCOMPARE(E("Text_pvfo_d0")->text(), QString("410"));
    QCOMPARE(Band_High, 465.0);
    QCOMPARE(int(Radio_Data[Option_Block][1]), 0x65);
    QCOMPARE(int(Radio_Data[Option_Block][10]), 0x08);
    QCOMPARE(int(Radio_Data[Vfo_Block][12]), 0x82);
    QVERIFY(rec->texts().isEmpty());
}

void Test_Frm_Option::reload_as_child_window()
{
    MDImain main;
    main.MDIForm_Load();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    w = frm_option::Open();
    connect(w, &QObject::destroyed, this, [this] { w = nullptr; });
    auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget());
    QVERIFY(sub);
    QCOMPARE(sub->y(), 0);
    QCOMPARE(int(Option_Open), -1);

    Form_type::Open();
    QVERIFY(main.Client()->activeSubWindow() != sub);
    Radio_Data[Option_Block][3] = 1;
    main.Client()->setActiveSubWindow(sub);
    QCOMPARE(L("Combo_TOT")->currentText(), QString("1"));

    // a new instance replaces the open one
    QPointer<frm_option> old = w;
    w = frm_option::Open();
    QVERIFY(!old);
    connect(w, &QObject::destroyed, this, [this] { w = nullptr; });
    QCOMPARE(main.Client()->findChildren<frm_option *>().size(), 1);
    w->close();
    QCOMPARE(int(Option_Open), 0);
}

void Test_Frm_Option::close_and_reopen()
{
    Open();
    Choose(L("Combo_TOT"), 5);
    Click(C("Check_ROGER"));
    QTest::mouseClick(F<QPushButton>("Command_Close"), Qt::LeftButton);
    QTRY_VERIFY(!w);
    QCOMPARE(int(Option_Open), 0);
    Open();
    QCOMPARE(L("Combo_TOT")->currentText(), QString("5"));
    QVERIFY(C("Check_ROGER")->isChecked());
    QCOMPARE(int(Radio_Data[Option_Block][3]), 5);
}

void Test_Frm_Option::chinese_texts()
{
    Lang_Flag = -1;
    Install_Language();
    Open();
    QCOMPARE(w->windowTitle(), QString::fromUtf8("可选参数"));
    const QList<QPair<const char *, const char *>> labels = {
        {"Label_tot", "超时定时器[分钟]"}, {"Label_sql", "静噪等级"},     {"Label_APO", "自动关机[小时]"},
        {"Label_lamp", "背光灯"},          {"Label_mdf", "信道显示方式"}, {"Label_Scan", "扫描方式"},
        {"Label_KL_Mode", "按键锁定模式"}, {"Label_vox_Lever", "声控等级"}, {"Label_VOX_Delay_Time", "声控延迟[秒]"},
        {"Label_RX_freq", "接收频率(MHZ)"}, {"Label_Decode", "解码"},       {"Label_Encode", "编码"},
        {"Label_Step", "步进频率(KHZ)"},   {"Label_Sft_d", "频差方向"},   {"Label_offset", "频差频率(MHZ)"},
        {"Label_WN", "宽带/窄带"},         {"Label_TXP", "发射功率"},     {"Label_From", "从"},
        {"Label_to", "到"},                {"Label_MHZ", "MHZ"},          {"Label_Pon_Mode", "开机显示模式"},
        {"Label_Pon_msg", "开机显示字符"}, {"Label_Pon_PWD", "密码设置"}};
    for (const auto &l : labels)
        QVERIFY2(F<QLabel>(l.first)->text() == QString::fromUtf8(l.second), l.first);
    const QList<QPair<const char *, const char *>> buttons = {
        {"Check_FM_STRX", "收音时允许接收"}, {"Check_Save", "电池省电"},  {"Check_Beep", "哔音"},
        {"Check_Menu", "手动设置"},          {"Check_ROGER", "结束通话提示音"},
        {"Check_VOX_ReceStop", "接收时禁止声控"}, {"Option_freq", "频率模式"}, {"Option_chann", " 信道模式"},
        {"Check_Only_Chann", "仅工作在信道模式"}, {"Check_DNI", "INV"}, {"Check_ENI", "INV"},
        {"Check_VOX_SW", "声控"},            {"Check_Bcl", "繁忙锁定"},  {"Check_TxStop", "禁止发射"},
        {"Check_Pon_PWD", "对讲机密码"},     {"Command_Close", "关闭"},  {"Command_Help", "帮助"}};
    for (const auto &b : buttons)
        QVERIFY2(F<QAbstractButton>(b.first)->text() == QString::fromUtf8(b.second), b.first);
    const QList<QPair<const char *, const char *>> frames = {
        {"Frame_VOX", "声控设置"}, {"Frame_mode", "工作模式"}, {"Frame_vfo", "频率模式"},
        {"Frame_Freq_range", "工作频率范围"}, {"Frame_PowerOn", "开机"}, {"Frame2", ""}, {"Frame5", ""}};
    for (const auto &f : frames)
        QVERIFY2(F<QGroupBox>(f.first)->title() == QString::fromUtf8(f.second), f.first);

    const auto items = [this](const char *name) {
        QStringList out;
        for (int i = 0; i < L(name)->count(); ++i)
            out.append(L(name)->itemText(i));
        return out.join(QLatin1Char(','));
    };
    QCOMPARE(items("Combo_TOT"), QString::fromUtf8("关,1,2,3,4,5,6,7"));
    QCOMPARE(items("Combo_APO").left(4), QString::fromUtf8("关,1,"));
    QCOMPARE(items("Combo_Lamp"), QString::fromUtf8("关,自动,持续点亮"));
    QCOMPARE(items("Combo_Mdf"), QString::fromUtf8("频率,名称"));
    QCOMPARE(items("Combo_Scan"), QString::fromUtf8("时间,载波,搜索"));
    QCOMPARE(items("Combo_KL_Mode"), QString::fromUtf8("按键和上下键,PTT键,按键,全部"));
    QCOMPARE(items("Combo_Sft_d"), QString::fromUtf8("关,加频,减频"));
    QCOMPARE(items("Combo_WN"), QString::fromUtf8("窄带,宽带"));
    QCOMPARE(items("Combo_TXP"), QString::fromUtf8("低功率,中功率,高功率"));
    QCOMPARE(items("Combo_Pon_Mode"), QString::fromUtf8("关,电压,信息"));
    QCOMPARE(items("Combo_Step"), QString("5K,6.25K,10K,12.5K,25K,37.5K,50K,100K"));
    QCOMPARE(items("Combo_Sql"), QString("0,1,2,3,4,5,6,7,8,9"));
    QCOMPARE(L("Combo_Lamp")->currentText(), QString::fromUtf8("自动"));

    // the messages follow the language; the password title does not
    Type(E("Text_RX_Freq"), "480");
    Leave();
    Type(E("Text_RX_Freq"), "450");
    Leave();
    Type(E("Text_pvfo_d1"), "480");
    Leave();
    Click(C("Check_Pon_PWD"));
    Type(E("Text_Pon_PWD"), "1");
    Leave();
    QCOMPARE(rec->texts(), (QStringList{QString::fromUtf8("接收频率超出范围 ！"),
                                        QString::fromUtf8("上限频率不可大于本机最高工作频率"),
                                        QString::fromUtf8("效验码的有效长度为 4 位 ！")}));
    QCOMPARE(rec->titles(), (QStringList{QString::fromUtf8("操作提示"), QString::fromUtf8("操作提示"),
                                         QString("Operate Prompt")}));
    rec->clear();
    Grab("/tmp/features_option_zh.png");
}

void Test_Frm_Option::layout()
{
    Open();
    // Every visible control lies inside its frame (or the window) and overlaps no neighbour.
    QList<QWidget *> containers{w};
    for (QGroupBox *g : w->findChildren<QGroupBox *>())
        containers.append(g);
    for (QWidget *container : std::as_const(containers)) {
        QList<QWidget *> shown;
        for (QWidget *c : container->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (!c->isHidden() && !c->objectName().isEmpty())
                shown.append(c);
        for (int i = 0; i < shown.size(); ++i) {
            QVERIFY2(container->rect().contains(shown[i]->geometry()), qPrintable(shown[i]->objectName()));
            QVERIFY2(shown[i]->width() >= shown[i]->minimumSizeHint().width(), qPrintable(shown[i]->objectName()));
            for (int j = i + 1; j < shown.size(); ++j)
                QVERIFY2(!shown[i]->geometry().intersects(shown[j]->geometry()),
                         qPrintable(shown[i]->objectName() + " / " + shown[j]->objectName()));
        }
    }
    // columns: general lists and VOX left, mode, power-on and switches in the middle, frequency right
    const auto x = [this](const char *name) { return F<QGroupBox>(name)->x(); };
    QCOMPARE(x("Frame2"), x("Frame_VOX"));
    QVERIFY(x("Frame_mode") > x("Frame2"));
    QCOMPARE(x("Frame_mode"), x("Frame_PowerOn"));
    QCOMPARE(x("Frame_mode"), x("Frame5"));
    QVERIFY(x("Frame_vfo") > x("Frame_mode"));
    QCOMPARE(x("Frame_vfo"), x("Frame_Freq_range"));
    QVERIFY(F<QGroupBox>("Frame_Freq_range")->geometry().bottom() < F<QPushButton>("Command_Close")->y());
    QCOMPARE(F<QPushButton>("Command_Close")->y(), F<QPushButton>("Command_Help")->y());
    Grab("/tmp/features_option_en.png");
}

void Test_Frm_Option::Grab(const QString &name)
{
    // Screenshots for a look at the layout, when asked for.
    if (qEnvironmentVariableIsSet("FEATURES_SCREENSHOTS"))
        w->grab().save(name);
}

QTEST_MAIN(Test_Frm_Option)
#include "test_frm_option.moc"
