#include "bildvorrat.h"

#include <QFileInfo>
#include <algorithm>

#include "bildladen.h"
#include "core/meldungen.h"
#include "core/pfade.h"

Bildvorrat::Kennung Bildvorrat::kennung(const QString& pfad) const
{
    const QString datei = findeDatei(pfad);
    if (datei.isEmpty())
        throw VarnoFehler(oeffnenFehlerText(pfad));
    const QFileInfo info(datei);
    return Kennung{datei, info.size(), info.lastModified(), info.metadataChangeTime()};
}

// Another file, or the same file changed: nothing kept describes it any more.
void Bildvorrat::leseKopf(const QString& pfad, const Kennung& k)
{
    if (m_kopfGueltig && m_kennung == k)
        return;
    vergiss();
    m_kennung = k;
    if (istBmp(pfad)) {
        dekodiere(pfad, Bedarf{});   // a bitmap is read whole, header and all
        return;
    }
    Bildkopf kopf;
    try {
        kopf = leseJpegKopf(k.datei, pfad);
    } catch (...) {
        ++m_dekodiert;   // a file refused by its header counts as one attempt
        throw;
    }
    m_orientierung = kopf.orientierung;
    m_voll = aufrechteGroesse(kopf.gespeichert, m_orientierung);
    m_kopfGueltig = true;
}

void Bildvorrat::dekodiere(const QString& pfad, const Bedarf& b)
{
    // Should the decode fail, nothing of the picture is kept.
    m_bildGueltig = false;
    QImage alt = std::move(m_bild.bild);
    m_bild = Dekodiert();
    ++m_dekodiert;
    if (istBmp(pfad)) {
        m_bild = alsGanzes(ladeBmp(m_kennung.datei, pfad));
        m_voll = m_bild.voll;
        m_orientierung = 1;
        m_kopfGueltig = true;
        m_bildGueltig = true;
        return;
    }
    // The part asked for in the stored picture, a scaled pixel wider on each
    // side for the filter at its edges.
    const QSize gespeichert = vertauschtSeiten(m_orientierung) ? m_voll.transposed() : m_voll;
    const int rand = (8 + b.achtel - 1) / b.achtel;
    const QRect teil = nachGespeichert(QRectF(b.teil), QSizeF(m_voll), m_orientierung)
                           .toAlignedRect()
                           .adjusted(-rand, -rand, rand, rand)
                       & QRect(QPoint(0, 0), gespeichert);
    const bool alles = teil == QRect(QPoint(0, 0), gespeichert);
    Jpegteil j = ladeJpegTeil(m_kennung.datei, pfad, Teilwunsch{b.achtel, alles ? QRect() : teil},
                              b.achtel == 8 && alles && m_orientierung == 1 ? std::move(alt) : QImage());
    // What the decoded pixels show, in full-scale pixels of the stored and then the upright picture.
    const double fx = double(j.voll.width()) / std::max(1, j.skaliert.width());
    const double fy = double(j.voll.height()) / std::max(1, j.skaliert.height());
    const QRectF gezeigt(j.ausschnitt.x() * fx, j.ausschnitt.y() * fy, j.ausschnitt.width() * fx,
                         j.ausschnitt.height() * fy);
    m_bild.quelle = nachAufrecht(gezeigt & QRectF(QPointF(0, 0), QSizeF(j.voll)), QSizeF(j.voll), m_orientierung);
    m_bild.bild = aufrecht(j.bild, m_orientierung);
    m_bild.voll = m_voll;
    m_bild.achtel = b.achtel;
    m_bildGueltig = true;
}

const Dekodiert& Bildvorrat::lade(const QString& pfad, QSize bereich, const QString& code)
{
    const Kennung k = kennung(pfad);
    leseKopf(pfad, k);
    const Bedarf b = bedarf(m_voll, bereich, code);
    if (!m_bildGueltig || !deckt(m_bild, b))
        dekodiere(pfad, b);
    return m_bild;
}

const Dekodiert& Bildvorrat::ladeGanz(const QString& pfad)
{
    const Kennung k = kennung(pfad);
    leseKopf(pfad, k);
    const Bedarf ganz{8, QRect(QPoint(0, 0), m_voll)};
    if (!m_bildGueltig || !deckt(m_bild, ganz))
        dekodiere(pfad, ganz);
    return m_bild;
}

QSize Bildvorrat::groesse(const QString& pfad)
{
    leseKopf(pfad, kennung(pfad));
    return m_voll;
}

Orientierung Bildvorrat::orientierung(const QString& pfad)
{
    leseKopf(pfad, kennung(pfad));
    return m_orientierung;
}

void Bildvorrat::vergiss()
{
    m_kennung = Kennung();
    m_kopfGueltig = false;
    m_voll = QSize();
    m_orientierung = 1;
    m_bild = Dekodiert();
    m_bildGueltig = false;
}
