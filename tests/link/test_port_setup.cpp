// Port numbers: how COM1..COM8 map to devices, the port setup dialog inside the main window, and what
// the user is told when a port cannot be opened.
#include "link/Form_Comm_Read.h"
#include "link/Form_setup.h"
#include "link/port_map.h"
#include "link_fixture.h"
#include "shell/MDImain.h"

#include <QGroupBox>
#include <QTemporaryDir>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QMdiArea>
#include <QRadioButton>

using namespace link_test;

class Test_Port_Setup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void mapping();
    void dialog_shows_port_and_devices();
    void confirm_sets_port_and_status();
    void cancel_changes_nothing();
    void stays_open_after_failed_opening();
    void opening_failure_data();
    void opening_failure();
    void permission_hint();
    void port_reopens_after_close();
    void chinese_texts();

private:
    QWidget *Open_Setup();

    std::unique_ptr<Radio_Fixture> fx;
    MDImain *w = nullptr;
};

void Test_Port_Setup::init()
{
    for (int n = 1; n <= Port_Count; ++n)
        qunsetenv(qPrintable(QStringLiteral("RADIOPROG_COM") + QString::number(n)));
    fx = std::make_unique<Radio_Fixture>();
    w = new MDImain;
    w->MDIForm_Load();
}

void Test_Port_Setup::cleanup()
{
    delete w;
    w = nullptr;
    fx.reset();
    for (int n = 1; n <= Port_Count; ++n)
        qunsetenv(qPrintable(QStringLiteral("RADIOPROG_COM") + QString::number(n)));
}

QWidget *Test_Port_Setup::Open_Setup()
{
    Form_setup::Open();
    return w->Client()->findChild<QWidget *>("Form_setup");
}

void Test_Port_Setup::mapping()
{
    const QStringList system = Serial_Devices();
    for (const QString &dev : system)
        QVERIFY(dev.startsWith('/'));
    // USB adapters come first.
    bool seen_other = false;
    for (const QString &dev : system) {
        const bool usb = dev.contains("ttyUSB") || dev.contains("ttyACM");
        QVERIFY(!(usb && seen_other));
        seen_other = seen_other || !usb;
    }

    qputenv("RADIOPROG_COM3", "/dev/pts/77");
    qputenv("RADIOPROG_COM1", "  /dev/radio-one ");
    QCOMPARE(Port_Device(1), QString("/dev/radio-one"));
    QCOMPARE(Port_Device(3), QString("/dev/pts/77"));
    // The numbers without a setting take the system's ports in order.
    QCOMPARE(Port_Device(2), system.value(0));
    QCOMPARE(Port_Device(4), system.value(1));
    QCOMPARE(Port_Device(0), QString());
    QCOMPARE(Port_Device(9), QString());
    // A device named by a setting is not handed out a second time.
    if (!system.isEmpty()) {
        qputenv("RADIOPROG_COM5", system.first().toLocal8Bit());
        QCOMPARE(Port_Device(2), system.value(1));
    }
}

void Test_Port_Setup::dialog_shows_port_and_devices()
{
    qputenv("RADIOPROG_COM2", "/dev/pts/42");
    Port_No = 2;
    QWidget *d = Open_Setup();
    QVERIFY(d);
    QCOMPARE(Setup_Open, True_Flag);
    QCOMPARE(d->windowTitle(), QString("Communication Port Setup"));
    QCOMPARE(Control<QGroupBox>(d, "Frame1")->title(), QString("Port Setup"));
    QCOMPARE(Control<QPushButton>(d, "Command_ok")->text(), QString("Confirm"));
    QCOMPARE(Control<QPushButton>(d, "Command1")->text(), QString("Cancel"));
    for (int n = 1; n <= 8; ++n) {
        auto *o = Control<QRadioButton>(d, qPrintable(QString("Option%1").arg(n)));
        QCOMPARE(o->text(), QString("COM%1").arg(n));
        QCOMPARE(o->isChecked(), n == 2);
        const QString dev = Port_Device(n);
        QCOMPARE(Control<QLabel>(d, qPrintable(QString("Label_Device%1").arg(n)))->text(),
                 dev.isEmpty() ? QString("not present") : dev);
    }
    QCOMPARE(Control<QLabel>(d, "Label_Device1")->text(), QString(fx->radio->path().c_str()));
    QCOMPARE(Control<QLabel>(d, "Label_Device2")->text(), QString("/dev/pts/42"));
    QCOMPARE(Control<QLabel>(d, "Label_Device8")->text(), QString("not present"));

    // Placed from the client area's size: half its width, centred.
    const QSize inner = w->Client()->size();
    const QWidget *frame = d->parentWidget();
    QCOMPARE(frame->width(), inner.width() / 2);
    QCOMPARE(frame->x(), (inner.width() - inner.width() / 2) / 2);
}

