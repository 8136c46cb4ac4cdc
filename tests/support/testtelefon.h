#pragma once
// A phone of the tests: a WebSocket client on loopback that speaks the
// buzzer protocol and keeps every message it got, with its arrival time.

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QWebSocket>
#include <chrono>

class Testtelefon : public QObject {
public:
    // Connects to the buzzer port on 127.0.0.1.
    explicit Testtelefon(quint16 port);

    // Waits (at most 5 s) until the handshake is done; false if it was refused.
    [[nodiscard]] bool verbunden();
    // Waits (at most 5 s) until the server has closed the connection.
    [[nodiscard]] bool geschlossen();
    bool offen() const { return m_ws.state() == QAbstractSocket::ConnectedState; }

    void sende(const QByteArray& text) { m_ws.sendTextMessage(QString::fromUtf8(text)); }
    void sendeBinaer(const QByteArray& daten) { m_ws.sendBinaryMessage(daten); }
    void tritt(const QString& code, int gruppe);
    void drueckt() { sende(QByteArrayLiteral("{\"t\":\"druck\"}")); }

    // The next message of kind `art` not yet taken (at most 5 s); empty if none came.
    QJsonObject naechste(const QString& art);
    // The last message of kind `art` received so far.
    QJsonObject letzte(const QString& art) const;

    struct Empfang {
        QJsonObject nachricht;
        std::chrono::steady_clock::time_point zeit;
    };
    const QList<Empfang>& empfangen() const { return m_empfangen; }

private:
    QWebSocket m_ws;
    QList<Empfang> m_empfangen;
    QHash<QString, qsizetype> m_genommen;   // per kind: the messages looked at
};
