#include "tonausgabe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

const char* const Dateien[] = {"meldung.wav", "richtig.wav", "falsch.wav", "aufgedeckt.wav"};

// The sound backends report a missing server or device as warnings of their
// own; for a game that then simply stays silent they are no fault to show.
void schweige(QtMsgType typ, const QMessageLogContext&, const QString&)
{
    Q_UNUSED(typ);
}

bool sucheGeraet()
{
    const QtMessageHandler vorher = qInstallMessageHandler(schweige);
    const bool gefunden = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(vorher);
    return gefunden;
}

}  // namespace

QString Tonausgabe::standardordner()
{
    const QDir programm(QCoreApplication::applicationDirPath());
    for (const QString& ort : {QStringLiteral("../share/varno-quiz/klaenge"), QStringLiteral("../klaenge")}) {
        if (QFileInfo::exists(programm.filePath(ort + QStringLiteral("/meldung.wav"))))
            return QDir::cleanPath(programm.filePath(ort));
    }
    return {};
}

Tonausgabe::Tonausgabe(const QString& ordner)
{
    const QString quelle = ordner.isEmpty() ? standardordner() : ordner;
    m_geraet = !quelle.isEmpty() && sucheGeraet();
    if (!m_geraet)
        return;
    for (std::size_t i = 0; i < m_effekte.size(); ++i) {
        m_effekte[i] = std::make_unique<QSoundEffect>();
        m_effekte[i]->setSource(QUrl::fromLocalFile(QDir(quelle).filePath(QLatin1String(Dateien[i]))));
    }
}

Tonausgabe::~Tonausgabe() = default;

void Tonausgabe::spiele(Klang klang)
{
    const auto i = static_cast<std::size_t>(klang);
    if (!m_an || !m_geraet || i >= m_effekte.size())
        return;
    m_effekte[i]->play();
}
