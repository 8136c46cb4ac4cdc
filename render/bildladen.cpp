#include "bildladen.h"

#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <climits>
#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

#include "core/meldungen.h"
#include "core/pfade.h"

namespace {

// libjpeg reports errors through this manager; error_exit jumps back into
// dekodiere() instead of ending the process.
struct Fehlerverwalter {
    jpeg_error_mgr basis;
    std::jmp_buf sprung;
};

void fehlerAusgang(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<Fehlerverwalter*>(info->err)->sprung, 1);
}

// Warnings (a truncated file, for one) neither stop decoding nor print.
void stilleMeldung(j_common_ptr info, int stufe)
{
    if (stufe < 0)
        ++info->err->num_warnings;
}

void keineAusgabe(j_common_ptr) {}

// Plain data between dekodiere() and its caller: no object with a destructor
// may live in the frame that calls setjmp.
struct JpegAuftrag {
    std::FILE* datei;
    // Called once the size is known; yields the first row and the distance
    // between rows of the destination, or null to stop.
    unsigned char* (*bereite)(JpegAuftrag* auftrag, int breite, int hoehe, bool cmyk,
                              std::ptrdiff_t* abstand);
    void* kontext;
    int fehlercode;
    bool adobe;
    // The header's size, also when libjpeg refuses it as too large.
    unsigned breite;
    unsigned hoehe;
};

enum class JpegErgebnis { Fertig, Fehler, Abgebrochen };

JpegErgebnis dekodiere(JpegAuftrag* auftrag)
{
    jpeg_decompress_struct info;
    Fehlerverwalter verwalter;
    info.err = jpeg_std_error(&verwalter.basis);
    verwalter.basis.error_exit = fehlerAusgang;
    verwalter.basis.emit_message = stilleMeldung;
    verwalter.basis.output_message = keineAusgabe;
    if (setjmp(verwalter.sprung)) {
        auftrag->fehlercode = verwalter.basis.msg_code;
        auftrag->breite = info.image_width;
        auftrag->hoehe = info.image_height;
        jpeg_destroy_decompress(&info);
        return JpegErgebnis::Fehler;
    }
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = Bildgrenze::MaxJpegSpeicher;
    jpeg_stdio_src(&info, auftrag->datei);
    jpeg_read_header(&info, TRUE);

    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    // BGRA rather than BGRX: libjpeg-turbo promises 0xff in the fourth byte
    // only for the alpha layouts, and Format_RGB32 needs it.
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
#else
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_ARGB;
#endif
    info.scale_num = 1;
    info.scale_denom = 1;
    info.do_block_smoothing = TRUE;
    auftrag->adobe = info.saw_Adobe_marker;

    std::ptrdiff_t abstand = 0;
    unsigned char* const zeile0 = auftrag->bereite(
        auftrag, static_cast<int>(info.image_width), static_cast<int>(info.image_height), cmyk,
        &abstand);
    if (!zeile0) {
        jpeg_destroy_decompress(&info);
        return JpegErgebnis::Abgebrochen;
    }
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW zeilen[4];
        JDIMENSION anzahl = 0;
        while (anzahl < 4 && info.output_scanline + anzahl < info.output_height) {
            zeilen[anzahl] = zeile0 + std::ptrdiff_t(info.output_scanline + anzahl) * abstand;
            ++anzahl;
        }
        jpeg_read_scanlines(&info, zeilen, anzahl);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return JpegErgebnis::Fertig;
}

struct JpegZiel {
    QImage bild;
    QString anzeigePfad;
    int breite = 0;
    int hoehe = 0;
    bool zuGross = false;
    bool keinSpeicher = false;
    bool cmyk = false;
};

bool istZuGross(int breite, int hoehe)
{
    return breite > Bildgrenze::MaxSeite || hoehe > Bildgrenze::MaxSeite
        || qint64(breite) * hoehe > Bildgrenze::MaxPixel;
}

unsigned char* bereiteJpegZiel(JpegAuftrag* auftrag, int breite, int hoehe, bool cmyk,
                               std::ptrdiff_t* abstand)
{
    auto* ziel = static_cast<JpegZiel*>(auftrag->kontext);
    ziel->cmyk = cmyk;
    ziel->breite = breite;
    ziel->hoehe = hoehe;
    if (breite <= 0 || hoehe <= 0 || istZuGross(breite, hoehe)) {
        ziel->zuGross = true;
        return nullptr;
    }
    try {
        if (ziel->bild.width() != breite || ziel->bild.height() != hoehe
            || ziel->bild.format() != QImage::Format_RGB32 || !ziel->bild.isDetached())
            ziel->bild = QImage(breite, hoehe, QImage::Format_RGB32);
    } catch (...) {
        ziel->bild = QImage();
    }
    if (ziel->bild.isNull()) {
        ziel->keinSpeicher = true;
        return nullptr;
    }
    *abstand = ziel->bild.bytesPerLine();
    return ziel->bild.bits();
}

// CMYK as Adobe applications store it is inverted; turn each pixel into
// blue, green, red, 0xff in place.
void cmykNachRgb(QImage& bild, bool invertiert)
{
    for (int y = 0; y < bild.height(); ++y) {
        auto* p = reinterpret_cast<QRgb*>(bild.scanLine(y));
        const uchar* b = bild.constScanLine(y);
        for (int x = 0; x < bild.width(); ++x, b += 4) {
            unsigned c = b[0], m = b[1], g = b[2], k = b[3];
            if (!invertiert) {
                c = 255 - c;
                m = 255 - m;
                g = 255 - g;
                k = 255 - k;
            }
            p[x] = qRgb(int((c * k + 127) / 255), int((m * k + 127) / 255), int((g * k + 127) / 255));
        }
    }
}

} // namespace

