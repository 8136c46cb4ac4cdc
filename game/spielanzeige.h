#pragma once
// The control states the game rules change. The window implements it; tests
// use a recording fake.

#include <QString>

enum class Knopf { NeuesBild, Weiter, Richtig, Falsch, PunkteEingeben, EingabeFertig };

enum class Panelfarbe { Knopfflaeche, Hellgelb, Silber };  // button face, 0xC8FFFF, 0xC0C0C0

class Spielanzeige {
public:
    virtual ~Spielanzeige() = default;

    virtual void setzeSichtbar(Knopf knopf, bool sichtbar) = 0;
    virtual bool istSichtbar(Knopf knopf) const = 0;
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
    virtual bool istEingabeSichtbar(int i) const = 0;
    virtual void setzeEingabeText(int i, const QString& text) = 0;
    virtual QString eingabeText(int i) const = 0;

    // Settings panel.
    virtual bool istEinstellungenSichtbar() const = 0;
    // Hides the panel and repaints the window at once.
    virtual void verbergeEinstellungen() = 0;
    virtual QString strafpunkteText() const = 0;
    virtual QString sektorenText() const = 0;
    virtual bool jedeGruppeTipptGewaehlt() const = 0;

    // Application icon := the window's icon (start-up step 7).
    virtual void setzeAnwendungsSymbol() = 0;
};
