#include "bildbereich.h"

#include <QPainter>
#include <QRegion>
#include <QScopeGuard>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

#include "bildladen.h"
#include "bildvorrat.h"
#include "core/hilfen.h"
#include "core/meldungen.h"
#include "core/spielstand.h"
#include "darstellung.h"
#include "einpassung.h"
#include "fenster.h"
#include "pixel.h"
#include "sektor.h"

namespace {

using Farbe::Grau;
using Farbe::Schwarz;

// The square around the centre whose pixels a reveal looks up (half its side),
// and the sector count from which that pays.
constexpr int ZentrumRadius = 256;
constexpr int ZentrumAbSektoren = 64;
// A pixel a sector paints lies within this distance of its wedge (the pixel's
// point within 0.71 of the pixel, the outline within 2 of the edge).
constexpr double Nah = 2.71;

// Sizes an image; a new size starts black, the same size keeps the pixels.
void setzeGroesse(QImage& bild, int breite, int hoehe)
{
    breite = std::max(breite, 0);
    hoehe = std::max(hoehe, 0);
    if (bild.width() == breite && bild.height() == hoehe && !bild.isNull())
        return;
    if (breite == 0 || hoehe == 0) {
        bild = QImage();
        return;
    }
    bild = QImage(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Schwarz);
}

} // namespace

struct Bildbereich::Daten {
    Spielstand& st;
    Fenster& fenster;
    Meldungen& meldungen;
    QImage iBild;
    QImage image3;

    Bildvorrat vorrat;
    int layouts = 0;   // runs of formResize() under way, nested ones included

    // What Image3 is known to show, so that a reveal may repaint only the
    // uncovered sector's surroundings.
    enum class Stand { Unbekannt, NurBild, MitAbdeckung } stand = Stand::Unbekannt;
    std::vector<bool> gezeichnet;   // the cover drawn over IBild when MitAbdeckung

    // The painter on Image3, opened on first use and closed before any message
    // box, since the box's event loop may repaint the window from Image3.
    std::optional<QPainter> maler;
    std::optional<QRect> malerClip;

    // The sectors of the current layout, computed once per sector count and size.
    std::vector<std::optional<Sektor>> sektoren;
    int sektorenN = -1, sektorenW = -1, sektorenH = -1;

    // With many sectors every sector reaches the centre, so a reveal that
    // repainted all covered sectors around the centre would cost as much as a
    // full redraw. Instead the final colour of each pixel near the centre is
    // looked up: it is the colour left by the highest covered sector touching
    // it (black where its outline runs, grey where only its fill does), or the
    // picture. Farther out only sectors at nearly the same angle can reach the
    // uncovered sector's pixels; those are repainted as usual.
    struct Zentrum {
        int n = -1, w = -1, h = -1;
        bool brauchbar = false;
        QRect feld;                         // the square around the centre
        // Per pixel of the square, the sectors touching it in ascending order,
        // each as sector << 1 | outline; pixel i's entries are
        // beruehrt[beruehrtAb[i] .. beruehrtAb[i + 1]).
        std::vector<quint32> beruehrt, beruehrtAb;
        // Per sector, the pixels of the square it touches.
        std::vector<quint32> pixel, pixelAb;
        std::vector<double> mitte, halbeBreite;  // each sector's angular extent
        double breitester = 0;                   // the largest halbeBreite
        QImage werkbild;                         // where the neighbours are repainted
    } zentrum;
    std::vector<std::pair<int, double>> nachbarn;   // sector, angular gap
    bool bereiteZentrumVor();
    bool deckeAufMitZentrum(int k, QRect& geaendert);

    Daten(Spielstand& s, Fenster& f, Meldungen& m) : st(s), fenster(f), meldungen(m) {}

    const Sektor& sektor(int k);
    QPainter& malerAuf(const QRect* clip);
    void schliesseMaler()
    {
        maler.reset();
        malerClip.reset();
    }
    // One sector as DrawEck paints it; only inside clip when given.
    QRect zeichneSektor(int k, const QRect* clip);
    void zeichneAlleVerdeckten(const QRect* clip);
    void kopiereIBild();
    void merkeAbdeckung();
};

const Sektor& Bildbereich::Daten::sektor(int k)
{
    if (sektorenN != st.Sektorenzahl || sektorenW != st.BildBreite || sektorenH != st.BildHoehe) {
        sektorenN = st.Sektorenzahl;
        sektorenW = st.BildBreite;
        sektorenH = st.BildHoehe;
        sektoren.assign(size_t(std::clamp(sektorenN, 0, MaxSektoren)), std::nullopt);
    }
    auto& eintrag = sektoren[size_t(k)];
    if (!eintrag)
        eintrag = sektorPolygon(k, sektorenN, sektorenW, sektorenH);
    return *eintrag;
}

