#pragma once
// Loading JPEG and BMP files into QImage::Format_RGB32 pictures. Which of the
// two a file is, and whether it is a picture at all, its name's extension says.

#include <QImage>
#include <QRect>
#include <QString>
#include <atomic>

#include "exif.h"

namespace Bildgrenze {
// 30000 per side and 200 megapixels admit the largest camera pictures
// (150 megapixels) and ordinary panoramas; in the 32-bit layout the picture
// then needs at most 800 MB.
constexpr int MaxSeite = 30000;
constexpr qint64 MaxPixel = 200'000'000;
// Working memory libjpeg may take besides the picture (progressive files).
constexpr long MaxJpegSpeicher = 1024L * 1024L * 1024L;
}

QString oeffnenFehlerText(const QString& pfad);

// The extension of pfad is ".jpg", ".jpeg" or ".bmp", letter case ignored.
bool istBildEndung(const QString& pfad);
// The extension of pfad is ".bmp", letter case ignored; every other picture is read as JPEG.
bool istBmp(const QString& pfad);
// The warning for a file whose extension is no picture's.
QString nichtDarstellbarText(const QString& pfad);

// Throws VarnoFehler when a picture of breite x hoehe is too large to hold.
void pruefeBildgroesse(int breite, int hoehe, const QString& anzeigePfad);

// Decodes the JPEG file datei at full scale, as stored. anzeigePfad names the
// file in messages. The buffer of wiederverwendbar is used again when it has
// the right size and is not shared. Throws VarnoFehler.
QImage ladeJpeg(const QString& datei, const QString& anzeigePfad, QImage wiederverwendbar = {});

// Part of a JPEG at a reduced scale: libjpeg-turbo scales in the transform
// itself (achtel/8 of each side) and leaves out rows and columns not asked for.
struct Teilwunsch {
    int achtel = 8;   // 1 .. 8
    QRect bereich;    // of the stored picture at full scale; null: all of it
    // Once set, decoding stops before the next rows: what it yields then is
    // incomplete and only fit to be dropped.
    const std::atomic<bool>* abbruch = nullptr;
};

struct Jpegteil {
    QImage bild;        // as stored, not yet turned upright
    QSize voll;         // the stored picture's size at full scale
    QSize skaliert;     // its size at the scale decoded
    QRect ausschnitt;   // what bild shows, in pixels of the scaled picture
    Orientierung orientierung = 1;
};

Jpegteil ladeJpegTeil(const QString& datei, const QString& anzeigePfad, const Teilwunsch& wunsch,
                      QImage wiederverwendbar = {});

// The header alone: the stored size and the orientation tag. Throws VarnoFehler.
struct Bildkopf {
    QSize gespeichert;
    Orientierung orientierung = 1;
};
Bildkopf leseJpegKopf(const QString& datei, const QString& anzeigePfad);

// Loads the BMP file datei with Qt's own BMP reader. Throws VarnoFehler.
QImage ladeBmp(const QString& datei, const QString& anzeigePfad);

