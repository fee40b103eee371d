#include "globals.h"

#include "codecs.h"
#include "image.h"
#include "models.h"

#include <QCoreApplication>
#include <cmath>
#include <cstring>

Integer Radio_Data[301][33];
Integer Read_Buffer[301][71];
Integer Name_Buf[1001];

Integer Port_No = 1;
Integer Port_Error = 0;
Integer Model_Index = 0;
QString Model_List[7];
Integer Band_Table[7][2];
double Band_Low = 400;
double Band_High = 470;

QString Tone_List[301];
Integer Tone_Ctcss_Last = 50;
Integer Tone_DcsN_Last = 157;
Integer Tone_Last = 264;

quint8 Freq_Bcd[4];

Integer Lang_Flag = 0;
Integer Cur_Chann = 0;
QString Soft_Version = QStringLiteral("Ver1.2");

QString About_Title;
QString About_Version;
QString About_Desc;
QString About_Warning;
QString About_Ok;
QString About_SysInfo;

Integer About_Open = 0;
Integer Option_Open = 0;
Integer Chann_Open = 0;
Integer Setup_Open = 0;
Integer Type_Open = 0;
Integer SaveChann_Open = 0;
Integer OpenChann_Open = 0;
Integer Read_Open = 0;
Integer Write_Open = 0;
Integer Test_Open = 0;
Integer Adjust_Open = 0;

void Set_About_Text()
{
    About_Title = QCoreApplication::translate("About", "Veltrona ZR271 series program software. ");
    About_Version = QCoreApplication::translate(
        "About", "Ver1.2\nCopyright (C) Veltrona Communication Co., Ltd. All rights reserved.");
    About_Desc = QCoreApplication::translate(
        "About", "This software is designed by Veltrona Communication Co., Ltd. for programming the "
             "ZR271 series two-way radios.");
    About_Warning = QCoreApplication::translate(
        "About", "Warning: this computer program is protected by copyright law and international "
             "treaties. Unauthorized reproduction or distribution of this program, or any portion "
             "of it, may result in severe civil and criminal penalties, and will be prosecuted to "
             "the maximum extent possible under the law.");
    About_Ok = QCoreApplication::translate("About", "Confirm");
    About_SysInfo = QCoreApplication::translate("About", "System Information(&S)...");
}

void Init_Globals()
{
    std::memset(Radio_Data, 0, sizeof Radio_Data);
    std::memset(Read_Buffer, 0, sizeof Read_Buffer);
    std::memset(Name_Buf, 0, sizeof Name_Buf);
    std::memset(Freq_Bcd, 0, sizeof Freq_Bcd);
    for (auto &s : Tone_List)
        s.clear();

    About_Open = Option_Open = Chann_Open = Setup_Open = Type_Open = 0;
    SaveChann_Open = OpenChann_Open = Read_Open = Write_Open = Test_Open = Adjust_Open = 0;
    Port_Error = 0;
    Cur_Chann = 0;

    Soft_Version = QStringLiteral("Ver1.2");
    Lang_Flag = 0;
    Set_About_Text();
    Port_No = 1;
    Model_Index = 0;
    Init_Tone_List();
    Init_Model_List();
    Init_Radio_Data();
}

QString Num_Text(double v)
{
    if (!std::isfinite(v))
        return QStringLiteral(" 0");
    if (v == 0)
        return QStringLiteral(" 0");
    QString s = QString::number(std::fabs(v), 'g', 15);
    s = s.toUpper();
    // "0.5" is shown ".5"; the exponent keeps two digits at least, as "1E-05"
    if (s.startsWith(QLatin1String("0.")))
        s.remove(0, 1);
    return (v < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + s;
}

QString Num_Trim(double v)
{
    return Num_Text(v).trimmed();
}

double Val(const QString &text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    QString num;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        num += text[i++];
    int digits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        num += text[i++];
        ++digits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        num += text[i++];
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            num += text[i++];
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E')
                  || text[i] == QLatin1Char('d') || text[i] == QLatin1Char('D'))) {
        int j = i + 1;
        QString exp = QStringLiteral("e");
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            exp += text[j++];
        int expDigits = 0;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128) {
            exp += text[j++];
            ++expDigits;
        }
        if (expDigits > 0)
            num += exp;
    }
    bool ok = false;
    const double v = num.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return 0;
    return v;
}
