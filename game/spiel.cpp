#include "spiel.h"

#include <exception>

#include "core/meldungen.h"
#include "core/spielstand.h"
#include "core/zufall.h"
#include "grenzen.h"
#include "klaenge.h"
#include "punkte.h"
#include "render/bildflaeche.h"
#include "render/fenster.h"
#include "settings/bildeintrag.h"
#include "settings/einstellungspanel.h"
#include "spielanzeige.h"
#include "zugwahl.h"

Spiel::Spiel(Spielstand& st, Spielanzeige& anzeige, Bildflaeche& bild, Fenster& fenster,
             Meldungen& meldungen, Zufall& zufall)
    : m_st(st), m_anzeige(anzeige), m_bild(bild), m_fenster(fenster), m_meldungen(meldungen),
      m_zufall(zufall)
{
}

void Spiel::klinge(Klang klang)
{
    if (m_klaenge)
        m_klaenge->spiele(klang);
}

bool Spiel::istGruppe(int g) const
{
    return g >= 0 && g < anzahlGruppen(m_st);
}

void Spiel::startschritte()
{
    // The window may report more than one activation; only the first counts.
    if (m_gestartet)
        return;
    m_gestartet = true;

    if (m_st.StartFehler) {
        m_fenster.schliesse();
        return;
    }
    m_zufall.saeen(millisekundenSeitMitternachtUtc());
    wendeFenstergroesseAn();
    setzeZaehlerZurueck(m_st);
    m_anzeige.setzeAnwendungsSymbol();
    if (!m_anzeige.istEinstellungenSichtbar())
        Button1Click();
}

void Spiel::wendeFenstergroesseAn()
{
    if (m_st.FensterBreite == -1) {
        m_fenster.maximiere();
    } else {
        const int h = m_st.FensterHoehe;
        if (m_fenster.aussenGroesse().width() != m_st.FensterBreite)
            m_fenster.setzeAussenBreite(m_st.FensterBreite);
        m_st.FensterHoehe = 0;
        if (m_fenster.aussenGroesse().height() != h)
            m_fenster.setzeAussenHoehe(h);
        m_fenster.bewegeNachObenLinks();
    }

    // A layout sets the picture area's size; if none has run yet (the size
    // asked for is the one the window already has), run one now so that the
    // minimum size holds and the area is laid out from the start.
    if (m_st.BildBreite == 0 && m_st.BildHoehe == 0) {
        m_st.FensterBreite = 0;
        m_bild.formResize();
    }
}

void Spiel::BNeuesBildClick()
{
    const Bildvermesser vermesser{[this] { m_bild.fuelleGrau(); },
                                  [this](const QString& pfad) { return m_bild.missBild(pfad); }};
    if (!BildEintragLesen(m_st, m_meldungen, vermesser))
        return;

    const int sektoren = anzahlSektoren(m_st);
    for (int i = 0; i < sektoren; ++i)
        m_st.Verdeckt[i] = !m_st.Testmodus;
    m_st.VerdecktZahl = m_st.Testmodus ? 0 : sektoren;

    // In test mode the layout renders the picture at once; a file that fails
    // to load is reported after the new picture has been set up, so the
    // buttons stay consistent and the list can be stepped on.
    std::exception_ptr ladefehler;
    m_st.FensterBreite = 0;
    try {
        m_bild.formResize();
    } catch (...) {
        ladefehler = std::current_exception();
    }

    if (!m_st.Testmodus)
        m_anzeige.setzeAktiv(Knopf::Weiter, true);

    if (m_st.JedeGruppeTippt) {
        for (int i = 0; i < anzahlGruppen(m_st); ++i)
            m_anzeige.setzeAntwortSichtbar(i, true);
    } else {
        waehleStartgruppe(m_st, m_anzeige, m_zufall);
    }

    if (!m_st.Testmodus)
        m_anzeige.setzeAktiv(Knopf::NeuesBild, false);
    m_anzeige.setzePunkteLabelSichtbar(false);
    if (m_st.Einstellungsdatei.amEnde())
        m_anzeige.setzeSichtbar(Knopf::NeuesBild, false);
    m_st.AktiveGruppe = 1;   // no claims before the first reveal

    if (ladefehler)
        std::rethrow_exception(ladefehler);
}

