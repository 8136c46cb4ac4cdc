#include "steuerelemente.h"

#include <QPainter>
#include <QPaintEvent>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string_view>

#include "entwurf.h"
#include "knopfbilder.h"
#include "render/bildbereich.h"
#include "render/pixel.h"

namespace {

// Image3: shows the picture area's visible image. It paints every pixel of
// its area itself, so the black panel beneath does not fill the picture's
// area first, a full second pass over a 4K-class window at every new picture.
class Bildanzeige : public QWidget {
public:
    Bildanzeige(const Bildbereich& bereich, QWidget* eltern) : QWidget(eltern), m_bereich(bereich)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* ereignis) override
    {
        QPainter maler(this);
        maleSichtbaresBild(maler, ereignis->region(), m_bereich.sichtbaresBild(), m_bereich.pixelVerhaeltnis());
    }

private:
    const Bildbereich& m_bereich;
};

QColor farbe(int rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }

QFont schrift(const Schrift& s)
{
    QFont f{QString::fromLatin1(s.familie)};
    f.setPixelSize(s.pixel);
    // The rounded face is bold by design; its stand-in has to be made bold.
    f.setBold(s.fett || QLatin1String(s.familie) == QLatin1String("Arial Rounded MT Bold"));
    return f;
}

void setzeTextfarbe(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    for (auto gruppe : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(gruppe, QPalette::WindowText, c);
        p.setColor(gruppe, QPalette::ButtonText, c);
        p.setColor(gruppe, QPalette::Text, c);
    }
    w->setPalette(p);
}

