#include "bildvorrat.h"

#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <utility>

#include "bildladen.h"
#include "core/meldungen.h"
#include "core/pfade.h"

namespace {

// What serves both needs: the finer scale and both parts.
Bedarf vereinigt(const Bedarf& a, const Bedarf& b)
{
    return {std::max(a.achtel, b.achtel), a.teil.united(b.teil)};
}

// What was decoded for a serves b.
bool dient(const Bedarf& a, const Bedarf& b)
{
    return a.achtel >= b.achtel && a.teil.contains(b.teil);
}

bool gleich(const Bedarf& a, const Bedarf& b)
{
    return a.achtel == b.achtel && a.teil == b.teil;
}

// A text no other thread shares, so that its counts and its end are the worker's alone.
QString eigene(const QString& s)
{
    return QString(s.constData(), s.size());
}

}  // namespace

Bildvorrat::Bildvorrat() = default;
Bildvorrat::~Bildvorrat() = default;

int Bildvorrat::meldeSicht(Bereichsregel regel)
{
    const int sicht = m_naechsteSicht++;
    m_sichten.emplace(sicht, std::move(regel));
    return sicht;
}

void Bildvorrat::meldeSichtAb(int sicht)
{
    m_sichten.erase(sicht);
}

Bedarf Bildvorrat::gesamtBedarf(const QString& pfad, QSize voll, const QString& code,
                                std::vector<Sichtbereich>* bereiche) const
{
    Bedarf gesamt;
    bool erster = true;
    for (const auto& [sicht, regel] : m_sichten) {
        const Sichtbereich bereich = regel(voll);
        if (bereiche)
            bereiche->push_back(bereich);
        const Bedarf b = bedarf(voll, bereich.groesse, code);
        gesamt = erster ? b : vereinigt(gesamt, b);
        erster = false;
    }
    if (istBmp(pfad))
        gesamt = Bedarf{8, QRect(QPoint(0, 0), voll)};
    return gesamt;
}

Bildvorrat::Kennung Bildvorrat::kennung(const QString& pfad) const
{
    const QString datei = findeDatei(pfad);
    if (datei.isEmpty())
        throw VarnoFehler(oeffnenFehlerText(pfad));
    const QFileInfo info(datei);
    return Kennung{datei, info.size(), info.lastModified(), info.metadataChangeTime()};
}

// The file's own entry; else the one kept for an older state of the same file;
// else the one asked for longest ago, emptied.
Bildvorrat::Eintrag& Bildvorrat::eintragFuer(const Kennung& k)
{
    for (Eintrag& e : m_eintraege) {
        if (e.kennung == k)
            return e;
    }
    Eintrag* frei = nullptr;
    for (Eintrag& e : m_eintraege) {
        if (e.kennung.datei == k.datei) {
            frei = &e;
            break;
        }
        if (!frei || e.benutzt < frei->benutzt)
            frei = &e;
    }
    leere(*frei);
    frei->kennung = k;
    return *frei;
}

void Bildvorrat::leere(Eintrag& e)
{
    if (e.auftrag)
        m_arbeiter.verwirf(e.auftrag);
    gibFrei(std::move(e.bild.bild));
    for (Eingepasst& f : e.eingepasst)
        gibFrei(std::move(f.bild));
    e = Eintrag();
}

void Bildvorrat::lassBildLos(Eintrag& e)
{
    gibFrei(std::exchange(e.bild.bild, QImage()));
    e.bild = Dekodiert();
    e.bildGueltig = false;
    for (Eingepasst& f : e.eingepasst)
        gibFrei(std::move(f.bild));
    e.eingepasst.clear();
}

void Bildvorrat::leseKopf(Eintrag& e, const QString& pfad)
{
    if (e.kopfGueltig)
        return;
    if (istBmp(pfad)) {
        // A bitmap is read whole, header and all: here, or ahead.
        if (e.auftrag)
            uebernimmVorab(e, pfad, e.auftragsBedarf, e.auftragsCode);
        if (!e.bildGueltig)
            dekodiere(e, pfad, Bedarf{});
        e.voll = e.bild.voll;
        e.orientierung = 1;
        e.kopfGueltig = true;
        return;
    }
    Bildkopf kopf;
    try {
        kopf = leseJpegKopf(e.kennung.datei, pfad);
    } catch (...) {
        ++m_dekodiert;   // a file refused by its header counts as one attempt
        throw;
    }
    e.orientierung = kopf.orientierung;
    e.voll = aufrechteGroesse(kopf.gespeichert, e.orientierung);
    e.kopfGueltig = true;
}

