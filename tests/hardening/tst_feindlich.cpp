// Hostile settings and picture files: each ends in a clear message, and what
// the game held before stays as it was.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include <jpeglib.h>
#include <jerror.h>

#include "core/hilfen.h"
#include "fuzz/eingabe.h"
#include "settings/bildeintrag.h"
#include "settings/einstellungen.h"
#include "aufnahme.h"
#include "meldungsfang.h"
#include "pruefe.h"
#include "spieldatei.h"
#include "speicher.h"
#include "tabelle.h"
#include "testbilder.h"
#include "welt.h"

namespace {

const QString Ini = QStringLiteral("\"Varno.ini\"");

QString fehlendeDaten(const QString& grund)
{
    return QStringLiteral("Fehlende Daten in der Datei \"Varno.ini\":\n\r") + grund;
}

QString endetVor(const QString& was)
{
    return fehlendeDaten(QStringLiteral("Die Datei endet vor ") + was + QLatin1Char('.'));
}

QString einstellungsFehler(const char* nummer, const QString& grund)
{
    return QStringLiteral("Fehler bei der ") + QString::fromUtf8(nummer)
           + QStringLiteral(" Einstellung in der Datei \"Varno.ini\":\n\r") + grund;
}

QByteArray w1252(const QString& text)
{
    return nachWindows1252(text);
}

// The settings of a complete file, up to and including the comment before the pictures.
QList<QByteArray> einstellungsZeilen(const QString& muster = QStringLiteral("Bilder\\Bild*.jpg"))
{
    return Spieldatei{.fenster = QStringLiteral("max"),
                      .gruppen = {QStringLiteral("Adler"), QStringLiteral("Biber"), QStringLiteral("Chamäleon")},
                      .muster = muster, .bilder = {}}
        .windowsZeilen();
}

struct Gelesen {
    Spielstand st;
    Aufnahme ziel;
    Meldungsfang meldungen;
};

[[nodiscard]] bool lies(Gelesen& g, const QByteArray& daten, QTemporaryDir& dir)
{
    const QString pfad = dir.filePath(QStringLiteral("Varno.ini"));
    PRUEFE(schreibeDatei(pfad, daten));
    liesEinstellungen(g.st, g.ziel, g.meldungen, pfad);
    return true;
}

QImage kleinesBild(int breite = 64, int hoehe = 48)
{
    return verlauf(breite, hoehe);
}

} // namespace

