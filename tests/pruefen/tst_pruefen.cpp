// The checker: whole game folders in, report lines and exit status out.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include "core/hilfen.h"
#include "core/meldungen.h"
#include "core/spielstand.h"
#include "aufnahme.h"
#include "pruefe.h"
#include "spieldatei.h"
#include "pruefen/bericht.h"
#include "pruefen/neu.h"
#include "settings/bildeintrag.h"
#include "settings/einstellungen.h"
#include "pruefen/pruefung.h"
#include "render/bildbereich.h"
#include "fakefenster.h"
#include "meldungsfang.h"
#include "tabelle.h"
#include "testbilder.h"

namespace {

// The settings file of a clean game; a case replaces single lines (1-based).
QStringList grundIni()
{
    return Spieldatei{.fenster = QStringLiteral("1024,768"), .strafe = QStringLiteral("2"),
                      .gruppen = {QStringLiteral("Adler"), QStringLiteral("Chamäleon")},
                      .muster = QStringLiteral("Bilder/*"), .bilder = {}}
        .zeilen();
}

// Lines of the basic file, with "<line>=<text>" replacements, then the entries.
QStringList ini(const QStringList& ersatz, const QStringList& eintraege)
{
    QStringList zeilen = grundIni();
    for (const QString& e : ersatz) {
        const qsizetype gleich = e.indexOf(QLatin1Char('='));
        zeilen[e.left(gleich).toInt() - 1] = e.mid(gleich + 1);
    }
    return zeilen + eintraege;
}

QImage testbild(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::darkCyan);
    QPainter p(&bild);
    p.fillRect(0, 0, breite / 2, hoehe / 2, Qt::yellow);
    return bild;
}

// "<path>=jpg:WxH", "<path>=bmp:WxH", "<path>=jpg6:WxH" (stored W x H, to be
// turned upright by the EXIF tag 6) or "<path>=text:<content>".
[[nodiscard]] bool legeDateiAn(const QString& ordner, const QString& spez)
{
    const qsizetype gleich = spez.indexOf(QLatin1Char('='));
    const QString pfad = ordner + QLatin1Char('/') + spez.left(gleich);
    const QString art = spez.mid(gleich + 1).section(QLatin1Char(':'), 0, 0);
    const QString wert = spez.mid(gleich + 1).section(QLatin1Char(':'), 1);
    PRUEFE(QDir().mkpath(QFileInfo(pfad).path()));
    if (art == QLatin1String("text")) {
        QFile f(pfad);
        PRUEFE(f.open(QIODevice::WriteOnly));
        f.write(wert.toUtf8());
        return true;
    }
    const QStringList masse = wert.split(QLatin1Char('x'));
    const QImage bild = testbild(masse[0].toInt(), masse[1].toInt());
    if (art == QLatin1String("jpg6")) {
        PRUEFE(schreibeDatei(pfad, mitExif(jpegDaten(bild), exifBlock(6))));
        return true;
    }
    PRUEFE(bild.save(pfad, art == QLatin1String("jpg") ? "JPEG" : "BMP"));
    return true;
}

struct Ergebnis {
    int status = -1;
    QStringList zeilen;
    QString text;
};

Ergebnis pruefeOrdner(const QString& ordner)
{
    QString text;
    QTextStream aus(&text);
    Ergebnis e;
    e.status = pruefe(ordner, aus);
    aus.flush();
    e.text = text;
    e.zeilen = text.split(QLatin1Char('\n'));
    return e;
}

// The checker's report on the folder holds every expected line, and it ends with the status.
[[nodiscard]] bool erwarteBericht(const QString& ordner, const QStringList& erwartet, int status)
{
    const Ergebnis e = pruefeOrdner(ordner);
    for (const QString& zeile : erwartet)
        PRUEFE2(e.zeilen.contains(zeile), qPrintable(QStringLiteral("missing line:\n%1\nin:\n%2").arg(zeile, e.text)));
    PRUEFE2(e.status == status, qPrintable(QStringLiteral("status %1, expected %2").arg(e.status).arg(status)));
    return true;
}

} // namespace

