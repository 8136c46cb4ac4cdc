#include "telefontafel.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <memory>
#include <vector>
#include <qrencode.h>

#include "ueberblendung.h"

QImage qrBild(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    std::unique_ptr<QRcode, decltype(&QRcode_free)> qr(
        QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    if (!qr)
        return {};
    constexpr int Ruhe = 4;
    const int n = qr->width;
    QImage bild(n + 2 * Ruhe, n + 2 * Ruhe, QImage::Format_Grayscale8);
    bild.fill(255);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            if (qr->data[y * n + x] & 1)
                bild.setPixel(x + Ruhe, y + Ruhe, qRgb(0, 0, 0));
        }
    }
    return bild;
}

Telefontafel::Telefontafel(std::function<Inhalt()> inhalt, QWidget* fenster)
    : QWidget(fenster), m_inhalt(std::move(inhalt))
{
    setObjectName(QStringLiteral("Telefone"));
    setFocusPolicy(Qt::NoFocus);
    fenster->installEventFilter(this);
    hide();
}

void Telefontafel::zeige()
{
    baue();
    show();
    raise();
}

void Telefontafel::baue()
{
    delete m_tafel;
    m_tafel = neueTafel(this, QStringLiteral("TelefoneTafel"));
    setGeometry(parentWidget()->rect());

    const Inhalt inhalt = m_inhalt();
    const QSize platz = size();
    const int schrift = std::clamp(platz.height() / 30, 14, 40);
    QLabel* titel = beschrifte(m_tafel, QStringLiteral("Telefone als Buzzer"), schrift * 3 / 2, true);
    titel->move(TafelRand, TafelRand);
    QLabel* fuss = beschrifte(m_tafel, QStringLiteral("F6 oder Esc schließt dieses Fenster."), 15);
    const int oben = titel->y() + titel->height() + schrift / 2;
    // The height the code and the texts beside it may take in the window.
    const int hoehe = std::max(120, platz.height() - oben - fuss->height() - 2 * TafelRand - schrift - 8);

    // The texts beside the code first: the code takes what width they leave.
    std::vector<QLabel*> rechts;
    int ry = 0;
    auto zeile = [&](const QString& text, int pixel, bool fett) {
        QLabel* l = beschrifte(m_tafel, text, pixel, fett);
        l->move(0, ry);
        ry += l->height() + pixel / 3;
        rechts.push_back(l);
        return l;
    };
    if (inhalt.lokalesNetz) {
        zeile(QStringLiteral("Im WLAN dieses Rechners öffnen:"), schrift, false);
    } else {
        zeile(QStringLiteral("Kein lokales Netz:"), schrift, true);
        zeile(QStringLiteral("nur auf diesem Rechner erreichbar"), schrift, false);
    }
    zeile(inhalt.adresse, schrift, true)->setObjectName(QStringLiteral("Adresse"));
    zeile(QStringLiteral("Code: %1").arg(inhalt.code), schrift * 2, true)->setObjectName(QStringLiteral("Code"));
    ry += schrift / 2;
    zeile(QStringLiteral("Telefone je Gruppe:"), schrift, false);
    // The groups in as many columns as the height needs.
    const int klein = std::max(12, schrift * 3 / 4);
    const int zeilenhoehe = klein * 3 / 2;
    const int proSpalte = std::max(1, (hoehe - ry) / zeilenhoehe);
    int breitest = 0, spalteX = 0, spalteY = ry, unterste = ry;
    for (int i = 0; i < inhalt.gruppen.size(); ++i) {
        if (i > 0 && i % proSpalte == 0) {
            spalteX += breitest + schrift;
            spalteY = ry;
            breitest = 0;
        }
        const int n = inhalt.telefone.value(i);
        QLabel* l = beschrifte(m_tafel, QStringLiteral("%1: %2").arg(inhalt.gruppen[i]).arg(n), klein, n > 0);
        l->setObjectName(QStringLiteral("TelefoneGruppe%1").arg(i));
        l->move(spalteX, spalteY);
        rechts.push_back(l);
        spalteY += zeilenhoehe;
        breitest = std::max(breitest, l->width());
        unterste = std::max(unterste, spalteY);
    }
    int rechtsBreite = spalteX + breitest;
    for (const QLabel* l : rechts)
        rechtsBreite = std::max(rechtsBreite, l->x() + l->width());

    // The code as large as the rest leaves, whole modules only.
    auto* qr = new QLabel(m_tafel);
    qr->setObjectName(QStringLiteral("QrCode"));
    qr->setAccessibleName(inhalt.adresse);
    const int seite = std::max(120, std::min(hoehe, platz.width() - 4 * TafelRand - 2 * schrift - rechtsBreite));
    const QImage code = qrBild(inhalt.adresse);
    if (!code.isNull()) {
        const int modul = std::max(2, seite / code.width());
        qr->setPixmap(QPixmap::fromImage(code.scaled(code.size() * modul)));
    }
    qr->adjustSize();
    qr->move(TafelRand, oben);
    const int links = TafelRand + std::max(qr->width(), titel->width()) + 2 * schrift;
    for (QLabel* l : rechts)
        l->move(l->x() + links, l->y() + oben);

    fuss->move(TafelRand, std::max(qr->y() + qr->height(), oben + unterste) + schrift);
    QRect r(QPoint(0, 0), QSize(links + rechtsBreite + TafelRand, fuss->y() + fuss->height() + TafelRand));
    r.moveCenter(rect().center());
    // A small window shows the panel from its top-left corner.
    r.moveTopLeft(QPoint(std::max(0, r.left()), std::max(0, r.top())));
    m_tafel->setGeometry(r);
    m_tafel->show();
}

void Telefontafel::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.fillRect(rect(), QColor(0, 0, 0, 140));
}

bool Telefontafel::eventFilter(QObject* objekt, QEvent* e)
{
    if (objekt == parentWidget() && e->type() == QEvent::Resize && isVisible())
        baue();
    return false;
}
