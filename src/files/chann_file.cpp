#include "chann_file.h"

#include "core/globals.h"
#include "core/image.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cmath>

namespace {

bool Is_Separator(char c)
{
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n';
}

// A token as the user may see it in a message: printable ASCII only, cut to a readable length.
QString Shown(const QByteArray &token, bool cut)
{
    QString s;
    for (char c : token)
        s += (c >= 0x20 && c < 0x7F) ? QLatin1Char(c) : QLatin1Char('?');
    if (cut)
        s += QStringLiteral("...");
    return s;
}

} // namespace

QByteArray Chann_File_Text()
{
    QByteArray out;
    out.reserve(Image_Blocks * (Block_Bytes * 5 + 2));
    for (int block = 0; block < Image_Blocks; ++block) {
        for (int byte = 0; byte < Block_Bytes; ++byte) {
            // the blank in front stands where a sign would be, as the program has always written it
            out += ' ';
            out += QByteArray::number(int(quint8(Radio_Data[block][byte])));
            out += ' ';
        }
        out += "\r\n";
    }
    return out;
}

QString Parse_Chann_File(QIODevice &in, const QString &name, quint8 (&values)[Chann_File_Values])
{
    constexpr int Keep = 24;   // characters of a bad token worth showing in a message
    int count = 0;
    int line = 1;              // line of the character being looked at
    int token_line = 1;        // line where the latest token began
    QByteArray token;
    bool token_cut = false;    // the token was longer than Keep
    bool seen_anything = false;
    bool first_chunk = true;
    bool prev_cr = false;

    // Stores the token collected so far, or says why it is not a number 0..255.
    const auto take = [&]() -> QString {
        if (token.isEmpty())
            return QString();
        int digits = 0;
        bool integer_form = true;
        for (int i = 0; i < token.size(); ++i) {
            const char c = token.at(i);
            if (c >= '0' && c <= '9')
                ++digits;
            else if (!(i == 0 && (c == '+' || c == '-')))
                integer_form = false;
        }
        integer_form = integer_form && digits > 0;
        bool ok = false;
        double v = 0;
        if (integer_form) {
            ok = true;
            v = token_cut ? 1e9 : token.toDouble();
        } else if (!token_cut) {
            v = token.toDouble(&ok);
            ok = ok && std::isfinite(v);
        }
        if (!ok)
            return QCoreApplication::translate(
                       "Chann_File", "Line %1 of the file %2 holds \"%3\", which is not a number.")
                .arg(token_line)
                .arg(name, Shown(token, token_cut));
        if (v != std::floor(v) || v < 0 || v > 255)
            return QCoreApplication::translate(
                       "Chann_File",
                       "Line %1 of the file %2 holds %3, which is not a whole number from 0 to 255.")
                .arg(token_line)
                .arg(name, Shown(token, token_cut));
        values[count++] = quint8(v);
        token.clear();
        return QString();
    };

    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    char *const buffer = chunk.data();
    while (count < Chann_File_Values) {
        const qint64 got = in.read(buffer, chunk.size());
        if (got < 0)
            return QCoreApplication::translate("Chann_File", "The file %1 cannot be read: %2")
                .arg(name, in.errorString());
        if (got == 0)
            break;
        qint64 i = 0;
        // an editor may have put a UTF-8 byte-order mark in front
        if (first_chunk && got >= 3 && QByteArray::fromRawData(buffer, 3) == "\xEF\xBB\xBF")
            i = 3;
        first_chunk = false;
        for (; i < got && count < Chann_File_Values; ++i) {
            const char c = buffer[i];
            if (Is_Separator(c)) {
                const QString bad = take();
                if (!bad.isEmpty())
                    return bad;
                // CR LF, a lone LF and a lone CR each end one line
                if (c == '\r' || (c == '\n' && !prev_cr))
                    ++line;
                prev_cr = c == '\r';
                continue;
            }
            prev_cr = false;
            seen_anything = true;
            if (token.isEmpty()) {
                token_line = line;
                token_cut = false;
            }
            if (token.size() < Keep) {
                token += c;
            } else {
                // No number 0..255 is written that long: stop here rather than read on through
                // whatever this is (a device, a huge binary file).
                token_cut = true;
                return take();
            }
        }
    }
    if (count < Chann_File_Values) {
        const QString bad = take();
        if (!bad.isEmpty())
            return bad;
    }
    if (count == Chann_File_Values)
        return QString();
    if (!seen_anything)
        return QCoreApplication::translate(
                   "Chann_File", "The file %1 is empty: a channel file holds 4096 numbers.")
            .arg(name);
    return QCoreApplication::translate("Chann_File",
                                       "The file %1 ends at line %2 after %3 of the 4096 numbers.")
        .arg(name)
        .arg(token_line)
        .arg(count);
}

QString Read_Chann_File(const QString &path)
{
    const QString name = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("Chann_File", "The file %1 cannot be opened: %2")
            .arg(name, file.errorString());
    quint8 values[Chann_File_Values];
    const QString bad = Parse_Chann_File(file, name, values);
    if (!bad.isEmpty())
        return bad;
    for (int i = 0; i < Chann_File_Values; ++i)
        Radio_Data[i / Block_Bytes][i % Block_Bytes] = values[i];
    return QString();
}

QString Write_Chann_File(const QString &path)
{
    QSaveFile file(path);
    // Unbuffered, and flushed by hand before the commit: a write error that only surfaced when the
    // buffer was flushed inside commit() would go unnoticed and a cut-off file would replace the old.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    const QByteArray text = Chann_File_Text();
    // A short write is retried: the next attempt fails outright and so carries the system's reason
    // (disk full, file too large) instead of none.
    qint64 done = 0;
    while (done < text.size()) {
        const qint64 n = file.write(text.constData() + done, text.size() - done);
        if (n <= 0) {
            const QString why = file.errorString();
            file.cancelWriting();
            return why;
        }
        done += n;
    }
    if (!file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}
