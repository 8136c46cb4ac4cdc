#pragma once
// Geometry of one cover sector, apart from any painting.

#include <QPolygon>

enum class SektorStatus {
    Polygon,             // punkte holds the polygon, closing on the centre
    FalscherParameter,   // index outside 0..n-1
    ZuWenigeSektoren,    // start and end ray lie two edges apart
    LeereFlaeche,        // the area has no pixels: nothing to draw
};

struct Sektor {
    SektorStatus status = SektorStatus::LeereFlaeche;
    QPolygon punkte;
};

// Sector k of n on a w x h area.
Sektor sektorPolygon(int k, int n, int w, int h);
