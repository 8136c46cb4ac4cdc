#include "darstellung.h"

#include <algorithm>
#include <cmath>

#include "einpassung.h"
#include "pixel.h"
#include "skalierer.h"

namespace {

// How many times the destination's pixels the decoded ones should be, per direction.
constexpr int Ueberabtastung = 2;

// Everything of bild outside the rectangle r turns black.
void schwarzAussen(QImage& bild, const QRect& r)
{
    const int w = bild.width(), h = bild.height();
    if (r.isEmpty()) {
        fuelleRechteck(bild, bild.rect(), Farbe::Schwarz);
        return;
    }
    fuelleRechteck(bild, QRect(0, 0, w, r.top()), Farbe::Schwarz);
    fuelleRechteck(bild, QRect(0, r.bottom() + 1, w, h - r.bottom() - 1), Farbe::Schwarz);
    fuelleRechteck(bild, QRect(0, r.top(), r.left(), r.height()), Farbe::Schwarz);
    fuelleRechteck(bild, QRect(r.right() + 1, r.top(), w - r.right() - 1, r.height()), Farbe::Schwarz);
}

// The smallest eighth whose share of `quelle` pixels covers `ziel` pixels twice.
int achtelFuer(int quelle, int ziel)
{
    if (quelle <= 0)
        return 8;
    const qint64 zaehler = qint64(8) * Ueberabtastung * ziel;
    return int(std::clamp<qint64>((zaehler + quelle - 1) / quelle, 1, 8));
}

// A rectangle of the full-scale picture in pixels of the decoded one.
QRect imDekodierten(const Dekodiert& d, const QRect& r)
{
    const double fx = d.bild.width() / d.quelle.width();
    const double fy = d.bild.height() / d.quelle.height();
    const int x0 = int(std::lround((r.x() - d.quelle.x()) * fx));
    const int y0 = int(std::lround((r.y() - d.quelle.y()) * fy));
    const int x1 = int(std::lround((r.x() + r.width() - d.quelle.x()) * fx));
    const int y1 = int(std::lround((r.y() + r.height() - d.quelle.y()) * fy));
    return QRect(x0, y0, std::max(1, x1 - x0), std::max(1, y1 - y0));
}

} // namespace

bool Dekodiert::ganz() const
{
    return achtel == 8 && !bild.isNull() && bild.size() == voll && quelle == QRectF(QPointF(0, 0), QSizeF(voll));
}

Dekodiert alsGanzes(QImage bild)
{
    Dekodiert d;
    d.voll = bild.size();
    d.quelle = QRectF(QPointF(0, 0), QSizeF(d.voll));
    d.bild = std::move(bild);
    return d;
}

Bedarf bedarf(QSize voll, QSize bereich, const QString& code)
{
    const QRect alles(QPoint(0, 0), voll);
    const Einpassung e = berechneEinpassung(voll.width(), voll.height(), bereich.width(), bereich.height(), code);
    switch (e.art) {
    case Einpassung::Art::Kopie:
    case Einpassung::Art::Unskaliert:
        return {8, alles};
    case Einpassung::Art::Schwarz:
        return {1, alles};
    case Einpassung::Art::Skaliert:
        break;
    }
    const int achtel = std::max(achtelFuer(e.quelle.width(), e.ziel.width()),
                                achtelFuer(e.quelle.height(), e.ziel.height()));
    return {achtel, e.quelle & alles};
}

bool deckt(const Dekodiert& d, const Bedarf& b)
{
    return !d.bild.isNull() && d.achtel >= b.achtel && d.quelle.contains(QRectF(b.teil));
}

namespace {

// The fit for a target of device pixels, judged by the logical size it stands for.
Einpassung einpassungFuerGeraet(QSize voll, QSize ziel, const QString& code, qreal v)
{
    const Einpassung e = berechneEinpassung(voll.width(), voll.height(), ziel.width(), ziel.height(), code);
    if (v == 1.0)
        return e;
    const QSize logisch(qRound(ziel.width() / v), qRound(ziel.height() / v));
    Einpassung l = berechneEinpassung(voll.width(), voll.height(), logisch.width(), logisch.height(), code);
    if (l.art != Einpassung::Art::Kopie && l.art != Einpassung::Art::Unskaliert)
        return e;
    const int x0 = qRound(l.ziel.left() * v), y0 = qRound(l.ziel.top() * v);
    const int x1 = std::min(qRound((l.ziel.left() + l.ziel.width()) * v), ziel.width());
    const int y1 = std::min(qRound((l.ziel.top() + l.ziel.height()) * v), ziel.height());
    l.art = Einpassung::Art::Skaliert;
    l.ziel = QRect(x0, y0, x1 - x0, y1 - y0);
    return l;
}

} // namespace

void stelleBildDar(QImage& ziel, const Dekodiert& d, const QString& code, qreal verhaeltnis)
{
    if (ziel.isNull())
        return;
    const QImage& quelle = d.bild;
    const Einpassung e = einpassungFuerGeraet(d.voll, ziel.size(), code, verhaeltnis);
    if (e.art == Einpassung::Art::Kopie && d.ganz()) {
        ziel = quelle;
        return;
    }
    // Every pixel is written below; a target that shares its pixels gets its
    // own buffer instead of a copy.
    if (!ziel.isDetached() || ziel.format() != QImage::Format_RGB32)
        ziel = QImage(ziel.size(), QImage::Format_RGB32);
    QRect gezeichnet = e.ziel;
    switch (e.art) {
    case Einpassung::Art::Unskaliert:
        if (d.ganz()) {
            kopiereRechteck(quelle, ziel, quelle.rect(), e.ziel.topLeft());
            break;
        }
        [[fallthrough]];
    case Einpassung::Art::Kopie:
    case Einpassung::Art::Skaliert:
        if (!quelle.isNull() && !d.quelle.isEmpty())
            skaliereFlaeche(quelle, imDekodierten(d, e.quelle), ziel, e.ziel);
        break;
    case Einpassung::Art::Schwarz:
        gezeichnet = QRect();
        break;
    }
    // The bars; under "n" this also covers a one-pixel remainder.
    schwarzAussen(ziel, gezeichnet);
}

void stelleBildDar(QImage& ziel, const QImage& quelle, const QString& code)
{
    stelleBildDar(ziel, alsGanzes(quelle), code);
}
