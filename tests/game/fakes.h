#pragma once
// Recording stand-ins for the window, the picture area, the messages and the
// random source, so the rules run headless with fixed draws.

#include <QList>
#include <QPair>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <map>

#include "core/meldungen.h"
#include "core/spielstand.h"
#include "core/zufall.h"
#include "game/klaenge.h"
#include "game/spielanzeige.h"
#include "render/bildflaeche.h"
#include "render/fenster.h"

// Calls of all fakes in the order they happened.
using Protokoll = QStringList;

class FakeAnzeige : public Spielanzeige {
public:
    explicit FakeAnzeige(Protokoll& protokoll) : m_protokoll(protokoll)
    {
        // Initial states of the main window's controls.
        sichtbar = {{Knopf::NeuesBild, true}, {Knopf::Weiter, true}, {Knopf::Richtig, true},
                    {Knopf::Falsch, true}, {Knopf::PunkteEingeben, true},
                    {Knopf::EingabeFertig, false}};
        aktiv = {{Knopf::NeuesBild, false}, {Knopf::Weiter, false}, {Knopf::Richtig, false},
                 {Knopf::Falsch, false}, {Knopf::PunkteEingeben, true},
                 {Knopf::EingabeFertig, true}};
        farbe.fill(Panelfarbe::Knopfflaeche);
        antwortSichtbar.fill(false);
        antwortAktiv.fill(true);
        punkteText.fill(QStringLiteral("0 Punkte"));
        eingabeSichtbar.fill(false);
    }

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

    QList<int> sichtbareAntworten() const
    {
        QList<int> liste;
        for (int i = 0; i < zeilen; ++i) {
            if (antwortSichtbar[i])
                liste << i;
        }
        return liste;
    }
    QList<Panelfarbe> farben() const { return QList<Panelfarbe>(farbe.begin(), farbe.begin() + zeilen); }
    bool istAktiv(Knopf k) const { return aktiv.at(k); }
    bool gezeigt(Knopf k) const { return sichtbar.at(k) && aktiv.at(k); }

    void setzeSichtbar(Knopf k, bool s) override { ++aenderungen; sichtbar[k] = s; }
    bool istSichtbar(Knopf k) const override { return sichtbar.at(k); }
    void setzeAktiv(Knopf k, bool a) override { ++aenderungen; aktiv[k] = a; }
    void setzePunkteLabelText(const QString& t) override { ++aenderungen; punkteLabel = t; }
    void setzePunkteLabelSichtbar(bool s) override { ++aenderungen; punkteLabelSichtbar = s; }
    void setzeGruppenFarbe(int i, Panelfarbe f) override { zeile(i); farbe[i] = f; }
    void setzeAntwortSichtbar(int i, bool s) override { zeile(i); antwortSichtbar[i] = s; }
    void setzeAntwortAktiv(int i, bool a) override { zeile(i); antwortAktiv[i] = a; }
    void setzePunkteText(int i, const QString& t) override { zeile(i); punkteText[i] = t; }
    void setzeEingabeSichtbar(int i, bool s) override { zeile(i); eingabeSichtbar[i] = s; }
    bool istEingabeSichtbar(int i) const override { pruefe(i); return eingabeSichtbar[i]; }
    void setzeEingabeText(int i, const QString& t) override { zeile(i); eingabe[i] = t; }
    QString eingabeText(int i) const override { pruefe(i); return eingabe[i]; }
    bool istEinstellungenSichtbar() const override { return einstellungenSichtbar; }
    void verbergeEinstellungen() override
    {
        ++aenderungen;
        ++verborgen;
        einstellungenSichtbar = false;
    }
    QString strafpunkteText() const override { return straf; }
    QString sektorenText() const override { return sektoren; }
    bool jedeGruppeTipptGewaehlt() const override { return jede; }
    void setzeAnwendungsSymbol() override
    {
        ++symbolGesetzt;
        m_protokoll << QStringLiteral("symbol");
    }

private:
    void pruefe(int i) const
    {
        if (i < 0 || i >= zeilen)
            const_cast<FakeAnzeige*>(this)->fehler << QStringLiteral("Zeile %1").arg(i);
    }
    void zeile(int i)
    {
        ++aenderungen;
        pruefe(i);
    }
    Protokoll& m_protokoll;
};

// The window: size changes take effect at once and run the resize handler nested.
class FakeFenster : public Fenster {
public:
    explicit FakeFenster(Protokoll& protokoll) : m_protokoll(protokoll) {}

    QSize aussen{520, 498};
    QPoint position{100, 100};
    QSize bildschirm{1920, 1050};
    bool maximiert = false;
    bool geschlossen = false;
    std::function<void()> beiGroessenaenderung;

