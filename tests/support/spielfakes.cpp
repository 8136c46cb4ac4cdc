#include "spielfakes.h"

#include "core/meldungen.h"

FakeAnzeige::FakeAnzeige(Protokoll& protokoll) : m_protokoll(protokoll)
{
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
