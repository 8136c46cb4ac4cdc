// Shared helpers: rounding, trimming, integer conversion, code page, line reader,
// messages and path resolution.

#include "core/hilfen.h"
#include "core/meldungen.h"
#include "core/pfade.h"
#include "core/zeilenleser.h"
#include "meldungsfang.h"
#include "tabelle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include <optional>

namespace {

bool legeDatei(const QString& pfad, const QByteArray& inhalt = "x")
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size();
}

QStringList alleZeilen(Zeilenleser& leser)
{
    QStringList zeilen;
    while (!leser.amEnde())
        zeilen << leser.liesZeile();
    return zeilen;
}

}  // namespace

class TestCore : public QObject {
    Q_OBJECT

private slots:
    void rundeGerade_data()
    {
        spalten<double, int>("wert", "ergebnis");
        QTest::newRow("200.5") << 200.5 << 200;
        QTest::newRow("201.5") << 201.5 << 202;
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("-0.5") << -0.5 << 0;
        QTest::newRow("-1.5") << -1.5 << -2;
        QTest::newRow("-2.5") << -2.5 << -2;
        QTest::newRow("148.5") << 148.5 << 148;
        QTest::newRow("2.4999") << 2.4999 << 2;
        QTest::newRow("2.5001") << 2.5001 << 3;
        QTest::newRow("-2.6") << -2.6 << -3;
        QTest::newRow("ganz") << 7.0 << 7;
        QTest::newRow("riesig") << 1e12 << INT_MAX;
        QTest::newRow("riesig negativ") << -1e12 << INT_MIN;
        QTest::newRow("knapp ueber INT_MAX") << 2147483647.6 << INT_MAX;
        QTest::newRow("unendlich") << qInf() << INT_MAX;
        QTest::newRow("minus unendlich") << -qInf() << INT_MIN;
    }
    void rundeGerade()
    {
        auto [wert, ergebnis] = hole<double, int>("wert", "ergebnis");
        QCOMPARE(::rundeGerade(wert), ergebnis);
    }

    void trimmeAlleSteuerzeichen()
    {
        for (int code = 0; code <= 32; ++code) {
            const QString z{QChar(char16_t(code))};
            QCOMPARE(::trimme(z + QStringLiteral("a b") + z + z), QStringLiteral("a b"));
            QCOMPARE(::trimme(z), QString());
        }
    }

    void trimme_data()
    {
        spalten<QString, QString>("text", "ergebnis");
        QTest::newRow("leer") << QString() << QString();
        QTest::newRow("innen bleibt") << QStringLiteral("  Adler  und  Biber \t") << QStringLiteral("Adler  und  Biber");
        QTest::newRow("Tabs und CR LF") << QStringLiteral("\t\r\n x \n\r\t") << QStringLiteral("x");
        QTest::newRow("Nullzeichen") << QString(QChar(0)) + QStringLiteral("x") + QChar(0) << QStringLiteral("x");
        QTest::newRow("Code 33 bleibt") << QStringLiteral(" ! ") << QStringLiteral("!");
        QTest::newRow("Code 127 bleibt") << QStringLiteral("\x7f") << QStringLiteral("\x7f");
        QTest::newRow("geschuetztes Blank bleibt") << QStringLiteral("\u00a0x\u00a0") << QStringLiteral("\u00a0x\u00a0");
    }
    void trimme()
    {
        auto [text, ergebnis] = hole<QString, QString>("text", "ergebnis");
        QCOMPARE(::trimme(text), ergebnis);
    }

