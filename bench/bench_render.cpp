// Rendering costs side by side, reported as ratios:
//  1. rendering a 24-megapixel JPEG into 1400 x 1000 against a bare libjpeg decode;
//  2. one reveal with 1000 covered sectors against one with 4, on 1920 x 1080;
//  3. a resize during play (the decoded picture kept) against the first render.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <jpeglib.h>
#include <map>
#include <memory>
#include <random>
#include <thread>
#include <time.h>
#include <vector>

#include "core/spielstand.h"
#include "render/bildbereich.h"
#include "render/bildladen.h"
#include "render/bildvorrat.h"
#include "render/darstellung.h"
#include "render/skalierer.h"
#include "fakefenster.h"
#include "meldungsfang.h"
#include "testbilder.h"

namespace {

// The real picture area in the window stand-in of the game tests, whose size
// changes run the layout nested as the real window's do.
struct Umgebung {
    Spielstand st;
    FakeFenster fenster;
    Meldungsfang meldungen;
    Bildbereich bereich{st, fenster, meldungen};
    Umgebung() { fenster.beiGroessenaenderung = [this] { bereich.formResize(); }; }
    // A client area 510 by 40 pixels larger than the picture area.
    void flaeche(QSize groesse, int sx, int sy)
    {
        st.SeitenX = sx;
        st.SeitenY = sy;
        fenster.setzeInnen(groesse + QSize(510, 40));
        st.FensterBreite = 0;
        bereich.formResize();
    }
    void sektoren(int n, int aufgedeckt)
    {
        st.Sektorenzahl = n;
        st.Verdeckt.fill(false);
        for (int k = 0; k < n; ++k)
            st.Verdeckt[size_t(k)] = k >= aufgedeckt;
        st.VerdecktZahl = n - aufgedeckt;
    }
};

QTemporaryDir* verzeichnis = nullptr;
QString grossesJpeg;   // 6000 x 4000
QString fullHdBmp;     // 1920 x 1080

// Something like a photograph for the decoder: smooth shapes plus fine noise.
QImage fotoAehnlich(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    std::mt19937 zufall(7);
    for (int y = 0; y < hoehe; ++y) {
        auto* z = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < breite; ++x) {
            const unsigned rauschen = zufall() & 15;
            z[x] = qRgb(int((x * 255 / breite + rauschen) & 255), int(((x ^ y) / 16 + rauschen) & 255),
                        int((y * 255 / hoehe + (x / 37) * 9) & 255));
        }
    }
    return bild;
}

void bereiteBilder()
{
    verzeichnis = new QTemporaryDir;
    grossesJpeg = verzeichnis->filePath(QStringLiteral("gross.jpg"));
    schreibeDatei(grossesJpeg, jpegDaten(fotoAehnlich(6000, 4000), 90));
    fullHdBmp = verzeichnis->filePath(QStringLiteral("fullhd.bmp"));
    fotoAehnlich(1920, 1080).save(fullHdBmp, "BMP");
}

