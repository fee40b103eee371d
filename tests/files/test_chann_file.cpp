// The channel-file format: what the writer puts on disk, what the reader takes, and that a failed
// read or write changes nothing.
#include "core/globals.h"
#include "core/image.h"
#include "files/chann_file.h"

#include <QtTest>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

namespace {

QByteArray Image_Bytes()
{
    return QByteArray(reinterpret_cast<const char *>(Radio_Data), sizeof Radio_Data);
}

// A recognisable image: every data byte differs from its neighbours and from the default image.
void Fill_Pattern()
{
    for (int b = 0; b < Image_Blocks; ++b)
        for (int i = 0; i < Block_Bytes; ++i)
            Radio_Data[b][i] = Integer((b * 7 + i * 13 + 1) % 256);
}

QByteArray Numbers(int count, const char *separator, int per_line = 16, const char *line_end = "\r\n")
{
    QByteArray out;
    for (int i = 0; i < count; ++i) {
        out += QByteArray::number((i * 11 + 3) % 256);
        out += (i + 1) % per_line == 0 ? QByteArray(line_end) : QByteArray(separator);
    }
    return out;
}

} // namespace

class Test_Chann_File : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void default_image_text();
    void round_trip();
    void separators_data();
    void separators();
    void bad_text_data();
    void bad_text();
    void unreadable_path();
    void failed_writes_keep_old_file_data();
    void failed_writes_keep_old_file();
    void write_error_mid_file();

private:
    QTemporaryDir tmp;
};

void Test_Chann_File::init()
{
    Init_Globals();
    QVERIFY(tmp.isValid());
}

void Test_Chann_File::default_image_text()
{
    const QByteArray text = Chann_File_Text();
    QList<QByteArray> lines = text.split('\n');
    QCOMPARE(lines.takeLast(), QByteArray());   // the last line ends in CR LF too
    QCOMPARE(lines.size(), 256);
    QCOMPARE(lines[0],
             QByteArray(" 80  18  32  70  0  0  0  1  255  255  255  255  2  32  255  255 \r"));
    QByteArray all_ff;
    for (int i = 0; i < 16; ++i)
        all_ff += " 255 ";
    all_ff += '\r';
    const QList<int> set_blocks = {0, 153, 208, 209, 210, 212, 240};
    for (int k = 0; k < 256; ++k) {
        if (set_blocks.contains(k))
            QVERIFY2(lines[k] != all_ff, qPrintable(QString::number(k)));
        else
            QVERIFY2(lines[k] == all_ff, qPrintable(QString::number(k)));
    }
    QCOMPARE(lines[153], QByteArray(" 0  64  0  71 ") + QByteArray(" 255 ").repeated(12) + '\r');
    QCOMPARE(lines[240].left(15), QByteArray(" 50  100  200  "));
}

void Test_Chann_File::round_trip()
{
    Fill_Pattern();
    const QByteArray before = Image_Bytes();
    const QString path = tmp.filePath("pattern.chann");
    QCOMPARE(Write_Chann_File(path), QString());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), Chann_File_Text());

    Init_Globals();
    QVERIFY(Image_Bytes() != before);
    QCOMPARE(Read_Chann_File(path), QString());
    QCOMPARE(Image_Bytes(), before);
}

void Test_Chann_File::separators_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("blanks, CR LF") << Numbers(4096, "  ");
    QTest::newRow("commas") << Numbers(4096, ",");
    QTest::newRow("comma and blank") << Numbers(4096, ", ", 16, ",\r\n");
    QTest::newRow("one line") << Numbers(4096, " ", 5000, "");
    QTest::newRow("one per line, LF") << Numbers(4096, "\n", 1, "\n");
    QTest::newRow("lone CR, tabs") << Numbers(4096, "\t", 16, "\r");
    QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + Numbers(4096, " ");
    QTest::newRow("blank lines, leading zero, sign") << "\r\n\r\n 003 +014"
                                                            + Numbers(4096, " ").mid(4) + "\r\n\r\n";
    QTest::newRow("text after 4096 numbers") << Numbers(4096, " ") + "end of file\x1a";
}

void Test_Chann_File::separators()
{
    QFETCH(QByteArray, text);
    QBuffer in(&text);
    QVERIFY(in.open(QIODevice::ReadOnly));
    quint8 values[Chann_File_Values];
    QCOMPARE(Parse_Chann_File(in, "x.chann", values), QString());
    for (int i = 0; i < Chann_File_Values; ++i)
        QCOMPARE(int(values[i]), (i * 11 + 3) % 256);
}

