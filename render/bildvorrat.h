#pragma once
// Decoded pictures kept by file, so that a new layout or a second look at the
// same file costs no decode; JPEGs are decoded only as large as a layout needs.

#include <QDateTime>
#include <QImage>
#include <QString>

#include "darstellung.h"

class Bildvorrat {
public:
    // The picture of the file pfad names (resolved as findeDatei resolves it),
    // decoded as its extension says, upright as its orientation tag says, with
    // at least the pixels an area of `bereich` shows under the positioning code
    // (a JPEG at the smallest scale that serves, only the part shown). The kept
    // picture serves while its file's resolved path, size, modification time and
    // status-change time stay the same and it holds enough pixels; a layout that
    // needs more decodes again. The reference holds until the next call or
    // vergiss(). Throws VarnoFehler when there is no such file or it cannot be
    // decoded.
    const Dekodiert& lade(const QString& pfad, QSize bereich, const QString& code);
    // The whole picture at full scale, upright.
    const Dekodiert& ladeGanz(const QString& pfad);

    // The upright picture's size, from the header where it suffices (nothing
    // is decoded for a JPEG). Throws VarnoFehler as lade().
    QSize groesse(const QString& pfad);
    // The orientation tag of that file (1 when it has none or is no JPEG).
    Orientierung orientierung(const QString& pfad);

    // How many times a file has been decoded, failed attempts included (also
    // a JPEG refused by its header alone).
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

    Kennung kennung(const QString& pfad) const;
    void leseKopf(const QString& pfad, const Kennung& k);
    void dekodiere(const QString& pfad, const Bedarf& b);

    Kennung m_kennung;           // the file the fields below describe
    bool m_kopfGueltig = false;  // voll and orientierung known
    QSize m_voll;
    Orientierung m_orientierung = 1;
    Dekodiert m_bild;
    bool m_bildGueltig = false;
    int m_dekodiert = 0;
};
