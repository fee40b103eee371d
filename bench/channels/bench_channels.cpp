// Channel table benchmark.
//
//   bench_channels            runs the measurements below and prints the medians
//   bench_channels --start    (child) starts the program's main window and reports when the channel
//                             table has painted its rows, then exits
//   bench_channels --redraw   (child) times activations of the channel table
//
// Start-up is measured from outside: the parent takes the time from starting a child process (fork,
// exec, loading the libraries, QApplication, the main window's start-up sequence, the table's first
// paint) until the child reports the table painted. The child also reports where its own time went.
// Redraw is the activation of the table as a child window (its frame becoming the active subwindow,
// which draws all 128 rows from the image) followed by a synchronous repaint of the grid. Memory is
// the peak resident set (VmHWM) of a start-up child. Without a display the children run on Qt's
// offscreen platform.
#include "channels/frm_chann.h"
#include "core/globals.h"
#include "shell/MDImain.h"
#include "ui/host.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

long Vm_Hwm_Kb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

double Median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

// Reports once the grid's viewport has finished a paint with its rows filled in.
class Paint_Watch : public QObject
{
public:
    std::function<void()> done;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && done) {
            auto f = std::move(done);
            done = nullptr;
            QTimer::singleShot(0, f);   // runs after this paint has completed
        }
        return false;
    }
};

int Run_Start(int argc, char **argv)
{
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    const double app_ms = clock.nsecsElapsed() / 1e6;
    MDImain w;
    w.MDIForm_Load();
    const double load_ms = clock.nsecsElapsed() / 1e6;
    frm_chann *table = Host::Find<frm_chann>();
    QTableWidget *grid = table ? table->findChild<QTableWidget *>(QStringLiteral("MSF_chann")) : nullptr;
    if (!grid || grid->rowCount() != 129 || grid->item(128, 0)->text() != QLatin1String("128")) {
        std::printf("failed: no channel table with 128 rows\n");
        return 1;
    }
    Paint_Watch watch;
    watch.done = [&] {
        std::printf("drawn %.3f %.3f %.3f %ld\n", app_ms, load_ms, clock.nsecsElapsed() / 1e6, Vm_Hwm_Kb());
        std::fflush(stdout);
        QApplication::exit(0);
    };
    grid->viewport()->installEventFilter(&watch);
    QTimer::singleShot(10000, [] { QApplication::exit(2); });
    return app.exec();
}

// Two full channel lists that differ in every cell, so that a redraw rewrites all of them.
void Put_Image(int variant)
{
    for (int n = 1; n <= 128; ++n) {
        Integer *b = Radio_Data[n];
        const long long steps = 41000000LL + n * 40000LL + variant * 1250LL;
        long long s = steps;
        for (int i = 0; i < 4; ++i) {
            const int low = int(s % 10);
            s /= 10;
            const int high = int(s % 10);
            s /= 10;
            b[i] = Integer(high * 16 + low);
        }
        b[4] = 0x00;
        b[5] = 0x00;
        b[6] = Integer(variant ? 0x50 : 0x20);
        b[7] = 0x00;
        b[8] = Integer(variant ? 1 : 0);
        b[9] = Integer((n + variant) % 50);
        b[10] = Integer(variant ? 0 : 2);
        b[11] = Integer((n * 3 + variant) % 100);
        b[12] = Integer((variant ? 0x40 : 0x80) | (variant ? 1 : 2));
        b[13] = Integer(variant ? 0x00 : 0x20);
        for (int k = 0; k < 5; ++k) {
            const int at = (n - 1) * 5 + k;
            Radio_Data[160 + at / 16][at % 16] = Integer((n + k + variant) % 38 + 1);
        }
    }
}

