#include "einstellungen.h"
#include "einstellungspanel.h"

#include "core/hilfen.h"
#include "core/meldungen.h"
#include "core/pfade.h"
#include "core/spielstand.h"

#include <optional>

// End-of-file rule: the reader stops with an error only where it searches for
// a line (a first value, a comment line) and the file has run out. A value
// that follows a comment block at the very end of the file is read past the
// end, i.e. as an empty line, and fails or passes like any empty value.

namespace {

const QString Datei = QStringLiteral("\"Varno.ini\"");
constexpr int MaxMusterSuche = 1000;  // the pattern's comment line must come within 999 lines

const char* const Ordnungszahl[] = {"", "ersten", "zweiten", "dritten", "vierten",
                                    "fünften", "sechsten", "siebten", "achten"};

bool istKommentar(const QString& zeile)
{
    return zeile.startsWith(QLatin1Char('#'));
}

bool istNullOderEins(const QString& wert)
{
    const QString t = trimme(wert);
    return t == QLatin1String("0") || t == QLatin1String("1");
}

QString einstellungsFehler(int nummer, const QString& grund)
{
    return QStringLiteral("Fehler bei der ") + QString::fromUtf8(Ordnungszahl[nummer])
           + QStringLiteral(" Einstellung in der Datei ") + Datei + QStringLiteral(":\n\r") + grund;
}

QString fehlendeDaten(const QString& grund)
{
    return QStringLiteral("Fehlende Daten in der Datei ") + Datei + QStringLiteral(":\n\r") + grund;
}

QString dateiEndetVor(const QString& was)
{
    return fehlendeDaten(QStringLiteral("Die Datei endet vor ") + was + QLatin1Char('.'));
}

class EinstellungsLeser {
public:
    EinstellungsLeser(Spielstand& st, Einstellungsziel& ziel, Meldungen& meldungen)
        : m_st(st), m_ziel(ziel), m_meldungen(meldungen), m_datei(st.Einstellungsdatei)
    {
    }

    void lies()
    {
        if (!ersteEinstellung() || !seitenverhaeltnis() || !testmodus() || !sektoren()
            || !jedeGruppe() || !strafpunkte() || !einstellungsfenster() || !gruppenzahl()
            || !kommentarVorNamen() || !gruppennamen())
            return;
        m_ziel.platziereSpalte();
        if (!namensmuster())
            return;
        kommentarVorBildern();
    }

private:
    void fehler(const QString& text, Meldungsfall fall = Meldungsfall::Sonstige)
    {
        m_meldungen.zeigeMitFall(Meldungsart::Fehler, text, fall);
        m_st.StartFehler = true;
    }

    // Reads up to and including the next comment line; false at the file's end.
    bool bisKommentar()
    {
        while (!m_datei.amEnde()) {
            if (istKommentar(m_datei.liesZeile()))
                return true;
        }
        return false;
    }

    // The first line after the comment block that follows; it may be empty.
    std::optional<QString> NaechsterWert(int nummer)
    {
        if (!bisKommentar()) {
            fehler(dateiEndetVor(QStringLiteral("der ") + QString::fromUtf8(Ordnungszahl[nummer])
                                 + QStringLiteral(" Einstellung")));
            return std::nullopt;
        }
        QString zeile;
        do {
            zeile = m_datei.liesZeile();
        } while (istKommentar(zeile));
        return zeile;
    }

