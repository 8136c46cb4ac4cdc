// The main window on the offscreen platform: design, layout, keyboard,
// message boxes, start-up and a short game played through the real buttons.

#include <QApplication>
#include <QCloseEvent>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>

#include "app/bildknopf.h"
#include "app/entwurf.h"
#include "app/gruppenzeile.h"
#include "app/publikum.h"
#include "app/tastatur.h"
#include "game/spiel.h"
#include "app/tonausgabe.h"
#include "tabelle.h"
#include "testfenster.h"
#include "app/meldungsboxen.h"
#include "pruefe.h"
#include "render/einpassung.h"

namespace {

Bildknopf* knopf(Testfenster& f, const char* name) { return f.knopf(QLatin1String(name)); }
QWidget* element(Testfenster& f, const char* name) { return f.steuerelement(QLatin1String(name)); }

QSize klient(Testfenster& f) { return f.rollbereich()->viewport()->size(); }

// Share of pixels matching the test; sector borders are drawn in black.
double anteil(const QImage& bild, const std::function<bool(QColor)>& test)
{
    int treffer = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            treffer += test(bild.pixelColor(x, y)) ? 1 : 0;
    return bild.isNull() ? 0.0 : double(treffer) / (bild.width() * bild.height());
}

bool istRot(QColor c) { return c.red() > 150 && c.green() < 100 && c.blue() < 100; }

int sichtbareAntwort(Testfenster& f)
{
    for (int i = 0; i < f.zeilenzahl(); ++i) {
        if (f.zeile(i)->antwortKnopf()->isVisible())
            return i;
    }
    return -1;
}

// What a key did, read off the game state.
QString wirkungImSpiel(const Spielstand& vorher, const Spielstand& nachher)
{
    if (nachher.Einstellungsdatei.gelesenZeilen() > vorher.Einstellungsdatei.gelesenZeilen())
        return QStringLiteral("neues Bild");
    const bool punkteGeaendert = nachher.Punktestand != vorher.Punktestand;
    if (vorher.AktiveGruppe == -1 && nachher.AktiveGruppe >= 0)
        return punkteGeaendert || nachher.VerdecktZahl > vorher.VerdecktZahl
                   ? QStringLiteral("nimmt zurück")
                   : QStringLiteral("meldet %1").arg(nachher.AktiveGruppe);
    for (std::size_t g = 0; g < 3; ++g) {
        if (nachher.Punktestand[g] != vorher.Punktestand[g])
            return nachher.Punktestand[g] > vorher.Punktestand[g] ? QStringLiteral("richtig") : QStringLiteral("falsch");
    }
    if (vorher.VerdecktZahl > 1 && nachher.VerdecktZahl == 0)
        return QStringLiteral("beendet");
    if (nachher.VerdecktZahl < vorher.VerdecktZahl)
        return QStringLiteral("deckt auf");
    return QStringLiteral("nichts");
}

// ... and the note the window shows for it, if any.
QString wirkung(const Testfenster& f, const Spielstand& vorher, const Spielstand& nachher)
{
    QString w = wirkungImSpiel(vorher, nachher);
    const auto* notiz = f.findChild<QLabel*>(QStringLiteral("TonHinweis"));
    if (notiz && notiz->isVisible())
        w += QStringLiteral(" / ") + notiz->text();
    return w;
}

void drueckeTaste(QWidget* ziel, int taste, Qt::KeyboardModifiers mods, quint32 scancode, const QString& text)
{
    QKeyEvent druck(QEvent::KeyPress, taste, mods, scancode, 0, 0, text);
    QApplication::sendEvent(ziel, &druck);
    QKeyEvent los(QEvent::KeyRelease, taste, mods, scancode, 0, 0, text);
    QApplication::sendEvent(ziel, &los);
}

QWidget* publikum()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("Publikum"))
            return w;
    }
    return nullptr;
}

QString text(QWidget* fenster, const QString& name)
{
    auto* l = fenster->findChild<QLabel*>(name);
    return l && l->isVisible() ? l->text() : QStringLiteral("(none)");
}

bool istGrau(QColor c) { return c.red() == 128 && c.green() == 128 && c.blue() == 128; }

// Which sectors of n show grey, sampled inside each sector near its middle ray.
QList<bool> graueSektoren(const QImage& bild, int n)
{
    QList<bool> grau;
    const QPointF mitte(bild.width() / 2.0, bild.height() / 2.0);
    const double radius = 0.35 * std::min(bild.width(), bild.height());
    for (int k = 0; k < n; ++k) {
        const double winkel = (2 * k + 1) * M_PI / n;
        const QPointF p = mitte + radius * QPointF(std::cos(winkel), std::sin(winkel));
        grau << istGrau(bild.pixelColor(p.toPoint()));
    }
    return grau;
}

QStringList gesehen;
void sieh(QtMsgType, const QMessageLogContext&, const QString& text) { gesehen << text; }
}  // namespace

