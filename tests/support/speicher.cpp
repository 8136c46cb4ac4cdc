#include "speicher.h"

#include <QByteArray>
#include <QFile>
#include <QList>

namespace {

QByteArray liesProc(qint64 pid, const char* datei)
{
    QFile f(pid ? QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(datei))
                : QStringLiteral("/proc/self/%1").arg(QLatin1String(datei)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

qint64 statusKb(const char* feld, qint64 pid)
{
    for (const QByteArray& zeile : liesProc(pid, "status").split('\n')) {
        if (zeile.startsWith(feld))
            return zeile.mid(qstrlen(feld)).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

qint64 cpuTicks(qint64 pid)
{
    const QByteArray stat = liesProc(pid, "stat");
    // The command name in parentheses may hold blanks; the fields follow it.
    const qsizetype klammer = stat.lastIndexOf(')');
    if (klammer < 0)
        return -1;
    const QList<QByteArray> felder = stat.mid(klammer + 2).split(' ');
    if (felder.size() < 13)
        return -1;
    return felder[11].toLongLong() + felder[12].toLongLong();  // utime + stime
}
