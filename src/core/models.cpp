#include "models.h"

#include "globals.h"
#include "image.h"

void Init_Model_List()
{
    static const char *const names[7] = {"Tavro UHF",   "Melik VHF",   "Sundra UHF1", "Sundra UHF2",
                                         "Sundra UHF3", "Sundra UHF4", "Sundra FULL"};
    static const int bands[7][2] = {{400, 470}, {136, 174}, {136, 175}, {244, 247},
                                    {350, 391}, {450, 521}, {100, 601}};
    for (int r = 0; r < 7; ++r) {
        Model_List[r] = QLatin1String(names[r]);
        Band_Table[r][0] = Integer(bands[r][0]);
        Band_Table[r][1] = Integer(bands[r][1]);
    }
    const int row = (Model_Index >= 0 && Model_Index <= 6) ? Model_Index : 0;
    Band_Low = Band_Table[row][0];
    Band_High = Band_Table[row][1];
}

static int Decode_Limit(int units_byte, int high_byte)
{
    return 100 * (high_byte / 16) + 10 * (high_byte % 16) + units_byte / 16;
}

void Get_Range(int &low, int &high)
{
    const Integer *r = Radio_Data[Range_Block];
    low = Decode_Limit(r[0] & 0xFF, r[1] & 0xFF);
    high = Decode_Limit(r[2] & 0xFF, r[3] & 0xFF);
}

static void Encode_Limit(int limit, int &units_byte, int &high_byte)
{
    limit = qBound(0, limit, 999);
    const int hundreds = limit / 100;
    const int tens = (limit - 100 * hundreds) / 10;
    const int units = limit - 100 * hundreds - 10 * tens;
    units_byte = units * 16;
    high_byte = hundreds * 16 + tens;
}

void Put_Range(int low, int high)
{
    int a, b;
    Encode_Limit(low, a, b);
    Radio_Data[Range_Block][0] = Integer(a);
    Radio_Data[Range_Block][1] = Integer(b);
    Encode_Limit(high, a, b);
    Radio_Data[Range_Block][2] = Integer(a);
    Radio_Data[Range_Block][3] = Integer(b);
}

void Recompute_Band()
{
    int low, high;
    Get_Range(low, high);
    Band_Low = low;
    Band_High = high;
}

QString Band_Panel_Text()
{
    return Num_Text(Band_Low) + QStringLiteral("--") + Num_Text(Band_High) + QStringLiteral(" MHZ");
}

QString Band_Name(int row)
{
    return row == 1 ? QStringLiteral("VHF") : QStringLiteral("UHF");
}
