// Draws the pictures of the bundled demo game into demo/Bilder (or the folder
// given as the only argument). Every picture is drawn in its own logical
// coordinate system of the same shape as the file, so circles stay round.
// The output is the same on every run: scattered details come from a fixed seed.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr double pi = 3.14159265358979323846;

// A small generator of its own, so the pictures do not depend on the
// standard library's distributions.
class Wuerfel {
public:
    explicit Wuerfel(std::uint32_t saat) : zustand(saat) {}
    double zahl() // 0 <= x < 1
    {
        zustand = zustand * 1664525u + 1013904223u;
        return (zustand >> 8) / 16777216.0;
    }
    double zwischen(double a, double b) { return a + (b - a) * zahl(); }

private:
    std::uint32_t zustand;
};

const QColor umrissFarbe(55, 45, 60);

QPen umriss(double breite = 3.0, QColor farbe = umrissFarbe)
{
    return QPen(farbe, breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void fuelle(QPainter& p, const QPainterPath& pfad, const QBrush& pinsel, const QPen& stift = umriss())
{
    p.setPen(stift);
    p.setBrush(pinsel);
    p.drawPath(pfad);
}

QPainterPath kreis(QPointF m, double r)
{
    QPainterPath pfad;
    pfad.addEllipse(m, r, r);
    return pfad;
}

QPainterPath ellipse(QPointF m, double rx, double ry)
{
    QPainterPath pfad;
    pfad.addEllipse(m, rx, ry);
    return pfad;
}

QPainterPath vieleck(std::initializer_list<QPointF> punkte)
{
    QPainterPath pfad;
    bool erster = true;
    for (const QPointF& pt : punkte) {
        if (erster)
            pfad.moveTo(pt);
        else
            pfad.lineTo(pt);
        erster = false;
    }
    pfad.closeSubpath();
    return pfad;
}

// Overlapping shapes as one outline (the default odd-even rule would punch holes).
QPainterPath vereinigt(QPainterPath pfad)
{
    pfad.setFillRule(Qt::WindingFill);
    return pfad.simplified();
}

void himmel(QPainter& p, const QRectF& r, QColor oben, QColor unten)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, oben);
    g.setColorAt(1, unten);
    p.fillRect(r, g);
}

void sonne(QPainter& p, QPointF m, double r)
{
    p.setPen(QPen(QColor(255, 190, 40), r * 0.12, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const double w = i * pi / 6 + pi / 12;
        p.drawLine(QPointF(m.x() + std::cos(w) * r * 1.25, m.y() + std::sin(w) * r * 1.25),
                   QPointF(m.x() + std::cos(w) * r * 1.7, m.y() + std::sin(w) * r * 1.7));
    }
    QRadialGradient g(m, r);
    g.setColorAt(0, QColor(255, 250, 170));
    g.setColorAt(1, QColor(255, 200, 40));
    fuelle(p, kreis(m, r), g, umriss(r * 0.06, QColor(235, 150, 30)));
}

void wolke(QPainter& p, QPointF m, double s, QColor farbe = QColor(255, 255, 255),
           QColor rand = QColor(180, 200, 225))
{
    QPainterPath pfad;
    pfad.addEllipse(QPointF(m.x() - 45 * s, m.y() + 5 * s), 35 * s, 25 * s);
    pfad.addEllipse(QPointF(m.x(), m.y() - 10 * s), 45 * s, 35 * s);
    pfad.addEllipse(QPointF(m.x() + 45 * s, m.y() + 5 * s), 35 * s, 25 * s);
    pfad.addRoundedRect(QRectF(m.x() - 75 * s, m.y(), 150 * s, 30 * s), 15 * s, 15 * s);
    pfad = vereinigt(pfad);
    fuelle(p, pfad, farbe, umriss(2.5 * s, rand));
}

void laubbaum(QPainter& p, double x, double boden, double s)
{
    QPainterPath stamm;
    stamm.moveTo(x - 14 * s, boden);
    stamm.quadTo(x - 8 * s, boden - 60 * s, x - 10 * s, boden - 130 * s);
    stamm.lineTo(x + 10 * s, boden - 130 * s);
    stamm.quadTo(x + 8 * s, boden - 60 * s, x + 14 * s, boden);
    stamm.closeSubpath();
    fuelle(p, stamm, QColor(140, 90, 50), umriss(3 * s));

    QPainterPath krone;
    krone.addEllipse(QPointF(x, boden - 170 * s), 70 * s, 60 * s);
    krone.addEllipse(QPointF(x - 50 * s, boden - 140 * s), 45 * s, 40 * s);
    krone.addEllipse(QPointF(x + 50 * s, boden - 140 * s), 45 * s, 40 * s);
    krone.addEllipse(QPointF(x - 25 * s, boden - 215 * s), 45 * s, 40 * s);
    krone.addEllipse(QPointF(x + 28 * s, boden - 210 * s), 45 * s, 40 * s);
    krone = vereinigt(krone);
    QRadialGradient g(QPointF(x - 20 * s, boden - 200 * s), 110 * s);
    g.setColorAt(0, QColor(130, 210, 90));
    g.setColorAt(1, QColor(50, 140, 60));
    fuelle(p, krone, g, umriss(3 * s));
}

void tanne(QPainter& p, double x, double boden, double s, bool schnee)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 70, 40));
    p.drawRect(QRectF(x - 8 * s, boden - 25 * s, 16 * s, 25 * s));
    for (int i = 0; i < 3; ++i) {
        const double unten = boden - 20 * s - i * 45 * s;
        const double breite = (70 - i * 16) * s;
        const QPainterPath lage = vieleck({{x - breite, unten}, {x, unten - 80 * s}, {x + breite, unten}});
        fuelle(p, lage, QColor(30, 110, 70), umriss(2 * s, QColor(20, 60, 45)));
        if (schnee) {
            const QPainterPath kappe = vieleck({{x - breite * 0.45, unten - 44 * s},
                                                {x, unten - 80 * s},
                                                {x + breite * 0.45, unten - 44 * s},
                                                {x + breite * 0.2, unten - 38 * s},
                                                {x, unten - 46 * s},
                                                {x - breite * 0.2, unten - 38 * s}});
            fuelle(p, kappe, QColor(245, 250, 255), Qt::NoPen);
        }
    }
}

void sterne(QPainter& p, Wuerfel& w, int anzahl, const QRectF& r, double groesse)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < anzahl; ++i) {
        const QPointF m(w.zwischen(r.left(), r.right()), w.zwischen(r.top(), r.bottom()));
        const double g = w.zwischen(0.4, 1.0) * groesse;
        p.setBrush(QColor(255, 255, 230, int(w.zwischen(140, 255))));
        p.drawEllipse(m, g, g);
    }
}

// ---------------------------------------------------------------- pictures

