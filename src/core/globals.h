#pragma once
// Process-wide state of the programmer. Everything the windows share lives here, under the names the
// rest of the program uses; windows keep no copy of the image and read it whenever they load or are
// activated.
#include <QString>
#include <QtGlobal>

using Integer = qint16;   // flags and image cells are 16-bit; flags are -1 (true) or 0 (false)

constexpr Integer True_Flag = -1;
constexpr Integer False_Flag = 0;

// The memory image: block 0..300, byte 0..32; only blocks 0..255, bytes 0..15 carry data.
extern Integer Radio_Data[301][33];
extern Integer Read_Buffer[301][71];
extern Integer Name_Buf[1001];

extern Integer Port_No;
extern Integer Port_Error;
extern Integer Model_Index;
extern QString Model_List[7];
extern Integer Band_Table[7][2];
extern double Band_Low;
extern double Band_High;

extern QString Tone_List[301];
extern Integer Tone_Ctcss_Last;
extern Integer Tone_DcsN_Last;
extern Integer Tone_Last;

// Result of the frequency encoder, most significant byte first (Freq_Bcd[0] is "byte 1").
extern quint8 Freq_Bcd[4];

extern Integer Lang_Flag;
extern Integer Cur_Chann;
extern QString Soft_Version;

extern QString About_Title;
extern QString About_Version;
extern QString About_Desc;
extern QString About_Warning;
extern QString About_Ok;
extern QString About_SysInfo;

// Window-open flags: -1 from the start of a window's loading until it unloads.
extern Integer About_Open;
extern Integer Option_Open;
extern Integer Chann_Open;
extern Integer Setup_Open;
extern Integer Type_Open;
extern Integer SaveChann_Open;
extern Integer OpenChann_Open;
extern Integer Read_Open;
extern Integer Write_Open;
extern Integer Test_Open;
extern Integer Adjust_Open;

// Gives every global its start value, builds the tone and model tables and the default image: the
// part of the start-up sequence that needs no window. Calling it again gives an identical state.
void Init_Globals();

// Fills the six About texts for the current language.
void Set_About_Text();

// A number as the program shows it: default decimal form with a leading blank standing for the sign
// of a non-negative number and no zero before the point (400 -> " 400", 0.5 -> " .5").
QString Num_Text(double v);
// The same with the sign blank and any other surrounding blanks removed.
QString Num_Trim(double v);
// Numeric value of the leading number in a text (blanks before it skipped, an optional sign, digits,
// a point and an exponent); a text that starts with no number gives 0.
double Val(const QString &text);
