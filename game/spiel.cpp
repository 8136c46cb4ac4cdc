#include "spiel.h"

#include <QScopeGuard>

#include <algorithm>
#include <exception>

#include "core/hilfen.h"
#include "core/meldungen.h"
#include "core/spielstand.h"
#include "core/zufall.h"
#include "grenzen.h"
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

QString punkteAngebotText(int punkte)
{
    if (punkte >= 2)
        return QStringLiteral("Hierfür gibt es %1 Punkte.").arg(punkte);
    if (punkte == 1)
        return QStringLiteral("Hierfür gibt es 1 Punkt.");
    return QString();
}

void Spiel::beobachte(Spielbeobachter& beobachter)
{
    m_beobachter.push_back(&beobachter);
}

void Spiel::melde(const Spielereignis& ereignis)
{
    if (m_beobachter.empty())
        return;
    const Spielbild jetzt = bild();
    for (Spielbeobachter* b : m_beobachter)
        b->geschehen(ereignis, jetzt);
}

void Spiel::nenneGruppe(int i, const QString& name)
{
    if (i >= 0 && i < MaxGruppen)
        m_namen[std::size_t(i)] = name;
}

bool Spiel::istRaus(int g) const
{
    if (m_st.JedeGruppeTippt)
        return m_raus[std::size_t(g)];
    const int zahl = std::clamp(m_st.ImSpielZahl, 0, MaxGruppen);
    return std::find(m_st.ImSpiel.begin(), m_st.ImSpiel.begin() + zahl, g)
           == m_st.ImSpiel.begin() + zahl;
}

Bildphase Spiel::phase() const
{
    const int v = m_st.VerdecktZahl;
    if (m_einstellungenOffen)
        return Bildphase::Einstellungen;
    if (m_bildnummer == 0)
        return Bildphase::Bereit;
    if (m_st.Testmodus)
        return Bildphase::Vorschau;
    if (v <= 0)
        return m_listeZuEnde ? Bildphase::Erschoepft : Bildphase::Bereit;
    if (m_st.AktiveGruppe == -1)
        return Bildphase::Offen;
    if (v < anzahlSektoren(m_st) && istGruppe(m_st.AktiveGruppe))
        return Bildphase::Antwort;
    return Bildphase::Angekuendigt;   // AktiveGruppe holds the block set by the new picture
}

Spielbild Spiel::bild() const
{
    Spielbild b;
    const int sektoren = anzahlSektoren(m_st);
    const int v = m_st.VerdecktZahl;
    b.phase = phase();

    const bool imSpiel = b.phase == Bildphase::Angekuendigt || b.phase == Bildphase::Offen
                         || b.phase == Bildphase::Antwort;
    b.jedeGruppeTippt = m_st.JedeGruppeTippt;
    b.testmodus = m_st.Testmodus;
    if (!m_st.JedeGruppeTippt && (imSpiel || b.phase == Bildphase::Vorschau))
        b.amZug = m_amZug;
    if (b.phase == Bildphase::Antwort)
        b.antwortet = m_st.AktiveGruppe;
    if (b.phase == Bildphase::Offen || b.phase == Bildphase::Antwort)
        b.punkteImAngebot = std::max(v - 1, 0);
    b.sektoren = sektoren;
    b.verdeckt = QList<bool>(m_st.Verdeckt.begin(), m_st.Verdeckt.begin() + sektoren);
    b.bildnummer = m_bildnummer;
    b.listeZuEnde = m_listeZuEnde;
    b.korrekturLaeuft = std::find(m_eingabeOffen.begin(), m_eingabeOffen.end(), true)
                        != m_eingabeOffen.end();
    for (int g = 0; g < anzahlGruppen(m_st); ++g) {
        Gruppenbild gb;
        gb.name = m_namen[std::size_t(g)];
        gb.punkte = m_st.Punktestand[std::size_t(g)];
        gb.raus = imSpiel && istRaus(g);
        gb.darfAnsprechen = b.phase == Bildphase::Offen && !istRaus(g)
                            && (m_st.JedeGruppeTippt || g == m_amZug);
        gb.eingabeOffen = m_eingabeOffen[std::size_t(g)];
        b.gruppen.append(gb);
    }
    return b;
}

bool Spiel::istGruppe(int g) const
{
    return g >= 0 && g < anzahlGruppen(m_st);
}

void Spiel::startschritte(bool einstellungenOffen, const Panelwerte& panel)
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
    if (!einstellungenOffen)
        Button1Click(panel);
    else
        bereiteNaechstesVor();   // the first picture, while the settings are looked at
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

