#include "hauptfenster.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "bildknopf.h"
#include "core/hilfen.h"
#include "core/meldungen.h"
#include "entwurf.h"
#include "fenstergroesse.h"
#include "gruppenzeile.h"
#include "settings/einstellungspanel.h"

static void ladeBildressourcen()
{
    Q_INIT_RESOURCE(assets);
}

namespace {

// Image3: shows the picture area's visible image.
class Bildanzeige : public QWidget {
public:
    Bildanzeige(const Bildbereich& bereich, QWidget* eltern) : QWidget(eltern), m_bereich(bereich) {}

protected:
    void paintEvent(QPaintEvent* ereignis) override
    {
        QPainter maler(this);
        const QImage& bild = m_bereich.sichtbaresBild();
        if (!bild.isNull())
            maler.drawImage(ereignis->rect(), bild, ereignis->rect());
    }

private:
    const Bildbereich& m_bereich;
};

QColor farbe(int rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }

QFont schrift(const Schrift& s)
{
    QFont f{QString::fromLatin1(s.familie)};
    f.setPixelSize(s.pixel);
    // The rounded face is bold by design; its stand-in has to be made bold.
    f.setBold(s.fett || QLatin1String(s.familie) == QLatin1String("Arial Rounded MT Bold"));
    return f;
}

void setzeTextfarbe(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    for (auto gruppe : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(gruppe, QPalette::WindowText, c);
        p.setColor(gruppe, QPalette::ButtonText, c);
        p.setColor(gruppe, QPalette::Text, c);
    }
    w->setPalette(p);
}

void setzeHintergrund(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// Order in which Enter looks for a default button when no button has the focus.
const char* const EnterReihenfolge[] = {"BitBtn1", "BBrichtig", "BBweiter", "BBpunkteEingeben",
                                        "BBeingabeFertig"};

}  // namespace

TForm1::TForm1(Meldungen& meldungen, Zufall& zufall, const QString& einstellungsdatei,
               QWidget* eltern)
    : QWidget(eltern),
      m_meldungen(meldungen),
      m_zufall(zufall),
      m_bildbereich(m_st, *this, m_meldungen),
      m_spiel(m_st, *this, m_bildbereich, *this, m_meldungen, m_zufall),
      m_klient(Fensterentwurf::Breite, Fensterentwurf::Hoehe)
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
    resize(Fensterentwurf::Breite, Fensterentwurf::Hoehe);

    m_rollbereich = new QScrollArea(this);
    m_rollbereich->setObjectName(QStringLiteral("Rollbereich"));
    m_rollbereich->setFrameShape(QFrame::NoFrame);
    m_rollbereich->setFocusPolicy(Qt::NoFocus);
    m_rollbereich->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_rollbereich->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_rollbereich->setWidgetResizable(false);
    m_rollbereich->setGeometry(rect());
    m_inhalt = new QWidget;
    m_inhalt->setObjectName(QStringLiteral("Klientbereich"));
    m_inhalt->resize(m_klient);
    m_rollbereich->setWidget(m_inhalt);
    m_rollbereich->viewport()->installEventFilter(this);
    m_groesse = std::make_unique<Fenstergroesse>(
        *this, m_st,
        Fenstergroesse::Handler{
            [this] { m_bildbereich.formResize(); },
            [this] { return m_bildbereich.layoutLaeuft(); },
            [this](const std::function<void()>& handler) { ereignis(handler); }});

    baueSteuerelemente();
    baueTabfolge();
    verbindeKnoepfe();

    // FormCreate
    m_st.StartFehler = false;
    m_st.Sektorenzahl = 0;
    const QSize aussen = aussenGroesse();
    m_st.FensterBreite = aussen.width();
    m_st.FensterHoehe = aussen.height();
    m_st.BildDatei.clear();
    liesEinstellungen(m_st, *this, m_meldungen, einstellungsdatei);
    aktualisiereInhalt();
}

