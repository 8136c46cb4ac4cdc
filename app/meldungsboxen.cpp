#include "meldungsboxen.h"

#include <QPushButton>

std::unique_ptr<QMessageBox> baueMeldungsbox(Meldungsart art, const QString& text,
                                             QWidget* eltern)
{
    QString titel = QStringLiteral("Varno Quiz");
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    switch (art) {
    case Meldungsart::Hinweis:
        break;
    case Meldungsart::Warnung:
        titel = QStringLiteral("Warnung");
        symbol = QMessageBox::Warning;
        break;
    case Meldungsart::Fehler:
        titel = QStringLiteral("Fehler");
        symbol = QMessageBox::Critical;
        break;
    case Meldungsart::Ausnahme:
        symbol = QMessageBox::Critical;
        break;
    }
    auto box = std::make_unique<QMessageBox>(eltern);
    box->setWindowTitle(titel);
    box->setIcon(symbol);
    box->setTextFormat(Qt::PlainText);
    // The messages separate their lines by LF CR; one line break shows it.
    QString angezeigt = text;
    angezeigt.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    box->setText(angezeigt);
    box->setStandardButtons(QMessageBox::Ok);
    box->setDefaultButton(QMessageBox::Ok);
    return box;
}

void Meldungsboxen::zeige(Meldungsart art, const QString& text)
{
    auto box = baueMeldungsbox(art, text, m_eltern.data());
    box->exec();
}

std::unique_ptr<QMessageBox> baueFragebox(const QString& text, const QString& ja, const QString& nein,
                                          QWidget* eltern)
{
    auto box = std::make_unique<QMessageBox>(eltern);
    box->setWindowTitle(QStringLiteral("Varno Quiz"));
    box->setIcon(QMessageBox::Question);
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->addButton(ja, QMessageBox::AcceptRole);
    QPushButton* bleiben = box->addButton(nein, QMessageBox::RejectRole);
    box->setDefaultButton(bleiben);
    box->setEscapeButton(bleiben);
    return box;
}

bool Meldungsboxen::frage(const QString& text, const QString& ja, const QString& nein)
{
    auto box = baueFragebox(text, ja, nein, m_eltern.data());
    box->exec();
    QAbstractButton* gewaehlt = box->clickedButton();
    return gewaehlt && box->buttonRole(gewaehlt) == QMessageBox::AcceptRole;
}
