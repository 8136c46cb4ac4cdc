#include "punkte.h"

#include "core/hilfen.h"
#include "core/meldungen.h"
#include "core/spielstand.h"
#include "grenzen.h"
#include "spielanzeige.h"

namespace {

void setzePunkte(Spielstand& st, Spielanzeige& anzeige, int g, int wert)
{
    st.Punktestand[g] = wert;
    anzeige.setzePunkteText(g, punkteText(wert));
}

} // namespace

void vergebePunkte(Spielstand& st, Spielanzeige& anzeige, int g)
{
    setzePunkte(st, anzeige, g,
                addiereBegrenzt(st.Punktestand[g], static_cast<long long>(st.VerdecktZahl) - 1));
}

void zieheStrafpunkteAb(Spielstand& st, Spielanzeige& anzeige, int g)
{
    setzePunkte(st, anzeige, g,
                addiereBegrenzt(st.Punktestand[g], -static_cast<long long>(st.Strafpunkte)));
}

void punkteEingeben(Spielstand& st, Spielanzeige& anzeige)
{
    const int gruppen = anzahlGruppen(st);
    if (gruppen == 0)
        return;   // no scoreboard rows: nothing to correct

    if (!anzeige.istEingabeSichtbar(0)) {
        for (int i = 0; i < gruppen; ++i) {
            anzeige.setzeEingabeText(i, QString::number(st.Punktestand[i]));
            anzeige.setzeEingabeSichtbar(i, true);
        }
        anzeige.setzeSichtbar(Knopf::EingabeFertig, true);
        anzeige.setzeSichtbar(Knopf::PunkteEingeben, false);
        return;
    }

    for (int i = 0; i < gruppen; ++i) {
        const QString text = anzeige.eingabeText(i);
        const std::optional<int> wert = alsGanzzahl(text);
        if (!wert)
            throw VarnoFehler(QStringLiteral("'") + text
                              + QStringLiteral("' ist kein gültiger Integerwert"));
        setzePunkte(st, anzeige, i, *wert);
        anzeige.setzeEingabeSichtbar(i, false);
    }
    anzeige.setzeSichtbar(Knopf::EingabeFertig, false);
    anzeige.setzeSichtbar(Knopf::PunkteEingeben, true);
}
