#pragma once
// The sound cues through Qt Multimedia. Without a sound device or server the
// game stays silent: no message, no delay, nothing on standard error.

#include <QString>
#include <array>
#include <memory>

#include "game/klaenge.h"

class QSoundEffect;

class Tonausgabe : public Klangausgabe {
public:
    // ordner: where meldung.wav, richtig.wav, falsch.wav and aufgedeckt.wav lie;
    // empty: looked up beside the program (installed or in the build folder).
    explicit Tonausgabe(const QString& ordner = QString());
    ~Tonausgabe() override;

    void spiele(Klang klang) override;

    // M switches the sounds off and on; on at start, nothing is stored.
    void setzeAn(bool an) { m_an = an; }
    bool istAn() const { return m_an; }
    // A sound device was found and the cues are loaded.
    bool hatGeraet() const { return m_geraet; }

    static QString standardordner();

private:
    std::array<std::unique_ptr<QSoundEffect>, 4> m_effekte;
    bool m_an = true;
    bool m_geraet = false;
};
