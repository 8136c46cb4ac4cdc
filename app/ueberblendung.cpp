#include "ueberblendung.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <vector>

Ueberblendung::Ueberblendung(const QString& titel, const QList<QPair<QString, QString>>& zeilen,
                             QWidget* fenster)
    : QWidget(fenster)
{
    setObjectName(QStringLiteral("Ueberblendung"));
    setFocusPolicy(Qt::StrongFocus);
    m_tafel = new QFrame(this);
    m_tafel->setObjectName(QStringLiteral("Ueberblendungstafel"));
    m_tafel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_tafel->setLineWidth(2);
    m_tafel->setAutoFillBackground(true);
    QPalette p = m_tafel->palette();
    p.setColor(QPalette::Window, QColor(255, 255, 240));
    p.setColor(QPalette::WindowText, Qt::black);
    m_tafel->setPalette(p);

    QFont gross(QStringLiteral("Arial"));
    gross.setPixelSize(24);
    gross.setBold(true);
    QFont normal(QStringLiteral("Arial"));
    normal.setPixelSize(17);
    QFont fett = normal;
    fett.setBold(true);
    auto beschrifte = [this](const QString& text, const QFont& schrift) {
        auto* l = new QLabel(m_tafel);
        l->setTextFormat(Qt::PlainText);
        l->setText(text);
        l->setAccessibleName(text);
        l->setFont(schrift);
        l->adjustSize();
        return l;
    };
    // Placed by pixels like every control of the window, column by column.
    constexpr int Rand = 22, Spalte = 28, Zeilenabstand = 6;
    QLabel* kopf = beschrifte(titel, gross);
    kopf->move(Rand, Rand);
    int y = kopf->geometry().bottom() + 1 + 2 * Zeilenabstand;
    std::vector<std::pair<QLabel*, QLabel*>> paare;
    int linksBreite = 0;
    for (const auto& [links, rechts] : zeilen) {
        paare.emplace_back(beschrifte(links, fett), beschrifte(rechts, normal));
        linksBreite = std::max(linksBreite, paare.back().first->width());
    }
    int breite = kopf->width();
    for (const auto& [l, r] : paare) {
        l->move(Rand, y);
        r->move(Rand + linksBreite + Spalte, y);
        breite = std::max(breite, linksBreite + Spalte + r->width());
        y += std::max(l->height(), r->height()) + Zeilenabstand;
    }
    QLabel* fuss = beschrifte(QStringLiteral("Eine beliebige Taste oder ein Klick schließt dieses Fenster."), normal);
    fuss->move(Rand, y + Zeilenabstand);
    breite = std::max(breite, fuss->width());
    m_tafel->resize(breite + 2 * Rand, fuss->geometry().bottom() + 1 + Rand);
    fenster->installEventFilter(this);
    hide();
}

void Ueberblendung::zeige()
{
    richteAus();
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

void Ueberblendung::richteAus()
{
    setGeometry(parentWidget()->rect());
    QRect r(QPoint(0, 0), m_tafel->size());
    r.moveCenter(rect().center());
    // A small window shows the panel from its top-left corner.
    r.moveTopLeft(QPoint(std::max(0, r.left()), std::max(0, r.top())));
    m_tafel->setGeometry(r);
}

void Ueberblendung::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.fillRect(rect(), QColor(0, 0, 0, 140));
}

void Ueberblendung::mousePressEvent(QMouseEvent* e)
{
    e->accept();
    hide();
}

void Ueberblendung::keyPressEvent(QKeyEvent* e)
{
    e->accept();
    hide();
}

bool Ueberblendung::eventFilter(QObject* objekt, QEvent* e)
{
    if (objekt == parentWidget() && e->type() == QEvent::Resize && isVisible())
        richteAus();
    return false;
}
