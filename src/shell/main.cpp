#include "MDImain.h"
#include "ui/prompt_box.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("radioprog"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/radioprog.svg")));
    Install_Prompt_Box();

    MDImain w;
    w.MDIForm_Load();

    // scripts/run on a machine without a display: photograph the main window, then leave.
    const QString shot = qEnvironmentVariable("RADIOPROG_SCREENSHOT");
    if (!shot.isEmpty()) {
        const int delay = qEnvironmentVariableIntValue("RADIOPROG_SCREENSHOT_DELAY");
        QTimer::singleShot(delay > 0 ? delay : 1500, &w, [&w, shot] {
            QDir().mkpath(QFileInfo(shot).absolutePath());
            const bool ok = w.grab().save(shot);
            std::printf(ok ? "Screenshot of the main window saved to %s\n"
                           : "Could not save the screenshot to %s\n",
                        qPrintable(shot));
            std::fflush(stdout);
            QApplication::exit(ok ? 0 : 1);
        });
    }
    return app.exec();
}
