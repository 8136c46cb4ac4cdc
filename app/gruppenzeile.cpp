#include "gruppenzeile.h"

#include "bildknopf.h"
#include "entwurf.h"
#include "game/spiel.h"

namespace {

QFont zeilenschrift(const QString& familie)
{
    QFont schrift(familie);
    schrift.setPixelSize(Zeilenentwurf::Schriftpixel);
    return schrift;
}

void setzeTextfarbe(QWidget* w, int rgb)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, QColor::fromRgb(static_cast<QRgb>(rgb)));
    w->setPalette(p);
}

}  // namespace

Gruppenzeile::Gruppenzeile(int index, const QString& name, int links, const Bildknopf& vorlage,
                           QWidget* eltern)
    : QFrame(eltern)
{
    using namespace Zeilenentwurf;
    setObjectName(QStringLiteral("GruppenPanel%1").arg(index));
    setGeometry(links, ObenErste + Zeilenabstand * index, Breite, Hoehe);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    setAccessibleName(name);
    setzeHintergrund(eltern ? eltern->palette().color(QPalette::Button)
                            : palette().color(QPalette::Button));

    m_name = new QLabel(this);
    m_name->setObjectName(QStringLiteral("LGruppenName%1").arg(index));
    m_name->setTextFormat(Qt::PlainText);
    m_name->setFont(zeilenschrift(QStringLiteral("Arial")));
    setzeTextfarbe(m_name, NamenFarbe);
    m_name->setText(name);
    m_name->setAccessibleName(name);
    m_name->move(NameLinks, NameOben);
    m_name->adjustSize();

    m_antwort = new Bildknopf(this);
    m_antwort->setObjectName(QStringLiteral("BBantwort%1").arg(index));
    m_antwort->hide();
    m_antwort->setGeometry(AntwortLinks, AntwortOben, AntwortGroesse, AntwortGroesse);
    m_antwort->setzeBilder(vorlage.aktivBild(), vorlage.inaktivBild());
    m_antwort->setProperty("tag", AntwortTagBasis + index);
    m_antwort->setAccessibleName(QStringLiteral("Antwort: ") + name);
    connect(m_antwort, &QAbstractButton::clicked, this,
            [this] { emit antwortGeklickt(m_antwort->property("tag").toInt()); });

    m_punkte = new QLabel(this);
    m_punkte->setObjectName(QStringLiteral("LGruppenPunkte%1").arg(index));
    m_punkte->setTextFormat(Qt::PlainText);
    m_punkte->setFont(zeilenschrift(QStringLiteral("Arial")));
    m_punkte->setAlignment(Qt::AlignRight | Qt::AlignTop);
    setzeTextfarbe(m_punkte, PunkteFarbe);
    m_punkte->move(PunkteLinks, PunkteOben);
    setzePunkteText(QStringLiteral("0 Punkte"));

    m_eingabe = new QLineEdit(this);
    m_eingabe->setObjectName(QStringLiteral("EGruppenPunkte%1").arg(index));
    m_eingabe->setFont(zeilenschrift(QLatin1String(Fensterentwurf::Schriftfamilie)));
    m_eingabe->setAccessibleName(QStringLiteral("Punkte: ") + name);
    m_eingabe->hide();
    m_eingabe->setGeometry(EingabeLinks, EingabeOben, EingabeBreite, m_eingabe->sizeHint().height());
}

void Gruppenzeile::setzePunkteText(const QString& text)
{
    m_punkte->setText(text);
    m_punkte->setAccessibleName(text);
    const QSize passend = m_punkte->sizeHint();
    m_punkte->setGeometry(Zeilenentwurf::PunkteRechts - passend.width(), Zeilenentwurf::PunkteOben,
                          passend.width(), passend.height());
}

void Gruppenzeile::setzeHintergrund(const QColor& farbe)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, farbe);
    setPalette(p);
}
