// Frequency, tone and name codecs: the stored forms the radio relies on and the texts users see.
#include "core/codecs.h"
#include "core/globals.h"
#include "core/image.h"

#include <QtTest>

class Test_Codecs : public QObject
{
    Q_OBJECT

private slots:
    void init() { Init_Globals(); }

    void tone_texts_data();
    void tone_texts();
    void tone_table_shape();
    void tone_decode_data();
    void tone_decode();
    void tone_encode_round_trip();

    void freq_encode_data();
    void freq_encode();
    void freq_decode_data();
    void freq_decode();
    void put_freq_data();
    void put_freq();
    void put_freq_stays_in_block();
    void whole_bands_round_trip();
    void every_megahertz_round_trip();

    void fm_text_data();
    void fm_text();
    void name_codes_data();
    void name_codes();
    void name_chars();

    void number_texts_data();
    void number_texts();
};

void Test_Codecs::tone_texts_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("text");
    QTest::newRow("off") << 0 << "   OFF      ";
    QTest::newRow("67.0") << 1 << "   67.0    ";
    QTest::newRow("88.5") << 9 << "   88.5    ";
    QTest::newRow("91.5") << 10 << "  91.5    ";
    QTest::newRow("97.4") << 12 << "  97.4    ";
    QTest::newRow("100.0") << 13 << "  100.0   ";
    QTest::newRow("254.1") << 50 << "  254.1   ";
    QTest::newRow("D017N") << 51 << "  D017N   ";
    QTest::newRow("D266N") << 101 << "  D266N   ";
    QTest::newRow("D271N") << 102 << " D271N   ";
    QTest::newRow("D754N") << 157 << " D754N   ";
    QTest::newRow("D017I") << 158 << "D017I";
    QTest::newRow("D266I") << 208 << "D266I";
    QTest::newRow("D271I") << 209 << "D271I";
    QTest::newRow("D754I") << 264 << "D754I";
}

void Test_Codecs::tone_texts()
{
    QFETCH(int, entry);
    QFETCH(QString, text);
    QCOMPARE(Tone_List[entry], text);
}

void Test_Codecs::tone_table_shape()
{
    QCOMPARE(int(Tone_Ctcss_Last), 50);
    QCOMPARE(int(Tone_DcsN_Last), 157);
    QCOMPARE(int(Tone_Last), 264);
    for (int e = 0; e <= 264; ++e)
        QVERIFY2(!Tone_List[e].isEmpty(), qPrintable(QString::number(e)));
    for (int e = 265; e <= 300; ++e)
        QVERIFY(Tone_List[e].isEmpty());
    // every inverted entry mirrors its normal entry
    for (int k = 51; k <= 157; ++k)
        QCOMPARE(Tone_List[k + 107], Tone_List[k].trimmed().left(4) + "I");
    QStringList seen;
    for (int e = 0; e <= 264; ++e) {
        QVERIFY2(!seen.contains(Tone_List[e].trimmed()), qPrintable(Tone_List[e]));
        seen << Tone_List[e].trimmed();
    }
}

void Test_Codecs::tone_decode_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("entry");
    QTest::newRow("off") << 255 << 255 << 0;
    QTest::newRow("off type any index") << 255 << 7 << 0;
    QTest::newRow("ctcss first") << 0 << 0 << 1;
    QTest::newRow("ctcss last") << 0 << 49 << 50;
    QTest::newRow("ctcss index 60 clamps") << 0 << 60 << 50;
    QTest::newRow("ctcss index 255 clamps") << 0 << 255 << 50;
    QTest::newRow("dcs normal") << 1 << 0 << 51;
    QTest::newRow("dcs normal clamps") << 1 << 200 << 157;
    QTest::newRow("dcs inverted") << 2 << 0 << 158;
    QTest::newRow("dcs inverted clamps") << 2 << 255 << 264;
    QTest::newRow("unknown type") << 3 << 4 << -1;
    QTest::newRow("unknown type index 255") << 7 << 255 << 0;
}

void Test_Codecs::tone_decode()
{
    QFETCH(int, type);
    QFETCH(int, index);
    QFETCH(int, entry);
    QCOMPARE(Cov_Code2Tone(type, index), entry);
}

void Test_Codecs::tone_encode_round_trip()
{
    for (int e = 0; e <= 264; ++e) {
        int type = -1, index = -1;
        Cov_Tone2Code(e, type, index);
        QCOMPARE(Cov_Code2Tone(type, index), e);
    }
    int type, index;
    Cov_Tone2Code(158, type, index);
    QCOMPARE(type, 2);
    QCOMPARE(index, 0);
    Cov_Tone2Code(0, type, index);
    QCOMPARE(type, 255);
    QCOMPARE(index, 255);
}

