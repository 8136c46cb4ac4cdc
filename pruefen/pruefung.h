#pragma once
// The checker behind varno-pruefen: reads a game folder's "Varno.ini" with the
// game's own reader and reports every problem at once, in German.

#include <QPoint>
#include <QSize>
#include <QString>

#include "render/einpassung.h"

class QTextStream;

// Checks the game in the folder ordner and writes the report to aus.
// 0: the game will run cleanly; 1: at least one problem was found.
// Changes the working directory while it runs (the game resolves every path
// relative to it) and restores it before returning.
int pruefe(const QString& ordner, QTextStream& aus);

// Window size assumed for a maximised window.
constexpr int AngenommeneBildschirmBreite = 1920;
constexpr int AngenommeneBildschirmHoehe = 1080;

// The picture area the game lays out for a window of the given outer size,
// taking the client area as large as the window. Sizes below 800 x 600 are
// raised as the game raises them. seitenX -1111: no aspect (the whole room).
Bildbereichsmass berechneBildflaeche(QSize fenster, int seitenX, int seitenY);
