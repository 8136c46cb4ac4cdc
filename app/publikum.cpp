#include "publikum.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

#include "game/rangliste.h"
#include "render/sektor.h"
#include "game/spiel.h"

namespace {

constexpr int MeisteGruppen = 30;

// The room sees a dark stage: the picture and the rows stand out against it.
const QColor Buehne(16, 20, 26);
const QColor Zeilengrund(44, 50, 60);
const QColor Hellgelb(255, 255, 200);   // as the main window: whose turn or answer it is
const QColor Silber(192, 192, 192);     // as the main window: out for this picture
const QColor Marine(0, 0, 128);
const QColor Kastanie(128, 0, 0);

QFont arial(int pixel, bool fett)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(std::max(pixel, 1));
    f.setBold(fett);
    return f;
}

void faerbe(QWidget* w, const QColor& grund, const QColor& text)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, grund);
    p.setColor(QPalette::WindowText, text);
    w->setPalette(p);
}

// Every text is a label whose accessible name is its text, in full where the
// label shows it shortened.
void setzeText(QLabel* l, const QString& text, const QString& ganz = {})
{
    l->setText(text);
    l->setAccessibleName(ganz.isEmpty() ? text : ganz);
}

}  // namespace

// The picture and its cover, painted straight onto the window at its device
// pixels. The fitted picture is shared with the store and the cover drawn at
// paint time: copying a projector-sized picture to draw the cover into it, and
// again into a pixmap, cost the window's thread more than a frame per event.
class Publikumsbild : public QWidget {
public:
    Publikumsbild(QWidget* eltern, Bildvorrat& vorrat) : QWidget(eltern), m_vorrat(vorrat)
    {
        // Every pixel is painted here: no background under a projector-sized picture.
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    // bild at the area's device pixels, or null for grey (nothing shows
    // through the cover yet); sektoren 0 for no cover.
    void setze(const QImage& bild, QSize pixel, int sektoren, const QList<bool>& verdeckt)
    {
        // A reveal repaints only the sectors it changed: on a projector the
        // whole picture is several times what the window's thread can copy
        // and hand to the X server within a frame.
        const bool gleicheAbdeckung =
            pixel == m_pixel && sektoren == m_sektoren && sektoren > 0 && verdeckt.size() == m_verdeckt.size();
        bool nurSektoren = gleicheAbdeckung && bild.cacheKey() == m_bild.cacheKey();
        QRect geaendert;
        // So does the first reveal, over grey under the same cover until now.
        if (gleicheAbdeckung && m_bild.isNull() && !bild.isNull()) {
            const std::optional<QRect> offen = offenUeberGrau(pixel, sektoren, verdeckt);
            nurSektoren = offen.has_value();
            geaendert = offen.value_or(QRect());
        }
        if (nurSektoren) {
            for (int k = 0; k < sektoren && k < verdeckt.size(); ++k) {
                if (verdeckt[k] != m_verdeckt[k])
                    geaendert |= sektorPolygon(k, sektoren, pixel.width(), pixel.height()).punkte.boundingRect();
            }
        }
        m_vorrat.gibFrei(std::exchange(m_bild, bild));
        m_pixel = pixel;
        m_sektoren = sektoren;
        m_verdeckt = verdeckt;
        if (!nurSektoren) {
            update();
        } else if (!geaendert.isEmpty()) {
            // In logical pixels, with a pixel's margin for the outline's rounding.
            const qreal dpr = devicePixelRatioF();
            update(QRectF(geaendert.x() / dpr, geaendert.y() / dpr, geaendert.width() / dpr, geaendert.height() / dpr)
                       .toAlignedRect()
                       .adjusted(-2, -2, 2, 2));
        }
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter maler(this);
        // Device pixels from here on: the picture is copied, not scaled.
        const qreal dpr = devicePixelRatioF();
        maler.scale(1 / dpr, 1 / dpr);
        if (m_bild.isNull()) {
            maler.fillRect(QRect(QPoint(0, 0), m_pixel), QColor(128, 128, 128));
            if (m_sektoren > 0)
                zeichneAbdeckung(maler, m_pixel, m_sektoren, m_verdeckt);
        } else {
            maleUnterAbdeckung(maler, m_bild, m_pixel, m_sektoren, m_verdeckt);
        }
    }

private:
    Bildvorrat& m_vorrat;
    QImage m_bild;
    QSize m_pixel;
    int m_sektoren = 0;
    QList<bool> m_verdeckt;
};

namespace {

QLabel* neuesLabel(QWidget* eltern, const QString& name)
{
    auto* l = new QLabel(eltern);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QString mitVorzeichen(int punkte)
{
    if (punkte > 0)
        return QStringLiteral("+") + QString::number(punkte);
    if (punkte < 0)
        return QStringLiteral("−") + QString::number(-static_cast<qint64>(punkte));
    return QStringLiteral("0");
}

// A text as large as `pixel` where it fits into `breite`, else smaller down to
// half that, else shortened with "…" at half (the full text stays the
// label's accessible name).
// kuerzbar: the part of the text to shorten first (a group's name, so that the
// points stay readable).
void setzeEingepasst(QLabel* l, const QString& text, int pixel, int breite, const QString& kuerzbar = {})
{
    int p = pixel;
    while (p > pixel / 2 && QFontMetrics(arial(p, true)).horizontalAdvance(text) > breite)
        --p;
    const QFont schrift = arial(p, true);
    const QFontMetrics masse(schrift);
    l->setFont(schrift);
    QString gezeigt = text;
    if (masse.horizontalAdvance(text) > breite) {
        const qsizetype wo = kuerzbar.isEmpty() ? -1 : text.indexOf(kuerzbar);
        if (wo >= 0) {
            QString rest = text;
            rest.remove(wo, kuerzbar.size());
            const QString kurz = masse.elidedText(kuerzbar, Qt::ElideRight, breite - masse.horizontalAdvance(rest));
            gezeigt = text.left(wo) + kurz + text.mid(wo + kuerzbar.size());
        }
        gezeigt = masse.elidedText(gezeigt, Qt::ElideRight, breite);
    }
    setzeText(l, gezeigt, text);
}

QRect eingepasst(const QRect& raum, QSize seiten)
{
    if (seiten.isEmpty() || raum.isEmpty())
        return raum;
    QSize s = seiten.scaled(raum.size(), Qt::KeepAspectRatio);
    s = s.boundedTo(raum.size()).expandedTo(QSize(1, 1));
    return QRect(raum.left() + (raum.width() - s.width()) / 2, raum.top() + (raum.height() - s.height()) / 2,
                 s.width(), s.height());
}

}  // namespace

// Text heights: a row's name and score at a twentieth of the screen's height
// where the rows allow it, and never below a thirty-second. A projection is
// watched from up to about eight screen heights away; there a twentieth
// subtends about 0.36°, comfortable reading, and a thirty-second still about
// 0.22°, the least that stays legible. More rows first go into a second and a
// third column before the text gets smaller.
Publikumsaufteilung teilePublikumAuf(QSize schirm, QSize flaeche, int gruppen,
                                     const std::function<int(int)>& zeilenbreite)
{
    Publikumsaufteilung a;
    const int W = std::max(schirm.width(), 1);
    const int H = std::max(schirm.height(), 1);
    const int rand = std::max(8, H / 54);
    const int luecke = std::max(2, H / 160);
    const int groesste = H / 20;
    const int kleinste = H / 32;
    const int n = std::clamp(gruppen, 0, MeisteGruppen);

    int proSpalte = n, zeilenhoehe = 0;
    for (int spalten = 1; spalten <= 3; ++spalten) {
        a.spalten = spalten;
        proSpalte = std::max(1, (n + spalten - 1) / spalten);
        zeilenhoehe = std::min((H - 2 * rand - (proSpalte - 1) * luecke) / proSpalte, groesste * 8 / 5);
        a.schrift = std::min(groesste, zeilenhoehe * 62 / 100);
        if (a.schrift >= kleinste)
            break;
    }
    // As wide as the longest name and score need, so that the picture keeps
    // the rest; longer names are shortened rather than taking the room from it.
    const int inhalt = zeilenbreite ? zeilenbreite(a.schrift) : a.schrift * 8;
    const int hoechstens = a.spalten == 1 ? W * 3 / 10 : W / 5;
    const int spaltenbreite = n == 0 ? 0 : std::clamp(inhalt + a.schrift, std::min(a.schrift * 5, hoechstens), hoechstens);
    const int tafelbreite = n == 0 ? 0 : a.spalten * spaltenbreite + (a.spalten - 1) * luecke;
    a.tafel = QRect(W - rand - tafelbreite, rand, tafelbreite, H - 2 * rand);
    for (int i = 0; i < n; ++i) {
        const int spalte = i / proSpalte, zeile = i % proSpalte;
        a.zeilen.emplace_back(a.tafel.left() + spalte * (spaltenbreite + luecke),
                              a.tafel.top() + zeile * (zeilenhoehe + luecke), spaltenbreite, zeilenhoehe);
    }

    const QRect links(rand, rand, std::max(1, (n == 0 ? W - rand : a.tafel.left()) - 2 * rand), H - 2 * rand);
    const int kopfhoehe = H * 85 / 1000;
    const int bannerhoehe = H / 10;
    a.kopfschrift = kopfhoehe * 62 / 100;
    a.bannerschrift = bannerhoehe * 55 / 100;
    a.kopf = QRect(links.left(), links.top(), links.width(), kopfhoehe);
    a.banner = QRect(links.left(), links.bottom() + 1 - bannerhoehe, links.width(), bannerhoehe);
    const int oben = a.kopf.bottom() + 1 + luecke;
    const QRect raum(links.left(), oben, links.width(), std::max(1, a.banner.top() - luecke - oben));
    a.bild = eingepasst(raum, flaeche);
    return a;
}

QString bannerText(const Spielereignis& e, const Spielbild& bild)
{
    const QString name = bild.gruppen.value(e.gruppe).name;
    switch (e.art) {
    case Ereignisart::Anspruch:
    case Ereignisart::UrteilZurueckgenommen:   // the group answers again
        return name + QStringLiteral(" ist dran");
    case Ereignisart::Urteil:
        return (e.richtig ? QStringLiteral("Richtig! ") : QStringLiteral("Falsch! ")) + name + QStringLiteral(" ")
            + mitVorzeichen(e.punkte) + QStringLiteral(" Punkte");
    case Ereignisart::BildEndeOhneGewinner: return QStringLiteral("Ganz aufgedeckt – niemand hat es erkannt");
    default: return {};
    }
}

Publikumsfenster::Publikumsfenster(Anbindung anbindung, int bilderGesamt, Bildvorrat& vorrat)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      m_anb(std::move(anbindung)),
      m_bilderGesamt(bilderGesamt),
      m_vorrat(vorrat),
      m_abbild(vorrat)
{
    setObjectName(QStringLiteral("Publikum"));
    setWindowTitle(QStringLiteral("Varno Quiz – Publikum"));
    // The main window alone decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    setCursor(Qt::BlankCursor);
    setAutoFillBackground(true);
    faerbe(this, Buehne, Qt::white);

    m_spiel = new QWidget(this);
    m_zaehler = neuesLabel(m_spiel, QStringLiteral("Bildzaehler"));
    m_angebot = neuesLabel(m_spiel, QStringLiteral("Angebot"));
    m_bild = new Publikumsbild(m_spiel, vorrat);
    m_bild->setObjectName(QStringLiteral("Publikumsbild"));
    m_bild->setAccessibleName(QStringLiteral("Publikumsbild"));
    m_bannerLabel = neuesLabel(m_spiel, QStringLiteral("Banner"));
    m_bannerLabel->setAlignment(Qt::AlignCenter);
    m_bannerLabel->setAutoFillBackground(true);

    m_ranglisteSeite = new QWidget(this);
    m_ranglisteSeite->setObjectName(QStringLiteral("PublikumRangliste"));
    m_ranglisteSeite->hide();

    m_schwarzSeite = new QWidget(this);
    m_schwarzSeite->setObjectName(QStringLiteral("Schwarz"));
    m_schwarzSeite->setAutoFillBackground(true);
    faerbe(m_schwarzSeite, Qt::black, Qt::black);
    m_schwarzSeite->hide();

    // A projector unplugged: the window goes where F5 would open it now.
    connect(qApp, &QGuiApplication::screenRemoved, this, [this](QScreen* weg) {
        if (weg != m_schirm)
            return;
        QTimer::singleShot(0, this, [this] {
            m_schirm = ersterSchirm();
            if (isVisible())
                zeigeAufSchirm();
        });
    });
}

// ---- screens ---------------------------------------------------------------

QScreen* Publikumsfenster::ersterSchirm() const
{
    QScreen* haupt = m_anb.hauptfenster()->screen();
    QScreen* bester = nullptr;
    for (QScreen* s : QGuiApplication::screens()) {
        if (s == haupt)
            continue;
        const auto flaeche = [](const QScreen* x) { return qint64(x->geometry().width()) * x->geometry().height(); };
        if (!bester || flaeche(s) > flaeche(bester))
            bester = s;
    }
    return bester ? bester : haupt;
}

bool Publikumsfenster::teiltSchirm() const { return m_schirm == m_anb.hauptfenster()->screen(); }

Publikumsfenster::~Publikumsfenster() { meldeSicht(false); }

// The picture as large as this window shows it on the screen it is meant for,
// known before the manager has made it full screen there.
void Publikumsfenster::meldeSicht(bool gewollt)
{
    if (m_sicht)
        m_vorrat.meldeSichtAb(m_sicht);
    m_sicht = 0;
    if (!gewollt)
        return;
    m_sicht = m_vorrat.meldeSicht([this](QSize voll) {
        const QScreen* s = m_schirm ? m_schirm.data() : screen();
        const QRect bild = teileAuf(s->geometry().size(), m_anb.flaecheFuer(voll), m_anb.bild()).bild;
        const qreal dpr = s->devicePixelRatio();
        return Sichtbereich{QSize(int(std::lround(bild.width() * dpr)), int(std::lround(bild.height() * dpr))), dpr};
    });
    m_anb.sichtGeaendert();
}

void Publikumsfenster::schalte()
{
    if (m_gewollt) {
        m_gewollt = false;
        meldeSicht(false);
        // What is decoding ahead for this window's size would no longer be
        // taken by the main window's click, which would decode on its own.
        m_anb.sichtGeaendert();
        if (m_schwarz)
            schalteSchwarz();
        hide();
        return;
    }
    m_gewollt = true;
    m_schirm = ersterSchirm();
    meldeSicht(true);
    folge();
}

void Publikumsfenster::naechsterSchirm()
{
    if (!m_gewollt)
        return;
    const QList<QScreen*> schirme = QGuiApplication::screens();
    const qsizetype hier = schirme.indexOf(m_schirm.data());
    m_schirm = schirme.value((hier + 1) % schirme.size());
    meldeSicht(true);
    if (isVisible()) {
        // Moved while mapped: hidden and shown again at once, the window would
        // race the manager's cleaning up after the hidden one (mutter drops
        // the new full-screen wish with the old window's state). Leaving full
        // screen, moving and asking again reach it in this order.
        setAttribute(Qt::WA_ShowWithoutActivating, !teiltSchirm());
        setWindowState(Qt::WindowNoState);
        setScreen(m_schirm);
        setGeometry(m_schirm->geometry());
        setWindowState(Qt::WindowFullScreen);
    }
    folge();
}

// Managers make a window full screen on the monitor its geometry lies on when
// it is mapped: the window is mapped at the whole screen it is meant for.
void Publikumsfenster::zeigeAufSchirm()
{
    if (!m_schirm)
        m_schirm = ersterSchirm();
    // Beside the main window it must not take the host's keyboard (openbox and
    // mutter focus a new full-screen window however it is shown, unless it
    // declines focus); over it, it is the window the host types into.
    const bool daneben = !teiltSchirm();
    setAttribute(Qt::WA_ShowWithoutActivating, daneben);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus, daneben);
    // Qt hands the full-screen wish over with the mapping only when it is new.
    setWindowState(Qt::WindowNoState);
    setScreen(m_schirm);
    setGeometry(m_schirm->geometry());
    showFullScreen();
}

void Publikumsfenster::folge(const Spielbild* bild)
{
    // Over the main window it steps aside while the host must answer something there.
    const bool zeigen = m_gewollt && !(teiltSchirm() && m_anb.gastgeberBraucht());
    if (zeigen && !isVisible())
        zeigeAufSchirm();
    else if (!zeigen && isVisible())
        hide();
    if (isVisible())
        zeige(bild ? *bild : m_anb.bild());
}

void Publikumsfenster::bildflaecheGeaendert()
{
    if (!isVisible() || m_erneuern)
        return;
    m_erneuern = true;
    QTimer::singleShot(0, this, [this] {
        m_erneuern = false;
        if (isVisible())
            zeige(m_anb.bild());
    });
}

void Publikumsfenster::schalteSchwarz()
{
    if (!m_gewollt && !m_schwarz)
        return;
    m_schwarz = !m_schwarz;
    m_schwarzSeite->setGeometry(rect());
    m_schwarzSeite->setVisible(m_schwarz);
    m_schwarzSeite->raise();
    m_anb.schwarzGeaendert(m_schwarz);
}

void Publikumsfenster::setzeRangliste(bool gezeigt)
{
    m_rangliste = gezeigt;
    if (isVisible())
        zeige(m_anb.bild());
}

// ---- events ----------------------------------------------------------------

void Publikumsfenster::geschehen(const Spielereignis& e, const Spielbild& bild)
{
    if (e.art == Ereignisart::BildBegonnen || e.art == Ereignisart::EinstellungenBestaetigt) {
        m_banner.clear();
    } else if (const QString text = bannerText(e, bild); !text.isEmpty()) {
        m_banner = text;
        m_bannerName = bild.gruppen.value(e.gruppe).name;
        // A claim in the scoreboard's colour of whose answer it is; the verdicts green and red.
        const bool dran = e.art == Ereignisart::Anspruch || e.art == Ereignisart::UrteilZurueckgenommen;
        m_bannerGrund = dran ? Hellgelb
            : e.art == Ereignisart::Urteil ? (e.richtig ? QColor(0, 128, 0) : Kastanie)
                                           : QColor(90, 90, 90);
        m_bannerSchrift = dran ? QColor(Qt::black) : QColor(Qt::white);
    }
    // Over the main window it steps aside while the host types (the settings
    // panel, the hand correction) and comes back when that is done.
    folge(&bild);
}

void Publikumsfenster::keyPressEvent(QKeyEvent* e)
{
    m_anb.taste(e);
    e->accept();
}

void Publikumsfenster::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    m_schwarzSeite->setGeometry(rect());
    if (isVisible())
        zeige(m_anb.bild());
}

