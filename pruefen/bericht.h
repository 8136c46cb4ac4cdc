#pragma once
// The checker's report, and how the messages of the game's readers go into it:
// each by the case its reader handed over, never by its wording.

#include <QString>
#include <vector>

#include "core/meldungen.h"

class QTextStream;
class Zeilenleser;

// A reader's message, with the line count of the settings file at its arrival.
struct Meldung {
    Meldungsart art;
    Meldungsfall fall;
    QString text;
    int zeile;
};

// Keeps every message instead of showing it.
class SammelMeldungen : public Meldungen {
public:
    explicit SammelMeldungen(const Zeilenleser& datei) : m_datei(datei) {}
    void zeige(Meldungsart art, const QString& text) override;
    void zeigeMitFall(Meldungsart art, const QString& text, Meldungsfall fall) override;
    std::vector<Meldung> liste;

private:
    const Zeilenleser& m_datei;
};

// The report's lines; counts the problems and hints in it.
class Bericht {
public:
    explicit Bericht(QTextStream& aus) : m_aus(aus) {}

    void zeile(const QString& text = QString());
    // A message of the game, its "\n\r" line pairs as one line break, under a label.
    void meldung(const QString& einzug, const QString& kennung, const QString& text);
    void problem(const QString& einzug, const QString& text);
    void hinweis(const QString& einzug, const QString& text);

    int probleme = 0;
    int hinweise = 0;

private:
    QTextStream& m_aus;
};

// The settings reader's messages, each under the line it arose in, and what the
// game makes of them. True when the game reads the file no further.
bool berichteLesemeldungen(Bericht& b, const std::vector<Meldung>& liste);

// The failed OK checks of the settings panel, each under the line of the field it concerns.
void berichtePanelmeldungen(Bericht& b, const std::vector<Meldung>& liste, int strafpunkteZeile,
                            int sektorenZeile, bool panelVerborgen);

// True when the entry reader's messages say that no entry is left.
bool istListenende(const std::vector<Meldung>& liste);

// Every message as a problem, under the given indent.
void berichteProbleme(Bericht& b, const QString& einzug, const std::vector<Meldung>& liste);
