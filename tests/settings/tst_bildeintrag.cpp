// Picture entries: positioning suffix, skipping, paths, aspect.

#include "meldungsfang.h"
#include "tabelle.h"
#include "core/pfade.h"
#include "core/spielstand.h"
#include "settings/bildeintrag.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString falscherEintrag(const QString& eintrag, const QString& rest)
{
    return QStringLiteral("Fehler beim Bild-Eintrag \"") + eintrag
           + QStringLiteral("\":\n\rFalscher Eintrag für die Positionierung des Bildes (") + rest
           + QStringLiteral(")!");
}

QString nichtDarstellbar(const QString& datei)
{
    return QStringLiteral("Fehler: Das Bild \"") + datei
           + QStringLiteral("\" kann nicht dargestellt werden.\n\rEs sind nur die Bildformate JPG oder BMP möglich.");
}

// Records what reading an entry asks of the picture area.
struct Vermesser {
    QStringList aufrufe;
    QSize groesse{600, 800};
    bool wirft = false;

    Bildvermesser alsBildvermesser()
    {
        return {[this] { aufrufe << QStringLiteral("grau"); },
                [this](const QString& pfad) {
                    aufrufe << QStringLiteral("miss:") + pfad;
                    if (wirft)
                        throw VarnoFehler(QStringLiteral("Kein JPEG"));
                    return groesse;
                }};
    }
};

// Picture files in a fresh directory and a state whose list holds the given lines.
struct Liste {
    Liste()
    {
        QDir(verzeichnis.path()).mkdir(QStringLiteral("Bilder"));
        for (const char* name : {"Bild01.jpg", "Bild02.bmp", "Bild03.png", "Bild04.JPEG", "Bild05", "Bild.jpg",
                                 "Hund.jpg"})
            lege(QStringLiteral("Bilder/") + QLatin1String(name));
        st.BildPraefix = verzeichnis.path() + QStringLiteral("/Bilder/Bild");
        st.BildSuffix = QStringLiteral(".jpg");
        st.StandardSeitenX = 4;
        st.StandardSeitenY = 3;
        st.SeitenX = 4;
        st.SeitenY = 3;
        st.BildDatei = QStringLiteral("alt.jpg");
        st.BildPosition = QStringLiteral("m");
    }

    void lege(const QString& relativ)
    {
        QFile f(verzeichnis.filePath(relativ));
        if (f.open(QIODevice::WriteOnly))
            f.write("x");
    }

    bool lies(const QByteArray& daten)
    {
        st.Einstellungsdatei.oeffneDaten(daten);
        return naechstes();
    }

    // Every read is foreseen first: the look ahead uses up no line, shows
    // nothing, and names the picture the read then begins, if that has a
    // picture's extension, and nothing otherwise.
    bool naechstes()
    {
        const int gelesen = st.Einstellungsdatei.gelesenZeilen();
        const qsizetype gezeigt = meldungen.liste.size();
        const std::optional<Bildvorschau> vorschau = NaechsterBildEintrag(st);
        QTest::qVerify(st.Einstellungsdatei.gelesenZeilen() == gelesen && meldungen.liste.size() == gezeigt,
                       "look ahead", "used up a line or showed a message", __FILE__, __LINE__);
        bool begonnen = false;
        try {
            begonnen = BildEintragLesen(st, meldungen, vermesser.alsBildvermesser());
        } catch (...) {
            vergleicheVorschau(vorschau, true);
            throw;
        }
        vergleicheVorschau(vorschau, begonnen);
        return begonnen;
    }

    void vergleicheVorschau(const std::optional<Bildvorschau>& vorschau, bool begonnen) const
    {
        const QString endung = dateiEndung(st.BildDatei).toLower();
        const bool bild = begonnen
            && (endung == QLatin1String(".jpg") || endung == QLatin1String(".jpeg") || endung == QLatin1String(".bmp"));
        const QString erwartet = bild ? st.BildDatei + u'|' + st.BildPosition : QStringLiteral("nichts");
        const QString gesehen = vorschau ? vorschau->pfad + u'|' + vorschau->code : QStringLiteral("nichts");
        QTest::qCompare(gesehen, erwartet, "look ahead", "read", __FILE__, __LINE__);
    }

