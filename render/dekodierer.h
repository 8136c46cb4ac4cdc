#pragma once
// Decoding a picture file into a Dekodiert, on the window's thread or ahead on
// a worker thread of its own, so that the click that shows the picture finds it
// decoded (and fitted to each view's area) already.

#include <QImage>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <exception>
#include <memory>
#include <optional>
#include <vector>

#include "darstellung.h"
#include "exif.h"

// Decodes the file datei (resolved) as its extension says: a bitmap whole, a
// JPEG at the scale and in the part b asks for, turned upright. voll and
// orientierung come from the JPEG's header. The buffer of alt is used again
// where it fits. Throws VarnoFehler, naming the file as anzeigePfad.
// Once abbruch is set, a JPEG stops decoding and what is returned is incomplete.
Dekodiert dekodiereBild(const QString& datei, const QString& anzeigePfad, QSize voll, Orientierung orientierung,
                        const Bedarf& b, QImage alt = {}, const std::atomic<bool>* abbruch = nullptr);

// Where a view shows a picture: its area in device pixels, and device pixels per logical one.
struct Sichtbereich {
    QSize groesse;
    qreal verhaeltnis = 1.0;
};

// What one decode ahead is asked for: plain values, copied before the worker sees them.
struct Vorabwunsch {
    QString datei;
    QString anzeigePfad;
    QSize voll;
    Orientierung orientierung = 1;
    Bedarf bedarf;
    QString code;
    std::vector<Sichtbereich> bereiche;   // one per view: the picture fitted to each
    // The picture the window's thread keeps when it serves every view: only
    // the fitting is left to do. Shared, and only read on the worker.
    std::optional<Dekodiert> dekodiert;
};

struct Vorabergebnis {
    Dekodiert bild;
    std::vector<QImage> eingepasst;   // in the order of Vorabwunsch::bereiche
    std::exception_ptr fehler;        // set instead of the above when decoding failed
};

// One worker thread from a pool of its own; the jobs run one at a time in the
// order they were given. Everything a job touches is its own: the wish, copied
// in, and the result, handed back under the lock. The window's thread only ever
// waits for a job it has given.
class Vorabdekodierer {
public:
    struct Auftrag;
    Vorabdekodierer();
    ~Vorabdekodierer();   // drops what waits and waits for what runs
    Vorabdekodierer(const Vorabdekodierer&) = delete;
    Vorabdekodierer& operator=(const Vorabdekodierer&) = delete;

    std::shared_ptr<Auftrag> gib(Vorabwunsch wunsch);
    // Waits until the job has run and takes its result (once).
    Vorabergebnis hole(const std::shared_ptr<Auftrag>& auftrag);
    // Nobody will take the result: a waiting job is skipped; one already running
    // stops decoding before its next rows and its result is dropped on the worker.
    void verwirf(const std::shared_ptr<Auftrag>& auftrag);
    // A job waits or runs.
    bool beschaeftigt() const;
    // This job has run: taking its result does not wait.
    bool fertig(const std::shared_ptr<Auftrag>& auftrag) const;
    // Lets go of a picture on the worker thread, where giving a large buffer
    // back to the system (munmap, a few milliseconds for a projector-sized
    // one) costs the window's thread nothing. Only a picture nobody else holds
    // goes there, before the next job; a shared or small one is let go here.
    void gibFrei(QImage bild);

    struct Werkstatt;

private:
    void starte();

    std::shared_ptr<Werkstatt> m_werkstatt;
    QThreadPool m_pool;
    bool m_gestartet = false;
};