// libjpeg-turbo alone: full scale into a fresh 32-bit buffer, as the render does.
void dekodiereNur(const QByteArray& name)
{
    {
        std::FILE* f = std::fopen(name.constData(), "rb");
        jpeg_decompress_struct info;
        jpeg_error_mgr fehler;
        info.err = jpeg_std_error(&fehler);
        jpeg_create_decompress(&info);
        jpeg_stdio_src(&info, f);
        jpeg_read_header(&info, TRUE);
        info.out_color_space = JCS_EXT_BGRA;
        jpeg_start_decompress(&info);
        const size_t abstand = size_t(info.output_width) * 4;
        std::unique_ptr<unsigned char[]> puffer(new unsigned char[abstand * info.output_height]);
        while (info.output_scanline < info.output_height) {
            JSAMPROW zeilen[4];
            JDIMENSION n = 0;
            for (; n < 4 && info.output_scanline + n < info.output_height; ++n)
                zeilen[n] = puffer.get() + abstand * (info.output_scanline + n);
            jpeg_read_scanlines(&info, zeilen, n);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        std::fclose(f);
        benchmark::DoNotOptimize(puffer.get());
    }
}

void BM_NurDekodieren(benchmark::State& state)
{
    const QByteArray name = QFile::encodeName(grossesJpeg);
    for (auto _ : state)
        dekodiereNur(name);
}

// The picture area of a 1400 x 633 client area for a 3:2 photo.
constexpr QSize Bereich(890, 593);

// The first render of a picture: decode (nothing kept) and fit into the area,
// as the game does it (at the scale the area needs).
struct ErstesRendern {
    Bildvorrat vorrat;
    QImage ziel{Bereich, QImage::Format_RGB32};
    void operator()()
    {
        vorrat.vergiss();
        stelleBildDar(ziel, vorrat.lade(grossesJpeg, ziel.size(), QString()), QString());
        benchmark::DoNotOptimize(ziel.constBits());
    }
};

// The same as every picture used to be rendered: decoded at full scale, then fitted.
struct ErstesRendernVoll {
    QImage ziel{Bereich, QImage::Format_RGB32};
    void operator()()
    {
        stelleBildDar(ziel, ladeJpeg(grossesJpeg, grossesJpeg), QString());
        benchmark::DoNotOptimize(ziel.constBits());
    }
};

void BM_ErstesRendern(benchmark::State& state)
{
    ErstesRendern rendern;
    for (auto _ : state)
        rendern();
}

void BM_ErstesRendernVoll(benchmark::State& state)
{
    ErstesRendernVoll rendern;
    for (auto _ : state)
        rendern();
}

// A resize during play: the kept picture fitted anew, the cover redrawn.
void BM_GroesseImSpiel(benchmark::State& state)
{
    Umgebung u;
    u.st.BildDatei = grossesJpeg;
    u.sektoren(20, 5);
    u.flaeche(Bereich, KeinSeitenverhaeltnis, KeinSeitenverhaeltnis);
    bool breiter = false;
    for (auto _ : state) {
        breiter = !breiter;
        u.fenster.setzeInnen(QSize(1400 + (breiter ? 10 : 0), 633));
        u.bereich.formResize();
        benchmark::DoNotOptimize(u.bereich.sichtbaresBild().constBits());
    }
    if (u.bereich.dekodierZaehler() != 1)
        state.SkipWithError("the picture was decoded again");
}

// The scaler alone: 6000 x 4000 into 1400 x 933.
void BM_NurSkalieren(benchmark::State& state)
{
    const QImage quelle = fotoAehnlich(6000, 4000);
    QImage ziel(1400, 1000, QImage::Format_RGB32);
    for (auto _ : state) {
        skaliereFlaeche(quelle, quelle.rect(), ziel, QRect(0, 33, 1400, 933));
        benchmark::DoNotOptimize(ziel.constBits());
    }
}

// The full cover redraw after a reveal, for comparison with deckeAuf().
void BM_VolleNeuzeichnung1000(benchmark::State& state)
{
    Umgebung u;
    u.flaeche(QSize(1920, 1080), KeinSeitenverhaeltnis, KeinSeitenverhaeltnis);
    u.st.BildDatei = fullHdBmp;
    u.bereich.rendereBild();
    u.sektoren(1000, 1);
    for (auto _ : state) {
        u.bereich.zeigeGanzesBild();
        u.bereich.zeichneAbdeckung();
        benchmark::DoNotOptimize(u.bereich.sichtbaresBild().constBits());
    }
}

// One reveal with n covered sectors on 1920 x 1080.
void aufdecken(benchmark::State& state, int n)
{
    Umgebung u;
    u.flaeche(QSize(1920, 1080), KeinSeitenverhaeltnis, KeinSeitenverhaeltnis);
    u.st.BildDatei = fullHdBmp;
    u.bereich.rendereBild();
    u.sektoren(n, 0);
    u.bereich.zeigeGanzesBild();
    u.bereich.zeichneAbdeckung();
    int k = 0;
    for (auto _ : state) {
        u.st.Verdeckt[size_t(k)] = false;
        u.bereich.deckeAuf(k);
        benchmark::DoNotOptimize(u.bereich.sichtbaresBild().constBits());
        state.PauseTiming();
        u.st.Verdeckt[size_t(k)] = true;
        u.bereich.zeigeGanzesBild();
        u.bereich.zeichneAbdeckung();
        k = (k + 7) % n;
        state.ResumeTiming();
    }
}
void BM_Aufdecken4(benchmark::State& state) { aufdecken(state, 4); }
void BM_Aufdecken1000(benchmark::State& state) { aufdecken(state, 1000); }

template <class F>
double sekunden(F&& f)
{
    const auto anfang = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
}

// Two operations timed alternately in the same loop, so that the load of a
// shared machine weighs on both alike; the counter is the ratio of their sums.
template <class A, class B>
void paar(benchmark::State& state, A&& a, B&& b)
{
    double ta = 0, tb = 0;
    bool aZuerst = false;
    for (auto _ : state) {
        aZuerst = !aZuerst;
        if (aZuerst) {
            ta += sekunden(a);
            tb += sekunden(b);
        } else {
            tb += sekunden(b);
            ta += sekunden(a);
        }
    }
    state.counters["verhaeltnis"] = ta / tb;
    state.counters["a_ms"] = 1000 * ta / double(state.iterations());
    state.counters["b_ms"] = 1000 * tb / double(state.iterations());
}

void BM_Paar_RendernZuDekodieren(benchmark::State& state)
{
    ErstesRendern rendern;
    const QByteArray name = QFile::encodeName(grossesJpeg);
    paar(state, rendern, [&] { dekodiereNur(name); });
}

void BM_Paar_VollRendernZuDekodieren(benchmark::State& state)
{
    ErstesRendernVoll rendern;
    const QByteArray name = QFile::encodeName(grossesJpeg);
    paar(state, rendern, [&] { dekodiereNur(name); });
}

void BM_Paar_GroesseZuErstemRendern(benchmark::State& state)
{
    Umgebung spiel;
    spiel.st.BildDatei = grossesJpeg;
    spiel.sektoren(20, 5);
    spiel.flaeche(Bereich, KeinSeitenverhaeltnis, KeinSeitenverhaeltnis);
    ErstesRendern erst;
    bool breiter = false;
    paar(
        state,
        [&] {
            breiter = !breiter;
            spiel.fenster.setzeInnen(QSize(1400 + (breiter ? 10 : 0), 633));
            spiel.bereich.formResize();
        },
        erst);
}

struct Aufdecker {
    Umgebung u;
    int n;
    int k = 0;
    explicit Aufdecker(int sektoren) : n(sektoren)
    {
        u.flaeche(QSize(1920, 1080), KeinSeitenverhaeltnis, KeinSeitenverhaeltnis);
        u.st.BildDatei = fullHdBmp;
        u.bereich.rendereBild();
        u.sektoren(n, 0);
        zuruecksetzen();
    }
    void aufdecken()
    {
        u.st.Verdeckt[size_t(k)] = false;
        u.bereich.deckeAuf(k);
    }
    void zuruecksetzen()
    {
        u.st.Verdeckt[size_t(k)] = true;
        u.bereich.zeigeGanzesBild();
        u.bereich.zeichneAbdeckung();
        k = (k + 7) % n;
    }
};

// The first reveal after a new layout, which prepares the centre lookup.
void BM_ErstesAufdecken1000(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Aufdecker a(1000);
        state.ResumeTiming();
        a.aufdecken();
        benchmark::DoNotOptimize(a.u.bereich.sichtbaresBild().constBits());
    }
}