TForm1::~TForm1() = default;

void TForm1::baueSteuerelemente()
{
    for (const Elemententwurf& e : fixeSteuerelemente()) {
        QWidget* eltern = e.eltern ? m_elemente.value(QLatin1String(e.eltern)) : m_inhalt;
        Q_ASSERT(eltern);
        const QString text = QString::fromUtf8(e.text);
        QWidget* w = nullptr;
        switch (e.art) {
        case Elementart::Label: {
            auto* l = new QLabel(eltern);
            l->setTextFormat(Qt::PlainText);
            l->setText(text);
            w = l;
            break;
        }
        case Elementart::Panel: {
            auto* f = new QFrame(eltern);
            switch (e.bevel) {
            case Bevel::Keiner: f->setFrameStyle(QFrame::NoFrame); break;
            case Bevel::Erhoeht: f->setFrameStyle(QFrame::Panel | QFrame::Raised); break;
            case Bevel::DoppeltErhoeht: f->setFrameStyle(QFrame::WinPanel | QFrame::Raised); break;
            case Bevel::Vertieft: f->setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
            }
            f->setLineWidth(e.bevel == Bevel::DoppeltErhoeht ? 2 : 1);
            f->setAutoFillBackground(true);  // panels are opaque, also over the picture
            w = f;
            break;
        }
        case Elementart::Bildknopf: {
            auto* b = new Bildknopf(eltern);
            b->setText(text);
            const Bildpaar& bilder = knopfbild(e.bild);
            b->setzeBilder(bilder.aktiv, bilder.inaktiv);
            b->setzeAbstand(e.bildabstand);
            b->setzeStandard(e.standardknopf);
            w = b;
            break;
        }
        case Elementart::GroupBox:
            w = new QGroupBox(text, eltern);
            break;
        case Elementart::Edit:
            w = new QLineEdit(text, eltern);
            break;
        case Elementart::RadioGroup: {
            auto* g = new QGroupBox(text, eltern);
            for (int i = 0; i < 2; ++i) {
                m_radio[i] = new QRadioButton(radioEintrag(i), g);
                m_radio[i]->setObjectName(QStringLiteral("RadioGroup1_%1").arg(i));
                m_radio[i]->setAccessibleName(radioEintrag(i));
                m_radio[i]->setGeometry(8, 20 + 24 * i, e.breite - 16, 20);
            }
            m_radio[0]->setChecked(true);
            w = g;
            break;
        }
        case Elementart::Bild: {
            auto* l = new QLabel(eltern);
            l->setPixmap(knopfbild(e.bild).aktiv);
            w = l;
            break;
        }
        case Elementart::Anzeige:
            w = new Bildanzeige(m_bildbereich, eltern);
            break;
        }
        w->setObjectName(QLatin1String(e.name));
        if (e.schrift.familie)
            w->setFont(schrift(e.schrift));
        if (e.farbe >= 0)
            setzeTextfarbe(w, farbe(e.farbe));
        if (e.hintergrund >= 0)
            setzeHintergrund(w, farbe(e.hintergrund));
        if (e.breite > 0) {
            w->setGeometry(e.links, e.oben, e.breite, e.hoehe);
        } else {
            w->move(e.links, e.oben);
            w->adjustSize();
        }
        w->setAccessibleName(e.zugangsname ? QString::fromUtf8(e.zugangsname) : text);
        w->setEnabled(e.aktiv);
        if (!e.sichtbar)
            w->hide();
        if (e.rechtsVerankert || e.untenVerankert)
            m_anker.push_back({w, e.rechtsVerankert, e.untenVerankert});
        if (e.untenVerankert)
            m_untenAnkerY.insert(w, w->y());
        if (eltern == m_inhalt)
            beobachte(w);
        m_elemente.insert(QLatin1String(e.name), w);
    }

    auto* edit2 = qobject_cast<QLineEdit*>(m_elemente.value(QStringLiteral("Edit2")));
    connect(edit2, &QLineEdit::textChanged, this,
            [this](const QString& text) { aktualisiereSektorenhinweis(text); });
}