// ---- rendering -------------------------------------------------------------

void Publikumsfenster::zeige(const Spielbild& bild)
{
    const bool rangliste = m_rangliste || bild.phase == Bildphase::Erschoepft;
    m_spiel->setVisible(!rangliste);
    m_ranglisteSeite->setVisible(rangliste);
    if (rangliste)
        zeigeRangliste(bild);
    else
        zeigeSpiel(bild);
    m_schwarzSeite->raise();
}

void Publikumsfenster::baueZeilen(int zahl)
{
    while (int(m_zeilen.size()) > zahl) {
        delete m_zeilen.back().rahmen;
        m_zeilen.pop_back();
    }
    while (int(m_zeilen.size()) < zahl) {
        const int i = int(m_zeilen.size());
        auto* rahmen = new QFrame(m_spiel);
        rahmen->setObjectName(QStringLiteral("PublikumZeile%1").arg(i));
        rahmen->setAutoFillBackground(true);
        Zeile z{rahmen, neuesLabel(rahmen, QStringLiteral("PublikumName%1").arg(i)),
                neuesLabel(rahmen, QStringLiteral("PublikumPunkte%1").arg(i))};
        z.punkte->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        z.name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        rahmen->show();
        m_zeilen.push_back(z);
    }
}

Publikumsaufteilung Publikumsfenster::teileAuf(QSize schirm, QSize flaeche, const Spielbild& bild) const
{
    const int n = std::min<int>(int(bild.gruppen.size()), MeisteGruppen);
    // The names and a score of up to three digits and a sign: the rows keep
    // their width, and the picture its size, while the scores grow.
    const auto zeilenbreite = [&bild, n](int pixel) {
        const QFontMetrics m(arial(pixel, true));
        int breiteste = 0;
        for (int i = 0; i < n; ++i)
            breiteste = std::max(breiteste, m.horizontalAdvance(bild.gruppen[i].name));
        return breiteste + m.horizontalAdvance(QStringLiteral("-999"));
    };
    return teilePublikumAuf(schirm, flaeche, n, zeilenbreite);
}

