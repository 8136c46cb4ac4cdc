#pragma once
// The sound cues a game show plays: when a group claims the turn, for each
// verdict, and when a picture is revealed to the end without a winner. The
// window plays them; tests record which cue each handler asked for.

enum class Klang { Meldung, Richtig, Falsch, Aufgedeckt };

class Klangausgabe {
public:
    virtual ~Klangausgabe() = default;
    // Starts the cue and returns at once; a cue never delays the click that caused it.
    virtual void spiele(Klang klang) = 0;
};