// Takes the decode ahead if it serves b, waiting for it if it has not ended.
// It serves only if the views still need what it was asked for: decoded for
// an area the window has left since, it would show other pixels than a decode
// now. False when it failed: the entry is then empty, and decoding again on
// this thread reports the failure as it happens.
bool Bildvorrat::uebernimmVorab(Eintrag& e, const QString& pfad, const Bedarf& b, const QString& code)
{
    if (!e.auftrag)
        return true;
    const std::shared_ptr<Vorabdekodierer::Auftrag> auftrag = std::move(e.auftrag);
    e.auftrag.reset();
    if (!dient(e.auftragsBedarf, b) || !gleich(gesamtBedarf(pfad, e.voll, code), e.auftragsBedarf)) {
        m_arbeiter.verwirf(auftrag);
        return true;
    }
    Vorabergebnis r = m_arbeiter.hole(auftrag);
    if (r.fehler) {
        const Kennung k = e.kennung;
        leere(e);
        e.kennung = k;
        return false;
    }
    lassBildLos(e);
    e.bild = std::move(r.bild);
    e.bildGueltig = true;
    e.voll = e.bild.voll;
    for (std::size_t i = 0; i < r.eingepasst.size() && i < e.auftragsBereiche.size(); ++i) {
        if (!r.eingepasst[i].isNull())
            e.eingepasst.push_back({e.auftragsCode, e.auftragsBereiche[i].verhaeltnis, std::move(r.eingepasst[i])});
    }
    return true;
}

void Bildvorrat::dekodiere(Eintrag& e, const QString& pfad, const Bedarf& b)
{
    if (e.auftrag) {
        m_arbeiter.verwirf(e.auftrag);
        e.auftrag.reset();
    }
    // Should the decode fail, nothing of the picture is kept.
    e.bildGueltig = false;
    for (Eingepasst& f : e.eingepasst)
        gibFrei(std::move(f.bild));
    e.eingepasst.clear();
    QImage alt = std::move(e.bild.bild);
    e.bild = Dekodiert();
    ++m_dekodiert;
    e.bild = dekodiereBild(e.kennung.datei, pfad, e.voll, e.orientierung, b, std::move(alt));
    if (istBmp(pfad)) {
        e.voll = e.bild.voll;
        e.orientierung = 1;
        e.kopfGueltig = true;
    }
    e.bildGueltig = true;
}

Bildvorrat::Eintrag& Bildvorrat::bereit(const QString& pfad, const QString& code,
                                        const std::function<Bedarf(QSize voll)>& bedarfFuer)
{
    const Kennung k = kennung(pfad);
    Eintrag& e = eintragFuer(k);
    e.benutzt = ++m_uhr;
    leseKopf(e, pfad);
    Bedarf b = bedarfFuer(e.voll);
    if (!uebernimmVorab(e, pfad, b, code)) {
        leseKopf(e, pfad);
        b = bedarfFuer(e.voll);
    }
    if (!e.bildGueltig || !deckt(e.bild, b))
        dekodiere(e, pfad, b);
    return e;
}

