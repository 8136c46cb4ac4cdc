#pragma once
// Sequential reader of the settings file. The encoding is decided once for the
// whole file: valid UTF-8 holding a byte above 127 (or behind a byte-order
// mark) is UTF-8, anything else Windows-1252. A leading byte-order mark is
// skipped. CR LF, CR and LF each end a line; byte 26 ends the file; lines have
// no length limit and reading past the end yields empty lines.

#include <QByteArray>
#include <QString>

enum class Zeichensatz {
    Ascii,         // no byte above 127: both readings agree
    Windows1252,
    Utf8,
};

// How the lines of a file end, counted over the whole file.
struct Zeilenenden {
    int crlf = 0;
    int cr = 0;
    int lf = 0;
};

class Zeilenleser {
public:
    // Opens and reads the whole file (up to a byte 26). False if it cannot be read.
    bool oeffne(const QString& pfad);
    // Reads from bytes held in memory instead of a file (tests, the checker tool).
    void oeffneDaten(const QByteArray& daten);
    bool istOffen() const { return m_offen; }
    // True when no further line can be read (the file's Eof).
    bool amEnde() const;
    // The next line in the file's encoding; an empty text past the end.
    QString liesZeile();
    // Number of lines read so far, counting reads past the end too.
    int gelesenZeilen() const { return m_zeilen; }

    Zeichensatz zeichensatz() const { return m_zeichensatz; }
    bool hatteBom() const { return m_bom; }
    Zeilenenden zeilenenden() const;

private:
    QByteArray m_daten;
    qsizetype m_pos = 0;
    int m_zeilen = 0;
    bool m_offen = false;
    bool m_bom = false;
    Zeichensatz m_zeichensatz = Zeichensatz::Ascii;
};