    void pruefeUnveraendert() const
    {
        QCOMPARE(st.BildDatei, QStringLiteral("alt.jpg"));
        QCOMPARE(st.BildPosition, QStringLiteral("m"));
        QCOMPARE(st.SeitenX, 4);
        QCOMPARE(st.SeitenY, 3);
    }

    QTemporaryDir verzeichnis;
    Spielstand st;
    Meldungsfang meldungen;
    Vermesser vermesser;
};

}  // namespace

class TestBildeintrag : public QObject {
    Q_OBJECT

private slots:
    void positionAbtrennen_data()
    {
        spalten<QString, bool, QString, QString>("eintrag", "ok", "rest", "code");
        QTest::newRow("Hund ?o") << "Hund ?o" << true << "Hund " << "o";
        QTest::newRow("Hund?u") << "Hund?u" << true << "Hund" << "u";
        QTest::newRow("Hund?m") << "Hund?m" << true << "Hund" << "m";
        QTest::newRow("Hund?l") << "Hund?l" << true << "Hund" << "l";
        QTest::newRow("Hund?r") << "Hund?r" << true << "Hund" << "r";
        QTest::newRow("Hund?n") << "Hund?n" << true << "Hund" << "n";
        QTest::newRow("?o") << "?o" << true << "" << "o";
        QTest::newRow("ohne ?") << "Hund" << true << "Hund" << "";
        QTest::newRow("leer") << "" << true << "" << "";
        QTest::newRow("Hund?O") << "Hund?O" << false << "Hund?O" << "";
        QTest::newRow("Hund?x") << "Hund?x" << false << "Hund?x" << "";
        QTest::newRow("Hund?") << "Hund?" << false << "Hund?" << "";
        QTest::newRow("Hund?oo") << "Hund?oo" << false << "Hund?oo" << "";
        QTest::newRow("Hu?nd?o") << "Hu?nd?o" << false << "Hu?nd?o" << "";
        QTest::newRow("Hund??") << "Hund??" << false << "Hund??" << "";
        QTest::newRow("?") << "?" << false << "?" << "";
        QTest::newRow("?o am Anfang, mehr danach") << "?oHund" << false << "?oHund" << "";
    }
    void positionAbtrennen()
    {
        auto [eintrag, ok, rest, code] = hole<QString, bool, QString, QString>("eintrag", "ok", "rest", "code");
        QString c = QStringLiteral("z");
        QCOMPARE(PositionAbtrennen(eintrag, c), ok);
        QCOMPARE(eintrag, rest);
        QCOMPARE(c, code);
    }

    void kommentareUndLeerzeilenWerdenUebersprungen()
    {
        Liste l;
        QVERIFY(l.lies("\r\n   \r\n  # eingerückt\r\n\t#Tab\r\n#\r\n  01?o  \r\n02\r\n"));
        QVERIFY(l.meldungen.liste.isEmpty());
        QCOMPARE(l.st.BildDatei, l.st.BildPraefix + QStringLiteral("01.jpg"));
        QCOMPARE(l.st.BildPosition, QStringLiteral("o"));
        QCOMPARE(l.st.SeitenX, 4);
        QCOMPARE(l.st.SeitenY, 3);
        QVERIFY(l.vermesser.aufrufe.isEmpty());
        QCOMPARE(l.st.Einstellungsdatei.liesZeile(), QStringLiteral("02"));
    }

