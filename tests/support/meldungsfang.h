#pragma once
// Every message box the code under test asks for, kept instead of shown.

#include <QList>
#include <QString>
#include <QStringList>

#include "core/meldungen.h"

#include <utility>

class Meldungsfang : public Meldungen {
public:
    struct Meldung {
        Meldungsart art;
        QString text;
        Meldungsfall fall;   // Sonstige for a message shown without a case
    };

    QList<Meldung> liste;
    // Every question asked, as "text | ja | nein", and the answer all of them get.
    QStringList fragen;
    bool antwortJa = false;

    void zeige(Meldungsart art, const QString& text) override;
    void zeigeMitFall(Meldungsart art, const QString& text, Meldungsfall fall) override;
    bool frage(const QString& text, const QString& ja, const QString& nein) override;

    QStringList texte() const;
    QList<Meldungsfall> faelle() const;
    // How many messages read exactly so.
    int anzahl(const QString& text) const;
    // Kind and text of every message, to compare both and the count in one go.
    QList<std::pair<Meldungsart, QString>> mitArt() const;
};

// The list mitArt() gives for exactly one message.
inline QList<std::pair<Meldungsart, QString>> nurMeldung(Meldungsart art, const QString& text)
{
    return {{art, text}};
}
