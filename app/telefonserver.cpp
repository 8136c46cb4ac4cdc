#include "telefonserver.h"

#include <QFile>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QNetworkInterface>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QWebSocket>
#include <QWebSocketServer>
#include <memory>
#include <utility>

#include "game/telefonbild.h"

static void ladeSeitenressource()
{
    Q_INIT_RESOURCE(telefon);
}

namespace {

// A page load needs a connection for a second or two; one held longer only
// keeps a slot from the next phone.
constexpr int SeitenverbindungMs = 20'000;
constexpr int HandschlagMs = 5'000;
constexpr int SeitenVerbindungen = 64;

QHostAddress alsV4(const QHostAddress& a)
{
    bool v4 = false;
    const quint32 roh = a.toIPv4Address(&v4);
    return v4 ? QHostAddress(roh) : a;
}

// Refuses a peer outside the local network before Qt reads a byte of it,
// and any connection beyond the limit.
class Pforte : public QTcpServer {
public:
    Pforte(int grenze, int lebensdauerMs, QObject* eltern)
        : QTcpServer(eltern), m_grenze(grenze), m_lebensdauerMs(lebensdauerMs) {}

    std::function<bool(const QHostAddress&)> gesperrt = [](const QHostAddress&) { return false; };

protected:
    void incomingConnection(qintptr deskriptor) override
    {
        auto* s = new QTcpSocket(this);
        if (!s->setSocketDescriptor(deskriptor)) {
            delete s;
            return;
        }
        const QHostAddress peer = alsV4(s->peerAddress());
        if (m_offen >= m_grenze || !Telefonserver::istNachbar(peer) || gesperrt(peer)) {
            s->abort();
            s->deleteLater();
            return;
        }
        // A press's answer follows the state sent to every phone at once:
        // without this the answer waited for the phone's delayed ACK (40 ms).
        s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        ++m_offen;
        // Counted free at the first of the two: the socket may outlive its
        // connection inside a WebSocket that is deleted later.
        auto frei = std::make_shared<bool>(false);
        const auto gibFrei = [this, frei] {
            if (!std::exchange(*frei, true))
                --m_offen;
        };
        connect(s, &QAbstractSocket::disconnected, this, gibFrei);
        connect(s, &QObject::destroyed, this, gibFrei);
        if (m_lebensdauerMs > 0)
            QTimer::singleShot(m_lebensdauerMs, s, [s] { s->abort(); });
        addPendingConnection(s);
    }

private:
    int m_grenze;
    int m_lebensdauerMs;
    int m_offen = 0;
};

bool lauscht(QTcpServer* s, quint16 wunsch)
{
    return s->listen(QHostAddress::Any, wunsch) || s->listen(QHostAddress::Any, 0);
}

bool privat(const QHostAddress& a)
{
    return a.isInSubnet(QHostAddress(QStringLiteral("10.0.0.0")), 8)
        || a.isInSubnet(QHostAddress(QStringLiteral("172.16.0.0")), 12)
        || a.isInSubnet(QHostAddress(QStringLiteral("192.168.0.0")), 16);
}

}  // namespace

Telefonserver::Telefonserver(Anbindung anbindung, QObject* eltern)
    : QObject(eltern), m_anb(std::move(anbindung))
{
    // The code keeps strangers on the same network out: from the system's
    // generator, never from the game's seeded source.
    m_code = Telefon::neuerCode([](int n) { return int(QRandomGenerator::system()->bounded(quint32(n))); });
    m_uhr.start();
}

Telefonserver::~Telefonserver()
{
    for (auto& [ws, v] : m_telefone)
        ws->disconnect(this);
}

