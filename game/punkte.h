#pragma once
// Scores: the automatic award and penalty, and the correction by hand.

struct Spielstand;
class Spielanzeige;

// A right answer earns one point less than the sectors still covered.
void vergebePunkte(Spielstand& st, Spielanzeige& anzeige, int g);

// A wrong answer costs the penalty points.
void zieheStrafpunkteAb(Spielstand& st, Spielanzeige& anzeige, int g);

// "Punkte eingeben" / "Eingabe fertig". Throws VarnoFehler for a field that is
// no integer; the groups before it keep their new scores.
void punkteEingeben(Spielstand& st, Spielanzeige& anzeige);
