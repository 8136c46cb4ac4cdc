#pragma once
// The main window as the picture-area layout sees it (render/fenster.h).

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <functional>

#include "render/fenster.h"

// Calls of the fakes in the order they happened.
using Protokoll = QStringList;

// Size changes take effect at once, the client area following the outer size
// by the frame; a real change runs beiGroessenaenderung nested, as the real
// window runs the layout from within its resize. The same size again reports
// nothing.
class FakeFenster : public Fenster {
    Protokoll m_eigenes;

public:
    FakeFenster() : protokoll(m_eigenes) {}
    // Logs into a protocol shared with the other fakes, so that the order across them shows.
    explicit FakeFenster(Protokoll& geteilt) : protokoll(geteilt) {}
    FakeFenster(const FakeFenster&) = delete;
    FakeFenster& operator=(const FakeFenster&) = delete;

    Protokoll& protokoll;
    QSize aussen{520, 498};   // the design size
    QSize rand{8, 27};        // outer minus client size
    QSize innen = aussen - rand;
    QPoint position{100, 100};
    QSize bildschirm{1920, 1050};   // what maximising gives
    bool maximiert = false;
    int geschlossen = 0;
    QRect rahmenRechteck{18, 18, 454, 604};   // the picture frame as designed
    bool einstellungen = false;               // the settings panel shows
    QSize panel{401, 305};
    QPoint panelPos{-1, -1};                  // (-1, -1) until the layout places the panel
    QList<QRect> geaendert;                   // every rectangle reported as changed, in order
    std::function<void()> beiGroessenaenderung;
    int layoutsBeendet = 0;   // outermost layout runs that have returned

    // A client area of this size in the frame around it.
    void setzeInnen(QSize neu)
    {
        innen = neu;
        aussen = neu + rand;
    }

    QSize aussenGroesse() const override { return aussen; }
    QSize innenGroesse() const override { return innen; }
    void setzeAussenBreite(int breite) override;
    void setzeAussenHoehe(int hoehe) override;
    void maximiere() override;
    void bewegeNachObenLinks() override;
    void schliesse() override;
    void setzeRahmen(const QRect& r) override;
    QRect rahmen() const override { return rahmenRechteck; }
    bool einstellungenSichtbar() const override { return einstellungen; }
    QSize einstellungenGroesse() const override { return panel; }
    void setzeEinstellungenPosition(const QPoint& p) override { panelPos = p; }
    void bildGeaendert(const QRect& r) override { geaendert.append(r); }
    void layoutBeendet() override { ++layoutsBeendet; }

private:
    void aendere(QSize neu);
};
