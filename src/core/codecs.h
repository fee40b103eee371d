#pragma once
// Conversions between the image's stored forms (BCD frequencies, tone type/index pairs, name codes)
// and the texts the windows show and take.
#include <QString>

// Builds Tone_List (entries 0..264) and the three last-entry indices.
void Init_Tone_List();

// Encodes a frequency text in MHz into Freq_Bcd (most significant byte first) and returns its first
// byte. The text's leading number is read; a text without one, or a value outside 0 .. <1000 MHz,
// encodes as 0. Digits below 10 Hz are dropped. Every stored nibble is a decimal digit.
int Cov_Freq2Bcd(const QString &text);
// Decodes four image bytes (least significant first) into a frequency text such as "446.00625".
QString Cov_Bcd2Freq(int b0, int b1, int b2, int b3);
// Same, reading the four bytes at Radio_Data(block, byte .. byte+3).
QString Freq_At(int block, int byte);
// Normalizes the text (trimmed, "446" -> "446.00000"), encodes it and stores it least significant
// byte first at Radio_Data(block, byte .. byte+3). The caller's text becomes the normalized text.
void Put_Freq(QString &text, int block, int byte);

// Text of the FM broadcast preset step n: 87.0 + 0.1 x n MHz ("87.0", "100.0").
QString Cov_Fm2Str(int n);

// Name character code of a one-character text (letters in either case); anything else gives 11.
int Cov_Char2Code(const QString &ch);
// One-character text of a name code 0..40; any other code gives the empty text.
QString Cov_Code2Char(int code);

// Tone list entry shown for a stored type/index pair, or -1 when the pair selects no entry.
int Cov_Code2Tone(int type, int index);
// Stored type/index pair of a tone list entry (0 gives 255/255).
void Cov_Tone2Code(int entry, int &type, int &index);
