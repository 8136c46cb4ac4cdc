#include "fakefenster.h"

void FakeFenster::setzeAussenBreite(int breite)
{
    protokoll << QStringLiteral("breite %1").arg(breite);
    aendere(QSize(breite, aussen.height()));
}

void FakeFenster::setzeAussenHoehe(int hoehe)
{
    protokoll << QStringLiteral("hoehe %1").arg(hoehe);
    aendere(QSize(aussen.width(), hoehe));
}

void FakeFenster::maximiere()
{
    protokoll << QStringLiteral("maximiere");
    maximiert = true;
    aendere(bildschirm);
}

void FakeFenster::bewegeNachObenLinks()
{
    protokoll << QStringLiteral("oben-links");
    position = QPoint(0, 0);
}

void FakeFenster::schliesse()
{
    protokoll << QStringLiteral("schliesse");
    ++geschlossen;
}

void FakeFenster::setzeRahmen(const QRect& r)
{
    protokoll << QStringLiteral("rahmen %1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    rahmenRechteck = r;
}

void FakeFenster::aendere(QSize neu)
{
    if (neu == aussen)
        return;
    innen += neu - aussen;
    aussen = neu;
    if (beiGroessenaenderung)
        beiGroessenaenderung();
}
