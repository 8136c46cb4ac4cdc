#pragma once
// The four message boxes as modal QMessageBoxes.

#include <QMessageBox>
#include <QPointer>
#include <memory>

#include "core/meldungen.h"

// Builds the box for one message without showing it: caption, icon, text and one OK button.
std::unique_ptr<QMessageBox> baueMeldungsbox(Meldungsart art, const QString& text,
                                             QWidget* eltern = nullptr);

// The question box: caption "Varno Quiz", question icon, the buttons `ja` and
// `nein` in this order; `nein` is the default and the Esc button.
std::unique_ptr<QMessageBox> baueFragebox(const QString& text, const QString& ja, const QString& nein,
                                          QWidget* eltern = nullptr);

class Meldungsboxen : public Meldungen {
public:
    // Boxes are centred over this window once it exists.
    void setzeEltern(QWidget* eltern) { m_eltern = eltern; }
    void zeige(Meldungsart art, const QString& text) override;
    bool frage(const QString& text, const QString& ja, const QString& nein) override;

private:
    QPointer<QWidget> m_eltern;
};