    void alsGanzzahl_data()
    {
        spalten<QString, bool, int>("text", "ok", "zahl");
        QTest::newRow("7") << "7" << true << 7;
        QTest::newRow(" 7") << " 7" << true << 7;
        QTest::newRow("   -12") << "   -12" << true << -12;
        QTest::newRow("-5") << "-5" << true << -5;
        QTest::newRow("+3") << "+3" << true << 3;
        QTest::newRow("-0") << "-0" << true << 0;
        QTest::newRow("0010") << "0010" << true << 10;
        QTest::newRow("$1F") << "$1F" << true << 31;
        QTest::newRow("$1f") << "$1f" << true << 31;
        QTest::newRow("x1f") << "x1f" << true << 31;
        QTest::newRow("X1F") << "X1F" << true << 31;
        QTest::newRow("0x10") << "0x10" << true << 16;
        QTest::newRow("0X10") << "0X10" << true << 16;
        QTest::newRow(" $10") << " $10" << true << 16;
        QTest::newRow("$7FFFFFFF") << "$7FFFFFFF" << true << INT_MAX;
        QTest::newRow("2147483647") << "2147483647" << true << INT_MAX;
        QTest::newRow("-2147483648") << "-2147483648" << true << INT_MIN;
        QTest::newRow("-$10") << "-$10" << false << 0;
        QTest::newRow("+0x10") << "+0x10" << false << 0;
        QTest::newRow("7 ") << "7 " << false << 0;
        QTest::newRow("leer") << "" << false << 0;
        QTest::newRow("Blanks") << "   " << false << 0;
        QTest::newRow("-") << "-" << false << 0;
        QTest::newRow("+") << "+" << false << 0;
        QTest::newRow("$") << "$" << false << 0;
        QTest::newRow("0x") << "0x" << false << 0;
        QTest::newRow("- 5") << "- 5" << false << 0;
        QTest::newRow("1 2") << "1 2" << false << 0;
        QTest::newRow("2147483648") << "2147483648" << false << 0;
        QTest::newRow("-2147483649") << "-2147483649" << false << 0;
        QTest::newRow("99999999999999999999") << "99999999999999999999" << false << 0;
        QTest::newRow("$80000000") << "$80000000" << false << 0;
        QTest::newRow("$FFFFFFFF") << "$FFFFFFFF" << false << 0;
        QTest::newRow("$1G") << "$1G" << false << 0;
        QTest::newRow("1F") << "1F" << false << 0;
        QTest::newRow("Tab 7") << "\t7" << false << 0;
        QTest::newRow("1e3") << "1e3" << false << 0;
        QTest::newRow("1.0") << "1.0" << false << 0;
        QTest::newRow("arabische Ziffer") << QStringLiteral("\u0663") << false << 0;
        QTest::newRow("Vollbreite Ziffer") << QStringLiteral("\uff17") << false << 0;
    }
    void alsGanzzahl()
    {
        auto [text, ok, zahl] = hole<QString, bool, int>("text", "ok", "zahl");
        const std::optional<int> ergebnis = ::alsGanzzahl(text);
        QCOMPARE(ergebnis.has_value(), ok);
        if (ok)
            QCOMPARE(*ergebnis, zahl);
    }

    void windows1252_data()
    {
        spalten<QByteArray, QString>("bytes", "text");
        QTest::newRow("ä") << QByteArray("\xE4") << QStringLiteral("ä");
        QTest::newRow("Euro") << QByteArray("\x80") << QStringLiteral("€");
        QTest::newRow("Ÿ") << QByteArray("\x9F") << QStringLiteral("Ÿ");
        QTest::newRow("ß") << QByteArray("\xDF") << QStringLiteral("ß");
        QTest::newRow("Anführung") << QByteArray("\x84\x93") << QStringLiteral("„“");
        QTest::newRow("ASCII") << QByteArray("Adler 1") << QStringLiteral("Adler 1");
        QTest::newRow("undefiniert 0x81") << QByteArray("\x81") << QString(QChar(0x81));
    }
    void windows1252()
    {
        auto [bytes, text] = hole<QByteArray, QString>("bytes", "text");
        QCOMPARE(ausWindows1252(bytes), text);
        QCOMPARE(nachWindows1252(text), bytes);
    }

    void windows1252AlleBytes()
    {
        QByteArray alle;
        for (int b = 0; b < 256; ++b)
            alle.append(char(b));
        const QString text = ausWindows1252(alle);
        QCOMPARE(text.size(), 256);
        QCOMPARE(nachWindows1252(text), alle);
        // Distinct bytes give distinct characters.
        QSet<QChar> zeichen(text.begin(), text.end());
        QCOMPARE(zeichen.size(), 256);
    }

    void punkteText_data()
    {
        spalten<int, QString>("punkte", "text");
        QTest::newRow("0") << 0 << "0 Punkte";
        QTest::newRow("1") << 1 << "1 Punkte";
        QTest::newRow("18") << 18 << "18 Punkte";
        QTest::newRow("-3") << -3 << "-3 Punkte";
        QTest::newRow("kleinste") << INT_MIN << "-2147483648 Punkte";
    }
    void punkteText()
    {
        auto [punkte, text] = hole<int, QString>("punkte", "text");
        QCOMPARE(::punkteText(punkte), text);
    }

