#include "knopfbilder.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace {

struct Bildquelle {
    const char* datei;
    int breite;
    int hoehe;
    bool mitGrauform;
};

Bildquelle quelle(Knopfbild bild)
{
    switch (bild) {
    case Knopfbild::Richtig: return {":/richtig.svg", 18, 18, true};
    case Knopfbild::Falsch: return {":/falsch.svg", 18, 18, true};
    case Knopfbild::Weiter: return {":/weiter.svg", 50, 50, true};
    case Knopfbild::Antwort: return {":/antwort.svg", 26, 26, true};
    case Knopfbild::NeuesBild: return {":/neuesbild.svg", 18, 18, true};
    case Knopfbild::Ok: return {":/ok.svg", 18, 18, true};
    case Knopfbild::PunkteFeld: return {":/punktefeld.svg", 49, 17, false};
    case Knopfbild::Einstellungen: return {":/einstellungen.svg", 32, 32, false};
    case Knopfbild::Symbol: return {":/symbol.svg", 16, 16, false};
    case Knopfbild::Keins: break;
    }
    return {nullptr, 0, 0, false};
}

QPixmap zeichne(const Bildquelle& q)
{
    QImage bild(q.breite, q.hoehe, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QSvgRenderer svg{QString::fromLatin1(q.datei)};
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    svg.render(&maler, QRectF(0, 0, q.breite, q.hoehe));
    maler.end();
    return QPixmap::fromImage(bild);
}

}  // namespace

QPixmap grauform(const QPixmap& bild)
{
    QImage grau = bild.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grau.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(grau.scanLine(y));
        for (int x = 0; x < grau.width(); ++x) {
            const QRgb p = zeile[x];
            const int g = 96 + qGray(p) * 120 / 255;
            zeile[x] = qRgba(g, g, g, qAlpha(p));
        }
    }
    return QPixmap::fromImage(grau);
}

const Bildpaar& knopfbild(Knopfbild bild)
{
    static QHash<int, Bildpaar> vorrat;
    const int schluessel = static_cast<int>(bild);
    auto it = vorrat.find(schluessel);
    if (it == vorrat.end()) {
        Bildpaar paar;
        const Bildquelle q = quelle(bild);
        if (q.datei) {
            paar.aktiv = zeichne(q);
            if (q.mitGrauform)
                paar.inaktiv = grauform(paar.aktiv);
        }
        it = vorrat.insert(schluessel, paar);
    }
    return *it;
}
