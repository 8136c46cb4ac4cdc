#pragma once
// What the picture-area layout needs of the main window. A size change made
// through this interface returns once the window has its new size (the real
// window waits for the window manager's answer) and has run the layout nested
// if the size really changed; later reports of the same size do nothing.

#include <QPoint>
#include <QRect>
#include <QSize>

class Fenster {
public:
    virtual ~Fenster() = default;
    virtual QSize aussenGroesse() const = 0;   // frame included
    virtual QSize innenGroesse() const = 0;    // client area
    virtual void setzeAussenBreite(int breite) = 0;
    virtual void setzeAussenHoehe(int hoehe) = 0;
    virtual void maximiere() = 0;
    virtual void bewegeNachObenLinks() = 0;
    virtual void schliesse() = 0;
    // Frame of the picture area (Panel3); the visible picture lies inside at (2, 2).
    virtual void setzeRahmen(const QRect& rahmen) = 0;
    virtual QRect rahmen() const = 0;
    virtual bool einstellungenSichtbar() const = 0;
    virtual QSize einstellungenGroesse() const = 0;
    virtual void setzeEinstellungenPosition(const QPoint& links_oben) = 0;
    // Pixels of the visible picture changed inside this rectangle (logical pixels).
    virtual void bildGeaendert(const QRect& bereich) = 0;
    // The outermost run of the layout has returned (nested runs and a message
    // box it showed included): what the window kept back for it may run.
    virtual void layoutBeendet() {}
    // Device pixels per logical pixel of the screen the window is on: every
    // size here is logical; the pictures are drawn for the device.
    virtual qreal pixelVerhaeltnis() const { return 1.0; }
};
