#include "testbilder.h"

#include <QBuffer>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <jpeglib.h>

namespace {

// Rows of komponenten bytes per pixel through libjpeg, in memory.
QByteArray komprimiere(int breite, int hoehe, int komponenten, J_COLOR_SPACE farbraum, int qualitaet,
                       const std::function<const unsigned char*(int)>& zeileBei)
{
    jpeg_compress_struct info;
    jpeg_error_mgr fehler;
    info.err = jpeg_std_error(&fehler);
    jpeg_create_compress(&info);
    unsigned char* puffer = nullptr;
    unsigned long laenge = 0;
    jpeg_mem_dest(&info, &puffer, &laenge);
    info.image_width = JDIMENSION(breite);
    info.image_height = JDIMENSION(hoehe);
    info.input_components = komponenten;
    info.in_color_space = farbraum;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, qualitaet, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW zeile = const_cast<JSAMPROW>(zeileBei(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray daten(reinterpret_cast<const char*>(puffer), qsizetype(laenge));
    std::free(puffer);
    return daten;
}

} // namespace

QByteArray jpegDaten(const QImage& bild, int qualitaet)
{
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB888);
    return komprimiere(rgb.width(), rgb.height(), 3, JCS_RGB, qualitaet,
                       [&rgb](int y) { return rgb.constScanLine(y); });
}

QByteArray cmykJpegDaten(int breite, int hoehe, const std::array<unsigned char, 4>& pixel, int qualitaet)
{
    QByteArray zeile;
    for (int x = 0; x < breite; ++x)
        zeile.append(reinterpret_cast<const char*>(pixel.data()), 4);
    return komprimiere(breite, hoehe, 4, JCS_CMYK, qualitaet,
                       [&zeile](int) { return reinterpret_cast<const unsigned char*>(zeile.constData()); });
}

QByteArray bmpDaten(const QImage& bild)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "BMP");
    return daten;
}

bool schreibeDatei(const QString& pfad, const QByteArray& daten)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(daten) == daten.size();
}

QImage einfarbig(int breite, int hoehe, QRgb farbe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(farbe);
    return bild;
}

QImage verlauf(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y) {
        auto* z = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < breite; ++x)
            z[x] = qRgb((x * 7) & 255, (y * 5) & 255, (x + y) & 255);
    }
    return bild;
}

QByteArray mitKopfgroesse(QByteArray daten, bool jpeg, int breite, int hoehe)
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

QByteArray exifBlock(int orientierung, bool motorola)
{
    QByteArray tiff;
    auto zwei = [&](int v) {
        const char hoch = char((v >> 8) & 0xff), tief = char(v & 0xff);
        tiff.append(motorola ? hoch : tief).append(motorola ? tief : hoch);
    };
    auto vier = [&](int v) {
        zwei(motorola ? v >> 16 : v & 0xffff);
        zwei(motorola ? v & 0xffff : v >> 16);
    };
    tiff.append(motorola ? "MM" : "II");
    zwei(42);
    vier(8);          // the first directory right after the header
    zwei(1);          // one entry:
    zwei(0x0112);     //   orientation,
    zwei(3);          //   SHORT,
    vier(1);          //   one value,
    zwei(orientierung);
    zwei(0);          //   padding of the 4-byte value field
    vier(0);          // no further directory
    return QByteArray("Exif\0\0", 6) + tiff;
}

QByteArray mitExif(const QByteArray& jpeg, const QByteArray& block)
{
    const int laenge = int(block.size()) + 2;
    QByteArray marke("\xff\xe1", 2);
    marke.append(char((laenge >> 8) & 0xff)).append(char(laenge & 0xff));
    return jpeg.left(2) + marke + block + jpeg.mid(2);
}
