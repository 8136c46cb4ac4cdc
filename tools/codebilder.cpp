// Draws the pictures of the quiz-master guide that show what each positioning
// code does: a landscape and a portrait test picture, each rendered by the
// game's own loading and fitting into a 4:3 picture area, for every code.
//   varno-codebilder [output folder]     (default: docs/bilder)

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>

#include "core/meldungen.h"
#include "render/bildvorrat.h"
#include "render/darstellung.h"

namespace {

constexpr int FlaecheBreite = 320;
constexpr int FlaecheHoehe = 240;

// Three bands with big letters, so that the kept part of the picture can be read off.
QImage testbild(int breite, int hoehe, bool quer)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QColor farben[3] = {QColor(0xd3, 0x2f, 0x2f), QColor(0x38, 0x8e, 0x3c), QColor(0x19, 0x76, 0xd2)};
    const QStringList buchstaben = quer ? QStringList{QStringLiteral("L"), QStringLiteral("M"), QStringLiteral("R")}
                                       : QStringList{QStringLiteral("O"), QStringLiteral("M"), QStringLiteral("U")};
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setBold(true);
    schrift.setPixelSize(quer ? hoehe / 2 : breite / 2);
    p.setFont(schrift);
    for (int i = 0; i < 3; ++i) {
        const QRect band = quer ? QRect(breite * i / 3, 0, breite * (i + 1) / 3 - breite * i / 3, hoehe)
                                : QRect(0, hoehe * i / 3, breite, hoehe * (i + 1) / 3 - hoehe * i / 3);
        p.fillRect(band, farben[i]);
        p.setPen(Qt::white);
        p.drawText(band, Qt::AlignCenter, buchstaben[i]);
    }
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, breite - 3, hoehe - 3));
    return bild;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication anwendung(argc, argv);
    const QString ziel = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/bilder");
    if (!QDir().mkpath(ziel)) {
        std::fprintf(stderr, "Kann den Ordner %s nicht anlegen.\n", qPrintable(ziel));
        return 1;
    }
    QTemporaryDir tmp;
    if (!tmp.isValid())
        return 1;

    // Both smaller than the area, so that "n" has something to show.
    struct Vorlage {
        const char* name;
        QImage bild;
    };
    const Vorlage vorlagen[] = {{"quer", testbild(256, 144, true)}, {"hoch", testbild(144, 216, false)}};
    const QString codes[] = {QString(), QStringLiteral("o"), QStringLiteral("m"), QStringLiteral("u"),
                             QStringLiteral("l"), QStringLiteral("r"), QStringLiteral("n")};

    Bildvorrat vorrat;
    for (const Vorlage& v : vorlagen) {
        const QString name = QString::fromLatin1(v.name);
        const QString quelle = tmp.filePath(name + QStringLiteral(".bmp"));
        if (!v.bild.save(quelle, "BMP") || !v.bild.save(ziel + QStringLiteral("/testbild-%1.png").arg(name), "PNG"))
            return 1;
        for (const QString& code : codes) {
            QImage flaeche(FlaecheBreite, FlaecheHoehe, QImage::Format_RGB32);
            flaeche.fill(Qt::black);
            try {
                stelleBildDar(flaeche, vorrat.lade(quelle, flaeche.size(), code), code);
            } catch (const VarnoFehler& f) {
                std::fprintf(stderr, "%s\n", qPrintable(f.text()));
                return 1;
            }
            const QString datei = ziel + QStringLiteral("/code-%1-%2.png")
                                             .arg(code.isEmpty() ? QStringLiteral("ohne") : code, name);
            if (!flaeche.save(datei, "PNG"))
                return 1;
        }
    }
    return 0;
}
