#include "pfade.h"

#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace {

// Depth-first search for every file matching the remaining components ignoring
// letter case. Stops once two are found, since then none is taken.
void sucheOhneGrossKlein(const QString& basis, const QStringList& teile, int index,
                         QStringList& treffer)
{
    if (treffer.size() > 1)
        return;
    const QString verzeichnis = basis.isEmpty() ? QStringLiteral(".") : basis;
    auto verbinde = [&](const QString& name) {
        if (basis.isEmpty())
            return name;
        return basis.endsWith(QLatin1Char('/')) ? basis + name : basis + QLatin1Char('/') + name;
    };

    if (index == teile.size()) {
        if (QFileInfo(verzeichnis).isFile())
            treffer.append(basis);
        return;
    }
    const QString& teil = teile.at(index);
    if (teil.isEmpty() || teil == QLatin1String(".") || teil == QLatin1String("..")) {
        sucheOhneGrossKlein(teil.isEmpty() ? basis : verbinde(teil), teile, index + 1, treffer);
        return;
    }
    const QStringList eintraege = QDir(verzeichnis).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& eintrag : eintraege) {
        if (eintrag.compare(teil, Qt::CaseInsensitive) == 0)
            sucheOhneGrossKlein(verbinde(eintrag), teile, index + 1, treffer);
    }
}

} // namespace

QString findeDatei(const QString& pfad)
{
    // No file name holds a NUL; the file system would see a shorter name.
    if (pfad.isEmpty() || pfad.contains(QChar(0)))
        return QString();
    QString normal = pfad;
    normal.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QFileInfo(normal).isFile())
        return normal;

    const bool absolut = normal.startsWith(QLatin1Char('/'));
    const QStringList teile = normal.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (teile.isEmpty())
        return QString();
    QStringList treffer;
    sucheOhneGrossKlein(absolut ? QStringLiteral("/") : QString(), teile, 0, treffer);
    return treffer.size() == 1 ? treffer.first() : QString();
}

int oeffneRegulaereDatei(const QString& pfad)
{
    if (pfad.isEmpty() || pfad.contains(QChar(0)))
        return -1;
    // Non-blocking, so that a pipe is not waited on; the check is on what was
    // opened, so a file swapped meanwhile cannot slip through.
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    // Regular files ignore O_NONBLOCK; clear it all the same for plain reads.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool oeffneRegulaereDatei(QFile& datei, const QString& pfad)
{
    const int fd = oeffneRegulaereDatei(pfad);
    if (fd < 0)
        return false;
    if (!datei.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

QString dateiEndung(const QString& pfad)
{
    const qsizetype trenner = std::max(pfad.lastIndexOf(QLatin1Char('/')),
                                       pfad.lastIndexOf(QLatin1Char('\\')));
    const qsizetype punkt = pfad.lastIndexOf(QLatin1Char('.'));
    if (punkt <= trenner)
        return QString();
    return pfad.mid(punkt);
}
