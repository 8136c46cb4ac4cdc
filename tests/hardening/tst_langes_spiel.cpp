// A long game of 500 pictures, once through the rules and the real picture
// area, once by clicking the main window's buttons: every score matches a
// tally kept here, and the heap does not grow with the number of pictures
// played.

#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QPixmapCache>
#include <QLineEdit>
#include <QRegularExpression>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
#define VARNO_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VARNO_ASAN 1
#endif
#endif
#ifdef VARNO_ASAN
#include <cstddef>
// From the sanitizer runtime; gcc installs no header for it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

#include "app/bildknopf.h"
#include "app/gruppenzeile.h"
#include "app/hauptfenster.h"
#include "core/hilfen.h"
#include "settings/einstellungen.h"
#include "tests/render/testbilder.h"
#include "tests/settings/attrappen.h"
#include "welt.h"

namespace {

constexpr int Bilder = 500;
constexpr int Gruppen = 4;
constexpr int Sektoren = 12;
constexpr int Strafe = 3;

// Bytes the program holds on the heap right now.
qint64 belegterSpeicher()
{
#ifdef VARNO_ASAN
    return qint64(__sanitizer_get_current_allocated_bytes());
#else
    return qint64(mallinfo2().uordblks);
#endif
}


// Twenty small pictures of different shapes, half JPEG, half BMP, and a
// "Varno.ini" that plays them 500 times with every positioning code, the
// settings panel hidden. Returns the settings file, empty on failure.
QString legeSpielAn(const QTemporaryDir& dir)
{
    QStringList namen;
    for (int i = 0; i < 20; ++i) {
        const int w = 40 + (i * 7) % 40;
        const int h = 30 + (i * 11) % 40;
        const QImage bild = verlauf(w, h);
        QString name;
        bool geschrieben;
        if (i % 2) {
            name = QStringLiteral("bild%1.bmp").arg(i);
            geschrieben = bild.save(dir.filePath(name), "BMP");
        } else {
            name = QStringLiteral("Bild%1.JPG").arg(i);
            geschrieben = schreibeDatei(dir.filePath(name), jpegDaten(bild));
        }
        if (!geschrieben)
            return QString();
        namen << name;
    }

    QList<QByteArray> zeilen{"#Fenster", "1024,768", "#Seitenverhältnis", "*", "#Testmodus", "0",
                             "#Sektoren", QByteArray::number(Sektoren), "#Jede Gruppe", "0", "#Strafpunkte",
                             QByteArray::number(Strafe), "#Einstellungsfenster", "0", "#Gruppen",
                             QByteArray::number(Gruppen), "#Namen", "Adler", "Biber", "Chamäleon", "Dachs",
                             "#Muster", dir.path().toUtf8() + "/*", "#Bilder"};
    const char* const codes[] = {"", "?m", "?n", "?o", "?u", "?l", "?r"};
    for (int i = 0; i < Bilder; ++i)
        zeilen << namen[i % namen.size()].toUtf8() + codes[i % 7];
    const QString ini = dir.filePath(QStringLiteral("Varno.ini"));
    return schreibeDatei(ini, verbinde(zeilen)) ? ini : QString();
}

// The same draws on every run.
class FesterZufall : public StandardZufall {
public:
    void saeen(std::uint64_t) override { StandardZufall::saeen(20240607); }
};

} // namespace

class TstLangesSpiel : public QObject {
    Q_OBJECT

private slots:
    void fuenfhundertBilder();
    void fuenfhundertBilderImFenster();
};

