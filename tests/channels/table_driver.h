#pragma once
// Drives the channel table the way a user does: mouse clicks on cells, keys to whatever widget has
// the focus. Also builds expected image bytes independently of the program's own codecs.
#include "channels/frm_chann.h"
#include "core/globals.h"

#include <QtTest>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>

// Brings a window to the front as the window system would, and waits until it is the active one.
inline bool Activate(QWidget *w)
{
    w = w->window();
    w->show();
    w->activateWindow();
    QApplication::setActiveWindow(w);
    return QTest::qWaitFor([w] { return w->isActiveWindow(); });
}

struct Table_Driver
{
    frm_chann *w = nullptr;
    QTableWidget *grid = nullptr;
    QLineEdit *text = nullptr;
    QComboBox *combo = nullptr;

    bool open()
    {
        w = frm_chann::Open();
        if (!w)
            return false;
        grid = w->findChild<QTableWidget *>(QStringLiteral("MSF_chann"));
        text = w->findChild<QLineEdit *>(QStringLiteral("Text_Edit"));
        combo = w->findChild<QComboBox *>(QStringLiteral("Combo_edit"));
        if (!grid || !text || !combo)
            return false;
        return Activate(w);
    }

    QString cell(int r, int c) const { return grid->item(r, c)->text(); }
    QRect cell_rect(int r, int c) const { return grid->visualItemRect(grid->item(r, c)); }

    void click(int r, int c)
    {
        grid->scrollToItem(grid->item(r, c));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell_rect(r, c).center());
    }

    // Keys go where the focus is, as they would for a user at the keyboard.
    static QWidget *focus() { return QApplication::focusWidget(); }
    static void type(const QString &s) { QTest::keyClicks(focus(), s); }
    static void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(focus(), k, m); }
    static void enter() { key(Qt::Key_Return); }

    bool editing_text_at(int r, int c) const
    {
        return !text->isHidden() && grid->currentRow() == r && grid->currentColumn() == c
               && text->geometry() == cell_rect(r, c);
    }
    bool choosing_at(int r, int c) const
    {
        const QRect cr = cell_rect(r, c);
        return !combo->isHidden() && grid->currentRow() == r && grid->currentColumn() == c
               && combo->geometry().topLeft() == cr.topLeft() && combo->width() == cr.width();
    }
};

// Expected bytes, computed here rather than by the program's encoder.
namespace Expect {

// Four frequency bytes, least significant first, for a frequency given in 10 Hz steps.
inline QList<int> Freq(long long steps)
{
    QList<int> out;
    for (int i = 0; i < 4; ++i) {
        const int low = int(steps % 10);
        steps /= 10;
        const int high = int(steps % 10);
        steps /= 10;
        out.append(high * 16 + low);
    }
    return out;
}

inline QList<int> Block(int block, int from, int count)
{
    QList<int> out;
    for (int i = from; i < from + count; ++i)
        out.append(Radio_Data[block][i]);
    return out;
}

inline QList<int> Name_Bytes(int n)
{
    QList<int> out;
    for (int k = 0; k < 5; ++k) {
        const int at = (n - 1) * 5 + k;
        out.append(Radio_Data[160 + at / 16][at % 16]);
    }
    return out;
}

inline void Put_Name_Bytes(int n, const QList<int> &codes)
{
    for (int k = 0; k < 5; ++k) {
        const int at = (n - 1) * 5 + k;
        Radio_Data[160 + at / 16][at % 16] = Integer(codes.value(k, 0xFF));
    }
}

// Copy of the whole data part of the image, to prove that nothing else changed.
using Image = QList<QList<int>>;
inline Image Snapshot()
{
    Image img;
    for (int b = 0; b < 256; ++b)
        img.append(Block(b, 0, 16));
    return img;
}

} // namespace Expect
