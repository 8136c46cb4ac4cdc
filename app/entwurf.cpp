#include "entwurf.h"

#include <cstring>

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include "steuerelemente.h"

namespace {

constexpr int Kastanienbraun = 0x800000;
constexpr int Gruen = 0x008000;
constexpr int Schwarz = 0x000000;

constexpr Schrift Arial24{"Arial", 24, false};
constexpr Schrift Arial19{"Arial", 19, false};
constexpr Schrift Arial16{"Arial", 16, false};
constexpr Schrift Arial16Fett{"Arial", 16, true};
constexpr Schrift Rund19{"Arial Rounded MT Bold", 19, false};
constexpr Schrift SansSerif19Fett{"MS Sans Serif", 19, true};

using A = Elementart;
using K = Knopfbild;
using S = Steuerelemente;

const std::vector<Elemententwurf> entwurf = {
    {.name = "LPunkte", .art = A::Label, .ablage = lege<&S::LPunkte>, .text = "Punktegutschrift:",
     .schrift = Arial24, .ort = {147, 88}, .rechtsVerankert = true, .sichtbar = false},
    {.name = "Panel3", .art = A::Panel, .ablage = lege<&S::Panel3>, .hintergrund = Schwarz,
     .ort = {18, 18, 454, 604}, .tabfolge = 2, .zugangsname = "Bildrahmen"},
    {.name = "Image3", .art = A::Anzeige, .ablage = lege<&S::Image3>, .eltern = "Panel3",
     .ort = {2, 2, 450, 600}, .zugangsname = "Bild"},
    {.name = "Panel1", .art = A::Panel, .ablage = lege<&S::Panel1>, .bevel = Bevel::DoppeltErhoeht,
     .ort = {54, 112, 401, 305}, .tabfolge = 1, .zugangsname = "Einstellungen"},
    {.name = "GroupBox2", .art = A::GroupBox, .ablage = lege<&S::GroupBox2>, .eltern = "Panel1",
     .text = " Anzahl der Sektoren: ", .ort = {16, 12, 321, 85}, .tabfolge = 3},
    {.name = "Edit2", .art = A::Edit, .ablage = lege<&S::Edit2>, .eltern = "GroupBox2", .text = "??",
     .ort = {16, 24, 33, 21}, .tabfolge = 0, .zugangsname = "Anzahl der Sektoren"},
    {.name = "Label2", .art = A::Label, .ablage = lege<&S::Label2>, .eltern = "GroupBox2",
     .text = "Sektoren", .ort = {56, 27}},
    {.name = "Label3", .art = A::Label, .ablage = lege<&S::Label3>, .eltern = "GroupBox2",
     .text = "Es können maximal 18 Punkte pro Bild erreicht werden.", .ort = {16, 56}},
    {.name = "Panel2", .art = A::Panel, .ablage = lege<&S::Panel2>, .eltern = "Panel1",
     .bevel = Bevel::Erhoeht, .ort = {352, 16, 34, 33}, .tabfolge = 2, .zugangsname = "Einstellungsbild"},
    {.name = "Image1", .art = A::Bild, .ablage = lege<&S::Image1>, .eltern = "Panel2",
     .ort = {1, 1, 32, 32}, .bild = K::Einstellungen, .zugangsname = "Einstellungsbild"},
    {.name = "RadioGroup1", .art = A::RadioGroup, .ablage = lege<&S::RadioGroup1>, .eltern = "Panel1",
     .text = " Tippen darf: ", .ort = {16, 120, 369, 73}, .tabfolge = 0},
    {.name = "GroupBox1", .art = A::GroupBox, .ablage = lege<&S::GroupBox1>, .eltern = "Panel1",
     .text = " Strafpunkte bei falscher Antwort: ", .ort = {16, 220, 257, 57}, .tabfolge = 1},
    {.name = "Edit1", .art = A::Edit, .ablage = lege<&S::Edit1>, .eltern = "GroupBox1", .text = "??",
     .ort = {16, 24, 33, 21}, .tabfolge = 0, .zugangsname = "Strafpunkte bei falscher Antwort"},
    {.name = "Label1", .art = A::Label, .ablage = lege<&S::Label1>, .eltern = "GroupBox1",
     .text = "Punkte werden abgezogen", .ort = {56, 27}},
    {.name = "BitBtn1", .art = A::Bildknopf, .ablage = lege<&S::BitBtn1>, .eltern = "Panel1", .text = "OK",
     .schrift = Arial16Fett, .ort = {296, 240, 89, 33}, .tabfolge = 4, .bild = K::Ok, .standardknopf = true},
    {.name = "BBfalsch", .art = A::Bildknopf, .ablage = lege<&S::BBfalsch>, .text = "falsch",
     .schrift = Rund19, .farbe = Kastanienbraun, .ort = {344, 18, 129, 41}, .rechtsVerankert = true,
     .aktiv = false, .tabfolge = 3, .bild = K::Falsch},
    {.name = "BBrichtig", .art = A::Bildknopf, .ablage = lege<&S::BBrichtig>, .text = "richtig",
     .schrift = Rund19, .farbe = Gruen, .ort = {190, 18, 129, 41}, .rechtsVerankert = true, .aktiv = false,
     .tabfolge = 4, .bild = K::Richtig, .standardknopf = true},
    {.name = "BitBtn2", .art = A::Bildknopf, .ablage = lege<&S::BitBtn2>, .text = "Tmp",
     .schrift = SansSerif19Fett, .farbe = Gruen, .ort = {200, 88, 145, 49}, .sichtbar = false, .tabfolge = 5,
     .bild = K::Antwort},
    {.name = "BBneuesBild", .art = A::Bildknopf, .ablage = lege<&S::BBneuesBild>, .text = "Neues Bild",
     .schrift = Arial19, .farbe = Schwarz, .ort = {22, 18, 154, 41}, .rechtsVerankert = true, .aktiv = false,
     .tabfolge = 6, .bild = K::NeuesBild},
    {.name = "BBweiter", .art = A::Bildknopf, .ablage = lege<&S::BBweiter>, .ort = {43, 76, 57, 57},
     .rechtsVerankert = true, .aktiv = false, .tabfolge = 0, .bild = K::Weiter, .standardknopf = true,
     .zugangsname = "Aufdecken"},
    {.name = "BBpunkteEingeben", .art = A::Bildknopf, .ablage = lege<&S::BBpunkteEingeben>,
     .text = "Punkte eingeben", .schrift = Arial16, .ort = {0, 168, 200, 33}, .rechtsVerankert = true,
     .untenVerankert = true, .tabfolge = 7, .bild = K::PunkteFeld, .bildabstand = 10, .standardknopf = true},
    {.name = "BBeingabeFertig", .art = A::Bildknopf, .ablage = lege<&S::BBeingabeFertig>,
     .text = "Eingabe fertig", .schrift = Arial16, .ort = {0, 200, 200, 33}, .rechtsVerankert = true,
     .untenVerankert = true, .sichtbar = false, .tabfolge = 8, .bild = K::Ok, .standardknopf = true},
};

QString gewaehlterRundersatz;

}  // namespace

