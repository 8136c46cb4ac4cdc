#include "eingabe.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <exception>
#include <memory>
#include <new>
#include <optional>

#include "core/meldungen.h"
#include "core/spielstand.h"
#include "core/telefonprotokoll.h"
#include "render/bildbereich.h"
#include "settings/bildeintrag.h"
#include "settings/einstellungen.h"
#include "aufnahme.h"
#include "fakefenster.h"
#include "meldungsfang.h"
#include "spieldatei.h"
#include "testbilder.h"

namespace Eingabe {

namespace {

const QString Ini = QStringLiteral("\"Varno.ini\"");
constexpr QSize Gemessen(64, 48);

QTemporaryDir& ordner()
{
    static const QString basis = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                             : QDir::tempPath();
    static QTemporaryDir dir(basis + QStringLiteral("/varno-eingabe-XXXXXX"));
    return dir;
}

QString artName(Meldungsart art)
{
    switch (art) {
    case Meldungsart::Hinweis: return QStringLiteral("Hinweis");
    case Meldungsart::Warnung: return QStringLiteral("Warnung");
    case Meldungsart::Fehler: return QStringLiteral("Fehler");
    case Meldungsart::Ausnahme: return QStringLiteral("Ausnahme");
    }
    return QStringLiteral("?");
}

QString beschreibe(const Meldungsfang::Meldung& m)
{
    return artName(m.art) + QStringLiteral(" \"") + m.text.left(200) + QLatin1Char('"');
}

bool istEinstellungsfehler(const QString& text)
{
    static const QRegularExpression einstellung(
        QStringLiteral("^Fehler bei der (ersten|zweiten|dritten|fünften|siebten|achten) Einstellung in der "
                       "Datei \"Varno\\.ini\":\n\r"));
    return einstellung.match(text).hasMatch()
        || text.startsWith(QStringLiteral("Fehler in der Datei ") + Ini + QStringLiteral(":\n\r"))
        || text.startsWith(QStringLiteral("Fehlende Daten in der Datei ") + Ini + QStringLiteral(":\n\r"));
}

// The window side of a settings read, checked against the state it left.
QString pruefeEinstellungen(const Spielstand& st, const Aufnahme& ziel, const Meldungsfang& meldungen)
{
    bool fehler = false;
    for (const auto& m : meldungen.liste) {
        if (m.art != Meldungsart::Fehler || !istEinstellungsfehler(m.text))
            return QStringLiteral("unbekannte Meldung: ") + beschreibe(m);
        fehler = true;
    }
    if (meldungen.liste.size() > 2)
        return QStringLiteral("%1 Meldungen").arg(meldungen.liste.size());
    if (fehler != st.StartFehler)
        return QStringLiteral("StartFehler passt nicht zu den Meldungen");
    if (st.Gruppenzahl < 0 || st.Gruppenzahl > MaxGruppen)
        return QStringLiteral("Gruppenzahl %1").arg(st.Gruppenzahl);
    if (!st.Einstellungsdatei.istOffen())
        return QStringLiteral("Datei nicht offen");

    int gruppen = 0;
    for (const QString& aufruf : ziel.aufrufe) {
        if (!aufruf.startsWith(QLatin1String("gruppe:")))
            continue;
        if (aufruf.section(QLatin1Char(':'), 1, 1) != QString::number(gruppen))
            return QStringLiteral("Gruppenzeile außer der Reihe: ") + aufruf.left(40);
        ++gruppen;
    }
    if (gruppen > st.Gruppenzahl)
        return QStringLiteral("%1 Zeilen für %2 Gruppen").arg(gruppen).arg(st.Gruppenzahl);
    if (!st.StartFehler) {
        if (st.Gruppenzahl < 1 || gruppen != st.Gruppenzahl)
            return QStringLiteral("ohne Fehler, aber %1 Zeilen für %2 Gruppen").arg(gruppen).arg(st.Gruppenzahl);
        if (!ziel.aufrufe.contains(QStringLiteral("spalte")))
            return QStringLiteral("ohne Fehler, aber keine Spalte platziert");
        const bool eigenes = st.StandardSeitenX == KeinSeitenverhaeltnis
            && st.StandardSeitenY == KeinSeitenverhaeltnis;
        if (!eigenes && (st.StandardSeitenX <= 0 || st.StandardSeitenY <= 0))
            return QStringLiteral("Seitenverhältnis %1:%2").arg(st.StandardSeitenX).arg(st.StandardSeitenY);
    }
    return {};
}

// Reads daten as Varno.ini into st; the path is returned for messages.
QString liesEin(const QByteArray& daten, Spielstand& st, Aufnahme& ziel, Meldungsfang& meldungen)
{
    const QString pfad = arbeitsordner() + QStringLiteral("/Varno.ini");
    if (!schreibeDatei(pfad, daten))
        return QStringLiteral("kann ") + pfad + QStringLiteral(" nicht schreiben");
    liesWieDasFenster(st, ziel, meldungen, pfad);
    return pruefeEinstellungen(st, ziel, meldungen);
}

// Lines the reader can yield from daten at most.
qsizetype zeilenzahl(const QByteArray& daten)
{
    qsizetype ende = daten.indexOf('\x1a');
    if (ende < 0)
        ende = daten.size();
    // CR, LF and CR LF each end a line, so their bytes bound the count.
    const QByteArray gelesen = daten.left(ende);
    return gelesen.count('\r') + gelesen.count('\n') + 1;
}

bool istEintragsmeldung(const Meldungsfang::Meldung& m)
{
    const QString& t = m.text;
    switch (m.art) {
    case Meldungsart::Hinweis:
        return t == QLatin1String("Dateiende erreicht!")
            || (t.startsWith(QLatin1String("Datei ")) && t.endsWith(QLatin1String(" nicht gefunden!")));
    case Meldungsart::Fehler:
        return t.startsWith(QLatin1String("Fehler beim Bild-Eintrag \""))
            && t.endsWith(QLatin1String(")!"));
    case Meldungsart::Warnung:
        return t.startsWith(QLatin1String("Fehler: Das Bild \""))
            && t.endsWith(QStringLiteral("Es sind nur die Bildformate JPG oder BMP möglich."));
    case Meldungsart::Ausnahme:
        return false;
    }
    return false;
}

// Collects Qt's warnings while it lives: a reader that makes Qt complain
// has passed it something it should have refused itself.
class Warnungen {
public:
    Warnungen() : m_vorher(qInstallMessageHandler(&Warnungen::nimm)) { liste().clear(); }
    ~Warnungen() { qInstallMessageHandler(m_vorher); }
    Warnungen(const Warnungen&) = delete;
    Warnungen& operator=(const Warnungen&) = delete;

