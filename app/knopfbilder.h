#pragma once
// The button pictures and the window's pictures, drawn from the SVG assets.

#include <QPixmap>

enum class Knopfbild {
    Keins,
    Richtig,        // green tick, 18 x 18
    Falsch,         // red cross, 18 x 18
    Weiter,         // blue play triangle, 50 x 50
    Antwort,        // red round push button, 26 x 26
    NeuesBild,      // two green arrows in a circle, 18 x 18
    Ok,             // OK tick, 18 x 18
    PunkteFeld,     // small white text field, 49 x 17; no disabled picture
    Einstellungen,  // settings-panel picture, 32 x 32
    Symbol,         // window icon, 16 x 16
};

struct Bildpaar {
    QPixmap aktiv;
    QPixmap inaktiv;  // grey form; empty where a button shows nothing when disabled
};

// Cached per picture; empty pixmaps for Keins.
const Bildpaar& knopfbild(Knopfbild bild);
// Grey form of a picture: luminance squeezed into light greys, transparency kept.
QPixmap grauform(const QPixmap& bild);
