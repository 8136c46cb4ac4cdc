#pragma once
// Recording stand-ins for what the game rules drive: the window's controls,
// the picture area, the sound cues and the random source, so the rules run
// headless with fixed draws.

#include <QList>
#include <QPair>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <map>

#include "core/spielstand.h"
#include "core/zufall.h"
#include "fakefenster.h"
#include "game/klaenge.h"
#include "game/spielanzeige.h"
#include "game/spielbild.h"
#include "render/bildflaeche.h"
#include "settings/einstellungspanel.h"

class FakeAnzeige : public Spielanzeige {
public:
    // Starts in the states of the main window's controls as designed.
    explicit FakeAnzeige(Protokoll& protokoll);

    // Number of scoreboard rows; a per-row call beyond them is recorded as a fault.
    int zeilen = 0;
    QStringList fehler;
    int aenderungen = 0;   // setter calls

    std::map<Knopf, bool> sichtbar;
    std::map<Knopf, bool> aktiv;
    QString punkteLabel;
    bool punkteLabelSichtbar = false;
    std::array<Panelfarbe, GruppenSlots> farbe;
    std::array<bool, GruppenSlots> antwortSichtbar;
    std::array<bool, GruppenSlots> antwortAktiv;
    std::array<QString, GruppenSlots> punkteText;
    std::array<bool, GruppenSlots> eingabeSichtbar;
    std::array<QString, GruppenSlots> eingabe;

    bool einstellungenSichtbar = true;
    int verborgen = 0;
    QString straf = QStringLiteral("2");
    QString sektoren = QStringLiteral("20");
    bool jede = false;
    int symbolGesetzt = 0;

    QList<int> sichtbareAntworten() const;
    QList<Panelfarbe> farben() const { return QList<Panelfarbe>(farbe.begin(), farbe.begin() + zeilen); }
    bool istAktiv(Knopf k) const { return aktiv.at(k); }
    bool gezeigt(Knopf k) const { return sichtbar.at(k) && aktiv.at(k); }

    // What the quiz master has typed, as the window hands it to the rules.
    Panelwerte panel() const { return {straf, sektoren, jede}; }
    QStringList eingaben() const { return QStringList(eingabe.begin(), eingabe.begin() + zeilen); }
    bool istSichtbar(Knopf k) const { return sichtbar.at(k); }

    void setzeSichtbar(Knopf k, bool s) override { ++aenderungen; sichtbar[k] = s; }
    void setzeAktiv(Knopf k, bool a) override { ++aenderungen; aktiv[k] = a; }
    void setzePunkteLabelText(const QString& t) override { ++aenderungen; punkteLabel = t; }
    void setzePunkteLabelSichtbar(bool s) override { ++aenderungen; punkteLabelSichtbar = s; }
    void setzeGruppenFarbe(int i, Panelfarbe f) override { zeile(i); farbe[i] = f; }
    void setzeAntwortSichtbar(int i, bool s) override { zeile(i); antwortSichtbar[i] = s; }
    void setzeAntwortAktiv(int i, bool a) override { zeile(i); antwortAktiv[i] = a; }
    void setzePunkteText(int i, const QString& t) override { zeile(i); punkteText[i] = t; }
    void setzeEingabeSichtbar(int i, bool s) override { zeile(i); eingabeSichtbar[i] = s; }
    void setzeEingabeText(int i, const QString& t) override { zeile(i); eingabe[i] = t; }
    void verbergeEinstellungen() override;
    void setzeAnwendungsSymbol() override;

private:
    void pruefe(int i) const;
    void zeile(int i)
    {
        ++aenderungen;
        pruefe(i);
    }
    Protokoll& m_protokoll;
};

// The picture area. Its resize handler keeps the real one's unchanged-size test,
// the minimum-size chain and the rendering condition; the layout itself just
// takes the room.
class FakeBild : public Bildflaeche {
public:
    FakeBild(Spielstand& st, Fenster& fenster, Protokoll& protokoll)
        : m_st(st), m_fenster(fenster), m_protokoll(protokoll)
    {
    }

    int ladefehler = 0;    // how many coming renders fail with a loading error
    int layouts = 0;
    QSize gemessen{4, 3};
    QStringList vorab;     // "path|code" of each picture asked to be decoded ahead

    void formResize() override;
    void rendereBild() override;
    void zeigeGanzesBild() override { m_protokoll << QStringLiteral("ganz"); }
    void zeichneAbdeckung() override { m_protokoll << QStringLiteral("abdeckung"); }
    void deckeAuf(int sektor) override { m_protokoll << QStringLiteral("auf %1").arg(sektor); }
    void fuelleGrau() override { m_protokoll << QStringLiteral("grau"); }
    QSize missBild(const QString&) override
    {
        m_protokoll << QStringLiteral("miss");
        return gemessen;
    }
    void bereiteVor(const QString& pfad, const QString& code) override { vorab << pfad + u'|' + code; }

private:
    Spielstand& m_st;
    Fenster& m_fenster;
    Protokoll& m_protokoll;
};

// The sound cues in the order the announcements called for them.
class FakeKlaenge : public Spielbeobachter {
public:
    QList<Klang> liste;
    void geschehen(const Spielereignis& e, const Spielbild&) override
    {
        if (const auto klang = klangFuer(e))
            liste.append(*klang);
    }
};

// A second view beside the window, as the audience window will be: records
// what it hears and, at every announcement, checks that the picture it is
// given agrees with what the window's controls show at that moment.
class Zuschauer : public Spielbeobachter {
public:
    explicit Zuschauer(const FakeAnzeige& fenster) : m_fenster(fenster) {}

    QStringList ereignisse;   // beschreibe() of each event
    Spielbild letztes;        // the picture given with the last
    QStringList fehler;       // "event: what differs"

    void geschehen(const Spielereignis& e, const Spielbild& bild) override;
    // The events without the single reveals, which a whole game has many of.
    QStringList ohneAufdecken() const;

private:
    const FakeAnzeige& m_fenster;
};

// Hands out scripted draws; a draw that is not scripted, or asked for another
// range, is recorded as a fault.
class SkriptZufall : public Zufall {
public:
    explicit SkriptZufall(Protokoll& protokoll) : m_protokoll(protokoll) {}

    QList<QPair<int, int>> erwartet;   // (n, result)
    QStringList fehler;
    int gesaet = 0;

    void erwarte(int n, int ergebnis) { erwartet.append({n, ergebnis}); }

    void saeen(std::uint64_t) override
    {
        ++gesaet;
        m_protokoll << QStringLiteral("saeen");
    }
    int ziehe(int n) override;

private:
    Protokoll& m_protokoll;
};

// Always the first candidate, so a test knows who may claim.
class ErsterZufall : public Zufall {
public:
    void saeen(std::uint64_t) override {}
    int ziehe(int) override { return 0; }
};
