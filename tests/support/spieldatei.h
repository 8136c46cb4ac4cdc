#pragma once
// The one builder of "Varno.ini" files for every suite: the values of a game,
// each changed where a case is about it, and the file's lines in the fixed
// order the reader expects (a comment line before each setting, as the
// quiz-master guide writes it).

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class Einstellungsziel;
class Meldungen;
struct Spielstand;

struct Spieldatei {
    QString fenster = QStringLiteral("520,498");
    QString seiten = QStringLiteral("4:3");
    QString test = QStringLiteral("0");
    QString sektoren = QStringLiteral("20");
    QString jede = QStringLiteral("0");
    QString strafe = QStringLiteral("3");
    QString panel = QStringLiteral("1");
    QStringList gruppen = {QStringLiteral("Adler"), QStringLiteral("Biber & Co"), QStringLiteral("Chamäleon")};
    // The count line when it is not the number of names (blank names, a wrong count).
    std::optional<QString> gruppenzahl = std::nullopt;
    QString muster = QStringLiteral("Bilder\\Bild*.jpg");
    QStringList bilder = {QStringLiteral("01"), QStringLiteral("02?o")};

    // Every line, the last entry included.
    QStringList zeilen() const;
    // The lines in Windows-1252, as a Windows editor saves them.
    QList<QByteArray> windowsZeilen() const;
    // The whole file in Windows-1252, each line ended by CR LF.
    QByteArray windowsDatei() const;
    bool schreibe(const QString& pfad) const;
};

// Reads the settings as the main window does at its creation, which puts its
// design size into the state first.
void liesWieDasFenster(Spielstand& st, Einstellungsziel& ziel, Meldungen& meldungen, const QString& pfad);
