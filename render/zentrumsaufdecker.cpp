#include "zentrumsaufdecker.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "pixel.h"
#include "sektor.h"

namespace {

// The square around the centre whose pixels a reveal looks up (half its side),
// and the sector count from which that pays.
constexpr int ZentrumRadius = 256;
constexpr int ZentrumAbSektoren = 64;
// A pixel a sector paints lies within this distance of its wedge (the pixel's
// point within 0.71 of the pixel, the outline within 2 of the edge).
constexpr double Nah = 2.71;

// Angle of p seen from m, clockwise on the screen, as the sectors count it.
double winkel(QPoint m, QPoint p)
{
    return std::atan2(double(p.y() - m.y()), double(p.x() - m.x()));
}

// Distance of two angles on the circle, 0..pi.
double winkelAbstand(double a, double b)
{
    return std::abs(std::remainder(a - b, 2 * M_PI));
}

// Pixels whose point lies within a distance of a narrow cone from m between
// the angles a0 < a1, on its forward side or no farther behind m than
// hinten. Each bound is a half-plane
// a * vx + b * vy + e >= 0 with v the point relative to m.
struct Kegel {
    struct Halbebene {
        double a, b, e;
    };
    QPoint m;
    Halbebene seiten[3];

    Kegel(QPoint mitte, double a0, double a1, double abstand, double hinten = 0)
        : m(mitte),
          seiten{{-std::sin(a0), std::cos(a0), abstand},
                 {std::sin(a1), -std::cos(a1), abstand},
                 {std::cos((a0 + a1) / 2), std::sin((a0 + a1) / 2), hinten}}
    {
    }

    // The columns of row y within links..rechts that belong to the cone.
    bool zeile(int y, int links, int rechts, int& von, int& bis) const
    {
        double lo = links, hi = rechts;
        const double vy = y - m.y();
        for (const Halbebene& h : seiten) {
            const double rest = h.b * vy + h.e;
            if (std::abs(h.a) < 1e-12) {
                if (rest < 0)
                    return false;
            } else if (h.a > 0) {
                lo = std::max(lo, m.x() - rest / h.a);
            } else {
                hi = std::min(hi, m.x() - rest / h.a);
            }
        }
        von = int(std::ceil(lo - 1e-9));
        bis = int(std::floor(hi + 1e-9));
        return von <= bis;
    }

    // Calls f(y, von, bis) for the cone's row segments inside box and outside feld.
    template <class F>
    void ohneFeld(const QRect& box, const QRect& feld, F&& f) const
    {
        for (int y = box.top(); y <= box.bottom(); ++y) {
            int von, bis;
            if (!zeile(y, box.left(), box.right(), von, bis))
                continue;
            if (y < feld.top() || y > feld.bottom() || bis < feld.left() || von > feld.right()) {
                f(y, von, bis);
                continue;
            }
            if (von < feld.left())
                f(y, von, feld.left() - 1);
            if (bis > feld.right())
                f(y, feld.right() + 1, bis);
        }
    }
};

// Copies the columns von..bis of row y from quelle to ziel.
void kopiereStueck(const QImage& quelle, QImage& ziel, int y, int von, int bis)
{
    std::memcpy(reinterpret_cast<QRgb*>(ziel.scanLine(y)) + von,
                reinterpret_cast<const QRgb*>(quelle.constScanLine(y)) + von,
                size_t(bis - von + 1) * sizeof(QRgb));
}

} // namespace

bool Zentrumsaufdecker::deckeAuf(int k, Sektorliste& sektoren, std::span<const bool> verdeckt,
                                 const QImage& bild, QImage& sichtbar, QRect& geaendert)
{
    if (!bereiteVor(sektoren, sichtbar))
        return false;
    const QRect box = sektoren.sektor(k).punkte.boundingRect().adjusted(-2, -2, 2, 2) & sichtbar.rect();
    malKegelNeu(k, sektoren, verdeckt, bild, sichtbar, box);
    setzeFeld(k, verdeckt, bild, sichtbar);
    geaendert = box;
    return true;
}

bool Zentrumsaufdecker::bereiteVor(Sektorliste& sektoren, const QImage& sichtbar)
{
    const int n = sektoren.anzahl();
    if (m_t.n == n && m_t.w == sektoren.breite() && m_t.h == sektoren.hoehe())
        return m_t.brauchbar;
    m_t = Tabellen();
    m_t.n = n;
    m_t.w = sektoren.breite();
    m_t.h = sektoren.hoehe();
    if (n < ZentrumAbSektoren || sichtbar.isNull())
        return false;

    QPoint m;
    if (!vermisseWinkel(sektoren, m))
        return false;
    const int r = ZentrumRadius;
    m_t.feld = QRect(m.x() - r, m.y() - r, 2 * r + 1, 2 * r + 1) & sichtbar.rect();
    if (m_t.feld.isEmpty())
        return false;
    std::vector<Beruehrung> paare;
    if (!tasteFeldAb(sektoren, sichtbar.size(), m, paare))
        return false;
    ordneNachPixel(paare);
    m_t.brauchbar = true;
    return true;
}

