#include "checks.h"

#include "codecs.h"
#include "globals.h"
#include "image.h"
#include "models.h"
#include "prompt.h"

#include <QCoreApplication>
#include <cmath>

namespace {

bool Fully_Used(int n)
{
    for (int i = 0; i < 4; ++i)
        if (Radio_Data[n][i] == 0xFF)
            return false;
    return true;
}

bool Not_Empty(int n)
{
    for (int i = 0; i < 4; ++i)
        if (Radio_Data[n][i] != 0xFF)
            return true;
    return false;
}

// True when the block's receive frequency or the transmit frequency derived from it lies outside
// low..high, comparing whole megahertz.
bool Out_Of_Range(int block, int low, int high)
{
    const double r = Val(Freq_At(block, Ch_Rx));
    if (std::floor(r) < low || std::floor(r) > high)
        return true;
    const double o = Val(Freq_At(block, Ch_Offset));
    double t = r;
    switch ((Radio_Data[block][Ch_Power] & 0xC0) / 64) {
    case 1: t = r + o; break;
    case 2: t = r - o; break;
    default: break;
    }
    return std::floor(t) < low || std::floor(t) > high;
}

} // namespace

void Set_First_Chann()
{
    Radio_Data[Option_Block][12] = 0;
    for (int n = 1; n <= Chann_Count; ++n) {
        if (Fully_Used(n)) {
            Radio_Data[Option_Block][12] = Integer(n);
            break;
        }
    }
}

void Build_Chann_Map()
{
    static const char ident[8] = {'Z', 'R', ' ', '3', '3', '3', '2', 0x02};
    for (int i = 0; i < 16; ++i)
        Radio_Data[Ident_Block][i] = 0xFF;
    for (int i = 0; i < 8; ++i)
        Radio_Data[Ident_Block][i] = ident[i];

    for (int i = 0; i < 16; ++i)
        Radio_Data[Map_Block][i] = 0xFF;
    for (int n = 1; n <= Chann_Count; ++n)
        if (Fully_Used(n))
            Radio_Data[Map_Block][(n - 1) / 8] &= Integer(~(1 << ((n - 1) % 8)) & 0xFF);
}

int Check_Vfo_Range()
{
    int low, high;
    Get_Range(low, high);
    return Out_Of_Range(Vfo_Block, low, high) ? 1 : 0;
}

int Check_Chann_Range()
{
    int low, high;
    Get_Range(low, high);
    for (int n = 1; n <= Chann_Count; ++n)
        if (Not_Empty(n) && Out_Of_Range(n, low, high))
            return n;
    return 0;
}

QString Vfo_Range_Text()
{
    return QCoreApplication::translate(
        "RangeCheck",
        "Receiving or transmitting frequency that frequency Mode out of frequency limitation range ");
}

QString Chann_Range_Text(int n)
{
    //: %1 is the channel number; keep one blank on each side of it
    return QCoreApplication::translate(
               "RangeCheck",
               "Channel %1 that Receiving or transmitting frequency  out of frequency limitation range ")
        .arg(Num_Trim(n));
}

bool Prepare_Write()
{
    Radio_Data[Option_Block][1] &= Integer(~0x10 & 0xFF);
    Set_First_Chann();
    Build_Chann_Map();
    if (Check_Vfo_Range() > 0) {
        Prompt(Vfo_Range_Text());
        return false;
    }
    const int n = Check_Chann_Range();
    if (n > 0) {
        Prompt(Chann_Range_Text(n));
        return false;
    }
    return true;
}
