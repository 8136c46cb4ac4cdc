#include "klaenge.h"

std::optional<Klang> klangFuer(const Spielereignis& e)
{
    switch (e.art) {
    case Ereignisart::Anspruch: return Klang::Meldung;
    case Ereignisart::Urteil: return e.richtig ? Klang::Richtig : Klang::Falsch;
    case Ereignisart::BildEndeOhneGewinner: return Klang::Aufgedeckt;
    default: return std::nullopt;
    }
}
