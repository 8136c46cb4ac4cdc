#include "neu.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>

#include "core/hilfen.h"
#include "core/pfade.h"
#include "render/bildladen.h"

namespace {

const QString Dateiname = QStringLiteral("Varno.ini");

// One part of a path, compared run by run.
int vergleicheTeil(const QString& a, const QString& b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ie = i, je = j;
            while (ie < a.size() && a[ie].isDigit())
                ++ie;
            while (je < b.size() && b[je].isDigit())
                ++je;
            // Compare the values without leading zeros, by length first: no overflow for long runs.
            QStringView x = QStringView(a).mid(i, ie - i), y = QStringView(b).mid(j, je - j);
            while (x.size() > 1 && x.front() == QLatin1Char('0'))
                x = x.mid(1);
            while (y.size() > 1 && y.front() == QLatin1Char('0'))
                y = y.mid(1);
            if (x.size() != y.size())
                return x.size() < y.size() ? -1 : 1;
            if (const int c = x.compare(y); c != 0)
                return c;
            i = ie;
            j = je;
            continue;
        }
        const int c = QString::compare(a.mid(i, 1), b.mid(j, 1), Qt::CaseInsensitive);
        if (c != 0)
            return c;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    return a.compare(b);   // the same but for letter case or zeros: a fixed order all the same
}

QStringList sammleBilder(const QString& ordner)
{
    QStringList bilder;
    QDirIterator it(ordner, QDir::Files, QDirIterator::Subdirectories);
    const QDir wurzel(ordner);
    while (it.hasNext()) {
        const QString datei = it.next();
        if (istBildEndung(datei))
            bilder.append(wurzel.relativeFilePath(datei));
    }
    std::sort(bilder.begin(), bilder.end(), natuerlichVor);
    return bilder;
}

