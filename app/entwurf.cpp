#include "entwurf.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace {

constexpr int Geerbt = -1;
constexpr int Marineblau = 0x000080;
constexpr int Kastanienbraun = 0x800000;
constexpr int Gruen = 0x008000;
constexpr int Schwarz = 0x000000;

constexpr Schrift Geerbte{};
constexpr Schrift Arial24{"Arial", 24, false};
constexpr Schrift Arial19{"Arial", 19, false};
constexpr Schrift Arial16{"Arial", 16, false};
constexpr Schrift Arial16Fett{"Arial", 16, true};
constexpr Schrift Rund19{"Arial Rounded MT Bold", 19, false};
constexpr Schrift SansSerif19Fett{"MS Sans Serif", 19, true};

using A = Elementart;
using K = Knopfbild;

// name, kind, parent, text, font, colour, left, top, width, height, anchored right,
// anchored bottom, visible, enabled, tab order, picture, picture gap, default button,
// accessible name, bevel, background
const std::vector<Elemententwurf> entwurf = {
    {"LPunkte", A::Label, nullptr, "Punktegutschrift:", Arial24, Geerbt,
     147, 88, 0, 0, true, false, false, true, -1, K::Keins, 0, false, nullptr, Bevel::Keiner, Geerbt},
    {"Panel3", A::Panel, nullptr, "", Geerbte, Geerbt,
     18, 18, 454, 604, false, false, true, true, 2, K::Keins, 0, false, "Bildrahmen", Bevel::Keiner, Schwarz},
    {"Image3", A::Anzeige, "Panel3", "", Geerbte, Geerbt,
     2, 2, 450, 600, false, false, true, true, -1, K::Keins, 0, false, "Bild", Bevel::Keiner, Geerbt},
    {"Panel1", A::Panel, nullptr, "", Geerbte, Geerbt,
     54, 112, 401, 305, false, false, true, true, 1, K::Keins, 0, false, "Einstellungen", Bevel::DoppeltErhoeht, Geerbt},
    {"GroupBox2", A::GroupBox, "Panel1", " Anzahl der Sektoren: ", Geerbte, Geerbt,
     16, 12, 321, 85, false, false, true, true, 3, K::Keins, 0, false, nullptr, Bevel::Keiner, Geerbt},
    {"Edit2", A::Edit, "GroupBox2", "??", Geerbte, Geerbt,
     16, 24, 33, 21, false, false, true, true, 0, K::Keins, 0, false, "Anzahl der Sektoren", Bevel::Keiner, Geerbt},
    {"Label2", A::Label, "GroupBox2", "Sektoren", Geerbte, Geerbt,
     56, 27, 0, 0, false, false, true, true, -1, K::Keins, 0, false, nullptr, Bevel::Keiner, Geerbt},
    {"Label3", A::Label, "GroupBox2", "Es können maximal 18 Punkte pro Bild erreicht werden.", Geerbte, Geerbt,
     16, 56, 0, 0, false, false, true, true, -1, K::Keins, 0, false, nullptr, Bevel::Keiner, Geerbt},
    {"Panel2", A::Panel, "Panel1", "", Geerbte, Geerbt,
     352, 16, 34, 33, false, false, true, true, 2, K::Keins, 0, false, "Einstellungsbild", Bevel::Erhoeht, Geerbt},
    {"Image1", A::Bild, "Panel2", "", Geerbte, Geerbt,
     1, 1, 32, 32, false, false, true, true, -1, K::Einstellungen, 0, false, "Einstellungsbild", Bevel::Keiner, Geerbt},
    {"RadioGroup1", A::RadioGroup, "Panel1", " Tippen darf: ", Geerbte, Geerbt,
     16, 120, 369, 73, false, false, true, true, 0, K::Keins, 0, false, nullptr, Bevel::Keiner, Geerbt},
    {"GroupBox1", A::GroupBox, "Panel1", " Strafpunkte bei falscher Antwort: ", Geerbte, Geerbt,
     16, 220, 257, 57, false, false, true, true, 1, K::Keins, 0, false, nullptr, Bevel::Keiner, Geerbt},
    {"Edit1", A::Edit, "GroupBox1", "??", Geerbte, Geerbt,
     16, 24, 33, 21, false, false, true, true, 0, K::Keins, 0, false, "Strafpunkte bei falscher Antwort", Bevel::Keiner, Geerbt},
    {"Label1", A::Label, "GroupBox1", "Punkte werden abgezogen", Geerbte, Geerbt,
     56, 27, 0, 0, false, false, true, true, -1, K::Keins, 0, false, nullptr, Bevel::Keiner, Geerbt},
    {"BitBtn1", A::Bildknopf, "Panel1", "OK", Arial16Fett, Geerbt,
     296, 240, 89, 33, false, false, true, true, 4, K::Ok, 20, true, nullptr, Bevel::Keiner, Geerbt},
    {"BBfalsch", A::Bildknopf, nullptr, "falsch", Rund19, Kastanienbraun,
     344, 18, 129, 41, true, false, true, false, 3, K::Falsch, 20, false, nullptr, Bevel::Keiner, Geerbt},
    {"BBrichtig", A::Bildknopf, nullptr, "richtig", Rund19, Gruen,
     190, 18, 129, 41, true, false, true, false, 4, K::Richtig, 20, true, nullptr, Bevel::Keiner, Geerbt},
    {"BitBtn2", A::Bildknopf, nullptr, "Tmp", SansSerif19Fett, Gruen,
     200, 88, 145, 49, false, false, false, true, 5, K::Antwort, 20, false, nullptr, Bevel::Keiner, Geerbt},
    {"BBneuesBild", A::Bildknopf, nullptr, "Neues Bild", Arial19, Schwarz,
     22, 18, 154, 41, true, false, true, false, 6, K::NeuesBild, 20, false, nullptr, Bevel::Keiner, Geerbt},
    {"BBweiter", A::Bildknopf, nullptr, "", Geerbte, Geerbt,
     43, 76, 57, 57, true, false, true, false, 0, K::Weiter, 20, true, "Aufdecken", Bevel::Keiner, Geerbt},
    {"BBpunkteEingeben", A::Bildknopf, nullptr, "Punkte eingeben", Arial16, Geerbt,
     0, 168, 200, 33, true, true, true, true, 7, K::PunkteFeld, 10, true, nullptr, Bevel::Keiner, Geerbt},
    {"BBeingabeFertig", A::Bildknopf, nullptr, "Eingabe fertig", Arial16, Geerbt,
     0, 200, 200, 33, true, true, false, true, 8, K::Ok, 20, true, nullptr, Bevel::Keiner, Geerbt},
};

QString gewaehlterRundersatz;

}  // namespace

const std::vector<Elemententwurf>& fixeSteuerelemente() { return entwurf; }

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