    bool ersteEinstellung()
    {
        QString wert;
        for (;;) {
            if (m_datei.amEnde()) {
                fehler(dateiEndetVor(QStringLiteral("der ersten Einstellung")));
                return false;
            }
            wert = m_datei.liesZeile();
            if (!istKommentar(wert) && !trimme(wert).isEmpty())
                break;
        }
        if (trimme(wert).compare(QLatin1String("max"), Qt::CaseInsensitive) == 0) {
            m_st.FensterBreite = -1;
            return true;
        }
        const qsizetype komma = wert.indexOf(QLatin1Char(','));
        if (komma < 0) {
            fehler(einstellungsFehler(
                1, QStringLiteral("Die Einstellung für die Fenstergröße muss ein Komma enthalten.")));
            return false;
        }
        const auto breite = alsGanzzahl(trimme(wert.left(komma)));
        const auto hoehe = alsGanzzahl(trimme(wert.mid(komma + 1)));
        if (!breite || !hoehe) {
            fehler(einstellungsFehler(1, QStringLiteral("Unkorrekte Pixel-Angaben für die Fenstergröße.")));
            return false;
        }
        m_st.FensterBreite = *breite;
        m_st.FensterHoehe = *hoehe;
        return true;
    }

    bool seitenverhaeltnis()
    {
        const auto wert = NaechsterWert(2);
        if (!wert)
            return false;
        if (trimme(*wert) == QLatin1String("*")) {
            m_st.StandardSeitenX = KeinSeitenverhaeltnis;
            m_st.StandardSeitenY = KeinSeitenverhaeltnis;
        } else {
            const qsizetype doppelpunkt = wert->indexOf(QLatin1Char(':'));
            if (doppelpunkt < 0) {
                fehler(einstellungsFehler(2, QStringLiteral("Die Einstellung für das Standard-Seitenverhältnis "
                                                            "muss einen Doppelpunkt enthalten.")));
                return false;
            }
            const auto a = alsGanzzahl(trimme(wert->left(doppelpunkt)));
            const auto b = alsGanzzahl(trimme(wert->mid(doppelpunkt + 1)));
            if (!a || !b) {
                fehler(einstellungsFehler(2, QStringLiteral("Unkorrekte Angaben für das Standard-Seitenverhältnis.")));
                return false;
            }
            // The layout divides by both sides.
            if (*a <= 0 || *b <= 0) {
                fehler(einstellungsFehler(2, QStringLiteral("Die Seiten des Standard-Seitenverhältnisses "
                                                            "müssen größer als 0 sein.")));
                return false;
            }
            m_st.StandardSeitenX = *a;
            m_st.StandardSeitenY = *b;
        }
        m_st.SeitenX = m_st.StandardSeitenX;
        m_st.SeitenY = m_st.StandardSeitenY;
        return true;
    }

    bool testmodus()
    {
        const auto wert = NaechsterWert(3);
        if (!wert)
            return false;
        if (!istNullOderEins(*wert)) {
            fehler(einstellungsFehler(3, QStringLiteral("Beim Testmodus muss eine 0 oder eine 1 angegeben werden.")));
            return false;
        }
        m_st.Testmodus = trimme(*wert) == QLatin1String("1");
        return true;
    }

    bool sektoren()
    {
        const auto wert = NaechsterWert(4);
        if (!wert)
            return false;
        m_ziel.setzeSektorenText(*wert, Edit2Change(m_st, *wert));
        return true;
    }

    bool jedeGruppe()
    {
        const auto wert = NaechsterWert(5);
        if (!wert)
            return false;
        if (!istNullOderEins(*wert)) {
            fehler(einstellungsFehler(5, QStringLiteral("Bei der Einstellung, ob jede Gruppe tippen darf, "
                                                        "muss eine 0 oder eine 1 angegeben werden.")));
            return false;
        }
        m_ziel.setzeJedeGruppeTippt(trimme(*wert) == QLatin1String("1"));
        return true;
    }

    bool strafpunkte()
    {
        const auto wert = NaechsterWert(6);
        if (!wert)
            return false;
        m_ziel.setzeStrafpunkteText(*wert);
        return true;
    }

    bool einstellungsfenster()
    {
        const auto wert = NaechsterWert(7);
        if (!wert)
            return false;
        if (!istNullOderEins(*wert)) {
            fehler(einstellungsFehler(7, QStringLiteral("Für die Anzeige des Einstellungsfensters "
                                                        "muss eine 0 oder eine 1 angegeben werden.")));
            return false;
        }
        if (trimme(*wert) == QLatin1String("0"))
            m_ziel.verbergeEinstellungen();
        return true;
    }