void Test_Chann_File::bad_text_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");
    QByteArray binary;
    for (int i = 0; i < 600; ++i)
        binary += char((i * 37 + 5) % 256);
    binary.prepend("\x7f" "ELF\x01\x02\n");
    const QByteArray good = Numbers(4096, "  ");
    QByteArray word = good;
    word.insert(good.indexOf("\r\n") + 2, "ab  ");   // first thing on line 2
    int line_128 = 0;                                  // where line 128 starts
    for (int k = 0; k < 127; ++k)
        line_128 = good.indexOf("\r\n", line_128) + 2;
    QTest::newRow("empty") << QByteArray() << "The file <file> is empty: a channel file holds 4096 numbers.";
    QTest::newRow("blanks only") << QByteArray(" \r\n , \r\n")
                                 << "The file <file> is empty: a channel file holds 4096 numbers.";
    QTest::newRow("4095 numbers") << Numbers(4095, "  ")
                                  << "The file <file> ends at line 256 after 4095 of the 4096 numbers.";
    QTest::newRow("truncated") << good.left(line_128) + " 1  2  3"
                               << "The file <file> ends at line 128 after 2035 of the 4096 numbers.";
    QTest::newRow("binary") << binary << "Line 1 of the file <file> holds \"?ELF??\", which is not a number.";
    QTest::newRow("256") << "1 2 3\r\n4 256 6" + good
                         << "Line 2 of the file <file> holds 256, which is not a whole number from 0 to 255.";
    QTest::newRow("-1") << "1 2 3\r\n4\r\n\r\n -1 6" + good
                        << "Line 4 of the file <file> holds -1, which is not a whole number from 0 to 255.";
    QTest::newRow("fraction") << "12.5 " + good
                              << "Line 1 of the file <file> holds 12.5, which is not a whole number from 0 to 255.";
    QTest::newRow("huge") << "1 " + QByteArray(40, '9') + good
                          << "Line 1 of the file <file> holds 999999999999999999999999..., which is not a whole number from 0 to 255.";
    QTest::newRow("word") << word << "Line 2 of the file <file> holds \"ab\", which is not a number.";
    QTest::newRow("not a number") << "1,2,nan,4" + good
                                  << "Line 1 of the file <file> holds \"nan\", which is not a number.";
    QTest::newRow("bad last number") << Numbers(4095, "  ") + "25x"
                                     << "Line 256 of the file <file> holds \"25x\", which is not a number.";
}

void Test_Chann_File::bad_text()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    const QString path = tmp.filePath("bad.chann");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
    f.close();

    Fill_Pattern();
    const QByteArray before = Image_Bytes();
    QCOMPARE(Read_Chann_File(path), message.replace("<file>", QDir::toNativeSeparators(path)));
    QCOMPARE(Image_Bytes(), before);
}

void Test_Chann_File::unreadable_path()
{
    // a device that never ends is given up on at its first overlong "number"
    QCOMPARE(Read_Chann_File("/dev/zero"),
             "Line 1 of the file /dev/zero holds \"" + QString(24, '?')
                 + "...\", which is not a number.");

    const QByteArray before = Image_Bytes();
    const QString missing = tmp.filePath("missing.chann");
    QCOMPARE(Read_Chann_File(missing),
             "The file " + missing + " cannot be opened: No such file or directory");
    QDir(tmp.path()).mkdir("folder.chann");
    QVERIFY(Read_Chann_File(tmp.filePath("folder.chann")).startsWith("The file "));
    QCOMPARE(Image_Bytes(), before);
}

void Test_Chann_File::failed_writes_keep_old_file_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder gone") << "gone/radio.chann" << "No such file or directory";
    QTest::newRow("name is a folder") << "folder.chann" << "Filename refers to a directory";
}

void Test_Chann_File::failed_writes_keep_old_file()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QDir(tmp.path()).mkdir("folder.chann");
    const QStringList before = QDir(tmp.path()).entryList(QDir::AllEntries | QDir::Hidden);
    QCOMPARE(Write_Chann_File(tmp.filePath(name)), reason);
    QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
}

void Test_Chann_File::write_error_mid_file()
{
    // A disk that fills up while the file is written: the process may write only 4000 bytes.
    const QString path = tmp.filePath("old.chann");
    QCOMPARE(Write_Chann_File(path), QString());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray old = f.readAll();
    f.close();

    const QStringList files = QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden);
    Fill_Pattern();
    rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4000;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString reason = Write_Chann_File(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, old_handler);

    QCOMPARE(reason, QString("File too large"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), old);
    QCOMPARE(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), files);
}

QTEST_MAIN(Test_Chann_File)
#include "test_chann_file.moc"