int Run_Redraw(int argc, char **argv)
{
    QApplication app(argc, argv);
    MDImain w;
    w.MDIForm_Load();
    frm_chann *table = Host::Find<frm_chann>();
    auto *frame = table ? qobject_cast<QMdiSubWindow *>(table->parentWidget()) : nullptr;
    if (!frame) {
        std::printf("failed: no channel table child window\n");
        return 1;
    }
    QTableWidget *grid = table->findChild<QTableWidget *>(QStringLiteral("MSF_chann"));
    auto *other = new QWidget;
    other->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow *other_frame = Host::Show_Child(other, QRect(0, 0, 200, 120));
    QMdiArea *area = frame->mdiArea();
    QApplication::processEvents();

    const auto measure = [&](bool change, int rounds) {
        std::vector<double> ms;
        for (int i = 0; i < rounds; ++i) {
            area->setActiveSubWindow(other_frame);
            QApplication::processEvents();
            if (change)
                Put_Image(i % 2);
            QElapsedTimer t;
            t.start();
            area->setActiveSubWindow(frame);
            grid->viewport()->repaint();
            ms.push_back(t.nsecsElapsed() / 1e6);
            if (change && grid->item(128, 1)->text().isEmpty())
                return std::vector<double>();   // the rows were not drawn
        }
        return ms;
    };
    measure(true, 5);   // warm up
    const std::vector<double> changed = measure(true, 51);
    const std::vector<double> same = measure(false, 51);

    // Where an activation's time goes: the frame's activation alone (which draws the rows), and
    // the grid's paint of rows already drawn.
    std::vector<double> activate_only, paint_only;
    for (int i = 0; i < 51; ++i) {
        area->setActiveSubWindow(other_frame);
        QApplication::processEvents();
        Put_Image(i % 2);
        QElapsedTimer t;
        t.start();
        area->setActiveSubWindow(frame);
        activate_only.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        grid->viewport()->repaint();
        paint_only.push_back(t.nsecsElapsed() / 1e6);
    }

    std::vector<double> fill;   // the drawing routine alone, without activation and paint
    for (int i = 0; i < 51; ++i) {
        Put_Image(i % 2);
        QElapsedTimer t;
        t.start();
        table->Redraw_All();
        fill.push_back(t.nsecsElapsed() / 1e6);
    }
    if (changed.empty()) {
        std::printf("failed: activation did not draw the rows\n");
        return 1;
    }
    std::printf("redraw %.3f %.3f %.3f %.3f %.3f\n", Median(changed), Median(same), Median(fill),
                Median(activate_only), Median(paint_only));
    return 0;
}

int Run_Parent(const QString &self)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("DISPLAY")) && !env.contains(QStringLiteral("WAYLAND_DISPLAY"))
        && !env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.warning=false"));

    const auto run = [&](const QString &mode, double *elapsed_ms) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer t;
        t.start();
        p.start(self, {mode});
        QByteArray out;
        while (!out.contains('\n') && p.waitForReadyRead(20000))
            out += p.readAllStandardOutput();
        if (elapsed_ms)
            *elapsed_ms = t.nsecsElapsed() / 1e6;
        p.waitForFinished(20000);
        out += p.readAllStandardOutput();
        return QString::fromLocal8Bit(out).trimmed().split(QLatin1Char(' '));
    };

    const int rounds = 15;
    std::vector<double> start, app_ms, load_ms, child_ms, hwm;
    run(QStringLiteral("--start"), nullptr);   // warm the file cache
    for (int i = 0; i < rounds; ++i) {
        double ms = 0;
        const QStringList f = run(QStringLiteral("--start"), &ms);
        if (f.value(0) != QLatin1String("drawn")) {
            std::printf("start-up run failed: %s\n", qPrintable(f.join(QLatin1Char(' '))));
            return 1;
        }
        start.push_back(ms);
        app_ms.push_back(f.value(1).toDouble());
        load_ms.push_back(f.value(2).toDouble());
        child_ms.push_back(f.value(3).toDouble());
        hwm.push_back(f.value(4).toDouble() / 1024.0);
    }
    const QStringList r = run(QStringLiteral("--redraw"), nullptr);
    if (r.value(0) != QLatin1String("redraw")) {
        std::printf("redraw run failed: %s\n", qPrintable(r.join(QLatin1Char(' '))));
        return 1;
    }
    const double redraw = r.value(1).toDouble();
    const double peak = *std::max_element(hwm.begin(), hwm.end());
    const double start_s = Median(start) / 1000.0;

    std::printf("platform: %s\n", qPrintable(env.value(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("default"))));
    std::printf("start to table drawn (process start, median of %d): %.3f s   target <= 0.25 s  %s\n", rounds,
                start_s, start_s <= 0.25 ? "ok" : "MISSED");
    std::printf("  inside the process: QApplication %.1f ms, start-up sequence done %.1f ms, painted %.1f ms\n",
                Median(app_ms), Median(load_ms), Median(child_ms));
    std::printf("redraw of 128 rows on activation (median of 51): %.3f ms   target <= 5 ms  %s\n", redraw,
                redraw <= 5 ? "ok" : "MISSED");
    std::printf("  of which: activation with its drawing of the rows %.3f ms (the drawing routine alone %.3f ms),\n"
                "  the grid's repaint %.3f ms; activation and repaint with the image unchanged %.3f ms\n",
                r.value(4).toDouble(), r.value(3).toDouble(), r.value(5).toDouble(), r.value(2).toDouble());
    std::printf("peak resident memory (VmHWM, largest of %d starts): %.1f MB   target <= 60 MB  %s\n", rounds, peak,
                peak <= 60 ? "ok" : "MISSED");
    return (start_s <= 0.25 && redraw <= 5 && peak <= 60) ? 0 : 3;
}

} // namespace

int main(int argc, char **argv)
{
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("--start"))
        return Run_Start(argc, argv);
    if (mode == QLatin1String("--redraw"))
        return Run_Redraw(argc, argv);
    QCoreApplication app(argc, argv);
    return Run_Parent(QCoreApplication::applicationFilePath());
}
