#include "bildvorrat.h"

#include <QFileInfo>

#include "bildladen.h"
#include "core/meldungen.h"
#include "core/pfade.h"

const QImage& Bildvorrat::lade(const QString& pfad)
{
    const QString datei = findeDatei(pfad);
    if (datei.isEmpty())
        throw VarnoFehler(oeffnenFehlerText(pfad));
    const QFileInfo info(datei);
    const Kennung kennung{datei, info.size(), info.lastModified(), info.metadataChangeTime()};
    if (m_gueltig && m_kennung == kennung)
        return m_bild;

    // A JPEG of the old picture's size decodes into its buffer; should the
    // decode fail, nothing is kept.
    m_gueltig = false;
    QImage alt = std::move(m_bild);
    m_bild = QImage();
    ++m_dekodiert;
    m_bild = ladeBild(datei, pfad, std::move(alt));
    m_kennung = kennung;
    m_gueltig = true;
    return m_bild;
}

void Bildvorrat::vergiss()
{
    m_kennung = Kennung();
    m_bild = QImage();
    m_gueltig = false;
}