void TstLangesSpiel::fuenfhundertBilder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    const QString ini = legeSpielAn(dir);
    QVERIFY(!ini.isEmpty());

    EchteWelt w;
    FesterZufall zufall;
    Spiel spiel(w.st, w.anzeige, w.bild, w.fenster, w.meldungen, zufall);
    Aufnahme ziel;
    w.st.FensterBreite = 520;
    w.st.FensterHoehe = 498;
    liesEinstellungen(w.st, ziel, w.meldungen, ini);
    QCOMPARE(w.meldungen.texte(), QStringList());
    QCOMPARE(w.st.Gruppenzahl, Gruppen);
    w.anzeige.zeilen = Gruppen;
    w.anzeige.einstellungenSichtbar = false;
    w.anzeige.sektoren = QString::number(Sektoren);
    w.anzeige.straf = QString::number(Strafe);
    w.anzeige.jede = false;

    auto ereignis = [&w](auto f) { alsEreignis(w.meldungen, f); };
    std::array<int, Gruppen> tally{};
    auto pruefePunkte = [&](int bild) {
        for (int g = 0; g < Gruppen; ++g) {
            if (w.st.Punktestand[g] != tally[g] || w.anzeige.punkteText[g] != punkteText(tally[g]))
                return QStringLiteral("Bild %1, Gruppe %2: %3 statt %4")
                    .arg(bild).arg(g).arg(w.st.Punktestand[g]).arg(tally[g]);
        }
        return QString();
    };
    auto aufdecken = [&] { ereignis([&] { spiel.BWeiterClick(); }); };
    auto anspruch = [&]() -> int {
        const QList<int> offen = w.anzeige.sichtbareAntworten();
        if (offen.isEmpty())
            return -1;
        const int g = offen.first();
        ereignis([&] { spiel.BAntwortClick(100 + g); });
        return g;
    };

    ereignis([&] { spiel.startschritte(); });   // hidden panel: OK runs, the first picture begins
    QCOMPARE(w.meldungen.texte(), QStringList());

    qint64 heap50 = 0, rss50 = 0, hwm50 = 0;
    for (int bild = 0; bild < Bilder; ++bild) {
        QVERIFY2(w.st.VerdecktZahl == Sektoren, qPrintable(QStringLiteral("Bild %1 beginnt nicht verdeckt").arg(bild)));
        const int aufgedeckt = 1 + bild % 5;
        for (int k = 0; k < aufgedeckt; ++k)
            aufdecken();
        QCOMPARE(w.st.VerdecktZahl, Sektoren - aufgedeckt);

        switch (bild % 10) {
        case 6:
        case 7:   // nobody knows it: revealed to the end
            while (w.st.VerdecktZahl > 0)
                aufdecken();
            break;
        case 9: {   // corrected by hand first
            ereignis([&] { spiel.BPunkteEingebenClick(); });
            for (int g = 0; g < Gruppen; ++g) {
                tally[g] = (bild * 37 + g * 101) % 400 - 200;
                w.anzeige.eingabe[g] = QString::number(tally[g]);
            }
            ereignis([&] { spiel.BPunkteEingebenClick(); });
            QVERIFY2(pruefePunkte(bild).isEmpty(), qPrintable(pruefePunkte(bild)));
            [[fallthrough]];
        }
        default: {
            if (bild % 3 == 0) {   // a wrong answer first
                const int falsch = anspruch();
                QVERIFY(falsch >= 0);
                ereignis([&] { spiel.BFalschClick(); });
                tally[falsch] -= Strafe;
                aufdecken();
            }
            const int g = anspruch();
            QVERIFY(g >= 0);
            tally[g] += w.st.VerdecktZahl - 1;
            ereignis([&] { spiel.BRichtigClick(); });
        }
        }
        QVERIFY2(pruefePunkte(bild).isEmpty(), qPrintable(pruefePunkte(bild)));
        QVERIFY2(w.meldungen.liste.isEmpty(), qPrintable(w.meldungen.texte().join(QLatin1Char('|'))));
        QVERIFY(!w.bild.iBild().isNull());
        QVERIFY(w.anzeige.istAktiv(Knopf::NeuesBild));

        if (bild == 49) {
            heap50 = belegterSpeicher();
            rss50 = statusKb("VmRSS:");
            hwm50 = statusKb("VmHWM:");
        }
        if (bild + 1 < Bilder)
            ereignis([&] { spiel.BNeuesBildClick(); });
    }
    // The last entry was the file's last line.
    QVERIFY(!w.anzeige.istSichtbar(Knopf::NeuesBild));
    QCOMPARE(w.bild.dekodierZaehler(), Bilder);

    const qint64 heap500 = belegterSpeicher();
    qInfo("Heap nach Bild 50: %lld kB, nach Bild 500: %lld kB; VmRSS %lld -> %lld kB, VmHWM %lld -> %lld kB",
          heap50 / 1024, heap500 / 1024, rss50, statusKb("VmRSS:"), hwm50, statusKb("VmHWM:"));
    QVERIFY2(heap500 - heap50 < 20 * 1024 * 1024,
             qPrintable(QStringLiteral("heap grew by %1 kB").arg((heap500 - heap50) / 1024)));
