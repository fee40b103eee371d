// Photographs the main window with each child window open, in English and in Chinese, so the
// texts and layouts of every window can be looked at without clicking through them by hand.
// Usage: screenshots <folder>   (messages are printed instead of shown)
#include "core/globals.h"
#include "core/prompt.h"
#include "shell/MDImain.h"
#include "shell/frmAbout.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screens");
    QDir().mkpath(folder);
    Set_Prompt_Handler([](const Prompt_Message &m) {
        std::printf("message: %s: %s\n", qPrintable(m.title), qPrintable(m.text));
    });

    MDImain w;
    w.MDIForm_Load();
    w.resize(1280, 860);
    QTest::qWait(300);

    const char *commands[] = {"Channel_edit", "proc_type", "Optional_edit", "Test_edit", "proc_setup",
                              "File_Open", "File_save", "Prog_read", "Prog_write", "Adj_Txp",
                              "Menu_About", "Command_Edit"};
    for (int lang : {0, -1}) {
        if (lang)
            w.Language_chn_Click();
        else
            w.Language_eng_Click();
        for (const char *c : commands) {
            w.Client()->closeAllSubWindows();
            QTest::qWait(50);
            if (qstrcmp(c, "Menu_About") == 0) {
                frmAbout::Open();   // its menu item is hidden in this edition
            } else if (qstrcmp(c, "Command_Edit") == 0) {
                // the channel edit dialog opens from the channel table
                w.Menu_Item(QStringLiteral("Channel_edit"))->trigger();
                QTest::qWait(100);
                if (auto *b = w.Client()->findChild<QPushButton *>(QLatin1String(c)))
                    b->click();
            } else {
                w.Menu_Item(QLatin1String(c))->trigger();
            }
            QTest::qWait(400);
            const QString file = QStringLiteral("%1/%2_%3.png").arg(folder, lang ? "zh" : "en", c);
            w.grab().save(file);
            std::printf("%s\n", qPrintable(file));
        }
    }
    return 0;
}
