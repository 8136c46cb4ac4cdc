#include "sektor.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/hilfen.h"
#include "core/spielstand.h"

namespace {

// Half-open edge classes: 0 right, 1 bottom, 2 left, 3 top.
int kantenklasse(double theta, double a)
{
    constexpr double pi = std::numbers::pi;
    if (theta < a)
        return 0;
    if (theta < pi - a)
        return 1;
    if (theta < pi + a)
        return 2;
    if (theta < 2 * pi - a)
        return 3;
    return 0;
}

// Left and top points are computed for x = 0 and y = 0 but placed one pixel
// outside, like the right and bottom ones, so the border outline never shows.
QPoint randpunkt(int klasse, double theta, int cx, int cy, int w, int h)
{
    const double t = std::tan(theta);
    switch (klasse) {
    case 0:
        return {w, rundeGerade(cy + (w - cx) * t)};
    case 1:
        return {rundeGerade(cx + (h - cy) / t), h};
    case 2:
        return {-1, rundeGerade(cy - cx * t)};
    default:
        return {rundeGerade(cx - cy / t), -1};
    }
}

QPoint ecke(int klasse, int w, int h)
{
    switch (klasse) {
    case 0:
        return {w, h};
    case 1:
        return {-1, h};
    case 2:
        return {-1, -1};
    default:
        return {w, -1};
    }
}

} // namespace

Sektor sektorPolygon(int k, int n, int w, int h)
{
    Sektor s;
    if (k < 0 || k >= n) {
        s.status = SektorStatus::FalscherParameter;
        return s;
    }
    if (w <= 0 || h <= 0) {
        s.status = SektorStatus::LeereFlaeche;
        return s;
    }
    constexpr double pi = std::numbers::pi;
    const int cx = rundeGerade(w / 2.0);
    const int cy = rundeGerade(h / 2.0);
    const double theta1 = 2.0 * k * pi / n;
    const double theta2 = 2.0 * (k + 1) * pi / n;
    const double a = std::atan(static_cast<double>(w) / h);
    const int c1 = kantenklasse(theta1, a);
    const int c2 = kantenklasse(theta2, a);
    const QPoint m(cx, cy);
    const QPoint e1 = randpunkt(c1, theta1, cx, cy, w, h);
    const QPoint e2 = randpunkt(c2, theta2, cx, cy, w, h);

    if (c2 == c1) {
        s.punkte = QPolygon({m, e1, e2, m});
    } else if (c2 == (c1 + 1) % 4) {
        s.punkte = QPolygon({m, e1, ecke(c1, w, h), e2, m});
    } else {
        s.status = SektorStatus::ZuWenigeSektoren;
        return s;
    }
    s.status = SektorStatus::Polygon;
    return s;
}

void Sektorliste::fuer(int n, int w, int h)
{
    if (n == m_n && w == m_w && h == m_h)
        return;
    m_n = n;
    m_w = w;
    m_h = h;
    m_sektoren.assign(size_t(std::clamp(n, 0, MaxSektoren)), std::nullopt);
}

std::optional<QRegion> offeneTeile(int n, const QRect& flaeche, const std::function<const Sektor&(int)>& sektor,
                                   const std::function<bool(int)>& verdeckt)
{
    constexpr int HoechstensOffen = 8;
    QRegion offen;
    int offene = 0;
    for (int k = 0; k < n; ++k) {
        const Sektor& s = sektor(k);
        if (s.status != SektorStatus::Polygon)
            return std::nullopt;
        if (!verdeckt(k)) {
            if (++offene > HoechstensOffen)
                return std::nullopt;
            offen |= s.punkte.boundingRect().adjusted(-2, -2, 2, 2) & flaeche;
        }
    }
    return offen;
}

const Sektor& Sektorliste::sektor(int k)
{
    auto& eintrag = m_sektoren[size_t(k)];
    if (!eintrag)
        eintrag = sektorPolygon(k, m_n, m_w, m_h);
    return *eintrag;
}
