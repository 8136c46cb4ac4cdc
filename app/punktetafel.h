#pragma once
// The scoreboard: one row per group, created while the settings are read,
// and the display operations the game rules use on a row.

#include <QColor>
#include <QString>
#include <functional>
#include <vector>

class Bildknopf;
class Gruppenzeile;
class Klientbereich;
class QWidget;

class Punktetafel {
public:
    // Rows go onto the client area; their answer buttons copy the template's
    // pictures; a click reports the button's tag.
    Punktetafel(Klientbereich& klient, const Bildknopf& vorlage, std::function<void(int tag)> antwort);

    int zahl() const { return static_cast<int>(m_zeilen.size()); }
    Gruppenzeile* zeile(int i) const;
    // Creates row `index` (the next one); the focus chain goes on after `vorher`.
    void erzeuge(int index, const QString& name, QWidget* vorher);
    // Bottom edge of the last row, or -1 without rows.
    int unten() const;

    void setzeFarbe(int i, const QColor& farbe);
    void setzeAntwortSichtbar(int i, bool sichtbar);
    void setzeAntwortAktiv(int i, bool aktiv);
    void setzePunkteText(int i, const QString& text);
    void setzeEingabeSichtbar(int i, bool sichtbar);
    bool istEingabeSichtbar(int i) const;
    void setzeEingabeText(int i, const QString& text);
    QString eingabeText(int i) const;

private:
    Klientbereich& m_klient;
    const Bildknopf& m_vorlage;
    std::function<void(int)> m_antwort;
    std::vector<Gruppenzeile*> m_zeilen;
    QWidget* m_letzterTab = nullptr;
};
