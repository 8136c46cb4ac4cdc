// The game rules played through whole pictures with scripted draws.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <climits>
#include <memory>

#include "core/meldungen.h"
#include "core/spielstand.h"
#include "game/rangliste.h"
#include "game/spiel.h"
#include "game/spielbild.h"
#include "pruefe.h"
#include "tabelle.h"
#include "testbilder.h"
#include "welt.h"

namespace {

constexpr Panelfarbe K = Panelfarbe::Knopfflaeche;
constexpr Panelfarbe H = Panelfarbe::Hellgelb;
constexpr Panelfarbe S = Panelfarbe::Silber;

using Farben = QList<Panelfarbe>;
using Zahlen = QList<int>;
using Klaenge = QList<Klang>;
constexpr Klang Meldung = Klang::Meldung, Richtig = Klang::Richtig, Falsch = Klang::Falsch,
                Aufgedeckt = Klang::Aufgedeckt;

// Plays a game of three groups and two pictures (20 sectors, 2 penalty
// points) into one state; the draws always take the first candidate, so
// group 0 starts and, after its "falsch", group 1 has the turn.
// `vorUrteil` receives the row colours and the answer buttons shown just
// before the last verdict.
template <class W>
[[nodiscard]] bool spieleBis(W& s, const QString& zustand, QPair<Farben, Zahlen>* vorUrteil = nullptr)
{
    const auto merke = [&s, vorUrteil] {
        if (vorUrteil)
            *vorUrteil = {s.anzeige.farben(), s.anzeige.sichtbareAntworten()};
    };
    static const QStringList zustaende{"Einstellungen", "Angekündigt", "Offen", "Antwort", "nach falsch",
                                       "falsch, Ende", "zurückgenommen", "nach richtig", "neues Bild",
                                       "Erschöpft", "Vorschau"};
    PRUEFE(zustaende.contains(zustand));
    const bool eine = !s.anzeige.jede && !s.st.Testmodus;
    s.starten();
    if (zustand == "Einstellungen")
        return true;
    if (!s.anzeige.jede)
        s.zufall.erwarte(3, 0);
    s.ok();
    if (zustand == "Angekündigt" || zustand == "Vorschau")
        return true;
    s.deckeEinenAuf();
    if (zustand == "Offen")
        return true;
    s.antwort(0);
    if (zustand == "Antwort")
        return true;
    if (zustand == "nach falsch" || zustand == "falsch, Ende" || zustand == "zurückgenommen") {
        if (eine)
            s.zufall.erwarte(2, 0);
        merke();
        s.falsch();
        if (zustand == "falsch, Ende")
            PRUEFE(s.spiel.beendeBild());
        if (zustand == "zurückgenommen")
            PRUEFE(s.spiel.nimmUrteilZurueck());
        return true;
    }
    merke();
    s.richtig();
    if (zustand == "nach richtig")
        return true;
    if (eine)
        s.zufall.erwarte(2, 0);
    s.neuesBild();
    if (zustand == "neues Bild")
        return true;
    s.deckeEinenAuf();
    s.antwort(s.anzeige.sichtbareAntworten().value(0, -1));
    merke();
    s.richtig();
    return true;   // Erschöpft
}

} // namespace

class TestSpiel : public QObject {
    Q_OBJECT

    std::unique_ptr<Welt> w;

    // A game in which every group may claim, its first picture announced.
    Welt& angekuendigt(int gruppen, const QStringList& bilder, const QString& sektoren = QStringLiteral("20"),
                       const QString& strafe = QStringLiteral("2"))
    {
        w->einrichten(gruppen, bilder);
        w->anzeige.jede = true;
        w->anzeige.sektoren = sektoren;
        w->anzeige.straf = strafe;
        w->starten();
        w->ok();
        return *w;
    }

    // Three groups in the single-group mode, played until group 2 has just
    // taken over on picture 2 after group 0's wrong answer.
    void spieleBisBild2GruppeZweiDran()
    {
        Welt& s = *w;
        s.einrichten(3, {"b1", "b2", "b3"});
        s.starten();
        s.zufall.erwarte(3, 1);
        s.ok();
        s.aufdecken(18);
        s.antwort(1);
        s.zufall.erwarte(2, 1);
        s.falsch();
        s.antwort(2);
        s.richtig();
        s.zufall.erwarte(1, 0);
        s.neuesBild();
        s.aufdecken(12);
        s.antwort(0);
        s.zufall.erwarte(2, 1);
        s.falsch();
    }

private slots:
    void init()
    {
        w = std::make_unique<Welt>();
        QVERIFY(w->dir.isValid());
    }

    void cleanup()
    {
        QVERIFY2(w->zufall.fehler.isEmpty(), qPrintable(w->zufall.fehler.join(QStringLiteral("; "))));
        QVERIFY2(w->zufall.erwartet.isEmpty(), "scripted draws were not used");
        QVERIFY2(w->anzeige.fehler.isEmpty(), qPrintable(w->anzeige.fehler.join(QStringLiteral("; "))));
        // The second view saw, at every announcement, what the window showed.
        QVERIFY2(w->zuschauer.fehler.isEmpty(), qPrintable(w->zuschauer.fehler.join(QStringLiteral("; "))));
        w.reset();
    }

