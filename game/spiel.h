#pragma once
// The game rules: the handlers of the main window's buttons and start-up steps,
// as plain code over Spielstand. The window forwards its events here.

#include <QString>

struct Spielstand;
class Spielanzeige;
class Bildflaeche;
class Fenster;
class Meldungen;
class Zufall;
class Klangausgabe;
enum class Klang;

class Spiel {
public:
    Spiel(Spielstand& st, Spielanzeige& anzeige, Bildflaeche& bild, Fenster& fenster,
          Meldungen& meldungen, Zufall& zufall);

    // First activation of the window (FormActivate's start-up steps).
    void startschritte();

    void BNeuesBildClick();
    void BWeiterClick();
    void BAntwortClick(int tag);
    void BRichtigClick();
    void BFalschClick();
    void BPunkteEingebenClick();
    void Button1Click();

    // Where the sound cues go; none by default.
    void setzeKlangausgabe(Klangausgabe* klaenge) { m_klaenge = klaenge; }

    // The start-up steps have run (they run once only).
    bool gestartet() const { return m_gestartet; }

    // These raise VarnoFehler for the caller's exception box; the window wraps
    // every call in alsEreignis().
private:
    void wendeFenstergroesseAn();
    void beendeBildOhneGewinner();
    bool istGruppe(int g) const;
    void klinge(Klang klang);

    Spielstand& m_st;
    Spielanzeige& m_anzeige;
    Bildflaeche& m_bild;
    Fenster& m_fenster;
    Meldungen& m_meldungen;
    Zufall& m_zufall;
    Klangausgabe* m_klaenge = nullptr;
    bool m_gestartet = false;   // the start-up steps run once only
};
