#pragma once
// Playing from the keyboard: which key stands for which control. A group's
// key is found by its place on the keyboard, not by the character it types,
// so that buzzers and keypads work under every keyboard layout.

#include <QString>
#include <optional>

class QKeyEvent;

enum class Tastenaktion {
    Gruppe,       // the answer button of group `gruppe`
    Richtig,      // "richtig"
    Falsch,       // "falsch"
    Weiter,       // the next step: reveal, else "Neues Bild"
    Vollbild,     // full screen on and off
    VollbildAus,  // leave full screen
    Hilfe,        // the key help
    Rangliste,    // the final ranking
    Ton,          // sounds off and on
    BildEnde,     // the picture in play ends without a winner
    Rueckgaengig, // the last verdict of the picture is taken back
    Publikum,     // the audience window open and closed
    PublikumWeiter, // the audience window to the next screen
    Schwarz,      // the audience window black and back
    Telefone,     // the sheet for joining phones shown and hidden
};

struct Taste {
    Tastenaktion aktion;
    int gruppe = -1;  // 0..29 for Tastenaktion::Gruppe
};

// What a key press means, or nothing. scancode: the platform's key number
// (X11 and Wayland: the XKB keycode of the physical key; 0 where none is known,
// then the key's character decides).
std::optional<Taste> deuteTaste(int taste, Qt::KeyboardModifiers modifikatoren, quint32 scancode);
std::optional<Taste> deuteTaste(const QKeyEvent& ereignis);

// The key help's lines: key names and what they do, in German.
struct Hilfezeile {
    QString tasten;
    QString wirkung;
};
const std::vector<Hilfezeile>& tastenhilfe();