void TForm1::baueTabfolge()
{
    // Depth first through the design, each parent's children in their tab order.
    std::vector<QWidget*> folge;
    std::function<void(const char*)> sammle = [&](const char* eltern) {
        std::vector<const Elemententwurf*> kinder;
        for (const Elemententwurf& e : fixeSteuerelemente()) {
            const bool gleich = (eltern == nullptr && e.eltern == nullptr)
                || (eltern && e.eltern && qstrcmp(eltern, e.eltern) == 0);
            if (gleich && e.tabfolge >= 0)
                kinder.push_back(&e);
        }
        std::stable_sort(kinder.begin(), kinder.end(),
                         [](auto* a, auto* b) { return a->tabfolge < b->tabfolge; });
        for (const Elemententwurf* e : kinder) {
            switch (e->art) {
            case Elementart::Bildknopf:
            case Elementart::Edit:
                folge.push_back(m_elemente.value(QLatin1String(e->name)));
                break;
            case Elementart::RadioGroup:
                folge.push_back(m_radio[0]);
                folge.push_back(m_radio[1]);
                break;
            default:
                sammle(e->name);
                break;
            }
        }
    };
    sammle(nullptr);
    for (std::size_t i = 1; i < folge.size(); ++i)
        QWidget::setTabOrder(folge[i - 1], folge[i]);
    m_letzterTab = folge.empty() ? nullptr : folge.back();
}

template <class Handler>
void TForm1::ereignis(Handler&& handler)
{
    alsEreignis(m_meldungen, std::forward<Handler>(handler));
}

void TForm1::verbindeKnoepfe()
{
    auto verbinde = [this](const char* name, void (Spiel::*handler)()) {
        connect(knopf(QLatin1String(name)), &QAbstractButton::clicked, this,
                [this, handler] { ereignis([this, handler] { (m_spiel.*handler)(); }); });
    };
    verbinde("BBneuesBild", &Spiel::BNeuesBildClick);
    verbinde("BBweiter", &Spiel::BWeiterClick);
    verbinde("BBrichtig", &Spiel::BRichtigClick);
    verbinde("BBfalsch", &Spiel::BFalschClick);
    verbinde("BBpunkteEingeben", &Spiel::BPunkteEingebenClick);
    verbinde("BBeingabeFertig", &Spiel::BPunkteEingebenClick);
    verbinde("BitBtn1", &Spiel::Button1Click);
}

void TForm1::beobachte(QWidget* element)
{
    element->installEventFilter(this);
}

Bildknopf* TForm1::knopf(const QString& name) const
{
    return qobject_cast<Bildknopf*>(m_elemente.value(name));
}

Gruppenzeile* TForm1::zeile(int i) const
{
    return (i >= 0 && i < zeilenzahl()) ? m_zeilen[static_cast<std::size_t>(i)] : nullptr;
}

void TForm1::zeigeZentriert()
{
    m_groesse->zeigeZentriert(QSize(Fensterentwurf::Breite, Fensterentwurf::Hoehe));
}

// ---- settings reader -------------------------------------------------------

void TForm1::aktualisiereSektorenhinweis(const QString& text)
{
    auto* label3 = qobject_cast<QLabel*>(m_elemente.value(QStringLiteral("Label3")));
    const QString hinweis = Edit2Change(m_st, text);
    label3->setText(hinweis);
    label3->setAccessibleName(hinweis);
    label3->adjustSize();
}

void TForm1::setzeSektorenText(const QString& text)
{
    auto* edit2 = qobject_cast<QLineEdit*>(m_elemente.value(QStringLiteral("Edit2")));
    // An unchanged text emits no change signal, but the hint must still be updated.
    if (edit2->text() == text)
        aktualisiereSektorenhinweis(text);
    else
        edit2->setText(text);
}