    void beispielDreiGruppen()
    {
        Welt& s = *w;
        s.einrichten(3, {"b1", "b2", "b3", "b4"});
        s.starten();
        QCOMPARE(s.st.StartpoolZahl, 0);
        QCOMPARE(s.dran(), Zahlen({0, 0, 0}));

        // Picture 1: a new cycle, the draw picks the second candidate.
        s.zufall.erwarte(3, 1);
        s.ok();
        QCOMPARE(s.meldungen.texte(), QStringList());
        QCOMPARE(s.st.Strafpunkte, 2);
        QCOMPARE(s.st.Sektorenzahl, 20);
        QCOMPARE(s.imSpiel(), Zahlen({0, 1, 2}));
        QCOMPARE(s.pool(), Zahlen({0, 2}));
        QCOMPARE(s.dran(), Zahlen({0, 1, 0}));
        QCOMPARE(s.anzeige.sichtbareAntworten(), Zahlen({1}));
        QCOMPARE(s.anzeige.farben(), Farben({K, H, K}));
        QCOMPARE(s.st.AktiveGruppe, 1);
        QCOMPARE(s.st.VerdecktZahl, 20);
        QVERIFY(s.anzeige.istAktiv(Knopf::Weiter));
        QVERIFY(!s.anzeige.istAktiv(Knopf::NeuesBild));

        s.aufdecken(18);
        s.antwort(1);
        QCOMPARE(s.st.AktiveGruppe, 1);
        QVERIFY(s.anzeige.istAktiv(Knopf::Richtig));
        QVERIFY(!s.anzeige.istAktiv(Knopf::Weiter));
        s.zufall.erwarte(2, 1);
        s.falsch();
        QCOMPARE(s.klaenge.liste, Klaenge({Meldung, Falsch}));
        QCOMPARE(s.st.Punktestand[1], -2);
        QCOMPARE(s.anzeige.punkteText[1], QStringLiteral("-2 Punkte"));
        QCOMPARE(s.imSpiel(), Zahlen({0, 2}));
        QCOMPARE(s.dran(), Zahlen({0, 1, 1}));
        QCOMPARE(s.anzeige.sichtbareAntworten(), Zahlen({2}));
        QCOMPARE(s.anzeige.farben(), Farben({K, S, H}));
        QCOMPARE(s.st.AktiveGruppe, -1);
        QVERIFY(s.anzeige.istAktiv(Knopf::Weiter));
        QVERIFY(!s.anzeige.istAktiv(Knopf::Richtig));
        QVERIFY(!s.anzeige.istAktiv(Knopf::Falsch));

        s.antwort(2);
        s.richtig();
        QCOMPARE(s.klaenge.liste, Klaenge({Meldung, Falsch, Meldung, Richtig}));
        QCOMPARE(s.st.Punktestand[2], 17);
        QCOMPARE(s.anzeige.punkteText[2], QStringLiteral("17 Punkte"));
        QCOMPARE(s.anzeige.farben(), Farben({K, S, K}));
        QCOMPARE(s.pool(), Zahlen({0, 2}));
        QCOMPARE(s.dran(), Zahlen({0, 1, 1}));
        QCOMPARE(s.anzeige.sichtbareAntworten(), Zahlen());
        QCOMPARE(s.st.VerdecktZahl, 0);
        QCOMPARE(s.st.AktiveGruppe, -1);
        QVERIFY(s.anzeige.istAktiv(Knopf::NeuesBild));
        QVERIFY(!s.anzeige.istAktiv(Knopf::Weiter));
        QVERIFY(!s.anzeige.punkteLabelSichtbar);
        QVERIFY(s.protokoll.endsWith(QStringLiteral("ganz")));
        QCOMPARE(s.zuschauer.ohneAufdecken(),
                 QStringList({"EinstellungenBestaetigt", "BildBegonnen", "Anspruch 1",
                              "Urteil 1 falsch -2", "Anspruch 2", "Urteil 2 richtig +17",
                              "BildEndeMitGewinner 2"}));
        QCOMPARE(s.zuschauer.ereignisse.mid(2, 2), QStringList({"Aufgedeckt 0", "Aufgedeckt 1"}));
        QCOMPARE(s.zuschauer.letztes.phase, Bildphase::Bereit);
        QCOMPARE(s.zuschauer.letztes.gruppen[2].punkte, 17);
        QCOMPARE(s.zuschauer.letztes.gruppen[2].name, QStringLiteral("Gruppe 3"));

        // Picture 2: the pool still holds 0 and 2; group 0 has fewer turns.
        s.zufall.erwarte(1, 0);
        s.neuesBild();
        QCOMPARE(s.imSpiel(), Zahlen({0, 1, 2}));
        QCOMPARE(s.anzeige.farben(), Farben({H, S, K}));
        QCOMPARE(s.dran(), Zahlen({1, 1, 1}));
        QCOMPARE(s.pool(), Zahlen({2}));
        QCOMPARE(s.anzeige.sichtbareAntworten(), Zahlen({0}));

        s.aufdecken(12);
        s.antwort(0);
        s.zufall.erwarte(2, 1);
        s.falsch();
        QCOMPARE(s.st.Punktestand[0], -2);
        QCOMPARE(s.imSpiel(), Zahlen({1, 2}));
        QCOMPARE(s.dran(), Zahlen({1, 1, 2}));
        QCOMPARE(s.anzeige.sichtbareAntworten(), Zahlen({2}));
        QCOMPARE(s.anzeige.farben(), Farben({S, S, H}));

        s.antwort(2);
        s.richtig();
        QCOMPARE(s.st.Punktestand[2], 28);
        QCOMPARE(s.anzeige.punkteText[2], QStringLiteral("28 Punkte"));
        QCOMPARE(s.anzeige.farben(), Farben({S, S, K}));
        QCOMPARE(s.pool(), Zahlen({2}));
        QCOMPARE(s.dran(), Zahlen({1, 1, 2}));

        // Picture 3: group 2 is the only one left in the pool.
        s.zufall.erwarte(1, 0);
        s.neuesBild();
        QCOMPARE(s.anzeige.sichtbareAntworten(), Zahlen({2}));
        QCOMPARE(s.anzeige.farben(), Farben({S, S, H}));
        QCOMPARE(s.pool(), Zahlen());
        QCOMPARE(s.dran(), Zahlen({1, 1, 3}));
        s.aufdecken(19);
        s.antwort(2);
        s.richtig();
        QCOMPARE(s.st.Punktestand[2], 46);
        QCOMPARE(s.anzeige.farben(), Farben({S, S, S}));

        // Picture 4 begins a new cycle; group 2 has had the most turns.
        s.zufall.erwarte(2, 1);
        s.neuesBild();
        QCOMPARE(s.pool(), Zahlen({0, 2}));
        QCOMPARE(s.dran(), Zahlen({1, 2, 3}));
        QCOMPARE(s.anzeige.farben(), Farben({K, H, K}));
        QCOMPARE(s.anzeige.sichtbareAntworten(), Zahlen({1}));
        // The last entry has begun: "Neues Bild" is gone.
        QVERIFY(!s.anzeige.istSichtbar(Knopf::NeuesBild));
        QCOMPARE(s.zuschauer.ohneAufdecken().mid(s.zuschauer.ohneAufdecken().size() - 2),
                 QStringList({"BildBegonnen", "ListeZuEnde"}));
        QCOMPARE(s.zuschauer.letztes.bildnummer, 4);
        QCOMPARE(s.zuschauer.letztes.amZug, 1);
        QCOMPARE(s.meldungen.texte(), QStringList());
    }

    void beispielAlternativesEnde()
    {
        Welt& s = *w;
        spieleBisBild2GruppeZweiDran();
        QCOMPARE(s.anzeige.sichtbareAntworten(), Zahlen({2}));

        s.antwort(2);
        s.zufall.erwarte(1, 0);
        s.falsch();
        QCOMPARE(s.st.Punktestand[2], 15);
        QCOMPARE(s.imSpiel(), Zahlen({1}));
        QCOMPARE(s.dran(), Zahlen({1, 2, 2}));
        QCOMPARE(s.anzeige.sichtbareAntworten(), Zahlen({1}));
        QCOMPARE(s.anzeige.farben(), Farben({S, H, K}));   // group 2 is still in the pool

        s.antwort(1);
        s.zufall.erwarte(1, 0);
        s.falsch();
        QCOMPARE(s.st.Punktestand[1], -4);
        QCOMPARE(s.anzeige.punkteText[1], QStringLiteral("-4 Punkte"));
        QCOMPARE(s.imSpiel(), Zahlen({0, 2}));
        QCOMPARE(s.dran(), Zahlen({2, 2, 2}));
        QCOMPARE(s.anzeige.sichtbareAntworten(), Zahlen({0}));
        QCOMPARE(s.anzeige.farben(), Farben({H, S, K}));
        QCOMPARE(s.pool(), Zahlen({2}));
        QCOMPARE(s.st.VerdecktZahl, 12);   // no verdict touches the cover
    }

    void jedeGruppeAlleFalsch()
    {
        Welt& s = angekuendigt(3, {"b1", "b2"});
        QVERIFY(s.st.JedeGruppeTippt);
        QCOMPARE(s.anzeige.sichtbareAntworten(), Zahlen({0, 1, 2}));
        QCOMPARE(s.anzeige.farben(), Farben({K, K, K}));
        s.aufdecken(19);

        s.antwort(1);
        QCOMPARE(s.anzeige.farben(), Farben({K, H, K}));
        QCOMPARE(s.anzeige.antwortAktiv[0], false);
        QCOMPARE(s.anzeige.antwortAktiv[1], true);
        QCOMPARE(s.anzeige.antwortAktiv[2], false);
        s.falsch();
        QCOMPARE(s.anzeige.farben(), Farben({K, K, K}));
        QCOMPARE(s.anzeige.sichtbareAntworten(), Zahlen({0, 2}));
        QCOMPARE(s.anzeige.antwortAktiv[0], true);
        QCOMPARE(s.anzeige.antwortAktiv[2], true);

        // Another group may claim at once, without a further reveal.
        s.antwort(0);
        QCOMPARE(s.st.AktiveGruppe, 0);
        s.falsch();
        s.antwort(2);
        s.falsch();
        QCOMPARE(s.anzeige.sichtbareAntworten(), Zahlen());
        QCOMPARE(Welt::liste(s.st.Punktestand, 3), Zahlen({-2, -2, -2}));
        QVERIFY(s.anzeige.gezeigt(Knopf::Weiter));
        QVERIFY(!s.anzeige.istAktiv(Knopf::Richtig));
        QVERIFY(!s.anzeige.istAktiv(Knopf::Falsch));
        QVERIFY(!s.anzeige.istAktiv(Knopf::NeuesBild));
        QCOMPARE(s.st.StartpoolZahl, 0);
        QCOMPARE(s.dran(), Zahlen({0, 0, 0}));
        QCOMPARE(s.st.VerdecktZahl, 19);
    }

