#pragma once
// Area-averaging scaler (a box filter): every destination pixel is the mean of
// the source pixels whose centres fall into it. When enlarging, a destination
// pixel that holds no source centre takes the source pixel under its own centre.

#include <QImage>
#include <QRect>

// Scales the rectangle q of quelle into the rectangle z of ziel. Both images are
// QImage::Format_RGB32. q is read in place and clamped to quelle; destination
// pixels outside ziel are skipped.
void skaliereFlaeche(const QImage& quelle, const QRect& q, QImage& ziel, const QRect& z);
