#pragma once
// The game rules: the handlers of the main window's buttons and start-up steps,
// as plain code over Spielstand. The window forwards its events here, with
// whatever it holds that the rules need (the panel's fields, the typed scores);
// the rules set the window's controls through Spielanzeige and announce every
// change to their listeners.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "core/spielstand.h"
#include "spielbild.h"

class Spielanzeige;
class Bildflaeche;
class Fenster;
class Meldungen;
class Zufall;
struct Panelwerte;

// An answer button's tag is this plus its group's index.
constexpr int AntwortTagBasis = 100;

// "Hierfür gibt es … Punkte." for what a right answer earns now; empty below 1.
QString punkteAngebotText(int punkte);

class Spiel {
public:
    Spiel(Spielstand& st, Spielanzeige& anzeige, Bildflaeche& bild, Fenster& fenster,
          Meldungen& meldungen, Zufall& zufall);

    // First activation of the window (FormActivate). With the settings panel
    // hidden, OK runs at once on the values the reader put into it.
    void startschritte(bool einstellungenOffen, const Panelwerte& panel);

    void BNeuesBildClick();
    void BWeiterClick();
    void BAntwortClick(int tag);
    void BRichtigClick();
    void BFalschClick();
    // `eingaben`: the score fields' texts, one per group, as typed.
    void BPunkteEingebenClick(const QStringList& eingaben);
    void Button1Click(const Panelwerte& panel);

    // The quiz master's tools beyond the buttons. Each returns whether it did
    // anything; outside the phases it is meant for it changes nothing.
    // End: the picture in play ends without a winner, as if its last sector
    // had been uncovered.
    bool beendeBild();
    // Ctrl+Z: the state just before the last verdict of this picture, once.
    bool nimmUrteilZurueck();
    // Closing the window now would throw a game away: a picture has begun and
    // the list has not ended.
    bool spielLaeuft() const;

    // The name of scoreboard row i, as the settings reader created it.
    void nenneGruppe(int i, const QString& name);

    // Listeners hear every announcement after the ones added before them.
    void beobachte(Spielbeobachter& beobachter);
    // What a view shows now.
    Spielbild bild() const;

    // The picture in play and the next entry's are decoded ahead for every view
    // now registered (a view that opens asks for this).
    void bereiteBilderVor();
    // The window's picture area has a new size: the picture still to be
    // revealed and the next entry's are fitted to it ahead.
    void groesseGeaendert();

    // The start-up steps have run (they run once only).
    bool gestartet() const { return m_gestartet; }

    // These raise VarnoFehler for the caller's exception box; the window wraps
    // every call in alsEreignis().
private:
    // What a verdict changes, kept from just before it so that it can be
    // taken back; the window's sizes are not in it, a resize may come between.
    struct VorDemUrteil {
        int gruppe = -1;
        bool richtig = false;
        int punkteDanach = 0;
        std::array<bool, MaxSektoren> verdeckt{};
        int verdecktZahl = 0;
        std::array<int, GruppenSlots> punktestand{}, startpool{}, imSpiel{}, dranZaehler{};
        int startpoolZahl = 0, imSpielZahl = 0;
        int amZug = -1;
        std::array<bool, GruppenSlots> raus{};
    };

    Bildphase phase() const;
    void merkeVorDemUrteil(bool richtig);
    void zeigeAntwortphase();
    void wendeFenstergroesseAn();
    void bereiteNaechstesVor();
    void beendeBildOhneGewinner();
    bool istGruppe(int g) const;
    bool istRaus(int g) const;
    void melde(const Spielereignis& ereignis);

    Spielstand& m_st;
    Spielanzeige& m_anzeige;
    Bildflaeche& m_bild;
    Fenster& m_fenster;
    Meldungen& m_meldungen;
    Zufall& m_zufall;
    std::vector<Spielbeobachter*> m_beobachter;

    // What the rules know beyond Spielstand.
    bool m_gestartet = false;          // the start-up steps run once only
    bool m_einstellungenOffen = true;  // until OK succeeds, whether the panel shows or not
    bool m_listeZuEnde = false;        // "Neues Bild" is gone for good
    int m_bildnummer = 0;              // pictures begun
    int m_amZug = -1;                  // one-at-a-time mode: whose answer button shows
    std::array<bool, GruppenSlots> m_raus{};          // every-group mode: answered wrong on this picture
    std::array<bool, GruppenSlots> m_eingabeOffen{};  // the hand correction's open fields
    std::array<QString, GruppenSlots> m_namen;
    std::optional<VorDemUrteil> m_vorDemUrteil;   // one step; gone with the picture
};
