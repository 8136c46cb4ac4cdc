#include "meldungsfang.h"

#include <algorithm>

void Meldungsfang::zeige(Meldungsart art, const QString& text)
{
    liste.append({art, text, Meldungsfall::Sonstige});
}

void Meldungsfang::zeigeMitFall(Meldungsart art, const QString& text, Meldungsfall fall)
{
    liste.append({art, text, fall});
}

QStringList Meldungsfang::texte() const
{
    QStringList t;
    for (const Meldung& m : liste)
        t << m.text;
    return t;
}

QList<Meldungsfall> Meldungsfang::faelle() const
{
    QList<Meldungsfall> f;
    for (const Meldung& m : liste)
        f << m.fall;
    return f;
}

int Meldungsfang::anzahl(const QString& text) const
{
    return int(std::count_if(liste.begin(), liste.end(), [&](const Meldung& m) { return m.text == text; }));
}

QList<std::pair<Meldungsart, QString>> Meldungsfang::mitArt() const
{
    QList<std::pair<Meldungsart, QString>> m;
    for (const Meldung& e : liste)
        m.append({e.art, e.text});
    return m;
}

bool Meldungsfang::frage(const QString& text, const QString& ja, const QString& nein)
{
    fragen << text + QStringLiteral(" | ") + ja + QStringLiteral(" | ") + nein;
    return antwortJa;
}
