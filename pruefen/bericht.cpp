#include "bericht.h"

#include <QStringList>
#include <QTextStream>

#include "core/zeilenleser.h"

void SammelMeldungen::zeige(Meldungsart art, const QString& text)
{
    zeigeMitFall(art, text, Meldungsfall::Sonstige);
}

void SammelMeldungen::zeigeMitFall(Meldungsart art, const QString& text, Meldungsfall fall)
{
    liste.push_back({art, fall, text, m_datei.gelesenZeilen()});
}

void Bericht::zeile(const QString& text)
{
    m_aus << text << '\n';
}

void Bericht::meldung(const QString& einzug, const QString& kennung, const QString& text)
{
    const QString anfang = einzug + kennung + QStringLiteral(": ");
    const QString weiter(anfang.size(), QLatin1Char(' '));
    QString t = text;
    t.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    const QStringList teile = t.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < teile.size(); ++i)
        m_aus << (i == 0 ? anfang : weiter) << teile[i] << '\n';
}

void Bericht::problem(const QString& einzug, const QString& text)
{
    ++probleme;
    // The game's format warning begins with "Fehler:" itself.
    const QString vorsatz = QStringLiteral("Fehler: ");
    meldung(einzug, QStringLiteral("FEHLER"), text.startsWith(vorsatz) ? text.mid(vorsatz.size()) : text);
}

void Bericht::hinweis(const QString& einzug, const QString& text)
{
    ++hinweise;
    meldung(einzug, QStringLiteral("HINWEIS"), text);
}

bool berichteLesemeldungen(Bericht& b, const std::vector<Meldung>& liste)
{
    bool abgebrochen = false;
    for (const Meldung& m : liste) {
        b.zeile(m.zeile > 0 ? QStringLiteral("Zeile %1:").arg(m.zeile) : QStringLiteral("Am Dateianfang:"));
        if (m.art != Meldungsart::Fehler) {
            b.hinweis(QStringLiteral("  "), m.text);
            continue;
        }
        b.problem(QStringLiteral("  "), m.text);
        if (m.fall == Meldungsfall::MusterOhneStern) {
            b.zeile(QStringLiteral("  Das Spiel liest weiter, beendet sich aber gleich nach dem Start."));
        } else {
            abgebrochen = true;
            b.zeile(QStringLiteral("  Das Spiel liest die Datei nur bis hierher und beendet sich gleich "
                                   "nach dem Start."));
        }
    }
    return abgebrochen;
}

void berichtePanelmeldungen(Bericht& b, const std::vector<Meldung>& liste, int strafpunkteZeile,
                            int sektorenZeile, bool panelVerborgen)
{
    for (const Meldung& m : liste) {
        const bool straf = m.fall == Meldungsfall::Strafpunkte;
        b.zeile(QStringLiteral("Zeile %1:").arg(straf ? strafpunkteZeile : sektorenZeile));
        b.problem(QStringLiteral("  "), m.text);
        b.zeile(panelVerborgen ? QStringLiteral("  Das Einstellungsfenster ist abgeschaltet: Das Spiel beginnt so nicht.")
                               : QStringLiteral("  Das Einstellungsfenster meldet dies beim OK; der Wert muss dort "
                                                "korrigiert werden."));
    }
}

bool istListenende(const std::vector<Meldung>& liste)
{
    // An error while reading would stand behind it.
    return liste.size() == 1 && liste.front().fall == Meldungsfall::Listenende;
}

void berichteProbleme(Bericht& b, const QString& einzug, const std::vector<Meldung>& liste)
{
    for (const Meldung& m : liste)
        b.problem(einzug, m.text);
}
