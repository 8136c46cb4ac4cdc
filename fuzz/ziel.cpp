// One libFuzzer target; VARNO_ZIEL names the reader (see eingabe.h).

#include <QByteArray>
#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "eingabe.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Painting needs the GUI application; it lives until the process ends.
    static int argc = 1;
    static char name[] = "varno-fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return 0;
}

namespace {

// True if a header in d, read any way a reader might, announces more than
// 65,536 pixels but not more than the size limit.
bool grossesBild(const std::uint8_t* d, std::size_t n)
{
    auto le = [d](std::size_t i, int bytes) {
        std::uint32_t wert = 0;
        for (int b = bytes - 1; b >= 0; --b)
            wert = (wert << 8) | d[i + std::size_t(b)];
        return wert;
    };
    auto gross = [](std::uint64_t pixel) { return pixel > (1u << 16) && pixel <= 200'000'000u; };
    if (n >= 26 && d[0] == 'B' && d[1] == 'M') {
        const std::int64_t breite = std::int32_t(le(18, 4));
        const std::int64_t hoehe = std::int32_t(le(22, 4));
        if (gross(std::uint64_t(breite < 0 ? -breite : breite) * std::uint64_t(hoehe < 0 ? -hoehe : hoehe))
            || gross(std::uint64_t(le(18, 2)) * le(20, 2)))   // as an OS/2 header
            return true;
    }
    for (std::size_t i = 0; i + 9 <= n; ++i) {
        const int m = d[i + 1];
        if (d[i] == 0xff && m >= 0xc0 && m <= 0xcf && m != 0xc4 && m != 0xc8 && m != 0xcc
            && gross(std::uint64_t((d[i + 5] << 8) | d[i + 6]) * ((d[i + 7] << 8) | d[i + 8])))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge)
{
    // Pictures beyond 65,536 pixels but within the size limits take the same
    // paths as small ones, at up to seconds per input under the sanitizers;
    // the fuzzer spends its time elsewhere. Oversized headers still run
    // (they are refused before allocation), and the replay test runs all.
    static const bool jpeg = std::strcmp(VARNO_ZIEL, "jpeg") == 0;
    static const bool bmp = std::strcmp(VARNO_ZIEL, "bmp") == 0;
    if ((jpeg || bmp) && grossesBild(daten, laenge))
        return -1;
    if (bmp) {
        // Qt's reader has readings of its own for damaged headers; ask it.
        QByteArray kopie(reinterpret_cast<const char*>(daten), qsizetype(laenge));
        QBuffer puffer(&kopie);
        const QSize s = QImageReader(&puffer, "bmp").size();
        const qint64 pixel = qint64(s.width()) * s.height();
        if (s.isValid() && pixel > (1 << 16) && pixel <= 200'000'000)
            return -1;
    }

    static const Eingabe::Pruefung pruefe = Eingabe::pruefungFuer(QStringLiteral(VARNO_ZIEL));
    const QString fehler =
        pruefe(QByteArray(reinterpret_cast<const char*>(daten), qsizetype(laenge)));
    if (!fehler.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", VARNO_ZIEL, fehler.toUtf8().constData());
        std::abort();
    }
    return 0;
}
