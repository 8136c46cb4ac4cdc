#include "welt.h"

Schnappschuss::Schnappschuss(const EchteWelt& w)
    : punkte(w.st.Punktestand), verdeckt(w.st.Verdeckt), verdecktZahl(w.st.VerdecktZahl),
      aktiveGruppe(w.st.AktiveGruppe), sichtbar(w.anzeige.sichtbar), aktiv(w.anzeige.aktiv),
      punkteText(w.anzeige.punkteText), antwortSichtbar(w.anzeige.antwortSichtbar),
      antwortAktiv(w.anzeige.antwortAktiv), farbe(w.anzeige.farbe), startpool(w.st.Startpool),
      imSpiel(w.st.ImSpiel), dran(w.st.DranZaehler), startpoolZahl(w.st.StartpoolZahl),
      imSpielZahl(w.st.ImSpielZahl), bild(w.spiel.bild()), punkteLabel(w.anzeige.punkteLabel), punkteLabelSichtbar(w.anzeige.punkteLabelSichtbar),
      sichtbaresBild(w.bild.sichtbaresBild().copy())
{
}

QString Schnappschuss::unterschied(const Schnappschuss& b) const
{
    if (punkte != b.punkte || punkteText != b.punkteText)
        return QStringLiteral("Punkte");
    if (verdeckt != b.verdeckt || verdecktZahl != b.verdecktZahl)
        return QStringLiteral("Abdeckung");
    if (aktiveGruppe != b.aktiveGruppe)
        return QStringLiteral("AktiveGruppe");
    if (startpool != b.startpool || imSpiel != b.imSpiel || dran != b.dran
        || startpoolZahl != b.startpoolZahl || imSpielZahl != b.imSpielZahl)
        return QStringLiteral("Zugwahl");
    if (sichtbar != b.sichtbar || aktiv != b.aktiv || antwortSichtbar != b.antwortSichtbar
        || antwortAktiv != b.antwortAktiv)
        return QStringLiteral("Knöpfe");
    if (farbe != b.farbe)
        return QStringLiteral("Farben");
    if (!(bild == b.bild))
        return QStringLiteral("Spielbild");
    if (punkteLabel != b.punkteLabel || punkteLabelSichtbar != b.punkteLabelSichtbar)
        return QStringLiteral("Punkte-Label");
    if (sichtbaresBild != b.sichtbaresBild)
        return QStringLiteral("sichtbares Bild");
    return {};
}
