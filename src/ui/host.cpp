#include "host.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>

namespace Host {

namespace {
QPointer<QMdiArea> area;
QList<QPointer<QWidget>> windows;

QSize Screen_Size()
{
    if (QScreen *s = QGuiApplication::primaryScreen())
        return s->size();
    return QSize(1024, 768);
}
} // namespace

void Set_Area(QMdiArea *a)
{
    area = a;
}

QMdiArea *Area()
{
    return area;
}

QSize Main_Size()
{
    if (area && area->window())
        return area->window()->frameGeometry().size();
    return Screen_Size() / 1.5;
}

QSize Inner_Size()
{
    if (area)
        return area->size();
    return Screen_Size() / 1.5;
}

int Twips(int twips)
{
    const QScreen *s = area ? area->screen() : QGuiApplication::primaryScreen();
    const double dpi = s ? s->logicalDotsPerInchY() : 96.0;
    return qRound(twips * dpi / 1440.0);
}

QMdiSubWindow *Show_Child(QWidget *w, const QRect &frame)
{
    windows.removeAll(QPointer<QWidget>());
    windows.append(w);
    if (!area) {
        if (frame.isValid())
            w->setGeometry(frame);
        w->show();
        return nullptr;
    }
    QMdiSubWindow *sub = area->addSubWindow(w);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(w->windowIcon());
    // The subwindow's system menu claims Ctrl+W for "Close"; in this program Ctrl+W writes the radio.
    if (QMenu *menu = sub->systemMenu())
        for (QAction *a : menu->actions())
            a->setShortcut(QKeySequence());
    if (frame.isValid())
        sub->setGeometry(frame);
    sub->show();
    return sub;
}

QList<QWidget *> Open_Windows()
{
    QList<QWidget *> out;
    for (const QPointer<QWidget> &w : std::as_const(windows))
    {
        if (!w || w->property("closing").toBool())
            continue;
        // A closed window is hidden until its deferred deletion; a minimized child is not hidden.
        QWidget *frame = qobject_cast<QMdiSubWindow *>(w->parentWidget());
        if ((frame ? frame : w.data())->isHidden())
            continue;
        out.append(w);
    }
    return out;
}

void Close_Now(QWidget *w)
{
    if (!w)
        return;
    QPointer<QWidget> guard(w);
    QPointer<QMdiSubWindow> sub = qobject_cast<QMdiSubWindow *>(w->parentWidget());
    w->setProperty("closing", true);
    if (sub)
        sub->close();
    else
        w->close();
    if (guard && !guard->isVisible()) {
        // Close was accepted: finish the destruction now so a fresh instance never meets the old one.
        if (sub)
            delete sub.data();
        else
            delete guard.data();
    } else if (guard) {
        guard->setProperty("closing", false);
    }
}

} // namespace Host