bool Telefonserver::starte(quint16 seitenport, quint16 buzzerport)
{
    if (m_http)
        return true;
    ladeSeitenressource();
    QFile seite(QStringLiteral(":/telefon/seite.html"));
    if (!seite.open(QIODevice::ReadOnly))
        return false;
    m_seite = seite.readAll();

    m_seitenpforte = new Pforte(SeitenVerbindungen, SeitenverbindungMs, this);
    auto* buzzer = new Pforte(Telefon::MaxVerbindungen, 0, this);
    buzzer->gesperrt = [this](const QHostAddress& a) { return m_fehlversuche.gesperrt(a.toString(), jetzt()); };
    m_buzzerpforte = buzzer;
    if (!lauscht(m_seitenpforte, seitenport) || !lauscht(m_buzzerpforte, buzzerport)) {
        delete m_seitenpforte;
        delete m_buzzerpforte;
        m_seitenpforte = m_buzzerpforte = nullptr;
        return false;
    }
    m_seitenport = m_seitenpforte->serverPort();
    m_buzzerport = m_buzzerpforte->serverPort();
    m_seite.replace("@BUZZERPORT@", QByteArray::number(m_buzzerport));

    m_http = new QHttpServer(this);
    // Only the page itself; every other path is the router's 404, and no
    // path ever reaches a file.
    m_http->route(QStringLiteral("/"), QHttpServerRequest::Method::Get, [this] {
        QHttpServerResponse antwort(QByteArrayLiteral("text/html; charset=utf-8"), m_seite);
        antwort.addHeader(QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-store"));
        antwort.addHeader(QByteArrayLiteral("X-Content-Type-Options"), QByteArrayLiteral("nosniff"));
        antwort.addHeader(QByteArrayLiteral("Content-Security-Policy"),
                          QByteArrayLiteral("default-src 'none'; style-src 'unsafe-inline'; "
                                            "script-src 'unsafe-inline'; connect-src ws:"));
        return antwort;
    });
    // The page's port upgrades no WebSocket; the buzzers have their own.
    connect(m_http, &QHttpServer::newWebSocketConnection, this, [this] {
        while (m_http->hasPendingWebSocketConnections())
            m_http->nextPendingWebSocketConnection()->abort();
    });
    m_http->bind(m_seitenpforte);

    m_ws = new QWebSocketServer(QStringLiteral("Varno Quiz"), QWebSocketServer::NonSecureMode, this);
    m_ws->setHandshakeTimeout(HandschlagMs);
    connect(m_buzzerpforte, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = m_buzzerpforte->nextPendingConnection())
            m_ws->handleConnection(s);
    });
    connect(m_ws, &QWebSocketServer::newConnection, this, &Telefonserver::neuesTelefon);
    return true;
}

bool Telefonserver::istNachbar(const QHostAddress& gegenueber)
{
    const QHostAddress a = alsV4(gegenueber);
    if (a.isLoopback())
        return true;
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        if (!(i.flags() & QNetworkInterface::IsUp))
            continue;
        for (const QNetworkAddressEntry& e : i.addressEntries()) {
            if (e.prefixLength() > 0 && a.isInSubnet(e.ip(), e.prefixLength()))
                return true;
        }
    }
    return false;
}

QHostAddress Telefonserver::adresse() const
{
    QHostAddress beste;
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        const auto f = i.flags();
        if (!(f & QNetworkInterface::IsUp) || !(f & QNetworkInterface::IsRunning) || (f & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& e : i.addressEntries()) {
            const QHostAddress a = e.ip();
            if (a.protocol() != QAbstractSocket::IPv4Protocol || a.isLoopback() || a.isLinkLocal())
                continue;
            if (privat(a))
                return a;
            if (beste.isNull())
                beste = a;
        }
    }
    return beste.isNull() ? QHostAddress(QHostAddress::LocalHost) : beste;
}

bool Telefonserver::lokalesNetz() const { return !adresse().isLoopback(); }

QString Telefonserver::seitenadresse() const
{
    return QStringLiteral("http://%1:%2/?c=%3").arg(adresse().toString()).arg(m_seitenport).arg(m_code);
}

QList<int> Telefonserver::telefoneJeGruppe() const
{
    QList<int> zahl(m_anb.bild().gruppen.size(), 0);
    for (const auto& [ws, v] : m_telefone) {
        if (v.gruppe >= 0 && v.gruppe < zahl.size())
            ++zahl[v.gruppe];
    }
    return zahl;
}

void Telefonserver::neuesTelefon()
{
    while (QWebSocket* ws = m_ws->nextPendingConnection()) {
        ws->setParent(this);
        ws->setMaxAllowedIncomingFrameSize(Telefon::MaxNachricht);
        ws->setMaxAllowedIncomingMessageSize(Telefon::MaxNachricht);
        m_telefone[ws] = Verbindung{alsV4(ws->peerAddress()).toString(), -1, {}};
        connect(ws, &QWebSocket::textMessageReceived, this, [this, ws](const QString& text) { nachricht(ws, text); });
        connect(ws, &QWebSocket::binaryMessageReceived, this,
                [this, ws] { schliesse(ws, QWebSocketProtocol::CloseCodeDatatypeNotSupported, {}); });
        connect(ws, &QWebSocket::disconnected, this, [this, ws] {
            const auto it = m_telefone.find(ws);
            if (it == m_telefone.end())
                return;
            const bool beigetreten = it->second.gruppe >= 0;
            m_telefone.erase(it);
            ws->deleteLater();
            if (beigetreten)
                emit telefoneGeaendert();
        });
        ws->sendTextMessage(QString::fromUtf8(gruppenNachricht(m_anb.bild())));
    }
}

