#pragma once
// The final ranking: every group, highest score first. Groups with equal
// scores share a place (the next place counts the groups before it: 1, 2, 2,
// 4) and keep their scoreboard order.

#include <QString>
#include <vector>

struct Spielstand;

struct Rangplatz {
    int platz;   // 1, 2, ...
    int gruppe;  // index on the scoreboard
    int punkte;
};

std::vector<Rangplatz> rangliste(const Spielstand& st);
// The same for the scores of a view, in scoreboard order.
std::vector<Rangplatz> rangliste(const std::vector<int>& punkte);

// "<place>. <name>: <score> Punkte", the word " Punkte" for every score.
QString ranglistenZeile(const Rangplatz& platz, const QString& name);
