#pragma once
// Reading "Varno.ini" from the top as far as the first picture entry.

#include <QString>

struct Spielstand;
class Meldungen;

// What the reader writes into the window: the settings panel's fields and the
// scoreboard rows. The window implements it; tests record the calls.
class Einstellungsziel {
public:
    virtual ~Einstellungsziel() = default;
    // Text of the sector-count field and the hint the update of that text
    // (Edit2Change) gave; the reader has run it, so Sektorenzahl is set.
    virtual void setzeSektorenText(const QString& text, const QString& hinweis) = 0;
    // Text of the penalty-points field.
    virtual void setzeStrafpunkteText(const QString& text) = 0;
    // Selects item 1 ("jede Gruppe, die noch im Spiel ist") for true, item 0 for false.
    virtual void setzeJedeGruppeTippt(bool jede) = 0;
    // Hides the settings panel (seventh setting 0).
    virtual void verbergeEinstellungen() = 0;
    // Creates scoreboard row i (0, 1, 2, ...) for the name exactly as read.
    virtual void erzeugeGruppe(int index, const QString& name) = 0;
    // Places the fixed buttons of the column relative to the first row.
    virtual void platziereSpalte() = 0;
};

// Reads the settings file at the given path into the game state; errors are
// shown through the messages and set StartFehler (a missing file excepted).
// Leaves st.Einstellungsdatei positioned at the first picture entry.
void liesEinstellungen(Spielstand& st, Einstellungsziel& ziel, Meldungen& meldungen,
                       const QString& pfad = QStringLiteral("Varno.ini"));