    QString erste() const
    {
        return liste().isEmpty() ? QString() : QStringLiteral("Qt-Warnung: ") + liste().first().left(200);
    }

private:
    static QStringList& liste()
    {
        static QStringList l;
        return l;
    }
    static void nimm(QtMsgType art, const QMessageLogContext&, const QString& text)
    {
        if (art != QtDebugMsg && art != QtInfoMsg)
            liste() << text;
    }
    QtMessageHandler m_vorher;
};

// Restores the working directory on every way out.
class ImOrdner {
public:
    explicit ImOrdner(const QString& pfad) : m_alt(QDir::currentPath()) { QDir::setCurrent(pfad); }
    ~ImOrdner() { QDir::setCurrent(m_alt); }
    ImOrdner(const ImOrdner&) = delete;
    ImOrdner& operator=(const ImOrdner&) = delete;

private:
    QString m_alt;
};

bool istLadefehler(const QString& text, bool jpeg)
{
    static const QRegularExpression jpegFehler(QStringLiteral("^JPEG-Fehlernr\\. \\d+$"));
    static const QRegularExpression zuGross(QStringLiteral("^Das Bild .* ist mit \\d+ × \\d+ Pixeln zu groß$"),
                                            QRegularExpression::DotMatchesEverythingOption);
    if (zuGross.match(text).hasMatch())
        return true;
    return jpeg ? jpegFehler.match(text).hasMatch() : text == QStringLiteral("Bitmap ist ungültig");
}

QString bildDatei(const QByteArray& daten, const QString& name, bool jpeg)
{
    const QString pfad = arbeitsordner() + QLatin1Char('/') + name;
    if (!schreibeDatei(pfad, daten))
        return QStringLiteral("kann ") + pfad + QStringLiteral(" nicht schreiben");

    Spielstand st;
    FakeFenster fenster;
    Meldungsfang meldungen;
    Bildbereich bereich(st, fenster, meldungen);
    QImage ziel(64, 48, QImage::Format_RGB32);
    ziel.fill(Qt::gray);

    for (const char* code : {"", "o", "m", "u", "l", "r", "n"}) {
        try {
            bereich.BildDarstellung(ziel, pfad, QString::fromLatin1(code));
        } catch (const VarnoFehler& f) {
            if (!istLadefehler(f.text(), jpeg))
                return QStringLiteral("unbekannter Ladefehler: ") + f.text();
            if (ziel.size() != QSize(64, 48))
                return QStringLiteral("Ziel nach Ladefehler verändert");
            return {};
        } catch (const std::bad_alloc&) {
            return QStringLiteral("kein Speicher");
        }
        if (ziel.size() != QSize(64, 48) || ziel.format() != QImage::Format_RGB32)
            return QStringLiteral("Ziel %1x%2 Format %3 nach Code \"%4\"")
                .arg(ziel.width()).arg(ziel.height()).arg(int(ziel.format())).arg(QLatin1String(code));
    }
    if (!meldungen.liste.isEmpty())
        return QStringLiteral("Meldung: ") + beschreibe(meldungen.liste.first());
    if (bereich.dekodierZaehler() != 1)
        return QStringLiteral("%1-mal dekodiert").arg(bereich.dekodierZaehler());
    return {};
}

QString liesEintraege(const QByteArray& daten);

} // namespace

QString arbeitsordner()
{
    return ordner().path();
}

QString einstellungsdatei(const QByteArray& daten)
{
    const Warnungen warnungen;
    Spielstand st;
    Aufnahme ziel;
    Meldungsfang meldungen;
    const QString fehler = liesEin(daten, st, ziel, meldungen);
    return fehler.isEmpty() ? warnungen.erste() : fehler;
}

QString bildeintraege(const QByteArray& daten)
{
    const Warnungen warnungen;
    const QString fehler = liesEintraege(daten);
    return fehler.isEmpty() ? warnungen.erste() : fehler;
}

QString jpegDatei(const QByteArray& daten)
{
    // Qt's decoders may warn about what they repair in a damaged file.
    return bildDatei(daten, QStringLiteral("eingabe.jpg"), true);
}

QString bmpDatei(const QByteArray& daten)
{
    // Qt's decoders may warn about what they repair in a damaged file.
    return bildDatei(daten, QStringLiteral("eingabe.bmp"), false);
}

namespace {

QString liesEintraege(const QByteArray& daten)
{
    // Entries name files relative to the working directory; a few exist there.
    const QString dir = arbeitsordner();
    for (const char* name : {"bild.jpg", "Bild2.BMP", "bild.gif", "ohne"}) {
        if (!QFile::exists(dir + QLatin1Char('/') + QLatin1String(name)))
            schreibeDatei(dir + QLatin1Char('/') + QLatin1String(name), "x");
    }
    const QString umlaut = dir + QStringLiteral("/Bär.jpg");
    if (!QFile::exists(umlaut))
        schreibeDatei(umlaut, "x");
    ImOrdner imOrdner(dir);

    auto st = std::make_unique<Spielstand>();
    Aufnahme ziel;
    Meldungsfang meldungen;
    const QString fehler = liesEin(daten, *st, ziel, meldungen);
    if (!fehler.isEmpty() || st->StartFehler)
        return fehler;

    int gemessen = 0;
    int grau = 0;
    const Bildvermesser vermesser{[&grau] { ++grau; }, [&gemessen](const QString&) {
                                      ++gemessen;
                                      return Gemessen;
                                  }};
    const qsizetype hoechstens = zeilenzahl(daten) + 2;
    for (qsizetype aufruf = 0; aufruf < hoechstens; ++aufruf) {
        const qsizetype vorher = meldungen.liste.size();
        const int gemessenVorher = gemessen;
        bool gelesen = false;
        try {
            gelesen = BildEintragLesen(*st, meldungen, vermesser);
        } catch (const VarnoFehler& f) {
            return QStringLiteral("Ausnahme: ") + f.text();
        }
        const qsizetype neu = meldungen.liste.size() - vorher;
        if (gelesen) {
            if (neu != 0)
                return QStringLiteral("Meldung trotz Erfolg: ") + beschreibe(meldungen.liste.last());
            if (st->BildDatei.isEmpty())
                return QStringLiteral("Erfolg ohne Bilddatei");
            if (!st->BildPosition.isEmpty()
                && (st->BildPosition.size() != 1 || !QStringLiteral("oumlrn").contains(st->BildPosition)))
                return QStringLiteral("Positionscode ") + st->BildPosition;
            const bool eigenes = st->StandardSeitenX == KeinSeitenverhaeltnis;
            const QSize seiten(st->SeitenX, st->SeitenY);
            if (eigenes ? (seiten != Gemessen || gemessen != gemessenVorher + 1 || grau != gemessen)
                        : seiten != QSize(st->StandardSeitenX, st->StandardSeitenY))
                return QStringLiteral("Seiten %1:%2").arg(seiten.width()).arg(seiten.height());
            continue;
        }
        if (neu != 1)
            return QStringLiteral("%1 Meldungen für einen Eintrag").arg(neu);
        const auto& m = meldungen.liste.last();
        if (!istEintragsmeldung(m))
            return QStringLiteral("unbekannte Meldung: ") + beschreibe(m);
        if (m.text == QLatin1String("Dateiende erreicht!"))
            return {};
    }
    return QStringLiteral("kein Dateiende nach %1 Einträgen").arg(hoechstens);
}

} // namespace

QString telefonNachricht(const QByteArray& daten)
{
    const std::optional<Telefon::Nachricht> n = Telefon::lies(daten);
    if (n && daten.size() > Telefon::MaxNachricht)
        return QStringLiteral("a message over the size limit was read");
    if (n && n->art == Telefon::Art::Beitritt && (!Telefon::istCode(n->code) || n->gruppe < 0 || n->gruppe >= Telefon::MaxGruppen))
        return QStringLiteral("a join out of form was read: %1 %2").arg(n->code).arg(n->gruppe);
    if (n && n->art == Telefon::Art::Druck && (!n->code.isEmpty() || n->gruppe != -1))
        return QStringLiteral("a press carries a join's fields");
    // Any bytes as an address: refused after the eleventh wrong code, free a minute later.
    Telefon::Fehlversuche versuche;
    const QString adresse = QString::fromUtf8(daten.left(64));
    for (int i = 0; i <= Telefon::MaxFalscheCodes; ++i) {
        if (versuche.gesperrt(adresse, i))
            return QStringLiteral("refused after %1 wrong codes").arg(i);
        versuche.falsch(adresse, i);
    }
    if (!versuche.gesperrt(adresse, Telefon::MaxFalscheCodes) || versuche.gesperrt(adresse, Telefon::MaxFalscheCodes + Telefon::Sperrzeit))
        return QStringLiteral("the refusal does not last a minute");
    return {};
}

Pruefung pruefungFuer(const QString& ziel)
{
    if (ziel == QLatin1String("telefon"))
        return telefonNachricht;
    if (ziel == QLatin1String("einstellungen"))
        return einstellungsdatei;
    if (ziel == QLatin1String("bildeintraege"))
        return bildeintraege;
    if (ziel == QLatin1String("jpeg"))
        return jpegDatei;
    if (ziel == QLatin1String("bmp"))
        return bmpDatei;
    return nullptr;
}

} // namespace Eingabe