void Spiel::bereiteNaechstesVor()
{
    // Only a head start: a peek that fails leaves the reading to the click.
    try {
        if (const std::optional<Bildvorschau> naechstes = NaechsterBildEintrag(m_st))
            m_bild.bereiteVor(naechstes->pfad, naechstes->code);
    } catch (...) {
    }
}

void Spiel::bereiteBilderVor()
{
    const Bildphase p = phase();
    if (p == Bildphase::Angekuendigt || p == Bildphase::Offen || p == Bildphase::Antwort || p == Bildphase::Vorschau)
        m_bild.bereiteVor(m_st.BildDatei, m_st.BildPosition);
    bereiteNaechstesVor();
}

void Spiel::groesseGeaendert()
{
    // A picture already uncovered was fitted anew by the layout itself.
    if (phase() == Bildphase::Angekuendigt)
        m_bild.bereiteVor(m_st.BildDatei, m_st.BildPosition);
    bereiteNaechstesVor();
}

void Spiel::BNeuesBildClick()
{
    // However this click ends, the entry after it is decoded while the quiz
    // master is busy with this one.
    const auto naechstes = qScopeGuard([this] { bereiteNaechstesVor(); });
    const Bildvermesser vermesser{[this] { m_bild.fuelleGrau(); },
                                  [this](const QString& pfad) { return m_bild.missBild(pfad); }};
    if (!BildEintragLesen(m_st, m_meldungen, vermesser))
        return;
    m_bild.bereiteVor(m_st.BildDatei, m_st.BildPosition);

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

    m_raus.fill(false);
    if (m_st.JedeGruppeTippt) {
        for (int i = 0; i < anzahlGruppen(m_st); ++i)
            m_anzeige.setzeAntwortSichtbar(i, true);
    } else {
        m_amZug = waehleStartgruppe(m_st, m_anzeige, m_zufall);
    }

    if (!m_st.Testmodus)
        m_anzeige.setzeAktiv(Knopf::NeuesBild, false);
    m_anzeige.setzePunkteLabelSichtbar(false);
    const bool letztes = m_st.Einstellungsdatei.amEnde();
    if (letztes) {
        m_anzeige.setzeSichtbar(Knopf::NeuesBild, false);
        m_listeZuEnde = true;
    }
    m_st.AktiveGruppe = 1;   // no claims before the first reveal
    ++m_bildnummer;
    m_vorDemUrteil.reset();
    melde({Ereignisart::BildBegonnen});
    if (letztes)
        melde({Ereignisart::ListeZuEnde});

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
    if (v >= 2)
        m_anzeige.setzePunkteLabelText(punkteAngebotText(v - 1));
    else
        m_anzeige.setzePunkteLabelSichtbar(false);

    if (v == 0)
        beendeBildOhneGewinner();
    m_st.AktiveGruppe = -1;
    if (sektor >= 0)
        melde({.art = Ereignisart::Aufgedeckt, .sektor = sektor});
    if (v == 0)
        melde({Ereignisart::BildEndeOhneGewinner});
}

void Spiel::beendeBildOhneGewinner()
{
    m_anzeige.setzeAktiv(Knopf::Weiter, false);
    m_anzeige.setzeAktiv(Knopf::NeuesBild, true);
    for (int i = 0; i < anzahlGruppen(m_st); ++i)
        m_anzeige.setzeAntwortSichtbar(i, false);
}

void Spiel::BAntwortClick(int tag)
{
    if (m_st.AktiveGruppe != -1)
        return;
    m_anzeige.setzeAktiv(Knopf::Weiter, false);

    const int g = tag - AntwortTagBasis;
    if (!istGruppe(g)) {
        m_meldungen.zeige(Meldungsart::Hinweis, QStringLiteral("BBantwortClick(): Falscher Tag"));
        return;
    }
    m_st.AktiveGruppe = g;
    m_anzeige.setzeAktiv(Knopf::Richtig, true);
    m_anzeige.setzeAktiv(Knopf::Falsch, true);
    m_anzeige.setzeGruppenFarbe(g, Panelfarbe::Hellgelb);
    for (int i = 0; i < anzahlGruppen(m_st); ++i) {
        if (i != g)
            m_anzeige.setzeAntwortAktiv(i, false);
    }
    melde({.art = Ereignisart::Anspruch, .gruppe = g});
}

