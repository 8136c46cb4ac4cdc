#include "hauptfenster.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QTimer>
#include <functional>

#include "bildknopf.h"
#include "core/fenstermasse.h"
#include "core/hilfen.h"
#include "core/meldungen.h"
#include "entwurf.h"
#include "fenstergroesse.h"
#include "game/klaenge.h"
#include "gruppenzeile.h"
#include "klientbereich.h"
#include "publikum.h"
#include "punktetafel.h"
#include "tafeln.h"
#include "tastatur.h"
#include "telefonserver.h"
#include "telefontafel.h"
#include "tonausgabe.h"
#include "ueberblendung.h"
#include "settings/bildeintrag.h"
#include "settings/einstellungspanel.h"

static void ladeBildressourcen()
{
    Q_INIT_RESOURCE(assets);
}

TForm1::TForm1(Meldungen& meldungen, Zufall& zufall, const QString& einstellungsdatei,
               QWidget* eltern)
    : QWidget(eltern),
      m_meldungen(meldungen),
      m_zufall(zufall),
      m_bildbereich(m_st, *this, m_meldungen),
      m_spiel(m_st, *this, m_bildbereich, *this, m_meldungen, m_zufall)
{
    ladeBildressourcen();
    richteSchriftersatzEin();

    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Fensterentwurf::titel());
    setWindowIcon(QIcon(knopfbild(Knopfbild::Symbol).aktiv));
    QFont fensterschrift{QString::fromLatin1(Fensterentwurf::Schriftfamilie)};
    fensterschrift.setPixelSize(Fensterentwurf::Schriftpixel);
    setFont(fensterschrift);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Button));
    setPalette(p);
    resize(Entwurfsgroesse);

    m_klient = new Klientbereich(*this, Entwurfsgroesse);
    m_s = baueSteuerelemente(m_klient->inhalt(), m_bildbereich);
    for (const Steuerelemente::Anker& a : m_s.anker)
        m_klient->verankere(a.element, a.rechts, a.unten);
    for (QWidget* w : m_klient->inhalt()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        m_klient->beobachte(w);
    m_tafel = std::make_unique<Punktetafel>(*m_klient, *m_s.BitBtn2, [this](int tag) {
        ereignis([this, tag] { m_spiel.BAntwortClick(tag); });
    });
    m_klient->setzeLetzteZeile([this] { return m_tafel->unten(); });
    // Not after every step of a drag: a fit ahead already running is not stopped.
    m_nachLayout = new QTimer(this);
    m_nachLayout->setSingleShot(true);
    m_nachLayout->setInterval(250);
    connect(m_nachLayout, &QTimer::timeout, this, [this] { m_spiel.groesseGeaendert(); });
    m_groesse = std::make_unique<Fenstergroesse>(
        *this, m_st,
        Fenstergroesse::Handler{
            [this] {
                m_bildbereich.formResize();
                m_nachLayout->start();
            },
            [this] { return m_bildbereich.layoutLaeuft(); },
            [this](const std::function<void()>& handler) { ereignis(handler); }});
    m_klient->setzeBeiAenderung([this] { m_groesse->klientGemeldet(); });
    verbindeKnoepfe();
    m_ton = std::make_unique<Tonausgabe>();
    m_spiel.beobachte(*this);
    baueUeberblendungen();
    qApp->installEventFilter(this);
#ifndef QT_NO_SESSIONMANAGER
    // A logout is never held up by the question whether to end the game.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { sitzungEndet(); });
#endif

    // FormCreate
    m_st.StartFehler = false;
    m_st.Sektorenzahl = 0;
    const QSize aussen = aussenGroesse();
    m_st.FensterBreite = aussen.width();
    m_st.FensterHoehe = aussen.height();
    m_st.BildDatei.clear();
    liesEinstellungen(m_st, *this, m_meldungen, einstellungsdatei);
    m_klient->aktualisiere();
    bauePublikum();
}

TForm1::~TForm1() = default;

template <class Handler>
void TForm1::ereignis(Handler&& handler)
{
    alsEreignis(m_meldungen, std::forward<Handler>(handler));
}

