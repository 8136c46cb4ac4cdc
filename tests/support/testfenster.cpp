#include "testfenster.h"

#include <QFile>
#include <QImage>
#include <QTest>

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
