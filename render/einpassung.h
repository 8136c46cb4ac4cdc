#pragma once
// Where a picture of pw x ph goes in an area of tw x th for a positioning code.

#include <QRect>
#include <QString>

struct Einpassung {
    enum class Art {
        Kopie,        // same size: the picture replaces the target as it is
        Unskaliert,   // "n": drawn at its own size at ziel.topLeft()
        Skaliert,     // quelle scaled into ziel
        Schwarz,      // nothing to draw: the whole area turns black
    };
    Art art = Art::Schwarz;
    QRect ziel;     // destination (dx, dy, dw, dh); outside it the area is black
    QRect quelle;   // source (sx, sy, sw, sh) inside the picture
};

Einpassung berechneEinpassung(int pw, int ph, int tw, int th, const QString& code);
