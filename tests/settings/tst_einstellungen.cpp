// Reading "Varno.ini" up to the picture list.

#include "aufnahme.h"
#include "meldungsfang.h"
#include "spieldatei.h"
#include "tabelle.h"

#include <sys/stat.h>
#include "core/fenstermasse.h"
#include "core/hilfen.h"
#include "core/spielstand.h"
#include "settings/einstellungen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString E1a = QStringLiteral("Fehler bei der ersten Einstellung in der Datei \"Varno.ini\":\n\r"
                                   "Die Einstellung für die Fenstergröße muss ein Komma enthalten.");
const QString E1b = QStringLiteral("Fehler bei der ersten Einstellung in der Datei \"Varno.ini\":\n\r"
                                   "Unkorrekte Pixel-Angaben für die Fenstergröße.");
const QString E2a = QStringLiteral("Fehler bei der zweiten Einstellung in der Datei \"Varno.ini\":\n\r"
                                   "Die Einstellung für das Standard-Seitenverhältnis muss einen Doppelpunkt enthalten.");
const QString E2b = QStringLiteral("Fehler bei der zweiten Einstellung in der Datei \"Varno.ini\":\n\r"
                                   "Unkorrekte Angaben für das Standard-Seitenverhältnis.");
const QString E2c = QStringLiteral("Fehler bei der zweiten Einstellung in der Datei \"Varno.ini\":\n\r"
                                   "Die Seiten des Standard-Seitenverhältnisses müssen größer als 0 sein.");
const QString E3 = QStringLiteral("Fehler bei der dritten Einstellung in der Datei \"Varno.ini\":\n\r"
                                  "Beim Testmodus muss eine 0 oder eine 1 angegeben werden.");
const QString E5 = QStringLiteral("Fehler bei der fünften Einstellung in der Datei \"Varno.ini\":\n\r"
                                  "Bei der Einstellung, ob jede Gruppe tippen darf, muss eine 0 oder eine 1 angegeben werden.");
const QString E7 = QStringLiteral("Fehler bei der siebten Einstellung in der Datei \"Varno.ini\":\n\r"
                                  "Für die Anzeige des Einstellungsfensters muss eine 0 oder eine 1 angegeben werden.");
const QString E8a = QStringLiteral("Fehler bei der achten Einstellung in der Datei \"Varno.ini\":\n\r"
                                   "Die Anzahl der Gruppen ist keine Zahl.");
const QString E8b = QStringLiteral("Fehler bei der achten Einstellung in der Datei \"Varno.ini\":\n\r"
                                   "Die Anzahl der Gruppen muss zwischen 1 und 30 liegen.");
const QString E9 = QStringLiteral("Fehler in der Datei \"Varno.ini\":\n\r"
                                  "Es sind nicht genügend Gruppennamen eingetragen.");
const QString E10 = QStringLiteral("Fehlende Daten in der Datei \"Varno.ini\":\n\r"
                                   "Wahrscheinlich sind zu wenig Gruppennamen eingegeben.");

QString E11(const QString& muster)
{
    return QStringLiteral("Fehler in der Datei \"Varno.ini\":\n\rDie Standard-Syntax für die Bildnamen (") + muster
           + QStringLiteral(") enthält keinen *.");
}

QString endetVor(const QString& was)
{
    return QStringLiteral("Fehlende Daten in der Datei \"Varno.ini\":\n\rDie Datei endet vor ") + was
           + QLatin1Char('.');
}

// Line indices of the example file.
enum Zeile {
    Wert1 = 1, Wert2 = 3, Wert3 = 5, Wert4 = 7, Wert5 = 9, Wert6 = 11, Wert7 = 13, Wert8 = 15,
    KommentarNamen = 16, Name0 = 17, KommentarMuster = 21, Muster = 22, KommentarBilder = 23, Eintrag1 = 24,
};

// The complete example file of the guide, a blank line among the names, in Windows-1252.
QList<QByteArray> beispiel()
{
    return Spieldatei{.fenster = QStringLiteral("max"),
                      .gruppen = {QStringLiteral("Adler"), QString(), QStringLiteral("Biber"), QStringLiteral("Chamäleon")},
                      .gruppenzahl = QStringLiteral("3")}
        .windowsZeilen();
}

QList<QByteArray> bisZeile(int letzte)
{
    return beispiel().mid(0, letzte + 1);
}

// One run of the reader on a file written into a fresh directory.
struct Lauf {
    explicit Lauf(const QByteArray& inhalt, const QString& dateiname = QStringLiteral("Varno.ini"))
    {
        {
            QFile f(verzeichnis.filePath(dateiname));
            if (f.open(QIODevice::WriteOnly))
                f.write(inhalt);
        }
        st.Punktestand.fill(77);
        liesWieDasFenster(st, ziel, meldungen, verzeichnis.filePath(QStringLiteral("Varno.ini")));
    }

    QTemporaryDir verzeichnis;
    Spielstand st;
    Aufnahme ziel;
    Meldungsfang meldungen;
};

}  // namespace

