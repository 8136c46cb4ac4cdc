#include "fenstergroesse.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "core/fenstermasse.h"
#include "core/spielstand.h"
#include "x11.h"

// QT_LOGGING_RULES="varno.groesse.debug=true" tells every request and its
// answer, for a manager that behaves unlike the others.
Q_LOGGING_CATEGORY(lcGroesse, "varno.groesse", QtWarningMsg)

namespace {

QSize umfang(const QMargins& m) { return QSize(m.left() + m.right(), m.top() + m.bottom()); }

// The frame as Qt reckons it from the window's frame and client geometry.
QMargins qtRahmen(const QWidget& w)
{
    const QRect aussen = w.frameGeometry();
    const QRect innen = w.geometry();
    return QMargins(innen.left() - aussen.left(), innen.top() - aussen.top(), aussen.right() - innen.right(),
                    aussen.bottom() - innen.bottom());
}

// After the answer matched the request, a short quiet lets the window manager
// finish what belongs to it (frame properties follow the configure event).
constexpr int RuheNachAntwortMs = 30;
// An answer that does not match (adjusted or refused) may be followed by more.
constexpr int RuheNachAbweichungMs = 150;
// The quiet after the last report of a size before it is checked against the X server.
constexpr int NachpruefungMs = 300;

}  // namespace

// One request in flight. Its answer is awaited in a nested event loop that
// sleeps until something may end the wait: an X event of our window (the
// observer's signal), the widget taking the size reported, the end of the
// quiet after the last of them, the window closing, or the longest wait.
class Fenstergroesse::Auftrag {
public:
    Auftrag(Fenstergroesse& g, const std::function<bool()>& beantwortet)
        : m_g(g), m_beantwortet(beantwortet), m_aeusserer(g.m_auftrag)
    {
        m_g.m_auftrag = this;
        m_frist.setSingleShot(true);
        m_ruhe.setSingleShot(true);
        QObject::connect(&m_frist, &QTimer::timeout, &m_schleife, &QEventLoop::quit);
        QObject::connect(&m_ruhe, &QTimer::timeout, &m_schleife, [this] { pruefe(); });
    }
    ~Auftrag()
    {
        m_g.m_auftrag = m_aeusserer;
        // What came in meanwhile may run once nothing else holds it back.
        m_g.plane();
    }
    Auftrag(const Auftrag&) = delete;
    Auftrag& operator=(const Auftrag&) = delete;

    void warte();
    // An event that may end the wait.
    void pruefe();
    // The window closes: this wait and those it runs inside end at once.
    void brichAb()
    {
        m_abgebrochen = true;
        m_schleife.quit();
        if (m_aeusserer)
            m_aeusserer->brichAb();
    }

private:
    Fenstergroesse& m_g;
    const std::function<bool()>& m_beantwortet;
    Auftrag* m_aeusserer;
    QEventLoop m_schleife;
    QTimer m_frist, m_ruhe;
    bool m_abgebrochen = false;
};

void Fenstergroesse::Auftrag::warte()
{
    if (m_abgebrochen)
        return;
    if (!m_g.m_beobachter || !m_g.m_fenster.isVisible()) {
        // Platforms that answer at once (offscreen): let the answer arrive.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return;
    }
    const QMetaObject::Connection gemeldet =
        QObject::connect(m_g.m_beobachter.get(), &x11::Beobachter::gemeldet, &m_schleife, [this] { pruefe(); });
    m_frist.start(HoechsteWartezeitMs);
    pruefe();
    // Clicks and keys wait until the window has its size; they are not lost.
    if (m_frist.isActive() && !m_abgebrochen)
        m_schleife.exec(QEventLoop::ExcludeUserInputEvents);
    QObject::disconnect(gemeldet);
    m_frist.stop();
    m_ruhe.stop();
    if (!m_abgebrochen)
        m_g.holeQtEin();
}

void Fenstergroesse::Auftrag::pruefe()
{
    if (!m_frist.isActive())
        return;  // not waiting (yet), or the longest wait is over
    const x11::Beobachter& b = *m_g.m_beobachter;
    if (b.konfigurationen() == 0)
        return;  // no answer yet: the next event or the deadline ends the wait
    const int noetig = m_beantwortet() ? RuheNachAntwortMs : RuheNachAbweichungMs;
    const qint64 still = b.ruhigSeit();
    if (still < noetig) {
        m_ruhe.start(int(noetig - still));
        return;
    }
    // Once Qt has given the widget the size of the last configure event; if
    // it has not yet, the widget's resize event looks again.
    if (m_g.m_fenster.size() == m_g.logisch(b.letzteGroesse()))
        m_schleife.quit();
}