    void einSektorEndetBeimErstenAufdecken()
    {
        Welt& s = *w;
        s.einrichten(3, {"b1", "b2"});
        s.anzeige.sektoren = QStringLiteral("1");
        s.starten();
        s.zufall.erwarte(3, 0);
        s.ok();
        QCOMPARE(s.st.VerdecktZahl, 1);
        QCOMPARE(s.anzeige.sichtbareAntworten(), Zahlen({0}));

        s.protokoll.clear();
        s.zufall.erwarte(1, 0);
        s.weiter();
        QCOMPARE(s.protokoll, QStringList({"rendere", "ganz", "abdeckung"}));
        QCOMPARE(s.klaenge.liste, Klaenge({Aufgedeckt}));   // revealed without a winner
        QCOMPARE(s.zuschauer.ereignisse.mid(s.zuschauer.ereignisse.size() - 2),
                 QStringList({"Aufgedeckt 0", "BildEndeOhneGewinner"}));
        QCOMPARE(s.st.VerdecktZahl, 0);
        QVERIFY(!s.st.Verdeckt[0]);
        QCOMPARE(s.anzeige.sichtbareAntworten(), Zahlen());
        QVERIFY(!s.anzeige.istAktiv(Knopf::Weiter));
        QVERIFY(s.anzeige.gezeigt(Knopf::NeuesBild));
        QVERIFY(!s.anzeige.punkteLabelSichtbar);
        QCOMPARE(s.st.AktiveGruppe, -1);
        QCOMPARE(Welt::liste(s.st.Punktestand, 3), Zahlen({0, 0, 0}));
    }

    void punkteLabel_data()
    {
        // text: empty: label hidden
        spalten<int, QString, int>("sektoren", "text", "gewinn");

        QTest::newRow("20 verdeckt") << 21 << QStringLiteral("Hierfür gibt es 19 Punkte.") << 19;
        QTest::newRow("3 verdeckt") << 4 << QStringLiteral("Hierfür gibt es 2 Punkte.") << 2;
        QTest::newRow("2 verdeckt") << 3 << QStringLiteral("Hierfür gibt es 1 Punkt.") << 1;
        QTest::newRow("1 verdeckt") << 2 << QString() << 0;
    }
    void punkteLabel()
    {
        auto [sektoren, text, gewinn] = hole<int, QString, int>("sektoren", "text", "gewinn");

        Welt& s = angekuendigt(2, {"b1", "b2"}, QString::number(sektoren));
        QVERIFY(!s.anzeige.punkteLabelSichtbar);
        s.zufall.erwarte(sektoren, 0);
        s.weiter();
        QCOMPARE(s.anzeige.punkteLabelSichtbar, !text.isEmpty());
        if (!text.isEmpty())
            QCOMPARE(s.anzeige.punkteLabel, text);
        QCOMPARE(s.st.AktiveGruppe, -1);
        QCOMPARE(s.zuschauer.letztes.phase, Bildphase::Offen);
        QCOMPARE(s.zuschauer.letztes.punkteImAngebot, gewinn);

        s.anzeige.punkteText[1] = QString();
        s.antwort(1);
        s.richtig();
        QCOMPARE(s.st.Punktestand[1], gewinn);
        QCOMPARE(s.anzeige.punkteText[1], QString::number(gewinn) + QStringLiteral(" Punkte"));
        QVERIFY(!s.anzeige.punkteLabelSichtbar);
    }

    void erstesAufdeckenRendertEinmal()
    {
        Welt& s = angekuendigt(2, {"b1", "b2"});
        s.protokoll.clear();

        s.zufall.erwarte(20, 7);
        s.weiter();
        QCOMPARE(s.protokoll, QStringList({"rendere", "ganz", "abdeckung"}));
        QVERIFY(!s.st.Verdeckt[7]);

        s.protokoll.clear();
        s.zufall.erwarte(19, 7);   // the eighth covered sector is now sector 8
        s.weiter();
        QCOMPARE(s.protokoll, QStringList({"auf 8"}));
        QVERIFY(!s.st.Verdeckt[8]);
        QCOMPARE(s.st.VerdecktZahl, 18);
        QCOMPARE(s.anzeige.punkteLabel, QStringLiteral("Hierfür gibt es 17 Punkte."));
    }

    void aufdeckWeg_data()
    {
        spalten<int, int>("k", "sektor");
        QTest::newRow("k=0") << 0 << 2;
        QTest::newRow("k=1") << 1 << 5;
        QTest::newRow("k=2") << 2 << 9;
    }
    void aufdeckWeg()
    {
        auto [k, sektor] = hole<int, int>("k", "sektor");

        Welt& s = angekuendigt(2, {"b1", "b2"}, QStringLiteral("10"));
        s.st.Verdeckt.fill(false);
        s.st.Verdeckt[2] = s.st.Verdeckt[5] = s.st.Verdeckt[9] = true;
        s.st.VerdecktZahl = 3;
        s.protokoll.clear();

        s.zufall.erwarte(3, k);
        s.weiter();
        QCOMPARE(s.protokoll, QStringList({QStringLiteral("auf %1").arg(sektor)}));
        QCOMPARE(s.st.VerdecktZahl, 2);
        int verdeckt = 0;
        for (int i = 0; i < MaxSektoren; ++i)
            verdeckt += s.st.Verdeckt[i] ? 1 : 0;
        QCOMPARE(verdeckt, 2);
        QVERIFY(!s.st.Verdeckt[sektor]);
        QCOMPARE(s.anzeige.punkteLabel, QStringLiteral("Hierfür gibt es 1 Punkt."));
        QCOMPARE(s.meldungen.texte(), QStringList());
    }

    void aufdeckWegOhneTreffer()
    {
        Welt& s = angekuendigt(2, {"b1", "b2"}, QStringLiteral("10"));

        // The count claims three covered sectors, the flags show two.
        s.st.Verdeckt.fill(false);
        s.st.Verdeckt[2] = s.st.Verdeckt[5] = true;
        s.st.Verdeckt[10] = true;   // outside the picture's sectors: must stay untouched
        s.st.VerdecktZahl = 3;
        s.protokoll.clear();
        s.zufall.erwarte(3, 2);
        s.weiter();
        QCOMPARE(s.meldungen.mitArt(), nurMeldung(Meldungsart::Hinweis, QStringLiteral("Fehler!")));
        QVERIFY(s.st.Verdeckt[2] && s.st.Verdeckt[5] && s.st.Verdeckt[10]);
        QCOMPARE(s.st.VerdecktZahl, 2);   // back in step with the flags
        QCOMPARE(s.protokoll, QStringList({"ganz", "abdeckung"}));
        QCOMPARE(s.st.AktiveGruppe, -1);

        // No covered sector left at all: the picture ends, the counter stays at 0.
        s.meldungen.liste.clear();
        s.st.Verdeckt[2] = s.st.Verdeckt[5] = false;
        s.st.VerdecktZahl = 1;
        s.zufall.erwarte(1, 0);
        s.weiter();
        QCOMPARE(s.meldungen.texte(), QStringList({"Fehler!"}));
        QCOMPARE(s.st.VerdecktZahl, 0);
        QVERIFY(s.st.Verdeckt[10]);
        QVERIFY(!s.anzeige.istAktiv(Knopf::Weiter));
        QVERIFY(s.anzeige.istAktiv(Knopf::NeuesBild));
        QCOMPARE(s.anzeige.sichtbareAntworten(), Zahlen());

        // A further click (the button is disabled, but still) uncovers nothing.
        s.weiter();
        QCOMPARE(s.st.VerdecktZahl, 0);
    }

    void ladefehlerBeimErstenAufdecken()
    {
        Welt& s = angekuendigt(2, {"b1", "b2"});
        s.bild.ladefehler = 1;
        s.protokoll.clear();

        s.weiter();
        QCOMPARE(s.meldungen.mitArt(), nurMeldung(Meldungsart::Ausnahme, QStringLiteral("Bild kaputt.")));
        QCOMPARE(s.protokoll, QStringList({"rendere"}));
        QCOMPARE(s.st.VerdecktZahl, 20);
        for (int i = 0; i < 20; ++i)
            QVERIFY(s.st.Verdeckt[i]);
        QVERIFY(!s.anzeige.punkteLabelSichtbar);
        QCOMPARE(s.st.AktiveGruppe, 1);   // still no claims

        // The next click renders again.
        s.protokoll.clear();
        s.zufall.erwarte(20, 3);
        s.weiter();
        QCOMPARE(s.protokoll, QStringList({"rendere", "ganz", "abdeckung"}));
        QCOMPARE(s.st.VerdecktZahl, 19);
        QVERIFY(!s.st.Verdeckt[3]);
        QCOMPARE(s.st.AktiveGruppe, -1);
    }

