#include "bildbereich.h"

#include <QPainter>
#include <QScopeGuard>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "bildladen.h"
#include "bildvorrat.h"
#include "core/fenstermasse.h"
#include "core/hilfen.h"
#include "core/meldungen.h"
#include "core/spielstand.h"
#include "darstellung.h"
#include "einpassung.h"
#include "fenster.h"
#include "pixel.h"
#include "sektor.h"
#include "zentrumsaufdecker.h"

namespace {

// Sizes an image; a new size starts black, the same size keeps the pixels.
void setzeGroesse(QImage& bild, QSize groesse)
{
    int breite = groesse.width(), hoehe = groesse.height();
    breite = std::max(breite, 0);
    hoehe = std::max(hoehe, 0);
    if (bild.width() == breite && bild.height() == hoehe && !bild.isNull())
        return;
    if (breite == 0 || hoehe == 0) {
        bild = QImage();
        return;
    }
    bild = QImage(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Farbe::Schwarz);
}

} // namespace

struct Bildbereich::Daten {
    Spielstand& st;
    Fenster& fenster;
    Meldungen& meldungen;
    QImage iBild;
    QImage sichtbar;
    Bildvorrat vorrat;
    int layouts = 0;   // runs of formResize() under way, nested ones included
    QSize innen;       // the client area the last layout was for
    // Device pixels per logical one at the last layout. The layout counts in
    // logical pixels; the pictures, the cover and the reveal in device ones.
    qreal verhaeltnis = 1.0;

    // What the visible picture is known to show, so that a reveal may repaint only the
    // uncovered sector's surroundings.
    enum class Stand { Unbekannt, NurBild, MitAbdeckung } stand = Stand::Unbekannt;
    std::vector<bool> gezeichnet;   // the cover drawn over IBild when MitAbdeckung
    // The visible picture is IBild (NurBild), but not copied yet: the cover
    // that mostly follows at once leaves little of it to copy.
    bool kopieAussteht = false;

    // The painter on the visible picture, opened on first use and closed before any message
    // box, since the box's event loop may repaint the window from it.
    std::optional<QPainter> maler;
    std::optional<QRect> malerClip;

    Sektorliste sektorliste;
    Zentrumsaufdecker zentrum;

    Daten(Spielstand& s, Fenster& f, Meldungen& m) : st(s), fenster(f), meldungen(m) {}

    // The picture area in device pixels.
    QSize geraet() const
    {
        if (verhaeltnis == 1.0)
            return QSize(st.BildBreite, st.BildHoehe);
        return QSize(qRound(st.BildBreite * verhaeltnis), qRound(st.BildHoehe * verhaeltnis));
    }
    // A rectangle of device pixels as the logical one that covers it.
    QRect logisch(const QRect& r) const
    {
        if (verhaeltnis == 1.0 || r.isEmpty())
            return r;
        const QRectF l(r.x() / verhaeltnis, r.y() / verhaeltnis, r.width() / verhaeltnis, r.height() / verhaeltnis);
        return l.toAlignedRect();
    }
    void meldeGeaendert(const QRect& r) { fenster.bildGeaendert(logisch(r)); }
    // The sectors of the current layout, in device pixels.
    Sektorliste& sektoren()
    {
        const QSize g = geraet();
        sektorliste.fuer(st.Sektorenzahl, g.width(), g.height());
        return sektorliste;
    }
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
    // Makes the copy that still waits, before the visible picture is used.
    void holeKopieNach()
    {
        if (std::exchange(kopieAussteht, false))
            kopiereIBild();
    }
    // The copy that waits, only where the cover about to be drawn leaves IBild open.
    void kopiereUnterAbdeckung();
    // The visible picture is IBild, pixel for pixel, at the current layout's size.
    bool zeigtIBild() const
    {
        return stand == Stand::NurBild && !sichtbar.isNull() && sichtbar.size() == iBild.size()
            && sichtbar.size() == geraet();
    }
    void merkeAbdeckung();
    bool kannSchnellAufdecken(int k);
};

