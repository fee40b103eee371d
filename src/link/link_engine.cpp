#include "link_engine.h"

#include "core/prompt.h"
#include "port_map.h"

#include <QFile>
#include <QPointer>
#include <QSerialPort>
#include <QTimer>

#include <chrono>
#include <cstring>
#include <thread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

Link_Timing Link_Times;

namespace {

const quint8 Program_Frame[8] = {0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D, 0x02};   // PROGRAM, 2
const quint8 Identifier[5] = {0x5A, 0x52, 0x33, 0x33, 0x33};                       // ZR333

// The identifier may start at most this far into the reply.
constexpr int Ident_Last_Start = 9;
// Identifier and the three power values after it.
constexpr int Ident_Span = 8;

// Qt delivers a timer a little late, never early; the send timer wakes this much before the frame is
// due and the rest is slept exactly, so each frame leaves on time.
constexpr int Send_Lead_Ms = 1;

QTimer *Make_Timer(QObject *parent, const char *name)
{
    auto *t = new QTimer(parent);
    t->setObjectName(QLatin1String(name));
    t->setTimerType(Qt::PreciseTimer);
    return t;
}

// A line for the message box's details that says what to do about a device the user may not open.
QString Group_Hint(const QString &device)
{
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(device);
    if (::access(path.constData(), R_OK | W_OK) == 0 || errno != EACCES)
        return QString();
    struct stat st;
    QString group;
    if (::stat(path.constData(), &st) == 0)
        if (const struct group *g = ::getgrgid(st.st_gid))
            group = QString::fromLocal8Bit(g->gr_name);
    if (group.isEmpty())
        group = QStringLiteral("dialout");
    return Link_Engine::tr("Only members of the group \"%1\", which owns %2, may use it. Add your user "
                           "to that group (sudo usermod -aG %1 $USER) and log in again.")
        .arg(group, device);
#else
    Q_UNUSED(device);
    return QString();
#endif
}

} // namespace

Link_Engine::Link_Engine(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("Link_Engine"));
    MSC = new QSerialPort(this);
    MSC->setObjectName(QStringLiteral("MSC"));
    Timer1 = Make_Timer(this, "Timer1");
    Timer2 = Make_Timer(this, "Timer2");
    Timer3 = Make_Timer(this, "Timer3");
    Timer4 = Make_Timer(this, "Timer4");
    connect(MSC, &QSerialPort::readyRead, this, &Link_Engine::MSC_OnComm);
    connect(Timer1, &QTimer::timeout, this, &Link_Engine::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &Link_Engine::Timer2_Timer);
    connect(Timer3, &QTimer::timeout, this, &Link_Engine::Timer3_Timer);
}

Link_Engine::~Link_Engine()
{
    Stop_Timers();
    Timer4->stop();
    Close_Port();
}

QString Link_Engine::Busy_Start_Text()
{
    return tr("Read-write operating with transceiver .");
}

QString Link_Engine::Busy_Close_Text()
{
    return tr("Read-write operating，don't close the window. ,");
}

QString Link_Engine::Fault_Text()
{
    return tr("Communication fault.");
}

bool Link_Engine::Port_Open() const
{
    return MSC->isOpen();
}

void Link_Engine::Stop_Timers()
{
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
}

void Link_Engine::Discard_Input()
{
    if (MSC->isOpen())
        MSC->clear(QSerialPort::Input);
}

void Link_Engine::Write_Byte(int value)
{
    if (!MSC->isOpen())
        return;
    const char c = char(value & 0xFF);
    MSC->write(&c, 1);
    MSC->flush();
}

void Link_Engine::Close_Port()
{
    if (!MSC->isOpen())
        return;
    // Qt keeps unwritten bytes in its own buffer and drops them on close; the end bytes must go out.
    MSC->flush();
    MSC->close();
}

void Link_Engine::Open_Port(bool write_mode)
{
    Port_Error = 0;
    const QString device = Port_Device(Port_No);
    QString detail;
    if (device.isEmpty()) {
        detail = tr("COM%1 is not attached to any serial device.").arg(Port_No);
    } else {
        MSC->setPortName(device);
        MSC->setBaudRate(QSerialPort::Baud9600);
        MSC->setDataBits(QSerialPort::Data8);
        MSC->setParity(QSerialPort::NoParity);
        MSC->setStopBits(QSerialPort::OneStop);
        MSC->setFlowControl(QSerialPort::NoFlowControl);
        MSC->setReadBufferSize(1024);
        if (MSC->open(QIODevice::ReadWrite)) {
            MSC->clear(QSerialPort::Input);
            if (write_mode)
                MSC->clear(QSerialPort::Output);
            return;
        }
        detail = tr("COM%1 is %2: %3").arg(Port_No).arg(device, MSC->errorString());
        const QString hint = Group_Hint(device);
        if (!hint.isEmpty())
            detail += QLatin1Char('\n') + hint;
    }
    Port_Error = -1;
    Prompt(tr("Communication port is error, please setting right communication port . ！"), QString(),
           detail);
}

