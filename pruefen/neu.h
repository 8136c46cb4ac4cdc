#pragma once
// varno-pruefen --neu ORDNER: writes a game for the pictures of a folder, so
// that a quiz master need not type the picture list by hand.

#include <QString>
#include <QStringList>

class QTextStream;

// Writes ordner/Varno.ini (Windows-1252, CR LF) with every setting at a
// sensible default, four groups "Gruppe 1" ... "Gruppe 4", the pattern "*" and
// one entry per JPEG and BMP file of the folder and its subfolders, in natural
// order. Never overwrites. Reports to aus what it wrote, what it left out and
// the next steps. 0: written; 1: nothing written.
int legeSpielAn(const QString& ordner, QTextStream& aus);

// "Bild 2.jpg" before "Bild 10.jpg": runs of digits compare by their value,
// the rest ignoring letter case; folders by folder, each part that way.
bool natuerlichVor(const QString& a, const QString& b);

// Why the settings file cannot carry this picture path as an entry; empty if it can.
QString warumNichtEintragbar(const QString& relativerPfad);