class TestEinstellungen : public QObject {
    Q_OBJECT

private slots:
    void beispieldatei()
    {
        Lauf l(verbinde(beispiel()));
        QVERIFY(l.meldungen.liste.isEmpty());
        QCOMPARE(l.st.StartFehler, false);
        QCOMPARE(l.ziel.aufrufe, (QStringList{"sektoren:20", "jede:0", "straf:3", "gruppe:0:Adler",
                                              "gruppe:1:Biber", QStringLiteral("gruppe:2:Chamäleon"), "spalte"}));
        // The sector count goes straight into the game state, with its hint.
        QCOMPARE(l.st.Sektorenzahl, 20);
        QCOMPARE(l.ziel.sektorenHinweis, QStringLiteral("Es können maximal 18 Punkte pro Bild erreicht werden."));
        QCOMPARE(l.st.FensterBreite, -1);
        QCOMPARE(l.st.FensterHoehe, 498);
        QCOMPARE(l.st.StandardSeitenX, 4);
        QCOMPARE(l.st.StandardSeitenY, 3);
        QCOMPARE(l.st.SeitenX, 4);
        QCOMPARE(l.st.SeitenY, 3);
        QCOMPARE(l.st.Testmodus, false);
        QCOMPARE(l.st.Gruppenzahl, 3);
        QCOMPARE(l.st.Punktestand[0], 0);
        QCOMPARE(l.st.Punktestand[2], 0);
        QCOMPARE(l.st.Punktestand[3], 77);
        QCOMPARE(l.st.BildPraefix, QStringLiteral("Bilder\\Bild"));
        QCOMPARE(l.st.BildSuffix, QStringLiteral(".jpg"));
        // The file stays open at the first picture entry.
        QCOMPARE(l.st.Einstellungsdatei.liesZeile(), QStringLiteral("01"));
        QCOMPARE(l.st.Einstellungsdatei.liesZeile(), QStringLiteral("02?o"));
        QVERIFY(l.st.Einstellungsdatei.amEnde());
    }

