#include "rangliste.h"

#include <algorithm>

#include "core/spielstand.h"
#include "grenzen.h"

std::vector<Rangplatz> rangliste(const Spielstand& st)
{
    std::vector<int> punkte;
    for (int g = 0; g < anzahlGruppen(st); ++g)
        punkte.push_back(st.Punktestand[static_cast<std::size_t>(g)]);
    return rangliste(punkte);
}

std::vector<Rangplatz> rangliste(const std::vector<int>& punkte)
{
    std::vector<Rangplatz> liste;
    for (std::size_t g = 0; g < punkte.size(); ++g)
        liste.push_back({0, static_cast<int>(g), punkte[g]});
    std::stable_sort(liste.begin(), liste.end(),
                     [](const Rangplatz& a, const Rangplatz& b) { return a.punkte > b.punkte; });
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const bool gleichauf = i > 0 && liste[i].punkte == liste[i - 1].punkte;
        liste[i].platz = gleichauf ? liste[i - 1].platz : static_cast<int>(i) + 1;
    }
    return liste;
}

QString ranglistenZeile(const Rangplatz& platz, const QString& name)
{
    // Joined, not formatted: a name may hold a "%1" of its own.
    return QString::number(platz.platz) + QStringLiteral(". ") + name + QStringLiteral(": ")
        + QString::number(platz.punkte) + QStringLiteral(" Punkte");
}
