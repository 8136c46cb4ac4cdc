#pragma once
// One outside input through one reader, as the fuzz targets and the replay
// test run it. Each function returns an empty text for a sane outcome and a
// description of the fault otherwise; crashes, leaks and undefined behaviour
// are left to the sanitizers.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Eingabe {

// The settings file from its first byte to the picture list.
QString einstellungsdatei(const QByteArray& daten);

// A settings file read as above, then every picture entry until "Dateiende erreicht!".
QString bildeintraege(const QByteArray& daten);

// A picture file rendered through the picture area into a small target, each
// positioning code once.
QString jpegDatei(const QByteArray& daten);
QString bmpDatei(const QByteArray& daten);

// A phone's message through the buzzer protocol's parser, and the address
// limits keyed by the same bytes.
QString telefonNachricht(const QByteArray& daten);

// The folder of the temporary files (on /dev/shm where it exists).
QString arbeitsordner();

// Fuzz target names as used under fuzz/corpus and fuzz/regressions.
inline QStringList zielnamen()
{
    return {QStringLiteral("einstellungen"), QStringLiteral("bildeintraege"),
            QStringLiteral("jpeg"), QStringLiteral("bmp"), QStringLiteral("telefon")};
}

// The function of a target name; null for an unknown name.
using Pruefung = QString (*)(const QByteArray&);
Pruefung pruefungFuer(const QString& ziel);

} // namespace Eingabe
