#pragma once
// What the sheets over the window show: the key help and the final ranking.

#include <QSize>
#include <QString>
#include <vector>

#include "game/rangliste.h"

class QFrame;

// The keys and what they do, in German, in two columns.
QSize fuelleTastenhilfe(QFrame* tafel);

struct Ranglisteneintrag {
    Rangplatz platz;
    QString name;
};

// Every group, highest score first, the first three places larger; in one or
// two columns and as large as the window allows (30 groups fit on 800 × 600).
QSize fuelleRangliste(QFrame* tafel, QSize platz, const std::vector<Ranglisteneintrag>& eintraege);
