#pragma once
// Sequential reader of the single-byte settings file. A carriage return ends a
// line and swallows a directly following line feed; a lone line feed is an
// ordinary character; byte 26 ends the file; lines have no length limit and
// reading past the end yields empty lines.

#include <QByteArray>
#include <QString>

class Zeilenleser {
public:
    // Opens and reads the whole file (up to a byte 26). False if it cannot be read.
    bool oeffne(const QString& pfad);
    // Reads from bytes held in memory instead of a file (tests, the checker tool).
    void oeffneDaten(const QByteArray& daten);
    bool istOffen() const { return m_offen; }
    // True when no further line can be read (the file's Eof).
    bool amEnde() const;
    // The next line decoded from Windows-1252; an empty text past the end.
    QString liesZeile();
    // Number of lines read so far, counting reads past the end too.
    int gelesenZeilen() const { return m_zeilen; }

private:
    QByteArray m_daten;
    qsizetype m_pos = 0;
    int m_zeilen = 0;
    bool m_offen = false;
};
