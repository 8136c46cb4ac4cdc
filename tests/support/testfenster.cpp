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

void Spielordner::schreibe(const Einstellungen& e) const
{
    QStringList z;
    z << "#Fenster" << e.fenster << "#Seiten" << "4:3" << "#Test" << e.test << "#Sektoren"
      << e.sektoren << "#Jede" << e.jede << "#Strafpunkte" << "3" << "#Panel" << e.panel
      << "#Gruppen" << QString::number(e.gruppen.size()) << "#Namen";
    z << e.gruppen;
    z << "#Syntax" << m_dir.filePath(QStringLiteral("Bild*")) << "#Bilder" << "01.jpg"
      << "02.bmp";
    QFile f(pfad());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(z.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
}

namespace {

// The settings file is written before the window reads it in its constructor.
const Spielordner& geschrieben(const Spielordner& ordner, const Einstellungen& e)
{
    ordner.schreibe(e);
    return ordner;
}

} // namespace

Probefenster::Probefenster(const Einstellungen& e)
    : Testfenster(meldungen, zufall, geschrieben(ordner, e).pfad())
{
}

Probefenster::Probefenster(OhneEinstellungsdatei) : Testfenster(meldungen, zufall, ordner.pfad()) {}