Fenstergroesse::Fenstergroesse(QWidget& fenster, Spielstand& st, Handler handler)
    : m_fenster(fenster), m_st(st), m_handler(std::move(handler))
{
    m_nachpruefung.setSingleShot(true);
    m_nachpruefung.setInterval(NachpruefungMs);
    QObject::connect(&m_nachpruefung, &QTimer::timeout, &m_fenster, [this] { pruefeNach(); });
}

void Fenstergroesse::pruefeNach()
{
    if (m_zustand != Zustand::Bereit || m_auftrag || !m_beobachter || !m_fenster.isVisible())
        return;
    const QSize vorher = m_fenster.size();
    holeQtEin();
    qCDebug(lcGroesse) << "checked" << vorher << "against the X server:" << m_fenster.size();
    if (kannLaufen())
        laufe(false);   // lays out only if the size differs from the last layout's
    else
        merke(false);
}

Fenstergroesse::~Fenstergroesse() = default;

void Fenstergroesse::zeigeZentriert(QSize aussen)
{
    QMargins r;
    if (x11::aktiv()) {
        m_fenstermanager = x11::fenstermanagerLaeuft();
        const WId id = m_fenster.winId();
        m_beobachter = std::make_unique<x11::Beobachter>(id);
        QObject::connect(m_beobachter.get(), &x11::Beobachter::gemeldet, &m_nachpruefung,
                         qOverload<>(&QTimer::start));
        // Ask for the frame before mapping, so that the first size shown is the outer one.
        if (m_fenstermanager) {
            if (const auto vorab = x11::fordereRahmenAn(id, 300, *m_beobachter))
                r = *vorab;
        }
    }
    QRect ziel(QPoint(0, 0), aussen);
    if (QScreen* bildschirm = m_fenster.screen())
        ziel.moveCenter(bildschirm->availableGeometry().center());
    m_fenster.resize(logisch(geraet(aussen) - umfang(r)).expandedTo(QSize(1, 1)));
    // Before mapping, Qt places the client area; the frame goes around it.
    m_fenster.move(ziel.topLeft() + QPoint(qRound(r.left() / verhaeltnis()), qRound(r.top() / verhaeltnis())));
    m_fenster.show();
    if (!m_beobachter) {
        // Elsewhere the frame is known once shown: keep the outer size as designed.
        const QSize zugabe = m_fenster.frameGeometry().size() - m_fenster.size();
        if (zugabe != QSize(0, 0))
            m_fenster.resize(aussen - zugabe);
    }
    m_normalRahmen = rahmen();
}

void Fenstergroesse::startBeginnt()
{
    wechsle(Zustand::Start);
    m_normalRahmen = rahmen();
}

void Fenstergroesse::startEndet() { wechsle(Zustand::Bereit); }

void Fenstergroesse::schliesse() { wechsle(Zustand::Geschlossen); }

// Every change of the window's life passes here, forward only.
void Fenstergroesse::wechsle(Zustand neu)
{
    const bool erlaubt = (m_zustand == Zustand::VorDemStart && neu == Zustand::Start)
        || (m_zustand == Zustand::Start && neu == Zustand::Bereit)
        || (m_zustand != Zustand::Geschlossen && neu == Zustand::Geschlossen);
    if (!erlaubt)
        return;
    qCDebug(lcGroesse) << "state" << int(m_zustand) << "->" << int(neu);
    m_zustand = neu;
    if (neu == Zustand::Bereit) {
        setzeMinimum();
        holeNach();  // what the start-up steps kept back, at once
    } else if (neu == Zustand::Geschlossen) {
        m_nachtrag.reset();
        if (m_auftrag)
            m_auftrag->brichAb();
    }
}

// The window manager keeps the minimum while the user drags (a client size,
// for the frame of the unmaximised window). Size hints written while the
// window is maximised become its size to restore for some managers (xfwm4
// then cannot restore it at all), so a maximised window gets them later.
void Fenstergroesse::setzeMinimum()
{
    if (m_minimumGesetzt)
        return;
    const bool maximiert = m_fenstermanager ? x11::maximiert(m_fenster.winId()) : m_fenster.isMaximized();
    QWindow* w = m_fenster.windowHandle();
    if (maximiert || !w)
        return;
    m_minimumGesetzt = true;
    const QSize minimum = (geraet(Mindestgroesse) - umfang(m_normalRahmen)).expandedTo(QSize(1, 1));
    if (verhaeltnis() == 1.0) {
        w->setMinimumSize(minimum);
        return;
    }
    // Through Qt the hints would come with Qt's steps again, and the window
    // manager would hold the window to them before they could be undone.
    m_minimum = minimum;
    x11::erlaubeJedeGroesse(m_fenster.winId(), m_minimum);
}

qreal Fenstergroesse::verhaeltnis() const { return m_beobachter ? m_fenster.devicePixelRatioF() : 1.0; }

