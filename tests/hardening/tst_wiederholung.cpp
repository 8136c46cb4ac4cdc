// Every seed and every input that once found a fault, run through the same
// checks as the fuzz targets.

#include <QDir>
#include <QFile>
#include <QtTest>

#include "fuzz/eingabe.h"
#include "tabelle.h"

class TstWiederholung : public QObject {
    Q_OBJECT

private slots:
    void eingabe_data()
    {
        spalten<QString, QString>("ziel", "datei");
        const QDir fuzz(QStringLiteral(VARNO_FUZZ_ORDNER));
        for (const QString& ziel : Eingabe::zielnamen()) {
            int saaten = 0;
            for (const char* art : {"corpus", "regressions"}) {
                const QDir dir(fuzz.filePath(QLatin1String(art) + QLatin1Char('/') + ziel));
                for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
                    QTest::newRow(qPrintable(QLatin1String(art) + QLatin1Char('/') + ziel + QLatin1Char('/') + name))
                        << ziel << dir.filePath(name);
                    if (qstrcmp(art, "corpus") == 0)
                        ++saaten;
                }
            }
            if (saaten == 0)
                QTest::newRow(qPrintable(QStringLiteral("corpus/") + ziel + QStringLiteral(" fehlt")))
                    << ziel << QString();
        }
    }
    void eingabe()
    {
        auto [ziel, datei] = hole<QString, QString>("ziel", "datei");
        QVERIFY2(!datei.isEmpty(), "no seed corpus for this target");
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const Eingabe::Pruefung pruefe = Eingabe::pruefungFuer(ziel);
        QVERIFY(pruefe);
        const QString fehler = pruefe(f.readAll());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    }
};

QTEST_MAIN(TstWiederholung)
#include "tst_wiederholung.moc"
