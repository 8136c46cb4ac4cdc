#pragma once
// What the window-size protocol asks of an X11 desktop: whether a window
// manager runs, the frame it puts around the window, its answers to our
// requests, and the maximised state in its sense. Only used on the xcb
// platform; every function answers harmlessly elsewhere.
//
// Everything here counts in the X server's pixels, the screen's device pixels.
// On a scaled desktop Qt counts in logical ones; Fenstergroesse converts.

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QMargins>
#include <QRect>
#include <QWindow>
#include <optional>

namespace x11 {

// True on the xcb platform (also XWayland).
bool aktiv();

// A window manager announces itself through _NET_SUPPORTING_WM_CHECK.
bool fenstermanagerLaeuft();

// _NET_FRAME_EXTENTS of the window, when the window manager has set it.
std::optional<QMargins> rahmen(WId fenster);

// Asks the window manager for the frame of a window not yet mapped
// (_NET_REQUEST_FRAME_EXTENTS) and waits at most `ms` for the answer.
std::optional<QMargins> fordereRahmenAn(WId fenster, int ms);

// The window's client area in root coordinates, as the X server has it now.
std::optional<QRect> geometrie(WId fenster);

// Asks for a new client size or a new place of the client area (the window
// manager may adjust or refuse; its answer comes as a configure event).
// Asked directly, not through Qt, which would round a logical size it
// converts and could miss a device size by a pixel on a fractional scale.
void fordereGroesse(WId fenster, QSize groesse);
void fordereOrt(WId fenster, QPoint ort);

// On a scaled screen Qt asks the window manager for sizes in steps of the
// scale (so that a logical size is whole), which makes most outer sizes
// unreachable: frames are often an odd number of pixels high. This allows
// every size again and, when given, sets the minimum client size exactly.
// Qt writes the hints anew with some of its calls; asked before each request.
void erlaubeJedeGroesse(WId fenster, std::optional<QSize> minimum);

// _NET_WM_STATE holds both maximised states / the full-screen state.
bool maximiert(WId fenster);
bool vollbild(WId fenster);

// Watches the X events of one top-level window: configure notifications and
// changes of the window manager's state and frame properties. Installed for
// the whole application while the window lives.
class Beobachter : public QAbstractNativeEventFilter {
public:
    explicit Beobachter(WId fenster);
    ~Beobachter() override;

    bool nativeEventFilter(const QByteArray& art, void* nachricht, qintptr* ergebnis) override;

    // Forget what was seen so far: the next answer is counted from here.
    void neuerAuftrag();
    int konfigurationen() const { return m_konfigurationen; }
    // A configure event has come since the window was created.
    bool konfiguriert() const { return m_letzteGroesse.isValid(); }
    int zustandsaenderungen() const { return m_zustand; }
    QSize letzteGroesse() const { return m_letzteGroesse; }
    // Milliseconds since the last event of interest (or since neuerAuftrag()).
    qint64 ruhigSeit() const { return m_uhr.elapsed(); }
    // The frame property changed since the last call.
    bool rahmenGeaendert();

private:
    WId m_fenster;
    int m_konfigurationen = 0;
    int m_zustand = 0;
    bool m_rahmenGeaendert = true;
    QSize m_letzteGroesse;
    QElapsedTimer m_uhr;
};

}  // namespace x11