// Qt's own conversion: a device size over the ratio, each side rounded.
QSize Fenstergroesse::logisch(QSize geraet) const
{
    const qreal v = verhaeltnis();
    return QSize(qRound(geraet.width() / v), qRound(geraet.height() / v));
}

QSize Fenstergroesse::geraet(QSize logisch) const
{
    const qreal v = verhaeltnis();
    return QSize(qRound(logisch.width() * v), qRound(logisch.height() * v));
}

QMargins Fenstergroesse::rahmen() const
{
    if (!m_beobachter)
        return qtRahmen(m_fenster);
    if (!m_fenstermanager)
        return {};
    // A window no longer shown has no frame to read; the last one stands.
    if (!m_fenster.isVisible() && m_rahmenBekannt)
        return m_rahmen;
    if (m_beobachter->rahmenGeaendert() || !m_rahmenBekannt) {
        if (const auto r = x11::rahmen(m_fenster.winId())) {
            m_rahmen = *r;
            m_rahmenBekannt = true;
        } else {
            m_rahmen = qtRahmen(m_fenster) * verhaeltnis();   // a manager without _NET_FRAME_EXTENTS
        }
    }
    return m_rahmen;
}

// The size of the last configure event, exact in device pixels, as long as
// the widget has taken it; a newer one still on its way to the widget would
// lay out for a size the widget does not have yet.
QSize Fenstergroesse::klient() const
{
    if (m_beobachter && m_beobachter->konfiguriert()
        && logisch(m_beobachter->letzteGroesse()) == m_fenster.size())
        return m_beobachter->letzteGroesse();
    return geraet(m_fenster.size());
}

QSize Fenstergroesse::aussenGroesse() const
{
    return logisch(klient() + umfang(rahmen()));
}

bool Fenstergroesse::frage(const std::function<void()>& senden, const std::function<bool()>& beantwortet)
{
    const QSize vorher = aussenGroesse();
    QElapsedTimer uhr;
    uhr.start();
    Auftrag auftrag(*this, beantwortet);
    if (m_beobachter)
        m_beobachter->neuerAuftrag();
    senden();
    auftrag.warte();
    if (m_beobachter)
        m_nachpruefung.start();   // a report may still follow the answer
    qCDebug(lcGroesse) << "request from" << vorher << "to" << aussenGroesse() << "answered"
                       << (m_beobachter ? beantwortet() : true) << "after" << uhr.elapsed() << "ms";
    return aussenGroesse() != vorher;
}

void Fenstergroesse::fordere(const std::function<void()>& senden, const std::function<bool()>& beantwortet)
{
    // Every real change runs the handler at once, before the caller goes on.
    if (frage(senden, beantwortet) && m_zustand != Zustand::Geschlossen)
        m_handler.formResize();
}

// If the window manager never answered, the widget may still hold the size
// that was asked for; the X server knows what the window really has.
void Fenstergroesse::holeQtEin()
{
    const auto echt = x11::geometrie(m_fenster.winId());
    if (echt && logisch(echt->size()) != m_fenster.size())
        m_fenster.resize(logisch(echt->size()));
}

void Fenstergroesse::setzeAussenGroesse(QSize aussen)
{
    aussen = aussen.expandedTo(QSize(1, 1));
    if (aussen == aussenGroesse())
        return;
    const QSize neu = (geraet(aussen) - umfang(rahmen())).expandedTo(QSize(1, 1));
    fordere(
        [&] {
            if (!m_beobachter) {
                m_fenster.resize(neu);
                return;
            }
            if (verhaeltnis() != 1.0)
                x11::erlaubeJedeGroesse(m_fenster.winId(), m_minimum);
            x11::fordereGroesse(m_fenster.winId(), neu);
        },
        [&] { return m_beobachter->letzteGroesse() == neu; });
}

void Fenstergroesse::maximiere()
{
    fordere(
        [&] {
            m_fenster.showMaximized();
            // A bare X server maximises nothing; covering the free area is the same.
            if (m_beobachter && !m_fenstermanager && m_fenster.screen())
                m_fenster.setGeometry(m_fenster.screen()->availableGeometry());
        },
        [&] {
            return m_beobachter->konfigurationen() > 0
                && (!m_fenstermanager || x11::maximiert(m_fenster.winId()));
        });
}

void Fenstergroesse::bewegeNachObenLinks()
{
    if (!m_beobachter) {
        m_fenster.move(0, 0);
        return;
    }
    // The client area goes where the frame's top-left corner lands at 0,0;
    // checked against the X server once the window manager has answered.
    for (int versuch = 0; versuch < 2 && m_zustand != Zustand::Geschlossen; ++versuch) {
        const QMargins r = rahmen();
        const auto echt = x11::geometrie(m_fenster.winId());
        if (!echt || echt->topLeft() == QPoint(r.left(), r.top()))
            return;
        fordere([&] { x11::fordereOrt(m_fenster.winId(), QPoint(r.left(), r.top())); },
                [&] { return m_beobachter->konfigurationen() > 0; });
    }
}

