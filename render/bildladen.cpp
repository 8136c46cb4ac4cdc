#include "bildladen.h"

#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <unistd.h>
#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

#include "core/meldungen.h"
#include "core/pfade.h"
#include "exif.h"

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
// may live in the frame that calls setjmp, nor in any function it calls.
struct JpegAuftrag {
    std::FILE* datei;
    // Called once the size is known; yields the first row and the distance
    // between rows of the destination, or null to stop.
    unsigned char* (*bereite)(JpegAuftrag* auftrag, int breite, int hoehe, bool cmyk,
                              std::ptrdiff_t* abstand);
    // Called with the full size from the header, before libjpeg sets up its
    // working memory; false refuses the picture.
    bool (*zulaessig)(JpegAuftrag* auftrag, int breite, int hoehe);
    void* kontext;
    // What to decode: the scale in eighths and the rows and columns of the
    // stored picture at full scale (all when the width is 0).
    int achtel;
    int bx, by, bbreite, bhoehe;
    bool nurKopf;
    int fehlercode;
    bool adobe;
    // The header's size, also when libjpeg refuses it as too large.
    unsigned breite;
    unsigned hoehe;
    int orientierung;
    // What was decoded, in pixels of the scaled picture, and that picture's size.
    int ax, ay, abreite, ahoehe;
    int skaliertBreite, skaliertHoehe;
    const std::atomic<bool>* abbruch;
};

enum class JpegErgebnis { Fertig, Fehler, Abgebrochen };

// The orientation tag of the first EXIF block kept by jpeg_save_markers.
int orientierungAus(const jpeg_decompress_struct& info)
{
    for (jpeg_saved_marker_ptr m = info.marker_list; m; m = m->next) {
        if (m->marker == JPEG_APP0 + 1 && m->data_length >= 6 && std::memcmp(m->data, "Exif\0\0", 6) == 0)
            return exifOrientierung(m->data, m->data_length);
    }
    return 1;
}

// The scaled rows and columns to decode, from the full-scale ones asked for.
void ausschnittSkaliert(JpegAuftrag* a, const jpeg_decompress_struct& info)
{
    a->skaliertBreite = int(info.output_width);
    a->skaliertHoehe = int(info.output_height);
    a->ax = 0;
    a->ay = 0;
    a->abreite = a->skaliertBreite;
    a->ahoehe = a->skaliertHoehe;
    if (a->bbreite <= 0 || a->bhoehe <= 0 || info.image_width == 0 || info.image_height == 0)
        return;
    const double fx = double(info.output_width) / info.image_width;
    const double fy = double(info.output_height) / info.image_height;
    const int x0 = std::clamp(int(std::floor(a->bx * fx)), 0, a->skaliertBreite);
    const int y0 = std::clamp(int(std::floor(a->by * fy)), 0, a->skaliertHoehe);
    const int x1 = std::clamp(int(std::ceil((a->bx + a->bbreite) * fx)), x0 + 1, a->skaliertBreite);
    const int y1 = std::clamp(int(std::ceil((a->by + a->bhoehe) * fy)), y0 + 1, a->skaliertHoehe);
    a->ax = x0;
    a->ay = y0;
    a->abreite = std::max(0, x1 - x0);
    a->ahoehe = std::max(0, y1 - y0);
}

// Reads the rows ay .. ay+ahoehe-1 into the destination; the rows above are
// skipped, those below are never decoded.
void leseZeilen(jpeg_decompress_struct* info, JpegAuftrag* a, unsigned char* zeile0, std::ptrdiff_t abstand)
{
    if (a->ay > 0)
        jpeg_skip_scanlines(info, JDIMENSION(a->ay));
    const JDIMENSION ende = JDIMENSION(a->ay + a->ahoehe);
    while (info->output_scanline < ende) {
        if (a->abbruch && a->abbruch->load(std::memory_order_relaxed))
            return;
        JSAMPROW zeilen[4];
        JDIMENSION anzahl = 0;
        while (anzahl < 4 && info->output_scanline + anzahl < ende) {
            zeilen[anzahl] = zeile0 + std::ptrdiff_t(info->output_scanline + anzahl - JDIMENSION(a->ay)) * abstand;
            ++anzahl;
        }
        jpeg_read_scanlines(info, zeilen, anzahl);
    }
}

