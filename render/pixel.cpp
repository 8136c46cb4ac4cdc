#include "pixel.h"

#include <QPainter>

#include <algorithm>
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
