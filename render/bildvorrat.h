#pragma once
// Decoded pictures kept by file, so that a new layout or a second look at the
// same file costs no decode; JPEGs are decoded only as large as a layout needs.
// The picture about to be shown is decoded ahead on a worker thread, once, as
// large as the largest view needs it, and fitted to each view's area there.

#include <QDateTime>
#include <QImage>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "darstellung.h"
#include "dekodierer.h"

class Bildvorrat {
public:
    Bildvorrat();
    ~Bildvorrat();

    // The area a view fits a picture of the given upright full-scale size into,
    // in its device pixels. Called on the window's thread only, when a decode
    // ahead is asked for and when one is taken.
    using Bereichsregel = std::function<Sichtbereich(QSize voll)>;
    // A view that shows the pictures says how large; decodes ahead serve the
    // largest of all views still registered. Returns what meldeSichtAb takes.
    int meldeSicht(Bereichsregel regel);
    void meldeSichtAb(int sicht);

    // Starts decoding the file pfad names on the worker thread, for every
    // registered view, as lade() would decode it for that view's area. Shows
    // nothing and throws nothing: a file that cannot be read or decoded is
    // reported when lade() uses it, as if nothing had been decoded ahead. When
    // the kept picture serves every view, only fits it to the views' areas
    // there, and does nothing when each of them has its fitted picture. Asked
    // again after a view's area changed, it fits for the new one.
    void dekodiereVorab(const QString& pfad, const QString& code);
    // A decode ahead waits or runs on the worker thread.
    bool vorabLaeuft() const { return m_arbeiter.beschaeftigt(); }

    // The picture of the file pfad names (resolved as findeDatei resolves it),
    // decoded as its extension says, upright as its orientation tag says, with
    // at least the pixels an area of `bereich` shows under the positioning code
    // (a JPEG at the smallest scale that serves, only the part shown). A kept
    // picture serves while its file's resolved path, size, modification time and
    // status-change time stay the same and it holds enough pixels; a layout that
    // needs more decodes again. A decode ahead that serves is waited for, never
    // done twice. The reference holds until the next call or vergiss(). Throws
    // VarnoFehler when there is no such file or it cannot be decoded.
    const Dekodiert& lade(const QString& pfad, QSize bereich, const QString& code);
    // The whole picture at full scale, upright.
    const Dekodiert& ladeGanz(const QString& pfad);
    // lade() for ziel's size, then fitted into ziel as stelleBildDar does (or
    // the picture the worker fitted to that size from the same decode).
    void stelleDar(QImage& ziel, const QString& pfad, const QString& code, qreal verhaeltnis = 1.0);
    // The same as a picture of its own, shared with the store when the worker
    // fitted it: nothing of a projector's size is allocated or copied then.
    QImage eingepasst(QSize bereich, const QString& pfad, const QString& code, qreal verhaeltnis = 1.0);

    // The upright picture's size, from the header where it suffices (nothing
    // is decoded for a JPEG). Throws VarnoFehler as lade().
    QSize groesse(const QString& pfad);
    // The orientation tag of that file (1 when it has none or is no JPEG).
    Orientierung orientierung(const QString& pfad);

    // How many times a file has been decoded or given to the worker to decode,
    // failed attempts included (also a JPEG refused by its header alone).
    int dekodierZaehler() const { return m_dekodiert; }

    // Drops the kept pictures, so that the next lade() decodes the file again.
    void vergiss();

    // Lets go of a picture the caller is done with; one of a projector's size
    // that nobody else holds is given back to the system on the worker thread.
    void gibFrei(QImage bild) { m_arbeiter.gibFrei(std::move(bild)); }

private:
    // What tells one state of a file from another.
    struct Kennung {
        QString datei;
        qint64 groesse = -1;
        QDateTime geaendert;
        QDateTime statusGeaendert;
        bool operator==(const Kennung&) const = default;
    };

    struct Eingepasst {
        QString code;
        qreal verhaeltnis;
        QImage bild;
    };

    // One file's kept state. Two are kept: the picture in play and the next.
    struct Eintrag {
        Kennung kennung;             // the file the fields below describe
        bool kopfGueltig = false;    // voll and orientierung known
        QSize voll;
        Orientierung orientierung = 1;
        Dekodiert bild;
        bool bildGueltig = false;
        std::vector<Eingepasst> eingepasst;   // bild fitted to the views' areas
        std::shared_ptr<Vorabdekodierer::Auftrag> auftrag;   // a decode ahead not yet taken
        Bedarf auftragsBedarf;
        QString auftragsCode;
        std::vector<Sichtbereich> auftragsBereiche;
        quint64 benutzt = 0;         // when last asked for
        // The picture the worker fitted to that area, if it did.
        const QImage* fertig(QSize bereich, const QString& code, qreal verhaeltnis) const;
        // The job under way fits a picture to that area.
        bool auftragFuer(const Sichtbereich& s) const;
    };

    Kennung kennung(const QString& pfad) const;
    Eintrag& eintragFuer(const Kennung& k);
    void leere(Eintrag& e);
    // Lets go of the entry's decode and its fitted pictures, keeping the rest.
    void lassBildLos(Eintrag& e);
    void leseKopf(Eintrag& e, const QString& pfad);
    bool uebernimmVorab(Eintrag& e, const QString& pfad, const Bedarf& b, const QString& code);
    // What the registered views need of a picture of voll under code, and their areas.
    Bedarf gesamtBedarf(const QString& pfad, QSize voll, const QString& code,
                        std::vector<Sichtbereich>* bereiche = nullptr) const;
    void dekodiere(Eintrag& e, const QString& pfad, const Bedarf& b);
    Eintrag& bereit(const QString& pfad, const QString& code, const std::function<Bedarf(QSize voll)>& bedarfFuer);

    std::array<Eintrag, 2> m_eintraege;
    quint64 m_uhr = 0;
    std::map<int, Bereichsregel> m_sichten;
    int m_naechsteSicht = 1;
    int m_dekodiert = 0;
    Vorabdekodierer m_arbeiter;   // destroyed first: no job outlives the kept state
};
