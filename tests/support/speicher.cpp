#include "speicher.h"

#include <QByteArray>
#include <QFile>

qint64 statusKb(const char* feld)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& zeile : f.readAll().split('\n')) {
        if (zeile.startsWith(feld))
            return zeile.mid(qstrlen(feld)).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}
