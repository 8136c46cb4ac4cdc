#pragma once
// The window's side of reading the settings, recorded; and settings files
// put together line by line.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "settings/einstellungen.h"

// Records every call as one line of text, in order.
class Aufnahme : public Einstellungsziel {
public:
    QStringList aufrufe;
    QString sektorenHinweis;

    void setzeSektorenText(const QString& text, const QString& hinweis) override;
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

    // The names of the rows created, in order.
    QStringList gruppen() const;
};

// Lines joined with the given line end after each line.
QByteArray verbinde(const QList<QByteArray>& zeilen, const QByteArray& ende = "\r\n");
