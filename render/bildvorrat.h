#pragma once
// Decoded pictures kept by file, so that a new layout or a second look at the
// same file costs no decode.

#include <QDateTime>
#include <QImage>
#include <QString>

class Bildvorrat {
public:
    // The picture of the file pfad names (resolved as findeDatei resolves it),
    // decoded as its extension says. The last picture is kept while its file's
    // resolved path, size, modification time and status-change time stay the
    // same. The reference holds until the next lade() or vergiss(). Throws
    // VarnoFehler when there is no such file or it cannot be decoded.
    const QImage& lade(const QString& pfad);

    // How many times a file has been decoded, failed attempts included.
    int dekodierZaehler() const { return m_dekodiert; }

    // Drops the kept picture, so that the next lade() decodes the file again.
    void vergiss();

private:
    // What tells one state of a file from another.
    struct Kennung {
        QString datei;
        qint64 groesse = -1;
        QDateTime geaendert;
        QDateTime statusGeaendert;
        bool operator==(const Kennung&) const = default;
    };

    Kennung m_kennung;
    QImage m_bild;
    bool m_gueltig = false;
    int m_dekodiert = 0;
};
