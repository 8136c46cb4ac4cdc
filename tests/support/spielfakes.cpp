#include "spielfakes.h"

#include "app/entwurf.h"
#include "core/fenstermasse.h"
#include "core/hilfen.h"
#include "core/meldungen.h"
#include "game/spiel.h"
#include "render/einpassung.h"

FakeAnzeige::FakeAnzeige(Protokoll& protokoll) : m_protokoll(protokoll)
{
    for (Knopf k : {Knopf::NeuesBild, Knopf::Weiter, Knopf::Richtig, Knopf::Falsch,
                    Knopf::PunkteEingeben, Knopf::EingabeFertig}) {
        const Elemententwurf& e = entwurfVon(entwurfsname(k));
        sichtbar[k] = e.sichtbar;
        aktiv[k] = e.aktiv;
    }
    farbe.fill(Panelfarbe::Knopfflaeche);
    antwortSichtbar.fill(false);
    antwortAktiv.fill(true);
    punkteText.fill(::punkteText(0));
    eingabeSichtbar.fill(false);
}

QList<int> FakeAnzeige::sichtbareAntworten() const
{
    QList<int> liste;
    for (int i = 0; i < zeilen; ++i) {
        if (antwortSichtbar[i])
            liste << i;
    }
    return liste;
}

void FakeAnzeige::verbergeEinstellungen()
{
    ++aenderungen;
    ++verborgen;
    einstellungenSichtbar = false;
}

void FakeAnzeige::setzeAnwendungsSymbol()
{
    ++symbolGesetzt;
    m_protokoll << QStringLiteral("symbol");
}

void FakeAnzeige::pruefe(int i) const
{
    if (i < 0 || i >= zeilen)
        const_cast<FakeAnzeige*>(this)->fehler << QStringLiteral("Zeile %1").arg(i);
}

void FakeBild::formResize()
{
    m_protokoll << QStringLiteral("formResize");
    const QSize a = m_fenster.aussenGroesse();
    if (a.width() == m_st.FensterBreite && a.height() == m_st.FensterHoehe)
        return;
    m_st.FensterHoehe = a.height();
    m_st.FensterBreite = a.width();
    if (a.width() < Mindestgroesse.width()) {
        m_fenster.setzeAussenBreite(Mindestgroesse.width());
        return;
    }
    if (a.height() < Mindestgroesse.height()) {
        m_fenster.setzeAussenHoehe(Mindestgroesse.height());
        return;
    }
    ++layouts;
    const QSize bereich = berechneBildbereich(m_fenster.innenGroesse(), m_st.SeitenX, m_st.SeitenY).groesse;
    m_st.BildBreite = bereich.width();
    m_st.BildHoehe = bereich.height();
    m_protokoll << QStringLiteral("layout %1x%2").arg(a.width()).arg(a.height());
    if (!m_st.BildDatei.isEmpty() && m_st.VerdecktZahl < m_st.Sektorenzahl) {
        rendereBild();
        zeigeGanzesBild();
    }
    zeichneAbdeckung();
}

void FakeBild::rendereBild()
{
    m_protokoll << QStringLiteral("rendere");
    if (ladefehler > 0) {
        --ladefehler;
        throw VarnoFehler(QStringLiteral("Bild kaputt"));
    }
}

int SkriptZufall::ziehe(int n)
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

void Zuschauer::geschehen(const Spielereignis& e, const Spielbild& bild)
{
    ereignisse << beschreibe(e);
    letztes = bild;
    const FakeAnzeige& f = m_fenster;
    QStringList abweichend;
    const auto pruefe = [&abweichend](bool gleich, const QString& was) {
        if (!gleich)
            abweichend << was;
    };
    const bool offen = bild.phase == Bildphase::Offen;
    pruefe(f.istAktiv(Knopf::Weiter) == (offen || bild.phase == Bildphase::Angekuendigt),
           QStringLiteral("Weiter"));
    pruefe(f.istAktiv(Knopf::Richtig) == (bild.phase == Bildphase::Antwort), QStringLiteral("richtig"));
    pruefe(f.istSichtbar(Knopf::NeuesBild) == !bild.listeZuEnde, QStringLiteral("Neues Bild"));
    pruefe(f.istSichtbar(Knopf::EingabeFertig) == bild.korrekturLaeuft, QStringLiteral("Eingabe fertig"));
    const QString angebot = punkteAngebotText(bild.punkteImAngebot);
    pruefe(f.punkteLabelSichtbar == !angebot.isEmpty()
               && (angebot.isEmpty() || f.punkteLabel == angebot),
           QStringLiteral("Punktegutschrift"));
    pruefe(bild.gruppen.size() == f.zeilen, QStringLiteral("Gruppenzahl"));
    for (int i = 0; i < std::min<int>(int(bild.gruppen.size()), f.zeilen); ++i) {
        const Gruppenbild& g = bild.gruppen[i];
        pruefe(g.darfAnsprechen == (offen && f.antwortSichtbar[i] && f.antwortAktiv[i]),
               QStringLiteral("Antwort %1").arg(i));
        pruefe(g.eingabeOffen == f.eingabeSichtbar[i], QStringLiteral("Eingabe %1").arg(i));
        if (i == bild.amZug || i == bild.antwortet)
            pruefe(f.farbe[i] == Panelfarbe::Hellgelb, QStringLiteral("Farbe %1").arg(i));
    }
    if (!abweichend.isEmpty())
        fehler << beschreibe(e) + QStringLiteral(": ") + abweichend.join(QStringLiteral(", "));
}

QStringList Zuschauer::ohneAufdecken() const
{
    QStringList liste;
    for (const QString& e : ereignisse) {
        if (!e.startsWith(QStringLiteral("Aufgedeckt")))
            liste << e;
    }
    return liste;
}
