#pragma once
// The audience window for the projector: the picture under its cover, the
// points on offer, the scoreboard, short banners of what just happened, the
// picture counter and at the end the ranking, laid out for a room. It renders
// only what the rules announce (and the picture area's file and shape), keeps
// no game state, never shows what is meant for the quiz master alone, and
// hands every key to the main window.

#include <QColor>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>
#include <vector>

#include "render/abbild.h"
#include "game/spielbild.h"

class QFrame;
class QKeyEvent;
class QLabel;
class Publikumsbild;
class QScreen;

// What the picture area shows besides the cover: the file, its positioning code
// and the area's size, whose aspect the audience picture keeps.
struct Bildquelle {
    QString datei;
    QString code;
    QSize flaeche;
};

// Where everything goes on a screen of `schirm` logical pixels. zeilenbreite:
// what the widest row's name and score need at a text height (pixels).
struct Publikumsaufteilung {
    QRect kopf;          // above the picture: the counter left, the points on offer right
    QRect bild;          // the picture, at the area's aspect, as large as the room left allows
    QRect banner;        // below the picture
    QRect tafel;         // the scoreboard
    int kopfschrift = 0;     // pixel heights of the texts
    int bannerschrift = 0;
    int schrift = 0;         // a scoreboard row's name and score
    int spalten = 1;
    std::vector<QRect> zeilen;   // one per group, in scoreboard order
};
Publikumsaufteilung teilePublikumAuf(QSize schirm, QSize flaeche, int gruppen,
                                     const std::function<int(int)>& zeilenbreite = {});

// The banner an event calls for ("Adler ist dran", "Richtig! Adler +12 Punkte"),
// or nothing; the names come from the picture announced with it.
QString bannerText(const Spielereignis& ereignis, const Spielbild& bild);

class Publikumsfenster : public QWidget, public Spielbeobachter {
    Q_OBJECT
public:
    // What the window asks of the main window.
    struct Anbindung {
        std::function<Spielbild()> bild;          // the rules' picture now
        std::function<Bildquelle()> quelle;       // what the picture area shows
        std::function<void(QKeyEvent*)> taste;    // a key pressed here, to be played there
        std::function<bool()> gastgeberBraucht;   // a box, the settings panel, the key help or the hand correction is up
        std::function<QWidget*()> hauptfenster;
        std::function<void(bool)> schwarzGeaendert;
        std::function<QSize(QSize voll)> flaecheFuer;   // the picture area the main window gives a picture of that size
        std::function<void()> sichtGeaendert;           // decode ahead again: this window's need has changed
    };

    // The pictures come from vorrat, decoded once for both windows.
    Publikumsfenster(Anbindung anbindung, int bilderGesamt, Bildvorrat& vorrat);
    ~Publikumsfenster() override;

    void geschehen(const Spielereignis& ereignis, const Spielbild& bild) override;

    // F5: opens on the largest screen without the main window (or over it when
    // it is the only one), or closes.
    void schalte();
    bool offen() const { return m_gewollt; }
    // Shift+F5: the next screen in the platform's order.
    void naechsterSchirm();
    // B: black until pressed again; only while open.
    void schalteSchwarz();
    bool schwarz() const { return m_schwarz; }
    // F2's ranking, shown here as long as the main window shows it.
    void setzeRangliste(bool gezeigt);
    // Shows or hides itself as the host's needs and the screens say, and
    // renders the rules' picture now.
    void folge(const Spielbild* bild = nullptr);
    // The picture area has changed (a new layout): render again, once per turn
    // of the event loop however many parts changed.
    void bildflaecheGeaendert();

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    QScreen* ersterSchirm() const;
    bool teiltSchirm() const;
    void zeigeAufSchirm();
    void zeige(const Spielbild& bild);
    void zeigeSpiel(const Spielbild& bild);
    void zeigeRangliste(const Spielbild& bild);
    void baueZeilen(int zahl);
    // Where the picture goes on a screen of that size, for this picture.
    Publikumsaufteilung teileAuf(QSize schirm, QSize flaeche, const Spielbild& bild) const;
    // Tells the store what this window needs while it is wanted, or that it needs nothing.
    void meldeSicht(bool gewollt);

    Anbindung m_anb;
    int m_bilderGesamt;
    bool m_gewollt = false;
    bool m_schwarz = false;
    bool m_rangliste = false;
    bool m_erneuern = false;
    QPointer<QScreen> m_schirm;
    QString m_banner;
    QString m_bannerName;   // the group's name in it, shortened first where it is too long
    QColor m_bannerGrund, m_bannerSchrift;
    Bildvorrat& m_vorrat;
    int m_sicht = 0;   // the registration with m_vorrat while wanted
    Abbild m_abbild;

    QWidget* m_spiel;                // counter, points, picture, banner, scoreboard
    QLabel* m_zaehler;
    QLabel* m_angebot;
    Publikumsbild* m_bild;
    QLabel* m_bannerLabel;
    struct Zeile {
        QFrame* rahmen;
        QLabel* name;
        QLabel* punkte;
    };
    std::vector<Zeile> m_zeilen;
    QWidget* m_ranglisteSeite;
    QWidget* m_schwarzSeite;
};
