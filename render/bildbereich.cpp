#include "bildbereich.h"

#include <QDateTime>
#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "bildladen.h"
#include "core/hilfen.h"
#include "core/meldungen.h"
#include "core/pfade.h"
#include "core/spielstand.h"
#include "einpassung.h"
#include "fenster.h"
#include "sektor.h"
#include "skalierer.h"

namespace {

constexpr QRgb Grau = 0xff808080u;
constexpr QRgb Schwarz = 0xff000000u;

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

void fuelle(QImage& bild, const QRect& r, QRgb farbe)
{
    const QRect f = r & bild.rect();
    if (f.isEmpty())
        return;
    for (int y = f.top(); y <= f.bottom(); ++y) {
        auto* z = reinterpret_cast<QRgb*>(bild.scanLine(y)) + f.left();
        std::fill(z, z + f.width(), farbe);
    }
}

// Copies the rectangle r of quelle to the same place in ziel.
void kopiere(const QImage& quelle, QImage& ziel, const QRect& r, QPoint nach)
{
    const QRect q = r & quelle.rect();
    const QRect z = QRect(nach + (q.topLeft() - r.topLeft()), q.size()) & ziel.rect();
    if (z.isEmpty())
        return;
    const QPoint versatz = r.topLeft() - nach;
    for (int y = z.top(); y <= z.bottom(); ++y) {
        const auto* von = reinterpret_cast<const QRgb*>(quelle.constScanLine(y + versatz.y()))
            + z.left() + versatz.x();
        auto* nachZeile = reinterpret_cast<QRgb*>(ziel.scanLine(y)) + z.left();
        std::memcpy(nachZeile, von, size_t(z.width()) * sizeof(QRgb));
    }
}

// Everything of bild outside the rectangle r turns black.
void schwarzAussen(QImage& bild, const QRect& r)
{
    const int w = bild.width(), h = bild.height();
    if (r.isEmpty()) {
        fuelle(bild, bild.rect(), Schwarz);
        return;
    }
    fuelle(bild, QRect(0, 0, w, r.top()), Schwarz);
    fuelle(bild, QRect(0, r.bottom() + 1, w, h - r.bottom() - 1), Schwarz);
    fuelle(bild, QRect(0, r.top(), r.left(), r.height()), Schwarz);
    fuelle(bild, QRect(r.right() + 1, r.top(), w - r.right() - 1, r.height()), Schwarz);
}

bool istErlaubteEndung(const QString& endung)
{
    return endung.compare(QLatin1String(".jpg"), Qt::CaseInsensitive) == 0
        || endung.compare(QLatin1String(".jpeg"), Qt::CaseInsensitive) == 0
        || endung.compare(QLatin1String(".bmp"), Qt::CaseInsensitive) == 0;
}

} // namespace

struct Bildbereich::Daten {
    Spielstand& st;
    Fenster& fenster;
    Meldungen& meldungen;
    QImage iBild;
    QImage image3;

    // The decoded picture of the last file used, with what identified the file.
    struct Vorrat {
        QString datei;
        qint64 groesse = -1;
        QDateTime geaendert;
        QDateTime statusGeaendert;
        QImage bild;
        bool gueltig = false;
    } vorrat;
    int dekodiert = 0;

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

    Daten(Spielstand& s, Fenster& f, Meldungen& m) : st(s), fenster(f), meldungen(m) {}

