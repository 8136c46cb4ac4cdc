#pragma once
// Pictures made in code for the tests and benchmarks.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <array>

// Compresses bild (any format) as a baseline JPEG with libjpeg.
QByteArray jpegDaten(const QImage& bild, int qualitaet = 95);
// A CMYK JPEG whose every pixel holds these four bytes as given; libjpeg adds
// the Adobe marker, so readers take them as Adobe's inverted inks.
QByteArray cmykJpegDaten(int breite, int hoehe, const std::array<unsigned char, 4>& pixel, int qualitaet = 100);
QByteArray bmpDaten(const QImage& bild);

bool schreibeDatei(const QString& pfad, const QByteArray& daten);

QImage einfarbig(int breite, int hoehe, QRgb farbe);
// Every pixel different: a test of exact copies and positions.
QImage verlauf(int breite, int hoehe);

// An EXIF block (the payload of an APP1 marker) whose first directory holds
// only the orientation tag with this value, in Intel or Motorola byte order.
QByteArray exifBlock(int orientierung, bool motorola = false);
// The JPEG with that block right after its start marker, as cameras write it.
QByteArray mitExif(const QByteArray& jpeg, const QByteArray& block);

// The same JPEG (baseline) or BMP with another size written into its header.
QByteArray mitKopfgroesse(QByteArray daten, bool jpeg, int breite, int hoehe);
