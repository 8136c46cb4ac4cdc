#pragma once
// A sheet laid over the whole window (the key help, the final ranking): a
// dimmed backdrop and a panel of labels in the middle, built anew each time it
// is shown. Any key or click closes it; it changes nothing beneath.

#include <QWidget>
#include <functional>

class QFrame;
class QLabel;

class Ueberblendung : public QWidget {
    Q_OBJECT
public:
    // Fills the empty panel with labels placed by pixels for a window of the
    // given size and returns the panel's size.
    using Fueller = std::function<QSize(QFrame* tafel, QSize platz)>;

    Ueberblendung(const QString& name, Fueller fueller, QWidget* fenster);

    // Builds the panel, covers the window, comes to the front, takes the keyboard.
    void zeige();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void baue();
    Fueller m_fueller;
    QFrame* m_tafel = nullptr;
};

// The raised, light panel every sheet over the window shows its content on,
// covering nothing yet; its owner places it.
QFrame* neueTafel(QWidget* eltern, const QString& name);

// A label of the panel, sized to its text; readable by screen readers.
QLabel* beschrifte(QWidget* tafel, const QString& text, int pixel, bool fett = false);

// Margin of every panel, and its closing line at the bottom.
constexpr int TafelRand = 22;
QRect setzeFusszeile(QWidget* tafel, int oben);