void TForm1::setzeStrafpunkteText(const QString& text)
{
    qobject_cast<QLineEdit*>(m_elemente.value(QStringLiteral("Edit1")))->setText(text);
}

void TForm1::setzeJedeGruppeTippt(bool jede)
{
    m_radio[jede ? 1 : 0]->setChecked(true);
}

void TForm1::verbergeEinstellungen()
{
    m_elemente.value(QStringLiteral("Panel1"))->hide();
    repaint();
}

void TForm1::erzeugeGruppe(int index, const QString& name)
{
    if (index != zeilenzahl() || index >= MaxGruppen)
        return;
    auto* zeile = new Gruppenzeile(index, name, m_klient.width() - Zeilenentwurf::AbstandRechts,
                                   *knopf(QStringLiteral("BitBtn2")), m_inhalt);
    connect(zeile, &Gruppenzeile::antwortGeklickt, this,
            [this](int tag) { ereignis([this, tag] { m_spiel.BAntwortClick(tag); }); });
    m_zeilen.push_back(zeile);
    m_anker.push_back({zeile, true, false});
    beobachte(zeile);
    if (m_letzterTab)
        QWidget::setTabOrder(m_letzterTab, zeile->antwortKnopf());
    QWidget::setTabOrder(zeile->antwortKnopf(), zeile->eingabe());
    m_letzterTab = zeile->eingabe();
    zeile->show();
    m_st.Punktestand[static_cast<std::size_t>(index)] = 0;
    aktualisiereInhalt();
}

void TForm1::platziereSpalte()
{
    const Gruppenzeile* erste = zeile(0);
    if (!erste)
        return;
    const int L = erste->x();
    const int W = erste->width();
    QWidget* neuesBild = m_elemente.value(QStringLiteral("BBneuesBild"));
    QWidget* weiter = m_elemente.value(QStringLiteral("BBweiter"));
    QWidget* falsch = m_elemente.value(QStringLiteral("BBfalsch"));
    QWidget* richtig = m_elemente.value(QStringLiteral("BBrichtig"));
    QWidget* eingeben = m_elemente.value(QStringLiteral("BBpunkteEingeben"));
    QWidget* fertig = m_elemente.value(QStringLiteral("BBeingabeFertig"));
    QWidget* punkte = m_elemente.value(QStringLiteral("LPunkte"));

    neuesBild->move(L, neuesBild->y());
    weiter->move(L, weiter->y());
    falsch->move(L + W - falsch->width(), falsch->y());
    const int luecke = falsch->x() - neuesBild->x() - neuesBild->width() - richtig->width();
    richtig->move(neuesBild->x() + neuesBild->width() + rundeGerade(luecke / 2.0), richtig->y());
    eingeben->move(falsch->x() + falsch->width() - eingeben->width(), eingeben->y());
    fertig->move(eingeben->x(), fertig->y());
    m_untenAnkerY[eingeben] = m_klient.height() - eingeben->height() - 18;
    m_untenAnkerY[fertig] = m_untenAnkerY[eingeben];
    punkte->move(L + 100, punkte->y());
    haltePunkteknoepfeSichtbar();
    aktualisiereInhalt();
}

// The score-entry buttons keep 18 pixels to the bottom edge; with many groups
// on a low window the rows would reach over them and hide them for good, so
// they then sit 18 pixels below the last row and scroll with the rows.
void TForm1::haltePunkteknoepfeSichtbar()
{
    const Gruppenzeile* letzte = zeile(zeilenzahl() - 1);
    for (auto it = m_untenAnkerY.cbegin(); it != m_untenAnkerY.cend(); ++it) {
        int y = it.value();
        if (letzte)
            y = std::max(y, letzte->geometry().bottom() + 1 + 18);
        it.key()->move(it.key()->x(), y);
    }
}

