#include "testfenster.h"

#include <QFile>
#include <QImage>
#include <QTest>

#include "pruefe.h"

Spielordner::Spielordner()
{
    QImage a(80, 60, QImage::Format_RGB32);
    a.fill(QColor(200, 30, 30));
    a.save(m_dir.filePath(QStringLiteral("Bild01.jpg")), "JPG");
    QImage b(60, 80, QImage::Format_RGB32);
    b.fill(QColor(30, 30, 200));
    b.save(m_dir.filePath(QStringLiteral("Bild02.bmp")), "BMP");
}

void Spielordner::schreibe(Spieldatei datei) const
{
    datei.muster = m_dir.filePath(QStringLiteral("Bild*"));
    datei.bilder = {QStringLiteral("01.jpg"), QStringLiteral("02.bmp")};
    QVERIFY(datei.schreibe(pfad()));
}

namespace {

// The settings file is written before the window reads it in its constructor.
const Spielordner& geschrieben(const Spielordner& ordner, const Spieldatei& e)
{
    ordner.schreibe(e);
    return ordner;
}

} // namespace

Probefenster::Probefenster(const Spieldatei& e)
    : Testfenster(meldungen, zufall, geschrieben(ordner, e).pfad())
{
}

Probefenster::Probefenster(OhneEinstellungsdatei) : Testfenster(meldungen, zufall, ordner.pfad()) {}

bool zeigeUndStarte(Testfenster& f)
{
    f.zeigeZentriert();
    f.activateWindow();
    PRUEFE(QTest::qWaitForWindowExposed(&f));
    PRUEFE(QTest::qWaitFor([&f] { return f.startschritteGelaufen(); }));
    QCoreApplication::processEvents();
    return true;
}

bool klicke(QWidget* w)
{
    PRUEFE(w);
    PRUEFE(w->isVisible());
    PRUEFE(w->isEnabled());
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    return true;
}

bool spieleBis(Testfenster& f, const QString& zustand)
{
    static const QStringList zustaende{QStringLiteral("Einstellungen"), QStringLiteral("Angekündigt"),
                                       QStringLiteral("Vorschau"),      QStringLiteral("Offen"),
                                       QStringLiteral("Antwortet"),     QStringLiteral("Gruppe 1 raus"),
                                       QStringLiteral("Bereit"),        QStringLiteral("Ausgeschöpft")};
    // A misspelled row would otherwise play on to the last state and test that one.
    PRUEFE(zustaende.contains(zustand));
    if (zustand == "Einstellungen")
        return true;
    PRUEFE(klicke(f.knopf(QStringLiteral("BitBtn1"))));   // Announced (Preview in test mode)
    if (zustand == "Angekündigt" || zustand == "Vorschau")
        return true;
    PRUEFE(klicke(f.knopf(QStringLiteral("BBweiter"))));
    if (zustand == "Offen")
        return true;
    PRUEFE(klicke(f.zeile(0)->antwortKnopf()));
    if (zustand == "Antwortet")
        return true;
    if (zustand == "Gruppe 1 raus")
        return klicke(f.knopf(QStringLiteral("BBfalsch")));
    PRUEFE(klicke(f.knopf(QStringLiteral("BBrichtig"))));
    if (zustand == "Bereit")
        return true;
    PRUEFE(klicke(f.knopf(QStringLiteral("BBneuesBild"))));   // the last picture
    PRUEFE(klicke(f.knopf(QStringLiteral("BBweiter"))));
    PRUEFE(klicke(f.zeile(0)->antwortKnopf()));
    return klicke(f.knopf(QStringLiteral("BBrichtig")));   // Exhausted
}
