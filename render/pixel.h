#pragma once
// Pixel work on QImage::Format_RGB32 pictures that the picture area's parts
// share, and the colours and painter of the cover.

#include <QImage>
#include <QPoint>
#include <QRect>

class QPainter;

namespace Farbe {
constexpr QRgb Grau = 0xff808080u;      // the cover's fill
constexpr QRgb Schwarz = 0xff000000u;   // its outline; the bars beside a picture
}

// Fills the part of r inside bild with farbe.
void fuelleRechteck(QImage& bild, const QRect& r, QRgb farbe);

// The same as filling r with rand and then r shrunk by `breite` on every side
// with innen, writing each pixel once.
void fuelleMitRand(QImage& bild, const QRect& r, int breite, QRgb innen, QRgb rand);

// Copies the rectangle r of quelle into ziel with its top left corner at nach,
// as far as both pictures reach.
void kopiereRechteck(const QImage& quelle, QImage& ziel, const QRect& r, QPoint nach);

// The painter as the cover paints: solid fill, a one-pixel cosmetic outline,
// no antialiasing, so that polygons meet the pixels exactly.
void richteAbdeckungEin(QPainter& maler, QRgb fuellung = Farbe::Grau, QRgb umriss = Farbe::Schwarz);
