#pragma once
// Geometry of one cover sector, apart from any painting.

#include <QPolygon>
#include <QRegion>
#include <functional>
#include <optional>
#include <vector>

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

// What of a picture on `flaeche` a cover over the covered ones of n sectors
// leaves open: the open sectors' bounding boxes, with a margin for the
// outline's rounding. Nothing when the picture is better copied whole: a
// sector the cover leaves unpainted shows it wherever it lies, and past a few
// open sectors their union costs more than the copy it saves.
std::optional<QRegion> offeneTeile(int n, const QRect& flaeche, const std::function<const Sektor&(int)>& sektor,
                                   const std::function<bool(int)>& verdeckt);

// The sectors of one layout, each computed on first use and kept while the
// layout stays, so that redraws and reveals compute none of them again.
class Sektorliste {
public:
    // The layout: n sectors on a w x h area. Another one drops the kept sectors.
    void fuer(int n, int w, int h);
    // Sector k of the layout, 0 <= k < anzahl().
    const Sektor& sektor(int k);
    // n, but no more than the cover array holds.
    int anzahl() const { return int(m_sektoren.size()); }
    int breite() const { return m_w; }
    int hoehe() const { return m_h; }

private:
    std::vector<std::optional<Sektor>> m_sektoren;
    int m_n = -1, m_w = -1, m_h = -1;
};
