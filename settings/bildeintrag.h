#pragma once
// Picture entries of the settings file: one per "Neues Bild".

#include <QSize>
#include <QString>
#include <functional>
#include <optional>

struct Spielstand;
class Meldungen;
class Zeilenleser;

// Splits the "?x" positioning suffix off an entry. True: usable, code holds the
// letter or is empty. False: malformed suffix, entry unchanged, code empty.
bool PositionAbtrennen(QString& eintrag, QString& code);

// What reading an entry needs of the picture area when each picture keeps its own aspect.
struct Bildvermesser {
    std::function<void()> fuelleGrau;                   // paints the visible picture grey
    std::function<QSize(const QString& pfad)> miss;     // loads and measures; throws VarnoFehler
};

// Reads the next usable entry. True: BildDatei, BildPosition, SeitenX and
// SeitenY describe the new picture. False: a message was shown.
// A decoding error while measuring propagates as VarnoFehler.
bool BildEintragLesen(Spielstand& st, Meldungen& meldungen, const Bildvermesser& vermesser);

// How many entries the list holds from the reader's place on, counted on a copy
// (the lines BildEintragLesen would take, usable or not), so that a view can say
// "Bild 3 von 12" before the entries are read.
int zaehleBildeintraege(const Zeilenleser& datei);

// The picture the next BildEintragLesen would begin: its path and code, when
// that entry is usable, names an existing file and has a picture's extension.
// Reads on a copy of the reader, so nothing is used up and nothing is shown.
struct Bildvorschau {
    QString pfad;
    QString code;
};
std::optional<Bildvorschau> NaechsterBildEintrag(const Spielstand& st);