void Spiel::BRichtigClick()
{
    const int g = m_st.AktiveGruppe;
    if (!istGruppe(g))
        return;

    merkeVorDemUrteil(true);
    m_anzeige.setzeAktiv(Knopf::Richtig, false);
    m_anzeige.setzeAktiv(Knopf::Falsch, false);
    if (m_st.JedeGruppeTippt)
        m_anzeige.setzeGruppenFarbe(g, Panelfarbe::Knopfflaeche);
    else
        faerbeGewinner(m_st, m_anzeige, g);
    m_amZug = -1;
    const int vorher = m_st.Punktestand[g];
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
    if (m_vorDemUrteil)
        m_vorDemUrteil->punkteDanach = m_st.Punktestand[g];
    melde({.art = Ereignisart::Urteil, .gruppe = g, .punkte = m_st.Punktestand[g] - vorher,
           .richtig = true});
    melde({.art = Ereignisart::BildEndeMitGewinner, .gruppe = g});
}

void Spiel::BFalschClick()
{
    const int g = m_st.AktiveGruppe;
    if (!istGruppe(g))
        return;

    merkeVorDemUrteil(false);
    m_anzeige.setzeAktiv(Knopf::Richtig, false);
    m_anzeige.setzeAktiv(Knopf::Falsch, false);
    m_anzeige.setzeAktiv(Knopf::Weiter, true);
    const int vorher = m_st.Punktestand[g];
    zieheStrafpunkteAb(m_st, m_anzeige, g);
    m_anzeige.setzeAntwortSichtbar(g, false);
    m_raus[std::size_t(g)] = true;
    if (m_st.JedeGruppeTippt)
        m_anzeige.setzeGruppenFarbe(g, Panelfarbe::Knopfflaeche);
    else
        m_amZug = gibZugWeiter(m_st, m_anzeige, m_meldungen, m_zufall, g);
    for (int i = 0; i < anzahlGruppen(m_st); ++i)
        m_anzeige.setzeAntwortAktiv(i, true);
    m_st.AktiveGruppe = -1;
    if (m_vorDemUrteil)
        m_vorDemUrteil->punkteDanach = m_st.Punktestand[g];
    melde({.art = Ereignisart::Urteil, .gruppe = g, .punkte = m_st.Punktestand[g] - vorher});
}

void Spiel::BPunkteEingebenClick(const QStringList& eingaben)
{
    const Korrekturschritt schritt = punkteEingeben(m_st, m_anzeige, m_eingabeOffen, eingaben);
    if (schritt.art == Korrektur::Begonnen)
        melde({Ereignisart::KorrekturBegonnen});
    else if (schritt.art == Korrektur::Angewandt) {
        // Typed scores are the quiz master's last word; a verdict taken back
        // afterwards would overwrite them.
        m_vorDemUrteil.reset();
        melde({.art = Ereignisart::KorrekturAngewandt, .gruppe = schritt.fehlgruppe});
    }
    if (schritt.fehlgruppe >= 0)
        throw VarnoFehler(keinIntegerText(eingaben.value(schritt.fehlgruppe)));
}

void Spiel::Button1Click(const Panelwerte& panel)
{
    if (!pruefeEinstellungen(m_st, panel.strafpunkte, panel.sektoren, m_meldungen))
        return;
    m_anzeige.verbergeEinstellungen();
    m_einstellungenOffen = false;
    m_st.JedeGruppeTippt = panel.jedeGruppeTippt;
    m_anzeige.setzeAktiv(Knopf::NeuesBild, true);
    melde({Ereignisart::EinstellungenBestaetigt});
    BNeuesBildClick();
}

// ---- the quiz master's tools -------------------------------------------------

void Spiel::merkeVorDemUrteil(bool richtig)
{
    // Only a verdict on a claim in play can be taken back: the buttons are
    // enabled in no other phase.
    if (phase() != Bildphase::Antwort) {
        m_vorDemUrteil.reset();
        return;
    }
    VorDemUrteil v;
    v.gruppe = m_st.AktiveGruppe;
    v.richtig = richtig;
    v.verdeckt = m_st.Verdeckt;
    v.verdecktZahl = m_st.VerdecktZahl;
    v.punktestand = m_st.Punktestand;
    v.startpool = m_st.Startpool;
    v.imSpiel = m_st.ImSpiel;
    v.dranZaehler = m_st.DranZaehler;
    v.startpoolZahl = m_st.StartpoolZahl;
    v.imSpielZahl = m_st.ImSpielZahl;
    v.amZug = m_amZug;
    v.raus = m_raus;
    m_vorDemUrteil = v;
}