    void dateiende_data()
    {
        QTest::addColumn<QByteArray>("daten");
        QTest::newRow("leer") << QByteArray();
        QTest::newRow("nur Kommentare und Leerzeilen") << QByteArray("#Ende\r\n   \r\n\t\r\n");
        QTest::newRow("Strg-Z vor dem Eintrag") << QByteArray("\r\n\x1A" "01\r\n");
    }
    void dateiende()
    {
        QFETCH(QByteArray, daten);
        Liste l;
        // The picture counter's total counts what the reader would take: nothing here.
        l.st.Einstellungsdatei.oeffneDaten(daten);
        QCOMPARE(zaehleBildeintraege(l.st.Einstellungsdatei), 0);
        QVERIFY(!l.lies(daten));
        QCOMPARE(l.meldungen.mitArt(), nurMeldung(Meldungsart::Hinweis, QStringLiteral("Dateiende erreicht!")));
        QCOMPARE(l.meldungen.liste[0].fall, Meldungsfall::Listenende);
        l.pruefeUnveraendert();
        // Asking again gives the same answer and never hangs.
        QVERIFY(!l.naechstes());
        QCOMPARE(l.meldungen.liste.size(), 2);
    }

    void falscheEintraege_data()
    {
        spalten<QByteArray, QString, QString>("zeile", "eintrag", "rest");
        QTest::newRow("Hund?O") << QByteArray("Hund?O") << "Hund?O" << "O";
        QTest::newRow("Hund?x") << QByteArray("Hund?x") << "Hund?x" << "x";
        QTest::newRow("Hund?") << QByteArray("Hund?") << "Hund?" << "";
        QTest::newRow("Hund?oo") << QByteArray("Hund?oo") << "Hund?oo" << "oo";
        QTest::newRow("Hu?nd?o") << QByteArray("Hu?nd?o") << "Hu?nd?o" << "nd?o";
        QTest::newRow("getrimmt") << QByteArray("  \tHund ?O \t") << "Hund ?O" << "O";
        QTest::newRow("Umlaut") << QByteArray("K\xE4" "fer?\xE4") << QStringLiteral("Käfer?ä") << QStringLiteral("ä");
    }
    void falscheEintraege()
    {
        auto [zeile, eintrag, rest] = hole<QByteArray, QString, QString>("zeile", "eintrag", "rest");
        Liste l;
        QVERIFY(!l.lies(zeile + "\r\n01?r\r\n"));
        QCOMPARE(l.meldungen.mitArt(), nurMeldung(Meldungsart::Fehler, falscherEintrag(eintrag, rest)));
        QCOMPARE(l.meldungen.liste[0].fall, Meldungsfall::Sonstige);
        l.pruefeUnveraendert();
        // The faulty entry is used up: the next request takes the following one.
        QVERIFY(l.naechstes());
        QCOMPARE(l.st.BildPosition, QStringLiteral("r"));
        QCOMPARE(l.st.BildDatei, l.st.BildPraefix + QStringLiteral("01.jpg"));
    }

    void fehlendeDatei()
    {
        Liste l;
        QVERIFY(!l.lies("99?l\r\n01\r\n"));
        QCOMPARE(l.meldungen.mitArt(),
                 nurMeldung(Meldungsart::Hinweis,
                            QStringLiteral("Datei ") + l.st.BildPraefix + QStringLiteral("99.jpg nicht gefunden!")));
        // Only the end of the list ends a run through it.
        QCOMPARE(l.meldungen.liste[0].fall, Meldungsfall::Sonstige);
        l.pruefeUnveraendert();
        QVERIFY(l.naechstes());
        QCOMPARE(l.st.BildPosition, QString());
    }

    void verzeichnisIstKeinBild()
    {
        Liste l;
        QDir(l.verzeichnis.path()).mkdir(QStringLiteral("Bilder/Bild06.jpg"));
        QVERIFY(!l.lies("06\r\n"));
        QCOMPARE(l.meldungen.texte(),
                 QStringList{QStringLiteral("Datei ") + l.st.BildPraefix + QStringLiteral("06.jpg nicht gefunden!")});
    }

