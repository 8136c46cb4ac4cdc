// Phones as buzzers, on loopback inside a network namespace of the test's own
// (tests/support/netzraum.sh): the real main window, its server started by
// F6, phones as WebSocket clients, the page's HTTP paths as raw requests.

#include <QApplication>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QTcpSocket>
#include <QTest>
#include <memory>
#include <vector>

#include "app/telefonserver.h"
#include "core/telefonprotokoll.h"
#include "pruefe.h"
#include "tabelle.h"
#include "testfenster.h"
#include "testtelefon.h"

namespace {

void taste(QWidget* ziel, int taste)
{
    QKeyEvent druck(QEvent::KeyPress, taste, Qt::NoModifier, 0, 0, 0);
    QApplication::sendEvent(ziel, &druck);
}

QWidget* tafel(Testfenster& f) { return f.findChild<QWidget*>(QStringLiteral("Telefone")); }

// F6 on a started window: the server runs and the sheet shows.
[[nodiscard]] bool starteTelefone(Testfenster& f)
{
    taste(&f, Qt::Key_F6);
    PRUEFE(f.telefonserver());
    PRUEFE(tafel(f) && tafel(f)->isVisible());
    return true;
}

// A phone joined to group g, its first state taken.
[[nodiscard]] bool beigetreten(Testtelefon& t, Testfenster& f, int g)
{
    PRUEFE(t.verbunden());
    PRUEFE(!t.naechste(QStringLiteral("gruppen")).isEmpty());
    t.tritt(f.telefonserver()->code(), g);
    PRUEFE(t.naechste(QStringLiteral("zustand")).value(QLatin1String("gruppe")).toInt() == g);
    return true;
}

// One raw request to the page's port and the status line of the answer, or
// "geschlossen" when the server closed without one.
QString statuszeile(quint16 port, const QByteArray& anfrage)
{
    // The server answers from this thread's event loop: no blocking waits.
    QTcpSocket s;
    s.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!QTest::qWaitFor([&] { return s.state() == QAbstractSocket::ConnectedState; }, 5000))
        return QStringLiteral("keine Verbindung");
    s.write(anfrage);
    QByteArray antwort;
    (void)QTest::qWaitFor([&] {
        antwort += s.readAll();
        return antwort.contains("\r\n") || s.state() == QAbstractSocket::UnconnectedState;
    }, 5000);
    return antwort.isEmpty() ? QStringLiteral("geschlossen") : QString::fromLatin1(antwort.left(antwort.indexOf("\r\n")));
}

}  // namespace

