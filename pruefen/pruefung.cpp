#include "pruefung.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringDecoder>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "bericht.h"
#include "core/hilfen.h"
#include "core/meldungen.h"
#include "core/pfade.h"
#include "core/spielstand.h"
#include "core/zeilenleser.h"
#include "render/bildbereich.h"
#include "render/bildladen.h"
#include "render/einpassung.h"
#include "render/fenster.h"
#include "render/sektor.h"
#include "settings/bildeintrag.h"
#include "settings/einstellungen.h"
#include "settings/einstellungspanel.h"

namespace {

const QString EinstellungsDatei = QStringLiteral("Varno.ini");
// What the reader would write into the window.
class Aufzeichnung : public Einstellungsziel {
public:
    explicit Aufzeichnung(Spielstand& st) : m_st(st) {}
    void setzeSektorenText(const QString& text) override
    {
        sektorenText = text;
        sektorenZeile = m_st.Einstellungsdatei.gelesenZeilen();
        // The window runs the field's change handler for the new text.
        sektorenHinweis = Edit2Change(m_st, text);
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

// Only what the picture area needs to hand out its extension warning.
class StillesFenster : public Fenster {
public:
    QSize aussenGroesse() const override { return {}; }
    QSize innenGroesse() const override { return {}; }
    void setzeAussenBreite(int) override {}
    void setzeAussenHoehe(int) override {}
    void maximiere() override {}
    void bewegeNachObenLinks() override {}
    void schliesse() override {}
    void setzeRahmen(const QRect&) override {}
    QRect rahmen() const override { return {}; }
    bool einstellungenSichtbar() const override { return false; }
    QSize einstellungenGroesse() const override { return {}; }
    void setzeEinstellungenPosition(const QPoint&) override {}
    void bildGeaendert(const QRect&) override {}
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

// Decodes a picture file with the game's loaders; the size of the last file is kept.
class Vermessung {
public:
    QSize miss(const QString& pfad)
    {
        if (pfad == m_pfad)
            return m_groesse;
        const QString datei = findeDatei(pfad);
        if (datei.isEmpty())
            throw VarnoFehler(oeffnenFehlerText(pfad));
        const QImage bild = dateiEndung(pfad).compare(QLatin1String(".bmp"), Qt::CaseInsensitive) == 0
            ? ladeBmp(datei, pfad)
            : ladeJpeg(datei, pfad);
        m_pfad = pfad;
        m_groesse = bild.size();
        return m_groesse;
    }

private:
    QString m_pfad;
    QSize m_groesse;
};

bool istDarstellbar(const QString& pfad)
{
    const QString e = dateiEndung(pfad).toLower();
    return e == QLatin1String(".jpg") || e == QLatin1String(".jpeg") || e == QLatin1String(".bmp");
}

QString formatName(const QString& pfad)
{
    return dateiEndung(pfad).compare(QLatin1String(".bmp"), Qt::CaseInsensitive) == 0
        ? QStringLiteral("BMP")
        : QStringLiteral("JPEG");
}

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

} // namespace

Bildbereichsmass berechneBildflaeche(QSize fenster, int seitenX, int seitenY)
{
    // The game raises the width first, then the height, and lays out only then;
    // the frame starts at (18, 18).
    const QSize innen(std::max(fenster.width(), 800), std::max(fenster.height(), 600));
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
    st->FensterBreite = 520;
    st->FensterHoehe = 498;
    SammelMeldungen lesemeldungen(st->Einstellungsdatei);
    Aufzeichnung ziel(*st);
    liesEinstellungen(*st, ziel, lesemeldungen, EinstellungsDatei);

    if (!st->Einstellungsdatei.istOffen()) {
        b.zeile();
        berichteProbleme(b, QString(), lesemeldungen.liste);
        b.zeile(QStringLiteral("Legen Sie die Datei Varno.ini in diesen Ordner oder starten Sie die Prüfung "
                               "im richtigen Ordner."));
        return 1;
    }
    const QString iniDatei = findeDatei(EinstellungsDatei);
    b.zeile(QStringLiteral("Einstellungsdatei: %1").arg(iniDatei));

    // The file's lines as the game splits them, to name each entry.
    QStringList zeilen;
    QByteArray daten;
    {
        QFile f(iniDatei);
        if (f.open(QIODevice::ReadOnly)) {
            daten = f.readAll();
            Zeilenleser leser;
            leser.oeffneDaten(daten);
            while (!leser.amEnde())
                zeilen.append(leser.liesZeile());
        }
    }

    b.zeile();
    b.zeile(QStringLiteral("Einstellungen"));
    // The usual traces of an editor on Linux; the game reads CR line ends and Windows-1252.
    if (daten.contains('\n') && !daten.contains('\r'))
        b.hinweis(QStringLiteral("  "), QStringLiteral("Die Datei hat Unix-Zeilenenden (nur LF); das Spiel liest sie "
                                                       "als eine einzige Zeile. Bitte mit Windows-Zeilenenden (CR LF) "
                                                       "speichern."));
    if (daten.startsWith("\xEF\xBB\xBF")) {
        b.hinweis(QStringLiteral("  "), QStringLiteral("Die Datei beginnt mit einer UTF-8-Kennung (BOM); sie gehört "
                                                       "für das Spiel zur ersten Zeile. Bitte in Windows-1252 "
                                                       "speichern."));
    } else if (std::any_of(daten.begin(), daten.end(), [](char c) { return quint8(c) >= 0x80; })) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString alsUtf8 = utf8(daten);   // the decoder reports errors once it has run
        if (!utf8.hasError() && !alsUtf8.isEmpty())
            b.hinweis(QStringLiteral("  "), QStringLiteral("Die Datei ist offenbar in UTF-8 gespeichert; Umlaute "
                                                           "erscheinen im Spiel falsch (z. B. „%1“). Bitte in "
                                                           "Windows-1252 speichern.")
                                                .arg(QStringLiteral("Ã¤")));
    }
    const bool abgebrochen = berichteLesemeldungen(b, lesemeldungen.liste);

    if (!abgebrochen) {
        if (st->FensterBreite == -1)
            b.zeile(QStringLiteral("  Fenstergröße: maximiert"));
        else
            b.zeile(QStringLiteral("  Fenstergröße: %1 Pixel").arg(masse(QSize(st->FensterBreite, st->FensterHoehe))));
        if (st->StandardSeitenX == KeinSeitenverhaeltnis)
            b.zeile(QStringLiteral("  Seitenverhältnis: * (jedes Bild behält sein eigenes)"));
        else
            b.zeile(QStringLiteral("  Seitenverhältnis: %1:%2").arg(st->StandardSeitenX).arg(st->StandardSeitenY));
        b.zeile(QStringLiteral("  Testmodus: %1").arg(st->Testmodus ? QStringLiteral("an") : QStringLiteral("aus")));
        b.zeile(QStringLiteral("  Sektoren: %1").arg(ziel.sektorenText));
        if (!ziel.sektorenHinweis.isEmpty())
            b.zeile(QStringLiteral("    ") + ziel.sektorenHinweis);
        b.zeile(QStringLiteral("  Tippen darf: %1")
                    .arg(ziel.jedeGruppe ? QStringLiteral("jede Gruppe, die noch im Spiel ist")
                                         : QStringLiteral("immer nur eine (zufällig ermittelte) Gruppe")));
        b.zeile(QStringLiteral("  Strafpunkte: %1").arg(ziel.strafpunkteText));
        b.zeile(QStringLiteral("  Einstellungsfenster: %1")
                    .arg(ziel.panelVerborgen ? QStringLiteral("wird nicht angezeigt, das Spiel beginnt sofort")
                                             : QStringLiteral("wird angezeigt")));
    }
    if (!ziel.namen.isEmpty() || !abgebrochen) {
        b.zeile(QStringLiteral("  Gruppen: %1").arg(ziel.namen.size()));
        for (qsizetype i = 0; i < ziel.namen.size(); ++i)
            b.zeile(QStringLiteral("    %1. %2").arg(i + 1).arg(ziel.namen[i]));
    }
    if (abgebrochen) {
        b.zeile();
        b.zeile(QStringLiteral("Die Bilderliste wurde nicht erreicht; die Bilder sind nicht geprüft."));
        b.zeile();
        b.zeile(QStringLiteral("Zusammenfassung"));
        b.zeile(QStringLiteral("  %1. Das Spiel startet so nicht.").arg(anzahl(b.probleme, "Problem", "Probleme")));
        return 1;
    }

    b.zeile(QStringLiteral("  Bildnamen: \"%1\" + Eintrag + \"%2\"").arg(st->BildPraefix, st->BildSuffix));
    if (st->Testmodus)
        b.hinweis(QStringLiteral("  "), QStringLiteral("Der Testmodus ist eingeschaltet: Jedes Bild erscheint "
                                                       "sofort ganz. Für das Spiel die dritte Einstellung auf 0 "
                                                       "setzen."));

    // The checks of the settings panel's OK, with the values from the file.
    SammelMeldungen panelmeldungen(st->Einstellungsdatei);
    const bool panelGut = pruefeEinstellungen(*st, ziel.strafpunkteText, ziel.sektorenText, panelmeldungen);
    berichtePanelmeldungen(b, panelmeldungen.liste, ziel.strafpunkteZeile, ziel.sektorenZeile, ziel.panelVerborgen);

    QSize fenster(st->FensterBreite, st->FensterHoehe);
    b.zeile();
    if (st->FensterBreite == -1) {
        fenster = QSize(AngenommeneBildschirmBreite, AngenommeneBildschirmHoehe);
        b.zeile(QStringLiteral("Bildbereich für ein maximiertes Fenster, angenommen %1 Pixel groß; "
                               "das Fenster innen so groß wie außen gerechnet.")
                    .arg(masse(fenster)));
    } else {
        if (fenster.width() < 800 || fenster.height() < 600)
            b.zeile(QStringLiteral("Das Spiel vergrößert das Fenster auf mindestens 800 × 600 Pixel."));
        b.zeile(QStringLiteral("Bildbereich für ein Fenster von %1 Pixeln, innen so groß wie außen gerechnet "
                               "(Rahmen und Titelleiste machen ihn im Spiel etwas kleiner).")
                    .arg(masse(QSize(std::max(fenster.width(), 800), std::max(fenster.height(), 600)))));
    }

    b.zeile();
    b.zeile(QStringLiteral("Bilder"));
    Vermessung vermessung;
    const Bildvermesser vermesser{nullptr, [&vermessung](const QString& pfad) { return vermessung.miss(pfad); }};
    StillesFenster stillesFenster;
    int eintraege = 0;
    int fehlerfrei = 0;
    bool nachLetztemNochZeilen = false;
    for (;;) {
        SammelMeldungen m(st->Einstellungsdatei);
        bool gut = false;
        QString ausnahme;
        try {
            gut = BildEintragLesen(*st, m, vermesser);
        } catch (const VarnoFehler& f) {
            ausnahme = ausnahmeText(f.text());
        } catch (const std::bad_alloc&) {
            ausnahme = ausnahmeText(QStringLiteral("Nicht genügend Arbeitsspeicher"));
        }
        if (!gut && ausnahme.isEmpty() && istListenende(m.liste))
            break;
        ++eintraege;
        const int zeile = st->Einstellungsdatei.gelesenZeilen();
        nachLetztemNochZeilen = !st->Einstellungsdatei.amEnde();
        const int problemeVorher = b.probleme;
        b.zeile(QStringLiteral("  Zeile %1: %2").arg(zeile).arg(trimme(zeilen.value(zeile - 1))));
        berichteProbleme(b, QStringLiteral("    "), m.liste);
        if (!ausnahme.isEmpty())
            b.problem(QStringLiteral("    "), ausnahme);

        if (gut) {
            const QString pfad = st->BildDatei;
            QSize groesse;
            if (!istDarstellbar(pfad)) {
                // The picture area gives the warning when it is to draw the picture.
                SammelMeldungen warnung(st->Einstellungsdatei);
                Bildbereich bereich(*st, stillesFenster, warnung);
                QImage leer;
                bereich.BildDarstellung(leer, pfad, st->BildPosition);
                for (const Meldung& w : warnung.liste)
                    b.problem(QStringLiteral("    "), w.text);
            } else {
                try {
                    groesse = vermessung.miss(pfad);
                } catch (const VarnoFehler& f) {
                    b.problem(QStringLiteral("    "), ausnahmeText(f.text()));
                } catch (const std::bad_alloc&) {
                    b.problem(QStringLiteral("    "), ausnahmeText(QStringLiteral("Nicht genügend Arbeitsspeicher")));
                }
            }
            if (groesse.isValid()) {
                const QString gefunden = findeDatei(pfad);
                b.zeile(QStringLiteral("    Datei %1%2: %3, %4 Pixel")
                            .arg(pfad,
                                 gefunden == pfad ? QString() : QStringLiteral(" (gefunden als %1)").arg(gefunden),
                                 formatName(pfad), masse(groesse)));
                const Bildbereichsmass flaeche = berechneBildflaeche(fenster, st->SeitenX, st->SeitenY);
                const QSize t = flaeche.groesse;
                const QString code = st->BildPosition;
                const Einpassung e = berechneEinpassung(groesse.width(), groesse.height(), t.width(), t.height(), code);
                b.zeile(QStringLiteral("    Bildbereich %1 Pixel, Rahmen bei (%2, %3)")
                            .arg(masse(t))
                            .arg(flaeche.rahmenLinksOben->x())
                            .arg(flaeche.rahmenLinksOben->y()));
                b.zeile(QStringLiteral("    ") + einpassungText(e, groesse, t));
                if (!code.isEmpty() && e.art != Einpassung::Art::Kopie) {
                    const Einpassung ohne = berechneEinpassung(groesse.width(), groesse.height(), t.width(),
                                                               t.height(), QString());
                    if (ohne.art == e.art && ohne.ziel == e.ziel && ohne.quelle == e.quelle)
                        b.hinweis(QStringLiteral("    "),
                                  QStringLiteral("Der Code ?%1 wirkt bei diesem Bild nicht; es wird ganz gezeigt.")
                                      .arg(code));
                }
                if (panelGut) {
                    const int n = st->Sektorenzahl;
                    for (int k = 0; k < n; ++k) {
                        if (sektorPolygon(k, n, t.width(), t.height()).status == SektorStatus::ZuWenigeSektoren) {
                            b.problem(QStringLiteral("    "),
                                      QStringLiteral("Beim Abdecken meldet das Spiel: "
                                                     "FEHLER: Zu wenige Sektoren eingestellt!"));
                            break;
                        }
                    }
                }
            }
        }
        if (b.probleme == problemeVorher)
            ++fehlerfrei;
    }

    if (eintraege == 0) {
        b.problem(QStringLiteral("  "), QStringLiteral("Die Liste der Bilder ist leer; schon beim ersten Bild "
                                                       "meldet das Spiel \"Dateiende erreicht!\"."));
    } else if (nachLetztemNochZeilen) {
        b.hinweis(QStringLiteral("  "), QStringLiteral("Nach dem letzten Bild folgen noch Kommentar- oder "
                                                       "Leerzeilen: \"Neues Bild\" bleibt dann sichtbar und "
                                                       "meldet \"Dateiende erreicht!\"."));
    }

    b.zeile();
    b.zeile(QStringLiteral("Zusammenfassung"));
    b.zeile(QStringLiteral("  %1, %2, davon fehlerfrei: %3")
                .arg(anzahl(int(ziel.namen.size()), "Gruppe", "Gruppen"),
                     anzahl(eintraege, "Bildeintrag", "Bildeinträge"))
                .arg(fehlerfrei));
    b.zeile(QStringLiteral("  %1, %2").arg(anzahl(b.probleme, "Problem", "Probleme"),
                                            anzahl(b.hinweise, "Hinweis", "Hinweise")));
    if (b.probleme == 0) {
        b.zeile(QStringLiteral("  Das Spiel läuft mit dieser Einstellungsdatei sauber."));
        return 0;
    }
    b.zeile(QStringLiteral("  Bitte beheben Sie die Probleme vor dem Spiel."));
    return 1;
}