QString oeffnenFehlerText(const QString& pfad)
{
    return QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(pfad);
}

bool istBildEndung(const QString& pfad)
{
    const QString endung = dateiEndung(pfad);
    return endung.compare(QLatin1String(".jpg"), Qt::CaseInsensitive) == 0
        || endung.compare(QLatin1String(".jpeg"), Qt::CaseInsensitive) == 0
        || endung.compare(QLatin1String(".bmp"), Qt::CaseInsensitive) == 0;
}

bool istBmp(const QString& pfad)
{
    return dateiEndung(pfad).compare(QLatin1String(".bmp"), Qt::CaseInsensitive) == 0;
}

QString nichtDarstellbarText(const QString& pfad)
{
    return QStringLiteral("Fehler: Das Bild \"") + pfad
        + QStringLiteral("\" kann nicht dargestellt werden.\n\rEs sind nur die "
                         "Bildformate JPG oder BMP möglich.");
}

void pruefeBildgroesse(int breite, int hoehe, const QString& anzeigePfad)
{
    if (istZuGross(breite, hoehe))
        throw VarnoFehler(QStringLiteral("Das Bild %1 ist mit %2 × %3 Pixeln zu groß")
                              .arg(anzeigePfad)
                              .arg(breite)
                              .arg(hoehe));
}

QImage ladeJpeg(const QString& datei, const QString& anzeigePfad, QImage wiederverwendbar)
{
    std::FILE* f = std::fopen(QFile::encodeName(datei).constData(), "rb");
    if (!f)
        throw VarnoFehler(oeffnenFehlerText(anzeigePfad));
    JpegZiel ziel;
    ziel.bild = std::move(wiederverwendbar);
    JpegAuftrag auftrag{f, bereiteJpegZiel, &ziel, 0, false, 0, 0};
    const JpegErgebnis ergebnis = dekodiere(&auftrag);
    std::fclose(f);
    switch (ergebnis) {
    case JpegErgebnis::Fehler:
        // Beyond libjpeg's own limit the size tells the user more than its number.
        if (auftrag.fehlercode == JERR_IMAGE_TOO_BIG)
            pruefeBildgroesse(int(std::min(auftrag.breite, 65535u)), int(std::min(auftrag.hoehe, 65535u)),
                              anzeigePfad);
        throw VarnoFehler(QStringLiteral("JPEG-Fehlernr. %1").arg(auftrag.fehlercode));
    case JpegErgebnis::Abgebrochen:
        if (ziel.keinSpeicher)
            throw std::bad_alloc();
        pruefeBildgroesse(ziel.breite, ziel.hoehe, anzeigePfad);
        return QImage();   // no pixels: libjpeg refuses such files before this
    case JpegErgebnis::Fertig:
        break;
    }
    // libjpeg writes CMYK as four bytes per pixel, the size of the final layout.
    if (ziel.cmyk)
        cmykNachRgb(ziel.bild, auftrag.adobe);
    return std::move(ziel.bild);
}

QImage ladeBmp(const QString& datei, const QString& anzeigePfad)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        throw VarnoFehler(oeffnenFehlerText(anzeigePfad));
    // Qt's default limit (128 MB) would refuse ordinary camera-sized bitmaps.
    QImageReader::setAllocationLimit(int(Bildgrenze::MaxPixel * 4 / (1024 * 1024)) + 64);
    // Qt refuses some huge headers as invalid; the size is the clearer reason.
    const QByteArray kopf = f.peek(26);
    if (kopf.size() == 26 && kopf.startsWith("BM")) {
        auto zahl = [&kopf](int stelle, int bytes) {
            quint32 wert = 0;
            for (int i = bytes - 1; i >= 0; --i)
                wert = (wert << 8) | quint8(kopf[stelle + i]);
            return wert;
        };
        const quint32 kopfgroesse = zahl(14, 4);
        // Only a complete header of a known kind is trusted; garbage behind
        // "BM" is an invalid bitmap, not a large one.
        const bool bekannt = kopfgroesse == 12 || kopfgroesse == 40 || kopfgroesse == 52
            || kopfgroesse == 56 || kopfgroesse == 64 || kopfgroesse == 108 || kopfgroesse == 124;
        qint64 breite = 0, hoehe = 0;
        if (!bekannt || f.size() < 14 + qint64(kopfgroesse)) {
            // left to Qt's reader, which refuses it
        } else if (kopfgroesse == 12) {
            breite = zahl(18, 2);
            hoehe = zahl(20, 2);
        } else if (kopfgroesse >= 40) {
            breite = qint32(zahl(18, 4));
            hoehe = qAbs(qint64(qint32(zahl(22, 4))));
        }
        if (breite > 0 && hoehe > 0)
            pruefeBildgroesse(int(std::min<qint64>(breite, INT_MAX)), int(std::min<qint64>(hoehe, INT_MAX)),
                              anzeigePfad);
    }
    QImageReader leser(&f, "bmp");
    const QSize groesse = leser.size();
    if (groesse.isValid())
        pruefeBildgroesse(groesse.width(), groesse.height(), anzeigePfad);
    QImage bild;
    if (!leser.read(&bild))
        throw VarnoFehler(QStringLiteral("Bitmap ist ungültig"));
    pruefeBildgroesse(bild.width(), bild.height(), anzeigePfad);
    if (bild.format() != QImage::Format_RGB32)
        bild.convertTo(QImage::Format_RGB32);
    return bild;
}

QImage ladeBild(const QString& datei, const QString& anzeigePfad, QImage wiederverwendbar)
{
    if (istBmp(anzeigePfad))
        return ladeBmp(datei, anzeigePfad);
    return ladeJpeg(datei, anzeigePfad, std::move(wiederverwendbar));
}
