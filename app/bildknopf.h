#pragma once
// A push button that shows its caption with a picture to the right of it,
// both centred together; the disabled button shows the picture's grey form.

#include <QPixmap>
#include <QPushButton>

class Bildknopf : public QPushButton {
    Q_OBJECT
public:
    explicit Bildknopf(QWidget* eltern = nullptr);

    void setzeBilder(const QPixmap& aktiv, const QPixmap& inaktiv);
    const QPixmap& aktivBild() const { return m_aktiv; }
    const QPixmap& inaktivBild() const { return m_inaktiv; }
    // Pixels between caption and picture.
    void setzeAbstand(int abstand) { m_abstand = abstand; update(); }
    // Default buttons answer the Enter key from other controls and carry a dark frame.
    void setzeStandard(bool standard) { m_standard = standard; update(); }
    bool istStandard() const { return m_standard; }
    // Where caption and picture land inside the button (for tests and hit checks).
    QRect textRechteck() const;
    QRect bildRechteck() const;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    void berechne(QRect& text, QRect& bild) const;

    QPixmap m_aktiv;
    QPixmap m_inaktiv;
    int m_abstand = 20;
    bool m_standard = false;
};
