#pragma once
// The main window's client area: controls at absolute pixel positions on a
// content widget inside a scroll area (rows beyond the bottom scroll into
// view), controls anchored to the right or bottom edge, and the scroll range
// reaching to the lowest visible control.

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <functional>
#include <vector>

class QScrollArea;
class QWidget;

class Klientbereich : public QObject {
public:
    Klientbereich(QWidget& fenster, QSize anfang);

    QWidget* inhalt() const { return m_inhalt; }
    QScrollArea* rollbereich() const { return m_rollbereich; }
    // The client area: the scroll area's viewport.
    QSize groesse() const { return m_groesse; }

    // w follows the right and/or bottom edge; its moves keep the scroll range current.
    void verankere(QWidget* w, bool rechts, bool unten);
    void beobachte(QWidget* w);
    // The top a bottom-anchored control has for the current height.
    void setzeUntenAnker(QWidget* w, int oben);
    // The bottom edge of the last scoreboard row, or -1; bottom-anchored
    // controls stay below it.
    void setzeLetzteZeile(std::function<int()> unten) { m_letzteZeile = std::move(unten); }
    // Runs when the client area changed size on its own (the scroll bar came or went).
    void setzeBeiAenderung(std::function<void()> f) { m_beiAenderung = std::move(f); }

    // The window's size changed: the scroll area takes the whole window.
    void folgeFenster();
    void aktualisiere();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void uebernimm(QSize neu);
    void haltePunkteknoepfeSichtbar();

    QWidget& m_fenster;
    QScrollArea* m_rollbereich;
    QWidget* m_inhalt;
    QSize m_groesse;
    struct Anker {
        QPointer<QWidget> element;
        bool rechts;
        bool unten;
    };
    std::vector<Anker> m_anker;
    QHash<QWidget*, int> m_untenAnker;
    std::function<int()> m_letzteZeile;
    std::function<void()> m_beiAenderung;
    bool m_inAktualisierung = false;
    bool m_nochmal = false;
};
