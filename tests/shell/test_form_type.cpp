// The model dialog driven through its widgets inside the main window.
#include "core/codecs.h"
#include "core/globals.h"
#include "core/image.h"
#include "core/models.h"
#include "prompt_recorder.h"
#include "shell/MDImain.h"

#include <QtTest>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

class Test_Form_Type : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opens_with_image_band();
    void confirm_vhf();
    void cancel_keeps_image_band();
    void selection_labels();
    void receive_enabled_survives_cancel();
    void typing_changes_nothing();
    void placement();
    void chinese_texts();

private:
    QWidget *Open_Dialog();
    template<class T> T *Find(const char *name)
    {
        QWidget *d = w->Client()->findChild<QWidget *>("Form_type");
        return d ? d->findChild<T *>(name) : nullptr;
    }

    MDImain *w = nullptr;
    Prompt_Recorder *rec = nullptr;
};

void Test_Form_Type::init()
{
    rec = new Prompt_Recorder;
    w = new MDImain;
    w->MDIForm_Load();
}

void Test_Form_Type::cleanup()
{
    delete w;
    QVERIFY(rec->texts().isEmpty());
    delete rec;
}

QWidget *Test_Form_Type::Open_Dialog()
{
    w->Menu_Item("proc_type")->trigger();
    return w->Client()->findChild<QWidget *>("Form_type");
}

void Test_Form_Type::opens_with_image_band()
{
    QWidget *d = Open_Dialog();
    QVERIFY(d);
    QCOMPARE(d->windowTitle(), QString("Model Select"));
    auto *combo = Find<QComboBox>("Combo_type");
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(0), QString("Tavro UHF"));
    QCOMPARE(combo->itemText(1), QString("Melik VHF"));
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(Find<QLabel>("Label_band")->text(), QString("UHF 400 -- 470 MHZ"));
    QCOMPARE(Find<QLabel>("Label_SubBand")->text(), QString("VHF 136 --  174 MHZ"));
    QVERIFY(!Find<QCheckBox>("Check_SC")->isChecked());
    QCOMPARE(Find<QCheckBox>("Check_SC")->text(), QString("Receive Enabled"));
    QCOMPARE(Find<QPushButton>("Command_enter")->text(), QString("Confirm"));
    QCOMPARE(Find<QPushButton>("Command_Cancel")->text(), QString("Cancel"));
    QCOMPARE(Find<QLabel>("Label1")->text(), QString("Model"));
    QCOMPARE(Find<QLabel>("Label2")->text(), QString("Main band"));
    QCOMPARE(Find<QLabel>("Label3")->text(), QString("Vice-band"));
}

void Test_Form_Type::confirm_vhf()
{
    Open_Dialog();
    auto *combo = Find<QComboBox>("Combo_type");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentIndex(), 1);
    QTest::mouseClick(Find<QPushButton>("Command_enter"), Qt::LeftButton);

    const int range[4] = {0x60, 0x13, 0x40, 0x17};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(int(Radio_Data[Range_Block][i]), range[i]);
    QCOMPARE(Freq_At(Vfo_Block, 0), QString("136.62500"));
    QCOMPARE(int(Model_Index), 1);
    QCOMPARE(Band_Low, 136.0);
    QCOMPARE(Band_High, 174.0);
    QCOMPARE(w->Panel(7)->text(), QString(" 136-- 174 MHZ"));
    QCOMPARE(int(Type_Open), 0);
    // the dialog takes its frame with it: no empty frame is left in the client area
    QTRY_VERIFY(w->Client()->findChildren<QWidget *>("Form_type").isEmpty());
    for (QMdiSubWindow *sub : w->Client()->subWindowList())
        QVERIFY(sub->widget());

    // and back to UHF
    Open_Dialog();
    QCOMPARE(Find<QComboBox>("Combo_type")->currentIndex(), 1);
    QCOMPARE(Find<QLabel>("Label_band")->text(), QString("VHF 136 -- 174 MHZ"));
    QCOMPARE(Find<QLabel>("Label_SubBand")->text(), QString("UHF 400 --  470 MHZ"));
    Find<QComboBox>("Combo_type")->setCurrentIndex(0);
    QTest::mouseClick(Find<QPushButton>("Command_enter"), Qt::LeftButton);
    QCOMPARE(Freq_At(Vfo_Block, 0), QString("400.62500"));
    QCOMPARE(w->Panel(7)->text(), QString(" 400-- 470 MHZ"));
}

