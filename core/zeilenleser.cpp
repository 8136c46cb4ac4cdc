#include "zeilenleser.h"

#include "pfade.h"

#include "hilfen.h"

#include <QFile>

namespace {

// Strict UTF-8 (RFC 3629): no overlong forms, no surrogates, nothing above U+10FFFF.
bool istUtf8(const QByteArray& daten)
{
    const auto* p = reinterpret_cast<const unsigned char*>(daten.constData());
    const auto* const ende = p + daten.size();
    while (p < ende) {
        const unsigned char b = *p;
        if (b < 0x80) {
            ++p;
            continue;
        }
        int folge = 0;
        unsigned char min = 0x80, max = 0xBF;   // range of the first continuation byte
        if (b >= 0xC2 && b <= 0xDF) {
            folge = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            folge = 2;
            if (b == 0xE0)
                min = 0xA0;
            else if (b == 0xED)
                max = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            folge = 3;
            if (b == 0xF0)
                min = 0x90;
            else if (b == 0xF4)
                max = 0x8F;
        } else {
            return false;
        }
        if (ende - p <= folge)
            return false;
        if (p[1] < min || p[1] > max)
            return false;
        for (int i = 2; i <= folge; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
        }
        p += folge + 1;
    }
    return true;
}

bool hatHoheBytes(const QByteArray& daten)
{
    for (const char c : daten) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    }
    return false;
}

}  // namespace

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
    // Ctrl+Z marks the end of a text file, whatever follows it. It never
    // occurs inside a UTF-8 sequence, so cutting first is safe for both encodings.
    const qsizetype ende = m_daten.indexOf('\x1a');
    if (ende >= 0)
        m_daten.truncate(ende);
    // A mark is never meant as text, so it goes whatever the rest turns out to be.
    m_bom = m_daten.startsWith("\xEF\xBB\xBF");
    if (m_bom)
        m_daten.remove(0, 3);
    // Windows-1252 text passes as UTF-8 only if every accented letter or "ß"
    // in it is followed by one to three symbols from 0x80..0xBF ("ß»", "Ä°")
    // and no such symbol stands elsewhere; one umlaut before a plain letter
    // breaks it. So a whole file that passes is taken as UTF-8.
    if (!hatHoheBytes(m_daten))
        m_zeichensatz = m_bom ? Zeichensatz::Utf8 : Zeichensatz::Ascii;
    else
        m_zeichensatz = istUtf8(m_daten) ? Zeichensatz::Utf8 : Zeichensatz::Windows1252;
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
    const char* const anfang = m_daten.constData();
    const qsizetype groesse = m_daten.size();
    qsizetype ende = m_pos;
    while (ende < groesse && anfang[ende] != '\r' && anfang[ende] != '\n')
        ++ende;
    const QByteArray bytes = QByteArray::fromRawData(anfang + m_pos, ende - m_pos);
    const QString zeile = m_zeichensatz == Zeichensatz::Utf8 ? QString::fromUtf8(bytes) : ausWindows1252(bytes);
    m_pos = ende;
    if (m_pos < groesse) {
        // CR LF is one line end; CR alone and LF alone are one each.
        if (anfang[m_pos] == '\r' && m_pos + 1 < groesse && anfang[m_pos + 1] == '\n')
            ++m_pos;
        ++m_pos;
    }
    return zeile;
}

Zeilenenden Zeilenleser::zeilenenden() const
{
    Zeilenenden z;
    const qsizetype groesse = m_daten.size();
    for (qsizetype i = 0; i < groesse; ++i) {
        const char c = m_daten.at(i);
        if (c == '\r') {
            if (i + 1 < groesse && m_daten.at(i + 1) == '\n') {
                ++z.crlf;
                ++i;
            } else {
                ++z.cr;
            }
        } else if (c == '\n') {
            ++z.lf;
        }
    }
    return z;
}
