#pragma once
// Recording stand-ins for the window's side of the settings code.

#include "core/meldungen.h"
#include "settings/einstellungen.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Records every call as one line of text, in order.
class Aufnahme : public Einstellungsziel {
public:
    void setzeSektorenText(const QString& text, const QString& hinweis) override
    {
        aufrufe << QStringLiteral("sektoren:") + text;
        sektorenHinweis = hinweis;
    }
    void setzeStrafpunkteText(const QString& text) override { aufrufe << QStringLiteral("straf:") + text; }
    void setzeJedeGruppeTippt(bool jede) override
    {
        aufrufe << (jede ? QStringLiteral("jede:1") : QStringLiteral("jede:0"));
    }
    void verbergeEinstellungen() override { aufrufe << QStringLiteral("verberge"); }
    void erzeugeGruppe(int index, const QString& name) override
    {
        aufrufe << QStringLiteral("gruppe:%1:").arg(index) + name;
    }
    void platziereSpalte() override { aufrufe << QStringLiteral("spalte"); }

    QString sektorenHinweis;

    QStringList gruppen() const
    {
        QStringList namen;
        for (const QString& a : aufrufe)
            if (a.startsWith(QLatin1String("gruppe:")))
                namen << a.section(QLatin1Char(':'), 2);
        return namen;
    }

    QStringList aufrufe;
};

class Fangnetz : public Meldungen {
public:
    void zeige(Meldungsart art, const QString& text) override { zeigeMitFall(art, text, Meldungsfall::Sonstige); }
    void zeigeMitFall(Meldungsart art, const QString& text, Meldungsfall fall) override
    {
        liste.append({art, text});
        faelle.append(fall);
    }
    QStringList texte() const
    {
        QStringList t;
        for (const auto& m : liste)
            t << m.second;
        return t;
    }
    QList<QPair<Meldungsart, QString>> liste;
    QList<Meldungsfall> faelle;  // one per message of liste
};

// Lines joined with the given line end after each line.
inline QByteArray verbinde(const QList<QByteArray>& zeilen, const QByteArray& ende = "\r\n")
{
    QByteArray daten;
    for (const QByteArray& z : zeilen)
        daten += z + ende;
    return daten;
}
