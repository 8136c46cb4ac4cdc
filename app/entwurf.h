#pragma once
// The main window's design: every fixed control with its look, place and
// initial state, and the measures of a scoreboard row. The window builds
// itself from these tables; nothing of the design lives in the handlers.

#include <QString>
#include <vector>

#include "core/fenstermasse.h"
#include "game/spielanzeige.h"
#include "knopfbilder.h"

struct Steuerelemente;
class QWidget;

enum class Elementart {
    Label,       // sized to its text when the width is 0
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

struct Ort {
    int links = 0, oben = 0, breite = 0, hoehe = 0;
};

constexpr int Geerbt = -1;

// Where the built control goes among the window's typed controls; checks its kind.
using Ablage = void (*)(Steuerelemente& s, QWidget* w);

// One fixed control. Written with designated initializers: a row names only
// what differs from these defaults.
struct Elemententwurf {
    const char* name;
    Elementart art;
    Ablage ablage;
    const char* eltern = nullptr;   // nullptr: the window's client area
    const char* text = "";          // UTF-8; caption, label text or initial edit text
    Schrift schrift{};
    int farbe = Geerbt;             // 0xRRGGBB text colour
    int hintergrund = Geerbt;       // 0xRRGGBB
    Bevel bevel = Bevel::Keiner;
    Ort ort{};
    bool rechtsVerankert = false;
    bool untenVerankert = false;
    bool sichtbar = true;
    bool aktiv = true;
    int tabfolge = -1;              // within the parent; -1: takes no focus
    Knopfbild bild = Knopfbild::Keins;
    int bildabstand = 20;
    bool standardknopf = false;
    const char* zugangsname = nullptr;  // accessible name when it differs from the text
};

// Fixed controls in the order they are children of the window (parents before children).
const std::vector<Elemententwurf>& fixeSteuerelemente();

// The row of the fixed control with this name (the first row if none has it).
const Elemententwurf& entwurfVon(const char* name);
// The design name of a button the rules set.
const char* entwurfsname(Knopf knopf);

// Items of RadioGroup1.
QString radioEintrag(int index);

// A scoreboard row; positions relative to its panel, the panel's relative to the client area.
namespace Zeilenentwurf {
constexpr int AbstandRechts = Spaltenbreite + Spaltenrand;  // left = client width - 470
constexpr int ObenErste = 150;
constexpr int Zeilenabstand = 50;
constexpr int Breite = Spaltenbreite;
constexpr int Hoehe = 45;
constexpr int NameLinks = 8, NameOben = 8;
constexpr int AntwortLinks = 270, AntwortOben = 8, AntwortGroesse = 30;
constexpr int PunkteLinks = 260, PunkteOben = 8, PunkteBreite = 180;
constexpr int PunkteRechts = PunkteLinks + PunkteBreite;  // the score's fixed right edge
constexpr int EingabeLinks = 305, EingabeOben = 4, EingabeBreite = 60;
constexpr int Schriftpixel = 24;   // 18 point
constexpr int NamenFarbe = 0x000080;   // navy
constexpr int PunkteFarbe = 0x800000;  // maroon
}

namespace Fensterentwurf {
constexpr const char* Schriftfamilie = "MS Sans Serif";
constexpr int Schriftpixel = 11;
QString titel();
}

// Replacement faces for the designer's fonts; safe to call more than once.
void richteSchriftersatzEin();
// The face "Arial Rounded MT Bold" ends up as (recorded for tests and docs).
QString ersatzFuerArialRounded();
