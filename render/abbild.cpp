#include "abbild.h"

#include <QPainter>
#include <QRegion>
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

void maleUnterAbdeckung(QPainter& maler, const QImage& bild, QSize flaeche, int n, const QList<bool>& verdeckt)
{
    // Past a few open sectors their union costs more than the copy it saves.
    constexpr int HoechstensOffen = 8;
    QRegion offen;
    int offene = 0;
    bool ganz = n <= 0 || verdeckt.size() < n || bild.size() != flaeche;
    for (int k = 0; k < n && !ganz; ++k) {
        const Sektor s = sektorPolygon(k, n, flaeche.width(), flaeche.height());
        // A sector the cover leaves unpainted shows the picture wherever it lies.
        if (s.status != SektorStatus::Polygon)
            ganz = true;
        else if (!verdeckt[k] && ++offene <= HoechstensOffen)
            // A pixel's margin for the outline's rounding.
            offen |= s.punkte.boundingRect().adjusted(-2, -2, 2, 2) & bild.rect();
    }
    if (ganz || offene > HoechstensOffen) {
        maler.drawImage(QPoint(0, 0), bild);
    } else {
        for (const QRect& r : offen)
            maler.drawImage(r.topLeft(), bild, r);
    }
    zeichneAbdeckung(maler, flaeche, n, verdeckt);
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
