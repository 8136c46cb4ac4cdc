#pragma once
// Shared helpers: rounding, trimming, integer conversion, code page.

#include <QByteArray>
#include <QString>
#include <optional>

// Nearest integer, halves to the even neighbour (200.5 -> 200, 201.5 -> 202).
// Values beyond the int range saturate instead of being undefined.
int rundeGerade(double wert);

// Removes all leading and trailing characters with codes 0 to 32.
QString trimme(const QString& text);

// The program's integer conversion: leading blanks (code 32) skipped, optional
// sign, decimal digits; without a sign also hexadecimal after "$", "x", "X",
// "0x", "0X". Anything else (trailing blank, empty, overflow) fails.
std::optional<int> alsGanzzahl(const QString& text);

// Windows-1252 <-> text. Bytes undefined in Windows-1252 map to U+0080..U+009F.
QString ausWindows1252(const QByteArray& bytes);
QByteArray nachWindows1252(const QString& text);

// Decimal score text: "<n> Punkte".
QString punkteText(int punkte);

// Adds to a score without leaving the signed 32-bit range (stops at its limits).
int addiereBegrenzt(int a, long long b);
