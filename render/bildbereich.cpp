#include "bildbereich.h"

#include <QPainter>
#include <QScopeGuard>

#include <algorithm>
#include <optional>
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

    // What the visible picture is known to show, so that a reveal may repaint only the
    // uncovered sector's surroundings.
    enum class Stand { Unbekannt, NurBild, MitAbdeckung } stand = Stand::Unbekannt;
    std::vector<bool> gezeichnet;   // the cover drawn over IBild when MitAbdeckung

    // The painter on the visible picture, opened on first use and closed before any message
    // box, since the box's event loop may repaint the window from it.
    std::optional<QPainter> maler;
    std::optional<QRect> malerClip;

    Sektorliste sektorliste;
    Zentrumsaufdecker zentrum;

    Daten(Spielstand& s, Fenster& f, Meldungen& m) : st(s), fenster(f), meldungen(m) {}

    // The sectors of the current layout.
    Sektorliste& sektoren()
    {
        sektorliste.fuer(st.Sektorenzahl, st.BildBreite, st.BildHoehe);
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
        || sichtbar.size() != QSize(st.BildBreite, st.BildHoehe) || iBild.size() != sichtbar.size())
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
    // The area the next layout will give a picture of that size.
    d->vorrat.meldeSicht([&st, &fenster](QSize voll) {
        const bool eigenes = st.StandardSeitenX == KeinSeitenverhaeltnis;
        return berechneBildbereich(fenster.innenGroesse(), eigenes ? voll.width() : st.StandardSeitenX,
                                   eigenes ? voll.height() : st.StandardSeitenY)
            .groesse;
    });
}

Bildbereich::~Bildbereich() = default;

const QImage& Bildbereich::sichtbaresBild() const { return d->sichtbar; }
const QImage& Bildbereich::iBild() const { return d->iBild; }
int Bildbereich::dekodierZaehler() const { return d->vorrat.dekodierZaehler(); }
void Bildbereich::vergissBild() { d->vorrat.vergiss(); }
Bildvorrat& Bildbereich::vorrat() { return d->vorrat; }

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
    d->fenster.bildGeaendert(d->sichtbar.rect());
}

void Bildbereich::zeigeGanzesBild()
{
    d->kopiereIBild();
    d->fenster.bildGeaendert(d->sichtbar.rect());
}

void Bildbereich::deckeAuf(int sektor)
{
    if (!d->kannSchnellAufdecken(sektor)) {
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
        d->fenster.bildGeaendert(geaendert);
}

void Bildbereich::fuelleGrau()
{
    QImage& bild = d->sichtbar;
    d->stand = Daten::Stand::Unbekannt;
    if (bild.isNull())
        return;
    // One rectangle with the grey brush and the black pen: a grey area with a
    // one-pixel black outline.
    const QRect r = QRect(QPoint(0, 0), d->iBild.size()) & bild.rect();
    if (r.isEmpty())
        return;
    fuelleRechteck(bild, r, Farbe::Schwarz);
    fuelleRechteck(bild, r.adjusted(1, 1, -1, -1), Farbe::Grau);
    d->fenster.bildGeaendert(r);
}

QSize Bildbereich::missBild(const QString& pfad)
{
    // The layout that follows takes this picture's aspect; decoding now for
    // that area lets the first reveal use what was decoded, and a file that
    // cannot be decoded is reported here, as it is measured.
    const QSize groesse = d->vorrat.groesse(pfad);
    const QSize bereich = berechneBildbereich(d->fenster.innenGroesse(), groesse.width(), groesse.height()).groesse;
    d->vorrat.lade(pfad, bereich, d->st.BildPosition);
    return groesse;
}

void Bildbereich::bereiteVor(const QString& pfad, const QString& code)
{
    d->vorrat.dekodiereVorab(pfad, code);
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
    if (&ziel == &d->iBild)
        d->stand = Daten::Stand::Unbekannt;
    d->vorrat.stelleDar(ziel, pfad, code);
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

    d->stand = Daten::Stand::Unbekannt;
    setzeGroesse(d->iBild, st.BildBreite, st.BildHoehe);
    setzeGroesse(d->sichtbar, st.BildBreite, st.BildHoehe);
    const QRect rahmen(linksOben, QSize(st.BildBreite + 2 * Bildrahmen, st.BildHoehe + 2 * Bildrahmen));
    fenster.setzeRahmen(rahmen);

    if (fenster.einstellungenSichtbar()) {
        fuelleRechteck(d->sichtbar, d->sichtbar.rect(), Farbe::Grau);
        const QSize panel = fenster.einstellungenGroesse();
        fenster.setzeEinstellungenPosition(
            QPoint(rundeGerade((rahmen.width() - panel.width()) / 2.0) + rahmen.left(),
                   rundeGerade((rahmen.height() - panel.height()) / 2.0) + rahmen.top()));
        fenster.bildGeaendert(d->sichtbar.rect());
        return;
    }

    if (!st.BildDatei.isEmpty() && st.VerdecktZahl < st.Sektorenzahl) {
        BildDarstellung(d->iBild, st.BildDatei, st.BildPosition);
        d->kopiereIBild();
    }
    d->zeichneAlleVerdeckten(nullptr);
    d->merkeAbdeckung();
    fenster.bildGeaendert(d->sichtbar.rect());
}