void Spiel::BWeiterClick()
{
    const int sektoren = anzahlSektoren(m_st);
    if (m_st.VerdecktZahl < 1)
        return;   // nothing left to uncover

    const bool erstesAufdecken = m_st.VerdecktZahl == sektoren;
    if (erstesAufdecken) {
        // A loading error ends the click here, before anything is uncovered,
        // so the next click tries again.
        m_bild.rendereBild();
        m_bild.zeigeGanzesBild();
    }
    m_anzeige.setzePunkteLabelSichtbar(true);

    const int k = m_zufall.ziehe(m_st.VerdecktZahl);
    int sektor = -1;
    for (int i = 0, gezaehlt = 0; i < sektoren; ++i) {
        if (!m_st.Verdeckt[i])
            continue;
        if (gezaehlt == k) {
            sektor = i;
            break;
        }
        ++gezaehlt;
    }

    if (sektor >= 0) {
        m_st.Verdeckt[sektor] = false;
        --m_st.VerdecktZahl;
        if (erstesAufdecken)
            m_bild.zeichneAbdeckung();
        else
            m_bild.deckeAuf(sektor);
    } else {
        // Count and flags disagree: trust the flags and show them as they are.
        m_meldungen.zeige(Meldungsart::Hinweis, QStringLiteral("Fehler!"));
        int verdeckt = 0;
        for (int i = 0; i < sektoren; ++i)
            verdeckt += m_st.Verdeckt[i] ? 1 : 0;
        m_st.VerdecktZahl = verdeckt;
        if (!erstesAufdecken)
            m_bild.zeigeGanzesBild();
        m_bild.zeichneAbdeckung();
    }

    const int v = m_st.VerdecktZahl;
    if (v >= 3)
        m_anzeige.setzePunkteLabelText(QStringLiteral("Hierfür gibt es %1 Punkte.").arg(v - 1));
    else if (v == 2)
        m_anzeige.setzePunkteLabelText(QStringLiteral("Hierfür gibt es 1 Punkt."));
    else
        m_anzeige.setzePunkteLabelSichtbar(false);

    if (v == 0)
        beendeBildOhneGewinner();
    m_st.AktiveGruppe = -1;
}

void Spiel::beendeBildOhneGewinner()
{
    m_anzeige.setzeAktiv(Knopf::Weiter, false);
    m_anzeige.setzeAktiv(Knopf::NeuesBild, true);
    for (int i = 0; i < anzahlGruppen(m_st); ++i)
        m_anzeige.setzeAntwortSichtbar(i, false);
    klinge(Klang::Aufgedeckt);
}

void Spiel::BAntwortClick(int tag)
{
    if (m_st.AktiveGruppe != -1)
        return;
    m_anzeige.setzeAktiv(Knopf::Weiter, false);

    const int g = tag - 100;
    if (!istGruppe(g)) {
        m_meldungen.zeige(Meldungsart::Hinweis, QStringLiteral("BBantwortClick(): Falscher Tag"));
        return;
    }
    m_st.AktiveGruppe = g;
    klinge(Klang::Meldung);
    m_anzeige.setzeAktiv(Knopf::Richtig, true);
    m_anzeige.setzeAktiv(Knopf::Falsch, true);
    m_anzeige.setzeGruppenFarbe(g, Panelfarbe::Hellgelb);
    for (int i = 0; i < anzahlGruppen(m_st); ++i) {
        if (i != g)
            m_anzeige.setzeAntwortAktiv(i, false);
    }
}

void Spiel::BRichtigClick()
{
    const int g = m_st.AktiveGruppe;
    if (!istGruppe(g))
        return;

    klinge(Klang::Richtig);
    m_anzeige.setzeAktiv(Knopf::Richtig, false);
    m_anzeige.setzeAktiv(Knopf::Falsch, false);
    if (m_st.JedeGruppeTippt)
        m_anzeige.setzeGruppenFarbe(g, Panelfarbe::Knopfflaeche);
    else
        faerbeGewinner(m_st, m_anzeige, g);
    vergebePunkte(m_st, m_anzeige, g);
    m_anzeige.setzeAktiv(Knopf::Weiter, false);
    m_anzeige.setzePunkteLabelSichtbar(false);
    m_bild.zeigeGanzesBild();
    for (int i = 0; i < anzahlGruppen(m_st); ++i) {
        m_anzeige.setzeAntwortSichtbar(i, false);
        m_anzeige.setzeAntwortAktiv(i, true);
    }
    m_st.AktiveGruppe = -1;
    for (int i = 0; i < anzahlSektoren(m_st); ++i)
        m_st.Verdeckt[i] = false;
    m_st.VerdecktZahl = 0;
    m_anzeige.setzeAktiv(Knopf::NeuesBild, true);
}

void Spiel::BFalschClick()
{
    const int g = m_st.AktiveGruppe;
    if (!istGruppe(g))
        return;

    klinge(Klang::Falsch);
    m_anzeige.setzeAktiv(Knopf::Richtig, false);
    m_anzeige.setzeAktiv(Knopf::Falsch, false);
    m_anzeige.setzeAktiv(Knopf::Weiter, true);
    zieheStrafpunkteAb(m_st, m_anzeige, g);
    m_anzeige.setzeAntwortSichtbar(g, false);
    if (m_st.JedeGruppeTippt)
        m_anzeige.setzeGruppenFarbe(g, Panelfarbe::Knopfflaeche);
    else
        gibZugWeiter(m_st, m_anzeige, m_meldungen, m_zufall, g);
    for (int i = 0; i < anzahlGruppen(m_st); ++i)
        m_anzeige.setzeAntwortAktiv(i, true);
    m_st.AktiveGruppe = -1;
}

void Spiel::BPunkteEingebenClick()
{
    punkteEingeben(m_st, m_anzeige);
}

void Spiel::Button1Click()
{
    if (!pruefeEinstellungen(m_st, m_anzeige.strafpunkteText(), m_anzeige.sektorenText(),
                             m_meldungen))
        return;
    m_anzeige.verbergeEinstellungen();
    m_st.JedeGruppeTippt = m_anzeige.jedeGruppeTipptGewaehlt();
    m_anzeige.setzeAktiv(Knopf::NeuesBild, true);
    BNeuesBildClick();
}
