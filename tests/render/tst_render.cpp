#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <jerror.h>
#include <memory>
#include <numeric>

#include "core/meldungen.h"
#include "core/spielstand.h"
#include "render/abbild.h"
#include "render/bildbereich.h"
#include "render/bildladen.h"
#include "render/bildvorrat.h"
#include "render/darstellung.h"
#include "render/exif.h"
#include "render/einpassung.h"
#include "render/fenster.h"
#include "render/pixel.h"
#include "render/sektor.h"
#include "render/skalierer.h"
#include "render/zentrumsaufdecker.h"
#include "fakefenster.h"
#include "meldungsfang.h"
#include "tabelle.h"
#include "testbilder.h"

namespace {

constexpr QRgb Grau = 0xff808080u;
constexpr QRgb Schwarz = 0xff000000u;
constexpr QRgb Rot = 0xffff0000u;

// The real picture area in a window of 1000 x 700 with a client area of 984 x 661.
struct Aufbau {
    Spielstand st;
    FakeFenster fenster;
    Meldungsfang meldungen;
    Bildbereich bereich{st, fenster, meldungen};

    Aufbau()
    {
        fenster.rand = QSize(16, 39);
        fenster.setzeInnen(QSize(984, 661));
        fenster.beiGroessenaenderung = [this] { bereich.formResize(); };
        st.SeitenX = st.SeitenY = KeinSeitenverhaeltnis;
    }
    // Lays out an area of exactly breite x hoehe (no aspect).
    void flaeche(int breite, int hoehe)
    {
        fenster.innen = QSize(breite + 510, hoehe + 40);
        fenster.aussen = QSize(std::max(800, breite + 526), std::max(600, hoehe + 79));
        st.FensterBreite = 0;
        bereich.formResize();
    }
    void sektoren(int n, bool verdeckt = true)
    {
        st.Sektorenzahl = n;
        st.Verdeckt.fill(false);
        for (int k = 0; k < n; ++k)
            st.Verdeckt[size_t(k)] = verdeckt;
        st.VerdecktZahl = verdeckt ? n : 0;
    }
    // The full redraw: the whole picture, then the cover (looked at in
    // between, the picture is copied whole, not only where the cover leaves it open).
    void neuGezeichnet()
    {
        bereich.zeigeGanzesBild();
        (void)bereich.sichtbaresBild();
        bereich.zeichneAbdeckung();
    }
    // The picture datei over an area of breite x hoehe, its n sectors covered.
    void abgedeckt(int breite, int hoehe, const QString& datei, int n)
    {
        flaeche(breite, hoehe);
        st.BildDatei = datei;
        bereich.rendereBild();
        sektoren(n);
        neuGezeichnet();
    }
    QRgb pixel(int x, int y) const { return bereich.sichtbaresBild().pixel(x, y); }
};

QPolygon poly(std::initializer_list<QPoint> punkte) { return QPolygon(QList<QPoint>(punkte)); }

bool nahe(QRgb a, QRgb b, int toleranz)
{
    return std::abs(qRed(a) - qRed(b)) <= toleranz && std::abs(qGreen(a) - qGreen(b)) <= toleranz
        && std::abs(qBlue(a) - qBlue(b)) <= toleranz;
}

// The first pixel outside r in which two pictures of the same size differ; (-1, -1) if none.
QPoint ersteAbweichungAusserhalb(const QImage& a, const QImage& b, const QRect& r)
{
    for (int y = 0; y < a.height(); ++y) {
        const auto* za = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* zb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        const bool zeileInR = y >= r.top() && y <= r.bottom();
        for (int x = 0; x < a.width(); ++x) {
            if (za[x] != zb[x] && !(zeileInR && x >= r.left() && x <= r.right()))
                return QPoint(x, y);
        }
    }
    return QPoint(-1, -1);
}

const QString ZuWenige = QStringLiteral("FEHLER: Zu wenige Sektoren eingestellt!");

} // namespace

// Stripes tell which part of the picture arrived where: 1600 x 900 in vertical
// stripes (blue 0-199, yellow 200-399, green 400-1399, red 1400-1599), 800 x 800
// in horizontal ones (blue 0-99, yellow 100-199, green 200-699, red 700-799).
static QImage streifen(int breite, int hoehe, bool senkrecht)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    const int laenge = senkrecht ? breite : hoehe;
    const int grenzen[3] = {laenge / 8, laenge / 4, laenge - laenge / 8};
    for (int y = 0; y < hoehe; ++y) {
        for (int x = 0; x < breite; ++x) {
            const int t = senkrecht ? x : y;
            QRgb farbe = 0xffff0000u;
            if (t < grenzen[0])
                farbe = 0xff0000ffu;
            else if (t < grenzen[1])
                farbe = 0xffffff00u;
            else if (t < grenzen[2])
                farbe = 0xff00ff00u;
            bild.setPixel(x, y, farbe);
        }
    }
    return bild;
}

static QImage zeile(std::initializer_list<int> grau)
{
    QImage bild(int(grau.size()), 1, QImage::Format_RGB32);
    int x = 0;
    for (int g : grau)
        bild.setPixel(x++, 0, qRgb(g, g, g));
    return bild;
}

namespace {

// "Neues Bild" and the first reveal as the rules run them: measured (each
// picture its own aspect) or not (a fixed one), laid out, rendered into IBild.
QImage klickeUndDecke(Aufbau& a, const QString& datei, const QString& code)
{
    a.st.BildDatei = datei;
    a.st.BildPosition = code;
    if (a.st.StandardSeitenX == KeinSeitenverhaeltnis) {
        const QSize groesse = a.bereich.missBild(datei);
        a.st.SeitenX = groesse.width();
        a.st.SeitenY = groesse.height();
    } else {
        a.st.SeitenX = a.st.StandardSeitenX;
        a.st.SeitenY = a.st.StandardSeitenY;
    }
    a.sektoren(4);
    a.st.FensterBreite = 0;
    a.bereich.formResize();
    a.bereich.rendereBild();
    return a.bereich.iBild();
}

QImage dargestellt(Bildvorrat& vorrat, QSize groesse, const QString& datei, const QString& code)
{
    QImage ziel(groesse, QImage::Format_RGB32);
    vorrat.stelleDar(ziel, datei, code);
    return ziel;
}

}  // namespace

