#include "abbild.h"

#include <QPainter>
#include <utility>

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

void zeichneAbdeckung(QPainter& maler, QSize flaeche, int n, const QList<bool>& verdeckt)
{
    richteAbdeckungEin(maler);
    for (int k = 0; k < std::min<int>(n, int(verdeckt.size())); ++k) {
        if (!verdeckt[k])
            continue;
        const Sektor s = sektorPolygon(k, n, flaeche.width(), flaeche.height());
        if (s.status == SektorStatus::Polygon)
            maler.drawPolygon(s.punkte, Qt::OddEvenFill);
    }
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