    bool gruppenzahl()
    {
        const auto wert = NaechsterWert(8);
        if (!wert)
            return false;
        const auto zahl = alsGanzzahl(*wert);
        if (!zahl) {
            fehler(einstellungsFehler(8, QStringLiteral("Die Anzahl der Gruppen ist keine Zahl.")));
            return false;
        }
        // An out-of-range count is never stored: the per-group arrays have 31 slots.
        if (*zahl < 1 || *zahl > MaxGruppen) {
            fehler(einstellungsFehler(8, QStringLiteral("Die Anzahl der Gruppen muss zwischen 1 und 30 liegen.")));
            return false;
        }
        m_st.Gruppenzahl = *zahl;
        return true;
    }

    bool kommentarVorNamen()
    {
        if (bisKommentar())
            return true;
        fehler(dateiEndetVor(QStringLiteral("den Gruppennamen")));
        return false;
    }

    bool gruppennamen()
    {
        for (int i = 0; i < m_st.Gruppenzahl; ++i) {
            for (;;) {
                if (m_datei.amEnde()) {
                    fehler(QStringLiteral("Fehler in der Datei ") + Datei
                           + QStringLiteral(":\n\rEs sind nicht genügend Gruppennamen eingetragen."));
                    return false;
                }
                const QString zeile = m_datei.liesZeile();
                if (zeile.isEmpty() || istKommentar(zeile))
                    continue;
                m_ziel.erzeugeGruppe(i, zeile);
                m_st.Punktestand[i] = 0;
                break;
            }
        }
        return true;
    }

    bool namensmuster()
    {
        // Reading past the end yields empty lines, so this search ends by its count.
        for (int zaehler = 1;; ++zaehler) {
            if (zaehler >= MaxMusterSuche) {
                fehler(fehlendeDaten(QStringLiteral("Wahrscheinlich sind zu wenig Gruppennamen eingegeben.")));
                return false;
            }
            if (istKommentar(m_datei.liesZeile()))
                break;
        }
        QString muster;
        do {
            muster = m_datei.liesZeile();
        } while (istKommentar(muster));

        const qsizetype stern = muster.indexOf(QLatin1Char('*'));
        if (!muster.isEmpty() && stern < 0) {
            fehler(QStringLiteral("Fehler in der Datei ") + Datei
                   + QStringLiteral(":\n\rDie Standard-Syntax für die Bildnamen (") + muster
                   + QStringLiteral(") enthält keinen *."),
                   Meldungsfall::MusterOhneStern);
        }
        if (stern < 0) {
            m_st.BildPraefix.clear();
            m_st.BildSuffix = muster;
        } else {
            m_st.BildPraefix = muster.left(stern);
            m_st.BildSuffix = muster.mid(stern + 1);
        }
        return true;
    }

    void kommentarVorBildern()
    {
        if (!bisKommentar())
            fehler(dateiEndetVor(QStringLiteral("der Liste der Bilder")));
    }

    Spielstand& m_st;
    Einstellungsziel& m_ziel;
    Meldungen& m_meldungen;
    Zeilenleser& m_datei;
};

}  // namespace

void liesEinstellungen(Spielstand& st, Einstellungsziel& ziel, Meldungen& meldungen, const QString& pfad)
{
    // FensterBreite and FensterHoehe already hold the window's size; the file may replace them.
    st.StartFehler = false;
    st.Sektorenzahl = 0;
    st.BildDatei.clear();

    // The name was written for a system that ignores letter case.
    const QString gefunden = findeDatei(pfad);
    if (!st.Einstellungsdatei.oeffne(gefunden.isEmpty() ? pfad : gefunden)) {
        meldungen.zeige(Meldungsart::Hinweis, QStringLiteral("Ini-Datei Varno.ini nicht gefunden."));
        return;
    }
    EinstellungsLeser(st, ziel, meldungen).lies();
}