void TForm1::verbindeKnoepfe()
{
    auto verbinde = [this](Bildknopf* knopf, void (Spiel::*handler)()) {
        connect(knopf, &QAbstractButton::clicked, this,
                [this, handler] { ereignis([this, handler] { (m_spiel.*handler)(); }); });
    };
    verbinde(m_s.BBneuesBild, &Spiel::BNeuesBildClick);
    verbinde(m_s.BBweiter, &Spiel::BWeiterClick);
    verbinde(m_s.BBrichtig, &Spiel::BRichtigClick);
    verbinde(m_s.BBfalsch, &Spiel::BFalschClick);
    for (Bildknopf* knopf : {m_s.BBpunkteEingeben, m_s.BBeingabeFertig}) {
        connect(knopf, &QAbstractButton::clicked, this, [this] {
            ereignis([this] { m_spiel.BPunkteEingebenClick(eingaben()); });
        });
    }
    connect(m_s.BitBtn1, &QAbstractButton::clicked, this,
            [this] { ereignis([this] { m_spiel.Button1Click(panelwerte()); }); });
    // The quiz master's typing: the hint follows the sector count.
    connect(m_s.Edit2, &QLineEdit::textChanged, this,
            [this](const QString& text) { zeigeSektorenhinweis(Edit2Change(m_st, text)); });
}

void TForm1::baueUeberblendungen()
{
    m_hilfe = new Ueberblendung(
        QStringLiteral("Tastenhilfe"), [](QFrame* tafel, QSize) { return fuelleTastenhilfe(tafel); }, this);
    m_rangliste = new Ueberblendung(
        QStringLiteral("Rangliste"),
        [this](QFrame* tafel, QSize platz) {
            std::vector<Ranglisteneintrag> eintraege;
            const Spielbild bild = m_spiel.bild();
            for (const Rangplatz& r : rangliste(m_st))
                eintraege.push_back({r, bild.gruppen.value(r.gruppe).name});
            return fuelleRangliste(tafel, platz, eintraege);
        },
        this);
    m_tonHinweis = new QLabel(this);
    m_tonHinweis->setObjectName(QStringLiteral("TonHinweis"));
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(22);
    schrift.setBold(true);
    m_tonHinweis->setFont(schrift);
    m_tonHinweis->setAlignment(Qt::AlignCenter);
    m_tonHinweis->setAutoFillBackground(true);
    QPalette p = m_tonHinweis->palette();
    p.setColor(QPalette::Window, QColor(40, 40, 40));
    p.setColor(QPalette::WindowText, Qt::white);
    m_tonHinweis->setPalette(p);
    m_tonHinweis->hide();
    m_tonHinweisZeit = new QTimer(this);
    m_tonHinweisZeit->setSingleShot(true);
    m_tonHinweisZeit->setInterval(1500);
    connect(m_tonHinweisZeit, &QTimer::timeout, m_tonHinweis, &QWidget::hide);
}

// The note says what M did and goes by itself; nothing is stored.
void TForm1::schalteTon()
{
    m_ton->setzeAn(!m_ton->istAn());
    zeigeNotiz(m_ton->istAn() ? QStringLiteral("Ton an") : QStringLiteral("Ton aus"), 1500);
}

// A short note over the top of the window (what M or Ctrl+Z did). It lies
// above the controls, outside any layout, so nothing moves for it.
void TForm1::zeigeNotiz(const QString& text, int ms)
{
    m_tonHinweis->setText(text);
    m_tonHinweis->setAccessibleName(text);
    m_tonHinweis->resize(m_tonHinweis->sizeHint() + QSize(40, 20));
    m_tonHinweis->move((width() - m_tonHinweis->width()) / 2, 24);
    m_tonHinweis->show();
    m_tonHinweis->raise();
    m_tonHinweisZeit->start(ms);
}