// 800 x 600
void haus(QPainter& p)
{
    himmel(p, QRectF(0, 0, 800, 460), QColor(110, 185, 250), QColor(205, 238, 255));
    sonne(p, QPointF(690, 95), 48);
    wolke(p, QPointF(170, 95), 1.0);
    wolke(p, QPointF(450, 70), 0.75);

    QPainterPath huegel;
    huegel.moveTo(0, 420);
    huegel.cubicTo(150, 340, 300, 360, 420, 410);
    huegel.cubicTo(540, 360, 700, 340, 800, 400);
    huegel.lineTo(800, 460);
    huegel.lineTo(0, 460);
    huegel.closeSubpath();
    fuelle(p, huegel, QColor(160, 215, 120), Qt::NoPen);

    QPainterPath wiese;
    wiese.moveTo(0, 440);
    wiese.quadTo(400, 405, 800, 450);
    wiese.lineTo(800, 600);
    wiese.lineTo(0, 600);
    wiese.closeSubpath();
    QLinearGradient gw(0, 420, 0, 600);
    gw.setColorAt(0, QColor(120, 200, 85));
    gw.setColorAt(1, QColor(70, 150, 60));
    fuelle(p, wiese, gw, Qt::NoPen);

    // path from the door to the viewer
    fuelle(p, vieleck({{298, 445}, {342, 445}, {390, 600}, {260, 600}}), QColor(225, 190, 140),
           umriss(2.5, QColor(170, 130, 90)));

    // chimney with smoke, behind the roof
    fuelle(p, vieleck({{380, 150}, {410, 150}, {410, 230}, {380, 230}}), QColor(170, 80, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 235, 240, 200));
    p.drawEllipse(QPointF(398, 128), 14, 11);
    p.drawEllipse(QPointF(414, 104), 18, 14);
    p.drawEllipse(QPointF(438, 76), 22, 17);

    QLinearGradient gwand(200, 0, 440, 0);
    gwand.setColorAt(0, QColor(255, 225, 140));
    gwand.setColorAt(1, QColor(245, 195, 100));
    fuelle(p, vieleck({{200, 250}, {440, 250}, {440, 445}, {200, 445}}), gwand);

    fuelle(p, vieleck({{178, 258}, {320, 140}, {462, 258}}), QColor(215, 70, 60));
    p.setPen(umriss(2, QColor(170, 45, 45)));
    for (int i = 1; i < 4; ++i) {
        const double y = 140 + i * 29.5;
        const double halb = (y - 140) * 142.0 / 118.0;
        p.drawLine(QPointF(320 - halb + 6, y), QPointF(320 + halb - 6, y));
    }
    fuelle(p, kreis(QPointF(320, 212), 18), QColor(170, 215, 250));
    p.setPen(umriss(2.5));
    p.drawLine(QPointF(302, 212), QPointF(338, 212));
    p.drawLine(QPointF(320, 194), QPointF(320, 230));

    // door
    QPainterPath tuer;
    tuer.addRoundedRect(QRectF(297, 360, 46, 85), 20, 12);
    tuer = tuer.intersected([] {
        QPainterPath r;
        r.addRect(QRectF(290, 355, 60, 90));
        return r;
    }());
    fuelle(p, tuer, QColor(140, 85, 50));
    fuelle(p, kreis(QPointF(334, 405), 4), QColor(250, 200, 60), umriss(1.5));

    // windows with flower boxes
    for (double x : {222.0, 363.0}) {
        QLinearGradient glas(x, 290, x + 55, 340);
        glas.setColorAt(0, QColor(210, 240, 255));
        glas.setColorAt(1, QColor(120, 180, 235));
        fuelle(p, vieleck({{x, 290}, {x + 55, 290}, {x + 55, 342}, {x, 342}}), glas);
        p.setPen(umriss(3));
        p.drawLine(QPointF(x + 27.5, 290), QPointF(x + 27.5, 342));
        p.drawLine(QPointF(x, 316), QPointF(x + 55, 316));
        fuelle(p, vieleck({{x - 5, 342}, {x + 60, 342}, {x + 56, 356}, {x - 1, 356}}), QColor(160, 95, 55));
        const QColor blueten[] = {QColor(240, 60, 80), QColor(255, 210, 60), QColor(240, 60, 80),
                                  QColor(200, 90, 220)};
        for (int i = 0; i < 4; ++i)
            fuelle(p, kreis(QPointF(x + 6 + i * 14.5, 338), 6.5), blueten[i], umriss(1.5));
    }

    // bushes beside the house
    for (double x : {196.0, 446.0}) {
        QPainterPath busch;
        busch.addEllipse(QPointF(x - 14, 440), 22, 20);
        busch.addEllipse(QPointF(x + 14, 440), 22, 20);
        busch.addEllipse(QPointF(x, 428), 20, 18);
        fuelle(p, vereinigt(busch), QColor(70, 160, 70));
    }

    laubbaum(p, 630, 470, 1.15);
    for (QPointF apfel : {QPointF(585, 260), QPointF(640, 235), QPointF(680, 290), QPointF(610, 300),
                          QPointF(570, 320), QPointF(665, 330)})
        fuelle(p, kreis(apfel, 9), QColor(230, 40, 50), umriss(2));

    // flowers in the meadow
    const QPointF orte[] = {{60, 520},  {110, 560}, {160, 500}, {480, 540}, {530, 500},
                            {740, 520}, {700, 570}, {90, 470},  {560, 575}, {470, 480}};
    const QColor farben[] = {QColor(255, 90, 120), QColor(255, 220, 60), QColor(150, 110, 255),
                             QColor(255, 255, 255), QColor(255, 150, 50)};
    for (int i = 0; i < 10; ++i) {
        const QPointF m = orte[i];
        p.setPen(umriss(2.5, QColor(40, 110, 40)));
        p.drawLine(m, m + QPointF(0, 22));
        p.setPen(umriss(1.2));
        p.setBrush(farben[i % 5]);
        for (int b = 0; b < 5; ++b) {
            const double w = b * 2 * pi / 5;
            p.drawEllipse(m + QPointF(std::cos(w) * 7, std::sin(w) * 7), 5.5, 5.5);
        }
        p.setBrush(QColor(255, 200, 40));
        p.drawEllipse(m, 4, 4);
    }
}