void Publikumsfenster::zeigeSpiel(const Spielbild& bild)
{
    m_spiel->setGeometry(rect());
    const Bildquelle quelle = m_anb.quelle();
    const int n = std::min<int>(int(bild.gruppen.size()), MeisteGruppen);
    const Publikumsaufteilung a = teileAuf(size(), quelle.flaeche, bild);

    // The points on offer left, as large as the room beside the counter allows; the counter right.
    const QFont zaehlerschrift = arial(a.kopfschrift * 6 / 10, false);
    m_zaehler->setFont(zaehlerschrift);
    m_zaehler->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    faerbe(m_zaehler, Buehne, QColor(200, 205, 215));
    QString zaehler;
    if (bild.bildnummer > 0) {
        zaehler = QStringLiteral("Bild %1").arg(bild.bildnummer);
        if (m_bilderGesamt >= bild.bildnummer)
            zaehler += QStringLiteral(" von %1").arg(m_bilderGesamt);
    }
    setzeText(m_zaehler, zaehler);
    const QString angebot = punkteAngebotText(bild.punkteImAngebot);
    const int platz = a.kopf.width() - QFontMetrics(zaehlerschrift).horizontalAdvance(zaehler) - a.kopfschrift / 2;
    // Right-aligned, the counter needs only the room right of the points: a
    // label over theirs would be painted again, large text and all, whenever
    // the points change.
    m_zaehler->setGeometry(a.kopf.adjusted(std::max(0, platz), 0, 0, 0));
    m_angebot->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    faerbe(m_angebot, Buehne, QColor(255, 230, 120));
    setzeEingepasst(m_angebot, angebot, a.kopfschrift, std::max(0, platz));
    m_angebot->setGeometry(a.kopf.left(), a.kopf.top(), std::max(0, platz), a.kopf.height());

    // The picture at the screen's device pixels.
    const qreal dpr = devicePixelRatioF();
    const QSize pixel(int(std::lround(a.bild.width() * dpr)), int(std::lround(a.bild.height() * dpr)));
    // Until something shows through the cover, grey.
    const bool grau = bild.phase == Bildphase::Einstellungen || bild.bildnummer == 0 || bild.verdecktZahl() >= bild.sektoren;
    m_bild->setGeometry(a.bild);
    m_bild->setze(grau ? QImage() : m_abbild.bild(quelle.datei, quelle.code, pixel, dpr), pixel,
                  bild.bildnummer > 0 ? bild.sektoren : 0, bild.verdeckt);

    // The banner of what just happened.
    m_bannerLabel->setGeometry(a.banner);
    m_bannerLabel->setVisible(!m_banner.isEmpty());
    faerbe(m_bannerLabel, m_bannerGrund, m_bannerSchrift);
    setzeEingepasst(m_bannerLabel, m_banner, a.bannerschrift, a.banner.width() - a.bannerschrift / 2, m_bannerName);

    // The scoreboard.
    baueZeilen(n);
    const QFont schrift = arial(a.schrift, true);
    const QFontMetrics masse(schrift);
    for (int i = 0; i < n; ++i) {
        const Gruppenbild& g = bild.gruppen[i];
        const Zeile& z = m_zeilen[std::size_t(i)];
        const QRect r = a.zeilen[std::size_t(i)];
        z.rahmen->setGeometry(r);
        const bool gelb = i == bild.amZug || i == bild.antwortet;
        const bool hell = gelb || g.raus;
        faerbe(z.rahmen, gelb ? Hellgelb : g.raus ? Silber : Zeilengrund, Qt::white);
        faerbe(z.name, gelb ? Hellgelb : g.raus ? Silber : Zeilengrund, hell ? Marine : Qt::white);
        faerbe(z.punkte, gelb ? Hellgelb : g.raus ? Silber : Zeilengrund, hell ? Kastanie : QColor(255, 230, 120));
        z.name->setFont(schrift);
        z.punkte->setFont(schrift);
        const int innen = a.schrift / 3;
        const QString punkte = QString::number(g.punkte);
        const int punktebreite = masse.horizontalAdvance(punkte);
        z.punkte->setGeometry(r.width() - innen - punktebreite, 0, punktebreite, r.height());
        setzeText(z.punkte, punkte);
        const int namensbreite = std::max(0, r.width() - 3 * innen - punktebreite);
        z.name->setGeometry(innen, 0, namensbreite, r.height());
        setzeText(z.name, masse.elidedText(g.name, Qt::ElideRight, namensbreite), g.name);
    }
}

