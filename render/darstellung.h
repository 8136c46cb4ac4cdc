#pragma once
// Drawing a decoded picture into a picture area as its positioning code says.

#include <QImage>
#include <QRectF>
#include <QString>

#include "exif.h"

// A decoded picture, turned upright, perhaps at a reduced scale and only in part.
struct Dekodiert {
    QImage bild;                    // upright, Format_RGB32
    QSize voll;                     // the upright picture's size at full scale
    QRectF quelle;                  // the part of it bild shows, in full-scale pixels
    int achtel = 8;                 // the scale decoded at, in eighths

    // The whole picture at full scale, pixel for pixel.
    bool ganz() const;
};

// The whole picture as it is: for pictures decoded at full scale.
Dekodiert alsGanzes(QImage bild);

// What a picture of `voll` pixels needs for an area of `bereich` under the
// positioning code: the smallest scale whose pixels still outnumber the
// destination's twofold in each direction (a box filter then averages as many
// pixels as at full scale would show), and the part of the picture shown.
struct Bedarf {
    int achtel = 8;
    QRect teil;   // of the upright picture, full-scale pixels
};
Bedarf bedarf(QSize voll, QSize bereich, const QString& code);

// d holds enough pixels for b.
bool deckt(const Dekodiert& d, const Bedarf& b);

// Fits the picture into ziel, whose size is the area, as the positioning code
// says and draws it with black bars where it leaves room. The fitting is that
// of the full-scale picture, whatever the scale decoded. A picture of ziel's
// own size replaces ziel as it is; otherwise every pixel of ziel is written,
// in Format_RGB32. A null ziel stays as it is.
// On a scaled screen ziel holds `verhaeltnis` device pixels per logical one:
// a picture kept at its own size ("n", or exactly the area's) keeps it in
// logical pixels, enlarged to the device; every other fit is made directly
// for the device pixels, so the picture is scaled once.
void stelleBildDar(QImage& ziel, const Dekodiert& quelle, const QString& code, qreal verhaeltnis = 1.0);
void stelleBildDar(QImage& ziel, const QImage& quelle, const QString& code);
