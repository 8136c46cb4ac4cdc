#pragma once
// Who may claim in the single-group mode: the start pool, the groups still in
// the game on this picture, and the turn counters that keep the turns fair.

struct Spielstand;
class Spielanzeige;
class Meldungen;
class Zufall;

// Activation of the main window: a fresh cycle and no turns counted yet.
void setzeZaehlerZurueck(Spielstand& st);

// True if group g has not yet started a picture in this cycle.
bool istImStartpool(const Spielstand& st, int g);

// A new picture: resets ImSpiel, refills the pool when it is used up, picks the
// starting group, shows its answer button and colours every panel. Returns
// the group whose turn it is, -1 if there is none.
int waehleStartgruppe(Spielstand& st, Spielanzeige& anzeige, Zufall& zufall);

// Group g has just answered wrong: takes it out of ImSpiel and hands the turn
// on. Returns the group whose turn it is now, -1 if nobody is left.
int gibZugWeiter(Spielstand& st, Spielanzeige& anzeige, Meldungen& meldungen, Zufall& zufall,
                  int g);

// Group g has answered right.
void faerbeGewinner(const Spielstand& st, Spielanzeige& anzeige, int g);
