#pragma once
// The picture area: the off-screen picture IBild, the visible picture (what the
// window's control Image3 shows), the sector cover and the resize handler.
// Pictures come from its Bildvorrat and are fitted by stelleBildDar.

#include <QImage>
#include <memory>

#include "bildflaeche.h"

struct Spielstand;
class Bildvorrat;
class Fenster;
class Meldungen;

class Bildbereich : public Bildflaeche {
public:
    Bildbereich(Spielstand& st, Fenster& fenster, Meldungen& meldungen);
    ~Bildbereich() override;

    // Both hold the area's device pixels: BildBreite x BildHoehe times the
    // ratio below, the one of the last layout.
    const QImage& sichtbaresBild() const;
    const QImage& iBild() const;            // IBild
    qreal pixelVerhaeltnis() const;

    // Paints sector k onto the visible picture (DrawEck).
    void DrawEck(int k);

    void formResize() override;
    // A run of formResize() is under way (it may be showing a message box).
    bool layoutLaeuft() const;
    void rendereBild() override;
    void zeigeGanzesBild() override;
    void zeichneAbdeckung() override;
    void deckeAuf(int sektor) override;
    void fuelleGrau() override;
    QSize missBild(const QString& pfad) override;
    void bereiteVor(const QString& pfad, const QString& code) override;

    // Renders the file pfad with the positioning code into ziel, fitted to
    // ziel's size (BildDarstellung). Throws VarnoFehler when loading fails.
    void BildDarstellung(QImage& ziel, const QString& pfad, const QString& code);

    // How many times a picture file has been decoded; the decoded picture of
    // the current file is kept while the file stays unchanged.
    int dekodierZaehler() const;
    // Drops the kept picture, so that the next use decodes the file again.
    void vergissBild();
    // The decoded pictures, which other views of the game draw from too.
    Bildvorrat& vorrat();
    // The area, in logical pixels, the window's next layout gives a picture of
    // that upright size.
    QSize flaecheFuer(QSize voll) const;

private:
    struct Daten;
    std::unique_ptr<Daten> d;
};