void Test_Port_Setup::confirm_sets_port_and_status()
{
    QWidget *d = Open_Setup();
    QTest::mouseClick(Control<QRadioButton>(d, "Option5"), Qt::LeftButton);
    QTest::mouseClick(Control<QPushButton>(d, "Command_ok"), Qt::LeftButton);
    QCOMPARE(Port_No, Integer(5));
    QCOMPARE(w->Panel(3)->text(), QString("COM5"));
    QTRY_VERIFY(!w->Client()->findChild<QWidget *>("Form_setup"));
    QCOMPARE(Setup_Open, False_Flag);
    // Opening again shows the new number selected.
    d = Open_Setup();
    QVERIFY(Control<QRadioButton>(d, "Option5")->isChecked());
}

void Test_Port_Setup::cancel_changes_nothing()
{
    QWidget *d = Open_Setup();
    QTest::mouseClick(Control<QRadioButton>(d, "Option7"), Qt::LeftButton);
    QTest::mouseClick(Control<QPushButton>(d, "Command1"), Qt::LeftButton);
    QCOMPARE(Port_No, Integer(1));
    QCOMPARE(w->Panel(3)->text(), QString("COM1"));
    QTRY_VERIFY(!w->Client()->findChild<QWidget *>("Form_setup"));
    QCOMPARE(Setup_Open, False_Flag);
}

void Test_Port_Setup::stays_open_after_failed_opening()
{
    // A read on COM4, which nothing is attached to, fails to open the port.
    Port_No = 4;
    QWidget *read = Form_Comm_Read::Open();
    QTest::mouseClick(Control<QPushButton>(read, "Command_read"), Qt::LeftButton);
    QCOMPARE(Port_Error, Integer(-1));
    fx->prompts.clear();

    QWidget *d = Open_Setup();
    QTest::mouseClick(Control<QRadioButton>(d, "Option1"), Qt::LeftButton);
    QTest::mouseClick(Control<QPushButton>(d, "Command_ok"), Qt::LeftButton);
    QCOMPARE(Port_No, Integer(1));
    QCOMPARE(w->Panel(3)->text(), QString("COM1"));
    QTest::qWait(50);
    QVERIFY(w->Client()->findChild<QWidget *>("Form_setup"));
    QCOMPARE(Setup_Open, True_Flag);
    QTest::mouseClick(Control<QPushButton>(d, "Command1"), Qt::LeftButton);
    QTRY_VERIFY(!w->Client()->findChild<QWidget *>("Form_setup"));
    QVERIFY(fx->prompts.texts().isEmpty());
}

void Test_Port_Setup::opening_failure_data()
{
    QTest::addColumn<QByteArray>("device");
    QTest::addColumn<QString>("detail");
    QTest::newRow("nothing attached") << QByteArray() << "COM8 is not attached to any serial device.";
    QTest::newRow("no such device") << QByteArray("/dev/radioprog-missing")
                                    << "COM8 is /dev/radioprog-missing: ";
}