void Telefonserver::schliesse(QWebSocket* ws, int code, const QString& grund)
{
    const auto it = m_telefone.find(ws);
    if (it == m_telefone.end())
        return;
    const bool beigetreten = it->second.gruppe >= 0;
    m_telefone.erase(it);
    ws->disconnect(this);
    ws->close(QWebSocketProtocol::CloseCode(code), grund);
    // The closing handshake has a moment; then the connection goes for good.
    QTimer::singleShot(1000, ws, [ws] { ws->abort(); });
    connect(ws, &QWebSocket::disconnected, ws, &QObject::deleteLater);
    if (beigetreten)
        emit telefoneGeaendert();
}

void Telefonserver::nachricht(QWebSocket* ws, const QString& text)
{
    const auto it = m_telefone.find(ws);
    if (it == m_telefone.end())
        return;
    Verbindung& v = it->second;
    if (!v.takt.zaehle(jetzt())) {
        schliesse(ws, QWebSocketProtocol::CloseCodePolicyViolated, QStringLiteral("zu viele Nachrichten"));
        return;
    }
    const std::optional<Telefon::Nachricht> n = Telefon::lies(text.toUtf8());
    if (!n) {
        schliesse(ws, QWebSocketProtocol::CloseCodeProtocolError, {});
        return;
    }
    if (n->art == Telefon::Art::Beitritt)
        tritt(ws, v, *n);
    else if (v.gruppe >= 0)
        drueckt(ws, v);
    else
        ws->sendTextMessage(QString::fromUtf8(abgelehntNachricht(QStringLiteral("Erst eine Gruppe wählen"))));
}

void Telefonserver::tritt(QWebSocket* ws, Verbindung& v, const Telefon::Nachricht& n)
{
    if (m_fehlversuche.gesperrt(v.adresse, jetzt())) {
        ws->sendTextMessage(QString::fromUtf8(
            abgelehntNachricht(QStringLiteral("Zu viele falsche Codes – bitte eine Minute warten"))));
        schliesse(ws, QWebSocketProtocol::CloseCodePolicyViolated, {});
        return;
    }
    if (n.code != m_code) {
        m_fehlversuche.falsch(v.adresse, jetzt());
        ws->sendTextMessage(QString::fromUtf8(abgelehntNachricht(QStringLiteral("Falscher Code"))));
        if (m_fehlversuche.gesperrt(v.adresse, jetzt()))
            schliesse(ws, QWebSocketProtocol::CloseCodePolicyViolated, {});
        return;
    }
    const Spielbild bild = m_anb.bild();
    if (n.gruppe >= bild.gruppen.size()) {
        ws->sendTextMessage(QString::fromUtf8(abgelehntNachricht(QStringLiteral("Diese Gruppe gibt es nicht"))));
        return;
    }
    v.gruppe = n.gruppe;
    ws->sendTextMessage(QString::fromUtf8(zustandsNachricht(bild, v.gruppe)));
    emit telefoneGeaendert();
}

void Telefonserver::drueckt(QWebSocket* ws, const Verbindung& v)
{
    const int g = v.gruppe;
    const Spielbild vorher = m_anb.bild();
    m_drueckt = g;
    m_genommen = false;
    m_anb.druecke(g);
    m_drueckt = -1;
    // The press may have closed connections (a message box's nested loop).
    if (m_telefone.find(ws) == m_telefone.end())
        return;
    ws->sendTextMessage(QString::fromUtf8(m_genommen ? angenommenNachricht()
                                                     : ignoriertNachricht(ablehnungsgrund(vorher, g))));
}

void Telefonserver::geschehen(const Spielereignis& e, const Spielbild& bild)
{
    if (e.art == Ereignisart::Anspruch && e.gruppe == m_drueckt && m_drueckt >= 0)
        m_genommen = true;
    // A send may report a lost connection at once, which leaves the table.
    std::vector<std::pair<QWebSocket*, int>> empfaenger;
    for (const auto& [ws, v] : m_telefone) {
        if (v.gruppe >= 0)
            empfaenger.emplace_back(ws, v.gruppe);
    }
    for (const auto& [ws, g] : empfaenger)
        ws->sendTextMessage(QString::fromUtf8(zustandsNachricht(bild, g)));
}
