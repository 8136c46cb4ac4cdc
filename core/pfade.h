#pragma once
// Resolving picture paths written for another system: "\" separates
// directories, and letter case may differ from the files on disk.

#include <QFile>
#include <QString>

// The existing file the path names: the exact path if it exists, otherwise the
// one file whose components match ignoring letter case. Empty when there is
// none or more than one. Relative paths are relative to the working directory.
// Path text is Unicode; on disk names are looked up as the file system stores them.
QString findeDatei(const QString& pfad);

// Opens the file for reading only if it is a regular file (links followed).
// A named pipe, a device or a folder is refused without waiting: opening a
// pipe for reading would block until someone writes to it.
bool oeffneRegulaereDatei(QFile& datei, const QString& pfad);
// The same as a descriptor of one's own (close it), or -1.
int oeffneRegulaereDatei(const QString& pfad);

// The extension from the last "." of the file name part on, dot included; empty if none.
QString dateiEndung(const QString& pfad);