class TstRender : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString pfad(const QString& name) const { return m_dir.filePath(name); }
    QString bmp(const QString& name, const QImage& bild) const
    {
        const QString p = pfad(name);
        if (!bild.save(p, "BMP"))
            qFatal("cannot write %s", qPrintable(p));
        return p;
    }
    QString jpeg(const QString& name, const QImage& bild, int qualitaet = 95) const
    {
        const QString p = pfad(name);
        if (!schreibeDatei(p, jpegDaten(bild, qualitaet)))
            qFatal("cannot write %s", qPrintable(p));
        return p;
    }
    // Renders pfad with code into a fresh target of tw x th filled with marker.
    static QImage rendere(const QString& datei, const QString& code, int tw, int th,
                          Meldungsfang* meldungenAus = nullptr)
    {
        Aufbau a;
        QImage ziel(tw, th, QImage::Format_RGB32);
        ziel.fill(0xff123456u);
        a.bereich.BildDarstellung(ziel, datei, code);
        if (meldungenAus)
            *meldungenAus = a.meldungen;
        return ziel;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void sektorPolygone_data()
    {
        spalten<int, int, int, int, QPolygon>("n", "w", "h", "k", "erwartet");

        QTest::newRow("4/0") << 4 << 400 << 300 << 0 << poly({{200, 150}, {400, 150}, {400, 300}, {200, 300}, {200, 150}});
        QTest::newRow("4/1") << 4 << 400 << 300 << 1 << poly({{200, 150}, {200, 300}, {-1, 300}, {-1, 150}, {200, 150}});
        QTest::newRow("4/2") << 4 << 400 << 300 << 2 << poly({{200, 150}, {-1, 150}, {-1, -1}, {200, -1}, {200, 150}});
        QTest::newRow("4/3") << 4 << 400 << 300 << 3 << poly({{200, 150}, {200, -1}, {400, -1}, {400, 150}, {200, 150}});
        QTest::newRow("6/0") << 6 << 400 << 300 << 0 << poly({{200, 150}, {400, 150}, {400, 300}, {287, 300}, {200, 150}});
        QTest::newRow("6/1") << 6 << 400 << 300 << 1 << poly({{200, 150}, {287, 300}, {113, 300}, {200, 150}});
        QTest::newRow("6/2") << 6 << 400 << 300 << 2 << poly({{200, 150}, {113, 300}, {-1, 300}, {-1, 150}, {200, 150}});
        QTest::newRow("6/3") << 6 << 400 << 300 << 3 << poly({{200, 150}, {-1, 150}, {-1, -1}, {113, -1}, {200, 150}});
        QTest::newRow("6/4") << 6 << 400 << 300 << 4 << poly({{200, 150}, {113, -1}, {287, -1}, {200, 150}});
        QTest::newRow("6/5") << 6 << 400 << 300 << 5 << poly({{200, 150}, {287, -1}, {400, -1}, {400, 150}, {200, 150}});
        QTest::newRow("5 on 450x300 / 1") << 5 << 450 << 300 << 1
                                          << poly({{225, 150}, {274, 300}, {-1, 300}, {-1, 313}, {225, 150}});
        QTest::newRow("8 on 300x300 / 0 corner") << 8 << 300 << 300 << 0
                                                 << poly({{150, 150}, {300, 150}, {300, 300}, {300, 300}, {150, 150}});
        QTest::newRow("1 sector") << 1 << 400 << 300 << 0 << poly({{200, 150}, {400, 150}, {400, 150}, {200, 150}});
        QTest::newRow("W 401") << 4 << 401 << 300 << 0 << poly({{200, 150}, {401, 150}, {401, 300}, {200, 300}, {200, 150}});
        QTest::newRow("W 403") << 4 << 403 << 300 << 0 << poly({{202, 150}, {403, 150}, {403, 300}, {202, 300}, {202, 150}});
    }
    void sektorPolygone()
    {
        auto [n, w, h, k, erwartet] = hole<int, int, int, int, QPolygon>("n", "w", "h", "k", "erwartet");
        const Sektor s = sektorPolygon(k, n, w, h);
        QCOMPARE(s.status, SektorStatus::Polygon);
        QCOMPARE(s.punkte, erwartet);
    }

    void sektorFehlschlaege_data()
    {
        // fehlend: failing sector indices
        spalten<int, int, int, QList<int>>("n", "w", "h", "fehlend");

        QTest::newRow("3 on 400x300") << 3 << 400 << 300 << QList<int>{1};
        QTest::newRow("3 on 900x300") << 3 << 900 << 300 << QList<int>{0, 2};
        QTest::newRow("5 on 400x300") << 5 << 400 << 300 << QList<int>{};
        QTest::newRow("5 on 900x300") << 5 << 900 << 300 << QList<int>{};
        QTest::newRow("6 on 400x300") << 6 << 400 << 300 << QList<int>{};
        QTest::newRow("6 on 900x300") << 6 << 900 << 300 << QList<int>{1, 4};
    }
    void sektorFehlschlaege()
    {
        auto [n, w, h, fehlend] = hole<int, int, int, QList<int>>("n", "w", "h", "fehlend");
        for (int k = 0; k < n; ++k) {
            const Sektor s = sektorPolygon(k, n, w, h);
            QCOMPARE(s.status, fehlend.contains(k) ? SektorStatus::ZuWenigeSektoren : SektorStatus::Polygon);
        }
        QCOMPARE(sektorPolygon(-1, n, w, h).status, SektorStatus::FalscherParameter);
        QCOMPARE(sektorPolygon(n, n, w, h).status, SektorStatus::FalscherParameter);
    }

    void vierNieZweiImmer()
    {
        const QList<QSize> formen{{400, 300}, {300, 400}, {900, 300}, {1, 1000}, {1000, 1}, {1, 1}, {2, 3}, {1920, 1080}};
        for (const QSize& f : formen) {
            for (int k = 0; k < 4; ++k)
                QVERIFY2(sektorPolygon(k, 4, f.width(), f.height()).status == SektorStatus::Polygon,
                         qPrintable(QStringLiteral("%1x%2 k %3").arg(f.width()).arg(f.height()).arg(k)));
            for (int k = 0; k < 2; ++k)
                QCOMPARE(sektorPolygon(k, 2, f.width(), f.height()).status, SektorStatus::ZuWenigeSektoren);
            int fehler3 = 0;
            for (int k = 0; k < 3; ++k)
                fehler3 += sektorPolygon(k, 3, f.width(), f.height()).status == SektorStatus::ZuWenigeSektoren;
            QVERIFY(fehler3 >= 1);
        }
        QCOMPARE(sektorPolygon(0, 4, 0, 300).status, SektorStatus::LeereFlaeche);
        QCOMPARE(sektorPolygon(0, 4, 400, 0).status, SektorStatus::LeereFlaeche);
    }

    void abdeckungMalt()
    {
        Aufbau a;
        a.flaeche(400, 300);
        a.st.BildDatei = bmp(QStringLiteral("rot400.bmp"), einfarbig(400, 300, Rot));
        a.bereich.rendereBild();
        a.sektoren(4);
        a.st.Verdeckt[1] = a.st.Verdeckt[3] = false;
        a.st.VerdecktZahl = 2;
        a.neuGezeichnet();
        QCOMPARE(a.pixel(300, 225), Grau);   // sector 0: bottom right
        QCOMPARE(a.pixel(100, 75), Grau);    // sector 2: top left
        QCOMPARE(a.pixel(100, 225), Rot);    // sector 1 uncovered
        QCOMPARE(a.pixel(300, 75), Rot);     // sector 3 uncovered
        QCOMPARE(a.pixel(300, 150), Schwarz);   // the ray between sectors 0 and 3
        QCOMPARE(a.pixel(200, 250), Schwarz);   // the ray between sectors 0 and 1
        QCOMPARE(a.pixel(399, 299), Grau);      // the border outline lies outside
        QCOMPARE(a.pixel(0, 0), Grau);
        QVERIFY(a.meldungen.liste.isEmpty());
        QCOMPARE(a.fenster.geaendert.last(), QRect(0, 0, 400, 300));
    }

    void einSektorNurLinie()
    {
        Aufbau a;
        a.abgedeckt(400, 300, bmp(QStringLiteral("rot400.bmp"), einfarbig(400, 300, Rot)), 1);
        QCOMPARE(a.pixel(300, 150), Schwarz);
        QCOMPARE(a.pixel(399, 150), Schwarz);
        QCOMPARE(a.pixel(300, 149), Rot);
        QCOMPARE(a.pixel(300, 151), Rot);
        QCOMPARE(a.pixel(100, 150), Rot);
        QVERIFY(a.meldungen.liste.isEmpty());
    }

    void abdeckungZwischenDenStrahlen_data()
    {
        spalten<int, QSize>("n", "flaeche");
        QTest::newRow("5 on 450x300, crossing below") << 5 << QSize(450, 300);
        QTest::newRow("7 on 900x300") << 7 << QSize(900, 300);
        QTest::newRow("12 on 300x900") << 12 << QSize(300, 900);
        QTest::newRow("16 on 1390x40") << 16 << QSize(1390, 40);
        QTest::newRow("9 on 40x1390") << 9 << QSize(40, 1390);
        QTest::newRow("24 on 1390x7") << 24 << QSize(1390, 7);
        QTest::newRow("64 on 641x479") << 64 << QSize(641, 479);
    }

    // Every pixel well inside a covered sector's slice is grey, every pixel well
    // inside a failing sector's slice shows the picture, whatever the edge points
    // far outside the area.
    void abdeckungZwischenDenStrahlen()
    {
        auto [n, flaeche] = hole<int, QSize>("n", "flaeche");
        const int w = flaeche.width(), h = flaeche.height();
        Aufbau a;
        a.abgedeckt(w, h, bmp(QStringLiteral("rot_%1x%2.bmp").arg(w).arg(h), einfarbig(w, h, Rot)), n);
        QList<bool> geht;
        for (int k = 0; k < n; ++k)
            geht << (sektorPolygon(k, n, w, h).status == SektorStatus::Polygon);
        QCOMPARE(a.meldungen.liste.size(), geht.count(false));

        const double pi = 3.14159265358979323846;
        const double cx = std::nearbyint(w / 2.0), cy = std::nearbyint(h / 2.0);
        int geprueft = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const double vx = x + 0.5 - cx, vy = y + 0.5 - cy;
                const double r = std::hypot(vx, vy);
                if (r < 4)
                    continue;
                double theta = std::atan2(vy, vx);
                if (theta < 0)
                    theta += 2 * pi;
                const double schritt = 2 * pi / n;
                const int k = std::min(n - 1, int(theta / schritt));
                const double abstand = r * std::min(std::sin(std::min(theta - k * schritt, pi / 2)),
                                                    std::sin(std::min((k + 1) * schritt - theta, pi / 2)));
                if (abstand < 2.5)
                    continue;
                ++geprueft;
                const QRgb soll = geht[k] ? Grau : Rot;
                if (a.pixel(x, y) != soll)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 of sector %3").arg(x).arg(y).arg(k)));
            }
        }
        QVERIFY2(geprueft > w * h / 10, qPrintable(QString::number(geprueft)));
    }

    void fehlschlagMeldetUndMaltWeiter_data()
    {
        // grau: inside a sector that works; bild: inside a failing sector
        spalten<int, QSize, int, QPoint, QPoint>("n", "flaeche", "meldungen", "grau", "bild");

        QTest::newRow("2 on 400x300") << 2 << QSize(400, 300) << 2 << QPoint(-1, -1) << QPoint(200, 250);
        QTest::newRow("3 on 400x300") << 3 << QSize(400, 300) << 1 << QPoint(380, 200) << QPoint(100, 250);
        QTest::newRow("3 on 900x300") << 3 << QSize(900, 300) << 2 << QPoint(50, 150) << QPoint(450, 280);
        QTest::newRow("6 on 900x300") << 6 << QSize(900, 300) << 2 << QPoint(850, 200) << QPoint(450, 280);
    }
    void fehlschlagMeldetUndMaltWeiter()
    {
        auto [n, flaeche, meldungen, grau, bild] =
            hole<int, QSize, int, QPoint, QPoint>("n", "flaeche", "meldungen", "grau", "bild");
        Aufbau a;
        const int w = flaeche.width(), h = flaeche.height();
        a.abgedeckt(w, h, bmp(QStringLiteral("rot_%1.bmp").arg(w), einfarbig(w, h, Rot)), n);
        QCOMPARE(a.meldungen.liste.size(), meldungen);
        QCOMPARE(a.meldungen.anzahl(ZuWenige), meldungen);
        QVERIFY(a.meldungen.liste.first().art == Meldungsart::Hinweis);
        if (grau.x() >= 0)
            QCOMPARE(a.pixel(grau.x(), grau.y()), Grau);
        QCOMPARE(a.pixel(bild.x(), bild.y()), Rot);
        QCOMPARE(a.fenster.geschlossen, 0);
        // Every redraw reports again.
        a.bereich.zeichneAbdeckung();
        QCOMPARE(a.meldungen.liste.size(), 2 * meldungen);
    }

    void drawEckFalscherParameter()
    {
        Aufbau a;
        a.sektoren(4);
        a.flaeche(400, 300);
        const QImage vorher = a.bereich.sichtbaresBild();
        for (int k : {-1, 4}) {
            a.meldungen.liste.clear();
            a.bereich.DrawEck(k);
            QCOMPARE(a.meldungen.mitArt(),
                     nurMeldung(Meldungsart::Hinweis, QStringLiteral("DrawEck(): Falscher Parameter!")));
        }
        QCOMPARE(a.fenster.geschlossen, 2);
        QCOMPARE(a.bereich.sichtbaresBild(), vorher);
        // A valid index paints without a message.
        a.meldungen.liste.clear();
        a.bereich.DrawEck(2);
        QVERIFY(a.meldungen.liste.isEmpty());
    }

    void leereFlaecheMaltNichts()
    {
        Aufbau a;
        a.sektoren(6);
        a.st.SeitenX = 100000;
        a.st.SeitenY = 1;
        a.flaeche(400, 300);
        QCOMPARE(a.st.BildBreite, 400);
        QCOMPARE(a.st.BildHoehe, 0);
        a.bereich.zeichneAbdeckung();
        a.bereich.DrawEck(3);
        a.bereich.deckeAuf(3);
        a.bereich.fuelleGrau();
        QVERIFY(a.meldungen.liste.isEmpty());
        QCOMPARE(a.fenster.geschlossen, 0);
    }

    void einpassung_data()
    {
        spalten<QSize, QSize, QString, int, QRect, QRect>("bild", "flaeche", "code", "art", "ziel", "quelle");

        const int sk = int(Einpassung::Art::Skaliert), un = int(Einpassung::Art::Unskaliert),
                  ko = int(Einpassung::Art::Kopie), sw = int(Einpassung::Art::Schwarz);
        const QSize f(640, 480);
        QTest::newRow("1600x900 empty") << QSize(1600, 900) << f << "" << sk << QRect(0, 60, 640, 360) << QRect(0, 0, 1600, 900);
        QTest::newRow("1600x900 m") << QSize(1600, 900) << f << "m" << sk << QRect(0, 0, 640, 480) << QRect(200, 0, 1200, 900);
        QTest::newRow("1600x900 r") << QSize(1600, 900) << f << "r" << sk << QRect(0, 0, 640, 480) << QRect(400, 0, 1200, 900);
        QTest::newRow("1600x900 l") << QSize(1600, 900) << f << "l" << sk << QRect(0, 0, 640, 480) << QRect(0, 0, 1200, 900);
        QTest::newRow("1600x900 o") << QSize(1600, 900) << f << "o" << sk << QRect(0, 60, 640, 360) << QRect(0, 0, 1600, 900);
        QTest::newRow("1600x900 u") << QSize(1600, 900) << f << "u" << sk << QRect(0, 60, 640, 360) << QRect(0, 0, 1600, 900);
        QTest::newRow("300x200 n") << QSize(300, 200) << f << "n" << un << QRect(170, 140, 300, 200) << QRect(0, 0, 300, 200);
        QTest::newRow("700x200 n") << QSize(700, 200) << f << "n" << sk << QRect(0, 148, 640, 183) << QRect(0, 0, 700, 200);
        QTest::newRow("1278x960") << QSize(1278, 960) << f << "" << sk << QRect(0, 0, 640, 480) << QRect(0, 0, 1278, 960);
        QTest::newRow("1277x960") << QSize(1277, 960) << f << "" << sk << QRect(1, 0, 638, 480) << QRect(0, 0, 1277, 960);
        QTest::newRow("640x480 m") << QSize(640, 480) << f << "m" << ko << QRect(0, 0, 640, 480) << QRect(0, 0, 640, 480);
        QTest::newRow("640x480 n") << QSize(640, 480) << f << "n" << ko << QRect(0, 0, 640, 480) << QRect(0, 0, 640, 480);
        QTest::newRow("320x240 o same aspect") << QSize(320, 240) << f << "o" << sk << QRect(0, 0, 640, 480) << QRect(0, 0, 320, 240);
        QTest::newRow("320x240 n same aspect") << QSize(320, 240) << f << "n" << un << QRect(160, 120, 320, 240) << QRect(0, 0, 320, 240);
        QTest::newRow("700x300 n larger") << QSize(700, 300) << f << "n" << sk << QRect(0, 103, 640, 274) << QRect(0, 0, 700, 300);
        QTest::newRow("800x800 empty") << QSize(800, 800) << QSize(600, 450) << "" << sk << QRect(75, 0, 450, 450) << QRect(0, 0, 800, 800);
        QTest::newRow("800x800 m") << QSize(800, 800) << QSize(600, 450) << "m" << sk << QRect(0, 0, 600, 450) << QRect(0, 100, 800, 600);
        QTest::newRow("800x800 u") << QSize(800, 800) << QSize(600, 450) << "u" << sk << QRect(0, 0, 600, 450) << QRect(0, 200, 800, 600);
        QTest::newRow("800x800 o") << QSize(800, 800) << QSize(600, 450) << "o" << sk << QRect(0, 0, 600, 450) << QRect(0, 0, 800, 600);
        QTest::newRow("800x800 l acts empty") << QSize(800, 800) << QSize(600, 450) << "l" << sk << QRect(75, 0, 450, 450) << QRect(0, 0, 800, 800);
        QTest::newRow("zero width") << QSize(0, 100) << f << "" << sw << QRect() << QRect();
        QTest::newRow("thin picture, o keeps a row") << QSize(1, 100000) << QSize(1000, 1) << "o" << sk << QRect(0, 0, 1000, 1) << QRect(0, 0, 1, 1);
    }
    void einpassung()
    {
        auto [bild, flaeche, code, art, ziel, quelle] =
            hole<QSize, QSize, QString, int, QRect, QRect>("bild", "flaeche", "code", "art", "ziel", "quelle");
        const Einpassung e = berechneEinpassung(bild.width(), bild.height(), flaeche.width(), flaeche.height(), code);
        QCOMPARE(int(e.art), art);
        if (e.art != Einpassung::Art::Schwarz) {
            QCOMPARE(e.ziel, ziel);
            QCOMPARE(e.quelle, quelle);
        }
    }

    void gerendertePixel_data()
    {
        spalten<QString, QString, QSize, QList<QPoint>, QList<uint>>("datei", "code", "flaeche", "punkte", "farben");

        const QString breit = bmp(QStringLiteral("breit.bmp"), streifen(1600, 900, true));
        const QString hoch = bmp(QStringLiteral("hoch.bmp"), streifen(800, 800, false));
        const QString klein = bmp(QStringLiteral("klein.bmp"), einfarbig(300, 200, 0xff00ffffu));
        const QString flach = bmp(QStringLiteral("flach.bmp"), einfarbig(700, 200, 0xff00ffffu));
        const QString b1278 = bmp(QStringLiteral("b1278.bmp"), einfarbig(1278, 960, 0xff00ffffu));
        const QString b1277 = bmp(QStringLiteral("b1277.bmp"), einfarbig(1277, 960, 0xff00ffffu));
        const uint s = Schwarz, bl = 0xff0000ffu, ge = 0xffffff00u, gr = 0xff00ff00u, ro = 0xffff0000u, cy = 0xff00ffffu;
        const QSize f(640, 480);

        QTest::newRow("1600x900 empty") << breit << "" << f
            << QList<QPoint>{{320, 0}, {320, 59}, {0, 60}, {639, 60}, {320, 240}, {0, 419}, {320, 420}, {320, 479}}
            << QList<uint>{s, s, bl, ro, gr, bl, s, s};
        QTest::newRow("1600x900 m") << breit << "m" << f
            << QList<QPoint>{{0, 0}, {639, 0}, {0, 479}, {639, 479}} << QList<uint>{ge, gr, ge, gr};
        QTest::newRow("1600x900 r") << breit << "r" << f
            << QList<QPoint>{{0, 0}, {639, 0}, {0, 479}, {639, 479}} << QList<uint>{gr, ro, gr, ro};
        QTest::newRow("1600x900 o") << breit << "o" << f
            << QList<QPoint>{{320, 59}, {0, 60}, {639, 419}, {320, 420}} << QList<uint>{s, bl, ro, s};
        QTest::newRow("300x200 n") << klein << "n" << f
            << QList<QPoint>{{169, 240}, {170, 240}, {469, 240}, {470, 240}, {320, 139}, {320, 140}, {320, 339}, {320, 340}, {0, 0}}
            << QList<uint>{s, cy, cy, s, s, cy, cy, s, s};
        QTest::newRow("700x200 n") << flach << "n" << f
            << QList<QPoint>{{320, 147}, {320, 148}, {0, 200}, {639, 200}, {320, 330}, {320, 331}}
            << QList<uint>{s, cy, cy, cy, cy, s};
        QTest::newRow("1278x960") << b1278 << "" << f
            << QList<QPoint>{{0, 0}, {639, 0}, {0, 479}, {639, 479}} << QList<uint>{cy, cy, cy, cy};
        QTest::newRow("1277x960") << b1277 << "" << f
            << QList<QPoint>{{0, 100}, {1, 100}, {638, 100}, {639, 100}} << QList<uint>{s, cy, cy, s};
        QTest::newRow("800x800 empty") << hoch << "" << QSize(600, 450)
            << QList<QPoint>{{74, 200}, {75, 200}, {300, 0}, {524, 449}, {525, 200}, {599, 0}}
            << QList<uint>{s, gr, bl, ro, s, s};
        QTest::newRow("800x800 m") << hoch << "m" << QSize(600, 450)
            << QList<QPoint>{{0, 0}, {599, 0}, {300, 449}} << QList<uint>{ge, ge, gr};
        QTest::newRow("800x800 u") << hoch << "u" << QSize(600, 450)
            << QList<QPoint>{{0, 0}, {300, 449}} << QList<uint>{gr, ro};
        QTest::newRow("800x800 r acts empty") << hoch << "r" << QSize(600, 450)
            << QList<QPoint>{{74, 200}, {75, 200}, {300, 0}, {525, 200}} << QList<uint>{s, gr, bl, s};
        QTest::newRow("1600x900 u acts empty") << breit << "u" << f
            << QList<QPoint>{{320, 59}, {0, 60}} << QList<uint>{s, bl};
        QTest::newRow("enlarged 300x200 empty") << klein << "" << f
            << QList<QPoint>{{320, 25}, {0, 26}, {639, 452}, {320, 453}} << QList<uint>{s, cy, cy, s};
    }
    void gerendertePixel()
    {
        auto [datei, code, flaeche, punkte, farben] =
            hole<QString, QString, QSize, QList<QPoint>, QList<uint>>("datei", "code", "flaeche", "punkte", "farben");
        Meldungsfang m;
        const QImage bild = rendere(datei, code, flaeche.width(), flaeche.height(), &m);
        QVERIFY(m.liste.isEmpty());
        QCOMPARE(bild.size(), flaeche);
        for (int i = 0; i < punkte.size(); ++i) {
            const QPoint p = punkte.at(i);
            QVERIFY2(bild.pixel(p) == farben.at(i),
                     qPrintable(QStringLiteral("(%1,%2): %3 statt %4").arg(p.x()).arg(p.y())
                                    .arg(bild.pixel(p), 8, 16).arg(farben.at(i), 8, 16)));
        }
        // No pixel of the marker the target was filled with survives.
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                if (bild.pixel(x, y) == 0xff123456u)
                    QFAIL(qPrintable(QStringLiteral("unpainted pixel %1,%2").arg(x).arg(y)));
    }

    void skalierer_data()
    {
        // grau: row 0 of the result; -1 = untouched
        spalten<QImage, QRect, QSize, QRect, QList<int>>("quelle", "q", "ziel", "z", "grau");

        QTest::newRow("mean of four") << zeile({0, 100, 200, 40}) << QRect(0, 0, 4, 1) << QSize(1, 1) << QRect(0, 0, 1, 1) << QList<int>{85};
        QTest::newRow("halving") << zeile({0, 0, 255, 255, 10, 30}) << QRect(0, 0, 6, 1) << QSize(3, 1) << QRect(0, 0, 3, 1) << QList<int>{0, 255, 20};
        QTest::newRow("source rectangle in place") << zeile({9, 9, 50, 70, 9}) << QRect(2, 0, 2, 1) << QSize(1, 1) << QRect(0, 0, 1, 1) << QList<int>{60};
        QTest::newRow("enlarging") << zeile({10, 200}) << QRect(0, 0, 2, 1) << QSize(4, 1) << QRect(0, 0, 4, 1) << QList<int>{10, 10, 200, 200};
        QTest::newRow("enlarging by three") << zeile({10, 200}) << QRect(0, 0, 2, 1) << QSize(6, 1) << QRect(0, 0, 6, 1) << QList<int>{10, 10, 10, 200, 200, 200};
        QTest::newRow("into a part") << zeile({40, 80}) << QRect(0, 0, 2, 1) << QSize(5, 1) << QRect(2, 0, 1, 1) << QList<int>{-1, -1, 60, -1, -1};
        QTest::newRow("beyond the target") << zeile({40, 40, 80, 80}) << QRect(0, 0, 4, 1) << QSize(2, 1) << QRect(-1, 0, 4, 1) << QList<int>{40, 80};
        QTest::newRow("source clamped") << zeile({30, 90}) << QRect(-5, 0, 50, 1) << QSize(1, 1) << QRect(0, 0, 1, 1) << QList<int>{60};
        QTest::newRow("empty source") << zeile({30, 90}) << QRect(5, 0, 2, 1) << QSize(1, 1) << QRect(0, 0, 1, 1) << QList<int>{-1};
        QImage hoch(1, 600, QImage::Format_RGB32);   // more than 257 rows per pixel
        for (int y = 0; y < 600; ++y)
            hoch.setPixel(0, y, y < 300 ? qRgb(255, 255, 255) : qRgb(1, 1, 1));
        QTest::newRow("many rows") << hoch << QRect(0, 0, 1, 600) << QSize(1, 1) << QRect(0, 0, 1, 1) << QList<int>{128};
    }
    void skalierer()
    {
        auto [quelle, q, ziel, z, grau] =
            hole<QImage, QRect, QSize, QRect, QList<int>>("quelle", "q", "ziel", "z", "grau");
        QImage bild(ziel, QImage::Format_RGB32);
        bild.fill(0xff123456u);
        skaliereFlaeche(quelle, q, bild, z);
        for (int x = 0; x < grau.size(); ++x) {
            const QRgb soll = grau[x] < 0 ? 0xff123456u : qRgb(grau[x], grau[x], grau[x]);
            QCOMPARE(bild.pixel(x, 0), soll);
        }
    }

    void gleicheGroesseKopiert()
    {
        const QImage vorlage = verlauf(640, 480);
        const QString datei = bmp(QStringLiteral("verlauf640.bmp"), vorlage);
        for (const QString code : {"", "o", "m", "u", "l", "r", "n"})
            QCOMPARE(rendere(datei, code, 640, 480), vorlage);
    }

    void unskaliertMitRest()
    {
        // One pixel more room than picture: the offset rounds to 0; the last column
        // and row turn black like the bars.
        const QImage vorlage = verlauf(639, 479);
        const QString datei = bmp(QStringLiteral("verlauf639.bmp"), vorlage);
        const QImage bild = rendere(datei, QStringLiteral("n"), 640, 480);
        QCOMPARE(bild.copy(0, 0, 639, 479), vorlage);
        for (int y = 0; y < 480; ++y)
            QCOMPARE(bild.pixel(639, y), Schwarz);
        for (int x = 0; x < 640; ++x)
            QCOMPARE(bild.pixel(x, 479), Schwarz);
    }

    void jpegWirdDekodiert()
    {
        // A solid colour survives JPEG nearly unchanged; capitals in the extension are fine.
        const QString datei = jpeg(QStringLiteral("BILD.JPEG"), einfarbig(1600, 900, qRgb(40, 160, 220)));
        Meldungsfang m;
        const QImage bild = rendere(datei, QString(), 640, 480, &m);
        QVERIFY(m.liste.isEmpty());
        QCOMPARE(bild.pixel(320, 59), Schwarz);
        QVERIFY(nahe(bild.pixel(320, 60), qRgb(40, 160, 220), 3));
        QVERIFY(nahe(bild.pixel(0, 240), qRgb(40, 160, 220), 3));
        QVERIFY(nahe(bild.pixel(639, 419), qRgb(40, 160, 220), 3));
        QCOMPARE(bild.pixel(320, 420), Schwarz);
        QCOMPARE(qAlpha(bild.pixel(10, 100)), 255);

        // Full-size decode keeps the pixels of a fine pattern within JPEG's error.
        QImage muster(64, 48, QImage::Format_RGB32);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x)
                muster.setPixel(x, y, qRgb(x * 3, y * 5, 128));
        const QString datei2 = jpeg(QStringLiteral("muster.jpg"), muster, 100);
        const QImage kopie = rendere(datei2, QString(), 64, 48);
        int abweichung = 0;
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x)
                abweichung = std::max(abweichung, std::abs(qGreen(kopie.pixel(x, y)) - qGreen(muster.pixel(x, y))));
        QVERIFY2(abweichung <= 4, qPrintable(QString::number(abweichung)));
    }

    // Adobe applications store CMYK inverted; libjpeg writes the Adobe marker.
    void cmykJpeg()
    {
        // No cyan, full magenta, full yellow, no black.
        const QString datei = pfad(QStringLiteral("cmyk.jpg"));
        QVERIFY(schreibeDatei(datei, cmykJpegDaten(16, 8, {255, 0, 0, 255})));
        const QImage bild = rendere(datei, QString(), 16, 8);
        QVERIFY2(nahe(bild.pixel(8, 4), qRgb(255, 0, 0), 3), qPrintable(QString::number(bild.pixel(8, 4), 16)));
    }

    void endungen_data()
    {
        spalten<QString, bool>("name", "warnung");
        QTest::newRow("gif") << "bild.gif" << true;
        QTest::newRow("none") << "bild" << true;
        QTest::newRow("dot in directory") << "ordner.jpg/bild" << true;
        QTest::newRow("png") << "bild.PNG" << true;
        QTest::newRow("JPG") << "X.JPG" << false;
        QTest::newRow("Bmp") << "x.Bmp" << false;
    }
    void endungen()
    {
        auto [name, warnung] = hole<QString, bool>("name", "warnung");
        const QString datei = pfad(name);
        QDir().mkpath(QFileInfo(datei).absolutePath());
        if (name.endsWith(QLatin1String("bmp"), Qt::CaseInsensitive))
            QVERIFY(einfarbig(64, 48, Rot).save(datei, "BMP"));
        else
            QVERIFY(schreibeDatei(datei, jpegDaten(einfarbig(64, 48, Rot))));
        QCOMPARE(istBildEndung(datei), !warnung);
        Meldungsfang m;
        const QImage bild = rendere(datei, QString(), 64, 48, &m);
        if (warnung) {
            QCOMPARE(m.mitArt(),
                     nurMeldung(Meldungsart::Warnung, QStringLiteral("Fehler: Das Bild \"") + datei
                                    + QStringLiteral("\" kann nicht dargestellt werden.\n\rEs sind nur die Bildformate JPG oder BMP möglich.")));
            QCOMPARE(bild.pixel(10, 10), 0xff123456u);   // target unchanged
        } else {
            QVERIFY(m.liste.isEmpty());
            QVERIFY(nahe(bild.pixel(10, 10), Rot, 4));
        }
    }

    void ladefehler_data()
    {
        // daten: not written when empty name suffix "-"; text: %1 = path as given
        spalten<QString, QByteArray, QString>("name", "daten", "text");

        const QByteArray gut = jpegDaten(verlauf(64, 48));
        const QString oeffnen = QStringLiteral("Datei %1 kann nicht geöffnet werden");
        QTest::newRow("missing jpg") << "fehlt.jpg" << QByteArray() << oeffnen;
        QTest::newRow("missing bmp") << "fehlt.bmp" << QByteArray() << oeffnen;
        QTest::newRow("empty jpg") << "leer.jpg" << QByteArray("") << QStringLiteral("JPEG-Fehlernr. %1").arg(JERR_INPUT_EMPTY);
        QTest::newRow("text as jpg") << "text.jpg" << QByteArray("Hallo Welt") << QStringLiteral("JPEG-Fehlernr. %1").arg(JERR_NO_SOI);
        QTest::newRow("only SOI") << "soi.jpg" << QByteArray("\xff\xd8", 2) << QStringLiteral("JPEG-Fehlernr. %1").arg(JERR_NO_IMAGE);
        QTest::newRow("bmp garbage") << "kaputt.bmp" << QByteArray("BM this is no bitmap at all, really not") << QStringLiteral("Bitmap ist ungültig");
        QTest::newRow("jpeg named bmp") << "falsch.bmp" << gut << QStringLiteral("Bitmap ist ungültig");
        QTest::newRow("empty bmp") << "leer.bmp" << QByteArray("") << QStringLiteral("Bitmap ist ungültig");
    }
    void ladefehler()
    {
        auto [name, daten, text] = hole<QString, QByteArray, QString>("name", "daten", "text");
        const QString datei = pfad(name);
        QFile::remove(datei);
        if (!name.startsWith(QLatin1String("fehlt")))
            QVERIFY(schreibeDatei(datei, daten));
        for (const bool vorab : {false, true}) {
            Aufbau a;
            // Decoded ahead or not, the failure shows when the picture is measured, not before.
            if (vorab)
                a.bereich.bereiteVor(datei, QString());
            QVERIFY(a.meldungen.liste.isEmpty());
            try {
                a.bereich.missBild(datei);
                QFAIL("no error");
            } catch (const VarnoFehler& f) {
                QCOMPARE(f.text(), text.contains(QLatin1String("%1")) ? text.arg(datei) : text);
            }
            // The render reports the same, and leaves the target as it was.
            QImage ziel(32, 32, QImage::Format_RGB32);
            ziel.fill(0xff123456u);
            QVERIFY_THROWS_EXCEPTION(VarnoFehler, a.bereich.BildDarstellung(ziel, datei, QString()));
            QCOMPARE(ziel.pixel(5, 5), 0xff123456u);
        }
    }

    void abgeschnittenesJpeg()
    {
        // libjpeg only warns about a file that ends early; the missing part stays
        // grey and nothing is reported.
        const QByteArray gut = jpegDaten(verlauf(256, 256));
        const QString datei = pfad(QStringLiteral("halb.jpg"));
        QVERIFY(schreibeDatei(datei, gut.left(gut.size() / 2)));
        Aufbau a;
        QCOMPARE(a.bereich.missBild(datei), QSize(256, 256));
        QImage ziel(256, 256, QImage::Format_RGB32);
        a.bereich.BildDarstellung(ziel, datei, QString());
        QVERIFY(a.meldungen.liste.isEmpty());
        QVERIFY(nahe(ziel.pixel(128, 250), qRgb(128, 128, 128), 2));
    }

    void zuGrossAbgelehnt_data()
    {
        // text: empty: the size message
        spalten<QString, int, int, QString>("name", "breite", "hoehe", "text");
        QTest::newRow("jpeg 65000 square") << "riesig.jpg" << 65000 << 65000 << QString();
        QTest::newRow("jpeg one side") << "lang.jpg" << 30001 << 8 << QString();
        QTest::newRow("jpeg pixels") << "viel.jpg" << 20000 << 10001 << QString();
        // Beyond libjpeg's own limit of 65500 as well.
        QTest::newRow("jpeg 65535 square") << "ueber.jpg" << 65535 << 65535 << QString();
        QTest::newRow("bmp one side") << "lang.bmp" << 40000 << 100 << QString();
        QTest::newRow("bmp pixels") << "viel.bmp" << 20000 << 10001 << QString();
        // Qt's reader alone would call this header invalid.
        QTest::newRow("bmp 65535 square") << "riesig.bmp" << 65535 << 65535 << QString();
    }
    void zuGrossAbgelehnt()
    {
        auto [name, breite, hoehe, text] = hole<QString, int, int, QString>("name", "breite", "hoehe", "text");
        const bool istJpeg = name.endsWith(QLatin1String(".jpg"));
        QByteArray klein;
        if (istJpeg) {
            klein = jpegDaten(verlauf(16, 16));
        } else {
            const QString tmp = bmp(QStringLiteral("klein16.bmp"), verlauf(16, 16));
            QFile f(tmp);
            QVERIFY(f.open(QIODevice::ReadOnly));
            klein = f.readAll();
        }
        const QString datei = pfad(name);
        QVERIFY(schreibeDatei(datei, mitKopfgroesse(klein, istJpeg, breite, hoehe)));
        Aufbau a;
        try {
            a.bereich.missBild(datei);
            QFAIL("no error");
        } catch (const VarnoFehler& f) {
            QCOMPARE(f.text(), text.isEmpty() ? QStringLiteral("Das Bild %1 ist mit %2 × %3 Pixeln zu groß")
                                                     .arg(datei).arg(breite).arg(hoehe)
                                               : text);
        }
        QCOMPARE(a.bereich.dekodierZaehler(), 1);
    }

    void layoutTabelle_data()
    {
        spalten<QSize, int, int, bool, QSize, QRect, QPoint>(
            "client", "sx", "sy", "panel", "flaeche", "rahmen", "panelPos");

        QTest::newRow("1000x700 4:3") << QSize(1000, 700) << 4 << 3 << true << QSize(490, 368) << QRect(18, 164, 494, 372) << QPoint(64, 198);
        QTest::newRow("1000x700 1600x1200") << QSize(1000, 700) << 1600 << 1200 << true << QSize(490, 368) << QRect(18, 164, 494, 372) << QPoint(64, 198);
        QTest::newRow("1000x700 3:4") << QSize(1000, 700) << 3 << 4 << true << QSize(490, 653) << QRect(18, 22, 494, 657) << QPoint(64, 198);
        QTest::newRow("1400x700 4:3") << QSize(1400, 700) << 4 << 3 << false << QSize(880, 660) << QRect(23, 18, 884, 664) << QPoint(-1, -1);
        QTest::newRow("1400x700 16:9") << QSize(1400, 700) << 16 << 9 << false << QSize(890, 501) << QRect(18, 98, 894, 505) << QPoint(-1, -1);
        QTest::newRow("room's own shape") << QSize(1400, 700) << 890 << 660 << false << QSize(890, 660) << QRect(18, 18, 894, 664) << QPoint(-1, -1);
    }
    void layoutTabelle()
    {
        auto [client, sx, sy, panel, flaeche, rahmen, panelPos] =
            hole<QSize, int, int, bool, QSize, QRect, QPoint>("client", "sx", "sy", "panel", "flaeche", "rahmen", "panelPos");
        Aufbau a;
        a.st.SeitenX = sx;
        a.st.SeitenY = sy;
        a.sektoren(8);
        a.fenster.einstellungen = panel;
        a.fenster.setzeInnen(client);
        a.bereich.formResize();
        QCOMPARE(QSize(a.st.BildBreite, a.st.BildHoehe), flaeche);
        QCOMPARE(a.fenster.rahmen(), rahmen);
        QCOMPARE(a.fenster.panelPos, panelPos);
        QCOMPARE(a.bereich.sichtbaresBild().size(), flaeche);
        QCOMPARE(a.bereich.iBild().size(), flaeche);
        QCOMPARE(a.st.FensterBreite, client.width() + 16);
        QCOMPARE(a.st.FensterHoehe, client.height() + 39);
        const QImage& bild = a.bereich.sichtbaresBild();
        if (panel) {
            // Plain grey, no cover lines.
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < bild.width(); ++x)
                    if (bild.pixel(x, y) != Grau)
                        QFAIL("not plain grey");
        } else {
            QCOMPARE(bild.pixel(flaeche.width() / 2 + 20, flaeche.height() / 2 + 5), Grau);
            QCOMPARE(bild.pixel(flaeche.width() / 2 + 20, flaeche.height() / 2), Schwarz);   // sector 0's ray
        }
        QCOMPARE(a.fenster.geaendert.last(), QRect(QPoint(0, 0), flaeche));
    }

    void mindestgroesseKette()
    {
        Aufbau a;
        a.st.SeitenX = 4;
        a.st.SeitenY = 3;
        a.fenster.setzeInnen(QSize(684, 461));   // outer 700 x 500
        a.bereich.formResize();
        QCOMPARE(a.fenster.protokoll,
                 QStringList({"breite 800", "hoehe 600", "rahmen 18 176 278 210"}));
        QCOMPARE(a.fenster.layoutsBeendet, 1);   // the nested runs do not count
        QCOMPARE(a.st.FensterBreite, 800);
        QCOMPARE(a.st.FensterHoehe, 600);
        QCOMPARE(a.st.BildBreite, 274);
        QCOMPARE(a.st.BildHoehe, 206);
    }

    void gleicheGroesseTutNichts()
    {
        Aufbau a;
        a.st.SeitenX = 4;
        a.st.SeitenY = 3;
        a.sektoren(5);
        a.fenster.setzeInnen(QSize(1000, 700));
        a.bereich.formResize();
        const QStringList protokoll = a.fenster.protokoll;
        const qsizetype geaendert = a.fenster.geaendert.size();
        a.st.BildBreite = 1;   // a layout would write these again
        a.bereich.formResize();
        QCOMPARE(a.fenster.protokoll, protokoll);
        QCOMPARE(a.fenster.geaendert.size(), geaendert);
        QCOMPARE(a.st.BildBreite, 1);
        // FensterBreite 0 forces it.
        a.st.FensterBreite = 0;
        a.bereich.formResize();
        QCOMPARE(a.st.BildBreite, 490);
        // The same outer size around another client area (a manager's late
        // report) is laid out for the client area.
        a.fenster.innen = QSize(1100, 700);
        a.bereich.formResize();
        QCOMPARE(a.st.BildBreite, 590);
    }

    void ohneSeitenverhaeltnis()
    {
        for (const QSize client : {QSize(1000, 700), QSize(2000, 680), QSize(800, 1400)}) {
            Aufbau a;
            a.fenster.rahmenRechteck = QRect(30, 40, 10, 10);
            a.fenster.setzeInnen(client);
            a.bereich.formResize();
            QCOMPARE(a.st.BildBreite, client.width() - 510);
            QCOMPARE(a.st.BildHoehe, client.height() - 40);
            QCOMPARE(a.fenster.rahmen(), QRect(30, 40, client.width() - 506, client.height() - 36));
        }
    }

    void unbrauchbaresSeitenverhaeltnis_data()
    {
        spalten<int, int, QSize>("sx", "sy", "flaeche");
        QTest::newRow("0:0") << 0 << 0 << QSize(490, 660);
        QTest::newRow("4:0") << 4 << 0 << QSize(490, 660);
        QTest::newRow("-4:3") << -4 << 3 << QSize(490, 660);
        QTest::newRow("4:-3") << 4 << -3 << QSize(490, 660);
        QTest::newRow("rounds to no height") << 100000 << 1 << QSize(490, 0);
        QTest::newRow("rounds to no width") << 1 << 100000 << QSize(0, 660);
        QTest::newRow("huge values") << 2147483647 << 2147483646 << QSize(490, 490);
    }
    void unbrauchbaresSeitenverhaeltnis()
    {
        auto [sx, sy, flaeche] = hole<int, int, QSize>("sx", "sy", "flaeche");
        Aufbau a;
        a.st.SeitenX = sx;
        a.st.SeitenY = sy;
        a.sektoren(7);
        a.st.Verdeckt[2] = false;
        a.st.VerdecktZahl = 6;
        a.st.BildDatei = bmp(QStringLiteral("klein_u.bmp"), einfarbig(30, 20, Rot));
        a.fenster.setzeInnen(QSize(1000, 700));
        a.bereich.formResize();
        QCOMPARE(QSize(a.st.BildBreite, a.st.BildHoehe), flaeche);
        QCOMPARE(a.bereich.sichtbaresBild().size().expandedTo(QSize(0, 0)),
                 flaeche.width() && flaeche.height() ? flaeche : QSize(0, 0));
        QCOMPARE(a.fenster.rahmen().size(), flaeche + QSize(4, 4));
    }

    void layoutImSpiel()
    {
        Aufbau a;
        const QString datei = bmp(QStringLiteral("spiel.bmp"), einfarbig(800, 600, Rot));
        a.st.BildDatei = datei;
        a.st.SeitenX = 800;
        a.st.SeitenY = 600;
        a.sektoren(4);
        a.fenster.setzeInnen(QSize(1000, 700));
        a.bereich.formResize();
        // Before the first reveal only the cover shows and nothing is decoded.
        QCOMPARE(a.bereich.dekodierZaehler(), 0);
        QCOMPARE(a.pixel(100, 100), Grau);
        QCOMPARE(a.pixel(400, 300), Grau);

        a.st.Verdeckt[2] = false;
        a.st.VerdecktZahl = 3;
        a.fenster.setzeInnen(QSize(1200, 800));
        a.bereich.formResize();
        QCOMPARE(QSize(a.st.BildBreite, a.st.BildHoehe), QSize(690, 518));
        QCOMPARE(a.bereich.iBild().pixel(5, 5), Rot);
        QCOMPARE(a.pixel(100, 100), Rot);     // sector 2, top left, uncovered
        QCOMPARE(a.pixel(500, 400), Grau);    // sector 0 still covered
        QCOMPARE(a.pixel(100, 400), Grau);    // sector 1
        QCOMPARE(a.bereich.dekodierZaehler(), 1);
    }

    void layoutLadefehler()
    {
        Aufbau a;
        a.st.BildDatei = pfad(QStringLiteral("gibtsnicht.jpg"));
        a.st.SeitenX = 4;
        a.st.SeitenY = 3;
        a.sektoren(4);
        a.st.Verdeckt[0] = false;
        a.st.VerdecktZahl = 3;
        a.fenster.setzeInnen(QSize(1000, 700));
        try {
            a.bereich.formResize();
            QFAIL("no error");
        } catch (const VarnoFehler& f) {
            QCOMPARE(f.text(), QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(a.st.BildDatei));
        }
        QCOMPARE(a.fenster.layoutsBeendet, 1);
        QCOMPARE(a.st.BildBreite, 490);
        QCOMPARE(a.fenster.rahmen(), QRect(18, 164, 494, 372));
    }

    void vorratDekodiertNurEinmal()
    {
        const QString datei = jpeg(QStringLiteral("vorrat.jpg"), einfarbig(400, 300, qRgb(0, 200, 0)));
        Aufbau a;
        a.st.BildDatei = datei;
        a.st.SeitenX = 4;
        a.st.SeitenY = 3;
        a.sektoren(4);
        a.st.Verdeckt[0] = false;
        a.st.VerdecktZahl = 3;
        a.fenster.setzeInnen(QSize(1000, 700));
        a.bereich.formResize();
        QCOMPARE(a.bereich.dekodierZaehler(), 1);
        a.bereich.rendereBild();
        a.fenster.setzeInnen(QSize(1100, 700));
        a.bereich.formResize();
        QCOMPARE(a.bereich.dekodierZaehler(), 1);
        QVERIFY(nahe(a.bereich.iBild().pixel(10, 10), qRgb(0, 200, 0), 3));

        // Rewritten with other content: decoded anew.
        QVERIFY(schreibeDatei(datei, jpegDaten(einfarbig(400, 300, qRgb(0, 0, 200)))));
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-100), QFileDevice::FileModificationTime));
        f.close();
        a.bereich.rendereBild();
        QCOMPARE(a.bereich.dekodierZaehler(), 2);
        QVERIFY(nahe(a.bereich.iBild().pixel(10, 10), qRgb(0, 0, 200), 3));

        // Only touched: decoded anew as well.
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-50), QFileDevice::FileModificationTime));
        f.close();
        a.bereich.rendereBild();
        QCOMPARE(a.bereich.dekodierZaehler(), 3);

        // Vanished: reported as before.
        QVERIFY(QFile::remove(datei));
        try {
            a.bereich.rendereBild();
            QFAIL("no error");
        } catch (const VarnoFehler& fehler) {
            QCOMPARE(fehler.text(), QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(datei));
        }
    }

    void vorabWieSofort_data()
    {
        // art: "jpg", "bmp", or "jpg" turned by orientation 6; seiten: fixed aspect, empty: each
        // picture its own; zuschauer: a second view's area, empty: none
        spalten<QString, QSize, QString, QSize, QSize>("art", "bild", "code", "seiten", "zuschauer");
        const QSize eigenes, keiner;
        QTest::newRow("jpeg") << "jpg" << QSize(1600, 1200) << "" << eigenes << keiner;
        QTest::newRow("jpeg m") << "jpg" << QSize(1600, 1200) << "m" << QSize(16, 9) << keiner;
        QTest::newRow("jpeg n") << "jpg" << QSize(1600, 1200) << "n" << eigenes << keiner;
        QTest::newRow("jpeg turned") << "jpg6" << QSize(1600, 1000) << "o" << eigenes << keiner;
        QTest::newRow("jpeg the area's size") << "jpg" << QSize(474, 300) << "" << eigenes << keiner;
        QTest::newRow("bmp") << "bmp" << QSize(900, 600) << "" << eigenes << keiner;
        QTest::newRow("jpeg fixed aspect") << "jpg" << QSize(1600, 1200) << "" << QSize(16, 9) << keiner;
        QTest::newRow("audience larger") << "jpg" << QSize(2400, 1600) << "" << eigenes << QSize(1920, 1080);
        QTest::newRow("audience larger, crop") << "jpg" << QSize(2400, 1600) << "l" << eigenes << QSize(1920, 1080);
        QTest::newRow("audience smaller") << "jpg" << QSize(2400, 1600) << "" << eigenes << QSize(320, 240);
    }

    // A picture decoded ahead shows, in every view, exactly what decoding it at
    // the click shows, and is decoded once for all of them.
    void vorabWieSofort()
    {
        auto [art, bild, code, seiten, zuschauer] =
            hole<QString, QSize, QString, QSize, QSize>("art", "bild", "code", "seiten", "zuschauer");
        const QString name = QStringLiteral("vorab-%1.%2").arg(QTest::currentDataTag()).arg(art.left(3));
        QString datei;
        if (art == QLatin1String("bmp"))
            datei = bmp(name, verlauf(bild.width(), bild.height()));
        else
            QVERIFY(schreibeDatei(datei = pfad(name),
                                  mitExif(jpegDaten(verlauf(bild.width(), bild.height())), exifBlock(art == "jpg6" ? 6 : 1))));
        Aufbau vorab, sofort;
        for (Aufbau* a : {&vorab, &sofort}) {
            a->st.StandardSeitenX = seiten.isEmpty() ? KeinSeitenverhaeltnis : seiten.width();
            a->st.StandardSeitenY = seiten.isEmpty() ? KeinSeitenverhaeltnis : seiten.height();
        }
        if (!zuschauer.isEmpty())
            vorab.bereich.vorrat().meldeSicht([zuschauer](QSize) { return Sichtbereich{zuschauer}; });
        vorab.bereich.bereiteVor(datei, code);
        QCOMPARE(vorab.bereich.dekodierZaehler(), 1);

        const QImage gezeigt = klickeUndDecke(vorab, datei, code);
        QVERIFY(!gezeigt.isNull());
        QVERIFY(vorab.meldungen.liste.isEmpty());
        if (zuschauer.isEmpty()) {
            QCOMPARE(gezeigt, klickeUndDecke(sofort, datei, code));
        } else {
            // Both views draw from one decode, as large as the larger one needs.
            const QSize haupt = gezeigt.size();
            Bildvorrat einer;
            einer.lade(datei, zuschauer.width() > haupt.width() ? zuschauer : haupt, code);
            QCOMPARE(gezeigt, dargestellt(einer, haupt, datei, code));
            QCOMPARE(Abbild(vorab.bereich.vorrat()).bild(datei, code, zuschauer), dargestellt(einer, zuschauer, datei, code));
            QCOMPARE(einer.dekodierZaehler(), 1);
        }
        QCOMPARE(vorab.bereich.dekodierZaehler(), 1);
    }

    // A view registered after its picture was decoded and shown (the audience
    // window opened during play) gets that picture fitted by the worker when it
    // asks ahead again, not at the click on the window's thread; the picture area
    // goes on showing the same pixels.
    void vorabFuerNeueSicht_data()
    {
        // danach: the view's area changes to it and the picture is asked for again;
        // dekodiert: decodes in all, ahead ones included
        spalten<QSize, QSize, QSize, int>("bild", "zuschauer", "danach", "dekodiert");
        // Both need every pixel: the kept decode serves, only fitting is left for the new view.
        QTest::newRow("smaller than both areas") << QSize(600, 400) << QSize(1920, 1080) << QSize() << 1;
        QTest::newRow("the new view needs more") << QSize(2400, 1600) << QSize(1920, 1080) << QSize() << 2;
        QTest::newRow("the new view needs less") << QSize(2400, 1600) << QSize(320, 240) << QSize() << 1;
        QTest::newRow("the view's area changes") << QSize(2400, 1600) << QSize(320, 240) << QSize(400, 300) << 1;
    }
    void vorabFuerNeueSicht()
    {
        auto [bild, zuschauer, danach, dekodiert] = hole<QSize, QSize, QSize, int>("bild", "zuschauer", "danach", "dekodiert");
        const QString datei = jpeg(QStringLiteral("neue-sicht-%1x%2-%3.jpg").arg(bild.width()).arg(bild.height())
                                       .arg(zuschauer.width()),
                                   verlauf(bild.width(), bild.height()));
        Aufbau a;
        a.bereich.bereiteVor(datei, QString());
        const QImage vorher = klickeUndDecke(a, datei, QString());
        QCOMPARE(a.bereich.dekodierZaehler(), 1);

        QSize z = zuschauer;
        const int sicht = a.bereich.vorrat().meldeSicht([&z](QSize) { return Sichtbereich{z}; });
        for (const QSize neu : {zuschauer, danach}) {
            if (!neu.isValid())
                break;
            z = neu;
            const QImage alt = a.bereich.vorrat().lade(datei, QSize(1, 1), QString()).bild;
            const int zuvor = a.bereich.dekodierZaehler();
            a.bereich.bereiteVor(datei, QString());
            // A decode too small for the new view is not kept beside the one replacing it.
            QCOMPARE(alt.isDetached(), a.bereich.dekodierZaehler() > zuvor);
            const QImage fuerZuschauer = a.bereich.vorrat().eingepasst(z, datei, QString());
            // Shared with the store: the worker's picture, not one fitted just now.
            QVERIFY(!fuerZuschauer.isDetached());
            Bildvorrat einer;
            einer.lade(datei, z.width() > vorher.width() ? z : vorher.size(), QString());
            QCOMPARE(fuerZuschauer, dargestellt(einer, z, datei, QString()));
            QCOMPARE(klickeUndDecke(a, datei, QString()), dargestellt(einer, vorher.size(), datei, QString()));
        }
        QCOMPARE(a.bereich.dekodierZaehler(), dekodiert);

        // Asking again with nothing changed decodes nothing more.
        a.bereich.bereiteVor(datei, QString());
        QCOMPARE(a.bereich.dekodierZaehler(), dekodiert);
        a.bereich.vorrat().meldeSichtAb(sicht);
    }

    void vorabNichtPassend_data()
    {
        // dekodiert: decodes in all, ahead ones included
        spalten<QString, int>("was", "dekodiert");
        QTest::newRow("file rewritten") << "geaendert" << 2;
        QTest::newRow("window grown") << "groesser" << 2;
        // Enough pixels, but not the ones a decode for the new area gives.
        QTest::newRow("window shrunk") << "kleiner" << 2;
        // Clicks faster than decodes: three asked ahead, the oldest given up;
        // two are kept, so going back to it decodes again.
        QTest::newRow("overtaken") << "ueberholt" << 4;
    }

    // A decode ahead serves only the file as it was and areas it holds enough
    // pixels for; otherwise the click decodes again and shows the same as without.
    void vorabNichtPassend()
    {
        auto [was, dekodiert] = hole<QString, int>("was", "dekodiert");
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
        QStringList dateien;
        for (int i = 0; i < 3; ++i)
            dateien << jpeg(QStringLiteral("nicht-passend-%1-%2.jpg").arg(tag).arg(i), verlauf(2000 + 100 * i, 1500));
        Aufbau vorab, sofort;
        vorab.bereich.bereiteVor(dateien[0], QString());
        if (was == QLatin1String("ueberholt")) {
            vorab.bereich.bereiteVor(dateien[1], QString());
            vorab.bereich.bereiteVor(dateien[2], QString());
            QCOMPARE(klickeUndDecke(vorab, dateien[2], QString()), klickeUndDecke(sofort, dateien[2], QString()));
            QCOMPARE(klickeUndDecke(vorab, dateien[1], QString()), klickeUndDecke(sofort, dateien[1], QString()));
        } else if (was == QLatin1String("geaendert")) {
            QVERIFY(schreibeDatei(dateien[0], jpegDaten(einfarbig(2000, 1500, qRgb(0, 0, 200)))));
            QFile f(dateien[0]);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-100), QFileDevice::FileModificationTime));
        } else {
            const QSize innen = was == QLatin1String("groesser") ? QSize(1900, 1300) : QSize(800, 500);
            vorab.fenster.setzeInnen(innen);
            sofort.fenster.setzeInnen(innen);
        }
        QCOMPARE(klickeUndDecke(vorab, dateien[0], QString()), klickeUndDecke(sofort, dateien[0], QString()));
        QCOMPARE(vorab.bereich.dekodierZaehler(), dekodiert);
    }

    void missBildFuelltVorrat()
    {
        const QString datei = bmp(QStringLiteral("mess.bmp"), einfarbig(600, 800, Rot));
        Aufbau a;
        QCOMPARE(a.bereich.missBild(datei), QSize(600, 800));
        QCOMPARE(a.bereich.dekodierZaehler(), 1);
        a.st.BildDatei = datei;
        a.st.BildBreite = 300;
        a.st.BildHoehe = 400;
        a.bereich.rendereBild();
        QCOMPARE(a.bereich.dekodierZaehler(), 1);
        QCOMPARE(a.bereich.iBild().pixel(150, 200), Rot);
        // A path written with backslashes and other letter case finds the same file.
        const QString anders = QDir::toNativeSeparators(datei).replace(QLatin1String("mess.bmp"), QLatin1String("MESS.BMP"));
        QCOMPARE(a.bereich.missBild(QString(anders).replace(QLatin1Char('/'), QLatin1Char('\\'))), QSize(600, 800));
        QCOMPARE(a.bereich.dekodierZaehler(), 1);
    }

    void unterAbdeckungWieGanz_data()
    {
        // ueberGrau: only the open sectors' boxes differ from grey under the whole cover
        spalten<QSize, int, QList<int>, bool>("flaeche", "sektoren", "offen", "ueberGrau");
        QTest::newRow("first reveal, 4 at 4K") << QSize(2488, 1658) << 4 << QList<int>{2} << true;
        QTest::newRow("first reveal, 20") << QSize(803, 451) << 20 << QList<int>{7} << true;
        QTest::newRow("three open") << QSize(1917, 1080) << 20 << QList<int>{0, 9, 19} << true;
        QTest::newRow("2 sectors") << QSize(640, 480) << 2 << QList<int>{1} << false;
        QTest::newRow("3 sectors") << QSize(300, 200) << 3 << QList<int>{0} << false;
        QTest::newRow("narrow") << QSize(1000, 10) << 7 << QList<int>{3} << false;
        QTest::newRow("1000 sectors") << QSize(500, 500) << 1000 << QList<int>{0, 250, 500, 999} << true;
        QTest::newRow("too many open for parts") << QSize(400, 300) << 20 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << false;
        QTest::newRow("all covered") << QSize(400, 300) << 20 << QList<int>{} << true;
    }
    // Copying only the open parts of the picture changes no pixel: the cover
    // leaves no gap through which the rest would have shown.
    void unterAbdeckungWieGanz()
    {
        auto [flaeche, n, offen, ueberGrau] = hole<QSize, int, QList<int>, bool>("flaeche", "sektoren", "offen", "ueberGrau");
        const QImage bild = verlauf(flaeche.width(), flaeche.height());
        QList<bool> verdeckt(n, true);
        for (const int k : offen)
            verdeckt[k] = false;
        QImage ganz = bild.copy();
        zeichneAbdeckung(ganz, n, verdeckt);
        QImage teil(flaeche, QImage::Format_RGB32);
        teil.fill(qRgb(255, 0, 255));
        {
            QPainter maler(&teil);
            maleUnterAbdeckung(maler, bild, flaeche, n, verdeckt);
        }
        QCOMPARE(teil, ganz);
        // Over grey under the whole cover, only the open sectors' boxes change.
        QImage grau(flaeche, QImage::Format_RGB32);
        grau.fill(Grau);
        zeichneAbdeckung(grau, n, QList<bool>(n, true));
        const std::optional<QRect> offenerTeil = offenUeberGrau(flaeche, n, verdeckt);
        if (offenerTeil)
            QCOMPARE(ersteAbweichungAusserhalb(ganz, grau, *offenerTeil), QPoint(-1, -1));
        QCOMPARE(offenerTeil.has_value(), ueberGrau);

        // The main window's picture, over a magenta one shown whole before.
        Aufbau a;
        a.flaeche(flaeche.width(), flaeche.height());
        a.sektoren(n, false);
        const QString name = QStringLiteral("unter-%1x%2-%3").arg(flaeche.width()).arg(flaeche.height()).arg(n);
        a.st.BildDatei = bmp(name + QStringLiteral("-magenta.bmp"), einfarbig(flaeche.width(), flaeche.height(), qRgb(255, 0, 255)));
        a.bereich.rendereBild();
        a.neuGezeichnet();
        a.st.BildDatei = bmp(name + QStringLiteral(".bmp"), bild);
        a.bereich.rendereBild();
        for (int k = 0; k < n; ++k)
            a.st.Verdeckt[size_t(k)] = verdeckt[k];
        a.bereich.zeigeGanzesBild();
        a.bereich.zeichneAbdeckung();
        const QImage teilweise = a.bereich.sichtbaresBild().copy();
        a.neuGezeichnet();
        QCOMPARE(teilweise, a.bereich.sichtbaresBild());
    }

    void deckeAufGleichVollerNeuzeichnung_data()
    {
        spalten<int, QSize>("n", "flaeche");
        QTest::newRow("4 on 400x300") << 4 << QSize(400, 300);
        QTest::newRow("5 on 450x300") << 5 << QSize(450, 300);
        QTest::newRow("6 on 900x300 failing") << 6 << QSize(900, 300);
        QTest::newRow("7 on 301x451") << 7 << QSize(301, 451);
        QTest::newRow("12 on 640x480") << 12 << QSize(640, 480);
        QTest::newRow("33 on 403x297") << 33 << QSize(403, 297);
        QTest::newRow("100 on 500x500") << 100 << QSize(500, 500);
        QTest::newRow("1000 on 640x360") << 1000 << QSize(640, 360);
        QTest::newRow("1000 on 1920x1080") << 1000 << QSize(1920, 1080);
        QTest::newRow("1001 on 803x451") << 1001 << QSize(803, 451);
        QTest::newRow("64 on 800x600") << 64 << QSize(800, 600);
        QTest::newRow("200 on 300x1200") << 200 << QSize(300, 1200);
        QTest::newRow("500 on 1200x90") << 500 << QSize(1200, 90);
        QTest::newRow("300 on 61x41") << 300 << QSize(61, 41);
    }
    void deckeAufGleichVollerNeuzeichnung()
    {
        auto [n, flaeche] = hole<int, QSize>("n", "flaeche");
        Aufbau a;
        const int w = flaeche.width(), h = flaeche.height();
        a.flaeche(w, h);
        a.st.BildDatei = bmp(QStringLiteral("v_%1x%2.bmp").arg(w).arg(h), verlauf(w, h));
        a.bereich.rendereBild();
        a.sektoren(n);

        std::vector<int> reihe(size_t(n), 0);
        std::iota(reihe.begin(), reihe.end(), 0);
        QRandomGenerator zufall(4711);
        std::shuffle(reihe.begin(), reihe.end(), zufall);
        size_t naechster = 0;
        // The first reveal as the game makes it: the whole picture shown, then
        // one sector uncovered with the cover drawn over the rest.
        a.bereich.zeigeGanzesBild();
        a.st.Verdeckt[size_t(reihe[naechster++])] = false;
        --a.st.VerdecktZahl;
        a.bereich.deckeAuf(reihe[0]);
        const QImage erstesAufdecken = a.bereich.sichtbaresBild().copy();
        a.neuGezeichnet();
        QCOMPARE(erstesAufdecken, a.bereich.sichtbaresBild());

        // Far into the picture too, where most sectors are uncovered.
        const int schritte = n <= 60 ? n - 1 : 60;
        const int sprung = n <= 60 ? 1 : std::max(1, (n - 10) / 60);
        for (int i = 0; i < schritte; ++i) {
            if (sprung > 1) {
                for (int j = 1; j < sprung; ++j) {
                    a.st.Verdeckt[size_t(reihe[naechster++])] = false;
                    --a.st.VerdecktZahl;
                }
                a.neuGezeichnet();
            }
            const int k = reihe[naechster++];
            a.st.Verdeckt[size_t(k)] = false;
            --a.st.VerdecktZahl;
            a.meldungen.liste.clear();
            a.fenster.geaendert.clear();
            const QImage vorher = a.bereich.sichtbaresBild().copy();
            a.bereich.deckeAuf(k);
            const QImage schnell = a.bereich.sichtbaresBild().copy();
            const qsizetype meldungenSchnell = a.meldungen.liste.size();
            const QRect geaendert = a.fenster.geaendert.isEmpty() ? QRect() : a.fenster.geaendert.last();

            a.meldungen.liste.clear();
            a.neuGezeichnet();
            QCOMPARE(meldungenSchnell, a.meldungen.liste.size());
            const QPoint erster = ersteAbweichungAusserhalb(schnell, a.bereich.sichtbaresBild(), QRect());
            if (erster.x() >= 0)
                QFAIL(qPrintable(QStringLiteral("sector %1: pixels differ, first at (%2, %3): %4 instead of %5")
                                     .arg(k).arg(erster.x()).arg(erster.y()).arg(schnell.pixel(erster), 0, 16)
                                     .arg(a.bereich.sichtbaresBild().pixel(erster), 0, 16)));
            // The window learns of every pixel that changed.
            const QPoint unbemerkt = ersteAbweichungAusserhalb(schnell, vorher, geaendert);
            if (unbemerkt.x() >= 0)
                QFAIL(qPrintable(QStringLiteral("sector %1: pixel (%2, %3) changed unreported")
                                     .arg(k).arg(unbemerkt.x()).arg(unbemerkt.y())));
            // Only the sector's surroundings were repainted (a quarter or less
            // once there are more than four sectors).
            const bool groesserAlsZentrum = w > 161 || h > 161;
            if (n > 4 && groesserAlsZentrum && sektorPolygon(k, n, w, h).status == SektorStatus::Polygon)
                QVERIFY(geaendert.width() * geaendert.height() < w * h);
        }
    }

    void zentrumsaufdecker_data()
    {
        spalten<int, QSize, bool>("n", "flaeche", "hilft");
        QTest::newRow("63: too few") << 63 << QSize(800, 600) << false;
        QTest::newRow("64") << 64 << QSize(800, 600) << true;
        // The corner (1390, 7) lies nearly straight right of the centre, so the
        // sector ending on the bottom edge spans almost a quarter of the circle.
        QTest::newRow("64 on 1390x7: a sector too wide") << 64 << QSize(1390, 7) << false;
    }

    // Used alone, the fast reveal either paints what the full redraw paints or
    // says it cannot help and leaves the picture alone.
    void zentrumsaufdecker()
    {
        auto [n, flaeche, hilft] = hole<int, QSize, bool>("n", "flaeche", "hilft");
        const int w = flaeche.width(), h = flaeche.height();
        Aufbau a;
        a.abgedeckt(w, h, bmp(QStringLiteral("z_%1x%2.bmp").arg(w).arg(h), verlauf(w, h)), n);
        const QImage vorher = a.bereich.sichtbaresBild().copy();
        QImage sichtbar = vorher;
        const int k = n / 3;
        a.st.Verdeckt[size_t(k)] = false;
        Sektorliste sektoren;
        sektoren.fuer(n, w, h);
        Zentrumsaufdecker aufdecker;
        QRect geaendert;
        QCOMPARE(aufdecker.deckeAuf(k, sektoren, a.st.Verdeckt, a.bereich.iBild(), sichtbar, geaendert), hilft);
        a.neuGezeichnet();
        QCOMPARE(sichtbar, hilft ? a.bereich.sichtbaresBild() : vorher);
    }

    void fuelleGrauMitRand()
    {
        Aufbau a;
        a.flaeche(300, 200);
        a.bereich.fuelleGrau();
        QCOMPARE(a.pixel(0, 0), Schwarz);
        QCOMPARE(a.pixel(299, 100), Schwarz);
        QCOMPARE(a.pixel(150, 199), Schwarz);
        QCOMPARE(a.pixel(1, 1), Grau);
        QCOMPARE(a.pixel(298, 198), Grau);
    }

    // One pass over each pixel gives the picture two fills one over the other
    // gave, also where the inner rectangle turns inside out.
    void fuelleMitRandWieZweiFlaechen_data()
    {
        spalten<QRect, int>("r", "breite");
        QTest::newRow("whole picture, 1") << QRect(0, 0, 31, 17) << 1;
        QTest::newRow("whole picture, 2") << QRect(0, 0, 31, 17) << 2;
        QTest::newRow("inside") << QRect(3, 2, 20, 9) << 2;
        QTest::newRow("over the edges") << QRect(-4, 12, 50, 20) << 3;
        QTest::newRow("as wide as two edges") << QRect(5, 5, 4, 8) << 2;
        QTest::newRow("narrower than two edges") << QRect(5, 5, 3, 8) << 2;
        QTest::newRow("narrower than one edge") << QRect(5, 5, 1, 1) << 2;
        QTest::newRow("flatter than two edges") << QRect(2, 6, 20, 1) << 3;
        QTest::newRow("outside") << QRect(40, 0, 5, 5) << 1;
    }
    void fuelleMitRandWieZweiFlaechen()
    {
        auto [r, breite] = hole<QRect, int>("r", "breite");
        const QImage vorher = verlauf(31, 17).convertToFormat(QImage::Format_RGB32);
        QImage zwei = vorher.copy();
        fuelleRechteck(zwei, r, Schwarz);
        fuelleRechteck(zwei, r.adjusted(breite, breite, -breite, -breite), Grau);
        QImage eins = vorher.copy();
        fuelleMitRand(eins, r, breite, Grau, Schwarz);
        QCOMPARE(eins, zwei);
    }

    // The picture control paints every pixel it is asked for exactly as the
    // black panel's background under the picture drawn over it did.
    void sichtbaresBildWieAufSchwarz_data()
    {
        // schirm: device pixels per logical one of the control; verhaeltnis: the
        // picture's, from the last layout; bild: device pixels, empty: no
        // picture; teile: the region painted, logical pixels.
        spalten<qreal, qreal, QSize, QList<QRect>>("schirm", "verhaeltnis", "bild", "teile");
        const QSize flaeche(60, 40);   // the control, logical pixels
        const QList<QRect> alles{QRect(QPoint(0, 0), flaeche)};
        const QList<QRect> stuecke{QRect(3, 5, 17, 9), QRect(30, 20, 30, 20), QRect(0, 39, 60, 1)};
        QTest::newRow("1, fitting") << 1.0 << 1.0 << flaeche << alles;
        QTest::newRow("1, smaller") << 1.0 << 1.0 << QSize(45, 31) << stuecke;
        QTest::newRow("1, larger") << 1.0 << 1.0 << QSize(70, 50) << stuecke;
        QTest::newRow("1, none") << 1.0 << 1.0 << QSize() << stuecke;
        QTest::newRow("2, fitting") << 2.0 << 2.0 << flaeche * 2 << alles;
        QTest::newRow("2, parts") << 2.0 << 2.0 << flaeche * 2 << stuecke;
        QTest::newRow("2, odd and smaller") << 2.0 << 2.0 << QSize(91, 67) << stuecke;
        QTest::newRow("2, none") << 2.0 << 2.0 << QSize() << alles;
        QTest::newRow("3, smaller") << 3.0 << 3.0 << QSize(150, 100) << stuecke;
        QTest::newRow("1.5, parts") << 1.5 << 1.5 << QSize(90, 60) << stuecke;
        QTest::newRow("2, laid out at 1") << 2.0 << 1.0 << flaeche << stuecke;
        QTest::newRow("1, laid out at 2") << 1.0 << 2.0 << flaeche * 2 << stuecke;
    }
    void sichtbaresBildWieAufSchwarz()
    {
        auto [schirm, verhaeltnis, bild, teile] =
            hole<qreal, qreal, QSize, QList<QRect>>("schirm", "verhaeltnis", "bild", "teile");
        QRegion bereich;
        for (const QRect& r : teile)
            bereich += r;
        const QImage sichtbar =
            bild.isEmpty() ? QImage() : verlauf(bild.width(), bild.height()).convertToFormat(QImage::Format_RGB32);
        // What was on the screen before: everything not painted must stay.
        QImage vorher(QSize(60, 40) * schirm, QImage::Format_RGB32);
        vorher.fill(0xff123456u);
        vorher.setDevicePixelRatio(schirm);

        QImage erwartet = vorher.copy();
        {
            QPainter maler(&erwartet);
            maler.setClipRegion(bereich);
            for (const QRect& r : bereich)
                maler.fillRect(r, Qt::black);
            const QRect e = bereich.boundingRect();
            if (!sichtbar.isNull() && verhaeltnis == 1.0) {
                maler.drawImage(e, sichtbar, e);
            } else if (!sichtbar.isNull()) {
                const QRectF quelle = QRectF(QPointF(e.topLeft()) * verhaeltnis, QSizeF(e.size()) * verhaeltnis)
                                          .intersected(QRectF(sichtbar.rect()));
                maler.drawImage(QRectF(quelle.topLeft() / verhaeltnis, quelle.size() / verhaeltnis), sichtbar, quelle);
            }
        }
        QImage gemalt = vorher.copy();
        {
            QPainter maler(&gemalt);
            maler.setClipRegion(bereich);
            maleSichtbaresBild(maler, bereich, sichtbar, verhaeltnis);
        }
        QCOMPARE(gemalt, erwartet);
    }

    void exifOrientierung_data()
    {
        spalten<QByteArray, int>("block", "erwartet");
        for (int o = 1; o <= 8; ++o) {
            QTest::addRow("%d Intel", o) << exifBlock(o, false) << o;
            QTest::addRow("%d Motorola", o) << exifBlock(o, true) << o;
        }
        // Anything odd is drawn as stored.
        QByteArray b = exifBlock(6);
        QTest::newRow("value 0") << exifBlock(0) << 1;
        QTest::newRow("value 9") << exifBlock(9) << 1;
        QTest::newRow("no Exif signature") << QByteArray("Exix").append(b.mid(4)) << 1;
        QTest::newRow("bad byte order") << QByteArray(b).replace(6, 2, "IM") << 1;
        QTest::newRow("bad magic") << QByteArray(b).replace(8, 1, "\x2b") << 1;
        QTest::newRow("cut in the header") << b.left(11) << 1;
        QTest::newRow("cut in the entry") << b.left(6 + 8 + 2 + 6) << 1;
        QTest::newRow("directory beyond the end") << QByteArray(b).replace(10, 4, QByteArray("\xff\xff\x00\x00", 4)) << 1;
        QTest::newRow("type LONG, not SHORT") << QByteArray(b).replace(6 + 8 + 2 + 2, 1, "\x04") << 1;
        QTest::newRow("two values") << QByteArray(b).replace(6 + 8 + 2 + 4, 1, "\x02") << 1;
        QTest::newRow("another tag") << QByteArray(b).replace(6 + 8 + 2, 1, "\x13") << 1;
        QTest::newRow("empty") << QByteArray() << 1;
    }
    void exifOrientierung()
    {
        auto [block, erwartet] = hole<QByteArray, int>("block", "erwartet");
        QCOMPARE(::exifOrientierung(reinterpret_cast<const unsigned char*>(block.constData()), std::size_t(block.size())),
                 erwartet);
    }

    void aufrechtWieQt_data()
    {
        spalten<int, bool>("o", "motorola");
        for (int o = 1; o <= 8; ++o) {
            QTest::addRow("%d Intel", o) << o << false;
            QTest::addRow("%d Motorola", o) << o << true;
        }
    }

    // Every orientation turns a photo as Qt's own reader does, in size and pixels;
    // the game measures it so and the checker reports it so.
    void aufrechtWieQt()
    {
        auto [o, motorola] = hole<int, bool>("o", "motorola");
        QImage gespeichert(120, 80, QImage::Format_RGB32);
        gespeichert.fill(QColor(20, 40, 200));
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 120; ++x)
                if (x < 40 || y < 16)
                    gespeichert.setPixel(x, y, x < 40 ? qRgb(220, 30, 30) : qRgb(30, 200, 40));
        const QString datei = pfad(QStringLiteral("gedreht%1%2.jpg").arg(o).arg(motorola));
        QVERIFY(schreibeDatei(datei, mitExif(jpegDaten(gespeichert), exifBlock(o, motorola))));
        QImageReader leser(datei);
        leser.setAutoTransform(true);
        const QImage erwartet = leser.read().convertToFormat(QImage::Format_RGB32);
        Bildvorrat vorrat;
        QCOMPARE(vorrat.groesse(datei), erwartet.size());
        QCOMPARE(vorrat.orientierung(datei), o);
        const Dekodiert& d = vorrat.ladeGanz(datei);
        QCOMPARE(d.bild, erwartet);
        // "*" takes the upright aspect.
        Aufbau a;
        QCOMPARE(a.bereich.missBild(datei), erwartet.size());
    }

    void skalierterWeg_data()
    {
        spalten<QString, QSize, int>("code", "bereich", "o");
        for (const char* code : {"", "o", "u", "m", "l", "r", "n"}) {
            for (const int o : {1, 6}) {
                QTest::addRow("'%s' %d square", code, o) << QString::fromLatin1(code) << QSize(300, 300) << o;
                QTest::addRow("'%s' %d wide", code, o) << QString::fromLatin1(code) << QSize(500, 200) << o;
            }
        }
    }

    // A picture decoded at a reduced scale and in part shows as it does decoded
    // whole: the same within a few levels on flat areas, and close at the bands'
    // edges too.
    void skalierterWeg()
    {
        auto [code, bereich, o] = hole<QString, QSize, int>("code", "bereich", "o");
        // Flat bands of six colours across, four down.
        QImage bild(2400, 1600, QImage::Format_RGB32);
        for (int y = 0; y < bild.height(); ++y) {
            auto* z = reinterpret_cast<QRgb*>(bild.scanLine(y));
            for (int x = 0; x < bild.width(); ++x)
                z[x] = qRgb((x / 400) * 40 + 20, (y / 400) * 60 + 10, ((x / 400 + y / 400) % 2) * 200 + 20);
        }
        const QString datei = pfad(QStringLiteral("baender%1.jpg").arg(o));
        QVERIFY(schreibeDatei(datei, mitExif(jpegDaten(bild), exifBlock(o))));
        Bildvorrat ganz, teil;
        QImage erwartet(bereich, QImage::Format_RGB32), gezeigt(bereich, QImage::Format_RGB32);
        stelleBildDar(erwartet, ganz.ladeGanz(datei), code);
        const Dekodiert& d = teil.lade(datei, bereich, code);
        QVERIFY2(d.achtel < 8, "the reduced scale was not used");
        stelleBildDar(gezeigt, d, code);
        double summe = 0;
        for (int y = 0; y < bereich.height(); ++y)
            for (int x = 0; x < bereich.width(); ++x) {
                const QRgb a = gezeigt.pixel(x, y), b = erwartet.pixel(x, y);
                summe += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
                // Flat where the picture decoded whole is the same all around.
                bool flach = x > 0 && y > 0 && x + 1 < bereich.width() && y + 1 < bereich.height();
                for (int dy = -1; flach && dy <= 1; ++dy)
                    for (int dx = -1; flach && dx <= 1; ++dx)
                        flach = nahe(erwartet.pixel(x + dx, y + dy), b, 2);
                if (flach)
                    QVERIFY2(nahe(a, b, 6), qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
        // Edges jitter by a pixel with the filter's spans; a part shifted by one
        // pixel, or at the wrong scale, gives more than twice this mean.
        QVERIFY2(summe / (3.0 * bereich.width() * bereich.height()) < 0.2,
                 qPrintable(QStringLiteral("mean difference %1").arg(summe / (3.0 * bereich.width() * bereich.height()))));
    }

    // The kept picture serves smaller layouts; one that needs more pixels decodes again.
    void mehrPixelDekodierenNeu()
    {
        const QString datei = jpeg(QStringLiteral("nachladen.jpg"), verlauf(1600, 1200));
        Bildvorrat v;
        const int klein = v.lade(datei, QSize(200, 150), QString()).achtel;
        QCOMPARE(v.dekodierZaehler(), 1);
        v.lade(datei, QSize(100, 75), QString());
        QCOMPARE(v.dekodierZaehler(), 1);
        const int gross = v.lade(datei, QSize(800, 600), QString()).achtel;
        QCOMPARE(v.dekodierZaehler(), 2);
        QVERIFY(gross > klein);
        v.lade(datei, QSize(200, 150), QString());
        QCOMPARE(v.dekodierZaehler(), 2);
        // Another part: the top rows only, then all of them again.
        Bildvorrat w;
        const Dekodiert& oben = w.lade(datei, QSize(800, 100), QStringLiteral("o"));
        QVERIFY(oben.quelle.height() < 1200);
        w.lade(datei, QSize(800, 100), QStringLiteral("u"));
        QCOMPARE(w.dekodierZaehler(), 2);
    }
};

QTEST_MAIN(TstRender)
#include "tst_render.moc"