void Test_Form_Type::cancel_keeps_image_band()
{
    // A file or a read brought a VHF range block while the model is still UHF.
    Put_Range(136, 174);
    Open_Dialog();
    QCOMPARE(Find<QLabel>("Label_band")->text(), QString("UHF 136 -- 174 MHZ"));
    QTest::mouseClick(Find<QPushButton>("Command_Cancel"), Qt::LeftButton);
    QTRY_VERIFY(w->Client()->findChildren<QWidget *>("Form_type").isEmpty());
    QCOMPARE(Band_Low, 136.0);
    QCOMPARE(Band_High, 174.0);
    QCOMPARE(int(Model_Index), 0);
    // nothing of Confirm happened
    QCOMPARE(Freq_At(Vfo_Block, 0), QString("462.01250"));
    QCOMPARE(int(Radio_Data[Range_Block][1]), 0x13);
    QCOMPARE(int(Type_Open), 0);
}

void Test_Form_Type::selection_labels()
{
    Open_Dialog();
    auto *combo = Find<QComboBox>("Combo_type");
    combo->setCurrentIndex(1);
    QCOMPARE(Find<QLabel>("Label_band")->text(), QString("VHF 136 --  174 MHZ"));
    QCOMPARE(Find<QLabel>("Label_SubBand")->text(), QString("UHF 400 --  470 MHZ"));
    combo->setCurrentIndex(0);
    QCOMPARE(Find<QLabel>("Label_band")->text(), QString("UHF 400 --  470 MHZ"));
    QCOMPARE(Find<QLabel>("Label_SubBand")->text(), QString("VHF 136 --  174 MHZ"));
    // choosing alone changes no model
    QCOMPARE(int(Model_Index), 0);
    QCOMPARE(int(Radio_Data[Range_Block][1]), 0x40);
}

void Test_Form_Type::receive_enabled_survives_cancel()
{
    Radio_Data[Option_Block][7] = 0x02;   // a key-lock mode in the low bits
    Open_Dialog();
    QTest::mouseClick(Find<QCheckBox>("Check_SC"), Qt::LeftButton);
    QCOMPARE(int(Radio_Data[Option_Block][7]), 0x82);
    QTest::mouseClick(Find<QPushButton>("Command_Cancel"), Qt::LeftButton);
    QCOMPARE(int(Radio_Data[Option_Block][7]), 0x82);

    Open_Dialog();
    QVERIFY(Find<QCheckBox>("Check_SC")->isChecked());
    QTest::mouseClick(Find<QCheckBox>("Check_SC"), Qt::LeftButton);
    QCOMPARE(int(Radio_Data[Option_Block][7]), 0x02);
}

void Test_Form_Type::typing_changes_nothing()
{
    Open_Dialog();
    auto *combo = Find<QComboBox>("Combo_type");
    combo->setFocus();
    QTest::keyClicks(combo, "Melik");
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(combo->currentText(), QString("Tavro UHF"));
}

void Test_Form_Type::placement()
{
    QWidget *d = Open_Dialog();
    auto *sub = qobject_cast<QMdiSubWindow *>(d->parentWidget());
    QVERIFY(sub);
    const QSize inner = w->Client()->size();
    QVERIFY(qAbs(sub->width() - int(inner.width() / 1.8)) <= 1);
    QVERIFY(qAbs(sub->height() - int(inner.height() / 1.6)) <= 1);
    QVERIFY(qAbs(sub->x() - (inner.width() - sub->width()) / 2) <= 1);
    QVERIFY(sub->y() >= 0);
    QVERIFY(sub->y() < (inner.height() - sub->height()) / 2);
}

void Test_Form_Type::chinese_texts()
{
    w->Language_chn_Click();
    Open_Dialog();
    QCOMPARE(w->Client()->findChild<QWidget *>("Form_type")->windowTitle(), QString::fromUtf8("机型选择"));
    QCOMPARE(Find<QPushButton>("Command_enter")->text(), QString::fromUtf8("确 定"));
    QCOMPARE(Find<QPushButton>("Command_Cancel")->text(), QString::fromUtf8("取 消"));
    QCOMPARE(Find<QLabel>("Label1")->text(), QString::fromUtf8("机  型"));
    QCOMPARE(Find<QLabel>("Label2")->text(), QString::fromUtf8("主频段"));
    QCOMPARE(Find<QLabel>("Label3")->text(), QString::fromUtf8("副频段"));
    QCOMPARE(Find<QCheckBox>("Check_SC")->text(), QString::fromUtf8("接收允许"));

    // the open dialog is reloaded by a switch back, with English texts
    w->Language_eng_Click();
    QCOMPARE(Find<QLabel>("Label1")->text(), QString("Model"));
    QCOMPARE(w->Client()->findChildren<QWidget *>("Form_type").size(), 1);
}

QTEST_MAIN(Test_Form_Type)
#include "test_form_type.moc"
