#include "ueberblendung.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <algorithm>

QLabel* beschrifte(QWidget* tafel, const QString& text, int pixel, bool fett)
{
    auto* l = new QLabel(tafel);
    l->setTextFormat(Qt::PlainText);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    l->setFont(schrift);
    l->setText(text);
    l->setAccessibleName(text);
    l->adjustSize();
    return l;
}

QRect setzeFusszeile(QWidget* tafel, int oben)
{
    QLabel* fuss = beschrifte(tafel, QStringLiteral("Eine beliebige Taste oder ein Klick schließt dieses Fenster."), 15);
    fuss->move(TafelRand, oben);
    return fuss->geometry();
}

Ueberblendung::Ueberblendung(const QString& name, Fueller fueller, QWidget* fenster)
    : QWidget(fenster), m_fueller(std::move(fueller))
{
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
    fenster->installEventFilter(this);
    hide();
}

QFrame* neueTafel(QWidget* eltern, const QString& name)
{
    auto* tafel = new QFrame(eltern);
    tafel->setObjectName(name);
    tafel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    tafel->setLineWidth(2);
    tafel->setAutoFillBackground(true);
    QPalette p = tafel->palette();
    p.setColor(QPalette::Window, QColor(255, 255, 240));
    p.setColor(QPalette::WindowText, Qt::black);
    tafel->setPalette(p);
    return tafel;
}

void Ueberblendung::baue()
{
    delete m_tafel;
    m_tafel = neueTafel(this, objectName() + QStringLiteral("Tafel"));
    setGeometry(parentWidget()->rect());
    QRect r(QPoint(0, 0), m_fueller(m_tafel, size()));
    r.moveCenter(rect().center());
    // A small window shows the panel from its top-left corner.
    r.moveTopLeft(QPoint(std::max(0, r.left()), std::max(0, r.top())));
    m_tafel->setGeometry(r);
    m_tafel->show();
}

void Ueberblendung::zeige()
{
    baue();
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
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
        baue();
    return false;
}