void richteEin(jpeg_decompress_struct* info, JpegAuftrag* auftrag, bool cmyk)
{
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    // BGRA rather than BGRX: libjpeg-turbo promises 0xff in the fourth byte
    // only for the alpha layouts, and Format_RGB32 needs it.
    info->out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
#else
    info->out_color_space = cmyk ? JCS_CMYK : JCS_EXT_ARGB;
#endif
    info->scale_num = unsigned(std::clamp(auftrag->achtel, 1, 8));
    info->scale_denom = 8;
    info->do_block_smoothing = TRUE;
    jpeg_calc_output_dimensions(info);
    ausschnittSkaliert(auftrag, *info);
}

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
    jpeg_save_markers(&info, JPEG_APP0 + 1, 0xffff);
    jpeg_read_header(&info, TRUE);
    auftrag->breite = info.image_width;
    auftrag->hoehe = info.image_height;
    auftrag->orientierung = orientierungAus(info);
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    auftrag->adobe = info.saw_Adobe_marker;
    richteEin(&info, auftrag, cmyk);
    if (!auftrag->zulaessig(auftrag, int(info.image_width), int(info.image_height))) {
        jpeg_destroy_decompress(&info);
        return JpegErgebnis::Abgebrochen;
    }
    if (auftrag->nurKopf) {
        jpeg_destroy_decompress(&info);
        return JpegErgebnis::Fertig;
    }
    jpeg_start_decompress(&info);
    if (auftrag->ax > 0 || auftrag->abreite < auftrag->skaliertBreite) {
        // libjpeg widens the columns to whole blocks and says where they begin.
        JDIMENSION x = JDIMENSION(auftrag->ax), breite = JDIMENSION(auftrag->abreite);
        jpeg_crop_scanline(&info, &x, &breite);
        auftrag->ax = int(x);
        auftrag->abreite = int(breite);
    }
    std::ptrdiff_t abstand = 0;
    unsigned char* const zeile0 = auftrag->bereite(auftrag, auftrag->abreite, auftrag->ahoehe, cmyk, &abstand);
    if (!zeile0) {
        jpeg_destroy_decompress(&info);
        return JpegErgebnis::Abgebrochen;
    }
    leseZeilen(&info, auftrag, zeile0, abstand);
    // Rows below the part asked for are left undecoded.
    if (info.output_scanline < info.output_height)
        jpeg_abort_decompress(&info);
    else
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

bool jpegZulaessig(JpegAuftrag* auftrag, int breite, int hoehe)
{
    auto* ziel = static_cast<JpegZiel*>(auftrag->kontext);
    ziel->breite = breite;
    ziel->hoehe = hoehe;
    ziel->zuGross = breite <= 0 || hoehe <= 0 || istZuGross(breite, hoehe);
    return !ziel->zuGross;
}

unsigned char* bereiteJpegZiel(JpegAuftrag* auftrag, int breite, int hoehe, bool cmyk,
                               std::ptrdiff_t* abstand)
{
    auto* ziel = static_cast<JpegZiel*>(auftrag->kontext);
    ziel->cmyk = cmyk;
    if (breite <= 0 || hoehe <= 0) {
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

namespace {

// One run of the decoder over the file datei; the messages name anzeigePfad.
Jpegteil dekodiereDatei(const QString& datei, const QString& anzeigePfad, const Teilwunsch& wunsch,
                        QImage wiederverwendbar, bool nurKopf)
{
    // libjpeg reads through stdio; the stream takes over the checked descriptor.
    // Opened and closed outside Qt, so that a decode on the worker thread and
    // one on the window's thread are seen to hand the number over properly.
    const int fd = oeffneRegulaereDatei(datei);
    std::FILE* f = fd < 0 ? nullptr : ::fdopen(fd, "rb");
    if (!f) {
        if (fd >= 0)
            ::close(fd);
        throw VarnoFehler(oeffnenFehlerText(anzeigePfad));
    }
    JpegZiel ziel;
    ziel.bild = std::move(wiederverwendbar);
    const QRect b = wunsch.bereich;
    JpegAuftrag auftrag{f, bereiteJpegZiel, jpegZulaessig, &ziel, wunsch.achtel, b.x(), b.y(), b.width(),
                        b.height(), nurKopf, 0, false, 0, 0, 1, 0, 0, 0, 0, 0, 0, wunsch.abbruch};
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
        return {};   // no pixels: libjpeg refuses such files before this
    case JpegErgebnis::Fertig:
        break;
    }
    // libjpeg writes CMYK as four bytes per pixel, the size of the final layout.
    if (ziel.cmyk)
        cmykNachRgb(ziel.bild, auftrag.adobe);
    Jpegteil teil;
    teil.bild = std::move(ziel.bild);
    teil.voll = QSize(int(auftrag.breite), int(auftrag.hoehe));
    teil.skaliert = QSize(auftrag.skaliertBreite, auftrag.skaliertHoehe);
    teil.ausschnitt = QRect(auftrag.ax, auftrag.ay, auftrag.abreite, auftrag.ahoehe);
    teil.orientierung = auftrag.orientierung;
    return teil;
}

}  // namespace

Jpegteil ladeJpegTeil(const QString& datei, const QString& anzeigePfad, const Teilwunsch& wunsch,
                      QImage wiederverwendbar)
{
    return dekodiereDatei(datei, anzeigePfad, wunsch, std::move(wiederverwendbar), false);
}

Bildkopf leseJpegKopf(const QString& datei, const QString& anzeigePfad)
{
    const Jpegteil teil = dekodiereDatei(datei, anzeigePfad, Teilwunsch{}, QImage(), true);
    return {teil.voll, teil.orientierung};
}

QImage ladeJpeg(const QString& datei, const QString& anzeigePfad, QImage wiederverwendbar)
{
    return ladeJpegTeil(datei, anzeigePfad, Teilwunsch{}, std::move(wiederverwendbar)).bild;
}

QImage ladeBmp(const QString& datei, const QString& anzeigePfad)
{
    QFile f;
    if (!oeffneRegulaereDatei(f, datei))
        throw VarnoFehler(oeffnenFehlerText(anzeigePfad));
    // Qt's default limit (128 MB) would refuse ordinary camera-sized bitmaps.
    // The limit is one for the whole program, and bitmaps are read on two
    // threads: it is set once, before the first read.
    static const bool grenzeGesetzt = [] {
        QImageReader::setAllocationLimit(int(Bildgrenze::MaxPixel * 4 / (1024 * 1024)) + 64);
        return true;
    }();
    Q_UNUSED(grenzeGesetzt);
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

