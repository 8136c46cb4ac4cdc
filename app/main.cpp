// Program entry: one window, run until it is closed.

#include <QApplication>
#include <malloc.h>

#include "core/zufall.h"
#include "hauptfenster.h"
#include "meldungsboxen.h"

int main(int argc, char* argv[])
{
    // Pictures and their scaled copies are large, short-lived blocks. By
    // default glibc raises its mmap threshold after the first one is freed and
    // keeps later ones on the heap, so a few window resizes during play left
    // several megabytes resident for good; fixed thresholds give them back.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024);
    // On a Wayland desktop the compositor places windows itself and refuses
    // moves; through XWayland the window takes its configured size and corner.
    // A platform the user chose is kept.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
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
