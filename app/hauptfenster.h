#pragma once
// The main window TForm1: owns the game state, the picture area and the game
// rules, builds its controls from the design table and serves the interfaces
// through which settings, rules and layout reach the window.

#include <QHash>
#include <QList>
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <memory>
#include <vector>

#include "core/spielstand.h"
#include "game/spiel.h"
#include "game/spielanzeige.h"
#include "render/bildbereich.h"
#include "render/fenster.h"
#include "settings/einstellungen.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollArea;
class Bildknopf;
class Fenstergroesse;
class Gruppenzeile;
class Meldungen;
class Zufall;

class TForm1 : public QWidget, public Einstellungsziel, public Spielanzeige, public Fenster {
    Q_OBJECT
public:
    // FormCreate: reads the settings file at `einstellungsdatei` and builds the scoreboard.
    TForm1(Meldungen& meldungen, Zufall& zufall,
           const QString& einstellungsdatei = QStringLiteral("Varno.ini"),
           QWidget* eltern = nullptr);
    ~TForm1() override;

    // Shows the window at its design size, centred on the screen.
    void zeigeZentriert();

    Spielstand& spielstand() { return m_st; }
    Bildbereich& bildbereich() { return m_bildbereich; }
    Spiel& spiel() { return m_spiel; }
    // A fixed control by its design name (nullptr if unknown).
    QWidget* steuerelement(const QString& name) const { return m_elemente.value(name); }
    Bildknopf* knopf(const QString& name) const;
    Gruppenzeile* zeile(int i) const;
    int zeilenzahl() const { return static_cast<int>(m_zeilen.size()); }
    QScrollArea* rollbereich() const { return m_rollbereich; }
    QWidget* inhalt() const { return m_inhalt; }
    bool startschritteGelaufen() const { return m_gestartet; }

    // Einstellungsziel
    void setzeSektorenText(const QString& text) override;
    void setzeStrafpunkteText(const QString& text) override;
    void setzeJedeGruppeTippt(bool jede) override;
    void verbergeEinstellungen() override;  // also Spielanzeige's
    void erzeugeGruppe(int index, const QString& name) override;
    void platziereSpalte() override;

    // Spielanzeige
    void setzeSichtbar(Knopf knopf, bool sichtbar) override;
    bool istSichtbar(Knopf knopf) const override;
    void setzeAktiv(Knopf knopf, bool aktiv) override;
    void setzePunkteLabelText(const QString& text) override;
    void setzePunkteLabelSichtbar(bool sichtbar) override;
    void setzeGruppenFarbe(int i, Panelfarbe farbe) override;
    void setzeAntwortSichtbar(int i, bool sichtbar) override;
    void setzeAntwortAktiv(int i, bool aktiv) override;
    void setzePunkteText(int i, const QString& text) override;
    void setzeEingabeSichtbar(int i, bool sichtbar) override;
    bool istEingabeSichtbar(int i) const override;
    void setzeEingabeText(int i, const QString& text) override;
    QString eingabeText(int i) const override;
    bool istEinstellungenSichtbar() const override;
    QString strafpunkteText() const override;
    QString sektorenText() const override;
    bool jedeGruppeTipptGewaehlt() const override;
    void setzeAnwendungsSymbol() override;

    // Fenster
    QSize aussenGroesse() const override;
    QSize innenGroesse() const override { return m_klient; }
    void setzeAussenBreite(int breite) override;
    void setzeAussenHoehe(int hoehe) override;
    void maximiere() override;
    void bewegeNachObenLinks() override;
    void schliesse() override;
    void setzeRahmen(const QRect& rahmen) override;
    QRect rahmen() const override;
    bool einstellungenSichtbar() const override { return istEinstellungenSichtbar(); }
    QSize einstellungenGroesse() const override;
    void setzeEinstellungenPosition(const QPoint& links_oben) override;
    void bildGeaendert(const QRect& bereich) override;

protected:
    bool event(QEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    struct Anker {
        QPointer<QWidget> element;
        bool rechts;
        bool unten;
    };

    void baueSteuerelemente();
    void baueTabfolge();
    void verbindeKnoepfe();
    void beobachte(QWidget* element);
    Bildknopf* knopfFuer(Knopf knopf) const;
    void starteEinmal();
    template <class Handler>
    void ereignis(Handler&& handler);
    void aktualisiereSektorenhinweis(const QString& text);
    void uebernehmeKlientgroesse(QSize neu);
    void aktualisiereInhalt();
    bool kannEnterNehmen(QWidget* knopf) const;

    Meldungen& m_meldungen;
    Zufall& m_zufall;
    Spielstand m_st;
    Bildbereich m_bildbereich;
    Spiel m_spiel;

    QScrollArea* m_rollbereich = nullptr;
    QWidget* m_inhalt = nullptr;
    QHash<QString, QWidget*> m_elemente;
    QRadioButton* m_radio[2] = {nullptr, nullptr};
    std::vector<Gruppenzeile*> m_zeilen;
    std::vector<Anker> m_anker;
    QWidget* m_letzterTab = nullptr;

    QSize m_klient;                 // client area (the scroll area's viewport)
    std::unique_ptr<Fenstergroesse> m_groesse;
    bool m_gestartet = false;
    bool m_startGeplant = false;
    bool m_inAktualisierung = false;
    bool m_nochmal = false;
    QHash<QWidget*, int> m_untenAnkerY;  // anchored top of the bottom-anchored controls
    void haltePunkteknoepfeSichtbar();
};
