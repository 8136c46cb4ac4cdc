#include "exif.h"

#include <QTransform>
#include <cstdint>
#include <cstring>

namespace {

// A TIFF structure in either byte order, read only within its bounds.
struct Tiff {
    const unsigned char* d;
    std::size_t n;
    bool motorola;

    bool lies16(std::size_t an, unsigned& wert) const
    {
        if (an > n || n - an < 2)
            return false;
        wert = motorola ? (unsigned(d[an]) << 8 | d[an + 1]) : (unsigned(d[an + 1]) << 8 | d[an]);
        return true;
    }
    bool lies32(std::size_t an, std::uint32_t& wert) const
    {
        unsigned hoch, tief;
        if (!lies16(an, motorola ? hoch : tief) || !lies16(an + 2, motorola ? tief : hoch))
            return false;
        wert = std::uint32_t(hoch) << 16 | tief;
        return true;
    }
};

constexpr unsigned TagOrientierung = 0x0112;
constexpr unsigned TypShort = 3;

}  // namespace

Orientierung exifOrientierung(const unsigned char* daten, std::size_t laenge)
{
    static const unsigned char Kennung[6] = {'E', 'x', 'i', 'f', 0, 0};
    if (!daten || laenge < 6 + 8 || std::memcmp(daten, Kennung, 6) != 0)
        return 1;
    const Tiff t{daten + 6, laenge - 6, daten[6] == 'M'};
    if (!((t.d[0] == 'I' && t.d[1] == 'I') || (t.d[0] == 'M' && t.d[1] == 'M')))
        return 1;
    unsigned magie;
    std::uint32_t ifd;
    if (!t.lies16(2, magie) || magie != 42 || !t.lies32(4, ifd))
        return 1;
    unsigned eintraege;
    if (!t.lies16(ifd, eintraege))
        return 1;
    for (unsigned i = 0; i < eintraege; ++i) {
        const std::size_t an = std::size_t(ifd) + 2 + 12 * std::size_t(i);
        unsigned tag, typ, wert;
        std::uint32_t anzahl;
        if (!t.lies16(an, tag) || !t.lies16(an + 2, typ) || !t.lies32(an + 4, anzahl))
            return 1;
        if (tag != TagOrientierung)
            continue;
        if (typ != TypShort || anzahl != 1 || !t.lies16(an + 8, wert) || wert < 1 || wert > 8)
            return 1;
        return Orientierung(wert);
    }
    return 1;
}

bool vertauschtSeiten(Orientierung o) { return o >= 5 && o <= 8; }

QSize aufrechteGroesse(QSize gespeichert, Orientierung o)
{
    return vertauschtSeiten(o) ? gespeichert.transposed() : gespeichert;
}

namespace {

// Where the point p of the upright picture (w x h) lies in the stored one;
// edges, not pixel centres, so that x maps to w - x when mirrored.
QPointF punktGespeichert(QPointF p, QSizeF aufrecht, Orientierung o)
{
    const double w = aufrecht.width(), h = aufrecht.height();
    const double x = p.x(), y = p.y();
    switch (o) {
    case 2: return {w - x, y};
    case 3: return {w - x, h - y};
    case 4: return {x, h - y};
    case 5: return {y, x};
    case 6: return {y, w - x};
    case 7: return {h - y, w - x};
    case 8: return {h - y, x};
    default: return p;
    }
}

// The inverse turn: the orientation whose mapping undoes o's.
Orientierung umgekehrt(Orientierung o)
{
    return o == 6 ? 8 : o == 8 ? 6 : o;
}

}  // namespace

QRectF nachGespeichert(const QRectF& r, QSizeF aufrecht, Orientierung o)
{
    const QPointF a = punktGespeichert(r.topLeft(), aufrecht, o);
    const QPointF b = punktGespeichert(r.bottomRight(), aufrecht, o);
    return QRectF(a, b).normalized();
}

QRectF nachAufrecht(const QRectF& r, QSizeF gespeichert, Orientierung o)
{
    // The upright picture of the stored one is the stored one of the upright
    // one under the inverse turn.
    const QPointF a = punktGespeichert(r.topLeft(), gespeichert, umgekehrt(o));
    const QPointF b = punktGespeichert(r.bottomRight(), gespeichert, umgekehrt(o));
    return QRectF(a, b).normalized();
}

QImage aufrecht(const QImage& bild, Orientierung o)
{
    // Qt turns clockwise on the screen for positive angles.
    switch (o) {
    case 2: return bild.mirrored(true, false);
    case 3: return bild.mirrored(true, true);
    case 4: return bild.mirrored(false, true);
    case 5: return bild.transformed(QTransform().rotate(90)).mirrored(true, false);
    case 6: return bild.transformed(QTransform().rotate(90));
    case 7: return bild.transformed(QTransform().rotate(90)).mirrored(false, true);
    case 8: return bild.transformed(QTransform().rotate(270));
    default: return bild;
    }
}
