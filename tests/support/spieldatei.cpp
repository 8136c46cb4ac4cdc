#include "spieldatei.h"

#include "core/fenstermasse.h"
#include "core/hilfen.h"
#include "core/spielstand.h"
#include "settings/einstellungen.h"
#include "aufnahme.h"
#include "testbilder.h"

QStringList Spieldatei::zeilen() const
{
    QStringList z{QStringLiteral("#Fenstergröße: Breite,Höhe oder max"),
                  fenster,
                  QStringLiteral("#Standard-Seitenverhältnis a:b oder *"),
                  seiten,
                  QStringLiteral("#Testmodus (0 oder 1)"),
                  test,
                  QStringLiteral("#Anzahl der Sektoren"),
                  sektoren,
                  QStringLiteral("#Jede Gruppe darf tippen (0 oder 1)"),
                  jede,
                  QStringLiteral("#Strafpunkte"),
                  strafe,
                  QStringLiteral("#Einstellungsfenster anzeigen (0 oder 1)"),
                  panel,
                  QStringLiteral("#Anzahl der Gruppen"),
                  gruppenzahl.value_or(QString::number(gruppen.size())),
                  QStringLiteral("#Namen der Gruppen")};
    z << gruppen << QStringLiteral("#Syntax der Bildnamen") << muster << QStringLiteral("#Bilder") << bilder;
    return z;
}

QList<QByteArray> Spieldatei::windowsZeilen() const
{
    QList<QByteArray> z;
    for (const QString& zeile : zeilen())
        z << nachWindows1252(zeile);
    return z;
}

QByteArray Spieldatei::windowsDatei() const { return verbinde(windowsZeilen()); }

bool Spieldatei::schreibe(const QString& pfad) const { return schreibeDatei(pfad, windowsDatei()); }

void liesWieDasFenster(Spielstand& st, Einstellungsziel& ziel, Meldungen& meldungen, const QString& pfad)
{
    st.FensterBreite = Entwurfsgroesse.width();
    st.FensterHoehe = Entwurfsgroesse.height();
    liesEinstellungen(st, ziel, meldungen, pfad);
}
