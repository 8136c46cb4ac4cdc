#include "testtelefon.h"

#include <QJsonDocument>
#include <QTest>
#include <QUrl>

Testtelefon::Testtelefon(quint16 port)
{
    connect(&m_ws, &QWebSocket::textMessageReceived, this, [this](const QString& text) {
        m_empfangen.append({QJsonDocument::fromJson(text.toUtf8()).object(), std::chrono::steady_clock::now()});
    });
    m_ws.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(port)));
}

bool Testtelefon::verbunden()
{
    (void)QTest::qWaitFor([this] { return m_ws.state() == QAbstractSocket::ConnectedState
                                    || m_ws.state() == QAbstractSocket::UnconnectedState; }, 5000);
    return offen();
}

bool Testtelefon::geschlossen()
{
    return QTest::qWaitFor([this] { return m_ws.state() == QAbstractSocket::UnconnectedState; }, 5000);
}

void Testtelefon::tritt(const QString& code, int gruppe)
{
    sende(QJsonDocument(QJsonObject{{QStringLiteral("t"), QStringLiteral("beitritt")},
                                    {QStringLiteral("code"), code},
                                    {QStringLiteral("gruppe"), gruppe}})
              .toJson(QJsonDocument::Compact));
}

QJsonObject Testtelefon::naechste(const QString& art)
{
    QJsonObject gefunden;
    (void)QTest::qWaitFor([&] {
        qsizetype& ab = m_genommen[art];
        for (; ab < m_empfangen.size(); ++ab) {
            if (m_empfangen[ab].nachricht.value(QLatin1String("t")).toString() == art) {
                gefunden = m_empfangen[ab++].nachricht;
                return true;
            }
        }
        return false;
    }, 5000);
    return gefunden;
}

QJsonObject Testtelefon::letzte(const QString& art) const
{
    for (qsizetype i = m_empfangen.size() - 1; i >= 0; --i) {
        if (m_empfangen[i].nachricht.value(QLatin1String("t")).toString() == art)
            return m_empfangen[i].nachricht;
    }
    return {};
}
