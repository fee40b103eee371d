// Times a full read and a full write through the real dialogs against the simulated radio paced at
// 9600 bit/s, and sets each beside the floor that the protocol itself sets: every frame waits 15 ms
// before it leaves, then the request and the reply cross the wire at 9600 bit/s.
#include "core/globals.h"
#include "core/image.h"
#include "core/prompt.h"
#include "link/Form_Comm_Read.h"
#include "link/Form_Comm_Write.h"
#include "link/link_engine.h"
#include "radiosim.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

// Wire time of n bytes at 9600 bit/s, 8N1, in milliseconds.
double Wire_Ms(int bytes)
{
    return bytes * radiosim::Byte_Time_Us / 1000.0;
}

// Read: 254 requests of 4 bytes (the first with the acknowledge in front) and 254 replies of 21.
double Read_Floor_Ms()
{
    double ms = 0;
    for (int b = 0; b < 254; ++b)
        ms += Link_Times.send + Wire_Ms((b == 0 ? 5 : 4) + 21);
    return ms;
}

// Write: 240 frames of 20 bytes (the first with the acknowledge in front), each acknowledged.
double Write_Floor_Ms()
{
    double ms = 0;
    for (int b = 0; b < 240; ++b)
        ms += Link_Times.send + Wire_Ms((b == 0 ? 21 : 20) + 1);
    return ms;
}

template<class Pred> bool Run_Until(Pred done, int timeout_ms)
{
    QEventLoop loop;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() > timeout_ms)
            loop.quit();
    });
    poll.start(20);
    loop.exec();
    return done();
}

void Report(const char *what, double ms, double floor_ms)
{
    std::printf("%-6s %9.1f ms   floor %9.1f ms   ratio %.4f\n", what, ms, floor_ms, ms / floor_ms);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Init_Globals();

    radiosim::Radio radio;
    radiosim::Faults pace;
    pace.pace = true;
    radio.set_faults(pace);
    radiosim::Memory mem{};
    for (int a = 0; a < radiosim::Memory_Size; ++a)
        mem[std::size_t(a)] = std::uint8_t((a * 37 + 11) & 0xFF);
    radio.set_memory(mem);
    std::string error;
    if (!radio.start(&error)) {
        std::fprintf(stderr, "bench_link: simulated radio: %s\n", error.c_str());
        return 1;
    }
    qputenv("RADIOPROG_COM1", QByteArray::fromStdString(radio.path()));

    QStringList messages;
    QElapsedTimer clock;
    qint64 finished_ns = 0;   // taken the moment the transfer completes
    Set_Prompt_Handler([&](const Prompt_Message &m) {
        if (messages.isEmpty())
            finished_ns = clock.nsecsElapsed();
        messages.append(m.text);
    });
    int status = 0;

    {
        Form_Comm_Read *d = Form_Comm_Read::Open();
        auto *button = d->findChild<QPushButton *>(QStringLiteral("Command_read"));
        clock.start();
        button->click();
        const bool done = Run_Until([&] { return !messages.isEmpty(); }, 60000);
        const double ms = finished_ns / 1e6;
        if (!done || messages.first() != QLatin1String("Complete reading the data from transceiver.")) {
            std::fprintf(stderr, "bench_link: the read did not complete: %s\n",
                         qPrintable(messages.join(QLatin1String(" / "))));
            status = 1;
        } else {
            Report("read", ms, Read_Floor_Ms());
        }
        Run_Until([] { return Read_Open == 0; }, 2000);
    }

    // The write needs an image that passes the band checks: the program's starting image, with
    // every block it does not check filled so that the frames carry varied bytes.
    Init_Radio_Data();
    for (int b = 129; b < 240; ++b)
        if (b != Range_Block && b != Option_Block && b != Map_Block && b != Ident_Block)
            for (int i = 0; i < 16; ++i)
                Radio_Data[b][i] = Integer((b * 16 + i) * 13 % 256);
    messages.clear();
    {
        Form_Comm_Write *d = Form_Comm_Write::Open();
        auto *button = d->findChild<QPushButton *>(QStringLiteral("Command_Write"));
        auto *label = d->findChild<QLabel *>(QStringLiteral("Label_tr_count"));
        const QString complete = QStringLiteral("Complete writing Data ");
        Link_Engine *link = d->findChild<Link_Engine *>();
        QObject::connect(link, &Link_Engine::Next_Step, d, [&] {
            if (link->Done_Flag && finished_ns == 0)
                finished_ns = clock.nsecsElapsed();
        });
        finished_ns = 0;
        clock.start();
        button->click();
        const bool done = Run_Until([&] { return label->text() == complete || !messages.isEmpty(); },
                                    60000);
        const double ms = finished_ns / 1e6;
        if (!done || !messages.isEmpty()) {
            std::fprintf(stderr, "bench_link: the write did not complete: %s\n",
                         qPrintable(messages.join(QLatin1String(" / "))));
            status = 1;
        } else {
            Report("write", ms, Write_Floor_Ms());
        }
        Run_Until([] { return Write_Open == 0; }, 2000);
    }

    radio.stop();
    return status;
}