// Each sector's angular extent seen from the centre, which it yields; false
// when a sector is no polygon or too wide for a narrow cone.
bool Zentrumsaufdecker::vermisseWinkel(Sektorliste& sektoren, QPoint& mitte)
{
    const int n = m_t.n;
    m_t.mitte.resize(size_t(n));
    m_t.halbeBreite.resize(size_t(n));
    for (int j = 0; j < n; ++j) {
        const Sektor& s = sektoren.sektor(j);
        if (s.status != SektorStatus::Polygon || s.punkte.size() < 3)
            return false;
        const QPoint m = s.punkte.first();
        mitte = m;
        const double start = 2.0 * M_PI * j / n;
        double von = 1e9, bis = -1e9;
        for (int i = 1; i + 1 < s.punkte.size(); ++i) {
            if (s.punkte[i] == m)
                continue;
            const double a = start + std::remainder(winkel(m, s.punkte[i]) - start, 2 * M_PI);
            von = std::min(von, a);
            bis = std::max(bis, a);
        }
        if (von > bis || bis - von > M_PI / 4)
            return false;
        m_t.mitte[size_t(j)] = (von + bis) / 2;
        m_t.halbeBreite[size_t(j)] = (bis - von) / 2;
        m_t.breitester = std::max(m_t.breitester, (bis - von) / 2);
    }
    return true;
}

