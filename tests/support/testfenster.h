#pragma once
// The main window with what tests look at: the game state, the picture area,
// the scoreboard rows, and the fixed controls by their design names. And the
// window started on a game folder of its own.

#include <QScrollArea>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "app/bildknopf.h"
#include "app/gruppenzeile.h"
#include "app/hauptfenster.h"
#include "app/punktetafel.h"
#include "meldungsfang.h"
#include "spielfakes.h"
#include "spieldatei.h"

class Testfenster : public TForm1 {
public:
    using TForm1::TForm1;
    using TForm1::bildbereich;
    using TForm1::rollbereich;
    using TForm1::spielstand;
    using TForm1::startschritteGelaufen;
    using TForm1::sitzungEndet;
    using TForm1::telefonserver;

    Bildknopf* knopf(const QString& name) const { return findChild<Bildknopf*>(name); }
    QWidget* steuerelement(const QString& name) const { return findChild<QWidget*>(name); }
    Gruppenzeile* zeile(int i) const { return punktetafel().zeile(i); }
    int zeilenzahl() const { return punktetafel().zahl(); }
    QWidget* inhalt() const { return rollbereich()->widget(); }
};

// A fresh folder with two small pictures, a red JPEG of 80 x 60 and a blue
// BMP of 60 x 80, and the settings file listing them (the game's pattern and
// entries are the folder's; the other values come from the case).
class Spielordner {
public:
    Spielordner();
    // The path of the settings file, which exists only once written.
    QString pfad() const { return m_dir.filePath(QStringLiteral("Varno.ini")); }
    void schreibe(Spieldatei datei) const;

private:
    QTemporaryDir m_dir;
};

// Chooses a folder without a settings file.
struct OhneEinstellungsdatei {};

// What a window of the tests needs besides itself, made before it.
struct Fensterzubehoer {
    Spielordner ordner;
    Meldungsfang meldungen;
    ErsterZufall zufall;
};

// The main window on a game folder of its own, its messages collected and
// every draw the first candidate.
class Probefenster : private Fensterzubehoer, public Testfenster {
public:
    explicit Probefenster(const Spieldatei& e = {});
    explicit Probefenster(OhneEinstellungsdatei);

    using Fensterzubehoer::meldungen;
};

// Shows the window and waits until its start-up steps have run.
[[nodiscard]] bool zeigeUndStarte(Testfenster& f);
// A mouse click on a control that shows and is enabled.
[[nodiscard]] bool klicke(QWidget* w);
// Plays the window into one state of play ("Einstellungen", "Angekündigt",
// "Vorschau", "Offen", "Antwortet", "Gruppe 1 raus", "Bereit", "Ausgeschöpft")
// through the real buttons: the first candidate drawn, the list holds two pictures.
[[nodiscard]] bool spieleBis(Testfenster& f, const QString& zustand);
