#include "einstellungspanel.h"

#include "core/hilfen.h"
#include "core/meldungen.h"
#include "core/spielstand.h"

QString Edit2Change(Spielstand& st, const QString& sektorenText)
{
    st.Sektorenzahl = 2;
    if (const auto zahl = alsGanzzahl(sektorenText))
        st.Sektorenzahl = *zahl;
    if (st.Sektorenzahl <= 1)
        return QString();
    return QStringLiteral("Es können maximal ") + QString::number(st.Sektorenzahl - 2)
           + QStringLiteral(" Punkte pro Bild erreicht werden.");
}

bool pruefeEinstellungen(Spielstand& st, const QString& strafpunkteText, const QString& sektorenText,
                         Meldungen& meldungen)
{
    const auto hinweis = [&meldungen](Meldungsfall feld, const QString& text) {
        meldungen.zeigeMitFall(Meldungsart::Hinweis, text, feld);
        return false;
    };
    constexpr auto Straf = Meldungsfall::Strafpunkte;
    constexpr auto Sektor = Meldungsfall::Sektoren;

    const auto strafpunkte = alsGanzzahl(strafpunkteText);
    if (!strafpunkte)
        return hinweis(Straf, QStringLiteral("Fehler bei der Eingabe der Strafpunkte!"));
    st.Strafpunkte = *strafpunkte;
    if (st.Strafpunkte < 0)
        return hinweis(Straf, QStringLiteral("Die Strafpunkte müssen positiv sein!"));

    const auto sektoren = alsGanzzahl(sektorenText);
    if (!sektoren)
        return hinweis(Sektor, QStringLiteral("Fehler bei der Eingabe der Anzahl der Sektoren!"));
    st.Sektorenzahl = *sektoren;
    if (st.Sektorenzahl <= 0)
        return hinweis(Sektor, QStringLiteral("Die Anzahl der Sektoren muss positiv sein!"));
    // The cover array holds MaxSektoren flags.
    if (st.Sektorenzahl > MaxSektoren)
        return hinweis(Sektor, QStringLiteral("Die Anzahl der Sektoren darf höchstens 1001 betragen!"));
    return true;
}