QPainter& Bildbereich::Daten::malerAuf(const QRect* clip)
{
    if (!maler) {
        maler.emplace(&sichtbar);
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
        ? sektoren().sektor(k)
        : sektorPolygon(k, st.Sektorenzahl, geraet().width(), geraet().height());
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
    if (sichtbar.isNull())
        return {};
    const QRect umriss = s.punkte.boundingRect();
    if (clip && !umriss.intersects(*clip))
        return {};
    QPainter& p = malerAuf(clip);
    p.drawPolygon(s.punkte, Qt::OddEvenFill);
    return umriss & sichtbar.rect();
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
    if (sichtbar.isNull() || iBild.isNull()) {
        stand = Stand::Unbekannt;
        return;
    }
    kopiereRechteck(iBild, sichtbar, iBild.rect(), QPoint(0, 0));
    stand = sichtbar.size() == iBild.size() ? Stand::NurBild : Stand::Unbekannt;
}

void Bildbereich::Daten::kopiereUnterAbdeckung()
{
    kopieAussteht = false;
    const int n = st.Sektorenzahl;
    std::optional<QRegion> offen;
    // Sectors past the cover array are never drawn, and would leave gaps.
    if (n > 0 && n <= MaxSektoren)
        offen = offeneTeile(
            n, sichtbar.rect(), [this](int k) -> const Sektor& { return sektoren().sektor(k); },
            [this](int k) { return st.Verdeckt[size_t(k)]; });
    if (!offen) {
        kopiereIBild();
        return;
    }
    for (const QRect& r : *offen)
        kopiereRechteck(iBild, sichtbar, r, r.topLeft());
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

// The visible picture shows IBild under the cover drawn last, which differs from the cover
// now only in sector k, just uncovered, and the layout is the one drawn for.
bool Bildbereich::Daten::kannSchnellAufdecken(int k)
{
    const int n = std::clamp(st.Sektorenzahl, 0, MaxSektoren);
    if (stand != Stand::MitAbdeckung || int(gezeichnet.size()) != n || k < 0 || k >= n
        || !gezeichnet[size_t(k)] || st.Verdeckt[size_t(k)]
        || sichtbar.size() != geraet() || iBild.size() != sichtbar.size())
        return false;
    for (int j = 0; j < n; ++j) {
        if (j != k && gezeichnet[size_t(j)] != st.Verdeckt[size_t(j)])
            return false;
    }
    return sektoren().sektor(k).status == SektorStatus::Polygon;
}

Bildbereich::Bildbereich(Spielstand& st, Fenster& fenster, Meldungen& meldungen)
    : d(std::make_unique<Daten>(st, fenster, meldungen))
{
    // The area the next layout will give a picture of that size, in device pixels.
    d->vorrat.meldeSicht([this, &fenster](QSize voll) {
        const QSize bereich = flaecheFuer(voll);
        const qreal v = fenster.pixelVerhaeltnis();
        return Sichtbereich{v == 1.0 ? bereich : QSize(qRound(bereich.width() * v), qRound(bereich.height() * v)), v};
    });
}

QSize Bildbereich::flaecheFuer(QSize voll) const
{
    const bool eigenes = d->st.StandardSeitenX == KeinSeitenverhaeltnis;
    return berechneBildbereich(d->fenster.innenGroesse(), eigenes ? voll.width() : d->st.StandardSeitenX,
                               eigenes ? voll.height() : d->st.StandardSeitenY)
        .groesse;
}

Bildbereich::~Bildbereich() = default;

const QImage& Bildbereich::sichtbaresBild() const
{
    d->holeKopieNach();
    return d->sichtbar;
}
const QImage& Bildbereich::iBild() const { return d->iBild; }
qreal Bildbereich::pixelVerhaeltnis() const { return d->verhaeltnis; }
int Bildbereich::dekodierZaehler() const { return d->vorrat.dekodierZaehler(); }
void Bildbereich::vergissBild() { d->vorrat.vergiss(); }
Bildvorrat& Bildbereich::vorrat() { return d->vorrat; }

void Bildbereich::DrawEck(int k)
{
    d->holeKopieNach();
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
        d->meldeGeaendert(geaendert);
}

void Bildbereich::zeichneAbdeckung()
{
    if (d->kopieAussteht)
        d->kopiereUnterAbdeckung();
    d->zeichneAlleVerdeckten(nullptr);
    d->merkeAbdeckung();
    d->meldeGeaendert(d->sichtbar.rect());
}

void Bildbereich::zeigeGanzesBild()
{
    // Waits only where the copy would be whole and exact; the pixels are the
    // same whenever they are looked at.
    d->kopieAussteht = !d->sichtbar.isNull() && d->sichtbar.size() == d->iBild.size()
        && d->sichtbar.size() == d->geraet();
    if (d->kopieAussteht)
        d->stand = Daten::Stand::NurBild;
    else
        d->kopiereIBild();
    d->meldeGeaendert(d->sichtbar.rect());
}

void Bildbereich::deckeAuf(int sektor)
{
    if (!d->kannSchnellAufdecken(sektor)) {
        // The first reveal has just copied IBild over: a second copy of the
        // whole area would change no pixel.
        if (d->zeigtIBild())
            d->meldeGeaendert(d->sichtbar.rect());
        else
            zeigeGanzesBild();
        zeichneAbdeckung();
        return;
    }
    QRect geaendert;
    if (!d->zentrum.deckeAuf(sektor, d->sektoren(), d->st.Verdeckt, d->iBild, d->sichtbar, geaendert)) {
        // The sector's outline may reach a pixel beyond its polygon.
        geaendert = d->sektoren().sektor(sektor).punkte.boundingRect().adjusted(-2, -2, 2, 2)
            & d->sichtbar.rect();
        kopiereRechteck(d->iBild, d->sichtbar, geaendert, geaendert.topLeft());
        d->zeichneAlleVerdeckten(&geaendert);
    }
    d->gezeichnet[size_t(sektor)] = false;
    if (!geaendert.isEmpty())
        d->meldeGeaendert(geaendert);
}

void Bildbereich::fuelleGrau()
{
    d->holeKopieNach();
    QImage& bild = d->sichtbar;
    d->stand = Daten::Stand::Unbekannt;
    if (bild.isNull())
        return;
    // One rectangle with the grey brush and the black pen: a grey area with a
    // one-pixel black outline (one logical pixel).
    const QRect r = QRect(QPoint(0, 0), d->iBild.size()) & bild.rect();
    if (r.isEmpty())
        return;
    const int linie = std::max(1, qRound(d->verhaeltnis));
    fuelleMitRand(bild, r, linie, Farbe::Grau, Farbe::Schwarz);
    d->meldeGeaendert(r);
}

QSize Bildbereich::missBild(const QString& pfad)
{
    // The layout that follows takes this picture's aspect; decoding now for
    // that area lets the first reveal use what was decoded, and a file that
    // cannot be decoded is reported here, as it is measured.
    const QSize groesse = d->vorrat.groesse(pfad);
    const QSize bereich = berechneBildbereich(d->fenster.innenGroesse(), groesse.width(), groesse.height()).groesse;
    const qreal v = d->fenster.pixelVerhaeltnis();
    d->vorrat.lade(pfad, v == 1.0 ? bereich : QSize(qRound(bereich.width() * v), qRound(bereich.height() * v)),
                   d->st.BildPosition);
    return groesse;
}

void Bildbereich::bereiteVor(const QString& pfad, const QString& code)
{
    d->vorrat.dekodiereVorab(pfad, code);
}

void Bildbereich::rendereBild()
{
    d->holeKopieNach();
    d->stand = Daten::Stand::Unbekannt;
    setzeGroesse(d->iBild, d->geraet());
    BildDarstellung(d->iBild, d->st.BildDatei, d->st.BildPosition);
}

void Bildbereich::BildDarstellung(QImage& ziel, const QString& pfad, const QString& code)
{
    if (!istBildEndung(pfad)) {
        d->meldungen.zeige(Meldungsart::Warnung, nichtDarstellbarText(pfad));
        return;
    }
    if (&ziel == &d->iBild) {
        d->holeKopieNach();
        d->stand = Daten::Stand::Unbekannt;
    }
    d->vorrat.stelleDar(ziel, pfad, code, d->verhaeltnis);
}

bool Bildbereich::layoutLaeuft() const { return d->layouts > 0; }

void Bildbereich::formResize()
{
    d->holeKopieNach();
    ++d->layouts;
    const auto ende = qScopeGuard([this] {
        if (--d->layouts == 0)
            d->fenster.layoutBeendet();
    });
    Spielstand& st = d->st;
    Fenster& fenster = d->fenster;
    const QSize aussen = fenster.aussenGroesse();
    // The outer size alone can be right while the client area is not yet (a
    // manager reported the frame before the size): that layout would stand.
    // Before the first layout only the outer size counts, as it always has.
    if (aussen.width() == st.FensterBreite && aussen.height() == st.FensterHoehe
        && (!d->innen.isValid() || fenster.innenGroesse() == d->innen))
        return;
    st.FensterHoehe = aussen.height();
    st.FensterBreite = aussen.width();
    d->innen = fenster.innenGroesse();
    // Each correction runs this handler again at once; that run goes on.
    if (aussen.width() < Mindestgroesse.width()) {
        fenster.setzeAussenBreite(Mindestgroesse.width());
        return;
    }
    if (aussen.height() < Mindestgroesse.height()) {
        fenster.setzeAussenHoehe(Mindestgroesse.height());
        return;
    }

    const Bildbereichsmass mass = berechneBildbereich(fenster.innenGroesse(), st.SeitenX, st.SeitenY);
    const QPoint linksOben = mass.rahmenLinksOben.value_or(fenster.rahmen().topLeft());
    st.BildBreite = mass.groesse.width();
    st.BildHoehe = mass.groesse.height();
    d->verhaeltnis = fenster.pixelVerhaeltnis();

    d->stand = Daten::Stand::Unbekannt;
    setzeGroesse(d->iBild, d->geraet());
    setzeGroesse(d->sichtbar, d->geraet());
    const QRect rahmen(linksOben, QSize(st.BildBreite + 2 * Bildrahmen, st.BildHoehe + 2 * Bildrahmen));
    fenster.setzeRahmen(rahmen);

    if (fenster.einstellungenSichtbar()) {
        fuelleRechteck(d->sichtbar, d->sichtbar.rect(), Farbe::Grau);
        const QSize panel = fenster.einstellungenGroesse();
        fenster.setzeEinstellungenPosition(
            QPoint(rundeGerade((rahmen.width() - panel.width()) / 2.0) + rahmen.left(),
                   rundeGerade((rahmen.height() - panel.height()) / 2.0) + rahmen.top()));
        d->meldeGeaendert(d->sichtbar.rect());
        return;
    }

    if (!st.BildDatei.isEmpty() && st.VerdecktZahl < st.Sektorenzahl) {
        BildDarstellung(d->iBild, st.BildDatei, st.BildPosition);
        d->kopiereIBild();
    }
    d->zeichneAlleVerdeckten(nullptr);
    d->merkeAbdeckung();
    d->meldeGeaendert(d->sichtbar.rect());
}