class TstTelefon : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Network tests send to loopback only, inside a namespace without any other interface.
        if (!qEnvironmentVariableIsSet("VARNO_NETZRAUM"))
            QSKIP("runs only inside tests/support/netzraum.sh");
    }

    void protokoll_data()
    {
        spalten<QByteArray, QString>("text", "gelesen");
        QTest::newRow("join") << QByteArray(R"({"t":"beitritt","code":"ab3d","gruppe":2})") << "beitritt AB3D 2";
        QTest::newRow("press") << QByteArray(R"({"t":"druck"})") << "druck";
        QTest::newRow("press with more") << QByteArray(R"({"t":"druck","x":[1,2]})") << "druck";
        QTest::newRow("code too short") << QByteArray(R"({"t":"beitritt","code":"AB3","gruppe":0})") << "";
        QTest::newRow("O is no code letter") << QByteArray(R"({"t":"beitritt","code":"AB3O","gruppe":0})") << "";
        QTest::newRow("group 30") << QByteArray(R"({"t":"beitritt","code":"ABCD","gruppe":30})") << "";
        QTest::newRow("group -1") << QByteArray(R"({"t":"beitritt","code":"ABCD","gruppe":-1})") << "";
        QTest::newRow("group 1.5") << QByteArray(R"({"t":"beitritt","code":"ABCD","gruppe":1.5})") << "";
        QTest::newRow("group as text") << QByteArray(R"({"t":"beitritt","code":"ABCD","gruppe":"1"})") << "";
        QTest::newRow("group 1e300") << QByteArray(R"({"t":"beitritt","code":"ABCD","gruppe":1e300})") << "";
        QTest::newRow("unknown kind") << QByteArray(R"({"t":"richtig"})") << "";
        QTest::newRow("array") << QByteArray(R"([{"t":"druck"}])") << "";
        QTest::newRow("not JSON") << QByteArray("druck") << "";
        QTest::newRow("513 bytes") << QByteArray(R"({"t":"druck","x":")") + QByteArray(513 - 20, 'x') + "\"}" << "";
        QTest::newRow("512 bytes") << QByteArray(R"({"t":"druck","x":")") + QByteArray(512 - 20, 'x') + "\"}" << "druck";
    }
    void protokoll()
    {
        auto [text, gelesen] = hole<QByteArray, QString>("text", "gelesen");
        const auto n = Telefon::lies(text);
        QString ist;
        if (n && n->art == Telefon::Art::Druck)
            ist = QStringLiteral("druck");
        else if (n)
            ist = QStringLiteral("beitritt %1 %2").arg(n->code).arg(n->gruppe);
        QCOMPARE(ist, gelesen);
    }

    // Nothing listens before the first F6; afterwards the server stays, with the
    // sheet shown and hidden by F6 and Esc, and the loopback address where the
    // machine has no local network.
    void erstNachF6()
    {
        Probefenster f;
        QVERIFY(zeigeUndStarte(f));
        QTcpSocket vorher;
        vorher.connectToHost(QStringLiteral("127.0.0.1"), Telefonserver::Seitenport);
        QVERIFY(!vorher.waitForConnected(2000));
        QVERIFY(!tafel(f));

        QVERIFY(starteTelefone(f));
        Telefonserver& s = *f.telefonserver();
        QVERIFY(!s.lokalesNetz());
        const QString adresse = QStringLiteral("http://127.0.0.1:%1/?c=%2").arg(s.seitenport()).arg(s.code());
        QCOMPARE(s.seitenadresse(), adresse);
        QCOMPARE(tafel(f)->findChild<QLabel*>(QStringLiteral("Adresse"))->text(), adresse);
        QVERIFY(Telefon::istCode(s.code()));

        Testtelefon t(s.buzzerport());
        QVERIFY(beigetreten(t, f, 1));
        QTRY_COMPARE(tafel(f)->findChild<QLabel*>(QStringLiteral("TelefoneGruppe1"))->text(), QStringLiteral("Biber & Co: 1"));
        taste(&f, Qt::Key_Escape);
        QVERIFY(!tafel(f)->isVisible());
        taste(&f, Qt::Key_F6);
        QVERIFY(tafel(f)->isVisible());
        taste(&f, Qt::Key_F6);
        QVERIFY(!tafel(f)->isVisible());
        QVERIFY(t.offen());
        QCOMPARE(f.telefonserver(), &s);
    }

    // A press is the group's click: what it does and what the phone is told, in
    // every state of play, as the key of the group does it.
    void druckWieTaste_data()
    {
        spalten<QString, QString, int, QString, QString, int>(
            "jede", "zustand", "gruppe", "wirkungVorher", "antwort", "aktiveGruppe");
        QTest::newRow("open: claims") << "1" << "Offen" << 1 << "melden" << "angenommen" << 1;
        // Right after a new picture the rules refuse claims with AktiveGruppe 1.
        QTest::newRow("announced") << "1" << "Angekündigt" << 1 << "warten" << "nicht dran" << 1;
        QTest::newRow("another answers") << "1" << "Antwortet" << 1 << "andere" << "zu spät" << 0;
        QTest::newRow("its own answer") << "1" << "Antwortet" << 0 << "antwortet" << "zu spät" << 0;
        QTest::newRow("out after falsch") << "1" << "Gruppe 1 raus" << 0 << "raus" << "für dieses Bild raus" << -1;
        QTest::newRow("the others after falsch") << "1" << "Gruppe 1 raus" << 2 << "melden" << "angenommen" << 2;
        QTest::newRow("picture over") << "1" << "Bereit" << 2 << "warten" << "zu spät" << -1;
        QTest::newRow("one at a time: its turn") << "0" << "Offen" << 0 << "melden" << "angenommen" << 0;
        QTest::newRow("one at a time: not its turn") << "0" << "Offen" << 2 << "andere" << "nicht dran" << -1;
    }
    void druckWieTaste()
    {
        auto [jede, zustand, gruppe, wirkungVorher, antwort, aktiveGruppe] =
            hole<QString, QString, int, QString, QString, int>("jede", "zustand", "gruppe", "wirkungVorher", "antwort", "aktiveGruppe");
        Probefenster f({.jede = jede});
        QVERIFY(zeigeUndStarte(f));
        QVERIFY(starteTelefone(f));
        taste(&f, Qt::Key_F6);
        Testtelefon t(f.telefonserver()->buzzerport());
        QVERIFY(beigetreten(t, f, gruppe));
        QVERIFY(spieleBis(f, zustand));
        QTRY_COMPARE(t.letzte(QStringLiteral("zustand")).value(QLatin1String("wirkung")).toString(), wirkungVorher);
        const QColor vorher = f.zeile(gruppe)->palette().color(QPalette::Window);

        t.drueckt();
        const bool genommen = antwort == QLatin1String("angenommen");
        const QJsonObject a = t.naechste(genommen ? QStringLiteral("angenommen") : QStringLiteral("ignoriert"));
        QVERIFY(!a.isEmpty());
        if (!genommen)
            QCOMPARE(a.value(QLatin1String("grund")).toString(), antwort);
        QCOMPARE(f.spielstand().AktiveGruppe, aktiveGruppe);
        // The window shows a claim as for a click: the row light yellow, the verdicts enabled.
        if (genommen) {
            QCOMPARE(f.zeile(gruppe)->palette().color(QPalette::Window), QColor(255, 255, 200));
            QVERIFY(f.knopf(QStringLiteral("BBrichtig"))->isEnabled());
            QCOMPARE(t.letzte(QStringLiteral("zustand")).value(QLatin1String("wirkung")).toString(), QStringLiteral("antwortet"));
        } else {
            QCOMPARE(f.zeile(gruppe)->palette().color(QPalette::Window), vorher);
        }
    }

    // Thirty phones press at once: one claim, twenty-nine told they were late,
    // and every phone's page shows that a group answers.
    void dreissigTelefone()
    {
        Spieldatei e{.jede = QStringLiteral("1")};
        e.gruppen.clear();
        for (int g = 1; g <= 30; ++g)
            e.gruppen << QStringLiteral("Gruppe %1").arg(g);
        Probefenster f(e);
        QVERIFY(zeigeUndStarte(f));
        QVERIFY(starteTelefone(f));
        std::vector<std::unique_ptr<Testtelefon>> telefone;
        for (int g = 0; g < 30; ++g) {
            telefone.push_back(std::make_unique<Testtelefon>(f.telefonserver()->buzzerport()));
            QVERIFY(beigetreten(*telefone.back(), f, g));
        }
        QVERIFY(spieleBis(f, QStringLiteral("Offen")));
        for (auto& t : telefone)
            t->drueckt();
        int angenommen = -1, spaet = 0;
        for (int g = 0; g < 30; ++g) {
            Testtelefon& t = *telefone[std::size_t(g)];
            QTRY_VERIFY(!t.letzte(QStringLiteral("angenommen")).isEmpty() || !t.letzte(QStringLiteral("ignoriert")).isEmpty());
            if (!t.letzte(QStringLiteral("angenommen")).isEmpty()) {
                QCOMPARE(angenommen, -1);
                angenommen = g;
            } else {
                const QString grund = t.letzte(QStringLiteral("ignoriert")).value(QLatin1String("grund")).toString();
                QCOMPARE(grund, QStringLiteral("zu spät"));
                ++spaet;
            }
        }
        QVERIFY(angenommen >= 0);
        QCOMPARE(spaet, 29);
        QCOMPARE(f.spielstand().AktiveGruppe, angenommen);
        for (int g = 0; g < 30; ++g) {
            QCOMPARE(telefone[std::size_t(g)]->letzte(QStringLiteral("zustand")).value(QLatin1String("wirkung")).toString(),
                     g == angenommen ? QStringLiteral("antwortet") : QStringLiteral("andere"));
        }
    }

    // What a phone may not send: the connection is refused or closed, and the
    // game plays on for a phone that behaves.
    void abgewiesen_data()
    {
        spalten<QByteArray, bool, QString>("text", "binaer", "folge");
        QTest::newRow("wrong code") << QByteArray(R"({"t":"beitritt","code":"ZZZZ","gruppe":0})") << false << "Falscher Code";
        QTest::newRow("no such group") << QByteArray(R"({"t":"beitritt","code":"@","gruppe":7})") << false
                                       << "Diese Gruppe gibt es nicht";
        QTest::newRow("press before joining") << QByteArray(R"({"t":"druck"})") << false << "Erst eine Gruppe wählen";
        QTest::newRow("not JSON") << QByteArray("{\"t\":") << false << "geschlossen";
        QTest::newRow("unknown kind") << QByteArray(R"({"t":"richtig"})") << false << "geschlossen";
        QTest::newRow("binary") << QByteArray(R"({"t":"druck"})") << true << "geschlossen";
        QTest::newRow("600 bytes") << QByteArray(R"({"t":"druck","x":")") + QByteArray(600, 'x') + "\"}" << false
                                   << "geschlossen";
        QTest::newRow("a megabyte") << QByteArray(1 << 20, ' ') << false << "geschlossen";
    }
    void abgewiesen()
    {
        auto [text, binaer, folge] = hole<QByteArray, bool, QString>("text", "binaer", "folge");
        Probefenster f({.jede = QStringLiteral("1")});
        QVERIFY(zeigeUndStarte(f));
        QVERIFY(starteTelefone(f));
        QVERIFY(spieleBis(f, QStringLiteral("Offen")));
        const QString code = f.telefonserver()->code();
        text.replace("@", code.toLatin1());
        if (code == QLatin1String("ZZZZ"))
            QSKIP("the drawn code is the wrong one of this case");

        Testtelefon boese(f.telefonserver()->buzzerport());
        QVERIFY(boese.verbunden());
        binaer ? boese.sendeBinaer(text) : boese.sende(text);
        if (folge == QLatin1String("geschlossen")) {
            QVERIFY(boese.geschlossen());
        } else {
            QCOMPARE(boese.naechste(QStringLiteral("abgelehnt")).value(QLatin1String("text")).toString(), folge);
            QVERIFY(boese.offen());
        }
        QCOMPARE(f.spielstand().AktiveGruppe, -1);
        Testtelefon gut(f.telefonserver()->buzzerport());
        QVERIFY(beigetreten(gut, f, 2));
        gut.drueckt();
        QVERIFY(!gut.naechste(QStringLiteral("angenommen")).isEmpty());
        QCOMPARE(f.spielstand().AktiveGruppe, 2);
    }

    // More than ten wrong codes a minute: the address is refused, even with the
    // right code, and its new connections are closed at once.
    void falscheCodes()
    {
        Probefenster f;
        QVERIFY(zeigeUndStarte(f));
        QVERIFY(starteTelefone(f));
        const QString falsch = f.telefonserver()->code() == QLatin1String("ZZZZ") ? QStringLiteral("YYYY")
                                                                                 : QStringLiteral("ZZZZ");
        Testtelefon t(f.telefonserver()->buzzerport());
        QVERIFY(t.verbunden());
        for (int i = 0; i < Telefon::MaxFalscheCodes; ++i) {
            t.tritt(falsch, 0);
            QCOMPARE(t.naechste(QStringLiteral("abgelehnt")).value(QLatin1String("text")).toString(), QStringLiteral("Falscher Code"));
            QVERIFY(t.offen());
        }
        t.tritt(falsch, 0);
        QVERIFY(t.geschlossen());
        Testtelefon danach(f.telefonserver()->buzzerport());
        QVERIFY(!danach.verbunden());
        QCOMPARE(f.telefonserver()->telefoneJeGruppe(), QList<int>({0, 0, 0}));
    }

    // The connection limit and the message rate.
    void grenzen()
    {
        Probefenster f({.jede = QStringLiteral("1")});
        QVERIFY(zeigeUndStarte(f));
        QVERIFY(starteTelefone(f));
        const quint16 port = f.telefonserver()->buzzerport();
        std::vector<std::unique_ptr<Testtelefon>> flut;
        for (int i = 0; i < Telefon::MaxVerbindungen; ++i) {
            flut.push_back(std::make_unique<Testtelefon>(port));
            QVERIFY(flut.back()->verbunden());
        }
        Testtelefon zuviel(port);
        QVERIFY(!zuviel.verbunden());
        flut.clear();
        // Once they are gone a phone joins again; twenty messages in a second
        // are its limit, the twenty-first closes it.
        std::unique_ptr<Testtelefon> t;
        QVERIFY(QTest::qWaitFor([&] { return (t = std::make_unique<Testtelefon>(port))->verbunden(); }, 10000));
        QVERIFY(beigetreten(*t, f, 0));
        for (int i = 1; i < Telefon::MaxJeSekunde; ++i)
            t->drueckt();
        QTest::qWait(200);
        QVERIFY(t->offen());
        t->drueckt();
        QVERIFY(t->geschlossen());
    }

    void httpPfade_data()
    {
        spalten<QByteArray, QString>("anfrage", "status");
        const auto get = [](const char* pfad) {
            return QByteArray("GET ") + pfad + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
        };
        QTest::newRow("the page") << get("/") << "HTTP/1.1 200 OK";
        QTest::newRow("the page with the code") << get("/?c=ABCD") << "HTTP/1.1 200 OK";
        QTest::newRow("..") << get("/../../../../etc/passwd") << "HTTP/1.1 404 Not Found";
        QTest::newRow("encoded ..") << get("/%2e%2e/%2e%2e/etc/passwd") << "HTTP/1.1 404 Not Found";
        QTest::newRow("encoded slash") << get("/..%2f..%2fetc%2fpasswd") << "HTTP/1.1 404 Not Found";
        QTest::newRow("encoded slash alone") << get("/%2F") << "HTTP/1.1 404 Not Found";
        QTest::newRow("the resource's path") << get("/telefon/seite.html") << "HTTP/1.1 404 Not Found";
        QTest::newRow("Qt resource syntax") << get("/:/telefon/seite.html") << "HTTP/1.1 404 Not Found";
        QTest::newRow("POST") << QByteArray("POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 0\r\nConnection: close\r\n\r\n")
                              << "HTTP/1.1 404 Not Found";
        QTest::newRow("not HTTP") << QByteArray("\x16\x03\x01\x02\x00 hello\r\n\r\n") << "geschlossen";
    }
    void httpPfade()
    {
        auto [anfrage, status] = hole<QByteArray, QString>("anfrage", "status");
        Probefenster f;
        QVERIFY(zeigeUndStarte(f));
        QVERIFY(starteTelefone(f));
        QCOMPARE(statuszeile(f.telefonserver()->seitenport(), anfrage), status);
        // The game plays on.
        QVERIFY(spieleBis(f, QStringLiteral("Offen")));
    }
};

QTEST_MAIN(TstTelefon)
#include "tst_telefon.moc"
