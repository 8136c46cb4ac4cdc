// Program entry: one window, run until it is closed.

#include <QApplication>

#include "core/zufall.h"
#include "hauptfenster.h"
#include "meldungsboxen.h"

int main(int argc, char* argv[])
{
    QApplication anwendung(argc, argv);
    // Only the name: a display name would be appended to every window caption.
    QApplication::setApplicationName(QStringLiteral("Varno Quiz"));

    Meldungsboxen meldungen;
    StandardZufall zufall;
    TForm1 fenster(meldungen, zufall);
    QApplication::setWindowIcon(fenster.windowIcon());
    meldungen.setzeEltern(&fenster);
    fenster.zeigeZentriert();
    return anwendung.exec();
}
