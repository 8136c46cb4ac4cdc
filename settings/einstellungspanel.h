#pragma once
// The settings panel's rules: the maximum-points hint and the checks of OK.

#include <QString>

struct Spielstand;
class Meldungen;

// The panel's fields as the quiz master left them when OK runs.
struct Panelwerte {
    QString strafpunkte;
    QString sektoren;
    bool jedeGruppeTippt = false;   // item 1 of RadioGroup1
};

// Runs whenever the sector-count field's text changes; sets Sektorenzahl and
// returns the hint text for Label3.
QString Edit2Change(Spielstand& st, const QString& sektorenText);

// OK's checks, in order: penalty points, sign, sector count, sign, capacity.
// Shows the first failing check's message and returns false; on success
// Strafpunkte and Sektorenzahl are stored.
bool pruefeEinstellungen(Spielstand& st, const QString& strafpunkteText,
                         const QString& sektorenText, Meldungen& meldungen);