QPainter& Bildbereich::Daten::malerAuf(const QRect* clip)
{
    if (!maler) {
        maler.emplace(&image3);
        richteAbdeckungEin(*maler);
    }
    if (clip && malerClip != *clip) {
        maler->setClipRect(*clip);
        malerClip = *clip;
    }
    return *maler;
}

QRect Bildbereich::Daten::zeichneSektor(int k, const QRect* clip)
{
    const Sektor& s = (k >= 0 && k < std::min(st.Sektorenzahl, MaxSektoren))
        ? sektor(k)
        : sektorPolygon(k, st.Sektorenzahl, st.BildBreite, st.BildHoehe);
    switch (s.status) {
    case SektorStatus::Polygon:
        break;
    case SektorStatus::ZuWenigeSektoren:
        schliesseMaler();
        meldungen.zeige(Meldungsart::Hinweis,
                        QStringLiteral("FEHLER: Zu wenige Sektoren eingestellt!"));
        return {};
    case SektorStatus::FalscherParameter:
    case SektorStatus::LeereFlaeche:
        return {};
    }
    if (image3.isNull())
        return {};
    const QRect umriss = s.punkte.boundingRect();
    if (clip && !umriss.intersects(*clip))
        return {};
    QPainter& p = malerAuf(clip);
    p.drawPolygon(s.punkte, Qt::OddEvenFill);
    return umriss & image3.rect();
}

void Bildbereich::Daten::zeichneAlleVerdeckten(const QRect* clip)
{
    const int n = std::clamp(st.Sektorenzahl, 0, MaxSektoren);
    for (int k = 0; k < n; ++k) {
        if (st.Verdeckt[size_t(k)])
            zeichneSektor(k, clip);
    }
    schliesseMaler();
}

void Bildbereich::Daten::kopiereIBild()
{
    if (image3.isNull() || iBild.isNull()) {
        stand = Stand::Unbekannt;
        return;
    }
    kopiereRechteck(iBild, image3, iBild.rect(), QPoint(0, 0));
    stand = image3.size() == iBild.size() ? Stand::NurBild : Stand::Unbekannt;
}

void Bildbereich::Daten::merkeAbdeckung()
{
    if (stand != Stand::NurBild) {
        stand = Stand::Unbekannt;
        return;
    }
    const int n = std::clamp(st.Sektorenzahl, 0, MaxSektoren);
    gezeichnet.assign(st.Verdeckt.begin(), st.Verdeckt.begin() + n);
    stand = Stand::MitAbdeckung;
}

namespace {

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

} // namespace

namespace {

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

} // namespace

