#pragma once
// What the link tests share: a simulated radio on a real pseudo-terminal attached as COM1, ways to
// reach the dialogs' controls, and a recorder of what a dialog shows after each step of a transfer.
#include "core/globals.h"
#include "core/image.h"
#include "core/language.h"
#include "link/link_engine.h"
#include "prompt_recorder.h"
#include "radiosim.h"
#include "ui/host.h"

#include <QtTest>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSerialPort>
#include <QTimer>

#include <memory>
#include <vector>

namespace link_test {

using Bytes = std::vector<std::uint8_t>;

// A memory in which every byte value occurs and neighbouring bytes differ.
inline radiosim::Memory Pattern_Memory(int seed)
{
    radiosim::Memory m{};
    for (int a = 0; a < radiosim::Memory_Size; ++a)
        m[std::size_t(a)] = std::uint8_t(((a * 37 + seed * 101 + 11) ^ (a >> 8)) & 0xFF);
    return m;
}

// The image's blocks 0..255 as a radio memory.
inline radiosim::Memory Image_Memory()
{
    radiosim::Memory m{};
    for (int a = 0; a < radiosim::Memory_Size; ++a)
        m[std::size_t(a)] = std::uint8_t(Radio_Data[a / 16][a % 16] & 0xFF);
    return m;
}

inline Bytes Ident_Onwards(const radiosim::Radio &radio)
{
    const Bytes all = radio.received();
    const std::size_t mark = radio.ident_mark();
    return Bytes(all.begin() + std::ptrdiff_t(std::min(mark, all.size())), all.end());
}

inline QByteArray Hex(const Bytes &b)
{
    return QByteArray(reinterpret_cast<const char *>(b.data()), qsizetype(b.size())).toHex(' ');
}

// Runs a real event loop until the condition holds or the time is up. QTest::qWait sleeps between
// its rounds of events, which would add up to 10 ms to every exchange with the radio.
template<class Pred> bool Wait_For(Pred pred, int timeout_ms)
{
    if (pred())
        return true;
    QEventLoop loop;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (pred() || clock.elapsed() > timeout_ms)
            loop.quit();
    });
    poll.start(2);
    loop.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return pred();
}

#define LINK_WAIT(cond, ms) QVERIFY2(link_test::Wait_For([&] { return bool(cond); }, ms), #cond)

template<class T> T *Control(QWidget *dialog, const char *name)
{
    T *c = dialog ? dialog->findChild<T *>(QLatin1String(name)) : nullptr;
    if (!c)
        qWarning("control %s not found", name);
    return c;
}

inline Link_Engine *Engine(QWidget *dialog)
{
    return dialog ? dialog->findChild<Link_Engine *>() : nullptr;
}

// What the dialog shows right after each step the link hands it.
struct Shown
{
    QString label;
    int progress;
    bool bar_visible;
};

class Step_Log : public QObject
{
public:
    explicit Step_Log(QWidget *dialog)
    {
        auto *label = Control<QLabel>(dialog, "Label_tr_count");
        auto *bar = Control<QProgressBar>(dialog, "ProgressBar1");
        // Connected after the dialog's own handler, so this sees what that handler left.
        connect(Engine(dialog), &Link_Engine::Next_Step, this, [this, label, bar] {
            steps.append({label->text(), bar->value(), bar->isVisible()});
        });
    }
    QList<Shown> steps;
};

// Every test starts from the program's start state with a fresh radio on COM1.
class Radio_Fixture
{
public:
    Radio_Fixture()
    {
        Init_Globals();
        saved_times = Link_Times;
        radio = std::make_unique<radiosim::Radio>();
        std::string error;
        if (!radio->start(&error))
            qFatal("simulated radio: %s", error.c_str());
        qputenv("RADIOPROG_COM1", QByteArray::fromStdString(radio->path()));
    }
    ~Radio_Fixture()
    {
        for (QWidget *w : Host::Open_Windows())
            Host::Close_Now(w);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        radio->stop();
        qunsetenv("RADIOPROG_COM1");
        Link_Times = saved_times;
        if (Lang_Flag != 0) {
            Lang_Flag = 0;
            Install_Language();
        }
    }
    Radio_Fixture(const Radio_Fixture &) = delete;
    Radio_Fixture &operator=(const Radio_Fixture &) = delete;

    std::unique_ptr<radiosim::Radio> radio;
    Prompt_Recorder prompts;

private:
    Link_Timing saved_times;
};

} // namespace link_test
