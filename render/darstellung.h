#pragma once
// Drawing a decoded picture into a picture area as its positioning code says.

#include <QImage>
#include <QString>

// Fits quelle (QImage::Format_RGB32) into ziel, whose size is the area, as the
// positioning code says and draws it with black bars where the picture leaves
// room. A picture of ziel's own size replaces ziel as it is; otherwise every
// pixel of ziel is written, in Format_RGB32. A null ziel stays as it is.
void stelleBildDar(QImage& ziel, const QImage& quelle, const QString& code);