// Each sector painted alone, fill and outline in their own colours, shows
// which pixels of the square it touches and how. The probe has the visible
// picture's size, so that the sectors meet the same borders as there.
bool Zentrumsaufdecker::tasteFeldAb(Sektorliste& sektoren, QSize groesse, QPoint m,
                                    std::vector<Beruehrung>& paare)
{
    constexpr QRgb Leer = 0xff000000u, Fuellung = 0xff0000ffu, Umriss = 0xffff0000u;
    const QRect& feld = m_t.feld;
    QImage probe(groesse, QImage::Format_RGB32);
    probe.fill(Leer);
    m_t.pixelAb.assign(size_t(m_t.n) + 1, 0);
    QPainter p(&probe);
    richteAbdeckungEin(p, Fuellung, Umriss);
    p.setClipRect(feld);
    for (int j = 0; j < m_t.n; ++j) {
        const QPolygon& punkte = sektoren.sektor(j).punkte;
        p.drawPolygon(punkte, Qt::OddEvenFill);
        // Only the sector's cone can hold its pixels; the check below
        // makes sure none was left behind.
        const QRect teil = punkte.boundingRect().adjusted(-2, -2, 2, 2) & feld;
        const double c = m_t.mitte[size_t(j)], w = m_t.halbeBreite[size_t(j)];
        const Kegel kegel(m, c - w, c + w, Nah, Nah);
        for (int y = teil.top(); y <= teil.bottom(); ++y) {
            int von, bis;
            if (!kegel.zeile(y, teil.left(), teil.right(), von, bis))
                continue;
            auto* zeile = reinterpret_cast<QRgb*>(probe.scanLine(y));
            for (int x = von; x <= bis; ++x) {
                if (zeile[x] == Leer)
                    continue;
                const auto i = quint32(size_t(y - feld.top()) * size_t(feld.width()) + size_t(x - feld.left()));
                paare.emplace_back(i, quint32(j) << 1 | (zeile[x] == Umriss ? 1u : 0u));
                m_t.pixel.push_back(i);
                zeile[x] = Leer;
            }
        }
        m_t.pixelAb[size_t(j) + 1] = quint32(m_t.pixel.size());
    }
    p.end();
    for (int y = feld.top(); y <= feld.bottom(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(probe.constScanLine(y));
        for (int x = feld.left(); x <= feld.right(); ++x)
            if (zeile[x] != Leer)
                return false;   // a sector painted outside its cone
    }
    return true;
}

// Groups the touches by pixel, keeping the sectors' ascending order.
void Zentrumsaufdecker::ordneNachPixel(const std::vector<Beruehrung>& paare)
{
    const size_t flaeche = size_t(m_t.feld.width()) * size_t(m_t.feld.height());
    m_t.beruehrtAb.assign(flaeche + 1, 0);
    for (const auto& [i, code] : paare)
        ++m_t.beruehrtAb[i + 1];
    for (size_t i = 0; i < flaeche; ++i)
        m_t.beruehrtAb[i + 1] += m_t.beruehrtAb[i];
    m_t.beruehrt.resize(paare.size());
    std::vector<quint32> naechste(m_t.beruehrtAb.begin(), m_t.beruehrtAb.end() - 1);
    for (const auto& [i, code] : paare)
        m_t.beruehrt[naechste[i]++] = code;
}

// The covered sectors that may reach sector k's pixels beyond the square,
// with their angular gap to it. A sector at the angle g from this one comes
// within 2 * Nah of the cone only closer to the centre than
// 2 * Nah / sin(g) + Nah. Sectors lie in index order around the circle, so the
// search walks outwards from k and stops on each side at the first sector too
// far away to reach beyond the square.
void Zentrumsaufdecker::sucheNachbarn(int k, std::span<const bool> verdeckt)
{
    const int n = m_t.n;
    const double c = m_t.mitte[size_t(k)], w = m_t.halbeBreite[size_t(k)];
    const double reichtNichtMehr = std::asin(std::min(1.0, 2 * Nah / (ZentrumRadius - Nah - 2)));
    m_nachbarn.clear();
    for (const int schritt : {-1, 1}) {
        for (int d = 1; d <= n / 2; ++d) {
            const int j = ((k + schritt * d) % n + n) % n;
            if (schritt == 1 && d == n - d)
                break;   // the sector opposite was seen going the other way
            const double g = winkelAbstand(m_t.mitte[size_t(j)], c) - m_t.halbeBreite[size_t(j)] - w;
            if (g - m_t.breitester + m_t.halbeBreite[size_t(j)] >= reichtNichtMehr)
                break;
            if (verdeckt[size_t(j)])
                m_nachbarn.emplace_back(j, g);
        }
    }
    std::sort(m_nachbarn.begin(), m_nachbarn.end());
}

// Outside the square every pixel sector k touched lies in its cone. The cone
// is rebuilt on a work picture of the same size, so that the repainted
// neighbours cannot spill onto pixels they must not cover: the picture, then
// the covered neighbours in ascending order, each clipped to the distance it
// can reach.
void Zentrumsaufdecker::malKegelNeu(int k, Sektorliste& sektoren, std::span<const bool> verdeckt,
                                    const QImage& bild, QImage& sichtbar, const QRect& box)
{
    const QPoint m = sektoren.sektor(k).punkte.first();
    const double c = m_t.mitte[size_t(k)], w = m_t.halbeBreite[size_t(k)];
    const Kegel kegel(m, c - w, c + w, Nah);
    QImage& werk = m_t.werkbild;
    if (werk.size() != sichtbar.size())
        werk = QImage(sichtbar.size(), QImage::Format_RGB32);
    kegel.ohneFeld(box, m_t.feld, [&](int y, int von, int bis) { kopiereStueck(bild, werk, y, von, bis); });

    sucheNachbarn(k, verdeckt);
    QPainter p(&werk);
    richteAbdeckungEin(p);
    for (const auto& [j, g] : m_nachbarn) {
        QRect clip = box;
        if (g > 0) {
            if (g >= M_PI / 2)
                continue;
            const double reichweite = 2 * Nah / std::sin(g) + Nah + 2;
            if (reichweite <= ZentrumRadius)
                continue;
            if (reichweite < 1e6) {
                const int r = int(std::ceil(reichweite));
                clip &= QRect(m.x() - r, m.y() - r, 2 * r + 1, 2 * r + 1);
            }
        }
        if (clip.isEmpty())
            continue;
        p.setClipRect(clip);
        p.drawPolygon(sektoren.sektor(j).punkte, Qt::OddEvenFill);
    }
    p.end();
    kegel.ohneFeld(box, m_t.feld, [&](int y, int von, int bis) { kopiereStueck(werk, sichtbar, y, von, bis); });
}

// The square: every pixel sector k touched takes the colour of the highest
// covered sector touching it, or the picture's.
void Zentrumsaufdecker::setzeFeld(int k, std::span<const bool> verdeckt, const QImage& bild,
                                  QImage& sichtbar) const
{
    const QRect& feld = m_t.feld;
    const quint32 breite = quint32(feld.width());
    for (quint32 e = m_t.pixelAb[size_t(k)]; e < m_t.pixelAb[size_t(k) + 1]; ++e) {
        const quint32 i = m_t.pixel[e];
        const int x = feld.left() + int(i % breite);
        const int y = feld.top() + int(i / breite);
        QRgb farbe = reinterpret_cast<const QRgb*>(bild.constScanLine(y))[x];
        for (quint32 b = m_t.beruehrtAb[i + 1]; b > m_t.beruehrtAb[i]; --b) {
            const quint32 code = m_t.beruehrt[b - 1];
            if (verdeckt[size_t(code >> 1)]) {
                farbe = (code & 1u) ? Farbe::Schwarz : Farbe::Grau;
                break;
            }
        }
        reinterpret_cast<QRgb*>(sichtbar.scanLine(y))[x] = farbe;
    }
}
