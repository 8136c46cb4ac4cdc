#pragma once
// The two window sizes every layer knows: the design size the window is
// first shown at, and the minimum the layout holds it at (outer sizes, frame
// included).

#include <QSize>

constexpr QSize Entwurfsgroesse(520, 498);
constexpr QSize Mindestgroesse(800, 600);
