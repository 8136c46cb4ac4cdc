#pragma once
// The reveal of one sector when there are many.
//
// From 64 sectors on every sector reaches the centre, so a reveal that
// repainted all covered sectors around the centre would cost as much as a
// full redraw. Instead the final colour of each pixel near the centre is
// looked up: it is the colour left by the highest covered sector touching it
// (black where its outline runs, grey where only its fill does), or the
// picture's. Farther out only sectors at nearly the same angle can reach the
// uncovered sector's pixels; those are repainted as usual.

#include <QImage>
#include <QRect>
#include <span>
#include <utility>
#include <vector>

class Sektorliste;

class Zentrumsaufdecker {
public:
    // Sector k of the layout sektoren, a polygon, has just been uncovered:
    // sichtbar, of the layout's size, shows bild under the cover of k and of
    // the sectors set in verdeckt. Afterwards it shows bild under the cover of
    // those sectors alone, pixel for pixel as a full redraw paints it, and
    // geaendert holds the rectangle that may have changed. Returns false and
    // leaves sichtbar as it was when it cannot help: with fewer sectors, or
    // when a sector's outline spans more than an eighth of the circle.
    bool deckeAuf(int k, Sektorliste& sektoren, std::span<const bool> verdeckt, const QImage& bild,
                  QImage& sichtbar, QRect& geaendert);

private:
    using Beruehrung = std::pair<quint32, quint32>;   // pixel, sector << 1 | outline

    // What is prepared once per layout.
    struct Tabellen {
        int n = -1, w = -1, h = -1;
        bool brauchbar = false;
        QRect feld;   // the square around the centre
        // Per pixel of the square, the sectors touching it in ascending order,
        // each as sector << 1 | outline; pixel i's entries are
        // beruehrt[beruehrtAb[i] .. beruehrtAb[i + 1]).
        std::vector<quint32> beruehrt, beruehrtAb;
        // Per sector, the pixels of the square it touches.
        std::vector<quint32> pixel, pixelAb;
        std::vector<double> mitte, halbeBreite;   // each sector's angular extent
        double breitester = 0;                    // the largest halbeBreite
        QImage werkbild;                          // where the neighbours are repainted
    };

    bool bereiteVor(Sektorliste& sektoren, const QImage& sichtbar);
    bool vermisseWinkel(Sektorliste& sektoren, QPoint& mitte);
    bool tasteFeldAb(Sektorliste& sektoren, QSize groesse, QPoint mitte, std::vector<Beruehrung>& paare);
    void ordneNachPixel(const std::vector<Beruehrung>& paare);
    void sucheNachbarn(int k, std::span<const bool> verdeckt);
    void malKegelNeu(int k, Sektorliste& sektoren, std::span<const bool> verdeckt, const QImage& bild,
                     QImage& sichtbar, const QRect& box);
    void setzeFeld(int k, std::span<const bool> verdeckt, const QImage& bild, QImage& sichtbar) const;

    Tabellen m_t;
    std::vector<std::pair<int, double>> m_nachbarn;   // sector, angular gap
};
