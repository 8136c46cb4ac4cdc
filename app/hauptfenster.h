#pragma once
// The main window TForm1: owns the game state, the picture area and the game
// rules, and is the thin adapter through which settings, rules and layout
// reach the widgets (Einstellungsziel, Spielanzeige, Fenster). It is also one
// listener of the rules' announcements (the sound cues, the ranking's names).

#include <QWidget>
#include <memory>

#include "core/spielstand.h"
#include "game/spiel.h"
#include "game/spielanzeige.h"
#include "game/spielbild.h"
#include "render/bildbereich.h"
#include "render/fenster.h"
#include "settings/einstellungen.h"
#include "steuerelemente.h"

class Fenstergroesse;
class Klientbereich;
class Meldungen;
class Publikumsfenster;
class Punktetafel;
class QAbstractButton;
class Ueberblendung;
class Tonausgabe;
class QLabel;
class QTimer;
class QScrollArea;
class Telefonserver;
class Telefontafel;
class Zufall;

struct Panelwerte;

class TForm1 : public QWidget,
               public Einstellungsziel,
               public Spielanzeige,
               public Spielbeobachter,
               public Fenster {
    Q_OBJECT
public:
    // FormCreate: reads the settings file at `einstellungsdatei` and builds the scoreboard.
    TForm1(Meldungen& meldungen, Zufall& zufall,
           const QString& einstellungsdatei = QStringLiteral("Varno.ini"),
           QWidget* eltern = nullptr);
    ~TForm1() override;

    // Shows the window at its design size, centred on the screen.
    void zeigeZentriert();

    // Einstellungsziel
    void setzeSektorenText(const QString& text, const QString& hinweis) override;
    void setzeStrafpunkteText(const QString& text) override;
    void setzeJedeGruppeTippt(bool jede) override;
    void verbergeEinstellungen() override;  // also Spielanzeige's
    void erzeugeGruppe(int index, const QString& name) override;
    void platziereSpalte() override;

    // Spielanzeige
    void setzeSichtbar(Knopf knopf, bool sichtbar) override;
    void setzeAktiv(Knopf knopf, bool aktiv) override;
    void setzePunkteLabelText(const QString& text) override;
    void setzePunkteLabelSichtbar(bool sichtbar) override;
    void setzeGruppenFarbe(int i, Panelfarbe farbe) override;
    void setzeAntwortSichtbar(int i, bool sichtbar) override;
    void setzeAntwortAktiv(int i, bool aktiv) override;
    void setzePunkteText(int i, const QString& text) override;
    void setzeEingabeSichtbar(int i, bool sichtbar) override;
    void setzeEingabeText(int i, const QString& text) override;
    void setzeAnwendungsSymbol() override;

    // Spielbeobachter
    void geschehen(const Spielereignis& ereignis, const Spielbild& bild) override;

    // Fenster
    QSize aussenGroesse() const override;
    QSize innenGroesse() const override;
    void setzeAussenBreite(int breite) override;
    void setzeAussenHoehe(int hoehe) override;
    void maximiere() override;
    void bewegeNachObenLinks() override;
    void schliesse() override;
    void setzeRahmen(const QRect& rahmen) override;
    QRect rahmen() const override;
    bool einstellungenSichtbar() const override;
    QSize einstellungenGroesse() const override;
    void setzeEinstellungenPosition(const QPoint& links_oben) override;
    void bildGeaendert(const QRect& bereich) override;
    void layoutBeendet() override;
    qreal pixelVerhaeltnis() const override { return devicePixelRatioF(); }

protected:
    bool event(QEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    // The desktop session ends (logout): from now on no close asks.
    void sitzungEndet() { m_sitzungEndet = true; }

    // For tests that look inside (a test subclass makes them public).
    Spielstand& spielstand() { return m_st; }
    Bildbereich& bildbereich() { return m_bildbereich; }
    const Steuerelemente& steuerelemente() const { return m_s; }
    const Punktetafel& punktetafel() const { return *m_tafel; }
    QScrollArea* rollbereich() const;
    bool startschritteGelaufen() const { return m_spiel.gestartet(); }
    Telefonserver* telefonserver() const { return m_telefone.get(); }

private:
    // What the quiz master has typed, handed to the rules with the click.
    Panelwerte panelwerte() const;
    QStringList eingaben() const;
    void verbindeKnoepfe();
    Bildknopf* knopfFuer(Knopf knopf) const;
    void starteEinmal();
    template <class Handler>
    void ereignis(Handler&& handler);
    void zeigeSektorenhinweis(const QString& hinweis);
    bool kannGedruecktWerden(QWidget* knopf) const;
    bool drueckeWennMoeglich(QAbstractButton* knopf) const;
    bool fuehreAus(const struct Taste& taste);
    void baueUeberblendungen();
    void schalteTon();
    void bauePublikum();
    void zeigeSchwarzHinweis(bool schwarz);
    bool gastgeberBraucht() const;
    void zeigeNotiz(const QString& text, int ms);
    void schalteTelefone();
    void zeigeTelefontafeln();
    void telefonDrueckt(int gruppe);

    Meldungen& m_meldungen;
    Zufall& m_zufall;
    Spielstand m_st;
    Bildbereich m_bildbereich;
    Spiel m_spiel;
    Klientbereich* m_klient;    // owned as a child object
    Steuerelemente m_s;
    std::unique_ptr<Punktetafel> m_tafel;
    std::unique_ptr<Fenstergroesse> m_groesse;
    // Runs once the size has kept still: the pictures ahead fitted to the new area.
    QTimer* m_nachLayout = nullptr;
    Ueberblendung* m_hilfe = nullptr;
    Ueberblendung* m_rangliste = nullptr;
    std::unique_ptr<Tonausgabe> m_ton;
    QLabel* m_tonHinweis = nullptr;
    QTimer* m_tonHinweisZeit = nullptr;
    std::unique_ptr<Publikumsfenster> m_publikum;   // a window of its own, not a child
    // The last key let go: X without detectable auto-repeat sends a held key
    // as release and press with one time stamp.
    struct Freigabe {
        quint32 scancode = 0;
        quint64 zeit = 0;
    } m_freigabe;
    QLabel* m_schwarzHinweis = nullptr;
    // Phones as buzzers: nothing of it exists before the first F6.
    std::unique_ptr<Telefonserver> m_telefone;
    Telefontafel* m_telefonTafel = nullptr;
    Telefontafel* m_telefonTafelPublikum = nullptr;   // a child of the audience window
    bool m_startGeplant = false;
    bool m_sitzungEndet = false;
};