    void testmodus_data()
    {
        // sichtbar: answer buttons after each picture
        spalten<bool, QList<Zahlen>>("jede", "sichtbar");
        QTest::newRow("eine Gruppe tippt")
            << false << QList<Zahlen>({Zahlen({0}), Zahlen({0, 1}), Zahlen({0, 1, 2})});
        QTest::newRow("jede Gruppe tippt")
            << true << QList<Zahlen>({Zahlen({0, 1, 2}), Zahlen({0, 1, 2}), Zahlen({0, 1, 2})});
    }
    void testmodus()
    {
        auto [jede, sichtbar] = hole<bool, QList<Zahlen>>("jede", "sichtbar");

        Welt& s = *w;
        s.einrichten(3, {"b1", "b2", "b3"});
        s.st.Testmodus = true;
        s.anzeige.jede = jede;
        s.starten();

        for (int bild = 0; bild < 3; ++bild) {
            if (!jede)
                s.zufall.erwarte(3 - bild, 0);   // the pool shrinks by one per picture
            s.protokoll.clear();
            if (bild == 0)
                s.ok();
            else
                s.neuesBild();
            QCOMPARE(s.meldungen.texte(), QStringList());
            QVERIFY(s.protokoll.contains(QStringLiteral("rendere")));   // shown at once
            QCOMPARE(s.st.VerdecktZahl, 0);
            for (int i = 0; i < 20; ++i)
                QVERIFY(!s.st.Verdeckt[i]);
            QVERIFY(!s.anzeige.istAktiv(Knopf::Weiter));
            QVERIFY(s.anzeige.istAktiv(Knopf::NeuesBild));
            QCOMPARE(s.anzeige.istSichtbar(Knopf::NeuesBild), bild < 2);
            QCOMPARE(s.anzeige.sichtbareAntworten(), sichtbar[bild]);
            QCOMPARE(s.st.AktiveGruppe, 1);
            QCOMPARE(s.zuschauer.letztes.phase, Bildphase::Vorschau);

            // Claims are never accepted.
            const int vorher = s.anzeige.aenderungen;
            s.antwort(0);
            QCOMPARE(s.anzeige.aenderungen, vorher);
            QVERIFY(!s.anzeige.istAktiv(Knopf::Richtig));
        }
    }

    void testmodusLadefehler()
    {
        Welt& s = *w;
        s.einrichten(2, {"b1"});
        s.st.Testmodus = true;
        s.anzeige.jede = true;
        s.starten();
        s.bild.ladefehler = 1;
        s.ok();
        QCOMPARE(s.meldungen.texte(), QStringList({"Bild kaputt."}));
        // The picture was set up all the same.
        QCOMPARE(s.st.AktiveGruppe, 1);
        QCOMPARE(s.anzeige.sichtbareAntworten(), Zahlen({0, 1}));
        QVERIFY(!s.anzeige.istSichtbar(Knopf::NeuesBild));
    }

    void anspruchIgnoriert()
    {
        Welt& s = angekuendigt(3, {"b1", "b2"});

        // Before the first reveal.
        int vorher = s.anzeige.aenderungen;
        s.antwort(0);
        QCOMPARE(s.anzeige.aenderungen, vorher);
        QVERIFY(s.anzeige.istAktiv(Knopf::Weiter));
        QCOMPARE(s.st.AktiveGruppe, 1);

        // While another group answers.
        s.aufdecken(19);
        s.antwort(2);
        QCOMPARE(s.st.AktiveGruppe, 2);
        vorher = s.anzeige.aenderungen;
        s.antwort(0);
        QCOMPARE(s.anzeige.aenderungen, vorher);
        QCOMPARE(s.st.AktiveGruppe, 2);
        QCOMPARE(s.anzeige.farben(), Farben({K, K, H}));
        QCOMPARE(s.meldungen.texte(), QStringList());
        // Only the claim that counted rang.
        QCOMPARE(s.klaenge.liste, Klaenge({Meldung}));
    }

    void falscherTag_data()
    {
        QTest::addColumn<int>("tag");
        QTest::newRow("99") << 99;
        QTest::newRow("103") << 103;
        QTest::newRow("0") << 0;
    }
    void falscherTag()
    {
        QFETCH(int, tag);
        Welt& s = angekuendigt(3, {"b1", "b2"});
        s.aufdecken(19);

        s.ereignis([&] { s.spiel.BAntwortClick(tag); });
        QCOMPARE(s.meldungen.mitArt(),
                 nurMeldung(Meldungsart::Hinweis, QStringLiteral("BBantwortClick(): Falscher Tag")));
        QVERIFY(!s.anzeige.istAktiv(Knopf::Weiter));
        QVERIFY(!s.anzeige.istAktiv(Knopf::Richtig));
        QVERIFY(!s.anzeige.istAktiv(Knopf::Falsch));
        QCOMPARE(s.st.AktiveGruppe, -1);
        QCOMPARE(s.anzeige.farben(), Farben({K, K, K}));
    }

    void eineGruppeEinzelmodusFalsch()
    {
        Welt& s = *w;
        s.einrichten(1, {"b1", "b2"});
        s.starten();
        s.zufall.erwarte(1, 0);
        s.ok();
        QCOMPARE(s.anzeige.sichtbareAntworten(), Zahlen({0}));
        QCOMPARE(s.anzeige.farben(), Farben({H}));
        s.aufdecken(19);
        s.antwort(0);
        s.falsch();   // no draw: nobody is left to take the turn
        QCOMPARE(s.st.Punktestand[0], -2);
        QCOMPARE(s.anzeige.sichtbareAntworten(), Zahlen());
        QCOMPARE(s.st.ImSpielZahl, 0);
        QCOMPARE(s.dran(), Zahlen({1}));
        QCOMPARE(s.anzeige.farben(), Farben({S}));
        QVERIFY(s.anzeige.gezeigt(Knopf::Weiter));
        QCOMPARE(s.st.AktiveGruppe, -1);
        QCOMPARE(s.meldungen.texte(), QStringList());

        // The quiz master reveals on to the end.
        s.aufdecken(0);
        QVERIFY(s.anzeige.gezeigt(Knopf::NeuesBild));
        QCOMPARE(s.st.Punktestand[0], -2);
    }

    void gruppeNichtImSpiel()
    {
        Welt& s = *w;
        s.einrichten(3, {"b1", "b2"});
        s.starten();
        s.zufall.erwarte(3, 0);
        s.ok();
        s.aufdecken(19);
        s.antwort(0);
        s.st.ImSpiel[0] = 1;
        s.st.ImSpiel[1] = 2;
        s.st.ImSpielZahl = 2;

        s.zufall.erwarte(2, 1);
        s.falsch();
        QCOMPARE(s.meldungen.mitArt(),
                 nurMeldung(Meldungsart::Hinweis, QStringLiteral("Fehler: Gruppennummer nicht erkannt (nicht ImSpiel)!")));
        QCOMPARE(s.imSpiel(), Zahlen({1, 2}));   // nothing removed
        QCOMPARE(s.anzeige.sichtbareAntworten(), Zahlen({2}));
        QCOMPARE(s.dran(), Zahlen({1, 0, 1}));
        QCOMPARE(s.anzeige.farben(), Farben({S, K, H}));
        QCOMPARE(s.st.Punktestand[0], -2);
        QCOMPARE(s.st.AktiveGruppe, -1);
    }

    void fehlgeschlagenesBildAendertNichts()
    {
        Welt& s = *w;
        s.einrichten(2, {"b1", "fehlt", "b3"}, {}, {"fehlt"});
        s.anzeige.jede = true;
        const QString b1 = s.dir.filePath(QStringLiteral("b1.jpg|")), b3 = s.dir.filePath(QStringLiteral("b3.jpg|"));
        s.starten();
        // Decoded ahead: the first picture while the settings are looked at.
        QCOMPARE(s.bild.vorab, QStringList({b1}));
        s.ok();
        // Again, as the entry is read; the missing file after it is not asked for.
        QCOMPARE(s.bild.vorab, QStringList({b1, b1}));
        // A new size: the covered picture is fitted ahead again, an uncovered one not.
        s.spiel.groesseGeaendert();
        QCOMPARE(s.bild.vorab, QStringList({b1, b1, b1}));
        s.aufdecken(19);
        s.spiel.groesseGeaendert();
        s.antwort(0);
        s.richtig();
        const int aenderungen = s.anzeige.aenderungen;

        s.neuesBild();
        QCOMPARE(s.meldungen.texte(), QStringList({QStringLiteral("Datei ") + s.dir.path()
                                                   + QStringLiteral("/fehlt.jpg nicht gefunden!")}));
        QCOMPARE(s.anzeige.aenderungen, aenderungen);
        QCOMPARE(s.st.VerdecktZahl, 0);
        QCOMPARE(s.st.AktiveGruppe, -1);
        // The failed entry is used up: the one after it is decoded ahead.
        QCOMPARE(s.bild.vorab, QStringList({b1, b1, b1, b3}));

        s.neuesBild();
        QCOMPARE(s.meldungen.liste.size(), 1);
        QCOMPARE(s.st.VerdecktZahl, 20);
        QVERIFY(s.st.BildDatei.endsWith(QStringLiteral("b3.jpg")));
        QVERIFY(!s.anzeige.istSichtbar(Knopf::NeuesBild));
        QCOMPARE(s.bild.vorab, QStringList({b1, b1, b1, b3, b3}));
    }

