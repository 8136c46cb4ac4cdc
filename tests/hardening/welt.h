#pragma once
// A game played through the rules with the recording window fakes, but with
// the real picture area, so that files are decoded and drawn.

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <array>
#include <map>

#include "core/meldungen.h"
#include "core/spielstand.h"
#include "game/spiel.h"
#include "render/bildbereich.h"
#include "tests/game/fakes.h"

struct EchteWelt {
    Protokoll protokoll;
    Spielstand st;
    FakeAnzeige anzeige{protokoll};
    FakeFenster fenster{protokoll};
    FakeMeldungen meldungen;
    Bildbereich bild{st, fenster, meldungen};
    SkriptZufall zufall{protokoll};
    Spiel spiel{st, anzeige, bild, fenster, meldungen, zufall};

    EchteWelt() { fenster.beiGroessenaenderung = [this] { bild.formResize(); }; }

    // Settings as the reader would leave them; the entries follow in the open file.
    void einrichten(int gruppen, const QString& praefix, const QString& suffix, const QByteArray& eintraege,
                    int seitenX = 4, int seitenY = 3)
    {
        st.Gruppenzahl = gruppen;
        anzeige.zeilen = gruppen;
        st.FensterBreite = 1024;
        st.FensterHoehe = 768;
        st.StandardSeitenX = st.SeitenX = seitenX;
        st.StandardSeitenY = st.SeitenY = seitenY;
        st.Sektorenzahl = 8;
        st.Strafpunkte = 2;
        st.JedeGruppeTippt = true;
        st.BildPraefix = praefix;
        st.BildSuffix = suffix;
        st.Einstellungsdatei.oeffneDaten(eintraege);
    }

    template <class F>
    void ereignis(F f) { alsEreignis(meldungen, f); }
    void neuesBild() { ereignis([this] { spiel.BNeuesBildClick(); }); }
    void weiter()
    {
        zufall.erwarte(st.VerdecktZahl, 0);
        ereignis([this] { spiel.BWeiterClick(); });
    }
    void antwort(int g) { ereignis([this, g] { spiel.BAntwortClick(100 + g); }); }
    void richtig() { ereignis([this] { spiel.BRichtigClick(); }); }
    void falsch() { ereignis([this] { spiel.BFalschClick(); }); }
    void punkte() { ereignis([this] { spiel.BPunkteEingebenClick(); }); }
};

// Everything a failed action must leave as it was: scores, cover, buttons and
// the visible picture.
struct Schnappschuss {
    std::array<int, GruppenSlots> punkte{};
    std::array<bool, MaxSektoren> verdeckt{};
    int verdecktZahl = 0;
    int aktiveGruppe = 0;
    std::map<Knopf, bool> sichtbar, aktiv;
    std::array<QString, GruppenSlots> punkteText;
    std::array<bool, GruppenSlots> antwortSichtbar{};
    QString punkteLabel;
    bool punkteLabelSichtbar = false;
    QImage image3;

    explicit Schnappschuss(const EchteWelt& w)
        : punkte(w.st.Punktestand), verdeckt(w.st.Verdeckt), verdecktZahl(w.st.VerdecktZahl),
          aktiveGruppe(w.st.AktiveGruppe), sichtbar(w.anzeige.sichtbar), aktiv(w.anzeige.aktiv),
          punkteText(w.anzeige.punkteText), antwortSichtbar(w.anzeige.antwortSichtbar),
          punkteLabel(w.anzeige.punkteLabel), punkteLabelSichtbar(w.anzeige.punkteLabelSichtbar),
          image3(w.bild.sichtbaresBild().copy())
    {
    }

    // The first difference, or empty.
    QString unterschied(const Schnappschuss& b) const
    {
        if (punkte != b.punkte || punkteText != b.punkteText)
            return QStringLiteral("Punkte");
        if (verdeckt != b.verdeckt || verdecktZahl != b.verdecktZahl)
            return QStringLiteral("Abdeckung");
        if (aktiveGruppe != b.aktiveGruppe)
            return QStringLiteral("AktiveGruppe");
        if (sichtbar != b.sichtbar || aktiv != b.aktiv || antwortSichtbar != b.antwortSichtbar)
            return QStringLiteral("Knöpfe");
        if (punkteLabel != b.punkteLabel || punkteLabelSichtbar != b.punkteLabelSichtbar)
            return QStringLiteral("Punkte-Label");
        if (image3 != b.image3)
            return QStringLiteral("sichtbares Bild");
        return {};
    }
};

// A field of /proc/self/status in kB ("VmHWM:", "VmRSS:"), or -1.
inline qint64 statusKb(const char* feld)
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
