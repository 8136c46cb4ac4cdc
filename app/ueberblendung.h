#pragma once
// A sheet laid over the whole window for the key help: a dimmed backdrop and
// a panel of labels in the middle. Any key or click closes it; it changes
// nothing beneath.

#include <QWidget>

class QFrame;

class Ueberblendung : public QWidget {
    Q_OBJECT
public:
    // titel over zeilen of two columns (left: what to press, right: what it does).
    Ueberblendung(const QString& titel, const QList<QPair<QString, QString>>& zeilen, QWidget* fenster);

    // Covers the window, brings itself to the front and takes the keyboard.
    void zeige();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void richteAus();
    QFrame* m_tafel;
};
