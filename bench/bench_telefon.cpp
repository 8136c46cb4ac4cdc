// Buzz-to-window latency: thirty phones joined over loopback, one presses,
// and the time until the main window has its group's row light yellow (the
// palette set by the claim), until it has painted the claim ("richtig",
// enabled by it, is repainted; the row itself may lie below the scrolled
// view), and until the phone has been told its claim was taken. Runs only inside tests/support/netzraum.sh, so its
// traffic cannot leave loopback.
//
//   tests/support/netzraum.sh build/release/bench/varno-bench-telefon

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/gruppenzeile.h"
#include "app/telefonserver.h"
#include "meldungsfang.h"
#include "spieldatei.h"
#include "spielfakes.h"
#include "testfenster.h"
#include "testtelefon.h"

namespace {

using Uhr = std::chrono::steady_clock;
constexpr int Gruppen = 30;

// When the row's palette changes, and when "richtig" is painted after that.
class Zeilenuhr : public QObject {
public:
    QObject* zeile = nullptr;
    Uhr::time_point farbe{}, gemalt{};
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o == zeile && e->type() == QEvent::PaletteChange && farbe == Uhr::time_point{})
            farbe = Uhr::now();
        if (o != zeile && e->type() == QEvent::Paint && farbe != Uhr::time_point{} && gemalt == Uhr::time_point{})
            gemalt = Uhr::now();
        return false;
    }
};

// Runs the event loop until `bedingung` holds, at most `ms`: woken by every
// event, not polled (QTest::qWaitFor sleeps 10 ms between its looks).
template <class Bedingung>
bool warteBis(Bedingung bedingung, int ms)
{
    QElapsedTimer uhr;
    uhr.start();
    QTimer wecker;
    wecker.start(50);
    while (!bedingung() && uhr.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return bedingung();
}

bool angenommen(const Testtelefon& t)
{
    return !t.empfangen().isEmpty()
        && t.empfangen().back().nachricht.value(QLatin1String("t")).toString() == QLatin1String("angenommen");
}

struct Messung {
    std::vector<double> farbe, gemalt, telefon;   // ms
};
Messung messung;

void BM_DruckBisFenster(benchmark::State& state)
{
    QTemporaryDir ordner;
    QImage bild(320, 240, QImage::Format_RGB32);
    bild.fill(QColor(200, 30, 30));
    bild.save(ordner.filePath(QStringLiteral("Bild01.jpg")), "JPG");
    Spieldatei e{.jede = QStringLiteral("1"), .panel = QStringLiteral("0")};
    e.gruppen.clear();
    for (int g = 1; g <= Gruppen; ++g)
        e.gruppen << QStringLiteral("Gruppe %1").arg(g);
    e.muster = ordner.filePath(QStringLiteral("Bild*"));
    e.bilder = QStringList(60, QStringLiteral("01.jpg"));
    if (!e.schreibe(ordner.filePath(QStringLiteral("Varno.ini"))))
        return state.SkipWithError("no settings file");
    Meldungsfang meldungen;
    ErsterZufall zufall;
    Testfenster f(meldungen, zufall, ordner.filePath(QStringLiteral("Varno.ini")));
    f.zeigeZentriert();
    if (!QTest::qWaitFor([&f] { return f.startschritteGelaufen(); }, 10000))
        return state.SkipWithError("the window did not start");
    QKeyEvent f6(QEvent::KeyPress, Qt::Key_F6, Qt::NoModifier, 0, 0, 0);
    QApplication::sendEvent(&f, &f6);
    QApplication::sendEvent(&f, &f6);   // the sheet hidden again: the rows show
    Telefonserver* server = f.telefonserver();
    if (!server)
        return state.SkipWithError("no server");
    std::vector<std::unique_ptr<Testtelefon>> telefone;
    for (int g = 0; g < Gruppen; ++g) {
        telefone.push_back(std::make_unique<Testtelefon>(server->buzzerport()));
        if (!telefone.back()->verbunden())
            return state.SkipWithError("a phone could not connect");
        telefone.back()->tritt(server->code(), g);
        if (telefone.back()->naechste(QStringLiteral("zustand")).isEmpty())
            return state.SkipWithError("a phone could not join");
    }
    auto klick = [&f](const char* name) { f.knopf(QLatin1String(name))->click(); };
    klick("BBweiter");   // the settings panel is hidden: the first picture is announced

    int g = 0;
    for (auto _ : state) {
        Zeilenuhr uhr;
        Gruppenzeile* zeile = f.zeile(g);
        uhr.zeile = zeile;
        zeile->installEventFilter(&uhr);
        f.knopf(QStringLiteral("BBrichtig"))->installEventFilter(&uhr);
        Testtelefon& t = *telefone[std::size_t(g)];
        const Uhr::time_point start = Uhr::now();
        t.drueckt();
        const bool ok = warteBis([&] { return uhr.gemalt != Uhr::time_point{} && angenommen(t); }, 2000);
        zeile->removeEventFilter(&uhr);
        f.knopf(QStringLiteral("BBrichtig"))->removeEventFilter(&uhr);
        if (!ok)
            return state.SkipWithError("a press was not shown");
        auto ms = [start](Uhr::time_point p) { return std::chrono::duration<double, std::milli>(p - start).count(); };
        messung.farbe.push_back(ms(uhr.farbe));
        messung.gemalt.push_back(ms(uhr.gemalt));
        for (auto it = t.empfangen().rbegin(); it != t.empfangen().rend(); ++it) {
            if (it->nachricht.value(QLatin1String("t")).toString() == QLatin1String("angenommen")) {
                messung.telefon.push_back(ms(it->zeit));
                break;
            }
        }
        state.SetIterationTime(ms(uhr.gemalt) / 1000.0);
        // Off the clock: the next group's turn. Every group but the last is
        // judged wrong; the last is right, and the next picture opens.
        if (g < Gruppen - 1) {
            klick("BBfalsch");
            ++g;
        } else {
            klick("BBrichtig");
            klick("BBneuesBild");
            klick("BBweiter");
            g = 0;
        }
    }
}
BENCHMARK(BM_DruckBisFenster)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(300);

double perzentil(std::vector<double> z, double p)
{
    if (z.empty())
        return 0.0;
    std::sort(z.begin(), z.end());
    return z[std::min(z.size() - 1, std::size_t(p * double(z.size())))];
}

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("VARNO_NETZRAUM")) {
        std::fprintf(stderr, "Only inside tests/support/netzraum.sh: its traffic must stay on loopback.\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::printf("\n%zu presses, %d phones joined (ms)           p50      p99      max\n", messung.farbe.size(), Gruppen);
    auto zeile = [](const char* titel, const std::vector<double>& z) {
        std::printf("%-44s %7.2f  %7.2f  %7.2f\n", titel, perzentil(z, 0.5), perzentil(z, 0.99),
                    z.empty() ? 0.0 : *std::max_element(z.begin(), z.end()));
    };
    zeile("press to the row's claim colour", messung.farbe);
    zeile("press to the claim painted", messung.gemalt);
    zeile("press to the phone told \"angenommen\"", messung.telefon);
    return 0;
}