bool Spiel::nimmUrteilZurueck()
{
    if (!m_vorDemUrteil)
        return false;
    const VorDemUrteil v = *m_vorDemUrteil;
    m_vorDemUrteil.reset();

    m_st.Verdeckt = v.verdeckt;
    m_st.VerdecktZahl = v.verdecktZahl;
    m_st.Punktestand = v.punktestand;
    m_st.Startpool = v.startpool;
    m_st.ImSpiel = v.imSpiel;
    m_st.DranZaehler = v.dranZaehler;
    m_st.StartpoolZahl = v.startpoolZahl;
    m_st.ImSpielZahl = v.imSpielZahl;
    m_st.AktiveGruppe = v.gruppe;
    m_amZug = v.amZug;
    m_raus = v.raus;

    zeigeAntwortphase();
    // IBild holds the picture since its first reveal (a layout renders it
    // again), so the cover goes back over it as a reveal would draw it.
    m_bild.zeigeGanzesBild();
    m_bild.zeichneAbdeckung();
    const int g = v.gruppe;
    melde({.art = Ereignisart::UrteilZurueckgenommen, .gruppe = g,
           .punkte = m_st.Punktestand[std::size_t(g)] - v.punkteDanach, .richtig = v.richtig});
    return true;
}

// The controls of a group awaiting its verdict, from the state alone: the
// same states the reveals, claims and verdicts of this picture left.
void Spiel::zeigeAntwortphase()
{
    const int g = m_st.AktiveGruppe;
    m_anzeige.setzeAktiv(Knopf::NeuesBild, false);
    m_anzeige.setzeAktiv(Knopf::Weiter, false);
    m_anzeige.setzeAktiv(Knopf::Richtig, true);
    m_anzeige.setzeAktiv(Knopf::Falsch, true);
    const QString angebot = punkteAngebotText(m_st.VerdecktZahl - 1);
    if (!angebot.isEmpty())
        m_anzeige.setzePunkteLabelText(angebot);
    m_anzeige.setzePunkteLabelSichtbar(!angebot.isEmpty());
    for (int i = 0; i < anzahlGruppen(m_st); ++i) {
        m_anzeige.setzePunkteText(i, punkteText(m_st.Punktestand[std::size_t(i)]));
        Panelfarbe farbe = Panelfarbe::Knopfflaeche;
        if (i == g || (!m_st.JedeGruppeTippt && i == m_amZug))
            farbe = Panelfarbe::Hellgelb;
        else if (!m_st.JedeGruppeTippt && !istImStartpool(m_st, i))
            farbe = Panelfarbe::Silber;
        m_anzeige.setzeGruppenFarbe(i, farbe);
        m_anzeige.setzeAntwortSichtbar(i, m_st.JedeGruppeTippt ? !m_raus[std::size_t(i)] : i == m_amZug);
        m_anzeige.setzeAntwortAktiv(i, i == g);
    }
}

bool Spiel::beendeBild()
{
    const Bildphase p = phase();
    if (p != Bildphase::Angekuendigt && p != Bildphase::Offen && p != Bildphase::Antwort)
        return false;

    // Nothing uncovered yet: the picture is rendered first, as the first
    // reveal would. A file that cannot be loaded still ends the picture (that
    // is what the key is for); the cover stays and the error follows.
    std::exception_ptr ladefehler;
    if (m_st.VerdecktZahl == anzahlSektoren(m_st)) {
        try {
            m_bild.rendereBild();
        } catch (...) {
            ladefehler = std::current_exception();
        }
    }
    if (p == Bildphase::Antwort) {
        const int g = m_st.AktiveGruppe;
        m_anzeige.setzeAktiv(Knopf::Richtig, false);
        m_anzeige.setzeAktiv(Knopf::Falsch, false);
        if (m_st.JedeGruppeTippt)
            m_anzeige.setzeGruppenFarbe(g, Panelfarbe::Knopfflaeche);
        for (int i = 0; i < anzahlGruppen(m_st); ++i)
            m_anzeige.setzeAntwortAktiv(i, true);
    }
    for (int i = 0; i < anzahlSektoren(m_st); ++i)
        m_st.Verdeckt[i] = false;
    m_st.VerdecktZahl = 0;
    if (!ladefehler)
        m_bild.zeigeGanzesBild();
    m_anzeige.setzePunkteLabelSichtbar(false);
    beendeBildOhneGewinner();
    m_st.AktiveGruppe = -1;
    melde({Ereignisart::BildEndeOhneGewinner});
    if (ladefehler)
        std::rethrow_exception(ladefehler);
    return true;
}

bool Spiel::spielLaeuft() const
{
    if (m_bildnummer == 0)
        return false;
    // Test mode has no end of play: its list ends when the last picture shows.
    if (m_st.Testmodus)
        return !m_listeZuEnde;
    return phase() != Bildphase::Erschoepft;
}
