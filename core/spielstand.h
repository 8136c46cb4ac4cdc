#pragma once
// The one record that holds the whole state of a game. The window owns the only
// instance; every handler reads and writes it directly, on the GUI thread only.

#include <QString>
#include <array>

#include "zeilenleser.h"

constexpr int MaxGruppen = 30;      // groups 0..29; slot 30 is never used
constexpr int GruppenSlots = 31;
constexpr int MaxSektoren = 1001;   // capacity of the cover array
constexpr int KeinSeitenverhaeltnis = -1111;

struct Spielstand {
    // Settings file, open from start to end, positioned at the picture list after start.
    Zeilenleser Einstellungsdatei;
    std::array<bool, MaxSektoren> Verdeckt{};

    std::array<int, GruppenSlots> Punktestand{};
    std::array<int, GruppenSlots> Startpool{};
    std::array<int, GruppenSlots> ImSpiel{};
    std::array<int, GruppenSlots> DranZaehler{};

    int StartpoolZahl = 0;
    int ImSpielZahl = 0;
    int FensterHoehe = 0;
    int FensterBreite = 0;     // -1: maximise; 0: force the next layout
    int BildBreite = 0;
    int BildHoehe = 0;
    int SeitenX = 0;           // -1111: no aspect
    int SeitenY = 0;
    int StandardSeitenX = 0;   // -1111: each picture keeps its own aspect
    int StandardSeitenY = 0;
    int VerdecktZahl = 0;
    int Gruppenzahl = 0;
    int AktiveGruppe = 0;      // -1 claims accepted; 1 right after a new picture
    int Strafpunkte = 0;
    int Sektorenzahl = 0;

    bool JedeGruppeTippt = false;
    bool Testmodus = false;
    bool StartFehler = false;
    QString BildPraefix;
    QString BildSuffix;
    QString BildDatei;
    QString BildPosition;
};
