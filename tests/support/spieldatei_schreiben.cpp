// The shared "Varno.ini" builder for the suites written in shell:
//   varno-spieldatei <file> [field=value ...]
// Each field of Spieldatei by its name; "gruppe" and "bild" add one group
// name or picture entry each time they come (the first replaces the defaults).

#include <QCoreApplication>
#include <QTextStream>

#include "spieldatei.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList argumente = app.arguments().mid(1);
    if (argumente.isEmpty())
        return 2;
    Spieldatei datei;
    QStringList gruppen, bilder;
    for (const QString& a : argumente.mid(1)) {
        const QString feld = a.section(QLatin1Char('='), 0, 0), wert = a.section(QLatin1Char('='), 1);
        QString* ziel = feld == u"fenster" ? &datei.fenster : feld == u"seiten" ? &datei.seiten
            : feld == u"test" ? &datei.test : feld == u"sektoren" ? &datei.sektoren
            : feld == u"jede" ? &datei.jede : feld == u"strafe" ? &datei.strafe
            : feld == u"panel" ? &datei.panel : feld == u"muster" ? &datei.muster : nullptr;
        if (ziel)
            *ziel = wert;
        else if (feld == u"gruppe")
            gruppen << wert;
        else if (feld == u"bild")
            bilder << wert;
        else {
            QTextStream(stderr) << "unknown field " << feld << '\n';
            return 2;
        }
    }
    if (!gruppen.isEmpty())
        datei.gruppen = gruppen;
    if (!bilder.isEmpty())
        datei.bilder = bilder;
    return datei.schreibe(argumente.first()) ? 0 : 1;
}
