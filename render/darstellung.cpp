#include "darstellung.h"

#include "einpassung.h"
#include "pixel.h"
#include "skalierer.h"

namespace {

// Everything of bild outside the rectangle r turns black.
void schwarzAussen(QImage& bild, const QRect& r)
{
    const int w = bild.width(), h = bild.height();
    if (r.isEmpty()) {
        fuelleRechteck(bild, bild.rect(), Farbe::Schwarz);
        return;
    }
    fuelleRechteck(bild, QRect(0, 0, w, r.top()), Farbe::Schwarz);
    fuelleRechteck(bild, QRect(0, r.bottom() + 1, w, h - r.bottom() - 1), Farbe::Schwarz);
    fuelleRechteck(bild, QRect(0, r.top(), r.left(), r.height()), Farbe::Schwarz);
    fuelleRechteck(bild, QRect(r.right() + 1, r.top(), w - r.right() - 1, r.height()), Farbe::Schwarz);
}

} // namespace

void stelleBildDar(QImage& ziel, const QImage& quelle, const QString& code)
{
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
        kopiereRechteck(quelle, ziel, quelle.rect(), e.ziel.topLeft());
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
