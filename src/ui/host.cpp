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

// A window that closes itself (its own Close button, a finished transfer) must take its frame with
// it; the frame only learns of the close afterwards, once the window is hidden or gone.
class Frame_Closer : public QObject
{
public:
    Frame_Closer(QWidget *w, QMdiSubWindow *sub)
        : QObject(sub), window(w), frame(sub)
    {
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window && event->type() == QEvent::Close)
            QMetaObject::invokeMethod(this, &Frame_Closer::Check, Qt::QueuedConnection);
        return false;
    }

private:
    void Check()
    {
        if (!frame || frame->isHidden())
            return;
        if (!window || (window->isHidden() && !frame->isMinimized()))
            frame->close();
    }

    QPointer<QWidget> window;
    QPointer<QMdiSubWindow> frame;
};

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
    new Frame_Closer(w, sub);
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
        // A closed window is hidden until its deferred deletion; a minimized child hides its window
        // but not its frame.
        auto *frame = qobject_cast<QMdiSubWindow *>(w->parentWidget());
        const bool closed = frame ? frame->isHidden() || (w->isHidden() && !frame->isMinimized())
                                  : w->isHidden();
        if (closed)
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
