#pragma once
// Pictures made in code for the render tests and benchmarks.

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

#include <cstdio>
#include <jpeglib.h>

// Compresses bild (any format) as a baseline JPEG with libjpeg.
inline QByteArray jpegDaten(const QImage& bild, int qualitaet = 95)
{
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info;
    jpeg_error_mgr fehler;
    info.err = jpeg_std_error(&fehler);
    jpeg_create_compress(&info);
    unsigned char* puffer = nullptr;
    unsigned long laenge = 0;
    jpeg_mem_dest(&info, &puffer, &laenge);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, qualitaet, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW zeile = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray daten(reinterpret_cast<const char*>(puffer), qsizetype(laenge));
    std::free(puffer);
    return daten;
}

inline bool schreibeDatei(const QString& pfad, const QByteArray& daten)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(daten) == daten.size();
}

inline QImage einfarbig(int breite, int hoehe, QRgb farbe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(farbe);
    return bild;
}

// Every pixel different: a test of exact copies and positions.
inline QImage verlauf(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y) {
        auto* z = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < breite; ++x)
            z[x] = qRgb((x * 7) & 255, (y * 5) & 255, (x + y) & 255);
    }
    return bild;
}

// The same JPEG (baseline) or BMP with another size written into its header.
inline QByteArray mitKopfgroesse(QByteArray daten, bool jpeg, int breite, int hoehe)
{
    if (jpeg) {
        const qsizetype sof = daten.indexOf(QByteArray("\xff\xc0", 2));
        daten[sof + 5] = char(hoehe >> 8);
        daten[sof + 6] = char(hoehe & 255);
        daten[sof + 7] = char(breite >> 8);
        daten[sof + 8] = char(breite & 255);
    } else {
        for (int i = 0; i < 4; ++i) {
            daten[18 + i] = char((breite >> (8 * i)) & 255);
            daten[22 + i] = char((hoehe >> (8 * i)) & 255);
        }
    }
    return daten;
}
