#include "telefonbild.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QByteArray kompakt(const QJsonObject& o) { return QJsonDocument(o).toJson(QJsonDocument::Compact); }

bool laeuft(const Spielbild& b) { return b.phase == Bildphase::Offen || b.phase == Bildphase::Antwort; }

// As the audience window colours a row: light yellow for whose turn or answer
// it is, silver for out, else the stage's dark grey.
QString grund(const Spielbild& b, int g)
{
    if (g == b.amZug || g == b.antwortet)
        return QStringLiteral("#ffffc8");
    if (b.gruppen.value(g).raus)
        return QStringLiteral("#c0c0c0");
    return QStringLiteral("#2c323c");
}

}  // namespace

Druckwirkung druckwirkung(const Spielbild& b, int g)
{
    const Gruppenbild gruppe = b.gruppen.value(g);
    if (gruppe.darfAnsprechen)
        return Druckwirkung::Melden;
    if (b.phase == Bildphase::Antwort && b.antwortet == g)
        return Druckwirkung::Antwortet;
    if (laeuft(b) && gruppe.raus)
        return Druckwirkung::Raus;
    if (laeuft(b))
        return Druckwirkung::AndereDran;
    return Druckwirkung::Warten;
}

QString druckwirkungText(Druckwirkung w)
{
    switch (w) {
    case Druckwirkung::Melden: return QStringLiteral("Drücken meldet eure Gruppe");
    case Druckwirkung::Antwortet: return QStringLiteral("Ihr seid dran – antwortet!");
    case Druckwirkung::AndereDran: return QStringLiteral("Eine andere Gruppe ist dran");
    case Druckwirkung::Raus: return QStringLiteral("Für dieses Bild raus");
    case Druckwirkung::Warten: return QStringLiteral("Warten auf das nächste Bild");
    }
    return {};
}

QString ablehnungsgrund(const Spielbild& vorher, int g)
{
    switch (druckwirkung(vorher, g)) {
    case Druckwirkung::Raus: return QStringLiteral("für dieses Bild raus");
    case Druckwirkung::Antwortet: return QStringLiteral("zu spät");
    case Druckwirkung::AndereDran:
        return vorher.phase == Bildphase::Antwort ? QStringLiteral("zu spät") : QStringLiteral("nicht dran");
    case Druckwirkung::Warten:
        // The picture has just ended: someone was faster, or the last sector came first.
        return vorher.phase == Bildphase::Bereit && vorher.bildnummer > 0 ? QStringLiteral("zu spät")
                                                                         : QStringLiteral("nicht dran");
    case Druckwirkung::Melden: break;   // a press that could claim but was held (a message box is up)
    }
    return QStringLiteral("nicht dran");
}

QByteArray gruppenNachricht(const Spielbild& b)
{
    QJsonArray namen;
    for (const Gruppenbild& g : b.gruppen)
        namen.append(g.name);
    return kompakt({{QStringLiteral("t"), QStringLiteral("gruppen")}, {QStringLiteral("namen"), namen}});
}

QByteArray zustandsNachricht(const Spielbild& b, int g)
{
    const Gruppenbild gruppe = b.gruppen.value(g);
    const Druckwirkung w = druckwirkung(b, g);
    static const char* const kennung[] = {"melden", "antwortet", "andere", "raus", "warten"};
    const QString farbe = grund(b, g);
    return kompakt({
        {QStringLiteral("t"), QStringLiteral("zustand")},
        {QStringLiteral("gruppe"), g},
        {QStringLiteral("name"), gruppe.name},
        {QStringLiteral("punkte"), gruppe.punkte},
        {QStringLiteral("angebot"), b.punkteImAngebot},
        {QStringLiteral("wirkung"), QLatin1String(kennung[int(w)])},
        {QStringLiteral("text"), druckwirkungText(w)},
        {QStringLiteral("farbe"), farbe},
        {QStringLiteral("schrift"), farbe == QLatin1String("#2c323c") ? QStringLiteral("#ffffff")
                                                                      : QStringLiteral("#000080")},
    });
}

QByteArray angenommenNachricht() { return kompakt({{QStringLiteral("t"), QStringLiteral("angenommen")}}); }

QByteArray ignoriertNachricht(const QString& grund)
{
    return kompakt({{QStringLiteral("t"), QStringLiteral("ignoriert")}, {QStringLiteral("grund"), grund}});
}

QByteArray abgelehntNachricht(const QString& text)
{
    return kompakt({{QStringLiteral("t"), QStringLiteral("abgelehnt")}, {QStringLiteral("text"), text}});
}