void Link_Engine::Start_Link(bool write_mode, int block_end)
{
    if (Busy)
        return;
    // A retry pause still pending from an earlier attempt must not restart this transfer.
    Timer3->stop();
    if (!MSC->isOpen()) {
        Open_Port(write_mode);
        if (Port_Error == -1)
            return;
    }
    Linked = False_Flag;
    Discard_Input();
    for (int i = 0; i < 8; ++i)
        Tx_Frame[i] = Program_Frame[i];
    Tx_Len = 8;
    Write_Mode = write_mode ? True_Flag : False_Flag;
    Block_End = Integer(block_end);
    Block_No = 0;
    Busy = True_Flag;
    Send_Frame();
}

void Link_Engine::Send_Frame()
{
    Tx_Pos = 0;
    Tx_Done = False_Flag;
    Prepared.start();
    Timer1->start(qMax(0, Link_Times.send - Send_Lead_Ms));
}

void Link_Engine::Timer1_Timer()
{
    const qint64 left_ns = qint64(Link_Times.send) * 1000000 - Prepared.nsecsElapsed();
    if (left_ns > 0)
        std::this_thread::sleep_for(
            std::chrono::nanoseconds(qMin<qint64>(left_ns, qint64(Send_Lead_Ms) * 1000000)));
    // Anything that came in since the last answer was taken answers nothing we are about to ask:
    // surplus of a reply that trickled in late must not be read as the start of the next one.
    Discard_Input();
    for (; Tx_Pos < Tx_Len; ++Tx_Pos) {
        const char c = char(Tx_Frame[Tx_Pos] & 0xFF);
        if (MSC->isOpen())
            MSC->write(&c, 1);
        Timer2->start(Link_Times.byte_wait);
    }
    if (MSC->isOpen())
        MSC->flush();
    Timer2->start(Link_Times.response);
    Timer1->stop();
    Tx_Done = True_Flag;
}

void Link_Engine::Timer2_Timer()
{
    Timer2->stop();
    Timer1->stop();
    Timer3->start(Link_Times.retry);
    Close_Port();
    Busy = False_Flag;
}

void Link_Engine::Timer3_Timer()
{
    Stop_Timers();
    if (Retry_Left < 1) {
        QPointer<Link_Engine> alive(this);
        Prompt(tr("Fail connect with transceiver."));
        if (alive)
            emit Link_Failed();
        return;
    }
    --Retry_Left;
    Start_Link(Write_Mode != 0, Block_End);
}

void Link_Engine::MSC_OnComm()
{
    QPointer<Link_Engine> alive(this);
    if (!MSC->isOpen())
        return;
    if (Linked && Write_Mode) {
        // Every byte counts as its own arrival, so an acknowledge right behind a stray byte is seen.
        while (alive && MSC->isOpen() && MSC->bytesAvailable() > 0) {
            char c = 0;
            if (!MSC->getChar(&c))
                break;
            Rx_Buf[0] = quint8(c);
            if (quint8(c) == 0x06 && Tx_Done) {
                Timer2->stop();
                emit Next_Step();
            }
        }
        return;
    }
    if (Linked) {
        if (MSC->bytesAvailable() > 20) {
            Timer2->stop();
            for (int i = 0; i < 21; ++i) {
                char c = 0;
                MSC->getChar(&c);
                Rx_Buf[i] = quint8(c);
            }
            Discard_Input();
            Write_Byte(0x06);
            emit Next_Step();
        }
        return;
    }
    if (MSC->bytesAvailable() > 8)
        Identify();
}

void Link_Engine::Identify()
{
    // The reply is looked at as a whole (as far as the shift to index 0 below reaches), so that the
    // identifier may start anywhere up to index 9 and the power values taken are the ones this
    // reply carries, never bytes an earlier reception left behind.
    const QByteArray seen = MSC->peek(Ident_Last_Start + 21);
    const int n = int(seen.size());
    int p = -1;
    for (int i = 0; i <= Ident_Last_Start && i + 5 <= n; ++i)
        if (std::memcmp(seen.constData() + i, Identifier, 5) == 0) {
            p = i;
            break;
        }
    if (p >= 0 && p + Ident_Span > n)
        return;   // the power values are still on their way
    if (p < 0 && n < Ident_Last_Start + 5)
        return;   // the identifier may still arrive at a later start
    if (p < 0) {
        // Not this radio: the response time-out takes its course.
        Discard_Input();
        return;
    }
    MSC->read(reinterpret_cast<char *>(Rx_Buf), n);
    for (int k = 0; k <= 20; ++k)
        Rx_Buf[k] = Rx_Buf[p + k];
    Discard_Input();
    Linked = True_Flag;
    Timer2->stop();
    Timer3->stop();
    emit First_Step();
}
