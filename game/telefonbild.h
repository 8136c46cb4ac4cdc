#pragma once
// What a group's phone shows, derived from the announced picture alone: what
// a press would do now, why a press was not taken, and the messages the
// server sends. The server keeps no game state; it renders these at every
// announcement.

#include <QByteArray>
#include <QString>

#include "spielbild.h"

enum class Druckwirkung {
    Melden,      // a press claims now
    Antwortet,   // the group's own claim awaits the verdict
    AndereDran,  // another group's turn or answer
    Raus,        // answered wrong on this picture
    Warten,      // no picture open for claims: before the first reveal or between pictures
};

Druckwirkung druckwirkung(const Spielbild& bild, int gruppe);
QString druckwirkungText(Druckwirkung wirkung);

// Why a press of `gruppe` was not taken, read from the picture just before it:
// "zu spät", "nicht dran" or "für dieses Bild raus".
QString ablehnungsgrund(const Spielbild& vorher, int gruppe);

// The messages to a phone (one JSON object each, see docs/architecture.md).
QByteArray gruppenNachricht(const Spielbild& bild);
QByteArray zustandsNachricht(const Spielbild& bild, int gruppe);
QByteArray angenommenNachricht();
QByteArray ignoriertNachricht(const QString& grund);
QByteArray abgelehntNachricht(const QString& text);