    void addiereBegrenzt_data()
    {
        spalten<int, qlonglong, int>("a", "b", "summe");
        QTest::newRow("5+18") << 5 << 18LL << 23;
        QTest::newRow("5-8") << 5 << -8LL << -3;
        QTest::newRow("bis MAX") << INT_MAX - 1 << 1LL << INT_MAX;
        QTest::newRow("ueber MAX") << INT_MAX << 1LL << INT_MAX;
        QTest::newRow("bis MIN") << INT_MIN + 1 << -1LL << INT_MIN;
        QTest::newRow("unter MIN") << INT_MIN << -1LL << INT_MIN;
        QTest::newRow("MAX plus MIN") << INT_MAX << qlonglong(INT_MIN) << -1;
        QTest::newRow("weit darueber") << 0 << (1LL << 40) << INT_MAX;
        QTest::newRow("weit darunter") << 0 << -(1LL << 40) << INT_MIN;
        QTest::newRow("groesstes b") << 1 << LLONG_MAX << INT_MAX;
        QTest::newRow("kleinstes b") << -1 << LLONG_MIN << INT_MIN;
    }
    void addiereBegrenzt()
    {
        auto [a, b, summe] = hole<int, qlonglong, int>("a", "b", "summe");
        QCOMPARE(::addiereBegrenzt(a, b), summe);
    }