#ifndef VARNO_ASAN
    // The sanitizer's quarantine and valgrind's own memory would count in the peak.
    if (!qgetenv("LD_PRELOAD").contains("vgpreload"))
        QVERIFY2(statusKb("VmHWM:") - hwm50 < 20 * 1024,
                 qPrintable(QStringLiteral("peak grew by %1 kB").arg(statusKb("VmHWM:") - hwm50)));
#endif
}

// The same game played by clicking the window's buttons on the offscreen
// platform: the points come from the label the groups see, the scores from
// the scoreboard, and the shown picture is the picture area's.
void TstLangesSpiel::fuenfhundertBilderImFenster()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString ini = legeSpielAn(dir);
    QVERIFY(!ini.isEmpty());

    FakeMeldungen meldungen;
    FesterZufall zufall;
    // Qt's style keeps the pictures of drawn buttons in a shared cache capped
    // at 10 MB, keyed by palette; every row colour change adds new entries
    // until the cap. Without it, whatever grows belongs to this program.
    const int cacheGrenze = QPixmapCache::cacheLimit();
    QPixmapCache::setCacheLimit(0);
    const auto zurueck = qScopeGuard([cacheGrenze] { QPixmapCache::setCacheLimit(cacheGrenze); });
    TForm1 f(meldungen, zufall, ini);
    f.zeigeZentriert();
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QTRY_VERIFY(f.startschritteGelaufen());   // hidden panel: OK runs, the first picture begins
    QCoreApplication::processEvents();
    QCOMPARE(meldungen.texte(), QStringList());
    QCOMPARE(f.zeilenzahl(), Gruppen);

    auto knopf = [&f](const char* name) { return f.knopf(QLatin1String(name)); };
    auto klicke = [](QAbstractButton* b) {
        if (!b->isVisible() || !b->isEnabled())
            return false;
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
        return true;
    };
    auto aufdecken = [&] { return klicke(knopf("BBweiter")); };
    auto anspruch = [&]() -> int {
        for (int g = 0; g < Gruppen; ++g) {
            if (f.zeile(g)->antwortKnopf()->isVisible())
                return klicke(f.zeile(g)->antwortKnopf()) ? g : -1;
        }
        return -1;
    };
    // What a right answer earns now, as the points label shows it.
    const QRegularExpression punkteSatz(QStringLiteral("^Hierfür gibt es (\\d+) Punkte?\\.$"));
    auto angezeigtePunkte = [&]() -> int {
        const auto* label = qobject_cast<QLabel*>(f.steuerelement(QStringLiteral("LPunkte")));
        const auto treffer = punkteSatz.match(label->text());
        return label->isVisible() && treffer.hasMatch() ? treffer.captured(1).toInt() : -1;
    };

    std::array<int, Gruppen> tally{};
    auto pruefePunkte = [&](int bild) {
        for (int g = 0; g < Gruppen; ++g) {
            if (f.zeile(g)->punkteLabel()->text() != punkteText(tally[g]))
                return QStringLiteral("Bild %1, Gruppe %2: \"%3\" statt %4")
                    .arg(bild).arg(g).arg(f.zeile(g)->punkteLabel()->text()).arg(tally[g]);
        }
        return QString();
    };

    qint64 heap50 = 0;
    for (int bild = 0; bild < Bilder; ++bild) {
        const int aufgedeckt = 1 + bild % 5;
        for (int k = 0; k < aufgedeckt; ++k)
            QVERIFY2(aufdecken(), qPrintable(QStringLiteral("Bild %1: nicht aufdeckbar").arg(bild)));

        switch (bild % 10) {
        case 6:
        case 7:   // nobody knows it: revealed to the end
            while (aufdecken()) {
            }
            QCOMPARE(f.spielstand().VerdecktZahl, 0);
            break;
        case 9: {   // corrected by hand first
            QVERIFY(klicke(knopf("BBpunkteEingeben")));
            for (int g = 0; g < Gruppen; ++g) {
                QLineEdit* feld = f.zeile(g)->eingabe();
                QVERIFY(feld->isVisible());
                QCOMPARE(feld->text(), QString::number(tally[g]));
                tally[g] = (bild * 37 + g * 101) % 400 - 200;
                feld->setText(QString::number(tally[g]));
            }
            QVERIFY(klicke(knopf("BBeingabeFertig")));
            QVERIFY(!f.zeile(0)->eingabe()->isVisible());
            QVERIFY2(pruefePunkte(bild).isEmpty(), qPrintable(pruefePunkte(bild)));
            [[fallthrough]];
        }
        default: {
            if (bild % 3 == 0) {   // a wrong answer first
                const int falsch = anspruch();
                QVERIFY(falsch >= 0);
                QVERIFY(klicke(knopf("BBfalsch")));
                tally[falsch] -= Strafe;
                QVERIFY(aufdecken());
            }
            const int punkte = angezeigtePunkte();
            QVERIFY2(punkte > 0, qPrintable(QStringLiteral("Bild %1: kein Punktesatz").arg(bild)));
            const int g = anspruch();
            QVERIFY(g >= 0);
            QVERIFY(klicke(knopf("BBrichtig")));
            tally[g] += punkte;
        }
        }
        QVERIFY2(pruefePunkte(bild).isEmpty(), qPrintable(pruefePunkte(bild)));
        QVERIFY2(meldungen.liste.isEmpty(), qPrintable(meldungen.texte().join(QLatin1Char('|'))));
        if (bild % 50 == 0) {
            // What the window shows is the uncovered picture.
            QCoreApplication::processEvents();
            QCOMPARE(f.steuerelement(QStringLiteral("Image3"))->grab().toImage().convertToFormat(QImage::Format_RGB32),
                     f.bildbereich().sichtbaresBild().convertToFormat(QImage::Format_RGB32));
        }
        if (bild == 49)
            heap50 = belegterSpeicher();
        QCoreApplication::processEvents();   // paints and posted events, as between clicks
        if (bild + 1 < Bilder)
            QVERIFY2(klicke(knopf("BBneuesBild")), qPrintable(QStringLiteral("Bild %1: kein neues Bild").arg(bild)));
    }
    QVERIFY(knopf("BBneuesBild")->isHidden());
    QCOMPARE(f.bildbereich().dekodierZaehler(), Bilder);

    const qint64 heap500 = belegterSpeicher();
    qInfo("Fenster: Heap nach Bild 50: %lld kB, nach Bild 500: %lld kB", heap50 / 1024, heap500 / 1024);
    QVERIFY2(heap500 - heap50 < 1024 * 1024,
             qPrintable(QStringLiteral("heap grew by %1 kB").arg((heap500 - heap50) / 1024)));
}

QTEST_MAIN(TstLangesSpiel)
#include "tst_langes_spiel.moc"