void BM_Paar_Aufdecken1000Zu4(benchmark::State& state)
{
    Aufdecker viele(1000), wenige(4);
    double ta = 0, tb = 0;
    // Each reveal follows its own redraw, so that both find the same share of
    // their pictures in the caches.
    for (auto _ : state) {
        viele.zuruecksetzen();
        ta += sekunden([&] { viele.aufdecken(); });
        wenige.zuruecksetzen();
        tb += sekunden([&] { wenige.aufdecken(); });
    }
    state.counters["verhaeltnis"] = ta / tb;
    state.counters["a_ms"] = 1000 * ta / double(state.iterations());
    state.counters["b_ms"] = 1000 * tb / double(state.iterations());
}

// Pictures decoded ahead: what the click that shows one costs the window's
// thread once the worker has had its time, against decoding at the click.

// A 24 MP and a 50 MP photograph-like JPEG, and a copy of each as the entry
// after it (whose header the click of "Neues Bild" reads).
QString fotoJpeg(int megapixel, bool naechstes = false)
{
    static std::map<int, QString> dateien;
    QString& datei = dateien[megapixel];
    if (datei.isEmpty()) {
        datei = verzeichnis->filePath(QStringLiteral("foto%1.jpg").arg(megapixel));
        if (megapixel == 24)
            QFile::copy(grossesJpeg, datei);
        else
            schreibeDatei(datei, jpegDaten(fotoAehnlich(8660, 5773), 90));
        QFile::copy(datei, verzeichnis->filePath(QStringLiteral("foto%1-naechstes.jpg").arg(megapixel)));
    }
    return naechstes ? verzeichnis->filePath(QStringLiteral("foto%1-naechstes.jpg").arg(megapixel)) : datei;
}