// The audience window hears the rules after the main window and is told of
// every new layout of the picture area; keys pressed there are played here.
void TForm1::bauePublikum()
{
    Publikumsfenster::Anbindung anbindung{
        .bild = [this] { return m_spiel.bild(); },
        .quelle = [this] { return Bildquelle{m_st.BildDatei, m_st.BildPosition, QSize(m_st.BildBreite, m_st.BildHoehe)}; },
        .taste =
            [this](QKeyEvent* e) {
                QKeyEvent kopie(e->type(), e->key(), e->modifiers(), e->nativeScanCode(), e->nativeVirtualKey(),
                                e->nativeModifiers(), e->text(), e->isAutoRepeat(), e->count());
                kopie.setTimestamp(e->timestamp());
                QApplication::sendEvent(this, &kopie);
            },
        .gastgeberBraucht = [this] { return gastgeberBraucht(); },
        .hauptfenster = [this] { return static_cast<QWidget*>(this); },
        .schwarzGeaendert = [this](bool schwarz) { zeigeSchwarzHinweis(schwarz); },
        .flaecheFuer = [this](QSize voll) { return m_bildbereich.flaecheFuer(voll); },
        .sichtGeaendert = [this] { m_spiel.bereiteBilderVor(); },
    };
    m_publikum = std::make_unique<Publikumsfenster>(std::move(anbindung),
                                                    zaehleBildeintraege(m_st.Einstellungsdatei),
                                                    m_bildbereich.vorrat());
    m_spiel.beobachte(*m_publikum);
}

// F6: the first time starts the server, which then runs until the program
// ends; every time shows or hides the sheet on both windows.
void TForm1::schalteTelefone()
{
    if (!m_telefone) {
        m_telefone = std::make_unique<Telefonserver>(Telefonserver::Anbindung{
            .bild = [this] { return m_spiel.bild(); },
            .druecke = [this](int gruppe) { telefonDrueckt(gruppe); },
        });
        if (!m_telefone->starte()) {
            m_telefone.reset();
            zeigeNotiz(QStringLiteral("Telefone: kein freier Port"), 3000);
            return;
        }
        m_spiel.beobachte(*m_telefone);
        const auto inhalt = [this] {
            const Spielbild bild = m_spiel.bild();
            Telefontafel::Inhalt i{m_telefone->seitenadresse(), m_telefone->code(), m_telefone->lokalesNetz(), {},
                                   m_telefone->telefoneJeGruppe()};
            for (const Gruppenbild& g : bild.gruppen)
                i.gruppen << g.name;
            return i;
        };
        m_telefonTafel = new Telefontafel(inhalt, this);
        m_telefonTafelPublikum = new Telefontafel(inhalt, m_publikum.get());
        connect(m_telefone.get(), &Telefonserver::telefoneGeaendert, this, [this] {
            if (m_telefonTafel->isVisible())
                zeigeTelefontafeln();
        });
    }
    if (m_telefonTafel->isVisible()) {
        m_telefonTafel->hide();
        m_telefonTafelPublikum->hide();
    } else {
        zeigeTelefontafeln();
    }
}

void TForm1::zeigeTelefontafeln()
{
    m_telefonTafel->zeige();
    m_telefonTafelPublikum->zeige();
}

// A phone's press is its group's key: a click on the group's answer button
// while that button could be clicked, and nothing while a box or a sheet
// that takes the keys is up.
void TForm1::telefonDrueckt(int gruppe)
{
    if (QApplication::activeModalWidget() || m_hilfe->isVisible() || m_rangliste->isVisible())
        return;
    fuehreAus(Taste{Tastenaktion::Gruppe, gruppe});
}

// What the host must see on a single screen: a message box, the settings
// panel, the key help, the score fields of a hand correction.
bool TForm1::gastgeberBraucht() const
{
    return QApplication::activeModalWidget() != nullptr || einstellungenSichtbar() || m_hilfe->isVisible()
        || m_spiel.bild().korrekturLaeuft;
}

