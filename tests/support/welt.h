#pragma once
// The game rules driven through the recording fakes, with the fake picture
// area (Welt) or with the real one, so that files are decoded and drawn
// (EchteWelt).

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <map>
#include <type_traits>

#include "core/meldungen.h"
#include "core/spielstand.h"
#include "fakefenster.h"
#include "game/spiel.h"
#include "meldungsfang.h"
#include "render/bildbereich.h"
#include "spielfakes.h"

template <class Bild>
class Spielwelt {
public:
    using Zahlen = QList<int>;

    Protokoll protokoll;
    Spielstand st;
    FakeAnzeige anzeige{protokoll};
    FakeFenster fenster{protokoll};
    Meldungsfang meldungen;
    Bild bild = baueBild();
    SkriptZufall zufall{protokoll};
    FakeKlaenge klaenge;
    Zuschauer zuschauer{anzeige};
    Spiel spiel{st, anzeige, bild, fenster, meldungen, zufall};
    QTemporaryDir dir;

    Spielwelt()
    {
        fenster.beiGroessenaenderung = [this] { bild.formResize(); };
        spiel.beobachte(klaenge);
        spiel.beobachte(zuschauer);
    }
    Spielwelt(const Spielwelt&) = delete;
    Spielwelt& operator=(const Spielwelt&) = delete;

    // Settings as the reader leaves them; the picture list follows in the open file.
    void einstellen(int gruppen, const QString& praefix, const QString& suffix, const QByteArray& liste)
    {
        st.Gruppenzahl = gruppen;
        anzeige.zeilen = gruppen;
        for (int i = 0; i < gruppen; ++i)
            spiel.nenneGruppe(i, QStringLiteral("Gruppe %1").arg(i + 1));
        st.FensterBreite = 1024;
        st.FensterHoehe = 768;
        st.StandardSeitenX = st.SeitenX = 4;
        st.StandardSeitenY = st.SeitenY = 3;
        st.BildPraefix = praefix;
        st.BildSuffix = suffix;
        st.Einstellungsdatei.oeffneDaten(liste);
    }

    // A list of the given names, one a line; each but the missing ones names
    // a file of dir, which only needs to exist for the fake picture area.
    void einrichten(int gruppen, const QStringList& eintraege, const QByteArray& nachspann = {},
                    const QStringList& fehlend = {})
    {
        for (const QString& name : eintraege) {
            if (fehlend.contains(name))
                continue;
            QFile datei(dir.filePath(name + QStringLiteral(".jpg")));
            QVERIFY(datei.open(QIODevice::WriteOnly));
            datei.write("kein echtes Bild");
        }
        einstellen(gruppen, dir.path() + QLatin1Char('/'), QStringLiteral(".jpg"),
                   eintraege.join(QLatin1Char('\r')).toLatin1() + nachspann);
    }

    template <class F>
    void ereignis(F f) { alsEreignis(meldungen, f); }
    void starten()
    {
        ereignis([this] { spiel.startschritte(anzeige.einstellungenSichtbar, anzeige.panel()); });
    }
    void ok() { ereignis([this] { spiel.Button1Click(anzeige.panel()); }); }
    void neuesBild() { ereignis([this] { spiel.BNeuesBildClick(); }); }
    void weiter() { ereignis([this] { spiel.BWeiterClick(); }); }
    void antwort(int g) { ereignis([this, g] { spiel.BAntwortClick(AntwortTagBasis + g); }); }
    void richtig() { ereignis([this] { spiel.BRichtigClick(); }); }
    void falsch() { ereignis([this] { spiel.BFalschClick(); }); }
    void punkte() { ereignis([this] { spiel.BPunkteEingebenClick(anzeige.eingaben()); }); }

    // One reveal, of the first covered sector.
    void deckeEinenAuf()
    {
        zufall.erwarte(st.VerdecktZahl, 0);
        weiter();
    }
    // Reveals until `bis` sectors are covered.
    void aufdecken(int bis)
    {
        while (st.VerdecktZahl > bis)
            deckeEinenAuf();
    }

    Zahlen pool() const { return liste(st.Startpool, st.StartpoolZahl); }
    Zahlen imSpiel() const { return liste(st.ImSpiel, st.ImSpielZahl); }
    Zahlen dran() const { return liste(st.DranZaehler, st.Gruppenzahl); }
    static Zahlen liste(const std::array<int, GruppenSlots>& feld, int anzahl)
    {
        return Zahlen(feld.begin(), feld.begin() + anzahl);
    }

private:
    Bild baueBild()
    {
        if constexpr (std::is_same_v<Bild, FakeBild>)
            return FakeBild(st, fenster, protokoll);
        else
            return Bild(st, fenster, meldungen);
    }
};

using Welt = Spielwelt<FakeBild>;
using EchteWelt = Spielwelt<Bildbereich>;

// Everything a failed action must leave as it was, and a verdict taken back
// must bring back: scores, cover, turns, buttons, row colours, the announced
// picture and the visible picture.
struct Schnappschuss {
    std::array<int, GruppenSlots> punkte{};
    std::array<bool, MaxSektoren> verdeckt{};
    int verdecktZahl = 0;
    int aktiveGruppe = 0;
    std::map<Knopf, bool> sichtbar, aktiv;
    std::array<QString, GruppenSlots> punkteText;
    std::array<bool, GruppenSlots> antwortSichtbar{}, antwortAktiv{};
    std::array<Panelfarbe, GruppenSlots> farbe{};
    std::array<int, GruppenSlots> startpool{}, imSpiel{}, dran{};
    int startpoolZahl = 0, imSpielZahl = 0;
    Spielbild bild;
    QString punkteLabel;
    bool punkteLabelSichtbar = false;
    QImage sichtbaresBild;

    explicit Schnappschuss(const EchteWelt& w);

    // The first difference, or empty.
    QString unterschied(const Schnappschuss& b) const;
};
