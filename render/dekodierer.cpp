#include "dekodierer.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "bildladen.h"

Dekodiert dekodiereBild(const QString& datei, const QString& anzeigePfad, QSize voll, Orientierung orientierung,
                        const Bedarf& b, QImage alt, const std::atomic<bool>* abbruch)
{
    if (istBmp(anzeigePfad))
        return alsGanzes(ladeBmp(datei, anzeigePfad));
    // The part asked for in the stored picture, a scaled pixel wider on each
    // side for the filter at its edges.
    const QSize gespeichert = vertauschtSeiten(orientierung) ? voll.transposed() : voll;
    const int rand = (8 + b.achtel - 1) / b.achtel;
    const QRect teil = nachGespeichert(QRectF(b.teil), QSizeF(voll), orientierung)
                           .toAlignedRect()
                           .adjusted(-rand, -rand, rand, rand)
                       & QRect(QPoint(0, 0), gespeichert);
    const bool alles = teil == QRect(QPoint(0, 0), gespeichert);
    Jpegteil j = ladeJpegTeil(datei, anzeigePfad, Teilwunsch{b.achtel, alles ? QRect() : teil, abbruch},
                              b.achtel == 8 && alles && orientierung == 1 ? std::move(alt) : QImage());
    // What the decoded pixels show, in full-scale pixels of the stored and then the upright picture.
    const double fx = double(j.voll.width()) / std::max(1, j.skaliert.width());
    const double fy = double(j.voll.height()) / std::max(1, j.skaliert.height());
    const QRectF gezeigt(j.ausschnitt.x() * fx, j.ausschnitt.y() * fy, j.ausschnitt.width() * fx,
                         j.ausschnitt.height() * fy);
    Dekodiert d;
    d.quelle = nachAufrecht(gezeigt & QRectF(QPointF(0, 0), QSizeF(j.voll)), QSizeF(j.voll), orientierung);
    d.bild = aufrecht(j.bild, orientierung);
    d.voll = voll;
    d.achtel = b.achtel;
    return d;
}

struct Vorabdekodierer::Auftrag {
    Vorabwunsch wunsch;   // not changed once given
    std::atomic<bool> abgebrochen{false};   // set with verworfen, read by the decode without the lock
    // Guarded by the workshop's lock.
    bool verworfen = false;
    bool fertig = false;
    Vorabergebnis ergebnis;
};

struct Vorabdekodierer::Werkstatt {
    std::mutex sperre;
    std::condition_variable signal;
    std::deque<std::shared_ptr<Auftrag>> warteschlange;
    std::vector<QImage> freizugeben;   // each held by nobody else
    bool ende = false;
    bool arbeiterFort = false;
    bool laeuft = false;

    void arbeite();
};

namespace {

Vorabergebnis fuehreAus(const Vorabwunsch& w, const std::atomic<bool>& abgebrochen)
{
    Vorabergebnis r;
    try {
        r.bild = w.dekodiert ? *w.dekodiert
                             : dekodiereBild(w.datei, w.anzeigePfad, w.voll, w.orientierung, w.bedarf, QImage(),
                                             &abgebrochen);
        r.eingepasst.reserve(w.bereiche.size());
        for (const Sichtbereich& bereich : w.bereiche) {
            if (abgebrochen.load(std::memory_order_relaxed))
                break;
            QImage ziel;
            if (!bereich.groesse.isEmpty())
                ziel = QImage(bereich.groesse, QImage::Format_RGB32);
            stelleBildDar(ziel, r.bild, w.code, bereich.verhaeltnis);
            r.eingepasst.push_back(std::move(ziel));
        }
    } catch (...) {
        r = Vorabergebnis();
        r.fehler = std::current_exception();
    }
    return r;
}

}  // namespace

