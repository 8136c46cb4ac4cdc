#pragma once
// Scores: the automatic award and penalty, and the correction by hand.

#include <QStringList>
#include <array>

#include "core/spielstand.h"

class Spielanzeige;

// A right answer earns one point less than the sectors still covered.
void vergebePunkte(Spielstand& st, Spielanzeige& anzeige, int g);

// A wrong answer costs the penalty points.
void zieheStrafpunkteAb(Spielstand& st, Spielanzeige& anzeige, int g);

enum class Korrektur { Keine, Begonnen, Angewandt };
struct Korrekturschritt {
    Korrektur art = Korrektur::Keine;
    int fehlgruppe = -1;   // the first field that is no integer; it and the later ones stay open
};

// "Punkte eingeben" / "Eingabe fertig". Whether group 0's field is open
// decides: closed, every field opens with its group's score; open, the typed
// `eingaben` become the scores in order, up to the first that is no integer.
// `offen` is which fields are open; the rules keep it.
Korrekturschritt punkteEingeben(Spielstand& st, Spielanzeige& anzeige,
                                std::array<bool, GruppenSlots>& offen, const QStringList& eingaben);

// The message for a score field that is no integer.
QString keinIntegerText(const QString& eingabe);
