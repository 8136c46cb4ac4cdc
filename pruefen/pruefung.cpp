#include "pruefung.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <memory>
#include <vector>

#include "bericht.h"
#include "core/fenstermasse.h"
#include "core/hilfen.h"
#include "core/meldungen.h"
#include "core/pfade.h"
#include "core/spielstand.h"
#include "core/zeilenleser.h"
#include "render/bildladen.h"
#include "render/bildvorrat.h"
#include "render/einpassung.h"
#include "render/sektor.h"
#include "settings/bildeintrag.h"
#include "settings/einstellungen.h"
#include "settings/einstellungspanel.h"

namespace {

const QString EinstellungsDatei = QStringLiteral("Varno.ini");
constexpr int VieleSektoren = 200;
constexpr int AehnlichHoechstens = 2;   // edits between a missing file's name and a suggested one

// What the reader would write into the window.
class Aufzeichnung : public Einstellungsziel {
public:
    explicit Aufzeichnung(Spielstand& st) : m_st(st) {}
    void setzeSektorenText(const QString& text, const QString& hinweis) override
    {
        sektorenText = text;
        sektorenZeile = m_st.Einstellungsdatei.gelesenZeilen();
        sektorenHinweis = hinweis;
    }
    void setzeStrafpunkteText(const QString& text) override
    {
        strafpunkteText = text;
        strafpunkteZeile = m_st.Einstellungsdatei.gelesenZeilen();
    }
    void setzeJedeGruppeTippt(bool jede) override { jedeGruppe = jede; }
    void verbergeEinstellungen() override { panelVerborgen = true; }
    void erzeugeGruppe(int, const QString& name) override { namen.append(name); }
    void platziereSpalte() override {}

