// The settings panel: maximum-points hint and the checks of OK.

#include "meldungsfang.h"
#include "tabelle.h"
#include "core/spielstand.h"
#include "settings/einstellungspanel.h"

#include <QtTest>

namespace {

QString hinweisText(int punkte)
{
    return QStringLiteral("Es können maximal %1 Punkte pro Bild erreicht werden.").arg(punkte);
}

const QString StrafFehler = QStringLiteral("Fehler bei der Eingabe der Strafpunkte!");
const QString StrafNegativ = QStringLiteral("Die Strafpunkte müssen positiv sein!");
const QString SektorFehler = QStringLiteral("Fehler bei der Eingabe der Anzahl der Sektoren!");
const QString SektorNegativ = QStringLiteral("Die Anzahl der Sektoren muss positiv sein!");
const QString SektorZuViel = QStringLiteral("Die Anzahl der Sektoren darf höchstens 1001 betragen!");

}  // namespace

class TestEinstellungspanel : public QObject {
    Q_OBJECT

private slots:
    void edit2Change_data()
    {
        spalten<QString, int, QString>("text", "sektoren", "hinweis");
        QTest::newRow("20") << "20" << 20 << hinweisText(18);
        QTest::newRow("2") << "2" << 2 << hinweisText(0);
        QTest::newRow("3") << "3" << 3 << hinweisText(1);
        QTest::newRow("1") << "1" << 1 << QString();
        QTest::newRow("0") << "0" << 0 << QString();
        QTest::newRow("-3") << "-3" << -3 << QString();
        QTest::newRow("kleinste Zahl") << "-2147483648" << -2147483647 - 1 << QString();
        QTest::newRow("groesste Zahl") << "2147483647" << 2147483647 << hinweisText(2147483645);
        QTest::newRow("leer") << "" << 2 << hinweisText(0);
        QTest::newRow("abc") << "abc" << 2 << hinweisText(0);
        QTest::newRow("??") << "??" << 2 << hinweisText(0);
        QTest::newRow("Blank davor") << " 5" << 5 << hinweisText(3);
        QTest::newRow("Blank danach") << "5 " << 2 << hinweisText(0);
        QTest::newRow("hex") << "$14" << 20 << hinweisText(18);
        QTest::newRow("Ueberlauf") << "2147483648" << 2 << hinweisText(0);
    }
    void edit2Change()
    {
        auto [text, sektoren, hinweis] = hole<QString, int, QString>("text", "sektoren", "hinweis");
        Spielstand st;
        st.Sektorenzahl = 77;
        QCOMPARE(Edit2Change(st, text), hinweis);
        QCOMPARE(st.Sektorenzahl, sektoren);
    }

    // Checks run in order; the first failing one alone is shown. What was stored before it stays.
    void pruefeEinstellungen_data()
    {
        spalten<QString, QString, QString, int, int>("straf", "sektoren", "meldung", "strafpunkte", "sektorenzahl");
        QTest::newRow("gueltig") << "3" << "20" << QString() << 3 << 20;
        QTest::newRow("0 Strafpunkte, 1 Sektor") << "0" << "1" << QString() << 0 << 1;
        QTest::newRow("Blanks davor") << "  3" << " 20" << QString() << 3 << 20;
        QTest::newRow("1001 Sektoren") << "3" << "1001" << QString() << 3 << 1001;
        QTest::newRow("beide falsch") << "x" << "y" << StrafFehler << -99 << -99;
        QTest::newRow("Anfangstexte") << "??" << "??" << StrafFehler << -99 << -99;
        QTest::newRow("Strafpunkte leer") << "" << "20" << StrafFehler << -99 << -99;
        QTest::newRow("Strafpunkte mit Blank danach") << "3 " << "20" << StrafFehler << -99 << -99;
        QTest::newRow("Strafpunkte -1") << "-1" << "abc" << StrafNegativ << -1 << -99;
        QTest::newRow("Sektoren keine Zahl") << "3" << "abc" << SektorFehler << 3 << -99;
        QTest::newRow("Sektoren leer") << "3" << "" << SektorFehler << 3 << -99;
        QTest::newRow("Sektoren mit Blank danach") << "3" << "20 " << SektorFehler << 3 << -99;
        QTest::newRow("0 Sektoren") << "3" << "0" << SektorNegativ << 3 << 0;
        QTest::newRow("-5 Sektoren") << "3" << "-5" << SektorNegativ << 3 << -5;
        QTest::newRow("1002 Sektoren") << "3" << "1002" << SektorZuViel << 3 << 1002;
        QTest::newRow("groesste Zahl") << "3" << "2147483647" << SektorZuViel << 3 << 2147483647;
    }
    void pruefeEinstellungen()
    {
        auto [straf, sektoren, meldung, strafpunkte, sektorenzahl] =
            hole<QString, QString, QString, int, int>("straf", "sektoren", "meldung", "strafpunkte", "sektorenzahl");
        Spielstand st;
        st.Strafpunkte = -99;
        st.Sektorenzahl = -99;
        Meldungsfang meldungen;
        QCOMPARE(::pruefeEinstellungen(st, straf, sektoren, meldungen), meldung.isEmpty());
        if (meldung.isEmpty()) {
            QVERIFY(meldungen.liste.isEmpty());
        } else {
            QCOMPARE(meldungen.mitArt(), nurMeldung(Meldungsart::Hinweis, meldung));
            QCOMPARE(meldungen.liste[0].fall, meldung == StrafFehler || meldung == StrafNegativ
                                              ? Meldungsfall::Strafpunkte
                                              : Meldungsfall::Sektoren);
        }
        QCOMPARE(st.Strafpunkte, strafpunkte);
        QCOMPARE(st.Sektorenzahl, sektorenzahl);
    }
};

int testeEinstellungspanel(int argc, char** argv)
{
    TestEinstellungspanel t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_einstellungspanel.moc"
