#pragma once
// The channel file: the whole memory image (blocks 0..255, bytes 0..15) as plain text, 256 lines of
// 16 numbers, each written as a blank, its decimal digits and a blank, every line ending in CR LF.
// Reading takes 4096 numbers separated by blanks, commas or line ends, whatever the line structure.
#include <QByteArray>
#include <QString>

class QIODevice;

constexpr int Chann_File_Values = 4096;   // 256 blocks x 16 bytes

// The file text of the current image.
QByteArray Chann_File_Text();

// Parses a channel file from in. On success values[] holds the 4096 numbers and the result is empty;
// otherwise the result says which line held what was wrong (name is the file name the text uses).
// Anything after the 4096th number is not looked at.
QString Parse_Chann_File(QIODevice &in, const QString &name, quint8 (&values)[Chann_File_Values]);

// Reads the file at path and, only when all 4096 numbers are sound, replaces image blocks 0..255.
// Returns an empty text on success, else what went wrong; the image is then exactly as it was.
QString Read_Chann_File(const QString &path);

// Writes the image to path through a temporary file that replaces the old one only when complete, so
// a failure leaves any existing file as it was. Returns an empty text on success, else the reason.
QString Write_Chann_File(const QString &path);