    void handkorrektur_data()
    {
        // meldung: empty: accepted
        spalten<QString, int, QString>("feld", "wert", "meldung");

        QTest::newRow("minus") << QStringLiteral("-5") << -5 << QString();
        QTest::newRow("Blank davor") << QStringLiteral(" 7") << 7 << QString();
        QTest::newRow("hex") << QStringLiteral("$1F") << 31 << QString();
        QTest::newRow("Blank danach") << QStringLiteral("7 ") << 0
                                      << QStringLiteral("'7 ' ist kein gültiger Integerwert.");
        QTest::newRow("Wort") << QStringLiteral("sieben") << 0
                              << QStringLiteral("'sieben' ist kein gültiger Integerwert.");
        QTest::newRow("leer") << QString() << 0
                              << QStringLiteral("'' ist kein gültiger Integerwert.");
    }
    void handkorrektur()
    {
        auto [feld, wert, meldung] = hole<QString, int, QString>("feld", "wert", "meldung");

        Welt& s = *w;
        s.einrichten(2, {"b1"});
        s.st.Punktestand[0] = 10;
        s.st.Punktestand[1] = 20;

        s.punkte();
        QCOMPARE(s.anzeige.eingabe[0], QStringLiteral("10"));
        QCOMPARE(s.anzeige.eingabe[1], QStringLiteral("20"));
        QVERIFY(s.anzeige.eingabeSichtbar[0] && s.anzeige.eingabeSichtbar[1]);
        QVERIFY(s.anzeige.istSichtbar(Knopf::EingabeFertig));
        QVERIFY(!s.anzeige.istSichtbar(Knopf::PunkteEingeben));

        s.anzeige.eingabe[0] = feld;
        s.anzeige.eingabe[1] = QStringLiteral("3");
        s.punkte();
        if (meldung.isEmpty()) {
            QCOMPARE(s.meldungen.texte(), QStringList());
            QCOMPARE(s.st.Punktestand[0], wert);
            QCOMPARE(s.anzeige.punkteText[0], QString::number(wert) + QStringLiteral(" Punkte"));
            QCOMPARE(s.st.Punktestand[1], 3);
            QVERIFY(!s.anzeige.eingabeSichtbar[0] && !s.anzeige.eingabeSichtbar[1]);
            QVERIFY(!s.anzeige.istSichtbar(Knopf::EingabeFertig));
            QVERIFY(s.anzeige.istSichtbar(Knopf::PunkteEingeben));
            return;
        }

        QCOMPARE(s.meldungen.mitArt(), nurMeldung(Meldungsart::Ausnahme, meldung));
        QCOMPARE(s.st.Punktestand[0], 10);
        QCOMPARE(s.st.Punktestand[1], 20);
        QCOMPARE(s.anzeige.punkteText[0], QStringLiteral("0 Punkte"));   // untouched
        QVERIFY(s.anzeige.eingabeSichtbar[0] && s.anzeige.eingabeSichtbar[1]);
        QCOMPARE(s.anzeige.eingabe[0], feld);
        QVERIFY(s.anzeige.istSichtbar(Knopf::EingabeFertig));
        QVERIFY(!s.anzeige.istSichtbar(Knopf::PunkteEingeben));

        // Group 0 failed: the next click finishes over all groups again.
        s.anzeige.eingabe[0] = QStringLiteral("1");
        s.punkte();
        QCOMPARE(s.meldungen.liste.size(), 1);
        QCOMPARE(s.st.Punktestand[0], 1);
        QCOMPARE(s.st.Punktestand[1], 3);
        QCOMPARE(s.anzeige.punkteText[1], QStringLiteral("3 Punkte"));
        QVERIFY(!s.anzeige.eingabeSichtbar[0] && !s.anzeige.eingabeSichtbar[1]);
        QVERIFY(s.anzeige.istSichtbar(Knopf::PunkteEingeben));
        QVERIFY(!s.anzeige.istSichtbar(Knopf::EingabeFertig));
    }

    void handkorrekturSpaetereGruppeScheitert()
    {
        Welt& s = *w;
        s.einrichten(3, {"b1"});
        s.st.Punktestand[0] = 10;
        s.st.Punktestand[1] = 20;
        s.st.Punktestand[2] = 30;
        s.punkte();
        s.anzeige.eingabe[0] = QStringLiteral("4");
        s.anzeige.eingabe[1] = QStringLiteral("x");
        s.anzeige.eingabe[2] = QStringLiteral("9");
        s.punkte();
        QCOMPARE(s.meldungen.texte(), QStringList({"'x' ist kein gültiger Integerwert."}));
        QCOMPARE(Welt::liste(s.st.Punktestand, 3), Zahlen({4, 20, 30}));
        QCOMPARE(s.anzeige.punkteText[0], QStringLiteral("4 Punkte"));
        QCOMPARE(s.anzeige.punkteText[1], QStringLiteral("0 Punkte"));
        QVERIFY(!s.anzeige.eingabeSichtbar[0]);
        QVERIFY(s.anzeige.eingabeSichtbar[1] && s.anzeige.eingabeSichtbar[2]);
        QCOMPARE(s.anzeige.eingabe[1], QStringLiteral("x"));
        QCOMPARE(s.anzeige.eingabe[2], QStringLiteral("9"));
        QVERIFY(s.anzeige.istSichtbar(Knopf::EingabeFertig));
        QVERIFY(!s.anzeige.istSichtbar(Knopf::PunkteEingeben));
        QCOMPARE(s.zuschauer.ereignisse, QStringList({"KorrekturBegonnen", "KorrekturAngewandt bis 1"}));
        QCOMPARE(s.zuschauer.letztes.gruppen[0].punkte, 4);

        // Group 0's field is hidden, so the next click starts a new correction.
        s.punkte();
        QCOMPARE(s.meldungen.liste.size(), 1);
        QCOMPARE(s.anzeige.eingabe[0], QStringLiteral("4"));
        QCOMPARE(s.anzeige.eingabe[1], QStringLiteral("20"));
        QCOMPARE(s.anzeige.eingabe[2], QStringLiteral("30"));
        QVERIFY(s.anzeige.eingabeSichtbar[0] && s.anzeige.eingabeSichtbar[1]
                && s.anzeige.eingabeSichtbar[2]);
        QVERIFY(s.anzeige.istSichtbar(Knopf::EingabeFertig));
        QVERIFY(!s.anzeige.istSichtbar(Knopf::PunkteEingeben));

        // Finishing unchanged rewrites every label with the same scores.
        s.punkte();
        QCOMPARE(Welt::liste(s.st.Punktestand, 3), Zahlen({4, 20, 30}));
        QCOMPARE(s.anzeige.punkteText[1], QStringLiteral("20 Punkte"));
        QCOMPARE(s.anzeige.punkteText[2], QStringLiteral("30 Punkte"));
        QVERIFY(!s.anzeige.eingabeSichtbar[2]);
        QVERIFY(s.anzeige.istSichtbar(Knopf::PunkteEingeben));
    }

    void urteilWaehrendKorrektur()
    {
        Welt& s = angekuendigt(2, {"b1", "b2"});
        s.aufdecken(19);
        s.punkte();
        s.antwort(0);
        s.richtig();
        QCOMPARE(s.st.Punktestand[0], 18);
        QCOMPARE(s.anzeige.punkteText[0], QStringLiteral("18 Punkte"));
        QCOMPARE(s.anzeige.eingabe[0], QStringLiteral("0"));
        QVERIFY(s.anzeige.eingabeSichtbar[0]);

        s.punkte();
        QCOMPARE(s.st.Punktestand[0], 0);
        QCOMPARE(s.anzeige.punkteText[0], QStringLiteral("0 Punkte"));
    }

