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
#include "aufnahme.h"
#include "core/hilfen.h"
#include "meldungsfang.h"
#include "settings/einstellungen.h"
#include "speicher.h"
#include "spieldatei.h"
#include "testbilder.h"
#include "testfenster.h"
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

    Spieldatei datei{.fenster = QStringLiteral("1024,768"), .seiten = QStringLiteral("*"),
                     .sektoren = QString::number(Sektoren), .strafe = QString::number(Strafe),
                     .panel = QStringLiteral("0"),
                     .gruppen = {QStringLiteral("Adler"), QStringLiteral("Biber"), QStringLiteral("Chamäleon"),
                                 QStringLiteral("Dachs")},
                     .muster = dir.path() + QStringLiteral("/*"), .bilder = {}};
    const char* const codes[] = {"", "?m", "?n", "?o", "?u", "?l", "?r"};
    for (int i = 0; i < Bilder; ++i)
        datei.bilder << namen[i % namen.size()] + QLatin1String(codes[i % 7]);
    const QString ini = dir.filePath(QStringLiteral("Varno.ini"));
    return datei.schreibe(ini) ? ini : QString();
}

// The same draws on every run.
class FesterZufall : public StandardZufall {
public:
    void saeen(std::uint64_t) override { StandardZufall::saeen(20240607); }
};

} // namespace

// What the script below needs of a game: the logic with its fakes, or the window.
class Spieler {
public:
    virtual ~Spieler() = default;
    virtual bool aufdecken() = 0;
    virtual int verdeckt() const = 0;
    // The group whose answer button was clicked, -1 if none was shown.
    virtual int anspruch() = 0;
    virtual bool falsch() = 0;
    virtual bool richtig() = 0;
    // What a right answer earns now, -1 if it cannot be told.
    virtual int punkteJetzt() const = 0;
    // Replaces the scores by hand; an error text, empty on success.
    virtual QString korrigiere(const std::array<int, Gruppen>& alt, const std::array<int, Gruppen>& neu) = 0;
    // An error text when a group's score is not its tally.
    virtual QString pruefePunkte(int bild, const std::array<int, Gruppen>& tally) const = 0;
};

// One picture of the long game: reveals, nobody knowing it, a correction by
// hand, a wrong answer and a right one, by the picture's number. Keeps the
// tally; returns an error text, empty when all went as expected.
QString spieleBild(Spieler& s, int bild, std::array<int, Gruppen>& tally)
{
    auto fehler = [bild](const QString& was) { return QStringLiteral("Bild %1: ").arg(bild) + was; };
    if (s.verdeckt() != Sektoren)
        return fehler(QStringLiteral("beginnt nicht verdeckt"));
    const int aufgedeckt = 1 + bild % 5;
    for (int k = 0; k < aufgedeckt; ++k) {
        if (!s.aufdecken())
            return fehler(QStringLiteral("nicht aufdeckbar"));
    }
    if (s.verdeckt() != Sektoren - aufgedeckt)
        return fehler(QStringLiteral("falsch gezählt"));

    switch (bild % 10) {
    case 6:
    case 7:   // nobody knows it: revealed to the end
        while (s.verdeckt() > 0) {
            if (!s.aufdecken())
                return fehler(QStringLiteral("nicht bis zum Ende aufdeckbar"));
        }
        break;
    case 9: {   // corrected by hand first
        std::array<int, Gruppen> neu{};
        for (int g = 0; g < Gruppen; ++g)
            neu[g] = (bild * 37 + g * 101) % 400 - 200;
        if (const QString f = s.korrigiere(tally, neu); !f.isEmpty())
            return fehler(f);
        tally = neu;
        if (const QString f = s.pruefePunkte(bild, tally); !f.isEmpty())
            return f;
        [[fallthrough]];
    }
    default: {
        if (bild % 3 == 0) {   // a wrong answer first
            const int falsch = s.anspruch();
            if (falsch < 0 || !s.falsch())
                return fehler(QStringLiteral("keine falsche Antwort möglich"));
            tally[falsch] -= Strafe;
            if (!s.aufdecken())
                return fehler(QStringLiteral("nach falscher Antwort nicht aufdeckbar"));
        }
        const int punkte = s.punkteJetzt();
        if (punkte <= 0)
            return fehler(QStringLiteral("kein Punktesatz"));
        const int g = s.anspruch();
        if (g < 0 || !s.richtig())
            return fehler(QStringLiteral("keine richtige Antwort möglich"));
        tally[g] += punkte;
    }
    }
    return s.pruefePunkte(bild, tally);
}

