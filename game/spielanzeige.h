#pragma once
// The main window's control states, as the rules set them. It only receives:
// whatever the rules need to know they keep themselves or are handed as
// arguments. Tests use a recording fake.

#include <QString>

enum class Knopf { NeuesBild, Weiter, Richtig, Falsch, PunkteEingeben, EingabeFertig };

enum class Panelfarbe { Knopfflaeche, Hellgelb, Silber };  // button face, 0xC8FFFF, 0xC0C0C0

class Spielanzeige {
public:
    virtual ~Spielanzeige() = default;

    virtual void setzeSichtbar(Knopf knopf, bool sichtbar) = 0;
    virtual void setzeAktiv(Knopf knopf, bool aktiv) = 0;

    // The points label LPunkte.
    virtual void setzePunkteLabelText(const QString& text) = 0;
    virtual void setzePunkteLabelSichtbar(bool sichtbar) = 0;

    // Scoreboard row i.
    virtual void setzeGruppenFarbe(int i, Panelfarbe farbe) = 0;
    virtual void setzeAntwortSichtbar(int i, bool sichtbar) = 0;
    virtual void setzeAntwortAktiv(int i, bool aktiv) = 0;
    virtual void setzePunkteText(int i, const QString& text) = 0;
    virtual void setzeEingabeSichtbar(int i, bool sichtbar) = 0;
    virtual void setzeEingabeText(int i, const QString& text) = 0;

    // Hides the settings panel and repaints the window at once.
    virtual void verbergeEinstellungen() = 0;

    // The application's icon becomes the window's.
    virtual void setzeAnwendungsSymbol() = 0;
};