class TstApp : public QObject {
    Q_OBJECT

private slots:
    void fenstertitelUndSchrift()
    {
        Probefenster f;
        QCOMPARE(f.windowTitle(), QStringLiteral("  \"Varno Quiz\" mit eigenen Bildern (Tamo Welkert)"));
        QCOMPARE(f.font().pixelSize(), 11);
        QCOMPARE(QFontInfo(knopf(f, "BBneuesBild")->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(f.zeile(0)->nameLabel()->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(f.font()).family(), QStringLiteral("Liberation Sans"));
        const QFontInfo rund(knopf(f, "BBrichtig")->font());
        QCOMPARE(rund.family(), ersatzFuerArialRounded());
        QVERIFY(rund.bold());
        QCOMPARE(rund.pixelSize(), 19);
        QVERIFY(!f.windowIcon().isNull());
        QVERIFY(f.meldungen.liste.isEmpty());
    }

    void anfangszustand_data()
    {
        spalten<QString, bool, bool, QString, QRect, int, bool, QColor>(
            "name", "sichtbar", "aktiv", "text", "lage", "pixel", "fett", "farbe");

        const QColor keine;
        // Without a settings file no row exists, so every control keeps its design place.
        QTest::newRow("LPunkte") << "LPunkte" << false << true << "Punktegutschrift:" << QRect(147, 88, -1, -1) << 24 << false << keine;
        QTest::newRow("Panel3") << "Panel3" << true << true << "" << QRect(18, 18, 454, 604) << 11 << false << keine;
        QTest::newRow("Panel1") << "Panel1" << true << true << "" << QRect(54, 112, 401, 305) << 11 << false << keine;
        QTest::newRow("GroupBox2") << "GroupBox2" << true << true << " Anzahl der Sektoren: " << QRect(16, 12, 321, 85) << 11 << false << keine;
        QTest::newRow("Edit2") << "Edit2" << true << true << "??" << QRect(16, 24, 33, 21) << 11 << false << keine;
        QTest::newRow("Label2") << "Label2" << true << true << "Sektoren" << QRect(56, 27, -1, -1) << 11 << false << keine;
        QTest::newRow("Label3") << "Label3" << true << true << "Es können maximal 18 Punkte pro Bild erreicht werden." << QRect(16, 56, -1, -1) << 11 << false << keine;
        QTest::newRow("Panel2") << "Panel2" << true << true << "" << QRect(352, 16, 34, 33) << 11 << false << keine;
        QTest::newRow("Image1") << "Image1" << true << true << "" << QRect(1, 1, 32, 32) << 11 << false << keine;
        QTest::newRow("RadioGroup1") << "RadioGroup1" << true << true << " Tippen darf: " << QRect(16, 120, 369, 73) << 11 << false << keine;
        QTest::newRow("GroupBox1") << "GroupBox1" << true << true << " Strafpunkte bei falscher Antwort: " << QRect(16, 220, 257, 57) << 11 << false << keine;
        QTest::newRow("Edit1") << "Edit1" << true << true << "??" << QRect(16, 24, 33, 21) << 11 << false << keine;
        QTest::newRow("Label1") << "Label1" << true << true << "Punkte werden abgezogen" << QRect(56, 27, -1, -1) << 11 << false << keine;
        QTest::newRow("BitBtn1") << "BitBtn1" << true << true << "OK" << QRect(296, 240, 89, 33) << 16 << true << keine;
        QTest::newRow("BBfalsch") << "BBfalsch" << true << false << "falsch" << QRect(344, 18, 129, 41) << 19 << true << QColor(128, 0, 0);
        QTest::newRow("BBrichtig") << "BBrichtig" << true << false << "richtig" << QRect(190, 18, 129, 41) << 19 << true << QColor(0, 128, 0);
        QTest::newRow("BitBtn2") << "BitBtn2" << false << true << "Tmp" << QRect(200, 88, 145, 49) << 19 << true << QColor(0, 128, 0);
        QTest::newRow("BBneuesBild") << "BBneuesBild" << true << false << "Neues Bild" << QRect(22, 18, 154, 41) << 19 << false << QColor(0, 0, 0);
        QTest::newRow("BBweiter") << "BBweiter" << true << false << "" << QRect(43, 76, 57, 57) << 11 << false << keine;
        QTest::newRow("BBpunkteEingeben") << "BBpunkteEingeben" << true << true << "Punkte eingeben" << QRect(0, 168, 200, 33) << 16 << false << keine;
        QTest::newRow("BBeingabeFertig") << "BBeingabeFertig" << false << true << "Eingabe fertig" << QRect(0, 200, 200, 33) << 16 << false << keine;
    }
    void anfangszustand()
    {
        auto [name, sichtbar, aktiv, text, lage, pixel, fett, farbe] =
            hole<QString, bool, bool, QString, QRect, int, bool, QColor>("name", "sichtbar", "aktiv", "text", "lage", "pixel", "fett", "farbe");

        Probefenster f{OhneEinstellungsdatei{}};
        QWidget* w = f.steuerelement(name);
        QVERIFY(w);
        QCOMPARE(!w->isHidden(), sichtbar);
        QCOMPARE(w->isEnabled(), aktiv);
        QString gezeigt;
        if (auto* l = qobject_cast<QLabel*>(w))
            gezeigt = l->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            gezeigt = b->text();
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            gezeigt = e->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            gezeigt = g->title();
        QCOMPARE(gezeigt, text);
        QCOMPARE(w->pos(), lage.topLeft());
        if (lage.width() >= 0)
            QCOMPARE(w->size(), lage.size());
        else
            QCOMPARE(w->size(), w->sizeHint());  // sized to its text
        QCOMPARE(QFontInfo(w->font()).pixelSize(), pixel);
        QCOMPARE(QFontInfo(w->font()).bold(), fett);
        if (farbe.isValid())
            QCOMPARE(w->palette().color(QPalette::Active, QPalette::ButtonText), farbe);
        if (name == QLatin1String("Panel3"))
            QCOMPARE(w->palette().color(QPalette::Window), QColor(Qt::black));
        if (name.startsWith(QLatin1String("Panel"))) {
            QVERIFY(w->autoFillBackground());
            if (name != QLatin1String("Panel3"))
                QCOMPARE(w->palette().color(QPalette::Window), f.palette().color(QPalette::Button));
        }
        if (name == QLatin1String("RadioGroup1")) {
            auto* r0 = f.findChild<QRadioButton*>(QStringLiteral("RadioGroup1_0"));
            auto* r1 = f.findChild<QRadioButton*>(QStringLiteral("RadioGroup1_1"));
            QCOMPARE(r0->text(), QStringLiteral("immer nur eine (zufällig ermittelte) Gruppe"));
            QCOMPARE(r1->text(), QStringLiteral("jede Gruppe, die noch im Spiel ist"));
            QVERIFY(r0->isChecked());
            QVERIFY(!r1->isChecked());
        }
        if (auto* b = qobject_cast<Bildknopf*>(w)) {
            const bool standard = name == "BitBtn1" || name == "BBrichtig" || name == "BBweiter"
                || name == "BBpunkteEingeben" || name == "BBeingabeFertig";
            QCOMPARE(b->istStandard(), standard);
            QVERIFY(!b->aktivBild().isNull());
            // Picture right of the caption: 20 pixels apart (10 for "Punkte eingeben"), centred together.
            const QRect t = b->textRechteck();
            const QRect bild = b->bildRechteck();
            if (!text.isEmpty())
                QCOMPARE(bild.left() - t.right() - 1, name == "BBpunkteEingeben" ? 10 : 20);
            const int links = text.isEmpty() ? bild.left() : t.left();
            QVERIFY(qAbs(links - (b->width() - bild.right() - 1)) <= 1);
        }
    }

    void spalteAmErstenZeilenrand()
    {
        Probefenster f;
        QVERIFY(zeigeUndStarte(f));
        QVERIFY(f.meldungen.liste.isEmpty());

        const int kb = klient(f).width();
        const int kh = klient(f).height();
        const int L = kb - 470;
        QCOMPARE(f.zeilenzahl(), 3);
        for (int i = 0; i < 3; ++i) {
            const QRect r = f.zeile(i)->geometry();
            QCOMPARE(r, QRect(L, 150 + 50 * i, 450, 45));
            QCOMPARE(kb - (r.right() + 1), 20);
        }
        struct Soll {
            const char* name;
            int links, oben, rechts;
        };
        const Soll soll[] = {
            {"BBneuesBild", L, 18, L + 154},
            {"BBrichtig", L + 173, 18, L + 302},
            {"BBfalsch", L + 321, 18, L + 450},
            {"BBweiter", L, 76, L + 57},
            {"BBpunkteEingeben", L + 250, kh - 51, L + 450},
            {"BBeingabeFertig", L + 250, kh - 51, L + 450},
        };
        for (const Soll& s : soll) {
            const QRect r = element(f, s.name)->geometry();
            QVERIFY2(r.left() == s.links && r.top() == s.oben && r.right() + 1 == s.rechts, s.name);
        }
        QCOMPARE(element(f, "LPunkte")->pos(), QPoint(L + 100, 88));
    }

    void verankerung()
    {
        Probefenster f;
        QVERIFY(zeigeUndStarte(f));

        const char* namen[] = {"BBneuesBild", "BBrichtig", "BBfalsch", "BBweiter", "LPunkte",
                               "BBpunkteEingeben", "BBeingabeFertig", "Panel1", "BitBtn2"};
        QHash<QString, QPoint> vorher;
        for (const char* n : namen)
            vorher.insert(QLatin1String(n), element(f, n)->pos());
        QList<QPoint> zeilen;
        for (int i = 0; i < f.zeilenzahl(); ++i)
            zeilen << f.zeile(i)->pos();
        const QSize k = klient(f);

        f.resize(f.size() + QSize(200, 0));
        QTRY_COMPARE(klient(f), k + QSize(200, 0));
        for (int i = 0; i < f.zeilenzahl(); ++i)
            QCOMPARE(f.zeile(i)->pos(), zeilen[i] + QPoint(200, 0));
        for (const char* n : {"BBneuesBild", "BBrichtig", "BBfalsch", "BBweiter", "LPunkte",
                              "BBpunkteEingeben", "BBeingabeFertig"})
            QCOMPARE(element(f, n)->pos(), vorher.value(QLatin1String(n)) + QPoint(200, 0));
        QCOMPARE(element(f, "BitBtn2")->pos(), vorher.value("BitBtn2"));

        f.resize(f.size() + QSize(0, 100));
        QTRY_COMPARE(klient(f), k + QSize(200, 100));
        for (int i = 0; i < f.zeilenzahl(); ++i)
            QCOMPARE(f.zeile(i)->pos(), zeilen[i] + QPoint(200, 0));
        for (const char* n : {"BBneuesBild", "BBrichtig", "BBfalsch", "BBweiter", "LPunkte"})
            QCOMPARE(element(f, n)->pos(), vorher.value(QLatin1String(n)) + QPoint(200, 0));
        for (const char* n : {"BBpunkteEingeben", "BBeingabeFertig"})
            QCOMPARE(element(f, n)->pos(), vorher.value(QLatin1String(n)) + QPoint(200, 100));
        // The score-entry buttons keep their 18 pixels from the bottom edge.
        QCOMPARE(element(f, "BBpunkteEingeben")->geometry().bottom() + 1, klient(f).height() - 18);
    }

    void punkteRechtsbuendig_data()
    {
        QTest::addColumn<int>("punkte");
        QTest::newRow("0") << 0;
        QTest::newRow("1234") << 1234;
        QTest::newRow("-5") << -5;
        QTest::newRow("1") << 1;
    }
    void punkteRechtsbuendig()
    {
        QFETCH(int, punkte);
        Probefenster f;
        QLabel* l = f.zeile(1)->punkteLabel();
        QCOMPARE(l->text(), QStringLiteral("0 Punkte"));
        const int nullBreite = l->width();
        f.setzePunkteText(1, QString::number(punkte) + QStringLiteral(" Punkte"));
        QCOMPARE(l->geometry().right() + 1, 440);
        const int breite = QFontMetrics(l->font()).horizontalAdvance(l->text());
        QCOMPARE(l->width(), breite);
        if (punkte == 1234)
            QVERIFY(l->width() > nullBreite);
        QCOMPARE(l->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        QCOMPARE(QFontInfo(l->font()).pixelSize(), 24);
    }

    void dreissigGruppenRollen()
    {
        Spieldatei e;
        e.gruppen.clear();
        for (int i = 1; i <= 30; ++i)
            e.gruppen << QStringLiteral("Gruppe %1").arg(i);
        Probefenster f(e);
        QVERIFY(zeigeUndStarte(f));
        QVERIFY(f.meldungen.liste.isEmpty());
        QCOMPARE(f.zeilenzahl(), 30);
        QCOMPARE(f.zeile(29)->geometry().bottom() + 1, 1645);
        QCOMPARE(f.zeile(29)->y(), 1600);

        QScrollBar* leiste = f.rollbereich()->verticalScrollBar();
        QTRY_VERIFY(leiste->isVisible());
        QVERIFY(leiste->maximum() + f.rollbereich()->viewport()->height() >= 1645);
        // The score-entry button would lie under the rows; it moves below the
        // last row instead, and the scroll range reaches it.
        QWidget* eingeben = f.findChild<QWidget*>(QStringLiteral("BBpunkteEingeben"));
        QVERIFY(eingeben);
        QCOMPARE(eingeben->y(), 1645 + 18);
        QCOMPARE(f.inhalt()->height(), 1645 + 18 + eingeben->height());
        // Rows keep 20 pixels to the visible client edge, scroll bar excluded.
        QCOMPARE(klient(f).width() - (f.zeile(0)->geometry().right() + 1), 20);

        leiste->setValue(leiste->maximum());
        const QPoint imFenster = f.zeile(29)->mapTo(&f, QPoint(0, 44));
        QVERIFY(f.rect().contains(imFenster));
    }

    void dreissigGruppenObenImBlick_data()
    {
        QTest::addColumn<bool>("perEnter");
        QTest::newRow("OK mit der Maus") << false;
        QTest::newRow("OK mit Enter") << true;
    }

    // The rows scroll, but only the quiz master scrolls them: OK hides the
    // focused panel, and the focus passed on must not pull the view down.
    void dreissigGruppenObenImBlick()
    {
        QFETCH(bool, perEnter);
        Spieldatei e{.fenster = QStringLiteral("1024,768"), .sektoren = QStringLiteral("4"), .jede = QStringLiteral("1")};
        e.gruppen.clear();
        for (int i = 1; i <= 30; ++i)
            e.gruppen << QStringLiteral("Gruppe %1").arg(i);
        Probefenster f(e);
        QVERIFY(zeigeUndStarte(f));
        QScrollBar* leiste = f.rollbereich()->verticalScrollBar();
        QTRY_VERIFY(leiste->isVisible());
        const auto obenImBlick = [&f]() -> bool {
            const QRect sicht = f.rollbereich()->viewport()->rect();
            for (const char* name : {"Panel3", "BBweiter", "BBrichtig", "BBfalsch", "LPunkte"}) {
                QWidget* w = element(f, name);
                const QRect r(w->mapTo(f.rollbereich()->viewport(), QPoint(0, 0)), w->size());
                PRUEFE2(sicht.contains(r), name);
            }
            return true;
        };
        QVERIFY(obenImBlick());
        if (perEnter) {
            QWidget* feld = element(f, "Edit1");
            feld->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), feld);
            QTest::keyClick(feld, Qt::Key_Return);
        } else {
            QVERIFY(klicke(knopf(f, "BitBtn1")));
        }
        QVERIFY(element(f, "Panel1")->isHidden());
        QCoreApplication::processEvents();
        QVERIFY(obenImBlick());
        // Play: a reveal and a claim switch buttons on and off.
        QVERIFY(klicke(knopf(f, "BBweiter")));
        QVERIFY(klicke(f.zeile(0)->antwortKnopf()));
        QVERIFY(klicke(knopf(f, "BBfalsch")));
        QCoreApplication::processEvents();
        QVERIFY(obenImBlick());
    }

    void gruppennameWoertlich()
    {
        const Spieldatei e{.gruppen = {QStringLiteral("A&B"), QStringLiteral("   "), QStringLiteral("&&x")}};
        Probefenster f(e);
        QCOMPARE(f.zeilenzahl(), 3);
        for (int i = 0; i < 3; ++i) {
            QLabel* l = f.zeile(i)->nameLabel();
            QCOMPARE(l->text(), e.gruppen[i]);
            QVERIFY(!l->buddy());
            QCOMPARE(l->textFormat(), Qt::PlainText);
            // The ampersand is drawn, not taken as a mnemonic: the label is as wide as the whole text.
            QCOMPARE(l->sizeHint().width(), QFontMetrics(l->font()).horizontalAdvance(e.gruppen[i]));
            QCOMPARE(l->pos(), QPoint(8, 8));
            QCOMPARE(l->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        }
    }

    void zugangsnamen()
    {
        Probefenster f;
        QCOMPARE(element(f, "BBweiter")->accessibleName(), QStringLiteral("Aufdecken"));
        QCOMPARE(element(f, "Image3")->accessibleName(), QStringLiteral("Bild"));
        QCOMPARE(element(f, "BBneuesBild")->accessibleName(), QStringLiteral("Neues Bild"));
        QCOMPARE(element(f, "BitBtn1")->accessibleName(), QStringLiteral("OK"));
        QCOMPARE(element(f, "LPunkte")->accessibleName(), QStringLiteral("Punktegutschrift:"));
        QCOMPARE(f.zeile(1)->antwortKnopf()->accessibleName(), QStringLiteral("Antwort: Biber & Co"));
        QCOMPARE(f.zeile(2)->eingabe()->accessibleName(), QStringLiteral("Punkte: Chamäleon"));
        QCOMPARE(f.zeile(2)->nameLabel()->accessibleName(), QStringLiteral("Chamäleon"));
        QCOMPARE(f.zeile(0)->punkteLabel()->accessibleName(), QStringLiteral("0 Punkte"));
        f.setzePunkteText(0, QStringLiteral("7 Punkte"));
        QCOMPARE(f.zeile(0)->punkteLabel()->accessibleName(), QStringLiteral("7 Punkte"));
        qobject_cast<QLineEdit*>(element(f, "Edit2"))->setText(QStringLiteral("5"));
        QCOMPARE(element(f, "Label3")->accessibleName(),
                 QStringLiteral("Es können maximal 3 Punkte pro Bild erreicht werden."));
        // Every button and edit field of the window has a name.
        for (QWidget* w : f.findChildren<QWidget*>()) {
            if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w))
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        }
    }

