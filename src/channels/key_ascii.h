#pragma once
// The character code a key press would type, as the editors' key filters judge it: 13 for Enter, 8 for
// Backspace, the character for a printable key, 0 for keys that type nothing (arrows, Delete,
// shortcuts), which the filters always let through.
#include <QKeyEvent>

inline int Key_Ascii(const QKeyEvent *e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        return 13;
    if (e->key() == Qt::Key_Backspace)
        return 8;
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return 0;
    const QString t = e->text();
    if (t.isEmpty() || !t.at(0).isPrint())
        return 0;
    return t.at(0).unicode();
}
