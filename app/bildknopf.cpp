#include "bildknopf.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

Bildknopf::Bildknopf(QWidget* eltern) : QPushButton(eltern)
{
    setFocusPolicy(Qt::StrongFocus);
    // Enter is dispatched by the window, not by Qt's dialog default-button logic.
    setAutoDefault(false);
    setDefault(false);
}

void Bildknopf::setzeBilder(const QPixmap& aktiv, const QPixmap& inaktiv)
{
    m_aktiv = aktiv;
    m_inaktiv = inaktiv;
    update();
}

void Bildknopf::berechne(QRect& text, QRect& bild) const
{
    const QString beschriftung = this->text();
    const QSize bildGr = m_aktiv.isNull() ? QSize() : m_aktiv.deviceIndependentSize().toSize();
    const QFontMetrics fm(font());
    const int textBreite = beschriftung.isEmpty() ? 0 : fm.horizontalAdvance(beschriftung);
    const int abstand = (!beschriftung.isEmpty() && !bildGr.isEmpty()) ? m_abstand : 0;
    const int gesamt = textBreite + abstand + bildGr.width();
    const int links = (width() - gesamt) / 2;
    text = QRect(links, (height() - fm.height()) / 2, textBreite, fm.height());
    bild = QRect(QPoint(links + textBreite + abstand, (height() - bildGr.height()) / 2), bildGr);
}

QRect Bildknopf::textRechteck() const
{
    QRect t, b;
    berechne(t, b);
    return t;
}

QRect Bildknopf::bildRechteck() const
{
    QRect t, b;
    berechne(t, b);
    return b;
}

void Bildknopf::paintEvent(QPaintEvent*)
{
    QStylePainter maler(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    if (m_standard)
        option.features |= QStyleOptionButton::DefaultButton;
    maler.drawControl(QStyle::CE_PushButtonBevel, option);

    if (m_standard) {
        maler.setPen(QPen(palette().color(QPalette::Shadow), 1));
        maler.setBrush(Qt::NoBrush);
        maler.drawRect(rect().adjusted(0, 0, -1, -1));
    }

    QRect textRect, bildRect;
    berechne(textRect, bildRect);
    if (isDown() || isChecked()) {
        textRect.translate(1, 1);
        bildRect.translate(1, 1);
    }
    if (!text().isEmpty()) {
        maler.setFont(font());
        maler.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                     QPalette::ButtonText));
        maler.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
    }
    const QPixmap& bild = isEnabled() ? m_aktiv : m_inaktiv;
    if (!bild.isNull())
        maler.drawPixmap(bildRect.topLeft(), bild);

    if (hasFocus()) {
        QStyleOptionFocusRect fokus;
        fokus.initFrom(this);
        fokus.rect = rect().adjusted(4, 4, -4, -4);
        maler.drawPrimitive(QStyle::PE_FrameFocusRect, fokus);
    }
}