    QSize aussenGroesse() const override { return aussen; }
    QSize innenGroesse() const override { return aussen - QSize(8, 27); }
    void setzeAussenBreite(int breite) override
    {
        m_protokoll << QStringLiteral("breite %1").arg(breite);
        aendere(QSize(breite, aussen.height()));
    }
    void setzeAussenHoehe(int hoehe) override
    {
        m_protokoll << QStringLiteral("hoehe %1").arg(hoehe);
        aendere(QSize(aussen.width(), hoehe));
    }
    void maximiere() override
    {
        m_protokoll << QStringLiteral("maximiere");
        maximiert = true;
        aendere(bildschirm);
    }
    void bewegeNachObenLinks() override
    {
        m_protokoll << QStringLiteral("oben-links");
        position = QPoint(0, 0);
    }
    void schliesse() override
    {
        m_protokoll << QStringLiteral("schliesse");
        geschlossen = true;
    }
    void setzeRahmen(const QRect& r) override { m_rahmen = r; }
    QRect rahmen() const override { return m_rahmen; }
    bool einstellungenSichtbar() const override { return false; }
    QSize einstellungenGroesse() const override { return QSize(401, 305); }
    void setzeEinstellungenPosition(const QPoint&) override {}
    void bildGeaendert(const QRect&) override {}

private:
    void aendere(QSize neu)
    {
        if (neu == aussen)
            return;   // the same size reports nothing
        aussen = neu;
        if (beiGroessenaenderung)
            beiGroessenaenderung();
    }
    Protokoll& m_protokoll;
    QRect m_rahmen;
};

// The picture area. Its resize handler keeps the real one's unchanged-size test,
// the minimum-size chain and the rendering condition; the layout itself just
// takes the room.
class FakeBild : public Bildflaeche {
public:
    FakeBild(Spielstand& st, FakeFenster& fenster, Protokoll& protokoll)
        : m_st(st), m_fenster(fenster), m_protokoll(protokoll)
    {
    }

    int ladefehler = 0;    // how many coming renders fail with a loading error
    int layouts = 0;
    QSize gemessen{4, 3};

    void formResize() override
    {
        m_protokoll << QStringLiteral("formResize");
        const QSize a = m_fenster.aussenGroesse();
        if (a.width() == m_st.FensterBreite && a.height() == m_st.FensterHoehe)
            return;
        m_st.FensterHoehe = a.height();
        m_st.FensterBreite = a.width();
        if (a.width() < 800) {
            m_fenster.setzeAussenBreite(800);
            return;
        }
        if (a.height() < 600) {
            m_fenster.setzeAussenHoehe(600);
            return;
        }
        ++layouts;
        const QSize innen = m_fenster.innenGroesse();
        m_st.BildBreite = innen.width() - 510;
        m_st.BildHoehe = innen.height() - 40;
        m_protokoll << QStringLiteral("layout %1x%2").arg(a.width()).arg(a.height());
        if (!m_st.BildDatei.isEmpty() && m_st.VerdecktZahl < m_st.Sektorenzahl) {
            rendereBild();
            zeigeGanzesBild();
        }
        zeichneAbdeckung();
    }
    void rendereBild() override
    {
        m_protokoll << QStringLiteral("rendere");
        if (ladefehler > 0) {
            --ladefehler;
            throw VarnoFehler(QStringLiteral("Bild kaputt"));
        }
    }
    void zeigeGanzesBild() override { m_protokoll << QStringLiteral("ganz"); }
    void zeichneAbdeckung() override { m_protokoll << QStringLiteral("abdeckung"); }
    void deckeAuf(int sektor) override { m_protokoll << QStringLiteral("auf %1").arg(sektor); }
    void fuelleGrau() override { m_protokoll << QStringLiteral("grau"); }
    QSize missBild(const QString&) override
    {
        m_protokoll << QStringLiteral("miss");
        return gemessen;
    }

private:
    Spielstand& m_st;
    FakeFenster& m_fenster;
    Protokoll& m_protokoll;
};

// The sound cues in the order the rules asked for them.
class FakeKlaenge : public Klangausgabe {
public:
    QList<Klang> liste;
    void spiele(Klang klang) override { liste.append(klang); }
};

class FakeMeldungen : public Meldungen {
public:
    QList<QPair<Meldungsart, QString>> liste;
    void zeige(Meldungsart art, const QString& text) override { liste.append({art, text}); }
    QStringList texte() const
    {
        QStringList t;
        for (const auto& m : liste)
            t << m.second;
        return t;
    }
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
    int ziehe(int n) override
    {
        if (erwartet.isEmpty()) {
            fehler << QStringLiteral("unerwartet ziehe(%1)").arg(n);
            return 0;
        }
        const auto [soll, ergebnis] = erwartet.takeFirst();
        if (soll != n)
            fehler << QStringLiteral("ziehe(%1) statt ziehe(%2)").arg(n).arg(soll);
        return ergebnis;
    }

private:
    Protokoll& m_protokoll;
};