// ---- control states --------------------------------------------------------

Bildknopf* TForm1::knopfFuer(Knopf k) const
{
    switch (k) {
    case Knopf::NeuesBild: return knopf(QStringLiteral("BBneuesBild"));
    case Knopf::Weiter: return knopf(QStringLiteral("BBweiter"));
    case Knopf::Richtig: return knopf(QStringLiteral("BBrichtig"));
    case Knopf::Falsch: return knopf(QStringLiteral("BBfalsch"));
    case Knopf::PunkteEingeben: return knopf(QStringLiteral("BBpunkteEingeben"));
    case Knopf::EingabeFertig: return knopf(QStringLiteral("BBeingabeFertig"));
    }
    return nullptr;
}

void TForm1::setzeSichtbar(Knopf k, bool sichtbar) { knopfFuer(k)->setVisible(sichtbar); }
bool TForm1::istSichtbar(Knopf k) const { return !knopfFuer(k)->isHidden(); }
void TForm1::setzeAktiv(Knopf k, bool aktiv) { knopfFuer(k)->setEnabled(aktiv); }

void TForm1::setzePunkteLabelText(const QString& text)
{
    auto* l = qobject_cast<QLabel*>(m_elemente.value(QStringLiteral("LPunkte")));
    l->setText(text);
    l->setAccessibleName(text);
    l->adjustSize();
}

void TForm1::setzePunkteLabelSichtbar(bool sichtbar)
{
    m_elemente.value(QStringLiteral("LPunkte"))->setVisible(sichtbar);
}

void TForm1::setzeGruppenFarbe(int i, Panelfarbe f)
{
    Gruppenzeile* z = zeile(i);
    if (!z)
        return;
    switch (f) {
    case Panelfarbe::Knopfflaeche: z->setzeHintergrund(palette().color(QPalette::Button)); break;
    case Panelfarbe::Hellgelb: z->setzeHintergrund(QColor(255, 255, 200)); break;
    case Panelfarbe::Silber: z->setzeHintergrund(QColor(192, 192, 192)); break;
    }
}

void TForm1::setzeAntwortSichtbar(int i, bool sichtbar)
{
    if (Gruppenzeile* z = zeile(i))
        z->antwortKnopf()->setVisible(sichtbar);
}

void TForm1::setzeAntwortAktiv(int i, bool aktiv)
{
    if (Gruppenzeile* z = zeile(i))
        z->antwortKnopf()->setEnabled(aktiv);
}

void TForm1::setzePunkteText(int i, const QString& text)
{
    if (Gruppenzeile* z = zeile(i))
        z->setzePunkteText(text);
}

void TForm1::setzeEingabeSichtbar(int i, bool sichtbar)
{
    if (Gruppenzeile* z = zeile(i))
        z->eingabe()->setVisible(sichtbar);
}

bool TForm1::istEingabeSichtbar(int i) const
{
    const Gruppenzeile* z = zeile(i);
    return z && !z->eingabe()->isHidden();
}

void TForm1::setzeEingabeText(int i, const QString& text)
{
    if (Gruppenzeile* z = zeile(i))
        z->eingabe()->setText(text);
}

QString TForm1::eingabeText(int i) const
{
    const Gruppenzeile* z = zeile(i);
    return z ? z->eingabe()->text() : QString();
}

bool TForm1::istEinstellungenSichtbar() const
{
    return !m_elemente.value(QStringLiteral("Panel1"))->isHidden();
}

QString TForm1::strafpunkteText() const
{
    return qobject_cast<QLineEdit*>(m_elemente.value(QStringLiteral("Edit1")))->text();
}

QString TForm1::sektorenText() const
{
    return qobject_cast<QLineEdit*>(m_elemente.value(QStringLiteral("Edit2")))->text();
}

bool TForm1::jedeGruppeTipptGewaehlt() const { return m_radio[1]->isChecked(); }

