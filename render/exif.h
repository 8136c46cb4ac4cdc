#pragma once
// The orientation tag of a photo's EXIF block (0x0112): how a camera or phone
// that stored the picture sideways wants it turned to be seen upright.

#include <QImage>
#include <QRectF>
#include <QSize>
#include <cstddef>

// Values 1 to 8 of the tag; 1 means stored upright.
using Orientierung = int;

// The tag from the payload of a JPEG APP1 marker (beginning with "Exif\0\0").
// Anything missing, damaged or odd gives 1: the picture is drawn as stored.
Orientierung exifOrientierung(const unsigned char* daten, std::size_t laenge);

// Values 5 to 8 swap width and height.
bool vertauschtSeiten(Orientierung o);
QSize aufrechteGroesse(QSize gespeichert, Orientierung o);

// The stored picture turned and mirrored as the tag says.
QImage aufrecht(const QImage& gespeichert, Orientierung o);

// A rectangle of the upright picture (of size aufrecht) as a rectangle of the
// stored picture, and back; pixel edges, so fractions stay exact.
QRectF nachGespeichert(const QRectF& r, QSizeF aufrecht, Orientierung o);
QRectF nachAufrecht(const QRectF& r, QSizeF gespeichert, Orientierung o);
