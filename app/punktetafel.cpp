#include "punktetafel.h"

#include "bildknopf.h"
#include "entwurf.h"
#include "core/spielstand.h"
#include "gruppenzeile.h"
#include "klientbereich.h"

Punktetafel::Punktetafel(Klientbereich& klient, const Bildknopf& vorlage,
                         std::function<void(int tag)> antwort)
    : m_klient(klient), m_vorlage(vorlage), m_antwort(std::move(antwort))
{
}

Gruppenzeile* Punktetafel::zeile(int i) const
{
    return i >= 0 && i < zahl() ? m_zeilen[static_cast<std::size_t>(i)] : nullptr;
}

void Punktetafel::erzeuge(int index, const QString& name, QWidget* vorher)
{
    if (index != zahl() || index >= MaxGruppen)
        return;
    auto* z = new Gruppenzeile(index, name, m_klient.groesse().width() - Zeilenentwurf::AbstandRechts,
                               m_vorlage, m_klient.inhalt());
    QObject::connect(z, &Gruppenzeile::antwortGeklickt, z, [this](int tag) { m_antwort(tag); });
    m_zeilen.push_back(z);
    m_klient.verankere(z, true, false);
    m_klient.beobachte(z);
    if (QWidget* davor = index > 0 ? m_zeilen[static_cast<std::size_t>(index) - 1]->eingabe() : vorher)
        QWidget::setTabOrder(davor, z->antwortKnopf());
    QWidget::setTabOrder(z->antwortKnopf(), z->eingabe());
    z->show();
    m_klient.aktualisiere();
}

int Punktetafel::unten() const
{
    return m_zeilen.empty() ? -1 : m_zeilen.back()->geometry().bottom();
}

void Punktetafel::setzeFarbe(int i, const QColor& farbe)
{
    if (Gruppenzeile* z = zeile(i))
        z->setzeHintergrund(farbe);
}

void Punktetafel::setzeAntwortSichtbar(int i, bool sichtbar)
{
    if (Gruppenzeile* z = zeile(i))
        z->antwortKnopf()->setVisible(sichtbar);
}

void Punktetafel::setzeAntwortAktiv(int i, bool aktiv)
{
    if (Gruppenzeile* z = zeile(i))
        z->antwortKnopf()->setEnabled(aktiv);
}

void Punktetafel::setzePunkteText(int i, const QString& text)
{
    if (Gruppenzeile* z = zeile(i))
        z->setzePunkteText(text);
}

void Punktetafel::setzeEingabeSichtbar(int i, bool sichtbar)
{
    if (Gruppenzeile* z = zeile(i))
        z->eingabe()->setVisible(sichtbar);
}

bool Punktetafel::istEingabeSichtbar(int i) const
{
    const Gruppenzeile* z = zeile(i);
    return z && !z->eingabe()->isHidden();
}

void Punktetafel::setzeEingabeText(int i, const QString& text)
{
    if (Gruppenzeile* z = zeile(i))
        z->eingabe()->setText(text);
}

QString Punktetafel::eingabeText(int i) const
{
    const Gruppenzeile* z = zeile(i);
    return z ? z->eingabe()->text() : QString();
}