void TForm1::setzeAnwendungsSymbol() { QApplication::setWindowIcon(windowIcon()); }

// ---- window size and the picture frame --------------------------------------

QSize TForm1::aussenGroesse() const { return m_groesse->aussenGroesse(); }

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

void TForm1::schliesse()
{
    m_groesse->schliesse();
    close();
}

void TForm1::setzeRahmen(const QRect& r)
{
    m_elemente.value(QStringLiteral("Panel3"))->setGeometry(r);
    m_elemente.value(QStringLiteral("Image3"))
        ->setGeometry(2, 2, std::max(0, r.width() - 4), std::max(0, r.height() - 4));
}

QRect TForm1::rahmen() const { return m_elemente.value(QStringLiteral("Panel3"))->geometry(); }

QSize TForm1::einstellungenGroesse() const { return m_elemente.value(QStringLiteral("Panel1"))->size(); }

void TForm1::setzeEinstellungenPosition(const QPoint& links_oben)
{
    m_elemente.value(QStringLiteral("Panel1"))->move(links_oben);
}

void TForm1::bildGeaendert(const QRect& bereich)
{
    m_elemente.value(QStringLiteral("Image3"))->update(bereich);
}

void TForm1::uebernehmeKlientgroesse(QSize neu)
{
    const int dx = neu.width() - m_klient.width();
    const int dy = neu.height() - m_klient.height();
    if (dx == 0 && dy == 0)
        return;
    m_klient = neu;
    for (const Anker& a : m_anker) {
        if (!a.element)
            continue;
        QPoint p = a.element->pos();
        if (a.rechts)
            p.rx() += dx;
        a.element->move(p);
        if (a.unten)
            m_untenAnkerY[a.element] += dy;
    }
    haltePunkteknoepfeSichtbar();
    aktualisiereInhalt();
}

void TForm1::aktualisiereInhalt()
{
    if (m_inAktualisierung) {
        m_nochmal = true;
        return;
    }
    QScopedValueRollback<bool> sperre(m_inAktualisierung, true);
    for (int runde = 0; runde < 4; ++runde) {
        m_nochmal = false;
        int unten = m_klient.height();
        const auto kinder = m_inhalt->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QWidget* w : kinder) {
            if (!w->isHidden())
                unten = std::max(unten, w->geometry().bottom() + 1);
        }
        const QSize ziel(m_klient.width(), unten);
        if (m_inhalt->size() != ziel)
            m_inhalt->resize(ziel);
        if (!m_nochmal)
            break;
    }
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

void TForm1::starteEinmal()
{
    if (m_gestartet)
        return;
    m_gestartet = true;
    m_groesse->startBeginnt();
    ereignis([this] { m_spiel.startschritte(); });
    m_groesse->startEndet();
}

void TForm1::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    m_groesse->fensterGemeldet([this] { m_rollbereich->setGeometry(rect()); });
}

bool TForm1::eventFilter(QObject* objekt, QEvent* e)
{
    if (objekt == m_rollbereich->viewport()) {
        if (e->type() == QEvent::Resize) {
            const QSize vorher = m_klient;
            uebernehmeKlientgroesse(m_rollbereich->viewport()->size());
            if (vorher != m_klient)
                m_groesse->klientGemeldet();
        }
        return false;
    }
    switch (e->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
        if (static_cast<QWidget*>(objekt)->parentWidget() == m_inhalt)
            aktualisiereInhalt();
        break;
    default:
        break;
    }
    return false;
}

bool TForm1::kannEnterNehmen(QWidget* w) const
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
        if (kannEnterNehmen(fokus))
            fokus->click();
        return;
    }
    for (const char* name : EnterReihenfolge) {
        QWidget* w = m_elemente.value(QLatin1String(name));
        if (kannEnterNehmen(w)) {
            qobject_cast<QAbstractButton*>(w)->click();
            return;
        }
    }
}
