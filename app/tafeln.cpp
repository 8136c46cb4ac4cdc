#include "tafeln.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <algorithm>

#include "tastatur.h"
#include "ueberblendung.h"

namespace {

constexpr int Zeilenabstand = 6;
constexpr int Spaltenabstand = 36;

QFont arial(int pixel, bool fett)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

}  // namespace

QSize fuelleTastenhilfe(QFrame* tafel)
{
    QLabel* kopf = beschrifte(tafel, QStringLiteral("Mit der Tastatur spielen"), 24, true);
    kopf->move(TafelRand, TafelRand);
    int y = kopf->geometry().bottom() + 1 + 2 * Zeilenabstand;
    std::vector<std::pair<QLabel*, QLabel*>> paare;
    int links = 0;
    for (const Hilfezeile& z : tastenhilfe()) {
        paare.emplace_back(beschrifte(tafel, z.tasten, 17, true), beschrifte(tafel, z.wirkung, 17));
        links = std::max(links, paare.back().first->width());
    }
    int breite = kopf->width();
    for (const auto& [l, r] : paare) {
        l->move(TafelRand, y);
        r->move(TafelRand + links + Spaltenabstand, y);
        breite = std::max(breite, links + Spaltenabstand + r->width());
        y += std::max(l->height(), r->height()) + Zeilenabstand;
    }
    const QRect fuss = setzeFusszeile(tafel, y + Zeilenabstand);
    breite = std::max(breite, fuss.width());
    return {breite + 2 * TafelRand, fuss.bottom() + 1 + TafelRand};
}

namespace {

// One arrangement of the ranking: font sizes and columns.
struct Anordnung {
    int titel, oben, sonst;   // pixel sizes: title, first three places, the others
    int spalten;
};

int zeilenhoehe(int pixel) { return QFontMetrics(arial(pixel, true)).height() + Zeilenabstand; }

int textbreite(const QString& text, int pixel) { return QFontMetrics(arial(pixel, true)).horizontalAdvance(text); }

QSize groesseVon(const Anordnung& a, const std::vector<Ranglisteneintrag>& e, const std::vector<QString>& zeilen)
{
    const std::size_t proSpalte = (e.size() + std::size_t(a.spalten) - 1) / std::size_t(a.spalten);
    int hoehe = 0, breite = 0;
    for (std::size_t anfang = 0; anfang < e.size(); anfang += proSpalte) {
        int h = 0, b = 0;
        for (std::size_t i = anfang; i < std::min(e.size(), anfang + proSpalte); ++i) {
            const int pixel = e[i].platz.platz <= 3 ? a.oben : a.sonst;
            h += zeilenhoehe(pixel);
            b = std::max(b, textbreite(zeilen[i], pixel));
        }
        hoehe = std::max(hoehe, h);
        breite += b + (anfang > 0 ? Spaltenabstand : 0);
    }
    const int kopf = zeilenhoehe(a.titel) + Zeilenabstand;
    const int fuss = zeilenhoehe(15) + Zeilenabstand;
    const int fussbreite = textbreite(QStringLiteral("Eine beliebige Taste oder ein Klick schließt dieses Fenster."), 15);
    return {std::max({breite, fussbreite, textbreite(QStringLiteral("Rangliste"), a.titel)}) + 2 * TafelRand,
            kopf + hoehe + fuss + 2 * TafelRand};
}

}  // namespace

QSize fuelleRangliste(QFrame* tafel, QSize platz, const std::vector<Ranglisteneintrag>& eintraege)
{
    std::vector<QString> zeilen;
    for (const Ranglisteneintrag& e : eintraege)
        zeilen.push_back(ranglistenZeile(e.platz, e.name));
    // The largest arrangement that fits the window; the smallest one otherwise.
    Anordnung gewaehlt{16, 15, 12, 2};
    for (int stufe = 0; stufe < 10 && gewaehlt.titel == 16; ++stufe) {
        for (const int spalten : {1, 2}) {
            const Anordnung a{34 - 2 * stufe, 30 - 2 * stufe, 22 - stufe, spalten};
            if (spalten == 2 && eintraege.size() < 2)
                continue;
            const QSize s = groesseVon(a, eintraege, zeilen);
            if (s.width() <= platz.width() && s.height() <= platz.height()) {
                gewaehlt = a;
                break;
            }
        }
    }
    QLabel* kopf = beschrifte(tafel, QStringLiteral("Rangliste"), gewaehlt.titel, true);
    kopf->move(TafelRand, TafelRand);
    const int oben = kopf->geometry().bottom() + 1 + 2 * Zeilenabstand;
    const std::size_t proSpalte =
        std::max<std::size_t>(1, (eintraege.size() + std::size_t(gewaehlt.spalten) - 1) / std::size_t(gewaehlt.spalten));
    int x = TafelRand, y = oben, spaltenbreite = 0, unten = oben, rechts = kopf->geometry().right();
    for (std::size_t i = 0; i < eintraege.size(); ++i) {
        if (i > 0 && i % proSpalte == 0) {
            x += spaltenbreite + Spaltenabstand;
            y = oben;
            spaltenbreite = 0;
        }
        const bool vorn = eintraege[i].platz.platz <= 3;
        QLabel* l = beschrifte(tafel, zeilen[i], vorn ? gewaehlt.oben : gewaehlt.sonst, vorn);
        l->setObjectName(QStringLiteral("Rang%1").arg(i));
        l->move(x, y);
        y += l->height() + Zeilenabstand;
        spaltenbreite = std::max(spaltenbreite, l->width());
        unten = std::max(unten, y);
        rechts = std::max(rechts, l->geometry().right());
    }
    const QRect fuss = setzeFusszeile(tafel, unten + Zeilenabstand);
    return {std::max(rechts, fuss.right()) + 1 + TafelRand, fuss.bottom() + 1 + TafelRand};
}
