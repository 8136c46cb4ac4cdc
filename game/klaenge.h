#pragma once
// The sound cues a game show plays: when a group claims the turn, for each
// verdict, and when a picture is revealed to the end without a winner. They
// follow the announced events; the window plays them, tests record them.

#include <optional>

#include "spielbild.h"

enum class Klang { Meldung, Richtig, Falsch, Aufgedeckt };

// The cue an event calls for, if any.
std::optional<Klang> klangFuer(const Spielereignis& ereignis);

class Klangausgabe {
public:
    virtual ~Klangausgabe() = default;
    // Starts the cue and returns at once; a cue never delays the click that caused it.
    virtual void spiele(Klang klang) = 0;
};
