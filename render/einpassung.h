#pragma once
// Where a picture of pw x ph goes in an area of tw x th for a positioning code.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

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

// The picture area for a client area of the given size and the aspect
// seitenX:seitenY: the room is the client area less Bildbereichsabzug, and the
// area is as large as the room allows at that aspect, centred in it.
struct Bildbereichsmass {
    QSize groesse;                          // BildBreite x BildHoehe
    std::optional<QPoint> rahmenLinksOben;  // frame's top left; none: it keeps its place
};

Bildbereichsmass berechneBildbereich(QSize innen, int seitenX, int seitenY);
