#pragma once
// One scoreboard row: panel, name, answer button, score and score field.

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

class Bildknopf;

class Gruppenzeile : public QFrame {
    Q_OBJECT
public:
    // Creates the row for group `index` at `links` in the parent's coordinates;
    // the answer button copies the template's pictures.
    Gruppenzeile(int index, const QString& name, int links, const Bildknopf& vorlage,
                 QWidget* eltern);

    QLabel* nameLabel() const { return m_name; }
    Bildknopf* antwortKnopf() const { return m_antwort; }
    QLabel* punkteLabel() const { return m_punkte; }
    QLineEdit* eingabe() const { return m_eingabe; }

    // New score text; the label keeps its right edge and takes the text's width.
    void setzePunkteText(const QString& text);
    void setzeHintergrund(const QColor& farbe);

signals:
    // The answer button was clicked; carries its tag (AntwortTagBasis + index).
    void antwortGeklickt(int tag);

private:
    QLabel* m_name;
    Bildknopf* m_antwort;
    QLabel* m_punkte;
    QLineEdit* m_eingabe;
};