void Fenstergroesse::schalteVollbild(bool an)
{
    qCDebug(lcGroesse) << "full screen" << an << "state" << int(m_zustand) << "waiting" << wartet();
    if (an == istVollbild() || m_zustand != Zustand::Bereit || m_auftrag)
        return;
    const bool ohneManager = m_beobachter && !m_fenstermanager;
    if (an)
        m_vorVollbild = VorVollbild{m_fenster.geometry(), m_fenster.isMaximized()};
    const VorVollbild vorher = *m_vorVollbild;
    frage(
        [&] {
            if (an) {
                m_fenster.showFullScreen();
                // A bare X server has nobody to do it; covering the screen is the same.
                if (ohneManager && m_fenster.screen())
                    m_fenster.setGeometry(m_fenster.screen()->geometry());
            } else if (vorher.maximiert) {
                m_fenster.showMaximized();
            } else {
                m_fenster.showNormal();
                if (ohneManager)
                    m_fenster.setGeometry(vorher.geometrie);
            }
        },
        [&] {
            return m_beobachter->konfigurationen() > 0
                && (!m_fenstermanager || x11::vollbild(m_fenster.winId()) == an);
        });
    if (!an)
        m_vorVollbild.reset();
    // Some managers forget where an unmaximised window stood.
    if (!an && m_beobachter && !vorher.maximiert && m_fenster.geometry() != vorher.geometrie
        && m_zustand == Zustand::Bereit) {
        frage([&] { m_fenster.setGeometry(vorher.geometrie); },
              [&] { return m_beobachter->letzteGroesse() == vorher.geometrie.size(); });
    }
    // One layout for the size the window ends with, as for a size of the user's.
    if (m_zustand == Zustand::Bereit)
        laufe(false);
}

void Fenstergroesse::fensterGemeldet(const std::function<void()>& folgen)
{
    {
        QScopedValueRollback<bool> bericht(m_imBericht, true);
        folgen();
    }
    qCDebug(lcGroesse) << "reported" << m_fenster.size() << "last configure"
                       << (m_beobachter ? m_beobachter->letzteGroesse() : QSize()) << "waiting" << wartet();
    if (m_auftrag) {
        m_auftrag->pruefe();  // perhaps the answer awaited; the request lays out itself
        return;
    }
    switch (m_zustand) {
    case Zustand::Bereit:
        setzeMinimum();
        if (kannLaufen())
            laufe(false);
        else
            merke(false);  // a message box of the running layout let it in
        break;
    case Zustand::Start:
        merke(false);  // laid out once the start-up steps have ended
        break;
    default:
        break;  // before the start and after the close nothing runs
    }
}

void Fenstergroesse::klientGemeldet()
{
    if (m_imBericht || m_zustand == Zustand::VorDemStart || m_zustand == Zustand::Geschlossen)
        return;
    // The scroll bar came or went while the window kept its size: the picture
    // area needs a layout for the new client width all the same.
    if (kannLaufen())
        laufe(true);
    else
        merke(true);
}

void Fenstergroesse::layoutEndet() { plane(); }

void Fenstergroesse::merke(bool erzwingen)
{
    if (!m_nachtrag)
        m_nachtrag.emplace();
    m_nachtrag->erzwingen = m_nachtrag->erzwingen || erzwingen;
    plane();
}

bool Fenstergroesse::kannLaufen() const
{
    return m_zustand == Zustand::Bereit && !m_auftrag && !m_handler.layoutLaeuft();
}

// A kept report runs from the event loop once nothing holds it back; what
// holds it back (the start-up steps, a request, a layout showing a message
// box) calls this again when it ends.
void Fenstergroesse::plane()
{
    if (!m_nachtrag || m_nachtrag->geplant || !kannLaufen())
        return;
    m_nachtrag->geplant = true;
    QTimer::singleShot(0, &m_fenster, [this] {
        if (m_nachtrag)
            m_nachtrag->geplant = false;
        holeNach();
    });
}

void Fenstergroesse::holeNach()
{
    if (!m_nachtrag || !kannLaufen())
        return;
    const bool erzwingen = m_nachtrag->erzwingen;
    m_nachtrag.reset();
    laufe(erzwingen);
}

// A layout of our own, as an event: what comes in during it is kept and runs
// after it, from the event loop, never from in here.
void Fenstergroesse::laufe(bool erzwingen)
{
    if (erzwingen)
        m_st.FensterBreite = 0;
    qCDebug(lcGroesse) << "layout for" << m_fenster.size();
    m_handler.alsEreignis(m_handler.formResize);
}