    void namensformen_data()
    {
        spalten<QByteArray, QString, QString, QString>("zeile", "praefix", "datei", "code");
        QTest::newRow("Blank vor dem Code") << QByteArray("Hund ?o") << "/Bilder/" << "/Bilder/Hund.jpg" << "o";
        QTest::newRow("nur Code") << QByteArray("?n") << "/Bilder/Bild" << "/Bilder/Bild.jpg" << "n";
        QTest::newRow("Blanks aussen weg") << QByteArray(" Bild ?u") << "/Bilder/" << "/Bilder/Bild.jpg" << "u";
    }
    void namensformen()
    {
        auto [zeile, praefix, datei, code] =
            hole<QByteArray, QString, QString, QString>("zeile", "praefix", "datei", "code");
        Liste l;
        l.st.BildPraefix = l.verzeichnis.path() + praefix;
        QVERIFY(l.lies(zeile));
        QVERIFY(l.meldungen.liste.isEmpty());
        QCOMPARE(l.st.BildDatei, l.verzeichnis.path() + datei);
        QCOMPARE(l.st.BildPosition, code);
    }

    // Paths written for Windows: backslashes and another letter case still find the file.
    void windowsPfad()
    {
        Liste l;
        l.st.BildPraefix = l.verzeichnis.path() + QStringLiteral("\\BILDER\\bild");
        l.st.BildSuffix = QStringLiteral(".JPG");
        QVERIFY(l.lies("01?m\r\n"));
        QVERIFY(l.meldungen.liste.isEmpty());
        // The path stays as built; opening it finds the file again.
        QCOMPARE(l.st.BildDatei, l.verzeichnis.path() + QStringLiteral("\\BILDER\\bild01.JPG"));
        QCOMPARE(l.st.BildPosition, QStringLiteral("m"));
    }

    void relativZumArbeitsverzeichnis()
    {
        Liste l;
        l.lege(QStringLiteral("Bilder/Bild07.jpg"));
        const QString vorher = QDir::currentPath();
        QVERIFY(QDir::setCurrent(l.verzeichnis.path()));
        l.st.BildPraefix = QStringLiteral("Bilder\\Bild");
        const bool ok = l.lies("07\r\n");
        QDir::setCurrent(vorher);
        QVERIFY(ok);
        QCOMPARE(l.st.BildDatei, QStringLiteral("Bilder\\Bild07.jpg"));
    }

    void eigenesSeitenverhaeltnis_data()
    {
        spalten<QByteArray, QString, QString, bool>("zeile", "name", "code", "darstellbar");
        QTest::newRow("jpg") << QByteArray("01.jpg") << "01.jpg" << "" << true;
        QTest::newRow("bmp") << QByteArray("02.bmp?r") << "02.bmp" << "r" << true;
        QTest::newRow("JPEG") << QByteArray("04.JPEG?o") << "04.JPEG" << "o" << true;
        QTest::newRow("png") << QByteArray("03.png?l") << "03.png" << "l" << false;
        QTest::newRow("ohne Endung") << QByteArray("05") << "05" << "" << false;
    }
    // Each picture is measured for its own aspect; one the game cannot show is
    // refused unmeasured, and only file and code already name the new entry.
    void eigenesSeitenverhaeltnis()
    {
        auto [zeile, name, code, darstellbar] =
            hole<QByteArray, QString, QString, bool>("zeile", "name", "code", "darstellbar");
        Liste l;
        l.st.StandardSeitenX = l.st.StandardSeitenY = KeinSeitenverhaeltnis;
        l.st.SeitenX = l.st.SeitenY = 7;
        l.st.BildSuffix.clear();
        QCOMPARE(l.lies(zeile), darstellbar);
        const QString datei = l.st.BildPraefix + name;
        QCOMPARE(l.st.BildDatei, datei);
        QCOMPARE(l.st.BildPosition, code);
        if (darstellbar) {
            QVERIFY(l.meldungen.liste.isEmpty());
            QCOMPARE(l.vermesser.aufrufe, (QStringList{"grau", QStringLiteral("miss:") + datei}));
            QCOMPARE(QSize(l.st.SeitenX, l.st.SeitenY), QSize(600, 800));
        } else {
            QCOMPARE(l.meldungen.mitArt(), nurMeldung(Meldungsart::Warnung, nichtDarstellbar(datei)));
            QCOMPARE(QSize(l.st.SeitenX, l.st.SeitenY), QSize(7, 7));
            QVERIFY(l.vermesser.aufrufe.isEmpty());
        }
    }

