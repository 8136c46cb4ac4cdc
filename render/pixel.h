#pragma once
// Pixel work on QImage::Format_RGB32 pictures that the picture area's parts
// share, and the colours and painter of the cover.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>

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

// Paints the visible picture, held at `verhaeltnis` device pixels per logical
// one, onto the part `bereich` (logical pixels) of the control that shows it,
// and black where the picture does not reach, as the black frame beneath it
// would show there. Every pixel of bereich is painted, so the frame need not
// fill the picture's area first. Where the control's device pixels are whole
// multiples of the picture's, black goes only where no picture pixel does.
void maleSichtbaresBild(QPainter& maler, const QRegion& bereich, const QImage& bild, qreal verhaeltnis);