void setzeHintergrund(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QFrame* baueRahmen(const Elemententwurf& e, QWidget* eltern)
{
    auto* f = new QFrame(eltern);
    switch (e.bevel) {
    case Bevel::Keiner: f->setFrameStyle(QFrame::NoFrame); break;
    case Bevel::Erhoeht: f->setFrameStyle(QFrame::Panel | QFrame::Raised); break;
    case Bevel::DoppeltErhoeht: f->setFrameStyle(QFrame::WinPanel | QFrame::Raised); break;
    case Bevel::Vertieft: f->setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
    }
    f->setLineWidth(e.bevel == Bevel::DoppeltErhoeht ? 2 : 1);
    f->setAutoFillBackground(true);  // panels are opaque, also over the picture
    return f;
}

Bildknopf* baueKnopf(const Elemententwurf& e, QWidget* eltern)
{
    auto* b = new Bildknopf(eltern);
    b->setText(QString::fromUtf8(e.text));
    const Bildpaar& bilder = knopfbild(e.bild);
    b->setzeBilder(bilder.aktiv, bilder.inaktiv);
    b->setzeAbstand(e.bildabstand);
    b->setzeStandard(e.standardknopf);
    return b;
}

QGroupBox* baueRadiogruppe(const Elemententwurf& e, QWidget* eltern, Steuerelemente& s)
{
    auto* g = new QGroupBox(QString::fromUtf8(e.text), eltern);
    for (int i = 0; i < 2; ++i) {
        auto* r = new QRadioButton(radioEintrag(i), g);
        r->setObjectName(QStringLiteral("RadioGroup1_%1").arg(i));
        r->setAccessibleName(radioEintrag(i));
        r->setGeometry(8, 20 + 24 * i, e.ort.breite - 16, 20);
        s.RadioGroup1Eintrag[i] = r;
    }
    s.RadioGroup1Eintrag[0]->setChecked(true);
    return g;
}

QWidget* baue(const Elemententwurf& e, QWidget* eltern, const Bildbereich& bereich, Steuerelemente& s)
{
    const QString text = QString::fromUtf8(e.text);
    switch (e.art) {
    case Elementart::Label: {
        auto* l = new QLabel(eltern);
        l->setTextFormat(Qt::PlainText);
        l->setText(text);
        return l;
    }
    case Elementart::Panel: return baueRahmen(e, eltern);
    case Elementart::Bildknopf: return baueKnopf(e, eltern);
    case Elementart::GroupBox: return new QGroupBox(text, eltern);
    case Elementart::Edit: return new QLineEdit(text, eltern);
    case Elementart::RadioGroup: return baueRadiogruppe(e, eltern, s);
    case Elementart::Bild: {
        auto* l = new QLabel(eltern);
        l->setPixmap(knopfbild(e.bild).aktiv);
        return l;
    }
    case Elementart::Anzeige: return new Bildanzeige(bereich, eltern);
    }
    return nullptr;
}

void gestalte(QWidget* w, const Elemententwurf& e)
{
    w->setObjectName(QLatin1String(e.name));
    if (e.schrift.familie)
        w->setFont(schrift(e.schrift));
    if (e.farbe != Geerbt)
        setzeTextfarbe(w, farbe(e.farbe));
    if (e.hintergrund != Geerbt)
        setzeHintergrund(w, farbe(e.hintergrund));
    if (e.ort.breite > 0) {
        w->setGeometry(e.ort.links, e.ort.oben, e.ort.breite, e.ort.hoehe);
    } else {
        w->move(e.ort.links, e.ort.oben);
        w->adjustSize();
    }
    w->setAccessibleName(e.zugangsname ? QString::fromUtf8(e.zugangsname) : QString::fromUtf8(e.text));
    w->setEnabled(e.aktiv);
    if (!e.sichtbar)
        w->hide();
}

// Depth first through the design, each parent's children in their tab order.
void sammleTabfolge(const char* eltern, const std::map<std::string_view, QWidget*>& gebaut,
                    const Steuerelemente& s, std::vector<QWidget*>& folge)
{
    std::vector<const Elemententwurf*> kinder;
    for (const Elemententwurf& e : fixeSteuerelemente()) {
        const bool gleich = (eltern == nullptr && e.eltern == nullptr)
            || (eltern && e.eltern && std::string_view(eltern) == e.eltern);
        if (gleich && e.tabfolge >= 0)
            kinder.push_back(&e);
    }
    std::stable_sort(kinder.begin(), kinder.end(),
                     [](auto* a, auto* b) { return a->tabfolge < b->tabfolge; });
    for (const Elemententwurf* e : kinder) {
        switch (e->art) {
        case Elementart::Bildknopf:
        case Elementart::Edit:
            folge.push_back(gebaut.at(e->name));
            break;
        case Elementart::RadioGroup:
            folge.push_back(s.RadioGroup1Eintrag[0]);
            folge.push_back(s.RadioGroup1Eintrag[1]);
            break;
        default:
            sammleTabfolge(e->name, gebaut, s, folge);
            break;
        }
    }
}

}  // namespace

void falscheArt(const QWidget* w)
{
    std::fprintf(stderr, "Steuerelement %s passt nicht zu seinem Platz im Entwurf\n",
                 w ? qPrintable(w->objectName()) : "(fehlt)");
    std::abort();
}

Steuerelemente baueSteuerelemente(QWidget* klient, const Bildbereich& bildbereich)
{
    Steuerelemente s;
    // The parents by name, while the design is being built; nothing looks them up later.
    std::map<std::string_view, QWidget*> gebaut;
    for (const Elemententwurf& e : fixeSteuerelemente()) {
        QWidget* eltern = e.eltern ? gebaut.at(e.eltern) : klient;
        QWidget* w = baue(e, eltern, bildbereich, s);
        gestalte(w, e);
        e.ablage(s, w);
        if (e.rechtsVerankert || e.untenVerankert)
            s.anker.push_back({w, e.rechtsVerankert, e.untenVerankert});
        gebaut.emplace(e.name, w);
    }
    sammleTabfolge(nullptr, gebaut, s, s.tabfolge);
    for (std::size_t i = 1; i < s.tabfolge.size(); ++i)
        QWidget::setTabOrder(s.tabfolge[i - 1], s.tabfolge[i]);
    return s;
}