    void tabfolge()
    {
        Probefenster f({.gruppen = {QStringLiteral("Adler"), QStringLiteral("Biber")}});

        // The focus chain as designed, hidden and disabled controls included.
        const QStringList soll = {"BBweiter", "RadioGroup1_0", "RadioGroup1_1", "Edit1", "Edit2",
                                  "BitBtn1", "BBfalsch", "BBrichtig", "BitBtn2", "BBneuesBild",
                                  "BBpunkteEingeben", "BBeingabeFertig", "BBantwort0",
                                  "EGruppenPunkte0", "BBantwort1", "EGruppenPunkte1"};
        QStringList kette;
        QWidget* w = element(f, "BBweiter");
        for (int n = 0; n < 200 && kette.size() < soll.size(); ++n, w = w->nextInFocusChain()) {
            if (soll.contains(w->objectName()) && !kette.contains(w->objectName()))
                kette << w->objectName();
        }
        QCOMPARE(kette, soll);

        // Tab skips the disabled and hidden ones.
        QVERIFY(zeigeUndStarte(f));
        element(f, "Edit1")->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), element(f, "Edit1"));
        QStringList besucht;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            besucht << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(besucht, QStringList({"Edit2", "BitBtn1", "BBpunkteEingeben", "RadioGroup1_0"}));
    }

    void enterImEinstellungsfeld_data()
    {
        spalten<QString, QString>("fokus", "geklickt");
        QTest::newRow("Strafpunkte") << "Edit1" << "BitBtn1";
        QTest::newRow("Sektoren") << "Edit2" << "BitBtn1";
        QTest::newRow("Radio") << "RadioGroup1_0" << "BitBtn1";
        QTest::newRow("Knopf mit Fokus") << "BBpunkteEingeben" << "BBpunkteEingeben";
    }
    void enterImEinstellungsfeld()
    {
        auto [fokus, geklickt] = hole<QString, QString>("fokus", "geklickt");
        Probefenster f;
        QVERIFY(zeigeUndStarte(f));
        QSignalSpy ok(knopf(f, "BitBtn1"), &QAbstractButton::clicked);
        QSignalSpy eingeben(knopf(f, "BBpunkteEingeben"), &QAbstractButton::clicked);
        QWidget* ziel = f.findChild<QWidget*>(fokus);
        ziel->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), ziel);
        QTest::keyClick(ziel, Qt::Key_Return);
        QCOMPARE(ok.count(), geklickt == "BitBtn1" ? 1 : 0);
        QCOMPARE(eingeben.count(), geklickt == "BBpunkteEingeben" ? 1 : 0);
        if (geklickt == "BitBtn1") {
            // OK ran: the panel is gone and the first picture is announced.
            QVERIFY(element(f, "Panel1")->isHidden());
            QVERIFY(knopf(f, "BBweiter")->isEnabled());
        }
    }

    void enterBeiHandeingabe()
    {
        Probefenster f;
        QVERIFY(zeigeUndStarte(f));
        QVERIFY(klicke(knopf(f, "BitBtn1")));
        QVERIFY(f.meldungen.liste.isEmpty());
        QVERIFY(knopf(f, "BBweiter")->isEnabled());

        QVERIFY(klicke(knopf(f, "BBpunkteEingeben")));
        QVERIFY(f.zeile(0)->eingabe()->isVisible());
        QVERIFY(knopf(f, "BBeingabeFertig")->isVisible());
        QLineEdit* feld = f.zeile(1)->eingabe();
        feld->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), feld);

        QSignalSpy weiter(knopf(f, "BBweiter"), &QAbstractButton::clicked);
        QSignalSpy richtig(knopf(f, "BBrichtig"), &QAbstractButton::clicked);
        QSignalSpy fertig(knopf(f, "BBeingabeFertig"), &QAbstractButton::clicked);

        // Only the reveal button is enabled: Enter reveals.
        QTest::keyClick(feld, Qt::Key_Return);
        QCOMPARE(weiter.count(), 1);
        QCOMPARE(richtig.count() + fertig.count(), 0);
        QVERIFY(f.zeile(0)->eingabe()->isVisible());

        // A claim enables "richtig", which Enter now prefers.
        const int g = sichtbareAntwort(f);
        QVERIFY(g >= 0);
        QVERIFY(klicke(f.zeile(g)->antwortKnopf()));
        QVERIFY(knopf(f, "BBrichtig")->isEnabled());
        feld->setFocus();
        QTest::keyClick(feld, Qt::Key_Enter);
        QCOMPARE(richtig.count(), 1);
        QCOMPARE(weiter.count(), 1);
        QCOMPARE(f.zeile(g)->punkteLabel()->text(), QStringLiteral("18 Punkte"));

        // Neither is enabled any more: Enter ends the hand entry.
        QVERIFY(!knopf(f, "BBweiter")->isEnabled());
        QTest::keyClick(feld, Qt::Key_Return);
        QCOMPARE(fertig.count(), 1);
        QVERIFY(f.zeile(0)->eingabe()->isHidden());
        QVERIFY(!knopf(f, "BBeingabeFertig")->isVisible());
        // The field still held the score from the start of the entry, which wins.
        QCOMPARE(f.zeile(g)->punkteLabel()->text(), QStringLiteral("0 Punkte"));
        QVERIFY(f.meldungen.liste.isEmpty());
    }

    void meldungsboxen_data()
    {
        spalten<int, QString, int>("art", "titel", "symbol");
        QTest::newRow("Hinweis") << int(Meldungsart::Hinweis) << "Varno Quiz" << int(QMessageBox::NoIcon);
        QTest::newRow("Warnung") << int(Meldungsart::Warnung) << "Warnung" << int(QMessageBox::Warning);
        QTest::newRow("Fehler") << int(Meldungsart::Fehler) << "Fehler" << int(QMessageBox::Critical);
        QTest::newRow("Ausnahme") << int(Meldungsart::Ausnahme) << "Varno Quiz" << int(QMessageBox::Critical);
    }
    void meldungsboxen()
    {
        auto [art, titel, symbol] = hole<int, QString, int>("art", "titel", "symbol");
        const QString text = QStringLiteral("Fehler in der Datei \"Varno.ini\":\n\rZeile <b>zwei</b>");
        auto box = baueMeldungsbox(static_cast<Meldungsart>(art), text);
        QCOMPARE(box->windowTitle(), titel);
        QCOMPARE(int(box->icon()), symbol);
        QCOMPARE(box->text(), QStringLiteral("Fehler in der Datei \"Varno.ini\":\nZeile <b>zwei</b>"));
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->button(QMessageBox::Ok)->text().remove(QLatin1Char('&')), QStringLiteral("OK"));
    }

    void startfehlerSchliesst()
    {
        Probefenster f({.test = QStringLiteral("2")});
        QCOMPARE(f.meldungen.liste.size(), 1);
        QCOMPARE(f.meldungen.liste[0].art, Meldungsart::Fehler);
        QVERIFY(f.spielstand().StartFehler);
        f.zeigeZentriert();
        QTRY_VERIFY(f.startschritteGelaufen());
        QTRY_VERIFY(!f.isVisible());
        QCOMPARE(f.aussenGroesse(), QSize(520, 498));
        QCOMPARE(f.meldungen.liste.size(), 1);
    }

    void fehlendeEinstellungsdatei()
    {
        Probefenster f{OhneEinstellungsdatei{}};
        QCOMPARE(f.meldungen.mitArt(),
                 nurMeldung(Meldungsart::Hinweis, QStringLiteral("Ini-Datei Varno.ini nicht gefunden.")));
        QCOMPARE(f.zeilenzahl(), 0);
        QVERIFY(zeigeUndStarte(f));
        QVERIFY(f.isVisible());
        QVERIFY(!element(f, "Panel1")->isHidden());
        // The first layout enforces the minimum size.
        QCOMPARE(f.aussenGroesse(), QSize(800, 600));
        // No rows: "Punkte eingeben" must stay harmless.
        QVERIFY(klicke(knopf(f, "BBpunkteEingeben")));
        QCOMPARE(f.meldungen.liste.size(), 1);
        QVERIFY(knopf(f, "BBpunkteEingeben")->isVisible());
    }

    void startgroesse_data()
    {
        spalten<QString, QSize, bool>("einstellung", "groesse", "maximiert");
        QTest::newRow("1024x768") << "1024,768" << QSize(1024, 768) << false;
        QTest::newRow("640x480") << "640,480" << QSize(800, 600) << false;
        QTest::newRow("1024x600") << "1024,600" << QSize(1024, 600) << false;
        QTest::newRow("max") << " MAX " << QSize() << true;
    }
    void startgroesse()
    {
        auto [einstellung, groesse, maximiert] = hole<QString, QSize, bool>("einstellung", "groesse", "maximiert");
        Probefenster f({.fenster = einstellung});
        QVERIFY(zeigeUndStarte(f));
        QVERIFY(f.meldungen.liste.isEmpty());
        if (maximiert) {
            QVERIFY(f.windowState() & Qt::WindowMaximized);
            const QSize frei = f.screen()->availableGeometry().size();
            QTRY_COMPARE(f.aussenGroesse(), frei);
            QCOMPARE(f.spielstand().FensterBreite, frei.width());
        } else {
            QTRY_COMPARE(f.frameGeometry().size(), groesse);
            QCOMPARE(f.aussenGroesse(), groesse);
            QCOMPARE(f.frameGeometry().topLeft(), QPoint(0, 0));
        }
        // The picture area was laid out for the final client size (4:3; on a
        // large screen the room may be wider than that).
        QCOMPARE(f.spielstand().BildBreite, berechneBildbereich(klient(f), 4, 3).groesse.width());
        // The column follows the right edge.
        QCOMPARE(klient(f).width() - (f.zeile(0)->geometry().right() + 1), 20);
        QCOMPARE(element(f, "BBpunkteEingeben")->geometry().bottom() + 1, klient(f).height() - 18);
    }

    void kurzesSpiel()
    {
        Probefenster f({.fenster = QStringLiteral("900,650"), .sektoren = QStringLiteral("4")});
        QVERIFY(zeigeUndStarte(f));
        QCOMPARE(element(f, "Label3")->property("text").toString(),
                 QStringLiteral("Es können maximal 2 Punkte pro Bild erreicht werden."));

        QVERIFY(klicke(knopf(f, "BitBtn1")));
        QVERIFY(f.meldungen.liste.isEmpty());
        QVERIFY(element(f, "Panel1")->isHidden());
        QVERIFY(!knopf(f, "BBneuesBild")->isEnabled());
        const int g = sichtbareAntwort(f);
        QVERIFY(g >= 0);
        QCOMPARE(f.zeile(g)->palette().color(QPalette::Window), QColor(255, 255, 200));
        const QImage& bild = f.bildbereich().sichtbaresBild();
        QVERIFY(!bild.isNull());
        QVERIFY(anteil(bild, [](QColor c) { return c == QColor(128, 128, 128); }) > 0.9);  // fully covered

        QVERIFY(klicke(knopf(f, "BBweiter")));
        QVERIFY(element(f, "LPunkte")->isVisible());
        QCOMPARE(qobject_cast<QLabel*>(element(f, "LPunkte"))->text(),
                 QStringLiteral("Hierfür gibt es 2 Punkte."));

        QVERIFY(klicke(f.zeile(g)->antwortKnopf()));
        QVERIFY(knopf(f, "BBrichtig")->isEnabled());
        QVERIFY(knopf(f, "BBfalsch")->isEnabled());
        QVERIFY(!knopf(f, "BBweiter")->isEnabled());

        QVERIFY(klicke(knopf(f, "BBrichtig")));
        QCOMPARE(f.zeile(g)->punkteLabel()->text(), QStringLiteral("2 Punkte"));
        QCOMPARE(f.zeile(g)->punkteLabel()->geometry().right() + 1, 440);
        QVERIFY(knopf(f, "BBneuesBild")->isEnabled());
        QVERIFY(!f.zeile(g)->antwortKnopf()->isVisible());
        // The whole red picture shows now.
        QVERIFY(anteil(f.bildbereich().sichtbaresBild(), istRot) > 0.9);
        // What the window shows is that picture.
        const QImage gezeigt = element(f, "Image3")->grab().toImage();
        QCOMPARE(gezeigt.size(), f.bildbereich().sichtbaresBild().size());
        QVERIFY(anteil(gezeigt, istRot) > 0.9);

        // The second picture is the last: "Neues Bild" disappears.
        QVERIFY(klicke(knopf(f, "BBneuesBild")));
        QVERIFY(f.meldungen.liste.isEmpty());
        QVERIFY(knopf(f, "BBneuesBild")->isHidden());
        QVERIFY(knopf(f, "BBweiter")->isEnabled());
        QVERIFY(!element(f, "BitBtn2")->isVisible());
        QVERIFY(!element(f, "BitBtn2")->isVisibleTo(&f));
    }

    void sektorenhinweisFolgtDerEingabe()
    {
        Probefenster f;
        auto* edit2 = qobject_cast<QLineEdit*>(element(f, "Edit2"));
        auto* label3 = qobject_cast<QLabel*>(element(f, "Label3"));
        QCOMPARE(edit2->text(), QStringLiteral("20"));
        QCOMPARE(f.spielstand().Sektorenzahl, 20);
        edit2->setText(QStringLiteral("7"));
        QCOMPARE(label3->text(), QStringLiteral("Es können maximal 5 Punkte pro Bild erreicht werden."));
        QCOMPARE(label3->size(), label3->sizeHint());
        edit2->setText(QStringLiteral("1"));
        QCOMPARE(label3->text(), QString());
        QCOMPARE(f.spielstand().Sektorenzahl, 1);
        // The reader hands over text and hint; the window shows both and leaves
        // the count to the reader, which has set it already.
        f.spielstand().Sektorenzahl = 0;
        f.setzeSektorenText(QStringLiteral("9"), QStringLiteral("Es können maximal 7 Punkte pro Bild erreicht werden."));
        QCOMPARE(edit2->text(), QStringLiteral("9"));
        QCOMPARE(label3->text(), QStringLiteral("Es können maximal 7 Punkte pro Bild erreicht werden."));
        QCOMPARE(f.spielstand().Sektorenzahl, 0);
    }

    void tastenDeutung_data()
    {
        spalten<int, int, int, QString>("taste", "modifikatoren", "scancode", "bedeutung");
        const int keine = Qt::NoModifier, block = Qt::KeypadModifier;
        // By the physical key: the same key under a German and an English layout.
        QTest::newRow("1, digit row") << int(Qt::Key_1) << keine << 10 << "Gruppe 0";
        QTest::newRow("0, digit row") << int(Qt::Key_0) << keine << 19 << "Gruppe 9";
        QTest::newRow("& on the 1 key (French)") << int(Qt::Key_Ampersand) << keine << 10 << "Gruppe 0";
        QTest::newRow("Q") << int(Qt::Key_Q) << keine << 24 << "Gruppe 10";
        QTest::newRow("Z, German") << int(Qt::Key_Z) << keine << 29 << "Gruppe 15";
        QTest::newRow("Y, English") << int(Qt::Key_Y) << keine << 29 << "Gruppe 15";
        QTest::newRow("Y, German bottom row") << int(Qt::Key_Y) << keine << 52 << "";
        QTest::newRow("A") << int(Qt::Key_A) << keine << 38 << "Gruppe 20";
        QTest::newRow("Ö, German") << int(Qt::Key_Odiaeresis) << keine << 47 << "Gruppe 29";
        QTest::newRow("; English") << int(Qt::Key_Semicolon) << keine << 47 << "Gruppe 29";
        QTest::newRow("Ü: no group") << int(Qt::Key_Udiaeresis) << keine << 34 << "";
        QTest::newRow("shifted 1 (!)") << int(Qt::Key_Exclam) << int(Qt::ShiftModifier) << 10 << "Gruppe 0";
        QTest::newRow("Ctrl+1 is the desktop's") << int(Qt::Key_1) << int(Qt::ControlModifier) << 10 << "";
        // The number pad, by its digits.
        QTest::newRow("pad 3") << int(Qt::Key_3) << block << 89 << "Gruppe 2";
        QTest::newRow("pad 0") << int(Qt::Key_0) << block << 90 << "Gruppe 9";
        QTest::newRow("pad Page Down (no NumLock)") << int(Qt::Key_PageDown) << block << 89 << "Weiter";
        QTest::newRow("pad +") << int(Qt::Key_Plus) << block << 86 << "Richtig";
        QTest::newRow("pad -") << int(Qt::Key_Minus) << block << 82 << "Falsch";
        // By the character where the platform names no key.
        QTest::newRow("no scancode: 3") << int(Qt::Key_3) << keine << 0 << "Gruppe 2";
        QTest::newRow("no scancode: Z") << int(Qt::Key_Z) << keine << 0 << "Gruppe 15";
        QTest::newRow("no scancode: Y") << int(Qt::Key_Y) << keine << 0 << "Gruppe 15";
        QTest::newRow("no scancode: Ö") << int(Qt::Key_Odiaeresis) << keine << 0 << "Gruppe 29";
        QTest::newRow("+") << int(Qt::Key_Plus) << int(Qt::ShiftModifier) << 21 << "Richtig";
        QTest::newRow("-") << int(Qt::Key_Minus) << keine << 20 << "Falsch";
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << keine << 117 << "Weiter";
        QTest::newRow("right arrow") << int(Qt::Key_Right) << keine << 114 << "Weiter";
        QTest::newRow("left arrow") << int(Qt::Key_Left) << keine << 113 << "";
        QTest::newRow("F1") << int(Qt::Key_F1) << keine << 67 << "Hilfe";
        QTest::newRow("F2") << int(Qt::Key_F2) << keine << 68 << "Rangliste";
        QTest::newRow("F11") << int(Qt::Key_F11) << keine << 95 << "Vollbild";
        QTest::newRow("Escape") << int(Qt::Key_Escape) << keine << 9 << "VollbildAus";
        QTest::newRow("M") << int(Qt::Key_M) << keine << 58 << "Ton";
        QTest::newRow("F5") << int(Qt::Key_F5) << keine << 71 << "Publikum";
        QTest::newRow("Shift+F5") << int(Qt::Key_F5) << int(Qt::ShiftModifier) << 71 << "PublikumWeiter";
        QTest::newRow("F6") << int(Qt::Key_F6) << keine << 72 << "Telefone";
        QTest::newRow("B") << int(Qt::Key_B) << keine << 56 << "Schwarz";
        QTest::newRow(". (a remote's black screen)") << int(Qt::Key_Period) << keine << 60 << "Schwarz";
        QTest::newRow("pad .") << int(Qt::Key_Period) << block << 91 << "Schwarz";
        QTest::newRow(". on the E key (Dvorak) stays group 13") << int(Qt::Key_Period) << keine << 26 << "Gruppe 12";
        QTest::newRow("Ctrl+B is the desktop's") << int(Qt::Key_B) << int(Qt::ControlModifier) << 56 << "";
        QTest::newRow("Enter stays Enter") << int(Qt::Key_Return) << keine << 36 << "";
        QTest::newRow("Space stays Space") << int(Qt::Key_Space) << keine << 65 << "";
        QTest::newRow("End") << int(Qt::Key_End) << keine << 115 << "BildEnde";
        QTest::newRow("pad End is pad 1 (no NumLock)") << int(Qt::Key_End) << block << 87 << "";
        QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << int(Qt::ControlModifier) << 52 << "Rueckgaengig";
        QTest::newRow("Ctrl+Z, German") << int(Qt::Key_Z) << int(Qt::ControlModifier) << 29 << "Rueckgaengig";
        QTest::newRow("Ctrl+Shift+Z is no undo") << int(Qt::Key_Z) << int(Qt::ControlModifier | Qt::ShiftModifier) << 52 << "";
        QTest::newRow("Ctrl+Alt+Z is the desktop's") << int(Qt::Key_Z) << int(Qt::ControlModifier | Qt::AltModifier) << 52 << "";
    }
    void tastenDeutung()
    {
        auto [taste, modifikatoren, scancode, bedeutung] =
            hole<int, int, int, QString>("taste", "modifikatoren", "scancode", "bedeutung");
        const auto t = deuteTaste(taste, Qt::KeyboardModifiers(modifikatoren), quint32(scancode));
        static const char* const namen[] = {"Gruppe",  "Richtig",      "Falsch",   "Weiter",   "Vollbild",
                                            "VollbildAus", "Hilfe",    "Rangliste", "Ton",     "BildEnde",
                                            "Rueckgaengig", "Publikum", "PublikumWeiter", "Schwarz",
                                            "Telefone"};
        QString ist;
        if (t) {
            ist = QLatin1String(namen[int(t->aktion)]);
            if (t->aktion == Tastenaktion::Gruppe)
                ist += QStringLiteral(" %1").arg(t->gruppe);
        }
        QCOMPARE(ist, bedeutung);
    }

    void tastenImSpiel_data()
    {
        spalten<QString, int, int, QString>("zustand", "taste", "scancode", "erwartet");
        const int eins = Qt::Key_1, zwei = Qt::Key_2, plus = Qt::Key_Plus, minus = Qt::Key_Minus,
                  ab = Qt::Key_PageDown, rechts = Qt::Key_Right;
        // Group keys (digit row 1 and 2 = groups 1 and 2).
        QTest::newRow("1 in Announced") << "Angekündigt" << eins << 10 << "nichts";
        QTest::newRow("1 in Open") << "Offen" << eins << 10 << "meldet 0";
        QTest::newRow("2 in Open") << "Offen" << zwei << 11 << "meldet 1";
        QTest::newRow("4: no such group") << "Offen" << int(Qt::Key_4) << 13 << "nichts";
        QTest::newRow("2 in Answering") << "Antwortet" << zwei << 11 << "nichts";
        QTest::newRow("1 after its falsch") << "Gruppe 1 raus" << eins << 10 << "nichts";
        QTest::newRow("2 after group 1's falsch") << "Gruppe 1 raus" << zwei << 11 << "meldet 1";
        QTest::newRow("1 in Preview") << "Vorschau" << eins << 10 << "nichts";
        // Verdicts.
        QTest::newRow("+ in Answering") << "Antwortet" << plus << 21 << "richtig";
        QTest::newRow("- in Answering") << "Antwortet" << minus << 20 << "falsch";
        QTest::newRow("+ in Open") << "Offen" << plus << 21 << "nichts";
        QTest::newRow("- in Open") << "Offen" << minus << 20 << "nichts";
        QTest::newRow("+ in Ready") << "Bereit" << plus << 21 << "nichts";
        // The next step in every state of play.
        QTest::newRow("Page Down in Settings") << "Einstellungen" << ab << 117 << "nichts";
        QTest::newRow("Page Down in Ready") << "Bereit" << ab << 117 << "neues Bild";
        QTest::newRow("Page Down in Announced") << "Angekündigt" << ab << 117 << "deckt auf";
        QTest::newRow("Page Down in Open") << "Offen" << ab << 117 << "deckt auf";
        QTest::newRow("Page Down in Answering") << "Antwortet" << ab << 117 << "nichts";
        QTest::newRow("Page Down in Exhausted") << "Ausgeschöpft" << ab << 117 << "nichts";
        QTest::newRow("Page Down in Preview") << "Vorschau" << ab << 117 << "neues Bild";
        QTest::newRow("right arrow in Open") << "Offen" << rechts << 114 << "deckt auf";
        // End the picture.
        const int ende = Qt::Key_End, strgZ = QKeyCombination(Qt::ControlModifier, Qt::Key_Z).toCombined();
        QTest::newRow("End in Settings") << "Einstellungen" << ende << 115 << "nichts";
        QTest::newRow("End in Announced") << "Angekündigt" << ende << 115 << "beendet";
        QTest::newRow("End in Open") << "Offen" << ende << 115 << "beendet";
        QTest::newRow("End in Answering") << "Antwortet" << ende << 115 << "beendet";
        QTest::newRow("End after group 1's falsch") << "Gruppe 1 raus" << ende << 115 << "beendet";
        QTest::newRow("End in Ready") << "Bereit" << ende << 115 << "nichts";
        QTest::newRow("End in Exhausted") << "Ausgeschöpft" << ende << 115 << "nichts";
        QTest::newRow("End in Preview") << "Vorschau" << ende << 115 << "nichts";
        // Take back the last verdict.
        const QString nichtsZurueck = QStringLiteral("nichts / Nichts rückgängig zu machen");
        QTest::newRow("Ctrl+Z in Settings") << "Einstellungen" << strgZ << 52 << nichtsZurueck;
        QTest::newRow("Ctrl+Z in Open") << "Offen" << strgZ << 52 << nichtsZurueck;
        QTest::newRow("Ctrl+Z in Answering") << "Antwortet" << strgZ << 52 << nichtsZurueck;
        QTest::newRow("Ctrl+Z after falsch") << "Gruppe 1 raus" << strgZ << 52 << "nimmt zurück / Rückgängig: falsch für Adler";
        QTest::newRow("Ctrl+Z after richtig") << "Bereit" << strgZ << 52 << "nimmt zurück / Rückgängig: richtig für Adler";
        QTest::newRow("Ctrl+Z in Exhausted") << "Ausgeschöpft" << strgZ << 52 << "nimmt zurück / Rückgängig: richtig für Adler";
        QTest::newRow("Ctrl+Z in Preview") << "Vorschau" << strgZ << 52 << nichtsZurueck;
    }
    void tastenImSpiel()
    {
        auto [zustand, taste, scancode, erwartet] =
            hole<QString, int, int, QString>("zustand", "taste", "scancode", "erwartet");
        Probefenster f({.test = zustand == "Vorschau" ? QStringLiteral("1") : QStringLiteral("0"),
                        .jede = QStringLiteral("1")});
        QVERIFY(zeigeUndStarte(f));
        QVERIFY(spieleBis(f, zustand));
        QVERIFY(f.meldungen.liste.isEmpty());
        const Spielstand vorher = f.spielstand();
        // The key goes where the keyboard focus is, as a real key would.
        QWidget* ziel = QApplication::focusWidget() ? QApplication::focusWidget() : &f;
        QVERIFY(!qobject_cast<QLineEdit*>(ziel));
        const QKeyCombination kombination = QKeyCombination::fromCombined(taste);
        drueckeTaste(ziel, int(kombination.key()), kombination.keyboardModifiers(), quint32(scancode), QString());
        QCOMPARE(wirkung(f, vorher, f.spielstand()), erwartet);
        QVERIFY(f.meldungen.liste.isEmpty());
    }

    // X without detectable auto-repeat sends a held key as release and press
    // with one time stamp; read late, Qt cannot tell them from new presses.
    void gehalteneTaste_data()
    {
        spalten<bool, int>("gehalten", "aufgedeckt");
        QTest::newRow("held: one step") << true << 1;
        QTest::newRow("pressed three times") << false << 3;
    }
    void gehalteneTaste()
    {
        auto [gehalten, aufgedeckt] = hole<bool, int>("gehalten", "aufgedeckt");
        Probefenster f({.jede = QStringLiteral("1")});
        QVERIFY(zeigeUndStarte(f));
        QVERIFY(spieleBis(f, QStringLiteral("Offen")));
        const int verdeckt = f.spielstand().VerdecktZahl;
        for (quint64 zeit = 100; zeit <= 300; zeit += 100) {
            QKeyEvent druck(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier, 117, 0, 0);
            druck.setTimestamp(zeit);
            QApplication::sendEvent(&f, &druck);
            QKeyEvent los(QEvent::KeyRelease, Qt::Key_PageDown, Qt::NoModifier, 117, 0, 0);
            los.setTimestamp(gehalten ? zeit + 100 : zeit + 50);
            QApplication::sendEvent(&f, &los);
        }
        QCOMPARE(verdeckt - f.spielstand().VerdecktZahl, aufgedeckt);
    }

    // What is typed into an edit field stays there: no group claims, no verdict.
    void tastenImEingabefeld()
    {
        Probefenster f({.jede = QStringLiteral("1")});
        QVERIFY(zeigeUndStarte(f));
        auto* sektoren = qobject_cast<QLineEdit*>(element(f, "Edit2"));
        sektoren->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), sektoren);
        sektoren->clear();
        QTest::keyClicks(sektoren, QStringLiteral("12-"));
        QCOMPARE(sektoren->text(), QStringLiteral("12-"));
        sektoren->setText(QStringLiteral("20"));

        QVERIFY(klicke(knopf(f, "BitBtn1")));
        QVERIFY(klicke(knopf(f, "BBweiter")));
        QVERIFY(klicke(knopf(f, "BBpunkteEingeben")));
        QLineEdit* feld = f.zeile(1)->eingabe();
        feld->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), feld);
        const Spielstand vorher = f.spielstand();
        drueckeTaste(feld, Qt::Key_1, Qt::NoModifier, 10, QStringLiteral("1"));
        drueckeTaste(feld, Qt::Key_Minus, Qt::NoModifier, 20, QStringLiteral("-"));
        drueckeTaste(feld, Qt::Key_PageDown, Qt::NoModifier, 117, QString());
        QCOMPARE(feld->text(), QStringLiteral("01-"));
        QCOMPARE(wirkung(f, vorher, f.spielstand()), QStringLiteral("nichts"));
    }

    void schliessen_data()
    {
        // weg: "Fenstersystem": title bar, Alt+F4, task bar; "Programm"; "Abmeldung";
        // beenden: the answer to a question
        spalten<QString, QString, bool, bool, bool>("zustand", "weg", "beenden", "gefragt", "geschlossen");
        QTest::newRow("Settings") << "Einstellungen" << "Fenstersystem" << false << false << true;
        QTest::newRow("Announced, Weiterspielen") << "Angekündigt" << "Fenstersystem" << false << true << false;
        QTest::newRow("Announced, Beenden") << "Angekündigt" << "Fenstersystem" << true << true << true;
        QTest::newRow("Open") << "Offen" << "Fenstersystem" << false << true << false;
        QTest::newRow("Answering") << "Antwortet" << "Fenstersystem" << false << true << false;
        QTest::newRow("Ready between pictures") << "Bereit" << "Fenstersystem" << false << true << false;
        QTest::newRow("Exhausted") << "Ausgeschöpft" << "Fenstersystem" << false << false << true;
        QTest::newRow("Preview") << "Vorschau" << "Fenstersystem" << false << true << false;
        QTest::newRow("Preview of the last picture") << "Vorschau, letztes Bild" << "Fenstersystem" << false << false << true;
        QTest::newRow("Open, the program closes") << "Offen" << "Programm" << false << false << true;
        QTest::newRow("Open, logout") << "Offen" << "Abmeldung" << false << false << true;
    }

    // Closing the window during a game asks first, unless the program or the
    // session closes it.
    void schliessen()
    {
        auto [zustand, weg, beenden, gefragt, geschlossen] =
            hole<QString, QString, bool, bool, bool>("zustand", "weg", "beenden", "gefragt", "geschlossen");
        const bool test = zustand.startsWith(QStringLiteral("Vorschau"));
        Probefenster f({.test = test ? QStringLiteral("1") : QStringLiteral("0"), .jede = QStringLiteral("1")});
        QVERIFY(zeigeUndStarte(f));
        QVERIFY(spieleBis(f, test ? QStringLiteral("Vorschau") : zustand));
        if (zustand == "Vorschau, letztes Bild")
            QVERIFY(klicke(knopf(f, "BBneuesBild")));
        f.meldungen.antwortJa = beenden;
        if (weg == "Programm") {
            f.close();
        } else {
            if (weg == "Abmeldung")
                f.sitzungEndet();
            // What the window manager's close turns into: a close of the native window.
            QCloseEvent schliessen;
            QApplication::sendEvent(f.windowHandle(), &schliessen);
        }
        QCOMPARE(f.meldungen.fragen,
                 gefragt ? QStringList{"Das Spiel läuft noch. Wirklich beenden? Die Punkte gehen dabei verloren. | "
                                       "Beenden | Weiterspielen"}
                         : QStringList());
        QCOMPARE(!f.isVisible(), geschlossen);
        QVERIFY(f.meldungen.liste.isEmpty());
    }

    void fragebox()
    {
        auto box = baueFragebox(QStringLiteral("Wirklich?"), QStringLiteral("Beenden"), QStringLiteral("Weiterspielen"));
        QCOMPARE(box->windowTitle(), QStringLiteral("Varno Quiz"));
        QCOMPARE(box->icon(), QMessageBox::Question);
        QCOMPARE(box->text(), QStringLiteral("Wirklich?"));
        QCOMPARE(box->buttons().size(), 2);
        QCOMPARE(box->buttons()[0]->text(), QStringLiteral("Beenden"));
        QCOMPARE(box->buttons()[1]->text(), QStringLiteral("Weiterspielen"));
        QCOMPARE(box->defaultButton(), box->buttons()[1]);
        QCOMPARE(box->escapeButton(), box->buttons()[1]);
    }

    // F2 over a game of 30 groups on the smallest window: every group, highest
    // score first, the first three places larger; any key closes it and changes
    // nothing, not even as the group key it is.
    void ranglisteUeberDemFenster()
    {
        Spieldatei e;
        e.fenster = QStringLiteral("800,600");
        e.panel = QStringLiteral("0");
        e.jede = QStringLiteral("1");
        e.gruppen.clear();
        for (int g = 1; g <= 30; ++g)
            e.gruppen << QStringLiteral("Gruppe %1").arg(g);
        Probefenster f(e);
        QVERIFY(zeigeUndStarte(f));
        QVERIFY(klicke(knopf(f, "BBweiter")));   // claims are open: a stray group key would count
        for (int g = 0; g < 30; ++g)
            f.spielstand().Punktestand[std::size_t(g)] = g % 10;   // groups 10, 20, 30 lead with 9
        const Spielstand vorher = f.spielstand();
        drueckeTaste(&f, Qt::Key_F2, Qt::NoModifier, 68, QString());
        auto* rangliste = f.findChild<QWidget*>(QStringLiteral("Rangliste"));
        QVERIFY(rangliste && rangliste->isVisible());
        QCOMPARE(rangliste->geometry(), f.rect());
        QList<QLabel*> zeilen;
        for (int r = 0; r < 30; ++r) {
            auto* l = rangliste->findChild<QLabel*>(QStringLiteral("Rang%1").arg(r));
            QVERIFY2(l, qPrintable(QStringLiteral("rank %1 missing").arg(r)));
            QVERIFY2(f.rect().contains(QRect(l->mapTo(&f, QPoint(0, 0)), l->size())),
                     qPrintable(QStringLiteral("rank %1 outside the window").arg(r)));
            QCOMPARE(l->accessibleName(), l->text());
            zeilen << l;
        }
        QCOMPARE(zeilen[0]->text(), QStringLiteral("1. Gruppe 10: 9 Punkte"));
        QCOMPARE(zeilen[2]->text(), QStringLiteral("1. Gruppe 30: 9 Punkte"));
        QCOMPARE(zeilen[3]->text(), QStringLiteral("4. Gruppe 9: 8 Punkte"));
        QCOMPARE(zeilen[29]->text(), QStringLiteral("28. Gruppe 21: 0 Punkte"));
        // Places 1 to 3 larger; here place 4 is the first of the rest.
        QVERIFY(zeilen[2]->font().pixelSize() > zeilen[3]->font().pixelSize());

        drueckeTaste(&f, Qt::Key_A, Qt::NoModifier, 38, QStringLiteral("a"));   // group 21's key
        QVERIFY(!rangliste->isVisible());
        QCOMPARE(f.spielstand().AktiveGruppe, vorher.AktiveGruppe);
        QCOMPARE(f.spielstand().VerdecktZahl, vorher.VerdecktZahl);
        // A click closes it as well.
        drueckeTaste(&f, Qt::Key_F2, Qt::NoModifier, 68, QString());
        QVERIFY(rangliste->isVisible());
        QTest::mouseClick(rangliste, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!rangliste->isVisible());
        QVERIFY(f.meldungen.liste.isEmpty());
    }

    // The audience window's layout on the screens a room may have: every group
    // visible without scrolling, in columns where needed, at a text height read
    // from the back; the picture at the picture area's aspect; nothing overlaps.
    void publikumsAufteilung_data()
    {
        spalten<QSize, QSize, int, int>("schirm", "flaeche", "gruppen", "spalten");
        const QSize vierDrittel(490, 368), breit(890, 501), hoch(490, 653);
        QTest::newRow("1024x768, 30 groups") << QSize(1024, 768) << vierDrittel << 30 << 2;
        QTest::newRow("1024x768, 1 group, 16:9") << QSize(1024, 768) << breit << 1 << 1;
        QTest::newRow("1024x768, 4 groups, 3:4") << QSize(1024, 768) << hoch << 4 << 1;
        QTest::newRow("720p, 13 groups") << QSize(1280, 720) << vierDrittel << 13 << 1;
        QTest::newRow("720p, 30 groups") << QSize(1280, 720) << breit << 30 << 2;
        QTest::newRow("1080p, 12 groups") << QSize(1920, 1080) << vierDrittel << 12 << 1;
        QTest::newRow("4K, 30 groups") << QSize(3840, 2160) << breit << 30 << 2;
        QTest::newRow("no picture area yet") << QSize(1024, 768) << QSize() << 3 << 1;
    }
    void publikumsAufteilung()
    {
        auto [schirm, flaeche, gruppen, spalten] =
            hole<QSize, QSize, int, int>("schirm", "flaeche", "gruppen", "spalten");
        const auto zeilenbreite = [](int pixel) {
            QFont f(QStringLiteral("Arial"));
            f.setPixelSize(pixel);
            f.setBold(true);
            return QFontMetrics(f).horizontalAdvance(QStringLiteral("Gruppe 30-999"));
        };
        const Publikumsaufteilung a = teilePublikumAuf(schirm, flaeche, gruppen, zeilenbreite);
        const QRect ganz(QPoint(0, 0), schirm);
        QCOMPARE(a.spalten, spalten);
        QCOMPARE(int(a.zeilen.size()), gruppen);
        QVERIFY2(a.schrift >= schirm.height() / 32, qPrintable(QString::number(a.schrift)));
        QFont schrift(QStringLiteral("Arial"));
        schrift.setPixelSize(a.schrift);
        schrift.setBold(true);
        for (std::size_t i = 0; i < a.zeilen.size(); ++i) {
            const QRect& r = a.zeilen[i];
            QVERIFY2(ganz.contains(r), qPrintable(QStringLiteral("row %1 off the screen").arg(i)));
            QVERIFY(QFontMetrics(schrift).height() <= r.height());
            for (const QRect& anderes : {a.bild, a.kopf, a.banner})
                QVERIFY2(!r.intersects(anderes), qPrintable(QStringLiteral("row %1 overlaps").arg(i)));
            for (std::size_t j = 0; j < i; ++j)
                QVERIFY(!r.intersects(a.zeilen[j]));
        }
        for (const QRect& teil : {a.bild, a.kopf, a.banner})
            QVERIFY(ganz.contains(teil));
        QVERIFY(!a.bild.intersects(a.kopf) && !a.bild.intersects(a.banner));
        // The same shape as the picture area, up to a pixel's rounding.
        if (!flaeche.isEmpty()) {
            QVERIFY(std::abs(a.bild.width() * flaeche.height() - a.bild.height() * flaeche.width())
                    <= std::max(flaeche.width(), flaeche.height()));
        }
        // Where a board of controls left the picture a quarter of the screen.
        QVERIFY2(10 * a.bild.width() * a.bild.height() >= 3 * schirm.width() * schirm.height(),
                 qPrintable(QStringLiteral("%1x%2").arg(a.bild.width()).arg(a.bild.height())));
    }

    // The audience window through a game played with keys pressed on it: what it
    // shows follows every event, the picture has the main window's sectors, and
    // the main window stays as it was.
    void publikumsfenster()
    {
        Spieldatei e;
        e.fenster = QStringLiteral("800,600");
        e.panel = QStringLiteral("0");
        e.jede = QStringLiteral("1");
        e.sektoren = QStringLiteral("8");
        e.gruppen.clear();
        const QString langerName = QStringLiteral("Die außerordentlich wissbegierigen Nachteulen vom Stammtisch");
        e.gruppen << langerName;
        for (int g = 2; g <= 30; ++g)
            e.gruppen << QStringLiteral("Gruppe %1").arg(g);
        Probefenster f(e);
        QVERIFY(zeigeUndStarte(f));
        const QRect vorher = f.geometry();
        QWidget* p = publikum();
        QVERIFY(p && !p->isVisible());
        drueckeTaste(&f, Qt::Key_B, Qt::NoModifier, 56, QStringLiteral("b"));   // closed: B does nothing
        QVERIFY(!f.findChild<QLabel*>(QStringLiteral("SchwarzHinweis")));

        drueckeTaste(&f, Qt::Key_F5, Qt::NoModifier, 71, QString());
        QVERIFY(p->isVisible());
        QCOMPARE(p->windowTitle(), QStringLiteral("Varno Quiz – Publikum"));
        p->setGeometry(0, 0, 1024, 768);
        QTRY_COMPARE(p->size(), QSize(1024, 768));

        const auto taste = [p](int k, quint32 scancode) { drueckeTaste(p, k, Qt::NoModifier, scancode, QString()); };
        taste(Qt::Key_PageDown, 117);
        taste(Qt::Key_PageDown, 117);
        QCOMPARE(f.spielstand().VerdecktZahl, 6);
        QCOMPARE(text(p, "Bildzaehler"), QStringLiteral("Bild 1 von 2"));
        QCOMPARE(text(p, "Angebot"), punkteAngebotText(5));
        auto* bild = p->findChild<QWidget*>(QStringLiteral("Publikumsbild"));
        QVERIFY(bild);
        QCOMPARE(bild->accessibleName(), QStringLiteral("Publikumsbild"));
        const QImage gross = bild->grab().toImage();
        const QImage klein = f.bildbereich().sichtbaresBild();
        QVERIFY(gross.width() > 2 * klein.width());
        QCOMPARE(graueSektoren(gross, 8), graueSektoren(klein, 8));
        QCOMPARE(graueSektoren(gross, 8).count(true), 6);

        taste(Qt::Key_2, 11);
        QCOMPARE(text(p, "Banner"), QStringLiteral("Gruppe 2 ist dran"));
        auto* zeile1 = p->findChild<QFrame*>(QStringLiteral("PublikumZeile1"));
        QCOMPARE(zeile1->palette().color(QPalette::Window), QColor(255, 255, 200));
        taste(Qt::Key_Minus, 20);
        QCOMPARE(text(p, "Banner"), QStringLiteral("Falsch! Gruppe 2 −3 Punkte"));
        QCOMPARE(text(p, "PublikumPunkte1"), QStringLiteral("-3"));
        QCOMPARE(zeile1->palette().color(QPalette::Window), QColor(192, 192, 192));
        taste(Qt::Key_3, 12);
        taste(Qt::Key_Plus, 21);
        QCOMPARE(text(p, "Banner"), QStringLiteral("Richtig! Gruppe 3 +5 Punkte"));
        QCOMPARE(text(p, "Angebot"), QString());
        // A verdict taken back shows as the group answering again.
        drueckeTaste(p, Qt::Key_Z, Qt::ControlModifier, 52, QString());
        QCOMPARE(text(p, "Banner"), QStringLiteral("Gruppe 3 ist dran"));
        QCOMPARE(text(p, "PublikumPunkte2"), QStringLiteral("0"));
        taste(Qt::Key_Plus, 21);
        QCOMPARE(text(p, "PublikumPunkte2"), QStringLiteral("5"));

        // Every row on the screen, none over another; a long name shortened.
        for (int i = 0; i < 30; ++i) {
            auto* z = p->findChild<QFrame*>(QStringLiteral("PublikumZeile%1").arg(i));
            QVERIFY(z && z->isVisible() && p->rect().contains(z->geometry()));
        }
        auto* name0 = p->findChild<QLabel*>(QStringLiteral("PublikumName0"));
        QVERIFY(name0->text().endsWith(QStringLiteral("…")));
        QCOMPARE(name0->accessibleName(), langerName);

        // B blacks the room out and the host sees that it does.
        taste(Qt::Key_B, 56);
        auto* schwarz = p->findChild<QWidget*>(QStringLiteral("Schwarz"));
        auto* hinweis = f.findChild<QLabel*>(QStringLiteral("SchwarzHinweis"));
        QVERIFY(schwarz->isVisible() && schwarz->geometry() == p->rect() && hinweis && hinweis->isVisible());
        taste(Qt::Key_Period, 60);
        QVERIFY(!schwarz->isVisible() && !hinweis->isVisible());

        // F2 on both windows; a key closes both.
        taste(Qt::Key_F2, 68);
        QVERIFY(f.findChild<QWidget*>(QStringLiteral("Rangliste"))->isVisible());
        QCOMPARE(text(p, "PublikumRang0"), QStringLiteral("1. Gruppe 3: 5 Punkte"));
        taste(Qt::Key_Space, 65);
        QVERIFY(!f.findChild<QWidget*>(QStringLiteral("Rangliste"))->isVisible());
        QCOMPARE(text(p, "PublikumRang0"), QStringLiteral("(none)"));

        // Over the main window on a single screen it steps aside while the host types scores.
        QVERIFY(klicke(knopf(f, "BBpunkteEingeben")));
        QVERIFY(!p->isVisible());
        QVERIFY(klicke(knopf(f, "BBeingabeFertig")));
        QVERIFY(p->isVisible());

        // The last picture, revealed to its end: no winner, then the ranking by itself.
        taste(Qt::Key_PageDown, 117);
        QCOMPARE(text(p, "Bildzaehler"), QStringLiteral("Bild 2 von 2"));
        QCOMPARE(text(p, "Banner"), QStringLiteral("(none)"));
        for (int i = 0; i < 8; ++i)
            taste(Qt::Key_PageDown, 117);
        QCOMPARE(f.spielstand().VerdecktZahl, 0);
        QCOMPARE(text(p, "PublikumRang0"), QStringLiteral("1. Gruppe 3: 5 Punkte"));
        QCOMPARE(text(p, "PublikumRang29"), QStringLiteral("30. Gruppe 2: -3 Punkte"));

        taste(Qt::Key_F5, 71);
        QVERIFY(!p->isVisible());
        QCOMPARE(f.geometry(), vorher);
        QVERIFY(f.meldungen.liste.isEmpty());
    }

    // M: sounds off and on, each time with a note that goes by itself.
    void tonAusUndAn()
    {
        Probefenster f;
        QVERIFY(zeigeUndStarte(f));
        auto* hinweis = f.findChild<QLabel*>(QStringLiteral("TonHinweis"));
        QVERIFY(hinweis && !hinweis->isVisible());
        for (const QString& text : {QStringLiteral("Ton aus"), QStringLiteral("Ton an")}) {
            drueckeTaste(&f, Qt::Key_M, Qt::NoModifier, 58, QStringLiteral("m"));
            QVERIFY(hinweis->isVisible());
            QCOMPARE(hinweis->text(), text);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!hinweis->isVisible(), 5000);
    }

    // Without a sound device or server the game is silent: no message of its own
    // or of the sound backend, and a cue does nothing.
    void ohneTongeraetStill()
    {
        gesehen.clear();
        const QtMessageHandler vorher = qInstallMessageHandler(sieh);
        {
            Tonausgabe ohneDateien(QStringLiteral("/gibt/es/nicht"));
            QVERIFY(!ohneDateien.hatGeraet());
            ohneDateien.spiele(Klang::Richtig);
            // The cues as built, so that the device is looked for.
            Tonausgabe ton(QStringLiteral(VARNO_KLANGORDNER));
            if (!ton.hatGeraet()) {
                ton.spiele(Klang::Meldung);
                ton.spiele(Klang::Aufgedeckt);
            }
            qInstallMessageHandler(vorher);
            if (ton.hatGeraet())
                QSKIP("this machine has a sound device");
        }
        QCOMPARE(gesehen, QStringList());
    }
};

QTEST_MAIN(TstApp)
#include "tst_app.moc"