class TstLangesSpiel : public QObject {
    Q_OBJECT

    // The game folder both cases play; the game only reads it.
    QTemporaryDir m_dir;
    QString m_ini;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_ini = legeSpielAn(m_dir);
        QVERIFY(!m_ini.isEmpty());
    }

    void fuenfhundertBilder()
    {
        EchteWelt w;
        FesterZufall zufall;
        Spiel spiel(w.st, w.anzeige, w.bild, w.fenster, w.meldungen, zufall);
        Zuschauer zuschauer(w.anzeige);
        spiel.beobachte(zuschauer);
        Aufnahme ziel;
        liesWieDasFenster(w.st, ziel, w.meldungen, m_ini);
        QCOMPARE(w.meldungen.texte(), QStringList());
        QCOMPARE(w.st.Gruppenzahl, Gruppen);
        w.anzeige.zeilen = Gruppen;
        w.anzeige.einstellungenSichtbar = false;
        w.anzeige.sektoren = QString::number(Sektoren);
        w.anzeige.straf = QString::number(Strafe);
        w.anzeige.jede = false;

        auto ereignis = [&w](auto f) { alsEreignis(w.meldungen, f); };
        // Each action is taken only where a quiz master could take it (the button
        // shown and enabled) and reports whether it had its effect, so that a rule
        // that refuses or does nothing fails the game instead of passing unseen.
        struct Regeln : Spieler {
            EchteWelt& w;
            Spiel& spiel;
            int dran = -1;   // the group whose claim was taken last
            Regeln(EchteWelt& welt, Spiel& s) : w(welt), spiel(s) {}
            // Runs a handler; false if it showed a message box.
            bool ereignis(const std::function<void()>& f)
            {
                const qsizetype vorher = w.meldungen.liste.size();
                alsEreignis(w.meldungen, f);
                return w.meldungen.liste.size() == vorher;
            }
            bool klickbar(Knopf k) const { return w.anzeige.istSichtbar(k) && w.anzeige.istAktiv(k); }
            bool aufdecken() override
            {
                const int vorher = w.st.VerdecktZahl;
                return klickbar(Knopf::Weiter) && ereignis([&] { spiel.BWeiterClick(); })
                    && w.st.VerdecktZahl == vorher - 1;
            }
            int verdeckt() const override { return w.st.VerdecktZahl; }
            int anspruch() override
            {
                const QList<int> offen = w.anzeige.sichtbareAntworten();
                if (offen.isEmpty())
                    return -1;
                const int g = offen.first();
                // The claim took: the verdict buttons are open now.
                const bool genommen = ereignis([&] { spiel.BAntwortClick(AntwortTagBasis + g); })
                    && klickbar(Knopf::Richtig) && klickbar(Knopf::Falsch);
                dran = genommen ? g : -1;
                return dran;
            }
            // A verdict took when it changed the claiming group's score by the
            // expected amount; the tally in spieleBild checks the rest.
            bool urteil(Knopf k, int aenderung)
            {
                const int g = std::exchange(dran, -1);
                if (g < 0 || !klickbar(k))
                    return false;
                const int vorher = w.st.Punktestand[g];
                Spiel& s = spiel;
                const bool richtig = k == Knopf::Richtig;
                return ereignis([&s, richtig] { richtig ? s.BRichtigClick() : s.BFalschClick(); })
                    && w.st.Punktestand[g] == vorher + aenderung
                    && !klickbar(k);
            }
            bool falsch() override { return urteil(Knopf::Falsch, -Strafe); }
            bool richtig() override { return urteil(Knopf::Richtig, punkteJetzt()); }
            int punkteJetzt() const override { return w.st.VerdecktZahl - 1; }
            QString korrigiere(const std::array<int, Gruppen>& alt, const std::array<int, Gruppen>& neu) override
            {
                if (!klickbar(Knopf::PunkteEingeben) || !ereignis([&] { spiel.BPunkteEingebenClick(w.anzeige.eingaben()); }))
                    return QStringLiteral("\"Punkte eingeben\" nicht klickbar");
                for (int g = 0; g < Gruppen; ++g) {
                    if (!w.anzeige.eingabeSichtbar[g] || w.anzeige.eingabe[g] != QString::number(alt[g]))
                        return QStringLiteral("Punktefeld %1 zeigt \"%2\"").arg(g).arg(w.anzeige.eingabe[g]);
                    w.anzeige.eingabe[g] = QString::number(neu[g]);
                }
                if (!ereignis([&] { spiel.BPunkteEingebenClick(w.anzeige.eingaben()); }) || w.anzeige.eingabeSichtbar[0])
                    return QStringLiteral("Eingabe nicht beendet: ") + w.meldungen.texte().join(QLatin1Char('|'));
                return QString();
            }
            QString pruefePunkte(int bild, const std::array<int, Gruppen>& tally) const override
            {
                for (int g = 0; g < Gruppen; ++g) {
                    if (w.st.Punktestand[g] != tally[g] || w.anzeige.punkteText[g] != punkteText(tally[g]))
                        return QStringLiteral("Bild %1, Gruppe %2: %3 statt %4")
                            .arg(bild).arg(g).arg(w.st.Punktestand[g]).arg(tally[g]);
                }
                return QString();
            }
        } regeln(w, spiel);
        std::array<int, Gruppen> tally{};

        // hidden panel: OK runs, the first picture begins
        ereignis([&] { spiel.startschritte(false, w.anzeige.panel()); });
        QCOMPARE(w.meldungen.texte(), QStringList());

        qint64 heap50 = 0, rss50 = 0, hwm50 = 0;
        for (int bild = 0; bild < Bilder; ++bild) {
            const QString fehler = spieleBild(regeln, bild, tally);
            QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
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
        // A second view heard the whole game and saw what the window showed.
        QVERIFY2(zuschauer.fehler.isEmpty(), qPrintable(zuschauer.fehler.mid(0, 5).join(QLatin1Char('|'))));
        QCOMPARE(zuschauer.ohneAufdecken().count(QStringLiteral("BildBegonnen")), Bilder);
        QCOMPARE(zuschauer.ohneAufdecken().count(QStringLiteral("ListeZuEnde")), 1);

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
    void fuenfhundertBilderImFenster()
    {
        Meldungsfang meldungen;
        FesterZufall zufall;
        // Qt's style keeps the pictures of drawn buttons in a shared cache capped
        // at 10 MB, keyed by palette; every row colour change adds new entries
        // until the cap. Without it, whatever grows belongs to this program.
        const int cacheGrenze = QPixmapCache::cacheLimit();
        QPixmapCache::setCacheLimit(0);
        const auto zurueck = qScopeGuard([cacheGrenze] { QPixmapCache::setCacheLimit(cacheGrenze); });
        Testfenster f(meldungen, zufall, m_ini);
        f.zeigeZentriert();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QTRY_VERIFY(f.startschritteGelaufen());   // hidden panel: OK runs, the first picture begins
        QCoreApplication::processEvents();
        QCOMPARE(meldungen.texte(), QStringList());
        QCOMPARE(f.zeilenzahl(), Gruppen);

        auto knopf = [&f](const char* name) { return f.knopf(QLatin1String(name)); };
        struct Maus : Spieler {
            Testfenster& f;
            // What a right answer earns now, as the points label shows it.
            const QRegularExpression punkteSatz{QStringLiteral("^Hierfür gibt es (\\d+) Punkte?\\.$")};
            explicit Maus(Testfenster& fenster) : f(fenster) {}
            static bool klicke(QAbstractButton* b)
            {
                if (!b->isVisible() || !b->isEnabled())
                    return false;
                QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
                return true;
            }
            bool klicke(const char* name) { return klicke(f.knopf(QLatin1String(name))); }
            bool aufdecken() override { return klicke("BBweiter"); }
            int verdeckt() const override { return f.spielstand().VerdecktZahl; }
            int anspruch() override
            {
                for (int g = 0; g < Gruppen; ++g) {
                    if (f.zeile(g)->antwortKnopf()->isVisible())
                        return klicke(f.zeile(g)->antwortKnopf()) ? g : -1;
                }
                return -1;
            }
            bool falsch() override { return klicke("BBfalsch"); }
            bool richtig() override { return klicke("BBrichtig"); }
            int punkteJetzt() const override
            {
                const auto* label = qobject_cast<QLabel*>(f.steuerelement(QStringLiteral("LPunkte")));
                const auto treffer = punkteSatz.match(label->text());
                return label->isVisible() && treffer.hasMatch() ? treffer.captured(1).toInt() : -1;
            }
            QString korrigiere(const std::array<int, Gruppen>& alt, const std::array<int, Gruppen>& neu) override
            {
                if (!klicke("BBpunkteEingeben"))
                    return QStringLiteral("\"Punkte eingeben\" nicht klickbar");
                for (int g = 0; g < Gruppen; ++g) {
                    QLineEdit* feld = f.zeile(g)->eingabe();
                    if (!feld->isVisible() || feld->text() != QString::number(alt[g]))
                        return QStringLiteral("Punktefeld %1 zeigt \"%2\"").arg(g).arg(feld->text());
                    feld->setText(QString::number(neu[g]));
                }
                if (!klicke("BBeingabeFertig") || f.zeile(0)->eingabe()->isVisible())
                    return QStringLiteral("Eingabe nicht beendet");
                return QString();
            }
            QString pruefePunkte(int bild, const std::array<int, Gruppen>& tally) const override
            {
                for (int g = 0; g < Gruppen; ++g) {
                    if (f.zeile(g)->punkteLabel()->text() != punkteText(tally[g]))
                        return QStringLiteral("Bild %1, Gruppe %2: \"%3\" statt %4")
                            .arg(bild).arg(g).arg(f.zeile(g)->punkteLabel()->text()).arg(tally[g]);
                }
                return QString();
            }
        } maus(f);

        std::array<int, Gruppen> tally{};
        qint64 heap50 = 0;
        for (int bild = 0; bild < Bilder; ++bild) {
            const QString fehler = spieleBild(maus, bild, tally);
            QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
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
                QVERIFY2(maus.klicke("BBneuesBild"), qPrintable(QStringLiteral("Bild %1: kein neues Bild").arg(bild)));
        }
        QVERIFY(knopf("BBneuesBild")->isHidden());
        QCOMPARE(f.bildbereich().dekodierZaehler(), Bilder);

        const qint64 heap500 = belegterSpeicher();
        qInfo("Fenster: Heap nach Bild 50: %lld kB, nach Bild 500: %lld kB", heap50 / 1024, heap500 / 1024);
        QVERIFY2(heap500 - heap50 < 1024 * 1024,
                 qPrintable(QStringLiteral("heap grew by %1 kB").arg((heap500 - heap50) / 1024)));
    }
};

QTEST_MAIN(TstLangesSpiel)
#include "tst_langes_spiel.moc"