const std::vector<Elemententwurf>& fixeSteuerelemente() { return entwurf; }

const Elemententwurf& entwurfVon(const char* name)
{
    for (const Elemententwurf& e : entwurf) {
        if (std::strcmp(e.name, name) == 0)
            return e;
    }
    return entwurf.front();
}

const char* entwurfsname(Knopf knopf)
{
    switch (knopf) {
    case Knopf::NeuesBild: return "BBneuesBild";
    case Knopf::Weiter: return "BBweiter";
    case Knopf::Richtig: return "BBrichtig";
    case Knopf::Falsch: return "BBfalsch";
    case Knopf::PunkteEingeben: return "BBpunkteEingeben";
    case Knopf::EingabeFertig: return "BBeingabeFertig";
    }
    return "";
}

QString radioEintrag(int index)
{
    return index == 0 ? QStringLiteral("immer nur eine (zufällig ermittelte) Gruppe")
                      : QStringLiteral("jede Gruppe, die noch im Spiel ist");
}

QString Fensterentwurf::titel()
{
    return QStringLiteral("  \"Varno Quiz\" mit eigenen Bildern (Tamo Welkert)");
}

void richteSchriftersatzEin()
{
    // Liberation Sans has Arial's metrics, so captions keep their designed widths.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    if (gewaehlterRundersatz.isEmpty()) {
        gewaehlterRundersatz = QStringLiteral("Liberation Sans");
        const QStringList runde = {QStringLiteral("Arial Rounded MT Bold"), QStringLiteral("Varela Round"),
                                   QStringLiteral("Nunito"), QStringLiteral("M PLUS Rounded 1c")};
        for (const QString& familie : runde) {
            if (QFontDatabase::hasFamily(familie)) {
                gewaehlterRundersatz = familie;
                break;
            }
        }
    }
    if (gewaehlterRundersatz != QLatin1String("Arial Rounded MT Bold"))
        QFont::insertSubstitution(QStringLiteral("Arial Rounded MT Bold"), gewaehlterRundersatz);
}

QString ersatzFuerArialRounded()
{
    richteSchriftersatzEin();
    return gewaehlterRundersatz;
}
