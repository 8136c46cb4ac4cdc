#include "aufnahme.h"

void Aufnahme::setzeSektorenText(const QString& text, const QString& hinweis)
{
    aufrufe << QStringLiteral("sektoren:") + text;
    sektorenHinweis = hinweis;
}

QStringList Aufnahme::gruppen() const
{
    QStringList namen;
    for (const QString& a : aufrufe)
        if (a.startsWith(QLatin1String("gruppe:")))
            namen << a.section(QLatin1Char(':'), 2);
    return namen;
}

QByteArray verbinde(const QList<QByteArray>& zeilen, const QByteArray& ende)
{
    QByteArray daten;
    for (const QByteArray& z : zeilen)
        daten += z + ende;
    return daten;
}
