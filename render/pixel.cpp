#include "pixel.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

void fuelleRechteck(QImage& bild, const QRect& r, QRgb farbe)
{
    const QRect f = r & bild.rect();
    if (f.isEmpty())
        return;
    for (int y = f.top(); y <= f.bottom(); ++y) {
        auto* z = reinterpret_cast<QRgb*>(bild.scanLine(y)) + f.left();
        std::fill(z, z + f.width(), farbe);
    }
}

void fuelleMitRand(QImage& bild, const QRect& r, int breite, QRgb innen, QRgb rand)
{
    const QRect f = r & bild.rect();
    if (f.isEmpty())
        return;
    const QRect i = r.adjusted(breite, breite, -breite, -breite) & bild.rect();
    if (!i.isEmpty() && !f.contains(i)) {
        // Narrower than two edges: the inverted inner rectangle reaches outside r.
        fuelleRechteck(bild, r, rand);
        fuelleRechteck(bild, r.adjusted(breite, breite, -breite, -breite), innen);
        return;
    }
    for (int y = f.top(); y <= f.bottom(); ++y) {
        auto* z = reinterpret_cast<QRgb*>(bild.scanLine(y));
        if (i.isEmpty() || y < i.top() || y > i.bottom()) {
            std::fill(z + f.left(), z + f.right() + 1, rand);
            continue;
        }
        std::fill(z + f.left(), z + i.left(), rand);
        std::fill(z + i.left(), z + i.right() + 1, innen);
        std::fill(z + i.right() + 1, z + f.right() + 1, rand);
    }
}

void kopiereRechteck(const QImage& quelle, QImage& ziel, const QRect& r, QPoint nach)
{
    const QRect q = r & quelle.rect();
    const QRect z = QRect(nach + (q.topLeft() - r.topLeft()), q.size()) & ziel.rect();
    if (z.isEmpty())
        return;
    const QPoint versatz = r.topLeft() - nach;
    for (int y = z.top(); y <= z.bottom(); ++y) {
        const auto* von = reinterpret_cast<const QRgb*>(quelle.constScanLine(y + versatz.y()))
            + z.left() + versatz.x();
        auto* nachZeile = reinterpret_cast<QRgb*>(ziel.scanLine(y)) + z.left();
        std::memcpy(nachZeile, von, size_t(z.width()) * sizeof(QRgb));
    }
}

void richteAbdeckungEin(QPainter& maler, QRgb fuellung, QRgb umriss)
{
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.setBrush(QColor::fromRgb(fuellung));
    QPen stift(QColor::fromRgb(umriss));
    stift.setWidth(1);
    stift.setCosmetic(true);
    maler.setPen(stift);
}

void maleSichtbaresBild(QPainter& maler, const QRegion& bereich, const QImage& bild, qreal verhaeltnis)
{
    const qreal geraet = maler.device() ? maler.device()->devicePixelRatioF() : 1.0;
    if (!bild.isNull() && verhaeltnis == geraet && verhaeltnis == std::floor(verhaeltnis) && verhaeltnis >= 1) {
        // Straight in device pixels: a copy of the picture's rows, black only beside it.
        const int v = int(verhaeltnis);
        maler.save();
        maler.scale(1.0 / v, 1.0 / v);
        for (const QRect& r : bereich) {
            const QRect g(r.topLeft() * v, r.size() * v);
            const QRect mitBild = g & bild.rect();
            for (const QRect& rest : QRegion(g).subtracted(QRegion(mitBild)))
                maler.fillRect(rest, Qt::black);
            if (!mitBild.isEmpty())
                maler.drawImage(mitBild.topLeft(), bild, mitBild);
        }
        maler.restore();
        return;
    }
    // Otherwise the frame's black first, rectangle by rectangle as a filled
    // background is painted, and the picture over it.
    for (const QRect& r : bereich)
        maler.fillRect(r, Qt::black);
    if (bild.isNull())
        return;
    const QRect e = bereich.boundingRect();
    const qreal v = verhaeltnis;
    if (v == 1.0) {
        maler.drawImage(e, bild, e);
        return;
    }
    // The picture holds device pixels: one of them to each of the screen's.
    const QRectF quelle = QRectF(QPointF(e.topLeft()) * v, QSizeF(e.size()) * v).intersected(QRectF(bild.rect()));
    maler.drawImage(QRectF(quelle.topLeft() / v, quelle.size() / v), bild, quelle);
}