    void zeilenleser_data()
    {
        spalten<QByteArray, QStringList>("daten", "zeilen");
        QTest::newRow("CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("letzte ohne Ende") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("LF allein endet auch") << QByteArray("a\nb\r\nc") << QStringList{"a", "b", "c"};
        QTest::newRow("nur LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("LF nach CR LF") << QByteArray("a\r\n\nb") << QStringList{"a", "", "b"};
        QTest::newRow("LF CR sind zwei") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("gemischt") << QByteArray("a\rb\nc\r\nd") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("a CR CR") << QByteArray("a\r\r") << QStringList{"a", ""};
        QTest::newRow("Leerzeilen") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
        QTest::newRow("nur CR LF") << QByteArray("\r\n") << QStringList{""};
        QTest::newRow("Strg-Z beendet") << QByteArray("a\rb\x1A" "c\rd\r") << QStringList{"a", "b"};
        QTest::newRow("Strg-Z nach CR") << QByteArray("a\r\x1A") << QStringList{"a"};
        QTest::newRow("Strg-Z zwischen CR und LF") << QByteArray("a\r\x1A\nb") << QStringList{"a"};
        QTest::newRow("Windows-1252") << QByteArray("Cham\xE4leon\r\x80") << QStringList{QStringLiteral("Chamäleon"),
                                                                                       QStringLiteral("€")};
        QTest::newRow("leer") << QByteArray() << QStringList{};
        QTest::newRow("nur Strg-Z") << QByteArray("\x1A" "abc") << QStringList{};
        QTest::newRow("UTF-8 CR LF") << QByteArray("Gr\xC3\xBC\xC3\x9F" "e\r\n\xE2\x82\xAC\r\n")
                                    << QStringList{QStringLiteral("Grüße"), QStringLiteral("€")};
        QTest::newRow("UTF-8 LF") << QByteArray("F\xC3\xBC" "chse\nK\xC3\xB6ln\n")
                                  << QStringList{QStringLiteral("Füchse"), QStringLiteral("Köln")};
        QTest::newRow("UTF-8 CR") << QByteArray("F\xC3\xBC" "chse\rx") << QStringList{QStringLiteral("Füchse"), "x"};
        QTest::newRow("UTF-8 vier Bytes") << QByteArray("\xF0\x9F\x90\xBB") << QStringList{QStringLiteral("🐻")};
        QTest::newRow("BOM mit UTF-8") << QByteArray("\xEF\xBB\xBF#F\xC3\xBC" "chse\nmax")
                                       << QStringList{QStringLiteral("#Füchse"), "max"};
        QTest::newRow("BOM mit ASCII") << QByteArray("\xEF\xBB\xBF#a\r\nmax\r\n") << QStringList{"#a", "max"};
        QTest::newRow("nur BOM") << QByteArray("\xEF\xBB\xBF") << QStringList{};
        QTest::newRow("BOM vor Windows-1252") << QByteArray("\xEF\xBB\xBF" "Cham\xE4leon")
                                              << QStringList{QStringLiteral("Chamäleon")};
        // Two files pasted together: the second mark never reaches a name.
        QTest::newRow("BOM am Anfang von Zeile 2") << QByteArray("a\r\xEF\xBB\xBF" "b") << QStringList{"a", "b"};
        // "Spaß»" and "Ä°" in Windows-1252 are valid UTF-8 by accident; the file is read as UTF-8.
        QTest::newRow("Windows-1252 zufällig UTF-8") << QByteArray("Spa\xDF\xBB\r\n\xC4\xB0")
                                                      << QStringList{QStringLiteral("Spa") + QChar(0x07FB), QString(QChar(0x0130))};
        // One byte that breaks UTF-8 anywhere puts the whole file back to Windows-1252.
        QTest::newRow("Windows-1252 mit UTF-8-Paar") << QByteArray("Spa\xDF\xBB\r\n\xE4")
                                                      << QStringList{QStringLiteral("Spaß»"), QStringLiteral("ä")};
        QTest::newRow("überlang ist kein UTF-8") << QByteArray("\xC0\xAF") << QStringList{QStringLiteral("À¯")};
        QTest::newRow("Ersatzzeichen sind kein UTF-8") << QByteArray("\xED\xA0\x80")
                                                        << QStringList{QStringLiteral("í") + QChar(0xA0) + QChar(0x20AC)};
        QTest::newRow("über U+10FFFF ist kein UTF-8") << QByteArray("\xF4\x90\x80\x80")
                                                       << QStringList{QStringLiteral("ô") + QChar(0x0090)
                                                                      + QChar(0x20AC) + QChar(0x20AC)};
        QTest::newRow("abgeschnittene Folge") << QByteArray("a\r\n\xC3") << QStringList{"a", QStringLiteral("Ã")};
        QTest::newRow("Strg-Z schneidet die Folge") << QByteArray("\xC3\x1A\xBC") << QStringList{QStringLiteral("Ã")};
        QTest::newRow("Nullbyte bleibt") << QByteArray("a\0b\r", 4) << QStringList{QStringLiteral("a") + QChar(0) + QStringLiteral("b")};
    }
    void zeilenleser()
    {
        auto [daten, zeilen] = hole<QByteArray, QStringList>("daten", "zeilen");
        Zeilenleser leser;
        QVERIFY(!leser.istOffen());
        leser.oeffneDaten(daten);
        QVERIFY(leser.istOffen());
        QCOMPARE(leser.amEnde(), zeilen.isEmpty());
        QCOMPARE(alleZeilen(leser), zeilen);
        QCOMPARE(leser.gelesenZeilen(), zeilen.size());
        // Past the end: empty lines, no error, still at the end.
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(leser.liesZeile(), QString());
            QVERIFY(leser.amEnde());
        }
        QCOMPARE(leser.gelesenZeilen(), zeilen.size() + 3);
    }

    // What the checker names: the encoding decided and the line ends counted.
    void zeichensatz_data()
    {
        // enden: CR LF, CR, LF
        spalten<QByteArray, int, bool, QList<int>>("daten", "zeichensatz", "bom", "enden");
        const int ascii = int(Zeichensatz::Ascii), w1252 = int(Zeichensatz::Windows1252),
                  utf8 = int(Zeichensatz::Utf8);
        QTest::newRow("ASCII CR LF") << QByteArray("a\r\nb\r\n") << ascii << false << QList<int>{2, 0, 0};
        QTest::newRow("Windows-1252 CR") << QByteArray("\xE4\r\xFC\r") << w1252 << false << QList<int>{0, 2, 0};
        QTest::newRow("UTF-8 LF") << QByteArray("\xC3\xA4\n\xC3\xBC\n") << utf8 << false << QList<int>{0, 0, 2};
        QTest::newRow("UTF-8 BOM gemischt") << QByteArray("\xEF\xBB\xBF" "a\r\nb\nc\rd") << utf8 << true
                                            << QList<int>{1, 1, 1};
        QTest::newRow("BOM vor Windows-1252") << QByteArray("\xEF\xBB\xBF\xE4") << w1252 << true << QList<int>{0, 0, 0};
        QTest::newRow("nach Strg-Z zählt nichts") << QByteArray("a\r\n\x1A\n\xC3") << ascii << false
                                                  << QList<int>{1, 0, 0};
    }
    void zeichensatz()
    {
        auto [daten, zeichensatz, bom, enden] =
            hole<QByteArray, int, bool, QList<int>>("daten", "zeichensatz", "bom", "enden");
        Zeilenleser leser;
        leser.oeffneDaten(daten);
        QCOMPARE(int(leser.zeichensatz()), zeichensatz);
        QCOMPARE(leser.hatteBom(), bom);
        const Zeilenenden z = leser.zeilenenden();
        QCOMPARE((QList<int>{z.crlf, z.cr, z.lf}), enden);
    }

    void zeilenleserLangeZeile()
    {
        const QByteArray lang(10 * 1024 * 1024, 'x');
        Zeilenleser leser;
        leser.oeffneDaten(lang + "\r\nende");
        const QString zeile = leser.liesZeile();
        QCOMPARE(zeile.size(), lang.size());
        QVERIFY(zeile.startsWith(QLatin1String("xxx")) && zeile.endsWith(QLatin1String("xxx")));
        QVERIFY(!leser.amEnde());
        QCOMPARE(leser.liesZeile(), QStringLiteral("ende"));
        QVERIFY(leser.amEnde());
    }

    void zeilenleserDatei()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("Varno.ini"));
        QVERIFY(legeDatei(pfad, "#Kommentar\r\nmax\x1A" "danach"));
        Zeilenleser leser;
        QVERIFY(leser.oeffne(pfad));
        QVERIFY(leser.istOffen());
        QCOMPARE(alleZeilen(leser), (QStringList{"#Kommentar", "max"}));