// While the room sees black, the host sees that it does.
void TForm1::zeigeSchwarzHinweis(bool schwarz)
{
    if (!m_schwarzHinweis) {
        m_schwarzHinweis = new QLabel(this);
        m_schwarzHinweis->setObjectName(QStringLiteral("SchwarzHinweis"));
        m_schwarzHinweis->setFont(m_tonHinweis->font());
        m_schwarzHinweis->setAlignment(Qt::AlignCenter);
        m_schwarzHinweis->setAutoFillBackground(true);
        QPalette p = m_schwarzHinweis->palette();
        p.setColor(QPalette::Window, Qt::black);
        p.setColor(QPalette::WindowText, Qt::white);
        m_schwarzHinweis->setPalette(p);
        const QString text = QStringLiteral("Publikum sieht schwarz (B)");
        m_schwarzHinweis->setText(text);
        m_schwarzHinweis->setAccessibleName(text);
        m_schwarzHinweis->resize(m_schwarzHinweis->sizeHint() + QSize(40, 20));
    }
    m_schwarzHinweis->move(Fensterrand + 2 * Bildrahmen, Fensterrand + 2 * Bildrahmen);
    m_schwarzHinweis->setVisible(schwarz);
    m_schwarzHinweis->raise();
}

void TForm1::zeigeZentriert() { m_groesse->zeigeZentriert(Entwurfsgroesse); }

QScrollArea* TForm1::rollbereich() const { return m_klient->rollbereich(); }

// ---- settings reader -------------------------------------------------------

void TForm1::zeigeSektorenhinweis(const QString& hinweis)
{
    m_s.Label3->setText(hinweis);
    m_s.Label3->setAccessibleName(hinweis);
    m_s.Label3->adjustSize();
}

void TForm1::setzeSektorenText(const QString& text, const QString& hinweis)
{
    // The reader has run the update for this text already.
    {
        const QSignalBlocker still(m_s.Edit2);
        m_s.Edit2->setText(text);
    }
    zeigeSektorenhinweis(hinweis);
}

void TForm1::setzeStrafpunkteText(const QString& text) { m_s.Edit1->setText(text); }

void TForm1::setzeJedeGruppeTippt(bool jede) { m_s.RadioGroup1Eintrag[jede ? 1 : 0]->setChecked(true); }

void TForm1::verbergeEinstellungen()
{
    m_s.Panel1->hide();
    repaint();
}

void TForm1::erzeugeGruppe(int index, const QString& name)
{
    m_tafel->erzeuge(index, name, m_s.tabfolge.empty() ? nullptr : m_s.tabfolge.back());
    if (index < m_tafel->zahl()) {
        m_st.Punktestand[static_cast<std::size_t>(index)] = 0;
        m_spiel.nenneGruppe(index, name);
    }
}

void TForm1::platziereSpalte()
{
    const Gruppenzeile* erste = m_tafel->zeile(0);
    if (!erste)
        return;
    const int L = erste->x();
    const int W = erste->width();
    Bildknopf *neuesBild = m_s.BBneuesBild, *falsch = m_s.BBfalsch, *richtig = m_s.BBrichtig;
    Bildknopf *eingeben = m_s.BBpunkteEingeben, *fertig = m_s.BBeingabeFertig;

    neuesBild->move(L, neuesBild->y());
    m_s.BBweiter->move(L, m_s.BBweiter->y());
    falsch->move(L + W - falsch->width(), falsch->y());
    const int luecke = falsch->x() - neuesBild->x() - neuesBild->width() - richtig->width();
    richtig->move(neuesBild->x() + neuesBild->width() + rundeGerade(luecke / 2.0), richtig->y());
    eingeben->move(falsch->x() + falsch->width() - eingeben->width(), eingeben->y());
    fertig->move(eingeben->x(), fertig->y());
    const int unten = m_klient->groesse().height() - eingeben->height() - Fensterrand;
    m_klient->setzeUntenAnker(eingeben, unten);
    m_klient->setzeUntenAnker(fertig, unten);
    m_s.LPunkte->move(L + 100, m_s.LPunkte->y());
    m_klient->aktualisiere();
}

// ---- control states --------------------------------------------------------

Bildknopf* TForm1::knopfFuer(Knopf k) const
{
    switch (k) {
    case Knopf::NeuesBild: return m_s.BBneuesBild;
    case Knopf::Weiter: return m_s.BBweiter;
    case Knopf::Richtig: return m_s.BBrichtig;
    case Knopf::Falsch: return m_s.BBfalsch;
    case Knopf::PunkteEingeben: return m_s.BBpunkteEingeben;
    case Knopf::EingabeFertig: return m_s.BBeingabeFertig;
    }
    return m_s.BBneuesBild;
}

