#pragma once
// The two window sizes every layer knows: the design size the window is
// first shown at, and the minimum the layout holds it at (outer sizes, frame
// included).

#include <QSize>

constexpr QSize Entwurfsgroesse(520, 498);
constexpr QSize Mindestgroesse(800, 600);

// The client area's division: the picture frame left, the column of buttons
// and scoreboard rows right (pixels).
constexpr int Fensterrand = 18;     // frame to the top and left edges; score-entry buttons to the bottom
constexpr int Bildrahmen = 2;       // the black frame around the picture, on each side
constexpr int Spaltenbreite = 450;  // the column and each scoreboard row
constexpr int Spaltenrand = 20;     // the column to the right edge

// What the client area gives the picture area less: 510 by 40.
constexpr QSize Bildbereichsabzug(Fensterrand + 2 * Bildrahmen + Fensterrand + Spaltenbreite + Spaltenrand,
                                  Fensterrand + 2 * Bildrahmen + Fensterrand);