// 960 x 540
void segelboot(QPainter& p)
{
    himmel(p, QRectF(0, 0, 960, 330), QColor(80, 160, 240), QColor(195, 232, 255));
    sonne(p, QPointF(840, 85), 42);
    wolke(p, QPointF(140, 80), 0.9);
    wolke(p, QPointF(580, 60), 0.7);

    p.setPen(umriss(3.5, QColor(60, 60, 80)));
    p.setBrush(Qt::NoBrush);
    for (QPointF m : {QPointF(640, 150), QPointF(690, 125), QPointF(735, 160)}) {
        QPainterPath moewe;
        moewe.moveTo(m + QPointF(-18, 0));
        moewe.quadTo(m + QPointF(-9, -10), m);
        moewe.quadTo(m + QPointF(9, -10), m + QPointF(18, 0));
        p.drawPath(moewe);
    }

    // island with a palm on the horizon
    QPainterPath insel;
    insel.moveTo(720, 332);
    insel.cubicTo(760, 300, 880, 295, 940, 332);
    insel.closeSubpath();
    fuelle(p, insel, QColor(235, 210, 140), umriss(2, QColor(170, 150, 100)));
    p.setPen(umriss(5, QColor(130, 90, 50)));
    QPainterPath palmstamm;
    palmstamm.moveTo(830, 310);
    palmstamm.quadTo(825, 270, 845, 240);
    p.setBrush(Qt::NoBrush);
    p.drawPath(palmstamm);
    for (int i = 0; i < 5; ++i) {
        const double w = pi + i * pi / 4;
        QPainterPath blatt;
        blatt.moveTo(845, 240);
        blatt.quadTo(845 + std::cos(w - 0.3) * 30, 240 + std::sin(w - 0.3) * 30 - 8,
                     845 + std::cos(w) * 42, 240 + std::sin(w) * 26 + 12);
        p.setPen(umriss(6, QColor(50, 140, 60)));
        p.drawPath(blatt);
    }

    QLinearGradient gmeer(0, 330, 0, 540);
    gmeer.setColorAt(0, QColor(50, 140, 210));
    gmeer.setColorAt(1, QColor(15, 70, 150));
    p.fillRect(QRectF(0, 330, 960, 210), gmeer);

    Wuerfel w(7);
    p.setBrush(Qt::NoBrush);
    for (int reihe = 0; reihe < 7; ++reihe) {
        const double y = 350 + reihe * 28;
        p.setPen(umriss(2 + reihe * 0.4, QColor(160, 215, 250, 200)));
        for (double x = w.zwischen(-40, 0); x < 960; x += w.zwischen(90, 150)) {
            QPainterPath welle;
            const double b = 14 + reihe * 3;
            welle.moveTo(x, y);
            welle.quadTo(x + b / 2, y - b / 3, x + b, y);
            welle.quadTo(x + b * 1.5, y - b / 3, x + b * 2, y);
            p.drawPath(welle);
        }
    }

    // shadow of the boat in the water
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 30, 80, 90));
    p.drawEllipse(QPointF(350, 452), 150, 12);

    QPainterPath rumpf;
    rumpf.moveTo(200, 385);
    rumpf.lineTo(500, 385);
    rumpf.quadTo(482, 440, 440, 448);
    rumpf.lineTo(262, 448);
    rumpf.quadTo(222, 440, 200, 385);
    rumpf.closeSubpath();
    QLinearGradient grumpf(0, 385, 0, 448);
    grumpf.setColorAt(0, QColor(230, 70, 60));
    grumpf.setColorAt(1, QColor(170, 35, 40));
    fuelle(p, rumpf, grumpf);
    p.save();
    p.setClipPath(rumpf);
    p.fillRect(QRectF(190, 385, 320, 14), QColor(250, 250, 250));
    p.restore();
    fuelle(p, rumpf, Qt::NoBrush);
    for (double x : {300.0, 350.0, 400.0})
        fuelle(p, kreis(QPointF(x, 420), 8), QColor(200, 235, 255), umriss(2.5));

    fuelle(p, vieleck({{338, 85}, {346, 85}, {346, 386}, {338, 386}}), QColor(150, 100, 60), umriss(2));
    fuelle(p, vieleck({{346, 86}, {384, 97}, {346, 108}}), QColor(240, 60, 60), umriss(2));

    QPainterPath grosssegel;
    grosssegel.moveTo(352, 115);
    grosssegel.quadTo(445, 240, 475, 368);
    grosssegel.lineTo(352, 368);
    grosssegel.closeSubpath();
    QLinearGradient gsegel(352, 0, 475, 0);
    gsegel.setColorAt(0, QColor(255, 255, 255));
    gsegel.setColorAt(1, QColor(220, 225, 235));
    fuelle(p, grosssegel, gsegel);
    p.save();
    p.setClipPath(grosssegel);
    p.fillRect(QRectF(340, 270, 150, 22), QColor(60, 130, 220));
    p.restore();
    fuelle(p, grosssegel, Qt::NoBrush);

    QPainterPath vorsegel;
    vorsegel.moveTo(333, 128);
    vorsegel.lineTo(333, 368);
    vorsegel.lineTo(222, 368);
    vorsegel.quadTo(262, 250, 333, 128);
    vorsegel.closeSubpath();
    fuelle(p, vorsegel, QColor(255, 205, 70));

    // foam along the waterline
    p.setPen(umriss(4, QColor(235, 245, 255)));
    p.setBrush(Qt::NoBrush);
    for (double x = 230; x < 470; x += 40) {
        QPainterPath schaum;
        schaum.moveTo(x, 446);
        schaum.quadTo(x + 10, 438, x + 20, 446);
        schaum.quadTo(x + 30, 454, x + 40, 446);
        p.drawPath(schaum);
    }
}

// 400 x 600
void leuchtturm(QPainter& p)
{
    QLinearGradient gh(0, 0, 0, 430);
    gh.setColorAt(0, QColor(25, 35, 95));
    gh.setColorAt(0.55, QColor(120, 80, 140));
    gh.setColorAt(1, QColor(250, 160, 110));
    p.fillRect(QRectF(0, 0, 400, 430), gh);
    Wuerfel w(3);
    sterne(p, w, 45, QRectF(0, 0, 400, 200), 2.0);

    // light beams and glow behind the lantern
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 150, 85));
    p.drawPath(vieleck({{200, 116}, {0, 50}, {0, 170}}));
    p.drawPath(vieleck({{200, 116}, {400, 35}, {400, 155}}));
    QRadialGradient glanz(QPointF(200, 116), 90);
    glanz.setColorAt(0, QColor(255, 245, 170, 200));
    glanz.setColorAt(1, QColor(255, 245, 170, 0));
    p.setBrush(glanz);
    p.drawEllipse(QPointF(200, 116), 90, 90);

    QLinearGradient gm(0, 430, 0, 600);
    gm.setColorAt(0, QColor(40, 70, 130));
    gm.setColorAt(1, QColor(15, 30, 75));
    p.fillRect(QRectF(0, 430, 400, 170), gm);
    p.setBrush(Qt::NoBrush);
    for (int reihe = 0; reihe < 6; ++reihe) {
        const double y = 450 + reihe * 26;
        p.setPen(umriss(2 + reihe * 0.3, QColor(240, 170, 140, 150)));
        for (double x = w.zwischen(-30, 0); x < 400; x += w.zwischen(60, 100)) {
            QPainterPath welle;
            welle.moveTo(x, y);
            welle.quadTo(x + 10, y - 6, x + 20, y);
            welle.quadTo(x + 30, y - 6, x + 40, y);
            p.drawPath(welle);
        }
    }

    QPainterPath felsen;
    felsen.moveTo(70, 470);
    felsen.cubicTo(80, 430, 100, 400, 140, 395);
    felsen.lineTo(270, 392);
    felsen.cubicTo(310, 400, 330, 430, 345, 470);
    felsen.quadTo(210, 490, 70, 470);
    felsen.closeSubpath();
    QLinearGradient gf(0, 395, 0, 480);
    gf.setColorAt(0, QColor(140, 125, 120));
    gf.setColorAt(1, QColor(80, 70, 75));
    fuelle(p, felsen, gf);
    fuelle(p, ellipse(QPointF(95, 478), 30, 16), QColor(110, 100, 100));
    fuelle(p, ellipse(QPointF(320, 480), 35, 18), QColor(100, 90, 95));

    QPainterPath turm = vieleck({{140, 410}, {165, 150}, {235, 150}, {260, 410}});
    fuelle(p, turm, QColor(250, 250, 245));
    p.save();
    p.setClipPath(turm);
    for (double y : {150.0, 245.0, 340.0})
        p.fillRect(QRectF(130, y + 45, 140, 48), QColor(215, 45, 45));
    QLinearGradient schatten(140, 0, 260, 0);
    schatten.setColorAt(0, QColor(0, 0, 0, 0));
    schatten.setColorAt(0.6, QColor(0, 0, 0, 0));
    schatten.setColorAt(1, QColor(0, 0, 40, 70));
    p.fillRect(QRectF(130, 150, 140, 270), schatten);
    p.restore();
    fuelle(p, turm, Qt::NoBrush);
    QPainterPath tuer;
    tuer.addRoundedRect(QRectF(186, 362, 28, 48), 12, 12);
    fuelle(p, tuer, QColor(110, 70, 45));
    fuelle(p, vieleck({{193, 250}, {207, 250}, {207, 272}, {193, 272}}), QColor(255, 220, 120));

    // lantern room, gallery with railing, dome
    QRadialGradient gl(QPointF(200, 116), 35);
    gl.setColorAt(0, QColor(255, 255, 220));
    gl.setColorAt(1, QColor(255, 205, 60));
    fuelle(p, vieleck({{172, 95}, {228, 95}, {228, 140}, {172, 140}}), gl);
    p.setPen(umriss(2.5));
    for (double x : {186.0, 200.0, 214.0})
        p.drawLine(QPointF(x, 95), QPointF(x, 140));
    p.setPen(umriss(2.5, QColor(40, 40, 50)));
    p.drawLine(QPointF(155, 124), QPointF(245, 124));
    for (double x = 157; x <= 244; x += 11)
        p.drawLine(QPointF(x, 124), QPointF(x, 140));
    fuelle(p, vieleck({{148, 140}, {252, 140}, {246, 152}, {154, 152}}), QColor(60, 60, 75));
    QPainterPath kuppel;
    kuppel.moveTo(164, 97);
    kuppel.cubicTo(166, 55, 234, 55, 236, 97);
    kuppel.closeSubpath();
    fuelle(p, kuppel, QColor(200, 40, 40));
    fuelle(p, kreis(QPointF(200, 60), 6), QColor(60, 60, 75));
}

