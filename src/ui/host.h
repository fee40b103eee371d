#pragma once
// Where child windows live. The main window registers its MDI area here; every window shows itself
// through Show_Child() and takes its size from the main window's measures below. Without a main
// window (a window tested on its own) children become ordinary top-level windows and the measures
// fall back to two thirds of the screen, as the main window itself would be sized.
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

class QMdiArea;
class QMdiSubWindow;

namespace Host {

void Set_Area(QMdiArea *area);
QMdiArea *Area();

// Outer size of the main window and size of its client (MDI) area, in pixels.
QSize Main_Size();
QSize Inner_Size();
// A length in twips (1/1440 inch) as pixels of the main window's screen.
int Twips(int twips);

// Shows w as a child window with the given geometry of its frame inside the client area (an empty
// rectangle keeps its own size). w should carry Qt::WA_DeleteOnClose. Returns the subwindow, or
// nullptr when there is no main window.
QMdiSubWindow *Show_Child(QWidget *w, const QRect &frame = QRect());

// Windows shown through Show_Child that are still open.
QList<QWidget *> Open_Windows();

// The open (visible, not closing) window of class W, or nullptr.
template<class W> W *Find()
{
    for (QWidget *w : Open_Windows())
        if (auto *hit = qobject_cast<W *>(w))
            return hit;
    return nullptr;
}

// Closes w now (its close handlers run) and destroys it, with its subwindow, before returning.
void Close_Now(QWidget *w);

// Closes the open window of class W if there is one, so the caller can open a fresh instance.
template<class W> void Close_Open()
{
    if (W *w = Find<W>())
        Close_Now(w);
}

} // namespace Host