        Zeilenleser fehlt;
        QVERIFY(!fehlt.oeffne(dir.filePath(QStringLiteral("gibtsnicht.ini"))));
        QVERIFY(!fehlt.istOffen());
        QVERIFY(!fehlt.oeffne(dir.path()));
    }

    void ausnahmeText_data()
    {
        spalten<QString, QString>("text", "ergebnis");
        QTest::newRow("ohne Punkt") << "Kein JPEG" << "Kein JPEG.";
        QTest::newRow("mit Punkt") << "Kein JPEG." << "Kein JPEG.";
        QTest::newRow("zwei Punkte") << "Abbruch.." << "Abbruch..";
        QTest::newRow("Ausrufezeichen") << "Falsch!" << "Falsch!.";
        QTest::newRow("Umlaut") << QStringLiteral("Ungültig") << QStringLiteral("Ungültig.");
        QTest::newRow("leer") << "" << ".";
    }
    void ausnahmeText()
    {
        auto [text, ergebnis] = hole<QString, QString>("text", "ergebnis");
        QCOMPARE(::ausnahmeText(text), ergebnis);
    }

    void alsEreignisZeigtFehler()
    {
        Meldungsfang meldungen;
        bool danach = false;
        alsEreignis(meldungen, [&] {
            throw VarnoFehler(QStringLiteral("'abc' ist kein gültiger Integerwert"));
            danach = true;
        });
        QVERIFY(!danach);
        QCOMPARE(meldungen.mitArt(),
                 nurMeldung(Meldungsart::Ausnahme, QStringLiteral("'abc' ist kein gültiger Integerwert.")));
    }

    void alsEreignisOhneFehler()
    {
        Meldungsfang meldungen;
        int laeufe = 0;
        alsEreignis(meldungen, [&] { ++laeufe; });
        QCOMPARE(laeufe, 1);
        QVERIFY(meldungen.liste.isEmpty());
    }

    void alsEreignisSpeichermangel()
    {
        Meldungsfang meldungen;
        alsEreignis(meldungen, [] { throw std::bad_alloc(); });
        QCOMPARE(meldungen.mitArt(),
                 nurMeldung(Meldungsart::Ausnahme, QStringLiteral("Nicht genügend Arbeitsspeicher.")));
    }

    void findeDatei()
    {
        QTemporaryDir dir;
        const QString basis = dir.path();
        QVERIFY(QDir(basis).mkpath(QStringLiteral("Bilder/Tiere")));
        QVERIFY(legeDatei(basis + QStringLiteral("/Bilder/Bild01.jpg")));
        QVERIFY(legeDatei(basis + QStringLiteral("/Bilder/Tiere/Hund.JPG")));
        QVERIFY(legeDatei(basis + QStringLiteral("/Bilder/zwei.jpg")));
        QVERIFY(legeDatei(basis + QStringLiteral("/Bilder/ZWEI.jpg")));

        const auto istDatei = [](const QString& gefunden, const QString& erwartet) {
            return !gefunden.isEmpty()
                   && QFileInfo(gefunden).canonicalFilePath() == QFileInfo(erwartet).canonicalFilePath();
        };
        const QString bild01 = basis + QStringLiteral("/Bilder/Bild01.jpg");
        const QString hund = basis + QStringLiteral("/Bilder/Tiere/Hund.JPG");

        QVERIFY(istDatei(::findeDatei(bild01), bild01));
        QVERIFY(istDatei(::findeDatei(basis + QStringLiteral("\\Bilder\\Bild01.jpg")), bild01));
        QVERIFY(istDatei(::findeDatei(basis + QStringLiteral("/bilder/BILD01.JPG")), bild01));
        QVERIFY(istDatei(::findeDatei(basis + QStringLiteral("\\BILDER\\tiere\\hund.jpg")), hund));
        QVERIFY(istDatei(::findeDatei(basis + QStringLiteral("/Bilder//Bild01.jpg")), bild01));

        // Two files differ only in letter case: the exact name still works, any other is ambiguous.
        QVERIFY(istDatei(::findeDatei(basis + QStringLiteral("/Bilder/ZWEI.jpg")),
                         basis + QStringLiteral("/Bilder/ZWEI.jpg")));
        QVERIFY(::findeDatei(basis + QStringLiteral("/Bilder/Zwei.jpg")).isEmpty());

        QVERIFY(::findeDatei(basis + QStringLiteral("/Bilder")).isEmpty());
        QVERIFY(::findeDatei(basis + QStringLiteral("/bilder/tiere")).isEmpty());
        QVERIFY(::findeDatei(basis + QStringLiteral("/Bilder/Bild02.jpg")).isEmpty());
        QVERIFY(::findeDatei(basis + QStringLiteral("/Bilder/Bild01.jpg/x")).isEmpty());
        QVERIFY(::findeDatei(QString()).isEmpty());
    }

    void findeDateiRelativ()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Bilder")));
        const QString bild = dir.path() + QStringLiteral("/Bilder/Bild07.jpg");
        QVERIFY(legeDatei(bild));
        const QString erwartet = QFileInfo(bild).canonicalFilePath();
        const QString vorher = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        QStringList gefunden;
        for (const char* pfad : {"Bilder/Bild07.jpg", "bilder\\BILD07.jpg", ".\\Bilder\\bild07.JPG"}) {
            const QString g = ::findeDatei(QString::fromLatin1(pfad));
            gefunden << (g.isEmpty() ? QString() : QFileInfo(g).canonicalFilePath());
        }
        const bool fehlt = ::findeDatei(QStringLiteral("Bilder\\Bild08.jpg")).isEmpty();
        QDir::setCurrent(vorher);
        QCOMPARE(gefunden, (QStringList{erwartet, erwartet, erwartet}));
        QVERIFY(fehlt);
    }

    void dateiEndung_data()
    {
        spalten<QString, QString>("pfad", "endung");
        QTest::newRow("jpg") << "Bilder\\Bild01.jpg" << ".jpg";
        QTest::newRow("JPEG") << "/a/b.JPEG" << ".JPEG";
        QTest::newRow("letzter Punkt") << "a.tar.gz" << ".gz";
        QTest::newRow("ohne") << "Bild05" << "";
        QTest::newRow("Punkt im Verzeichnis") << "a.b/c" << "";
        QTest::newRow("Punkt im Windows-Verzeichnis") << "Bilder.neu\\Bild" << "";
        QTest::newRow("nur Endung") << "Bilder/.bmp" << ".bmp";
        QTest::newRow("Punkt am Ende") << "bild." << ".";
        QTest::newRow("leer") << "" << "";
    }
    void dateiEndung()
    {
        auto [pfad, endung] = hole<QString, QString>("pfad", "endung");
        QCOMPARE(::dateiEndung(pfad), endung);
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
