#include "telefonprotokoll.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

namespace Telefon {

namespace {

constexpr qint64 Sekunde = 1000;
constexpr qint64 Minute = 60'000;
// More addresses than a classroom has phones; past that the oldest entries go.
constexpr int MaxAdressen = 4096;

}  // namespace

bool istCode(QStringView code)
{
    if (code.size() != Codelaenge)
        return false;
    for (const QChar c : code) {
        if (c.unicode() > 127 || !std::char_traits<char>::find(Codezeichen, Codezeichenzahl, char(c.unicode())))
            return false;
    }
    return true;
}

std::optional<Nachricht> lies(const QByteArray& text)
{
    if (text.size() > MaxNachricht)
        return std::nullopt;
    QJsonParseError fehler;
    const QJsonDocument dok = QJsonDocument::fromJson(text, &fehler);
    if (fehler.error != QJsonParseError::NoError || !dok.isObject())
        return std::nullopt;
    const QJsonObject o = dok.object();
    const QString art = o.value(QLatin1String("t")).toString();
    if (art == QLatin1String("druck"))
        return Nachricht{Art::Druck, {}, -1};
    if (art != QLatin1String("beitritt"))
        return std::nullopt;
    const QJsonValue gruppe = o.value(QLatin1String("gruppe"));
    const QString code = o.value(QLatin1String("code")).toString().trimmed().toUpper();
    // A number that is a whole index, not 1.5 or 1e300.
    if (!gruppe.isDouble() || !istCode(code))
        return std::nullopt;
    const double g = gruppe.toDouble();
    if (!(g >= 0 && g < MaxGruppen) || g != double(int(g)))
        return std::nullopt;
    return Nachricht{Art::Beitritt, code, int(g)};
}

bool Takt::zaehle(qint64 jetzt)
{
    while (!m_zeiten.isEmpty() && m_zeiten.first() <= jetzt - Sekunde)
        m_zeiten.removeFirst();
    if (m_zeiten.size() >= MaxJeSekunde)
        return false;
    m_zeiten.append(jetzt);
    return true;
}

void Fehlversuche::falsch(const QString& adresse, qint64 jetzt)
{
    if (m_eintraege.size() >= MaxAdressen && !m_eintraege.contains(adresse))
        raeumeAuf(jetzt);
    if (m_eintraege.size() >= MaxAdressen)
        return;   // full of addresses still refused: a new one is not counted
    Eintrag& e = m_eintraege[adresse];
    while (!e.zeiten.isEmpty() && e.zeiten.first() <= jetzt - Minute)
        e.zeiten.removeFirst();
    e.zeiten.append(jetzt);
    if (e.zeiten.size() > MaxFalscheCodes) {
        e.gesperrtBis = jetzt + Sperrzeit;
        e.zeiten.clear();
    }
}

bool Fehlversuche::gesperrt(const QString& adresse, qint64 jetzt) const
{
    const auto it = m_eintraege.constFind(adresse);
    return it != m_eintraege.constEnd() && jetzt < it->gesperrtBis;
}

void Fehlversuche::raeumeAuf(qint64 jetzt)
{
    for (auto it = m_eintraege.begin(); it != m_eintraege.end();) {
        const bool alt = jetzt >= it->gesperrtBis && (it->zeiten.isEmpty() || it->zeiten.last() <= jetzt - Minute);
        it = alt ? m_eintraege.erase(it) : std::next(it);
    }
}

}  // namespace Telefon