void Vorabdekodierer::Werkstatt::arbeite()
{
    for (;;) {
        std::shared_ptr<Auftrag> a;
        {
            std::unique_lock<std::mutex> l(sperre);
            signal.wait(l, [this] { return ende || !warteschlange.empty() || !freizugeben.empty(); });
            if (ende)
                break;
            if (!freizugeben.empty()) {
                // Before the next decode allocates, so that the two do not add up.
                std::vector<QImage> weg;
                weg.swap(freizugeben);
                l.unlock();
                weg.clear();
                continue;
            }
            a = std::move(warteschlange.front());
            warteschlange.pop_front();
            if (a->verworfen)
                continue;
            laeuft = true;
        }
        Vorabergebnis r = fuehreAus(a->wunsch, a->abgebrochen);
        {
            std::lock_guard<std::mutex> l(sperre);
            laeuft = false;
            a->fertig = true;
            if (!a->verworfen)
                a->ergebnis = std::move(r);
        }
        signal.notify_all();
        // What nobody takes any more is freed here, off the window's thread.
        r = Vorabergebnis();
        a.reset();
    }
    std::lock_guard<std::mutex> l(sperre);
    arbeiterFort = true;
    signal.notify_all();
}

Vorabdekodierer::Vorabdekodierer() : m_werkstatt(std::make_shared<Werkstatt>())
{
    m_pool.setMaxThreadCount(1);
    m_pool.setObjectName(QStringLiteral("Vorabdekodierer"));
}

Vorabdekodierer::~Vorabdekodierer()
{
    if (!m_gestartet)
        return;
    std::unique_lock<std::mutex> l(m_werkstatt->sperre);
    m_werkstatt->ende = true;
    m_werkstatt->warteschlange.clear();
    m_werkstatt->signal.notify_all();
    m_werkstatt->signal.wait(l, [this] { return m_werkstatt->arbeiterFort; });
}

std::shared_ptr<Vorabdekodierer::Auftrag> Vorabdekodierer::gib(Vorabwunsch wunsch)
{
    auto a = std::make_shared<Auftrag>();
    a->wunsch = std::move(wunsch);
    {
        std::lock_guard<std::mutex> l(m_werkstatt->sperre);
        m_werkstatt->warteschlange.push_back(a);
    }
    m_werkstatt->signal.notify_all();
    starte();
    return a;
}

void Vorabdekodierer::starte()
{
    if (m_gestartet)
        return;
    // One job that lives as long as this object: the pool hands it to its
    // thread once, and from then on jobs pass through the workshop's lock alone.
    m_gestartet = true;
    m_pool.start([w = m_werkstatt] { w->arbeite(); });
}

void Vorabdekodierer::gibFrei(QImage bild)
{
    // Below this glibc's heap takes the block back without unmapping it.
    constexpr qsizetype Gross = 1024 * 1024;
    if (bild.isNull() || !bild.isDetached() || bild.sizeInBytes() < Gross)
        return;
    {
        std::lock_guard<std::mutex> l(m_werkstatt->sperre);
        m_werkstatt->freizugeben.push_back(std::move(bild));
    }
    m_werkstatt->signal.notify_all();
    starte();
}

Vorabergebnis Vorabdekodierer::hole(const std::shared_ptr<Auftrag>& auftrag)
{
    std::unique_lock<std::mutex> l(m_werkstatt->sperre);
    m_werkstatt->signal.wait(l, [&] { return auftrag->fertig; });
    return std::move(auftrag->ergebnis);
}

void Vorabdekodierer::verwirf(const std::shared_ptr<Auftrag>& auftrag)
{
    std::lock_guard<std::mutex> l(m_werkstatt->sperre);
    auftrag->verworfen = true;
    auftrag->abgebrochen.store(true, std::memory_order_relaxed);
    auftrag->ergebnis = Vorabergebnis();
}

bool Vorabdekodierer::fertig(const std::shared_ptr<Auftrag>& auftrag) const
{
    std::lock_guard<std::mutex> l(m_werkstatt->sperre);
    return auftrag->fertig;
}

bool Vorabdekodierer::beschaeftigt() const
{
    std::lock_guard<std::mutex> l(m_werkstatt->sperre);
    return m_werkstatt->laeuft || !m_werkstatt->warteschlange.empty();
}
