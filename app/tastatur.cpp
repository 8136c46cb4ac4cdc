#include "tastatur.h"

#include <QKeyEvent>
#include <vector>

namespace {

// XKB keycodes of the three letter and digit rows (the same under every
// layout): 1 … 0, Q … P, A … L and the key right of L.
constexpr quint32 ZiffernreiheAb = 10;
constexpr quint32 ObereReiheAb = 24;
constexpr quint32 MittlereReiheAb = 38;
constexpr int ReihenLaenge = 10;

std::optional<int> gruppeNachOrt(quint32 scancode)
{
    for (const quint32 ab : {ZiffernreiheAb, ObereReiheAb, MittlereReiheAb}) {
        if (scancode >= ab && scancode < ab + ReihenLaenge) {
            const int reihe = ab == ZiffernreiheAb ? 0 : ab == ObereReiheAb ? 1 : 2;
            return reihe * ReihenLaenge + static_cast<int>(scancode - ab);
        }
    }
    return std::nullopt;
}

// Without the physical key: the characters of a German or an English keyboard.
std::optional<int> gruppeNachZeichen(int taste)
{
    if (taste >= Qt::Key_1 && taste <= Qt::Key_9)
        return taste - Qt::Key_1;
    if (taste == Qt::Key_0)
        return 9;
    static const int obere[] = {Qt::Key_Q, Qt::Key_W, Qt::Key_E, Qt::Key_R, Qt::Key_T,
                                Qt::Key_Z, Qt::Key_U, Qt::Key_I, Qt::Key_O, Qt::Key_P};
    static const int mittlere[] = {Qt::Key_A, Qt::Key_S, Qt::Key_D, Qt::Key_F, Qt::Key_G,
                                   Qt::Key_H, Qt::Key_J, Qt::Key_K, Qt::Key_L, Qt::Key_Odiaeresis};
    for (int i = 0; i < ReihenLaenge; ++i) {
        if (taste == obere[i])
            return ReihenLaenge + i;
        if (taste == mittlere[i])
            return 2 * ReihenLaenge + i;
    }
    if (taste == Qt::Key_Y)
        return ReihenLaenge + 5;   // where German keyboards have Z
    if (taste == Qt::Key_Semicolon)
        return 2 * ReihenLaenge + 9;   // where German keyboards have Ö
    return std::nullopt;
}

}  // namespace

std::optional<Taste> deuteTaste(int taste, Qt::KeyboardModifiers modifikatoren, quint32 scancode)
{
    switch (taste) {
    case Qt::Key_F1: return Taste{Tastenaktion::Hilfe};
    case Qt::Key_F2: return Taste{Tastenaktion::Rangliste};
    case Qt::Key_F11: return Taste{Tastenaktion::Vollbild};
    case Qt::Key_F6: return Taste{Tastenaktion::Telefone};
    case Qt::Key_F5:
        return Taste{(modifikatoren & Qt::ShiftModifier) ? Tastenaktion::PublikumWeiter : Tastenaktion::Publikum};
    case Qt::Key_Escape: return Taste{Tastenaktion::VollbildAus};
    default: break;
    }
    // Undo as everywhere, by the character Z of the layout in use.
    const Qt::KeyboardModifiers befehl = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::ShiftModifier;
    if (taste == Qt::Key_Z && (modifikatoren & befehl) == Qt::ControlModifier)
        return Taste{Tastenaktion::Rueckgaengig};
    // Shortcuts of the desktop keep their keys.
    if (modifikatoren & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    // Only the End key of its own: the number pad's 1 without NumLock is a
    // group's buzzer that must never end a picture.
    if (taste == Qt::Key_End && !(modifikatoren & Qt::KeypadModifier))
        return Taste{Tastenaktion::BildEnde};
    switch (taste) {
    case Qt::Key_Plus: return Taste{Tastenaktion::Richtig};
    case Qt::Key_Minus: return Taste{Tastenaktion::Falsch};
    case Qt::Key_M: return Taste{Tastenaktion::Ton};
    case Qt::Key_PageDown:
    case Qt::Key_Right: return Taste{Tastenaktion::Weiter};
    default: break;
    }
    // The number pad's digits are groups 1 to 10 whatever their keycodes.
    if (modifikatoren & Qt::KeypadModifier) {
        if (const auto g = gruppeNachZeichen(taste); g && *g < ReihenLaenge)
            return Taste{Tastenaktion::Gruppe, *g};
        if (taste == Qt::Key_Period)
            return Taste{Tastenaktion::Schwarz};
        return std::nullopt;
    }
    const auto g = scancode != 0 ? gruppeNachOrt(scancode) : gruppeNachZeichen(taste);
    if (g)
        return Taste{Tastenaktion::Gruppe, *g};
    // What presenter remotes send for a black screen; only where no group's key lies.
    if (taste == Qt::Key_B || taste == Qt::Key_Period)
        return Taste{Tastenaktion::Schwarz};
    return std::nullopt;
}

std::optional<Taste> deuteTaste(const QKeyEvent& e)
{
    return deuteTaste(e.key(), e.modifiers(), e.nativeScanCode());
}

const std::vector<Hilfezeile>& tastenhilfe()
{
    static const std::vector<Hilfezeile> zeilen = {
        {QStringLiteral("1 2 3 … 9 0"), QStringLiteral("Gruppe 1 bis 10 meldet sich (auch Ziffernblock)")},
        {QStringLiteral("Q W E R T Z U I O P"), QStringLiteral("Gruppe 11 bis 20 meldet sich")},
        {QStringLiteral("A S D F G H J K L Ö"), QStringLiteral("Gruppe 21 bis 30 meldet sich")},
        {QStringLiteral("+"), QStringLiteral("richtig")},
        {QStringLiteral("−"), QStringLiteral("falsch")},
        {QStringLiteral("Bild ↓  oder  →"), QStringLiteral("weiter: aufdecken, sonst neues Bild")},
        {QStringLiteral("Ende"), QStringLiteral("Bild beenden: ganz zeigen, niemand bekommt Punkte")},
        {QStringLiteral("Strg+Z"), QStringLiteral("letztes „richtig“ oder „falsch“ zurücknehmen")},
        {QStringLiteral("Eingabe"), QStringLiteral("drückt die hervorgehobene Schaltfläche")},
        {QStringLiteral("Leertaste, Tab"), QStringLiteral("Schaltfläche mit dem Fokus drücken, Fokus weiter")},
        {QStringLiteral("F11"), QStringLiteral("Vollbild ein und aus")},
        {QStringLiteral("F5, Umschalt+F5"), QStringLiteral("Publikumsfenster auf und zu, auf den nächsten Bildschirm")},
        {QStringLiteral("B  oder  ."), QStringLiteral("Publikumsfenster schwarz und zurück")},
        {QStringLiteral("Esc"), QStringLiteral("Vollbild verlassen")},
        {QStringLiteral("M"), QStringLiteral("Ton aus und an")},
        {QStringLiteral("F2"), QStringLiteral("Rangliste")},
        {QStringLiteral("F1"), QStringLiteral("diese Hilfe")},
    };
    return zeilen;
}