    void korrekturOhneGruppen()
    {
        Welt& s = *w;
        s.einrichten(0, {});
        s.punkte();
        s.punkte();
        QCOMPARE(s.anzeige.aenderungen, 0);
        QCOMPARE(s.meldungen.texte(), QStringList());
        QVERIFY(s.anzeige.istSichtbar(Knopf::PunkteEingeben));
    }

    void saettigung_data()
    {
        spalten<int, bool, QString, int>("start", "richtig", "strafe", "ende");

        QTest::newRow("Gewinn an INT_MAX") << INT_MAX - 3 << true << QStringLiteral("2") << INT_MAX;
        QTest::newRow("Strafe an INT_MIN") << INT_MIN + 1 << false << QStringLiteral("5") << INT_MIN;
        QTest::newRow("riesige Strafe") << -5 << false << QStringLiteral("2147483647") << INT_MIN;
        QTest::newRow("Strafe 0 an INT_MAX") << INT_MAX << false << QStringLiteral("0") << INT_MAX;
        QTest::newRow("Gewinn bis knapp INT_MAX") << INT_MAX - 18 << true << QStringLiteral("2")
                                                  << INT_MAX;
    }
    void saettigung()
    {
        auto [start, richtig, strafe, ende] = hole<int, bool, QString, int>("start", "richtig", "strafe", "ende");

        Welt& s = angekuendigt(1, {"b1"}, QStringLiteral("20"), strafe);
        s.st.Punktestand[0] = start;
        s.aufdecken(19);
        s.antwort(0);
        if (richtig)
            s.richtig();
        else
            s.falsch();
        QCOMPARE(s.st.Punktestand[0], ende);
        QCOMPARE(s.anzeige.punkteText[0], QString::number(ende) + QStringLiteral(" Punkte"));
    }

    void panelPruefung_data()
    {
        // meldung: empty: any refusal
        spalten<QString, QString, QString>("strafe", "sektoren", "meldung");

        const QString strafFehler = QStringLiteral("Fehler bei der Eingabe der Strafpunkte!");
        const auto t = [](const char* text) { return QString::fromUtf8(text); };
        QTest::newRow("beide falsch") << t("x") << t("y") << strafFehler;
        QTest::newRow("Strafe mit Blank danach") << t("2 ") << t("20") << strafFehler;
        QTest::newRow("Strafe negativ") << t("-1") << t("y")
                                        << QStringLiteral("Die Strafpunkte müssen positiv sein!");
        QTest::newRow("Sektoren keine Zahl")
            << t("0") << t("") << QStringLiteral("Fehler bei der Eingabe der Anzahl der Sektoren!");
        QTest::newRow("Sektoren 0") << t("0") << t("0")
                                    << QStringLiteral("Die Anzahl der Sektoren muss positiv sein!");
        QTest::newRow("Sektoren negativ")
            << t("0") << t("-3") << QStringLiteral("Die Anzahl der Sektoren muss positiv sein!");
        QTest::newRow("Sektoren zu viele") << t("0") << t("1002") << QString();
    }
    void panelPruefung()
    {
        auto [strafe, sektoren, meldung] = hole<QString, QString, QString>("strafe", "sektoren", "meldung");

        Welt& s = angekuendigt(2, {"b1"}, sektoren, strafe);
        QCOMPARE(s.meldungen.liste.size(), 1);
        QCOMPARE(s.meldungen.liste[0].art, Meldungsart::Hinweis);
        if (!meldung.isEmpty())
            QCOMPARE(s.meldungen.liste[0].text, meldung);
        QVERIFY(s.anzeige.einstellungenSichtbar);
        QCOMPARE(s.anzeige.verborgen, 0);
        QVERIFY(!s.anzeige.istAktiv(Knopf::NeuesBild));
        QCOMPARE(s.st.Einstellungsdatei.gelesenZeilen(), 0);
        QCOMPARE(s.st.VerdecktZahl, 0);
        QCOMPARE(s.st.AktiveGruppe, 0);

        // Corrected fields: OK starts the game.
        s.anzeige.straf = QStringLiteral("0");
        s.anzeige.sektoren = QStringLiteral("1001");
        s.ok();
        QCOMPARE(s.meldungen.liste.size(), 1);
        QCOMPARE(s.anzeige.verborgen, 1);
        QCOMPARE(s.st.VerdecktZahl, 1001);
        QCOMPARE(s.st.AktiveGruppe, 1);
    }

    void startFehlerSchliesst()
    {
        Welt& s = *w;
        s.einrichten(3, {"b1"});
        s.st.StartFehler = true;
        s.st.StartpoolZahl = 2;
        s.st.DranZaehler[1] = 4;
        s.anzeige.einstellungenSichtbar = false;
        s.starten();
        QCOMPARE(s.protokoll, QStringList({"schliesse"}));
        QVERIFY(s.fenster.geschlossen);
        QCOMPARE(s.zufall.gesaet, 0);
        QCOMPARE(s.fenster.aussen, QSize(520, 498));
        QCOMPARE(s.st.StartpoolZahl, 2);
        QCOMPARE(s.st.DranZaehler[1], 4);
        QCOMPARE(s.anzeige.symbolGesetzt, 0);
        QCOMPARE(s.anzeige.verborgen, 0);
        QCOMPARE(s.st.Einstellungsdatei.gelesenZeilen(), 0);
    }

    void fenstergroesse_data()
    {
        spalten<int, int, QSize, int, QStringList>("breite", "hoehe", "groesse", "fensterHoehe", "ablauf");

        QTest::newRow("max") << -1 << 498 << QSize(1920, 1050) << 1050
                             << QStringList({"saeen", "maximiere", "formResize", "layout 1920x1050",
                                             "abdeckung", "symbol"});
        QTest::newRow("1024x768") << 1024 << 768 << QSize(1024, 768) << 768
                                  << QStringList({"saeen", "breite 1024", "formResize", "hoehe 600",
                                                  "formResize", "layout 1024x600", "abdeckung",
                                                  "hoehe 768", "formResize", "layout 1024x768",
                                                  "abdeckung", "oben-links", "symbol"});
        QTest::newRow("640x480") << 640 << 480 << QSize(800, 600) << 600
                                 << QStringList({"saeen", "breite 640", "formResize", "breite 800",
                                                 "formResize", "hoehe 600", "formResize",
                                                 "layout 800x600", "abdeckung", "hoehe 480",
                                                 "formResize", "hoehe 600", "formResize",
                                                 "layout 800x600", "abdeckung", "oben-links",
                                                 "symbol"});
        QTest::newRow("1024x600") << 1024 << 600 << QSize(1024, 600) << 0
                                  << QStringList({"saeen", "breite 1024", "formResize", "hoehe 600",
                                                  "formResize", "layout 1024x600", "abdeckung",
                                                  "oben-links", "symbol"});
        QTest::newRow("Entwurfsgroesse") << 520 << 498 << QSize(800, 600) << 600
                                         << QStringList({"saeen", "oben-links", "formResize",
                                                         "breite 800", "formResize", "hoehe 600",
                                                         "formResize", "layout 800x600", "abdeckung",
                                                         "symbol"});
    }
    void fenstergroesse()
    {
        auto [breite, hoehe, groesse, fensterHoehe, ablauf] =
            hole<int, int, QSize, int, QStringList>("breite", "hoehe", "groesse", "fensterHoehe", "ablauf");

        Welt& s = *w;
        s.einrichten(2, {"b1"});
        s.st.FensterBreite = breite;
        s.st.FensterHoehe = hoehe;
        s.starten();
        QCOMPARE(s.protokoll, ablauf);
        QCOMPARE(s.fenster.aussen, groesse);
        QCOMPARE(s.st.FensterHoehe, fensterHoehe);
        QCOMPARE(s.fenster.maximiert, breite == -1);
        QCOMPARE(s.fenster.position, breite == -1 ? QPoint(100, 100) : QPoint(0, 0));
        QVERIFY(s.bild.layouts >= 1);
        QVERIFY(s.st.BildBreite > 0 && s.st.BildHoehe > 0);
        QCOMPARE(s.zufall.gesaet, 1);
        QCOMPARE(s.meldungen.texte(), QStringList());
    }

