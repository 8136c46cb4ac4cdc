#include "skalierer.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Byte offsets of blue, green and red inside a Format_RGB32 pixel in memory.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr int kB = 0, kG = 1, kR = 2;
#else
constexpr int kB = 3, kG = 2, kR = 1;
#endif

// The source pixels erste .. erste+anzahl-1 along one axis that make up one
// destination pixel.
struct Spanne {
    int erste;
    int anzahl;
};

// Source pixel x belongs to destination pixel floor((x + 0.5) * d / s).
std::vector<Spanne> spannen(int s, int d)
{
    auto anfang = [&](qint64 j) {
        // smallest x with (2x + 1) * d >= 2 * j * s
        const qint64 zaehler = 2 * j * s - d;
        const qint64 x = zaehler <= 0 ? 0 : (zaehler + 2 * d - 1) / (2 * d);
        return std::min<qint64>(x, s);
    };
    std::vector<Spanne> ergebnis(static_cast<size_t>(d));
    qint64 a = anfang(0);
    for (int j = 0; j < d; ++j) {
        const qint64 b = anfang(j + 1);
        Spanne& sp = ergebnis[static_cast<size_t>(j)];
        if (b > a) {
            sp.erste = static_cast<int>(a);
            sp.anzahl = static_cast<int>(b - a);
        } else {
            sp.erste = static_cast<int>(std::min<qint64>(s - 1, ((2 * qint64(j) + 1) * s) / (2 * d)));
            sp.anzahl = 1;
        }
        a = b;
    }
    return ergebnis;
}

template <class Summe>
void addiereZeile(Summe* __restrict summe, const uchar* __restrict zeile, int n)
{
    for (int b = 0; b < n; ++b)
        summe[b] = Summe(summe[b] + zeile[b]);
}

template <class Summe>
void setzeZeile(Summe* __restrict summe, const uchar* __restrict zeile, int n)
{
    for (int b = 0; b < n; ++b)
        summe[b] = zeile[b];
}

// One destination row: vertical sums over its source rows, then horizontal
// sums over each destination pixel's source columns.
template <class Senkrecht, class Waagrecht>
void skaliereZeilen(const QImage& quelle, const QRect& q, QImage& ziel, const QRect& z,
                    const std::vector<Spanne>& waag, const std::vector<Spanne>& senk, int jAnfang,
                    int jEnde)
{
    const int n = q.width() * 4;
    std::vector<Senkrecht> summe(static_cast<size_t>(n));
    std::vector<float> kehrSpalte(waag.size());
    for (size_t j = 0; j < waag.size(); ++j)
        kehrSpalte[j] = 1.0f / float(waag[j].anzahl);

    for (int i = 0; i < z.height(); ++i) {
        const int ty = z.y() + i;
        if (ty < 0 || ty >= ziel.height())
            continue;
        const Spanne& sp = senk[static_cast<size_t>(i)];
        auto zeile = [&](int y) { return quelle.constScanLine(q.y() + y) + q.x() * 4; };
        setzeZeile(summe.data(), zeile(sp.erste), n);
        for (int y = sp.erste + 1; y < sp.erste + sp.anzahl; ++y)
            addiereZeile(summe.data(), zeile(y), n);

        const float kehrZeile = 1.0f / float(sp.anzahl);
        auto* aus = reinterpret_cast<QRgb*>(ziel.scanLine(ty)) + z.x();
        const Senkrecht* s = summe.data();
        for (int j = jAnfang; j < jEnde; ++j) {
            const Spanne& h = waag[static_cast<size_t>(j)];
            const Senkrecht* p = s + h.erste * 4;
            Waagrecht b = 0, g = 0, r = 0;
            for (int c = 0; c < h.anzahl; ++c, p += 4) {
                b += p[kB];
                g += p[kG];
                r += p[kR];
            }
            const float k = kehrZeile * kehrSpalte[static_cast<size_t>(j)];
            const auto b8 = std::min(static_cast<unsigned>(float(b) * k + 0.5f), 255u);
            const auto g8 = std::min(static_cast<unsigned>(float(g) * k + 0.5f), 255u);
            const auto r8 = std::min(static_cast<unsigned>(float(r) * k + 0.5f), 255u);
            aus[j] = 0xff000000u | (r8 << 16) | (g8 << 8) | b8;
        }
    }
}

} // namespace

void skaliereFlaeche(const QImage& quelle, const QRect& q0, QImage& ziel, const QRect& z)
{
    const QRect q = q0 & quelle.rect();
    if (q.isEmpty() || z.isEmpty() || ziel.isNull())
        return;
    const std::vector<Spanne> waag = spannen(q.width(), z.width());
    const std::vector<Spanne> senk = spannen(q.height(), z.height());
    // Only the destination columns inside ziel are computed.
    const int jAnfang = std::max(0, -z.x());
    const int jEnde = std::min(z.width(), ziel.width() - z.x());
    if (jAnfang >= jEnde)
        return;

    int maxZeilen = 1, maxSpalten = 1;
    for (const Spanne& s : senk)
        maxZeilen = std::max(maxZeilen, s.anzahl);
    for (const Spanne& s : waag)
        maxSpalten = std::max(maxSpalten, s.anzahl);
    // The narrowest sums that cannot overflow.
    const bool schmal = qint64(maxZeilen) * 255 <= 0xffff;
    const bool waagSchmal = qint64(maxZeilen) * maxSpalten * 255 <= 0xffffffffLL;
    if (schmal && waagSchmal)
        skaliereZeilen<std::uint16_t, std::uint32_t>(quelle, q, ziel, z, waag, senk, jAnfang, jEnde);
    else if (waagSchmal)
        skaliereZeilen<std::uint32_t, std::uint32_t>(quelle, q, ziel, z, waag, senk, jAnfang, jEnde);
    else
        skaliereZeilen<std::uint32_t, std::uint64_t>(quelle, q, ziel, z, waag, senk, jAnfang, jEnde);
}
