#include "spielbild.h"

QString beschreibe(Bildphase phase)
{
    switch (phase) {
    case Bildphase::Einstellungen: return QStringLiteral("Einstellungen");
    case Bildphase::Bereit: return QStringLiteral("Bereit");
    case Bildphase::Angekuendigt: return QStringLiteral("Angekuendigt");
    case Bildphase::Offen: return QStringLiteral("Offen");
    case Bildphase::Antwort: return QStringLiteral("Antwort");
    case Bildphase::Erschoepft: return QStringLiteral("Erschoepft");
    case Bildphase::Vorschau: return QStringLiteral("Vorschau");
    }
    return {};
}

QString beschreibe(const Spielereignis& e)
{
    switch (e.art) {
    case Ereignisart::BildBegonnen: return QStringLiteral("BildBegonnen");
    case Ereignisart::Aufgedeckt: return QStringLiteral("Aufgedeckt %1").arg(e.sektor);
    case Ereignisart::Anspruch: return QStringLiteral("Anspruch %1").arg(e.gruppe);
    case Ereignisart::Urteil:
        return QStringLiteral("Urteil %1 %2 %3")
            .arg(e.gruppe)
            .arg(e.richtig ? QStringLiteral("richtig") : QStringLiteral("falsch"))
            .arg(e.punkte >= 0 ? QStringLiteral("+%1").arg(e.punkte) : QString::number(e.punkte));
    case Ereignisart::BildEndeMitGewinner: return QStringLiteral("BildEndeMitGewinner %1").arg(e.gruppe);
    case Ereignisart::BildEndeOhneGewinner: return QStringLiteral("BildEndeOhneGewinner");
    case Ereignisart::ListeZuEnde: return QStringLiteral("ListeZuEnde");
    case Ereignisart::KorrekturBegonnen: return QStringLiteral("KorrekturBegonnen");
    case Ereignisart::KorrekturAngewandt:
        return e.gruppe < 0 ? QStringLiteral("KorrekturAngewandt")
                            : QStringLiteral("KorrekturAngewandt bis %1").arg(e.gruppe);
    case Ereignisart::EinstellungenBestaetigt: return QStringLiteral("EinstellungenBestaetigt");
    case Ereignisart::UrteilZurueckgenommen:
        return QStringLiteral("UrteilZurueckgenommen %1 %2 %3")
            .arg(e.gruppe)
            .arg(e.richtig ? QStringLiteral("richtig") : QStringLiteral("falsch"))
            .arg(e.punkte >= 0 ? QStringLiteral("+%1").arg(e.punkte) : QString::number(e.punkte));
    }
    return {};
}
