#include "einpassung.h"

#include <algorithm>

#include "core/fenstermasse.h"
#include "core/hilfen.h"
#include "core/spielstand.h"

namespace {

// Destination (dx, dy, dw, dh) and source (sx, sy, sw, sh) of a scaled picture.
struct Rechtecke {
    int dx, dy, dw, dh;
    int sx, sy, sw, sh;
};

// The crop or the fit of a picture whose shape is not the area's, before the
// corrections.
Rechtecke schneideOderPasseEin(int pw, int ph, int tw, int th, const QString& code)
{
    // 64-bit products: pictures and areas of a few ten thousand pixels per side
    // would overflow 32 bits.
    const qint64 a = qint64(pw) * th;
    const qint64 b = qint64(ph) * tw;
    const double ratio = static_cast<double>(pw) / ph;
    int dx = 0, dy = 0, dw = tw, dh = th;
    int sx = 0, sy = 0, sw = pw, sh = ph;

    if (a < b) {
        if (code == QLatin1String("o") || code == QLatin1String("m") || code == QLatin1String("u")) {
            sh = rundeGerade(static_cast<double>(a) / tw);
            if (code == QLatin1String("m"))
                sy = rundeGerade((ph - sh) / 2.0);
            else if (code == QLatin1String("u"))
                sy = ph - sh;
        } else {
            dh = th;
            dw = rundeGerade(th * ratio);
            dx = rundeGerade((tw - dw) / 2.0);
            dy = 0;
        }
    } else if (a > b) {
        if (code == QLatin1String("l") || code == QLatin1String("m") || code == QLatin1String("r")) {
            sw = rundeGerade(static_cast<double>(qint64(ph) * tw) / th);
            if (code == QLatin1String("m"))
                sx = rundeGerade((pw - sw) / 2.0);
            else if (code == QLatin1String("r"))
                sx = pw - sw;
        } else {
            dw = tw;
            dh = rundeGerade(tw / ratio);
            dx = 0;
            dy = rundeGerade((th - dh) / 2.0);
        }
    }
    return {dx, dy, dw, dh, sx, sy, sw, sh};
}

} // namespace

Einpassung berechneEinpassung(int pw, int ph, int tw, int th, const QString& code)
{
    Einpassung e;
    if (pw <= 0 || ph <= 0 || tw <= 0 || th <= 0) {
        e.art = Einpassung::Art::Schwarz;
        return e;
    }
    if (pw == tw && ph == th) {
        e.art = Einpassung::Art::Kopie;
        e.ziel = e.quelle = QRect(0, 0, tw, th);
        return e;
    }
    if (code == QLatin1String("n") && pw <= tw && ph <= th) {
        e.art = Einpassung::Art::Unskaliert;
        e.ziel = QRect(rundeGerade((tw - pw) / 2.0), rundeGerade((th - ph) / 2.0), pw, ph);
        e.quelle = QRect(0, 0, pw, ph);
        return e;
    }

    auto [dx, dy, dw, dh, sx, sy, sw, sh] = schneideOderPasseEin(pw, ph, tw, th, code);
    if (dh == th - 1)
        dh = th;
    if (dw == tw - 1)
        dw = tw;

    // A crop of an extremely thin picture can round to nothing; keep one row
    // or column of it rather than showing nothing.
    if (sw < 1) {
        sw = 1;
        sx = std::clamp(sx, 0, pw - 1);
    }
    if (sh < 1) {
        sh = 1;
        sy = std::clamp(sy, 0, ph - 1);
    }
    e.ziel = QRect(dx, dy, dw, dh);
    e.quelle = QRect(sx, sy, sw, sh);
    e.art = (dw > 0 && dh > 0) ? Einpassung::Art::Skaliert : Einpassung::Art::Schwarz;
    return e;
}

Bildbereichsmass berechneBildbereich(QSize innen, int seitenX, int seitenY)
{
    const int aw = std::max(0, innen.width() - Bildbereichsabzug.width());
    const int ah = std::max(0, innen.height() - Bildbereichsabzug.height());
    Bildbereichsmass m;
    int breite = aw;
    int hoehe = ah;
    if (seitenX == KeinSeitenverhaeltnis) {
        // no aspect: the whole room, the frame stays where it is
    } else if (seitenX <= 0 || seitenY <= 0) {
        // An unusable aspect shows the picture in the whole room.
        m.rahmenLinksOben = QPoint(Fensterrand, Fensterrand);
    } else if (qint64(aw) * seitenY > qint64(ah) * seitenX) {
        breite = rundeGerade(double(qint64(seitenX) * hoehe) / seitenY);
        m.rahmenLinksOben = QPoint(rundeGerade((aw - breite) / 2.0) + Fensterrand, Fensterrand);
    } else {
        hoehe = rundeGerade(double(qint64(seitenY) * breite) / seitenX);
        m.rahmenLinksOben = QPoint(Fensterrand, rundeGerade((ah - hoehe) / 2.0) + Fensterrand);
    }
    m.groesse = QSize(std::max(breite, 0), std::max(hoehe, 0));
    return m;
}
