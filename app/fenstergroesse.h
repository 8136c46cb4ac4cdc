#pragma once
// The main window's size protocol. The rules ask for sizes as if the window
// system answered at once (set the width, the resize handler runs nested, go
// on); on X11 a window manager answers later, may adjust or refuse, and frames
// the window only after it is mapped. This class makes both agree: it sends a
// request, waits (bounded) for the window manager's answer, and runs the
// resize handler for the size the window really got. It also decides which
// reported sizes run the handler, and tells the window manager the minimum.
// The rules count in Qt's logical pixels; X11 (geometry, frame extents,
// configure events) in device pixels. Both meet here and only here.
// States and transitions: docs/architecture.md.

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class QWidget;
struct Spielstand;
namespace x11 {
class Beobachter;
}

class Fenstergroesse {
public:
    // The window's life as far as sizes go; it only moves forward, in wechsle().
    enum class Zustand {
        VorDemStart,  // created and shown; reports change nothing
        Start,        // the start-up steps run; sizes change only by our requests
        Bereit,       // every report of a new size runs the resize handler
        Geschlossen,  // the window is closing; nothing runs any more
    };

    // How long a request waits for the window manager at most. A wait ends on
    // the answer, so this only matters when the manager is slow (a loaded
    // machine: mutter has been seen to take more than a second) or silent.
    static constexpr int HoechsteWartezeitMs = 2500;

    struct Handler {
        // The resize handler itself; errors it raises reach the caller.
        std::function<void()> formResize;
        // Whether a run of it is under way (showing a message box, say).
        std::function<bool()> layoutLaeuft;
        // Runs a handler as an event of its own, showing its errors.
        std::function<void(const std::function<void()>&)> alsEreignis;
    };

    Fenstergroesse(QWidget& fenster, Spielstand& st, Handler handler);
    ~Fenstergroesse();

    Zustand zustand() const { return m_zustand; }
    // A request of ours is out and its answer awaited.
    bool wartet() const { return m_auftrag != nullptr; }

    // First show: the outer size `aussen` (frame included), centred on the screen.
    void zeigeZentriert(QSize aussen);
    // The start-up steps begin and end.
    void startBeginnt();
    void startEndet();
    // The window closes, by the program or by the user; a wait ends at once.
    void schliesse();

    // Outer size (frame included) as it is now, in logical pixels.
    QSize aussenGroesse() const;

    // Requests of the rules: each returns once the window manager has
    // answered, and runs the resize handler nested if the size really changed.
    void setzeAussenGroesse(QSize aussen);
    void maximiere();
    void bewegeNachObenLinks();

    // Full screen (no frame, the whole screen) on or off, asked for by the
    // user during play; off gives the window back its size and place. The
    // layout follows as for any size change.
    void schalteVollbild(bool an);
    bool istVollbild() const { return m_vorVollbild.has_value(); }

    // Reports from the window. fensterGemeldet: the window's size changed;
    // `folgen` lets the client area follow first. klientGemeldet: the client
    // area changed on its own (the scroll bar came or went). layoutEndet: the
    // outermost run of the resize handler has returned (a message box it
    // showed is closed), so a report kept back meanwhile may run.
    void fensterGemeldet(const std::function<void()>& folgen);
    void klientGemeldet();
    void layoutEndet();

private:
    class Auftrag;

    // Device pixels per logical pixel; 1 where Qt alone is asked (offscreen),
    // which then counts in its own pixels throughout.
    qreal verhaeltnis() const;
    QSize logisch(QSize geraet) const;
    QSize geraet(QSize logisch) const;
    // The frame's margins and the client size as they are now, in device pixels.
    QMargins rahmen() const;
    QSize klient() const;
    void wechsle(Zustand neu);
    // Sends a request and waits until the window manager has answered it
    // (`beantwortet`), or for the longest wait. True if the outer size changed.
    bool frage(const std::function<void()>& senden, const std::function<bool()>& beantwortet);
    // The same, then the resize handler nested if the outer size changed.
    void fordere(const std::function<void()>& senden, const std::function<bool()>& beantwortet);
    void holeQtEin();
    // A report that could not be laid out when it came, and its run later.
    void merke(bool erzwingen);
    bool kannLaufen() const;
    void plane();
    void holeNach();
    void laufe(bool erzwingen);
    void setzeMinimum();

    QWidget& m_fenster;
    Spielstand& m_st;
    Handler m_handler;
    std::unique_ptr<x11::Beobachter> m_beobachter;  // only on X11
    bool m_fenstermanager = false;
    Zustand m_zustand = Zustand::VorDemStart;
    Auftrag* m_auftrag = nullptr;  // the request in flight
    mutable QMargins m_rahmen;   // device pixels, as everything X11 tells
    mutable bool m_rahmenBekannt = false;
    QMargins m_normalRahmen;     // frame of the unmaximised window, for the minimum size (device pixels)
    bool m_imBericht = false;    // the client area follows a reported window size
    // A report kept for later; `erzwingen`: it was the client area alone that changed.
    struct Nachtrag {
        bool erzwingen = false;
        bool geplant = false;  // its run is posted to the event loop
    };
    std::optional<Nachtrag> m_nachtrag;
    bool m_minimumGesetzt = false;
    std::optional<QSize> m_minimum;  // client size, device pixels, once set
    struct VorVollbild {
        QRect geometrie;
        bool maximiert;
    };
    std::optional<VorVollbild> m_vorVollbild;
    // Once reports have stopped, the X server's size is compared with the
    // widget's: a manager's late report of an older size would leave both
    // apart, and the layout for a size the window does not have.
    QTimer m_nachpruefung;
    void pruefeNach();
};