void Test_Codecs::freq_encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("bcd");   // most significant first
    QTest::newRow("446.00625") << "446.00625" << QList<int>{0x44, 0x60, 0x06, 0x25};
    QTest::newRow("462.0125") << "462.0125" << QList<int>{0x46, 0x20, 0x12, 0x50};
    QTest::newRow("below 10 Hz dropped") << "145.123456" << QList<int>{0x14, 0x51, 0x23, 0x45};
    QTest::newRow("leading blanks") << "  145.5" << QList<int>{0x14, 0x55, 0x00, 0x00};
    QTest::newRow("trailing junk ignored") << "145.5MHz" << QList<int>{0x14, 0x55, 0x00, 0x00};
    QTest::newRow("empty") << "" << QList<int>{0, 0, 0, 0};
    QTest::newRow("not a number") << "abc" << QList<int>{0, 0, 0, 0};
    QTest::newRow("negative") << "-5" << QList<int>{0, 0, 0, 0};
    QTest::newRow("1000 MHz") << "1000" << QList<int>{0, 0, 0, 0};
    QTest::newRow("huge exponent") << "1e400" << QList<int>{0, 0, 0, 0};
    QTest::newRow("exponent") << "4.46e2" << QList<int>{0x44, 0x60, 0x00, 0x00};
    QTest::newRow("just under a kHz") << "4.99999999999994" << QList<int>{0x00, 0x50, 0x00, 0x00};
    QTest::newRow("999.99999") << "999.99999" << QList<int>{0x99, 0x99, 0x99, 0x99};
}

void Test_Codecs::freq_encode()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, bcd);
    const int first = Cov_Freq2Bcd(text);
    QCOMPARE(first, bcd[0]);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(int(Freq_Bcd[i]), bcd[i]);
}

void Test_Codecs::freq_decode_data()
{
    QTest::addColumn<QList<int>>("bytes");   // least significant first, as stored
    QTest::addColumn<QString>("text");
    QTest::newRow("446.00625") << QList<int>{0x25, 0x06, 0x60, 0x44} << "446.00625";
    QTest::newRow("whole") << QList<int>{0x00, 0x00, 0x60, 0x44} << "446.00000";
    QTest::newRow("145.5") << QList<int>{0x00, 0x00, 0x55, 0x14} << "145.50000";
    QTest::newRow("zero") << QList<int>{0, 0, 0, 0} << "0.00000";
    QTest::newRow("half") << QList<int>{0x00, 0x00, 0x05, 0x00} << "0.50000";
    QTest::newRow("10 Hz") << QList<int>{0x01, 0x00, 0x00, 0x00} << "0.00001";
    QTest::newRow("5 MHz") << QList<int>{0x00, 0x00, 0x50, 0x00} << "5.00000";
    QTest::newRow("50 MHz") << QList<int>{0x00, 0x00, 0x00, 0x05} << "50.00000";
    QTest::newRow("10 MHz offset") << QList<int>{0x00, 0x00, 0x00, 0x01} << "10.00000";
    QTest::newRow("empty bytes") << QList<int>{0xFF, 0xFF, 0xFF, 0xFF} << "1666.66665";
}

void Test_Codecs::freq_decode()
{
    QFETCH(QList<int>, bytes);
    QFETCH(QString, text);
    QCOMPARE(Cov_Bcd2Freq(bytes[0], bytes[1], bytes[2], bytes[3]), text);
}

void Test_Codecs::put_freq_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("normalized");
    QTest::addColumn<QList<int>>("bytes");
    QTest::newRow("446") << "446" << "446.00000" << QList<int>{0x00, 0x00, 0x60, 0x44};
    QTest::newRow("50") << "50" << "50.000000" << QList<int>{0x00, 0x00, 0x00, 0x05};
    QTest::newRow("blanks") << " 145.5 " << "145.50000" << QList<int>{0x00, 0x00, 0x55, 0x14};
    QTest::newRow("long text kept") << "145.123456" << "145.123456"
                                    << QList<int>{0x45, 0x23, 0x51, 0x14};
}

void Test_Codecs::put_freq()
{
    QFETCH(QString, text);
    QFETCH(QString, normalized);
    QFETCH(QList<int>, bytes);
    Put_Freq(text, 5, 4);
    QCOMPARE(text, normalized);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(int(Radio_Data[5][4 + i]), bytes[i]);
    QCOMPARE(int(Radio_Data[5][3]), 0xFF);
    QCOMPARE(int(Radio_Data[5][8]), 0xFF);
}

void Test_Codecs::put_freq_stays_in_block()
{
    // Addresses outside the data area are refused rather than written.
    Radio_Data[256][0] = 7;
    Radio_Data[1][16] = 7;
    QString t = "446";
    Put_Freq(t, 256, 0);
    Put_Freq(t, 1, 13);
    QCOMPARE(int(Radio_Data[256][0]), 7);
    QCOMPARE(int(Radio_Data[1][16]), 7);
    QCOMPARE(int(Radio_Data[1][13]), 0xFF);
}