void Test_Port_Setup::opening_failure()
{
    QFETCH(QByteArray, device);
    QFETCH(QString, detail);
    // The other numbers claim every serial port of this machine, so COM8 gets none of them.
    const QStringList system = Serial_Devices();
    QVERIFY(system.size() < 8);
    for (int n = 1; n <= 7; ++n)
        qputenv(qPrintable(QString("RADIOPROG_COM%1").arg(n)),
                system.value(n - 1, QString("/dev/radioprog-taken-%1").arg(n)).toLocal8Bit());
    if (!device.isEmpty())
        qputenv("RADIOPROG_COM8", device);
    Port_No = 8;
    QWidget *read = Form_Comm_Read::Open();
    QTest::mouseClick(Control<QPushButton>(read, "Command_read"), Qt::LeftButton);
    QCOMPARE(fx->prompts.texts(),
             QStringList({"Communication port is error, please setting right communication port . ！"}));
    QCOMPARE(fx->prompts.titles(), QStringList({"Operate prompt"}));
    QVERIFY2(fx->prompts.messages.first().detail.startsWith(detail),
             qPrintable(fx->prompts.messages.first().detail));
    QCOMPARE(Port_Error, Integer(-1));
    // The link is not started and the dialog shows nothing new.
    QVERIFY(!Engine(read)->Busy);
    QVERIFY(Control<QLabel>(read, "Label_tr_count")->text().isEmpty());
    QTest::qWait(1200);
    QCOMPARE(fx->prompts.texts().size(), 1);
}

void Test_Port_Setup::permission_hint()
{
    if (::geteuid() == 0)
        QSKIP("root may open any device");
    // A device the user may not open: the details name its group and how to join it.
    QTemporaryDir dir;
    const QString device = dir.filePath("ttyUSB9");
    QFile f(device);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QVERIFY(::chmod(QFile::encodeName(device).constData(), 0) == 0);
    struct stat st;
    QVERIFY(::stat(QFile::encodeName(device).constData(), &st) == 0);
    const QString group = QString::fromLocal8Bit(::getgrgid(st.st_gid)->gr_name);

    qputenv("RADIOPROG_COM3", QFile::encodeName(device));
    Port_No = 3;
    QWidget *read = Form_Comm_Read::Open();
    QTest::mouseClick(Control<QPushButton>(read, "Command_read"), Qt::LeftButton);
    QCOMPARE(fx->prompts.texts(),
             QStringList({"Communication port is error, please setting right communication port . ！"}));
    const QString detail = fx->prompts.messages.first().detail;
    QVERIFY2(detail.startsWith("COM3 is " + device + ": "), qPrintable(detail));
    QVERIFY2(detail.contains(QString("group \"%1\", which owns %2").arg(group, device)),
             qPrintable(detail));
    QVERIFY2(detail.contains("sudo usermod -aG " + group), qPrintable(detail));
}

void Test_Port_Setup::port_reopens_after_close()
{
    // The same pseudo-terminal opened by one dialog after another, as a user reads and then writes.
    for (int round = 0; round < 3; ++round) {
        QWidget *read = Form_Comm_Read::Open();
        Link_Engine *link = Engine(read);
        QTest::mouseClick(Control<QPushButton>(read, "Command_read"), Qt::LeftButton);
        QCOMPARE(Port_Error, Integer(0));
        LINK_WAIT(link->Linked, 1000);
        read->close();
        LINK_WAIT(fx->radio->program_closes() == round + 1, 1000);
    }
    QVERIFY(fx->prompts.texts().isEmpty());
}

void Test_Port_Setup::chinese_texts()
{
    Lang_Flag = -1;
    Install_Language();
    QWidget *d = Open_Setup();
    QCOMPARE(d->windowTitle(), QString("通讯端口设置"));
    QCOMPARE(Control<QGroupBox>(d, "Frame1")->title(), QString("端口设置"));
    QCOMPARE(Control<QPushButton>(d, "Command_ok")->text(), QString("确 定"));
    QCOMPARE(Control<QPushButton>(d, "Command1")->text(), QString("取 消"));
    QCOMPARE(Control<QRadioButton>(d, "Option3")->text(), QString("COM3"));
    if (Port_Device(8).isEmpty())
        QCOMPARE(Control<QLabel>(d, "Label_Device8")->text(), QString("不存在"));

    Port_No = 2;
    qputenv("RADIOPROG_COM2", "/dev/radioprog-missing");
    QWidget *read = Form_Comm_Read::Open();
    QTest::mouseClick(Control<QPushButton>(read, "Command_read"), Qt::LeftButton);
    QCOMPARE(fx->prompts.texts(), QStringList({"通讯端口打开错误，请正确设置通讯端口 ！"}));
    QCOMPARE(fx->prompts.titles(), QStringList({"操作提示"}));
    QVERIFY(fx->prompts.messages.first().detail.startsWith("COM2 即 /dev/radioprog-missing："));
}

QTEST_MAIN(Test_Port_Setup)
#include "test_port_setup.moc"