bool Bildbereich::Daten::bereiteZentrumVor()
{
    const int n = std::clamp(st.Sektorenzahl, 0, MaxSektoren);
    if (zentrum.n == n && zentrum.w == st.BildBreite && zentrum.h == st.BildHoehe)
        return zentrum.brauchbar;
    zentrum = Zentrum();
    zentrum.n = n;
    zentrum.w = st.BildBreite;
    zentrum.h = st.BildHoehe;
    if (n < ZentrumAbSektoren || image3.isNull())
        return false;

    zentrum.mitte.resize(size_t(n));
    zentrum.halbeBreite.resize(size_t(n));
    QPoint m;
    for (int j = 0; j < n; ++j) {
        const Sektor& s = sektor(j);
        if (s.status != SektorStatus::Polygon || s.punkte.size() < 3)
            return false;
        m = s.punkte.first();
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
        zentrum.mitte[size_t(j)] = (von + bis) / 2;
        zentrum.halbeBreite[size_t(j)] = (bis - von) / 2;
        zentrum.breitester = std::max(zentrum.breitester, (bis - von) / 2);
    }

    const int r = ZentrumRadius;
    zentrum.feld = QRect(m.x() - r, m.y() - r, 2 * r + 1, 2 * r + 1) & image3.rect();
    const QRect& feld = zentrum.feld;
    if (feld.isEmpty())
        return false;
    const size_t flaeche = size_t(feld.width()) * size_t(feld.height());

    // Each sector painted alone, fill and outline in their own colours, shows
    // which pixels of the square it touches and how. The probe has the visible
    // picture's size, so that the sectors meet the same borders as there.
    constexpr QRgb Leer = 0xff000000u, Fuellung = 0xff0000ffu, Umriss = 0xffff0000u;
    QImage probe(image3.size(), QImage::Format_RGB32);
    probe.fill(Leer);
    std::vector<std::pair<quint32, quint32>> paare;   // pixel, sector << 1 | outline
    zentrum.pixelAb.assign(size_t(n) + 1, 0);
    {
        QPainter p(&probe);
        richteAbdeckungEin(p, Fuellung, Umriss);
        p.setClipRect(feld);
        for (int j = 0; j < n; ++j) {
            const QPolygon& punkte = sektor(j).punkte;
            p.drawPolygon(punkte, Qt::OddEvenFill);
            // Only the sector's cone can hold its pixels; the check below
            // makes sure none was left behind.
            const QRect teil = punkte.boundingRect().adjusted(-2, -2, 2, 2) & feld;
            const double c = zentrum.mitte[size_t(j)], w = zentrum.halbeBreite[size_t(j)];
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
                    zentrum.pixel.push_back(i);
                    zeile[x] = Leer;
                }
            }
            zentrum.pixelAb[size_t(j) + 1] = quint32(zentrum.pixel.size());
        }
    }
    for (int y = feld.top(); y <= feld.bottom(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(probe.constScanLine(y));
        for (int x = feld.left(); x <= feld.right(); ++x)
            if (zeile[x] != Leer)
                return false;   // a sector painted outside its cone
    }
    // Group the touches by pixel, keeping the sectors' ascending order.
    zentrum.beruehrtAb.assign(flaeche + 1, 0);
    for (const auto& [i, code] : paare)
        ++zentrum.beruehrtAb[i + 1];
    for (size_t i = 0; i < flaeche; ++i)
        zentrum.beruehrtAb[i + 1] += zentrum.beruehrtAb[i];
    zentrum.beruehrt.resize(paare.size());
    std::vector<quint32> naechste(zentrum.beruehrtAb.begin(), zentrum.beruehrtAb.end() - 1);
    for (const auto& [i, code] : paare)
        zentrum.beruehrt[naechste[i]++] = code;
    zentrum.brauchbar = true;
    return true;
}


bool Bildbereich::Daten::deckeAufMitZentrum(int k, QRect& geaendert)
{
    if (!bereiteZentrumVor())
        return false;
    const int n = zentrum.n;
    const Sektor& s = sektor(k);
    const QPoint m = s.punkte.first();
    const QRect& feld = zentrum.feld;
    const QRect box = s.punkte.boundingRect().adjusted(-2, -2, 2, 2) & image3.rect();

    // Outside the square every pixel the sector touched is in this cone.
    const double c = zentrum.mitte[size_t(k)], w = zentrum.halbeBreite[size_t(k)];
    const Kegel kegel(m, c - w, c + w, Nah);

    // The cone is rebuilt on a work picture of the same size, so that the
    // repainted neighbours cannot spill onto pixels they must not cover:
    // the picture, then the covered neighbours in ascending order.
    QImage& werk = zentrum.werkbild;
    if (werk.size() != image3.size())
        werk = QImage(image3.size(), QImage::Format_RGB32);
    kegel.ohneFeld(box, feld, [&](int y, int von, int bis) {
        std::memcpy(reinterpret_cast<QRgb*>(werk.scanLine(y)) + von,
                    reinterpret_cast<const QRgb*>(iBild.constScanLine(y)) + von,
                    size_t(bis - von + 1) * sizeof(QRgb));
    });
    {
        QPainter p(&werk);
        richteAbdeckungEin(p);
        p.setClipRect(box);
        // A sector at the angle g from this one comes within 2 * Nah of the
        // cone only closer to the centre than 2 * Nah / sin(g) + Nah; beyond
        // the square that leaves the nearest neighbours, each clipped to that
        // distance. Sectors lie in index order around the circle, so the
        // search walks outwards from k and stops on each side at the first
        // sector too far away to reach beyond the square.
        const double reichtNichtMehr = std::asin(std::min(1.0, 2 * Nah / (ZentrumRadius - Nah - 2)));
        nachbarn.clear();
        for (const int schritt : {-1, 1}) {
            for (int d = 1; d <= n / 2; ++d) {
                const int j = ((k + schritt * d) % n + n) % n;
                if (schritt == 1 && d == n - d)
                    break;   // the sector opposite was seen going the other way
                const double g = winkelAbstand(zentrum.mitte[size_t(j)], c) - zentrum.halbeBreite[size_t(j)] - w;
                if (g - zentrum.breitester + zentrum.halbeBreite[size_t(j)] >= reichtNichtMehr)
                    break;
                if (st.Verdeckt[size_t(j)])
                    nachbarn.emplace_back(j, g);
            }
        }
        std::sort(nachbarn.begin(), nachbarn.end());
        for (const auto& [j, g] : nachbarn) {
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
            p.drawPolygon(sektor(j).punkte, Qt::OddEvenFill);
        }
    }
    kegel.ohneFeld(box, feld, [&](int y, int von, int bis) {
        std::memcpy(reinterpret_cast<QRgb*>(image3.scanLine(y)) + von,
                    reinterpret_cast<const QRgb*>(werk.constScanLine(y)) + von,
                    size_t(bis - von + 1) * sizeof(QRgb));
    });

    // The square: every pixel the sector touched takes the colour of the
    // highest covered sector touching it, or the picture's.
    const quint32 breite = quint32(feld.width());
    {
        const int j = k;
        for (quint32 e = zentrum.pixelAb[size_t(j)]; e < zentrum.pixelAb[size_t(j) + 1]; ++e) {
            const quint32 i = zentrum.pixel[e];
            const int x = feld.left() + int(i % breite);
            const int y = feld.top() + int(i / breite);
            QRgb farbe = reinterpret_cast<const QRgb*>(iBild.constScanLine(y))[x];
            for (quint32 b = zentrum.beruehrtAb[i + 1]; b > zentrum.beruehrtAb[i]; --b) {
                const quint32 code = zentrum.beruehrt[b - 1];
                if (st.Verdeckt[size_t(code >> 1)]) {
                    farbe = (code & 1u) ? Schwarz : Grau;
                    break;
                }
            }
            reinterpret_cast<QRgb*>(image3.scanLine(y))[x] = farbe;
        }
    }
    geaendert = box;
    return true;
}