    void zaehlerZurueckgesetzt()
    {
        Welt& s = *w;
        s.einrichten(3, {"b1"});
        s.st.StartpoolZahl = 2;
        s.st.DranZaehler[0] = 4;
        s.st.DranZaehler[1] = 5;
        s.st.DranZaehler[2] = 6;
        s.starten();
        QCOMPARE(s.st.StartpoolZahl, 0);
        QCOMPARE(s.dran(), Zahlen({0, 0, 0}));
        QCOMPARE(s.anzeige.symbolGesetzt, 1);
    }

    void autoOk_data()
    {
        spalten<bool, QString, bool, QStringList, Bildphase>(
            "panelSichtbar", "sektoren", "gestartet", "ereignisse", "phase");
        QTest::newRow("Panel sichtbar") << true << QStringLiteral("20") << false << QStringList()
                                        << Bildphase::Einstellungen;
        QTest::newRow("Panel verborgen") << false << QStringLiteral("20") << true
                                         << QStringList({"EinstellungenBestaetigt", "BildBegonnen"})
                                         << Bildphase::Angekuendigt;
        QTest::newRow("Panel verborgen, Werte falsch") << false << QStringLiteral("??") << false
                                                       << QStringList() << Bildphase::Einstellungen;
    }
    void autoOk()
    {
        auto [panelSichtbar, sektoren, gestartet, ereignisse, phase] =
            hole<bool, QString, bool, QStringList, Bildphase>("panelSichtbar", "sektoren", "gestartet", "ereignisse", "phase");

        Welt& s = *w;
        s.einrichten(2, {"b1", "b2"});
        s.anzeige.jede = true;
        s.anzeige.einstellungenSichtbar = panelSichtbar;
        s.anzeige.sektoren = sektoren;
        s.starten();
        QCOMPARE(s.st.Einstellungsdatei.gelesenZeilen(), gestartet ? 1 : 0);
        QCOMPARE(s.st.VerdecktZahl, gestartet ? 20 : 0);
        QCOMPARE(s.anzeige.istAktiv(Knopf::Weiter), gestartet);
        QCOMPARE(s.anzeige.sichtbareAntworten(), gestartet ? Zahlen({0, 1}) : Zahlen());
        QVERIFY(!s.anzeige.istAktiv(Knopf::NeuesBild));
        QCOMPARE(s.anzeige.verborgen, gestartet ? 1 : 0);
        QCOMPARE(s.anzeige.einstellungenSichtbar, panelSichtbar);
        QCOMPARE(s.zuschauer.ereignisse, ereignisse);
        QCOMPARE(s.spiel.bild().phase, phase);
        if (!panelSichtbar && !gestartet)
            QCOMPARE(s.meldungen.texte(),
                     QStringList({"Fehler bei der Eingabe der Anzahl der Sektoren!"}));
        else
            QCOMPARE(s.meldungen.texte(), QStringList());
        // The picture begins after the size and the counters are set.
        if (gestartet)
            QVERIFY(s.protokoll.indexOf(QStringLiteral("symbol"))
                    < s.protokoll.lastIndexOf(QStringLiteral("formResize")));
    }

    void startschritteNurEinmal()
    {
        Welt& s = *w;
        s.einrichten(2, {"b1", "b2"});
        s.anzeige.jede = true;
        s.anzeige.einstellungenSichtbar = false;
        s.starten();
        s.aufdecken(18);
        const QStringList protokoll = s.protokoll;
        const Spielstand vorher = s.st;

        s.starten();
        QCOMPARE(s.protokoll, protokoll);
        QCOMPARE(s.zufall.gesaet, 1);
        QCOMPARE(s.st.VerdecktZahl, 18);
        QCOMPARE(s.st.Einstellungsdatei.gelesenZeilen(), 1);
        QCOMPARE(s.st.FensterBreite, vorher.FensterBreite);
        QCOMPARE(s.st.FensterHoehe, vorher.FensterHoehe);
        QCOMPARE(s.anzeige.verborgen, 1);
    }

    void rangliste_data()
    {
        QTest::addColumn<Zahlen>("punkte");
        // Per rank, "place:group", highest score first.
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("ordered") << Zahlen{3, 9, 5} << QStringList{"1:1", "2:2", "3:0"};
        QTest::newRow("ties share a place, keep board order")
            << Zahlen{5, 8, 5, 8, 1} << QStringList{"1:1", "1:3", "3:0", "3:2", "5:4"};
        QTest::newRow("negatives") << Zahlen{-4, 0, -2} << QStringList{"1:1", "2:2", "3:0"};
        QTest::newRow("one group") << Zahlen{-7} << QStringList{"1:0"};
        QTest::newRow("all equal") << Zahlen{2, 2, 2} << QStringList{"1:0", "1:1", "1:2"};
        Zahlen dreissig;
        QStringList absteigend;
        for (int g = 0; g < 30; ++g) {
            dreissig << g;
            absteigend << QStringLiteral("%1:%2").arg(30 - g).arg(g);
        }
        std::reverse(absteigend.begin(), absteigend.end());
        QTest::newRow("30 groups") << dreissig << absteigend;
    }
    void rangliste()
    {
        auto [punkte, erwartet] = hole<Zahlen, QStringList>("punkte", "erwartet");
        Spielstand st;
        st.Gruppenzahl = int(punkte.size());
        for (int g = 0; g < punkte.size(); ++g)
            st.Punktestand[std::size_t(g)] = punkte[g];
        st.Punktestand[std::size_t(punkte.size())] = 99;   // beyond the groups: not ranked
        QStringList ist;
        for (const Rangplatz& r : ::rangliste(st))
            ist << QStringLiteral("%1:%2").arg(r.platz).arg(r.gruppe);
        QCOMPARE(ist, erwartet);
        const Rangplatz erster = ::rangliste(st).front();
        QCOMPARE(ranglistenZeile(erster, QStringLiteral("Adler %1")),
                 QStringLiteral("1. Adler %1: ") + QString::number(erster.punkte) + QStringLiteral(" Punkte"));
    }

    void werkzeuge_data()
    {
        // modus: "jede", "eine" or "test"; werkzeug: "Ende" or "zurück";
        // ereignisse: what it announces, empty: it does nothing; danach: the phase it leaves
        spalten<QString, QString, QString, QStringList, QString>(
            "modus", "zustand", "werkzeug", "ereignisse", "danach");
        const QStringList nichts;
        const QStringList ohneGewinner{"BildEndeOhneGewinner"};
        for (const char* modus : {"jede", "eine"}) {
            const QString m = QLatin1String(modus);
            auto zeile = [&m](const char* name) -> QTestData& {
                return QTest::newRow(qPrintable(m + QStringLiteral(": ") + QLatin1String(name))) << m;
            };
            zeile("Ende in Settings") << "Einstellungen" << "Ende" << nichts << "Einstellungen";
            zeile("Ende in Announced") << "Angekündigt" << "Ende" << ohneGewinner << "Bereit";
            zeile("Ende in Open") << "Offen" << "Ende" << ohneGewinner << "Bereit";
            zeile("Ende in Answering") << "Antwort" << "Ende" << ohneGewinner << "Bereit";
            zeile("Ende after falsch") << "nach falsch" << "Ende" << ohneGewinner << "Bereit";
            zeile("Ende in Ready") << "nach richtig" << "Ende" << nichts << "Bereit";
            zeile("Ende on the last picture") << "neues Bild" << "Ende" << ohneGewinner << "Erschoepft";
            zeile("Ende in Exhausted") << "Erschöpft" << "Ende" << nichts << "Erschoepft";
            zeile("zurück in Settings") << "Einstellungen" << "zurück" << nichts << "Einstellungen";
            zeile("zurück in Announced") << "Angekündigt" << "zurück" << nichts << "Angekuendigt";
            zeile("zurück in Open") << "Offen" << "zurück" << nichts << "Offen";
            zeile("zurück in Answering") << "Antwort" << "zurück" << nichts << "Antwort";
            zeile("zurück after falsch") << "nach falsch" << "zurück"
                                         << QStringList{"UrteilZurueckgenommen 0 falsch +2"} << "Antwort";
            zeile("zurück after falsch and Ende") << "falsch, Ende" << "zurück"
                                                  << QStringList{"UrteilZurueckgenommen 0 falsch +2"} << "Antwort";
            zeile("zurück a second time") << "zurückgenommen" << "zurück" << nichts << "Antwort";
            zeile("zurück after richtig") << "nach richtig" << "zurück"
                                          << QStringList{"UrteilZurueckgenommen 0 richtig -18"} << "Antwort";
            zeile("zurück after Neues Bild") << "neues Bild" << "zurück" << nichts << "Angekuendigt";
            // The last picture's winner: group 0 in the every-group mode, the
            // group whose turn the second picture began with otherwise.
            zeile("zurück in Exhausted") << "Erschöpft" << "zurück"
                                         << QStringList{m == "jede" ? "UrteilZurueckgenommen 0 richtig -18"
                                                                    : "UrteilZurueckgenommen 1 richtig -18"}
                                         << "Antwort";
        }
        QTest::newRow("test: Ende in Preview") << "test" << "Vorschau" << "Ende" << nichts << "Vorschau";
        QTest::newRow("test: zurück in Preview") << "test" << "Vorschau" << "zurück" << nichts << "Vorschau";
    }