// The lines of F2, as large as the screen allows, in one column or two. A few
// long names do not make every line small: their lines shrink on their own.
void Publikumsfenster::zeigeRangliste(const Spielbild& bild)
{
    m_ranglisteSeite->setGeometry(rect());
    for (QWidget* alt : m_ranglisteSeite->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        delete alt;
    std::vector<int> punkte;
    for (const Gruppenbild& g : bild.gruppen)
        punkte.push_back(g.punkte);
    std::vector<QString> zeilen, namen;
    std::vector<int> plaetze;
    for (const Rangplatz& r : rangliste(punkte)) {
        namen.push_back(bild.gruppen.value(r.gruppe).name);
        zeilen.push_back(ranglistenZeile(r, namen.back()));
        plaetze.push_back(r.platz);
    }
    const int W = width(), H = height();
    const int rand = std::max(8, H / 30);
    const int titelschrift = H / 11;
    QLabel* titel = neuesLabel(m_ranglisteSeite, QStringLiteral("RanglisteTitel"));
    titel->setFont(arial(titelschrift, true));
    faerbe(titel, Buehne, QColor(255, 230, 120));
    setzeText(titel, QStringLiteral("Rangliste"));
    titel->setAlignment(Qt::AlignCenter);
    titel->setGeometry(rand, rand, W - 2 * rand, titelschrift * 3 / 2);
    const int oben = titel->geometry().bottom() + 1 + rand;

    const int n = int(zeilen.size());
    int spalten = 1, schrift = 1;
    for (const int s : {1, 2}) {
        const int proSpalte = std::max(1, (n + s - 1) / s);
        const int hoehe = std::min(H / 14, (H - oben - rand) * 10 / (proSpalte * 14));
        const int spaltenbreite = (W - 2 * rand - (s - 1) * rand) / s;
        int pixel = hoehe;
        const auto passen = [&](int p) {
            const QFontMetrics m(arial(p, true));
            return std::count_if(zeilen.begin(), zeilen.end(),
                                 [&](const QString& z) { return m.horizontalAdvance(z) <= spaltenbreite; });
        };
        while (pixel > hoehe * 7 / 10 && 10 * passen(pixel) < 9 * n)
            --pixel;
        if (pixel > schrift) {
            schrift = pixel;
            spalten = s;
        }
    }
    const int proSpalte = std::max(1, (n + spalten - 1) / spalten);
    const int zeilenhoehe = schrift * 14 / 10;
    const int spaltenbreite = (W - 2 * rand - (spalten - 1) * rand) / spalten;
    for (int i = 0; i < n; ++i) {
        QLabel* l = neuesLabel(m_ranglisteSeite, QStringLiteral("PublikumRang%1").arg(i));
        const bool vorn = plaetze[std::size_t(i)] <= 3;
        faerbe(l, Buehne, vorn ? QColor(255, 230, 120) : Qt::white);
        setzeEingepasst(l, zeilen[std::size_t(i)], schrift, spaltenbreite, namen[std::size_t(i)]);
        l->setGeometry(rand + (i / proSpalte) * (spaltenbreite + rand), oben + (i % proSpalte) * zeilenhoehe,
                       spaltenbreite, zeilenhoehe);
        l->show();
    }
    titel->show();
}