double cpuMs(clockid_t uhr)
{
    timespec t{};
    clock_gettime(uhr, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

enum class Klick { ErstesAufdecken, NeuesBildEigenes };

struct Klickkosten {
    double faden = 0;    // CPU of the window's thread, click to idle
    double wand = 0;     // wall time of the click
    double gesamt = 0;   // CPU of all threads for the picture, from the request ahead on
};

// One picture as the quiz master meets it in a 1400 x 633 client area (an
// 890 x 593 area for 3:2): asked for ahead by the click before (or not), left
// alone until the worker is done, then the click. "Neues Bild" with "*" also
// asks for this picture and the next entry's ahead, as the rules do.
Klickkosten klicke(int megapixel, QSize zuschauer, Klick klick, bool vorab)
{
    const QString datei = fotoJpeg(megapixel);
    Umgebung u;
    u.fenster.setzeInnen(QSize(1400, 633));
    const bool fest = klick == Klick::ErstesAufdecken;
    u.st.StandardSeitenX = fest ? 3 : KeinSeitenverhaeltnis;
    u.st.StandardSeitenY = fest ? 2 : KeinSeitenverhaeltnis;
    if (!zuschauer.isEmpty())
        u.bereich.vorrat().meldeSicht([zuschauer](QSize) { return Sichtbereich{zuschauer, zuschauer.width() > 1920 ? 2.0 : 1.0}; });
    u.sektoren(20, 0);
    u.st.BildDatei = datei;
    if (fest) {
        // The layout of "Neues Bild", before the reveal.
        u.st.SeitenX = 3;
        u.st.SeitenY = 2;
        u.st.FensterBreite = 0;
        u.bereich.formResize();
    }
    Klickkosten k;
    const double gesamt0 = cpuMs(CLOCK_PROCESS_CPUTIME_ID);
    if (vorab)
        u.bereich.bereiteVor(datei, QString());
    while (u.bereich.vorrat().vorabLaeuft())
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const double faden0 = cpuMs(CLOCK_THREAD_CPUTIME_ID);
    const auto wand0 = std::chrono::steady_clock::now();
    if (fest) {
        u.bereich.rendereBild();
        u.bereich.zeigeGanzesBild();
        u.st.Verdeckt[0] = false;
        --u.st.VerdecktZahl;
        u.bereich.zeichneAbdeckung();
    } else {
        u.bereich.fuelleGrau();
        const QSize groesse = u.bereich.missBild(datei);
        u.st.SeitenX = groesse.width();
        u.st.SeitenY = groesse.height();
        u.st.FensterBreite = 0;
        u.bereich.formResize();
        if (vorab) {
            u.bereich.bereiteVor(datei, QString());
            u.bereich.bereiteVor(fotoJpeg(megapixel, true), QString());
        }
    }
    benchmark::DoNotOptimize(u.bereich.sichtbaresBild().constBits());
    k.faden = cpuMs(CLOCK_THREAD_CPUTIME_ID) - faden0;
    k.wand = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wand0).count();
    // The next entry's decode has begun on the worker meanwhile: no total then.
    k.gesamt = fest ? cpuMs(CLOCK_PROCESS_CPUTIME_ID) - gesamt0 : 0;
    return k;
}

// Arguments: megapixels, the audience window's width (0: none; 1920 x 1080 or
// 3840 x 2160), the click (0 first reveal, 1 "Neues Bild" with "*"), ahead (1) or not.
void BM_Klick(benchmark::State& state)
{
    const int mp = int(state.range(0));
    const int breite = int(state.range(1));
    const QSize zuschauer = breite ? QSize(breite, breite * 9 / 16) : QSize();
    const Klick klick = state.range(2) ? Klick::NeuesBildEigenes : Klick::ErstesAufdecken;
    std::vector<double> faden, wand, gesamt;
    fotoJpeg(mp);
    for (auto _ : state) {
        const Klickkosten k = klicke(mp, zuschauer, klick, state.range(3) != 0);
        state.SetIterationTime(k.faden / 1000);
        faden.push_back(k.faden);
        wand.push_back(k.wand);
        gesamt.push_back(k.gesamt);
    }
    auto kleinstes = [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); };
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    state.counters["faden_min_ms"] = kleinstes(faden);
    state.counters["faden_med_ms"] = median(faden);
    state.counters["wand_min_ms"] = kleinstes(wand);
    state.counters["gesamt_min_ms"] = kleinstes(gesamt);
}

