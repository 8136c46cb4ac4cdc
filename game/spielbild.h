#pragma once
// What a view of the game needs to know at any moment, as one read-only
// picture, and what just happened, as a domain event. The rules build the
// picture afresh from Spielstand and their own few flags for every
// announcement, so it cannot drift from the state it shows.

#include <QList>
#include <QString>

// The phase of the current picture, in place of the sentinels of AktiveGruppe
// and VerdecktZahl.
enum class Bildphase {
    Einstellungen,   // the settings are not confirmed yet (OK has not succeeded), no picture
    Bereit,          // no picture in play; "Neues Bild" starts the next one
    Angekuendigt,    // a new picture, fully covered; claims wait for the first reveal
    Offen,           // revealing; claims accepted
    Antwort,         // a group has claimed and awaits the verdict
    Erschoepft,      // the last picture is over, the list has ended
    Vorschau,        // test mode: the picture shows uncovered, nobody claims
};

struct Gruppenbild {
    QString name;
    int punkte = 0;
    bool darfAnsprechen = false;  // its claim would be accepted now
    bool raus = false;            // out of the guessing for this picture
    bool eingabeOffen = false;    // its field of the hand correction is open

    bool operator==(const Gruppenbild&) const = default;
};

struct Spielbild {
    Bildphase phase = Bildphase::Einstellungen;
    bool jedeGruppeTippt = false;  // every group still in may claim; else one at a time
    bool testmodus = false;
    int amZug = -1;          // one-at-a-time mode: whose turn it is; -1 nobody
    int antwortet = -1;      // the group awaiting the verdict (phase Antwort); -1 nobody
    int punkteImAngebot = 0; // what a right answer earns now; 0 outside Offen and Antwort
    int sektoren = 0;
    QList<bool> verdeckt;    // per sector of the current picture: still covered
    int bildnummer = 0;      // pictures begun so far (the entry counter); 0 before the first
    bool listeZuEnde = false;     // the last entry has begun; no further picture
    bool korrekturLaeuft = false; // "Eingabe fertig" is shown instead of "Punkte eingeben"
    QList<Gruppenbild> gruppen;   // in scoreboard order

    int verdecktZahl() const { return int(verdeckt.count(true)); }
    bool operator==(const Spielbild&) const = default;
};

enum class Ereignisart {
    BildBegonnen,         // a new picture, covered (or shown at once in test mode)
    Aufgedeckt,           // one sector uncovered: `sektor`
    Anspruch,             // `gruppe` claims the turn
    Urteil,               // `gruppe` judged: `richtig`, `punkte` gained (negative: the penalty)
    BildEndeMitGewinner,  // `gruppe` answered right; the whole picture shows
    BildEndeOhneGewinner, // the last sector uncovered, nobody scores
    ListeZuEnde,          // the last entry has begun; no picture follows it
    KorrekturBegonnen,    // the score fields open with the current scores
    KorrekturAngewandt,   // the typed scores are taken over (up to a failing field)
    EinstellungenBestaetigt, // OK: the settings panel closes for good
    UrteilZurueckgenommen,   // the last verdict taken back: `gruppe`, `richtig` as it was
                             // given, `punkte` its score changes by now; it answers again
};

struct Spielereignis {
    Ereignisart art;
    int gruppe = -1;
    int punkte = 0;
    bool richtig = false;
    int sektor = -1;
};

// A view of the game: any number of them hear every announcement, in the order
// they were added, after the rules have changed the state.
class Spielbeobachter {
public:
    virtual ~Spielbeobachter() = default;
    virtual void geschehen(const Spielereignis& ereignis, const Spielbild& bild) = 0;
};

// For messages and test output: "Urteil 2 richtig +17" and the like.
QString beschreibe(const Spielereignis& ereignis);
QString beschreibe(Bildphase phase);
