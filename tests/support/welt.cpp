#include "welt.h"

Schnappschuss::Schnappschuss(const EchteWelt& w)
    : punkte(w.st.Punktestand), verdeckt(w.st.Verdeckt), verdecktZahl(w.st.VerdecktZahl),
      aktiveGruppe(w.st.AktiveGruppe), sichtbar(w.anzeige.sichtbar), aktiv(w.anzeige.aktiv),
      punkteText(w.anzeige.punkteText), antwortSichtbar(w.anzeige.antwortSichtbar),
      punkteLabel(w.anzeige.punkteLabel), punkteLabelSichtbar(w.anzeige.punkteLabelSichtbar),
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
    if (sichtbar != b.sichtbar || aktiv != b.aktiv || antwortSichtbar != b.antwortSichtbar)
        return QStringLiteral("Knöpfe");
    if (punkteLabel != b.punkteLabel || punkteLabelSichtbar != b.punkteLabelSichtbar)
        return QStringLiteral("Punkte-Label");
    if (sichtbaresBild != b.sichtbaresBild)
        return QStringLiteral("sichtbares Bild");
    return {};
}
