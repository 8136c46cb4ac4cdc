#include "meldungsboxen.h"

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
