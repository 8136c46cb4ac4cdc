#include "fenstergroesse.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "core/fenstermasse.h"
#include "core/spielstand.h"
#include "x11.h"

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

}  // namespace

Fenstergroesse::Fenstergroesse(QWidget& fenster, Spielstand& st, Handler handler)
    : m_fenster(fenster), m_st(st), m_handler(std::move(handler))
{
}

Fenstergroesse::~Fenstergroesse() = default;

void Fenstergroesse::zeigeZentriert(QSize aussen)
{
    QMargins r;
    if (x11::aktiv()) {
        m_fenstermanager = x11::fenstermanagerLaeuft();
        const WId id = m_fenster.winId();
        m_beobachter = std::make_unique<x11::Beobachter>(id);
        // Ask for the frame before mapping, so that the first size shown is the outer one.
        if (m_fenstermanager) {
            if (const auto vorab = x11::fordereRahmenAn(id, 300))
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
    if (m_phase == Phase::VorDemStart)
        m_phase = Phase::Start;
    m_normalRahmen = rahmen();
}

void Fenstergroesse::startEndet()
{
    if (m_phase != Phase::Start)
        return;
    m_phase = Phase::Bereit;
    setzeMinimum();
    holeNach();
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

void Fenstergroesse::schliesse()
{
    m_phase = Phase::Geschlossen;
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

void Fenstergroesse::fordereKlient(QSize geraet)
{
    if (m_beobachter) {
        m_beobachter->neuerAuftrag();
        if (verhaeltnis() != 1.0)
            x11::erlaubeJedeGroesse(m_fenster.winId(), m_minimum);
        x11::fordereGroesse(m_fenster.winId(), geraet);
    } else {
        m_fenster.resize(geraet);
    }
}

void Fenstergroesse::warte(const std::function<bool()>& erfuellt)
{
    QScopedValueRollback<Phase> wartend(m_phase, Phase::Wartet);
    if (!m_beobachter || !m_fenster.isVisible()) {
        // Platforms that answer at once (offscreen): let the answer arrive.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return;
    }
    QElapsedTimer uhr;
    uhr.start();
    QEventLoop schleife;
    QTimer takt;
    takt.setInterval(5);
    QObject::connect(&takt, &QTimer::timeout, &schleife, [&] {
        const bool beantwortet = m_beobachter->konfigurationen() > 0;
        // Qt has applied the last configure event to the widget.
        const bool eingeholt = !beantwortet || m_fenster.size() == logisch(m_beobachter->letzteGroesse());
        const int ruhe = erfuellt() ? RuheNachAntwortMs : RuheNachAbweichungMs;
        if (uhr.elapsed() >= HoechsteWartezeitMs
            || (beantwortet && eingeholt && m_beobachter->ruhigSeit() >= ruhe))
            schleife.quit();
    });
    takt.start();
    // Clicks and keys wait until the window has its size; they are not lost.
    schleife.exec(QEventLoop::ExcludeUserInputEvents);
    holeQtEin();
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
    const QSize vorher = aussenGroesse();
    if (aussen == vorher)
        return;
    const QSize neu = (geraet(aussen) - umfang(rahmen())).expandedTo(QSize(1, 1));
    {
        QScopedValueRollback<Phase> wartend(m_phase, Phase::Wartet);
        fordereKlient(neu);
    }
    warte([&] { return m_beobachter->letzteGroesse() == neu; });
    // Every real change runs the handler at once, before the caller goes on.
    if (aussenGroesse() != vorher)
        m_handler.formResize();
}

void Fenstergroesse::maximiere()
{
    const QSize vorher = aussenGroesse();
    {
        QScopedValueRollback<Phase> wartend(m_phase, Phase::Wartet);
        if (m_beobachter)
            m_beobachter->neuerAuftrag();
        m_fenster.showMaximized();
        if (m_beobachter && !m_fenstermanager) {
            // A bare X server maximises nothing; covering the free area is the same.
            if (QScreen* bildschirm = m_fenster.screen())
                m_fenster.setGeometry(bildschirm->availableGeometry());
        }
    }
    warte([&] {
        return m_beobachter->konfigurationen() > 0
            && (!m_fenstermanager || x11::maximiert(m_fenster.winId()));
    });
    if (aussenGroesse() != vorher)
        m_handler.formResize();
}

void Fenstergroesse::bewegeNachObenLinks()
{
    if (!m_beobachter) {
        m_fenster.move(0, 0);
        return;
    }
    // The client area goes where the frame's top-left corner lands at 0,0;
    // checked against the X server once the window manager has answered.
    for (int versuch = 0; versuch < 2; ++versuch) {
        const QMargins r = rahmen();
        const auto echt = x11::geometrie(m_fenster.winId());
        if (!echt || echt->topLeft() == QPoint(r.left(), r.top()))
            return;
        {
            QScopedValueRollback<Phase> wartend(m_phase, Phase::Wartet);
            m_beobachter->neuerAuftrag();
            x11::fordereOrt(m_fenster.winId(), QPoint(r.left(), r.top()));
        }
        warte([&] { return m_beobachter->konfigurationen() > 0; });
    }
}

void Fenstergroesse::schalteVollbild(bool an)
{
    if (an == istVollbild() || m_phase != Phase::Bereit)
        return;
    const bool ohneManager = m_beobachter && !m_fenstermanager;
    {
        QScopedValueRollback<Phase> wartend(m_phase, Phase::Wartet);
        if (m_beobachter)
            m_beobachter->neuerAuftrag();
        if (an) {
            m_vorVollbild = VorVollbild{m_fenster.geometry(), m_fenster.isMaximized()};
            m_fenster.showFullScreen();
            // A bare X server has nobody to do it; covering the screen is the same.
            if (ohneManager && m_fenster.screen())
                m_fenster.setGeometry(m_fenster.screen()->geometry());
        } else if (m_vorVollbild->maximiert) {
            m_fenster.showMaximized();
        } else {
            m_fenster.showNormal();
            if (ohneManager)
                m_fenster.setGeometry(m_vorVollbild->geometrie);
        }
    }
    warte([&] {
        return m_beobachter->konfigurationen() > 0
            && (!m_fenstermanager || x11::vollbild(m_fenster.winId()) == an);
    });
    const std::optional<VorVollbild> vorher = m_vorVollbild;
    if (!an)
        m_vorVollbild.reset();
    // Some managers forget where an unmaximised window stood.
    if (!an && m_beobachter && !vorher->maximiert && m_fenster.geometry() != vorher->geometrie) {
        {
            QScopedValueRollback<Phase> wartend(m_phase, Phase::Wartet);
            m_beobachter->neuerAuftrag();
            m_fenster.setGeometry(vorher->geometrie);
        }
        warte([&] { return m_beobachter->letzteGroesse() == vorher->geometrie.size(); });
    }
    laufe(false);
}

void Fenstergroesse::fensterGemeldet(const std::function<void()>& folgen)
{
    {
        QScopedValueRollback<bool> bericht(m_imBericht, true);
        folgen();
    }
    switch (m_phase) {
    case Phase::Bereit:
        setzeMinimum();
        if (m_handler.layoutLaeuft())
            plane(false);  // a message box of the running layout let it in
        else
            laufe(false);
        break;
    case Phase::Start:
        plane(false);  // laid out once the start-up steps have ended
        break;
    default:
        break;  // before the start nothing runs; a waiting request lays out itself
    }
}

void Fenstergroesse::klientGemeldet()
{
    if (m_imBericht || m_phase == Phase::VorDemStart || m_phase == Phase::Geschlossen)
        return;
    // The scroll bar came or went while the window kept its size: the picture
    // area needs a layout for the new client width all the same.
    if (m_phase == Phase::Bereit && !m_handler.layoutLaeuft())
        laufe(true);
    else
        plane(true);
}

void Fenstergroesse::plane(bool erzwingen)
{
    m_nachholen = true;
    m_erzwingen = m_erzwingen || erzwingen;
    if (m_geplant)
        return;
    m_geplant = true;
    // While a layout shows a message box this retries now and then, not in a busy loop.
    QTimer::singleShot(m_phase == Phase::Bereit && !m_handler.layoutLaeuft() ? 0 : 50, &m_fenster,
                       [this] {
                           m_geplant = false;
                           holeNach();
                           if (m_nachholen && m_phase != Phase::Geschlossen)
                               plane(false);
                       });
}

void Fenstergroesse::holeNach()
{
    if (!m_nachholen || m_phase != Phase::Bereit || m_handler.layoutLaeuft())
        return;
    const bool erzwingen = m_erzwingen;
    m_nachholen = m_erzwingen = false;
    laufe(erzwingen);
}

void Fenstergroesse::laufe(bool erzwingen)
{
    if (erzwingen)
        m_st.FensterBreite = 0;
    m_handler.alsEreignis(m_handler.formResize);
    holeNach();
}
