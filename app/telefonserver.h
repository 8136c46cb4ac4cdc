#pragma once
// Phones as buzzers: the game serves a page to the phones in the room and
// takes their presses over a WebSocket. It is one more listener of the rules:
// at every announcement it renders the picture for each phone and keeps no
// game state of its own. A press is handed to the main window as its group's
// click, in the order the presses arrive. Nothing listens before start().

#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>

#include "core/telefonprotokoll.h"
#include "game/spielbild.h"

class QHttpServer;
class QTcpServer;
class QWebSocket;
class QWebSocketServer;

class Telefonserver : public QObject, public Spielbeobachter {
    Q_OBJECT
public:
    // The ports asked for first; another free one where they are taken.
    static constexpr quint16 Seitenport = 47470;
    static constexpr quint16 Buzzerport = 47471;

    struct Anbindung {
        std::function<Spielbild()> bild;          // the rules' picture now
        std::function<void(int gruppe)> druecke;  // the group's answer button, as its key clicks it
    };

    explicit Telefonserver(Anbindung anbindung, QObject* eltern = nullptr);
    ~Telefonserver() override;

    // Listens on every interface; false if no port could be had.
    bool starte(quint16 seitenport = Seitenport, quint16 buzzerport = Buzzerport);
    quint16 seitenport() const { return m_seitenport; }
    quint16 buzzerport() const { return m_buzzerport; }
    const QString& code() const { return m_code; }

    // The machine's address in the local network, or the loopback address where
    // it has none; and the page's address with the code filled in.
    QHostAddress adresse() const;
    bool lokalesNetz() const;
    QString seitenadresse() const;

    // Joined phones per group, in scoreboard order.
    QList<int> telefoneJeGruppe() const;

    // Loopback, or inside a subnet of one of the machine's interfaces.
    static bool istNachbar(const QHostAddress& gegenueber);

    void geschehen(const Spielereignis& ereignis, const Spielbild& bild) override;

signals:
    void telefoneGeaendert();

private:
    struct Verbindung {
        QString adresse;
        int gruppe = -1;
        Telefon::Takt takt;
    };
    void neuesTelefon();
    void nachricht(QWebSocket* ws, const QString& text);
    void tritt(QWebSocket* ws, Verbindung& v, const Telefon::Nachricht& n);
    void drueckt(QWebSocket* ws, const Verbindung& v);
    void schliesse(QWebSocket* ws, int code, const QString& grund);
    qint64 jetzt() const { return m_uhr.elapsed(); }

    Anbindung m_anb;
    QString m_code;
    QByteArray m_seite;
    quint16 m_seitenport = 0;
    quint16 m_buzzerport = 0;
    QElapsedTimer m_uhr;
    Telefon::Fehlversuche m_fehlversuche;
    QHttpServer* m_http = nullptr;
    QTcpServer* m_seitenpforte = nullptr;
    QTcpServer* m_buzzerpforte = nullptr;
    QWebSocketServer* m_ws = nullptr;
    std::map<QWebSocket*, Verbindung> m_telefone;
    // The group whose press is under way and whether the rules took it.
    int m_drueckt = -1;
    bool m_genommen = false;
};