Bildbereich::Bildbereich(Spielstand& st, Fenster& fenster, Meldungen& meldungen)
    : d(std::make_unique<Daten>(st, fenster, meldungen))
{
}

Bildbereich::~Bildbereich() = default;

const QImage& Bildbereich::sichtbaresBild() const { return d->image3; }
const QImage& Bildbereich::iBild() const { return d->iBild; }
int Bildbereich::dekodierZaehler() const { return d->vorrat.dekodierZaehler(); }
void Bildbereich::vergissBild() { d->vorrat.vergiss(); }

void Bildbereich::DrawEck(int k)
{
    if (k < 0 || k >= d->st.Sektorenzahl) {
        d->schliesseMaler();
        d->meldungen.zeige(Meldungsart::Hinweis, QStringLiteral("DrawEck(): Falscher Parameter!"));
        d->fenster.schliesse();
        return;
    }
    d->stand = Daten::Stand::Unbekannt;
    const QRect geaendert = d->zeichneSektor(k, nullptr);
    d->schliesseMaler();
    if (!geaendert.isEmpty())
        d->fenster.bildGeaendert(geaendert);
}

void Bildbereich::zeichneAbdeckung()
{
    d->zeichneAlleVerdeckten(nullptr);
    d->merkeAbdeckung();
    d->fenster.bildGeaendert(d->image3.rect());
}

void Bildbereich::zeigeGanzesBild()
{
    d->kopiereIBild();
    d->fenster.bildGeaendert(d->image3.rect());
}

void Bildbereich::deckeAuf(int sektor)
{
    Spielstand& st = d->st;
    const int n = std::clamp(st.Sektorenzahl, 0, MaxSektoren);
    bool schnell = d->stand == Daten::Stand::MitAbdeckung && int(d->gezeichnet.size()) == n
        && sektor >= 0 && sektor < n && d->gezeichnet[size_t(sektor)] && !st.Verdeckt[size_t(sektor)]
        && d->image3.size() == QSize(st.BildBreite, st.BildHoehe) && d->iBild.size() == d->image3.size();
    for (int k = 0; schnell && k < n; ++k) {
        if (k != sektor && d->gezeichnet[size_t(k)] != st.Verdeckt[size_t(k)])
            schnell = false;
    }
    const Sektor s = schnell ? d->sektor(sektor) : Sektor();
    if (!schnell || s.status != SektorStatus::Polygon) {
        zeigeGanzesBild();
        zeichneAbdeckung();
        return;
    }
    QRect geaendert;
    if (d->deckeAufMitZentrum(sektor, geaendert)) {
        d->gezeichnet[size_t(sektor)] = false;
        d->fenster.bildGeaendert(geaendert);
        return;
    }
    // The sector's outline may reach a pixel beyond its polygon.
    const QRect box = s.punkte.boundingRect().adjusted(-2, -2, 2, 2) & d->image3.rect();
    kopiereRechteck(d->iBild, d->image3, box, box.topLeft());
    d->zeichneAlleVerdeckten(&box);
    d->gezeichnet[size_t(sektor)] = false;
    if (!box.isEmpty())
        d->fenster.bildGeaendert(box);
}

