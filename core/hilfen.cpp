#include "hilfen.h"

#include <climits>
#include <cmath>

int rundeGerade(double wert)
{
    if (std::isnan(wert))
        return 0;
    // The default floating-point rounding mode rounds halves to even.
    const double gerundet = std::nearbyint(wert);
    if (gerundet >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (gerundet <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(gerundet);
}

QString trimme(const QString& text)
{
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && text.at(anfang).unicode() <= 32)
        ++anfang;
    while (ende > anfang && text.at(ende - 1).unicode() <= 32)
        --ende;
    return text.mid(anfang, ende - anfang);
}

namespace {

int ziffernwert(QChar c, int basis)
{
    const char16_t u = c.unicode();
    int wert = -1;
    if (u >= '0' && u <= '9')
        wert = u - '0';
    else if (u >= 'a' && u <= 'f')
        wert = u - 'a' + 10;
    else if (u >= 'A' && u <= 'F')
        wert = u - 'A' + 10;
    return wert < basis ? wert : -1;
}

} // namespace

std::optional<int> alsGanzzahl(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;

    bool negativ = false;
    bool vorzeichen = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negativ = text.at(i) == QLatin1Char('-');
        vorzeichen = true;
        ++i;
    }

    int basis = 10;
    if (!vorzeichen && i < n) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('$') || c == QLatin1Char('x') || c == QLatin1Char('X')) {
            basis = 16;
            ++i;
        } else if (c == QLatin1Char('0') && i + 1 < n
                   && (text.at(i + 1) == QLatin1Char('x') || text.at(i + 1) == QLatin1Char('X'))) {
            basis = 16;
            i += 2;
        }
    }

    if (i >= n)
        return std::nullopt;

    // The magnitude in 64 bits, bounded by what the sign allows (INT_MIN's is one more).
    const long long grenze = negativ ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long betrag = 0;
    for (; i < n; ++i) {
        const int ziffer = ziffernwert(text.at(i), basis);
        if (ziffer < 0)
            return std::nullopt;
        betrag = betrag * basis + ziffer;
        if (betrag > grenze)
            return std::nullopt;
    }
    return static_cast<int>(negativ ? -betrag : betrag);
}

namespace {

// Windows-1252 code points for bytes 0x80..0x9F; the five undefined bytes keep
// their Latin-1 value so that every byte survives a round trip.
constexpr char16_t cp1252Oben[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QString ausWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* ziel = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes.at(i));
        ziel[i] = QChar(b >= 0x80 && b <= 0x9F ? cp1252Oben[b - 0x80] : char16_t(b));
    }
    return text;
}

QByteArray nachWindows1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        char b = '?';
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            b = static_cast<char>(u);
        } else {
            for (int k = 0; k < 32; ++k) {
                if (cp1252Oben[k] == u) {
                    b = static_cast<char>(0x80 + k);
                    break;
                }
            }
        }
        bytes.append(b);
    }
    return bytes;
}

QString punkteText(int punkte)
{
    return QString::number(punkte) + QStringLiteral(" Punkte");
}

int addiereBegrenzt(int a, long long b)
{
    // Clamping b first keeps the sum itself inside long long.
    if (b > static_cast<long long>(INT_MAX) - INT_MIN)
        return INT_MAX;
    if (b < static_cast<long long>(INT_MIN) - INT_MAX)
        return INT_MIN;
    const long long summe = static_cast<long long>(a) + b;
    if (summe > INT_MAX)
        return INT_MAX;
    if (summe < INT_MIN)
        return INT_MIN;
    return static_cast<int>(summe);
}
