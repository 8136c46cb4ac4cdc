// varno-pruefen: checks a game folder before the party and lists every problem
// at once; with --neu it writes a game for a folder of pictures.

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

#include "neu.h"
#include "pruefung.h"

int main(int argc, char* argv[])
{
    QCoreApplication anwendung(argc, argv);
    QTextStream aus(stdout);
    aus.setEncoding(QStringConverter::Utf8);
    const QStringList argumente = QCoreApplication::arguments().mid(1);
    if (argumente.size() == 2 && argumente[0] == QLatin1String("--neu")) {
        const int ergebnis = legeSpielAn(argumente[1], aus);
        aus.flush();
        return ergebnis;
    }
    if (argumente.size() > 1 || (argumente.size() == 1 && argumente[0].startsWith(QLatin1Char('-')))) {
        aus << QStringLiteral("Aufruf: varno-pruefen [Spielordner]\n"
                              "       varno-pruefen --neu Bilderordner\n"
                              "Prüft die Datei Varno.ini und alle Bilder eines Spielordners (ohne Angabe: den "
                              "aktuellen Ordner).\n"
                              "Rückgabewert 0: Das Spiel läuft sauber; 1: Es gibt Probleme.\n"
                              "Mit --neu wird im Bilderordner eine neue Varno.ini mit allen JPEG- und BMP-Bildern "
                              "des Ordners und seiner Unterordner angelegt; eine vorhandene bleibt unverändert.\n");
        return argumente.size() == 1 && (argumente[0] == QLatin1String("-h") || argumente[0] == QLatin1String("--help"))
            ? 0
            : 2;
    }
    const int ergebnis = pruefe(argumente.value(0, QStringLiteral(".")), aus);
    aus.flush();
    return ergebnis;
}