void TForm1::setzeSichtbar(Knopf k, bool sichtbar) { knopfFuer(k)->setVisible(sichtbar); }
void TForm1::setzeAktiv(Knopf k, bool aktiv) { knopfFuer(k)->setEnabled(aktiv); }

void TForm1::setzePunkteLabelText(const QString& text)
{
    m_s.LPunkte->setText(text);
    m_s.LPunkte->setAccessibleName(text);
    m_s.LPunkte->adjustSize();
}

void TForm1::setzePunkteLabelSichtbar(bool sichtbar) { m_s.LPunkte->setVisible(sichtbar); }

void TForm1::setzeGruppenFarbe(int i, Panelfarbe f)
{
    switch (f) {
    case Panelfarbe::Knopfflaeche: m_tafel->setzeFarbe(i, palette().color(QPalette::Button)); break;
    case Panelfarbe::Hellgelb: m_tafel->setzeFarbe(i, QColor(255, 255, 200)); break;
    case Panelfarbe::Silber: m_tafel->setzeFarbe(i, QColor(192, 192, 192)); break;
    }
}

void TForm1::setzeAntwortSichtbar(int i, bool sichtbar) { m_tafel->setzeAntwortSichtbar(i, sichtbar); }
void TForm1::setzeAntwortAktiv(int i, bool aktiv) { m_tafel->setzeAntwortAktiv(i, aktiv); }
void TForm1::setzePunkteText(int i, const QString& text) { m_tafel->setzePunkteText(i, text); }
void TForm1::setzeEingabeSichtbar(int i, bool sichtbar) { m_tafel->setzeEingabeSichtbar(i, sichtbar); }
void TForm1::setzeEingabeText(int i, const QString& text) { m_tafel->setzeEingabeText(i, text); }
void TForm1::setzeAnwendungsSymbol() { QApplication::setWindowIcon(windowIcon()); }

void TForm1::geschehen(const Spielereignis& e, const Spielbild& bild)
{
    if (const std::optional<Klang> klang = klangFuer(e))
        m_ton->spiele(*klang);
    if (e.art == Ereignisart::UrteilZurueckgenommen)
        zeigeNotiz(QStringLiteral("Rückgängig: %1 für %2")
                       .arg(e.richtig ? QStringLiteral("richtig") : QStringLiteral("falsch"),
                            bild.gruppen.value(e.gruppe).name),
                   2000);
}

Panelwerte TForm1::panelwerte() const
{
    return {m_s.Edit1->text(), m_s.Edit2->text(), m_s.RadioGroup1Eintrag[1]->isChecked()};
}

QStringList TForm1::eingaben() const
{
    QStringList texte;
    for (int i = 0; i < m_tafel->zahl(); ++i)
        texte << m_tafel->eingabeText(i);
    return texte;
}

// ---- window size and the picture frame --------------------------------------

QSize TForm1::aussenGroesse() const { return m_groesse->aussenGroesse(); }
QSize TForm1::innenGroesse() const { return m_klient->groesse(); }

void TForm1::setzeAussenBreite(int breite)
{
    m_groesse->setzeAussenGroesse(QSize(breite, aussenGroesse().height()));
}

void TForm1::setzeAussenHoehe(int hoehe)
{
    m_groesse->setzeAussenGroesse(QSize(aussenGroesse().width(), hoehe));
}

void TForm1::maximiere() { m_groesse->maximiere(); }
void TForm1::bewegeNachObenLinks() { m_groesse->bewegeNachObenLinks(); }

void TForm1::schliesse() { close(); }

void TForm1::setzeRahmen(const QRect& r)
{
    m_s.Panel3->setGeometry(r);
    m_s.Image3->setGeometry(Bildrahmen, Bildrahmen, std::max(0, r.width() - 2 * Bildrahmen),
                            std::max(0, r.height() - 2 * Bildrahmen));
}

void TForm1::layoutBeendet() { m_groesse->layoutEndet(); }

