#pragma once
// Frequency arithmetic shared by the channel table and the channel edit dialog. Frequencies are
// worked in whole 10 Hz steps, the image's resolution, so sums and differences are exact.
#include "core/globals.h"

#include <QString>

namespace Chann_Freq {

// A value v is inside the band when Band_Low <= v < Band_High.
inline bool In_Band(double v)
{
    return Band_Low <= v && v < Band_High;
}

// Count of 10 Hz steps in the four frequency bytes at Radio_Data(block, byte), least significant
// byte first. Nibbles are taken as they are, as the display takes them.
inline long long Steps_At(int block, int byte)
{
    long long n = 0;
    for (int i = 3; i >= 0; --i) {
        const int b = Radio_Data[block][byte + i] & 0xFF;
        n = n * 10 + b / 16;
        n = n * 10 + b % 16;
    }
    return n;
}

// Transmit frequency of a record in steps: receive, plus or minus the offset as bits 6..7 of
// byte 12 say (3 counts as no shift).
inline long long Tx_Steps(int block)
{
    const long long rx = Steps_At(block, 0);
    const long long off = Steps_At(block, 4);
    const int d = (Radio_Data[block][12] & 0xC0) / 64;
    return d == 1 ? rx + off : d == 2 ? rx - off : rx;
}

// A step count as a text with five decimals, the form Put_Freq takes ("0.60000").
inline QString Steps_Text(long long steps)
{
    const long long a = steps < 0 ? -steps : steps;
    return (steps < 0 ? QStringLiteral("-") : QString()) + QString::number(a / 100000)
           + QLatin1Char('.') + QStringLiteral("%1").arg(a % 100000, 5, 10, QLatin1Char('0'));
}

// A transmit frequency as the windows show it: shortest decimal form completed to 9 characters
// (467.0125 -> 467.01250, 145 -> 145.00000, -5 -> -5.000000).
inline QString Tx_Display_Text(long long steps)
{
    const long long a = steps < 0 ? -steps : steps;
    QString s = (steps < 0 ? QStringLiteral("-") : QString()) + QString::number(a / 100000);
    if (a % 100000 != 0) {
        QString frac = QStringLiteral("%1").arg(a % 100000, 5, 10, QLatin1Char('0'));
        while (frac.endsWith(QLatin1Char('0')))
            frac.chop(1);
        s += QLatin1Char('.') + frac;
    }
    if (s.size() < 9) {
        if (!s.contains(QLatin1Char('.')))
            s += QLatin1Char('.');
        while (s.size() < 9)
            s += QLatin1Char('0');
    }
    return s;
}

// The text Put_Freq would encode for s (trimmed, "145" -> "145.", padded to 9 characters).
inline QString Put_Form(QString s)
{
    s = s.trimmed();
    if (s.size() >= 1 && s.size() <= 3)
        s += QLatin1Char('.');
    while (s.size() < 9)
        s += QLatin1Char('0');
    return s;
}

// The lower band limit as the replacement text of a refused frequency: 400.00000. Five decimals
// whatever the limit's digits, so a one-digit limit is never completed into millions.
inline QString Band_Low_Text()
{
    return QString::number(Band_Low, 'f', 5);
}

// True when a completed frequency text both reads as an in-band value and is stored by Put_Freq as
// that value: a text with blanks counted into its length, an exponent or a leading zero is not.
inline bool Storable(const QString &s)
{
    return In_Band(Val(s)) && In_Band(Val(Put_Form(s)));
}

} // namespace Chann_Freq
