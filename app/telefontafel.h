#pragma once
// The F6 sheet: how phones join. A large QR code of the page's address, the
// address as text, the join code and how many phones each group has joined.
// It lies over a whole window (the main or the audience window) and takes
// no key: F6 and Esc reach the main window, which hides it.

#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

class QFrame;

// The QR code of `text`: one pixel a module, black on white, with the quiet
// zone of four modules; null if the text does not fit into a code.
QImage qrBild(const QString& text);

class Telefontafel : public QWidget {
    Q_OBJECT
public:
    struct Inhalt {
        QString adresse;        // the page with the code, as in the QR code
        QString code;
        bool lokalesNetz = true;
        QStringList gruppen;    // names, in scoreboard order
        QList<int> telefone;    // joined phones per group
    };

    Telefontafel(std::function<Inhalt()> inhalt, QWidget* fenster);

    // Builds the panel anew for the window's size and shows it on top.
    void zeige();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void baue();
    std::function<Inhalt()> m_inhalt;
    QFrame* m_tafel = nullptr;
};
