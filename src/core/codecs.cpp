#include "codecs.h"

#include "globals.h"

#include <cmath>

namespace {

const char *const Ctcss_Tones[50] = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

const char *const Dcs_Codes[107] = {
    "017", "023", "025", "026", "031", "032", "036", "043", "047", "050", "051", "053", "054",
    "065", "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134",
    "143", "145", "152", "155", "156", "162", "165", "172", "174", "205", "212", "223", "225",
    "226", "243", "244", "245", "246", "251", "252", "255", "261", "263", "265", "266", "271",
    "274", "306", "311", "315", "325", "331", "332", "343", "346", "351", "356", "364", "365",
    "371", "411", "412", "413", "423", "431", "432", "445", "446", "452", "454", "455", "462",
    "464", "465", "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612",
    "624", "627", "631", "632", "645", "654", "662", "664", "703", "712", "723", "731", "732",
    "734", "743", "754"};

const QString Name_Chars = QStringLiteral("0123456789- ABCDEFGHIJKLMNOPQRSTUVWXYZ_+*");

} // namespace

void Init_Tone_List()
{
    Tone_Ctcss_Last = 50;
    Tone_DcsN_Last = 157;
    Tone_Last = 264;

    Tone_List[0] = QStringLiteral("   OFF      ");
    for (int e = 1; e <= 50; ++e) {
        const QString tone = QLatin1String(Ctcss_Tones[e - 1]);
        if (e <= 9)
            Tone_List[e] = QStringLiteral("   ") + tone + QStringLiteral("    ");
        else if (e <= 12)
            Tone_List[e] = QStringLiteral("  ") + tone + QStringLiteral("    ");
        else
            Tone_List[e] = QStringLiteral("  ") + tone + QStringLiteral("   ");
    }
    for (int e = 51; e <= 157; ++e) {
        const QString code = QLatin1String(Dcs_Codes[e - 51]);
        const QString lead = e <= 101 ? QStringLiteral("  ") : QStringLiteral(" ");
        Tone_List[e] = lead + QStringLiteral("D") + code + QStringLiteral("N   ");
    }
    // The inverted codes are the normal ones with the polarity letter swapped.
    for (int k = 51; k <= 157; ++k)
        Tone_List[107 + k] = Tone_List[k].trimmed().left(4) + QStringLiteral("I");
}

int Cov_Freq2Bcd(const QString &text)
{
    const double a = Val(text);
    // Count of 10 Hz steps. The small addition absorbs binary rounding (0.00625 held as
    // 0.0062499...); digits below 10 Hz are dropped, not rounded.
    long long n = 0;
    if (std::isfinite(a) && a > 0 && a < 1000) {
        n = static_cast<long long>(std::floor(a * 100000.0 + 0.0001));
        if (n > 99999999)
            n = 99999999;
    }
    int digit[8];   // digit[0] = 100 MHz ... digit[7] = 10 Hz
    for (int i = 7; i >= 0; --i) {
        digit[i] = int(n % 10);
        n /= 10;
    }
    for (int i = 0; i < 4; ++i)
        Freq_Bcd[i] = quint8(digit[2 * i] * 16 + digit[2 * i + 1]);
    return Freq_Bcd[0];
}

QString Cov_Bcd2Freq(int b0, int b1, int b2, int b3)
{
    const int bytes[4] = {b3 & 0xFF, b2 & 0xFF, b1 & 0xFF, b0 & 0xFF};   // most significant first
    // Nibbles are taken as they are, even above 9, as the radio would show them.
    long long n = 0;
    for (int b : bytes) {
        const int high = b / 16;
        const int low = b - 16 * high;
        n = n * 10 + high;
        n = n * 10 + low;
    }
    const double value = double(n) / 100000.0;

    QString text = Num_Trim(value);
    if (value >= 1 && value == std::floor(value))
        text += QLatin1Char('.');
    if (text.size() < 9) {
        if (value == 0) {
            text = QStringLiteral("0.00000");
        } else if (value < 1) {
            // Fixed five decimals: the plain number text would turn 0.00001 into an exponent.
            text = QString::number(value, 'f', 5);
        } else {
            const int width = value < 10 ? 7 : value < 100 ? 8 : 9;
            while (text.size() < width)
                text += QLatin1Char('0');
        }
    }
    return text;
}

QString Freq_At(int block, int byte)
{
    if (block < 0 || block > 255 || byte < 0 || byte > 12)
        return QStringLiteral("0.00000");
    return Cov_Bcd2Freq(Radio_Data[block][byte], Radio_Data[block][byte + 1],
                        Radio_Data[block][byte + 2], Radio_Data[block][byte + 3]);
}

void Put_Freq(QString &text, int block, int byte)
{
    text = text.trimmed();
    if (text.size() >= 1 && text.size() <= 3)
        text += QLatin1Char('.');
    while (text.size() < 9)
        text += QLatin1Char('0');
    Cov_Freq2Bcd(text);
    if (block < 0 || block > 255 || byte < 0 || byte > 12)
        return;
    Radio_Data[block][byte] = Freq_Bcd[3];
    Radio_Data[block][byte + 1] = Freq_Bcd[2];
    Radio_Data[block][byte + 2] = Freq_Bcd[1];
    Radio_Data[block][byte + 3] = Freq_Bcd[0];
}

QString Cov_Fm2Str(int n)
{
    const double value = 87 + 0.1 * n;
    QString text = Num_Trim(value);
    if (text.size() == 2 || text.size() == 3)
        text += QLatin1Char('.');
    const int width = value >= 100 ? 5 : 4;
    while (text.size() < width)
        text += QLatin1Char('0');
    return text;
}

int Cov_Char2Code(const QString &ch)
{
    if (ch.size() != 1)
        return 11;
    const int i = Name_Chars.indexOf(ch.at(0).toUpper());
    // toUpper would also map characters outside the table onto it; only ASCII letters qualify
    if (i < 0 || ch.at(0).unicode() > 127)
        return 11;
    return i;
}

QString Cov_Code2Char(int code)
{
    if (code < 0 || code > 40)
        return QString();
    return QString(Name_Chars.at(code));
}

int Cov_Code2Tone(int type, int index)
{
    int entry = -1;
    if (type == 255 || index == 255)
        entry = 0;
    if (type == 0)
        entry = qMin(index + 1, 50);
    if (type == 1)
        entry = qMin(index + 51, 157);
    if (type == 2)
        entry = qMin(index + 158, 264);
    return entry;
}

void Cov_Tone2Code(int entry, int &type, int &index)
{
    if (entry >= 1 && entry <= 50) {
        type = 0;
        index = entry - 1;
    } else if (entry >= 51 && entry <= 157) {
        type = 1;
        index = entry - 51;
    } else if (entry >= 158 && entry <= 264) {
        type = 2;
        index = entry - 158;
    } else {
        type = 255;
        index = 255;
    }
}