    // With a fixed aspect neither the extension nor the content is examined here.
    void festesSeitenverhaeltnis()
    {
        Liste l;
        l.st.StandardSeitenX = 16;
        l.st.StandardSeitenY = 9;
        l.st.BildSuffix.clear();
        QVERIFY(l.lies("03.png\r\n"));
        QVERIFY(l.meldungen.liste.isEmpty());
        QCOMPARE(l.st.SeitenX, 16);
        QCOMPARE(l.st.SeitenY, 9);
        QVERIFY(l.vermesser.aufrufe.isEmpty());
    }

    void vermessungsfehlerGehtDurch()
    {
        Liste l;
        l.st.StandardSeitenX = l.st.StandardSeitenY = KeinSeitenverhaeltnis;
        l.st.SeitenX = l.st.SeitenY = 7;
        l.vermesser.wirft = true;
        l.st.Einstellungsdatei.oeffneDaten("01?u\r\n");
        QVERIFY_THROWS_EXCEPTION(VarnoFehler, l.naechstes());
        QCOMPARE(l.st.BildDatei, l.st.BildPraefix + QStringLiteral("01.jpg"));
        QCOMPARE(l.st.BildPosition, QStringLiteral("u"));
        QCOMPARE(l.st.SeitenX, 7);
        QCOMPARE(l.vermesser.aufrufe.first(), QStringLiteral("grau"));
        QVERIFY(l.meldungen.liste.isEmpty());
    }

    void listenende_data()
    {
        spalten<QByteArray, bool>("daten", "amEnde");
        QTest::newRow("ohne Zeilenende") << QByteArray("01") << true;
        QTest::newRow("mit CR LF") << QByteArray("01\r\n") << true;
        QTest::newRow("mit CR") << QByteArray("01\r") << true;
        QTest::newRow("Kommentar danach") << QByteArray("01\r\n#Ende\r\n") << false;
        QTest::newRow("Leerzeile danach") << QByteArray("01\r\n\r\n") << false;
    }
    void listenende()
    {
        auto [daten, amEnde] = hole<QByteArray, bool>("daten", "amEnde");
        Liste l;
        l.st.Einstellungsdatei.oeffneDaten(daten);
        QCOMPARE(zaehleBildeintraege(l.st.Einstellungsdatei), 1);
        QCOMPARE(l.st.Einstellungsdatei.gelesenZeilen(), 0);   // counted on a copy
        QVERIFY(l.lies(daten));
        QCOMPARE(l.st.Einstellungsdatei.amEnde(), amEnde);
        if (!amEnde) {
            QVERIFY(!l.naechstes());
            QCOMPARE(l.meldungen.texte(), QStringList{QStringLiteral("Dateiende erreicht!")});
        }
    }

    void keineDateiGeoeffnet()
    {
        Liste l;
        QVERIFY(!l.naechstes());
        QCOMPARE(l.meldungen.mitArt(),
                 nurMeldung(Meldungsart::Fehler,
                            QStringLiteral("Es ist keine Datei \"Varno.ini\" geöffnet: Es können keine Bilder gelesen werden.")));
        l.pruefeUnveraendert();
    }
};

int testeBildeintrag(int argc, char** argv)
{
    TestBildeintrag t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_bildeintrag.moc"