void Bildvorrat::dekodiereVorab(const QString& pfad, const QString& code)
{
    if (m_sichten.empty() || !istBildEndung(pfad))
        return;
    try {
        const Kennung k = kennung(pfad);
        const Eintrag* bekannt = nullptr;
        for (const Eintrag& e : m_eintraege) {
            if (e.kennung == k && e.kopfGueltig)
                bekannt = &e;
        }
        QSize voll;
        Orientierung orientierung = 1;
        if (bekannt) {
            voll = bekannt->voll;
            orientierung = bekannt->orientierung;
        } else if (istBmp(pfad)) {
            QImageReader leser(k.datei, "bmp");
            voll = leser.size();
        } else {
            const Bildkopf kopf = leseJpegKopf(k.datei, pfad);
            orientierung = kopf.orientierung;
            voll = aufrechteGroesse(kopf.gespeichert, orientierung);
        }
        if (voll.isEmpty())
            return;

        Vorabwunsch wunsch{eigene(k.datei), eigene(pfad), voll, orientierung, {}, eigene(code), {}, {}};
        wunsch.bedarf = gesamtBedarf(pfad, voll, code, &wunsch.bereiche);

        Eintrag& e = eintragFuer(k);
        e.benutzt = ++m_uhr;
        // A view whose area has no fitted picture yet (the audience window
        // opened, a window changed its size since) would have it fitted at the
        // click, on the window's thread, unless the worker fits it now.
        const auto fuerJedeSicht = [&](const auto& hat) {
            return std::all_of(wunsch.bereiche.begin(), wunsch.bereiche.end(),
                               [&](const Sichtbereich& s) { return s.groesse.isEmpty() || hat(s); });
        };
        // A decode ahead that has ended is kept, and only fitted again, when
        // no more than a view's area has changed since it was asked for.
        if (e.auftrag && m_arbeiter.fertig(e.auftrag) && gleich(e.auftragsBedarf, wunsch.bedarf)
            && e.auftragsCode == code)
            uebernimmVorab(e, pfad, wunsch.bedarf, code);
        const bool gedeckt = e.bildGueltig && deckt(e.bild, wunsch.bedarf);
        if (gedeckt && fuerJedeSicht([&](const Sichtbereich& s) { return e.fertig(s.groesse, code, s.verhaeltnis); }))
            return;
        if (e.auftrag && gleich(e.auftragsBedarf, wunsch.bedarf) && e.auftragsCode == code
            && fuerJedeSicht([&](const Sichtbereich& s) { return e.auftragFuer(s); }))
            return;
        if (e.auftrag)
            m_arbeiter.verwirf(e.auftrag);
        if (!e.kopfGueltig) {
            e.voll = voll;
            e.orientierung = orientierung;
            // A bitmap's header is only known once it has been read whole.
            e.kopfGueltig = !istBmp(pfad);
        }
        e.auftragsBedarf = wunsch.bedarf;
        e.auftragsCode = code;
        e.auftragsBereiche = wunsch.bereiche;
        // The kept decode serves: the click would fit from it, so the worker does.
        if (gedeckt) {
            wunsch.dekodiert = e.bild;
        } else {
            ++m_dekodiert;
            // Too small for the views now, and replaced by what the job brings:
            // kept meanwhile, it would make a third picture of this size (the
            // audience window opening at 4K, with the next picture decoding).
            lassBildLos(e);
        }
        e.auftrag = m_arbeiter.gib(std::move(wunsch));
    } catch (...) {
        // Whatever failed here fails again, and is reported, when the picture is used.
    }
}

const Dekodiert& Bildvorrat::lade(const QString& pfad, QSize bereich, const QString& code)
{
    return bereit(pfad, code, [&](QSize voll) { return bedarf(voll, bereich, code); }).bild;
}

const Dekodiert& Bildvorrat::ladeGanz(const QString& pfad)
{
    return bereit(pfad, QString(), [](QSize voll) { return Bedarf{8, QRect(QPoint(0, 0), voll)}; }).bild;
}

const QImage* Bildvorrat::Eintrag::fertig(QSize bereich, const QString& code, qreal verhaeltnis) const
{
    for (const Eingepasst& f : eingepasst) {
        if (f.code == code && f.verhaeltnis == verhaeltnis && f.bild.size() == bereich)
            return &f.bild;
    }
    return nullptr;
}

bool Bildvorrat::Eintrag::auftragFuer(const Sichtbereich& s) const
{
    return std::any_of(auftragsBereiche.begin(), auftragsBereiche.end(), [&](const Sichtbereich& a) {
        return a.groesse == s.groesse && a.verhaeltnis == s.verhaeltnis;
    });
}

void Bildvorrat::stelleDar(QImage& ziel, const QString& pfad, const QString& code, qreal verhaeltnis)
{
    const QSize bereich = ziel.size();
    const Eintrag& e = bereit(pfad, code, [&](QSize voll) { return bedarf(voll, bereich, code); });
    if (const QImage* f = ziel.isNull() ? nullptr : e.fertig(bereich, code, verhaeltnis))
        gibFrei(std::exchange(ziel, *f));
    else
        stelleBildDar(ziel, e.bild, code, verhaeltnis);
}

QImage Bildvorrat::eingepasst(QSize bereich, const QString& pfad, const QString& code, qreal verhaeltnis)
{
    const Eintrag& e = bereit(pfad, code, [&](QSize voll) { return bedarf(voll, bereich, code); });
    if (const QImage* f = e.fertig(bereich, code, verhaeltnis))
        return *f;
    QImage ziel(bereich, QImage::Format_RGB32);
    stelleBildDar(ziel, e.bild, code, verhaeltnis);
    return ziel;
}

QSize Bildvorrat::groesse(const QString& pfad)
{
    Eintrag& e = eintragFuer(kennung(pfad));
    e.benutzt = ++m_uhr;
    leseKopf(e, pfad);
    return e.voll;
}

Orientierung Bildvorrat::orientierung(const QString& pfad)
{
    Eintrag& e = eintragFuer(kennung(pfad));
    e.benutzt = ++m_uhr;
    leseKopf(e, pfad);
    return e.orientierung;
}

void Bildvorrat::vergiss()
{
    for (Eintrag& e : m_eintraege)
        leere(e);
}