// 560 x 840
void giraffe(QPainter& p)
{
    himmel(p, QRectF(0, 0, 560, 700), QColor(120, 195, 250), QColor(250, 230, 175));
    sonne(p, QPointF(470, 95), 45);
    wolke(p, QPointF(120, 120), 0.8);

    // acacia in the background
    p.setPen(umriss(8, QColor(110, 75, 45)));
    p.setBrush(Qt::NoBrush);
    QPainterPath aeste;
    aeste.moveTo(95, 700);
    aeste.lineTo(100, 600);
    aeste.lineTo(60, 560);
    aeste.moveTo(100, 600);
    aeste.lineTo(140, 555);
    p.drawPath(aeste);
    fuelle(p, ellipse(QPointF(100, 548), 95, 26), QColor(80, 150, 60), umriss(3, QColor(45, 100, 45)));

    QPainterPath boden;
    boden.moveTo(0, 690);
    boden.quadTo(280, 665, 560, 695);
    boden.lineTo(560, 840);
    boden.lineTo(0, 840);
    boden.closeSubpath();
    QLinearGradient gb(0, 670, 0, 840);
    gb.setColorAt(0, QColor(215, 200, 100));
    gb.setColorAt(1, QColor(175, 155, 70));
    fuelle(p, boden, gb, Qt::NoPen);
    p.setPen(umriss(2.5, QColor(120, 140, 50)));
    for (double x : {40.0, 150.0, 300.0, 470.0, 520.0, 90.0, 420.0}) {
        const double y = 760 + std::fmod(x * 7, 60);
        p.drawLine(QPointF(x, y), QPointF(x - 6, y - 16));
        p.drawLine(QPointF(x, y), QPointF(x, y - 20));
        p.drawLine(QPointF(x, y), QPointF(x + 7, y - 15));
    }

    const QColor fell(245, 195, 90);
    const QColor fleck(175, 100, 40);

    // far legs first, a little darker
    auto bein = [&](double x, double oben, QColor farbe) {
        QPainterPath b;
        b.moveTo(x - 12, oben);
        b.lineTo(x - 9, 765);
        b.lineTo(x + 9, 765);
        b.lineTo(x + 12, oben);
        b.closeSubpath();
        fuelle(p, b, farbe);
        fuelle(p, vieleck({{x - 10, 765}, {x + 10, 765}, {x + 11, 782}, {x - 11, 782}}), QColor(70, 50, 40));
    };
    bein(245, 540, fell.darker(115));
    bein(388, 540, fell.darker(115));

    // tail
    p.setPen(umriss(4));
    p.setBrush(Qt::NoBrush);
    QPainterPath schwanz;
    schwanz.moveTo(192, 500);
    schwanz.quadTo(170, 540, 172, 600);
    p.drawPath(schwanz);
    fuelle(p, ellipse(QPointF(172, 612), 7, 14), QColor(70, 50, 40));

    QPainterPath koerper;
    koerper.addEllipse(QPointF(300, 515), 118, 60);
    QPainterPath hals;
    hals.moveTo(318, 495);
    hals.quadTo(332, 340, 340, 205);
    hals.lineTo(380, 200);
    hals.quadTo(385, 350, 415, 500);
    hals.closeSubpath();
    QPainterPath nahbeine;
    for (double x : {212.0, 360.0}) {
        nahbeine.moveTo(x - 13, 530);
        nahbeine.lineTo(x - 10, 770);
        nahbeine.lineTo(x + 10, 770);
        nahbeine.lineTo(x + 13, 530);
        nahbeine.closeSubpath();
    }
    const QPainterPath tier = koerper.united(hals).united(nahbeine);
    fuelle(p, tier, fell);
    p.save();
    p.setClipPath(tier);
    Wuerfel w(11);
    p.setPen(Qt::NoPen);
    p.setBrush(fleck);
    for (double y = 180; y < 760; y += 30) {
        for (double x = 170 + std::fmod(y, 60) / 2; x < 430; x += 32) {
            QPainterPath f;
            const int ecken = 6;
            for (int i = 0; i < ecken; ++i) {
                const double wi = i * 2 * pi / ecken + w.zwischen(-0.2, 0.2);
                const double r = w.zwischen(9, 13.5);
                const QPointF pt(x + w.zwischen(-3, 3) + std::cos(wi) * r, y + std::sin(wi) * r);
                if (i == 0)
                    f.moveTo(pt);
                else
                    f.lineTo(pt);
            }
            f.closeSubpath();
            p.drawPath(f);
        }
    }
    p.restore();
    fuelle(p, tier, Qt::NoBrush);
    for (double x : {212.0, 360.0})
        fuelle(p, vieleck({{x - 10, 768}, {x + 10, 768}, {x + 12, 786}, {x - 12, 786}}), QColor(70, 50, 40));

    // mane along the back of the neck
    p.setPen(umriss(9, QColor(150, 80, 35)));
    QPainterPath maehne;
    maehne.moveTo(322, 470);
    maehne.quadTo(334, 340, 342, 215);
    p.setBrush(Qt::NoBrush);
    p.drawPath(maehne);

    // head looking to the right, with horns and ear
    p.setPen(umriss(7));
    p.drawLine(QPointF(350, 170), QPointF(344, 130));
    p.drawLine(QPointF(368, 166), QPointF(368, 126));
    fuelle(p, kreis(QPointF(344, 128), 7), QColor(110, 70, 40));
    fuelle(p, kreis(QPointF(368, 124), 7), QColor(110, 70, 40));
    p.save();
    p.translate(330, 180);
    p.rotate(-30);
    fuelle(p, ellipse(QPointF(0, 0), 18, 8), fell);
    p.restore();
    QPainterPath kopf;
    kopf.addEllipse(QPointF(365, 185), 36, 27);
    kopf.addEllipse(QPointF(405, 200), 30, 20);
    kopf = vereinigt(kopf);
    fuelle(p, kopf, fell);
    fuelle(p, ellipse(QPointF(410, 203), 22, 14), QColor(230, 170, 90), Qt::NoPen);
    fuelle(p, kreis(QPointF(366, 178), 6), QColor(40, 30, 30), Qt::NoPen);
    fuelle(p, kreis(QPointF(368, 176), 2), QColor(255, 255, 255), Qt::NoPen);
    fuelle(p, ellipse(QPointF(420, 196), 4, 3), QColor(90, 50, 30), Qt::NoPen);
    p.setPen(umriss(2.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath mund;
    mund.moveTo(400, 212);
    mund.quadTo(415, 218, 428, 208);
    p.drawPath(mund);
}

// 600 x 450
void fahrrad(QPainter& p)
{
    himmel(p, QRectF(0, 0, 600, 330), QColor(150, 210, 255), QColor(230, 245, 255));
    sonne(p, QPointF(530, 65), 32);
    wolke(p, QPointF(120, 70), 0.7);
    p.fillRect(QRectF(0, 320, 600, 130), QColor(120, 200, 90));
    p.fillRect(QRectF(0, 360, 600, 60), QColor(165, 165, 175));
    p.setPen(umriss(3, QColor(130, 130, 140)));
    p.drawLine(QPointF(0, 360), QPointF(600, 360));
    p.drawLine(QPointF(0, 420), QPointF(600, 420));

    const QPointF hinten(170, 305), vorn(430, 305), tretlager(292, 312), sattel(262, 190),
        lenkOben(395, 185), lenkUnten(404, 220);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(QPointF(300, 382), 190, 8);

    auto rad = [&](QPointF m) {
        p.setPen(QPen(QColor(195, 195, 205), 1.5));
        for (int i = 0; i < 18; ++i) {
            const double w = i * pi / 9;
            p.drawLine(m, m + QPointF(std::cos(w) * 66, std::sin(w) * 66));
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(35, 35, 40), 11));
        p.drawEllipse(m, 74, 74);
        p.setPen(QPen(QColor(180, 180, 195), 3));
        p.drawEllipse(m, 66, 66);
        fuelle(p, kreis(m, 8), QColor(150, 150, 160), umriss(2));
    };
    rad(hinten);
    rad(vorn);

    // chain and chainring
    p.setPen(QPen(QColor(80, 80, 90), 3));
    p.drawLine(tretlager + QPointF(0, -22), hinten + QPointF(0, -10));
    p.drawLine(tretlager + QPointF(0, 22), hinten + QPointF(0, 10));
    fuelle(p, kreis(tretlager, 22), QColor(170, 170, 185), umriss(3, QColor(80, 80, 90)));

    auto rohr = [&](QPointF a, QPointF b, double breite, QColor farbe) {
        p.setPen(QPen(umrissFarbe, breite + 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
        p.setPen(QPen(farbe, breite, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
    };
    const QColor rahmen(235, 60, 85);
    rohr(lenkUnten, vorn, 8, rahmen.darker(120));
    rohr(hinten, tretlager, 10, rahmen);
    rohr(hinten, sattel, 10, rahmen);
    rohr(tretlager, sattel, 12, rahmen);
    rohr(sattel, lenkOben, 12, rahmen);
    rohr(tretlager, lenkUnten, 13, rahmen);
    rohr(lenkUnten, lenkOben, 13, rahmen);
    rohr(sattel, QPointF(258, 165), 6, QColor(150, 150, 160));
    rohr(lenkOben, QPointF(398, 158), 6, QColor(150, 150, 160));

    QPainterPath sitz;
    sitz.moveTo(228, 160);
    sitz.quadTo(250, 150, 290, 158);
    sitz.quadTo(280, 172, 250, 170);
    sitz.quadTo(230, 170, 228, 160);
    sitz.closeSubpath();
    fuelle(p, sitz, QColor(50, 45, 50));

    p.setBrush(Qt::NoBrush);
    QPainterPath lenker;
    lenker.moveTo(398, 158);
    lenker.quadTo(385, 145, 362, 150);
    p.setPen(QPen(umrissFarbe, 10, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(lenker);
    p.setPen(QPen(QColor(160, 160, 170), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(lenker);
    p.setPen(QPen(QColor(40, 40, 45), 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(372, 148), QPointF(360, 151));
    fuelle(p, kreis(QPointF(388, 146), 6), QColor(255, 210, 60), umriss(1.5));

    // crank and pedals
    rohr(tretlager, tretlager + QPointF(22, 36), 7, QColor(150, 150, 160));
    rohr(tretlager, tretlager + QPointF(-22, -36), 7, QColor(150, 150, 160));
    fuelle(p, vieleck({{301, 348}, {329, 348}, {329, 356}, {301, 356}}), QColor(50, 50, 55));
    fuelle(p, vieleck({{256, 272}, {284, 272}, {284, 280}, {256, 280}}), QColor(50, 50, 55));
    fuelle(p, kreis(tretlager, 7), QColor(90, 90, 100), umriss(2));

    // flowers in the grass
    for (QPointF m : {QPointF(40, 340), QPointF(520, 340), QPointF(570, 440), QPointF(60, 440),
                      QPointF(300, 438)}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        for (int b = 0; b < 5; ++b)
            p.drawEllipse(m + QPointF(std::cos(b * 1.2566) * 5, std::sin(b * 1.2566) * 5), 4, 4);
        p.setBrush(QColor(255, 200, 40));
        p.drawEllipse(m, 3, 3);
    }
}

// 600 x 800
void schneemann(QPainter& p)
{
    himmel(p, QRectF(0, 0, 600, 740), QColor(20, 35, 95), QColor(115, 155, 215));
    Wuerfel w(5);
    sterne(p, w, 35, QRectF(0, 0, 600, 300), 2.2);

    QPainterPath mond = kreis(QPointF(110, 110), 45).subtracted(kreis(QPointF(135, 95), 40));
    fuelle(p, mond, QColor(255, 245, 190), umriss(2, QColor(230, 210, 140)));

    QPainterPath berge;
    berge.moveTo(0, 660);
    berge.quadTo(120, 590, 250, 650);
    berge.quadTo(400, 580, 600, 640);
    berge.lineTo(600, 760);
    berge.lineTo(0, 760);
    berge.closeSubpath();
    fuelle(p, berge, QColor(195, 215, 245), Qt::NoPen);

    tanne(p, 70, 715, 1.25, true);
    tanne(p, 515, 705, 1.0, true);
    tanne(p, 570, 725, 0.8, true);

    QPainterPath schnee;
    schnee.moveTo(0, 720);
    schnee.quadTo(300, 690, 600, 725);
    schnee.lineTo(600, 800);
    schnee.lineTo(0, 800);
    schnee.closeSubpath();
    QLinearGradient gs(0, 700, 0, 800);
    gs.setColorAt(0, QColor(250, 252, 255));
    gs.setColorAt(1, QColor(205, 222, 245));
    fuelle(p, schnee, gs, Qt::NoPen);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 140, 190, 90));
    p.drawEllipse(QPointF(315, 745), 110, 12);

    auto kugel = [&](QPointF m, double r) {
        QRadialGradient g(m + QPointF(-r * 0.35, -r * 0.4), r * 1.3);
        g.setColorAt(0, QColor(255, 255, 255));
        g.setColorAt(1, QColor(200, 218, 245));
        fuelle(p, kreis(m, r), g, umriss(3, QColor(110, 130, 175)));
    };

    // arms behind the body
    p.setPen(umriss(6, QColor(110, 70, 40)));
    p.drawLine(QPointF(255, 525), QPointF(185, 470));
    p.drawLine(QPointF(205, 486), QPointF(195, 455));
    p.drawLine(QPointF(345, 525), QPointF(420, 468));
    p.drawLine(QPointF(400, 483), QPointF(425, 490));

    kugel(QPointF(300, 665), 85);
    kugel(QPointF(300, 530), 62);
    kugel(QPointF(300, 428), 46);

    for (double y : {505.0, 532.0, 559.0})
        fuelle(p, kreis(QPointF(300, y), 6), QColor(40, 40, 45), Qt::NoPen);
    for (double x : {284.0, 316.0})
        fuelle(p, kreis(QPointF(x, 416), 5.5), QColor(40, 40, 45), Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        const double wi = pi * (0.25 + i * 0.125);
        fuelle(p, kreis(QPointF(300 + std::cos(wi) * 22, 430 + std::sin(wi) * 20), 3), QColor(40, 40, 45),
               Qt::NoPen);
    }
    QPainterPath nase;
    nase.moveTo(300, 426);
    nase.lineTo(345, 436);
    nase.lineTo(300, 442);
    nase.closeSubpath();
    fuelle(p, nase, QColor(250, 130, 30), umriss(2, QColor(190, 90, 20)));

    // scarf
    QPainterPath schal;
    schal.addRoundedRect(QRectF(256, 466, 88, 18), 9, 9);
    fuelle(p, schal, QColor(220, 40, 50));
    QPainterPath ende = vieleck({{318, 476}, {338, 476}, {344, 540}, {324, 542}});
    fuelle(p, ende, QColor(220, 40, 50));
    p.setPen(umriss(4, QColor(255, 255, 255)));
    p.drawLine(QPointF(322, 505), QPointF(341, 504));
    p.drawLine(QPointF(324, 522), QPointF(343, 521));

    // hat
    QPainterPath hut;
    hut.addRoundedRect(QRectF(268, 330, 64, 54), 4, 4);
    fuelle(p, hut, QColor(35, 35, 45));
    p.fillRect(QRectF(269.5, 364, 61, 11), QColor(220, 40, 50));
    QPainterPath krempe;
    krempe.addRoundedRect(QRectF(248, 380, 104, 11), 5, 5);
    fuelle(p, krempe, QColor(35, 35, 45));

    p.setPen(Qt::NoPen);
    for (int i = 0; i < 140; ++i) {
        const QPointF m(w.zwischen(0, 600), w.zwischen(0, 790));
        const double r = w.zwischen(1.5, 4.2);
        p.setBrush(QColor(255, 255, 255, int(w.zwischen(170, 240))));
        p.drawEllipse(m, r, r);
    }
}

// 400 x 600
void ballon(QPainter& p)
{
    himmel(p, QRectF(0, 0, 400, 600), QColor(80, 160, 245), QColor(205, 238, 255));
    wolke(p, QPointF(70, 115), 0.5);
    wolke(p, QPointF(330, 80), 0.45);
    wolke(p, QPointF(320, 470), 0.6);

    QPainterPath land;
    land.moveTo(0, 545);
    land.quadTo(110, 515, 210, 550);
    land.quadTo(320, 520, 400, 540);
    land.lineTo(400, 600);
    land.lineTo(0, 600);
    land.closeSubpath();
    fuelle(p, land, QColor(110, 190, 90), Qt::NoPen);
    QPainterPath feld;
    feld.moveTo(0, 575);
    feld.quadTo(200, 555, 400, 580);
    feld.lineTo(400, 600);
    feld.lineTo(0, 600);
    feld.closeSubpath();
    fuelle(p, feld, QColor(225, 200, 90), Qt::NoPen);
    wolke(p, QPointF(85, 505), 0.55);

    // half width of the envelope as a function of the height
    const double oben = 145, unten = 375, mitte = 200;
    auto halbbreite = [&](double y) {
        const double u = (y - oben) / (unten - oben);
        if (u <= 0.45) {
            const double t = (u - 0.45) / 0.45;
            return 115 * std::sqrt(std::max(0.0, 1 - t * t));
        }
        return 35 + 80 * std::cos((u - 0.45) / 0.55 * pi / 2);
    };
    auto meridian = [&](double s, bool abwaerts, QPainterPath& pfad) {
        const int n = 80;
        for (int i = 0; i <= n; ++i) {
            const double y = abwaerts ? oben + (unten - oben) * i / n : unten - (unten - oben) * i / n;
            pfad.lineTo(mitte + s * halbbreite(y), y);
        }
    };
    QPainterPath huelle;
    huelle.moveTo(mitte, oben);
    meridian(1, true, huelle);
    meridian(-1, false, huelle);
    huelle.closeSubpath();

    const QColor farben[] = {QColor(235, 65, 70), QColor(255, 205, 60), QColor(65, 145, 235),
                             QColor(255, 205, 60)};
    const int bahnen = 8;
    for (int j = 0; j < bahnen; ++j) {
        // equal angles around the balloon, seen from the side
        const double s0 = -std::cos(pi * j / bahnen), s1 = -std::cos(pi * (j + 1) / bahnen);
        QPainterPath bahn;
        bahn.moveTo(mitte, oben);
        meridian(s1, true, bahn);
        meridian(s0, false, bahn);
        bahn.closeSubpath();
        fuelle(p, bahn, farben[j % 4], umriss(2));
    }
    QRadialGradient licht(QPointF(160, 215), 150);
    licht.setColorAt(0, QColor(255, 255, 255, 110));
    licht.setColorAt(0.5, QColor(255, 255, 255, 0));
    licht.setColorAt(1, QColor(0, 0, 60, 70));
    fuelle(p, huelle, licht, umriss(3.5));

    p.setPen(umriss(2, QColor(90, 60, 40)));
    p.drawLine(QPointF(166, 375), QPointF(178, 408));
    p.drawLine(QPointF(234, 375), QPointF(222, 408));
    p.drawLine(QPointF(190, 375), QPointF(193, 408));
    p.drawLine(QPointF(210, 375), QPointF(207, 408));
    fuelle(p, vieleck({{188, 372}, {212, 372}, {212, 382}, {188, 382}}), QColor(120, 120, 130), umriss(2));

    QPainterPath korb;
    korb.addRoundedRect(QRectF(174, 406, 52, 40), 5, 5);
    fuelle(p, korb, QColor(185, 125, 65));
    p.setPen(umriss(1.5, QColor(120, 75, 40)));
    for (double y : {419.0, 432.0})
        p.drawLine(QPointF(176, y), QPointF(224, y));
    for (double x = 184; x < 226; x += 10)
        p.drawLine(QPointF(x, 408), QPointF(x, 444));
    fuelle(p, vieleck({{171, 404}, {229, 404}, {229, 411}, {171, 411}}), QColor(140, 90, 45), umriss(2));

    p.setPen(umriss(2.5, QColor(60, 60, 80)));
    p.setBrush(Qt::NoBrush);
    for (QPointF m : {QPointF(345, 300), QPointF(368, 318)}) {
        QPainterPath vogel;
        vogel.moveTo(m + QPointF(-10, 0));
        vogel.quadTo(m + QPointF(-5, -6), m);
        vogel.quadTo(m + QPointF(5, -6), m + QPointF(10, 0));
        p.drawPath(vogel);
    }
}

// 600 x 400
void autoBild(QPainter& p)
{
    himmel(p, QRectF(0, 0, 600, 280), QColor(130, 195, 255), QColor(220, 240, 255));
    sonne(p, QPointF(520, 60), 30);
    wolke(p, QPointF(110, 70), 0.6);
    wolke(p, QPointF(330, 50), 0.5);

    QPainterPath huegel;
    huegel.moveTo(0, 250);
    huegel.quadTo(150, 200, 300, 245);
    huegel.quadTo(450, 205, 600, 240);
    huegel.lineTo(600, 290);
    huegel.lineTo(0, 290);
    huegel.closeSubpath();
    fuelle(p, huegel, QColor(120, 195, 95), Qt::NoPen);
    for (QPointF m : {QPointF(60, 235), QPointF(240, 232), QPointF(460, 228)}) {
        p.fillRect(QRectF(m.x() - 3, m.y(), 6, 18), QColor(120, 80, 45));
        fuelle(p, kreis(m, 16), QColor(60, 150, 70), umriss(2, QColor(40, 100, 50)));
    }

    p.fillRect(QRectF(0, 280, 600, 120), QColor(95, 95, 105));
    p.fillRect(QRectF(0, 278, 600, 6), QColor(200, 200, 205));
    for (double x = 10; x < 600; x += 70)
        p.fillRect(QRectF(x, 370, 40, 7), QColor(250, 250, 250));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawEllipse(QPointF(378, 362), 200, 10);

    // speed lines behind the car
    p.setPen(umriss(4, QColor(255, 255, 255, 200)));
    for (double y : {262.0, 285.0, 308.0})
        p.drawLine(QPointF(125 + (y - 262) * 0.5, y), QPointF(175, y));

    QPainterPath karosserie;
    karosserie.moveTo(190, 320);
    karosserie.lineTo(190, 270);
    karosserie.quadTo(192, 250, 215, 246);
    karosserie.lineTo(275, 240);
    karosserie.lineTo(315, 196);
    karosserie.quadTo(320, 188, 335, 188);
    karosserie.lineTo(430, 188);
    karosserie.quadTo(442, 188, 450, 196);
    karosserie.lineTo(490, 240);
    karosserie.lineTo(540, 248);
    karosserie.quadTo(562, 254, 562, 280);
    karosserie.lineTo(562, 315);
    karosserie.quadTo(562, 326, 550, 326);
    karosserie.lineTo(200, 326);
    karosserie.quadTo(190, 326, 190, 320);
    karosserie.closeSubpath();
    QLinearGradient gk(0, 188, 0, 326);
    gk.setColorAt(0, QColor(90, 175, 250));
    gk.setColorAt(1, QColor(25, 95, 200));
    fuelle(p, karosserie, gk);

    QLinearGradient glas(300, 195, 470, 240);
    glas.setColorAt(0, QColor(215, 240, 255));
    glas.setColorAt(1, QColor(140, 195, 235));
    fuelle(p, vieleck({{287, 240}, {322, 201}, {374, 201}, {374, 240}}), glas, umriss(2.5));
    fuelle(p, vieleck({{386, 201}, {436, 201}, {471, 240}, {386, 240}}), glas, umriss(2.5));
    p.setPen(umriss(2.5));
    p.drawLine(QPointF(380, 246), QPointF(380, 318));
    p.drawLine(QPointF(290, 246), QPointF(290, 318));
    fuelle(p, vieleck({{340, 256}, {358, 256}, {358, 261}, {340, 261}}), QColor(220, 225, 235), umriss(1.5));
    fuelle(p, vieleck({{430, 256}, {448, 256}, {448, 261}, {430, 261}}), QColor(220, 225, 235), umriss(1.5));

    fuelle(p, ellipse(QPointF(550, 265), 9, 7), QColor(255, 240, 150), umriss(2));
    fuelle(p, vieleck({{190, 258}, {200, 258}, {200, 276}, {190, 276}}), QColor(230, 40, 40), umriss(2));
    QPainterPath stoss;
    stoss.addRoundedRect(QRectF(540, 298, 28, 14), 5, 5);
    stoss.addRoundedRect(QRectF(182, 298, 24, 14), 5, 5);
    fuelle(p, stoss, QColor(180, 185, 195));

    for (double x : {270.0, 480.0}) {
        const QPointF m(x, 328);
        fuelle(p, kreis(m, 36), QColor(35, 35, 40));
        QRadialGradient gf(m, 20);
        gf.setColorAt(0, QColor(240, 240, 245));
        gf.setColorAt(1, QColor(160, 165, 175));
        fuelle(p, kreis(m, 20), gf, umriss(2));
        p.setPen(umriss(2.5, QColor(110, 110, 120)));
        for (int i = 0; i < 5; ++i) {
            const double w = i * 2 * pi / 5;
            p.drawLine(m + QPointF(std::cos(w) * 6, std::sin(w) * 6), m + QPointF(std::cos(w) * 17, std::sin(w) * 17));
        }
        fuelle(p, kreis(m, 5), QColor(90, 90, 100), umriss(1.5));
    }
}

// 400 x 360
void regenschirm(QPainter& p)
{
    himmel(p, QRectF(0, 0, 400, 310), QColor(115, 125, 150), QColor(175, 185, 200));
    for (QPointF m : {QPointF(70, 30), QPointF(230, 15), QPointF(370, 40)})
        wolke(p, m, 0.9, QColor(100, 105, 125), QColor(80, 85, 100));
    p.fillRect(QRectF(0, 310, 400, 50), QColor(95, 105, 115));
    fuelle(p, ellipse(QPointF(200, 335), 120, 15), QColor(150, 185, 215), umriss(2, QColor(120, 150, 180)));
    p.setPen(umriss(1.5, QColor(220, 235, 250)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(140, 335), 22, 5);
    p.drawEllipse(QPointF(250, 338), 28, 6);

    const double mx = 200, rand = 160, spitze = 48, rx = 130;
    QPainterPath dach;
    const int felder = 6;
    std::vector<QPainterPath> stuecke;
    auto kante = [&](double xEnde, bool hin, QPainterPath& pfad) {
        const int n = 24;
        for (int i = 0; i <= n; ++i) {
            const double t = (hin ? i : n - i) * (pi / 2) / n;
            pfad.lineTo(mx + (xEnde - mx) * std::sin(t), rand - (rand - spitze) * std::cos(t));
        }
    };
    const double breite = 2 * rx / felder;
    for (int k = 0; k < felder; ++k) {
        const double x0 = mx - rx + k * breite, x1 = x0 + breite;
        QPainterPath stueck;
        stueck.moveTo(mx, spitze);
        kante(x0, true, stueck);
        stueck.quadTo((x0 + x1) / 2, rand - 18, x1, rand);
        kante(x1, false, stueck);
        stueck.closeSubpath();
        stuecke.push_back(stueck);
        dach.addPath(stueck);
    }
    dach = vereinigt(dach);

    // rain everywhere except in the shelter of the umbrella
    QPainterPath regen;
    regen.addRect(QRectF(0, 0, 400, 360));
    QPainterPath schutz;
    schutz.addRect(QRectF(mx - rx + 4, rand - 5, 2 * rx - 8, 220));
    regen = regen.subtracted(schutz.united(dach));
    p.save();
    p.setClipPath(regen);
    Wuerfel w(9);
    p.setPen(QPen(QColor(225, 238, 255, 200), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 130; ++i) {
        const QPointF a(w.zwischen(0, 420), w.zwischen(-20, 340));
        p.drawLine(a, a + QPointF(-6, 20));
    }
    p.restore();

    const QColor farben[] = {QColor(235, 60, 70),  QColor(255, 160, 40), QColor(255, 220, 60),
                             QColor(90, 190, 90),  QColor(70, 140, 235), QColor(160, 90, 210)};
    for (int k = 0; k < felder; ++k)
        fuelle(p, stuecke[k], farben[k], umriss(2.5));
    QRadialGradient glanz(QPointF(160, 80), 120);
    glanz.setColorAt(0, QColor(255, 255, 255, 100));
    glanz.setColorAt(1, QColor(255, 255, 255, 0));
    fuelle(p, dach, glanz, umriss(3));

    p.setPen(umriss(4));
    p.drawLine(QPointF(mx, spitze), QPointF(mx, spitze - 14));
    fuelle(p, kreis(QPointF(mx, spitze - 16), 4), QColor(60, 60, 70), umriss(1.5));

    p.setPen(QPen(QColor(80, 80, 90), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(mx, rand - 2), QPointF(mx, 290));
    QPainterPath griff;
    griff.moveTo(mx, 285);
    griff.cubicTo(mx, 318, mx - 34, 318, mx - 34, 296);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(umrissFarbe, 12, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(griff);
    p.setPen(QPen(QColor(160, 95, 50), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(griff);

    // drops running off the rim
    for (int k = 0; k <= felder; ++k) {
        const double x = mx - rx + k * breite;
        QPainterPath tropfen;
        tropfen.moveTo(x, rand + 8);
        tropfen.quadTo(x + 5, rand + 17, x, rand + 20);
        tropfen.quadTo(x - 5, rand + 17, x, rand + 8);
        fuelle(p, tropfen, QColor(200, 225, 255), umriss(1.2, QColor(110, 150, 200)));
    }
}

// 360 x 640
void rakete(QPainter& p)
{
    himmel(p, QRectF(0, 0, 360, 640), QColor(8, 8, 35), QColor(45, 25, 90));
    Wuerfel w(13);
    sterne(p, w, 110, QRectF(0, 0, 360, 600), 2.2);
    p.setPen(QPen(QColor(255, 255, 220), 1.5));
    for (QPointF m : {QPointF(300, 60), QPointF(40, 330), QPointF(320, 300)}) {
        p.drawLine(m + QPointF(-9, 0), m + QPointF(9, 0));
        p.drawLine(m + QPointF(0, -9), m + QPointF(0, 9));
    }

    // ringed planet
    QRadialGradient gp(QPointF(70, 110), 40);
    gp.setColorAt(0, QColor(255, 200, 120));
    gp.setColorAt(1, QColor(220, 120, 60));
    fuelle(p, kreis(QPointF(80, 120), 34), gp, umriss(2, QColor(150, 80, 40)));
    p.save();
    p.translate(80, 120);
    p.rotate(-20);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(240, 220, 170), 5));
    QPainterPath ring;
    ring.moveTo(-58, 0);
    ring.cubicTo(-58, 22, 58, 22, 58, 0);
    p.drawPath(ring);
    p.restore();

    // the earth far below
    QPainterPath erde = kreis(QPointF(180, 1080), 500);
    QLinearGradient ge(0, 580, 0, 640);
    ge.setColorAt(0, QColor(70, 150, 240));
    ge.setColorAt(1, QColor(30, 90, 190));
    fuelle(p, erde, ge, umriss(4, QColor(150, 210, 255)));
    p.save();
    p.setClipPath(erde);
    fuelle(p, ellipse(QPointF(70, 610), 70, 25), QColor(90, 180, 90), Qt::NoPen);
    fuelle(p, ellipse(QPointF(300, 625), 60, 22), QColor(90, 180, 90), Qt::NoPen);
    p.restore();

    // flame and smoke
    QPainterPath flamme;
    flamme.moveTo(140, 478);
    flamme.cubicTo(135, 530, 165, 575, 180, 610);
    flamme.cubicTo(195, 575, 225, 530, 220, 478);
    flamme.closeSubpath();
    fuelle(p, flamme, QColor(255, 130, 40), Qt::NoPen);
    QPainterPath kern;
    kern.moveTo(155, 478);
    kern.cubicTo(153, 515, 172, 545, 180, 568);
    kern.cubicTo(188, 545, 207, 515, 205, 478);
    kern.closeSubpath();
    fuelle(p, kern, QColor(255, 225, 80), Qt::NoPen);
    fuelle(p, ellipse(QPointF(180, 495), 12, 20), QColor(255, 255, 230), Qt::NoPen);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 235, 240, 220));
    for (QPointF m : {QPointF(130, 615), QPointF(160, 628), QPointF(205, 626), QPointF(232, 612),
                      QPointF(108, 632), QPointF(255, 634)})
        p.drawEllipse(m, 22, 16);

    // fins behind the body
    QPainterPath flossen;
    flossen.moveTo(124, 360);
    flossen.quadTo(78, 395, 74, 492);
    flossen.lineTo(124, 452);
    flossen.closeSubpath();
    flossen.moveTo(236, 360);
    flossen.quadTo(282, 395, 286, 492);
    flossen.lineTo(236, 452);
    flossen.closeSubpath();
    fuelle(p, flossen, QColor(225, 50, 55));

    fuelle(p, vieleck({{145, 448}, {215, 448}, {226, 482}, {134, 482}}), QColor(110, 115, 130));

    QPainterPath rumpf;
    rumpf.moveTo(180, 110);
    rumpf.cubicTo(235, 160, 240, 250, 240, 330);
    rumpf.lineTo(240, 452);
    rumpf.lineTo(120, 452);
    rumpf.lineTo(120, 330);
    rumpf.cubicTo(120, 250, 125, 160, 180, 110);
    rumpf.closeSubpath();
    QLinearGradient gr(120, 0, 240, 0);
    gr.setColorAt(0, QColor(190, 195, 210));
    gr.setColorAt(0.4, QColor(252, 252, 255));
    gr.setColorAt(1, QColor(160, 165, 185));
    fuelle(p, rumpf, gr);
    p.save();
    p.setClipPath(rumpf);
    p.fillRect(QRectF(110, 100, 140, 95), QColor(225, 50, 55));
    p.fillRect(QRectF(110, 400, 140, 18), QColor(225, 50, 55));
    QLinearGradient glanz(120, 0, 240, 0);
    glanz.setColorAt(0, QColor(0, 0, 0, 30));
    glanz.setColorAt(0.4, QColor(255, 255, 255, 60));
    glanz.setColorAt(1, QColor(0, 0, 30, 60));
    p.fillRect(QRectF(110, 100, 140, 360), glanz);
    p.restore();
    fuelle(p, rumpf, Qt::NoBrush);

    QRadialGradient gf(QPointF(170, 270), 30);
    gf.setColorAt(0, QColor(190, 235, 255));
    gf.setColorAt(1, QColor(40, 110, 200));
    fuelle(p, kreis(QPointF(180, 280), 27), gf, QPen(QColor(120, 130, 150), 7));
    fuelle(p, kreis(QPointF(180, 280), 30.5), Qt::NoBrush, umriss(2));
    p.setPen(QPen(QColor(255, 255, 255, 200), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(163, 263, 34, 34), 100 * 16, 60 * 16);
}

struct Bild {
    const char* datei;
    int breite, hoehe;         // pixels in the file
    int logBreite, logHoehe;   // drawing coordinates, same shape
    std::function<void(QPainter&)> malen;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // lets the image writers find the JPEG plugin
    const QString ziel = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("demo/Bilder");
    if (!QDir().mkpath(ziel)) {
        std::fprintf(stderr, "Ordner %s kann nicht angelegt werden\n", qPrintable(ziel));
        return 1;
    }

    const std::vector<Bild> bilder = {
        {"Haus.jpg", 1600, 1200, 800, 600, haus},
        {"Segelboot.jpg", 1920, 1080, 960, 540, segelboot},
        {"Leuchtturm.jpg", 800, 1200, 400, 600, leuchtturm},
        {"Giraffe.bmp", 560, 840, 560, 840, giraffe},
        {"Fahrrad.bmp", 600, 450, 600, 450, fahrrad},
        {"Schneemann.jpg", 900, 1200, 600, 800, schneemann},
        {"Ballon.jpg", 800, 1200, 400, 600, ballon},
        {"Auto.jpg", 1200, 800, 600, 400, autoBild},
        {"Regenschirm.bmp", 400, 360, 400, 360, regenschirm},
        {"Rakete.jpg", 720, 1280, 360, 640, rakete},
    };

    int fehler = 0;
    for (const Bild& b : bilder) {
        QImage bild(b.breite, b.hoehe, QImage::Format_RGB32);
        bild.fill(Qt::white);
        {
            QPainter p(&bild);
            p.setRenderHint(QPainter::Antialiasing);
            p.setWindow(0, 0, b.logBreite, b.logHoehe);
            b.malen(p);
        }
        const QString pfad = QDir(ziel).filePath(QString::fromLatin1(b.datei));
        const bool jpeg = pfad.endsWith(QLatin1String(".jpg"));
        if (!bild.save(pfad, jpeg ? "JPG" : "BMP", jpeg ? 85 : -1)) {
            std::fprintf(stderr, "%s kann nicht geschrieben werden\n", qPrintable(pfad));
            ++fehler;
            continue;
        }
        std::printf("%s  %d x %d  %lld Bytes\n", qPrintable(pfad), b.breite, b.hoehe,
                    static_cast<long long>(QFileInfo(pfad).size()));
    }
    return fehler == 0 ? 0 : 1;
}
