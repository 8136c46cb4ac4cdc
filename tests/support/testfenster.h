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

class Testfenster : public TForm1 {
public:
    using TForm1::TForm1;
    using TForm1::bildbereich;
    using TForm1::rollbereich;
    using TForm1::spielstand;
    using TForm1::startschritteGelaufen;
    using TForm1::sitzungEndet;

    Bildknopf* knopf(const QString& name) const { return findChild<Bildknopf*>(name); }
    QWidget* steuerelement(const QString& name) const { return findChild<QWidget*>(name); }
    Gruppenzeile* zeile(int i) const { return punktetafel().zeile(i); }
    int zeilenzahl() const { return punktetafel().zahl(); }
    QWidget* inhalt() const { return rollbereich()->widget(); }
};

// The values of a game folder's "Varno.ini"; the rest is fixed: aspect 4:3,
// 3 penalty points, the two pictures of the folder.
struct Einstellungen {
    QString fenster = QStringLiteral("520,498");
    QString sektoren = QStringLiteral("20");
    QString jede = QStringLiteral("0");
    QString panel = QStringLiteral("1");
    QStringList gruppen = {QStringLiteral("Adler"), QStringLiteral("Biber & Co"),
                           QStringLiteral("Chamäleon")};
    QString test = QStringLiteral("0");
};

// A fresh folder with two small pictures, a red JPEG of 80 x 60 and a blue
// BMP of 60 x 80, and the settings file listing them.
class Spielordner {
public:
    Spielordner();
    // The path of the settings file, which exists only once written.
    QString pfad() const { return m_dir.filePath(QStringLiteral("Varno.ini")); }
    void schreibe(const Einstellungen& e) const;

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
    explicit Probefenster(const Einstellungen& e = {});
    explicit Probefenster(OhneEinstellungsdatei);

    using Fensterzubehoer::meldungen;
};