QRect TForm1::rahmen() const { return m_s.Panel3->geometry(); }
bool TForm1::einstellungenSichtbar() const { return !m_s.Panel1->isHidden(); }
QSize TForm1::einstellungenGroesse() const { return m_s.Panel1->size(); }
void TForm1::setzeEinstellungenPosition(const QPoint& links_oben) { m_s.Panel1->move(links_oben); }
void TForm1::bildGeaendert(const QRect& bereich)
{
    m_s.Image3->update(bereich);
    if (m_publikum)
        m_publikum->bildflaecheGeaendert();
}

// ---- events ------------------------------------------------------------------

bool TForm1::event(QEvent* e)
{
    const bool ergebnis = QWidget::event(e);
    if (e->type() == QEvent::WindowActivate)
        starteEinmal();
    return ergebnis;
}

void TForm1::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    // Platforms without window activation (offscreen) start from the event loop.
    if (!m_startGeplant) {
        m_startGeplant = true;
        QTimer::singleShot(0, this, [this] { starteEinmal(); });
    }
}

// Only the first activation starts the game; the rules keep the guard.
void TForm1::starteEinmal()
{
    if (m_spiel.gestartet())
        return;
    m_groesse->startBeginnt();
    ereignis([this] { m_spiel.startschritte(einstellungenSichtbar(), panelwerte()); });
    m_groesse->startEndet();
}

void TForm1::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    m_groesse->fensterGemeldet([this] { m_klient->folgeFenster(); });
}

bool TForm1::kannGedruecktWerden(QWidget* w) const
{
    if (!w || !w->isEnabled())
        return false;
    for (const QWidget* p = w; p && p != this; p = p->parentWidget()) {
        if (p->isHidden())
            return false;
    }
    return true;
}