    void startwerteVorDemLesen()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath(QStringLiteral("Varno.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(verbinde(beispiel()));
        f.close();
        Spielstand st;
        st.StartFehler = true;
        st.Sektorenzahl = 9;
        st.BildDatei = QStringLiteral("alt.jpg");
        Aufnahme ziel;
        Meldungsfang meldungen;
        liesEinstellungen(st, ziel, meldungen, dir.filePath(QStringLiteral("Varno.ini")));
        QCOMPARE(st.StartFehler, false);
        QCOMPARE(st.Sektorenzahl, 20);   // from the file's text, not the 9 from before
        QVERIFY(st.BildDatei.isEmpty());
    }

    void fehlendeDatei_data()
    {
        QTest::addColumn<QString>("art");
        QTest::newRow("fehlt") << "fehlt";
        // Opening a pipe for reading would wait for a writer for ever.
        QTest::newRow("benannte Pipe") << "pipe";
        QTest::newRow("Ordner") << "ordner";
    }

    void fehlendeDatei()
    {
        QFETCH(QString, art);
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("Varno.ini"));
        if (art == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
        else if (art == QLatin1String("ordner"))
            QVERIFY(QDir().mkpath(ini));
        Spielstand st;
        st.StartFehler = true;
        st.Sektorenzahl = 9;
        Aufnahme ziel;
        Meldungsfang meldungen;
        liesWieDasFenster(st, ziel, meldungen, ini);
        QCOMPARE(meldungen.mitArt(),
                 nurMeldung(Meldungsart::Hinweis, QStringLiteral("Ini-Datei Varno.ini nicht gefunden.")));
        QCOMPARE(st.StartFehler, false);
        QVERIFY(ziel.aufrufe.isEmpty());
        QCOMPARE(st.Gruppenzahl, 0);
        QCOMPARE(st.Sektorenzahl, 0);
        QCOMPARE(QSize(st.FensterBreite, st.FensterHoehe), Entwurfsgroesse);
        QVERIFY(!st.Einstellungsdatei.istOffen());
    }

    void dateinameOhneGrossKlein()
    {
        Lauf l(verbinde(beispiel()), QStringLiteral("varno.INI"));
        QVERIFY(l.meldungen.liste.isEmpty());
        QCOMPARE(l.st.Gruppenzahl, 3);
    }

    void fenstergroesse_data()
    {
        spalten<QByteArray, int, int, QString>("wert", "breite", "hoehe", "fehler");
        QTest::newRow("max") << QByteArray("max") << -1 << 498 << QString();
        QTest::newRow("MAX") << QByteArray("MAX") << -1 << 498 << QString();
        QTest::newRow("Max mit Leerraum") << QByteArray("  Max\t ") << -1 << 498 << QString();
        QTest::newRow("Breite,Hoehe") << QByteArray("1024,768") << 1024 << 768 << QString();
        QTest::newRow("mit Blanks") << QByteArray(" 1024 , 768 ") << 1024 << 768 << QString();
        QTest::newRow("hex") << QByteArray("$400,0x300") << 1024 << 768 << QString();
        QTest::newRow("keine Pruefung") << QByteArray("-5,0") << -5 << 0 << QString();
        QTest::newRow("drei Zahlen") << QByteArray("800,600,300") << 520 << 498 << E1b;
        QTest::newRow("max,600") << QByteArray("max,600") << 520 << 498 << E1b;
        QTest::newRow("leere Breite") << QByteArray(",768") << 520 << 498 << E1b;
        QTest::newRow("leere Hoehe") << QByteArray("1024,") << 520 << 498 << E1b;
        QTest::newRow("ohne Komma") << QByteArray("1024") << 520 << 498 << E1a;
        QTest::newRow("Semikolon") << QByteArray("1024;768") << 520 << 498 << E1a;
        QTest::newRow("maximal") << QByteArray("maximal") << 520 << 498 << E1a;
    }
    void fenstergroesse()
    {
        auto [wert, breite, hoehe, fehler] = hole<QByteArray, int, int, QString>("wert", "breite", "hoehe", "fehler");
        auto zeilen = beispiel();
        zeilen[Wert1] = wert;
        Lauf l(verbinde(zeilen));
        QCOMPARE(l.st.FensterBreite, breite);
        QCOMPARE(l.st.FensterHoehe, hoehe);
        pruefeFehler(l, fehler);
    }

    void ersteEinstellungUeberspringtLeereUndKommentare()
    {
        auto zeilen = beispiel();
        zeilen.insert(0, "");
        zeilen.insert(1, "  \t ");
        zeilen.insert(3, "#noch ein Kommentar");
        zeilen.insert(4, "\t");
        Lauf l(verbinde(zeilen));
        QVERIFY(l.meldungen.liste.isEmpty());
        QCOMPARE(l.st.FensterBreite, -1);
        QCOMPARE(l.st.Gruppenzahl, 3);
    }

    void eingerueckterKommentarIstWert()
    {
        auto zeilen = beispiel();
        zeilen[0] = " #Fenster";
        Lauf l(verbinde(zeilen));
        pruefeFehler(l, E1a);
    }

    void seitenverhaeltnis_data()
    {
        spalten<QByteArray, int, int, QString>("wert", "x", "y", "fehler");
        const int k = KeinSeitenverhaeltnis;
        QTest::newRow("4:3") << QByteArray("4:3") << 4 << 3 << QString();
        QTest::newRow("4 : 3") << QByteArray("4 : 3") << 4 << 3 << QString();
        QTest::newRow("Tabs") << QByteArray("\t16\t:\t9\t") << 16 << 9 << QString();
        QTest::newRow("Stern") << QByteArray("*") << k << k << QString();
        QTest::newRow("Stern mit Blanks") << QByteArray("  *  ") << k << k << QString();
        QTest::newRow("leer") << QByteArray("") << 0 << 0 << E2a;
        QTest::newRow("Schraegstrich") << QByteArray("4/3") << 0 << 0 << E2a;
        QTest::newRow("zwei Sterne") << QByteArray("**") << 0 << 0 << E2a;
        QTest::newRow("drei Seiten") << QByteArray("16:9:1") << 0 << 0 << E2b;
        QTest::newRow("Buchstabe") << QByteArray("a:3") << 0 << 0 << E2b;
        QTest::newRow("leere Seite") << QByteArray("4:") << 0 << 0 << E2b;
        QTest::newRow("Stern:3") << QByteArray("*:3") << 0 << 0 << E2b;
        QTest::newRow("Seite 0") << QByteArray("0:3") << 0 << 0 << E2c;
        QTest::newRow("Seite 0 hinten") << QByteArray("4:0") << 0 << 0 << E2c;
        QTest::newRow("negativ") << QByteArray("4:-3") << 0 << 0 << E2c;
        QTest::newRow("-1111") << QByteArray("-1111:-1111") << 0 << 0 << E2c;
    }
    void seitenverhaeltnis()
    {
        auto [wert, x, y, fehler] = hole<QByteArray, int, int, QString>("wert", "x", "y", "fehler");
        auto zeilen = beispiel();
        zeilen[Wert2] = wert;
        Lauf l(verbinde(zeilen));
        QCOMPARE(l.st.StandardSeitenX, x);
        QCOMPARE(l.st.StandardSeitenY, y);
        QCOMPARE(l.st.SeitenX, x);
        QCOMPARE(l.st.SeitenY, y);
        pruefeFehler(l, fehler);
    }

    // Settings 3, 5 and 7 take exactly "0" or "1" after trimming.
    void nullOderEins_data()
    {
        spalten<int, QByteArray, QString>("zeile", "wert", "fehler");
        const struct {
            int zeile;
            const char* name;
            QString fehler;
        } einstellungen[] = {{Wert3, "3", E3}, {Wert5, "5", E5}, {Wert7, "7", E7}};
        for (const auto& e : einstellungen) {
            const QByteArray n(e.name);
            QTest::newRow((n + " 1").constData()) << e.zeile << QByteArray("1") << QString();
            QTest::newRow((n + " 0").constData()) << e.zeile << QByteArray("0") << QString();
            QTest::newRow((n + " 1 mit Leerraum").constData()) << e.zeile << QByteArray(" \t1 ") << QString();
            QTest::newRow((n + " leer").constData()) << e.zeile << QByteArray("") << e.fehler;
            QTest::newRow((n + " 2").constData()) << e.zeile << QByteArray("2") << e.fehler;
            QTest::newRow((n + " 01").constData()) << e.zeile << QByteArray("01") << e.fehler;
            QTest::newRow((n + " 1x").constData()) << e.zeile << QByteArray("1x") << e.fehler;
            QTest::newRow((n + " ja").constData()) << e.zeile << QByteArray("ja") << e.fehler;
        }
    }
    void nullOderEins()
    {
        auto [zeile, wert, fehler] = hole<int, QByteArray, QString>("zeile", "wert", "fehler");
        auto zeilen = beispiel();
        zeilen[zeile] = wert;
        Lauf l(verbinde(zeilen));
        pruefeFehler(l, fehler);
        if (!fehler.isEmpty())
            return;
        const bool eins = wert.trimmed() == "1";
        if (zeile == Wert3)
            QCOMPARE(l.st.Testmodus, eins);
        if (zeile == Wert5)
            QVERIFY(l.ziel.aufrufe.contains(eins ? QStringLiteral("jede:1") : QStringLiteral("jede:0")));
        if (zeile == Wert7)
            QCOMPARE(l.ziel.aufrufe.contains(QStringLiteral("verberge")), !eins);
    }

    void feldtexteUngeprueft_data()
    {
        spalten<QByteArray, QByteArray>("sektoren", "straf");
        QTest::newRow("Zahlen") << QByteArray("20") << QByteArray("3");
        QTest::newRow("Blanks bleiben") << QByteArray(" 20 ") << QByteArray("3 ");
        QTest::newRow("leer") << QByteArray("") << QByteArray("");
        QTest::newRow("Unsinn") << QByteArray("abc") << QByteArray("-7");
        QTest::newRow("Umlaut") << QByteArray("zw\xF6lf") << QByteArray("\t");
    }
    void feldtexteUngeprueft()
    {
        auto [sektoren, straf] = hole<QByteArray, QByteArray>("sektoren", "straf");
        auto zeilen = beispiel();
        zeilen[Wert4] = sektoren;
        zeilen[Wert6] = straf;
        Lauf l(verbinde(zeilen));
        pruefeFehler(l, QString());
        QVERIFY(l.ziel.aufrufe.contains(QStringLiteral("sektoren:") + QString::fromLatin1(sektoren)));
        QVERIFY(l.ziel.aufrufe.contains(QStringLiteral("straf:") + QString::fromLatin1(straf)));
    }

    void gruppenzahl_data()
    {
        spalten<QByteArray, int, QString>("wert", "zahl", "fehler");
        QTest::newRow("12") << QByteArray("12") << 12 << QString();
        QTest::newRow("12 mit Blanks davor") << QByteArray("   12") << 12 << QString();
        QTest::newRow("1") << QByteArray("1") << 1 << QString();
        QTest::newRow("30") << QByteArray("30") << 30 << QString();
        QTest::newRow("hex") << QByteArray("$0C") << 12 << QString();
        QTest::newRow("12 mit Blank danach") << QByteArray("12 ") << 0 << E8a;
        QTest::newRow("Tab davor") << QByteArray("\t12") << 0 << E8a;
        QTest::newRow("leer") << QByteArray("") << 0 << E8a;
        QTest::newRow("zwoelf") << QByteArray("zw\xF6lf") << 0 << E8a;
        QTest::newRow("0") << QByteArray("0") << 0 << E8b;
        QTest::newRow("31") << QByteArray("31") << 0 << E8b;
        QTest::newRow("-1") << QByteArray("-1") << 0 << E8b;
        QTest::newRow("riesig") << QByteArray("2147483647") << 0 << E8b;
    }
    void gruppenzahl()
    {
        auto [wert, zahl, fehler] = hole<QByteArray, int, QString>("wert", "zahl", "fehler");
        auto zeilen = beispiel();
        zeilen[Wert8] = wert;
        QList<QByteArray> namen;
        for (int i = 1; i <= 30; ++i)
            namen << "Gruppe " + QByteArray::number(i);
        zeilen = zeilen.mid(0, Name0) + namen + zeilen.mid(KommentarMuster);
        Lauf l(verbinde(zeilen));
        pruefeFehler(l, fehler);
        QCOMPARE(l.st.Gruppenzahl, zahl);
        const QStringList gruppen = l.ziel.gruppen();
        QCOMPARE(gruppen.size(), zahl);
        for (int i = 0; i < zahl; ++i) {
            QCOMPARE(gruppen[i], QStringLiteral("Gruppe %1").arg(i + 1));
            QCOMPARE(l.st.Punktestand[i], 0);
        }
        QCOMPARE(l.st.Punktestand[zahl], 77);
        if (fehler.isEmpty())
            QCOMPARE(l.st.Einstellungsdatei.liesZeile(), QStringLiteral("01"));
    }

    // Empty lines and comments between names are skipped; everything else is a name as written.
    void gruppennamen()
    {
        auto zeilen = beispiel();
        zeilen[Wert8] = "5";
        const QList<QByteArray> namen = {"", " Adler  ", "#Kommentar", "", "   ", "#", " #kein Kommentar",
                                         "\t", "Cham\xE4leon"};
        zeilen = zeilen.mid(0, Name0) + namen + zeilen.mid(KommentarMuster);
        Lauf l(verbinde(zeilen));
        pruefeFehler(l, QString());
        QCOMPARE(l.ziel.gruppen(), (QStringList{" Adler  ", "   ", " #kein Kommentar", "\t",
                                                QStringLiteral("Chamäleon")}));
        QCOMPARE(l.ziel.aufrufe.last(), QStringLiteral("spalte"));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(l.st.Punktestand[i], 0);
    }

    // Lines between the eighth value and the names' comment line are not names.
    void zeilenVorDemNamenskommentar()
    {
        auto zeilen = beispiel();
        zeilen.insert(KommentarNamen, "keine Gruppe");
        zeilen.insert(KommentarNamen, "");
        Lauf l(verbinde(zeilen));
        pruefeFehler(l, QString());
        QCOMPARE(l.ziel.gruppen(), (QStringList{"Adler", "Biber", QStringLiteral("Chamäleon")}));
    }

    void mehrNamenAlsGruppen()
    {
        auto zeilen = beispiel();
        zeilen[Wert8] = "2";
        Lauf l(verbinde(zeilen));
        pruefeFehler(l, QString());
        QCOMPARE(l.ziel.gruppen(), (QStringList{"Adler", "Biber"}));
        QCOMPARE(l.st.BildPraefix, QStringLiteral("Bilder\\Bild"));
        QCOMPARE(l.st.Einstellungsdatei.liesZeile(), QStringLiteral("01"));
    }

    // Missing names are taken from the following lines: the pattern becomes a name.
    void zuWenigNamenNimmtMusterAlsNamen()
    {
        auto zeilen = beispiel();
        zeilen[Wert8] = "4";
        Lauf l(verbinde(zeilen));
        QCOMPARE(l.ziel.gruppen(), (QStringList{"Adler", "Biber", QStringLiteral("Chamäleon"), "Bilder\\Bild*.jpg"}));
        // "#Bilder" closes the names, "01" is then the pattern, and no comment line follows.
        QCOMPARE(l.meldungen.texte(), (QStringList{E11("01"), endetVor(QStringLiteral("der Liste der Bilder"))}));
        QCOMPARE(l.meldungen.faelle(), (QList{Meldungsfall::MusterOhneStern, Meldungsfall::Sonstige}));
        QCOMPARE(l.st.BildPraefix, QString());
        QCOMPARE(l.st.BildSuffix, QStringLiteral("01"));
        QCOMPARE(l.st.StartFehler, true);
    }

    void zuWenigNamenBisDateiende()
    {
        auto zeilen = beispiel();
        zeilen[Wert8] = "7";
        Lauf l(verbinde(zeilen));
        pruefeFehler(l, E9);
        // Rows created before the error stay; the column is not placed.
        QCOMPARE(l.ziel.gruppen(), (QStringList{"Adler", "Biber", QStringLiteral("Chamäleon"), "Bilder\\Bild*.jpg",
                                                "01", "02?o"}));
        QVERIFY(!l.ziel.aufrufe.contains(QStringLiteral("spalte")));
    }

    void muster_data()
    {
        spalten<QList<QByteArray>, QString, QString, QString>("musterzeilen", "praefix", "suffix", "fehler");
        QTest::newRow("Bilder\\Bild*.jpg") << QList<QByteArray>{"Bilder\\Bild*.jpg"} << "Bilder\\Bild" << ".jpg"
                                           << QString();
        QTest::newRow("nur Stern") << QList<QByteArray>{"*"} << "" << "" << QString();
        QTest::newRow("leer") << QList<QByteArray>{""} << "" << "" << QString();
        QTest::newRow("Blanks gehoeren dazu") << QList<QByteArray>{" a * b "} << " a " << " b " << QString();
        QTest::newRow("zweiter Stern bleibt") << QList<QByteArray>{"a*b*c"} << "a" << "b*c" << QString();
        QTest::newRow("Kommentare davor") << QList<QByteArray>{"#mehr", "#noch mehr", "x*y"} << "x" << "y"
                                          << QString();
        QTest::newRow("Zeilen danach") << QList<QByteArray>{"x*y", "Rest", ""} << "x" << "y" << QString();
        QTest::newRow("Umlaut") << QList<QByteArray>{"B\xE4ume\\*.bmp"} << QStringLiteral("Bäume\\") << ".bmp"
                                << QString();
        QTest::newRow("ohne Stern") << QList<QByteArray>{"bild.jpg"} << "" << "bild.jpg" << E11("bild.jpg");
        QTest::newRow("nur Blanks") << QList<QByteArray>{"  "} << "" << "  " << E11("  ");
    }
    void muster()
    {
        auto [musterzeilen, praefix, suffix, fehler] =
            hole<QList<QByteArray>, QString, QString, QString>("musterzeilen", "praefix", "suffix", "fehler");
        auto zeilen = beispiel();
        zeilen = zeilen.mid(0, Muster) + musterzeilen + zeilen.mid(KommentarBilder);
        Lauf l(verbinde(zeilen));
        pruefeFehler(l, fehler, Meldungsfall::MusterOhneStern);
        QCOMPARE(l.st.BildPraefix, praefix);
        QCOMPARE(l.st.BildSuffix, suffix);
        // Also after the pattern error the reading goes on to the picture list.
        QCOMPARE(l.st.Einstellungsdatei.liesZeile(), QStringLiteral("01"));
        QCOMPARE(l.ziel.aufrufe.last(), QStringLiteral("spalte"));
    }

    // The pattern's comment line must come within 999 lines after the last name.
    void musterkommentarSuche_data()
    {
        spalten<int, QString>("fuellzeilen", "fehler");
        QTest::newRow("998 Zeilen") << 998 << QString();
        QTest::newRow("999 Zeilen") << 999 << E10;
    }
    void musterkommentarSuche()
    {
        auto [fuellzeilen, fehler] = hole<int, QString>("fuellzeilen", "fehler");
        auto zeilen = beispiel();
        for (int i = 0; i < fuellzeilen; ++i)
            zeilen.insert(KommentarMuster, "Zeile");
        Lauf l(verbinde(zeilen));
        pruefeFehler(l, fehler);
        QVERIFY(l.ziel.aufrufe.contains(QStringLiteral("spalte")));
        QCOMPARE(l.st.BildPraefix, fehler.isEmpty() ? QStringLiteral("Bilder\\Bild") : QString());
    }

    void dateiEndetNachDenNamen()
    {
        Lauf l(verbinde(bisZeile(Name0 + 3)));
        pruefeFehler(l, E10);
        QCOMPARE(l.ziel.gruppen().size(), 3);
    }

    // Lines between a value and the next comment line are ignored at every setting.
    void zusatzzeilenNachWerten_data()
    {
        QTest::addColumn<int>("zeile");
        for (int z : {Wert1, Wert2, Wert3, Wert4, Wert5, Wert6, Wert7, Wert8, Muster})
            QTest::newRow(QByteArray::number(z).constData()) << z;
    }
    void zusatzzeilenNachWerten()
    {
        QFETCH(int, zeile);
        auto zeilen = beispiel();
        zeilen.insert(zeile + 1, "Zusatz");
        zeilen.insert(zeile + 1, "");
        zeilen.insert(zeile + 1, " #eingerückt");
        Lauf l(verbinde(zeilen));
        pruefeFehler(l, QString());
        QCOMPARE(l.ziel.aufrufe, (QStringList{"sektoren:20", "jede:0", "straf:3", "gruppe:0:Adler",
                                              "gruppe:1:Biber", QStringLiteral("gruppe:2:Chamäleon"), "spalte"}));
        QCOMPARE(l.st.StandardSeitenX, 4);
        QCOMPARE(l.st.BildSuffix, QStringLiteral(".jpg"));
        QCOMPARE(l.st.Einstellungsdatei.liesZeile(), QStringLiteral("01"));
    }

    // A comment block may hold several comment lines; an empty line after it is the value.
    void leererWertNachKommentar_data()
    {
        spalten<int, QString, QString>("zeile", "fehler", "aufruf");
        QTest::newRow("2") << int(Wert2) << E2a << QString();
        QTest::newRow("3") << int(Wert3) << E3 << QString();
        QTest::newRow("4") << int(Wert4) << QString() << "sektoren:";
        QTest::newRow("5") << int(Wert5) << E5 << QString();
        QTest::newRow("6") << int(Wert6) << QString() << "straf:";
        QTest::newRow("7") << int(Wert7) << E7 << QString();
        QTest::newRow("8") << int(Wert8) << E8a << QString();
    }
    void leererWertNachKommentar()
    {
        auto [zeile, fehler, aufruf] = hole<int, QString, QString>("zeile", "fehler", "aufruf");
        auto zeilen = beispiel();
        zeilen[zeile] = "";
        zeilen.insert(zeile, "#zweiter Kommentar");
        Lauf l(verbinde(zeilen));
        pruefeFehler(l, fehler);
        if (!aufruf.isEmpty())
            QVERIFY(l.ziel.aufrufe.contains(aufruf));
    }

    // A file that ends where a line is searched for is reported, never read on forever.
    void dateiEndetFrueh_data()
    {
        spalten<QByteArray, QString, QStringList>("inhalt", "fehler", "aufrufe");
        const QStringList keine;
        QTest::newRow("leer") << QByteArray() << endetVor(QStringLiteral("der ersten Einstellung")) << keine;
        QTest::newRow("nur Strg-Z") << QByteArray("\x1A" "max\r") << endetVor(QStringLiteral("der ersten Einstellung"))
                                    << keine;
        QTest::newRow("nur Kommentare") << QByteArray("#a\r\n#b\r\n")
                                        << endetVor(QStringLiteral("der ersten Einstellung")) << keine;
        QTest::newRow("nur Leerzeilen") << QByteArray("\r\n  \r\n\t")
                                        << endetVor(QStringLiteral("der ersten Einstellung")) << keine;
        QTest::newRow("nach Wert 1") << verbinde(bisZeile(Wert1))
                                     << endetVor(QStringLiteral("der zweiten Einstellung")) << keine;
        QTest::newRow("Zusatzzeile nach Wert 1") << verbinde(bisZeile(Wert1) << "Zusatz")
                                                 << endetVor(QStringLiteral("der zweiten Einstellung")) << keine;
        QTest::newRow("nach Wert 2") << verbinde(bisZeile(Wert2))
                                     << endetVor(QStringLiteral("der dritten Einstellung")) << keine;
        QTest::newRow("nach Wert 3") << verbinde(bisZeile(Wert3))
                                     << endetVor(QStringLiteral("der vierten Einstellung")) << keine;
        QTest::newRow("nach Wert 4") << verbinde(bisZeile(Wert4))
                                     << endetVor(QStringLiteral("der fünften Einstellung"))
                                     << QStringList{"sektoren:20"};
        QTest::newRow("nach Wert 5") << verbinde(bisZeile(Wert5))
                                     << endetVor(QStringLiteral("der sechsten Einstellung"))
                                     << QStringList{"sektoren:20", "jede:0"};
        QTest::newRow("nach Wert 6") << verbinde(bisZeile(Wert6))
                                     << endetVor(QStringLiteral("der siebten Einstellung"))
                                     << QStringList{"sektoren:20", "jede:0", "straf:3"};
        QTest::newRow("nach Wert 7") << verbinde(bisZeile(Wert7))
                                     << endetVor(QStringLiteral("der achten Einstellung"))
                                     << QStringList{"sektoren:20", "jede:0", "straf:3"};
        QTest::newRow("nach Wert 8") << verbinde(bisZeile(Wert8)) << endetVor(QStringLiteral("den Gruppennamen"))
                                     << QStringList{"sektoren:20", "jede:0", "straf:3"};
        QTest::newRow("nach dem Muster") << verbinde(bisZeile(Muster))
                                         << endetVor(QStringLiteral("der Liste der Bilder"))
                                         << QStringList{"sektoren:20", "jede:0", "straf:3", "gruppe:0:Adler",
                                                        "gruppe:1:Biber", QStringLiteral("gruppe:2:Chamäleon"),
                                                        "spalte"};
        // A comment block at the very end: its value is read past the end, an empty line.
        QTest::newRow("Kommentar vor Wert 2 zuletzt") << verbinde(bisZeile(Wert2 - 1)) << E2a << keine;
        QTest::newRow("Kommentar vor Wert 4 zuletzt")
            << verbinde(bisZeile(Wert4 - 1)) << endetVor(QStringLiteral("der fünften Einstellung"))
            << QStringList{"sektoren:"};
        QTest::newRow("Kommentar vor Wert 8 zuletzt") << verbinde(bisZeile(Wert8 - 1)) << E8a
                                                      << QStringList{"sektoren:20", "jede:0", "straf:3"};
        QTest::newRow("Kommentar vor dem Muster zuletzt")
            << verbinde(bisZeile(Muster - 1)) << endetVor(QStringLiteral("der Liste der Bilder"))
            << QStringList{"sektoren:20", "jede:0", "straf:3", "gruppe:0:Adler", "gruppe:1:Biber",
                           QStringLiteral("gruppe:2:Chamäleon"), "spalte"};
        QTest::newRow("Strg-Z vor dem Bildkommentar")
            << QByteArray(verbinde(bisZeile(Muster)) + "\x1A" "#Bilder\r\n")
            << endetVor(QStringLiteral("der Liste der Bilder"))
            << QStringList{"sektoren:20", "jede:0", "straf:3", "gruppe:0:Adler", "gruppe:1:Biber",
                           QStringLiteral("gruppe:2:Chamäleon"), "spalte"};
    }
    void dateiEndetFrueh()
    {
        auto [inhalt, fehler, aufrufe] = hole<QByteArray, QString, QStringList>("inhalt", "fehler", "aufrufe");
        Lauf l(inhalt);
        pruefeFehler(l, fehler);
        QCOMPARE(l.ziel.aufrufe, aufrufe);
        QVERIFY(l.st.Einstellungsdatei.amEnde());
    }

    void dateiEndetMitBildkommentar()
    {
        Lauf l(verbinde(bisZeile(KommentarBilder)));
        pruefeFehler(l, QString());
        QVERIFY(l.st.Einstellungsdatei.amEnde());
        QCOMPARE(l.st.BildSuffix, QStringLiteral(".jpg"));
    }

    // Files from Windows and from Linux editors read alike; a Windows-1252 file
    // whose bytes happen to be valid UTF-8 is read as UTF-8.
    void kodierungUndZeilenenden_data()
    {
        spalten<QByteArray, QString>("inhalt", "dritterName");
        const QString chamaeleon = QStringLiteral("Chamäleon");
        const QByteArray bom("\xEF\xBB\xBF");
        QList<QByteArray> utf8;
        for (const QByteArray& z : beispiel())
            utf8 << ausWindows1252(z).toUtf8();
        // Each line end in turn: CR LF, LF, CR.
        QByteArray gemischt;
        for (qsizetype i = 0; i < utf8.size(); ++i)
            gemischt += utf8[i] + QList<QByteArray>{"\r\n", "\n", "\r"}.at(i % 3);
        QList<QByteArray> zufall = beispiel();
        for (QByteArray& z : zufall) {
            if (z.startsWith('#'))
                z = "#";
        }
        zufall[Name0 + 3] = "Spa\xDF\xBB";

        QTest::newRow("Windows-1252 CR") << verbinde(beispiel(), "\r") << chamaeleon;
        QTest::newRow("Windows-1252 LF") << verbinde(beispiel(), "\n") << chamaeleon;
        QTest::newRow("UTF-8 CR LF") << verbinde(utf8) << chamaeleon;
        QTest::newRow("UTF-8 LF") << verbinde(utf8, "\n") << chamaeleon;
        QTest::newRow("UTF-8 CR") << verbinde(utf8, "\r") << chamaeleon;
        QTest::newRow("UTF-8 mit BOM, LF") << bom + verbinde(utf8, "\n") << chamaeleon;
        QTest::newRow("UTF-8 mit BOM, CR LF") << bom + verbinde(utf8) << chamaeleon;
        QTest::newRow("BOM vor Windows-1252") << bom + verbinde(beispiel()) << chamaeleon;
        QTest::newRow("BOM vor der ersten Einstellung") << bom + verbinde(beispiel().mid(1)) << chamaeleon;
        QTest::newRow("UTF-8 gemischt") << gemischt << chamaeleon;
        QTest::newRow("Windows-1252 zufällig UTF-8") << verbinde(zufall) << QStringLiteral("Spa") + QChar(0x07FB);
    }
    void kodierungUndZeilenenden()
    {
        auto [inhalt, dritterName] = hole<QByteArray, QString>("inhalt", "dritterName");
        Lauf l(inhalt);
        pruefeFehler(l, QString());
        QCOMPARE(l.ziel.gruppen(), (QStringList{"Adler", "Biber", dritterName}));
        QCOMPARE(l.st.FensterBreite, -1);
        QCOMPARE(l.st.BildPraefix, QStringLiteral("Bilder\\Bild"));
        QCOMPARE(l.st.Einstellungsdatei.liesZeile(), QStringLiteral("01"));
        QCOMPARE(l.st.Einstellungsdatei.liesZeile(), QStringLiteral("02?o"));
        QVERIFY(l.st.Einstellungsdatei.amEnde());
    }

    void verborgenesEinstellungsfenster()
    {
        auto zeilen = beispiel();
        zeilen[Wert7] = "0";
        zeilen[Wert5] = "1";
        zeilen[Wert3] = "1";
        Lauf l(verbinde(zeilen));
        pruefeFehler(l, QString());
        QCOMPARE(l.ziel.aufrufe.mid(0, 4), (QStringList{"sektoren:20", "jede:1", "straf:3", "verberge"}));
        QCOMPARE(l.st.Testmodus, true);
    }

private:
    // No message at all, or exactly the one error, of the given case, with StartFehler set.
    static void pruefeFehler(const Lauf& l, const QString& fehler, Meldungsfall fall = Meldungsfall::Sonstige)
    {
        if (fehler.isEmpty()) {
            QCOMPARE(l.meldungen.texte(), QStringList());
            QCOMPARE(l.st.StartFehler, false);
            return;
        }
        QCOMPARE(l.meldungen.texte(), QStringList{fehler});
        QCOMPARE(l.meldungen.liste[0].art, Meldungsart::Fehler);
        QCOMPARE(l.meldungen.liste[0].fall, fall);
        QCOMPARE(l.st.StartFehler, true);
    }
};

int testeEinstellungen(int argc, char** argv)
{
    TestEinstellungen t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_einstellungen.moc"
