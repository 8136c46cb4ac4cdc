#pragma once
// What a phone may send to the game and the limits every connection lives
// under. Nothing here touches the network: the server hands over the bytes
// of one message and the time, so the parser can be fuzzed and the limits
// tested with a clock of the test's own.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

namespace Telefon {

constexpr int MaxNachricht = 512;          // bytes of one message
constexpr int MaxVerbindungen = 64;        // phones at once
constexpr int MaxJeSekunde = 20;           // messages of one connection in any second
constexpr int MaxFalscheCodes = 10;        // wrong codes of one address a minute before it is refused
constexpr qint64 Sperrzeit = 60'000;       // ms an address stays refused
constexpr int Codelaenge = 4;
constexpr int MaxGruppen = 30;
// No 0/O, 1/I: the code is read off a projection and typed on a phone.
inline constexpr char Codezeichen[] = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
constexpr int Codezeichenzahl = int(sizeof(Codezeichen)) - 1;

enum class Art {
    Beitritt,   // {"t":"beitritt","code":"ABCD","gruppe":0}
    Druck,      // {"t":"druck"}
};

struct Nachricht {
    Art art = Art::Druck;
    QString code;      // Beitritt: upper case, Codelaenge characters of Codezeichen
    int gruppe = -1;   // Beitritt: 0..MaxGruppen-1
};

// One text message of a phone, or nothing for anything else: too long, not
// JSON, not an object, an unknown kind, a code or group out of form.
std::optional<Nachricht> lies(const QByteArray& text);

bool istCode(QStringView code);

// A new join code; ziehe(n) draws uniformly in 0..n-1.
template <class Ziehe>
QString neuerCode(Ziehe ziehe)
{
    QString code;
    for (int i = 0; i < Codelaenge; ++i)
        code += QLatin1Char(Codezeichen[ziehe(Codezeichenzahl)]);
    return code;
}

// At most MaxJeSekunde messages in any second of one connection.
class Takt {
public:
    // Counts a message that arrived at `jetzt` (ms); false once the limit is passed.
    bool zaehle(qint64 jetzt);

private:
    QList<qint64> m_zeiten;   // the arrivals of the last second, oldest first
};

// Wrong codes per address: more than MaxFalscheCodes within a minute refuse
// the address for Sperrzeit. The table stays bounded however many addresses try.
class Fehlversuche {
public:
    void falsch(const QString& adresse, qint64 jetzt);
    bool gesperrt(const QString& adresse, qint64 jetzt) const;

private:
    void raeumeAuf(qint64 jetzt);
    struct Eintrag {
        QList<qint64> zeiten;   // wrong codes of the last minute
        qint64 gesperrtBis = -1;
    };
    QHash<QString, Eintrag> m_eintraege;
};

}  // namespace Telefon
