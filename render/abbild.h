#pragma once
// The picture and its cover drawn for a second view at a size of its own: the
// same sectors at the same angles as long as the view keeps the picture
// area's aspect. Paints only; no message box, no game state.

#include <QImage>
#include <QPainter>
#include <QList>
#include <QString>
#include <optional>

#include "bildvorrat.h"

// The covered sectors of n over ziel, as DrawEck would paint them on an area of
// ziel's size. A sector whose rays lie two edges apart stays unpainted, as in
// the picture area, but without the message: the second view shows none.
void zeichneAbdeckung(QImage& ziel, int n, const QList<bool>& verdeckt);
// The same on an area of `flaeche` pixels of the painter's coordinates.
void zeichneAbdeckung(QPainter& maler, QSize flaeche, int n, const QList<bool>& verdeckt);
// bild at the painter's origin with that cover over an area of `flaeche`: the
// same pixels as drawing the whole picture and then the cover, but of the
// picture only the parts the cover leaves open are copied.
void maleUnterAbdeckung(QPainter& maler, const QImage& bild, QSize flaeche, int n, const QList<bool>& verdeckt);
// Where that differs from grey under the cover of all n sectors: the open
// sectors' boxes, or nothing when it may differ anywhere (as offeneTeile).
std::optional<QRect> offenUeberGrau(QSize flaeche, int n, const QList<bool>& verdeckt);

// The picture of a file fitted into an area of `groesse` device pixels under the
// positioning code, from the picture area's store: one decode serves every
// view, and a view registered there gets its fitted picture from the worker.
// Grey when there is no file or it cannot be loaded: the second view shows no
// error texts.
class Abbild {
public:
    explicit Abbild(Bildvorrat& vorrat) : m_vorrat(vorrat) {}
    QImage bild(const QString& pfad, const QString& code, QSize groesse, qreal verhaeltnis = 1.0);

private:
    Bildvorrat& m_vorrat;
    qreal m_verhaeltnis = 1.0;
    QString m_pfad, m_code;
    QImage m_bild;
};
