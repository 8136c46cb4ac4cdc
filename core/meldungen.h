#pragma once
// The one interface through which every message box is shown. The window
// implements it with modal boxes; tests capture the messages.

#include <QString>
#include <exception>
#include <new>
#include <utility>

enum class Meldungsart {
    Hinweis,   // caption "Varno Quiz", no icon
    Warnung,   // caption "Warnung", warning icon
    Fehler,    // caption "Fehler", error icon
    Ausnahme,  // caption "Varno Quiz", error icon; an error that ended a handler
};

// What a reader's message is about, for a receiver that sorts messages instead
// of showing them (the settings checker), so that no one has to recognise a
// message by its wording. Only the cases it tells apart; all else is Sonstige.
enum class Meldungsfall {
    Sonstige,
    MusterOhneStern,  // the picture-name pattern lacks its "*": the one settings error the reading goes on after
    Strafpunkte,      // an OK check of the penalty-points field failed
    Sektoren,         // an OK check of the sector-count field failed
    Listenende,       // no picture entry left
};

class Meldungen {
public:
    virtual ~Meldungen() = default;
    virtual void zeige(Meldungsart art, const QString& text) = 0;
    // A message whose case the reader knows. Shown as any other: the box never depends on the case.
    virtual void zeigeMitFall(Meldungsart art, const QString& text, Meldungsfall) { zeige(art, text); }
    // A question with two answers under the caption "Varno Quiz"; true when the
    // first (`ja`) is chosen. The second is the default and what Esc chooses,
    // and what a receiver that cannot ask answers.
    virtual bool frage(const QString& /*text*/, const QString& /*ja*/, const QString& /*nein*/) { return false; }
};

// An error that ends the running handler and appears in the exception box
// (failed score conversion, unreadable picture file).
class VarnoFehler : public std::exception {
public:
    explicit VarnoFehler(QString text) : m_text(std::move(text)), m_utf8(m_text.toUtf8()) {}
    const QString& text() const { return m_text; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_text;
    QByteArray m_utf8;
};

// The exception box's text: the error's text plus a period unless it ends in one.
QString ausnahmeText(const QString& text);

// Runs one event handler; an error it raises ends it and is shown in the exception box.
template <class Handler>
void alsEreignis(Meldungen& meldungen, Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
    } catch (const VarnoFehler& fehler) {
        meldungen.zeige(Meldungsart::Ausnahme, ausnahmeText(fehler.text()));
    } catch (const std::bad_alloc&) {
        meldungen.zeige(Meldungsart::Ausnahme,
                        ausnahmeText(QStringLiteral("Nicht genügend Arbeitsspeicher")));
    }
}
