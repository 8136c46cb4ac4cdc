// A long game of 500 pictures through the rules and the real picture area:
// every score matches a tally kept here, and the heap does not grow with the
// number of pictures played.

#include <QBuffer>
#include <QDir>
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
};

void TstLangesSpiel::fuenfhundertBilder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    // Twenty small pictures of different shapes, half JPEG, half BMP.
    QStringList namen;
    for (int i = 0; i < 20; ++i) {
        const int w = 40 + (i * 7) % 40;
        const int h = 30 + (i * 11) % 40;
        const QImage bild = verlauf(w, h);
        QString name;
        if (i % 2) {
            name = QStringLiteral("bild%1.bmp").arg(i);
            QVERIFY(bild.save(dir.filePath(name), "BMP"));
        } else {
            name = QStringLiteral("Bild%1.JPG").arg(i);
            QVERIFY(schreibeDatei(dir.filePath(name), jpegDaten(bild)));
        }
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
    QVERIFY(schreibeDatei(ini, verbinde(zeilen)));

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

QTEST_MAIN(TstLangesSpiel)
#include "tst_langes_spiel.moc"
