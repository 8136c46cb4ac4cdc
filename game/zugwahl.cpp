#include "zugwahl.h"

#include <algorithm>

#include "core/meldungen.h"
#include "core/spielstand.h"
#include "core/zufall.h"
#include "grenzen.h"
#include "spielanzeige.h"

namespace {

// Picks among the groups of the list with the fewest turns so far; ties are
// broken at random. Returns -1 for an empty list, without drawing.
int waehleUnterKandidaten(Spielstand& st, Spielanzeige& anzeige, Zufall& zufall,
                          const int* liste, int anzahl)
{
    if (anzahl < 1)
        return -1;

    int m = 100000;
    for (int i = 0; i < anzahl; ++i)
        m = std::min(m, st.DranZaehler[liste[i]]);

    int kandidaten[GruppenSlots];
    int n = 0;
    for (int i = 0; i < anzahl; ++i) {
        if (st.DranZaehler[liste[i]] == m)
            kandidaten[n++] = liste[i];
    }
    if (n < 1)
        return -1;   // only if a counter exceeds the start value of m

    const int r = std::clamp(zufall.ziehe(n), 0, n - 1);
    const int c = kandidaten[r];
    anzeige.setzeAntwortSichtbar(c, true);
    anzeige.setzeGruppenFarbe(c, Panelfarbe::Hellgelb);
    ++st.DranZaehler[c];
    return c;
}

int positionIn(const int* liste, int anzahl, int g)
{
    for (int p = 0; p < anzahl; ++p) {
        if (liste[p] == g)
            return p;
    }
    return -1;
}

// Removes entry p, the later ones move up a place so the order is kept.
void entferne(int* liste, int& anzahl, int p)
{
    for (int q = p; q < anzahl - 1; ++q)
        liste[q] = liste[q + 1];
    --anzahl;
}

Panelfarbe ruhefarbe(const Spielstand& st, int g)
{
    return istImStartpool(st, g) ? Panelfarbe::Knopfflaeche : Panelfarbe::Silber;
}

} // namespace

void setzeZaehlerZurueck(Spielstand& st)
{
    st.StartpoolZahl = 0;
    for (int g = 0; g < anzahlGruppen(st); ++g)
        st.DranZaehler[g] = 0;
}

bool istImStartpool(const Spielstand& st, int g)
{
    const int zahl = std::clamp(st.StartpoolZahl, 0, MaxGruppen);
    return positionIn(st.Startpool.data(), zahl, g) >= 0;
}

int waehleStartgruppe(Spielstand& st, Spielanzeige& anzeige, Zufall& zufall)
{
    const int gruppen = anzahlGruppen(st);
    for (int i = 0; i < gruppen; ++i) {
        st.ImSpiel[i] = i;
        anzeige.setzeGruppenFarbe(i, Panelfarbe::Silber);
    }
    st.StartpoolZahl = std::clamp(st.StartpoolZahl, 0, gruppen);
    for (int p = 0; p < st.StartpoolZahl; ++p)
        anzeige.setzeGruppenFarbe(st.Startpool[p], Panelfarbe::Knopfflaeche);
    st.ImSpielZahl = gruppen;

    if (st.StartpoolZahl < 1) {
        for (int i = 0; i < gruppen; ++i) {
            st.Startpool[i] = i;
            anzeige.setzeGruppenFarbe(i, Panelfarbe::Knopfflaeche);
        }
        st.StartpoolZahl = gruppen;
    }

    const int c = waehleUnterKandidaten(st, anzeige, zufall, st.Startpool.data(), st.StartpoolZahl);
    if (c < 0)
        return -1;
    entferne(st.Startpool.data(), st.StartpoolZahl,
             positionIn(st.Startpool.data(), st.StartpoolZahl, c));
    return c;
}

int gibZugWeiter(Spielstand& st, Spielanzeige& anzeige, Meldungen& meldungen, Zufall& zufall,
                  int g)
{
    const int gruppen = anzahlGruppen(st);
    st.ImSpielZahl = std::clamp(st.ImSpielZahl, 0, gruppen);

    const int p = positionIn(st.ImSpiel.data(), st.ImSpielZahl, g);
    if (p < 0) {
        // Nothing to remove; the turn still passes on among the rest so the
        // picture can go on.
        meldungen.zeige(Meldungsart::Hinweis,
                        QStringLiteral("Fehler: Gruppennummer nicht erkannt (nicht ImSpiel)!"));
    } else {
        entferne(st.ImSpiel.data(), st.ImSpielZahl, p);
    }

    if (st.ImSpielZahl == 0) {
        // Everyone has had a try on this picture: a new pass without g.
        for (int i = 0; i < gruppen; ++i) {
            if (i != g)
                st.ImSpiel[st.ImSpielZahl++] = i;
        }
    }

    // With a single group nobody is left; the quiz master reveals on.
    const int c = waehleUnterKandidaten(st, anzeige, zufall, st.ImSpiel.data(), st.ImSpielZahl);

    anzeige.setzeGruppenFarbe(g, ruhefarbe(st, g));
    return c;
}

void faerbeGewinner(const Spielstand& st, Spielanzeige& anzeige, int g)
{
    anzeige.setzeGruppenFarbe(g, ruhefarbe(st, g));
}