class TstFeindlich : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    // A game whose first picture was won by group 1 with the given file in
    // place for the second entry; returns the state before the second picture.
    void spieleErstesBild(EchteWelt& w, const QString& zweiterEintrag)
    {
        QVERIFY(schreibeDatei(m_dir.filePath(QStringLiteral("gut.jpg")), jpegDaten(kleinesBild())));
        w.einstellen(3, m_dir.path() + QLatin1Char('/'), QString(),
                     QByteArray("gut.jpg\r") + zweiterEintrag.toUtf8() + QByteArray("\r#Ende\r"));
        // What OK in the settings panel would have taken over.
        w.st.Sektorenzahl = 8;
        w.st.Strafpunkte = 2;
        w.st.JedeGruppeTippt = true;
        w.neuesBild();
        w.deckeEinenAuf();
        w.deckeEinenAuf();
        w.antwort(1);
        w.richtig();
        QCOMPARE(w.meldungen.texte(), QStringList());
        QCOMPARE(w.st.Punktestand[1], 5);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
    }

    void leereDatei_data()
    {
        QTest::addColumn<QByteArray>("daten");
        QTest::newRow("0 Byte") << QByteArray();
        QTest::newRow("nur Zeilenenden") << QByteArray("\r\n\r\n\r\r");
        QTest::newRow("nur Leerzeichen und Tabs") << QByteArray("  \t \r\n \r\n");
        QTest::newRow("Strg+Z am Anfang") << QByteArray("\x1a#Fenster\r\nmax\r\n");
        QTest::newRow("nur Kommentare") << QByteArray("#a\r\n#b\r\n#c");
    }
    void leereDatei()
    {
        QFETCH(QByteArray, daten);
        Gelesen g;
        QVERIFY(lies(g, daten, m_dir));
        QCOMPARE(g.meldungen.texte(), QStringList{endetVor(QStringLiteral("der ersten Einstellung"))});
        QCOMPARE(g.meldungen.liste.first().art, Meldungsart::Fehler);
        QVERIFY(g.st.StartFehler);
        QVERIFY(g.ziel.aufrufe.isEmpty());
        QCOMPARE(g.st.Gruppenzahl, 0);
    }

    void endetInAbschnitt_data()
    {
        // meldung: empty: read without error
        spalten<int, QString, int>("zeilen", "meldung", "gruppen");

        const QString leer = QString();
        QTest::newRow("0") << 0 << endetVor(QStringLiteral("der ersten Einstellung")) << 0;
        QTest::newRow("1 Kommentar") << 1 << endetVor(QStringLiteral("der ersten Einstellung")) << 0;
        QTest::newRow("2 Fenster") << 2 << endetVor(QStringLiteral("der zweiten Einstellung")) << 0;
        // A comment block at the very end is followed by an empty value.
        QTest::newRow("3") << 3
                           << einstellungsFehler("zweiten", QStringLiteral("Die Einstellung für das Standard-Seitenverhältnis "
                                                                           "muss einen Doppelpunkt enthalten."))
                           << 0;
        QTest::newRow("4") << 4 << endetVor(QStringLiteral("der dritten Einstellung")) << 0;
        QTest::newRow("5") << 5
                           << einstellungsFehler("dritten", QStringLiteral("Beim Testmodus muss eine 0 oder eine 1 "
                                                                           "angegeben werden."))
                           << 0;
        QTest::newRow("6") << 6 << endetVor(QStringLiteral("der vierten Einstellung")) << 0;
        QTest::newRow("7") << 7 << endetVor(QStringLiteral("der fünften Einstellung")) << 0;
        QTest::newRow("8") << 8 << endetVor(QStringLiteral("der fünften Einstellung")) << 0;
        QTest::newRow("9") << 9
                           << einstellungsFehler("fünften", QStringLiteral("Bei der Einstellung, ob jede Gruppe tippen darf, "
                                                                           "muss eine 0 oder eine 1 angegeben werden."))
                           << 0;
        QTest::newRow("10") << 10 << endetVor(QStringLiteral("der sechsten Einstellung")) << 0;
        QTest::newRow("11") << 11 << endetVor(QStringLiteral("der siebten Einstellung")) << 0;
        QTest::newRow("12") << 12 << endetVor(QStringLiteral("der siebten Einstellung")) << 0;
        QTest::newRow("13") << 13
                            << einstellungsFehler("siebten", QStringLiteral("Für die Anzeige des Einstellungsfensters "
                                                                            "muss eine 0 oder eine 1 angegeben werden."))
                            << 0;
        QTest::newRow("14") << 14 << endetVor(QStringLiteral("der achten Einstellung")) << 0;
        QTest::newRow("15") << 15 << einstellungsFehler("achten", QStringLiteral("Die Anzahl der Gruppen ist keine Zahl."))
                            << 0;
        QTest::newRow("16 Gruppenzahl") << 16 << endetVor(QStringLiteral("den Gruppennamen")) << 0;
        const QString zuWenig = QStringLiteral("Fehler in der Datei \"Varno.ini\":\n\rEs sind nicht genügend "
                                               "Gruppennamen eingetragen.");
        QTest::newRow("17") << 17 << zuWenig << 0;
        QTest::newRow("18 ein Name") << 18 << zuWenig << 1;
        QTest::newRow("19 zwei Namen") << 19 << zuWenig << 2;
        QTest::newRow("20 alle Namen")
            << 20 << fehlendeDaten(QStringLiteral("Wahrscheinlich sind zu wenig Gruppennamen eingegeben.")) << 3;
        QTest::newRow("21") << 21 << endetVor(QStringLiteral("der Liste der Bilder")) << 3;
        QTest::newRow("22 Muster") << 22 << endetVor(QStringLiteral("der Liste der Bilder")) << 3;
        QTest::newRow("23 vollständig") << 23 << leer << 3;
    }
    void endetInAbschnitt()
    {
        auto [zeilen, meldung, gruppen] = hole<int, QString, int>("zeilen", "meldung", "gruppen");

        // Each cut once after a line end and once without the last line end.
        const QList<QByteArray> alle = einstellungsZeilen();
        QCOMPARE(alle.size(), 23);
        const QByteArray daten = verbinde(alle.mid(0, zeilen));
        for (const QByteArray& variante : {daten, daten.endsWith("\r\n") ? daten.chopped(2) : daten}) {
            Gelesen g;
            QVERIFY(lies(g, variante, m_dir));
            QCOMPARE(g.meldungen.texte(), meldung.isEmpty() ? QStringList() : QStringList{meldung});
            QCOMPARE(g.st.StartFehler, !meldung.isEmpty());
            QCOMPARE(g.ziel.gruppen().size(), gruppen);

            // What follows the settings can only be the end of the list.
            if (!g.st.StartFehler) {
                Meldungsfang m;
                QVERIFY(!BildEintragLesen(g.st, m, Bildvermesser{}));
                QCOMPARE(m.texte(), QStringList{QStringLiteral("Dateiende erreicht!")});
            }
        }
    }

    void zeileVon10MB_data()
    {
        // stelle: line of the example file replaced by the long line
        spalten<int, QString>("stelle", "meldung");
        const QString ohneKomma = einstellungsFehler(
            "ersten", QStringLiteral("Die Einstellung für die Fenstergröße muss ein Komma enthalten."));
        QTest::newRow("erste Einstellung") << 1 << ohneKomma;
        QTest::newRow("Kommentar") << 2 << QString();
        QTest::newRow("Gruppenname") << 17 << QString();
        QTest::newRow("Bildeintrag") << 24 << QString();
        QTest::newRow("ganze Datei ohne Zeilenende") << -1 << ohneKomma;
    }
    void zeileVon10MB()
    {
        auto [stelle, meldung] = hole<int, QString>("stelle", "meldung");

        QByteArray lang(10 * 1024 * 1024, 'x');
        for (qsizetype i = 0; i < lang.size(); i += 997)
            lang[i] = char(0xe4);   // ä
        lang[1] = 'y';              // neither a comment nor a known value
        QList<QByteArray> zeilen = einstellungsZeilen(m_dir.path() + QStringLiteral("/*.jpg"));
        zeilen << "01";
        QByteArray daten;
        if (stelle < 0) {
            daten = lang;
        } else {
            if (stelle == 2)
                lang[0] = '#';
            if (stelle < zeilen.size())
                zeilen[stelle] = lang;
            else
                zeilen << lang;
            daten = verbinde(zeilen);
        }

        Gelesen g;
        QVERIFY(lies(g, daten, m_dir));
        QCOMPARE(g.meldungen.texte(), meldung.isEmpty() ? QStringList() : QStringList{meldung});
        if (!meldung.isEmpty())
            return;
        const QStringList gruppen = g.ziel.gruppen();
        QCOMPARE(gruppen.size(), 3);
        if (stelle == 17)
            QCOMPARE(gruppen.first(), ausWindows1252(lang));

        // The entries: 01 first (missing), then the long one (missing too, named in full).
        Meldungsfang m;
        QVERIFY(!BildEintragLesen(g.st, m, Bildvermesser{}));
        QCOMPARE(m.texte().value(0),
                 QStringLiteral("Datei ") + m_dir.path() + QStringLiteral("/01.jpg nicht gefunden!"));
        if (stelle == 24) {
            QVERIFY(!BildEintragLesen(g.st, m, Bildvermesser{}));
            QCOMPARE(m.texte().value(1), QStringLiteral("Datei ") + m_dir.path() + QLatin1Char('/')
                                             + ausWindows1252(lang) + QStringLiteral(".jpg nicht gefunden!"));
        }
        QVERIFY(!BildEintragLesen(g.st, m, Bildvermesser{}));
        QCOMPARE(m.texte().last(), QStringLiteral("Dateiende erreicht!"));
    }

    void hunderttausendEintraege()
    {
        QVERIFY(schreibeDatei(m_dir.filePath(QStringLiteral("b.jpg")), jpegDaten(kleinesBild())));
        QList<QByteArray> zeilen = einstellungsZeilen(m_dir.path() + QStringLiteral("/*.jpg"));
        constexpr int Eintraege = 100'000;
        QByteArray daten = verbinde(zeilen);
        daten.reserve(daten.size() + Eintraege * 8);
        for (int i = 0; i < Eintraege; ++i)
            daten += (i % 1000 == 999) ? QByteArray("fehlt\r\n") : QByteArray(i % 2 ? "b?m\r\n" : "b\r\n");

        Gelesen g;
        QVERIFY(lies(g, daten, m_dir));
        QVERIFY(g.meldungen.liste.isEmpty());
        Meldungsfang m;
        int gelesen = 0;
        for (int i = 0; i < Eintraege; ++i) {
            if (BildEintragLesen(g.st, m, Bildvermesser{}))
                ++gelesen;
        }
        QCOMPARE(gelesen, Eintraege - Eintraege / 1000);
        QCOMPARE(m.liste.size(), Eintraege / 1000);
        QCOMPARE(m.texte().first(), QStringLiteral("Datei ") + m_dir.path() + QStringLiteral("/fehlt.jpg nicht gefunden!"));
        QVERIFY(!BildEintragLesen(g.st, m, Bildvermesser{}));
        QCOMPARE(m.texte().last(), QStringLiteral("Dateiende erreicht!"));
    }

    void dreissigLangeNamen()
    {
        QList<QByteArray> zeilen = einstellungsZeilen();
        zeilen[15] = "30";
        QStringList namen;
        for (int i = 0; i < 30; ++i) {
            QString name = QStringLiteral("Gruppe %1 ÄÖÜäöüß€ ").arg(i);
            while (name.size() < 5000)
                name += QStringLiteral("Chamäleon %1 ").arg(name.size());
            name.truncate(5000);
            namen << name;
        }
        QList<QByteArray> neu = zeilen.mid(0, 17);
        for (const QString& n : namen)
            neu << w1252(n);
        neu << zeilen.mid(20);

        Gelesen g;
        QVERIFY(lies(g, verbinde(neu), m_dir));
        QVERIFY(g.meldungen.liste.isEmpty());
        QCOMPARE(g.st.Gruppenzahl, 30);
        QCOMPARE(g.ziel.gruppen(), namen);
    }

    void byteAnJederStelle_data()
    {
        QTest::addColumn<int>("byte");   // -1: the file cut off there
        QTest::newRow("0") << 0;
        QTest::newRow("26 (Strg+Z)") << 26;
        QTest::newRow("255") << 255;
        QTest::newRow("abgeschnitten") << -1;
    }
    void byteAnJederStelle()
    {
        QFETCH(int, byte);
        QVERIFY(schreibeDatei(m_dir.filePath(QStringLiteral("01.jpg")), jpegDaten(kleinesBild())));
        QList<QByteArray> zeilen = einstellungsZeilen(m_dir.path() + QStringLiteral("/*.jpg"));
        zeilen[3] = "*";
        zeilen << "01" << "02?o" << "01?m";
        const QByteArray gut = verbinde(zeilen);

        for (qsizetype i = 0; i < gut.size(); ++i) {
            QByteArray daten = gut;
            if (byte < 0)
                daten.truncate(i);
            else
                daten[i] = char(byte);
            // Every outcome is a success or one of the program's own messages.
            const QString fehler = Eingabe::bildeintraege(daten);
            QVERIFY2(fehler.isEmpty(), qPrintable(QStringLiteral("Stelle %1: ").arg(i) + fehler));

            // Ctrl+Z ends the file right there.
            if (byte == 26) {
                Gelesen mit, ohne;
                QVERIFY(lies(mit, daten, m_dir));
                QVERIFY(lies(ohne, gut.left(i), m_dir));
                QCOMPARE(mit.meldungen.texte(), ohne.meldungen.texte());
                QCOMPARE(mit.ziel.aufrufe, ohne.ziel.aufrufe);
            }
        }
    }

    void kaputtesBild_data()
    {
        // meldung: empty: the picture shows
        spalten<QString, QByteArray, QString>("name", "daten", "meldung");

        const QByteArray jpeg = jpegDaten(kleinesBild());
        const QByteArray bmp = bmpDaten(kleinesBild());
        const QString bitmapUngueltig = QStringLiteral("Bitmap ist ungültig.");
        auto jpegFehler = [](int code) { return QStringLiteral("JPEG-Fehlernr. %1.").arg(code); };

        QTest::newRow("jpeg 0 Byte") << "leer.jpg" << QByteArray() << jpegFehler(JERR_INPUT_EMPTY);
        QTest::newRow("jpeg Text") << "text.jpg" << QByteArray("Kein Bild") << jpegFehler(JERR_NO_SOI);
        QTest::newRow("jpeg nur SOI") << "soi.jpg" << QByteArray("\xff\xd8", 2) << jpegFehler(JERR_NO_IMAGE);
        QTest::newRow("jpeg ohne Bilddaten") << "kopf.jpg" << jpeg.left(jpeg.indexOf(QByteArray("\xff\xda", 2)))
                                             << jpegFehler(JERR_SOF_NO_SOS);
        // libjpeg fills a cut-off scan and warns only.
        QTest::newRow("jpeg in den Bilddaten abgeschnitten") << "halb.jpg" << jpeg.left(jpeg.size() / 2 + 200) << QString();
        QByteArray verfaelscht = jpeg;
        for (qsizetype i = jpeg.indexOf(QByteArray("\xff\xda", 2)) + 20; i < verfaelscht.size() - 2; i += 7)
            verfaelscht[i] = char(verfaelscht[i] ^ 0x5a);
        QTest::newRow("jpeg verfälschte Bilddaten") << "falsch.jpg" << verfaelscht << QString();
        QByteArray sofKaputt = jpeg;
        sofKaputt[jpeg.indexOf(QByteArray("\xff\xc0", 2)) + 9] = 0;   // no components
        QTest::newRow("jpeg ohne Farbkomponenten") << "komp.jpg" << sofKaputt << jpegFehler(JERR_EMPTY_IMAGE);
        QTest::newRow("jpeg Breite 0") << "null.jpg" << mitKopfgroesse(jpeg, true, 0, 48) << jpegFehler(JERR_EMPTY_IMAGE);

        QTest::newRow("bmp 0 Byte") << "leer.bmp" << QByteArray() << bitmapUngueltig;
        QTest::newRow("bmp Text") << "text.bmp" << QByteArray("Kein Bild") << bitmapUngueltig;
        QTest::newRow("bmp nur Dateikopf") << "kopf.bmp" << bmp.left(14) << bitmapUngueltig;
        QTest::newRow("bmp ohne Bildpunkte") << "ohne.bmp" << bmp.left(54) << bitmapUngueltig;
        // Qt's reader keeps the rows it got.
        QTest::newRow("bmp halb") << "halb.bmp" << bmp.left(bmp.size() / 2) << QString();
        QByteArray tiefe = bmp;
        tiefe[28] = 7;   // 7 bits per pixel
        QTest::newRow("bmp 7 Bit je Bildpunkt") << "tiefe.bmp" << tiefe << bitmapUngueltig;
        QTest::newRow("bmp Breite 0") << "null.bmp" << mitKopfgroesse(bmp, false, 0, 48) << bitmapUngueltig;
    }
    void kaputtesBild()
    {
        auto [name, daten, meldung] = hole<QString, QByteArray, QString>("name", "daten", "meldung");
        QVERIFY(schreibeDatei(m_dir.filePath(name), daten));

        EchteWelt w;
        spieleErstesBild(w, name);
        if (QTest::currentTestFailed())
            return;
        w.neuesBild();
        QCOMPARE(w.meldungen.texte(), QStringList());
        const Schnappschuss vorher(w);
        w.deckeEinenAuf();
        if (meldung.isEmpty()) {
            QCOMPARE(w.meldungen.texte(), QStringList());
            QCOMPARE(w.st.VerdecktZahl, 7);
            QCOMPARE(w.bild.iBild().size(), QSize(w.st.BildBreite, w.st.BildHoehe));
            return;
        }
        QCOMPARE(w.meldungen.mitArt(), nurMeldung(Meldungsart::Ausnahme, meldung));
        QCOMPARE(Schnappschuss(w).unterschied(vorher), QString());

        // The game goes on with the next entry.
        w.neuesBild();
        QCOMPARE(w.meldungen.texte().last(), QStringLiteral("Dateiende erreicht!"));
        QCOMPARE(w.st.Punktestand[1], 5);
    }

    void riesigerKopf_data()
    {
        spalten<QString, int, int>("name", "breite", "hoehe");
        QTest::newRow("jpeg 65535 × 65535") << "riesig.jpg" << 65535 << 65535;
        QTest::newRow("jpeg 65535 × 1") << "lang.jpg" << 65535 << 1;
        QTest::newRow("bmp 65535 × 65535") << "riesig.bmp" << 65535 << 65535;
        QTest::newRow("bmp 65535 × 1") << "lang.bmp" << 65535 << 1;
    }
    void riesigerKopf()
    {
        auto [name, breite, hoehe] = hole<QString, int, int>("name", "breite", "hoehe");
        const bool jpeg = name.endsWith(QLatin1String(".jpg"));
        const QByteArray klein = jpeg ? jpegDaten(kleinesBild()) : bmpDaten(kleinesBild());
        QVERIFY(schreibeDatei(m_dir.filePath(name), mitKopfgroesse(klein, jpeg, breite, hoehe)));
        const QString pfad = m_dir.path() + QLatin1Char('/') + name;
        const QString zuGross = QStringLiteral("Das Bild %1 ist mit %2 × %3 Pixeln zu groß.").arg(pfad).arg(breite).arg(hoehe);

        // Measured while each picture keeps its own aspect.
        {
            EchteWelt w;
            spieleErstesBild(w, name);
            if (QTest::currentTestFailed())
                return;
            w.st.StandardSeitenX = w.st.StandardSeitenY = KeinSeitenverhaeltnis;
            const qint64 spitzeVorher = statusKb("VmHWM:");
            const Schnappschuss vorher(w);
            w.neuesBild();
            QCOMPARE(w.meldungen.texte(), QStringList{zuGross});
            QCOMPARE(w.meldungen.liste.first().art, Meldungsart::Ausnahme);
            QCOMPARE(w.st.Punktestand, vorher.punkte);
            QCOMPARE(w.anzeige.sichtbar, vorher.sichtbar);
            QCOMPARE(w.anzeige.aktiv, vorher.aktiv);
            // Refused from the header: the picture's memory (GBs) was never taken.
            QVERIFY2(statusKb("VmHWM:") - spitzeVorher < 64 * 1024,
                     qPrintable(QStringLiteral("%1 kB mehr").arg(statusKb("VmHWM:") - spitzeVorher)));
        }
        // Rendered at the first reveal with a fixed aspect.
        {
            EchteWelt w;
            spieleErstesBild(w, name);
            if (QTest::currentTestFailed())
                return;
            w.neuesBild();
            const Schnappschuss vorher(w);
            w.deckeEinenAuf();
            QCOMPARE(w.meldungen.texte(), QStringList{zuGross});
            QCOMPARE(Schnappschuss(w).unterschied(vorher), QString());
        }
    }

    void seltsamerPfad_data()
    {
        QTest::addColumn<QString>("art");
        QTest::newRow("Ordner") << "ordner";
        QTest::newRow("baumelnder Link") << "link";
        QTest::newRow("benannte Pipe") << "pipe";
        QTest::newRow("unlesbar") << "unlesbar";
    }
    void seltsamerPfad()
    {
        QFETCH(QString, art);
        const QString name = art + QStringLiteral(".jpg");
        const QString pfad = m_dir.path() + QLatin1Char('/') + name;
        QFile::remove(pfad);
        QDir(pfad).removeRecursively();
        if (art == QLatin1String("ordner")) {
            QVERIFY(QDir().mkpath(pfad));
        } else if (art == QLatin1String("link")) {
            QVERIFY(QFile::link(m_dir.path() + QStringLiteral("/gibt-es-nicht.jpg"), pfad));
        } else if (art == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(QFile::encodeName(pfad).constData(), 0600), 0);
        } else {
            if (::geteuid() == 0)
                QSKIP("root reads files without read permission");
            QVERIFY(schreibeDatei(pfad, jpegDaten(kleinesBild())));
            QVERIFY(QFile::setPermissions(pfad, QFileDevice::Permissions()));
        }

        EchteWelt w;
        spieleErstesBild(w, name);
        if (QTest::currentTestFailed())
            return;
        const Schnappschuss vorher(w);
        w.neuesBild();
        if (art != QLatin1String("unlesbar")) {
            QCOMPARE(w.meldungen.texte(), QStringList{QStringLiteral("Datei ") + pfad + QStringLiteral(" nicht gefunden!")});
            QCOMPARE(w.meldungen.liste.first().art, Meldungsart::Hinweis);
            QCOMPARE(Schnappschuss(w).unterschied(vorher), QString());
            return;
        }
        // It exists, so the picture begins; reading fails at the first reveal.
        QCOMPARE(w.meldungen.texte(), QStringList());
        const Schnappschuss begonnen(w);
        w.deckeEinenAuf();
        QCOMPARE(w.meldungen.texte(),
                 QStringList{QStringLiteral("Datei ") + pfad + QStringLiteral(" kann nicht geöffnet werden.")});
        QCOMPARE(Schnappschuss(w).unterschied(begonnen), QString());
    }

    void umlauteImPfad_data()
    {
        spalten<QByteArray, bool, QByteArray>("vorspann", "utf8", "ende");
        QTest::newRow("Windows-1252 CR LF") << QByteArray() << false << QByteArray("\r\n");
        QTest::newRow("UTF-8 LF") << QByteArray() << true << QByteArray("\n");
        QTest::newRow("UTF-8 mit BOM, CR LF") << QByteArray("\xEF\xBB\xBF") << true << QByteArray("\r\n");
    }
    void umlauteImPfad()
    {
        auto [vorspann, utf8, ende] = hole<QByteArray, bool, QByteArray>("vorspann", "utf8", "ende");
        // Written in Windows-1252 or UTF-8 in the settings file, stored in UTF-8 on disk.
        QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("Bilder Ä"))));
        const QString datei = m_dir.filePath(QStringLiteral("Bilder Ä/Grüße Müller.jpg"));
        QVERIFY(schreibeDatei(datei, jpegDaten(einfarbig(64, 48, qRgb(200, 30, 30)))));
        QVERIFY(QFile::exists(QString::fromUtf8(QFile::encodeName(datei))));
        QCOMPARE(QFile::encodeName(datei), datei.toUtf8());

        QList<QByteArray> zeilen = einstellungsZeilen(QDir::toNativeSeparators(m_dir.path())
                                                      + QStringLiteral("\\Bilder ä\\Grüße *.jpg"));
        zeilen[1] = "800,600";
        zeilen[13] = "0";
        zeilen << w1252(QStringLiteral("Müller?m"));
        QVERIFY(zeilen.last().contains('\xfc'));
        if (utf8) {
            for (QByteArray& z : zeilen)
                z = ausWindows1252(z).toUtf8();
        }

        EchteWelt w;
        Aufnahme ziel;
        const QString ini = m_dir.filePath(QStringLiteral("Varno.ini"));
        QVERIFY(schreibeDatei(ini, vorspann + verbinde(zeilen, ende)));
        liesWieDasFenster(w.st, ziel, w.meldungen, ini);
        QCOMPARE(w.meldungen.texte(), QStringList());
        w.anzeige.zeilen = w.st.Gruppenzahl;
        w.st.Sektorenzahl = 8;
        w.st.JedeGruppeTippt = true;

        w.neuesBild();
        QCOMPARE(w.meldungen.texte(), QStringList());
        QCOMPARE(w.st.BildPosition, QStringLiteral("m"));
        QVERIFY(w.st.BildDatei.endsWith(QStringLiteral("Grüße Müller.jpg")));
        w.deckeEinenAuf();
        QCOMPARE(w.meldungen.texte(), QStringList());
        const QImage& bild = w.bild.iBild();
        QVERIFY(!bild.isNull());
        const QRgb mitte = bild.pixel(bild.width() / 2, bild.height() / 2);
        QVERIFY2(qRed(mitte) > 150 && qGreen(mitte) < 80, qPrintable(QString::number(mitte, 16)));
    }
};

QTEST_MAIN(TstFeindlich)
#include "tst_feindlich.moc"