QByteArray inhalt(const QStringList& bilder)
{
    // Windows-1252 with CR LF, the format every version of the game reads. The
    // "ö" of the first line is a byte no UTF-8 file holds, so picture names
    // such as "Spaß»" can never make the file pass for UTF-8.
    QStringList z = {
        QStringLiteral("#Fenstergröße: Breite,Höhe oder max"), QStringLiteral("max"),
        QStringLiteral("#Standard-Seitenverhältnis a:b oder * (jedes Bild behält sein eigenes Format)"),
        QStringLiteral("*"),
        QStringLiteral("#Testmodus (0 oder 1; 1 zeigt jedes Bild sofort ganz)"), QStringLiteral("0"),
        QStringLiteral("#Anzahl der Sektoren"), QStringLiteral("20"),
        QStringLiteral("#Jede Gruppe darf tippen (0: immer nur eine, zufällig gewählte Gruppe; 1: jede Gruppe)"),
        QStringLiteral("0"),
        QStringLiteral("#Strafpunkte bei falscher Antwort"), QStringLiteral("2"),
        QStringLiteral("#Einstellungsfenster anzeigen (0 oder 1)"), QStringLiteral("1"),
        QStringLiteral("#Anzahl der Gruppen (1 bis 30)"), QStringLiteral("4"),
        QStringLiteral("#Namen der Gruppen, einer je Zeile"),
    };
    for (int i = 1; i <= 4; ++i)
        z << QStringLiteral("Gruppe %1").arg(i);
    z << QStringLiteral("#Syntax der Bildnamen (der Stern steht für den Eintrag)") << QStringLiteral("*")
      << QStringLiteral("#Bilder, eines je Zeile; ?o ?u ?m ?l ?r ?n am Ende legt den Ausschnitt fest");
    z << bilder;
    return nachWindows1252(z.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

}  // namespace

bool natuerlichVor(const QString& a, const QString& b)
{
    const QStringList x = a.split(QLatin1Char('/')), y = b.split(QLatin1Char('/'));
    for (qsizetype i = 0; i < std::min(x.size(), y.size()); ++i) {
        // A folder's pictures stand together, after the pictures beside it.
        const bool xOrdner = i + 1 < x.size(), yOrdner = i + 1 < y.size();
        if (xOrdner != yOrdner)
            return yOrdner;
        if (const int c = vergleicheTeil(x[i], y[i]); c != 0)
            return c < 0;
    }
    return x.size() < y.size();
}

QString warumNichtEintragbar(const QString& pfad)
{
    if (pfad.contains(QLatin1Char('?')))
        return QStringLiteral("enthält ein „?“, das im Spiel die Positionierung einleitet");
    if (ausWindows1252(nachWindows1252(pfad)) != pfad)
        return QStringLiteral("enthält Zeichen, die eine Windows-1252-Datei nicht fassen kann");
    if (trimme(pfad) != pfad)
        return QStringLiteral("beginnt oder endet mit Leerzeichen");
    if (std::any_of(pfad.begin(), pfad.end(), [](QChar c) { return c.unicode() < 32; }))
        return QStringLiteral("enthält Steuerzeichen");
    if (pfad.startsWith(QLatin1Char('#')))
        return QStringLiteral("beginnt mit „#“, das Spiel läse die Zeile als Kommentar");
    return {};
}

int legeSpielAn(const QString& ordner, QTextStream& aus)
{
    const QDir dir(ordner);
    if (!dir.exists()) {
        aus << QStringLiteral("Den Ordner %1 gibt es nicht.\n").arg(QDir::toNativeSeparators(ordner));
        return 1;
    }
    const QString ziel = dir.filePath(Dateiname);
    // The game finds its settings file whatever its letter case; a second one would hide both.
    const QString vorhanden = findeDatei(ziel);
    if (!vorhanden.isEmpty() || QFileInfo(ziel).isSymLink()) {
        aus << QStringLiteral("In diesem Ordner gibt es schon eine Einstellungsdatei: %1\n"
                              "Sie bleibt unverändert. Prüfen Sie sie mit: varno-pruefen %2\n")
                   .arg(vorhanden.isEmpty() ? ziel : vorhanden, ordner);
        return 1;
    }
    QStringList bilder, ausgelassen;
    for (const QString& bild : sammleBilder(dir.absolutePath())) {
        const QString grund = warumNichtEintragbar(bild);
        if (grund.isEmpty())
            bilder << bild;
        else
            ausgelassen << QStringLiteral("  %1: %2").arg(bild, grund);
    }
    if (bilder.isEmpty()) {
        aus << QStringLiteral("Im Ordner %1 und seinen Unterordnern gibt es keine Bilder (.jpg, .jpeg, .bmp), "
                              "die eingetragen werden können. Es wurde nichts geschrieben.\n")
                   .arg(dir.absolutePath());
        for (const QString& a : ausgelassen)
            aus << a << '\n';
        return 1;
    }
    QFile datei(ziel);
    // NewOnly: a file that appeared meanwhile is not overwritten either.
    if (!datei.open(QIODevice::WriteOnly | QIODevice::NewOnly) || datei.write(inhalt(bilder)) < 0 || !datei.flush()) {
        aus << QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2\n").arg(ziel, datei.errorString());
        datei.remove();
        return 1;
    }
    aus << QStringLiteral("Geschrieben: %1 mit %2 %3.\n")
               .arg(ziel)
               .arg(bilder.size())
               .arg(bilder.size() == 1 ? QStringLiteral("Bild") : QStringLiteral("Bildern"));
    if (!ausgelassen.isEmpty()) {
        aus << QStringLiteral("Nicht eingetragen, bitte umbenennen:\n");
        for (const QString& a : ausgelassen)
            aus << a << '\n';
    }
    aus << QStringLiteral("Nächste Schritte:\n"
                          "  1. Tragen Sie in Varno.ini unter „#Namen der Gruppen“ die Namen Ihrer Gruppen ein "
                          "und passen Sie die Anzahl der Gruppen an.\n"
                          "  2. Prüfen Sie das Spiel mit: varno-pruefen %1\n")
               .arg(ordner);
    return 0;
}