    const QImage& lade(const QString& pfad);
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

const QImage& Bildbereich::Daten::lade(const QString& pfad)
{
    const QString datei = findeDatei(pfad);
    if (datei.isEmpty())
        throw VarnoFehler(oeffnenFehlerText(pfad));
    const QFileInfo info(datei);
    const qint64 groesse = info.size();
    const QDateTime geaendert = info.lastModified();
    const QDateTime statusGeaendert = info.metadataChangeTime();
    if (vorrat.gueltig && vorrat.datei == datei && vorrat.groesse == groesse
        && vorrat.geaendert == geaendert && vorrat.statusGeaendert == statusGeaendert)
        return vorrat.bild;

    vorrat.gueltig = false;
    QImage alt = std::move(vorrat.bild);
    vorrat.bild = QImage();
    ++dekodiert;
    if (dateiEndung(pfad).compare(QLatin1String(".bmp"), Qt::CaseInsensitive) == 0)
        vorrat.bild = ladeBmp(datei, pfad);
    else
        vorrat.bild = ladeJpeg(datei, pfad, std::move(alt));
    vorrat.datei = datei;
    vorrat.groesse = groesse;
    vorrat.geaendert = geaendert;
    vorrat.statusGeaendert = statusGeaendert;
    vorrat.gueltig = true;
    return vorrat.bild;
}

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
        maler->setRenderHint(QPainter::Antialiasing, false);
        maler->setBrush(QColor::fromRgb(Grau));
        QPen stift(Qt::black);
        stift.setWidth(1);
        stift.setCosmetic(true);
        maler->setPen(stift);
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
    kopiere(iBild, image3, iBild.rect(), QPoint(0, 0));
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

Bildbereich::Bildbereich(Spielstand& st, Fenster& fenster, Meldungen& meldungen)
    : d(std::make_unique<Daten>(st, fenster, meldungen))
{
}

Bildbereich::~Bildbereich() = default;

const QImage& Bildbereich::sichtbaresBild() const { return d->image3; }
const QImage& Bildbereich::iBild() const { return d->iBild; }
int Bildbereich::dekodierZaehler() const { return d->dekodiert; }

void Bildbereich::vergissBild()
{
    d->vorrat = Daten::Vorrat();
}

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
    // The sector's outline may reach a pixel beyond its polygon.
    const QRect box = s.punkte.boundingRect().adjusted(-2, -2, 2, 2) & d->image3.rect();
    kopiere(d->iBild, d->image3, box, box.topLeft());
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
    fuelle(bild, r, Schwarz);
    fuelle(bild, r.adjusted(1, 1, -1, -1), Grau);
    d->fenster.bildGeaendert(r);
}

QSize Bildbereich::missBild(const QString& pfad)
{
    return d->lade(pfad).size();
}

void Bildbereich::rendereBild()
{
    d->stand = Daten::Stand::Unbekannt;
    setzeGroesse(d->iBild, d->st.BildBreite, d->st.BildHoehe);
    BildDarstellung(d->iBild, d->st.BildDatei, d->st.BildPosition);
}

void Bildbereich::BildDarstellung(QImage& ziel, const QString& pfad, const QString& code)
{
    if (!istErlaubteEndung(dateiEndung(pfad))) {
        d->meldungen.zeige(Meldungsart::Warnung,
                           QStringLiteral("Fehler: Das Bild \"") + pfad
                               + QStringLiteral("\" kann nicht dargestellt werden.\n\rEs sind nur die "
                                                "Bildformate JPG oder BMP möglich."));
        return;
    }
    const QImage& quelle = d->lade(pfad);
    if (&ziel == &d->iBild)
        d->stand = Daten::Stand::Unbekannt;
    if (ziel.isNull())
        return;
    const Einpassung e =
        berechneEinpassung(quelle.width(), quelle.height(), ziel.width(), ziel.height(), code);
    if (e.art == Einpassung::Art::Kopie) {
        ziel = quelle;
        return;
    }
    // Every pixel is written below; a target that shares its pixels gets its
    // own buffer instead of a copy.
    if (!ziel.isDetached() || ziel.format() != QImage::Format_RGB32)
        ziel = QImage(ziel.size(), QImage::Format_RGB32);
    switch (e.art) {
    case Einpassung::Art::Unskaliert:
        kopiere(quelle, ziel, quelle.rect(), e.ziel.topLeft());
        break;
    case Einpassung::Art::Skaliert:
        skaliereFlaeche(quelle, e.quelle, ziel, e.ziel);
        break;
    case Einpassung::Art::Kopie:
    case Einpassung::Art::Schwarz:
        break;
    }
    // The bars; under "n" this also covers a one-pixel remainder.
    schwarzAussen(ziel, e.art == Einpassung::Art::Schwarz ? QRect() : e.ziel);
}

void Bildbereich::formResize()
{
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
        fuelle(d->image3, d->image3.rect(), Grau);
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
