#include "punkte.h"

#include "core/hilfen.h"
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

Korrekturschritt punkteEingeben(Spielstand& st, Spielanzeige& anzeige,
                                std::array<bool, GruppenSlots>& offen, const QStringList& eingaben)
{
    const int gruppen = anzahlGruppen(st);
    if (gruppen == 0)
        return {};   // no scoreboard rows: nothing to correct

    if (!offen[0]) {
        for (int i = 0; i < gruppen; ++i) {
            anzeige.setzeEingabeText(i, QString::number(st.Punktestand[i]));
            anzeige.setzeEingabeSichtbar(i, true);
            offen[i] = true;
        }
        anzeige.setzeSichtbar(Knopf::EingabeFertig, true);
        anzeige.setzeSichtbar(Knopf::PunkteEingeben, false);
        return {Korrektur::Begonnen};
    }

    for (int i = 0; i < gruppen; ++i) {
        const std::optional<int> wert = alsGanzzahl(eingaben.value(i));
        if (!wert)
            return {Korrektur::Angewandt, i};
        setzePunkte(st, anzeige, i, *wert);
        anzeige.setzeEingabeSichtbar(i, false);
        offen[i] = false;
    }
    anzeige.setzeSichtbar(Knopf::EingabeFertig, false);
    anzeige.setzeSichtbar(Knopf::PunkteEingeben, true);
    return {Korrektur::Angewandt};
}

QString keinIntegerText(const QString& eingabe)
{
    return QStringLiteral("'") + eingabe + QStringLiteral("' ist kein gültiger Integerwert");
}