    QString sektorenText = QStringLiteral("??");
    QString strafpunkteText = QStringLiteral("??");
    QString sektorenHinweis;
    int sektorenZeile = 0;
    int strafpunkteZeile = 0;
    bool jedeGruppe = false;
    bool panelVerborgen = false;
    QStringList namen;

private:
    Spielstand& m_st;
};

// Restores the working directory however the check ends.
class Arbeitsordner {
public:
    Arbeitsordner() : m_alt(QDir::currentPath()) {}
    ~Arbeitsordner() { QDir::setCurrent(m_alt); }
    Arbeitsordner(const Arbeitsordner&) = delete;
    Arbeitsordner& operator=(const Arbeitsordner&) = delete;

private:
    QString m_alt;
};

QString rechteck(const QRect& r)
{
    return QStringLiteral("(%1, %2, %3, %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString masse(QSize s)
{
    return QStringLiteral("%1 × %2").arg(s.width()).arg(s.height());
}

QString anzahl(int n, const char* einzahl, const char* mehrzahl)
{
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(n == 1 ? einzahl : mehrzahl);
}

QString formatName(const QString& pfad) { return istBmp(pfad) ? QStringLiteral("BMP") : QStringLiteral("JPEG"); }

QString einpassungText(const Einpassung& e, QSize bild, QSize flaeche)
{
    switch (e.art) {
    case Einpassung::Art::Kopie:
        return QStringLiteral("Das Bild hat genau die Größe des Bildbereichs und wird unverändert gezeigt.");
    case Einpassung::Art::Unskaliert:
        return QStringLiteral("In Originalgröße bei (%1, %2), ringsum schwarze Ränder.")
            .arg(e.ziel.x())
            .arg(e.ziel.y());
    case Einpassung::Art::Skaliert: {
        QString t;
        if (e.quelle == QRect(QPoint(0, 0), bild))
            t = QStringLiteral("Ganzes Bild");
        else
            t = QStringLiteral("Ausschnitt ") + rechteck(e.quelle);
        t += QStringLiteral(" skaliert nach ") + rechteck(e.ziel);
        if (e.ziel == QRect(QPoint(0, 0), flaeche))
            t += QStringLiteral(", füllt den Bildbereich.");
        else
            t += QStringLiteral(", schwarze Ränder.");
        return t;
    }
    case Einpassung::Art::Schwarz:
        break;
    }
    return QStringLiteral("Nichts zu zeichnen: Der Bildbereich bleibt schwarz.");
}

// The warning the picture area gives when it is to draw a file of an unknown format.
std::vector<Meldung> formatWarnung(Spielstand& st, const QString& pfad)
{
    SammelMeldungen warnung(st.Einstellungsdatei);
    warnung.zeige(Meldungsart::Warnung, nichtDarstellbarText(pfad));
    return warnung.liste;
}

// The bytes of the file, empty if it cannot be read.
QByteArray dateiinhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString zeilenendenText(const Zeilenenden& z)
{
    const int arten = (z.crlf > 0) + (z.cr > 0) + (z.lf > 0);
    if (arten == 0)
        return QStringLiteral("keine (nur eine Zeile)");
    if (arten == 1)
        return z.crlf > 0 ? QStringLiteral("CR LF (Windows)")
             : z.lf > 0   ? QStringLiteral("LF (Linux)")
                          : QStringLiteral("CR (altes Mac OS)");
    QStringList teile;
    if (z.crlf > 0)
        teile << QStringLiteral("%1 × CR LF").arg(z.crlf);
    if (z.lf > 0)
        teile << QStringLiteral("%1 × LF").arg(z.lf);
    if (z.cr > 0)
        teile << QStringLiteral("%1 × CR").arg(z.cr);
    return QStringLiteral("gemischt, ") + teile.join(QStringLiteral(", "));
}

// Characters that a pair of Windows-1252 bytes such as "ß»" turns into when
// read as UTF-8, and that hardly stand in a German quiz: C1 controls, IPA,
// combining marks, and the scripts from Armenian to NKo.
bool siehtNachZufallsUtf8Aus(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x80 && u <= 0x9F) || (u >= 0x250 && u <= 0x36F) || (u >= 0x530 && u <= 0x7FF);
}

// Names the encoding and line ends the game found; only the original format
// (Windows-1252 with CR LF) goes without a hint.
void berichteKodierung(Bericht& b, const Zeilenleser& leser, const QStringList& zeilen)
{
    const Zeichensatz z = leser.zeichensatz();
    const Zeilenenden enden = leser.zeilenenden();
    QString satz = z == Zeichensatz::Ascii ? QStringLiteral("Die Datei enthält nur ASCII-Zeichen")
                 : z == Zeichensatz::Utf8  ? QStringLiteral("Die Datei ist in UTF-8 gespeichert")
                                           : QStringLiteral("Die Datei ist in Windows-1252 gespeichert");
    if (leser.hatteBom())
        satz += QStringLiteral(", mit Byte-Order-Mark (BOM)");
    satz += QStringLiteral(", Zeilenenden: ") + zeilenendenText(enden) + QLatin1Char('.');
    const bool ursprungsformat = z != Zeichensatz::Utf8 && !leser.hatteBom() && enden.cr == 0 && enden.lf == 0;
    if (ursprungsformat)
        b.zeile(QStringLiteral("  ") + satz);
    else
        b.hinweis(QStringLiteral("  "), satz + QStringLiteral(" Das Spiel liest sie so."));

    if (z != Zeichensatz::Utf8 || leser.hatteBom())
        return;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        if (std::none_of(zeilen[i].begin(), zeilen[i].end(), siehtNachZufallsUtf8Aus))
            continue;
        b.hinweis(QStringLiteral("  "),
                  QStringLiteral("Zeile %1 lautet als UTF-8 „%2“, als Windows-1252 „%3“. Das Spiel liest die "
                                 "ganze Datei als UTF-8, weil sie gültiges UTF-8 ist. Ist sie in Windows-1252 "
                                 "geschrieben, bitte als UTF-8 speichern.")
                      .arg(i + 1)
                      .arg(zeilen[i], ausWindows1252(zeilen[i].toUtf8())));
        return;
    }
}

// The values as the game takes them, when the reader got through all of them.
void berichteWerte(Bericht& b, const Spielstand& st, const Aufzeichnung& ziel)
{
    if (st.FensterBreite == -1)
        b.zeile(QStringLiteral("  Fenstergröße: maximiert"));
    else
        b.zeile(QStringLiteral("  Fenstergröße: %1 Pixel").arg(masse(QSize(st.FensterBreite, st.FensterHoehe))));
    if (st.StandardSeitenX == KeinSeitenverhaeltnis)
        b.zeile(QStringLiteral("  Seitenverhältnis: * (jedes Bild behält sein eigenes)"));
    else
        b.zeile(QStringLiteral("  Seitenverhältnis: %1:%2").arg(st.StandardSeitenX).arg(st.StandardSeitenY));
    b.zeile(QStringLiteral("  Testmodus: %1").arg(st.Testmodus ? QStringLiteral("an") : QStringLiteral("aus")));
    b.zeile(QStringLiteral("  Sektoren: %1").arg(ziel.sektorenText));
    if (!ziel.sektorenHinweis.isEmpty())
        b.zeile(QStringLiteral("    ") + ziel.sektorenHinweis);
    // Above the cover's capacity the settings panel refuses the count anyway.
    if (const auto n = alsGanzzahl(ziel.sektorenText); n && *n > VieleSektoren && *n <= MaxSektoren)
        b.hinweis(QStringLiteral("    "),
                  QStringLiteral("Bei %1 Sektoren kann ein Bild bis zu %1 Klicks brauchen, bis es ganz aufgedeckt "
                                 "ist, und jeder Sektor ist nur ein schmaler Strahl. Mehr als %2 Sektoren machen "
                                 "das Aufdecken sehr langwierig.")
                      .arg(*n)
                      .arg(VieleSektoren));
    b.zeile(QStringLiteral("  Tippen darf: %1")
                .arg(ziel.jedeGruppe ? QStringLiteral("jede Gruppe, die noch im Spiel ist")
                                     : QStringLiteral("immer nur eine (zufällig ermittelte) Gruppe")));
    b.zeile(QStringLiteral("  Strafpunkte: %1").arg(ziel.strafpunkteText));
    b.zeile(QStringLiteral("  Einstellungsfenster: %1")
                .arg(ziel.panelVerborgen ? QStringLiteral("wird nicht angezeigt, das Spiel beginnt sofort")
                                         : QStringLiteral("wird angezeigt")));
}

void berichteGruppen(Bericht& b, const QStringList& namen)
{
    b.zeile(QStringLiteral("  Gruppen: %1").arg(namen.size()));
    for (qsizetype i = 0; i < namen.size(); ++i)
        b.zeile(QStringLiteral("    %1. %2").arg(i + 1).arg(namen[i]));
}

// The end of the report when the game never reaches its picture list.
void berichteAbbruch(Bericht& b)
{
    b.zeile();
    b.zeile(QStringLiteral("Die Bilderliste wurde nicht erreicht; die Bilder sind nicht geprüft."));
    b.zeile();
    b.zeile(QStringLiteral("Zusammenfassung"));
    b.zeile(QStringLiteral("  %1. Das Spiel startet so nicht.").arg(anzahl(b.probleme, "Problem", "Probleme")));
}

// Reads the settings with the game's reader and reports them; zeilen receives
// the file's lines. False when the game never reaches the picture list: the
// report is then complete.
bool berichteEinstellungen(Bericht& b, Spielstand& st, Aufzeichnung& ziel, QStringList& zeilen)
{
    SammelMeldungen lesemeldungen(st.Einstellungsdatei);
    liesEinstellungen(st, ziel, lesemeldungen, EinstellungsDatei);
    if (!st.Einstellungsdatei.istOffen()) {
        b.zeile();
        berichteProbleme(b, QString(), lesemeldungen.liste);
        b.zeile(QStringLiteral("Legen Sie die Datei Varno.ini in diesen Ordner oder starten Sie die Prüfung "
                               "im richtigen Ordner."));
        return false;
    }
    const QString iniDatei = findeDatei(EinstellungsDatei);
    b.zeile(QStringLiteral("Einstellungsdatei: %1").arg(iniDatei));
    // The file's lines as the game splits them, to name each entry.
    Zeilenleser leser;
    leser.oeffneDaten(dateiinhalt(iniDatei));
    while (!leser.amEnde())
        zeilen.append(leser.liesZeile());

    b.zeile();
    b.zeile(QStringLiteral("Einstellungen"));
    berichteKodierung(b, leser, zeilen);
    const bool abgebrochen = berichteLesemeldungen(b, lesemeldungen.liste);
    if (!abgebrochen)
        berichteWerte(b, st, ziel);
    if (!ziel.namen.isEmpty() || !abgebrochen)
        berichteGruppen(b, ziel.namen);
    if (abgebrochen) {
        berichteAbbruch(b);
        return false;
    }
    b.zeile(QStringLiteral("  Bildnamen: \"%1\" + Eintrag + \"%2\"").arg(st.BildPraefix, st.BildSuffix));
    if (st.Testmodus)
        b.hinweis(QStringLiteral("  "), QStringLiteral("Der Testmodus ist eingeschaltet: Jedes Bild erscheint "
                                                       "sofort ganz. Für das Spiel die dritte Einstellung auf 0 "
                                                       "setzen."));
    return true;
}

// The checks of the settings panel's OK, with the values from the file. True: they pass.
bool berichtePanel(Bericht& b, Spielstand& st, const Aufzeichnung& ziel)
{
    SammelMeldungen panelmeldungen(st.Einstellungsdatei);
    const bool gut = pruefeEinstellungen(st, ziel.strafpunkteText, ziel.sektorenText, panelmeldungen);
    berichtePanelmeldungen(b, panelmeldungen.liste, ziel.strafpunkteZeile, ziel.sektorenZeile, ziel.panelVerborgen);
    return gut;
}

// The window the picture area is computed for, said in the report.
QSize berichteFenster(Bericht& b, const Spielstand& st)
{
    b.zeile();
    if (st.FensterBreite == -1) {
        const QSize fenster(AngenommeneBildschirmBreite, AngenommeneBildschirmHoehe);
        b.zeile(QStringLiteral("Bildbereich für ein maximiertes Fenster, angenommen %1 Pixel groß; "
                               "das Fenster innen so groß wie außen gerechnet.")
                    .arg(masse(fenster)));
        return fenster;
    }
    const QSize fenster(st.FensterBreite, st.FensterHoehe);
    const QSize mindestens = fenster.expandedTo(Mindestgroesse);
    if (mindestens != fenster)
        b.zeile(QStringLiteral("Das Spiel vergrößert das Fenster auf mindestens 800 × 600 Pixel."));
    b.zeile(QStringLiteral("Bildbereich für ein Fenster von %1 Pixeln, innen so groß wie außen gerechnet "
                           "(Rahmen und Titelleiste machen ihn im Spiel etwas kleiner).")
                .arg(masse(mindestens)));
    return fenster;
}

// True if the cover of n sectors cannot be drawn on an area of this size.
bool zuWenigeSektoren(int n, QSize flaeche)
{
    for (int k = 0; k < n; ++k) {
        if (sektorPolygon(k, n, flaeche.width(), flaeche.height()).status == SektorStatus::ZuWenigeSektoren)
            return true;
    }
    return false;
}

// Levenshtein distance, or grenze + 1 as soon as it must exceed grenze; names
// far apart in length never get their table built (an entry may be megabytes long).
int bearbeitungsabstand(const QString& a, const QString& b, int grenze)
{
    if (grenze < 0 || std::abs(a.size() - b.size()) > grenze)
        return grenze + 1;
    std::vector<int> vorige(b.size() + 1), zeile(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        vorige[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        zeile[0] = int(i);
        int kleinste = zeile[0];
        for (qsizetype j = 1; j <= b.size(); ++j) {
            zeile[j] = std::min({vorige[j] + 1, zeile[j - 1] + 1, vorige[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
            kleinste = std::min(kleinste, zeile[j]);
        }
        if (kleinste > grenze)
            return grenze + 1;
        std::swap(vorige, zeile);
    }
    return std::min(vorige[b.size()], grenze + 1);
}

struct Bilderbilanz {
    int eintraege = 0;
    int fehlerfrei = 0;
    bool nachLetztemNochZeilen = false;
};

// The picture list entry by entry, each read, decoded and fitted as the game would.
class Bilderpruefung {
public:
    Bilderpruefung(Bericht& b, Spielstand& st, const QStringList& zeilen, QSize fenster, bool panelGut)
        : m_b(b), m_st(st), m_zeilen(zeilen), m_fenster(fenster), m_panelGut(panelGut)
    {
    }
    Bilderpruefung(const Bilderpruefung&) = delete;  // the measuring hook points back here
    Bilderpruefung& operator=(const Bilderpruefung&) = delete;

    Bilderbilanz pruefeAlle();

private:
    bool eintrag();
    void bild();
    void einpassung(const QString& pfad, QSize groesse);
    void berichteSchmal(const Einpassung& e, QSize flaeche);
    void berichteAehnlich(const QString& eintragszeile);
    // Every decoded size, for the entry reader as for the fitting, comes from here.
    // The size shown (upright); decoding it, at the smallest scale, finds what the game would refuse.
    QSize miss(const QString& pfad)
    {
        const QSize groesse = m_vorrat.groesse(pfad);
        m_vorrat.lade(pfad, QSize(1, 1), QString());
        return groesse;
    }

    Bericht& m_b;
    Spielstand& m_st;
    const QStringList& m_zeilen;
    const QSize m_fenster;
    const bool m_panelGut;
    Bildvorrat m_vorrat;
    const Bildvermesser m_vermesser{nullptr, [this](const QString& pfad) { return miss(pfad); }};
    Bilderbilanz m_bilanz;
};

Bilderbilanz Bilderpruefung::pruefeAlle()
{
    m_b.zeile();
    m_b.zeile(QStringLiteral("Bilder"));
    while (eintrag()) {
    }
    if (m_bilanz.eintraege == 0) {
        m_b.problem(QStringLiteral("  "), QStringLiteral("Die Liste der Bilder ist leer; schon beim ersten Bild "
                                                         "meldet das Spiel \"Dateiende erreicht!\"."));
    } else if (m_bilanz.nachLetztemNochZeilen) {
        m_b.hinweis(QStringLiteral("  "), QStringLiteral("Nach dem letzten Bild folgen noch Kommentar- oder "
                                                         "Leerzeilen: \"Neues Bild\" bleibt dann sichtbar und "
                                                         "meldet \"Dateiende erreicht!\"."));
    }
    return m_bilanz;
}

// One entry, as "Neues Bild" reads it. False at the end of the list.
bool Bilderpruefung::eintrag()
{
    SammelMeldungen m(m_st.Einstellungsdatei);
    bool gut = false;
    alsEreignis(m, [&] { gut = BildEintragLesen(m_st, m, m_vermesser); });
    if (!gut && istListenende(m.liste))
        return false;
    ++m_bilanz.eintraege;
    const int zeile = m_st.Einstellungsdatei.gelesenZeilen();
    m_bilanz.nachLetztemNochZeilen = !m_st.Einstellungsdatei.amEnde();
    const int problemeVorher = m_b.probleme;
    m_b.zeile(QStringLiteral("  Zeile %1: %2").arg(zeile).arg(trimme(m_zeilen.value(zeile - 1))));
    berichteProbleme(m_b, QStringLiteral("    "), m.liste);
    if (gut)
        bild();
    else
        berichteAehnlich(m_zeilen.value(zeile - 1));
    if (m_b.probleme == problemeVorher)
        ++m_bilanz.fehlerfrei;
    return true;
}

// The accepted entry's file: decoded, or the warning the picture area gives for it.
void Bilderpruefung::bild()
{
    const QString pfad = m_st.BildDatei;
    if (!istBildEndung(pfad)) {
        berichteProbleme(m_b, QStringLiteral("    "), formatWarnung(m_st, pfad));
        return;
    }
    SammelMeldungen fehler(m_st.Einstellungsdatei);
    QSize groesse;
    alsEreignis(fehler, [&] { groesse = miss(pfad); });
    berichteProbleme(m_b, QStringLiteral("    "), fehler.liste);
    if (groesse.isValid())
        einpassung(pfad, groesse);
}

// Where the decoded picture lands in the picture area, and what of it the cover allows.
void Bilderpruefung::einpassung(const QString& pfad, QSize groesse)
{
    const QString gefunden = findeDatei(pfad);
    m_b.zeile(QStringLiteral("    Datei %1%2: %3, %4 Pixel")
                  .arg(pfad, gefunden == pfad ? QString() : QStringLiteral(" (gefunden als %1)").arg(gefunden),
                       formatName(pfad), masse(groesse)));
    if (const Orientierung o = m_vorrat.orientierung(pfad); o != 1)
        m_b.zeile(QStringLiteral("    Das Foto ist gedreht gespeichert (EXIF-Ausrichtung %1); das Spiel zeigt es "
                                 "aufrecht, so wie oben angegeben.")
                      .arg(o));
    const Bildbereichsmass flaeche = berechneBildflaeche(m_fenster, m_st.SeitenX, m_st.SeitenY);
    const QSize t = flaeche.groesse;
    const QString code = m_st.BildPosition;
    const Einpassung e = berechneEinpassung(groesse.width(), groesse.height(), t.width(), t.height(), code);
    m_b.zeile(QStringLiteral("    Bildbereich %1 Pixel, Rahmen bei (%2, %3)")
                  .arg(masse(t))
                  .arg(flaeche.rahmenLinksOben->x())
                  .arg(flaeche.rahmenLinksOben->y()));
    m_b.zeile(QStringLiteral("    ") + einpassungText(e, groesse, t));
    berichteSchmal(e, t);
    if (!code.isEmpty() && e.art != Einpassung::Art::Kopie) {
        const Einpassung ohne = berechneEinpassung(groesse.width(), groesse.height(), t.width(), t.height(), QString());
        if (ohne.art == e.art && ohne.ziel == e.ziel && ohne.quelle == e.quelle)
            m_b.hinweis(QStringLiteral("    "),
                        QStringLiteral("Der Code ?%1 wirkt bei diesem Bild nicht; es wird ganz gezeigt.").arg(code));
    }
    if (m_panelGut && zuWenigeSektoren(m_st.Sektorenzahl, t))
        m_b.problem(QStringLiteral("    "),
                    QStringLiteral("Beim Abdecken meldet das Spiel: FEHLER: Zu wenige Sektoren eingestellt!"));
}

// A picture shown in less than a third of the area's height or width is a strip nobody can guess.
void Bilderpruefung::berichteSchmal(const Einpassung& e, QSize flaeche)
{
    if (e.art != Einpassung::Art::Skaliert && e.art != Einpassung::Art::Unskaliert)
        return;
    const bool skaliert = e.art == Einpassung::Art::Skaliert;
    if (3 * e.ziel.height() < flaeche.height()) {
        m_b.hinweis(QStringLiteral("    "),
                    QStringLiteral("Das Bild erscheint nur %1 Pixel hoch im %2 Pixel hohen Bildbereich, "
                                   "weniger als ein Drittel davon.%3")
                        .arg(e.ziel.height())
                        .arg(flaeche.height())
                        .arg(skaliert ? QStringLiteral(" Mit ?l, ?m oder ?r füllt ein Ausschnitt den Bildbereich.")
                                      : QString()));
    } else if (3 * e.ziel.width() < flaeche.width()) {
        m_b.hinweis(QStringLiteral("    "),
                    QStringLiteral("Das Bild erscheint nur %1 Pixel breit im %2 Pixel breiten Bildbereich, "
                                   "weniger als ein Drittel davon.%3")
                        .arg(e.ziel.width())
                        .arg(flaeche.width())
                        .arg(skaliert ? QStringLiteral(" Mit ?o, ?m oder ?u füllt ein Ausschnitt den Bildbereich.")
                                      : QString()));
    }
}

// A file in the missing one's folder whose name differs by a typing slip.
void Bilderpruefung::berichteAehnlich(const QString& eintragszeile)
{
    QString eintrag = trimme(eintragszeile);
    QString code;
    if (!PositionAbtrennen(eintrag, code))
        return;
    const QString pfad = m_st.BildPraefix + trimme(eintrag) + m_st.BildSuffix;
    if (!findeDatei(pfad).isEmpty())
        return;
    const qsizetype trenner = std::max(pfad.lastIndexOf(QLatin1Char('/')), pfad.lastIndexOf(QLatin1Char('\\')));
    const QString ordner = pfad.left(trenner + 1);
    const QString gesucht = pfad.mid(trenner + 1).toCaseFolded();
    QString ordnerAufPlatte = ordner;
    ordnerAufPlatte.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QDir dir(ordnerAufPlatte.isEmpty() ? QStringLiteral(".") : ordnerAufPlatte);
    QString bester;
    int besterAbstand = AehnlichHoechstens + 1;
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        const int abstand = bearbeitungsabstand(gesucht, name.toCaseFolded(), besterAbstand - 1);
        if (abstand < besterAbstand) {
            besterAbstand = abstand;
            bester = name;
        }
    }
    if (!bester.isEmpty())
        m_b.hinweis(QStringLiteral("    "), QStringLiteral("Meinten Sie %1?").arg(ordner + bester));
}

int berichteZusammenfassung(Bericht& b, qsizetype gruppen, const Bilderbilanz& bilanz)
{
    b.zeile();
    b.zeile(QStringLiteral("Zusammenfassung"));
    b.zeile(QStringLiteral("  %1, %2, davon fehlerfrei: %3")
                .arg(anzahl(int(gruppen), "Gruppe", "Gruppen"), anzahl(bilanz.eintraege, "Bildeintrag", "Bildeinträge"))
                .arg(bilanz.fehlerfrei));
    b.zeile(QStringLiteral("  %1, %2").arg(anzahl(b.probleme, "Problem", "Probleme"),
                                            anzahl(b.hinweise, "Hinweis", "Hinweise")));
    if (b.probleme == 0) {
        b.zeile(QStringLiteral("  Das Spiel läuft mit dieser Einstellungsdatei sauber."));
        return 0;
    }
    b.zeile(QStringLiteral("  Bitte beheben Sie die Probleme vor dem Spiel."));
    return 1;
}

} // namespace

Bildbereichsmass berechneBildflaeche(QSize fenster, int seitenX, int seitenY)
{
    // The game raises the width first, then the height, and lays out only then;
    // the frame starts at (18, 18).
    const QSize innen = fenster.expandedTo(Mindestgroesse);
    Bildbereichsmass m = berechneBildbereich(innen, seitenX, seitenY);
    if (!m.rahmenLinksOben)
        m.rahmenLinksOben = QPoint(18, 18);
    return m;
}

int pruefe(const QString& ordner, QTextStream& aus)
{
    Bericht b(aus);
    const QDir dir(ordner);
    b.zeile(QStringLiteral("Prüfung des Spielordners %1").arg(QDir::toNativeSeparators(dir.absolutePath())));
    if (!dir.exists()) {
        b.problem(QString(), QStringLiteral("Den Ordner gibt es nicht."));
        return 1;
    }
    Arbeitsordner zurueck;
    if (!QDir::setCurrent(dir.absolutePath())) {
        b.problem(QString(), QStringLiteral("In den Ordner kann nicht gewechselt werden."));
        return 1;
    }

    auto st = std::make_unique<Spielstand>();
    // The design size of the window, as when the game reads its settings.
    st->FensterBreite = Entwurfsgroesse.width();
    st->FensterHoehe = Entwurfsgroesse.height();
    Aufzeichnung ziel(*st);
    QStringList zeilen;
    if (!berichteEinstellungen(b, *st, ziel, zeilen))
        return 1;
    const bool panelGut = berichtePanel(b, *st, ziel);
    const QSize fenster = berichteFenster(b, *st);
    const Bilderbilanz bilanz = Bilderpruefung(b, *st, zeilen, fenster, panelGut).pruefeAlle();
    return berichteZusammenfassung(b, ziel.namen.size(), bilanz);
}