class TstPruefen : public QObject {
    Q_OBJECT

private slots:
    void ordner_data()
    {
        spalten<QStringList, QStringList, int, QStringList>("iniZeilen", "dateien", "status", "erwartet");

        const QString haus = QStringLiteral("Bilder/Haus.jpg=jpg:1600x1200");
        const QString hoch = QStringLiteral("Bilder/Hoch.bmp=bmp:600x800");

        QTest::newRow("sauber") << ini({}, {QStringLiteral("Haus.jpg"), QStringLiteral("  # Kommentar"),
                                            QStringLiteral("Hoch.bmp ?o")})
                                << QStringList{haus, hoch} << 0
                                << QStringList{
                                       QStringLiteral("  Fenstergröße: 1024 × 768 Pixel"),
                                       QStringLiteral("  Seitenverhältnis: 4:3"),
                                       QStringLiteral("  Sektoren: 20"),
                                       QStringLiteral("    Es können maximal 18 Punkte pro Bild erreicht werden."),
                                       QStringLiteral("  Gruppen: 2"),
                                       QStringLiteral("    1. Adler"),
                                       QStringLiteral("    2. Chamäleon"),
                                       QStringLiteral("  Bildnamen: \"Bilder/\" + Eintrag + \"\""),
                                       QStringLiteral("  Zeile 23: Haus.jpg"),
                                       QStringLiteral("    Datei Bilder/Haus.jpg: JPEG, 1600 × 1200 Pixel"),
                                       // room 514 x 728; 3 * 514 / 4 = 385.5 rounds to 386
                                       QStringLiteral("    Bildbereich 514 × 386 Pixel, Rahmen bei (18, 189)"),
                                       QStringLiteral("    Ganzes Bild skaliert nach (0, 0, 514, 386), füllt den Bildbereich."),
                                       QStringLiteral("  Zeile 25: Hoch.bmp ?o"),
                                       QStringLiteral("    Datei Bilder/Hoch.bmp: BMP, 600 × 800 Pixel"),
                                       // top part: 600 * 386 / 514 = 450.6 rows
                                       QStringLiteral("    Ausschnitt (0, 0, 600, 451) skaliert nach (0, 0, 514, 386), füllt den Bildbereich."),
                                       QStringLiteral("  2 Gruppen, 2 Bildeinträge, davon fehlerfrei: 2"),
                                       QStringLiteral("  0 Probleme, 0 Hinweise"),
                                       QStringLiteral("  Das Spiel läuft mit dieser Einstellungsdatei sauber."),
                                   };

        QTest::newRow("jedes Bild eigenes Format, maximiert")
            << ini({QStringLiteral("2=MAX"), QStringLiteral("4=*")}, {QStringLiteral("Hoch.bmp?l")})
            << QStringList{hoch} << 0
            << QStringList{
                   QStringLiteral("  Fenstergröße: maximiert"),
                   QStringLiteral("  Seitenverhältnis: * (jedes Bild behält sein eigenes)"),
                   QStringLiteral("Bildbereich für ein maximiertes Fenster, angenommen 1920 × 1080 Pixel groß; "
                                  "das Fenster innen so groß wie außen gerechnet."),
                   // room 1410 x 1040 at the picture's own 3:4
                   QStringLiteral("    Bildbereich 780 × 1040 Pixel, Rahmen bei (333, 18)"),
                   QStringLiteral("    Ganzes Bild skaliert nach (0, 0, 780, 1040), füllt den Bildbereich."),
                   QStringLiteral("    HINWEIS: Der Code ?l wirkt bei diesem Bild nicht; es wird ganz gezeigt."),
                   QStringLiteral("  0 Probleme, 1 Hinweis"),
               };

        // A phone's portrait photo stored on its side: shown, measured and fitted upright.
        QTest::newRow("gedrehtes Foto") << ini({QStringLiteral("4=*")}, {QStringLiteral("Foto.jpg")})
                                        << QStringList{QStringLiteral("Bilder/Foto.jpg=jpg6:800x600")} << 0
                                        << QStringList{
                                               QStringLiteral("    Datei Bilder/Foto.jpg: JPEG, 600 × 800 Pixel"),
                                               QStringLiteral("    Das Foto ist gedreht gespeichert (EXIF-Ausrichtung 6); "
                                                              "das Spiel zeigt es aufrecht, so wie oben angegeben."),
                                               // room 514 x 728 at 3:4
                                               QStringLiteral("    Bildbereich 514 × 685 Pixel, Rahmen bei (18, 40)"),
                                           };

        QTest::newRow("kleines Fenster, Testmodus")
            << ini({QStringLiteral("2=640, 480"), QStringLiteral("6=1")}, {QStringLiteral("Haus.jpg?n")})
            << QStringList{haus} << 0
            << QStringList{
                   QStringLiteral("Das Spiel vergrößert das Fenster auf mindestens 800 × 600 Pixel."),
                   QStringLiteral("  HINWEIS: Der Testmodus ist eingeschaltet: Jedes Bild erscheint sofort ganz. "
                                  "Für das Spiel die dritte Einstellung auf 0 setzen."),
                   // room 290 x 560: 290 x 218 (217.5 to even)
                   QStringLiteral("    Bildbereich 290 × 218 Pixel, Rahmen bei (18, 189)"),
                   QStringLiteral("    HINWEIS: Der Code ?n wirkt bei diesem Bild nicht; es wird ganz gezeigt."),
               };

        QTest::newRow("E1a Komma") << ini({QStringLiteral("2=1024x768")}, {QStringLiteral("Haus.jpg")})
                                   << QStringList{haus} << 1
                                   << QStringList{
                                          QStringLiteral("Zeile 2:"),
                                          QStringLiteral("  FEHLER: Fehler bei der ersten Einstellung in der Datei \"Varno.ini\":"),
                                          QStringLiteral("          Die Einstellung für die Fenstergröße muss ein Komma enthalten."),
                                          QStringLiteral("  Das Spiel liest die Datei nur bis hierher und beendet sich gleich nach dem Start."),
                                          QStringLiteral("Die Bilderliste wurde nicht erreicht; die Bilder sind nicht geprüft."),
                                          QStringLiteral("  1 Problem. Das Spiel startet so nicht."),
                                      };

        QTest::newRow("E8b nach den Werten, Namen teilweise")
            << ini({QStringLiteral("16=31")}, {}) << QStringList{} << 1
            << QStringList{
                   QStringLiteral("Zeile 16:"),
                   QStringLiteral("          Die Anzahl der Gruppen muss zwischen 1 und 30 liegen."),
               };

        QTest::newRow("E9 zu wenige Namen") << QStringList(grundIni().mid(0, 15)) + QStringList{
                                                   QStringLiteral("3"), QStringLiteral("#Namen"), QStringLiteral("Adler")}
                                            << QStringList{} << 1
                                            << QStringList{
                                                   QStringLiteral("  FEHLER: Fehler in der Datei \"Varno.ini\":"),
                                                   QStringLiteral("          Es sind nicht genügend Gruppennamen eingetragen."),
                                                   QStringLiteral("  Gruppen: 1"),
                                                   QStringLiteral("    1. Adler"),
                                               };

        QTest::newRow("E11 Muster ohne Stern, Bilder trotzdem geprüft")
            << ini({QStringLiteral("21=Bilder/Haus")}, {QStringLiteral(".jpg")}) << QStringList{haus} << 1
            << QStringList{
                   QStringLiteral("Zeile 21:"),
                   QStringLiteral("          Die Standard-Syntax für die Bildnamen (Bilder/Haus) enthält keinen *."),
                   QStringLiteral("  Das Spiel liest weiter, beendet sich aber gleich nach dem Start."),
                   QStringLiteral("    FEHLER: Datei .jpgBilder/Haus nicht gefunden!"),
               };

        QTest::newRow("Einstellungsfenster-Werte")
            << ini({QStringLiteral("8=zwanzig"), QStringLiteral("14=0")}, {QStringLiteral("Haus.jpg")})
            << QStringList{haus} << 1
            << QStringList{
                   QStringLiteral("Zeile 8:"),
                   QStringLiteral("  FEHLER: Fehler bei der Eingabe der Anzahl der Sektoren!"),
                   QStringLiteral("  Das Einstellungsfenster ist abgeschaltet: Das Spiel beginnt so nicht."),
               };

        QTest::newRow("Strafpunkte negativ")
            << ini({QStringLiteral("12=-1")}, {QStringLiteral("Haus.jpg")}) << QStringList{haus} << 1
            << QStringList{
                   QStringLiteral("Zeile 12:"),
                   QStringLiteral("  FEHLER: Die Strafpunkte müssen positiv sein!"),
                   QStringLiteral("  Das Einstellungsfenster meldet dies beim OK; der Wert muss dort korrigiert werden."),
               };

        QTest::newRow("alle Bildfehler auf einmal")
            << ini({}, {QStringLiteral("Haus.jpg?x"), QStringLiteral("Fehlt.jpg"), QStringLiteral("kaputt.jpg"),
                        QStringLiteral("kaputt.bmp"), QStringLiteral("Bild.gif"), QStringLiteral("HAUS.JPG?m")})
            << QStringList{haus, QStringLiteral("Bilder/kaputt.jpg=text:kein JPEG"),
                           QStringLiteral("Bilder/kaputt.bmp=text:BM kein Bitmap"), QStringLiteral("Bilder/Bild.gif=text:GIF89a")}
            << 1
            << QStringList{
                   QStringLiteral("  Zeile 23: Haus.jpg?x"),
                   QStringLiteral("    FEHLER: Fehler beim Bild-Eintrag \"Haus.jpg?x\":"),
                   QStringLiteral("            Falscher Eintrag für die Positionierung des Bildes (x)!"),
                   QStringLiteral("  Zeile 24: Fehlt.jpg"),
                   QStringLiteral("    FEHLER: Datei Bilder/Fehlt.jpg nicht gefunden!"),
                   QStringLiteral("  Zeile 25: kaputt.jpg"),
                   // libjpeg's JERR_NO_SOI
                   QStringLiteral("    FEHLER: JPEG-Fehlernr. 53."),
                   QStringLiteral("  Zeile 26: kaputt.bmp"),
                   QStringLiteral("    FEHLER: Bitmap ist ungültig."),
                   QStringLiteral("  Zeile 27: Bild.gif"),
                   QStringLiteral("    FEHLER: Das Bild \"Bilder/Bild.gif\" kann nicht dargestellt werden."),
                   QStringLiteral("            Es sind nur die Bildformate JPG oder BMP möglich."),
                   // letter case resolved as the game resolves it
                   QStringLiteral("  Zeile 28: HAUS.JPG?m"),
                   QStringLiteral("    Datei Bilder/HAUS.JPG (gefunden als Bilder/Haus.jpg): JPEG, 1600 × 1200 Pixel"),
                   QStringLiteral("  2 Gruppen, 6 Bildeinträge, davon fehlerfrei: 1"),
                   QStringLiteral("  5 Probleme, 0 Hinweise"),
                   QStringLiteral("  Bitte beheben Sie die Probleme vor dem Spiel."),
               };

        QTest::newRow("Backslash im Muster") << ini({QStringLiteral("21=bilder\\*")}, {QStringLiteral("haus.jpg")})
                                             << QStringList{haus} << 0
                                             << QStringList{
                                                    QStringLiteral("    Datei bilder\\haus.jpg (gefunden als Bilder/Haus.jpg): "
                                                                   "JPEG, 1600 × 1200 Pixel"),
                                                };

        QTest::newRow("falsches Format beim Vermessen")
            << ini({QStringLiteral("4=*")}, {QStringLiteral("Bild.gif"), QStringLiteral("kaputt.jpg")})
            << QStringList{QStringLiteral("Bilder/Bild.gif=text:GIF89a"), QStringLiteral("Bilder/kaputt.jpg=text:x")}
            << 1
            << QStringList{
                   QStringLiteral("    FEHLER: Das Bild \"Bilder/Bild.gif\" kann nicht dargestellt werden."),
                   QStringLiteral("    FEHLER: JPEG-Fehlernr. 53."),
                   QStringLiteral("  2 Probleme, 0 Hinweise"),
               };

        QTest::newRow("zu wenige Sektoren") << ini({QStringLiteral("8=2")}, {QStringLiteral("Haus.jpg")})
                                            << QStringList{haus} << 1
                                            << QStringList{
                                                   QStringLiteral("    FEHLER: Beim Abdecken meldet das Spiel: "
                                                                  "FEHLER: Zu wenige Sektoren eingestellt!"),
                                               };

        QTest::newRow("leere Bilderliste, Kommentar danach")
            << ini({}, {QStringLiteral("# nichts")}) << QStringList{} << 1
            << QStringList{
                   QStringLiteral("  FEHLER: Die Liste der Bilder ist leer; schon beim ersten Bild meldet das Spiel "
                                  "\"Dateiende erreicht!\"."),
                   QStringLiteral("  2 Gruppen, 0 Bildeinträge, davon fehlerfrei: 0"),
               };

        // 800 x 200 fits 514 x 128 (128.5 to even): less than a third of 386; 514 x 129 is just enough.
        QTest::newRow("Streifen") << ini({}, {QStringLiteral("Panorama.jpg"), QStringLiteral("Panorama.jpg?m"),
                                              QStringLiteral("Turm.jpg"), QStringLiteral("Grenze.jpg")})
                                  << QStringList{QStringLiteral("Bilder/Panorama.jpg=jpg:800x200"),
                                                 QStringLiteral("Bilder/Turm.jpg=jpg:100x800"),
                                                 QStringLiteral("Bilder/Grenze.jpg=jpg:514x129")}
                                  << 0
                                  << QStringList{
                                         QStringLiteral("    HINWEIS: Das Bild erscheint nur 128 Pixel hoch im 386 Pixel "
                                                        "hohen Bildbereich, weniger als ein Drittel davon. Mit ?l, ?m "
                                                        "oder ?r füllt ein Ausschnitt den Bildbereich."),
                                         QStringLiteral("    HINWEIS: Das Bild erscheint nur 48 Pixel breit im 514 Pixel "
                                                        "breiten Bildbereich, weniger als ein Drittel davon. Mit ?o, ?m "
                                                        "oder ?u füllt ein Ausschnitt den Bildbereich."),
                                         QStringLiteral("  0 Probleme, 2 Hinweise"),
                                     };

        const QString tausend = QStringLiteral("    HINWEIS: Bei 1000 Sektoren kann ein Bild bis zu 1000 Klicks brauchen, "
                                               "bis es ganz aufgedeckt ist, und jeder Sektor ist nur ein schmaler Strahl. "
                                               "Mehr als 200 Sektoren machen das Aufdecken sehr langwierig.");
        QTest::newRow("1000 Sektoren") << ini({QStringLiteral("8=1000")}, {QStringLiteral("Haus.jpg")})
                                       << QStringList{haus} << 0
                                       << QStringList{tausend, QStringLiteral("  0 Probleme, 1 Hinweis")};
        QTest::newRow("200 Sektoren") << ini({QStringLiteral("8=200")}, {QStringLiteral("Haus.jpg")})
                                      << QStringList{haus} << 0 << QStringList{QStringLiteral("  0 Probleme, 0 Hinweise")};

        // One and two edits away, letter case ignored; three edits and an unlike name get no suggestion.
        QTest::newRow("Meinten Sie")
            << ini({}, {QStringLiteral("Segelbot.jpg"), QStringLiteral("SEGELBOOOT.JPEG"), QStringLiteral("Segelbootxyz.jpg"),
                        QStringLiteral("Zeppelin.jpg")})
            << QStringList{haus, QStringLiteral("Bilder/Segelboot.jpg=jpg:40x30")} << 1
            << QStringList{
                   QStringLiteral("  Zeile 23: Segelbot.jpg"),
                   QStringLiteral("    FEHLER: Datei Bilder/Segelbot.jpg nicht gefunden!"),
                   QStringLiteral("    HINWEIS: Meinten Sie Bilder/Segelboot.jpg?"),
                   QStringLiteral("  Zeile 24: SEGELBOOOT.JPEG"),
                   QStringLiteral("  4 Probleme, 2 Hinweise"),
               };

        QTest::newRow("Kommentar nach dem letzten Bild")
            << ini({}, {QStringLiteral("Haus.jpg"), QStringLiteral("#Ende")}) << QStringList{haus} << 0
            << QStringList{
                   QStringLiteral("  HINWEIS: Nach dem letzten Bild folgen noch Kommentar- oder Leerzeilen: "
                                  "\"Neues Bild\" bleibt dann sichtbar und meldet \"Dateiende erreicht!\"."),
               };
    }
    void ordner()
    {
        auto [iniZeilen, dateien, status, erwartet] =
            hole<QStringList, QStringList, int, QStringList>("iniZeilen", "dateien", "status", "erwartet");

        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        {
            QFile f(tmp.filePath(QStringLiteral("Varno.ini")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(nachWindows1252(iniZeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        }
        for (const QString& d : dateien) {
            QVERIFY(legeDateiAn(tmp.path(), d));
            if (QTest::currentTestFailed())
                return;
        }

        QVERIFY(erwarteBericht(tmp.path(), erwartet, status));
    }

    void kodierung_data()
    {
        spalten<QByteArray, int, QStringList>("daten", "status", "erwartet");

        const QString text = grundIni().join(QStringLiteral("\r\n")) + QStringLiteral("\r\nHaus.jpg\r\n");
        QString nurLf = text;
        nurLf.remove(QLatin1Char('\r'));
        const QString chamaeleon = QStringLiteral("    2. Chamäleon");
        const QString sauber = QStringLiteral("  Das Spiel läuft mit dieser Einstellungsdatei sauber.");
        QTest::newRow("Windows-1252 CR LF")
            << nachWindows1252(text) << 0
            << QStringList{QStringLiteral("  Die Datei ist in Windows-1252 gespeichert, Zeilenenden: CR LF (Windows)."),
                           QStringLiteral("  0 Probleme, 0 Hinweise")};
        QTest::newRow("nur LF") << nachWindows1252(nurLf) << 0
                                << QStringList{
                                       QStringLiteral("  HINWEIS: Die Datei ist in Windows-1252 gespeichert, Zeilenenden: "
                                                      "LF (Linux). Das Spiel liest sie so."),
                                       chamaeleon, sauber,
                                   };
        QTest::newRow("UTF-8") << text.toUtf8() << 0
                               << QStringList{
                                      QStringLiteral("  HINWEIS: Die Datei ist in UTF-8 gespeichert, Zeilenenden: CR LF "
                                                     "(Windows). Das Spiel liest sie so."),
                                      chamaeleon, sauber,
                                  };
        QTest::newRow("UTF-8 mit BOM") << QByteArray("\xEF\xBB\xBF") + text.toUtf8() << 0
                                       << QStringList{
                                              QStringLiteral("  HINWEIS: Die Datei ist in UTF-8 gespeichert, mit Byte-Order-"
                                                             "Mark (BOM), Zeilenenden: CR LF (Windows). Das Spiel liest sie so."),
                                              chamaeleon, sauber,
                                          };
        QTest::newRow("UTF-8 LF") << nurLf.toUtf8() << 0
                                  << QStringList{
                                         QStringLiteral("  HINWEIS: Die Datei ist in UTF-8 gespeichert, Zeilenenden: LF "
                                                        "(Linux). Das Spiel liest sie so."),
                                         chamaeleon, QStringLiteral("  Zeile 23: Haus.jpg"), sauber,
                                     };
        QString gemischt = text;
        gemischt.replace(gemischt.indexOf(QLatin1Char('\r')), 1, QString());
        QTest::newRow("gemischt") << nachWindows1252(gemischt) << 0
                                  << QStringList{QStringLiteral("  HINWEIS: Die Datei ist in Windows-1252 gespeichert, "
                                                                "Zeilenenden: gemischt, 22 × CR LF, 1 × LF. Das Spiel "
                                                                "liest sie so.")};
        QString ascii = nurLf;
        ascii.replace(QStringLiteral("ö"), QStringLiteral("oe")).replace(QStringLiteral("ä"), QStringLiteral("ae"));
        ascii.replace(QStringLiteral("ß"), QStringLiteral("ss"));
        QTest::newRow("ASCII LF") << ascii.toUtf8() << 0
                                  << QStringList{QStringLiteral("  HINWEIS: Die Datei enthält nur ASCII-Zeichen, "
                                                                "Zeilenenden: LF (Linux). Das Spiel liest sie so.")};
        // "ß»" in Windows-1252 is valid UTF-8: read as UTF-8, and the checker says how else it could be meant.
        QString zufall = ascii;
        zufall.replace(QStringLiteral("Chamaeleon"), QStringLiteral("Spaß»"));
        QTest::newRow("Windows-1252 zufällig UTF-8")
            << nachWindows1252(zufall) << 0
            << QStringList{
                   QStringLiteral("  HINWEIS: Die Datei ist in UTF-8 gespeichert, Zeilenenden: LF (Linux). Das Spiel liest "
                                  "sie so."),
                   QStringLiteral("  HINWEIS: Zeile 19 lautet als UTF-8 „Spa") + QChar(0x07FB)
                       + QStringLiteral("“, als Windows-1252 „Spaß»“. Das Spiel liest die ganze Datei als UTF-8, weil "
                                        "sie gültiges UTF-8 ist. Ist sie in Windows-1252 geschrieben, bitte als UTF-8 "
                                        "speichern."),
                   QStringLiteral("    2. Spa") + QChar(0x07FB),
               };
        QTest::newRow("leer") << QByteArray() << 1
                              << QStringList{
                                     QStringLiteral("Am Dateianfang:"),
                                     QStringLiteral("          Die Datei endet vor der ersten Einstellung."),
                                 };
    }
    void kodierung()
    {
        auto [daten, status, erwartet] = hole<QByteArray, int, QStringList>("daten", "status", "erwartet");
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        QFile f(tmp.filePath(QStringLiteral("Varno.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(daten);
        f.close();
        QVERIFY(legeDateiAn(tmp.path(), QStringLiteral("Bilder/Haus.jpg=jpg:40x30")));
        QVERIFY(erwarteBericht(tmp.path(), erwartet, status));
    }

    // The case a reader hands over decides, whatever the message says.
    void meldungNachFall_data()
    {
        spalten<QString, Meldungsfall, QString, QString>("leser", "fall", "text", "erwartet");

        const QString e11 = QStringLiteral("Fehler in der Datei \"Varno.ini\":\n\rDie Standard-Syntax für die Bildnamen "
                                           "(x) enthält keinen *.");
        const QString weiter = QStringLiteral("  Das Spiel liest weiter, beendet sich aber gleich nach dem Start.");
        const QString abbruch = QStringLiteral("  Das Spiel liest die Datei nur bis hierher und beendet sich gleich "
                                               "nach dem Start.");
        QTest::newRow("Musterfehler in anderen Worten") << "Einstellungen" << Meldungsfall::MusterOhneStern
                                                         << "Im Namensmuster fehlt der Stern." << weiter;
        QTest::newRow("Text des Musterfehlers, anderer Fall") << "Einstellungen" << Meldungsfall::Sonstige << e11
                                                               << abbruch;
        QTest::newRow("Strafpunkte in anderen Worten") << "Einstellungsfenster" << Meldungsfall::Strafpunkte
                                                        << "Punktabzug ungültig!" << "Zeile 12:";
        QTest::newRow("Sektoren, im Text Strafpunkte") << "Einstellungsfenster" << Meldungsfall::Sektoren
                                                        << "Erst die Strafpunkte, dann die Sektoren!" << "Zeile 8:";
        QTest::newRow("Listenende in anderen Worten") << "Bilderliste" << Meldungsfall::Listenende
                                                       << "Keine Bilder mehr." << "Ende";
        QTest::newRow("Text des Listenendes, anderer Fall") << "Bilderliste" << Meldungsfall::Sonstige
                                                             << "Dateiende erreicht!" << "Eintrag";
    }
    void meldungNachFall()
    {
        auto [leser, fall, text, erwartet] =
            hole<QString, Meldungsfall, QString, QString>("leser", "fall", "text", "erwartet");

        QString bericht;
        QTextStream aus(&bericht);
        Bericht b(aus);
        if (leser == QLatin1String("Einstellungen")) {
            const bool abgebrochen = berichteLesemeldungen(b, {{Meldungsart::Fehler, fall, text, 21}});
            QCOMPARE(abgebrochen, fall != Meldungsfall::MusterOhneStern);
        } else if (leser == QLatin1String("Einstellungsfenster")) {
            berichtePanelmeldungen(b, {{Meldungsart::Hinweis, fall, text, 30}}, 12, 8, false);
        } else {
            b.zeile(istListenende({{Meldungsart::Hinweis, fall, text, 30}}) ? QStringLiteral("Ende")
                                                                             : QStringLiteral("Eintrag"));
        }
        aus.flush();
        QVERIFY2(bericht.split(QLatin1Char('\n')).contains(erwartet), qPrintable(bericht));
    }

    void ohneEinstellungsdatei()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        Ergebnis e = pruefeOrdner(tmp.path());
        QCOMPARE(e.status, 1);
        QVERIFY2(e.zeilen.contains(QStringLiteral("FEHLER: Ini-Datei Varno.ini nicht gefunden.")), qPrintable(e.text));

        e = pruefeOrdner(tmp.filePath(QStringLiteral("gibt es nicht")));
        QCOMPARE(e.status, 1);
        QVERIFY2(e.zeilen.contains(QStringLiteral("FEHLER: Den Ordner gibt es nicht.")), qPrintable(e.text));

        // The name is found regardless of letter case, as by the game.
        QFile f(tmp.filePath(QStringLiteral("VARNO.INI")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(nachWindows1252(grundIni().join(QStringLiteral("\r\n"))));
        f.close();
        e = pruefeOrdner(tmp.path());
        QVERIFY2(e.zeilen.contains(QStringLiteral("Einstellungsdatei: VARNO.INI")), qPrintable(e.text));
    }

    void ordnerBleibt()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString vorher = QDir::currentPath();
        pruefeOrdner(tmp.path());
        QCOMPARE(QDir::currentPath(), vorher);
    }

    void bildflaecheWieImSpiel_data()
    {
        spalten<QSize, int, int, QSize, QPoint>("fenster", "seitenX", "seitenY", "flaeche", "rahmen");

        QTest::newRow("1000x700 4:3") << QSize(1000, 700) << 4 << 3 << QSize(490, 368) << QPoint(18, 164);
        QTest::newRow("1000x700 3:4") << QSize(1000, 700) << 3 << 4 << QSize(490, 653) << QPoint(18, 22);
        QTest::newRow("1400x700 4:3") << QSize(1400, 700) << 4 << 3 << QSize(880, 660) << QPoint(23, 18);
        QTest::newRow("1400x700 16:9") << QSize(1400, 700) << 16 << 9 << QSize(890, 501) << QPoint(18, 98);
        QTest::newRow("picture size") << QSize(1280, 800) << 1600 << 1200 << QSize(770, 578) << QPoint(18, 109);
        QTest::newRow("below minimum") << QSize(640, 480) << 4 << 3 << QSize(290, 218) << QPoint(18, 189);
        QTest::newRow("no aspect") << QSize(1024, 768) << KeinSeitenverhaeltnis << KeinSeitenverhaeltnis
                                   << QSize(514, 728) << QPoint(18, 18);
    }

    // The checker's formula against the game's own layout handler.
    void bildflaecheWieImSpiel()
    {
        auto [fenster, seitenX, seitenY, flaeche, rahmen] =
            hole<QSize, int, int, QSize, QPoint>("fenster", "seitenX", "seitenY", "flaeche", "rahmen");

        const Bildbereichsmass b = berechneBildflaeche(fenster, seitenX, seitenY);
        QCOMPARE(b.groesse, flaeche);
        QCOMPARE(b.rahmenLinksOben.value_or(QPoint(-1, -1)), rahmen);

        auto st = std::make_unique<Spielstand>();
        st->SeitenX = seitenX;
        st->SeitenY = seitenY;
        // Sized as the checker reckons: the client area as large as the window.
        FakeFenster f;
        f.rand = QSize(0, 0);
        f.setzeInnen(fenster);
        Meldungsfang meldungen;
        Bildbereich bereich(*st, f, meldungen);
        f.beiGroessenaenderung = [&bereich] { bereich.formResize(); };
        bereich.formResize();
        QVERIFY2(meldungen.liste.isEmpty(), qPrintable(meldungen.texte().join(QLatin1Char('|'))));
        QCOMPARE(QSize(st->BildBreite, st->BildHoehe), b.groesse);
        QCOMPARE(f.rahmenRechteck.topLeft(), b.rahmenLinksOben);
    }

    void natuerlicheReihenfolge_data()
    {
        spalten<QString, QString>("vorn", "hinten");
        QTest::newRow("numbers by value") << "Bild 2.jpg" << "Bild 10.jpg";
        QTest::newRow("leading zeros") << "Bild 007.jpg" << "Bild 8.jpg";
        QTest::newRow("letter case ignored") << "apfel.jpg" << "Birne.jpg";
        QTest::newRow("numbers longer than any int") << "x99999999999999999999.jpg" << "x100000000000000000000.jpg";
        QTest::newRow("pictures before the subfolders") << "Z.jpg" << "A/a.jpg";
        QTest::newRow("folders by folder") << "Teil 2/z.jpg" << "Teil 10/a.jpg";
        QTest::newRow("blank before letter") << "Bild 1.jpg" << "Bilder.jpg";
    }
    void natuerlicheReihenfolge()
    {
        auto [vorn, hinten] = hole<QString, QString>("vorn", "hinten");
        QVERIFY(natuerlichVor(vorn, hinten));
        QVERIFY(!natuerlichVor(hinten, vorn));
    }

    // A folder of pictures becomes a game: the settings file in the game's own
    // format, every picture it can carry in natural order, the rest named.
    void neuesSpiel()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QStringList gute = {"Bild 1.JPG", "Bild 2.jpg", "Bild 10.jpg", QStringLiteral("Bilder €ü.jpg"),
                                  "Urlaub/Strand.jpeg", "Urlaub/Alt/Berg.bmp"};
        const QStringList schlechte = {"a?b.jpg", " Leer.jpg", "#Raute.jpg", QStringLiteral("日本.jpg")};
        for (const QString& name : gute + schlechte)
            QVERIFY(legeDateiAn(tmp.path(), name + (name.endsWith(QLatin1String("bmp")) ? "=bmp:40x30" : "=jpg:40x30")));
        QVERIFY(legeDateiAn(tmp.path(), QStringLiteral("liesmich.txt=text:kein Bild")));
        QVERIFY(legeDateiAn(tmp.path(), QStringLiteral("Bild 3.gif=text:kein JPEG")));

        QString text;
        QTextStream aus(&text);
        QCOMPARE(legeSpielAn(tmp.path(), aus), 0);
        aus.flush();
        const QString ini = tmp.filePath(QStringLiteral("Varno.ini"));
        QVERIFY2(text.contains(QStringLiteral("Geschrieben: %1 mit 6 Bildern.").arg(ini)), qPrintable(text));
        for (const QString& name : schlechte)
            QVERIFY2(text.contains(QStringLiteral("  %1: ").arg(name)), qPrintable(name + QLatin1Char('\n') + text));
        QVERIFY(text.contains(QStringLiteral("varno-pruefen %1").arg(tmp.path())));

        QFile f(ini);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray daten = f.readAll();
        QCOMPARE(daten.count('\n'), daten.count("\r\n"));   // CR LF only
        QVERIFY(daten.endsWith("\r\n"));
        QVERIFY(daten.contains("Bilder \x80\xfc.jpg\r\n"));  // Windows-1252

        // The game reads it: defaults, four groups, and the pictures in order.
        Spielstand st;
        Aufnahme ziel;
        Meldungsfang m;
        liesEinstellungen(st, ziel, m, ini);
        QCOMPARE(m.texte(), QStringList());
        QCOMPARE(st.FensterBreite, -1);
        QCOMPARE(st.StandardSeitenX, KeinSeitenverhaeltnis);
        QCOMPARE(st.Testmodus, false);
        QCOMPARE(st.Sektorenzahl, 20);
        QCOMPARE(ziel.gruppen(), (QStringList{"Gruppe 1", "Gruppe 2", "Gruppe 3", "Gruppe 4"}));
        QVERIFY(ziel.aufrufe.contains(QStringLiteral("straf:2")));
        QVERIFY(ziel.aufrufe.contains(QStringLiteral("jede:0")));
        QVERIFY(!ziel.aufrufe.contains(QStringLiteral("verberge")));
        const QString vorher = QDir::currentPath();
        QVERIFY(QDir::setCurrent(tmp.path()));
        QStringList gelesen;
        const Bildvermesser vermesser{nullptr, [](const QString&) { return QSize(4, 3); }};
        while (BildEintragLesen(st, m, vermesser))
            gelesen << st.BildDatei;
        QDir::setCurrent(vorher);
        QCOMPARE(gelesen, gute);
        QCOMPARE(m.texte(), QStringList{QStringLiteral("Dateiende erreicht!")});

        // And the checker passes it.
        const Ergebnis e = pruefeOrdner(tmp.path());
        QVERIFY2(e.status == 0, qPrintable(e.text));
    }

    void neuesSpielNieUeberschrieben_data()
    {
        QTest::addColumn<QString>("vorhanden");   // empty: no settings file, but no picture either
        QTest::newRow("Varno.ini") << "Varno.ini";
        QTest::newRow("other letter case") << "varno.INI";
        QTest::newRow("no pictures") << "";
    }
    void neuesSpielNieUeberschrieben()
    {
        QFETCH(QString, vorhanden);
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        if (!vorhanden.isEmpty()) {
            QVERIFY(legeDateiAn(tmp.path(), QStringLiteral("Bild.jpg=jpg:40x30")));
            QVERIFY(legeDateiAn(tmp.path(), vorhanden + QStringLiteral("=text:#meine Einstellungen")));
        } else {
            QVERIFY(legeDateiAn(tmp.path(), QStringLiteral("Notiz.txt=text:x")));
        }
        QString text;
        QTextStream aus(&text);
        QCOMPARE(legeSpielAn(tmp.path(), aus), 1);
        aus.flush();
        QVERIFY(!text.isEmpty());
        const QStringList dateien = QDir(tmp.path()).entryList(QDir::Files);
        if (vorhanden.isEmpty()) {
            QCOMPARE(dateien, QStringList{"Notiz.txt"});
            return;
        }
        QVERIFY(text.contains(QStringLiteral("gibt es schon eine Einstellungsdatei")));
        QFile f(tmp.filePath(vorhanden));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("#meine Einstellungen"));
        QCOMPARE(dateien.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TstPruefen)
#include "tst_pruefen.moc"
