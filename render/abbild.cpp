#include "abbild.h"

#include <QPainter>
#include <QRegion>
#include <utility>
#include <vector>

#include "core/meldungen.h"
#include "darstellung.h"
#include "pixel.h"
#include "sektor.h"

void zeichneAbdeckung(QImage& ziel, int n, const QList<bool>& verdeckt)
{
    if (ziel.isNull())
        return;
    QPainter maler(&ziel);
    zeichneAbdeckung(maler, ziel.size(), n, verdeckt);
}

namespace {

// The covered sectors of the first `anzahl`, sektor(k) giving sector k.
template <typename Sektorquelle>
void zeichneVerdeckte(QPainter& maler, int anzahl, const QList<bool>& verdeckt, const Sektorquelle& sektor)
{
    richteAbdeckungEin(maler);
    for (int k = 0; k < anzahl; ++k) {
        if (!verdeckt[k])
            continue;
        const Sektor& s = sektor(k);
        if (s.status == SektorStatus::Polygon)
            maler.drawPolygon(s.punkte, Qt::OddEvenFill);
    }
}

}  // namespace

void zeichneAbdeckung(QPainter& maler, QSize flaeche, int n, const QList<bool>& verdeckt)
{
    zeichneVerdeckte(maler, std::min<int>(n, int(verdeckt.size())), verdeckt,
                     [&](int k) { return sektorPolygon(k, n, flaeche.width(), flaeche.height()); });
}

void maleUnterAbdeckung(QPainter& maler, const QImage& bild, QSize flaeche, int n, const QList<bool>& verdeckt)
{
    if (n <= 0 || verdeckt.size() < n || bild.size() != flaeche) {
        maler.drawImage(QPoint(0, 0), bild);
        zeichneAbdeckung(maler, flaeche, n, verdeckt);
        return;
    }
    // Each sector computed once, for the parts to copy and for the cover.
    std::vector<Sektor> sektoren;
    sektoren.reserve(size_t(n));
    for (int k = 0; k < n; ++k)
        sektoren.push_back(sektorPolygon(k, n, flaeche.width(), flaeche.height()));
    const auto sektor = [&](int k) -> const Sektor& { return sektoren[size_t(k)]; };
    const std::optional<QRegion> offen = offeneTeile(n, bild.rect(), sektor, [&](int k) { return verdeckt[k]; });
    if (!offen) {
        maler.drawImage(QPoint(0, 0), bild);
    } else {
        for (const QRect& r : *offen)
            maler.drawImage(r.topLeft(), bild, r);
    }
    zeichneVerdeckte(maler, n, verdeckt, sektor);
}

std::optional<QRect> offenUeberGrau(QSize flaeche, int n, const QList<bool>& verdeckt)
{
    if (n <= 0 || verdeckt.size() < n)
        return std::nullopt;
    Sektor s;
    const std::optional<QRegion> offen = offeneTeile(
        n, QRect(QPoint(0, 0), flaeche),
        [&](int k) -> const Sektor& { return s = sektorPolygon(k, n, flaeche.width(), flaeche.height()); },
        [&](int k) { return verdeckt[k]; });
    if (!offen)
        return std::nullopt;
    return offen->boundingRect();
}

QImage Abbild::bild(const QString& pfad, const QString& code, QSize groesse, qreal verhaeltnis)
{
    if (groesse.isEmpty())
        return {};
    // A reveal changes only the cover: the fitted picture serves again.
    if (pfad == m_pfad && code == m_code && m_bild.size() == groesse && m_verhaeltnis == verhaeltnis)
        return m_bild;
    m_pfad = pfad;
    m_code = code;
    m_verhaeltnis = verhaeltnis;
    m_vorrat.gibFrei(std::exchange(m_bild, QImage()));
    if (!pfad.isEmpty()) {
        try {
            m_bild = m_vorrat.eingepasst(groesse, pfad, code, verhaeltnis);
        } catch (const VarnoFehler&) {
        }
    }
    if (m_bild.isNull()) {
        m_bild = QImage(groesse, QImage::Format_RGB32);
        m_bild.fill(Farbe::Grau);
    }
    return m_bild;
}