BENCHMARK(BM_Klick)
    ->ArgNames({"mp", "zuschauer", "neuesBild", "vorab"})
    ->ArgsProduct({{24, 50}, {0, 1920, 3840}, {0, 1}, {1}})
    ->ArgsProduct({{24, 50}, {0}, {0, 1}, {0}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

BENCHMARK(BM_Paar_RendernZuDekodieren)->Unit(benchmark::kMillisecond)->Iterations(8)->Repetitions(3);
BENCHMARK(BM_Paar_VollRendernZuDekodieren)->Unit(benchmark::kMillisecond)->Iterations(8)->Repetitions(3);
BENCHMARK(BM_Paar_GroesseZuErstemRendern)->Unit(benchmark::kMillisecond)->Iterations(8)->Repetitions(3);
BENCHMARK(BM_ErstesAufdecken1000)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3);
BENCHMARK(BM_Paar_Aufdecken1000Zu4)->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(3);

// Three repetitions each; the ratios use the medians, since the machine is shared.
BENCHMARK(BM_NurDekodieren)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2)->Repetitions(3);
BENCHMARK(BM_ErstesRendern)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2)->Repetitions(3);
BENCHMARK(BM_ErstesRendernVoll)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2)->Repetitions(3);
BENCHMARK(BM_GroesseImSpiel)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1)->Repetitions(3);
BENCHMARK(BM_NurSkalieren)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1)->Repetitions(3);
BENCHMARK(BM_VolleNeuzeichnung1000)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1)->Repetitions(3);
BENCHMARK(BM_Aufdecken4)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1)->Repetitions(3);
BENCHMARK(BM_Aufdecken1000)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1)->Repetitions(3);

double psnr(const QImage& a, const QImage& b)
{
    double summe = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            for (const int s : {0, 8, 16}) {
                const double d = int((p[x] >> s) & 255) - int((q[x] >> s) & 255);
                summe += d * d;
            }
    }
    const double mittel = summe / (3.0 * a.width() * a.height());
    return 10 * std::log10(255.0 * 255.0 / mittel);
}

