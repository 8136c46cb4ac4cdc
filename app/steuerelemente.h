#pragma once
// The main window's fixed controls, each in a typed member, built once from
// the design table (entwurf.cpp). A control missing from the table or of
// another kind than its member stops the program at start, not at first use.

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <type_traits>
#include <vector>

#include "bildknopf.h"

class Bildbereich;

struct Steuerelemente {
    QLabel* LPunkte = nullptr;
    QFrame* Panel3 = nullptr;
    QWidget* Image3 = nullptr;
    QFrame* Panel1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* Image1 = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* RadioGroup1Eintrag[2] = {nullptr, nullptr};
    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label1 = nullptr;
    Bildknopf* BitBtn1 = nullptr;
    Bildknopf* BBfalsch = nullptr;
    Bildknopf* BBrichtig = nullptr;
    Bildknopf* BitBtn2 = nullptr;
    Bildknopf* BBneuesBild = nullptr;
    Bildknopf* BBweiter = nullptr;
    Bildknopf* BBpunkteEingeben = nullptr;
    Bildknopf* BBeingabeFertig = nullptr;

    // Controls that follow the window's right or bottom edge.
    struct Anker {
        QPointer<QWidget> element;
        bool rechts;
        bool unten;
    };
    std::vector<Anker> anker;
    // The focus chain as designed; the scoreboard rows continue after its last.
    std::vector<QWidget*> tabfolge;
};

// Builds every fixed control into `klient`; Image3 shows the picture area's visible picture.
Steuerelemente baueSteuerelemente(QWidget* klient, const Bildbereich& bildbereich);

[[noreturn]] void falscheArt(const QWidget* w);

// Stores a built control in its member, checking its kind.
template <auto Glied>
void lege(Steuerelemente& s, QWidget* w)
{
    using Art = std::remove_pointer_t<std::remove_reference_t<decltype(s.*Glied)>>;
    auto* typisiert = qobject_cast<Art*>(w);
    if (!typisiert)
        falscheArt(w);
    s.*Glied = typisiert;
}
