#pragma once
// The main window with what tests look at: the game state, the picture area,
// the scoreboard rows, and the fixed controls by their design names.

#include <QScrollArea>

#include "app/bildknopf.h"
#include "app/gruppenzeile.h"
#include "app/hauptfenster.h"
#include "app/punktetafel.h"

class Testfenster : public TForm1 {
public:
    using TForm1::TForm1;
    using TForm1::bildbereich;
    using TForm1::rollbereich;
    using TForm1::spielstand;
    using TForm1::startschritteGelaufen;

    Bildknopf* knopf(const QString& name) const { return findChild<Bildknopf*>(name); }
    QWidget* steuerelement(const QString& name) const { return findChild<QWidget*>(name); }
    Gruppenzeile* zeile(int i) const { return punktetafel().zeile(i); }
    int zeilenzahl() const { return punktetafel().zahl(); }
    QWidget* inhalt() const { return rollbereich()->widget(); }
};