// How like a box-filtered picture the shown one is, and what the kept picture
// holds. The reference is Qt's own area-averaging scaler applied to the
// full-scale decode, not this program's scaler.
void bildguete()
{
    const QImage voll = ladeJpeg(grossesJpeg, grossesJpeg);
    const QImage referenz = voll.scaled(Bereich, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .convertToFormat(QImage::Format_RGB32);
    ErstesRendern skaliert;
    skaliert();
    ErstesRendernVoll ganz;
    ganz();
    const Dekodiert& behalten = skaliert.vorrat.lade(grossesJpeg, Bereich, QString());
    std::printf("\nPicture quality against Qt's smooth scaling of the full-scale decode (890x593)\n");
    std::printf("%-54s %6.2f dB  (aim >= 38)\n", "decoded at the scale needed", psnr(skaliert.ziel, referenz));
    std::printf("%-54s %6.2f dB\n", "decoded at full scale, as before", psnr(ganz.ziel, referenz));
    std::printf("%-54s %d/8, %d x %d, %.1f MB of %.1f MB = %.3f  (aim <= 0.25)\n", "kept picture",
                behalten.achtel, behalten.bild.width(), behalten.bild.height(),
                double(behalten.bild.sizeInBytes()) / 1e6, double(voll.sizeInBytes()) / 1e6,
                double(behalten.bild.sizeInBytes()) / double(voll.sizeInBytes()));
}

// Keeps every run's time per iteration for the ratios at the end.
class Sammler : public benchmark::ConsoleReporter {
public:
    std::map<std::string, std::vector<double>> zeiten;
    std::map<std::string, std::vector<double>> verhaeltnisse;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && !r.error_occurred) {
                zeiten[r.run_name.function_name].push_back(r.GetAdjustedRealTime());
                const auto c = r.counters.find("verhaeltnis");
                if (c != r.counters.end())
                    verhaeltnisse[r.run_name.function_name].push_back(c->second.value);
            }
    }
    static double median(const std::map<std::string, std::vector<double>>& werte, const std::string& name)
    {
        const auto it = werte.find(name);
        if (it == werte.end() || it->second.empty())
            return 0.0;
        std::vector<double> z = it->second;
        std::sort(z.begin(), z.end());
        return z[z.size() / 2];
    }
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    bereiteBilder();
    Sammler sammler;
    benchmark::RunSpecifiedBenchmarks(&sammler);
    auto zeile = [&](const char* titel, const char* paarName, const char* a, const char* b, double ziel) {
        const double gepaart = Sammler::median(sammler.verhaeltnisse, paarName);
        const double ta = Sammler::median(sammler.zeiten, a), tb = Sammler::median(sammler.zeiten, b);
        std::printf("%-54s %6.3f   separate runs %6.3f   (aim <= %.2f)\n", titel, gepaart,
                    tb > 0 ? ta / tb : 0.0, ziel);
    };
    std::printf("\nRatios (median of 3; alternating in one loop, and of the separate runs)\n");
    zeile("first render 24 MP into 890x593 / bare full decode", "BM_Paar_RendernZuDekodieren",
          "BM_ErstesRendern", "BM_NurDekodieren", 0.40);
    zeile("  the same at full scale, as before / bare decode", "BM_Paar_VollRendernZuDekodieren",
          "BM_ErstesRendernVoll", "BM_NurDekodieren", 1.10);
    zeile("reveal, 1000 sectors / reveal, 4 sectors (1920x1080)", "BM_Paar_Aufdecken1000Zu4",
          "BM_Aufdecken1000", "BM_Aufdecken4", 1.5);
    zeile("resize during play (kept picture) / first render", "BM_Paar_GroesseZuErstemRendern",
          "BM_GroesseImSpiel", "BM_ErstesRendern", 0.1);
    bildguete();
    delete verzeichnis;
    return 0;
}