    // Each tool in each phase of a picture. A tool that does nothing changes no
    // control and no state; the second view checks every announcement against the
    // window (cleanup).
    void werkzeuge()
    {
        auto [modus, zustand, werkzeug, ereignisse, danach] =
            hole<QString, QString, QString, QStringList, QString>("modus", "zustand", "werkzeug", "ereignisse", "danach");

        Welt& s = *w;
        s.einrichten(3, {"b1", "b2"});
        s.anzeige.jede = modus == "jede";
        s.st.Testmodus = modus == "test";
        QPair<Farben, Zahlen> vorUrteil;
        QVERIFY(spieleBis(s, zustand, &vorUrteil));
        QCOMPARE(s.meldungen.texte(), QStringList());

        const Spielbild vorher = s.spiel.bild();
        const Spielstand st = s.st;
        const FakeAnzeige anzeige = s.anzeige;
        const qsizetype gehoert = s.zuschauer.ereignisse.size();
        s.protokoll.clear();
        bool gewirkt = false;
        s.ereignis([&] { gewirkt = werkzeug == "Ende" ? s.spiel.beendeBild() : s.spiel.nimmUrteilZurueck(); });
        QCOMPARE(s.meldungen.texte(), QStringList());
        QCOMPARE(s.zuschauer.ereignisse.mid(gehoert), ereignisse);
        QCOMPARE(gewirkt, !ereignisse.isEmpty());
        QCOMPARE(beschreibe(s.spiel.bild().phase), danach);
        if (!gewirkt) {
            QVERIFY(s.spiel.bild() == vorher);
            QCOMPARE(s.anzeige.aenderungen, anzeige.aenderungen);
            QCOMPARE(s.protokoll, QStringList());
            return;
        }
        if (werkzeug == "Ende") {
            // As the last sector's reveal: nobody scores, the whole picture shows.
            QCOMPARE(s.st.Punktestand, st.Punktestand);
            QCOMPARE(s.st.VerdecktZahl, 0);
            QCOMPARE(s.protokoll.contains(QStringLiteral("rendere")), zustand == "Angekündigt" || zustand == "neues Bild");
            QCOMPARE(s.protokoll.last(), QStringLiteral("ganz"));
            QVERIFY(s.anzeige.istAktiv(Knopf::NeuesBild));
            QCOMPARE(s.anzeige.istSichtbar(Knopf::NeuesBild), danach == "Bereit");
            QVERIFY(!s.anzeige.istAktiv(Knopf::Weiter) && !s.anzeige.istAktiv(Knopf::Richtig));
            QCOMPARE(s.anzeige.sichtbareAntworten(), Zahlen());
            for (int i = 0; i < 3; ++i)
                QVERIFY(s.anzeige.antwortAktiv[i]);
            QVERIFY(!s.anzeige.punkteLabelSichtbar);
            QCOMPARE(s.st.DranZaehler, st.DranZaehler);
            return;
        }
        // Taken back: the cover is drawn again over the picture; a second step
        // has nothing left.
        QCOMPARE(s.protokoll, QStringList({"ganz", "abdeckung"}));
        QCOMPARE(s.anzeige.farben(), vorUrteil.first);
        QCOMPARE(s.anzeige.sichtbareAntworten(), vorUrteil.second);
        QVERIFY(s.anzeige.istAktiv(Knopf::Richtig) && s.anzeige.istAktiv(Knopf::Falsch));
        QVERIFY(!s.anzeige.istAktiv(Knopf::NeuesBild) && !s.anzeige.istAktiv(Knopf::Weiter));
        QVERIFY(!s.spiel.nimmUrteilZurueck());
    }

    void rueckgaengigStelltWiederHer_data()
    {
        // danach: after the verdict, before taking it back
        spalten<bool, QString>("jede", "danach");
        for (const bool jede : {true, false}) {
            const char* m = jede ? "jede" : "eine";
            QTest::addRow("%s: richtig", m) << jede << "richtig";
            QTest::addRow("%s: falsch", m) << jede << "falsch";
            QTest::addRow("%s: falsch, reveal, claim, Ende", m) << jede << "falsch weiter Ende";
            QTest::addRow("%s: richtig, resized", m) << jede << "richtig Größe";
        }
    }

    // A verdict taken back restores every field of the state, every control, the
    // announced picture and the visible picture pixel for pixel, also after the
    // game went on or the window changed its size.
    void rueckgaengigStelltWiederHer()
    {
        auto [jede, danach] = hole<bool, QString>("jede", "danach");

        EchteWelt s;
        QVERIFY(s.dir.isValid());
        QVERIFY(schreibeDatei(s.dir.filePath(QStringLiteral("b1.jpg")), jpegDaten(verlauf(160, 120))));
        QVERIFY(schreibeDatei(s.dir.filePath(QStringLiteral("b2.jpg")), jpegDaten(verlauf(160, 120))));
        s.einstellen(3, s.dir.path() + QLatin1Char('/'), QStringLiteral(".jpg"), "b1\rb2\r");
        s.anzeige.jede = jede;
        s.anzeige.sektoren = QStringLiteral("12");
        s.starten();
        if (!jede)
            s.zufall.erwarte(3, 2);
        s.ok();
        for (const int k : {4, 0, 7})
            (s.zufall.erwarte(s.st.VerdecktZahl, k), s.weiter());
        const int g = jede ? 1 : 2;
        s.antwort(g);
        QCOMPARE(s.meldungen.texte(), QStringList());
        const Schnappschuss vorher(s);
        QCOMPARE(vorher.bild.phase, Bildphase::Antwort);

        const bool richtig = danach.startsWith(QStringLiteral("richtig"));
        if (richtig) {
            s.richtig();
        } else {
            if (!jede)
                s.zufall.erwarte(2, 1);
            s.falsch();
        }
        if (danach.contains(QStringLiteral("weiter"))) {
            s.zufall.erwarte(s.st.VerdecktZahl, 3);
            s.weiter();
            s.antwort(jede ? 0 : s.anzeige.sichtbareAntworten().value(0));
            QVERIFY(s.spiel.beendeBild());
        }
        if (danach.contains(QStringLiteral("Größe"))) {
            s.fenster.setzeAussenBreite(900);
            s.fenster.setzeAussenBreite(1024);
        }
        QVERIFY(Schnappschuss(s).unterschied(vorher) != QString());

        QVERIFY(s.spiel.nimmUrteilZurueck());
        QCOMPARE(s.meldungen.texte(), QStringList());
        QCOMPARE(Schnappschuss(s).unterschied(vorher), QString());
        QCOMPARE(s.zuschauer.ereignisse.last(),
                 richtig ? QStringLiteral("UrteilZurueckgenommen %1 richtig -8").arg(g)
                         : QStringLiteral("UrteilZurueckgenommen %1 falsch +2").arg(g));
        QVERIFY2(s.zuschauer.fehler.isEmpty(), qPrintable(s.zuschauer.fehler.join(QStringLiteral("; "))));
        QVERIFY2(s.zufall.fehler.isEmpty(), qPrintable(s.zufall.fehler.join(QStringLiteral("; "))));

        // The game goes on from there: the same group may be judged again.
        s.richtig();
        QCOMPARE(s.st.Punktestand[std::size_t(g)], 8);
    }
};

QTEST_GUILESS_MAIN(TestSpiel)
#include "tst_game.moc"
