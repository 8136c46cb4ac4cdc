#include "zeilenleser.h"

#include "pfade.h"

#include "hilfen.h"

#include <QFile>

bool Zeilenleser::oeffne(const QString& pfad)
{
    QFile datei;
    if (!oeffneRegulaereDatei(datei, pfad))
        return false;
    oeffneDaten(datei.readAll());
    return true;
}

void Zeilenleser::oeffneDaten(const QByteArray& daten)
{
    m_daten = daten;
    // Ctrl+Z marks the end of a text file, whatever follows it.
    const qsizetype ende = m_daten.indexOf('\x1a');
    if (ende >= 0)
        m_daten.truncate(ende);
    m_pos = 0;
    m_zeilen = 0;
    m_offen = true;
}

bool Zeilenleser::amEnde() const
{
    return m_pos >= m_daten.size();
}

QString Zeilenleser::liesZeile()
{
    ++m_zeilen;
    if (amEnde())
        return QString();
    qsizetype cr = m_daten.indexOf('\r', m_pos);
    if (cr < 0)
        cr = m_daten.size();
    const QString zeile = ausWindows1252(m_daten.mid(m_pos, cr - m_pos));
    m_pos = cr + 1;
    if (m_pos < m_daten.size() && m_daten.at(m_pos) == '\n')
        ++m_pos;
    if (m_pos > m_daten.size())
        m_pos = m_daten.size();
    return zeile;
}
