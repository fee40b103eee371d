#include "image.h"

#include "globals.h"
#include "models.h"

void Init_Radio_Data()
{
    for (int b = 0; b < Image_Blocks; ++b)
        for (int i = 0; i < Block_Bytes; ++i)
            Radio_Data[b][i] = 0xFF;

    // 462.01250 MHz, offset 10 MHz, no tones, high power, no shift, wide
    static const int vfo[14] = {0x50, 0x12, 0x20, 0x46, 0x00, 0x00, 0x00, 0x01,
                                0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x20};
    for (int i = 0; i < 14; ++i)
        Radio_Data[Vfo_Block][i] = vfo[i];

    static const int range[4] = {0x00, 0x40, 0x00, 0x47};
    for (int i = 0; i < 4; ++i)
        Radio_Data[Range_Block][i] = range[i];

    static const int option[13] = {0x05, 0x71, 0x81, 0x03, 0x00, 0x04, 0x03,
                                   0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    for (int i = 0; i < 13; ++i)
        Radio_Data[Option_Block][i] = option[i];

    static const int hello[5] = {0x13, 0x10, 0x17, 0x17, 0x1A};   // HELLO in name codes
    for (int i = 0; i < 5; ++i)
        Radio_Data[PowerOn_Block][4 + i] = hello[i];

    for (int i = 0; i < 16; ++i)
        Radio_Data[Map_Block][i] = 0x00;

    static const char ident[8] = {'Z', 'R', ' ', '3', '3', '3', '2', 0x02};
    for (int i = 0; i < 8; ++i)
        Radio_Data[Ident_Block][i] = ident[i];

    Radio_Data[Power_Block][0] = 50;
    Radio_Data[Power_Block][1] = 100;
    Radio_Data[Power_Block][2] = 200;

    Recompute_Band();
}

int Name_Byte(int offset)
{
    if (offset < 0 || offset >= 640)
        return 0xFF;
    return Radio_Data[Name_Block + offset / Block_Bytes][offset % Block_Bytes];
}

void Set_Name_Byte(int offset, int value)
{
    if (offset < 0 || offset >= 640)
        return;
    Radio_Data[Name_Block + offset / Block_Bytes][offset % Block_Bytes] = Integer(value & 0xFF);
}