void TForm1::keyPressEvent(QKeyEvent* e)
{
    if (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter) {
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
    auto* fokus = qobject_cast<QPushButton*>(QApplication::focusWidget());
    if (fokus && isAncestorOf(fokus)) {
        if (kannGedruecktWerden(fokus))
            fokus->click();
        return;
    }
    // Enter from another control clicks the first default button that can take it.
    for (Bildknopf* knopf : {m_s.BitBtn1, m_s.BBrichtig, m_s.BBweiter, m_s.BBpunkteEingeben,
                             m_s.BBeingabeFertig}) {
        if (drueckeWennMoeglich(knopf))
            return;
    }
}

bool TForm1::drueckeWennMoeglich(QAbstractButton* knopf) const
{
    if (!kannGedruecktWerden(knopf))
        return false;
    knopf->click();
    return true;
}

// Game keys act as a click on the control they stand for, and only while it
// could be clicked. What is typed into an edit field stays the field's; a
// message box takes every key itself.
bool TForm1::eventFilter(QObject* objekt, QEvent* e)
{
    if (m_publikum && (e->type() == QEvent::Show || e->type() == QEvent::Hide)) {
        // Over the main window the audience window steps aside for a box or
        // the key help, and the ranking shows on both windows while it shows here.
        if (objekt == m_rangliste)
            m_publikum->setzeRangliste(e->type() == QEvent::Show);
        if (objekt == m_hilfe || qobject_cast<QDialog*>(objekt))
            QTimer::singleShot(0, m_publikum.get(), [this] { m_publikum->folge(); });
        return false;
    }
    if (e->type() == QEvent::KeyRelease) {
        const auto* los = static_cast<QKeyEvent*>(e);
        m_freigabe = {los->nativeScanCode(), los->timestamp()};
        return false;
    }
    if (e->type() != QEvent::KeyPress)
        return false;
    auto* w = qobject_cast<QWidget*>(objekt);
    if (!w || w->window() != this || QApplication::activeModalWidget())
        return false;
    auto* taste = static_cast<QKeyEvent*>(e);
    if (m_hilfe->isVisible() || m_rangliste->isVisible()) {
        m_hilfe->hide();
        m_rangliste->hide();
        return true;
    }
    const std::optional<Taste> gedeutet = deuteTaste(*taste);
    if (!gedeutet)
        return false;
    const bool tippbar = gedeutet->aktion != Tastenaktion::Hilfe && gedeutet->aktion != Tastenaktion::Vollbild
        && gedeutet->aktion != Tastenaktion::VollbildAus && gedeutet->aktion != Tastenaktion::Rangliste
        && gedeutet->aktion != Tastenaktion::Publikum && gedeutet->aktion != Tastenaktion::PublikumWeiter
        && gedeutet->aktion != Tastenaktion::Telefone;
    if (tippbar && qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        return false;
    // A held buzzer or remote key must not reveal sector after sector, nor a
    // held F11 switch the screen on and off. Qt tells a repeat by the press
    // waiting behind the release; a busy program reads the release before
    // the press has come, so the shared time stamp tells it here.
    const bool wiederholt = taste->timestamp() != 0 && taste->timestamp() == m_freigabe.zeit
        && taste->nativeScanCode() == m_freigabe.scancode;
    if (taste->isAutoRepeat() || wiederholt)
        return true;
    return fuehreAus(*gedeutet);
}

bool TForm1::fuehreAus(const Taste& taste)
{
    switch (taste.aktion) {
    case Tastenaktion::Gruppe: {
        const Gruppenzeile* z = m_tafel->zeile(taste.gruppe);
        return z && drueckeWennMoeglich(z->antwortKnopf());
    }
    case Tastenaktion::Richtig: return drueckeWennMoeglich(m_s.BBrichtig);
    case Tastenaktion::Falsch: return drueckeWennMoeglich(m_s.BBfalsch);
    case Tastenaktion::Weiter: return drueckeWennMoeglich(m_s.BBweiter) || drueckeWennMoeglich(m_s.BBneuesBild);
    case Tastenaktion::Vollbild: m_groesse->schalteVollbild(!m_groesse->istVollbild()); return true;
    case Tastenaktion::VollbildAus:
        if (m_telefonTafel && m_telefonTafel->isVisible()) {
            schalteTelefone();
            return true;
        }
        if (!m_groesse->istVollbild())
            return false;
        m_groesse->schalteVollbild(false);
        return true;
    case Tastenaktion::Hilfe: m_hilfe->zeige(); return true;
    case Tastenaktion::Rangliste: m_rangliste->zeige(); return true;
    case Tastenaktion::Ton: schalteTon(); return true;
    case Tastenaktion::Publikum: m_publikum->schalte(); return true;
    case Tastenaktion::PublikumWeiter:
        if (!m_publikum->offen())
            return false;
        m_publikum->naechsterSchirm();
        return true;
    case Tastenaktion::Schwarz:
        // Without the audience window B and "." stay what they were.
        if (!m_publikum->offen())
            return false;
        m_publikum->schalteSchwarz();
        return true;
    case Tastenaktion::Telefone: schalteTelefone(); return true;
    case Tastenaktion::BildEnde: ereignis([this] { m_spiel.beendeBild(); }); return true;
    case Tastenaktion::Rueckgaengig: {
        bool zurueck = false;
        ereignis([this, &zurueck] { zurueck = m_spiel.nimmUrteilZurueck(); });
        if (!zurueck)
            zeigeNotiz(QStringLiteral("Nichts rückgängig zu machen"), 2000);
        return true;
    }
    }
    return false;
}

// Only the user's own close asks, and only while a game would be lost: the
// title bar, Alt+F4 and the task bar reach the window as spontaneous close
// events from the window system. The program's own close (a settings error)
// and the application's quit when the session manager ends the session are
// not spontaneous; a desktop that closes its windows itself at logout has
// asked for the session's data first (commitDataRequest), and from then on
// nothing asks.
void TForm1::closeEvent(QCloseEvent* e)
{
    bool fragen = e->spontaneous() && !m_sitzungEndet && m_spiel.spielLaeuft();
#ifndef QT_NO_SESSIONMANAGER
    fragen = fragen && !qApp->isSavingSession();
#endif
    if (fragen
        && !m_meldungen.frage(
            QStringLiteral("Das Spiel läuft noch. Wirklich beenden? Die Punkte gehen dabei verloren."),
            QStringLiteral("Beenden"), QStringLiteral("Weiterspielen"))) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
    // From here on no size request waits and no layout runs.
    m_groesse->schliesse();
}
