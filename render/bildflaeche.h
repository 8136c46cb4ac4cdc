#pragma once
// What the game rules need of the picture area: layout, rendering and cover.

#include <QSize>
#include <QString>

class Bildflaeche {
public:
    virtual ~Bildflaeche() = default;
    // The window's resize handler (FormResize).
    virtual void formResize() = 0;
    // Sizes IBild to BildBreite x BildHoehe and renders BildDatei with BildPosition
    // into it. Loading errors throw VarnoFehler; an unsupported extension warns and
    // leaves IBild as it was.
    virtual void rendereBild() = 0;
    // Copies IBild into the visible picture (the whole picture shows).
    virtual void zeigeGanzesBild() = 0;
    // Cover redraw: every covered sector, ascending, onto the visible picture.
    virtual void zeichneAbdeckung() = 0;
    // Sector k has just been uncovered: yields the same pixels as zeigeGanzesBild()
    // followed by zeichneAbdeckung(), with the same messages, at the cost of the
    // sector's own area.
    virtual void deckeAuf(int sektor) = 0;
    // Fills the visible picture grey with the current brush and pen.
    virtual void fuelleGrau() = 0;
    // Decodes the file and returns its size in pixels as it is shown (upright);
    // what was decoded serves the first render while the file is unchanged.
    // Throws VarnoFehler.
    virtual QSize missBild(const QString& pfad) = 0;
    // The picture of pfad will be shown with this positioning code: it may be
    // decoded now, off the window's thread. Shows nothing and throws nothing;
    // what fails is reported when the picture is measured or rendered.
    virtual void bereiteVor(const QString& pfad, const QString& code) = 0;
};
