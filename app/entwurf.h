#pragma once
// The main window's design: every fixed control with its look, place and
// initial state, and the measures of a scoreboard row. The window builds
// itself from these tables; nothing of the design lives in the handlers.

#include <QString>
#include <vector>

#include "knopfbilder.h"

enum class Elementart {
    Label,       // sized to its text when width is 0
    Panel,
    Bildknopf,
    GroupBox,
    Edit,
    RadioGroup,  // group box with two radio buttons (items), item 0 checked
    Bild,        // fixed picture (Image1)
    Anzeige,     // the visible picture Image3
};

enum class Bevel { Keiner, Erhoeht, DoppeltErhoeht, Vertieft };

struct Schrift {
    const char* familie = nullptr;  // nullptr: inherited from the parent
    int pixel = 0;
    bool fett = false;
};

struct Elemententwurf {
    const char* name;
    Elementart art;
    const char* eltern;     // nullptr: the window's client area
    const char* text;       // UTF-8; caption, label text or initial edit text
    Schrift schrift;
    int farbe;              // 0xRRGGBB text colour; -1: inherited
    int links, oben, breite, hoehe;
    bool rechtsVerankert;
    bool untenVerankert;
    bool sichtbar;
    bool aktiv;
    int tabfolge;           // within the parent; -1: takes no focus
    Knopfbild bild;
    int bildabstand;
    bool standardknopf;
    const char* zugangsname;  // accessible name when it differs from the text
    Bevel bevel;
    int hintergrund;        // 0xRRGGBB; -1: inherited
};

// Fixed controls in the order they are children of the window (parents before children).
const std::vector<Elemententwurf>& fixeSteuerelemente();

// Items of RadioGroup1.
QString radioEintrag(int index);

// A scoreboard row; positions relative to its panel, the panel's relative to the client area.
namespace Zeilenentwurf {
constexpr int AbstandRechts = 470;  // left = client width - 470
constexpr int ObenErste = 150;
constexpr int Zeilenabstand = 50;
constexpr int Breite = 450;
constexpr int Hoehe = 45;
constexpr int NameLinks = 8, NameOben = 8;
constexpr int AntwortLinks = 270, AntwortOben = 8, AntwortGroesse = 30;
constexpr int PunkteLinks = 260, PunkteOben = 8, PunkteBreite = 180;
constexpr int PunkteRechts = PunkteLinks + PunkteBreite;  // the score's fixed right edge
constexpr int EingabeLinks = 305, EingabeOben = 4, EingabeBreite = 60;
constexpr int TagBasis = 100;
constexpr int Schriftpixel = 24;   // 18 point
constexpr int NamenFarbe = 0x000080;   // navy
constexpr int PunkteFarbe = 0x800000;  // maroon
}

namespace Fensterentwurf {
constexpr int Breite = 520;
constexpr int Hoehe = 498;
constexpr const char* Schriftfamilie = "MS Sans Serif";
constexpr int Schriftpixel = 11;
QString titel();
}

// Replacement faces for the designer's fonts; safe to call more than once.
void richteSchriftersatzEin();
// The face "Arial Rounded MT Bold" ends up as (recorded for tests and docs).
QString ersatzFuerArialRounded();