// Every multiple of 10 Hz in both bands of the family survives text -> bytes -> text unchanged,
// and no stored nibble is ever above 9.
void Test_Codecs::whole_bands_round_trip()
{
    const struct
    {
        int low, high;
    } bands[] = {{136, 174}, {400, 470}};
    for (const auto &band : bands) {
        for (long long n = band.low * 100000LL; n <= band.high * 100000LL; ++n) {
            QString text = QString::number(n / 100000) + QLatin1Char('.')
                           + QString::number(n % 100000).rightJustified(5, QLatin1Char('0'));
            const QString expected = text;
            Put_Freq(text, 1, 0);
            for (int i = 0; i < 4; ++i) {
                const int b = Radio_Data[1][i];
                if (b / 16 > 9 || b % 16 > 9)
                    QFAIL(qPrintable(expected + " stored a nibble above 9"));
            }
            const QString back = Freq_At(1, 0);
            if (back != expected)
                QFAIL(qPrintable(expected + " came back as " + back));
        }
    }
}

// The whole encoder range, 0 up to below 1000 MHz, sampled at every 10 Hz step near each whole
// megahertz and a prime stride in between, through the double the callers compute.
void Test_Codecs::every_megahertz_round_trip()
{
    for (long long mhz = 0; mhz < 1000; ++mhz) {
        for (long long step = 0; step < 100000; step += (step < 200 || step > 99800) ? 1 : 997) {
            const long long n = mhz * 100000 + step;
            const double value = double(n) / 100000.0;
            Cov_Freq2Bcd(QString::number(value, 'f', 5));
            long long got = 0;
            for (int i = 0; i < 4; ++i) {
                const int hi = Freq_Bcd[i] / 16, lo = Freq_Bcd[i] % 16;
                if (hi > 9 || lo > 9)
                    QFAIL(qPrintable(QString::number(n) + " gave a nibble above 9"));
                got = got * 100 + hi * 10 + lo;
            }
            if (got != n)
                QFAIL(qPrintable(QString("%1 encoded as %2").arg(n).arg(got)));
            // a value computed as a difference lands a hair below the step; it must not roll over
            Cov_Freq2Bcd(QString::number(value - 1e-12, 'g', 17));
            for (int i = 0; i < 4; ++i)
                if (Freq_Bcd[i] / 16 > 9 || Freq_Bcd[i] % 16 > 9)
                    QFAIL(qPrintable(QString::number(n) + " minus a hair gave a nibble above 9"));
        }
    }
}

void Test_Codecs::fm_text_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "87.0";
    QTest::newRow("5") << 5 << "87.5";
    QTest::newRow("11") << 11 << "88.1";
    QTest::newRow("129") << 129 << "99.9";
    QTest::newRow("130") << 130 << "100.0";
    QTest::newRow("210") << 210 << "108.0";
    QTest::newRow("3") << 3 << "87.3";
}

void Test_Codecs::fm_text()
{
    QFETCH(int, step);
    QFETCH(QString, text);
    QCOMPARE(Cov_Fm2Str(step), text);
}

void Test_Codecs::name_codes_data()
{
    QTest::addColumn<QString>("ch");
    QTest::addColumn<int>("code");
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("9") << "9" << 9;
    QTest::newRow("-") << "-" << 10;
    QTest::newRow("blank") << " " << 11;
    QTest::newRow("A") << "A" << 12;
    QTest::newRow("a") << "a" << 12;
    QTest::newRow("z") << "z" << 37;
    QTest::newRow("_") << "_" << 38;
    QTest::newRow("+") << "+" << 39;
    QTest::newRow("*") << "*" << 40;
    QTest::newRow("#") << "#" << 11;
    QTest::newRow("empty") << "" << 11;
    QTest::newRow("two chars") << "AB" << 11;
    QTest::newRow("accented") << QString::fromUtf8("é") << 11;
    QTest::newRow("dotless i") << QString::fromUtf8("ı") << 11;
}

void Test_Codecs::name_codes()
{
    QFETCH(QString, ch);
    QFETCH(int, code);
    QCOMPARE(Cov_Char2Code(ch), code);
}

void Test_Codecs::name_chars()
{
    for (int c = 0; c <= 40; ++c) {
        const QString ch = Cov_Code2Char(c);
        QCOMPARE(ch.size(), 1);
        QCOMPARE(Cov_Char2Code(ch), c);
    }
    QCOMPARE(Cov_Code2Char(11), QString(" "));
    QCOMPARE(Cov_Code2Char(12), QString("A"));
    QVERIFY(Cov_Code2Char(41).isEmpty());
    QVERIFY(Cov_Code2Char(255).isEmpty());
    QVERIFY(Cov_Code2Char(-1).isEmpty());
}

void Test_Codecs::number_texts_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::newRow("400") << 400.0 << " 400" << "400";
    QTest::newRow("half") << 0.5 << " .5" << ".5";
    QTest::newRow("negative") << -5.0 << "-5" << "-5";
    QTest::newRow("negative half") << -0.5 << "-.5" << "-.5";
    QTest::newRow("zero") << 0.0 << " 0" << "0";
    QTest::newRow("fraction") << 446.00625 << " 446.00625" << "446.00625";
}

void Test_Codecs::number_texts()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(Num_Text(value), text);
    QCOMPARE(Num_Trim(value), trimmed);
}

QTEST_GUILESS_MAIN(Test_Codecs)
#include "test_codecs.moc"
