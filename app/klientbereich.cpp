#include "klientbereich.h"

#include <QApplication>
#include <QEvent>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QWidget>
#include <algorithm>

#include "core/fenstermasse.h"

namespace {

// When the focused control is hidden or disabled (the settings panel after
// OK, a button the rules switch off), Qt hands the focus on along the tab
// order, and QScrollArea scrolls whatever gets it into view: with many groups
// the score-entry button below the last row, so the view jumped to the bottom
// and the picture and the quiz master's buttons left it. Only a Tab typed
// from a control that can hold the focus brings the next one into view.
class Rollbereich : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

protected:
    bool focusNextPrevChild(bool next) override
    {
        const QWidget* fokus = QApplication::focusWidget();
        if (fokus && fokus->isVisible() && fokus->isEnabled())
            return QScrollArea::focusNextPrevChild(next);
        return QWidget::focusNextPrevChild(next);
    }
};

} // namespace

Klientbereich::Klientbereich(QWidget& fenster, QSize anfang)
    : QObject(&fenster), m_fenster(fenster), m_groesse(anfang)
{
    m_rollbereich = new Rollbereich(&fenster);
    m_rollbereich->setObjectName(QStringLiteral("Rollbereich"));
    m_rollbereich->setFrameShape(QFrame::NoFrame);
    m_rollbereich->setFocusPolicy(Qt::NoFocus);
    m_rollbereich->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_rollbereich->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_rollbereich->setWidgetResizable(false);
    m_rollbereich->setGeometry(fenster.rect());
    m_inhalt = new QWidget;
    m_inhalt->setObjectName(QStringLiteral("Klientbereich"));
    m_inhalt->resize(anfang);
    m_rollbereich->setWidget(m_inhalt);
    m_rollbereich->viewport()->installEventFilter(this);
}

void Klientbereich::verankere(QWidget* w, bool rechts, bool unten)
{
    m_anker.push_back({w, rechts, unten});
    if (unten)
        m_untenAnker.insert(w, w->y());
}

void Klientbereich::beobachte(QWidget* w) { w->installEventFilter(this); }

void Klientbereich::setzeUntenAnker(QWidget* w, int oben)
{
    m_untenAnker[w] = oben;
    haltePunkteknoepfeSichtbar();
}

void Klientbereich::folgeFenster() { m_rollbereich->setGeometry(m_fenster.rect()); }

void Klientbereich::uebernimm(QSize neu)
{
    const int dx = neu.width() - m_groesse.width();
    const int dy = neu.height() - m_groesse.height();
    if (dx == 0 && dy == 0)
        return;
    m_groesse = neu;
    for (const Anker& a : m_anker) {
        if (!a.element)
            continue;
        if (a.rechts)
            a.element->move(a.element->x() + dx, a.element->y());
        if (a.unten)
            m_untenAnker[a.element] += dy;
    }
    haltePunkteknoepfeSichtbar();
    aktualisiere();
}

// The score-entry buttons keep Fensterrand to the bottom edge; with many
// groups on a low window the rows would reach over them and hide them for
// good, so they then sit Fensterrand below the last row and scroll with them.
void Klientbereich::haltePunkteknoepfeSichtbar()
{
    const int letzte = m_letzteZeile ? m_letzteZeile() : -1;
    for (auto it = m_untenAnker.cbegin(); it != m_untenAnker.cend(); ++it) {
        int y = it.value();
        if (letzte >= 0)
            y = std::max(y, letzte + 1 + Fensterrand);
        it.key()->move(it.key()->x(), y);
    }
}

// The content reaches to the lowest visible control, and at least to the client area's bottom.
void Klientbereich::aktualisiere()
{
    if (m_inAktualisierung) {
        m_nochmal = true;
        return;
    }
    QScopedValueRollback<bool> sperre(m_inAktualisierung, true);
    for (int runde = 0; runde < 4; ++runde) {
        m_nochmal = false;
        int unten = m_groesse.height();
        const auto kinder = m_inhalt->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QWidget* w : kinder) {
            if (!w->isHidden())
                unten = std::max(unten, w->geometry().bottom() + 1);
        }
        const QSize ziel(m_groesse.width(), unten);
        if (m_inhalt->size() != ziel)
            m_inhalt->resize(ziel);
        if (!m_nochmal)
            break;
    }
}

bool Klientbereich::eventFilter(QObject* objekt, QEvent* e)
{
    if (objekt == m_rollbereich->viewport()) {
        if (e->type() == QEvent::Resize) {
            const QSize vorher = m_groesse;
            uebernimm(m_rollbereich->viewport()->size());
            if (vorher != m_groesse && m_beiAenderung)
                m_beiAenderung();
        }
        return false;
    }
    switch (e->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
        if (static_cast<QWidget*>(objekt)->parentWidget() == m_inhalt)
            aktualisiere();
        break;
    default:
        break;
    }
    return false;
}