void Bildbereich::fuelleGrau()
{
    QImage& bild = d->image3;
    d->stand = Daten::Stand::Unbekannt;
    if (bild.isNull())
        return;
    // One rectangle with the grey brush and the black pen: a grey area with a
    // one-pixel black outline.
    const QRect r = QRect(QPoint(0, 0), d->iBild.size()) & bild.rect();
    if (r.isEmpty())
        return;
    fuelleRechteck(bild, r, Schwarz);
    fuelleRechteck(bild, r.adjusted(1, 1, -1, -1), Grau);
    d->fenster.bildGeaendert(r);
}

QSize Bildbereich::missBild(const QString& pfad)
{
    return d->vorrat.lade(pfad).size();
}

void Bildbereich::rendereBild()
{
    d->stand = Daten::Stand::Unbekannt;
    setzeGroesse(d->iBild, d->st.BildBreite, d->st.BildHoehe);
    BildDarstellung(d->iBild, d->st.BildDatei, d->st.BildPosition);
}

void Bildbereich::BildDarstellung(QImage& ziel, const QString& pfad, const QString& code)
{
    if (!istBildEndung(pfad)) {
        d->meldungen.zeige(Meldungsart::Warnung, nichtDarstellbarText(pfad));
        return;
    }
    const QImage& quelle = d->vorrat.lade(pfad);
    if (&ziel == &d->iBild)
        d->stand = Daten::Stand::Unbekannt;
    stelleBildDar(ziel, quelle, code);
}

bool Bildbereich::layoutLaeuft() const { return d->layouts > 0; }

void Bildbereich::formResize()
{
    ++d->layouts;
    const auto ende = qScopeGuard([this] { --d->layouts; });
    Spielstand& st = d->st;
    Fenster& fenster = d->fenster;
    const QSize aussen = fenster.aussenGroesse();
    if (aussen.width() == st.FensterBreite && aussen.height() == st.FensterHoehe)
        return;
    st.FensterHoehe = aussen.height();
    st.FensterBreite = aussen.width();
    // Each correction runs this handler again at once; that run goes on.
    if (aussen.width() < 800) {
        fenster.setzeAussenBreite(800);
        return;
    }
    if (aussen.height() < 600) {
        fenster.setzeAussenHoehe(600);
        return;
    }

    const Bildbereichsmass mass = berechneBildbereich(fenster.innenGroesse(), st.SeitenX, st.SeitenY);
    const QPoint linksOben = mass.rahmenLinksOben.value_or(fenster.rahmen().topLeft());
    st.BildBreite = mass.groesse.width();
    st.BildHoehe = mass.groesse.height();

    d->stand = Daten::Stand::Unbekannt;
    setzeGroesse(d->iBild, st.BildBreite, st.BildHoehe);
    setzeGroesse(d->image3, st.BildBreite, st.BildHoehe);
    const QRect rahmen(linksOben, QSize(st.BildBreite + 4, st.BildHoehe + 4));
    fenster.setzeRahmen(rahmen);

    if (fenster.einstellungenSichtbar()) {
        fuelleRechteck(d->image3, d->image3.rect(), Grau);
        const QSize panel = fenster.einstellungenGroesse();
        fenster.setzeEinstellungenPosition(
            QPoint(rundeGerade((rahmen.width() - panel.width()) / 2.0) + rahmen.left(),
                   rundeGerade((rahmen.height() - panel.height()) / 2.0) + rahmen.top()));
        fenster.bildGeaendert(d->image3.rect());
        return;
    }

    if (!st.BildDatei.isEmpty() && st.VerdecktZahl < st.Sektorenzahl) {
        BildDarstellung(d->iBild, st.BildDatei, st.BildPosition);
        d->kopiereIBild();
    }
    d->zeichneAlleVerdeckten(nullptr);
    d->merkeAbdeckung();
    fenster.bildGeaendert(d->image3.rect());
}
