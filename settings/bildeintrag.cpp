#include "bildeintrag.h"

#include "core/hilfen.h"
#include "core/meldungen.h"
#include "core/pfade.h"
#include "core/spielstand.h"

namespace {

const QString Positionscodes = QStringLiteral("oumlrn");

bool darstellbar(const QString& endung)
{
    const QString e = endung.toLower();
    return e == QLatin1String(".jpg") || e == QLatin1String(".jpeg") || e == QLatin1String(".bmp");
}

// The next line that holds an entry, trimmed; empty at the end of the file.
QString naechsteEintragszeile(Zeilenleser& datei)
{
    while (!datei.amEnde()) {
        const QString zeile = trimme(datei.liesZeile());
        if (!zeile.isEmpty() && !zeile.startsWith(QLatin1Char('#')))
            return zeile;
    }
    return QString();
}

QString bildPfad(const Spielstand& st, const QString& eintrag)
{
    return st.BildPraefix + trimme(eintrag) + st.BildSuffix;
}

}  // namespace

bool PositionAbtrennen(QString& eintrag, QString& code)
{
    code.clear();
    const qsizetype p = eintrag.indexOf(QLatin1Char('?'));
    if (p < 0)
        return true;
    if (p != eintrag.size() - 2)
        return false;
    const QChar letzter = eintrag.back();
    if (!Positionscodes.contains(letzter))
        return false;
    code = QString(letzter);
    eintrag.remove(p, 2);
    return true;
}

bool BildEintragLesen(Spielstand& st, Meldungen& meldungen, const Bildvermesser& vermesser)
{
    Zeilenleser& datei = st.Einstellungsdatei;
    if (!datei.istOffen()) {
        meldungen.zeige(Meldungsart::Fehler,
                        QStringLiteral("Es ist keine Datei \"Varno.ini\" geöffnet: "
                                       "Es können keine Bilder gelesen werden."));
        return false;
    }

    const QString zeile = naechsteEintragszeile(datei);
    if (zeile.isEmpty()) {
        meldungen.zeigeMitFall(Meldungsart::Hinweis, QStringLiteral("Dateiende erreicht!"),
                               Meldungsfall::Listenende);
        return false;
    }

    QString eintrag = zeile;
    QString code;
    if (!PositionAbtrennen(eintrag, code)) {
        const QString rest = zeile.mid(zeile.indexOf(QLatin1Char('?')) + 1);
        meldungen.zeige(Meldungsart::Fehler,
                        QStringLiteral("Fehler beim Bild-Eintrag \"") + zeile
                            + QStringLiteral("\":\n\rFalscher Eintrag für die Positionierung des Bildes (")
                            + rest + QStringLiteral(")!"));
        return false;
    }

    const QString pfad = bildPfad(st, eintrag);
    if (findeDatei(pfad).isEmpty()) {
        meldungen.zeige(Meldungsart::Hinweis,
                        QStringLiteral("Datei ") + pfad + QStringLiteral(" nicht gefunden!"));
        return false;
    }

    st.BildDatei = pfad;
    st.BildPosition = code;

    if (st.StandardSeitenX == KeinSeitenverhaeltnis) {
        if (!darstellbar(dateiEndung(st.BildDatei))) {
            meldungen.zeige(Meldungsart::Warnung,
                            QStringLiteral("Fehler: Das Bild \"") + st.BildDatei
                                + QStringLiteral("\" kann nicht dargestellt werden.\n\r"
                                                 "Es sind nur die Bildformate JPG oder BMP möglich."));
            return false;
        }
        if (vermesser.fuelleGrau)
            vermesser.fuelleGrau();
        if (vermesser.miss) {
            const QSize groesse = vermesser.miss(st.BildDatei);
            st.SeitenX = groesse.width();
            st.SeitenY = groesse.height();
        } else {
            // Nothing to measure with: the picture fills the whole area.
            st.SeitenX = KeinSeitenverhaeltnis;
            st.SeitenY = KeinSeitenverhaeltnis;
        }
    } else {
        st.SeitenX = st.StandardSeitenX;
        st.SeitenY = st.StandardSeitenY;
    }
    return true;
}

int zaehleBildeintraege(const Zeilenleser& datei)
{
    if (!datei.istOffen())
        return 0;
    Zeilenleser kopie = datei;
    int zahl = 0;
    while (!naechsteEintragszeile(kopie).isEmpty())
        ++zahl;
    return zahl;
}

std::optional<Bildvorschau> NaechsterBildEintrag(const Spielstand& st)
{
    if (!st.Einstellungsdatei.istOffen())
        return std::nullopt;
    Zeilenleser kopie = st.Einstellungsdatei;
    QString eintrag = naechsteEintragszeile(kopie);
    QString code;
    if (eintrag.isEmpty() || !PositionAbtrennen(eintrag, code))
        return std::nullopt;
    const QString pfad = bildPfad(st, eintrag);
    if (!darstellbar(dateiEndung(pfad)) || findeDatei(pfad).isEmpty())
        return std::nullopt;
    return Bildvorschau{pfad, code};
}
